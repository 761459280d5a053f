#include <gtest/gtest.h>

#include "model/DatumUnit.h"
#include "model/SchulUnit.h"

TEST(Datum, NullpunktUndBekannteTage) {
  EXPECT_EQ(DatumZuZahl(1899, 12, 30), 0.0);
  EXPECT_EQ(DatumZuZahl(1993, 12, 27), 34330.0);
  EXPECT_EQ(WochenTag(34330), 1);  // Montag
  EXPECT_EQ(DatumZuZahl(2026, 12, 9), 46365.0);
  EXPECT_EQ(WochenTag(46365), 3);  // Mittwoch
  EXPECT_EQ(WochenTag(0), 6);      // 30.12.1899 war ein Samstag
  EXPECT_EQ(ZahlZuDatum(46365.75), (TDatum{2026, 12, 9}));
  EXPECT_EQ(ZahlZuDatum(-1), (TDatum{1899, 12, 29}));
  EXPECT_EQ(TageImMonat(2024, 2), 29);
  EXPECT_EQ(TageImMonat(2100, 2), 28);
  EXPECT_EQ(TageImMonat(2000, 2), 29);
}

TEST(Datum, KalenderwochenBleibenImKalender) {
  EXPECT_EQ(KalenderWoche(34330), 1);
  EXPECT_EQ(KalenderWoche(34336.9), 1);
  EXPECT_EQ(KalenderWoche(34337), 2);
  EXPECT_EQ(KalenderWoche(34330 + 888 * 7), 1);  // nach 888 Wochen von vorn
  EXPECT_EQ(KalenderWoche(34329), 888);          // der Tag davor: letzte Woche des Umlaufs
  for (double d = 30000; d < 34400; d += 3) {
    const int k = KalenderWoche(d);
    EXPECT_GE(k, 1);
    EXPECT_LE(k, 888);
  }
}
