// tamrel-cli html: dieselben Seiten wie der Menübefehl, vorhandene Ordner, Fehler und
// Rückgabewerte.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include "TestUmgebung.h"
#include "app/CliAufruf.h"
#include "model/SchulUnit.h"
#include "output/ExportSchuleHilfe.h"
#include "output/HTMLUnit.h"
#include "persistence/ReadUnit.h"
#include "persistence/SchulDateiHilfe.h"
#include "persistence/WriteUnit.h"

namespace {
namespace fs = std::filesystem;

std::string Inhalt(const fs::path& pfad) {
  std::ifstream ein(pfad, std::ios::binary);
  return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
}

class CliHtmlTest : public ::testing::Test {
 protected:
  CliHtmlTest() {
    {
      TTestUmgebung u;
      BaueExportSchule();
      std::string meldung;
      EXPECT_TRUE(WriteSchule(fDatei, Schule(), meldung)) << meldung;
    }
    // Was der Menübefehl beim ersten Programmstart (ohne Einstellungen) schreibt, mit dem
    // Schulnamen, den der Aufruf über die Einstellungen legt.
    TTestUmgebung u;
    std::string meldung;
    EXPECT_TRUE(ReadSchule(fDatei, Schule(), meldung)) << meldung;
    Standard().fSchulname =
        "Gymnasium S\xFC"
        "d";
    THTMLExport().Erzeugen(
        [this](const std::string& name, const std::string& bytes) { fMenue[name] = bytes; });
  }
  TTestOrdner fOrdner;
  const std::string fDatei = fOrdner / "schule.tmr";
  const fs::path fZiel = fOrdner.Pfad() / "plan";
  std::map<std::string, std::string> fMenue;
};

TEST_F(CliHtmlTest, SchreibtDieSeitenDesMenues) {
  const TAufruf a = Cli({"html", fDatei, fZiel.string(), "--schulname", "Gymnasium Süd"});
  EXPECT_EQ(a.Code, 0) << a.Fehler;
  EXPECT_EQ(a.Aus, "Dateien: " + std::to_string(fMenue.size() + 1) + "\n");
  for (const auto& [name, bytes] : fMenue) EXPECT_EQ(Inhalt(fZiel / name), bytes) << name;
  EXPECT_TRUE(fs::exists(fZiel / "tamrel.css"));
}

TEST_F(CliHtmlTest, VorhandenerOrdnerNurMitErsetzen) {
  fs::create_directory(fZiel);
  TAufruf a = Cli({"html", fDatei, fZiel.string()});
  EXPECT_EQ(a.Code, 1);
  EXPECT_EQ(a.Aus, "");
  EXPECT_NE(a.Fehler.find("ist schon vorhanden."), std::string::npos) << a.Fehler;
  EXPECT_FALSE(fs::exists(fZiel / "index.html"));
  a = Cli({"html", fDatei, fZiel.string(), "--ersetzen"});
  EXPECT_EQ(a.Code, 0) << a.Fehler;
  EXPECT_TRUE(fs::exists(fZiel / "index.html"));
}

TEST_F(CliHtmlTest, FalscheArgumenteUndFehler) {
  EXPECT_EQ(Cli({"html", fDatei}).Code, 2);
  EXPECT_EQ(Cli({"html", fDatei, ""}).Code, 2);
  EXPECT_EQ(Cli({"html", fDatei, fZiel.string(), "--tage", "4"}).Code, 2);
  EXPECT_EQ(Cli({"html", fDatei, fZiel.string(), "--woche"}).Code, 2);
  EXPECT_EQ(Cli({"html", fDatei, fZiel.string(), "--farbe", "rot"}).Code, 2);
  EXPECT_EQ(Cli({"html", fDatei, fZiel.string(), "--woche", "2"}).Code, 1);
  const TAufruf fehlt = Cli({"html", fOrdner / "fehlt.tmr", fZiel.string()});
  EXPECT_EQ(fehlt.Code, 1);
  EXPECT_NE(fehlt.Fehler.find("fehlt.tmr"), std::string::npos) << fehlt.Fehler;
  const TAufruf ordner = Cli({"html", fDatei, (fOrdner.Pfad() / "a" / "b").string()});
  EXPECT_EQ(ordner.Code, 1);
  EXPECT_EQ(ordner.Fehler, "Exportieren in HTML-Dateien: Kann Verzeichnis nicht erstellen! „" +
                               (fOrdner.Pfad() / "a" / "b").string() + "“\n");
  EXPECT_FALSE(fs::exists(fZiel));
}

}  // namespace
