#include "PlanHilfe.h"

class SetzungTest : public PlanTest {};

TEST_F(SetzungTest, NeueSetzungBelegtKursLehrerKlassenUndRaumUndStempeltDieZeit) {
  TKurs* kurs = Kurs(l1, fD, {k5a, k5b}, {r1}, nullptr, 3);
  s.SetDirty(false);
  u.uhr.fJetzt = 46400.25;
  TSetzung* z = kurs->NeueSetzung(1, 2, 3, r1);
  ASSERT_NE(z, nullptr);
  EXPECT_EQ(z->fWoche, 1);
  EXPECT_EQ(z->fTag, 2);
  EXPECT_EQ(z->fStunde, 3);
  EXPECT_EQ(z->fRaum, r1);
  EXPECT_FALSE(z->fFixiert);
  EXPECT_EQ(kurs->SetzungFinden(1, 2, 3), z);
  for (const TPlanElement* e : std::vector<const TPlanElement*>{l1, k5a, k5b, r1}) {
    EXPECT_TRUE(e->fBesetzung.GetWocheTagStd(1, 2, 3)) << e->fKuerzel.str();
    EXPECT_EQ(e->fLetzteAenderung, 46400.25) << e->fKuerzel.str();
  }
  EXPECT_EQ(r2->fLetzteAenderung, 0);
  EXPECT_TRUE(kurs->fBesetzung.GetWocheTagStd(1, 2, 3));
  EXPECT_TRUE(s.fDirty);
  EXPECT_TRUE(BelegungenStimmen(s));

  u.uhr.fJetzt = 46401.5;
  kurs->SetzungEntfernen(z);
  EXPECT_TRUE(kurs->fSetzungen.empty());
  for (const TPlanElement* e : std::vector<const TPlanElement*>{l1, k5a, k5b, r1})
    EXPECT_EQ(e->fLetzteAenderung, 46401.5) << e->fKuerzel.str();
  EXPECT_TRUE(BelegungenStimmen(s));
}

TEST_F(SetzungTest, NeueSetzungTutNichtsOhneReststundenNichtVerplanenOderInBelegterZelle) {
  TKurs* kurs = Kurs(l1, fD, {k5a}, {}, nullptr, 2);
  EXPECT_NE(kurs->NeueSetzung(1, 1, 1, nullptr), nullptr);
  // Nie zwei Setzungen eines Kurses in derselben Zelle, auch mit Reststunden.
  EXPECT_EQ(kurs->NeueSetzung(1, 1, 1, r1), nullptr);
  EXPECT_NE(kurs->NeueSetzung(1, 1, 2, nullptr), nullptr);
  EXPECT_EQ(kurs->NeueSetzung(1, 1, 3, nullptr), nullptr);  // keine Reststunden
  EXPECT_EQ(kurs->fSetzungen.ListeZahlElemente(), 2);
  EXPECT_FALSE(r1->fBesetzung.GetWocheTagStd(1, 1, 1));

  TKurs* nie = Kurs(l2, fM, {k5b}, {}, nullptr, 2);
  nie->fNichtVerplanen = true;
  EXPECT_EQ(nie->NeueSetzung(1, 1, 1, nullptr), nullptr);
  EXPECT_FALSE(l2->fBesetzung.GetWocheTagStd(1, 1, 1));
  // Ungültige Zellen.
  TKurs* frei = Kurs(l3, fE, {}, {}, nullptr, 5);
  EXPECT_EQ(frei->NeueSetzung(1, 0, 1, nullptr), nullptr);
  EXPECT_EQ(frei->NeueSetzung(1, 8, 1, nullptr), nullptr);
  EXPECT_EQ(frei->NeueSetzung(1, 1, 17, nullptr), nullptr);
  EXPECT_EQ(frei->NeueSetzung(2, 1, 1, nullptr), nullptr);  // nur eine Planversion
  EXPECT_TRUE(BelegungenStimmen(s));
}

TEST_F(SetzungTest, WocheMinusEinsIstImEinWochenModusDieAktuelleWocheSonstKeineEinzelneWoche) {
  ZweiWochen();
  TKurs* kurs = Kurs(l1, fD, {k5a}, {}, nullptr, 2);
  EXPECT_EQ(kurs->NeueSetzung(-1, 1, 1, nullptr), nullptr);
  EXPECT_EQ(kurs->NeueSetzung(0, 1, 1, nullptr), nullptr);
  st.fEineWoche = true;
  st.fAktuelleWoche = 2;
  TSetzung* z = kurs->NeueSetzung(-1, 1, 1, nullptr);
  ASSERT_NE(z, nullptr);
  EXPECT_EQ(z->fWoche, 2);
}

TEST_F(SetzungTest, GekoppelteKurseTeilenSichDieKlasse) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, g, 2);
  TKurs* b = Kurs(l2, fE, {k5a, k5b}, {r2}, g, 2);
  a->NeueSetzung(1, 1, 1, r1);
  b->NeueSetzung(1, 1, 1, r2);
  EXPECT_TRUE(BelegungenStimmen(s));
  a->LoescheSetzung(1, 1, 1, false);
  EXPECT_TRUE(k5a->fBesetzung.GetWocheTagStd(1, 1, 1));  // b liegt noch dort
  EXPECT_FALSE(l1->fBesetzung.GetWocheTagStd(1, 1, 1));
  EXPECT_FALSE(r1->fBesetzung.GetWocheTagStd(1, 1, 1));
  EXPECT_TRUE(l2->fBesetzung.GetWocheTagStd(1, 1, 1));
  EXPECT_TRUE(BelegungenStimmen(s));
  b->LoescheSetzung(1, 1, 1, false);
  EXPECT_FALSE(k5a->fBesetzung.GetWocheTagStd(1, 1, 1));
  EXPECT_FALSE(k5b->fBesetzung.GetWocheTagStd(1, 1, 1));
  EXPECT_TRUE(BelegungenStimmen(s));
}

TEST_F(SetzungTest, EntfernenLaesstDieZelleDesDoppeltBelegtenLehrersUndRaums) {
  // Zwei Kurse desselben Lehrers im selben Raum in einer Zelle (ein Import, ein "Trotzdem"):
  // nach dem Entfernen des einen liegt der andere noch dort, Lehrer und Raum bleiben belegt (wie
  // nach dem Öffnen der gesicherten Schule, das die Belegung aus den Setzungen aufbaut).
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 2);
  TKurs* b = Kurs(l1, fM, {k5b}, {r1}, nullptr, 2);
  a->NeueSetzung(1, 3, 4, r1);
  b->NeueSetzung(1, 3, 4, r1);
  a->LoescheSetzung(1, 3, 4, false);
  EXPECT_TRUE(l1->fBesetzung.GetWocheTagStd(1, 3, 4));
  EXPECT_TRUE(r1->fBesetzung.GetWocheTagStd(1, 3, 4));
  EXPECT_TRUE(k5b->fBesetzung.GetWocheTagStd(1, 3, 4));
  EXPECT_FALSE(k5a->fBesetzung.GetWocheTagStd(1, 3, 4));
  EXPECT_TRUE(BelegungenStimmen(s));
  b->LoescheSetzung(1, 3, 4, false);
  EXPECT_FALSE(l1->fBesetzung.GetWocheTagStd(1, 3, 4));
  EXPECT_FALSE(r1->fBesetzung.GetWocheTagStd(1, 3, 4));
  EXPECT_TRUE(BelegungenStimmen(s));
}

TEST_F(SetzungTest, RaumLoeschenLaesstDenDoppeltBelegtenRaumBelegt) {
  // Zwei Kurse im selben Raum in einer Zelle: nimmt der eine den Raum aus seiner Stunde, liegt
  // der andere noch im Raum.
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 2);
  TKurs* b = Kurs(l2, fM, {k5b}, {r1}, nullptr, 2);
  a->NeueSetzung(1, 3, 4, r1);
  b->NeueSetzung(1, 3, 4, r1);
  a->LoescheRaumInSetzung(1, 3, 4);
  EXPECT_EQ(a->SetzungFinden(1, 3, 4)->fRaum, nullptr);
  EXPECT_TRUE(r1->fBesetzung.GetWocheTagStd(1, 3, 4));
  EXPECT_TRUE(BelegungenStimmen(s));
  b->LoescheRaumInSetzung(1, 3, 4);
  EXPECT_FALSE(r1->fBesetzung.GetWocheTagStd(1, 3, 4));
  EXPECT_TRUE(BelegungenStimmen(s));
}

TEST_F(SetzungTest, LoescheSetzungMitKopplungUndUeberAlleWochen) {
  ZweiWochen();
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, g, 2);
  TKurs* b = Kurs(l2, fE, {k5b}, {r2}, g, 2);
  TKurs* c = Kurs(l3, fM, {k5b}, {r3}, nullptr, 2);
  for (int w : {1, 2}) {
    a->NeueSetzung(w, 1, 1, r1);
    b->NeueSetzung(w, 1, 1, r2);
  }
  c->NeueSetzung(1, 1, 2, r3);
  a->LoescheSetzung(1, 1, 1, true);  // Woche 1, beide Kurse der Kopplung
  EXPECT_EQ(a->SetzungFinden(1, 1, 1), nullptr);
  EXPECT_EQ(b->SetzungFinden(1, 1, 1), nullptr);
  EXPECT_NE(a->SetzungFinden(2, 1, 1), nullptr);
  EXPECT_NE(b->SetzungFinden(2, 1, 1), nullptr);
  b->LoescheSetzung(0, 1, 1, false);  // alle Wochen, nur b
  EXPECT_EQ(b->SetzungFinden(2, 1, 1), nullptr);
  EXPECT_NE(a->SetzungFinden(2, 1, 1), nullptr);
  a->LoescheSetzung(-1, 1, 1, false);  // mehrwöchig: -1 wie alle Wochen
  EXPECT_TRUE(a->fSetzungen.empty());
  c->LoescheSetzung(1, 1, 1, true);  // ohne Kopplung: nur der eigene Kurs, leere Zelle
  EXPECT_EQ(c->fSetzungen.ListeZahlElemente(), 1);
  EXPECT_TRUE(BelegungenStimmen(s));
  c->AlleSetzungenEntfernen();
  EXPECT_TRUE(c->fSetzungen.empty());
  EXPECT_TRUE(BelegungenStimmen(s));
}

TEST_F(SetzungTest, PlanfensterUndUebersichtenZeigenDieZellenDerAktuellenWoche) {
  ZweiWochen();
  st.fPlnStd = 6;
  st.fMaxTageNeu = 5;
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, g, 3);
  TKurs* b = Kurs(l2, fE, {k5a}, {r2}, g, 3);
  TZellenFenster lPlan(FensterArt::LehrerPlan), kPlan(FensterArt::KlassenPlan),
      rPlan(FensterArt::RaumPlan), lUeb(FensterArt::LehrerUebersicht),
      kUeb(FensterArt::KlassenUebersicht), rUeb(FensterArt::RaumUebersicht);
  l1->fPlnFenster = &lPlan;
  k5a->fPlnFenster = &kPlan;
  r1->fPlnFenster = &rPlan;
  s.fLehrUebForm = &lUeb;
  s.fKlasUebForm = &kUeb;
  s.fRaumUebForm = &rUeb;
  using Z = TZellenFenster::Zelle;

  a->NeueSetzung(1, 2, 3, r1);
  EXPECT_EQ(lPlan.fZellen, (std::vector<Z>{{2, 3, nullptr, 0, a, "N"}}));
  EXPECT_EQ(kPlan.fZellen, (std::vector<Z>{{2, 3, nullptr, 0, a, "N"}}));
  EXPECT_EQ(rPlan.fZellen, (std::vector<Z>{{2, 3, nullptr, 0, a, "N"}}));
  EXPECT_EQ(lUeb.fZellen, (std::vector<Z>{{0, 0, l1, 9, a, "N"}}));  // (2-1)*6+3
  EXPECT_EQ(kUeb.fZellen, (std::vector<Z>{{0, 0, k5a, 9, a, "N"}}));
  EXPECT_EQ(rUeb.fZellen, (std::vector<Z>{{0, 0, r1, 9, a, "N"}}));

  // Andere Woche, Stunde hinter fPlnStd, Tag hinter fMaxTageNeu: kein Fenster sieht das.
  a->NeueSetzung(2, 2, 3, r1);
  a->NeueSetzung(1, 2, 7, nullptr);
  b->NeueSetzung(1, 6, 1, nullptr);
  EXPECT_EQ(lPlan.fZellen.size(), 1u);
  EXPECT_EQ(kUeb.fZellen.size(), 1u);

  // Die Klasse zeigt nach dem Entfernen den Kurs, der noch dort liegt, fixiert mit "F".
  b->NeueSetzung(1, 2, 3, r2);
  b->SetzungFinden(1, 2, 3)->fFixiert = true;
  for (TZellenFenster* f : {&lPlan, &kPlan, &rPlan, &lUeb, &kUeb, &rUeb}) f->fZellen.clear();
  a->LoescheSetzung(1, 2, 3, false);
  EXPECT_EQ(lPlan.fZellen, (std::vector<Z>{{2, 3, nullptr, 0, nullptr, ""}}));
  EXPECT_EQ(rPlan.fZellen, (std::vector<Z>{{2, 3, nullptr, 0, nullptr, ""}}));
  EXPECT_EQ(kPlan.fZellen, (std::vector<Z>{{2, 3, nullptr, 0, b, "F"}}));
  EXPECT_EQ(kUeb.fZellen, (std::vector<Z>{{0, 0, k5a, 9, b, "F"}}));
  EXPECT_EQ(lUeb.fZellen, (std::vector<Z>{{0, 0, l1, 9, nullptr, ""}}));
  kPlan.fZellen.clear();
  b->LoescheSetzung(1, 2, 3, false);
  EXPECT_EQ(kPlan.fZellen, (std::vector<Z>{{2, 3, nullptr, 0, nullptr, ""}}));
  // Auch das Manuellfenster und die Planfenster werden neu gezeichnet.
  EXPECT_GT(lPlan.fRefreshs, 0);
  l1->fPlnFenster = nullptr;
  k5a->fPlnFenster = nullptr;
  r1->fPlnFenster = nullptr;
}

TEST_F(SetzungTest, EntfernenZerstoertDieVertretungenDerStunde) {
  TKurs* kurs = Kurs(l1, fD, {k5a}, {r1}, nullptr, 2);
  TSetzung* z = kurs->NeueSetzung(1, 1, 1, r1);
  TSetzung* bleibt = kurs->NeueSetzung(1, 1, 2, r1);
  for (TSetzung* zu : {z, z, bleibt}) {
    auto v = std::make_unique<TVertretung>();
    v->fKurs = kurs;
    v->fSetzung = zu;
    s.VertretungAufnehmen(std::move(v));
  }
  ASSERT_EQ(s.fVertretungsMenge.ListeZahlElemente(), 3);
  kurs->SetzungEntfernen(z);
  ASSERT_EQ(s.fVertretungsMenge.ListeZahlElemente(), 1);
  EXPECT_EQ(s.fVertretungsMenge[0]->fSetzung, bleibt);
  // Eine fremde Setzung wird nicht angefasst.
  TKurs* anderer = Kurs(l2, fM, {k5b}, {}, nullptr, 1);
  anderer->SetzungEntfernen(bleibt);
  EXPECT_EQ(kurs->fSetzungen.ListeZahlElemente(), 1);
  EXPECT_TRUE(BelegungenStimmen(s));
}

TEST_F(SetzungTest, KursUndElementLoeschenEntfernenDieSetzungen) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, g, 3);
  TKurs* b = Kurs(l2, fM, {k5a}, {r2}, nullptr, 3);
  a->NeueSetzung(1, 1, 1, r1);
  a->NeueSetzung(1, 1, 2, r1);
  b->NeueSetzung(1, 1, 3, r2);
  s.KursLoeschen(a);
  EXPECT_FALSE(l1->fBesetzung.GetWocheTagStd(1, 1, 1));
  EXPECT_FALSE(r1->fBesetzung.GetWocheTagStd(1, 1, 2));
  EXPECT_TRUE(BelegungenStimmen(s));
  s.ElementLoeschen(r2);  // b liegt in R2: seine Setzungen gehen
  EXPECT_TRUE(b->fSetzungen.empty());
  EXPECT_FALSE(k5a->fBesetzung.GetWocheTagStd(1, 1, 3));
  EXPECT_TRUE(BelegungenStimmen(s));
}

TEST_F(SetzungTest, NichtVerplantUndKursNichtImRaumFragenUndEntfernen) {
  TKurs* kurs = Kurs(l1, fD, {k5a}, {r1}, nullptr, 2);
  EXPECT_TRUE(kurs->NichtVerplant());
  kurs->NeueSetzung(1, 1, 1, r1);
  kurs->NeueSetzung(1, 1, 2, nullptr);
  u.dialog.Antworte("Nein");
  EXPECT_FALSE(kurs->KursNichtImRaum(r1));
  EXPECT_EQ(u.dialog.fProtokoll.back().Titel, "Kurs im Raumplan");
  EXPECT_EQ(u.dialog.fProtokoll.back().Zeilen,
            (std::vector<std::string>{"Der Kurs", "MUE D 5a", "ist schon im Plan", "von Raum", "R1",
                                      "Soll der Raum trotzdem aus", "dem Kurs entfernt werden?"}));
  u.dialog.Antworte("Ja");
  EXPECT_TRUE(kurs->KursNichtImRaum(r1));
  EXPECT_EQ(kurs->fSetzungen.ListeZahlElemente(), 2);
  EXPECT_EQ(kurs->SetzungFinden(1, 1, 1)->fRaum, nullptr);
  EXPECT_TRUE(BelegungenStimmen(s));
  u.dialog.Antworte("Nein");
  EXPECT_FALSE(kurs->NichtVerplant());
  u.dialog.Antworte("Ja");
  EXPECT_TRUE(kurs->NichtVerplant());
  EXPECT_EQ(u.dialog.fProtokoll.back().Titel, "Kurs ist verplant");
  EXPECT_TRUE(kurs->fSetzungen.empty());
  EXPECT_TRUE(BelegungenStimmen(s));
}

TEST_F(SetzungTest, AmRandUndUnterrichtAmRand) {
  TKurs* kurs = Kurs(l1, fD, {k5a}, {}, nullptr, 6);
  TKurs* anderer = Kurs(l2, fM, {k5a}, {}, nullptr, 6);
  TSetzung* dritte = kurs->NeueSetzung(1, 1, 3, nullptr);
  EXPECT_TRUE(dritte->AmRand(k5a));  // allein am Tag
  anderer->NeueSetzung(1, 1, 1, nullptr);
  EXPECT_TRUE(dritte->AmRand(k5a));  // danach frei
  anderer->NeueSetzung(1, 1, 16, nullptr);
  EXPECT_FALSE(dritte->AmRand(k5a));  // davor und danach Unterricht
  EXPECT_FALSE(l1->HatUnterrichtAmRand(k5a));
  TSetzung* erste = kurs->NeueSetzung(1, 2, 1, nullptr);
  anderer->NeueSetzung(1, 2, 2, nullptr);
  EXPECT_TRUE(erste->AmRand(k5a));  // Stunde 1 immer
  EXPECT_TRUE(l1->HatUnterrichtAmRand(k5a));
  EXPECT_FALSE(l1->HatUnterrichtAmRand(k5b));
  EXPECT_TRUE(anderer->SetzungFinden(1, 1, 16)->AmRand(k5a));  // Stunde 16 immer
  // Gekoppelte Kurse und Kurse mehrerer Klassen zählen nicht.
  kurs->KopplungErgaenzen(g);
  EXPECT_FALSE(l1->HatUnterrichtAmRand(k5a));
  kurs->KopplungEntfernen();
  kurs->KlasseErgaenzen(k5b);
  EXPECT_FALSE(l1->HatUnterrichtAmRand(k5a));
}

TEST_F(SetzungTest, UngeeigneteTageUndVertretungFinden) {
  TKurs* kurs = Kurs(l1, fD, {k5a}, {}, nullptr, 2);
  TSetzung* z = kurs->NeueSetzung(1, 1, 2, nullptr);  // montags
  EXPECT_FALSE(z->UngeeigneterTag(Tag(0)));
  EXPECT_TRUE(z->UngeeigneterTag(Tag(1)));  // Dienstag
  ZweiWochen();
  s.SetzeKalender(KalenderWoche(Tag(7)), 2);
  EXPECT_TRUE(z->UngeeigneterTag(Tag(7)));  // Montag in Woche 2 des Zyklus
  EXPECT_FALSE(z->UngeeigneterTag(Tag(14)));
  FerienAm(Tag(14));
  EXPECT_TRUE(z->UngeeigneterTag(Tag(14)));
  EXPECT_TRUE(z->UngeeigneterStattTag(Tag(14)));
  EXPECT_FALSE(z->UngeeigneterStattTag(Tag(0)));

  auto v = std::make_unique<TVertretung>();
  v->fKurs = kurs;
  v->fSetzung = z;
  v->fDatum = Tag(0);
  v->fLehrer = l1;  // nur ein Raumwechsel
  TVertretung* roh = s.VertretungAufnehmen(std::move(v));
  EXPECT_EQ(z->VertretungFinden(Tag(0)), roh);
  EXPECT_EQ(z->VertretungFinden(Tag(0) - 0.5), roh);  // derselbe Tag, andere Uhrzeit
  EXPECT_EQ(z->VertretungFinden(Tag(21)), nullptr);
  EXPECT_TRUE(z->UngeeigneterTag(Tag(0)));
  EXPECT_FALSE(z->UngeeigneterStattTag(Tag(0)));
  roh->fLehrer = l2;
  EXPECT_TRUE(z->UngeeigneterStattTag(Tag(0)));
}
