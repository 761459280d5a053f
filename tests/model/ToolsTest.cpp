#include <gtest/gtest.h>

#include "TestUmgebung.h"
#include "model/ToolsUnit.h"
#include "settings/StandardUnit.h"

TEST(FesterText, SchneidetBeimZuweisen) {
  TKuerzelString k = "ABCDEFGHIJKL";
  EXPECT_EQ(k.str(), "ABCDEFGHIJK");
  k = std::string("kurz");
  EXPECT_EQ(k.str(), "kurz");
  TGrundString g = "xy";
  EXPECT_EQ(g.str(), "x");
  TInfoString leer;
  EXPECT_TRUE(leer.empty());
  str255 lang(std::string(300, 'a'));
  EXPECT_EQ(lang.size(), 255u);
}

TEST(Zeichensatz, Win1252UndUtf8) {
  EXPECT_EQ(Win1252ZuUtf8("M\xFC"
                          "ller \xDF \x80"),
            "Müller ß €");
  EXPECT_EQ(Utf8ZuWin1252("Müller ß €"),
            "M\xFC"
            "ller \xDF \x80");
  // 1252 kennt das Zeichen nicht: Fragezeichen; ungültiges UTF-8 ebenso.
  EXPECT_EQ(Utf8ZuWin1252("Ł\xC3"), "??");
  EXPECT_EQ(Utf8ZuWin1252("a\xE2\x82"), "a??");
  EXPECT_TRUE(Utf8InWin1252Darstellbar("Grüße „Österreich“ – 5 €"));
  EXPECT_FALSE(Utf8InWin1252Darstellbar("Łódź"));
  // Jedes der 256 Bytes übersteht den Weg hin und zurück.
  std::string alle;
  for (int i = 0; i < 256; ++i) alle.push_back(static_cast<char>(i));
  EXPECT_EQ(Utf8ZuWin1252(Win1252ZuUtf8(alle)), alle);
}

TEST(Stundentext, FestkommaRechtsbuendigHalbVonNullWeg) {
  // Divisor 1
  EXPECT_EQ(StundenText(3, 1, 2, 1), " 3.0");
  EXPECT_EQ(StundenText(24, 1, 2, 1), "24.0");
  EXPECT_EQ(StundenText(123, 1, 2, 1), "123.0");  // wird nicht gekürzt
  EXPECT_EQ(StundenText(5, 1, 2, 0), "  5");      // ohne Dezimalpunkt, Breite 3
  // Divisor 4: Viertelstunden
  EXPECT_EQ(StundenText(1, 4, 2, 1), " 0.3");  // 0.25 -> 0.3
  EXPECT_EQ(StundenText(3, 4, 2, 1), " 0.8");  // 0.75 -> 0.8
  EXPECT_EQ(StundenText(-1, 4, 2, 1), "-0.3");
  EXPECT_EQ(StundenText(6, 4, 1, 2), "1.50");
  EXPECT_EQ(StundenText(2, 4, 2, 0), "  1");  // 0.5 -> 1
  // Divisor 100
  EXPECT_EQ(StundenText(150, 100, 2, 1), " 1.5");
  EXPECT_EQ(StundenText(2405, 100, 2, 1), "24.1");  // 24.05 -> 24.1
  EXPECT_EQ(StundenText(2404, 100, 2, 1), "24.0");
  EXPECT_EQ(StundenText(-2405, 100, 2, 1), "-24.1");
  EXPECT_EQ(StundenText(7, 100, 3, 3), "  0.070");  // Breite 3 + 3 + 1
  EXPECT_EQ(StundenText(-4, 100, 2, 1), " 0.0");    // keine negative Null
}

TEST(Stundentext, NachDenEinstellungen) {
  TTestUmgebung u;
  u.standard.fDivisor = 4;
  u.standard.fVorKomma = 2;
  u.standard.fNachKomma = 1;
  EXPECT_EQ(StundenText(6), " 1.5");
}

TEST(Zahlen, TextZuZahl) {
  EXPECT_EQ(TextZuZahl("42"), 42);
  EXPECT_EQ(TextZuZahl("-7"), -7);
  EXPECT_EQ(TextZuZahl("+3"), 3);
  EXPECT_FALSE(TextZuZahl(""));
  EXPECT_FALSE(TextZuZahl("4a"));
  EXPECT_FALSE(TextZuZahl(" 4"));
  EXPECT_FALSE(TextZuZahl("99999999999999999999"));
}

TEST(Zellentext, WocheTagUndStunde) {
  TTestUmgebung u;
  u.standard.fMaxWocheNeu = 2;
  u.standard.fStdBez[2][4] = "3./4.";
  EXPECT_EQ(ZellenText(2, 3, 4), "{2} Mi 3./4.");
  EXPECT_EQ(ZellenText(1, 1, 10), "{1} Mo 10");
}
