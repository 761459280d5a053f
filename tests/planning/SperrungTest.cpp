#include "PlanHilfe.h"

class SperrungTest : public PlanTest {};

TEST_F(SperrungTest, KopiereSperrungSperrtNurWoDerKursNichtLiegt) {
  ZweiWochen();
  TKurs* kurs = Kurs(l1, fD, {k5a}, {}, nullptr, 2);
  kurs->NeueSetzung(1, 1, 2, nullptr);
  kurs->fSperrung.SetWocheTagStd(1, 7, 16, true);  // wird überschrieben
  TWochBereich vorlage(2);
  vorlage.SetWocheTagStd(0, 1, 0, true);  // montags alles, in beiden Wochen
  s.SetDirty(false);
  kurs->KopiereSperrung(vorlage);
  EXPECT_TRUE(s.fDirty);
  for (int w : {1, 2})
    for (int h = 1; h <= 16; ++h)
      EXPECT_EQ(kurs->fSperrung.GetWocheTagStd(w, 1, h), !(w == 1 && h == 2)) << w << " " << h;
  EXPECT_FALSE(kurs->fSperrung.GetWocheTagStd(1, 7, 16));
  // Im Ein-Wochen-Modus nur die aktuelle Woche.
  st.fEineWoche = true;
  st.fAktuelleWoche = 2;
  kurs->KopiereSperrung(TWochBereich(2));
  EXPECT_FALSE(kurs->fSperrung.GetWocheTagStd(2, 1, 1));
  EXPECT_TRUE(kurs->fSperrung.GetWocheTagStd(1, 1, 1));
}

TEST_F(SperrungTest, IstGesperrtPrueftKursLehrerKlassenUndRaum) {
  TKurs* kurs = Kurs(l1, fD, {k5a, k5b}, {r1}, nullptr, 2);
  EXPECT_FALSE(kurs->IstGesperrt(1, 1, 1, r1));
  r1->fSperrung.SetWocheTagStd(1, 1, 1, true);
  EXPECT_FALSE(kurs->IstGesperrt(1, 1, 1, nullptr));  // der Raum nur, wenn gegeben
  EXPECT_TRUE(kurs->IstGesperrt(1, 1, 1, r1));
  k5b->fSperrung.SetWocheTagStd(1, 1, 2, true);
  EXPECT_TRUE(kurs->IstGesperrt(1, 1, 2, nullptr));
  l1->fSperrung.SetWocheTagStd(1, 1, 3, true);
  EXPECT_TRUE(kurs->IstGesperrt(1, 1, 3, nullptr));
  kurs->fSperrung.SetWocheTagStd(1, 1, 4, true);
  EXPECT_TRUE(kurs->IstGesperrt(1, 1, 4, nullptr));
  EXPECT_FALSE(kurs->IstGesperrt(1, 1, 5, r1));

  // EntSperre hebt Lehrer, Klassen und Raum auf, nicht den Kurs.
  for (int h = 1; h <= 4; ++h) kurs->EntSperre(1, 1, h, r1);
  EXPECT_FALSE(r1->fSperrung.GetWocheTagStd(1, 1, 1));
  EXPECT_FALSE(k5b->fSperrung.GetWocheTagStd(1, 1, 2));
  EXPECT_FALSE(l1->fSperrung.GetWocheTagStd(1, 1, 3));
  EXPECT_TRUE(kurs->fSperrung.GetWocheTagStd(1, 1, 4));
}

TEST_F(SperrungTest, IstFixiertNachWochenargument) {
  ZweiWochen();
  TKurs* kurs = Kurs(l1, fD, {k5a}, {}, nullptr, 2);
  kurs->NeueSetzung(1, 1, 1, nullptr);
  kurs->NeueSetzung(2, 1, 1, nullptr)->fFixiert = true;
  EXPECT_FALSE(kurs->IstFixiert(1, 1, 1));
  EXPECT_TRUE(kurs->IstFixiert(2, 1, 1));
  EXPECT_TRUE(kurs->IstFixiert(0, 1, 1));
  EXPECT_TRUE(kurs->IstFixiert(-1, 1, 1));
  EXPECT_FALSE(kurs->IstFixiert(0, 1, 2));
  st.fEineWoche = true;
  st.fAktuelleWoche = 1;
  EXPECT_FALSE(kurs->IstFixiert(-1, 1, 1));
}

TEST_F(SperrungTest, AendereBesetzungHebtDieKopplungHerausUndSetztSieZurueck) {
  ZweiWochen();
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, g, 2);
  TKurs* b = Kurs(l2, fE, {k5a}, {r2}, g, 2);
  TKurs* c = Kurs(l3, fM, {k5a}, {}, nullptr, 2);
  a->NeueSetzung(1, 1, 1, r1);
  b->NeueSetzung(1, 1, 1, r2);
  c->NeueSetzung(2, 1, 1, nullptr);
  s.SetDirty(false);
  a->AendereBesetzung(-1, 1, 1, false, false);
  EXPECT_FALSE(a->fBesetzung.GetWocheTagStd(1, 1, 1));
  EXPECT_FALSE(l1->fBesetzung.GetWocheTagStd(1, 1, 1));
  EXPECT_FALSE(r1->fBesetzung.GetWocheTagStd(1, 1, 1));
  EXPECT_TRUE(k5a->fBesetzung.GetWocheTagStd(1, 1, 1));  // b liegt noch dort
  EXPECT_TRUE(k5a->fBesetzung.GetWocheTagStd(2, 1, 1));  // a hat in Woche 2 keine Stunde
  EXPECT_EQ(a->fSetzungen.ListeZahlElemente(), 1);
  a->AendereBesetzung(-1, 1, 1, true, false);
  EXPECT_TRUE(BelegungenStimmen(s));

  a->AendereBesetzung(-1, 1, 1, false, true);  // die ganze Kopplung
  EXPECT_FALSE(k5a->fBesetzung.GetWocheTagStd(1, 1, 1));
  EXPECT_FALSE(l2->fBesetzung.GetWocheTagStd(1, 1, 1));
  EXPECT_FALSE(r2->fBesetzung.GetWocheTagStd(1, 1, 1));
  EXPECT_TRUE(b->SetzungPossible(1, 1, 1, r2));
  a->AendereBesetzung(-1, 1, 1, true, true);
  EXPECT_TRUE(BelegungenStimmen(s));
  EXPECT_FALSE(s.fDirty);  // nur eine Probe
}
