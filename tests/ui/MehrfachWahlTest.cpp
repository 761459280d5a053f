// Die Mehrfachwahl: Raster, Wählen mit Rechteck, Strg und Alt, Folge der Wahl.
#include <gtest/gtest.h>

#include <vector>

#include "model/MenueUnit.h"
#include "ui/MehrfachWahlUnit.h"
#include "ui/QuonAuswahlUnit.h"

TEST(Spalten, ElementMenues) {
  EXPECT_EQ(ElementSpaltenLaenge(0), 16);
  EXPECT_EQ(ElementSpaltenLaenge(40), 16);   // √(40/3)·3 ≈ 10.95 → 11, mindestens 16
  EXPECT_EQ(ElementSpaltenLaenge(85), 16);   // 15.97 → 16
  EXPECT_EQ(ElementSpaltenLaenge(86), 16);   // 16.06 → 16
  EXPECT_EQ(ElementSpaltenLaenge(100), 17);  // 17.32 → 17
  EXPECT_EQ(ElementSpaltenLaenge(300), 30);  // √100·3
  EXPECT_EQ(ElementSpaltenLaenge(1200), 60);
}

TEST(Spalten, Versionsmenue) {
  EXPECT_EQ(VersionsSpaltenLaenge(1), 8);
  EXPECT_EQ(VersionsSpaltenLaenge(20), 8);   // 7.75 → 8
  EXPECT_EQ(VersionsSpaltenLaenge(27), 9);   // √9·3
  EXPECT_EQ(VersionsSpaltenLaenge(54), 13);  // 12.73 → 13
}

TEST(MehrfachWahl, RasterSpalteFuerSpalte) {
  TMehrfachWahl w(40);
  EXPECT_EQ(w.Zeilen(), 16);
  EXPECT_EQ(w.Spalten(), 3);
  EXPECT_EQ(w.Index(0, 0), 0);
  EXPECT_EQ(w.Index(0, 15), 15);
  EXPECT_EQ(w.Index(1, 0), 16);
  EXPECT_EQ(w.Index(2, 7), 39);
  EXPECT_EQ(w.Index(2, 8), -1);  // leere Zelle der letzten Spalte
  EXPECT_EQ(w.Index(3, 0), -1);
  TMehrfachWahl leer(0);
  EXPECT_EQ(leer.Spalten(), 0);
  EXPECT_EQ(leer.Index(0, 0), -1);
}

TEST(MehrfachWahl, RechteckWaehlenUndAbwaehlen) {
  TMehrfachWahl w(40);
  w.Druck(0, 2, 0);
  EXPECT_TRUE(w.Waehlt());
  w.Los(1, 3);  // Spalten 0..1, Zeilen 2..3
  EXPECT_EQ(w.Ergebnis(), (std::vector<int>{2, 3, 18, 19}));
  // Druck auf eine gewählte Zelle wählt ab.
  w.Druck(1, 2, 0);
  EXPECT_FALSE(w.Waehlt());
  w.Los(1, 2);
  EXPECT_EQ(w.Ergebnis(), (std::vector<int>{2, 3, 19}));
  // Ein Rechteck über die leeren Zellen der letzten Spalte wählt nur vorhandene Einträge.
  w.Druck(2, 6, 0);
  w.Los(2, 15);
  EXPECT_EQ(w.Ergebnis(), (std::vector<int>{2, 3, 19, 38, 39}));
}

TEST(MehrfachWahl, FolgeDerWahl) {
  TMehrfachWahl w(20);
  for (int z : {5, 1, 9}) {
    w.Druck(0, z, 0);
    w.Los(0, z);
  }
  EXPECT_EQ(w.Ergebnis(), (std::vector<int>{5, 1, 9}));
  EXPECT_TRUE(w.Gewaehlt(1));
  EXPECT_FALSE(w.Gewaehlt(2));
}

TEST(MehrfachWahl, StrgWaehltAllesAltNichts) {
  TMehrfachWahl w(10);
  w.Druck(0, 3, umCtrl);
  EXPECT_EQ(w.Ergebnis().size(), 10u);
  w.Los(0, 5);  // ändert nichts mehr
  EXPECT_EQ(w.Ergebnis().size(), 10u);
  w.Druck(0, 4, umAlt);
  EXPECT_TRUE(w.Ergebnis().empty());
  w.Los(0, 6);  // danach wird das Rechteck gewählt
  EXPECT_EQ(w.Ergebnis(), (std::vector<int>{4, 5, 6}));
}
