// Die Umgebung der Fuzz-Ziele, die lesen: Dienste ohne Ausgabe (jede Frage bekommt ihren
// Standardknopf), Einstellungen und Zwischenablage im Speicher, feste Zeichenbreiten, eine feste
// Uhr und frische Einstellungen. Alles ist für die Lebenszeit eingesetzt und danach wie vorher.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/KonsoleUnit.h"
#include "model/DienstUnit.h"
#include "settings/StandardUnit.h"

class TStillerDialog : public TDialogDienst {
 public:
  int Frage(const TFrage& frage) override { return frage.StandardKnopf; }
  void Meldung(const std::string&, const std::vector<std::string>&, TMeldungsArt) override {}
  void Piep() override {}
  void BeschaeftigtAn() override {}
  void BeschaeftigtAus() override {}
  void MeldungsFensterZeigen(const std::string&) override {}
  void MeldungsFensterSchliessen() override {}
  void EingabenVerarbeiten() override {}
  using TDialogDienst::Frage;
};

class TFesteUhr : public TUhr {
 public:
  explicit TFesteUhr(TDateTime jetzt) : fJetzt(jetzt) {}
  TDateTime Jetzt() override { return fJetzt; }

 private:
  TDateTime fJetzt;
};

class TFuzzUmgebung {
 public:
  explicit TFuzzUmgebung(TDateTime jetzt)
      : fUhr(jetzt),
        fAlt(DiensteEinsetzen(TDienste{&fDialog, &fSpeicher, &fAblage, &fMetrik, &fUhr, nullptr})),
        fStandard(std::make_unique<TStandard>()),
        fAlterStandard(StandardEinsetzen(fStandard.get())) {}
  ~TFuzzUmgebung() {
    StandardEinsetzen(fAlterStandard);
    DiensteEinsetzen(fAlt);
  }
  TFuzzUmgebung(const TFuzzUmgebung&) = delete;
  TFuzzUmgebung& operator=(const TFuzzUmgebung&) = delete;

  TStandard& Einstellungen() { return *fStandard; }

 private:
  TStillerDialog fDialog;
  TSpeicherImSpeicher fSpeicher;
  TAblageImSpeicher fAblage;
  TFesteMetrik fMetrik;
  TFesteUhr fUhr;
  TDienste fAlt;
  std::unique_ptr<TStandard> fStandard;
  TStandard* fAlterStandard;
};
