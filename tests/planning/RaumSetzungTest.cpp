#include "PlanHilfe.h"

class RaumSetzungTest : public PlanTest {};

TEST_F(RaumSetzungTest, RaumFindenUeberZweiWochen) {
  ZweiWochen();
  TKurs* kurs = Kurs(l1, fD, {k5a}, {r1, r2}, nullptr, 2);
  kurs->NeueSetzung(1, 1, 1, r1);
  kurs->NeueSetzung(2, 1, 1, r2);
  EXPECT_EQ(kurs->RaumFinden(-1, 1, 1), nullptr);  // verschiedene Räume
  EXPECT_EQ(kurs->RaumFinden(1, 1, 1), r1);
  EXPECT_EQ(kurs->RaumFinden(2, 1, 1), r2);
  kurs->LoescheRaumInSetzung(2, 1, 1);
  EXPECT_EQ(kurs->RaumFinden(-1, 1, 1), r1);  // Woche 2 ohne Raum
  EXPECT_EQ(kurs->RaumFinden(0, 1, 1), r1);
  kurs->LoescheRaumInSetzung(-1, 1, 1);  // mehrwöchig: alle Wochen
  EXPECT_EQ(kurs->RaumFinden(-1, 1, 1), nullptr);
  kurs->AendereRaumInSetzung(kurs->SetzungFinden(2, 1, 1), r2);
  st.fEineWoche = true;
  st.fAktuelleWoche = 2;
  EXPECT_EQ(kurs->RaumFinden(-1, 1, 1), r2);
  EXPECT_EQ(kurs->RaumFinden(-1, 1, 2), nullptr);  // keine Stunde
  EXPECT_TRUE(BelegungenStimmen(s));
}

TEST_F(RaumSetzungTest, FreierRaumIstDerErsteWederGesperrtNochBesetzte) {
  TKurs* kurs = Kurs(l1, fD, {k5a}, {r1, r2}, nullptr, 2);
  TKurs* anderer = Kurs(l2, fM, {k5b}, {r1}, nullptr, 2);
  EXPECT_EQ(kurs->FreierRaum(1, 1, 1), r1);
  anderer->NeueSetzung(1, 1, 1, r1);
  EXPECT_EQ(kurs->FreierRaum(1, 1, 1), r2);
  r2->fSperrung.SetWocheTagStd(1, 1, 1, true);
  EXPECT_EQ(kurs->FreierRaum(1, 1, 1), nullptr);
  EXPECT_EQ(kurs->FreierRaum(1, 1, 2), r1);
  EXPECT_EQ(Kurs(l3, fE, {}, {}, nullptr, 1)->FreierRaum(1, 1, 2), nullptr);  // ohne Räume
}

TEST_F(RaumSetzungTest, RaumAendernUndEntfernenFuehrenDieRaumbelegung) {
  TKurs* kurs = Kurs(l1, fD, {k5a}, {r1, r2}, nullptr, 2);
  TZellenFenster r1Plan(FensterArt::RaumPlan), r2Plan(FensterArt::RaumPlan),
      ueb(FensterArt::RaumUebersicht);
  r1->fPlnFenster = &r1Plan;
  r2->fPlnFenster = &r2Plan;
  s.fRaumUebForm = &ueb;
  TSetzung* z = kurs->NeueSetzung(1, 1, 2, r1);
  r1Plan.fZellen.clear();
  ueb.fZellen.clear();
  u.uhr.fJetzt = 46500;
  s.SetDirty(false);
  kurs->AendereRaumInSetzung(z, r2);
  EXPECT_EQ(z->fRaum, r2);
  EXPECT_FALSE(r1->fBesetzung.GetWocheTagStd(1, 1, 2));
  EXPECT_TRUE(r2->fBesetzung.GetWocheTagStd(1, 1, 2));
  EXPECT_EQ(r1->fLetzteAenderung, 46500);
  EXPECT_EQ(r2->fLetzteAenderung, 46500);
  EXPECT_TRUE(s.fDirty);
  using Z = TZellenFenster::Zelle;
  EXPECT_EQ(r1Plan.fZellen, (std::vector<Z>{{1, 2, nullptr, 0, nullptr, ""}}));
  EXPECT_EQ(r2Plan.fZellen, (std::vector<Z>{{1, 2, nullptr, 0, kurs, "N"}}));
  EXPECT_EQ(ueb.fZellen, (std::vector<Z>{{0, 0, r1, 2, nullptr, ""}, {0, 0, r2, 2, kurs, "N"}}));
  EXPECT_TRUE(BelegungenStimmen(s));
  kurs->EntferneRaumInSetzung(z);
  EXPECT_EQ(z->fRaum, nullptr);
  EXPECT_FALSE(r2->fBesetzung.GetWocheTagStd(1, 1, 2));
  EXPECT_TRUE(BelegungenStimmen(s));
  kurs->AendereRaumInSetzung(z, r1);
  kurs->AendereRaumInSetzung(z, nullptr);  // ohne Raum: nur entfernen
  EXPECT_EQ(z->fRaum, nullptr);
  EXPECT_TRUE(BelegungenStimmen(s));
  r1->fPlnFenster = r2->fPlnFenster = nullptr;
}

TEST_F(RaumSetzungTest, RaumAenderungNimmtEinenNeuenRaumInDenKursAuf) {
  TKurs* kurs = Kurs(l1, fD, {k5a}, {r1}, nullptr, 2);
  kurs->RaumAenderung(r3, 1, 1, 1);  // keine Stunde dort: nichts
  EXPECT_EQ(kurs->fRaeume.ListeElemNr(r3), 0);
  kurs->NeueSetzung(1, 1, 1, r1);
  kurs->RaumAenderung(r3, 1, 1, 1);
  EXPECT_EQ(kurs->SetzungFinden(1, 1, 1)->fRaum, r3);
  EXPECT_EQ(kurs->fRaeume.ListeElemNr(r3), 2);
  EXPECT_EQ(kurs->fRaumErgaenzt.ListeElemNr(r3), 1);
  EXPECT_GT(r3->fKurse.ListeElemNr(kurs), 0);
  kurs->RaumAenderung(r1, 1, 1, 1);  // schon ein Raum des Kurses
  EXPECT_EQ(kurs->fRaeume.ListeZahlElemente(), 2);
  EXPECT_EQ(kurs->fRaumErgaenzt.ListeZahlElemente(), 1);
  EXPECT_TRUE(BelegungenStimmen(s));
}

TEST_F(RaumSetzungTest, RaumTauschFragtMitDenGenauenWortenUndTauscht) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 2);
  TKurs* b = Kurs(l2, fM, {k5b}, {r2}, nullptr, 2);
  a->NeueSetzung(1, 3, 2, r1);
  EXPECT_FALSE(a->RaumTausch(b, 1, 3, 2));  // b hat dort keine Stunde: keine Frage
  b->NeueSetzung(1, 3, 2, r2);
  u.dialog.Antworte("Abbrechen");
  EXPECT_FALSE(a->RaumTausch(b, 1, 3, 2));
  ASSERT_EQ(u.dialog.fProtokoll.size(), 1u);
  const auto& frage = u.dialog.fProtokoll[0];
  EXPECT_EQ(frage.Titel, "Raumtausch");
  EXPECT_EQ(frage.Zeilen, (std::vector<std::string>{"Sollen die Räume getauscht werden?",
                                                    "MUE D 5a R1", "SCH M 5b R2", "{1} Mi  2"}));
  EXPECT_EQ(frage.Knoepfe, (std::vector<std::string>{"Ok", "Abbrechen"}));
  EXPECT_EQ(a->SetzungFinden(1, 3, 2)->fRaum, r1);

  u.dialog.Antworte("Ok");
  EXPECT_TRUE(a->RaumTausch(b, 1, 3, 2));
  EXPECT_EQ(a->SetzungFinden(1, 3, 2)->fRaum, r2);
  EXPECT_EQ(b->SetzungFinden(1, 3, 2)->fRaum, r1);
  // Jeder Kurs kennt den getauschten Raum, als beim Planen ergänzt.
  EXPECT_GT(a->fRaumErgaenzt.ListeElemNr(r2), 0);
  EXPECT_GT(b->fRaumErgaenzt.ListeElemNr(r1), 0);
  EXPECT_GT(r2->fKurse.ListeElemNr(a), 0);
  EXPECT_TRUE(BelegungenStimmen(s));
}

TEST_F(RaumSetzungTest, RaumTauschMitEinerStundeOhneRaum) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 2);
  TKurs* b = Kurs(l2, fM, {k5b}, {}, nullptr, 2);
  a->NeueSetzung(1, 1, 1, r1);
  b->NeueSetzung(1, 1, 1, nullptr);
  u.dialog.Antworte("Ok");
  EXPECT_TRUE(b->RaumTausch(a, 1, 1, 1));
  EXPECT_EQ(a->SetzungFinden(1, 1, 1)->fRaum, nullptr);
  EXPECT_EQ(b->SetzungFinden(1, 1, 1)->fRaum, r1);
  EXPECT_EQ(b->fRaeume.ListeElemNr(r1), 1);
  EXPECT_TRUE(BelegungenStimmen(s));
}

TEST_F(RaumSetzungTest, RSetzenTauschtMitDemKursImRaumOderNimmtDenFreienRaum) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1, r2}, nullptr, 2);
  TKurs* b = Kurs(l2, fM, {k5b}, {r2}, nullptr, 2);
  a->NeueSetzung(1, 1, 1, r1);
  b->NeueSetzung(1, 1, 1, r2);
  a->RSetzen(r3, 1, 1, 1);  // frei: Raumänderung
  EXPECT_EQ(a->SetzungFinden(1, 1, 1)->fRaum, r3);
  u.dialog.Antworte("Ok");
  a->RSetzen(r2, 1, 1, 1);  // belegt von b: Tausch nach Rückfrage
  EXPECT_EQ(a->SetzungFinden(1, 1, 1)->fRaum, r2);
  EXPECT_EQ(b->SetzungFinden(1, 1, 1)->fRaum, r3);
  a->RSetzen(r2, 1, 1, 1);  // schon dort: nichts, keine Frage
  a->RSetzen(r1, 1, 5, 5);  // keine Stunde: nichts
  EXPECT_EQ(u.dialog.fProtokoll.size(), 1u);
  EXPECT_TRUE(BelegungenStimmen(s));
}

TEST_F(RaumSetzungTest, RaumAbgleichLegtNichtFixierteStundenInDenMeistgenutztenFreienRaum) {
  TKurs* kurs = Kurs(l1, fD, {k5a}, {r1, r2}, nullptr, 7);
  TKurs* anderer = Kurs(l2, fM, {k5b}, {r2}, nullptr, 2);
  kurs->NeueSetzung(1, 2, 1, r2);
  kurs->NeueSetzung(1, 1, 1, r2);
  kurs->NeueSetzung(1, 1, 2, r2);
  kurs->NeueSetzung(1, 1, 3, r1);
  kurs->NeueSetzung(1, 1, 4, nullptr);
  kurs->NeueSetzung(1, 1, 5, r1)->fFixiert = true;
  kurs->NeueSetzung(1, 1, 6, nullptr);
  anderer->NeueSetzung(1, 1, 6, r2);  // R2 ist dort besetzt
  r2->fSperrung.SetWocheTagStd(1, 1, 4, true);
  kurs->RaumAbgleich();
  EXPECT_EQ(kurs->SetzungFinden(1, 1, 3)->fRaum, r2);
  EXPECT_EQ(kurs->SetzungFinden(1, 1, 4)->fRaum, nullptr);  // gesperrt
  EXPECT_EQ(kurs->SetzungFinden(1, 1, 5)->fRaum, r1);       // fixiert
  EXPECT_EQ(kurs->SetzungFinden(1, 1, 6)->fRaum, nullptr);  // besetzt
  EXPECT_TRUE(BelegungenStimmen(s));

  // Gleichstand: der erste Raum der Liste; kein Raum aus der Liste benutzt: nichts.
  TKurs* gleich = Kurs(l3, fE, {}, {r1, r3}, nullptr, 2);
  gleich->NeueSetzung(1, 2, 1, r3);
  gleich->NeueSetzung(1, 2, 2, r1);
  gleich->RaumAbgleich();
  EXPECT_EQ(gleich->SetzungFinden(1, 2, 1)->fRaum, r1);
  TKurs* ohne = Kurs(l3, fE, {}, {r3}, nullptr, 1);
  ohne->NeueSetzung(1, 3, 1, nullptr);
  ohne->RaumAbgleich();
  EXPECT_EQ(ohne->SetzungFinden(1, 3, 1)->fRaum, nullptr);
  EXPECT_TRUE(BelegungenStimmen(s));
}
