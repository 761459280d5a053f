// Wiederholt jede Saatdatei aus fuzz/korpus/<Ziel>/ mit derselben Einstiegsfunktion wie der
// Fuzzer, so dass die Tests den Korpus auch ohne Fuzzer prüfen.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <stdexcept>
#include <vector>

#include "fuzz/FuzzZiel.h"

namespace fs = std::filesystem;

namespace {

fs::path KorpusOrdner() {
  const char* quellen = std::getenv("TAMREL_QUELLEN");
  return quellen ? fs::path(quellen) / "fuzz" / "korpus" : fs::path();
}

std::vector<fs::path> Dateien(const fs::path& ordner) {
  std::vector<fs::path> dateien;
  for (const auto& e : fs::directory_iterator(ordner))
    if (e.is_regular_file()) dateien.push_back(e.path());
  std::sort(dateien.begin(), dateien.end());
  return dateien;
}

std::vector<std::uint8_t> Lies(const fs::path& datei) {
  std::ifstream ein(datei, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(ein),
                                   std::istreambuf_iterator<char>());
}

struct EVerletzt : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Während des Tests wirft eine verletzte Eigenschaft, statt das Programm abzubrechen.
class FuzzKorpus : public ::testing::Test {
 protected:
  void SetUp() override {
    fAlt = FuzzBehandlungEinsetzen([](const std::string& was) { throw EVerletzt(was); });
    fOrdner = KorpusOrdner();
    ASSERT_FALSE(fOrdner.empty()) << "TAMREL_QUELLEN ist nicht gesetzt";
    ASSERT_TRUE(fs::is_directory(fOrdner)) << fOrdner;
  }
  void TearDown() override { FuzzBehandlungEinsetzen(std::move(fAlt)); }

  TFuzzBehandlung fAlt;
  fs::path fOrdner;
};

TEST_F(FuzzKorpus, ZieleUndOrdnerPassenZueinander) {
  const auto ziele = FuzzZiele();
  ASSERT_FALSE(ziele.empty());
  std::set<std::string> namen;
  for (const auto& z : ziele) {
    namen.insert(z.Name);
    const fs::path ordner = fOrdner / z.Name;
    EXPECT_TRUE(fs::is_directory(ordner)) << "Kein Saatkorpus für " << z.Name;
    if (fs::is_directory(ordner)) {
      EXPECT_FALSE(Dateien(ordner).empty()) << ordner;
    }
  }
  for (const auto& e : fs::directory_iterator(fOrdner))
    EXPECT_TRUE(namen.count(e.path().filename().string())) << "Korpus ohne Fuzz-Ziel: " << e.path();
}

TEST_F(FuzzKorpus, JedeSaatdateiLaeuftDurch) {
  std::size_t anzahl = 0;
  for (const auto& z : FuzzZiele()) {
    const fs::path ordner = fOrdner / z.Name;
    if (!fs::is_directory(ordner)) continue;
    for (const fs::path& datei : Dateien(ordner)) {
      SCOPED_TRACE(datei.string());
      const std::vector<std::uint8_t> daten = Lies(datei);
      try {
        EXPECT_EQ(z.Einstieg(daten.data(), daten.size()), 0);
      } catch (const EVerletzt& e) {
        ADD_FAILURE() << "Eigenschaft verletzt: " << e.what();
      } catch (const std::exception& e) {
        ADD_FAILURE() << "Unerwartete Ausnahme: " << e.what();
      }
      ++anzahl;
    }
  }
  EXPECT_GT(anzahl, 0u);
}

// Die Prüfung selbst muss anschlagen können: eine verletzte Eigenschaft kommt hier an.
TEST_F(FuzzKorpus, VerletzungWirdGemeldet) {
  EXPECT_THROW(FuzzPruefe(false, "Probe"), EVerletzt);
  EXPECT_NO_THROW(FuzzPruefe(true, "Probe"));
}

}  // namespace
