// Die Dienste der Logik, umgesetzt mit Qt.
#pragma once

#include <QLabel>
#include <QPointer>
#include <QString>
#include <memory>

#include "model/DienstUnit.h"
#include "persistence/QtEinstellungsSpeicherUnit.h"

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
