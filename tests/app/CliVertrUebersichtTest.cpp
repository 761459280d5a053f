// tamrel-cli vertretungsuebersicht: dieselben Zeilen wie "Kopieren" in der Übersicht, Fehler der
// Argumente.
#include <gtest/gtest.h>

#include <algorithm>

#include "TestUmgebung.h"
#include "app/CliAufruf.h"
#include "model/DatumUnit.h"
#include "model/SchulUnit.h"
#include "persistence/SchulDateiHilfe.h"
#include "persistence/WriteUnit.h"
#include "substitution/FehlzeitUnit.h"

namespace {

// MUE fehlt am Mittwoch, 9.12.2026, in seiner 2. Stunde (D in 5a).
class CliVertrUebersichtTest : public ::testing::Test {
 protected:
  CliVertrUebersichtTest() {
    TTestUmgebung u;
    TSchule& s = u.schule();
    TRaum* r1 = s.HoleRaum("R1");
    TKurs* d =
        TKurs::IKurs(s.HoleLehrer("MUE"), s.HoleKlasse("5a"), nullptr, s.HoleFach("D"), r1, 2);
    d->NeueSetzung(1, 3, 2, r1);
    FehlzeitEintragen(d->fLehrer, DatumZuZahl(2026, 12, 9) + 0.5, StundenMaske(1, 6), "K");
    std::string meldung;
    EXPECT_TRUE(WriteSchule(fDatei, s, meldung)) << meldung;
  }
  TTestOrdner fOrdner;
  const std::string fDatei = fOrdner / "schule.tmr";
};

TEST_F(CliVertrUebersichtTest, LehrerUndKlassen) {
  TAufruf a = Cli({"vertretungsuebersicht", fDatei, "lehrer", "01.12.2026", "31.12.2026"});
  ASSERT_EQ(a.Code, 0) << a.Fehler;
  EXPECT_EQ(a.Aus.rfind("MUE\t09.12.2026\t 2\tfehlt (K)\t", 0), 0u) << a.Aus;
  EXPECT_EQ(a.Aus.substr(a.Aus.size() - 2), "\r\n");
  EXPECT_EQ(std::count(a.Aus.begin(), a.Aus.end(), '\n'), 1);
  a = Cli({"vertretungsuebersicht", fDatei, "klassen", "09.12.2026", "01.12.2026"});
  ASSERT_EQ(a.Code, 0) << a.Fehler;
  EXPECT_EQ(a.Aus.rfind("5a\t09.12.2026\t 2\tausgefallen (K)\t----\t", 0), 0u) << a.Aus;
  // Außerhalb des Zeitraums: nichts.
  EXPECT_EQ(Cli({"vertretungsuebersicht", fDatei, "lehrer", "10.12.2026", "31.12.2026"}).Aus, "");
}

TEST_F(CliVertrUebersichtTest, FalscheArgumente) {
  TAufruf a = Cli({"vertretungsuebersicht", fDatei, "raeume", "01.12.2026", "31.12.2026"});
  EXPECT_EQ(a.Code, 2);
  EXPECT_NE(a.Fehler.find("Die Art muss lehrer oder klassen sein: raeume"), std::string::npos);
  a = Cli({"vertretungsuebersicht", fDatei, "lehrer", "31.02.2026", "31.12.2026"});
  EXPECT_EQ(a.Code, 2);
  EXPECT_NE(a.Fehler.find("Ungültiges Datum: 31.02.2026"), std::string::npos);
  a = Cli({"vertretungsuebersicht", fOrdner / "fehlt.tmr", "lehrer", "01.12.2026", "31.12.2026"});
  EXPECT_EQ(a.Code, 1);
  EXPECT_FALSE(a.Fehler.empty());
}

}  // namespace
