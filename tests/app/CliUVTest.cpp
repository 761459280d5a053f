// tamrel-cli uvtabelle: Ausgabe wie "Kopieren" im Fenster der UV-Tabelle, Fehler der Argumente.
#include <gtest/gtest.h>

#include "TestUmgebung.h"
#include "app/CliAufruf.h"
#include "model/SchulUnit.h"
#include "persistence/SchulDateiHilfe.h"
#include "persistence/WriteUnit.h"

namespace {

// Fachtabelle "SI" mit 5a, 5b und D, M; KRÜ gibt D in 5a und 5b (gekoppelt in K1), SCH M in 5a.
class CliUVTest : public ::testing::Test {
 protected:
  CliUVTest() {
    TTestUmgebung u;
    TSchule& s = u.schule();
    TKlasse* k5a = s.HoleKlasse("5a");
    TKlasse* k5b = s.HoleKlasse("5b");
    TFach* d = s.HoleFach("D");
    TFach* m = s.HoleFach("M");
    TKurs* kd = TKurs::IKurs(s.HoleLehrer("KR\xDC"), k5a, s.HoleKopplung("K1"), d, nullptr, 4);
    kd->KlasseErgaenzen(k5b);
    TKurs::IKurs(s.HoleLehrer("SCH"), k5a, nullptr, m, nullptr, 5);
    s.HoleUVTab("LK");
    TUVTab* tab = s.HoleUVTab("SI");
    tab->fIstFach = true;
    tab->NeueKlasse(k5a);
    tab->NeueKlasse(k5b);
    tab->NeuesFach(d);
    tab->NeuesFach(m);
    std::string meldung;
    EXPECT_TRUE(WriteSchule(fDatei, s, meldung)) << meldung;
  }
  TTestOrdner fOrdner;
  const std::string fDatei = fOrdner / "schule.tmr";
};

TEST_F(CliUVTest, TabelleNachNummerUndKuerzel) {
  TAufruf a = Cli({"uvtabelle", fDatei, "2"});
  ASSERT_EQ(a.Code, 0) << a.Fehler;
  EXPECT_EQ(a.Aus,
            "\t\tD\t\tM\r\n"
            "5a\t 4.0\tK1\t 5.0\tSCH\r\n"
            "5b\t 4.0\tK1\t0\t\r\n");
  a = Cli({"uvtabelle", fDatei, "SI", "--schalter", "x"});
  ASSERT_EQ(a.Code, 0) << a.Fehler;
  EXPECT_EQ(a.Aus,
            "\t\tD\t\tM\r\n"
            "5a\t 4.0\tKRÜ\t 5.0\tSCH\r\n"
            "5b\t 4.0\tKRÜ\t0\t\r\n");
  // Eine leere Lehrertabelle: nur die Kopfzeile.
  a = Cli({"uvtabelle", fDatei, "1"});
  ASSERT_EQ(a.Code, 0) << a.Fehler;
  EXPECT_EQ(a.Aus, "\r\n");
}

TEST_F(CliUVTest, FalscheArgumenteUndFehler) {
  TAufruf a = Cli({"uvtabelle", fDatei, "3"});
  EXPECT_EQ(a.Code, 1);
  EXPECT_EQ(a.Fehler, "Die Schule hat keine UV-Tabelle 3.\n");
  EXPECT_EQ(Cli({"uvtabelle", fDatei}).Code, 2);
  EXPECT_EQ(Cli({"uvtabelle", fDatei, "1", "--schalter", "y"}).Code, 2);
  EXPECT_EQ(Cli({"uvtabelle", fDatei, "1", "--woche", "0"}).Code, 2);
  EXPECT_EQ(Cli({"uvtabelle", fDatei, "1", "--farbe"}).Code, 2);
  EXPECT_EQ(Cli({"uvtabelle", fDatei, "1", "--woche", "2"}).Code, 1);
  EXPECT_EQ(Cli({"uvtabelle", fOrdner / "fehlt.tmr", "1"}).Code, 1);
  EXPECT_NE(Cli({"--hilfe"}).Aus.find("uvtabelle DATEI NR|KÜRZEL"), std::string::npos);
}

}  // namespace
