// Texte der Vertretungen (Zeit, Kurs, Druckteile, Exportzeile) und die vier Ordnungen der Liste.
#include "VertretungHilfe.h"

namespace {

TEST_F(VertretungsTest, ExportzeileMitAllenFeldernUndOhneVerschobeneSpalten) {
  TKurs* a = Kurs(l1, fD, {k5a, k5b}, {r1}, nullptr, 4);
  l1->fInfo = "M\xFCller";
  fD->fInfo = "Deutsch";
  st.fStdBez[1][3] = "3.";
  TSetzung* p = a->NeueSetzung(1, 1, 3, r1);
  FehlzeitEintragen(l1, Tag(0), StundenMaske(3, 3), "K");
  TVertretung* v = Von(p, Tag(0));
  v->fLInfo = "a;b\r\nc";
  v->fSInfo = "frei";
  EXPECT_EQ(v->ExportString(),
            "20261207;Montag;1;3.;3;MUE;M\xFCller;-;-;R1;;R1;;D;Deutsch;D;Deutsch;a,b  c;frei;K;"
            "5a,5b");
  k5b->SetKuerzel("5;b");
  EXPECT_EQ(v->ExportString().substr(v->ExportString().rfind(';')), ";5a,5,b");
  // Ohne Grund bleibt das Feld leer.
  TKurs* c = Kurs(l2, fM, {k5a}, {}, nullptr, 4);
  Abwesend(r2, Tag(0), 1, 1);
  c->NeueSetzung(1, 1, 1, r2);
  const std::string zeile = Von(c->fSetzungen[0], Tag(0))->ExportString();
  EXPECT_NE(zeile.find(";SCH;;SCH;;R2;;-;-;M;;M;;;;;5a"), std::string::npos) << zeile;
}

TEST_F(VertretungsTest, DruckteileNachVoreinstellung) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, g, 4);
  l1->fInfo = "M\xFCller";
  TSetzung* p = a->NeueSetzung(1, 1, 3, r1);
  Abwesend(l1, Tag(0), 3, 3);
  TVertretung* v = Von(p, Tag(0));
  u.dialog.Antworte("Ja");
  v->TrageLehrerEin(l3, nullptr);
  v->fRaum = r2;
  VDEintrag& e = st.fVDEinstellung[2];
  e.LehrerBez = 1;
  EXPECT_EQ(v->OriginalString(2, 0), "MUE G1 D R1");
  EXPECT_EQ(v->VertretungsString(2, 0), "KRA G1 D R2");
  e.mitKop = false;
  e.LehrerBez = 0;
  EXPECT_EQ(v->OriginalString(2, 1), "M\xFCller");
  EXPECT_EQ(v->OriginalString(2, 2), "5a");
  e.mitFaRechts = false;
  e.mitLeRechts = false;
  EXPECT_EQ(v->VertretungsString(2, 0), "5a R2");
  EXPECT_EQ(v->VertretungsTabString(2), "\t5a\t\tR2");
  EXPECT_EQ(v->OriginalString(2, 9), "R1");
}

TEST_F(VertretungsTest, VierOrdnungenUndEineFolgerichtigeZweite) {
  TKurs* a = Kurs(l1, fD, {k5b}, {r1}, nullptr, 4);
  TKurs* b = Kurs(l2, fM, {k5a}, {r2}, nullptr, 4);
  TSetzung* pa = a->NeueSetzung(1, 1, 2, r1);
  TSetzung* pb = b->NeueSetzung(1, 1, 3, r2);
  Abwesend(l1, Tag(0), 2, 2);
  Abwesend(r2, Tag(0), 3, 3);
  Abwesend(l1, Tag(7), 1, 16);
  TVertretung* va = Von(pa, Tag(0));              // Lehrervertretung, 5b, 2. Stunde
  TVertretung* vb = Von(pb, Tag(0));              // Raumwechsel, 5a, 3. Stunde
  EXPECT_LT(VertretungsVergleich(0, va, vb), 0);  // Lehrervertretungen zuerst
  EXPECT_LT(VertretungsVergleich(3, va, vb), 0);
  EXPECT_LT(VertretungsVergleich(2, va, vb), 0);  // ohne Vertreter zuerst
  // Gleiche Art: die erste Klasse vor der Stunde.
  vb->fLehrer = nullptr;
  EXPECT_GT(VertretungsVergleich(0, va, vb), 0);
  EXPECT_LT(VertretungsVergleich(3, va, vb), 0);
  // Zwei ausfallende Stunden ohne Vertreter sind gleich, in beiden Richtungen.
  va->fFrei = vb->fFrei = true;
  EXPECT_EQ(VertretungsVergleich(2, va, vb), 0);
  EXPECT_EQ(VertretungsVergleich(2, vb, va), 0);
  vb->fFrei = false;
  EXPECT_GT(VertretungsVergleich(2, va, vb), 0);
  EXPECT_LT(VertretungsVergleich(2, vb, va), 0);
  // Ein späterer Tag steht immer dahinter; die Liste ist nach jeder Ordnung geordnet.
  for (int art = 0; art <= 3; ++art) {
    st.fVertrSortArt = art;
    VertretungenSortieren(s);
    EXPECT_TRUE(VertretungenStimmen(s)) << "Ordnung " << art;
    EXPECT_EQ(s.fVertretungsMenge[s.fVertretungsMenge.size() - 1]->fDatum, Tag(7));
  }
}

TEST_F(VertretungsTest, ZeitUndKurszeileAlsBemerkung) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 4);
  TKurs* b = Kurs(l2, fM, {k5a}, {r2}, nullptr, 4);
  TSetzung* pa = a->NeueSetzung(1, 1, 3, r1);
  TSetzung* pb = b->NeueSetzung(1, 1, 4, r2);
  Abwesend(l1, Tag(0), 3, 3);
  TVertretung* va = Von(pa, Tag(0));
  EXPECT_EQ(va->ZeitZeile(false), "Mo, 7. Dez   3");
  EXPECT_EQ(va->KursZeile(false), a->OhneRaumKlKoZeile() + " R1");
  TStatt statt{l2, b, pb, Tag(0)};
  va->TrageLehrerEin(l2, &statt);
  TVertretung* vb = Von(pb, Tag(0));
  ASSERT_NE(vb, nullptr);
  // Am selben Tag, andere Stunde: nur die Stunde; dieselbe einzige Klasse: keine Kurszeile.
  EXPECT_EQ(vb->ZeitZeile(true), " 4");
  EXPECT_EQ(vb->KursZeile(true), "");
  st.fVBemAuto = false;
  va->FuelleBemerkung();
  EXPECT_EQ(va->fLInfo.str(), "");
}

}  // namespace
