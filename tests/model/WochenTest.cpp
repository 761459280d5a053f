#include <gtest/gtest.h>

#include "TestUmgebung.h"
#include "model/WoBereichsUnit.h"
#include "model/WoStundenUnit.h"
#include "settings/StandardUnit.h"

TEST(WoElem, BitsUndTage) {
  TWoElem e;
  e.SetTagStd(2, 16, true);
  e.SetTagStd(2, 1, true);
  EXPECT_EQ(e.GetTag(2), 0x8001u);
  EXPECT_TRUE(e.GetTagStd(2, 16));
  e.SetTagStd(2, 16, false);
  EXPECT_EQ(e.GetTag(2), 1u);
  // Außerhalb des Rasters geschieht nichts.
  e.SetTagStd(8, 1, true);
  e.SetTagStd(1, 17, true);
  EXPECT_EQ(e.GetTag(1), 0u);
  EXPECT_FALSE(e.GetTagStd(0, 1));
}

TEST(WoElem, Textform) {
  TWoElem e;
  EXPECT_EQ(WoElemZuText(e), "0000000000000000000000000000");
  e.SetTagStd(1, 1, true);
  e.SetTagStd(1, 3, true);
  EXPECT_EQ(WoElemZuText(e), "0005" + std::string(24, '0'));
  e.SetTag(7, 0xFFFFABCD);  // nur die unteren 16 Bit zählen
  const std::string text = WoElemZuText(e);
  EXPECT_EQ(text.substr(24), "ABCD");
  auto zurueck = TextZuWoElem(text);
  ASSERT_TRUE(zurueck);
  EXPECT_EQ(zurueck->GetTag(1), 5u);
  EXPECT_EQ(zurueck->GetTag(7), 0xABCDu);
  EXPECT_TRUE(TextZuWoElem(std::string(28, 'f')));  // Kleinbuchstaben sind hexadezimal
}

TEST(WoElem, KaputterTextGiltAlsFehlend) {
  EXPECT_FALSE(TextZuWoElem(""));
  EXPECT_FALSE(TextZuWoElem("0005"));
  EXPECT_FALSE(TextZuWoElem(std::string(27, '0')));
  EXPECT_FALSE(TextZuWoElem(std::string(29, '0')));
  EXPECT_FALSE(TextZuWoElem("000G" + std::string(24, '0')));
  EXPECT_FALSE(TextZuWoElem(" 005" + std::string(24, '0')));
}

class Wochen : public ::testing::Test {
 protected:
  Wochen() { u.standard.fMaxWocheNeu = 2; }
  TTestUmgebung u;
};

TEST_F(Wochen, WochenStundenSummeUndSetzenAller) {
  TWochenStunden s;
  ASSERT_EQ(s.WochenZahl(), 2);
  s.SetWochenStunde(1, 3);
  s.SetWochenStunde(2, 2);
  EXPECT_EQ(s.GetWochenStunde(0), 5);
  EXPECT_FALSE(s.StundenGleich());
  s.SetWochenStunde(0, 4);
  EXPECT_EQ(s.GetWochenStunde(1), 4);
  EXPECT_EQ(s.GetWochenStunde(2), 4);
  EXPECT_TRUE(s.StundenGleich());
}

TEST_F(Wochen, ArbeitswocheFolgtDemEinWochenModus) {
  TWochenStunden s;
  s.SetWochenStunde(1, 3);
  s.SetWochenStunde(2, 2);
  u.standard.fEineWoche = true;
  u.standard.fAktuelleWoche = 2;
  EXPECT_EQ(s.GetWochenStunde(-1), 2);
  s.SetWochenStunde(-1, 7);
  EXPECT_EQ(s.GetWochenStunde(1), 3);
  EXPECT_EQ(s.GetWochenStunde(2), 7);
  u.standard.fEineWoche = false;
  EXPECT_EQ(s.GetWochenStunde(-1), 10);
  s.SetWochenStunde(-1, 1);
  EXPECT_EQ(s.GetWochenStunde(0), 2);
  // Eine Woche außerhalb des Zyklus liest nichts und schreibt nichts.
  EXPECT_EQ(s.GetWochenStunde(3), 0);
  s.SetWochenStunde(3, 9);
  EXPECT_EQ(s.GetWochenStunde(0), 2);
}

TEST_F(Wochen, StundenGleichMitEinerWoche) {
  TWochenStunden s(1);
  s.SetWochenStunde(1, 4);
  EXPECT_TRUE(s.StundenGleich());
  s.SetWochenZahl(3);
  EXPECT_FALSE(s.StundenGleich());
}

TEST_F(Wochen, BereichOderUeberAlleWochen) {
  TWochBereich b;
  b.SetWocheTagStd(2, 3, 4, true);
  u.standard.fEineWoche = false;
  EXPECT_TRUE(b.GetWocheTagStd(-1, 3, 4));
  EXPECT_TRUE(b.GetWocheTagStd(0, 3, 4));
  EXPECT_FALSE(b.GetWocheTagStd(1, 3, 4));
  u.standard.fEineWoche = true;
  u.standard.fAktuelleWoche = 1;
  EXPECT_FALSE(b.GetWocheTagStd(-1, 3, 4));
}

TEST_F(Wochen, PlatzhalterSetzenGanzeWoche) {
  TWochBereich b;
  b.SetWocheTagStd(1, 0, 0, true);
  for (int t = 1; t <= 7; ++t) EXPECT_EQ(b.GetWocheTag(1, t), 0xFFFFu) << t;
  EXPECT_EQ(b.GetWocheTag(2, 1), 0u);
  b.SetWocheTagStd(0, 5, 0, false);
  EXPECT_EQ(b.GetWocheTag(1, 5), 0u);
  EXPECT_EQ(b.GetWocheTag(1, 4), 0xFFFFu);
}

TEST_F(Wochen, VerkleinernUndVergroessernGibtLeereWoche) {
  u.standard.fMaxWocheNeu = 3;
  TWochBereich b;
  b.SetWocheTagStd(0, 1, 1, true);
  b.SetWochenZahl(2);
  EXPECT_EQ(b.GetWoche(3), nullptr);
  b.SetWochenZahl(3);
  ASSERT_NE(b.GetWoche(3), nullptr);
  EXPECT_TRUE(b.GetWoche(3)->Leer());
  EXPECT_TRUE(b.GetWocheTagStd(2, 1, 1));
}

TEST_F(Wochen, VerknuepfungenUeberAlleZellen) {
  TWochBereich a, b, c;
  a.SetWocheTagStd(1, 1, 1, true);
  a.SetWocheTagStd(2, 7, 16, true);
  b.SetWocheTagStd(0, 0, 0, true);
  a.ReinigeSperrung(b);  // löscht in b, was in a gesetzt ist
  EXPECT_FALSE(b.GetWocheTagStd(1, 1, 1));
  EXPECT_FALSE(b.GetWocheTagStd(2, 7, 16));
  EXPECT_TRUE(b.GetWocheTagStd(1, 1, 2));

  c.OrBereich(a);
  EXPECT_TRUE(c.GetWocheTagStd(2, 7, 16));

  TWochBereich d;
  d.SetWocheTagStd(0, 0, 0, true);
  TWochBereich x, y;
  x.SetWocheTagStd(1, 2, 3, true);
  y.SetWocheTagStd(2, 2, 3, true);
  d.AndOrBereich(x, y);
  EXPECT_TRUE(d.GetWocheTagStd(1, 2, 3));
  EXPECT_TRUE(d.GetWocheTagStd(2, 2, 3));
  EXPECT_FALSE(d.GetWocheTagStd(1, 2, 4));
}

TEST_F(Wochen, GleichBereichNurUeberGenutzteTage) {
  u.standard.fMaxTageNeu = 5;
  TWochBereich b;
  b.SetWocheTagStd(0, 1, 1, true);
  EXPECT_TRUE(b.GleichBereich());
  b.SetWocheTagStd(2, 6, 1, true);  // Samstag zählt bei der 5-Tage-Woche nicht
  EXPECT_TRUE(b.GleichBereich());
  b.SetWocheTagStd(2, 5, 2, true);
  EXPECT_FALSE(b.GleichBereich());
}
