// Die Übersichten ohne Fenster: Zeilen, Füllen, Köpfe, Text für die Zwischenablage, Probe.
#include <gtest/gtest.h>

#include <algorithm>

#include "TestUmgebung.h"
#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"
#include "output/UebersichtUnit.h"

namespace {

class UebersichtTest : public ::testing::Test {
 protected:
  UebersichtTest() {
    st.fMaxTageNeu = 2;
    st.fPlnStd = 2;
    mue = s.HoleLehrer("MUE");
    sch = s.HoleLehrer("SCH");
    k5a = s.HoleKlasse("5a");
    r1 = s.HoleRaum("R1");
  }
  TKurs* Kurs(TLehrer* l, const char* fach, TKlasse* k, TRaum* r, TKopplung* kop, int std) {
    TKurs* kurs = TKurs::IKurs(l, k, kop, s.HoleFach(fach), r, std);
    kurs->fStunden.SetWochenStunde(0, std);
    return kurs;
  }
  TTestUmgebung u;
  TSchule& s = u.schule();
  TStandard& st = u.standard;
  TLehrer *mue, *sch;
  TKlasse* k5a;
  TRaum* r1;
};

// Zählt, wie oft die Schule das Fenster neu aufbauen lässt.
struct TZaehlFenster : TFenster {
  int FensterArt() const override { return FensterArt::LehrerUebersicht; }
  std::string Titel() const override { return "Übersicht für Lehrer"; }
  void FensterUpdate() override { ++updates; }
  void FensterRefresh() override {}
  void Schliessen() override {}
  int updates = 0;
};

TEST_F(UebersichtTest, ZeileVonTagUndStunde) {
  EXPECT_EQ(UebZeile(3, 2, 6), 14);  // Mittwoch, 2. Stunde
  EXPECT_EQ(UebTagStd(14, 6), std::make_pair(3, 2));
  EXPECT_EQ(UebTagStd(30, 6), std::make_pair(5, 6));
  EXPECT_EQ(UebTagStd(1, 6), std::make_pair(1, 1));
  st.fMaxTageNeu = 5;
  st.fPlnStd = 6;
  TKurs* d = Kurs(mue, "D", k5a, r1, nullptr, 4);
  d->NeueSetzung(1, 3, 2, r1);
  // Eine Datei mit sechs Tagen unter fünf Tagen: die Samstagsstunde hat keine Zeile.
  d->NeueSetzung(1, 6, 1, r1);
  const TUebersicht ueb = UebersichtFuellen(leh);
  EXPECT_EQ(ueb.Zeilen(), 30);
  ASSERT_EQ(ueb.Spalten(), 2);
  EXPECT_EQ(ueb.Kurs(1, 14), d);
  EXPECT_EQ(ueb.Kurs(1, 31), nullptr);
  int stunden = 0;
  for (int z = 1; z <= ueb.Zeilen(); ++z) stunden += ueb.Kurs(1, z) != nullptr;
  EXPECT_EQ(stunden, 1);
  EXPECT_EQ(UebersichtAlsText(ueb, true, false).find("Sa"), std::string::npos);
}

TEST_F(UebersichtTest, LehreruebersichtAlsText) {
  TKurs* d = Kurs(mue, "D", k5a, r1, nullptr, 2);
  TKopplung* rel = s.HoleKopplung("REL");
  TKurs* er = Kurs(sch, "ER", k5a, nullptr, rel, 1);
  TKurs* ag = Kurs(sch, "AG", nullptr, nullptr, nullptr, 1);  // ohne Klasse
  d->NeueSetzung(1, 1, 1, r1);
  d->NeueSetzung(1, 2, 2, r1);
  er->NeueSetzung(1, 1, 2, nullptr);
  ag->NeueSetzung(1, 2, 1, nullptr);
  sch->fSperrung.SetWocheTagStd(1, 2, 2, true);
  const TUebersicht ueb = UebersichtFuellen(leh);
  EXPECT_TRUE(ueb.Gesperrt(2, 4));
  EXPECT_EQ(UebersichtAlsText(ueb, true, false),
            "\tMUE\tSCH\r\n"
            "Mo  1\t5a D R1\t---\r\n"
            "Mo  2\t---\tREL ER\r\n"
            "Di  1\t---\tAG\r\n"
            "Di  2\t5a D R1\t---\r\n");
  EXPECT_NE(UebersichtAlsText(ueb, false, false).find("\r\nMo  2\t---\t5a ER\r\n"),
            std::string::npos);
  // Die Klassenübersicht mit Kopplungszeilen wie der Klassenplan.
  TKurs* kr = Kurs(mue, "KR", k5a, nullptr, rel, 1);
  kr->NeueSetzung(1, 1, 2, nullptr);
  EXPECT_EQ(UebersichtAlsText(UebersichtFuellen(kla), true, true),
            "\t5a\r\n"
            "Mo  1\tMUE D R1\r\n"
            "Mo  2\tREL\r\n"
            "\tSCH ER\r\n"
            "\tMUE KR\r\n"
            "Di  1\t---\r\n"  // AG hat keine Klasse
            "Di  2\tMUE D R1\r\n");
  // Ein Kurs ohne Lehrer: der Name fehlt, nur das Fach steht da.
  TKurs* frei = TKurs::IKurs(nullptr, k5a, nullptr, s.HoleFach("SP"), nullptr, 1);
  frei->NeueSetzung(1, 2, 1, nullptr);
  EXPECT_NE(UebersichtAlsText(UebersichtFuellen(kla), true, false).find("\r\nDi  1\tSP\r\n"),
            std::string::npos);
  frei->LoescheSetzung(1, 2, 1, false);
  // Raumübersicht: nur die Stunden im Raum.
  EXPECT_EQ(UebersichtAlsText(UebersichtFuellen(rau), true, false),
            "\tR1\r\nMo  1\tMUE 5a D\r\nMo  2\t---\r\nDi  1\t---\r\nDi  2\tMUE 5a D\r\n");
}

TEST_F(UebersichtTest, KopfMitRestUndSpringstunden) {
  TKurs* d = Kurs(mue, "D", k5a, r1, nullptr, 3);
  d->NeueSetzung(1, 1, 1, r1);
  TUebKopf k = UebKopfBauen(*mue);
  EXPECT_EQ(k.Kuerzel, "MUE");
  EXPECT_EQ(k.Rest, " [2]");
  EXPECT_TRUE(k.RestRot);
  EXPECT_EQ(k.Abstand, "MUE [2] ");
  EXPECT_EQ(k.Spring, "[0]");
  EXPECT_FALSE(k.SpringRot);
  // Eine Lücke am Montag zwischen der 1. und 3. Stunde; alles gesetzt.
  st.fPlnStd = 3;
  d->NeueSetzung(1, 1, 3, r1);
  d->NeueSetzung(1, 2, 1, r1);
  k = UebKopfBauen(*mue);
  EXPECT_EQ(k.Rest, " [0]");
  EXPECT_FALSE(k.RestRot);
  EXPECT_EQ(k.Spring, "[1]");
  EXPECT_TRUE(k.SpringRot);
}

TEST_F(UebersichtTest, ProbeUndRechtsZeilenUeberAlleSpalten) {
  TKurs* d = Kurs(mue, "D", k5a, r1, nullptr, 2);
  TKurs* m = Kurs(sch, "M", k5a, nullptr, nullptr, 2);
  d->NeueSetzung(1, 1, 1, r1);
  m->NeueSetzung(1, 2, 1, nullptr);
  const TUebersicht ueb = UebersichtFuellen(leh);
  // Mo 2 ist für beide frei; die Klasse 5a hat dort nichts.
  const auto passt = UebProbeZellen(ueb, 1, 2, false);
  EXPECT_EQ(passt, (std::vector<std::pair<int, int>>{{1, 1}, {2, 3}}));
  auto enthaelt = [](const std::vector<std::pair<int, int>>& v, std::pair<int, int> z) {
    return std::find(v.begin(), v.end(), z) != v.end();
  };
  // Di 1 (Zeile 3) in der leeren Spalte von MUE: 5a hat dort M, D passt nicht.
  EXPECT_FALSE(enthaelt(UebProbeZellen(ueb, 1, 3, false), {1, 1}));
  // Auf der Stunde M von SCH: M wird ausgehoben, nun passt D.
  EXPECT_TRUE(enthaelt(UebProbeZellen(ueb, 2, 3, false), {1, 1}));
  // Die Belegung ist danach unverändert.
  EXPECT_TRUE(m->fBesetzung.GetWocheTagStd(1, 2, 1));
  d->fSetzungUnmoeglich.SetWocheTagStd(1, 1, 2, true);
  d->fSetzungUnmoeglich.SetWocheTagStd(1, 2, 2, true);
  EXPECT_EQ(UebRechtsZeilen(*d, 1, 2, 2), (std::vector<int>{1, 3}));
}

TEST_F(UebersichtTest, GeloeschtesElementBautUebersichtUndStatistikNeu) {
  TZaehlFenster ueb, stat, klassen;
  s.fLehrUebForm = &ueb;
  s.fLeStatForm = &stat;
  s.fKlasUebForm = &klassen;
  s.ElementLoeschen(sch);
  EXPECT_EQ(ueb.updates, 1);
  EXPECT_EQ(stat.updates, 1);
  EXPECT_EQ(klassen.updates, 0);
  EXPECT_EQ(UebersichtFuellen(leh).Spalten(), 1);
  s.fLehrUebForm = s.fLeStatForm = s.fKlasUebForm = nullptr;
}

}  // namespace
