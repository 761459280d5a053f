// Der Start ohne Fenster: das Startkennwort.
#include <gtest/gtest.h>

#include "TestUmgebung.h"
#include "app/ProgrammUnit.h"
#include "settings/KennwortUnit.h"

TEST(Programm, OhneKennwortKeineFrage) {
  TTestUmgebung u;
  int gefragt = 0;
  EXPECT_TRUE(StartKennwortPruefen([&] {
    ++gefragt;
    return std::optional<std::string>("x");
  }));
  EXPECT_EQ(gefragt, 0);
}

TEST(Programm, KennwortRichtigFalschAbgebrochen) {
  TTestUmgebung u;
  KennwortSetzen("Geheim");
  EXPECT_TRUE(StartKennwortPruefen([] { return std::optional<std::string>("Geheim"); }));
  EXPECT_FALSE(StartKennwortPruefen([] { return std::optional<std::string>("geheim"); }));
  EXPECT_FALSE(StartKennwortPruefen([] { return std::optional<std::string>(); }));
  EXPECT_FALSE(StartKennwortPruefen({}));
  // Die Eingabe kommt als UTF-8, gespeichert ist die Form in Windows-1252.
  KennwortSetzen(
      "M\xFC"
      "he");
  EXPECT_TRUE(StartKennwortPruefen([] { return std::optional<std::string>("Mühe"); }));
}
