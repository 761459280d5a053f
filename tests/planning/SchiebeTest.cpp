#include "PlanHilfe.h"

class SchiebeTest : public PlanTest {};

TEST_F(SchiebeTest, FixierteStundeWandertMitIhremRaumUndIstDannNichtFixiert) {
  TKurs* kurs = Kurs(l1, fD, {k5a}, {r1, r2}, nullptr, 2);
  kurs->NeueSetzung(1, 1, 1, r2)->fFixiert = true;
  kurs->Schiebe(3, 4, 1, 1, false);
  EXPECT_EQ(kurs->SetzungFinden(1, 1, 1), nullptr);
  TSetzung* neu = kurs->SetzungFinden(1, 3, 4);
  ASSERT_NE(neu, nullptr);
  EXPECT_EQ(neu->fRaum, r2);
  EXPECT_FALSE(neu->fFixiert);
  EXPECT_EQ(kurs->fSetzungen.ListeZahlElemente(), 1);
  EXPECT_TRUE(BelegungenStimmen(s));
}

TEST_F(SchiebeTest, MehrwoechigWirdJedeWocheVerschobenUndEineLeereWocheBekommtEineStunde) {
  ZweiWochen();
  TKurs* kurs = Kurs(l1, fD, {k5a}, {r1}, nullptr, 1);
  kurs->NeueSetzung(1, 1, 1, r1);
  kurs->Schiebe(2, 2, 1, 1, false);
  EXPECT_EQ(kurs->SetzungFinden(1, 2, 2)->fRaum, r1);
  // Woche 2 hatte keine Stunde in der alten Zelle, aber noch eine Stunde offen.
  ASSERT_NE(kurs->SetzungFinden(2, 2, 2), nullptr);
  EXPECT_EQ(kurs->SetzungFinden(2, 2, 2)->fRaum, nullptr);
  EXPECT_EQ(kurs->fSetzungen.ListeZahlElemente(), 2);
  EXPECT_TRUE(BelegungenStimmen(s));
  // Im Ein-Wochen-Modus nur die aktuelle Woche.
  st.fEineWoche = true;
  st.fAktuelleWoche = 2;
  kurs->Schiebe(5, 5, 2, 2, false);
  EXPECT_NE(kurs->SetzungFinden(2, 5, 5), nullptr);
  EXPECT_NE(kurs->SetzungFinden(1, 2, 2), nullptr);
  EXPECT_TRUE(BelegungenStimmen(s));
}

TEST_F(SchiebeTest, LiegtDerKursSchonInDerZielzelleBleibtSeineStundeWoSieIst) {
  ZweiWochen();
  TKurs* kurs = Kurs(l1, fD, {k5a}, {r1}, nullptr, 3);
  kurs->NeueSetzung(1, 1, 1, r1);
  kurs->NeueSetzung(1, 1, 2, r1);
  kurs->NeueSetzung(2, 1, 1, r1);
  kurs->Schiebe(1, 2, 1, 1, false);
  // Woche 1: Ziel schon belegt, nichts geht verloren; Woche 2: verschoben.
  EXPECT_NE(kurs->SetzungFinden(1, 1, 1), nullptr);
  EXPECT_NE(kurs->SetzungFinden(1, 1, 2), nullptr);
  EXPECT_EQ(kurs->SetzungFinden(2, 1, 1), nullptr);
  EXPECT_NE(kurs->SetzungFinden(2, 1, 2), nullptr);
  EXPECT_EQ(kurs->VerplanteStunden(0), 3);
  // Dieselbe Zelle: nichts geschieht, die Fixierung bleibt.
  kurs->SetzungFinden(1, 1, 1)->fFixiert = true;
  kurs->Schiebe(1, 1, 1, 1, false);
  EXPECT_TRUE(kurs->SetzungFinden(1, 1, 1)->fFixiert);
  EXPECT_TRUE(BelegungenStimmen(s));
}

TEST_F(SchiebeTest, MitKopplungWandernAlleGekoppeltenKurseDerZelle) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, g, 2);
  TKurs* b = Kurs(l2, fE, {k5a}, {r2}, g, 2);
  TKurs* c = Kurs(l3, fM, {k5b}, {r3}, g, 2);  // gekoppelt, aber nicht in der Zelle
  a->NeueSetzung(1, 1, 1, r1);
  b->NeueSetzung(1, 1, 1, r2);
  c->NeueSetzung(1, 4, 4, r3);
  a->Schiebe(2, 2, 1, 1, true);
  EXPECT_EQ(a->SetzungFinden(1, 2, 2)->fRaum, r1);
  EXPECT_EQ(b->SetzungFinden(1, 2, 2)->fRaum, r2);
  EXPECT_EQ(c->SetzungFinden(1, 2, 2), nullptr);
  EXPECT_NE(c->SetzungFinden(1, 4, 4), nullptr);
  EXPECT_FALSE(k5a->fBesetzung.GetWocheTagStd(1, 1, 1));
  EXPECT_TRUE(BelegungenStimmen(s));
  // Ohne Kopplung wandert nur der eine Kurs.
  a->Schiebe(3, 3, 2, 2, false);
  EXPECT_NE(b->SetzungFinden(1, 2, 2), nullptr);
  EXPECT_NE(a->SetzungFinden(1, 3, 3), nullptr);
  EXPECT_TRUE(BelegungenStimmen(s));
}

TEST_F(SchiebeTest, EinGekoppelterPartnerInDerZielzelleVerliertKeineStunde) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, g, 2);
  TKurs* b = Kurs(l2, fE, {k5b}, {r2}, g, 2);
  a->NeueSetzung(1, 1, 1, r1);
  b->NeueSetzung(1, 1, 1, r2);
  b->NeueSetzung(1, 2, 2, r2);
  a->Schiebe(2, 2, 1, 1, true);
  EXPECT_NE(a->SetzungFinden(1, 2, 2), nullptr);
  // b lag schon im Ziel: seine Stunde in der alten Zelle bleibt, keine zweite im Ziel.
  EXPECT_NE(b->SetzungFinden(1, 1, 1), nullptr);
  EXPECT_NE(b->SetzungFinden(1, 2, 2), nullptr);
  EXPECT_EQ(b->fSetzungen.ListeZahlElemente(), 2);
  EXPECT_TRUE(BelegungenStimmen(s));
}

TEST_F(SchiebeTest, SchiebeMitRaumGibtDiesemKursDenNeuenRaumDieGekoppeltenBehaltenIhren) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1, r3}, g, 2);
  TKurs* b = Kurs(l2, fE, {k5a}, {r2}, g, 2);
  a->NeueSetzung(1, 1, 1, r1);
  b->NeueSetzung(1, 1, 1, r2);
  a->SchiebeMitRaum(2, 3, 1, 1, true, r3);
  EXPECT_EQ(a->SetzungFinden(1, 2, 3)->fRaum, r3);
  EXPECT_EQ(b->SetzungFinden(1, 2, 3)->fRaum, r2);
  EXPECT_FALSE(r1->fBesetzung.GetWocheTagStd(1, 1, 1));
  EXPECT_TRUE(BelegungenStimmen(s));
  a->SchiebeMitRaum(4, 4, 2, 3, false, nullptr);
  EXPECT_EQ(a->SetzungFinden(1, 4, 4)->fRaum, nullptr);
  EXPECT_NE(b->SetzungFinden(1, 2, 3), nullptr);
  EXPECT_TRUE(BelegungenStimmen(s));
}

TEST_F(SchiebeTest, EineStundeDieNichtWiederGesetztWerdenKannBleibtMitIhrerKopplungStehen) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, g, 2);
  TKurs* b = Kurs(l2, fE, {k5a}, {r2}, g, 2);
  a->NeueSetzung(1, 1, 1, r1);
  b->NeueSetzung(1, 1, 1, r2);
  b->fNichtVerplanen = true;  // NeueSetzung nähme die Stunde nicht wieder an
  a->Schiebe(2, 2, 1, 1, true);
  a->SchiebeMitRaum(2, 2, 1, 1, true, r3);
  b->Schiebe(2, 2, 1, 1, false);
  for (TKurs* k : {a, b}) {
    EXPECT_NE(k->SetzungFinden(1, 1, 1), nullptr);
    EXPECT_EQ(k->SetzungFinden(1, 2, 2), nullptr);
    EXPECT_EQ(k->fSetzungen.ListeZahlElemente(), 1);
  }
  EXPECT_EQ(u.dialog.fPiepser, 3);
  // Mehr Stunden gesetzt, als der Kurs hat: ebenso.
  b->fNichtVerplanen = false;
  a->NeueSetzung(1, 3, 3, r1);
  a->fStunden.SetWochenStunde(0, 1);
  a->Schiebe(2, 2, 1, 1, false);
  EXPECT_NE(a->SetzungFinden(1, 1, 1), nullptr);
  EXPECT_EQ(a->fSetzungen.ListeZahlElemente(), 2);
  EXPECT_TRUE(BelegungenStimmen(s));
}
