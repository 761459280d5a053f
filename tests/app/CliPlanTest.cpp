// tamrel-cli plan: Argumente, Fehler, Ausgabe.
#include <gtest/gtest.h>

#include <sstream>

#include "TestUmgebung.h"
#include "app/CliAufruf.h"
#include "app/CliPlanUnit.h"
#include "app/CliUnit.h"
#include "model/SchulUnit.h"
#include "persistence/SchulDateiHilfe.h"
#include "persistence/WriteUnit.h"
#include "settings/StandardUnit.h"

namespace {
using Args = std::vector<std::string>;

// Eine Schule mit zwei Planversionen: KRÜ gibt Deutsch in 5a (Mo 1 in R1, Woche 2 Di 8) und ist
// mit SCH in der Kopplung REL.
class CliPlanTest : public ::testing::Test {
 protected:
  CliPlanTest() {
    TTestUmgebung u;
    TSchule& s = u.schule();
    s.VersionErweitern(2);
    TLehrer* kru = s.HoleLehrer("KR\xDC");
    TKlasse* k5a = s.HoleKlasse("5a");
    TRaum* r1 = s.HoleRaum("R1");
    TKurs* d = TKurs::IKurs(kru, k5a, nullptr, s.HoleFach("D"), r1, 4);
    d->fStunden.SetWochenStunde(0, 4);
    d->NeueSetzung(1, 1, 1, r1);
    d->NeueSetzung(2, 2, 8, r1);
    TKopplung* rel = s.HoleKopplung("REL");
    TKurs* er = TKurs::IKurs(kru, k5a, rel, s.HoleFach("ER"), nullptr, 1);
    TKurs* kr = TKurs::IKurs(s.HoleLehrer("SCH"), k5a, rel, s.HoleFach("KR"), nullptr, 1);
    er->NeueSetzung(1, 3, 2, nullptr);
    kr->NeueSetzung(1, 3, 2, nullptr);
    std::string meldung;
    EXPECT_TRUE(WriteSchule(fDatei, s, meldung)) << meldung;
  }
  TTestOrdner fOrdner;
  const std::string fDatei = fOrdner / "schule.tmr";
};

TEST_F(CliPlanTest, KlassenplanDerErstenWoche) {
  const TAufruf a = Cli({"plan", fDatei, "klasse", "5a", "--stunden", "3", "--tage", "5"});
  EXPECT_EQ(a.Code, 0) << a.Fehler;
  EXPECT_EQ(a.Aus,
            "\tMo\tDi\tMi\tDo\tFr\r\n"
            " 1\tKRÜ D R1\t---\t---\t---\t---\r\n"
            " 2\t---\t---\tREL KR\t---\t---\r\n"
            " 3\t---\t---\t---\t---\t---\r\n");
  EXPECT_TRUE(a.Fehler.empty());
  const TAufruf x = Cli({"plan", fDatei, "klasse", "5a", "--stunden", "3", "--schalter", "x",
                         "--tage", "7", "--kopplungen"});
  EXPECT_EQ(x.Code, 0) << x.Fehler;
  EXPECT_EQ(x.Aus,
            "\tMo\tDi\tMi\tDo\tFr\tSa\tSo\r\n"
            " 1\tKRÜ D R1\t---\t---\t---\t---\t---\t---\r\n"
            " 2\t---\t---\tREL ER\t---\t---\t---\t---\r\n"
            "\t\t\tREL KR\t\t\t\t\r\n"
            " 3\t---\t---\t---\t---\t---\t---\t---\r\n");
}

// Ohne Optionen gilt das Raster der Einstellungen wie im Planfenster: ohne Einstellungen die
// Vorgaben des ersten Programmstarts (sieben Tage, sechs Stunden), die Stunde in der 8. Stunde
// fehlt also wie im Fenster; --stunden zeigt sie.
TEST_F(CliPlanTest, OhneOptionenDasRasterDerEinstellungen) {
  const TAufruf a = Cli({"plan", fDatei, "lehrer", "KRÜ", "--woche", "2"});
  EXPECT_EQ(a.Code, 0) << a.Fehler;
  EXPECT_EQ(a.Aus.find("5a D R1"), std::string::npos) << a.Aus;
  EXPECT_EQ(a.Aus.rfind("\tMo\tDi\tMi\tDo\tFr\tSa\tSo\r\n", 0), 0u) << a.Aus;
  EXPECT_EQ(std::count(a.Aus.begin(), a.Aus.end(), '\n'), 7);
  const TAufruf acht = Cli({"plan", fDatei, "lehrer", "KRÜ", "--woche", "2", "--stunden", "8"});
  EXPECT_NE(acht.Aus.find(" 8\t---\t5a D R1\t---\t---\t---\t---\t---\r\n"), std::string::npos)
      << acht.Aus;
  // Raumplan der ersten Woche: Lehrer, Klasse, Fach.
  const TAufruf r = Cli({"plan", fDatei, "raum", "R1", "--stunden", "1", "--tage", "5"});
  EXPECT_EQ(r.Aus, "\tMo\tDi\tMi\tDo\tFr\r\n 1\tKRÜ 5a D\t---\t---\t---\t---\r\n");
}

TEST_F(CliPlanTest, FalscheArgumente) {
  for (const Args& args :
       {Args{"plan"}, Args{"plan", fDatei, "klasse"}, Args{"plan", fDatei, "kurs", "5a"},
        Args{"plan", fDatei, "klasse", "5a", "--woche"},
        Args{"plan", fDatei, "klasse", "5a", "--woche", "0"},
        Args{"plan", fDatei, "klasse", "5a", "--tage", "4"},
        Args{"plan", fDatei, "klasse", "5a", "--stunden", "17"},
        Args{"plan", fDatei, "klasse", "5a", "--schalter", "y"},
        Args{"plan", fDatei, "klasse", "5a", "--farbe"},
        Args{"plan", fDatei, "lehrer", "KRÜ", "--kopplungen"},
        Args{"plan", fDatei, "klasse", "5a", "5b"}}) {
    const TAufruf a = Cli(args);
    EXPECT_EQ(a.Code, 2) << args.size();
    EXPECT_TRUE(a.Aus.empty());
    EXPECT_NE(a.Fehler.find("Aufruf: tamrel-cli plan DATEI"), std::string::npos) << a.Fehler;
  }
  EXPECT_NE(Cli({"plan", fDatei, "klasse", "5a", "--tage", "4"})
                .Fehler.find("Ungültiger Wert für --tage: 4"),
            std::string::npos);
  EXPECT_NE(Cli({"plan", fDatei, "lehrer", "X", "--kopplungen"})
                .Fehler.find("--kopplungen gibt es nur für Klassenpläne."),
            std::string::npos);
}

TEST_F(CliPlanTest, UnbekanntesElementWocheOderDatei) {
  TAufruf a = Cli({"plan", fDatei, "klasse", "6b"});
  EXPECT_EQ(a.Code, 1);
  EXPECT_EQ(a.Fehler, "Klasse \"6b\" gibt es in der Schule nicht.\n");
  EXPECT_TRUE(a.Aus.empty());
  // Kürzel sind genau: "kRÜ" ist nicht "KRÜ".
  EXPECT_EQ(Cli({"plan", fDatei, "lehrer", "kRÜ"}).Code, 1);
  a = Cli({"plan", fDatei, "raum", "R1", "--woche", "3"});
  EXPECT_EQ(a.Code, 1);
  EXPECT_EQ(a.Fehler, "Die Schule hat nur 2 Planversionen.\n");
  a = Cli({"plan", fOrdner / "fehlt.tmr", "raum", "R1"});
  EXPECT_EQ(a.Code, 1);
  EXPECT_FALSE(a.Fehler.empty());
  EXPECT_TRUE(a.Aus.empty());
}

TEST_F(CliPlanTest, HilfeNenntDenBefehl) {
  const TAufruf a = Cli({"--hilfe"});
  EXPECT_NE(a.Aus.find("plan DATEI lehrer|klasse|raum KÜRZEL"), std::string::npos);
  TPlanAufruf aufruf;
  std::string fehler;
  ASSERT_TRUE(PlanAufrufLesen({"--kopplungen", "d.tmr", "klasse", "Q1", "--schalter", "x"}, aufruf,
                              fehler));
  EXPECT_EQ(aufruf.datei, "d.tmr");
  EXPECT_EQ(aufruf.kuerzel, "Q1");
  EXPECT_TRUE(aufruf.kopplungen);
  EXPECT_FALSE(aufruf.schalterO);
  // Ohne Optionen nichts über die Einstellungen gelegt.
  EXPECT_EQ(aufruf.woche, 0);
  EXPECT_EQ(aufruf.tage, 0);
  EXPECT_EQ(aufruf.stunden, 0);
}

}  // namespace
