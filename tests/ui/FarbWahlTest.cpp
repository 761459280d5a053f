// Die eigenen Farben des Farbdialogs: Einträge "ColorA=…" und zurück in die Einstellungen.
#include <gtest/gtest.h>

#include "ui/FarbWahlUnit.h"

namespace {

TEST(FarbWahl, HexInDerFolgeBlauGruenRot) {
  EXPECT_EQ(FarbWahl::FarbeZuHex(0x0000FF), "0000FF");  // Rot
  EXPECT_EQ(FarbWahl::FarbeZuHex(0xA0B0C0), "A0B0C0");
  EXPECT_EQ(FarbWahl::FarbeZuHex(0), "000000");
  EXPECT_EQ(FarbWahl::HexZuFarbe("00ff80"), TColor{0x00FF80});
  EXPECT_EQ(FarbWahl::HexZuFarbe("FFFFFF"), TColor{0xFFFFFF});
  EXPECT_FALSE(FarbWahl::HexZuFarbe("FFFFF"));
  EXPECT_FALSE(FarbWahl::HexZuFarbe("FFFFFFF"));
  EXPECT_FALSE(FarbWahl::HexZuFarbe("FFGFFF"));
}

TEST(FarbWahl, SechzehnEintraegeAbisP) {
  std::vector<std::string> eigene(16, "FFFFFF");
  eigene[0] = "0000ff";
  eigene[15] = "123456";
  eigene[3] = "kaputt";
  const std::vector<std::string> e = FarbWahl::DialogEintraege(eigene);
  ASSERT_EQ(e.size(), 16u);
  EXPECT_EQ(e[0], "ColorA=0000FF");
  EXPECT_EQ(e[1], "ColorB=FFFFFF");
  EXPECT_EQ(e[3], "ColorD=FFFFFF");
  EXPECT_EQ(e[15], "ColorP=123456");
  // Zu kurze Listen werden weiß aufgefüllt.
  EXPECT_EQ(FarbWahl::DialogEintraege({"00FF00"})[1], "ColorB=FFFFFF");
}

TEST(FarbWahl, ZurueckLiestDieLetztenSechsZeichen) {
  std::vector<std::string> eigene(16, "FFFFFF");
  std::vector<std::string> e = FarbWahl::DialogEintraege(eigene);
  e[2] = "ColorC=00FF00";
  e[5] = "ColorF=abc";  // keine Farbe: die alte bleibt
  FarbWahl::EintraegeZurueck(e, eigene);
  EXPECT_EQ(eigene[2], "00FF00");
  EXPECT_EQ(eigene[5], "FFFFFF");
  EXPECT_EQ(FarbWahl::EintragFarbe("ColorC=00FF00"), TColor{0x00FF00});
  std::vector<std::string> wenige{"000000"};
  FarbWahl::EintraegeZurueck({"ColorA=0000FF"}, wenige);
  ASSERT_EQ(wenige.size(), 16u);
  EXPECT_EQ(wenige[0], "0000FF");
  EXPECT_EQ(wenige[15], "FFFFFF");
}

}  // namespace
