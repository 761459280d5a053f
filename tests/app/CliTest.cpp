#include <gtest/gtest.h>

#include <sstream>

#include "app/CliUnit.h"

TEST(Kommandozeile, VersionUndUnbekannterBefehl) {
  std::ostringstream aus, fehler;
  EXPECT_EQ(CliAusfuehren({"--version"}, aus, fehler), 0);
  EXPECT_EQ(aus.str(), "WinTamrel 3.9.16 (Version vom 09.11.2025)\n");
  std::ostringstream aus2, fehler2;
  EXPECT_EQ(CliAusfuehren({"gibtsnicht"}, aus2, fehler2), 2);
  EXPECT_NE(fehler2.str().find("Unbekannter Befehl: gibtsnicht"), std::string::npos);
  std::ostringstream aus3, fehler3;
  EXPECT_EQ(CliAusfuehren({}, aus3, fehler3), 2);
  EXPECT_NE(fehler3.str().find("Aufruf: tamrel-cli"), std::string::npos);
}
