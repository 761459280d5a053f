// Die Zeilen der Statistiken und ihr Text für die Zwischenablage.
#include <gtest/gtest.h>

#include "TestUmgebung.h"
#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"
#include "ui/StatistikUnit.h"

namespace {

using Texte = std::vector<std::string>;

// MUE gibt D (3 Stunden) und ER in der Kopplung REL (1), SCH KR in REL (1); beide in 5a.
class StatistikTest : public ::testing::Test {
 protected:
  StatistikTest() {
    mue = s.HoleLehrer("MUE");
    sch = s.HoleLehrer("SCH");
    k5a = s.HoleKlasse("5a");
    rel = s.HoleKopplung("REL");
    Kurs(mue, "D", nullptr, 3);
    Kurs(mue, "ER", rel, 1);
    Kurs(sch, "KR", rel, 1);
    mue->KopiereSoll(2);
    mue->SetInfo("Fachleiter");
  }
  void Kurs(TLehrer* l, const char* fach, TKopplung* kop, int std) {
    TKurs* k = TKurs::IKurs(l, k5a, kop, s.HoleFach(fach), nullptr, std);
    k->fStunden.SetWochenStunde(0, std);
  }
  TTestUmgebung u;
  TSchule& s = u.schule();
  TLehrer *mue, *sch;
  TKlasse* k5a;
  TKopplung* rel;
};

TEST_F(StatistikTest, TitelUndZeilenJeArt) {
  EXPECT_EQ(StatTitel(leh), (Texte{"Soll", "Ist", "(Ist)", "Rest", "Lehrer", "Info"}));
  EXPECT_EQ(StatTitel(fac), (Texte{"[Le]", "Lehrer", "(Le)", "Klasse", "(Kl)", "Fach", "Info"}));
  EXPECT_EQ(StatTitel(kop), (Texte{"Kurse", "Kopplung", "Info"}));
  EXPECT_EQ(StatTitel(rau), (Texte{"Raum", "Info"}));
  // Über dem Soll: der Rest ist negativ.
  EXPECT_EQ(StatZeile(*mue), (Texte{" 2.0", " 4.0", "4", "-2.0", "MUE", "Fachleiter"}));
  // Die Klasse zählt die Kopplung einmal, mit fKopDop jeden Kurs.
  k5a->KopiereSoll(3);
  EXPECT_EQ(StatZeile(*k5a), (Texte{" 3.0", " 4.0", "4", "-1.0", "5a", ""}));
  k5a->fKopDop = true;
  EXPECT_EQ(StatZeile(*k5a)[1], " 5.0");
  EXPECT_EQ(StatZeile(*rel), (Texte{"2", "REL", ""}));
  const TFach* d = TSchule::HoleElement(s.fFachMenge, "D");
  // [Le]: MUE unterrichtet D.
  EXPECT_EQ(StatZeile(*d), (Texte{"1", " 3.0", "3", " 3.0", "3", "D", ""}));
}

TEST_F(StatistikTest, KopierenNurZeilenMitElement) {
  s.HoleLehrer("KRA");
  s.HoleLehrer("WEB");
  const std::vector<TElement*> lehrer = StatElemente(leh);
  ASSERT_EQ(lehrer.size(), 4u);
  EXPECT_EQ(StatistikAlsText(lehrer, {2, 3, 4}),
            "24.0\t 1.0\t1\t23.0\tSCH\t\r\n"
            "24.0\t 0.0\t0\t24.0\tKRA\t\r\n"
            "24.0\t 0.0\t0\t24.0\tWEB\t\r\n");
  // Die Titelzeile und Zeilen ohne Element kommen nie hinein.
  EXPECT_EQ(StatistikAlsText(lehrer, {0, 5}), "");
  EXPECT_EQ(StatistikAlsText({nullptr}, {1}), "");
}

}  // namespace
