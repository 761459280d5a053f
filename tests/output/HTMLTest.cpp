// Das Planinformationssystem: die Seiten Byte für Byte für eine kleine Schule (mit Texten, die
// "<", "&" und '"' enthalten), die Listen, die Kurstabellen, der geschriebene Ordner mit allen
// Verweisen, die Rückfragen und Fehler.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>

#include "TestUmgebung.h"
#include "app/BeispielSchuleUnit.h"
#include "model/FachUnit.h"
#include "model/KlassenUnit.h"
#include "model/KopplUnit.h"
#include "model/KursUnit.h"
#include "model/LehrerUnit.h"
#include "model/RaumUnit.h"
#include "model/SchulUnit.h"
#include "output/HTMLStilUnit.h"
#include "output/HTMLUnit.h"
#include "persistence/SchulDateiHilfe.h"
#include "settings/StandardUnit.h"

namespace {
namespace fs = std::filesystem;

// Zeilen mit "\n" geschrieben, in der Datei mit CR.
std::string CR(std::string s) {
  std::replace(s.begin(), s.end(), '\n', '\r');
  return s;
}

const std::string kKopf =
    "<HTML>\n<HEAD>\n"
    "<meta http-equiv=\"content-type\" content=\"text/html; charset=ISO-8859-1\">\n";
const std::string kStil = "<link rel=\"stylesheet\" href=\"tamrel.css\" type=\"text/css\">\n";
const std::string kSchule = "<H1>Schule am See &amp; &quot;Park&quot; &lt;Nord&gt;</H1>\n";
const std::string kFrei = " <TD><DIV CLASS=\"Plan\">---</DIV></TD>\n";
const std::string kTage =
    "<TR>\n<TH><DIV CLASS=\"Titel\">*</DIV></TH>\n<TH><DIV CLASS=\"Titel\">Mo</DIV></TH>\n"
    "<TH><DIV CLASS=\"Titel\">Di</DIV></TH>\n<TH><DIV CLASS=\"Titel\">Mi</DIV></TH>\n"
    "<TH><DIV CLASS=\"Titel\">Do</DIV></TH>\n<TH><DIV CLASS=\"Titel\">Fr</DIV></TH>\n</TR>\n";
const std::string kKursKopf =
    "<TR>\n<TH><DIV CLASS=\"Titel\">Wert</DIV></TH>\n<TH><DIV CLASS=\"Titel\">Std.</DIV></TH>\n"
    "<TH><DIV CLASS=\"Titel\">Lehrer</DIV></TH>\n<TH><DIV CLASS=\"Titel\">Fach</DIV></TH>\n"
    "<TH><DIV CLASS=\"Titel\">Klassen</DIV></TH>\n<TH><DIV CLASS=\"Titel\">Kopplung</DIV></TH>\n"
    "<TH><DIV CLASS=\"Titel\">R&auml;ume</DIV></TH>\n</TR>\n";

std::string Zelle(const std::string& inhalt) {
  return "<TD><DIV CLASS=\"Plan\">\n" + inhalt + "\n</DIV></TD>\n";
}

// Fünf Tage, zwei Stunden, eine Planversion.
//   deutsch: MÜL D 5a 5b 5c, Räume R1 R2, 2 Stunden: Mo 1 in R1, Mi 2 ohne Raum
//   mathe:   SCH M 5a REL, Faktor 2, Raum R2, 1 Stunde: Mo 1 in R2 (5a hat dort zwei Kurse)
//   frei:    SCH M ohne Klasse und Raum, Di 2
struct THTMLSchule {
  TLehrer *mue, *sch;
  TKlasse *k5a, *k5b, *k5c;
  TRaum *r1, *r2;
  TKurs *deutsch, *mathe, *frei;
};

THTMLSchule BaueSchule() {
  TSchule& s = Schule();
  TStandard& st = Standard();
  st.fMaxTageNeu = 5;
  st.fPlnStd = 2;
  st.fStdBez[1][2] = "1/2";
  st.fSchulname = "Schule am See & \"Park\" <Nord>";
  THTMLSchule e{};
  e.mue = s.HoleLehrer("M\xDCL");
  e.mue->SetInfo("M\xFCller & <S\xF6hne>");
  e.sch = s.HoleLehrer("SCH");
  e.sch->SetInfo("Schmidt");
  e.k5a = s.HoleKlasse("5a");
  e.k5a->SetInfo("Klasse \"A\"");
  e.k5b = s.HoleKlasse("5b");
  e.k5b->SetInfo("5b");
  e.k5c = s.HoleKlasse("5c");
  e.k5c->SetInfo("\xA7 5 \xA5");
  TFach* d = s.HoleFach("D");
  d->SetInfo("Deutsch");
  TFach* m = s.HoleFach("M");
  m->SetInfo("Mathe");
  TKopplung* rel = s.HoleKopplung("REL");
  rel->SetInfo("Religion");
  e.r1 = s.HoleRaum("R1");
  e.r1->SetInfo("Raum 1");
  e.r2 = s.HoleRaum("R2");
  e.r2->SetInfo("Raum <2>");
  e.deutsch = TKurs::IKurs(e.mue, e.k5a, nullptr, d, e.r1, 2);
  e.deutsch->KlasseErgaenzen(e.k5b);
  e.deutsch->KlasseErgaenzen(e.k5c);
  e.deutsch->RaumErgaenzen(e.r2, false);
  e.deutsch->NeueSetzung(1, 1, 1, e.r1);
  e.deutsch->NeueSetzung(1, 3, 2, nullptr);
  e.mathe = TKurs::IKurs(e.sch, e.k5a, rel, m, e.r2, 1);
  e.mathe->fFaktor = 2;
  e.mathe->NeueSetzung(1, 1, 1, e.r2);
  e.frei = TKurs::IKurs(e.sch, nullptr, nullptr, m, nullptr, 1);
  e.frei->NeueSetzung(1, 2, 2, nullptr);
  return e;
}

std::string Inhalt(const fs::path& pfad) {
  std::ifstream ein(pfad, std::ios::binary);
  return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
}

// Alle Ziele von HREF="…" und href="…" einer Seite.
std::vector<std::string> Verweise(const std::string& seite) {
  std::vector<std::string> ziele;
  for (const std::string marke : {"HREF=\"", "href=\""})
    for (std::size_t p = seite.find(marke); p != std::string::npos; p = seite.find(marke, p + 1)) {
      const std::size_t a = p + marke.size();
      ziele.push_back(seite.substr(a, seite.find('"', a) - a));
    }
  return ziele;
}

class HTMLTest : public ::testing::Test {
 protected:
  TTestUmgebung u;
  THTMLSchule e = BaueSchule();
};

TEST(HTMLTextTest, ErsetztZeichenUndLaesstDenRest) {
  EXPECT_EQ(HTMLText("a&b<c>d\"e"), "a&amp;b&lt;c&gt;d&quot;e");
  // "&" zuerst: ein Text, der schon wie eine Entity aussieht, bleibt lesbar.
  EXPECT_EQ(HTMLText("&lt;"), "&amp;lt;");
  EXPECT_EQ(HTMLText("\xC4\xD6\xDC\xE4\xF6\xFC\xDF"),
            "&Auml;&Ouml;&Uuml;&auml;&ouml;&uuml;&szlig;");
  // § und ¥ gehen nie durch die Zeichentabelle der Schuldatei.
  EXPECT_EQ(HTMLText("\xA7 1 \xA5"), "&sect; 1 &yen;");
  EXPECT_EQ(HTMLText("caf\xE9 'x'"), "caf\xE9 'x'");
}

TEST_F(HTMLTest, StartseiteUndListen) {
  ASSERT_EQ(Schule().fLehrerMenge.ListeNrInhalt(1), e.mue);
  ASSERT_EQ(Schule().fRaumMenge.ListeNrInhalt(2), e.r2);
  EXPECT_EQ(HTMLIndexSeite(),
            CR(kKopf + "<TITLE>Planinformationssystem</TITLE>\n" + kStil + "</HEAD>\n" + kSchule +
               "<H1>Planinformationssytem</H1>\n&nbsp;\n"
               "<H2><A HREF=\"lpl.html\">Lehrerpl&auml;ne</A></H2>\n"
               "<H2><A HREF=\"kpl.html\">Klassenpl&auml;ne</A></H2>\n"
               "<H2><A HREF=\"rpl.html\">Raumpl&auml;ne</A></H2>\n"
               "<H2><A HREF=\"ko.html\">Kopplungsdaten</A></H2>\n"
               "<H2><A HREF=\"fa.html\">F&auml;cherdaten</A></H2>\n"
               "<H2><A HREF=\"ku.html\">Alle Kursdaten</A></H2>\n</BODY>\n</HTML>\n"));
  const std::string schluss =
      "</TABLE>\n<P><A HREF=\"index.html\">zur&uuml;ck</A></P>\n</BODY>\n</HTML>\n";
  // Lehrer: Kürzel und Info ohne Leerzeichen.
  EXPECT_EQ(HTMLListenSeite(leh),
            CR(kKopf + " <TITLE>Lehrerpl&auml;ne</TITLE>\n" + kStil + "</HEAD>\n" + kSchule +
               "<H1>Lehrerpl&auml;ne</H1>\n<TABLE>\n<TR>\n" +
               Zelle("<A HREF=\"lpl1.html\">M&Uuml;LM&uuml;ller &amp; &lt;S&ouml;hne&gt;</A>") +
               Zelle("<A HREF=\"lpl2.html\">SCHSchmidt</A>") + "</TR>\n" + schluss));
  // Räume: mit Leerzeichen.
  EXPECT_EQ(
      HTMLListenSeite(rau),
      CR(kKopf + " <TITLE>Raumpl&auml;ne</TITLE>\n" + kStil + "</HEAD>\n" + kSchule +
         "<H1>Raumpl&auml;ne</H1>\n<TABLE>\n<TR>\n" + Zelle("<A HREF=\"rpl1.html\">R1 Raum 1</A>") +
         Zelle("<A HREF=\"rpl2.html\">R2 Raum &lt;2&gt;</A>") + "</TR>\n" + schluss));
  EXPECT_NE(HTMLListenSeite(kla).find(CR(Zelle("<A HREF=\"kpl1.html\">5aKlasse &quot;A&quot;</A>") +
                                         Zelle("<A HREF=\"kpl2.html\">5b5b</A>") +
                                         Zelle("<A HREF=\"kpl3.html\">5c&sect; 5 &yen;</A>") +
                                         "</TR>\n")),
            std::string::npos);
}

TEST_F(HTMLTest, FuenfLehrerGebenZweiZeilenUndRundumNavigation) {
  for (const char* k : {"A", "B", "C"}) Schule().HoleLehrer(k);
  ASSERT_EQ(Schule().fLehrerMenge.size(), 5u);
  const std::string liste = HTMLListenSeite(leh);
  const std::string zellen = liste.substr(liste.find("<TABLE>\r"));
  std::string gerippe;  // nur die Zeilenmarken und Zellen
  for (std::size_t p = 0; p < zellen.size();) {
    const std::size_t ende = zellen.find('\r', p);
    const std::string z = zellen.substr(p, ende - p);
    if (z == "<TR>" || z == "</TR>" || z == "</TABLE>") gerippe += z;
    if (z.rfind("<A HREF=\"lpl", 0) == 0) gerippe += "Z";
    p = ende + 1;
  }
  EXPECT_EQ(gerippe, "<TR>ZZZZ</TR><TR>Z</TR></TABLE>");
  const std::string zurueck = "<A HREF=\"lpl.html\">zur&uuml;ck</A>";
  EXPECT_NE(HTMLElementSeite(leh, 1).find("<P><A HREF=\"lpl5.html\">&lt;---</A> " + zurueck +
                                          " <A HREF=\"lpl2.html\">---&gt;</A></P>\r"),
            std::string::npos);
  EXPECT_NE(HTMLElementSeite(leh, 5).find("<P><A HREF=\"lpl4.html\">&lt;---</A> " + zurueck +
                                          " <A HREF=\"lpl1.html\">---&gt;</A></P>\r"),
            std::string::npos);
  EXPECT_EQ(HTMLElementSeite(leh, 6), "");
}

TEST_F(HTMLTest, LehrerplanMitJederKlasseEinerZelle) {
  const std::string kurs = "<A HREF=\"kpl1.html\">5a</A> <A HREF=\"fa1.html\">D</A>";
  EXPECT_EQ(
      HTMLElementSeite(leh, 1),
      CR(kKopf + " <TITLE>Lehrerplan M&Uuml;L M&uuml;ller &amp; &lt;S&ouml;hne&gt;</TITLE>\n" +
         kStil + "</HEAD>\n<BODY>\n" + kSchule +
         "<H1>Lehrerplan M&Uuml;L M&uuml;ller &amp; &lt;S&ouml;hne&gt;</H1>\n<TABLE>\n" + kTage +
         "<TR>\n<TH><DIV CLASS=\"Titel\"> 1</DIV></TH>\n" +
         Zelle("<A HREF=\"kpl1.html\">5a</A> <A HREF=\"fa1.html\">D</A> "
               "<A HREF=\"rpl1.html\">R1</A>\n<BR>\n"
               "<A HREF=\"kpl2.html\">5b</A> <A HREF=\"fa1.html\">D</A> "
               "<A HREF=\"rpl1.html\">R1</A>\n<BR>\n"
               "<A HREF=\"kpl3.html\">5c</A> <A HREF=\"fa1.html\">D</A> "
               "<A HREF=\"rpl1.html\">R1</A>") +
         kFrei + kFrei + kFrei + kFrei + "</TR>\n<TR>\n<TH><DIV CLASS=\"Titel\">1/2</DIV></TH>\n" +
         kFrei + kFrei +
         Zelle("<A HREF=\"kpl1.html\">5a</A> <A HREF=\"fa1.html\">D</A>\n<BR>\n"
               "<A HREF=\"kpl2.html\">5b</A> <A HREF=\"fa1.html\">D</A>\n<BR>\n"
               "<A HREF=\"kpl3.html\">5c</A> <A HREF=\"fa1.html\">D</A>") +
         kFrei + kFrei + "</TR>\n</TABLE>\n" +
         "<P><A HREF=\"lpl2.html\">&lt;---</A> <A HREF=\"lpl.html\">zur&uuml;ck</A> "
         "<A HREF=\"lpl2.html\">---&gt;</A></P>\n</BODY>\n</HTML>\n"));
  // Ein Kurs ohne Klassen steht in einer Zeile; Kopplung vor Raum.
  const std::string sch = HTMLElementSeite(leh, 2);
  EXPECT_NE(sch.find(CR(Zelle("<A HREF=\"kpl1.html\">5a</A> <A HREF=\"fa2.html\">M</A> "
                              "<A HREF=\"ko1.html\">REL</A> <A HREF=\"rpl2.html\">R2</A>"))),
            std::string::npos);
  EXPECT_NE(sch.find("\r<TD><DIV CLASS=\"Plan\"> <A HREF=\"fa2.html\">M</A></DIV></TD>\r"),
            std::string::npos);
}

TEST_F(HTMLTest, KlassenUndRaumplan) {
  const std::string klasse = HTMLElementSeite(kla, 1);
  EXPECT_EQ(klasse.substr(0, klasse.find("<TABLE>")),
            CR(kKopf + " <TITLE>Klassenplan 5a Klasse &quot;A&quot;</TITLE>\n" + kStil +
               "</HEAD>\n<BODY>\n" + kSchule + "<H1>Klassenplan 5a Klasse &quot;A&quot;</H1>\n"));
  // Beide Kurse der Zelle in der Folge der Klasse, der zweite mit "<BR>".
  EXPECT_NE(klasse.find(CR("<TH><DIV CLASS=\"Titel\"> 1</DIV></TH>\n" +
                           Zelle(" <A HREF=\"lpl1.html\">M&Uuml;L</A> <A HREF=\"fa1.html\">D</A> "
                                 "<A HREF=\"rpl1.html\">R1</A>\n"
                                 "<BR> <A HREF=\"lpl2.html\">SCH</A> <A HREF=\"fa2.html\">M</A> "
                                 "<A HREF=\"ko1.html\">REL</A> <A HREF=\"rpl2.html\">R2</A>") +
                           kFrei)),
            std::string::npos);
  EXPECT_NE(klasse.find(CR(kFrei + kFrei +
                           Zelle(" <A HREF=\"lpl1.html\">M&Uuml;L</A> <A HREF=\"fa1.html\">D</A>") +
                           kFrei + kFrei + "</TR>\n</TABLE>\n")),
            std::string::npos);
  // Der Raum zeigt nur den Kurs, der in ihm liegt, ohne Raumverweis.
  const std::string raum = HTMLElementSeite(rau, 1);
  EXPECT_NE(raum.find(CR("<TH><DIV CLASS=\"Titel\"> 1</DIV></TH>\n" +
                         Zelle("<A HREF=\"kpl1.html\">5a</A> <A HREF=\"lpl1.html\">M&Uuml;L</A> "
                               "<A HREF=\"fa1.html\">D</A>\n<BR>\n"
                               "<A HREF=\"kpl2.html\">5b</A> <A HREF=\"lpl1.html\">M&Uuml;L</A> "
                               "<A HREF=\"fa1.html\">D</A>\n<BR>\n"
                               "<A HREF=\"kpl3.html\">5c</A> <A HREF=\"lpl1.html\">M&Uuml;L</A> "
                               "<A HREF=\"fa1.html\">D</A>") +
                         kFrei + kFrei + kFrei + kFrei + "</TR>\n")),
            std::string::npos);
  std::size_t frei = 0;
  for (std::size_t p = raum.find(CR(kFrei)); p != std::string::npos;
       p = raum.find(CR(kFrei), p + 1))
    ++frei;
  EXPECT_EQ(frei, 9u);
}

TEST_F(HTMLTest, KurstabellenAllerKurseUndDerKopplung) {
  ASSERT_EQ(Schule().fKursMenge.ListeNrInhalt(1), e.frei);
  ASSERT_EQ(Schule().fKursMenge.ListeNrInhalt(2), e.deutsch);
  const std::string frei = Zelle("1.0") + Zelle("1") + Zelle(" <A HREF=\"lpl2.html\">SCH</A>") +
                           Zelle(" <A HREF=\"fa2.html\">M</A>") + Zelle("---") + Zelle("---") +
                           Zelle("---");
  const std::string deutsch =
      Zelle("2.0") + Zelle("2") + Zelle(" <A HREF=\"lpl1.html\">M&Uuml;L</A>") +
      Zelle(" <A HREF=\"fa1.html\">D</A>") +
      Zelle(
          " <A HREF=\"kpl1.html\">5a</A> <BR> <A HREF=\"kpl2.html\">5b</A> <BR> "
          "<A HREF=\"kpl3.html\">5c</A>") +
      Zelle("---") +
      Zelle(" <A HREF=\"rpl1.html\"><B>R1</B></A> <BR> <A HREF=\"rpl2.html\">R2</A>");
  const std::string mathe =
      Zelle("2.0") + Zelle("1") + Zelle(" <A HREF=\"lpl2.html\">SCH</A>") +
      Zelle(" <A HREF=\"fa2.html\">M</A>") + Zelle(" <A HREF=\"kpl1.html\">5a</A>") +
      Zelle(" <A HREF=\"ko1.html\">REL</A>") + Zelle(" <A HREF=\"rpl2.html\"><B>R2</B></A>");
  EXPECT_EQ(HTMLKursSeite(),
            CR(kKopf + " <TITLE>Alle Kurse</TITLE>\n" + kStil + "</HEAD>\n" + kSchule +
               "<H1>Alle Kurse</H1>\n<TABLE>\n" + kKursKopf + "<TR>\n" + frei + "</TR>\n<TR>\n" +
               deutsch + "</TR>\n<TR>\n" + mathe + "</TR>\n</TABLE>\n" +
               "<P><A HREF=\"index.html\">zur&uuml;ck</A></P>\n</BODY>\n</HTML>\n"));
  EXPECT_EQ(HTMLElementSeite(kop, 1),
            CR(kKopf + " <TITLE>Kopplungsdaten REL Religion</TITLE>\n" + kStil +
               "</HEAD>\n<BODY>\n" + kSchule + "<H1>Kopplungsdaten REL Religion</H1>\n<TABLE>\n" +
               kKursKopf + "<TR>\n" + mathe + "</TR>\n</TABLE>\n" +
               "<P><A HREF=\"ko1.html\">&lt;---</A> <A HREF=\"ko.html\">zur&uuml;ck</A> "
               "<A HREF=\"ko1.html\">---&gt;</A></P>\n</BODY>\n</HTML>\n"));
  // Das Fach M hat beide Kurse des Fachs in seiner Folge.
  const std::string fach = HTMLElementSeite(fac, 2);
  EXPECT_NE(fach.find(CR(" <TITLE>Fachdaten M Mathe</TITLE>\n")), std::string::npos);
  EXPECT_NE(fach.find(CR(kKursKopf + "<TR>\n" + frei + "</TR>\n<TR>\n" + mathe + "</TR>\n")),
            std::string::npos);
}

TEST_F(HTMLTest, ZuLangeZellenVerlierenGanzeVerweise) {
  TKurs* gross = TKurs::IKurs(e.sch, nullptr, nullptr, nullptr, nullptr, 1);
  for (int i = 1; i <= 40; ++i)
    gross->KlasseErgaenzen(Schule().HoleKlasse("K" + std::to_string(i)));
  const std::string seite = HTMLKursSeite();
  const std::size_t a = seite.rfind('\r', seite.find(">K1</A>"));
  ASSERT_NE(a, std::string::npos);
  const std::string inhalt = seite.substr(a + 1, seite.find('\r', a + 1) - a - 1);
  EXPECT_LE(inhalt.size(), 255u);
  EXPECT_GT(inhalt.size(), 200u);
  EXPECT_EQ(inhalt.substr(inhalt.size() - 4), "</A>");
  const auto zahl = [&inhalt](const std::string& t) {
    std::size_t n = 0;
    for (std::size_t p = inhalt.find(t); p != std::string::npos; p = inhalt.find(t, p + 1)) ++n;
    return n;
  };
  EXPECT_EQ(zahl("<A HREF="), zahl("</A>"));
  EXPECT_LT(zahl("</A>"), 40u);
}

class TAnzeigeProtokoll : public THTMLAnzeige {
 public:
  void Ordner(const std::string& name) override { fText += "O:" + name + " "; }
  void ListeBeginn(int anzahl) override { fText += "L" + std::to_string(anzahl) + " "; }
  void Element(const std::string& kuerzel, int nr) override {
    fText += kuerzel + std::to_string(nr) + " ";
  }
  void Fortschritt(int nr) override { fText += "F" + std::to_string(nr) + " "; }
  std::string fText;
};

TEST_F(HTMLTest, DateienInIhrerFolgeMitAnzeige) {
  for (const char* k : {"A", "B", "C", "D"}) Schule().HoleLehrer(k);
  TAnzeigeProtokoll anzeige;
  THTMLExport ex(&anzeige);
  std::vector<std::string> namen;
  ex.Erzeugen([&](const std::string& name, const std::string&) { namen.push_back(name); });
  const std::vector<std::string> erwartet = {
      "index.html", "lpl.html",  "kpl.html",  "rpl.html",  "ko.html",   "fa.html",   "ku.html",
      "lpl1.html",  "lpl2.html", "lpl3.html", "lpl4.html", "lpl5.html", "lpl6.html", "kpl1.html",
      "kpl2.html",  "kpl3.html", "rpl1.html", "rpl2.html", "ko1.html",  "fa1.html",  "fa2.html"};
  EXPECT_EQ(namen, erwartet);
  EXPECT_EQ(anzeige.fText,
            "L6 M\xC3\x9CL1 SCH2 A3 B4 C5 F5 D6 L3 5a1 5b2 5c3 L2 R11 R22 L1 REL1 L2 D1 M2 ");
}

TEST(HTMLBeispielTest, JederVerweisDerBeispielschuleTrifftEineSeite) {
  TTestUmgebung u;
  ErzeugeBeispielSchule(Schule(), false);
  Standard().fMaxTageNeu = 5;
  Standard().fPlnStd = 10;
  std::map<std::string, std::string> seiten;
  THTMLExport().Erzeugen([&](const std::string& n, const std::string& b) { seiten[n] = b; });
  const TSchule& s = Schule();
  EXPECT_EQ(seiten.size(), 7 + s.fLehrerMenge.size() + s.fKlassenMenge.size() +
                               s.fRaumMenge.size() + s.fKopplMenge.size() + s.fFachMenge.size());
  std::size_t verweise = 0;
  for (const auto& [name, seite] : seiten) {
    EXPECT_EQ(seite.find('\n'), std::string::npos) << name;
    for (const std::string& ziel : Verweise(seite)) {
      ++verweise;
      EXPECT_TRUE(ziel == "tamrel.css" || seiten.count(ziel)) << name << " verweist auf " << ziel;
    }
  }
  EXPECT_GT(verweise, 10 * seiten.size());
}

class HTMLOrdnerTest : public HTMLTest {
 protected:
  TTestOrdner fOrdner;
  const fs::path fZiel = fOrdner.Pfad() / "HTML Ordner";
};

TEST_F(HTMLOrdnerTest, SchreibtAlleSeitenUndJederVerweisTrifft) {
  const fs::path vorher = fs::current_path();
  TAnzeigeProtokoll anzeige;
  THTMLExport ex(&anzeige);
  ASSERT_TRUE(ex.ExportToFile(fZiel.string()));
  EXPECT_EQ(fs::current_path(), vorher);
  EXPECT_TRUE(u.dialog.fProtokoll.empty());
  EXPECT_EQ(anzeige.fText.rfind("O:HTML Ordner ", 0), 0u);
  std::map<std::string, std::string> erwartet;
  ex.Erzeugen([&](const std::string& n, const std::string& b) { erwartet[n] = b; });
  std::set<std::string> dateien;
  for (const auto& d : fs::directory_iterator(fZiel)) dateien.insert(d.path().filename().string());
  EXPECT_EQ(dateien.size(), erwartet.size() + 1);
  EXPECT_EQ(ex.Dateien(), static_cast<int>(erwartet.size()) + 1);
  EXPECT_EQ(Inhalt(fZiel / "tamrel.css"), HTMLStilvorlage());
  for (const auto& [name, bytes] : erwartet) {
    const std::string seite = Inhalt(fZiel / name);
    EXPECT_EQ(seite, bytes) << name;
    EXPECT_EQ(seite.find('\n'), std::string::npos) << name;
    EXPECT_EQ(seite.back(), '\r') << name;
    for (const std::string& ziel : Verweise(seite))
      EXPECT_TRUE(dateien.count(ziel)) << name << " verweist auf " << ziel;
  }
}

TEST_F(HTMLOrdnerTest, VorhandenerOrdnerNurNachRueckfrageUndEigeneStilvorlageBleibt) {
  fs::create_directory(fZiel);
  std::ofstream(fZiel / "tamrel.css") << "body { color: red; }\n";
  u.dialog.Antworte("Nein");
  THTMLExport ex;
  EXPECT_FALSE(ex.ExportToFile(fZiel.string()));
  ASSERT_EQ(u.dialog.fProtokoll.size(), 1u);
  EXPECT_EQ(u.dialog.fProtokoll[0].Text(), "Der Ordner „" + fZiel.string() +
                                               "“ ist schon vorhanden.\n"
                                               "Sollen die Seiten darin ersetzt werden?");
  EXPECT_EQ(std::distance(fs::directory_iterator(fZiel), fs::directory_iterator()), 1);
  u.dialog.Antworte("Ja");
  EXPECT_TRUE(ex.ExportToFile(fZiel.string()));
  EXPECT_EQ(Inhalt(fZiel / "index.html"), HTMLIndexSeite());
  EXPECT_EQ(Inhalt(fZiel / "tamrel.css"), "body { color: red; }\n");
  EXPECT_EQ(ex.Dateien(), 17);  // ohne Stilvorlage
  // Mit "ersetzen" (tamrel-cli) ohne Rückfrage.
  EXPECT_TRUE(ex.ExportToFile(fZiel.string(), true));
  EXPECT_EQ(u.dialog.fProtokoll.size(), 2u);
}

// Ein Neuexport in den Ordner, nachdem ein Lehrer gegangen ist: seine Seite über der neuen Zahl
// verschwindet (sie verwiese auf Seiten, die es nicht mehr gibt), ebenso die einer gelöschten
// Klasse; fremde Dateien und Namen, die der Export nie schreibt, bleiben.
TEST_F(HTMLOrdnerTest, NeuexportMitWenigerLehrernEntferntDieAltenSeiten) {
  THTMLExport ex;
  ASSERT_TRUE(ex.ExportToFile(fZiel.string()));
  ASSERT_TRUE(fs::exists(fZiel / "lpl2.html"));
  ASSERT_TRUE(fs::exists(fZiel / "kpl3.html"));
  const std::vector<std::string> fremd = {"lpl2.html.bak", "lpl02.html", "lplx.html",
                                          "notizen.html",  "lpl.html~",  "ko9.htm"};
  for (const std::string& n : fremd) std::ofstream(fZiel / n) << "eigen";
  fs::create_directory(fZiel / "lpl7.html");  // ein Ordner mit dem Namen einer Seite
  Schule().ElementLoeschen(e.sch);
  Schule().ElementLoeschen(e.k5c);
  ASSERT_EQ(Schule().fLehrerMenge.size(), 1u);
  ASSERT_TRUE(ex.ExportToFile(fZiel.string(), true));
  EXPECT_TRUE(fs::exists(fZiel / "lpl1.html"));
  EXPECT_FALSE(fs::exists(fZiel / "lpl2.html"));
  EXPECT_TRUE(fs::exists(fZiel / "kpl2.html"));
  EXPECT_FALSE(fs::exists(fZiel / "kpl3.html"));
  for (const std::string& n : fremd) EXPECT_EQ(Inhalt(fZiel / n), "eigen") << n;
  EXPECT_TRUE(fs::is_directory(fZiel / "lpl7.html"));
  // Die Regel allein: nur eigene Namen über der Zahl ihrer Art.
  EXPECT_EQ(HTMLAlteSeiten({"lpl1.html", "lpl2.html", "lpl10.html", "kpl3.html", "ko1.html",
                            "fa99.html", "rpl0.html", "lpl2.htm", "xlpl2.html"}),
            (std::vector<std::string>{"lpl2.html", "lpl10.html", "kpl3.html", "fa99.html"}));
}

TEST_F(HTMLOrdnerTest, FehlerNennenOrdnerOderDatei) {
  THTMLExport ex;
  EXPECT_FALSE(ex.ExportToFile(""));
  EXPECT_FALSE(ex.ExportToFile((fOrdner.Pfad() / "fehlt" / "neu").string()));
  std::ofstream(fOrdner.Pfad() / "datei") << "x";
  EXPECT_FALSE(ex.ExportToFile((fOrdner.Pfad() / "datei").string()));
  ASSERT_EQ(u.dialog.fProtokoll.size(), 3u);
  EXPECT_EQ(u.dialog.fProtokoll[0].Text(),
            "Kann Verzeichnis nicht erstellen!\nEs ist kein Ordner angegeben.");
  EXPECT_EQ(u.dialog.fProtokoll[1].Text(), "Kann Verzeichnis nicht erstellen!\n„" +
                                               (fOrdner.Pfad() / "fehlt" / "neu").string() + "“");
  EXPECT_EQ(u.dialog.fProtokoll[2].Text(),
            "Kann Verzeichnis nicht erstellen!\n„" + (fOrdner.Pfad() / "datei").string() + "“");
  for (const auto& m : u.dialog.fProtokoll) {
    EXPECT_EQ(m.Titel, "Exportieren in HTML-Dateien");
    EXPECT_EQ(m.Art, TMeldungsArt::Warnung);
  }
  // Eine Seite, die nicht geschrieben werden kann, beendet den Export mit ihrem Namen.
  fs::create_directories(fZiel / "kpl2.html");
  EXPECT_FALSE(ex.ExportToFile(fZiel.string(), true));
  ASSERT_EQ(u.dialog.fProtokoll.size(), 4u);
  EXPECT_NE(u.dialog.fProtokoll[3].Text().find("„kpl2.html“"), std::string::npos);
  EXPECT_NE(u.dialog.fProtokoll[3].Text().find(fZiel.string()), std::string::npos);
  EXPECT_FALSE(fs::exists(fZiel / "tamrel.css"));
  EXPECT_EQ(ex.Dateien(), 10);  // die Seiten vor kpl2.html
}

}  // namespace
