#include <gtest/gtest.h>

#include "TestUmgebung.h"
#include "ui/PaletteUnit.h"

TEST(Palette, TitelUndSichern) {
  TTestUmgebung u;
  TTamrelPalette palette;
  EXPECT_EQ(palette.windowTitle(), QStringLiteral("WinTamrel 3.9.16"));
  palette.SichernFreigeben(true);
  EXPECT_TRUE(palette.SichernFrei());
}
