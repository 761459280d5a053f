// Das Handbuch: jeder Abschnitt, den F1 öffnet, steht darin.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "model/GlobalUnit.h"
#include "ui/HandbuchUnit.h"

namespace {
std::string HandbuchText() {
  const char* quellen = std::getenv("TAMREL_QUELLEN");
  EXPECT_NE(quellen, nullptr) << "TAMREL_QUELLEN ist nicht gesetzt";
  std::ifstream ein(std::string(quellen ? quellen : ".") + "/docs/Handbuch.md");
  std::ostringstream text;
  text << ein.rdbuf();
  return text.str();
}
}  // namespace

TEST(HandbuchTest, JederFensterAbschnittStehtImHandbuch) {
  const std::vector<std::string> titel = HandbuchUeberschriften(HandbuchText());
  ASSERT_FALSE(titel.empty());
  for (int art : HandbuchFensterArten()) {
    const std::string abschnitt = HandbuchAbschnitt(art);
    EXPECT_EQ(std::count(titel.begin(), titel.end(), abschnitt), 1)
        << "Fensterart " << art << ": \"" << abschnitt << "\" fehlt oder steht doppelt";
  }
  EXPECT_EQ(HandbuchAbschnitt(FensterArt::LehrerPlan), "Planfenster");
  EXPECT_EQ(HandbuchAbschnitt(0), "");
}

TEST(HandbuchTest, UeberschriftenUndBefehleOhneCodeBloecke) {
  const std::string text =
      "# Titel\n## Erste Schritte \n```\n# kein Titel\n| `tamrel-cli falsch` | x |\n```\n"
      "#ohne Blank\n### Befehle\r\n| Befehl | Wirkung |\n|---|---|\n"
      "| `tamrel-cli info` | Anzahlen |\n| `tamrel-cli plan DATEI` | Plan |\n"
      "## Weiter\n| `tamrel-cli danach` | nicht mehr |\n";
  EXPECT_EQ(HandbuchUeberschriften(text),
            (std::vector<std::string>{"Titel", "Erste Schritte", "Befehle", "Weiter"}));
  EXPECT_EQ(HandbuchCliBefehle(text), (std::vector<std::string>{"info", "plan"}));
}
