// tamrel-cli export und import: dieselben Bytes wie der Menübefehl, Fehler und Rückgabewerte.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "TestUmgebung.h"
#include "app/CliAufruf.h"
#include "model/SchulUnit.h"
#include "output/ExportSchuleHilfe.h"
#include "output/ExportUnit.h"
#include "persistence/ReadUnit.h"
#include "persistence/SchulDateiHilfe.h"
#include "persistence/WriteUnit.h"
#include "substitution/FehlzeitUnit.h"

namespace {

std::string Inhalt(const std::string& pfad) {
  std::ifstream ein(pfad, std::ios::binary);
  return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
}

class CliExportTest : public ::testing::Test {
 protected:
  CliExportTest() {
    {
      TTestUmgebung u;
      BaueExportSchule();
      std::string meldung;
      EXPECT_TRUE(WriteSchule(fDatei, Schule(), meldung)) << meldung;
    }
    // Was das Programm beim ersten Start (ohne Einstellungen) für die Datei schreibt.
    TTestUmgebung u;
    std::string meldung;
    EXPECT_TRUE(ReadSchule(fDatei, Schule(), meldung)) << meldung;
    for (TExportArt art :
         {TExportArt::Kurse, TExportArt::KlassenPlaene, TExportArt::Schulmanager}) {
      TExport ex;
      ex.Bauen(art);
      const auto& d = ex.Puffer().Daten();
      fMenue.emplace_back(d.begin(), d.end());
    }
  }
  TTestOrdner fOrdner;
  const std::string fDatei = fOrdner / "schule.tmr";
  std::vector<std::string> fMenue;
};

// Ohne Einstellungen die Vorgaben wie beim ersten Programmstart: sieben Tage, sechs Stunden,
// " 1" bis " 6"; --tage und --stunden legen sich darüber.
TEST_F(CliExportTest, OhneEinstellungenDieVorgabenDesErstenStarts) {
  const std::string kurse = fOrdner / "kurse.txt", plaene = fOrdner / "plaene.txt",
                    sm = fOrdner / "sm.csv";
  EXPECT_EQ(Cli({"export", fDatei, "kurse", kurse}).Code, 0);
  EXPECT_EQ(Inhalt(kurse), fMenue[0]);
  const TAufruf p = Cli({"export", fDatei, "wochenplan", plaene, "--art", "klasse"});
  EXPECT_EQ(p.Code, 0) << p.Fehler;
  EXPECT_EQ(Inhalt(plaene), fMenue[1]);
  EXPECT_NE(Inhalt(plaene).find("\tMo\tDi\tMi\tDo\tFr\tSa\tSo\r 1\t"), std::string::npos);
  EXPECT_EQ(Cli({"export", fDatei, "schulmanager", sm}).Code, 0);
  EXPECT_EQ(Inhalt(sm), fMenue[2]);
  ASSERT_EQ(Cli({"export", fDatei, "wochenplan", plaene, "--tage", "5", "--stunden", "1"}).Code, 0);
  EXPECT_NE(Inhalt(plaene).find("\tMo\tDi\tMi\tDo\tFr\t\r 1\t"), std::string::npos);
  EXPECT_EQ(Inhalt(plaene).find(" 2\t"), std::string::npos);
}

TEST_F(CliExportTest, FalscheArgumenteUndFehler) {
  EXPECT_EQ(Cli({"export", fDatei, "vertretungen", fOrdner / "x"}).Code, 2);
  EXPECT_EQ(Cli({"export", fDatei, "kurse"}).Code, 2);
  EXPECT_EQ(Cli({"export", fDatei, "wochenplan", fOrdner / "x", "--art", "fach"}).Code, 2);
  const TAufruf a = Cli({"export", fDatei, "kurse", fOrdner / "fehlt/kurse.txt"});
  EXPECT_EQ(a.Code, 1);
  EXPECT_NE(a.Fehler.find("„kurse.txt“"), std::string::npos) << a.Fehler;
  EXPECT_EQ(Cli({"import", fDatei, "k.txt"}).Code, 2);
}

TEST_F(CliExportTest, ImportMitUndOhneUnbekannteKuerzel) {
  const std::string liste = fOrdner / "kurse.txt";
  {
    std::ofstream aus(liste, std::ios::binary);
    aus << fMenue[0] << "9\t1\t2\t\tNEU\t\tD\t\t5a\t\t\t\t1\t2\t3\tR1\t\t1\t3\t1\t0\t0\t0\r";
  }
  const std::string neu = fOrdner / "neu.tmr";
  const TAufruf ohne = Cli({"import", fDatei, liste, "--ausgabe", neu});
  EXPECT_EQ(ohne.Code, 1);
  EXPECT_NE(ohne.Fehler.find("Unbekannte Kürzel: Die Importdatei enthält unbekannte Kürzel."),
            std::string::npos)
      << ohne.Fehler;
  EXPECT_FALSE(std::filesystem::exists(neu));

  const TAufruf mit = Cli({"import", fDatei, liste, "--ausgabe", neu, "--unbekannte-anlegen"});
  EXPECT_EQ(mit.Code, 0) << mit.Fehler;
  EXPECT_EQ(mit.Aus, "Kurse: 5\nStunden: 6\n");
  TTestUmgebung u;
  std::string meldung;
  ASSERT_TRUE(ReadSchule(neu, Schule(), meldung)) << meldung;
  EXPECT_EQ(Schule().fKursMenge.size(), 9u);
  EXPECT_EQ(Schule().fLehrerMenge.size(), 3u);

  std::ofstream(fOrdner / "kaputt.txt", std::ios::binary) << "1\t2\r";
  const TAufruf kaputt = Cli({"import", fDatei, fOrdner / "kaputt.txt", "--ausgabe", neu});
  EXPECT_EQ(kaputt.Code, 1);
  EXPECT_NE(kaputt.Fehler.find("Falsches Format"), std::string::npos);
}

// Die Vertretungsübersichten: dieselben Bytes wie der Menübefehl für denselben Zeitraum.
TEST(CliExportUebersicht, SchreibtDieUebersichtDesMenues) {
  TTestOrdner ordner;
  const std::string datei = ordner / "schule.tmr", aus = ordner / "ueb.txt";
  const TDateTime montag = DatumZuZahl(2026, 12, 7) + 0.5;
  std::string lehrer, klassen;
  {
    TTestUmgebung u;
    const TExportSchule e = BaueExportSchule();
    FehlzeitEintragen(e.mue, montag, StundenMaske(1, 1), "K");
    std::string meldung;
    ASSERT_TRUE(WriteSchule(datei, Schule(), meldung)) << meldung;
    TExport ex;
    ex.SetzeZeitraum(montag, montag + 4);
    ex.Bauen(TExportArt::VertrLeUeb);
    lehrer.assign(ex.Puffer().Daten().begin(), ex.Puffer().Daten().end());
    ex.SetzeZeitraum(montag, montag);
    ex.Bauen(TExportArt::VertrKlUeb);
    klassen.assign(ex.Puffer().Daten().begin(), ex.Puffer().Daten().end());
  }
  ASSERT_EQ(lehrer.substr(0, 15), "M\x86L\t07.12.2026\t");
  const TAufruf a = Cli({"export", datei, "vertretungsuebersicht-lehrer", aus, "--von",
                         "07.12.2026", "--bis", "11.12.2026"});
  EXPECT_EQ(a.Code, 0) << a.Fehler;
  EXPECT_EQ(Inhalt(aus), lehrer);
  // bis vor von: ein Tag, wie im Dialog.
  EXPECT_EQ(Cli({"export", datei, "vertretungsuebersicht-klassen", aus, "--von", "07.12.2026",
                 "--bis", "01.12.2026"})
                .Code,
            0);
  EXPECT_EQ(Inhalt(aus), klassen);
  const TAufruf ohne =
      Cli({"export", datei, "vertretungsuebersicht-lehrer", aus, "--von", "07.12.2026"});
  EXPECT_EQ(ohne.Code, 2);
  EXPECT_NE(ohne.Fehler.find("Die Vertretungsübersicht braucht --von und --bis."),
            std::string::npos)
      << ohne.Fehler;
}

}  // namespace
