// Attrappen der Dienste und die Testumgebung, die für einen Testfall frische Einstellungen,
// eine frische Schule und die Attrappen einsetzt und danach alles wiederherstellt.
#pragma once

#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "model/DienstUnit.h"

class TStandard;
class TSchule;

// Zeichnet jede Frage und Meldung auf und beantwortet Fragen aus einer Warteschlange.
// Eine Frage ohne vorbereitete Antwort lässt den Test scheitern.
class TFakeDialog : public TDialogDienst {
 public:
  struct Eintrag {
    std::string Titel;
    std::vector<std::string> Zeilen;
    TMeldungsArt Art;
    std::vector<std::string> Knoepfe;  // leer bei Meldungen
    bool IstFrage;
    int Antwort;               // Index des Knopfes, -1 bei Meldungen
    std::string Text() const;  // Zeilen mit Zeilenumbruch verbunden
  };

  // Die nächste Frage wird mit dem Knopf dieser Beschriftung beantwortet.
  void Antworte(const std::string& knopf) { fAntworten.push_back(knopf); }
  int Frage(const TFrage& frage) override;
  void Meldung(const std::string& titel, const std::vector<std::string>& zeilen,
               TMeldungsArt art) override;
  void Piep() override { ++fPiepser; }
  void BeschaeftigtAn() override { ++fBeschaeftigt; }
  void BeschaeftigtAus() override { --fBeschaeftigt; }
  void MeldungsFensterZeigen(const std::string& text) override { fMeldungsFenster.push_back(text); }
  void MeldungsFensterSchliessen() override { ++fMeldungsFensterZu; }
  void EingabenVerarbeiten() override { ++fEingaben; }
  using TDialogDienst::Frage;

  std::vector<Eintrag> fProtokoll;
  std::deque<std::string> fAntworten;
  int fPiepser = 0;
  int fBeschaeftigt = 0;
  int fEingaben = 0;
  int fMeldungsFensterZu = 0;
  std::vector<std::string> fMeldungsFenster;
};

class TFakeSpeicher : public TEinstellungsSpeicher {
 public:
  std::optional<std::string> Lesen(const std::string& schluessel, const std::string& name) override;
  void Schreiben(const std::string& schluessel, const std::string& name,
                 const std::string& wert) override;
  bool Sichern() override {
    ++fGesichert;
    return true;
  }
  std::map<std::pair<std::string, std::string>, std::string> fWerte;
  int fGesichert = 0;
};

class TFakeAblage : public TZwischenablage {
 public:
  std::string Text() override { return fText; }
  void SetzeText(const std::string& text) override { fText = text; }
  std::string fText;
};

// Feste Breiten: jedes Byte des Textes ist Groesse/2 breit (fett: Groesse/2 + 1).
class TFakeMetrik : public TTextMetrik {
 public:
  double TextBreite(const TSchrift& schrift, const std::string& text) override;
  double TextHoehe(const TSchrift& schrift) override { return schrift.Groesse + 4.0; }
};

class TFakeUhr : public TUhr {
 public:
  TDateTime Jetzt() override { return fJetzt; }
  TDateTime fJetzt = 46365.5;  // 9.12.2026, 12:00
};

class TFakeFensterDienst : public TFensterDienst {
 public:
  void SichernFreigeben(bool frei) override {
    fSichernFrei = frei;
    ++fSichernAufrufe;
  }
  void TitelSetzen(const std::string& titel) override { fTitel.push_back(titel); }
  void NeuesKursFenster(TKurs* kurs, TElement* vater) override {
    fKursFenster.push_back({kurs, vater});
  }
  void PlanFensterZeigen(TPlanElement* element) override { fPlanFenster.push_back(element); }
  void HintergrundNachHinten() override { fStapel.push_back("Hintergrund"); }
  void FensterNachVorne(TFenster* fenster) override { fStapel.push_back(fenster->Titel()); }
  void PaletteNachVorne() override { fStapel.push_back("Palette"); }
  void UndoBefehleFreigeben(bool frei) override { fUndoBefehle.push_back(frei); }
  void FensterAnmelden(TFenster* fenster) override { fMenue.push_back(fenster); }
  void FensterAbmelden(TFenster* fenster) override { std::erase(fMenue, fenster); }
  bool fSichernFrei = false;
  std::vector<TFenster*> fMenue;   // das Fenstermenü: angemeldete Fenster in Folge
  std::vector<bool> fUndoBefehle;  // "Widerrufen"/"Löschen" wählbar, in Folge der Aufrufe
  int fSichernAufrufe = 0;
  std::vector<std::pair<TKurs*, TElement*>> fKursFenster;  // geöffnete Kursfenster
  std::vector<TPlanElement*> fPlanFenster;                 // gezeigte Planfenster
  std::vector<std::string> fStapel;                        // Stapelbefehle in Folge
  std::vector<std::string> fTitel;                         // gesetzte Titelzeilen in Folge
};

// Ein Fenster, das nur mitzählt.
class TFakeFenster : public TFenster {
 public:
  explicit TFakeFenster(int art, std::string titel = "") : fArt(art), fTitel(std::move(titel)) {}
  int FensterArt() const override { return fArt; }
  std::string Titel() const override { return fTitel; }
  void FensterUpdate() override { ++fUpdates; }
  void FensterRefresh() override { ++fRefreshs; }
  void Schliessen() override { ++fGeschlossen; }
  TFensterLage Lage() const override { return fLage; }
  int fArt;
  TFensterLage fLage;
  std::string fTitel;
  int fUpdates = 0;
  int fRefreshs = 0;
  int fGeschlossen = 0;
};

// Für die Dauer eines Testfalls: frische Einstellungen, frische Schule, Attrappen.
class TTestUmgebung {
 public:
  TTestUmgebung();
  ~TTestUmgebung();
  TTestUmgebung(const TTestUmgebung&) = delete;
  TTestUmgebung& operator=(const TTestUmgebung&) = delete;

  // Ersetzt die Schule durch eine neue (z. B. nach geänderten Einstellungen).
  void NeueSchule();

  TFakeDialog dialog;
  TFakeSpeicher speicher;
  TFakeAblage ablage;
  TFakeMetrik metrik;
  TFakeUhr uhr;
  TFakeFensterDienst fenster;

 private:
  // Setzt die Attrappen ein, bevor Einstellungen und Schule entstehen.
  struct TEinsetzer {
    explicit TEinsetzer(const TDienste& d) : fAlt(DiensteEinsetzen(d)) {}
    ~TEinsetzer() { DiensteEinsetzen(fAlt); }
    TDienste fAlt;
  };
  TEinsetzer fEinsetzer;
  std::unique_ptr<TStandard> fStandard;
  std::unique_ptr<TSchule> fSchule;
  TStandard* fAlterStandard;
  TSchule* fAlteSchule;

 public:
  TStandard& standard;
  TSchule& schule();
};
