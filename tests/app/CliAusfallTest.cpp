// tamrel-cli ausfall und export vertretung: dieselben Zeilen und Bytes wie Fenster und Menü,
// Fehler und Rückgabewerte.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "TestUmgebung.h"
#include "app/CliAufruf.h"
#include "model/DatumUnit.h"
#include "model/SchulUnit.h"
#include "output/ExportSchuleHilfe.h"
#include "output/ExportUnit.h"
#include "persistence/SchulDateiHilfe.h"
#include "persistence/WriteUnit.h"
#include "substitution/FehlzeitUnit.h"

namespace {

std::string Inhalt(const std::string& pfad) {
  std::ifstream ein(pfad, std::ios::binary);
  return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
}

class CliAusfallTest : public ::testing::Test {
 protected:
  CliAusfallTest() {
    TTestUmgebung u;
    Standard().fMaxTageNeu = 5;
    TExportSchule e = BaueExportSchule();
    // MÜL fehlt am Montag, 7.12.2026: seine Deutschstunde Mo 1 bleibt unbesetzt.
    FehlzeitEintragen(e.mue, kMontag, StundenMaske(1, 16), "K");
    EXPECT_EQ(Schule().fVertretungsMenge.size(), 1u);
    std::string meldung;
    EXPECT_TRUE(WriteSchule(fDatei, Schule(), meldung)) << meldung;
    TExport ex;
    ex.VertretungExport(kMontag + 4, kMontag);
    const auto& d = ex.Puffer().Daten();
    fMenue.assign(d.begin(), d.end());
  }
  static constexpr TDateTime kMontag = 46363.5;  // 7.12.2026, mittags
  TTestOrdner fOrdner;
  const std::string fDatei = fOrdner / "schule.tmr";
  std::string fMenue;
};

TEST_F(CliAusfallTest, AusfallSchreibtDieZeilenDesFensters) {
  const TAufruf a = Cli({"ausfall", fDatei, "--kw", "50", "--jahr", "2026", "--tage", "5"});
  ASSERT_EQ(a.Code, 0) << a.Fehler;
  EXPECT_EQ(a.Aus,
            "Ermittlung des wöchentlichen Unterrichtsausfalls\n"
            "KW: 50   Jahr: 2026   Unterrichtstage: 5\n"
            "\n"
            "07.12.2026 - 13.12.2026\n"
            "\n"
            "\n"
            "Primarstufe und Sekundarstufe I   (Klassenbezeichnung beginnt mit Ziffer)\n"
            "\n"
            "5.0 Stunden planmäßiger Unterricht\n"
            "4.0 Stunden erteilter Unterricht laut Plan\n"
            "0.0 Stunden erteilter Unterricht in besonderer Form\n"
            "0.0 Vertretungsunterrichtstunden mit gleicher Lerngruppe\n"
            "0.0 Vertretungsunterrichtstunden mit veränderter Lerngruppe\n"
            "0  EVA-Stunden nur in SEK II\n"
            "1.0 entfallene Stunden\n"
            "\n"
            "\n"
            "Sekundarstufe II   (Klassenbezeichnung EF, Q1, Q2)\n"
            "\n"
            "0.0 Stunden planmäßiger Unterricht\n"
            "0.0 Stunden erteilter Unterricht laut Plan\n"
            "0.0 Stunden erteilter Unterricht in besonderer Form\n"
            "0.0 Vertretungsunterrichtstunden mit gleicher Lerngruppe\n"
            "0.0 Vertretungsunterrichtstunden mit veränderter Lerngruppe\n"
            "0.0 EVA-Stunden\n"
            "0.0 entfallene Stunden\n");
  // Sechs Tage: der Samstag zählt mit.
  EXPECT_NE(Cli({"ausfall", fDatei, "--kw", "50", "--jahr", "2026", "--tage", "6"})
                .Aus.find("Unterrichtstage: 6"),
            std::string::npos);
  const TAufruf keine = Cli({"ausfall", fDatei, "--kw", "53", "--jahr", "2025"});
  EXPECT_EQ(keine.Code, 1);
  EXPECT_EQ(keine.Fehler, "Die Kalenderwoche 53 gibt es im Jahr 2025 nicht.\n");
  EXPECT_EQ(keine.Aus, "");
  EXPECT_EQ(Cli({"ausfall", fDatei, "--kw", "50"}).Code, 2);
  EXPECT_EQ(Cli({"ausfall", fDatei, "--kw", "54", "--jahr", "2026"}).Code, 2);
  EXPECT_EQ(Cli({"ausfall", fOrdner / "fehlt.tmr", "--kw", "50", "--jahr", "2026"}).Code, 1);
}

TEST_F(CliAusfallTest, ExportVertretungSchreibtDieDateiDesMenues) {
  const std::string ziel = fOrdner / "vertretung.csv";
  const TAufruf a =
      Cli({"export", fDatei, "vertretung", ziel, "--von", "07.12.2026", "--bis", "11.12.2026"});
  ASSERT_EQ(a.Code, 0) << a.Fehler;
  EXPECT_EQ(Inhalt(ziel), fMenue);
  EXPECT_EQ(fMenue.substr(0, 28), "20261207;Montag;;;100;M\xC3\x9CL\r\n");
  // bis vor von gilt als von; ohne Zeitraum oder mit falschem Datum: falsche Argumente.
  ASSERT_EQ(
      Cli({"export", fDatei, "vertretung", ziel, "--von", "07.12.2026", "--bis", "01.12.2026"})
          .Code,
      0);
  EXPECT_EQ(Inhalt(ziel), fMenue);
  EXPECT_EQ(Cli({"export", fDatei, "vertretung", ziel, "--von", "07.12.2026"}).Code, 2);
  const TAufruf falsch =
      Cli({"export", fDatei, "vertretung", ziel, "--von", "31.11.2026", "--bis", "01.12.2026"});
  EXPECT_EQ(falsch.Code, 2);
  EXPECT_EQ(falsch.Fehler.find("Ungültiges Datum für --von: 31.11.2026\n"), 0u);
  EXPECT_EQ(Cli({"export", fDatei, "vertretung", fOrdner / "fehlt/v.csv", "--von", "07.12.2026",
                 "--bis", "07.12.2026"})
                .Code,
            1);
}

}  // namespace
