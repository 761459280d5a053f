// Welches Fenster die Wahl eines Elements öffnet, das Umschalten der Fensterart und das Blättern.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "TestUmgebung.h"
#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"
#include "ui/ElementFensterUnit.h"
#include "ui/QuonAuswahlUnit.h"

namespace {

// Ein Daten-, Deputats- oder Planfenster eines Elements, wie die echten sich an den Plätzen der
// Elemente und in der Fensterliste der Schule an- und abmelden.
class TElementFenster : public TFakeFenster {
 public:
  TElementFenster(int art, TElement* e) : TFakeFenster(art), fElement(e) { Anmelden(); }
  ~TElementFenster() override { Abmelden(); }
  std::string Titel() const override { return fElement ? U8(fElement->fKuerzel.str()) : ""; }
  void Schliessen() override {
    ++fGeschlossen;
    Abmelden();
  }
  void ElementZeigen(TElement* e) override {
    Abmelden();
    fElement = e;
    ++fGewechselt;
    Anmelden();
  }
  TFenster*& Platz(TElement* e) {
    switch (*FensterWahlVon(fArt)) {
      case TFensterArt::GFenster:
        return e->fGrDatFenster;
      case TFensterArt::DFenster:
        return e->fDepFenster;
      default:
        return dynamic_cast<TPlanElement*>(e)->fPlnFenster;
    }
  }
  void Anmelden() {
    Platz(fElement) = this;
    Schule().FensterAnmelden(this);
    fOffen = true;
  }
  void Abmelden() {
    if (!fOffen) return;
    fOffen = false;
    if (Platz(fElement) == this) Platz(fElement) = nullptr;
    Schule().FensterAbmelden(this);
  }
  TElement* fElement;
  bool fOffen = false;
  int fGewechselt = 0;
};

// Der Fensterdienst legt neue Elementfenster an und merkt sich die Stapelbefehle.
class TDienst : public TFakeFensterDienst {
 public:
  void ElementFensterNeu(TElement* e, int art) override {
    fNeu.push_back(std::make_unique<TElementFenster>(art, e));
    Schule().SetAktivesFenster(fNeu.back().get());
  }
  std::vector<std::unique_ptr<TElementFenster>> fNeu;
};

class ElementFenster : public ::testing::Test {
 protected:
  ElementFenster() {
    TDienste d = EingesetzteDienste();
    d.Fenster = &dienst;
    alt = DiensteEinsetzen(d);
    for (const char* k : {"AB", "CD", "EF"}) lehrer.push_back(s.HoleLehrer(k));
    s.SetDirty(false);
  }
  ~ElementFenster() override {
    dienst.fNeu.clear();
    DiensteEinsetzen(alt);
  }
  // Ein offenes Fenster der Art für das Element, als aktives Fenster.
  TElementFenster& Offen(int art, TElement* e) {
    dienst.ElementFensterNeu(e, art);
    return *dienst.fNeu.back();
  }

  TTestUmgebung u;
  TSchule& s = u.schule();
  TDienst dienst;
  TDienste alt;
  std::vector<TLehrer*> lehrer;
};

}  // namespace

TEST_F(ElementFenster, KennzahlenNachWahl) {
  TKlasse* k = s.HoleKlasse("5a");
  TKopplung* ko = s.HoleKopplung("G1");
  TFach* f = s.HoleFach("D");
  TRaum* r = s.HoleRaum("R1");
  TUVTab* uv = s.HoleUVTab("UV");
  using F = TFensterArt;
  EXPECT_EQ(ElementFensterKennung(lehrer[0], F::GFenster), FensterArt::LehrerDaten);
  EXPECT_EQ(ElementFensterKennung(uv, F::GFenster), FensterArt::UVDaten);
  EXPECT_EQ(ElementFensterKennung(lehrer[0], F::DFenster), FensterArt::LehrerDeputat);
  EXPECT_EQ(ElementFensterKennung(r, F::DFenster), FensterArt::RaumDeputat);
  EXPECT_EQ(ElementFensterKennung(uv, F::DFenster), FensterArt::UVTabelle);
  EXPECT_EQ(ElementFensterKennung(lehrer[0], F::PFenster), FensterArt::LehrerPlan);
  EXPECT_EQ(ElementFensterKennung(k, F::PFenster), FensterArt::KlassenPlan);
  EXPECT_EQ(ElementFensterKennung(r, F::PFenster), FensterArt::RaumPlan);
  // Ohne Plan: das Deputatsfenster (für UV-Tabellen ihr UV-Fenster).
  EXPECT_EQ(ElementFensterKennung(ko, F::PFenster), FensterArt::KopplungsDeputat);
  EXPECT_EQ(ElementFensterKennung(f, F::PFenster), FensterArt::FachDeputat);
  EXPECT_EQ(ElementFensterKennung(uv, F::PFenster), FensterArt::UVTabelle);
  EXPECT_EQ(FensterWahlVon(FensterArt::UVTabelle), F::DFenster);
  EXPECT_FALSE(FensterWahlVon(FensterArt::AlleKurse).has_value());
  EXPECT_FALSE(FensterWahlVon(FensterArt::Kurs).has_value());
}

TEST_F(ElementFenster, WahlErsetztDasAktivePlanfensterEinesAnderenLehrers) {
  TElementFenster& plan = Offen(FensterArt::LehrerPlan, lehrer[0]);
  ElementFensterOeffnen(lehrer[1], TFensterArt::PFenster, 0);
  EXPECT_EQ(dienst.fNeu.size(), 1u);
  EXPECT_EQ(plan.fElement, lehrer[1]);
  EXPECT_EQ(lehrer[1]->fPlnFenster, &plan);
  EXPECT_EQ(lehrer[0]->fPlnFenster, nullptr);
  EXPECT_FALSE(s.fDirty);
}

TEST_F(ElementFenster, MitShiftEinZweitesPlanfenster) {
  TElementFenster& plan = Offen(FensterArt::LehrerPlan, lehrer[0]);
  ElementFensterOeffnen(lehrer[1], TFensterArt::PFenster, umShift);
  ASSERT_EQ(dienst.fNeu.size(), 2u);
  EXPECT_EQ(plan.fElement, lehrer[0]);
  EXPECT_EQ(dienst.fNeu[1]->fElement, lehrer[1]);
  EXPECT_EQ(dienst.fNeu[1]->fArt, FensterArt::LehrerPlan);
}

TEST_F(ElementFenster, AndereArtOderKeinFensterOeffnetNeu) {
  ElementFensterOeffnen(lehrer[0], TFensterArt::GFenster, 0);
  ASSERT_EQ(dienst.fNeu.size(), 1u);
  EXPECT_EQ(dienst.fNeu[0]->fArt, FensterArt::LehrerDaten);
  // Aktiv ist nun das Datenfenster; die Wahl "Deputat" öffnet daneben ein Deputatsfenster.
  ElementFensterOeffnen(lehrer[1], TFensterArt::DFenster, 0);
  ASSERT_EQ(dienst.fNeu.size(), 2u);
  EXPECT_EQ(dienst.fNeu[1]->fArt, FensterArt::LehrerDeputat);
  EXPECT_EQ(dienst.fNeu[0]->fElement, lehrer[0]);
}

TEST_F(ElementFenster, VorhandenesFensterKommtNachVorn) {
  TElementFenster& b = Offen(FensterArt::LehrerPlan, lehrer[1]);
  TElementFenster& a = Offen(FensterArt::LehrerPlan, lehrer[0]);  // aktiv
  dienst.fStapel.clear();
  ElementFensterOeffnen(lehrer[1], TFensterArt::PFenster, umShift);
  EXPECT_EQ(dienst.fStapel, std::vector<std::string>{"CD"});
  EXPECT_EQ(a.fGeschlossen, 0);  // mit Shift bleibt das aktive offen
  ElementFensterOeffnen(lehrer[1], TFensterArt::PFenster, 0);
  EXPECT_EQ(a.fGeschlossen, 1);  // ohne Shift geht das aktive Fenster des anderen Lehrers zu
  EXPECT_EQ(b.fGeschlossen, 0);
  EXPECT_EQ(dienst.fNeu.size(), 2u);
}

TEST_F(ElementFenster, FensterartKnopfWechseltDasFensterDesElements) {
  TElementFenster& plan = Offen(FensterArt::LehrerPlan, lehrer[2]);
  FensterArtWaehlen(TFensterArt::GFenster, 0);
  EXPECT_EQ(s.fFensterArt, TFensterArt::GFenster);
  EXPECT_EQ(plan.fGeschlossen, 1);
  ASSERT_EQ(dienst.fNeu.size(), 2u);
  EXPECT_EQ(dienst.fNeu[1]->fArt, FensterArt::LehrerDaten);
  EXPECT_EQ(dienst.fNeu[1]->fElement, lehrer[2]);
  // Mit Shift bleibt das Datenfenster offen, daneben kommt das Deputat.
  FensterArtWaehlen(TFensterArt::DFenster, umShift);
  EXPECT_EQ(dienst.fNeu[1]->fGeschlossen, 0);
  ASSERT_EQ(dienst.fNeu.size(), 3u);
  EXPECT_EQ(dienst.fNeu[2]->fArt, FensterArt::LehrerDeputat);
  // "Deputate" bei aktivem Deputatsfenster: nichts zu wechseln.
  FensterArtWaehlen(TFensterArt::DFenster, 0);
  EXPECT_EQ(dienst.fNeu.size(), 3u);
  EXPECT_FALSE(s.fDirty);
}

TEST_F(ElementFenster, PlaeneGibtEsNurFuerLehrerKlassenRaeume) {
  TFach* f = s.HoleFach("M");
  TElementFenster& daten = Offen(FensterArt::FachDaten, f);
  FensterArtWaehlen(TFensterArt::PFenster, 0);
  EXPECT_EQ(s.fFensterArt, TFensterArt::PFenster);
  EXPECT_EQ(daten.fGeschlossen, 0);
  EXPECT_EQ(dienst.fNeu.size(), 1u);
}

TEST_F(ElementFenster, NaechsterNachDemLetztenLehrerIstDerErste) {
  TElementFenster& plan = Offen(FensterArt::LehrerPlan, lehrer[2]);
  Blaettern(1, 0);
  EXPECT_EQ(plan.fElement, lehrer[0]);
  Blaettern(-1, 0);
  EXPECT_EQ(plan.fElement, lehrer[2]);
  EXPECT_EQ(NachbarElement(lehrer[0], -1, false), lehrer[2]);
  EXPECT_EQ(dienst.fNeu.size(), 1u);
}

TEST_F(ElementFenster, AndereFensterDesElementsGehenMit) {
  TElementFenster& daten = Offen(FensterArt::LehrerDaten, lehrer[0]);
  TElementFenster& dep = Offen(FensterArt::LehrerDeputat, lehrer[0]);
  TElementFenster& plan = Offen(FensterArt::LehrerPlan, lehrer[0]);  // aktiv
  dienst.fStapel.clear();
  Blaettern(1, 0);
  EXPECT_EQ(plan.fElement, lehrer[1]);
  EXPECT_EQ(daten.fElement, lehrer[1]);
  EXPECT_EQ(dep.fElement, lehrer[1]);
  EXPECT_EQ(lehrer[1]->fGrDatFenster, &daten);
  EXPECT_EQ(lehrer[0]->fDepFenster, nullptr);
  // Zuletzt kommt das aktive Fenster nach vorn.
  ASSERT_FALSE(dienst.fStapel.empty());
  EXPECT_EQ(dienst.fStapel.back(), "CD");
}

TEST_F(ElementFenster, MitStrgNurLehrerMitStundenOhneRaum) {
  TKlasse* k = s.HoleKlasse("5a");
  TRaum* r = s.HoleRaum("R1");
  TKurs* mitRaum = TKurs::IKurs(lehrer[1], k, nullptr, nullptr, r, 2);
  mitRaum->NeueSetzung(1, 1, 1, r);
  TKurs* ohneRaum = TKurs::IKurs(lehrer[2], k, nullptr, nullptr, nullptr, 2);
  ohneRaum->NeueSetzung(1, 2, 1, nullptr);
  ASSERT_TRUE(lehrer[2]->RaumFehltImPlan());
  ASSERT_FALSE(lehrer[1]->RaumFehltImPlan());
  s.SetDirty(false);
  TElementFenster& plan = Offen(FensterArt::LehrerPlan, lehrer[0]);
  Blaettern(1, umCtrl);
  EXPECT_EQ(plan.fElement, lehrer[2]);
  // Kein anderer fehlt ein Raum: einmal herum, es bleibt beim Lehrer.
  Blaettern(1, umCtrl);
  EXPECT_EQ(plan.fElement, lehrer[2]);
  EXPECT_FALSE(s.fDirty);
  // Im Datenfenster zählt Strg nicht.
  EXPECT_EQ(NachbarElement(lehrer[0], 1, false), lehrer[1]);
}

TEST_F(ElementFenster, FensterOhneElementBlaetternSelbst) {
  struct TKursFenster : TFakeFenster {
    TKursFenster() : TFakeFenster(FensterArt::Kurs, "Kurs") {}
    void Blaettern(int r, unsigned u) override { fAufrufe.push_back({r, u}); }
    std::vector<std::pair<int, unsigned>> fAufrufe;
  } kurs;
  s.SetAktivesFenster(&kurs);
  Blaettern(-1, umShift);
  ASSERT_EQ(kurs.fAufrufe.size(), 1u);
  EXPECT_EQ(kurs.fAufrufe[0], (std::pair<int, unsigned>{-1, umShift}));
  s.SetAktivesFenster(nullptr);
}
