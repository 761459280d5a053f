// "Pläne löschen" mit seinen Bleiberegeln und Bereichen, und das Aufräumen der Raumlisten.
#include "PlanHilfe.h"
#include "planning/PlLoeschUnit.h"

namespace {

class PlLoeschTest : public PlanTest {
 protected:
  PlLoeschTest() {
    st.fMaxTageNeu = 5;
    zellen.SetWocheTagStd(st.fAktuelleWoche, 1, 1, true);
  }
  TWochBereich zellen;
};

TEST_F(PlLoeschTest, BleibeRegelnFixiertEineWocheKopplung) {
  ZweiWochen();
  zellen = TWochBereich(2);
  zellen.SetWocheTagStd(1, 1, 1, true);
  TKurs* a = Kurs(l1, fD, {k5a}, {}, nullptr, 2);
  a->NeueSetzung(1, 1, 1, nullptr);
  a->NeueSetzung(2, 1, 1, nullptr)->fFixiert = true;
  a->NeueSetzung(1, 1, 2, nullptr);  // nicht markiert
  st.fPlLoeFixNicht = true;
  PlaeneLoeschen(zellen, 0, nullptr, nullptr);
  EXPECT_FALSE(a->SetzungFinden(1, 1, 1));
  EXPECT_TRUE(a->SetzungFinden(2, 1, 1));
  EXPECT_TRUE(a->SetzungFinden(1, 1, 2));
  EXPECT_EQ(u.dialog.fMeldungsFenster, (std::vector<std::string>{"Die Pläne werden gelöscht."}));

  // Im Ein-Wochen-Betrieb nur die aktuelle Woche.
  st.fPlLoeFixNicht = false;
  a->NeueSetzung(1, 1, 1, nullptr);
  st.fEineWoche = true;
  st.fAktuelleWoche = 2;
  zellen.SetWocheTagStd(2, 1, 1, true);
  PlaeneLoeschen(zellen, 0, nullptr, nullptr);
  EXPECT_TRUE(a->SetzungFinden(1, 1, 1));
  EXPECT_FALSE(a->SetzungFinden(2, 1, 1));

  // "für Kopplungen" ohne "mit Kopplungen" löscht nichts.
  TKurs* b = Kurs(l2, fM, {k5b}, {}, g, 1);
  b->NeueSetzung(2, 1, 1, nullptr);
  st.fPlLoeMitKopp = false;
  PlaeneLoeschen(zellen, 3, g, g);
  EXPECT_TRUE(b->SetzungFinden(2, 1, 1));
  st.fPlLoeMitKopp = true;
  PlaeneLoeschen(zellen, 3, g, g);
  EXPECT_FALSE(b->SetzungFinden(2, 1, 1));
  EXPECT_TRUE(BelegungenStimmen(s));
}

TEST_F(PlLoeschTest, BereichVonBisInListenfolge) {
  TKurs* a = Kurs(l1, fD, {k5a}, {}, nullptr, 1);
  TKurs* b = Kurs(l2, fD, {k5a}, {}, nullptr, 1);
  TKurs* c = Kurs(l3, fD, {k5b}, {}, nullptr, 1);
  for (TKurs* k : {a, b, c}) k->NeueSetzung(1, 1, 1, nullptr);
  // Listenfolge der Lehrer: MUE, SCH, KRA.
  EXPECT_EQ(ErstesElement(1), l1);
  EXPECT_EQ(LetztesElement(1), l3);
  EXPECT_EQ(VonWahl(1, l3, l2), l2);  // hinter "bis": "bis"
  EXPECT_EQ(VonWahl(1, l1, l2), l1);
  EXPECT_EQ(BisWahl(1, l1, l2), l2);  // vor "von": "von"
  EXPECT_EQ(PlLoeschKurse(1, l1, l2), (std::vector<TKurs*>{a, b}));
  // Ein Kurs zweier Klassen kommt je Klasse.
  a->KlasseErgaenzen(k5b);
  EXPECT_EQ(PlLoeschKurse(2, k5a, k5b).size(), 4u);
  EXPECT_TRUE(PlLoeschKurse(3, nullptr, nullptr).empty());
  EXPECT_EQ(ErstesElement(0), nullptr);
  PlaeneLoeschen(zellen, 1, l1, l2);
  EXPECT_TRUE(a->fSetzungen.empty() && b->fSetzungen.empty());
  EXPECT_EQ(c->fSetzungen.size(), 1u);
}

TEST_F(PlLoeschTest, UnbelegteRaeume) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1, r2}, nullptr, 1);
  TKurs* b = Kurs(l2, fM, {k5b}, {r3}, nullptr, 1);
  a->NeueSetzung(1, 1, 1, r1);
  u.dialog.Antworte("Abbrechen");
  EXPECT_FALSE(UnbelegteRaeumeLoeschen());
  EXPECT_EQ(a->fRaeume.size(), 2u);
  ASSERT_EQ(u.dialog.fProtokoll.size(), 1u);
  EXPECT_EQ(u.dialog.fProtokoll[0].Titel, "Warnung");
  EXPECT_EQ(u.dialog.fProtokoll[0].Zeilen,
            (std::vector<std::string>{"Lösche in allen Deputaten", "diejenigen Räume, die in den",
                                      "Plänen nicht benutzt wurden."}));
  EXPECT_EQ(u.dialog.fProtokoll[0].Knoepfe, (std::vector<std::string>{"Ok", "Abbrechen"}));
  u.dialog.Antworte("Ok");
  EXPECT_TRUE(UnbelegteRaeumeLoeschen());
  EXPECT_EQ(a->fRaeume.Kopie(), (std::vector<TRaum*>{r1}));
  EXPECT_TRUE(b->fRaeume.empty());
  EXPECT_TRUE(r3->fKurse.empty() && r2->fKurse.empty());
  EXPECT_EQ(u.dialog.fMeldungsFenster.back(), "Die unverplanten Räume werden gelöscht.");
}

TEST_F(PlLoeschTest, ErgaenzteRaeumeEinmalUndLeer) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 2);
  a->NeueSetzung(1, 1, 2, nullptr);
  a->RaumAenderung(r2, 1, 1, 2);
  ASSERT_TRUE(a->fRaumErgaenzt.ListeElemEnthalten(r2));
  // Ein Raum, der in der Ergänzungsliste steht, aber nicht bei den Räumen des Kurses.
  a->fRaumErgaenzt.ListeAnhaengen(r3);
  u.dialog.Antworte("Ok");
  EXPECT_TRUE(ErgaenzteRaeumeLoeschen());
  EXPECT_TRUE(a->fRaumErgaenzt.empty());
  EXPECT_EQ(a->fRaeume.Kopie(), (std::vector<TRaum*>{r1}));
  EXPECT_EQ(a->SetzungFinden(1, 1, 2)->fRaum, nullptr);
  EXPECT_EQ(u.dialog.fProtokoll[0].Zeilen.size(), 4u);
  EXPECT_TRUE(BelegungenStimmen(s));
}

}  // namespace
