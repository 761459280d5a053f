// Die Dienste für Benchmarks ohne Fenster: keine Fragen (jede Frage nimmt den ersten Knopf),
// feste Uhr, Speicher und Ablage im Speicher. Setzt Einstellungen und eine leere Schule ein.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "model/DienstUnit.h"
#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"

class TBenchDialog : public TDialogDienst {
 public:
  int Frage(const TFrage&) override { return 0; }
  void Meldung(const std::string&, const std::vector<std::string>&, TMeldungsArt) override {}
  void Piep() override {}
  void BeschaeftigtAn() override {}
  void BeschaeftigtAus() override {}
  void MeldungsFensterZeigen(const std::string&) override {}
  void MeldungsFensterSchliessen() override {}
  void EingabenVerarbeiten() override {}
};

class TBenchSpeicher : public TEinstellungsSpeicher {
 public:
  std::optional<std::string> Lesen(const std::string& k, const std::string& n) override {
    auto it = fWerte.find(k + "\\" + n);
    if (it == fWerte.end()) return std::nullopt;
    return it->second;
  }
  void Schreiben(const std::string& k, const std::string& n, const std::string& w) override {
    fWerte[k + "\\" + n] = w;
  }
  bool Sichern() override { return true; }
  std::map<std::string, std::string> fWerte;
};

class TBenchAblage : public TZwischenablage {
 public:
  std::string Text() override { return fText; }
  void SetzeText(const std::string& t) override { fText = t; }
  std::string fText;
};

class TBenchMetrik : public TTextMetrik {
 public:
  double TextBreite(const TSchrift& s, const std::string& t) override {
    return static_cast<double>(t.size()) * s.Groesse / 2.0;
  }
  double TextHoehe(const TSchrift& s) override { return s.Groesse + 4.0; }
};

class TBenchUhr : public TUhr {
 public:
  TDateTime Jetzt() override { return 46365.5; }
};

// Für die Dauer eines Benchmarks: Dienste, Einstellungen und eine leere Schule.
class TBenchUmgebung {
 public:
  TBenchUmgebung() {
    fAlteDienste = DiensteEinsetzen(TDienste{&fDialog, &fSpeicher, &fAblage, &fMetrik, &fUhr});
    fStandard = std::make_unique<TStandard>();
    fAlterStandard = StandardEinsetzen(fStandard.get());
    fSchule = std::make_unique<TSchule>();
    fAlteSchule = SchuleEinsetzen(fSchule.get());
  }
  ~TBenchUmgebung() {
    fSchule.reset();
    SchuleEinsetzen(fAlteSchule);
    StandardEinsetzen(fAlterStandard);
    fStandard.reset();
    DiensteEinsetzen(fAlteDienste);
  }
  TBenchUmgebung(const TBenchUmgebung&) = delete;
  TBenchUmgebung& operator=(const TBenchUmgebung&) = delete;

  TSchule& Schule() { return *fSchule; }
  TStandard& Standard() { return *fStandard; }

 private:
  TBenchDialog fDialog;
  TBenchSpeicher fSpeicher;
  TBenchAblage fAblage;
  TBenchMetrik fMetrik;
  TBenchUhr fUhr;
  TDienste fAlteDienste;
  std::unique_ptr<TStandard> fStandard;
  std::unique_ptr<TSchule> fSchule;
  TStandard* fAlterStandard = nullptr;
  TSchule* fAlteSchule = nullptr;
};
