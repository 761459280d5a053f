// Die Regeln des Tabelleneditors der Automatik: Verbindungen umschalten, Ordnungszahlen tauschen.
#include <gtest/gtest.h>

#include <set>

#include "TestUmgebung.h"
#include "ui/AutoTabelleUnit.h"

namespace {

TEST(AutoTabelle, VerbindungenUndTauschAufEinerKopie) {
  TTestUmgebung u;
  const TAutoTabelle vorher = Standard().fAuTab;
  TAutoTabellenKopie k;
  // Tabelle 1: Mittwoch 1 (Ordnung 1) ist mit der 2. Stunde verbunden, Montag 2 nicht.
  EXPECT_EQ(k.Ordnung(1, 1, 3), 1);
  EXPECT_TRUE(k.NachUnten(1, 1, 3));
  EXPECT_TRUE(k.VonOben(1, 2, 3));
  EXPECT_FALSE(k.VonOben(1, 1, 3));
  EXPECT_FALSE(k.NachUnten(1, 16, 1));
  // Umschalten in der letzten Stunde nach unten und in der ersten nach oben gibt es nicht.
  EXPECT_FALSE(k.SchalteNachUnten(1, 16, 1));
  EXPECT_FALSE(k.SchalteVonOben(1, 1, 1));
  EXPECT_TRUE(k.SchalteVonOben(1, 2, 3));
  EXPECT_FALSE(k.NachUnten(1, 1, 3));
  // Tausch: die Ordnungszahlen wandern, die Verbindungen bleiben an ihrer Zelle.
  const bool untenA = k.NachUnten(1, 3, 1), untenB = k.NachUnten(1, 4, 1);
  const int a = k.Ordnung(1, 3, 1), b = k.Ordnung(1, 4, 1);
  k.Tausche(1, 3, 1, 4, 1);
  EXPECT_EQ(k.Ordnung(1, 3, 1), b);
  EXPECT_EQ(k.Ordnung(1, 4, 1), a);
  EXPECT_EQ(k.NachUnten(1, 3, 1), untenA);
  EXPECT_EQ(k.NachUnten(1, 4, 1), untenB);
  // Jede Ordnungszahl 1..112 bleibt genau einmal.
  std::set<int> zahlen;
  for (int h = 1; h <= 16; ++h)
    for (int t = 1; t <= 7; ++t) zahlen.insert(k.Ordnung(1, h, t));
  EXPECT_EQ(zahlen.size(), 112u);
  // Erst "Ok" schreibt in die Einstellungen.
  EXPECT_TRUE(Standard().fAuTab == vorher);
  k.Uebernehmen();
  EXPECT_EQ(std::abs(Standard().fAuTab[1][3][1]), b);
}

}  // namespace
