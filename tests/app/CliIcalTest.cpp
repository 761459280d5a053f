// tamrel-cli ical: dieselben Dateien wie der Menübefehl, die Ausgabe, Fehler und Rückgabewerte.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "TestUmgebung.h"
#include "app/CliAufruf.h"
#include "model/SchulUnit.h"
#include "output/ExportSchuleHilfe.h"
#include "output/IcalUnit.h"
#include "persistence/SchulDateiHilfe.h"
#include "persistence/WriteUnit.h"
#include "settings/StundenZeitUnit.h"

namespace {
namespace fs = std::filesystem;

std::string Inhalt(const fs::path& pfad) {
  std::ifstream ein(pfad, std::ios::binary);
  return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
}

const std::string kZeiten = "7:50-8:35,8:40-9:25";

class CliIcalTest : public ::testing::Test {
 protected:
  CliIcalTest() {
    TTestUmgebung u;
    const TExportSchule e = BaueExportSchule();
    std::string meldung;
    EXPECT_TRUE(WriteSchule(fDatei, Schule(), meldung)) << meldung;
    // Der Menübefehl mit den Einstellungen des Aufrufs: fünf Tage, die Zeiten von --zeiten.
    for (int v = 1; v <= 54; ++v) {
      Standard().fStdBeginn[v][1] = "07:50";
      Standard().fStdEnde[v][1] = "08:35";
      Standard().fStdBeginn[v][2] = "08:40";
      Standard().fStdEnde[v][2] = "09:25";
    }
    TIcalExport ex;
    EXPECT_TRUE(ex.ExportToFolder(fZiel.string(), {{e.mue, e.sch}, kVon, kBis, true}));
    for (const auto& d : ex.Dateien()) fMenue[d.Name] = Inhalt(fZiel / d.Name);
  }
  static constexpr TDateTime kVon = 46363;  // 7.12.2026
  static constexpr TDateTime kBis = 46376;  // 20.12.2026
  TTestOrdner fOrdner;
  const std::string fDatei = fOrdner / "schule.tmr";
  const fs::path fZiel = fOrdner.Pfad() / "plan";
  std::map<std::string, std::string> fMenue;
};

TEST_F(CliIcalTest, ErneuertDieDateienDesMenuesUnveraendert) {
  ASSERT_EQ(fMenue.size(), 2u);
  const TAufruf a = Cli({"ical", fDatei, "lehrer", "alle", "--von", "07.12.2026", "--bis",
                         "20.12.2026", fZiel.string(), "--vertretungen", "--zeiten", kZeiten});
  ASSERT_EQ(a.Code, 0) << a.Fehler;
  // Zwei Wochen: MÜL Mo 1 und Mi 2, SCH Di 1 und Do 1.
  EXPECT_EQ(a.Aus, "lpl1.ics\tMÜL\t4\nlpl2.ics\tSCH\t4\nDateien: 2\nTermine: 8\n");
  // Dieselbe Kennung (aus den Dateien), dieselben Termine: dieselben Bytes.
  for (const auto& [name, bytes] : fMenue) EXPECT_EQ(Inhalt(fZiel / name), bytes) << name;
  const TAufruf k = Cli({"ical", fDatei, "klasse", "5b", "--von", "07.12.2026", "--bis",
                         "11.12.2026", fZiel.string(), "--zeiten", kZeiten});
  ASSERT_EQ(k.Code, 0) << k.Fehler;
  EXPECT_EQ(k.Aus, "kpl2.ics\t5b\t3\nDateien: 1\nTermine: 3\n");
  // Die Kennung der Schule kommt ohne Einstellungen aus den vorhandenen Dateien.
  const std::string lehrer = Inhalt(fZiel / "lpl1.ics");
  const std::size_t at = lehrer.find('@');
  ASSERT_NE(at, std::string::npos);
  const std::string kennung = lehrer.substr(at, lehrer.find("\r\n", at) - at);
  EXPECT_EQ(kennung.size(), 33u);
  EXPECT_NE(Inhalt(fZiel / "kpl2.ics").find(kennung + "\r\n"), std::string::npos);
}

TEST_F(CliIcalTest, FehlerUndRueckgabewerte) {
  const std::vector<std::string> basis = {"ical",  fDatei,       "lehrer", "alle",
                                          "--von", "07.12.2026", "--bis",  "11.12.2026"};
  auto mit = [&](std::vector<std::string> mehr) {
    std::vector<std::string> args = basis;
    args.insert(args.end(), mehr.begin(), mehr.end());
    return Cli(args);
  };
  // Ohne Zeiten: die Meldung des Exports, nichts geschrieben.
  TAufruf a = mit({(fOrdner.Pfad() / "leer").string()});
  EXPECT_EQ(a.Code, 1);
  EXPECT_NE(a.Fehler.find("{1} Für die Stunde 1 sind Beginn und Ende nicht eingetragen."),
            std::string::npos)
      << a.Fehler;
  EXPECT_NE(a.Fehler.find("„Voreinstellung für Zeiten“"), std::string::npos);
  EXPECT_FALSE(fs::exists(fOrdner.Pfad() / "leer"));
  a = Cli({"ical", fDatei, "lehrer", "XYZ", "--von", "07.12.2026", "--bis", "11.12.2026",
           fZiel.string(), "--zeiten", kZeiten});
  EXPECT_EQ(a.Code, 1);
  EXPECT_EQ(a.Fehler, "Lehrer XYZ gibt es nicht.\n");
  EXPECT_EQ(mit({fZiel.string(), "--zeiten", "7:50"}).Code, 2);
  EXPECT_EQ(Cli({"ical", fDatei, "lehrer", "alle", "--von", "07.12.2026", fZiel.string()}).Code, 2);
  EXPECT_EQ(Cli({"ical", fDatei, "schueler", "alle", "--von", "07.12.2026", "--bis", "11.12.2026",
                 fZiel.string()})
                .Code,
            2);
  EXPECT_EQ(Cli({"ical", fDatei, "lehrer", "alle", "--von", "11.12.2026", "--bis", "07.12.2026",
                 fZiel.string()})
                .Code,
            2);
  EXPECT_EQ(mit({}).Code, 2);  // ohne Ordner
}

}  // namespace
