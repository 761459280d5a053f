// Die Vertretungsseiten: Tagesübersicht, Seitenrahmen mit Scrollskript, Tagesordner und
// "HTML 4" mit ihren Fehlern.
#include <filesystem>
#include <fstream>
#include <iterator>

#include "output/HTMLStilUnit.h"
#include "output/VertrHTMLUnit.h"
#include "substitution/VertretungHilfe.h"

namespace fs = std::filesystem;

namespace {

class VertrHTMLTest : public VertretungsTest {
 protected:
  VertrHTMLTest() {
    st.fMaxTageNeu = 5;
    st.fSchulname = "Schule & <Co>";
    TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 4);
    TSetzung* p = a->NeueSetzung(1, 1, 1, r1);
    FehlzeitEintragen(l1, Tag(0), StundenMaske(1, 1), "K");
    Von(p, Tag(0))->fLehrer = l2;
    for (int i = 1; i <= 4; ++i) st.fVertrCheck[i] = true;
    fs::remove_all(fOrdner);
    fs::create_directories(fOrdner);
  }
  ~VertrHTMLTest() override {
    std::error_code ec;
    fs::remove_all(fOrdner, ec);
  }
  static std::string Lesen(const fs::path& p) {
    std::ifstream ein(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(ein), {}};
  }
  std::string Pfad(const std::string& name) const { return (fOrdner / name).string(); }

  const fs::path fOrdner =
      fs::temp_directory_path() /
      (std::string("vert_html_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
  std::vector<std::string> fMemo = {"Bitte beachten"};
};

// Die Übersicht eines Freitags führt zum Montag und zum Donnerstag; an Ferien vorbei zum
// nächsten Schultag; am Rand des Kalenders fällt der Verweis weg.
TEST_F(VertrHTMLTest, TagesUebersicht) {
  st.fVertrCSS = "a\"b.css";
  EXPECT_EQ(VertrIndexSeite(Tag(4), true),
            "<HTML>\r<HEAD>\r<TITLE>Vertretungsinformationssystem</TITLE>\r"
            "<link rel=\"stylesheet\" href=\"a&quot;b.css\" type=\"text/css\">\r</HEAD>\r<BODY>\r"
            "<H3>Schule &amp; &lt;Co&gt;</H3>\r<H3>Vertretungsinformationssystem</H3>\r\r"
            "&nbsp;\r<H2>Freitag, 11. Dez. 2026</H2>\r\r"
            "<H3><A HREF=\"vp.html\">Vertretungsplan</A></H3>\r"
            "<H3><A HREF=\"ep.html\">Ersatzraumplan</A></H3>\r"
            "<H3><A HREF=\"../Vertretung 14-12-2026/index.html\">Montag 14.12.2026</A></H3>\r"
            "<H3><A HREF=\"../Vertretung 10-12-2026/index.html\">Donnerstag 10.12.2026</A></H3>\r"
            "</BODY>\r</HTML>\r");
  FerienAm(Tag(7));
  EXPECT_NE(VertrIndexSeite(Tag(4), false).find("Vertretung 15-12-2026/index.html\">Dienstag"),
            std::string::npos);
  EXPECT_EQ(VertrIndexSeite(Tag(4), false).find("ep.html"), std::string::npos);
  const std::string rand = VertrIndexSeite(LetzterPlanTag(), false);
  EXPECT_EQ(rand.find("Vertretung 03-01-2040"), std::string::npos);
  EXPECT_NE(rand.find("Vertretung 30-12-2039"), std::string::npos);
}

// Der Rahmen der Vertretungsplanseite: Scrollskript, Leerzeilen, Überschrift mit KW,
// angehängter Ersatzraumplan, zurück-Verweis; nur CR als Zeilenende.
TEST_F(VertrHTMLTest, VertretungsplanSeite) {
  st.fVertrHTMLScrollen = true;
  st.fVertrLeerzeilen = 1;
  st.fVertrLaden = 2;
  const std::string s = VertrPlanSeite(Tag(0), fMemo, 1, true, true);
  EXPECT_EQ(s.find('\n'), std::string::npos);
  const std::string anfang =
      "<HTML>\r<HEAD>\r<meta http-equiv=\"content-type\" content=\"text/html; "
      "charset=ISO-8859-1\">\r<TITLE>Vertretungsplan</TITLE>\r"
      "<script type=\"text/javascript\">\r\r<!--\r";
  EXPECT_EQ(s.substr(0, anfang.size()), anfang);
  EXPECT_NE(s.find("\rvar zeitScrollen=5;\rvar zeitLaden=120000;\rvar SprungPixel=100;\r"),
            std::string::npos);
  EXPECT_NE(s.find("</script>\r<link rel=\"stylesheet\" href=\"tamrel.css\" type=\"text/css\">\r"
                   "</HEAD>\r<BODY onLoad=windowSize()><BR>\r\r<H3>Schule &amp; &lt;Co&gt;</H3>\r"
                   "<H3>Vertretungsplan f&uuml;r Montag, 07. Dez 2026  KW 50</H3>\r\r&nbsp;\r<HR>\r"
                   "Bitte beachten\r"),
            std::string::npos);
  EXPECT_NE(s.find("<HR>\r<H3>Ersatzraumplan f&uuml;r Montag, 07. Dez 2026  KW 50</H3>\r\r&nbsp;\r"
                   "<HR>\r"),
            std::string::npos);
  const std::string ende =
      "<HR>\r<P><A HREF=\"index.html\">zur&uuml;ck</A></P><BR>\r</BODY>\r</HTML>\r";
  EXPECT_EQ(s.substr(s.size() - ende.size()), ende);
  st.fVertrHTMLScrollen = false;
  const std::string ep = ErsatzraumSeite(Tag(0), fMemo, 1, false);
  EXPECT_NE(ep.find("<TITLE>Ersatzraumplan</TITLE>\r<link"), std::string::npos);
  EXPECT_NE(ep.find("</HEAD>\r<BODY><BR>\r\r<H3>Schule"), std::string::npos);
}

// Der Tagesordner: drei Seiten; noch einmal in denselben Ordner erst nach Rückfrage, dann
// ersetzt; ein Ordner, der nicht angelegt werden kann, wird genannt.
TEST_F(VertrHTMLTest, TagesordnerFragtUndErsetzt) {
  st.fVertrHTMLGemeinsam = false;
  const std::string ordner = Pfad("Vertretung 07-12-2026");
  const fs::path vorher = fs::current_path();
  std::vector<std::string> geschrieben;
  ASSERT_TRUE(VertretungsTagesordner(ordner, Tag(0), fMemo, 1, &geschrieben));
  EXPECT_EQ(geschrieben.size(), 4u);
  for (const char* n : {"index.html", "vp.html", "ep.html", "tamrel.css"})
    EXPECT_TRUE(fs::exists(fs::path(ordner) / n)) << n;
  EXPECT_NE(Lesen(fs::path(ordner) / "vp.html").find("Bitte beachten"), std::string::npos);
  EXPECT_EQ(fs::current_path(), vorher);
  fMemo = {"Neu"};
  u.dialog.Antworte("Abbrechen");
  EXPECT_FALSE(VertretungsTagesordner(ordner, Tag(0), fMemo, 1));
  EXPECT_NE(Lesen(fs::path(ordner) / "vp.html").find("Bitte beachten"), std::string::npos);
  u.dialog.Antworte("Ersetzen");
  st.fVertrHTMLGemeinsam = true;
  EXPECT_TRUE(VertretungsTagesordner(ordner, Tag(0), fMemo, 1));
  EXPECT_NE(Lesen(fs::path(ordner) / "vp.html").find("\rNeu\r"), std::string::npos);
  EXPECT_FALSE(fs::exists(fs::path(ordner) / "ep.html"));
  EXPECT_EQ(u.dialog.fProtokoll.size(), 2u);
  EXPECT_EQ(u.dialog.fProtokoll[0].Knoepfe, (std::vector<std::string>{"Ersetzen", "Abbrechen"}));
  // Kein Zwischenstand bleibt liegen.
  for (const auto& e : fs::directory_iterator(ordner))
    EXPECT_EQ(e.path().filename().string().find(".~"), std::string::npos);
  const std::string fehlt = Pfad("gibt/es/nicht");
  EXPECT_FALSE(VertretungsTagesordner(fehlt, Tag(0), fMemo, 1));
  EXPECT_EQ(u.dialog.fProtokoll.back().Text(),
            "Kann Verzeichnis nicht erstellen! (\u201E" + fehlt + "\u201C)");
}

// "HTML 4": ein fehlender Pfad wird gemeldet und nichts geschrieben; ein fehlender Ordner
// ebenso, ohne Erfolgsmeldung; sonst vier Dateien, der Folgetag für Einstellung 2.
TEST_F(VertrHTMLTest, Html4MeldetFehlendePfade) {
  for (int p = 1; p <= 4; ++p)
    st.fVDEinstellung[p].HTMLPfad = Pfad("p" + std::to_string(p) + ".html");
  st.fVDEinstellung[3].HTMLPfad.clear();
  EXPECT_FALSE(VertretungHtml4(Tag(4), fMemo));
  EXPECT_EQ(u.dialog.fProtokoll.back().Text(),
            "F\u00FCr die Druckeinstellung 3 ist kein Pfad zur HTML-Datei eingetragen.\n"
            "Es wurde keine Datei geschrieben.");
  st.fVDEinstellung[3].HTMLPfad = Pfad("fehlt/p3.html");
  EXPECT_FALSE(VertretungHtml4(Tag(4), fMemo));
  EXPECT_NE(u.dialog.fProtokoll.back().Text().find("fehlt"), std::string::npos);
  EXPECT_FALSE(fs::exists(Pfad("p1.html")));
  st.fVDEinstellung[3].HTMLPfad = Pfad("p3.html");
  st.fVDEinstellung[2].folgeTag = true;
  std::vector<std::string> geschrieben;
  EXPECT_TRUE(VertretungHtml4(Tag(4), fMemo, &geschrieben));
  EXPECT_EQ(geschrieben.size(), 5u);  // vier Seiten und die Stilvorlage in ihrem Ordner
  EXPECT_EQ(u.dialog.fProtokoll.back().Titel, "Fertig");
  EXPECT_EQ(u.dialog.fProtokoll.back().Text(), "Die 4 HTML-Dateien wurden exportiert.");
  EXPECT_NE(Lesen(Pfad("p1.html")).find("Freitag, 11. Dez 2026</H3>"), std::string::npos);
  EXPECT_NE(Lesen(Pfad("p2.html")).find("Montag, 14. Dez 2026</H3>"), std::string::npos);
  // Nicht alle angehakt: nur die Warnung.
  st.fVertrCheck[4] = false;
  EXPECT_FALSE(AlleVorgaben());
  EXPECT_EQ(u.dialog.fProtokoll.back().Titel, "HTML4Warnung");
  EXPECT_EQ(EinzigeVorgabe(), 0);
  EXPECT_EQ(
      u.dialog.fProtokoll.back().Text(),
      "F\u00FCr den HTML-Vertretungsplan\ndarf nur eine Druckeinstellung\nausgw\u00E4hlt sein.");
  st.fVertrCheck[1] = st.fVertrCheck[2] = false;
  EXPECT_EQ(EinzigeVorgabe(), 3);
}

// Zwei benachbarte Schultage nebeneinander exportiert: jeder Verweis ihrer Seiten führt zu einer
// Datei, außer denen zu Tagen, die nicht exportiert wurden.
TEST_F(VertrHTMLTest, VerweiseZwischenDenTagenFuehrenZuDateien) {
  st.fVertrHTMLGemeinsam = false;
  for (int tag : {4, 7})
    ASSERT_TRUE(VertretungsTagesordner(Pfad(TagesordnerName(Tag(tag))), Tag(tag), fMemo, 1));
  int gefunden = 0;
  for (const auto& e : fs::recursive_directory_iterator(fOrdner)) {
    if (e.path().extension() != ".html") continue;
    const std::string seite = Lesen(e.path());
    for (std::size_t a = seite.find("HREF=\""); a != std::string::npos;
         a = seite.find("HREF=\"", a + 1)) {
      const std::string ziel = seite.substr(a + 6, seite.find('"', a + 6) - a - 6);
      if (ziel.find("10-12-2026") != std::string::npos ||
          ziel.find("15-12-2026") != std::string::npos)
        continue;  // Donnerstag und Dienstag wurden nicht exportiert
      EXPECT_TRUE(fs::exists(e.path().parent_path() / ziel)) << e.path() << " -> " << ziel;
      ++gefunden;
    }
  }
  // Je Tag: index (vp, ep, ein Nachbartag) und die zurück-Verweise von vp und ep.
  EXPECT_EQ(gefunden, 10);
}

}  // namespace

// Die Vertretungsseiten bekommen die Stilvorlage wie die Planseiten: in den Ordner der Seiten,
// wenn sie dort fehlt, unter dem Namen aus fVertrCSS; eine vorhandene bleibt, und ein Pfad oder
// eine Adresse in fVertrCSS schreibt keine Datei.
TEST_F(VertrHTMLTest, StilvorlageNebenDenSeiten) {
  st.fVertrCSS = "schule.css";
  std::vector<std::string> geschrieben;
  ASSERT_TRUE(VertretungsDateien(Pfad("vp.html"), Pfad("ep.html"), Tag(0), fMemo, 1, &geschrieben));
  EXPECT_EQ(geschrieben.back(), Pfad("schule.css"));
  EXPECT_EQ(Lesen(Pfad("schule.css")), HTMLStilvorlage());
  EXPECT_NE(Lesen(Pfad("vp.html")).find("href=\"schule.css\""), std::string::npos);
  { std::ofstream(Pfad("schule.css"), std::ios::binary) << "/* eigene */"; }
  geschrieben.clear();
  ASSERT_TRUE(VertretungsDateien(Pfad("vp.html"), "", Tag(0), fMemo, 1, &geschrieben));
  EXPECT_EQ(geschrieben, std::vector<std::string>{Pfad("vp.html")});
  EXPECT_EQ(Lesen(Pfad("schule.css")), "/* eigene */");
  for (const char* css : {"../gemeinsam.css", "http://schule.de/a.css", "C:\\css\\a.css"}) {
    st.fVertrCSS = css;
    geschrieben.clear();
    ASSERT_TRUE(VertretungsDateien(Pfad("vp.html"), "", Tag(0), fMemo, 1, &geschrieben));
    EXPECT_EQ(geschrieben.size(), 1u) << css;
  }
  EXPECT_FALSE(fs::exists(fOrdner.parent_path() / "gemeinsam.css"));
}
