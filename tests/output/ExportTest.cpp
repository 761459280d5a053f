// Die Text- und CSV-Exporte Byte für Byte, die Felder jeder Zeile, der Fortschritt und das
// Schreiben über die Zwischendatei.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "TestUmgebung.h"
#include "output/ExportSchuleHilfe.h"
#include "output/ExportUnit.h"
#include "persistence/SchulDateiHilfe.h"

namespace {

std::string Bytes(const TExport& e) {
  const auto& d = e.Puffer().Daten();
  return std::string(d.begin(), d.end());
}

// "|" steht für Byte 29.
std::string W(std::string s) {
  std::replace(s.begin(), s.end(), '|', '\x1d');
  return s;
}

std::vector<std::string> Zeilen(const std::string& text, const std::string& ende) {
  std::vector<std::string> zeilen;
  std::size_t a = 0;
  for (std::size_t p; (p = text.find(ende, a)) != std::string::npos; a = p + ende.size())
    zeilen.push_back(text.substr(a, p - a));
  EXPECT_EQ(a, text.size()) << "Die Datei endet nicht mit einem Zeilenende";
  return zeilen;
}

class ExportTest : public ::testing::Test {
 protected:
  TTestUmgebung u;
  TExportSchule e = BaueExportSchule();
};

TEST_F(ExportTest, KurslisteByteFuerByte) {
  ASSERT_EQ(Schule().fKursMenge.ListeNrInhalt(1), e.frei);
  TExport ex;
  ex.KursExport();
  const std::string erwartet =
      "1\t1\t1\t\tSCH\tSchmidt\tM\tMathematik\t\t\t\t\t1\t4\t1\t\t\t1\t3\t1\t0\t0\t0\r" +
      W("2\t1\t3\tDeutsch 5\tM\x86L\tM\x9Fller\tD\tDeutsch\t5a\tKlasse 5a\t\t\t1|1\t1|3\t1|2\t"
        "R1|\tRaum 1|\t1\t3\t1\t0\t0\t0\r") +
      W("2\t1\t3\tDeutsch 5\tM\x86L\tM\x9Fller\tD\tDeutsch\t5b\tKlasse 5b\t\t\t1|1\t1|3\t1|2\t"
        "R1|\tRaum 1|\t1\t3\t1\t0\t0\t0\r") +
      "3\t2\t2\t\tSCH\tSchmidt\tM\tMathematik\t5a\tKlasse 5a\tREL\tReligion\t1\t2\t1\tR2\tRaum "
      "2\t1\t3\t2\t0\t1\t0\r"
      "4\t1\t1\t\t\t\t\t\t5b\tKlasse 5b\t\t\t1\t5\t2\t\t\t1\t3\t1\t0\t0\t0\r";
  EXPECT_EQ(Bytes(ex), erwartet);
  for (const std::string& z : Zeilen(Bytes(ex), "\r"))
    EXPECT_EQ(std::count(z.begin(), z.end(), '\t'), 22) << z;
  EXPECT_EQ(ex.Zeilen(), 5);  // je Kurs seine Klassen, mindestens eine
  EXPECT_EQ(ex.Nr(), 5);
}

TEST_F(ExportTest, WochenplaeneDerLehrerKlassenUndRaeume) {
  TExport ex;
  ex.PlanExport(leh);
  EXPECT_EQ(
      Bytes(ex),
      "M\x9Fller\r\tMo\tDi\tMi\tDo\tFr\t\r 1\tKlasse 5a\t\t\t\t\t\r1/2\t\t\tKlasse 5a\t\t\t\r\r"
      "Schmidt\r\tMo\tDi\tMi\tDo\tFr\t\r 1\t\tKlasse 5a\t\t---\t\t\r1/2\t\t\t\t\t\t\r\r");
  ex.PlanExport(kla);
  EXPECT_EQ(Bytes(ex),
            "Klasse 5a\r\tMo\tDi\tMi\tDo\tFr\t\r 1\tM\x9Fller\tSchmidt\t\t\t\t\r"
            "1/2\t\t\tM\x9Fller\t\t\t\r\r"
            "Klasse 5b\r\tMo\tDi\tMi\tDo\tFr\t\r 1\tM\x9Fller\t\t\t\t\t\r"
            "1/2\t\t\tM\x9Fller\t\t---\t\r\r");
  ex.PlanExport(rau);
  EXPECT_EQ(Bytes(ex),
            "R1\r\tMo\tDi\tMi\tDo\tFr\t\r 1\t*\t\t\t\t\t\r1/2\t\t\t\t\t\t\r\r"
            "R2\r\tMo\tDi\tMi\tDo\tFr\t\r 1\t\t*\t\t\t\t\r1/2\t\t\t\t\t\t\r\r");
  EXPECT_EQ(ex.Zeilen(), 2);
  // Mit sieben Tagen hat die letzte Zelle keinen Tabulator mehr.
  Standard().fMaxTageNeu = 7;
  ex.PlanExport(rau);
  EXPECT_EQ(Zeilen(Bytes(ex), "\r")[1], "\tMo\tDi\tMi\tDo\tFr\tSa\tSo");
  EXPECT_EQ(Zeilen(Bytes(ex), "\r")[2], " 1\t*\t\t\t\t\t\t");
}

TEST_F(ExportTest, StundenFuerLanisUndSchulmanager) {
  TExport ex;
  ex.CSVExport();
  const std::string mue = "M\xC3\x9CL";
  EXPECT_EQ(Bytes(ex),
            "Id;Art;Lehrerkuerzel;Fach;Kurs;Raum;Wochentag;Stunde;Woche;Klassen\r"
            "1;Stunde;SCH;M;;;4;1;;;\r"
            "2;Stunde;" +
                mue +
                ";D;Deutsch 5;R1;1;1;;5a,5b;\r"
                "3;Pausenaufsicht;" +
                mue +
                ";D;Deutsch 5;;3;2;;5a,5b;\r"
                "4;Stunde;SCH;M;;R2;2;1;;5a;\r"
                "5;Pausenaufsicht;;;;;5;2;;5b;\r");
  for (const std::string& z : Zeilen(Bytes(ex), "\r"))
    EXPECT_EQ(std::count(z.begin(), z.end(), ';'), z[0] == 'I' ? 9 : 10) << z;
  // Der Fortschritt zählt Stunden, nicht Kurse.
  EXPECT_EQ(ex.Zeilen(), 5);
  EXPECT_EQ(ex.Nr(), 5);

  ex.CSVSMExport();
  EXPECT_EQ(Bytes(ex),
            "Id;KursId;Art;Lehrerkuerzel;Fach;Kurs;Raum;Wochentag;Stunde;Bezeichnung;Woche;"
            "Klassen;Kopplung\r"
            "1;1;Stunde;SCH;M;;;4;1; 1;;;;\r"
            "2;2;Stunde;" +
                mue +
                ";D;Deutsch 5;R1;1;1; 1;;5a,5b;;\r"
                "3;2;Pausenaufsicht;" +
                mue +
                ";D;Deutsch 5;;3;2;1/2;;5a,5b;;\r"
                "4;3;Stunde;SCH;M;;R2;2;1; 1;;5a;REL;\r"
                "5;4;Pausenaufsicht;;;;;5;2;1/2;;5b;;\r");
  for (const std::string& z : Zeilen(Bytes(ex), "\r"))
    EXPECT_EQ(std::count(z.begin(), z.end(), ';'), z[0] == 'I' ? 12 : 13) << z;

  // Mit zwei Planversionen steht die Woche da.
  Schule().VersionErweitern(2);
  ex.CSVExport();
  EXPECT_EQ(Zeilen(Bytes(ex), "\r")[1], "1;Stunde;SCH;M;;;4;1;1;;");
}

// Kein Text zerreißt ein Feld; saubere Zeilen bleiben unverändert (siehe oben).
TEST_F(ExportTest, TrennzeichenInTextenWerdenErsetzt) {
  e.frei->fInfo = std::string("a;b\tc\rd\ne\x1d") + "f";
  e.sch->SetInfo("S;c\th");
  TExport ex;
  ex.KursExport();
  const std::string erste = Zeilen(Bytes(ex), "\r")[0];
  EXPECT_EQ(erste.substr(0, 28), "1\t1\t1\ta;b c d e f\tSCH\tS;c h\t");
  EXPECT_EQ(std::count(erste.begin(), erste.end(), '\t'), 22);
  ex.PlanExport(leh);
  EXPECT_EQ(Zeilen(Bytes(ex), "\r")[5], "S;c h");
  ex.CSVSMExport();
  EXPECT_EQ(Zeilen(Bytes(ex), "\r")[1],
            "1;1;Stunde;SCH;M;a,b\tc d e\x1d"
            "f;;4;1; 1;;;;");
}

TEST_F(ExportTest, RasterOhneUeberschriftenZeile) {
  TExport ex;
  ex.RasterExport({{"Lehrer", "Stunden"}, {"M\xDCL", "3"}, {"SCH", "1\t2"}});
  EXPECT_EQ(Bytes(ex), "M\x86L\t3\rSCH\t1 2\r");
  EXPECT_EQ(ex.Zeilen(), 2);
  ex.RasterExport({{"Lehrer", "Stunden"}});
  EXPECT_EQ(Bytes(ex), "");
  EXPECT_EQ(ex.Zeilen(), 0);
}

class ZaehlendeAnzeige : public TExportAnzeige {
 public:
  void Beginn(const std::string& name, int zeilen) override {
    fName = name;
    fZeilen = zeilen;
  }
  void Fortschritt(int nr) override { fStaende.push_back(nr); }
  std::string fName;
  int fZeilen = -1;
  std::vector<int> fStaende;
};

TEST_F(ExportTest, DateiUeberZwischendateiUndFehlerMitDateinamen) {
  TTestOrdner ordner;
  e.ag->fStunden.SetWochenStunde(1, 12);
  for (int i = 0; i < 9; ++i) e.ag->NeueSetzung(1, 1 + i % 5, 3 + i / 5, nullptr);
  ZaehlendeAnzeige anzeige;
  TExport ex(&anzeige);
  const std::string pfad = ordner / "Stunden.csv";
  std::string fehler;
  ASSERT_TRUE(ex.CSVExportToFile(pfad, fehler)) << fehler;
  EXPECT_EQ(anzeige.fName, "Stunden.csv");
  EXPECT_EQ(anzeige.fZeilen, 14);
  EXPECT_EQ(anzeige.fStaende, (std::vector<int>{5, 10}));
  std::ifstream ein(pfad, std::ios::binary);
  const std::string inhalt{std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
  EXPECT_EQ(inhalt, Bytes(ex));
  EXPECT_EQ(ordner.Namen(), std::vector<std::string>{"Stunden.csv"});
  // Eine vorhandene Datei wird ersetzt.
  ASSERT_TRUE(ex.PlanExportToFile(pfad, rau, fehler)) << fehler;
  std::ifstream neu(pfad, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(neu), std::istreambuf_iterator<char>()),
            Bytes(ex));
  EXPECT_EQ(Bytes(ex).substr(0, 3), "R1\r");
  EXPECT_EQ(ordner.Namen(), std::vector<std::string>{"Stunden.csv"});

  // Ein Ordner an der Stelle der Datei: nichts wird ersetzt, die Meldung nennt die Datei.
  std::filesystem::create_directory(ordner / "Kurse.txt");
  EXPECT_FALSE(ex.KursExportToFile(ordner / "Kurse.txt", fehler));
  EXPECT_NE(fehler.find("„Kurse.txt“"), std::string::npos) << fehler;
  EXPECT_NE(fehler.find("bleibt unverändert"), std::string::npos) << fehler;
  EXPECT_TRUE(std::filesystem::is_directory(ordner / "Kurse.txt"));
  EXPECT_FALSE(ex.ExportToFile(TExportArt::Kurse, ordner / "fehlt/Kurse.txt", fehler));
  EXPECT_NE(fehler.find("„Kurse.txt“"), std::string::npos) << fehler;
}

TEST_F(ExportTest, OrdnerDerWahlWirdGemerkt) {
  ExportOrdnerMerken(TExportArt::Schulmanager, "/tmp/aus/plan.csv");
  EXPECT_EQ(Standard().fImportPfad, "/tmp/aus");
  EXPECT_STREQ(ExportBefehl(TExportArt::Lanis).Titel, "Stunden Exportieren als");
  EXPECT_STREQ(ExportBefehl(TExportArt::Kurse).FilterText, "Textdateien (*.TXT)");
}

}  // namespace
