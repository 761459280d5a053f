#include "PlanHilfe.h"
#include "planning/TauschFrageUnit.h"
#include "planning/UmsetzenUnit.h"

class TauschTest : public PlanTest {};

TEST_F(TauschTest, AlleStundenWandernMitIhrenRaeumenUndDieZielsperrungenFallen) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 2);
  TKurs* b = Kurs(l2, fM, {k5b}, {r2}, nullptr, 2);
  TKurs* c = Kurs(l3, fE, {k5b}, {r3}, nullptr, 2);
  a->NeueSetzung(1, 1, 1, r1)->fFixiert = true;
  b->NeueSetzung(1, 2, 3, r2);
  c->NeueSetzung(1, 4, 4, r3);  // bleibt, wo sie ist
  l1->fSperrung.SetWocheTagStd(1, 2, 3, true);
  k5b->fSperrung.SetWocheTagStd(1, 1, 1, true);
  r2->fSperrung.SetWocheTagStd(1, 1, 1, true);
  EXPECT_TRUE(s.TauschBehinderung(1, 1, 2, 3));
  s.SetDirty(false);
  s.TauscheAlleStunden(1, 1, 2, 3);
  ASSERT_NE(a->SetzungFinden(1, 2, 3), nullptr);
  EXPECT_EQ(a->SetzungFinden(1, 2, 3)->fRaum, r1);
  EXPECT_FALSE(a->SetzungFinden(1, 2, 3)->fFixiert);
  ASSERT_NE(b->SetzungFinden(1, 1, 1), nullptr);
  EXPECT_EQ(b->SetzungFinden(1, 1, 1)->fRaum, r2);
  EXPECT_EQ(a->fSetzungen.ListeZahlElemente(), 1);
  EXPECT_EQ(b->fSetzungen.ListeZahlElemente(), 1);
  EXPECT_NE(c->SetzungFinden(1, 4, 4), nullptr);
  EXPECT_FALSE(l1->fSperrung.GetWocheTagStd(1, 2, 3));
  EXPECT_FALSE(k5b->fSperrung.GetWocheTagStd(1, 1, 1));
  EXPECT_FALSE(r2->fSperrung.GetWocheTagStd(1, 1, 1));
  EXPECT_TRUE(s.fDirty);
  EXPECT_EQ(u.dialog.fBeschaeftigt, 0);
  EXPECT_TRUE(BelegungenStimmen(s));
}

TEST_F(TauschTest, DerselbeLehrerUndRaumInBeidenZellenBleibenBelegt) {
  // Zwei Kurse desselben Lehrers im selben Raum, einer in jeder Zelle: Kurs für Kurs getauscht
  // löschte das Entfernen des zweiten die eben gesetzte Belegung des ersten.
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 2);
  TKurs* b = Kurs(l1, fM, {k5b}, {r1}, nullptr, 2);
  a->NeueSetzung(1, 1, 1, r1);
  b->NeueSetzung(1, 1, 2, r1);
  EXPECT_FALSE(s.TauschBehinderung(1, 1, 1, 2));
  s.TauscheAlleStunden(1, 1, 1, 2);
  EXPECT_NE(a->SetzungFinden(1, 1, 2), nullptr);
  EXPECT_NE(b->SetzungFinden(1, 1, 1), nullptr);
  EXPECT_TRUE(l1->fBesetzung.GetWocheTagStd(1, 1, 1));
  EXPECT_TRUE(l1->fBesetzung.GetWocheTagStd(1, 1, 2));
  EXPECT_TRUE(r1->fBesetzung.GetWocheTagStd(1, 1, 1));
  EXPECT_TRUE(r1->fBesetzung.GetWocheTagStd(1, 1, 2));
  EXPECT_TRUE(BelegungenStimmen(s));
}

TEST_F(TauschTest, EinKursInBeidenZellenUndMehrereWochen) {
  ZweiWochen();
  TKurs* a = Kurs(l1, fD, {k5a}, {r1, r2}, g, 3);
  TKurs* b = Kurs(l2, fE, {k5a}, {r3}, g, 3);
  a->NeueSetzung(1, 1, 1, r1);
  a->NeueSetzung(1, 3, 3, r2);
  b->NeueSetzung(1, 1, 1, r3);
  a->NeueSetzung(2, 3, 3, nullptr);
  s.TauscheAlleStunden(1, 1, 3, 3);
  EXPECT_EQ(a->SetzungFinden(1, 3, 3)->fRaum, r1);
  EXPECT_EQ(a->SetzungFinden(1, 1, 1)->fRaum, r2);
  EXPECT_EQ(b->SetzungFinden(1, 3, 3)->fRaum, r3);
  EXPECT_NE(a->SetzungFinden(2, 1, 1), nullptr);
  EXPECT_EQ(a->SetzungFinden(2, 3, 3), nullptr);
  EXPECT_EQ(a->VerplanteStunden(0), 3);
  EXPECT_TRUE(BelegungenStimmen(s));
  // Im Ein-Wochen-Modus nur die aktuelle Woche.
  st.fEineWoche = true;
  st.fAktuelleWoche = 2;
  s.TauscheAlleStunden(1, 1, 3, 3);
  EXPECT_NE(a->SetzungFinden(2, 3, 3), nullptr);
  EXPECT_NE(a->SetzungFinden(1, 1, 1), nullptr);
  EXPECT_TRUE(BelegungenStimmen(s));
}

TEST_F(TauschTest, BehinderungUndIhreZeilen) {
  ZweiWochen();
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 2);
  TKurs* b = Kurs(l2, fM, {k5b}, {r2}, nullptr, 2);
  a->NeueSetzung(2, 1, 1, r1);
  b->NeueSetzung(1, 2, 2, r2);
  EXPECT_FALSE(s.TauschBehinderung(1, 1, 2, 2));
  EXPECT_TRUE(s.TauschKonflikte(1, 1, 2, 2).empty());
  r1->fSperrung.SetWocheTagStd(2, 2, 2, true);  // a landete in Woche 2 auf einer Raumsperre
  EXPECT_TRUE(s.TauschBehinderung(1, 1, 2, 2));
  EXPECT_TRUE(s.TauschBehinderung(2, 2, 1, 1));  // in beiden Richtungen
  b->SetzungFinden(1, 2, 2)->fFixiert = true;
  EXPECT_EQ(s.TauschKonflikte(1, 1, 2, 2),
            (std::vector<std::string>{"gesperrt {2} MUE D 5a R1", "fixiert {1} SCH M 5b R2"}));
  // Im Ein-Wochen-Modus zählt nur die aktuelle Woche.
  st.fEineWoche = true;
  st.fAktuelleWoche = 2;
  b->SetzungFinden(1, 2, 2)->fFixiert = false;
  EXPECT_TRUE(s.TauschBehinderung(1, 1, 2, 2));
  r1->fSperrung.SetWocheTagStd(2, 2, 2, false);
  EXPECT_FALSE(s.TauschBehinderung(1, 1, 2, 2));
  a->fSperrung.SetWocheTagStd(2, 2, 2, true);  // die eigene Sperre des Kurses
  EXPECT_TRUE(s.TauschBehinderung(1, 1, 2, 2));
}

TEST_F(TauschTest, KannEineStundeNichtWiederGesetztWerdenBleibtAllesWieEsWar) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 2);
  TKurs* b = Kurs(l2, fM, {k5b}, {r2}, nullptr, 2);
  a->NeueSetzung(1, 1, 1, r1);
  b->NeueSetzung(1, 2, 3, r2);
  b->fNichtVerplanen = true;
  l1->fSperrung.SetWocheTagStd(1, 2, 3, true);
  s.SetDirty(false);
  EXPECT_FALSE(TauschMoeglich(s, 1, 1, 2, 3));
  s.TauscheAlleStunden(1, 1, 2, 3);
  EXPECT_NE(a->SetzungFinden(1, 1, 1), nullptr);
  EXPECT_NE(b->SetzungFinden(1, 2, 3), nullptr);
  EXPECT_TRUE(l1->fSperrung.GetWocheTagStd(1, 2, 3));
  EXPECT_FALSE(s.fDirty);
  EXPECT_TRUE(BelegungenStimmen(s));
  // Über die Frage: eine Meldung statt eines halben Tauschs.
  u.dialog.Antworte("Ok");
  u.dialog.Antworte("Ja");
  EXPECT_FALSE(StundenTauschen(1, 1, 2, 3));
  EXPECT_EQ(u.dialog.fProtokoll.back().Titel, "Stundentausch");
  EXPECT_FALSE(u.dialog.fProtokoll.back().IstFrage);
}
