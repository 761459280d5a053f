// tamrel-cli vertretungsplan und html --vertretung: derselbe Text wie die Zwischenablage, die
// Seiten des Tages, falsche Argumente.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "TestUmgebung.h"
#include "app/CliAufruf.h"
#include "model/DatumUnit.h"
#include "model/SchulUnit.h"
#include "persistence/WriteUnit.h"
#include "substitution/FehlzeitUnit.h"
#include "substitution/KalenderUnit.h"
#include "substitution/VertretungUnit.h"

namespace fs = std::filesystem;

namespace {

class CliVertrPlanTest : public ::testing::Test {
 protected:
  CliVertrPlanTest() {
    // Ein Montag nach der Systemuhr: vergangene Abwesenheiten verfallen beim Lesen.
    TSystemUhr uhr;
    fMontag = std::floor(uhr.Jetzt()) + 7.5;
    while (WochenTag(fMontag) != 1) fMontag += 1;
    TTestUmgebung u;
    TSchule& s = u.schule();
    TLehrer* mue = s.HoleLehrer("MUE");
    mue->fInfo = "M\xFCller & Co";
    TKurs* d = TKurs::IKurs(mue, s.HoleKlasse("5a"), nullptr, s.HoleFach("D"), s.HoleRaum("R1"), 4);
    TSetzung* p = d->NeueSetzung(1, 1, 3, s.HoleRaum("R1"));
    FehlzeitEintragen(mue, fMontag, StundenMaske(3, 3), "K");
    TLehrer* kra = s.HoleLehrer("KRA");
    kra->fInfo = "Kraus";
    p->VertretungFinden(fMontag)->fLehrer = kra;
    std::string meldung;
    EXPECT_TRUE(WriteSchule(fDatei, s, meldung)) << meldung;
    fs::create_directories(fOrdner);
  }
  ~CliVertrPlanTest() override {
    std::error_code f;
    fs::remove(fDatei, f);
    fs::remove_all(fOrdner, f);
  }
  std::string Datum() const { return Win1252ZuUtf8(DatumText(fMontag, "dd.mm.yyyy")); }
  static std::string Name() {
    return std::string("cli_vertrplan_") +
           ::testing::UnitTest::GetInstance()->current_test_info()->name();
  }
  TDateTime fMontag = 0;
  const std::string fDatei = (fs::temp_directory_path() / (Name() + ".tmr")).string();
  const fs::path fOrdner = fs::temp_directory_path() / Name();
};

TEST_F(CliVertrPlanTest, TextWieZwischenablage) {
  const TAufruf a = Cli({"vertretungsplan", fDatei, Datum(), "--vorgabe", "2"});
  ASSERT_EQ(a.Code, 0) << a.Fehler;
  const std::string tag = Win1252ZuUtf8(DatumText(fMontag, "dddd, d. mmm yyyy"));
  EXPECT_EQ(a.Aus, "Vertretungsplan für\r\n" + tag +
                       "\r\nfehlende Lehrer:\r\n(K) Müller & Co\t 3 -  3\r\n5a\r\n"
                       " 3\tMüller & Co\t5a\tD\tR1\t==>\tKraus\t5a\tD\tR1\t\r\n"
                       "Ersatzraumplan für\r\n" +
                       tag + "\r\n");
  EXPECT_EQ(Cli({"vertretungsplan", fDatei, "31.02.2026"}).Code, 2);
  EXPECT_EQ(Cli({"vertretungsplan", fDatei, Datum(), "--vorgabe", "5"}).Code, 2);
  EXPECT_EQ(Cli({"vertretungsplan", fDatei + ".fehlt", Datum()}).Code, 1);
}

TEST_F(CliVertrPlanTest, HtmlSeitenDesTages) {
  // Wie "als HTML-Datei": ohne --vorgabe muss genau eine Einstellung angehakt sein (die
  // Vorgaben haken alle vier an).
  const TAufruf vier = Cli({"html", fDatei, fOrdner.string(), "--vertretung", Datum()});
  EXPECT_EQ(vier.Code, 1);
  EXPECT_EQ(vier.Fehler,
            "Meldung: Für den HTML-Vertretungsplan darf nur eine Druckeinstellung "
            "ausgwählt sein.\n");
  const TAufruf a = Cli({"html", fDatei, fOrdner.string(), "--vertretung", Datum(), "--tagesordner",
                         "--vorgabe", "1"});
  ASSERT_EQ(a.Code, 0) << a.Fehler;
  const fs::path tag = fOrdner / ("Vertretung " + DatumText(fMontag, "dd-mm-yyyy"));
  // Mit der Stilvorlage der Seiten, wie bei den Planseiten.
  EXPECT_EQ(a.Aus, (tag / "index.html").string() + "\n" + (tag / "vp.html").string() + "\n" +
                       (tag / "ep.html").string() + "\n" + (tag / "tamrel.css").string() + "\n");
  EXPECT_GT(fs::file_size(tag / "vp.html"), 0u);
  // Noch einmal: der Tagesordner wird ersetzt (die Frage steht auf der Fehlerausgabe).
  const TAufruf b = Cli({"html", fDatei, fOrdner.string(), "--vertretung", Datum(), "--tagesordner",
                         "--vorgabe", "1"});
  EXPECT_EQ(b.Code, 0) << b.Fehler;
  EXPECT_NE(b.Fehler.find("[Ersetzen]"), std::string::npos);
  EXPECT_EQ(Cli({"html", fDatei, (fOrdner / "fehlt").string(), "--vertretung", Datum()}).Code, 1);
  EXPECT_EQ(Cli({"html", fDatei, fOrdner.string(), "--vertretung"}).Code, 2);
}

}  // namespace
