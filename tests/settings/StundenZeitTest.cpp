// Uhrzeiten, Zeiten in Stundenbezeichnungen und die Zeiten, mit denen eine Stunde im Kalender
// steht.
#include "settings/StundenZeitUnit.h"

#include <gtest/gtest.h>

#include "common/TestUmgebung.h"
#include "settings/StandardUnit.h"

namespace {

TEST(StundenZeit, UhrzeitenMitDoppelpunktOderPunkt) {
  EXPECT_EQ(UhrzeitMinuten("7:50"), 470);
  EXPECT_EQ(UhrzeitMinuten(" 07.05 "), 425);
  EXPECT_EQ(UhrzeitMinuten("23:59"), 1439);
  for (const char* falsch : {"", "24:00", "7:60", "750", "7:5", "123:00", ":50", "7:50h", "a:bc"})
    EXPECT_FALSE(UhrzeitMinuten(falsch)) << falsch;
  EXPECT_EQ(UhrzeitText(470), "07:50");
  EXPECT_EQ(UhrzeitText(0), "00:00");
}

TEST(StundenZeit, BezeichnungenMitZweiZeiten) {
  EXPECT_EQ(ZeitenAusBezeichnung("7:50-8:35"), (TStundenZeit{470, 515}));
  EXPECT_EQ(ZeitenAusBezeichnung("07.50 - 08.35"), (TStundenZeit{470, 515}));
  EXPECT_EQ(ZeitenAusBezeichnung("1. 7.50\x96"
                                 "8.35"),
            (TStundenZeit{470, 515}));  // Gedankenstrich in Windows-1252
  for (const char* ohne :
       {" 1", "1/2", "8:35-7:50", "7:50", "7:50-8:35-9:20", "10:30-11:15 A12:00", "117:50-8:35"})
    EXPECT_FALSE(ZeitenAusBezeichnung(ohne)) << ohne;
}

TEST(StundenZeit, EingetrageneZeitenVorDerBezeichnung) {
  TTestUmgebung u;
  TStandard& st = u.standard;
  EXPECT_FALSE(StundenZeit(st, 1, 1));  // " 1" enthält keine Zeit
  st.fStdBez[1][1] = "7:50-8:35";
  EXPECT_EQ(StundenZeit(st, 1, 1), (TStundenZeit{470, 515}));
  EXPECT_FALSE(StundenZeit(st, 2, 1));  // jede Planversion für sich
  st.fStdBeginn[1][1] = "08:00";        // nur der Beginn: die Bezeichnung gilt
  EXPECT_EQ(StundenZeit(st, 1, 1), (TStundenZeit{470, 515}));
  st.fStdEnde[1][1] = "08:45";
  EXPECT_EQ(StundenZeit(st, 1, 1), (TStundenZeit{480, 525}));
  st.fStdEnde[1][1] = "08:00";  // Ende nicht nach dem Beginn
  EXPECT_FALSE(StundenZeit(st, 1, 1));
  EXPECT_FALSE(StundenZeit(st, 0, 1));
  EXPECT_FALSE(StundenZeit(st, 1, 17));
}

}  // namespace
