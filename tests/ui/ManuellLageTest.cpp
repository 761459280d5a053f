// Lage des Manuellfensters neben der Palette und Anordnung seiner Tafeln.
#include <gtest/gtest.h>

#include "ui/ManuellLageUnit.h"

namespace {

bool Gleich(const TRechteck& a, const TRechteck& b) {
  return a.Links == b.Links && a.Oben == b.Oben && a.Breite == b.Breite && a.Hoehe == b.Hoehe;
}

TEST(ManuellLage, DerGroessteTeilNebenDerPalette) {
  const TRechteck arbeit{0, 0, 1600, 1000};
  // Eine breite Palette oben: das Fenster darunter.
  EXPECT_TRUE(Gleich(ManuellFensterRechteck(arbeit, {0, 0, 1600, 80}), {0, 80, 1600, 920}));
  // Eine schmale Palette links: das Fenster rechts daneben.
  EXPECT_TRUE(Gleich(ManuellFensterRechteck(arbeit, {0, 0, 120, 700}), {120, 0, 1480, 1000}));
  // Rechts am Rand: links daneben.
  EXPECT_TRUE(Gleich(ManuellFensterRechteck(arbeit, {1500, 100, 100, 600}), {0, 0, 1500, 1000}));
  // Unten: darüber.
  EXPECT_TRUE(Gleich(ManuellFensterRechteck(arbeit, {0, 950, 1600, 50}), {0, 0, 1600, 950}));
  // Ohne sichtbare Palette oder außerhalb: der ganze Arbeitsbereich.
  EXPECT_TRUE(Gleich(ManuellFensterRechteck(arbeit, {}), arbeit));
  EXPECT_TRUE(Gleich(ManuellFensterRechteck(arbeit, {1700, 0, 100, 100}), arbeit));
  // Ein Arbeitsbereich, der nicht bei 0 beginnt.
  EXPECT_TRUE(
      Gleich(ManuellFensterRechteck({0, 30, 1600, 970}, {0, 30, 1600, 70}), {0, 100, 1600, 900}));
}

TEST(ManuellLage, TafelnNachDerAnordnung) {
  EXPECT_EQ(ManTafelPlatz(0, 0), (TTafelPlatz{0, 0}));
  EXPECT_EQ(ManTafelPlatz(1, 1), (TTafelPlatz{0, 1}));  // zwei nebeneinander
  EXPECT_EQ(ManTafelPlatz(2, 1), (TTafelPlatz{1, 0}));  // zwei untereinander
  EXPECT_EQ(ManTafelPlatz(3, 2), (TTafelPlatz{0, 2}));
  EXPECT_EQ(ManTafelPlatz(4, 2), (TTafelPlatz{2, 0}));
  EXPECT_EQ(ManTafelPlatz(5, 2), (TTafelPlatz{1, 0}));  // zwei mal zwei
  EXPECT_EQ(ManTafelPlatz(5, 3), (TTafelPlatz{1, 1}));
}

}  // namespace
