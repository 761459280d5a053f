#include "PlanHilfe.h"

class SetzbarTest : public PlanTest {};

TEST_F(SetzbarTest, SetzungPossiblePrueftKursLehrerKlassenUndRaum) {
  TKurs* kurs = Kurs(l1, fD, {k5a, k5b}, {r1}, g, 4);
  TKurs* partner = Kurs(l2, fE, {k5a}, {r2}, g, 4);
  TKurs* fremd = Kurs(l3, fM, {k5b}, {r3}, nullptr, 4);
  TKurs* lehrer = Kurs(l1, fM, {}, {}, nullptr, 4);
  EXPECT_TRUE(kurs->SetzungPossible(1, 1, 1, r1));

  kurs->NeueSetzung(1, 1, 1, nullptr);
  EXPECT_FALSE(kurs->SetzungPossible(1, 1, 1, nullptr));  // der Kurs liegt schon dort
  kurs->fSperrung.SetWocheTagStd(1, 1, 2, true);
  EXPECT_FALSE(kurs->SetzungPossible(1, 1, 2, nullptr));
  lehrer->NeueSetzung(1, 1, 3, nullptr);
  EXPECT_FALSE(kurs->SetzungPossible(1, 1, 3, nullptr));
  l1->fSperrung.SetWocheTagStd(1, 1, 4, true);
  EXPECT_FALSE(kurs->SetzungPossible(1, 1, 4, nullptr));
  k5b->fSperrung.SetWocheTagStd(1, 1, 5, true);
  EXPECT_FALSE(kurs->SetzungPossible(1, 1, 5, nullptr));
  partner->NeueSetzung(1, 2, 1, r2);
  EXPECT_TRUE(kurs->SetzungPossible(1, 2, 1, nullptr));  // ein Kurs der eigenen Kopplung
  EXPECT_FALSE(kurs->SetzungPossible(1, 2, 1, r2));      // aber nicht in seinem Raum
  fremd->NeueSetzung(1, 2, 2, r3);
  EXPECT_FALSE(kurs->SetzungPossible(1, 2, 2, nullptr));
  r1->fSperrung.SetWocheTagStd(1, 2, 3, true);
  EXPECT_FALSE(kurs->SetzungPossible(1, 2, 3, r1));
  EXPECT_TRUE(kurs->SetzungPossible(1, 2, 3, nullptr));
  // Partner und fremder Kurs in derselben Klassenzelle: der fremde zählt.
  partner->NeueSetzung(1, 3, 1, nullptr);
  Kurs(l3, fE, {k5a}, {}, nullptr, 2)->NeueSetzung(1, 3, 1, nullptr);
  EXPECT_FALSE(kurs->SetzungPossible(1, 3, 1, nullptr));
  EXPECT_FALSE(kurs->SetzungPossible(1, 0, 1, nullptr));
  EXPECT_FALSE(kurs->SetzungPossible(1, 1, 17, nullptr));
  EXPECT_FALSE(kurs->SetzungPossible(2, 5, 5, nullptr));  // es gibt nur eine Planversion
}

TEST_F(SetzbarTest, ZweiWochenEineAndereKlasseIstNurInWocheZweiBelegt) {
  ZweiWochen();
  TKurs* kurs = Kurs(l1, fD, {k5a, k5b}, {}, g, 2);
  TKurs* fremd = Kurs(l2, fM, {k5b}, {}, nullptr, 2);
  fremd->NeueSetzung(2, 4, 4, nullptr);
  EXPECT_TRUE(kurs->SetzungPossible(1, 4, 4, nullptr));
  EXPECT_FALSE(kurs->SetzungPossible(2, 4, 4, nullptr));
  EXPECT_FALSE(kurs->SetzungPossible(-1, 4, 4, nullptr));
  EXPECT_FALSE(kurs->SetzungPossible(0, 4, 4, nullptr));
  st.fEineWoche = true;
  st.fAktuelleWoche = 1;
  EXPECT_TRUE(kurs->SetzungPossible(-1, 4, 4, nullptr));
}

TEST_F(SetzbarTest, IstSetzbarEinVollerGekoppelterKursHindertNicht) {
  TKurs* kurs = Kurs(l1, fD, {k5a}, {}, g, 1);
  TKurs* lehrer = Kurs(l1, fM, {}, {}, nullptr, 2);
  TKurs* partner = Kurs(l2, fE, {k5a}, {}, g, 2);
  lehrer->NeueSetzung(1, 2, 2, nullptr);
  EXPECT_FALSE(kurs->IstSetzbar(1, 2, 2, g));  // offene Stunde, Lehrer besetzt
  kurs->NeueSetzung(1, 5, 5, nullptr);
  EXPECT_TRUE(kurs->IstSetzbar(1, 2, 2, g));  // alle Stunden gesetzt
  partner->NeueSetzung(1, 3, 3, nullptr);
  kurs->LoescheSetzung(1, 5, 5, false);
  EXPECT_TRUE(kurs->IstSetzbar(1, 3, 3, g));  // die Klasse hat nur die Kopplung dort
  EXPECT_FALSE(kurs->IstSetzbar(1, 3, 3, nullptr));
  kurs->fNichtVerplanen = true;
  EXPECT_TRUE(kurs->IstSetzbar(1, 2, 2, g));
}

TEST_F(SetzbarTest, RechtsWahlBerechnetDieMoeglichenZellenUndLaesstSieMarkieren) {
  st.fMaxTageNeu = 5;
  TKurs* kurs = Kurs(l1, fD, {k5a}, {r1}, g, 2);
  Kurs(l2, fE, {k5b}, {}, g, 2);  // gekoppelt, mit offenen Stunden
  TKurs* voll = Kurs(l3, fM, {k5b}, {}, g, 1);
  TKurs* fremd = Kurs(l2, fM, {}, {}, nullptr, 2);
  fremd->NeueSetzung(1, 2, 2, nullptr);         // der Lehrer des offenen Kurses
  voll->NeueSetzung(1, 4, 4, nullptr);          // voll verplant: hindert nicht
  l3->fSperrung.SetWocheTagStd(1, 3, 3, true);  // Sperre von "voll": zählt nicht
  r1->fSperrung.SetWocheTagStd(1, 1, 1, true);
  TZellenFenster plan(FensterArt::KlassenPlan);
  kurs->RechtsWahl(r1, &plan);
  EXPECT_EQ(plan.fMarkiert, std::vector<TKurs*>{kurs});
  const TWochBereich& u1 = kurs->fSetzungUnmoeglich;
  EXPECT_TRUE(u1.GetWocheTagStd(1, 1, 1));  // Raum gesperrt
  EXPECT_TRUE(u1.GetWocheTagStd(1, 2, 2));  // gekoppelter Kurs mit offenen Stunden
  EXPECT_FALSE(u1.GetWocheTagStd(1, 3, 3));
  EXPECT_FALSE(u1.GetWocheTagStd(1, 4, 4));  // 5b hat dort nur die eigene Kopplung
  EXPECT_FALSE(u1.GetWocheTagStd(1, 5, 16));
  EXPECT_FALSE(u1.GetWocheTagStd(1, 6, 1));  // hinter fMaxTageNeu nicht gerechnet
  // Ohne Raum ist die Raumsperre kein Hindernis.
  kurs->RechtsUebWahl(nullptr, &plan);
  EXPECT_FALSE(kurs->fSetzungUnmoeglich.GetWocheTagStd(1, 1, 1));
  EXPECT_EQ(plan.fMarkiert.size(), 2u);
}
