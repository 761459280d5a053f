// Was ein Plan zeigt: die Zellen der Kurse eines Elements in einer Woche und seine Sperrungen.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "TestUmgebung.h"
#include "model/SchulUnit.h"
#include "planning/PlanInhaltUnit.h"
#include "settings/StandardUnit.h"

namespace {

class PlanInhaltTest : public ::testing::Test {
 protected:
  PlanInhaltTest() {
    st.fMaxTageNeu = 3;
    st.fPlnStd = 3;
    mue = s.HoleLehrer("MUE");
    sch = s.HoleLehrer("SCH");
    k5a = s.HoleKlasse("5a");
    r1 = s.HoleRaum("R1");
    r2 = s.HoleRaum("R2");
  }
  TKurs* Kurs(TLehrer* l, const char* fach, TKlasse* k, TRaum* r, TKopplung* kop, int std = 3) {
    TKurs* kurs = TKurs::IKurs(l, k, kop, s.HoleFach(fach), r, std);
    kurs->fStunden.SetWochenStunde(0, std);
    return kurs;
  }
  TTestUmgebung u;
  TSchule& s = u.schule();
  TStandard& st = u.standard;
  TLehrer *mue, *sch;
  TKlasse* k5a;
  TRaum *r1, *r2;
};

TEST_F(PlanInhaltTest, FuellenNachKurslisteMitSperrungen) {
  TKurs* d = Kurs(mue, "D", k5a, r1, nullptr);
  TKurs* m = Kurs(sch, "M", k5a, r2, nullptr);
  d->RaumErgaenzen(r2, false);
  d->NeueSetzung(1, 1, 1, r1);
  m->NeueSetzung(1, 1, 1, r2);  // teilt sich die Zelle der Klasse
  d->NeueSetzung(1, 2, 3, r2);
  d->NeueSetzung(1, 3, 4, r1);  // hinter der letzten Planstunde
  k5a->fSperrung.SetWocheTagStd(1, 3, 1, true);
  const TPlanInhalt klasse = PlanFuellen(*k5a);
  EXPECT_EQ(klasse.Art(), kla);
  EXPECT_EQ(klasse.Tage(), 3);
  EXPECT_EQ(klasse.Stunden(), 3);
  EXPECT_EQ(klasse.Kurs(1, 1), m);  // der spätere Kurs der Liste
  EXPECT_EQ(klasse.Kurs(2, 3), d);
  EXPECT_EQ(klasse.Kurs(3, 4), nullptr);
  EXPECT_TRUE(klasse.Gesperrt(3, 1));
  EXPECT_FALSE(klasse.Gesperrt(1, 1));
  const TPlanInhalt raum = PlanFuellen(*r1);
  EXPECT_EQ(raum.Kurs(1, 1), d);
  EXPECT_EQ(raum.Kurs(2, 3), nullptr);  // diese Stunde liegt in R2
  const TPlanInhalt raum2 = PlanFuellen(*r2, 1, 5, 6);
  EXPECT_EQ(raum2.Kurs(2, 3), d);
  EXPECT_EQ(raum2.Kurs(1, 1), m);
  EXPECT_EQ(raum2.Kurs(6, 1), nullptr);
  // Die Zellen eines Kurses: nur die gezeigte Woche, nur bis zur letzten Planstunde, im Raumplan
  // nur die Setzungen in diesem Raum; sie füllen den Plan.
  using Zellen = std::vector<std::pair<int, int>>;
  EXPECT_EQ(KursZellen(*d, *mue, 1, 3, 3), (Zellen{{1, 1}, {2, 3}}));
  EXPECT_EQ(KursZellen(*d, *mue, 1, 3, 4), (Zellen{{1, 1}, {2, 3}, {3, 4}}));
  EXPECT_EQ(KursZellen(*d, *r1, 1, 3, 4), (Zellen{{1, 1}, {3, 4}}));
  EXPECT_EQ(KursZellen(*d, *r2, 1, 3, 4), (Zellen{{2, 3}}));
  EXPECT_TRUE(KursZellen(*d, *mue, 2, 3, 4).empty());
  EXPECT_TRUE(KursZellen(*m, *r1, 1, 3, 3).empty());
}

}  // namespace
