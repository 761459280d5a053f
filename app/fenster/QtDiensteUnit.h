// Die Dienste der Logik, umgesetzt mit Qt.
#pragma once

#include <QLabel>
#include <QPointer>
#include <QString>
#include <memory>

#include "model/DienstUnit.h"

class TQtDialogDienst : public TDialogDienst {
 public:
  int Frage(const TFrage& frage) override;
  void Meldung(const std::string& titel, const std::vector<std::string>& zeilen,
               TMeldungsArt art) override;
  void Piep() override;
  void BeschaeftigtAn() override;
  void BeschaeftigtAus() override;
  void MeldungsFensterZeigen(const std::string& text) override;
  void MeldungsFensterSchliessen() override;
  void EingabenVerarbeiten() override;
  using TDialogDienst::Frage;

 private:
  // Gehört dem Dienst: Schließen verbirgt es, der Dienst zerstört es mit sich.
  std::unique_ptr<QLabel> fMeldungsFenster;
};

// Der Einstellungsspeicher. Unter Windows die Registrierung des Benutzers (HKEY_CURRENT_USER),
// sonst eine INI-Datei im Konfigurationsordner des Benutzers mit einer Gruppe je Schlüssel.
// Die Umgebungsvariable TAMREL_EINSTELLUNGEN nennt stattdessen eine INI-Datei (auch unter
// Windows); der Konstruktor mit Pfad nimmt immer diese INI-Datei.
class TQtEinstellungsSpeicher : public TEinstellungsSpeicher {
 public:
  TQtEinstellungsSpeicher();
  explicit TQtEinstellungsSpeicher(const QString& pfad);
  ~TQtEinstellungsSpeicher() override;
  std::optional<std::string> Lesen(const std::string& schluessel, const std::string& name) override;
  void Schreiben(const std::string& schluessel, const std::string& name,
                 const std::string& wert) override;
  bool Sichern() override;
  static QString StandardPfad();

 private:
  struct Daten;
  std::unique_ptr<Daten> fDaten;
};

class TQtZwischenablage : public TZwischenablage {
 public:
  std::string Text() override;
  // Zeilen werden mit CR LF geschrieben.
  void SetzeText(const std::string& text) override;
};

class TQtTextMetrik : public TTextMetrik {
 public:
  double TextBreite(const TSchrift& schrift, const std::string& text) override;
  double TextHoehe(const TSchrift& schrift) override;
};
