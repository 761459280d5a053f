// Der Druck des wöchentlichen Unterrichtsausfalls: Seitenkopf, Rand, Schrift, Zeilen und
// Seitenwechsel.
#include <gtest/gtest.h>

#include "TestUmgebung.h"
#include "model/SchulUnit.h"
#include "output/DruckAusfallUnit.h"
#include "settings/StandardUnit.h"

namespace {

TEST(DruckAusfallTest, ZeilenUnterDemKopfUndNeueSeiteVorDenLetztenDreiZeilen) {
  TTestUmgebung u;
  u.schule().fDateiName = "/schulen/Gesamtschule.tmr";
  u.standard.fSchulname = "Gesamtschule";
  u.standard.fMaxWocheNeu = 2;
  u.standard.fAktuelleWoche = 1;
  u.standard.fFehlDruckFont.Name = "Courier";
  u.standard.fFehlDruckFont.Groesse = 10;  // Zeilenhöhe 14 in der Attrappe
  u.standard.fFehlDruckRand = 2;
  TDruckerMasse m = A4Masse(600);
  m.Hoehe = 400;
  TPrevPrinter p(m, u.metrik);
  std::vector<std::string> zeilen;
  for (int i = 1; i <= 10; ++i) zeilen.push_back("Zeile " + std::to_string(i));
  EXPECT_EQ(DruckeAusfall({}, p), 0);
  EXPECT_EQ(p.PageCount(), 0);
  ASSERT_EQ(DruckeAusfall(zeilen, p), 1);
  // Oben 1 cm (236 Punkte), der Bericht drei Zeilen tiefer; unter 3 Zeilenhöhen Rest: neue Seite.
  ASSERT_EQ(p.PageCount(), 2);
  const TSeite& s1 = p.Seite(1);
  ASSERT_EQ(s1.size(), 8u);
  EXPECT_EQ(s1[0].Text, "Mi, 9. Dez 2026     12:00 Uhr      Seite 1");
  EXPECT_EQ(s1[1].Text, "{1}  Gesamtschule.tmr   Gesamtschule");
  EXPECT_EQ(s1[0].Y1, 236);
  EXPECT_EQ(s1[2].Text, "Zeile 1");
  EXPECT_EQ(s1[2].X1, 472);  // 2 cm
  EXPECT_EQ(s1[2].Y1, 236 + 3 * 14);
  EXPECT_EQ(s1[7].Text, "Zeile 6");
  EXPECT_EQ(s1[7].Y1, 236 + 8 * 14);
  EXPECT_EQ(s1[7].Schrift.Name, "Courier");
  const TSeite& s2 = p.Seite(2);
  ASSERT_EQ(s2.size(), 6u);
  EXPECT_EQ(s2[0].Text, "Mi, 9. Dez 2026     12:00 Uhr      Seite 2");
  EXPECT_EQ(s2[2].Text, "Zeile 7");
  EXPECT_EQ(s2[2].Y1, 236 + 3 * 14);
}

}  // namespace
