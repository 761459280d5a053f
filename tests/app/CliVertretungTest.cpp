// tamrel-cli abwesend und vertretungen: Eintragen wie im Dialog, die Zeilen eines Tages, Fehler.
#include <unistd.h>

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "TestUmgebung.h"
#include "app/CliAufruf.h"
#include "app/CliVertretungUnit.h"
#include "model/DatumUnit.h"
#include "model/SchulUnit.h"
#include "persistence/WriteUnit.h"
#include "substitution/KalenderUnit.h"

namespace {
using Args = std::vector<std::string>;

class CliVertretungTest : public ::testing::Test {
 protected:
  CliVertretungTest() {
    // Der nächste Montag nach der Systemuhr: Abwesenheiten in der Vergangenheit verfallen beim
    // Lesen.
    TSystemUhr uhr;
    fMontag = std::floor(uhr.Jetzt()) + 0.5;
    while (WochenTag(fMontag) != 1) fMontag += 1;
    TTestUmgebung u;
    TSchule& s = u.schule();
    TKurs* d = TKurs::IKurs(s.HoleLehrer("M\xDC"), s.HoleKlasse("5a"), nullptr, s.HoleFach("D"),
                            s.HoleRaum("R1"), 4);
    TKurs* m = TKurs::IKurs(s.HoleLehrer("SCH"), s.HoleKlasse("5b"), nullptr, s.HoleFach("M"),
                            s.HoleRaum("R2"), 4);
    d->NeueSetzung(1, 1, 3, s.HoleRaum("R1"));
    m->NeueSetzung(1, 1, 3, s.HoleRaum("R2"));
    fKursD = Win1252ZuUtf8(d->OhneRaumKlKoZeile());
    fKursM = Win1252ZuUtf8(m->OhneRaumKlKoZeile());
    std::string meldung;
    EXPECT_TRUE(WriteSchule(fDatei, s, meldung)) << meldung;
  }
  ~CliVertretungTest() override {
    std::error_code f;
    std::filesystem::remove(fDatei, f);
    std::filesystem::remove(fNeu, f);
  }
  std::string Datum(int n) const { return Win1252ZuUtf8(DatumText(fMontag + n, "dd.mm.yyyy")); }

  TDateTime fMontag = 0;
  std::string fKursD, fKursM;
  // Je Testfall eigene Dateien: ctest lässt die Fälle gleichzeitig laufen.
  static std::string Name() {
    return std::string("cli_vertretung_") +
           ::testing::UnitTest::GetInstance()->current_test_info()->name() + "_" +
           std::to_string(::getpid());
  }
  const std::string fDatei = (std::filesystem::temp_directory_path() / (Name() + ".tmr")).string();
  const std::string fNeu =
      (std::filesystem::temp_directory_path() / (Name() + "_neu.tmr")).string();
};

TEST_F(CliVertretungTest, AbwesendUndVertretungen) {
  const TAufruf a = Cli({"abwesend", fDatei, "lehrer", "MÜ", Datum(0), "--stunden", "3-4", "--bis",
                         Datum(7), "--grund", "K", "--ausgabe", fNeu, "--tage", "5"});
  ASSERT_EQ(a.Code, 0) << a.Fehler;
  const std::string maske = "--++------------";
  std::string erwartet;
  for (int n : {0, 1, 2, 3, 4, 7}) erwartet += Datum(n) + "\t" + maske + "\n";
  EXPECT_EQ(a.Aus, erwartet);
  EXPECT_EQ(a.Fehler, "");
  TAufruf v = Cli({"vertretungen", fNeu, Datum(0)});
  ASSERT_EQ(v.Code, 0) << v.Fehler;
  EXPECT_EQ(v.Aus, "3\t" + fKursD + "\tMÜ\t\tR1\tD\tgültig\n");
  EXPECT_EQ(Cli({"vertretungen", fNeu, Datum(1)}).Aus, "");
  EXPECT_EQ(Cli({"vertretungen", fNeu, Datum(7)}).Aus, v.Aus);
  // Ein fehlender Raum den ganzen Tag: ein Raumwechsel ohne Vertreter und ohne Raum.
  ASSERT_EQ(Cli({"abwesend", fNeu, "raum", "R2", Datum(0), "--ausgabe", fNeu}).Code, 0);
  v = Cli({"vertretungen", fNeu, Datum(0)});
  EXPECT_EQ(v.Aus,
            "3\t" + fKursD + "\tMÜ\t\tR1\tD\tgültig\n3\t" + fKursM + "\tSCH\t\t\tM\tgültig\n");
}

TEST_F(CliVertretungTest, FalscheAufrufe) {
  const Args grund = {"abwesend", fDatei, "lehrer", "MÜ"};
  auto mit = [&](Args rest) {
    Args a = grund;
    a.insert(a.end(), rest.begin(), rest.end());
    return Cli(a);
  };
  EXPECT_EQ(mit({Datum(0)}).Code, 2);  // ohne --ausgabe
  EXPECT_EQ(mit({"31.02.2027", "--ausgabe", fNeu}).Code, 2);
  EXPECT_EQ(mit({"01.01.1990", "--ausgabe", fNeu}).Code, 2);
  EXPECT_EQ(mit({Datum(0), "--stunden", "5-3", "--ausgabe", fNeu}).Code, 2);
  EXPECT_EQ(mit({Datum(0), "--bis", Datum(-1), "--ausgabe", fNeu}).Code, 2);
  const TAufruf k = Cli({"abwesend", fDatei, "lehrer", "XY", Datum(0), "--ausgabe", fNeu});
  EXPECT_EQ(k.Code, 1);
  EXPECT_EQ(k.Fehler, "Lehrer XY gibt es nicht.\n");
  EXPECT_FALSE(std::filesystem::exists(fNeu));
  EXPECT_EQ(Cli({"vertretungen", fDatei}).Code, 2);
  EXPECT_EQ(Cli({"vertretungen", fDatei, "7.12"}).Code, 2);
  EXPECT_NE(Cli({"--hilfe"}).Aus.find("  vertretungen DATEI DATUM"), std::string::npos);
}

}  // namespace
