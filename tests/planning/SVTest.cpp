// Die Stundenverteilung ohne Fenster: Zeilen, Codes je Tag, Springstunden und Maße.
#include "PlanHilfe.h"
#include "planning/SVUnit.h"

namespace {

class SVTest : public PlanTest {};

TEST_F(SVTest, TagescodesUndSpringstunden) {
  st.fMaxTageNeu = 5;
  st.fPlnStd = 6;
  TKurs* a = Kurs(l1, fD, {k5a}, {}, nullptr, 3);
  a->NeueSetzung(1, 1, 2, nullptr);
  a->NeueSetzung(1, 1, 5, nullptr);
  TKurs* b = Kurs(l1, fM, {k5b}, {}, g, 1);
  b->NeueSetzung(1, 2, 1, nullptr)->fFixiert = true;
  l1->fSperrung.SetWocheTagStd(1, 3, 6, true);
  const std::vector<TSVZeile> z = SVZeilen(0);
  ASSERT_EQ(z.size(), 3u);  // MUE, SCH, KRA in Listenfolge
  EXPECT_EQ(z[0].Element, l1);
  EXPECT_EQ(z[0].Kuerzel, "MUE");
  EXPECT_EQ(z[0].Tage,
            (std::vector<std::string>{"FEUUEF", "LFFFFF", "FFFFFS", "FFFFFF", "FFFFFF"}));
  EXPECT_EQ(z[0].SpringStd, 2);
  EXPECT_EQ(SVZeilen(1).size(), 2u);
  EXPECT_EQ(SVZeilen(2)[0].Element, r1);
  EXPECT_EQ(SVTagBreite(), 45);
  EXPECT_EQ(SVGridHoehe(3, 18), 3 * 19 + 5);
  EXPECT_EQ(SVGridHoehe(0, 18), 19 + 5);
  EXPECT_LE(SVGridHoehe(40, 18), 200);
  EXPECT_GT(SVGridHoehe(40, 18), 200 - 19);
}

}  // namespace
