// Die Hilfe von tamrel-cli und das Handbuch nennen dieselben Befehle; jeder Befehl hat seine
// eigene Hilfe.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "CliAufruf.h"
#include "ui/HandbuchUnit.h"

TEST(CliHandbuchTest, HilfeUndHandbuchNennenDieselbenBefehle) {
  const char* quellen = std::getenv("TAMREL_QUELLEN");
  ASSERT_NE(quellen, nullptr);
  std::ifstream ein(std::string(quellen) + "/docs/Handbuch.md");
  std::ostringstream text;
  text << ein.rdbuf();
  const std::vector<std::string> befehle = CliBefehle();
  EXPECT_GE(befehle.size(), 14u);
  EXPECT_EQ(HandbuchCliBefehle(text.str()), befehle);
}

TEST(CliHandbuchTest, JederBefehlHatSeineHilfe) {
  for (const std::string& befehl : CliBefehle()) {
    const TAufruf a = Cli({befehl, "--hilfe"});
    EXPECT_EQ(a.Code, 0) << befehl;
    EXPECT_EQ(a.Aus.rfind("Aufruf: tamrel-cli " + befehl + " ", 0), 0u) << a.Aus;
    EXPECT_TRUE(a.Fehler.empty()) << a.Fehler;
  }
  // Nur der eigene Abschnitt: die Hilfe von "plan" endet vor "drucken".
  const TAufruf plan = Cli({"plan", "--hilfe"});
  EXPECT_NE(plan.Aus.find("Kopieren"), std::string::npos);
  EXPECT_EQ(plan.Aus.find("drucken"), std::string::npos);
  EXPECT_EQ(Cli({"gibtsnicht", "--hilfe"}).Code, 2);
}

// Jede Option, die die Hilfe von "automatik" nennt, steht auch im Handbuch.
TEST(CliHandbuchTest, AutomatikOptionenStehenImHandbuch) {
  const char* quellen = std::getenv("TAMREL_QUELLEN");
  ASSERT_NE(quellen, nullptr);
  std::ifstream ein(std::string(quellen) + "/docs/Handbuch.md");
  std::ostringstream text;
  text << ein.rdbuf();
  const TAufruf hilfe = Cli({"automatik", "--hilfe"});
  ASSERT_EQ(hilfe.Code, 0);
  int optionen = 0;
  for (std::size_t p = hilfe.Aus.find("--"); p != std::string::npos;
       p = hilfe.Aus.find("--", p + 2)) {
    std::size_t e = p + 2;
    while (e < hilfe.Aus.size() &&
           (std::isalpha(static_cast<unsigned char>(hilfe.Aus[e])) || hilfe.Aus[e] == '-'))
      ++e;
    const std::string option = hilfe.Aus.substr(p, e - p);
    if (option.size() <= 2) continue;
    ++optionen;
    EXPECT_NE(text.str().find("`" + option), std::string::npos) << option;
  }
  EXPECT_GE(optionen, 8);
  EXPECT_NE(hilfe.Aus.find("--stunden"), std::string::npos);
  EXPECT_NE(text.str().find("\"Raster: 5 Tage, 12 Stunden\""), std::string::npos);
}
