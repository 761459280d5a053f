// Der Einstellungsspeicher mit Qt Core, für das Programm und für tamrel-cli. Unter Windows die
// Registrierung des Benutzers (HKEY_CURRENT_USER), sonst eine INI-Datei im Konfigurationsordner
// des Benutzers mit einer Gruppe je Schlüssel. Die Umgebungsvariable TAMREL_EINSTELLUNGEN nennt
// stattdessen eine INI-Datei (auch unter Windows); der Konstruktor mit Pfad nimmt immer diese
// INI-Datei. Diese Einheit nutzt nur Qt Core (QSettings), damit auch tamrel-cli dieselben
// Einstellungen lesen kann wie das Programm.
#pragma once

#include <QString>
#include <memory>
#include <string>

#include "model/DienstUnit.h"

class TQtEinstellungsSpeicher : public TEinstellungsSpeicher {
 public:
  TQtEinstellungsSpeicher();
  explicit TQtEinstellungsSpeicher(const QString& pfad);
  ~TQtEinstellungsSpeicher() override;
  std::optional<std::string> Lesen(const std::string& schluessel, const std::string& name) override;
  void Schreiben(const std::string& schluessel, const std::string& name,
                 const std::string& wert) override;
  bool Sichern() override;
  // Die INI-Datei: TAMREL_EINSTELLUNGEN oder tamrel.ini im Konfigurationsordner des Benutzers.
  static QString StandardPfad();

  // Die Einstellungen nur zum Lesen, ohne einen Ordner anzulegen oder etwas zu schreiben: die
  // Datei (UTF-8), oder ohne Datei die des Benutzers wie im Programm (die Registrierung unter
  // Windows). Eine genannte Datei muss es geben und lesbar sein; sonst nichts und eine deutsche
  // Meldung in fehler. Fehlen die Einstellungen des Benutzers, gelten die Vorgaben (leerer
  // Speicher).
  static std::unique_ptr<TEinstellungsSpeicher> ZumLesen(const std::string& datei,
                                                         std::string& fehler);

 private:
  struct Daten;
  TQtEinstellungsSpeicher(std::unique_ptr<Daten> daten);
  std::unique_ptr<Daten> fDaten;
};
