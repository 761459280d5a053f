#include "PlanHilfe.h"

namespace {
struct Eintrag {
  TKonfliktArt art;
  int schwere;
  int woche;
  const void* element;
  const TKurs* kurs;
  bool operator==(const Eintrag&) const = default;
};

std::vector<Eintrag> Eintraege(const TKonfliktListe& liste) {
  std::vector<Eintrag> v;
  for (const TKonflikt* k : liste)
    v.push_back({k->fArt, k->fSchwere, k->fWoche, k->fElement, k->fKurs});
  return v;
}
}  // namespace

class KonfliktTest : public PlanTest {};

TEST_F(KonfliktTest, ZeilenDerKonfliktarten) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 2);
  TKurs* b = Kurs(l2, fM, {k5b}, {}, g, 2);
  auto zeile = [](TKonfliktArt art, int w, TPlanElement* e, TKurs* k) {
    TKonflikt konflikt;
    konflikt.IKonflikt(art, 1, w, e, k);
    return konflikt.Zeile();
  };
  EXPECT_EQ(zeile(kuSp, 2, nullptr, a), "{2} Kurs MUE D 5a gesperrt.");
  EXPECT_EQ(zeile(leSp, 2, l1, nullptr), "{2} Lehrer MUE gesperrt. ");
  EXPECT_EQ(zeile(klSp, 1, k5a, nullptr), "{1} Klasse 5a gesperrt. ");
  EXPECT_EQ(zeile(raSp, 12, r1, nullptr), "{12} Raum R1 gesperrt. ");
  EXPECT_EQ(zeile(leFx, 1, l2, b), "{1} Lehrer SCH fixiert durch SCH M 5b G1.");
  EXPECT_EQ(zeile(klFx, 1, k5b, b), "{1} Klasse 5b fixiert durch SCH M 5b G1.");
  EXPECT_EQ(zeile(raFx, 1, r1, a), "{1} Raum R1 fixiert durch MUE D 5a.");
  EXPECT_EQ(zeile(leBe, 1, l1, a), "{1} Lehrer MUE besetzt durch MUE D 5a.");
  EXPECT_EQ(zeile(klBe, 3, k5a, a), "{3} Klasse 5a besetzt durch MUE D 5a.");
  EXPECT_EQ(zeile(raBe, 1, r1, a), "{1} Raum R1 besetzt durch MUE D 5a.");
  EXPECT_EQ(zeile(koRa, 1, nullptr, a), "");
}

TEST_F(KonfliktTest, ReihenfolgeUndSchwereAllerRegeln) {
  TKurs* kurs = Kurs(l1, fD, {k5a, k5b}, {r1}, nullptr, 2);
  TKurs* x = Kurs(l1, fM, {}, {}, nullptr, 2);     // Lehrer besetzt, fixiert
  TKurs* y = Kurs(l2, fE, {k5b}, {}, nullptr, 2);  // Klasse besetzt
  TKurs* z = Kurs(l3, fE, {}, {r1}, nullptr, 2);   // Raum besetzt
  x->NeueSetzung(1, 2, 2, nullptr)->fFixiert = true;
  y->NeueSetzung(1, 2, 2, nullptr);
  z->NeueSetzung(1, 2, 2, r1);
  kurs->fSperrung.SetWocheTagStd(1, 2, 2, true);
  l1->fSperrung.SetWocheTagStd(1, 2, 2, true);
  k5a->fSperrung.SetWocheTagStd(1, 2, 2, true);
  r1->fSperrung.SetWocheTagStd(1, 2, 2, true);
  TKonfliktListe liste;
  EXPECT_EQ(kurs->ManKonfliktListe(2, 2, liste, r1), 3);
  EXPECT_EQ(Eintraege(liste), (std::vector<Eintrag>{{kuSp, 3, 1, nullptr, kurs},
                                                    {leSp, 3, 1, l1, nullptr},
                                                    {klSp, 3, 1, k5a, nullptr},
                                                    {raSp, 2, 1, r1, nullptr},
                                                    {leFx, 3, 1, l1, x},
                                                    {klBe, 1, 1, k5b, y},
                                                    {raBe, 1, 1, r1, z}}));
  // Ohne Raum kein Raumtest; ohne Sperren bleibt nur, was verdrängt werden kann.
  TKonfliktListe ohneRaum;
  EXPECT_EQ(kurs->ManKonfliktListe(2, 2, ohneRaum, nullptr), 3);
  EXPECT_EQ(ohneRaum.ListeZahlElemente(), 5);
  x->SetzungFinden(1, 2, 2)->fFixiert = false;
  for (TWochBereich* b : {&kurs->fSperrung, &l1->fSperrung, &k5a->fSperrung, &r1->fSperrung})
    b->SetWocheTagStd(1, 2, 2, false);
  TKonfliktListe verdraengbar;
  EXPECT_EQ(kurs->ManKonfliktListe(2, 2, verdraengbar, r1), 1);
  EXPECT_EQ(Eintraege(verdraengbar),
            (std::vector<Eintrag>{{leBe, 1, 1, l1, x}, {klBe, 1, 1, k5b, y}, {raBe, 1, 1, r1, z}}));
  // Ein gesperrter Raum allein: Schwere 2. Eine freie Zelle: 0.
  y->LoescheSetzung(1, 2, 2, false);
  x->LoescheSetzung(1, 2, 2, false);
  z->LoescheSetzung(1, 2, 2, false);
  r1->fSperrung.SetWocheTagStd(1, 2, 2, true);
  TKonfliktListe raum;
  EXPECT_EQ(kurs->ManKonfliktListe(2, 2, raum, r1), 2);
  TKonfliktListe leer;
  EXPECT_EQ(kurs->ManKonfliktListe(2, 3, leer, r1), 0);
  EXPECT_TRUE(leer.empty());
}

TEST_F(KonfliktTest, GesperrtInZweiWochenGibtZweiEintraegeVorAllenAnderen) {
  ZweiWochen();
  TKurs* kurs = Kurs(l1, fD, {k5a}, {}, nullptr, 2);
  TKurs* y = Kurs(l2, fE, {k5a}, {}, nullptr, 2);
  y->NeueSetzung(1, 1, 1, nullptr);
  kurs->fSperrung.SetWocheTagStd(0, 1, 1, true);
  TKonfliktListe liste;
  EXPECT_EQ(kurs->ManKonfliktListe(1, 1, liste, nullptr), 3);
  EXPECT_EQ(Eintraege(liste),
            (std::vector<Eintrag>{
                {kuSp, 3, 1, nullptr, kurs}, {kuSp, 3, 2, nullptr, kurs}, {klBe, 1, 1, k5a, y}}));
}

TEST_F(KonfliktTest, LehrerUndKlasseDurchDenselbenKursGebenEinenEintrag) {
  TKurs* kurs = Kurs(l1, fD, {k5a}, {}, nullptr, 2);
  TKurs* x = Kurs(l1, fM, {k5a}, {}, nullptr, 2);
  x->NeueSetzung(1, 1, 1, nullptr);
  TKonfliktListe liste;
  EXPECT_EQ(kurs->ManKonfliktListe(1, 1, liste, nullptr), 1);
  EXPECT_EQ(Eintraege(liste), (std::vector<Eintrag>{{leBe, 1, 1, l1, x}}));
  // Der Doppelte zählt trotzdem für die Schwere.
  TKonfliktListe vorher;
  KonfliktEintragen(vorher, kuSp, 3, 1, nullptr, x);
  EXPECT_EQ(KonfliktEintragen(vorher, klFx, 3, 1, k5a, x), 3);
  EXPECT_EQ(vorher.ListeZahlElemente(), 1);
  EXPECT_EQ(KonfliktEintragen(vorher, raSp, 2, 1, r1, nullptr), 2);  // Sperren immer
  EXPECT_EQ(KonfliktEintragen(vorher, klFx, 3, 2, k5a, x), 3);       // andere Woche
  EXPECT_EQ(vorher.ListeZahlElemente(), 3);
  EXPECT_EQ(KonfliktEintragen(vorher, koRa, 1, 1, nullptr, kurs), 0);
  EXPECT_EQ(vorher[vorher.size() - 1]->fArt, koRa);
}

TEST_F(KonfliktTest, DieLehrerregelKenntKeineKopplungDieKlassenregelSchon) {
  TKurs* a = Kurs(l1, fD, {k5a}, {}, g, 2);
  TKurs* b = Kurs(l1, fE, {k5b}, {}, g, 2);  // gekoppelt, derselbe Lehrer
  TKurs* c = Kurs(l2, fM, {k5a}, {}, g, 2);  // gekoppelt, dieselbe Klasse
  b->NeueSetzung(1, 3, 3, nullptr);
  c->NeueSetzung(1, 3, 3, nullptr);
  a->NeueSetzung(1, 1, 1, nullptr);
  TKonfliktListe liste;
  EXPECT_EQ(a->FuelleKonfliktListe(3, 3, 1, 1, liste, g, a), 1);
  EXPECT_EQ(Eintraege(liste), (std::vector<Eintrag>{{leBe, 1, 1, l1, b}}));
  // Ohne Kopplung als Ausnahme steht c der Klasse im Weg.
  TKonfliktListe ohne;
  a->FuelleKonfliktListe(3, 3, 1, 1, ohne, nullptr, a);
  EXPECT_EQ(Eintraege(ohne), (std::vector<Eintrag>{{leBe, 1, 1, l1, b}, {klBe, 1, 1, k5a, c}}));
  // myKurs ist ausgenommen.
  TKonfliktListe ohneC;
  a->FuelleKonfliktListe(3, 3, 1, 1, ohneC, nullptr, c);
  EXPECT_EQ(ohneC.ListeZahlElemente(), 1);
}

TEST_F(KonfliktTest, DerRaumDerAltenZelleInDerAktuellenWocheOderDerNeueRaum) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1, r2}, nullptr, 2);
  TKurs* x = Kurs(l2, fM, {k5b}, {r1, r2}, nullptr, 2);
  TKurs* y = Kurs(l3, fE, {}, {r2}, nullptr, 2);
  a->NeueSetzung(1, 1, 1, r1);
  x->NeueSetzung(1, 2, 2, r1);
  y->NeueSetzung(1, 2, 2, r2);
  y->SetzungFinden(1, 2, 2)->fFixiert = true;
  TKonfliktListe alt;
  EXPECT_EQ(a->FuelleKonfliktListe(2, 2, 1, 1, alt, nullptr, a), 1);
  EXPECT_EQ(Eintraege(alt), (std::vector<Eintrag>{{raBe, 1, 1, r1, x}}));
  TKonfliktListe neu;
  EXPECT_EQ(a->FuelleKonfliktListeMitRaum(2, 2, 1, 1, neu, nullptr, a, r2), 2);
  EXPECT_EQ(Eintraege(neu), (std::vector<Eintrag>{{raFx, 2, 1, r2, y}}));  // x liegt nicht in R2
  TKonfliktListe ohne;
  EXPECT_EQ(a->FuelleKonfliktListeMitRaum(2, 2, 1, 1, ohne, nullptr, a, nullptr), 0);
}

TEST_F(KonfliktTest, KeinRaumFreiFuerEinenGekoppeltenKurs) {
  ZweiWochen();
  TKurs* kurs = Kurs(l1, fD, {k5a}, {r1, r2}, g, 2);
  TKurs* x = Kurs(l2, fM, {k5b}, {r1}, nullptr, 2);
  x->NeueSetzung(1, 1, 1, r1);
  r2->fSperrung.SetWocheTagStd(0, 1, 1, true);
  TKonfliktListe liste;
  kurs->ManKoRaumKonflikt(1, 1, liste);
  EXPECT_EQ(Eintraege(liste), (std::vector<Eintrag>{{koRa, 1, 1, nullptr, kurs}}));
  TKonfliktListe keine;
  Kurs(l3, fE, {}, {}, g, 2)->ManKoRaumKonflikt(1, 1, keine);  // ohne Räume nie
  EXPECT_TRUE(keine.empty());
}
