// Die Fensterverwaltung: Sätze nach Identität, aktives Fenster, Umschalttasten, Hörer und die
// Aufträge an das Hauptfenster; mit der Schule als Absender.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestUmgebung.h"
#include "model/FensterArtUnit.h"
#include "model/SchulUnit.h"
#include "ui/FensterVerwaltungUnit.h"
#include "ui/QuonAuswahlUnit.h"

namespace {

// Ein Hörer, der jede Meldung als Zeile aufschreibt.
class TProtokollHoerer : public TFensterHoerer {
 public:
  void FensterAngemeldet(TFenster* f) override { fZeilen.push_back("an " + f->Titel()); }
  void FensterAbgemeldet(TFenster* f) override { fZeilen.push_back("ab " + f->Titel()); }
  void AktivesFensterGewechselt(TFenster* f) override {
    fZeilen.push_back("aktiv " + (f ? f->Titel() : std::string("-")));
  }
  void UmschaltGeaendert(unsigned u) override {
    fZeilen.push_back("umschalt " + std::to_string(u));
  }
  void ZustandGeaendert() override { fZeilen.push_back("zustand"); }
  std::vector<std::string> fZeilen;
};

// Ein Hauptfenster, das die Aufträge aufschreibt.
class TProtokollHaupt : public THauptfenster {
 public:
  void SichernFreigeben(bool frei) override { Z("sichern", frei); }
  void TitelSetzen(const std::string& titel) override { fZeilen.push_back("titel " + titel); }
  void UndoBefehleFreigeben(bool frei) override { Z("undo", frei); }
  void ProtokollBefehle(bool an) override { Z("protokoll", an); }
  void NeuesKursFenster(TKurs*, TElement*) override { fZeilen.push_back("kurs"); }
  void PlanFensterZeigen(TPlanElement*) override { fZeilen.push_back("plan"); }
  void ElementFensterNeu(TElement*, int art) override {
    fZeilen.push_back("element " + std::to_string(art));
  }
  void ManuellFensterOeffnen(const std::vector<TKurs*>& kurse, bool ohne) override {
    fZeilen.push_back("manuell " + std::to_string(kurse.size()) + (ohne ? " ohne" : ""));
  }
  void HintergrundNachHinten() override { fZeilen.push_back("hintergrund"); }
  void FensterNachVorne(TFenster* f) override { fZeilen.push_back("vorne " + f->Titel()); }
  void PaletteNachVorne() override { fZeilen.push_back("palette"); }
  std::optional<TFensterDienst::TElementWahl> ElementWaehlen(TKuerzelArt, bool mitOhne, int x,
                                                             int y) override {
    fZeilen.push_back("wahl " + std::to_string(x) + "," + std::to_string(y) +
                      (mitOhne ? " ohne" : ""));
    return TFensterDienst::TElementWahl{true, nullptr};
  }
  void VorigerNaechster(int richtung) override {
    fZeilen.push_back("blaettern " + std::to_string(richtung));
  }
  void AktivesFensterGewechselt(TFenster* f) override {
    fZeilen.push_back("aktiv " + (f ? f->Titel() : std::string("-")));
  }
  void Z(const char* was, bool an) { fZeilen.push_back(std::string(was) + (an ? " an" : " aus")); }
  std::vector<std::string> fZeilen;
};

// Die Verwaltung als eingesetzter Fensterdienst, solange der Test läuft.
class FensterVerwaltungTest : public ::testing::Test {
 protected:
  FensterVerwaltungTest() {
    TDienste d = EingesetzteDienste();
    d.Fenster = &verwaltung;
    fVorher = DiensteEinsetzen(d);
  }
  ~FensterVerwaltungTest() override { DiensteEinsetzen(fVorher); }

  // Die Invariante nach jeder Operation: die Sätze sind genau die Fensterliste der Schule, in
  // derselben Folge, und das aktive Fenster ist angemeldet oder nichts.
  void PruefeInvariante() {
    EXPECT_EQ(verwaltung.Fenster(), u.schule().fFensterListe);
    if (TFenster* a = verwaltung.AktivesFenster()) {
      EXPECT_TRUE(verwaltung.Angemeldet(a));
    }
  }

  TTestUmgebung u;
  TFensterVerwaltung verwaltung;
  TDienste fVorher;
};

}  // namespace

TEST_F(FensterVerwaltungTest, SaetzeNachIdentitaetUndInFolge) {
  TFakeFenster a(FensterArt::LehrerPlan, "MUE");
  TFakeFenster b(FensterArt::LehrerPlan, "MUE");  // dieselbe Überschrift, ein anderes Fenster
  TFakeFenster c(FensterArt::KlassenPlan, "5a");
  TProtokollHoerer hoerer;
  verwaltung.HoererAnmelden(&hoerer);
  verwaltung.HoererAnmelden(&hoerer);  // zweimal angemeldet: hört einmal
  TSchule& schule = u.schule();
  for (TFakeFenster* f : {&a, &b, &c, &a}) {
    schule.FensterAnmelden(f);
    PruefeInvariante();
  }
  EXPECT_EQ(verwaltung.Fenster(), (std::vector<TFenster*>{&a, &b, &c}));
  EXPECT_EQ(hoerer.fZeilen, (std::vector<std::string>{"an MUE", "an MUE", "an 5a"}));

  schule.FensterAktivieren(&b);
  PruefeInvariante();
  EXPECT_EQ(verwaltung.AktivesFenster(), &b);
  schule.FensterAbmelden(&a);  // nicht das aktive: b bleibt aktiv
  PruefeInvariante();
  EXPECT_EQ(verwaltung.AktivesFenster(), &b);
  schule.FensterAbmelden(&b);
  PruefeInvariante();
  EXPECT_EQ(verwaltung.AktivesFenster(), nullptr);
  schule.FensterAbmelden(&b);  // schon fort: keine zweite Meldung
  PruefeInvariante();
  EXPECT_EQ(hoerer.fZeilen, (std::vector<std::string>{"an MUE", "an MUE", "an 5a", "aktiv MUE",
                                                      "ab MUE", "ab MUE"}));
  EXPECT_EQ(verwaltung.Fenster(), (std::vector<TFenster*>{&c}));

  schule.AlleFensterSchliessen();
  PruefeInvariante();
  EXPECT_TRUE(verwaltung.Fenster().empty());
  EXPECT_EQ(c.fGeschlossen, 1);
}

TEST_F(FensterVerwaltungTest, UmschalttastenMeldenNurEineAenderung) {
  TProtokollHoerer hoerer;
  verwaltung.HoererAnmelden(&hoerer);
  EXPECT_EQ(verwaltung.Umschalttasten(), 0u);
  verwaltung.UmschalttastenSetzen(umShift);
  verwaltung.UmschalttastenSetzen(umShift);
  verwaltung.UmschalttastenSetzen(umShift | umCtrl);
  verwaltung.UmschalttastenSetzen(0);
  EXPECT_EQ(verwaltung.Umschalttasten(), 0u);
  EXPECT_EQ(hoerer.fZeilen, (std::vector<std::string>{"umschalt 1", "umschalt 5", "umschalt 0"}));
}

TEST_F(FensterVerwaltungTest, HoererDarfSichBeimMeldenAbmelden) {
  // Der erste Hörer meldet beim ersten Fenster den zweiten ab: der hört dann nichts mehr.
  TProtokollHoerer zweiter;
  struct TAbmelder : TFensterHoerer {
    TFensterVerwaltung* v = nullptr;
    TFensterHoerer* weg = nullptr;
    void FensterAngemeldet(TFenster*) override { v->HoererAbmelden(weg); }
  } erster;
  erster.v = &verwaltung;
  erster.weg = &zweiter;
  verwaltung.HoererAnmelden(&erster);
  verwaltung.HoererAnmelden(&zweiter);
  TFakeFenster f(FensterArt::LehrerPlan, "MUE");
  u.schule().FensterAnmelden(&f);
  EXPECT_TRUE(zweiter.fZeilen.empty());
  verwaltung.ZustandMelden();
  EXPECT_TRUE(zweiter.fZeilen.empty());
  u.schule().FensterAbmelden(&f);
}

TEST_F(FensterVerwaltungTest, AuftraegeGehenAnsHauptfenster) {
  TFakeFenster f(FensterArt::LehrerPlan, "MUE");
  // Ohne Hauptfenster geschieht nichts, und es gibt keine Auswahlliste.
  verwaltung.SichernFreigeben(true);
  EXPECT_EQ(verwaltung.ElementWaehlen(leh, false, 1, 2), std::nullopt);

  TProtokollHaupt haupt;
  verwaltung.HauptfensterSetzen(&haupt);
  EXPECT_EQ(verwaltung.Hauptfenster(), &haupt);
  u.schule().SetDirty(true);
  verwaltung.TitelSetzen("WinTamrel 3.9.16 [Plan.tmr]");
  verwaltung.UndoBefehleFreigeben(false);
  verwaltung.ProtokollBefehle(true);
  verwaltung.NeuesKursFenster(nullptr, nullptr);
  verwaltung.PlanFensterZeigen(nullptr);
  verwaltung.ElementFensterNeu(nullptr, FensterArt::LehrerDaten);
  verwaltung.ManuellFensterOeffnen({}, true);
  verwaltung.HintergrundNachHinten();
  verwaltung.FensterNachVorne(&f);
  verwaltung.PaletteNachVorne();
  const auto wahl = verwaltung.ElementWaehlen(leh, true, 10, 20);
  ASSERT_TRUE(wahl.has_value());
  EXPECT_TRUE(wahl->Gewaehlt);
  verwaltung.VorigerNaechster(-1);
  u.schule().FensterAktivieren(nullptr);  // das Hauptfenster hört auch zu
  EXPECT_EQ(
      haupt.fZeilen,
      (std::vector<std::string>{
          "sichern an", "titel WinTamrel 3.9.16 [Plan.tmr]", "undo aus", "protokoll an", "kurs",
          "plan", "element " + std::to_string(FensterArt::LehrerDaten), "manuell 0 ohne",
          "hintergrund", "vorne MUE", "palette", "wahl 10,20 ohne", "blaettern -1", "aktiv -"}));

  // Abgemeldet: die Aufträge entfallen wieder.
  verwaltung.HauptfensterSetzen(nullptr);
  const size_t vorher = haupt.fZeilen.size();
  verwaltung.PaletteNachVorne();
  u.schule().FensterAktivieren(nullptr);
  EXPECT_EQ(haupt.fZeilen.size(), vorher);
}

TEST_F(FensterVerwaltungTest, EingesetztIstSieDieFensterverwaltung) {
  EXPECT_EQ(Fensterverwaltung(), &verwaltung);
  TDienste d = EingesetzteDienste();
  d.Fenster = &u.fenster;  // ein anderer Dienst: keine Verwaltung
  const TDienste alt = DiensteEinsetzen(d);
  EXPECT_EQ(Fensterverwaltung(), nullptr);
  DiensteEinsetzen(alt);
}
