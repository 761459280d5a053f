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

namespace {
// Überschneiden sich zwei Rechtecke?
bool Ueberlappen(const TRechteck& a, const TRechteck& b) {
  return a.Links < b.Links + b.Breite && b.Links < a.Links + a.Breite &&
         a.Oben < b.Oben + b.Hoehe && b.Oben < a.Oben + a.Hoehe;
}
bool Innen(const TRechteck& r, const TRechteck& in) {
  return r.Links >= in.Links && r.Oben >= in.Oben && r.Links + r.Breite <= in.Links + in.Breite &&
         r.Oben + r.Hoehe <= in.Oben + in.Hoehe;
}
}  // namespace

TEST(FensterPlatz, LeisteObenVerschiebtDenRandDerPalette) {
  // Eine Leiste von 30 Punkten oben: der Arbeitsbereich beginnt bei 30, die Palette dort.
  const TRechteck arbeit{0, 30, 1600, 970};
  const TRechteck palette{0, 30, 900, 60};
  EXPECT_EQ(Platz(1, 1, palette, 0, arbeit), (TPunkt{0, 95}));
  const TRechteck hoch{40, 30, 50, 700};  // links neben einer Leiste von 40 Punkten
  EXPECT_EQ(Platz(1, 1, hoch, 4, TRechteck{40, 30, 1560, 970}), (TPunkt{95, 30}));
}

TEST(FensterPlatz, FreierBereichNebenDerPalette) {
  const TRechteck arbeit{0, 30, 1600, 970};
  // Breite Palette oben: der Streifen darunter.
  EXPECT_EQ(FreierBereich(arbeit, {0, 30, 900, 60}).Oben, 90);
  EXPECT_EQ(FreierBereich(arbeit, {0, 30, 900, 60}).Hoehe, 910);
  // Hohe Palette links: der Streifen rechts.
  const TRechteck r = FreierBereich(arbeit, {0, 30, 60, 900});
  EXPECT_EQ(r.Links, 60);
  EXPECT_EQ(r.Breite, 1540);
  // Palette außerhalb oder ohne Größe: alles frei.
  EXPECT_EQ(FreierBereich(arbeit, {2000, 0, 100, 100}).Hoehe, 970);
  EXPECT_EQ(FreierBereich(arbeit, {0, 0, 0, 0}).Oben, 30);
}

TEST(FensterPlatz, DialogeUeberDemOeffnerUndNieUeberDerPalette) {
  const TRechteck arbeit{0, 30, 1600, 970};
  const TRechteck palette{0, 30, 900, 60};
  // Von der Palette geöffnet: mitten im Bereich unter ihr.
  const TPunkt p = DialogPlatz(400, 300, std::nullopt, arbeit, palette);
  EXPECT_EQ(p, (TPunkt{600, 90 + (910 - 300) / 2}));
  // Über dem Fenster, das ihn öffnete, zentriert.
  const TRechteck fenster{700, 400, 600, 400};
  EXPECT_EQ(DialogPlatz(200, 100, fenster, arbeit, palette), (TPunkt{900, 550}));
  // Ein Fenster dicht unter der Palette: der Dialog rückt nach unten, statt sie zu verdecken.
  const TRechteck oben{0, 90, 300, 100};
  const TPunkt q = DialogPlatz(400, 300, oben, arbeit, palette);
  EXPECT_FALSE(Ueberlappen({q.X, q.Y, 400, 300}, palette));
  EXPECT_EQ(q, (TPunkt{0, 90}));
  // Ein Fenster am rechten unteren Rand: der Dialog bleibt auf dem Schirm.
  const TPunkt r = DialogPlatz(500, 400, TRechteck{1500, 900, 300, 300}, arbeit, palette);
  EXPECT_TRUE(Innen({r.X, r.Y, 500, 400}, arbeit));
  // Zu hoch für den freien Bereich: er beginnt an dessen Oberkante, nicht darüber.
  EXPECT_EQ(DialogPlatz(400, 2000, std::nullopt, arbeit, palette).Y, 90);
  // Für jede Lage des Öffners und jede Größe, die unter die Palette passt: nie über ihr, nie
  // außerhalb des Arbeitsbereichs.
  for (int x = -200; x <= 1800; x += 150)
    for (int y = -100; y <= 1100; y += 120)
      for (const auto& [b, h] : {std::pair{200, 150}, std::pair{800, 600}, std::pair{1600, 900}}) {
        const TPunkt d = DialogPlatz(b, h, TRechteck{x, y, 300, 200}, arbeit, palette);
        const TRechteck dialog{d.X, d.Y, b, h};
        EXPECT_FALSE(Ueberlappen(dialog, palette)) << x << "," << y << " " << b << "x" << h;
        EXPECT_TRUE(Innen(dialog, arbeit)) << x << "," << y << " " << b << "x" << h;
      }
}

TEST(FensterPlatz, NeueFensterObenLinksUnterDerPalette) {
  const TRechteck arbeit{0, 30, 1600, 970};
  EXPECT_EQ(FensterStart(700, 500, arbeit, {0, 30, 900, 60}), (TPunkt{0, 90}));
  EXPECT_EQ(FensterStart(700, 500, arbeit, {0, 30, 60, 900}), (TPunkt{60, 30}));
  // Zu groß: am Rand des freien Bereichs, nie links oder oben heraus.
  EXPECT_EQ(FensterStart(2000, 2000, arbeit, {0, 30, 900, 60}), (TPunkt{0, 90}));
}

TEST(FensterPlatz, GespeicherterPlatzRuecktUnterDiePalette) {
  const TRechteck arbeit{0, 30, 1600, 970};
  const TRechteck palette{0, 30, 900, 60};
  // Ab Werk (100, 50): das Fenster läge unter der Palette; es rückt unter sie.
  EXPECT_EQ(FreierPlatz({100, 50}, 700, 400, arbeit, palette), (TPunkt{100, 90}));
  // Ein freier Platz bleibt, einer außerhalb des Schirms kommt zurück.
  EXPECT_EQ(FreierPlatz({300, 400}, 700, 400, arbeit, palette), (TPunkt{300, 400}));
  EXPECT_EQ(FreierPlatz({3000, 2000}, 700, 400, arbeit, palette), (TPunkt{900, 600}));
  EXPECT_EQ(FreierPlatz({-50, -50}, 700, 400, arbeit, palette), (TPunkt{0, 90}));
}
