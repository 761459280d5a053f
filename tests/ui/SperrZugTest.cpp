// Das Sperrraster ohne Fenster: welches Rechteck gezogen wird und welche Zellen es umschaltet.
#include <gtest/gtest.h>

#include "TestUmgebung.h"
#include "model/WoBereichsUnit.h"
#include "settings/StandardUnit.h"
#include "ui/SperrZugUnit.h"

namespace {

class SperrZugTest : public ::testing::Test {
 protected:
  SperrZugTest() {
    s.fMaxTageNeu = 5;
    s.fMaxWocheNeu = 2;
    s.fEineWoche = false;
    s.fAktuelleWoche = 1;
  }
  int Gesperrt(int woche) const {
    int n = 0;
    for (int t = 1; t <= 7; ++t)
      for (int h = 1; h <= 16; ++h) n += sperrung.GetWocheTagStd(woche, t, h);
    return n;
  }
  TTestUmgebung env;
  TStandard& s = env.standard;
  TWochBereich sperrung{2};
  TWochBereich besetzung{2};
};

TEST_F(SperrZugTest, ZiehenBegrenztAufDasRaster) {
  TSperrZug zug;
  EXPECT_FALSE(zug.Zug(2, 2));  // ohne Druck kein Rechteck
  EXPECT_FALSE(zug.Los(2, 2));
  zug.Druck(3, 4);
  EXPECT_TRUE(zug.AmZeichnen());
  EXPECT_FALSE(zug.Zug(3, 4));  // dieselbe Zelle
  EXPECT_TRUE(zug.Zug(9, 20));  // hinter dem Freitag und der 16. Stunde
  EXPECT_EQ(zug.Rechteck(), (TSperrRechteck{3, 4, 5, 16}));
  EXPECT_TRUE(zug.Los(0, 0));
  EXPECT_FALSE(zug.AmZeichnen());
  const TSperrRechteck r = zug.Rechteck();
  EXPECT_EQ(r, (TSperrRechteck{3, 4, 1, 1}));
  EXPECT_EQ(r.TagVon(), 1);
  EXPECT_EQ(r.TagBis(), 3);
  EXPECT_EQ(r.StdVon(), 1);
  EXPECT_EQ(r.StdBis(), 4);
  EXPECT_TRUE(r.Enthaelt(2, 3));
  EXPECT_FALSE(r.Enthaelt(4, 1));
}

TEST_F(SperrZugTest, RechteckSperrtInAllenWochen) {
  const int n = SperrungUmschalten(sperrung, &besetzung, TSperrRechteck{2, 3, 3, 4});
  EXPECT_EQ(n, 8);  // 2 Tage x 2 Stunden x 2 Wochen
  for (int w : {1, 2}) {
    EXPECT_EQ(Gesperrt(w), 4);
    EXPECT_TRUE(sperrung.GetWocheTagStd(w, 2, 3));
    EXPECT_TRUE(sperrung.GetWocheTagStd(w, 3, 4));
    EXPECT_FALSE(sperrung.GetWocheTagStd(w, 1, 3));
    EXPECT_FALSE(sperrung.GetWocheTagStd(w, 2, 5));
  }
}

TEST_F(SperrZugTest, AnfangAufGesperrterZelleEntsperrtFreieZellen) {
  for (int w : {1, 2})
    for (int t = 1; t <= 5; ++t)
      for (int h = 1; h <= 6; ++h) sperrung.SetWocheTagStd(w, t, h, true);
  // Eine Stunde liegt in Woche 2 in der gesperrten Zelle (Mi 2.); sie bleibt gesperrt.
  besetzung.SetWocheTagStd(2, 3, 2, true);
  // Das Rechteck beginnt unten rechts auf einer gesperrten Zelle.
  SperrungUmschalten(sperrung, &besetzung, TSperrRechteck{4, 6, 2, 1});
  for (int w : {1, 2})
    for (int t = 2; t <= 4; ++t)
      for (int h = 1; h <= 8; ++h)
        EXPECT_EQ(sperrung.GetWocheTagStd(w, t, h), w == 2 && t == 3 && h == 2) << w << t << h;
  EXPECT_TRUE(sperrung.GetWocheTagStd(1, 1, 1));
  EXPECT_TRUE(sperrung.GetWocheTagStd(2, 5, 6));
  // Eine besetzte freie Zelle wird auch beim Sperren nicht angefasst.
  besetzung.SetWocheTagStd(1, 2, 7, true);
  SperrungUmschalten(sperrung, &besetzung, TSperrRechteck{2, 7, 2, 7});
  EXPECT_FALSE(sperrung.GetWocheTagStd(1, 2, 7));
  EXPECT_TRUE(sperrung.GetWocheTagStd(2, 2, 7));
}

TEST_F(SperrZugTest, ZustandDerAnfangszelleInDerAktuellenWoche) {
  s.fAktuelleWoche = 2;
  sperrung.SetWocheTagStd(2, 1, 1, true);  // nur in Woche 2 gesperrt
  SperrungUmschalten(sperrung, nullptr, TSperrRechteck{1, 1, 1, 2});
  for (int w : {1, 2}) {
    EXPECT_FALSE(sperrung.GetWocheTagStd(w, 1, 1));
    EXPECT_FALSE(sperrung.GetWocheTagStd(w, 1, 2));
  }
}

TEST_F(SperrZugTest, EinwochenmodusNurDieAktuelleWoche) {
  s.fEineWoche = true;
  s.fAktuelleWoche = 2;
  EXPECT_EQ(SperrungUmschalten(sperrung, &besetzung, TSperrRechteck{1, 1, 5, 16}), 80);
  EXPECT_EQ(Gesperrt(1), 0);
  EXPECT_EQ(Gesperrt(2), 80);  // Samstag und Sonntag gehören nicht zum Raster
  // Ein Rechteck über Zellen, die schon so sind, ändert nichts.
  EXPECT_EQ(SperrungUmschalten(sperrung, &besetzung, TSperrRechteck{1, 1, 2, 2}), 4);
  EXPECT_EQ(SperrungUmschalten(sperrung, &besetzung, TSperrRechteck{3, 3, 1, 1}), 5);
  EXPECT_EQ(Gesperrt(2), 71);
}

}  // namespace
