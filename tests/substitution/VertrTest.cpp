// Der Tagesplan ohne Fenster: Zeilen, Zellen und Farben, Sortierung, "Ad hoc", Löschen mit
// Rückbuchung, Tage mit Uhrzeit, "Vertretung unnötig", Blättern; die Übersichten über einen
// Zeitraum mit Fortschritt; "Vertretene Stunden".
#include "VertretungHilfe.h"
#include "substitution/FehlUnit.h"
#include "substitution/VStatUnit.h"
#include "substitution/VStdUnit.h"
#include "substitution/VertrUnit.h"

namespace {

class VertrTest : public VertretungsTest {
 protected:
  VertrTest() {
    st.fMaxTageNeu = 5;
    // Mittwoch, 9.12.2026 (heute nach der Testuhr): MUE D 5a in der 2., SCH M 5a 5b in der 1.
    a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 4);
    a->fFaktor = 2;
    pa = a->NeueSetzung(1, 3, 2, r1);
    b = Kurs(l2, fM, {k5a, k5b}, {r2}, nullptr, 4);
    pb = b->NeueSetzung(1, 3, 1, r2);
    c = Kurs(l1, fE, {k5b}, {r3}, nullptr, 4);
    pc = c->NeueSetzung(1, 3, 4, r3);
    // KRA unterrichtet am Mittwoch in der 5. und kann so ohne Frage vertreten.
    Kurs(l3, fM, {k5b}, {r3}, nullptr, 4)->NeueSetzung(1, 3, 5, r3);
  }
  TDateTime Mi() const { return Tag(2); }
  std::vector<std::string> Spalte(const std::vector<TVertretung*>& z, int spalte) {
    std::vector<std::string> t;
    for (const TVertretung* v : z) t.push_back(VertrZelle(*v, spalte));
    return t;
  }
  TKurs *a, *b, *c;
  TSetzung *pa, *pb, *pc;
};

TEST_F(VertrTest, ZeilenZellenUndFarbenDesTages) {
  FehlzeitEintragen(l1, Mi(), StundenMaske(1, 6), "K");
  std::vector<TVertretung*> z = VertrZeilen(Mi(), false);
  ASSERT_EQ(z.size(), 2u);
  TVertretung* v = Von(pa, Mi());
  ASSERT_EQ(z[0], v);
  EXPECT_EQ(VertrZelle(*v, 1), st.fTagBez[3].str() + "  2");
  EXPECT_EQ(VertrZelle(*v, 2), "MUE");
  EXPECT_EQ(VertrZelle(*v, 3), "5a");
  EXPECT_EQ(VertrZelle(*v, 6), "R1");
  EXPECT_EQ(VertrZelle(*v, 7), "==>");
  EXPECT_EQ(VertrZelle(*v, 8), "?????");
  EXPECT_EQ(VertrZelle(*v, 9), "D");
  EXPECT_EQ(VertrZelle(*v, 10), "R1");
  // Neu angelegt ist sie heute ad hoc: rot, bis auf den fehlenden Vertreter in Spalte 2.
  EXPECT_TRUE(VertrAdHoc(*v));
  EXPECT_EQ(VertrZellFarbe(*v, 2), TVertrFarbe::Blau);
  EXPECT_EQ(VertrZellFarbe(*v, 8), TVertrFarbe::Rot);
  EXPECT_EQ(VertrMarke(*v), TVertrMarke::Keine);
  // Ein Vertreter mit eigener Stunde: SCH gibt seine 1. Stunde nicht; blau in Spalte 8.
  ASSERT_TRUE(v->TrageLehrerEin(l3, nullptr));
  EXPECT_EQ(VertrZelle(*v, 8), "KRA");
  EXPECT_EQ(VertrZellFarbe(*v, 8), TVertrFarbe::Blau);
  EXPECT_EQ(VertrZellFarbe(*v, 2), TVertrFarbe::Rot);
  s.SetDirty(false);
  VertrAdHoc({v}, false);
  EXPECT_TRUE(s.fDirty);
  EXPECT_EQ(v->fAdHoc, Heute() + 0.5 - 1000);
  EXPECT_EQ(VertrZellFarbe(*v, 2), TVertrFarbe::Schwarz);
  // Ausfall: überall "-----", Spalte 8 bis 10 blau.
  v->Frei();
  EXPECT_EQ(Spalte({v}, 8)[0] + Spalte({v}, 9)[0] + Spalte({v}, 10)[0], "---------------");
  EXPECT_EQ(VertrZellFarbe(*v, 9), TVertrFarbe::Blau);
  EXPECT_EQ(VertrZellFarbe(*v, 6), TVertrFarbe::Rot);  // ad hoc durch "Frei"
  // Fehlen alle Klassen, ist sie inaktiv: nur mit "inaktive Vertretungen", petrol.
  TVertretung* vc = Von(pc, Mi());
  FehlzeitEintragen(k5b, Mi(), StundenMaske(4, 4), "X");
  EXPECT_FALSE(vc->fGueltig);
  EXPECT_EQ(VertrZeilen(Mi(), false).size(), 1u);
  z = VertrZeilen(Mi(), true);
  ASSERT_EQ(z.size(), 2u);
  EXPECT_EQ(VertrZellFarbe(*vc, 2), TVertrFarbe::Petrol);
  EXPECT_FALSE(VertrZellFett(*vc, 3));
  EXPECT_FALSE(VertrZellFett(*vc, 7));
  EXPECT_TRUE(VertrZellFett(*v, 7));  // "Frei" schrieb eine Bemerkung
}

TEST_F(VertrTest, EinTagMitUhrzeitGiltAlsDerTag) {
  FehlzeitEintragen(l1, Mi(), StundenMaske(2, 2), "-");
  EXPECT_EQ(TagMittags(Mi() - 0.5 + 0.9), Mi());
  EXPECT_EQ(VertrZeilen(Mi() - 0.5 + 0.9, false).size(), 1u);
  EXPECT_EQ(VertrZeilen(Mi() - 0.5, false).size(), 1u);
  const TVertrZeitraum z = VertrZeitraum(Tag(4) + 0.2, Tag(1) - 0.4);
  EXPECT_EQ(z.Von, Tag(4));
  EXPECT_EQ(z.Bis, Tag(4));  // Ende vor dem Anfang: nur der Anfangstag
}

TEST_F(VertrTest, SortiertNachStundenErstLehrerDannRaeume) {
  FehlzeitEintragen(l1, Mi(), StundenMaske(2, 4), "-");  // a (2.) und c (4.)
  FehlzeitEintragen(r2, Mi(), StundenMaske(1, 1), "-");  // Raumwechsel für b (1.)
  Von(pc, Mi())->TrageLehrerEin(l3, nullptr);
  TVertretung* va = Von(pa, Mi());
  TVertretung* vb = Von(pb, Mi());
  TVertretung* vc = Von(pc, Mi());
  ASSERT_EQ(vb->fLehrer, l2);
  VertrSortieren(3);
  EXPECT_EQ(st.fVertrSortArt, 3);
  EXPECT_EQ(VertrZeilen(Mi(), false), (std::vector<TVertretung*>{va, vc, vb}));
  // "vertr. Lehrern/Räumen": ohne Vertreter zuerst, dann nach der Lehrerliste (SCH vor KRA).
  VertrSortieren(2);
  EXPECT_EQ(VertrZeilen(Mi(), false), (std::vector<TVertretung*>{va, vb, vc}));
  EXPECT_TRUE(VertretungenStimmen(s));
}

TEST_F(VertrTest, LoeschenImTagesplanBuchtDieGutschriftZurueck) {
  l3->VStunden3Waehlen(2026, 12);  // "Monatsstd." zeigt den Dezember
  FehlzeitEintragen(l1, Mi(), StundenMaske(2, 2), "-");
  TVertretung* v = Von(pa, Mi());
  ASSERT_TRUE(v->TrageLehrerEin(l3, nullptr));
  ASSERT_EQ(l3->fVStunden1, 2);
  ASSERT_EQ(l3->fVStunden3, 2);
  // "Nein" ist vorgewählt und lässt alles stehen.
  u.dialog.Antworte("Nein");
  EXPECT_FALSE(VertrLoeschenFragen(v));
  ASSERT_EQ(u.dialog.fProtokoll.size(), 1u);
  const auto& frage = u.dialog.fProtokoll[0];
  EXPECT_EQ(frage.Titel, "Vertretung löschen");
  EXPECT_EQ(frage.Zeilen.front(), "Soll die Vertretung");
  EXPECT_EQ(frage.Zeilen[1], U8(v->ZeitZeile(false)));
  EXPECT_EQ(frage.Zeilen.back(), "gelöscht werden?");
  EXPECT_EQ(frage.Knoepfe, (std::vector<std::string>{"Ja", "Nein"}));
  EXPECT_EQ(Anzahl(), 1);
  u.dialog.Antworte("Ja");
  s.SetDirty(false);
  EXPECT_TRUE(VertrLoeschenFragen(v));
  EXPECT_EQ(Anzahl(), 0);
  EXPECT_EQ(l3->fVStunden1, 0);
  EXPECT_EQ(l3->fVStunden2, 0);
  EXPECT_EQ(l3->fVStunden3, 0);
  EXPECT_TRUE(s.fDirty);
}

TEST_F(VertrTest, TageOhneUnterrichtUndBlaettern) {
  bool anderTag = true;
  EXPECT_TRUE(VertretungNoetig(Mi(), anderTag));
  EXPECT_FALSE(anderTag);
  EXPECT_TRUE(u.dialog.fProtokoll.empty());
  u.dialog.Antworte("Anderer Tag");
  EXPECT_FALSE(VertretungNoetig(Tag(5), anderTag));  // Samstag bei fünf Schultagen
  EXPECT_TRUE(anderTag);
  ASSERT_EQ(u.dialog.fProtokoll.size(), 1u);
  EXPECT_EQ(u.dialog.fProtokoll[0].Titel, "Vertretung unnötig");
  EXPECT_EQ(u.dialog.fProtokoll[0].Zeilen,
            (std::vector<std::string>{"Vertretung nicht nötig für", "Samstag, 12. Dezember 2026"}));
  EXPECT_EQ(u.dialog.fProtokoll[0].Knoepfe, (std::vector<std::string>{"Ok", "Anderer Tag"}));
  // Freitag vor, Montag ist Ferientag: Dienstag; zurück wieder Freitag.
  FerienAm(Tag(7));
  EXPECT_EQ(VertrBlaettern(Tag(4), 1), Tag(8));
  EXPECT_EQ(VertrBlaettern(Tag(8) + 0.3, -1), Tag(4));
  // An den Grenzen bleibt der Tag.
  const TDateTime erster = DatumZuZahl(1994, 1, 3) + 0.5;  // Montag
  EXPECT_EQ(VertrBlaettern(erster, -1), erster);
}

TEST_F(VertrTest, DatumsdialogeNehmenUngueltigeTageZurueck) {
  int t = 31, m = 2, j = 2027;
  EXPECT_EQ(VertrDatum(t, m, j), DatumZuZahl(2027, 2, 28) + 0.5);
  EXPECT_EQ(t, 28);
  t = 30, m = 2, j = 2028;
  EXPECT_EQ(VertrDatum(t, m, j), DatumZuZahl(2028, 2, 29) + 0.5);
}

TEST_F(VertrTest, SpaltenbreitenUndMenueDerAbwesenheiten) {
  const auto breite = [](const std::string& t) { return static_cast<int>(t.size()) * 7; };
  st.fDepLeBreite = 60;
  const std::array<int, 11> b = VertrSpaltenBreiten(Mi(), breite);
  EXPECT_EQ(b[0], st.fDepHoehe);
  st.fTagBez[3] = "Mittwoch";
  EXPECT_EQ(VertrSpaltenBreiten(Mi(), breite)[1], breite("Mittwoch    1"));
  EXPECT_EQ(b[2], 60);
  EXPECT_EQ(b[3], breite("Klasse "));
  EXPECT_EQ(b[10], breite("VRaum   "));
  FehlzeitEintragen(l2, Mi(), StundenMaske(1, 1), "-");
  FehlzeitEintragen(l1, Mi(), StundenMaske(2, 2), "-");
  FehlzeitEintragen(l3, Tag(3), StundenMaske(2, 2), "-");
  const TMenue m = VertrFehlMenue(leh, Mi());
  ASSERT_EQ(m.size(), 2u);
  EXPECT_EQ(m[0].Text, "MUE");  // nach der Lehrerliste geordnet
  EXPECT_EQ(m[1].Text, "SCH");
  EXPECT_EQ(static_cast<TFehl*>(m[1].Objekt)->fElement, l2);
  EXPECT_EQ(ElementSpaltenLaenge(48), 16);
  EXPECT_EQ(ElementSpaltenLaenge(300), 30);
}

TEST_F(VertrTest, LehrerUebersichtZaehltVertretungUndAusfall) {
  FehlzeitEintragen(l1, Mi(), StundenMaske(2, 2), "K");
  FehlzeitEintragen(k5b, Tag(3), StundenMaske(1, 6), "A");
  TSetzung* pb2 = b->NeueSetzung(1, 4, 3, r2);  // Do: 5a ist da, SCH unterrichtet
  TSetzung* pc2 = c->NeueSetzung(1, 4, 5, r3);  // Do: nur 5b, die fehlt
  c->fFaktor = 3;
  ASSERT_NE(pb2, nullptr);
  ASSERT_NE(pc2, nullptr);
  TVertretung* v = Von(pa, Mi());
  ASSERT_TRUE(v->TrageLehrerEin(l3, nullptr));
  // Außerhalb des Zeitraums.
  FehlzeitEintragen(l1, Tag(9), StundenMaske(2, 2), "-");
  const std::vector<TVStatZeile> z = VLeStatZeilen(Tag(0), Tag(4));
  ASSERT_EQ(z.size(), 3u);
  EXPECT_EQ(z[0].Zellen[0], "MUE");
  EXPECT_EQ(z[0].Zellen[1], "09.12.2026");
  EXPECT_EQ(z[0].Zellen[2], " 2");
  EXPECT_EQ(z[0].Zellen[3], "fehlt (K)");
  EXPECT_EQ(z[0].Zellen[4], StundenText(0));
  EXPECT_EQ(z[0].Zellen[5], U8(a->OhneRaumZeile()));
  EXPECT_EQ(z[0].Vertretung, v);
  // MUE fällt am Donnerstag in der 5. aus, weil 5b fehlt.
  EXPECT_EQ(z[1].Zellen[0], "MUE");
  EXPECT_EQ(z[1].Zellen[3], "ausgefallen");
  EXPECT_EQ(z[1].Zellen[4], StundenText(-3));
  EXPECT_EQ(z[1].Vertretung, nullptr);
  EXPECT_EQ(z[2].Zellen[0], "KRA");
  EXPECT_EQ(z[2].Zellen[3], "vertritt");
  EXPECT_EQ(z[2].Zellen[4], StundenText(2));
  // Der Monat von KRA: Spalte 4 summiert ist das Monatskonto.
  EXPECT_EQ(l3->MonatsStunden(2026, 12), 2);
  // Text für die Zwischenablage.
  EXPECT_EQ(VStatText(z, {2}), "KRA\t09.12.2026\t 2\tvertritt\t" + StundenText(2) + "\t" +
                                   U8(a->OhneRaumZeile()) + "\t\t\t" + U8(v->fLInfo.str()) +
                                   "\r\n");
  // Fortschritt im Meldungsfenster, Sanduhr wieder aus.
  ASSERT_FALSE(u.dialog.fMeldungsFenster.empty());
  EXPECT_EQ(u.dialog.fMeldungsFenster.front(), "Die Vertretungsübersicht wird angelegt.");
  EXPECT_EQ(u.dialog.fMeldungsFenster.back(), "Die Vertretungsübersicht wird angelegt. (100 %)");
  EXPECT_GE(u.dialog.fMeldungsFensterZu, 1);
  EXPECT_EQ(u.dialog.fBeschaeftigt, 0);
}

TEST_F(VertrTest, KlassenUebersichtMitFehlenderKlasse) {
  FehlzeitEintragen(l1, Mi(), StundenMaske(2, 2), "K");
  FehlzeitEintragen(k5b, Mi(), StundenMaske(1, 1), "A");
  const std::vector<TVStatZeile> z = VKlStatZeilen(Mi(), Mi());
  ASSERT_EQ(z.size(), 2u);
  EXPECT_EQ(z[0].Zellen[0], "5a");
  EXPECT_EQ(z[0].Zellen[3], "ausgefallen (K)");
  EXPECT_EQ(z[0].Zellen[4], "----");
  // 5b fehlt in ihrer ersten Stunde: "fehlt" mit dem Grund des Tages.
  EXPECT_EQ(z[1].Zellen[0], "5b");
  EXPECT_EQ(z[1].Zellen[2], " 1");
  EXPECT_EQ(z[1].Zellen[3], "fehlt (A)");
  EXPECT_EQ(z[1].Zellen[5], U8(b->OhneRaumZeile()));
  Von(pa, Mi())->TrageLehrerEin(l3, nullptr);
  EXPECT_EQ(VKlStatZeilen(Mi(), Mi())[0].Zellen[3], "vertritt (K)");
  EXPECT_EQ(VKlStatZeilen(Mi(), Mi())[0].Zellen[4], "KRA");
}

TEST(VertrFenster, HoeheRastetAufGanzeZeilenEin) {
  EXPECT_EQ(VertrEingerasteteHoehe(140 + 5 * 19 + 7, 19), 140 + 5 * 19);
  EXPECT_EQ(VertrEingerasteteHoehe(100, 19), 140 + 2 * 19);  // mindestens zwei Zeilen
}

TEST(VStatFenster, SchmalerWerdenEndetAnDerMindestbreite) {
  EXPECT_EQ(VStatFensterBreite(1000, 100, 1600, 200), 1000);
  EXPECT_EQ(VStatFensterBreite(1000, 700, 1600, 200), 900);
  // Links schon hinter dem Rand: nie schmaler als die Mindestbreite, und es endet.
  EXPECT_EQ(VStatFensterBreite(1000, 1700, 1600, 200), 200);
}

TEST_F(VertrTest, VertreteneStundenStellenUndRuecksetzen) {
  l1->fVStunden1 = 5;
  l2->fVStunden1 = -3;
  l2->fVStunden2 = 7;
  const std::vector<TVStdZeile> z = VStdZeilen(1);
  ASSERT_EQ(z.size(), 3u);
  EXPECT_EQ(z[1].Kuerzel, "SCH");
  EXPECT_EQ(z[1].Wert, StundenText(-3));
  s.SetDirty(false);
  VStdSchritt(*l2, 2, 1);
  EXPECT_EQ(l2->fVStunden2, 8);
  EXPECT_EQ(l2->fVStunden1, -3);
  EXPECT_TRUE(s.fDirty);
  // "Abbrechen" ändert nichts.
  s.SetDirty(false);
  u.dialog.Antworte("Abbrechen");
  EXPECT_FALSE(VStdRuecksetzen(l2, 1));
  EXPECT_EQ(l2->fVStunden1, -3);
  EXPECT_FALSE(s.fDirty);
  const auto& frage = u.dialog.fProtokoll.back();
  EXPECT_EQ(frage.Titel, "Rücksetzen");
  EXPECT_EQ(frage.Zeilen,
            (std::vector<std::string>{"Setze die vertretenen Stunden", "auf Null für ..."}));
  EXPECT_EQ(frage.Knoepfe, (std::vector<std::string>{"Abbrechen", "Alle Lehrer", "SCH"}));
  u.dialog.Antworte("SCH");
  EXPECT_TRUE(VStdRuecksetzen(l2, 1));
  EXPECT_EQ(l2->fVStunden1, 0);
  EXPECT_EQ(l1->fVStunden1, 5);
  EXPECT_EQ(l2->fVStunden2, 8);
  EXPECT_TRUE(s.fDirty);
  u.dialog.Antworte("Alle Lehrer");
  EXPECT_TRUE(VStdRuecksetzen(l2, 1));
  EXPECT_EQ(l1->fVStunden1, 0);
  EXPECT_EQ(l2->fVStunden2, 8);
}

}  // namespace
