// Die Umgebung eines Dauerlaufs: Dienste ohne Fenster (Fragen beantwortet der Zufall des
// Schritts), feste Uhr, frische Einstellungen, die Beispielschule, ein "alle Kurse"-Fenster für
// die Zwischenablage und das offene Manuellfenster, wenn eines offen ist.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "AblaufUnit.h"
#include "AblaufZufall.h"
#include "app/KonsoleUnit.h"
#include "model/DienstUnit.h"

class TSchule;
class TStandard;
class TKurs;
class TManuellPlanung;

struct TSchrittWirkung {
  bool Ausgefuehrt = false;
  unsigned Erlaubt = 0;  // Verstoss::, die der Schritt neu entstehen lassen darf
};

class TAblaufDialog : public TDialogDienst {
 public:
  // Jede Frage bekommt einen zufälligen Knopf (ohne Zufall den Standardknopf).
  int Frage(const TFrage& frage) override;
  void Meldung(const std::string&, const std::vector<std::string>&, TMeldungsArt) override {}
  void Piep() override {}
  void BeschaeftigtAn() override { ++fBeschaeftigt; }
  void BeschaeftigtAus() override { --fBeschaeftigt; }
  void MeldungsFensterZeigen(const std::string&) override { ++fMeldungsFenster; }
  void MeldungsFensterSchliessen() override { fMeldungsFenster = 0; }
  void EingabenVerarbeiten() override {
    if (fBeiEingaben) fBeiEingaben();
  }
  using TDialogDienst::Frage;
  // Was der Benutzer tut, während eine lange Operation die Eingaben verarbeiten lässt.
  std::function<void()> fBeiEingaben;
  TZufall* fZufall = nullptr;
  int fBeschaeftigt = 0;
  int fMeldungsFenster = 0;
};

class TAblaufUhr : public TUhr {
 public:
  TDateTime Jetzt() override { return 46365.5; }  // 9.12.2026, 12:00
};

// Das Fenster "alle Kurse" mit seiner Auswahl; gelöschte Kurse fallen heraus.
class TAblaufFenster : public TFenster {
 public:
  int FensterArt() const override;
  std::string Titel() const override { return "alle Kurse"; }
  void FensterUpdate() override {}
  void FensterRefresh() override {}
  void Schliessen() override {}
  std::vector<TKurs*> AusgewaehlteKurse() const override { return fAuswahl; }
  void KursGeloescht(TKurs* kurs) override { std::erase(fAuswahl, kurs); }
  std::vector<TKurs*> fAuswahl;
};

class TAblaufSchule {
 public:
  explicit TAblaufSchule(TSchulArt art);
  ~TAblaufSchule();
  TAblaufSchule(const TAblaufSchule&) = delete;
  TAblaufSchule& operator=(const TAblaufSchule&) = delete;

  TSchule& Schule() { return *fSchule; }
  TSchrittWirkung Ausfuehren(const TSchritt& schritt);
  // Was eine Operation selbst als verletzt erkannt hat ("Regel: Text"), sonst leer.
  const std::string& Verletzung() const { return fVerletzung; }

 private:
  TSchrittWirkung Manuell(TAblaufArt art, TZufall& z);
  TSchrittWirkung Planung(TAblaufArt art, TZufall& z);
  TSchrittWirkung Stammdaten(TAblaufArt art, TZufall& z);
  TSchrittWirkung Vertretung(TAblaufArt art, TZufall& z);
  TSchrittWirkung SichernOeffnen();
  void ManuellOeffnen(TZufall& z);
  void SchuleErsetzen(std::unique_ptr<TSchule> neu);

  TAblaufDialog fDialog;
  TSpeicherImSpeicher fSpeicher;
  TAblageImSpeicher fAblage;
  TFesteMetrik fMetrik;
  TAblaufUhr fUhr;
  TDienste fAlteDienste;
  std::unique_ptr<TStandard> fStandard;
  TStandard* fAlterStandard = nullptr;
  std::unique_ptr<TSchule> fSchule;
  TSchule* fAlteSchule = nullptr;
  TAblaufFenster fFenster;
  std::unique_ptr<TManuellPlanung> fManuell;
  std::string fVerletzung;
};
