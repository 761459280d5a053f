// Die Maße eines Rasters: Lage und Suche stimmen nach jeder Änderung mit dem einfachen Aufsummieren
// überein (zufällige Folgen von Änderungen, auch Maß 0 und Linie 0).
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "ui/RasterMassUnit.h"

namespace {
// Die Invariante, gegen die einfache Rechnung geprüft.
void Pruefe(const TRasterMasse& m, const std::vector<int>& masse, int linie) {
  ASSERT_EQ(m.Anzahl(), static_cast<int>(masse.size()));
  std::int64_t kante = 0;
  for (int i = 0; i <= m.Anzahl(); ++i) {
    EXPECT_EQ(m.Abstand(0, i), kante) << i;
    if (i < m.Anzahl()) {
      EXPECT_EQ(m.Mass(i), masse[static_cast<std::size_t>(i)]);
      kante += masse[static_cast<std::size_t>(i)] + linie;
    }
  }
  EXPECT_EQ(m.Summe(), kante);
  // Jede Stelle ab jeder Zelle: die Zelle, die sie wie beim Zeichnen trifft.
  for (int ab = 0; ab <= m.Anzahl(); ab += 3)
    for (std::int64_t x = 0; x <= kante + 2; x += 5) {
      int erwartet = m.Anzahl();
      std::int64_t rechts = 0;
      for (int c = ab; c < m.Anzahl(); ++c) {
        rechts += masse[static_cast<std::size_t>(c)] + linie;
        if (x < rechts) {
          erwartet = c;
          break;
        }
      }
      EXPECT_EQ(m.ZelleAn(ab, x), erwartet) << ab << " " << x;
    }
}
}  // namespace

TEST(RasterMasse, LageUndSucheWieAufsummiertNachJederAenderung) {
  std::mt19937 zufall(7);
  TRasterMasse m(5, 24, 1);
  std::vector<int> masse(5, 24);
  int linie = 1;
  Pruefe(m, masse, linie);
  for (int schritt = 0; schritt < 300; ++schritt) {
    const int n = static_cast<int>(masse.size());
    switch (zufall() % 6) {
      case 0: {  // ein Maß, auch 0
        if (n == 0) break;
        const int i = static_cast<int>(zufall() % static_cast<unsigned>(n));
        const int w = static_cast<int>(zufall() % 40);
        m.SetzeMass(i, w);
        masse[static_cast<std::size_t>(i)] = w;
        break;
      }
      case 1: {  // neue Anzahl
        const int neu = static_cast<int>(zufall() % 40);
        m.Groesse(neu, 17);
        masse.resize(static_cast<std::size_t>(neu), 17);
        break;
      }
      case 2:
        if (zufall() % 4 == 0) {
          m.AlleSetzen(9);
          masse.assign(masse.size(), 9);
        }
        break;
      case 3:
        linie = static_cast<int>(zufall() % 3);
        m.SetzeLinie(linie);
        break;
      case 4: {
        if (n == 0) break;
        const int i = static_cast<int>(zufall() % static_cast<unsigned>(n));
        m.Einschieben(i, 3);
        masse.pop_back();
        masse.insert(masse.begin() + i, 3);
        break;
      }
      default:
        m.SetzeMass(-1, 5);  // außerhalb: nichts
        m.SetzeMass(n, 5);
        break;
    }
    Pruefe(m, masse, linie);
    if (HasFailure()) return;
  }
  // Negative Maße zählen als 0; vor dem Anfang liegt die erste Zelle.
  TRasterMasse k(3, 10, 1);
  k.SetzeMass(1, -4);
  EXPECT_EQ(k.Mass(1), 0);
  EXPECT_EQ(k.ZelleAn(0, -3), 0);
  EXPECT_EQ(k.ZelleAn(0, 11), 1);  // Zelle 1 hat nur ihre Linie
  EXPECT_EQ(k.ZelleAn(0, 12), 2);
}
