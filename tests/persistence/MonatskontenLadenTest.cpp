// Nach dem Laden stehen die Monatskonten jedes Lehrers für den vorigen, den laufenden und den
// nächsten Monat fest.
#include <gtest/gtest.h>

#include "TestUmgebung.h"
#include "model/DatumUnit.h"
#include "model/SchulUnit.h"
#include "persistence/ReadUnit.h"
#include "persistence/WriteUnit.h"

TEST(MonatskontenLaden, DreiMonateUmHeute) {
  TTestUmgebung u;  // heute: 9.12.2026
  TSchule& s = u.schule();
  TLehrer* l = s.HoleLehrer("L");
  TKlasse* k = s.HoleKlasse("5a");
  TKurs* kurs = TKurs::IKurs(l, k, nullptr, nullptr, nullptr, 2);
  ASSERT_NE(kurs->NeueSetzung(1, 1, 2, nullptr), nullptr);  // montags, 2. Stunde
  auto fehlt = std::make_unique<TFehl>();
  fehlt->fElement = k;
  fehlt->fDatum = DatumZuZahl(2027, 1, 4) + 0.5;  // ein Montag im Januar
  fehlt->fZeit = FehlBit(2);
  s.fFehlKlassenMenge.ListeAnhaengen(std::move(fehlt));

  std::string fehler;
  const std::vector<std::uint8_t> bytes = SchuleAlsBytes(s);
  u.NeueSchule();
  ASSERT_TRUE(ReadSchuleAusBytes(bytes, "konto.tmr", u.schule(), fehler)) << fehler;
  TLehrer* gelesen = u.schule().fLehrerMenge[0];
  EXPECT_EQ(gelesen->fDict.count("202611"), 1u);
  EXPECT_EQ(gelesen->fDict.at("202612"), "0");
  EXPECT_EQ(gelesen->fDict.at("202701"), "-1");  // der Ausfall im Januar
}
