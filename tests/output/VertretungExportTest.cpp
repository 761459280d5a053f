// Der Vertretungsplan eines Zeitraums als CSV-Datei Byte für Byte, die Felder jeder Zeile, die
// Kopfzeilen jedes Tages und das Schreiben über die Zwischendatei; dazu die Übersichtsraster.
#include <filesystem>
#include <fstream>
#include <iterator>

#include "output/ExportUnit.h"
#include "substitution/VertretungHilfe.h"

namespace {

std::string Bytes(const TExport& e) {
  const auto& d = e.Puffer().Daten();
  return std::string(d.begin(), d.end());
}

std::string Lies(const std::filesystem::path& p) {
  std::ifstream f(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), {});
}

class VertretungExportTest : public VertretungsTest {
 protected:
  VertretungExportTest() {
    l1->SetInfo("M\xFCller");
    a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 4);
    b = Kurs(l2, fM, {k5b, k5a}, {r2}, nullptr, 4);
    pa = a->NeueSetzung(1, 1, 3, r1);   // Mo 3
    pb1 = b->NeueSetzung(1, 1, 2, r2);  // Mo 2
    pb2 = b->NeueSetzung(1, 2, 1, r2);  // Di 1
    // KRA hat montags eine Stunde ohne Klasse und kann deshalb vertreten.
    Kurs(l3, fE, {}, {r3}, nullptr, 1)->NeueSetzung(1, 1, 8, r3);
  }
  // Die Zeilen einer Datei mit CR LF; jede Zeile muss damit enden.
  static std::vector<std::string> Zeilen(const std::string& text) {
    std::vector<std::string> z;
    std::size_t a = 0;
    for (std::size_t p; (p = text.find("\r\n", a)) != std::string::npos; a = p + 2)
      z.push_back(text.substr(a, p - a));
    EXPECT_EQ(a, text.size()) << "Die Datei endet nicht mit CR LF";
    return z;
  }
  TKurs *a, *b;
  TSetzung *pa, *pb1, *pb2;
};

TEST_F(VertretungExportTest, ZeitraumByteFuerByteMitKopfzeilenJeTag) {
  Abwesend(l1, Tag(0), 3, 3);  // nur in Stunde 3, steht trotzdem in der Zeile 100
  Abwesend(l2, Tag(0), 1, 16);
  Abwesend(l2, Tag(1), 1, 16);
  Abwesend(k5b, Tag(1), 5, 6);
  Abwesend(l1, Tag(7), 1, 16);  // außerhalb des Zeitraums
  Von(pb1, Tag(0))->TrageLehrerEin(l3, nullptr);
  ASSERT_EQ(Anzahl(), 4);
  TExport ex;
  ex.VertretungExport(Tag(1), Tag(0));
  const std::string erwartet =
      "20261207;Montag;;;100;MUE,SCH\r\n"
      "20261207;Montag;;;101;\r\n"
      "20261207;Montag;1; 2;2;SCH;;KRA;;R2;;R2;;M;;M;;;;-;5a,5b\r\n"
      "20261207;Montag;1; 3;3;MUE;M\xC3\xBCller;-;-;R1;;R1;;D;;D;;;;-;5a\r\n"
      "20261208;Dienstag;;;100;SCH\r\n"
      "20261208;Dienstag;;;101;5b\r\n"
      "20261208;Dienstag;2; 1;1;SCH;;-;-;R2;;R2;;M;;M;;;;-;5a,5b\r\n";
  EXPECT_EQ(Bytes(ex), erwartet);
  for (const std::string& z : Zeilen(Bytes(ex))) {
    const auto felder = std::count(z.begin(), z.end(), ';') + 1;
    EXPECT_EQ(felder, z.find(";;;10") != std::string::npos ? 6 : 21) << z;
  }
  EXPECT_EQ(ex.Zeilen(), 3);
  EXPECT_EQ(ex.Nr(), 3);
}

TEST_F(VertretungExportTest, JederTagBekommtKopfzeilenAuchVor2020) {
  const TDateTime alt = DatumZuZahl(2019, 12, 2) + 0.5;  // ein Montag
  Abwesend(l1, alt, 3, 3);
  ASSERT_EQ(Anzahl(), 1);
  TExport ex;
  ex.VertretungExport(alt + 6, alt);
  const std::vector<std::string> z = Zeilen(Bytes(ex));
  ASSERT_EQ(z.size(), 3u);
  EXPECT_EQ(z[0], "20191202;Montag;;;100;MUE");
  EXPECT_EQ(z[1], "20191202;Montag;;;101;");
  EXPECT_EQ(z[2].substr(0, 18), "20191202;Montag;1;");
  // Ein Zeitraum ohne Vertretung gibt eine leere Datei, auch wenn jemand fehlt.
  ex.VertretungExport(alt + 20, alt + 1);
  EXPECT_EQ(Bytes(ex), "");
  EXPECT_EQ(ex.Zeilen(), 0);
}

// Die Übersichten als Textdatei: das Raster ihres Fensters ohne die Titelzeile, Tabulatoren, CR
// und die 8-Bit-Zeichen der Datei.
TEST_F(VertretungExportTest, UebersichtenByteFuerByte) {
  Abwesend(l1, Tag(0), 3, 3);
  Abwesend(l2, Tag(0), 2, 2);
  Abwesend(k5b, Tag(1), 1, 1);
  ASSERT_NE(Von(pb1, Tag(0)), nullptr);
  Von(pb1, Tag(0))->TrageLehrerEin(l3, nullptr);
  Von(pb1, Tag(0))->fLInfo = "f\xFCr Ma";
  TExport ex;
  ex.SetzeZeitraum(Tag(0), Tag(1));
  ex.Bauen(TExportArt::VertrLeUeb);
  EXPECT_EQ(Bytes(ex),
            "MUE\t07.12.2026\t 3\tfehlt (-)\t 0.0\tMUE D 5a\t\t\t\r"
            "SCH\t07.12.2026\t 2\tfehlt (-)\t 0.0\tSCH M 5a\t\t\tf\x9Fr Ma\r"
            "KRA\t07.12.2026\t 2\tvertritt\t 1.0\tSCH M 5a\t\t\tf\x9Fr Ma\r");
  EXPECT_EQ(ex.Zeilen(), 3);
  ex.Bauen(TExportArt::VertrKlUeb);
  EXPECT_EQ(Bytes(ex),
            "5a\t07.12.2026\t 2\tvertritt (-)\tKRA\tSCH M 5a\t\t\tf\x9Fr Ma\r"
            "5a\t07.12.2026\t 3\tausgefallen (-)\t----\tMUE D 5a\t\t\t\r"
            "5b\t07.12.2026\t 2\tvertritt (-)\tKRA\tSCH M 5a\t\t\tf\x9Fr Ma\r"
            "5b\t08.12.2026\t 1\tfehlt (-)\t----\tSCH M 5a\t\t\t\r");
  // Ohne Vertretung im Zeitraum zeigt das Fenster eine leere Zeile, und die wird geschrieben.
  ex.SetzeZeitraum(Tag(7), Tag(7));
  ex.Bauen(TExportArt::VertrLeUeb);
  EXPECT_EQ(Bytes(ex), "\t\t\t\t\t\t\t\t\r");
  const TExportBefehl& b = ExportBefehl(TExportArt::VertrKlUeb);
  EXPECT_STREQ(b.Menue, "Vertretungsübersicht für Klassen...");
  EXPECT_STREQ(b.Titel, "Exportieren als");
  EXPECT_STREQ(b.FilterText, "Textdateien (*.TXT)");
  EXPECT_EQ(b.Ordner, &TStandard::fImportPfad);
}

TEST_F(VertretungExportTest, DateiUeberZwischendateiUndFehlerNenntDieDatei) {
  Abwesend(l1, Tag(0), 3, 3);
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() /
      ("vexport_" + std::to_string(reinterpret_cast<std::uintptr_t>(this)));
  std::filesystem::create_directories(dir);
  const std::filesystem::path ziel = dir / "vertretung.csv";
  TExport ex;
  std::string fehler;
  ASSERT_TRUE(ex.VertretungExportToFile(ziel.string(), Tag(0), Tag(0), fehler)) << fehler;
  const std::string inhalt = Lies(ziel);
  EXPECT_EQ(inhalt.substr(0, 31), "20261207;Montag;;;100;MUE\r\n2026");
  EXPECT_NE(static_cast<unsigned char>(inhalt[0]), 0xEF);  // keine Byte-Order-Mark
  // In einen Ordner, den es nicht gibt: falsch, die Meldung nennt die Datei.
  EXPECT_FALSE(
      ex.VertretungExportToFile((dir / "fehlt" / "v.csv").string(), Tag(0), Tag(0), fehler));
  EXPECT_NE(fehler.find("v.csv"), std::string::npos) << fehler;
  // Eine Übersicht als Textdatei; die alte Datei bleibt bei einem Fehler stehen.
  const std::vector<std::vector<std::string>> raster = {{"Titel", "x"}, {"MUE", "1;2"}};
  ASSERT_TRUE(ex.VertrUebExportToFile(ziel.string(), raster, fehler)) << fehler;
  EXPECT_EQ(Lies(ziel), "MUE\t1;2\r");
  EXPECT_EQ(ExportBefehl(TExportArt::Vertretungsplan).Ordner, &TStandard::fVertrExportPfad);
  EXPECT_STREQ(ExportBefehl(TExportArt::Vertretungsplan).FilterText, "CSV-Dateien (*CSV)");
  std::filesystem::remove_all(dir);
}

}  // namespace
