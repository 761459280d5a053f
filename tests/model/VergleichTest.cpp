// Der Textvergleich nach Landessprache (Windows-1252).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "model/VergleichUnit.h"

namespace {
std::vector<std::string> Sortiert(std::vector<std::string> v) {
  std::stable_sort(v.begin(), v.end(), [](const std::string& a, const std::string& b) {
    return LocaleVergleich(a, b) < 0;
  });
  return v;
}
}  // namespace

TEST(Vergleich, UmlauteNebenIhrenGrundbuchstaben) {
  // Ä, Ö, Ü und ß in Windows-1252.
  EXPECT_EQ(
      Sortiert({"Zander", "\xC4pfel", "Apfel", "Birne", "\xD6l", "Ofen",
                "\xDC"
                "ber",
                "Ufer",
                "Stra\xDF"
                "e",
                "Strasse", "Strand"}),
      (std::vector<std::string>{"Apfel", "\xC4pfel", "Birne", "Ofen", "\xD6l", "Strand", "Strasse",
                                "Stra\xDF"
                                "e",
                                "\xDC"
                                "ber",
                                "Ufer", "Zander"}));
}

TEST(Vergleich, KleinVorGrossNurAlsLetztesMerkmal) {
  EXPECT_LT(LocaleVergleich("ab", "Ab"), 0);
  EXPECT_LT(LocaleVergleich("Ab", "ac"), 0);  // der Buchstabe zählt vor der Schreibweise
  EXPECT_LT(LocaleVergleich("a", "\xE4"), 0);
  EXPECT_GT(LocaleVergleich("\xE4", "A"), 0);  // der Akzent zählt vor der Schreibweise
  EXPECT_LT(LocaleVergleich("\xE4", "\xC4"), 0);
  EXPECT_GT(LocaleVergleich("b", "A"), 0);
}

TEST(Vergleich, ZeichenZiffernBuchstaben) {
  EXPECT_LT(LocaleVergleich("-", "1"), 0);
  EXPECT_LT(LocaleVergleich("9", "a"), 0);
  EXPECT_LT(LocaleVergleich("10a", "5a"), 0);  // Zeichen für Zeichen, keine Zahlen
  EXPECT_LT(LocaleVergleich("5", "5a"), 0);    // kürzer zuerst
  EXPECT_LT(LocaleVergleich("", "a"), 0);
}

TEST(Vergleich, GleichNurBeiGleichenBytes) {
  EXPECT_EQ(LocaleVergleich("M\xFC"
                            "ller",
                            "M\xFC"
                            "ller"),
            0);
  EXPECT_NE(LocaleVergleich("Strasse",
                            "Stra\xDF"
                            "e"),
            0);
  EXPECT_EQ(LocaleVergleich("x", "y"), -LocaleVergleich("y", "x"));
}
