// tamrel-cli uebersicht: Ausgabe wie "Kopieren" im Übersichtsfenster, Fehler der Argumente.
#include <gtest/gtest.h>

#include <algorithm>

#include "TestUmgebung.h"
#include "app/CliAufruf.h"
#include "model/SchulUnit.h"
#include "persistence/SchulDateiHilfe.h"
#include "persistence/WriteUnit.h"

namespace {

// KRÜ gibt Deutsch in 5a (Mo 1 in R1, Di 2), SCH Mathematik in 5a (Mo 2 ohne Raum).
class CliUebersichtTest : public ::testing::Test {
 protected:
  CliUebersichtTest() {
    TTestUmgebung u;
    TSchule& s = u.schule();
    TKlasse* k5a = s.HoleKlasse("5a");
    TRaum* r1 = s.HoleRaum("R1");
    TKurs* d = TKurs::IKurs(s.HoleLehrer("KR\xDC"), k5a, nullptr, s.HoleFach("D"), r1, 2);
    d->NeueSetzung(1, 1, 1, r1);
    d->NeueSetzung(1, 2, 2, r1);
    TKurs* m = TKurs::IKurs(s.HoleLehrer("SCH"), k5a, nullptr, s.HoleFach("M"), nullptr, 1);
    m->NeueSetzung(1, 1, 2, nullptr);
    std::string meldung;
    EXPECT_TRUE(WriteSchule(fDatei, s, meldung)) << meldung;
  }
  TTestOrdner fOrdner;
  const std::string fDatei = fOrdner / "schule.tmr";
};

TEST_F(CliUebersichtTest, LehrerUndRaeume) {
  TAufruf a = Cli({"uebersicht", fDatei, "lehrer", "--tage", "5"});
  ASSERT_EQ(a.Code, 0) << a.Fehler;
  EXPECT_EQ(a.Aus.rfind(std::string("\tKRÜ\tSCH\r\n"
                                    "Mo  1\t5a D R1\t---\r\n"
                                    "Mo  2\t---\t5a M\r\n"),
                        0),
            0u);
  // 5 Tage × 6 Stunden und die Kopfzeile.
  EXPECT_EQ(std::count(a.Aus.begin(), a.Aus.end(), '\n'), 31);
  EXPECT_NE(a.Aus.find("Di  2\t5a D R1\t---\r\n"), std::string::npos);
  // Ohne --tage die sieben Tage der Vorgaben, mit --stunden weniger Stunden.
  EXPECT_EQ(std::count_if(a.Aus.begin(), a.Aus.end(), [](char c) { return c == '\n'; }), 31);
  a = Cli({"uebersicht", fDatei, "lehrer", "--stunden", "2"});
  EXPECT_EQ(std::count(a.Aus.begin(), a.Aus.end(), '\n'), 15);
  a = Cli({"uebersicht", fDatei, "raeume", "--woche", "1"});
  ASSERT_EQ(a.Code, 0) << a.Fehler;
  EXPECT_EQ(a.Aus.rfind(std::string("\tR1\r\nMo  1\tKRÜ 5a D\r\n"), 0), 0u);
}

TEST_F(CliUebersichtTest, FalscheArgumenteUndFehler) {
  TAufruf a = Cli({"uebersicht", fDatei, "faecher"});
  EXPECT_EQ(a.Code, 2);
  EXPECT_NE(a.Fehler.find("Die Art muss lehrer, klassen oder raeume sein: faecher"),
            std::string::npos);
  EXPECT_EQ(Cli({"uebersicht", fDatei}).Code, 2);
  EXPECT_EQ(Cli({"uebersicht", fDatei, "lehrer", "--woche", "x"}).Code, 2);
  a = Cli({"uebersicht", fDatei, "klassen", "--woche", "2"});
  EXPECT_EQ(a.Code, 1);
  EXPECT_EQ(a.Fehler, "Die Schule hat nur 1 Planversion.\n");
  EXPECT_EQ(Cli({"uebersicht", fOrdner / "fehlt.tmr", "lehrer"}).Code, 1);
  EXPECT_NE(Cli({"--hilfe"}).Aus.find("uebersicht DATEI lehrer|klassen|raeume"), std::string::npos);
}

}  // namespace
