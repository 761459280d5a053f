// Die Abwesenheit als Datensatz: Stundenmaske und Rasterzelle.
#include <gtest/gtest.h>

#include "common/TestUmgebung.h"
#include "model/DatumUnit.h"
#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"
#include "substitution/FehlUnit.h"

namespace {

TEST(Fehl, StundeHIstBit16MinusH) {
  TTestUmgebung env;
  TFehl f;
  EXPECT_EQ(f.fGrund.str(), "-");
  EXPECT_EQ(f.FehltVon(), 0);
  EXPECT_EQ(f.FehltBis(), 0);
  f.ChangeZeit(1);
  EXPECT_EQ(f.fZeit, 0x8000);
  f.ChangeZeit(16);
  EXPECT_EQ(f.fZeit, 0x8001);
  f.ChangeZeit(3);
  EXPECT_TRUE(f.FehltIn(1));
  EXPECT_FALSE(f.FehltIn(2));
  EXPECT_TRUE(f.FehltIn(3));
  EXPECT_TRUE(f.FehltIn(16));
  EXPECT_FALSE(f.FehltIn(0));
  EXPECT_FALSE(f.FehltIn(17));
  f.ChangeZeit(1);
  EXPECT_EQ(f.FehltVon(), 3);
  EXPECT_EQ(f.FehltBis(), 16);
  f.ChangeZeit(17);  // außerhalb: nichts
  EXPECT_EQ(f.fZeit, 0x2001);
  f.fGrund = "KR";
  EXPECT_EQ(f.fGrund.str(), "K");
}

TEST(Fehl, FehltAnPrueftWochentagUndPlanversion) {
  TTestUmgebung env;
  env.schule().VersionErweitern(2);
  TFehl f;
  f.fDatum = DatumZuZahl(2024, 9, 3) + 0.5;  // Dienstag
  f.ChangeZeit(4);
  EXPECT_TRUE(f.FehltAn(1, 2, 4));
  EXPECT_FALSE(f.FehltAn(1, 2, 5));
  EXPECT_FALSE(f.FehltAn(1, 3, 4));
  EXPECT_FALSE(f.FehltAn(2, 2, 4));
  env.schule().SetzeKalender(KalenderWoche(f.fDatum), 2);
  EXPECT_TRUE(f.FehltAn(2, 2, 4));
  EXPECT_FALSE(f.FehltAn(1, 2, 4));
}

}  // namespace
