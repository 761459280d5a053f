// Der Vertretungsplan und der Ersatzraumplan eines Tages: Text der Zwischenablage, HTML-Rumpf,
// Seitenaufbau des Drucks, Datum.
#include <algorithm>

#include "output/DruckVertrUnit.h"
#include "output/PrevPrinterUnit.h"
#include "substitution/VertretungHilfe.h"

namespace {

// Ein Montag mit vier Vertretungen:
//   va  MUE D 5a 5b R1, 1. Stunde: MUE fehlt, KRA vertritt in R1
//   vb  SCH M 5a R2, 2. Stunde: R2 fehlt, die Stunde geht nach R3 (nur Raumwechsel)
//   vc  SCH E 5b R1, 3. Stunde: SCH fehlt, die Stunde fällt aus
//   vd  MUE M ohne Klasse R3, 2. Stunde: MUE fehlt, noch offen
// Es fehlen drei Lehrer (MUE, SCH und BEC ohne Stunden) und der Raum R2.
class VertrDruckTest : public VertretungsTest {
 protected:
  VertrDruckTest() {
    for (int h = 1; h <= 16; ++h) st.fStdBez[1][h] = std::to_string(h) + ".";
    l1->fInfo = "M\xFCller";
    l2->fInfo = "Schmidt";
    l3->fInfo = "Kraus";
    l4 = s.HoleLehrer("BEC");
    l4->fInfo = "Becker";
    a = Kurs(l1, fD, {k5a, k5b}, {r1}, nullptr, 4);
    b = Kurs(l2, fM, {k5a}, {r2}, nullptr, 4);
    c = Kurs(l2, fE, {k5b}, {r1}, nullptr, 4);
    d = Kurs(l1, fM, {}, {r3}, nullptr, 4);
    TSetzung* pa = a->NeueSetzung(1, 1, 1, r1);
    TSetzung* pb = b->NeueSetzung(1, 1, 2, r2);
    TSetzung* pc = c->NeueSetzung(1, 1, 3, r1);
    TSetzung* pd = d->NeueSetzung(1, 1, 4, r3);
    FehlzeitEintragen(l1, Tag(0), StundenMaske(1, 4), "K");
    FehlzeitEintragen(l2, Tag(0), StundenMaske(3, 3), "F");
    FehlzeitEintragen(l4, Tag(0), StundenMaske(5, 6), "D");
    FehlzeitEintragen(r2, Tag(0), StundenMaske(2, 2), "-");
    va = Von(pa, Tag(0));
    vb = Von(pb, Tag(0));
    vc = Von(pc, Tag(0));
    vd = Von(pd, Tag(0));
    va->fLehrer = l3;
    vb->fRaum = r3;
    vc->fFrei = true;
    vc->fLehrer = nullptr;
    for (TVertretung* v : {va, vb, vc, vd}) {
      v->fSInfo = "";
      v->fLInfo = "";
    }
    va->fSInfo = "Buch mitbringen";
    va->fLInfo = "Kopien im Fach";
    for (int i = 1; i <= 4; ++i) st.fVertrCheck[i] = false;
    st.fVertrCheck[1] = true;
  }
  std::string Text(int p = 1) { return U8Zeilen(VertretungsplanText(Tag(0), fMemo, p)); }
  // CR LF als Zeilenende, für den Vergleich als LF.
  static std::string U8Zeilen(std::string s) {
    std::string aus;
    for (std::size_t i = 0; i < s.size(); ++i) {
      if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') continue;
      aus += s[i];
    }
    return aus;
  }
  static std::string CrZeilen(std::string s) {
    std::replace(s.begin(), s.end(), '\r', '\n');
    return s;
  }

  TLehrer* l4;
  TKurs *a, *b, *c, *d;
  TVertretung *va, *vb, *vc, *vd;
  std::vector<std::string> fMemo = {"Heute 3. Stunde Konferenz"};
};

// Zwischenablage, Einstellung 1 nach Klassen: ein Kurs mit zwei Klassen unter beiden, der
// Ausfall mit "-----", die offene Stunde ohne Klasse hinter den Klassen mit "?????", der reine
// Raumwechsel nur im Ersatzraumplan; drei fehlende Lehrer in zwei Zeilen.
TEST_F(VertrDruckTest, ZwischenablageNachKlassen) {
  EXPECT_EQ(Text(),
            "Vertretungsplan f\xC3\xBCr\n"
            "Montag, 7. Dez 2026\n"
            "Heute 3. Stunde Konferenz\n"
            "fehlende Lehrer:\n"
            "(K) M\xC3\xBCller\t1. - 4.\t(F) Schmidt\t3. - 3.\n"
            "(D) Becker\t5. - 6.\n"
            "fehlende R\xC3\xA4ume:\n"
            "(-) R2\t2. - 2.\n"
            "5a\n"
            "1.\tM\xC3\xBCller\t5a\tD\tR1\t==>\tKraus\t5a\tD\tR1\tBuch mitbringen\n"
            "5b\n"
            "1.\tM\xC3\xBCller\t5a\tD\tR1\t==>\tKraus\t5a\tD\tR1\tBuch mitbringen\n"
            "3.\tSchmidt\t5b\tE\tR1\t==>\t-----\t\n"
            "ohne Klasse\n"
            "4.\tM\xC3\xBCller\t\tM\tR3\t==>\t?????\t\n"
            "Ersatzraumplan f\xC3\xBCr\n"
            "Montag, 7. Dez 2026\n"
            "5a\n"
            "2.\tSchmidt\t5a\tM\tR2\t==>\tSchmidt\t5a\tM\tR3\t\n");
  // Fehlt 5b in der 1. Stunde, steht die Vertretung nur unter 5a; die Klasse wird gelistet.
  FehlzeitEintragen(k5b, Tag(0), StundenMaske(1, 1), "-");
  const std::string t = Text();
  EXPECT_NE(t.find("fehlende Klassen:\n(-) 5b\t1. - 1.\n"), std::string::npos) << t;
  EXPECT_NE(t.find("5b\n3.\tSchmidt"), std::string::npos) << t;
  EXPECT_EQ(t.find("5b\n1."), std::string::npos) << t;
  // Nichts angehakt: leerer Text.
  st.fVertrCheck[1] = false;
  EXPECT_EQ(Text(0), "");
}

// Die Gruppen nach vertretendem Lehrer (offene Stunden oben ohne Überschrift) und nach Stunden
// (ohne Stundenspalte); "nur Ad hoc" lässt ältere Einträge samt Überschrift weg.
TEST_F(VertrDruckTest, GruppenUndNurAdHoc) {
  VDEintrag& e = st.fVDEinstellung[2];
  e.DruckEP = e.mitAllgBem = e.mitFeLe = e.mitFeKl = e.mitFeRa = false;
  e.LehrerBez = 1;
  e.VPSortArt = 1;
  e.mitKW = true;
  EXPECT_EQ(Text(2),
            "Vertretungsplan f\xC3\xBCr\n"
            "Montag, 7. Dez 2026  KW 50\n"
            "4.\tMUE\t\tM\tR3\t==>\t?????\t\n"
            "3.\tSCH\t5b\tE\tR1\t==>\t-----\t\n"
            "KRA\n"
            "1.\tMUE\t5a\tD\tR1\t==>\tKRA\t5a\tD\tR1\tBuch mitbringen\n");
  e.VPSortArt = 3;
  e.BemArt = 1;
  EXPECT_EQ(Text(2).substr(Text(2).find("KW 50\n") + 6),
            "1.\nMUE\t5a\tD\tR1\t==>\tKRA\t5a\tD\tR1\tKopien im Fach\n"
            "3.\nSCH\t5b\tE\tR1\t==>\t-----\t\n"
            "4.\nMUE\t\tM\tR3\t==>\t?????\t\n");
  e.nurAdHoc = true;
  va->fAdHoc = Tag(-3);
  EXPECT_EQ(Text(2).find("KRA"), std::string::npos);
  EXPECT_NE(Text(2).find("3.\nSCH"), std::string::npos);
  // Der Ersatzraumplan nach fehlenden Räumen, gruppiert nach dem geplanten Raum.
  e.DruckVP = false;
  e.DruckEP = true;
  e.nurAdHoc = false;
  e.EPSortArt = 2;
  EXPECT_EQ(Text(2),
            "Ersatzraumplan f\xC3\xBCr\n"
            "Montag, 7. Dez 2026  KW 50\n"
            "R2\n"
            "2.\tSCH\t5a\tM\tR2\t==>\tSCH\t5a\tM\tR3\t\n");
}

// HTML-Rumpf: jeder Datentext maskiert, Ad-hoc-Marke, nach Stunden vier Zellen; "nur vertretene
// Stunden" lässt Ausfall und offene Stunde samt leerer Gruppe weg.
TEST_F(VertrDruckTest, HtmlRumpf) {
  l3->fInfo = "K & <Co> \"x\"";
  va->fSInfo = "\xA7 3 \xA5";
  vd->fAdHoc = Tag(-3);
  fMemo = {"A & B < C"};
  VDEintrag& e = st.fVDEinstellung[1];
  e.mitFeKl = e.mitFeRa = e.mitFehlGrund = false;
  e.VPSortArt = 3;
  const std::string vp = CrZeilen(VertretungsplanHtml(kVDHtmlVertretung, Tag(0), fMemo, 1, true));
  EXPECT_EQ(vp,
            "<HR>\nA &amp; B &lt; C\n<HR>\nfehlende Lehrer:\n<TABLE>\n<TR>\n"
            " <TD><DIV CLASS=\"Null\">M&uuml;ller</DIV></TD>\n"
            " <TD><DIV CLASS=\"Null\">1. - 4.</DIV></TD>\n"
            " <TD><DIV CLASS=\"Null\">Schmidt</DIV></TD>\n"
            " <TD><DIV CLASS=\"Null\">3. - 3.</DIV></TD>\n</TR>\n<TR>\n"
            " <TD><DIV CLASS=\"Null\">Becker</DIV></TD>\n"
            " <TD><DIV CLASS=\"Null\">5. - 6.</DIV></TD>\n</TR>\n</TABLE>\n<HR>\n<TABLE>\n<TR>\n"
            " <TH COLSPAN=5><DIV CLASS=\"Titel\">1.</DIV></TH>\n</TR>\n<TR>\n"
            " <TD><DIV CLASS=\"Zwei\"><DIV CLASS=\"Adhoc\">M&uuml;ller 5a D R1</DIV></DIV></TD>\n"
            " <TD><DIV CLASS=\"Drei\"><DIV CLASS=\"Adhoc\">==&gt;</DIV></DIV></TD>\n"
            " <TD><DIV CLASS=\"Vier\"><DIV CLASS=\"Adhoc\">K &amp; &lt;Co&gt; &quot;x&quot; 5a D "
            "R1</DIV></DIV></TD>\n"
            " <TD><DIV CLASS=\"Fuenf\"><DIV CLASS=\"Adhoc\">&sect; 3 &yen;</DIV></DIV></TD>\n"
            "</TR>\n</TABLE>\n");
  EXPECT_EQ(vp.find('\n') + 1, vp.find("A &amp;"));
  // Ohne "nur vertretene Stunden" stehen Ausfall und offene Stunde (ohne Marke) da; die
  // Ersatzraumseite hat keine Fehllisten und nur ihre Zeilen.
  const std::string alle = VertretungsplanHtml(kVDHtmlVertretung, Tag(0), fMemo, 1, false);
  EXPECT_NE(alle.find("\"Vier\"><DIV CLASS=\"Adhoc\">-----<"), std::string::npos);
  EXPECT_NE(alle.find(" <TD><DIV CLASS=\"Vier\">?????"
                      "</DIV></TD>"),
            std::string::npos);
  const std::string ep = VertretungsplanHtml(kVDHtmlErsatzraum, Tag(0), fMemo, 1, false);
  EXPECT_EQ(ep.find("fehlende"), std::string::npos);
  EXPECT_NE(ep.find("M R3</DIV></DIV></TD>"), std::string::npos);
  EXPECT_EQ(ep.find("Kraus"), std::string::npos);
}

// Der Druck auf aufgezeichneten Seiten: keine Zeile läuft über das Blatt, auch nicht in einer
// langen Liste fehlender Lehrer; die neue Seite hat Kopf, Titel und wieder die Überschrift.
TEST_F(VertrDruckTest, SeitenumbruchAuchInDerFehlliste) {
  st.fVertrDruckFont.Groesse = 200;  // Zeilenhöhe 204, Zeichen 100 breit
  for (int i = 0; i < 50; ++i) {
    TLehrer* l = s.HoleLehrer("L" + std::to_string(i));
    FehlzeitEintragen(l, Tag(0), StundenMaske(1, 1), "-");
  }
  TPrevPrinter p(A4Masse(600), u.metrik);
  const int seiten = DruckeVertretungsplan(p, Tag(0), fMemo, 1);
  ASSERT_GE(seiten, 2);
  const int h = 204;
  for (int n = 1; n <= seiten; ++n) {
    std::vector<std::string> texte;
    for (const TZeichenBefehl& b : p.Seite(n))
      if (b.Art == TZeichenArt::Text) {
        EXPECT_LE(b.Y1 + h, p.PageSize().Y) << "Seite " << n << ": " << b.Text;
        texte.push_back(b.Text);
      }
    ASSERT_GE(texte.size(), 3u);
    EXPECT_EQ(texte[0].substr(texte[0].size() - 7), "Seite " + std::to_string(n));
    EXPECT_TRUE(texte[2] == "Vertretungsplan f\xC3\xBCr" || texte[2] == "Ersatzraumplan f\xC3\xBCr")
        << texte[2];
    const auto pfeil = std::find(texte.begin(), texte.end(), "==>");
    if (n == seiten) {
      ASSERT_NE(pfeil, texte.end());
      // Vor der ersten Zeile der Seite steht die Überschrift ihrer Klasse.
      EXPECT_TRUE(std::find(texte.begin(), pfeil, "5a") != pfeil ||
                  std::find(texte.begin(), pfeil, "5b") != pfeil ||
                  std::find(texte.begin(), pfeil, "ohne Klasse") != pfeil);
    }
  }
}

// Ad hoc rot mit "mitFarbe", sonst kursiv; die Bemerkung "darunter" beginnt unter dem
// Vertretungsteil; das Datum steht fett im Rahmen.
TEST_F(VertrDruckTest, AdHocFarbeUndBemerkungDarunter) {
  VDEintrag& e = st.fVDEinstellung[1];
  e.BemPos = 1;
  vc->fAdHoc = Tag(-3);
  auto befehl = [](const TPrevPrinter& p, const std::string& text) {
    for (const TZeichenBefehl& b : p.Seite(1))
      if (b.Art == TZeichenArt::Text && b.Text == text) return b;
    ADD_FAILURE() << text;
    return TZeichenBefehl{};
  };
  TPrevPrinter p(A4Masse(600), u.metrik);
  DruckeVertretungsplan(p, Tag(0), fMemo, 1);
  const TZeichenBefehl kraus = befehl(p, "Kraus"), bem = befehl(p, "Buch mitbringen");
  EXPECT_EQ(kraus.Farbe, 0x0000FFu);
  EXPECT_FALSE(kraus.Schrift.Kursiv);
  EXPECT_EQ(befehl(p, "-----").Farbe, clBlack);
  EXPECT_EQ(bem.X1, kraus.X1);
  EXPECT_GT(bem.Y1, kraus.Y1);
  const TZeichenBefehl datum = befehl(p, "Montag, 7. Dez 2026");
  EXPECT_TRUE(datum.Schrift.Fett);
  const bool gerahmt = std::any_of(p.Seite(1).begin(), p.Seite(1).end(), [&](auto& b) {
    return b.Art == TZeichenArt::Rechteck && b.X1 == datum.X1 - 20 && b.Y1 < datum.Y1;
  });
  EXPECT_TRUE(gerahmt);
  e.mitFarbe = false;
  TPrevPrinter q(A4Masse(600), u.metrik);
  DruckeVertretungsplan(q, Tag(0), fMemo, 1);
  const TZeichenBefehl kursiv = befehl(q, "Kraus");
  EXPECT_EQ(kursiv.Farbe, clBlack);
  EXPECT_TRUE(kursiv.Schrift.Kursiv);
  // Keine Einstellung angehakt: eine leere Seite.
  st.fVertrCheck[1] = false;
  TPrevPrinter leer(A4Masse(600), u.metrik);
  EXPECT_EQ(DruckeVertretungsplan(leer, Tag(0), fMemo, 0), 1);
  EXPECT_TRUE(leer.Seite(1).empty());
}

// Das Datum des Plans bleibt der Tag, auch wenn es mittags übergeben wird; das Blättern
// überspringt Wochenende und Ferien, bleibt in 1994–2040 und steht, wenn kein Schultag kommt.
TEST_F(VertrDruckTest, DatumUndBlaettern) {
  EXPECT_EQ(PlanDatum(Tag(0)), Tag(0));
  EXPECT_EQ(PlanDatum(Tag(0) - 0.5), Tag(0));
  st.fMaxTageNeu = 5;
  EXPECT_EQ(VDDatumSchritt(Tag(4), 1), Tag(7));
  EXPECT_EQ(VDDatumSchritt(Tag(7), -1), Tag(4));
  FerienAm(Tag(7));
  EXPECT_EQ(VDDatumSchritt(Tag(4), 1), Tag(8));
  EXPECT_EQ(VDDatumSchritt(Tag(0), 0), Tag(1));
  EXPECT_EQ(VDDatumSchritt(LetzterPlanTag(), 1), LetzterPlanTag());
  EXPECT_EQ(VDDatumSchritt(ErsterPlanTag(), -1), ErsterPlanTag());
  // Ein Kalender nur aus Ferien: das Datum bleibt stehen.
  for (int w = 0; w <= 887; ++w) st.fFerien[w] = 0x7F;
  EXPECT_EQ(VDDatumSchritt(Tag(4), 1), Tag(4));
  EXPECT_EQ(VDDatumSchritt(Tag(4), -1), Tag(4));
  EXPECT_EQ(VDDatumText(Tag(2)), "Mittwoch, 9. Dez 2026");
}

}  // namespace
