// Der Platz neuer Fenster in den vier Anordnungen.
#include <gtest/gtest.h>

#include "ui/FensterPlatzUnit.h"

namespace {
const TRechteck kSchirm{0, 0, 1024, 768};
const TRechteck kBreitePalette{0, 0, 600, 40};  // einzeilige Anordnung oben

TPunkt Platz(int i, int modus, const TRechteck& palette = kBreitePalette, int schalter = 0,
             const TRechteck& schirm = kSchirm) {
  const auto p = FensterPlatz(i, modus, schirm, palette, schalter);
  EXPECT_TRUE(p.has_value());
  return p.value_or(TPunkt{-1, -1});
}

TEST(FensterPlatz, EineKaskadeUnterDerPalette) {
  // y0 = 45, n = min(1024 div 60, 723 div 60) = 12.
  EXPECT_EQ(Platz(1, 1), (TPunkt{0, 45}));
  EXPECT_EQ(Platz(2, 1), (TPunkt{30, 75}));
  EXPECT_EQ(Platz(12, 1), (TPunkt{330, 375}));
  EXPECT_EQ(Platz(13, 1), (TPunkt{0, 45}));
  // Palette nicht am Rand: kein Abstand.
  EXPECT_EQ(Platz(1, 1, TRechteck{300, 300, 600, 40}), (TPunkt{0, 0}));
}

TEST(FensterPlatz, HoheAnordnungenNebenDerPalette) {
  const TRechteck hoch{0, 0, 50, 700};
  EXPECT_EQ(Platz(1, 1, hoch, 4), (TPunkt{55, 0}));
  EXPECT_EQ(Platz(1, 1, hoch, 6), (TPunkt{55, 0}));
  // Die quadratische Anordnung hält beide Ränder frei von Abständen.
  EXPECT_EQ(Platz(1, 1, hoch, 3), (TPunkt{0, 0}));
  // Breite Anordnung, aber die Palette liegt nicht oben: nichts.
  EXPECT_EQ(Platz(1, 1, TRechteck{0, 50, 600, 40}, 1), (TPunkt{0, 0}));
}

TEST(FensterPlatz, ZweiUndVierKaskaden) {
  const TRechteck weg{500, 500, 10, 10};
  // Modus 2: xm = 512; ungerade rechts, gerade links, je zwei Fenster eine Stufe.
  EXPECT_EQ(Platz(1, 2, weg), (TPunkt{512, 0}));
  EXPECT_EQ(Platz(2, 2, weg), (TPunkt{0, 0}));
  EXPECT_EQ(Platz(3, 2, weg), (TPunkt{542, 30}));
  // Modus 3: ym = 384.
  EXPECT_EQ(Platz(1, 3, weg), (TPunkt{0, 384}));
  EXPECT_EQ(Platz(2, 3, weg), (TPunkt{0, 0}));
  // Modus 4: oben rechts, unten links, unten rechts, oben links, dann eine Stufe weiter.
  EXPECT_EQ(Platz(1, 4, weg), (TPunkt{512, 0}));
  EXPECT_EQ(Platz(2, 4, weg), (TPunkt{0, 384}));
  EXPECT_EQ(Platz(3, 4, weg), (TPunkt{512, 384}));
  EXPECT_EQ(Platz(4, 4, weg), (TPunkt{0, 0}));
  EXPECT_EQ(Platz(5, 4, weg), (TPunkt{542, 30}));
}

TEST(FensterPlatz, KleinerSchirmKaskadiertUeberVierStufen) {
  const TRechteck klein{0, 0, 200, 150};
  const TRechteck weg{500, 500, 10, 10};
  // n wäre 2; mindestens 4.
  EXPECT_EQ(Platz(4, 1, weg, 0, klein), (TPunkt{90, 90}));
  EXPECT_EQ(Platz(5, 1, weg, 0, klein), (TPunkt{0, 0}));
}

TEST(FensterPlatz, AndereModiUndDiePaletteBewegenNichts) {
  EXPECT_FALSE(FensterPlatz(1, 0, kSchirm, kBreitePalette, 0).has_value());
  EXPECT_FALSE(FensterPlatz(1, 5, kSchirm, kBreitePalette, 0).has_value());
  EXPECT_FALSE(FensterPlatz(0, 1, kSchirm, kBreitePalette, 0).has_value());
}
}  // namespace
