// Ein Plan ohne Fenster: Teile einer Zelle, Text für die Zwischenablage.
#include <gtest/gtest.h>

#include "BelegungsPruefung.h"
#include "TestUmgebung.h"
#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"
#include "planning/PlanInhaltUnit.h"
#include "output/PlanTextUnit.h"
#include "output/PlanZelleUnit.h"

namespace {

class PlanTextTest : public ::testing::Test {
 protected:
  PlanTextTest() {
    st.fMaxTageNeu = 3;
    st.fPlnStd = 3;
    mue = s.HoleLehrer("MUE");
    sch = s.HoleLehrer("SCH");
    kra = s.HoleLehrer("KRA");
    k5a = s.HoleKlasse("5a");
    k5b = s.HoleKlasse("5b");
    r1 = s.HoleRaum("R1");
    r2 = s.HoleRaum("R2");
    g = s.HoleKopplung("G1");
    h = s.HoleKopplung("H2");
  }
  TKurs* Kurs(TLehrer* l, const char* fach, TKlasse* k, TRaum* r, TKopplung* kop, int std = 3) {
    TKurs* kurs = TKurs::IKurs(l, k, kop, s.HoleFach(fach), r, std);
    kurs->fStunden.SetWochenStunde(0, std);
    return kurs;
  }
  TTestUmgebung u;
  TSchule& s = u.schule();
  TStandard& st = u.standard;
  TLehrer *mue, *sch, *kra;
  TKlasse *k5a, *k5b;
  TRaum *r1, *r2;
  TKopplung *g, *h;
};

TEST_F(PlanTextTest, TeileUndLageEinerZelle) {
  TKurs* k = Kurs(mue, "D", k5a, r1, g);
  k->NeueSetzung(1, 2, 2, r1);
  k->SetzungFinden(1, 2, 2)->fFixiert = true;
  k->fColor = 0x123456;
  st.fPlnLeBreite = 20;
  st.fPlnKlBreite = 15;
  st.fPlnKoBreite = 25;
  st.fPlnFaBreite = 10;
  st.fPlnRaBreite = 12;
  st.fPlnHoehe = 17;
  TPlanZelle z = PlanZelleBauen(leh, k, 1, 2, 2, true, false, false);
  EXPECT_TRUE(z.Stunde);
  EXPECT_EQ(z.Farbe, 0x123456u);
  EXPECT_TRUE(z.Fett);
  EXPECT_TRUE(z.Unterstrichen);
  EXPECT_EQ(z.Texte, (std::array<std::string, 3>{"G1", "D", "R1"}));
  // Jeder Teil mit 2 Pixeln vor und hinter seinem Kürzel: Klasse/Kopplung 25 + 4, Fach 10 + 4.
  EXPECT_EQ(z.X, (std::array<int, 3>{2, 31, 45}));
  EXPECT_EQ(z.Y, (std::array<int, 3>{2, 2, 2}));
  z = PlanZelleBauen(kla, k, 1, 2, 2, false, false, true);
  EXPECT_EQ(z.Texte, (std::array<std::string, 3>{"MUE", "D", "R1"}));
  EXPECT_TRUE(z.Markiert);
  EXPECT_EQ(PlanSpaltenBreite(kla), 25 + 10 + 12 + 3 * 4);
  z = PlanZelleBauen(rau, k, 1, 2, 2, true, false, false);
  EXPECT_EQ(z.Texte, (std::array<std::string, 3>{"MUE", "G1", "D"}));
  EXPECT_EQ(z.X, (std::array<int, 3>{2, 26, 55}));
  // Untereinander, ohne Raum: zwei Teile, Zeilenhöhe zweimal fPlnHoehe.
  st.fNebenEinander = false;
  st.fMitRaum = false;
  st.fPlnKoppFett = false;
  z = PlanZelleBauen(leh, k, 1, 2, 2, false, true, false);
  EXPECT_EQ(z.Texte, (std::array<std::string, 3>{"5a", "D", ""}));
  EXPECT_EQ(z.X, (std::array<int, 3>{2, 2, 2}));
  EXPECT_EQ(z.Y, (std::array<int, 3>{2, 19, 36}));
  EXPECT_FALSE(z.Fett);
  EXPECT_TRUE(z.Gesperrt);
  EXPECT_EQ(PlanZeilenHoehe(), 34);
  EXPECT_EQ(PlanSpaltenBreite(leh), st.PlnMaxBreite() + 4);
  // Ohne Kurs: nur Hintergrund.
  z = PlanZelleBauen(leh, nullptr, 1, 2, 2, true, true, false);
  EXPECT_FALSE(z.Stunde);
  EXPECT_TRUE(z.Gesperrt);
  EXPECT_EQ(z.Texte[0], "");
}

TEST_F(PlanTextTest, LehrerplanAlsText) {
  TKurs* d = Kurs(mue, "D", k5a, r1, nullptr);
  TKurs* rel = Kurs(mue, "ER", k5b, r2, g);
  TKurs* ohne = Kurs(mue, "AG", nullptr, nullptr, nullptr);
  d->NeueSetzung(1, 1, 1, r1);
  rel->NeueSetzung(1, 2, 2, nullptr);  // ohne Raum gesetzt
  ohne->NeueSetzung(1, 3, 3, nullptr);
  mue->fSperrung.SetWocheTagStd(1, 3, 1, true);
  for (int std = 1; std <= 3; ++std) st.fStdBez[1][std] = std::to_string(std) + ".";
  st.fTagBez[2] = "Die";
  const TPlanInhalt plan = PlanFuellen(*mue);
  EXPECT_EQ(PlanAlsText(plan, true, false),
            "\tMo\tDie\tMi\r\n"
            "1.\t5a D R1\t---\t---\r\n"
            "2.\t---\tG1 ER\t---\r\n"
            "3.\t---\t---\tAG\r\n");
  EXPECT_EQ(PlanAlsText(plan, false, false),
            "\tMo\tDie\tMi\r\n"
            "1.\t5a D R1\t---\t---\r\n"
            "2.\t---\t5b ER\t---\r\n"
            "3.\t---\t---\tAG\r\n");
  // Kopplungszeilen gibt es nur im Klassenplan.
  EXPECT_EQ(PlanAlsText(plan, true, true), PlanAlsText(plan, true, false));
  st.fMitRaum = false;
  const std::string ohneRaum = PlanAlsText(plan, true, false);
  EXPECT_NE(ohneRaum.find("\r\n1.\t5a D\t---\t---\r\n"), std::string::npos);
  EXPECT_EQ(ohneRaum.find("R1"), std::string::npos);
}

TEST_F(PlanTextTest, RaumplanNenntDasFachAuchOhneRaum) {
  TKurs* d = Kurs(mue, "D", k5a, r1, nullptr);
  TKurs* rel = Kurs(kra, "ER", k5b, r1, g);
  d->NeueSetzung(1, 1, 1, r1);
  rel->NeueSetzung(1, 2, 1, r1);
  st.fMitRaum = false;
  const TPlanInhalt plan = PlanFuellen(*r1);
  EXPECT_EQ(PlanAlsText(plan, true, false),
            "\tMo\tDi\tMi\r\n"
            " 1\tMUE 5a D\tKRA G1 ER\t---\r\n"
            " 2\t---\t---\t---\r\n"
            " 3\t---\t---\t---\r\n");
  EXPECT_NE(PlanAlsText(plan, false, false).find(" 1\tMUE 5a D\tKRA 5b ER\t---\r\n"),
            std::string::npos);
}

TEST_F(PlanTextTest, KlassenplanMitKopplungszeilen) {
  // Kopplung G1 mit drei Kursen am Montag, H2 mit zwei am Dienstag, ein Kurs ohne Kopplung.
  TKurs* g1 = Kurs(mue, "ER", k5a, r1, g);
  TKurs* g2 = Kurs(sch, "KR", k5a, r2, g);
  TKurs* g3 = Kurs(kra, "PL", k5a, nullptr, g);
  TKurs* h1 = Kurs(s.HoleLehrer("WEB"), "F", k5a, nullptr, h);
  TKurs* h2 = Kurs(s.HoleLehrer("ZIM"), "L", k5a, nullptr, h);
  TKurs* d = Kurs(s.HoleLehrer("ABC"), "D", k5a, r1, nullptr);
  for (TKurs* k : {g1, g2, g3}) k->NeueSetzung(1, 1, 1, k->fRaeume.ListeNrInhalt(1));
  for (TKurs* k : {h1, h2}) k->NeueSetzung(1, 2, 1, nullptr);
  d->NeueSetzung(1, 3, 1, r2);
  const TPlanInhalt plan = PlanFuellen(*k5a);
  // "o": die Kopplung, darunter alle ihre Kurse mit Lehrer, Fach und Raum.
  EXPECT_EQ(PlanAlsText(plan, true, true),
            "\tMo\tDi\tMi\r\n"
            " 1\tG1\tH2\tABC D R2\r\n"
            "\tMUE ER R1\tWEB F\t\r\n"
            "\tSCH KR R2\tZIM L\t\r\n"
            "\tKRA PL\t\t\r\n"
            " 2\t---\t---\t---\r\n"
            " 3\t---\t---\t---\r\n");
  // "x": der erste Kurs der Kopplung in der Stundenzeile, die weiteren darunter.
  EXPECT_EQ(PlanAlsText(plan, false, true),
            "\tMo\tDi\tMi\r\n"
            " 1\tG1 ER R1\tH2 F\tABC D R2\r\n"
            "\tG1 KR R2\tH2 L\t\r\n"
            "\tG1 PL\t\t\r\n"
            " 2\t---\t---\t---\r\n"
            " 3\t---\t---\t---\r\n");
}

TEST_F(PlanTextTest, WocheZweiMitIhrenStundenbezeichnungen) {
  s.VersionErweitern(2);
  st.fAktuelleWoche = 2;
  st.fStdBez[2][1] = "A";
  st.fStdBez[1][1] = "X";
  TKurs* d = Kurs(mue, "D", k5a, r1, nullptr);
  d->fStunden.SetWochenStunde(0, 3);
  d->NeueSetzung(1, 1, 1, r1);
  d->NeueSetzung(2, 2, 1, r1);
  const TPlanInhalt plan = PlanFuellen(*mue);
  EXPECT_EQ(plan.Woche(), 2);
  EXPECT_EQ(PlanAlsText(plan, true, false).substr(0, 28), "\tMo\tDi\tMi\r\nA\t---\t5a D R1\t---");
}

}  // namespace
