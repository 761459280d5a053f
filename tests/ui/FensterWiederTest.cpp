#include "ui/FensterWiederUnit.h"

#include <gtest/gtest.h>

#include "TestUmgebung.h"

TEST(FensterWieder, ElementNachDemRestDerUeberschrift) {
  TTestUmgebung u;
  TSchule& s = u.schule();
  TLehrer* mue = s.HoleLehrer("MUE");
  TRaum* a1 = s.HoleRaum("A1");
  s.HoleLehrer("A1");
  EXPECT_EQ(PlanFensterElement(s, {9, "Plan MUE", {}}), mue);
  EXPECT_EQ(PlanFensterElement(s, {11, "Plan A1", {}}), a1);  // Raum, nicht der Lehrer A1
  EXPECT_EQ(PlanFensterElement(s, {9, "Plan XYZ", {}}), nullptr);
  EXPECT_EQ(PlanFensterElement(s, {9, "MUE", {}}), nullptr);  // ohne Leerzeichen
  EXPECT_EQ(PlanFensterElement(s, {31, "Lehrerübersicht", {}}), nullptr);
}

TEST(FensterWieder, LageBleibtImArbeitsbereichUndWaechstNie) {
  const TRechteck arbeit{0, 0, 1600, 1000};
  const TFensterLage jetzt{30, 60, 600, 300};
  // Gespeicherte Lage und kleinere Maße werden übernommen.
  EXPECT_EQ(WiederLage(jetzt, {100, 120, 500, 250}, arbeit, 100, 80),
            (TFensterLage{100, 120, 500, 250}));
  // Größere Maße nicht; nie unter das Mindestmaß.
  EXPECT_EQ(WiederLage(jetzt, {100, 120, 900, 20}, arbeit, 100, 80),
            (TFensterLage{100, 120, 600, 80}));
  // Weit rechts, unten, links oder über dem Bildschirm: die Lage bleibt, auch bei Werten, die
  // in 32 Bit überliefen.
  EXPECT_EQ(WiederLage(jetzt, {1500, 900, 600, 300}, arbeit, 100, 80), jetzt);
  EXPECT_EQ(WiederLage(jetzt, {-550, -5, 600, 300}, arbeit, 100, 80), jetzt);
  EXPECT_EQ(WiederLage(jetzt, {INT32_MIN, INT32_MAX, 600, 300}, arbeit, 100, 80), jetzt);
  // Ein zweiter Bildschirm links vom ersten: der Arbeitsbereich beginnt links von 0.
  EXPECT_EQ(WiederLage(jetzt, {-1200, 100, 600, 300}, {-1600, 0, 3200, 1000}, 100, 80),
            (TFensterLage{-1200, 100, 600, 300}));
}
