// Beschädigte Schuldateien: abgeschnitten an jeder Stelle und mit zufällig veränderten Bytes.
#include <gtest/gtest.h>

#include <random>
#include <stdexcept>

#include "SchulDateiHilfe.h"
#include "app/BeispielSchuleUnit.h"
#include "fuzz/FuzzZiel.h"
#include "persistence/ReadUnit.h"
#include "persistence/WriteUnit.h"

// Das Fuzz-Ziel des Lesers (fuzz/ReadFuzz.cpp) mit all seinen Prüfungen.
int ReadFuzz(const std::uint8_t* daten, std::size_t groesse);

namespace {

using Bytes = std::vector<std::uint8_t>;

// Jede Länge von 0 bis zur vollen Datei minus eins wird abgelehnt, sauber.
void JedeKuerzereAbgelehnt(const Bytes& voll, const char* name) {
  TTestUmgebung u;
  const std::string datei = std::string("„") + name + "“";
  for (std::size_t n = 0; n < voll.size(); ++n) {
    u.standard.fMaxWocheNeu = 3;
    u.standard.fAktuelleWoche = 2;
    u.NeueSchule();
    std::string fehler;
    const Bytes teil(voll.begin(), voll.begin() + static_cast<std::ptrdiff_t>(n));
    ASSERT_FALSE(ReadSchuleAusBytes(teil, name, u.schule(), fehler)) << "Länge " << n;
    ASSERT_EQ(fehler.rfind("Die Datei " + datei + " ", 0), 0u) << "Länge " << n << ": " << fehler;
    ASSERT_EQ(u.standard.fMaxWocheNeu, 3) << "Länge " << n;
    ASSERT_EQ(u.standard.fAktuelleWoche, 2) << "Länge " << n;
    ASSERT_EQ(u.schule().fDateiName.str(), "Ohne Titel") << "Länge " << n;
  }
  EXPECT_TRUE(u.fenster.fTitel.empty());
  EXPECT_TRUE(u.dialog.fProtokoll.empty());
  EXPECT_EQ(u.dialog.fBeschaeftigt, 0);
}

TEST(SchulDateiRobust, AbgeschnittenAnJederStelle) {
  JedeKuerzereAbgelehnt(KleineSchuleRoh().Bytes(), "klein.tmr");
  TRohDatei alt = KleineSchuleRoh();
  alt.Version = -211;
  JedeKuerzereAbgelehnt(alt.Bytes(), "alt.tmr");
}

TEST(SchulDateiRobust, AbgeschnitteneBeispielschule) {
  // Die Grenzen nach Kopf, Kalender, Planversionen und Raster und Stichproben dahinter.
  Bytes voll;
  {
    TTestUmgebung u;
    ErzeugeBeispielSchule(u.schule(), false);
    voll = SchuleAlsBytes(u.schule());
  }
  TTestUmgebung u;
  for (std::size_t n : {std::size_t{0}, std::size_t{1}, std::size_t{2}, std::size_t{890},
                        std::size_t{892}, std::size_t{892 + 2 * 28}, voll.size() / 3,
                        voll.size() / 2, voll.size() - 266, voll.size() - 2, voll.size() - 1}) {
    u.NeueSchule();
    std::string fehler;
    EXPECT_FALSE(ReadSchuleAusBytes(Bytes(voll.begin(), voll.begin() + static_cast<long>(n)),
                                    "Beispiel.tmr", u.schule(), fehler))
        << n;
    EXPECT_NE(fehler.find("„Beispiel.tmr“"), std::string::npos) << fehler;
  }
}

class SchulDateiZufall : public ::testing::Test {
 protected:
  void SetUp() override {
    fAlt = FuzzBehandlungEinsetzen([](const std::string& was) { throw std::logic_error(was); });
  }
  void TearDown() override { FuzzBehandlungEinsetzen(std::move(fAlt)); }

  // Verändert in Kopien der Datei je 1 bis 4 Bytes und lässt jede Kopie durch alle Prüfungen
  // des Fuzz-Ziels laufen: abgelehnt mit Meldung, oder gelesen und in sich stimmig.
  static void Veraendert(const Bytes& voll, int versuche, std::uint32_t saat) {
    std::mt19937 zufall(saat);
    for (int v = 0; v < versuche; ++v) {
      Bytes b = voll;
      const int n = 1 + static_cast<int>(zufall() % 4);
      for (int i = 0; i < n; ++i) {
        const std::size_t pos = zufall() % b.size();
        b[pos] =
            static_cast<std::uint8_t>(zufall() % 2 ? zufall() : b[pos] ^ (1u << (zufall() % 8)));
      }
      try {
        ASSERT_EQ(ReadFuzz(b.data(), b.size()), 0);
      } catch (const std::logic_error& e) {
        FAIL() << "Versuch " << v << ": " << e.what();
      }
    }
  }

  TFuzzBehandlung fAlt;
};

TEST_F(SchulDateiZufall, KleineSchule) {
  Veraendert(KleineSchuleRoh().Bytes(), 3000, 1);
}

TEST_F(SchulDateiZufall, AlterAufbau) {
  TRohDatei alt = KleineSchuleRoh();
  alt.Version = -211;
  Veraendert(alt.Bytes(), 2000, 2);
}

TEST_F(SchulDateiZufall, Beispielschule) {
  Bytes voll;
  {
    TTestUmgebung u;
    ErzeugeBeispielSchule(u.schule(), false);
    voll = SchuleAlsBytes(u.schule());
  }
  Veraendert(voll, 150, 3);
}

}  // namespace
