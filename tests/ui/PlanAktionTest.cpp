// Welcher Schritt zu Werkzeug, Maustaste und Umschalttasten gehört.
#include <gtest/gtest.h>

#include "ui/PlanAktionUnit.h"
#include "ui/QuonAuswahlUnit.h"

namespace {
using A = TPlanAktion;
using T = TToolArt;
constexpr TMausTaste L = TMausTaste::Links, R = TMausTaste::Rechts;

TMausSchritt S(T tool, TMausTaste taste, unsigned umschalt = 0, bool kurs = true,
               bool raumPlan = false, bool daten = true) {
  return {tool, taste, umschalt, daten, kurs, raumPlan};
}
}  // namespace

TEST(PlanAktionTest, DruckGreiftOderProbtNurMitSchieben) {
  EXPECT_EQ(AktionBeiDruck(S(T::SchiebTool, L)), A::ZiehenBeginnen);
  EXPECT_EQ(AktionBeiDruck(S(T::SchiebTool, L, umShift)), A::ZiehenBeginnen);  // Tausch am Ende
  EXPECT_EQ(AktionBeiDruck(S(T::SchiebTool, L, 0, false)), A::Nichts);  // leere Zelle
  EXPECT_EQ(AktionBeiDruck(S(T::SchiebTool, L, umCtrl, false)), A::Probe);
  EXPECT_EQ(AktionBeiDruck(S(T::SchiebTool, L, umCtrl | umAlt)), A::Probe);
  EXPECT_EQ(AktionBeiDruck(S(T::SchiebTool, R)), A::Nichts);
  EXPECT_EQ(AktionBeiDruck(S(T::SetzTool, L)), A::Nichts);
  EXPECT_EQ(AktionBeiDruck(S(T::SchiebTool, L, 0, true, false, false)), A::Nichts);  // Kopfzelle
  EXPECT_TRUE(DruckHebtAuswahlAuf(S(T::SchiebTool, L, umShift)));
  EXPECT_TRUE(DruckHebtAuswahlAuf(S(T::SchiebTool, R, umCtrl)));
  EXPECT_TRUE(DruckHebtAuswahlAuf(S(T::SetzTool, R)));
  EXPECT_FALSE(DruckHebtAuswahlAuf(S(T::SchiebTool, L)));
  EXPECT_FALSE(DruckHebtAuswahlAuf(S(T::SetzTool, L, umCtrl)));
}

TEST(PlanAktionTest, LoslassenOeffnetDieMenues) {
  EXPECT_EQ(AktionBeiLos(S(T::ZeigTool, R)), A::KursMenue);
  EXPECT_EQ(AktionBeiLos(S(T::ZeigTool, R, 0, false)), A::Nichts);
  EXPECT_EQ(AktionBeiLos(S(T::ZeigTool, L)), A::Nichts);
  EXPECT_EQ(AktionBeiLos(S(T::SetzTool, R, 0, false, false, false)), A::RechtsMenue);
  EXPECT_EQ(AktionBeiLos(S(T::SetzTool, L, 0, false)), A::SetzMenue);
  EXPECT_EQ(AktionBeiLos(S(T::SetzTool, L)), A::RaumSetzMenue);
  EXPECT_EQ(AktionBeiLos(S(T::SetzTool, L, umCtrl)), A::RaumSetzMenue);
  EXPECT_EQ(AktionBeiLos(S(T::SetzTool, L, 0, true, true)), A::AuswahlAufheben);  // Raumplan
  EXPECT_EQ(AktionBeiLos(S(T::SetzTool, L, 0, false, false, false)), A::Nichts);
  for (T tool : {T::LoeschTool, T::SchiebTool, T::FixTool})
    for (TMausTaste taste : {L, R}) EXPECT_EQ(AktionBeiLos(S(tool, taste)), A::Nichts);
}

TEST(PlanAktionTest, DoppelklickJeWerkzeug) {
  EXPECT_EQ(AktionBeimDoppelklick(S(T::ZeigTool, L)), A::KursFenster);
  EXPECT_EQ(AktionBeimDoppelklick(S(T::ZeigTool, L, umCtrl)), A::KursPlanFenster);
  EXPECT_EQ(AktionBeimDoppelklick(S(T::ZeigTool, L, 0, false)), A::Nichts);
  EXPECT_EQ(AktionBeimDoppelklick(S(T::LoeschTool, L, umAlt, false)), A::StundenLoeschen);
  EXPECT_EQ(AktionBeimDoppelklick(S(T::FixTool, L)), A::StundenFixieren);
  EXPECT_EQ(AktionBeimDoppelklick(S(T::SchiebTool, L)), A::KursMarkieren);
  EXPECT_EQ(AktionBeimDoppelklick(S(T::SchiebTool, L, umCtrl)), A::AuswahlAufheben);
  EXPECT_EQ(AktionBeimDoppelklick(S(T::SchiebTool, L, 0, false)), A::AuswahlAufheben);
  EXPECT_EQ(AktionBeimDoppelklick(S(T::SetzTool, L)), A::Nichts);
  EXPECT_EQ(AktionBeimDoppelklick(S(T::LoeschTool, L, 0, true, false, false)), A::Nichts);
}
