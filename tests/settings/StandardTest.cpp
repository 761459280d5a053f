#include "settings/StandardUnit.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "common/TestUmgebung.h"
#include "model/DatumUnit.h"
#include "model/SchulUnit.h"
#include "settings/KennwortUnit.h"

namespace {
constexpr TDateTime kMontag1993 = 34330;  // 27.12.1993

// Zelle n = 7·(Stunde − 1) + Tag.
int Zelle(const TAutoTabelle& tab, int t, int n) {
  return tab[t][(n - 1) / 7 + 1][(n - 1) % 7 + 1];
}
}  // namespace

TEST(Standard, VorgabenNachDemErzeugen) {
  TTestUmgebung u;
  const TStandard& s = u.standard;
  EXPECT_EQ(s.fStartZeit, u.uhr.fJetzt);
  EXPECT_EQ(s.fSaveZeit, u.uhr.fJetzt);
  EXPECT_EQ(s.fStdBez[1][1].str(), " 1");
  EXPECT_EQ(s.fStdBez[54][9].str(), " 9");
  EXPECT_EQ(s.fStdBez[54][16].str(), "16");
  EXPECT_EQ(s.fTagBez[7].str(), "So");
  EXPECT_EQ(s.fTagName[4].str(), "Donnerstag");
  EXPECT_FALSE(KennwortGesetzt());
  EXPECT_EQ(s.fCustomFarbe, std::vector<std::string>(16, "FFFFFF"));
  EXPECT_EQ(s.fPlnHoehe, 18);
  EXPECT_EQ(s.fDepHoehe, 18);
  EXPECT_EQ(s.fAuTab, TStandard::StandardTabellen());
  EXPECT_EQ(s.fDepVon, DatumZuZahl(1994, 1, 1));
  EXPECT_EQ(s.fVExpVon, DatumZuZahl(2014, 1, 1));
  EXPECT_EQ(s.fVExpBis, DatumZuZahl(2014, 3, 1));
  EXPECT_EQ(s.fBemBez[1].str(), "Bemerkung1");
  EXPECT_EQ(s.fBemBez[20].str(), "Bemerkung20");
  EXPECT_EQ(s.fGrund[20].str(), "-");
  for (int p = 1; p <= 4; ++p) {
    EXPECT_TRUE(s.fVertrCheck[p]);
    const VDEintrag& e = s.fVDEinstellung[p];
    EXPECT_TRUE(e.DruckVP && e.DruckEP && e.mitKop && e.mitFehlGrund && e.mitRaRechts);
    EXPECT_FALSE(e.nurAdHoc || e.mitKW || e.folgeTag);
    EXPECT_EQ(e.VPSortArt + e.EPSortArt + e.LehrerBez + e.BemArt + e.BemPos, 0);
    EXPECT_TRUE(e.HTMLPfad.empty());
  }
  for (int i = 1; i <= 10; ++i) EXPECT_TRUE(s.fVMemo[i].empty());
  EXPECT_EQ(s.fVertrCSS, "tamrel.css");

  // Druckgruppen: jede Planart ohne ihr eigenes Element.
  EXPECT_EQ(s.fLPlnDruckFont, (TSchrift{"Arial", 8}));
  EXPECT_EQ(s.fParDruckFont, (TSchrift{"Arial", 8}));
  EXPECT_EQ(s.fLPlnDruckBisTag, 5);
  EXPECT_EQ(s.fKPlnDruckBisStd, 9);
  EXPECT_TRUE(s.fRPlnDruckLe && s.fRPlnDruckKl && s.fRPlnDruckFa);
  EXPECT_TRUE(s.fKUebDruckLe && s.fKUebDruckRa);
  // Ohne eigene Bemerkung trägt kein Plan und keine Übersicht eine Bemerkungszeile.
  for (const TBemString* bem :
       {&s.fLPlnDruckBem, &s.fKPlnDruckBem, &s.fRPlnDruckBem, &s.fKoLePlnDruckBem,
        &s.fKoKlPlnDruckBem, &s.fLUebDruckBem, &s.fKUebDruckBem, &s.fRUebDruckBem,
        &s.fKoUebDruckBem, &s.fFUebDruckBem})
    EXPECT_EQ(bem->str(), "");
  EXPECT_FALSE(s.fKPlnDruckKo);
  EXPECT_TRUE(s.fRUebDruckStatt);
  EXPECT_TRUE(s.fKoKlPlnDruckMitKoBez && s.fKoLePlnDruckMitKoBez);
  EXPECT_TRUE(s.fKoUebDruckDatum);
  EXPECT_FALSE(s.fKoUebDruckUnter);
  EXPECT_EQ(s.fKoLePlnDruckAb, DatumZuZahl(1994, 1, 1));
  EXPECT_EQ(s.fLUebDruckRandLi + s.fLUebDruckRandRe + s.fLUebDruckRandOb + s.fLUebDruckRandUn, 2);
  EXPECT_EQ(s.fLUebDruckRandOb, 1);
  EXPECT_EQ(s.fVertrDruckRand, 1);
  EXPECT_TRUE(s.fFaKonfDruckEinzeln);
  EXPECT_FALSE(s.fFaKonfDruckEinsatz);
}

TEST(Standard, OhneUhrBleibenDieZeitenNull) {
  TTestUmgebung u;
  TDienste ohneUhr = EingesetzteDienste();
  ohneUhr.Uhr = nullptr;
  const TDienste alt = DiensteEinsetzen(ohneUhr);
  const TStandard s;
  DiensteEinsetzen(alt);
  EXPECT_EQ(s.fStartZeit, 0);
  EXPECT_EQ(s.fSaveZeit, 0);
}

TEST(Standard, VorgabetabellenDerAutomatik) {
  const TAutoTabelle tab = TStandard::StandardTabellen();
  const int stunde1[7] = {-7, -4, -1, -10, -13, -16, -37};
  const int stunde6[7] = {20, 35, 32, 23, 26, 29, 42};
  for (int d = 1; d <= 7; ++d) {
    EXPECT_EQ(tab[1][1][d], stunde1[d - 1]);
    EXPECT_EQ(tab[1][6][d], stunde6[d - 1]);
  }
  EXPECT_EQ(tab[2][3][2], -9);   // −(6·1 + 3)
  EXPECT_EQ(tab[2][6][7], -42);  // −(6·6 + 6)
  EXPECT_EQ(Zelle(tab, 3, 1), -1);
  EXPECT_EQ(Zelle(tab, 3, 8), 8);     // Stunde 2
  EXPECT_EQ(Zelle(tab, 3, 36), 36);   // Stunde 6
  EXPECT_EQ(Zelle(tab, 3, 29), -29);  // Stunde 5
  for (int t = 1; t <= 3; ++t) {
    EXPECT_EQ(Zelle(tab, t, 43), -43);
    EXPECT_EQ(Zelle(tab, t, 63), -63);
    EXPECT_EQ(Zelle(tab, t, 64), 64);
    EXPECT_EQ(Zelle(tab, t, 112), 112);
  }
  for (int n = 1; n <= 112; ++n) EXPECT_EQ(Zelle(tab, 4, n), n);
  // Jede Tabelle enthält jede Ordnungszahl genau einmal.
  for (int t = 1; t <= 4; ++t) {
    std::set<int> betraege;
    for (int n = 1; n <= 112; ++n) betraege.insert(std::abs(Zelle(tab, t, n)));
    EXPECT_EQ(betraege.size(), 112u);
    EXPECT_EQ(*betraege.begin(), 1);
    EXPECT_EQ(*betraege.rbegin(), 112);
  }
}

TEST(Standard, TesteTabelle) {
  TTestUmgebung u;
  TStandard& s = u.standard;
  const TAutoTabelle vorgabe = TStandard::StandardTabellen();

  // Lauter Nullen: die Vorgaben.
  s.fAuTab = TAutoTabelle{};
  s.TesteTabelle();
  EXPECT_EQ(s.fAuTab, vorgabe);

  // Eine gültige eigene Tabelle (zwei Zellen getauscht, ein Vorzeichen gedreht) bleibt.
  TAutoTabelle eigen = vorgabe;
  std::swap(eigen[4][1][1], eigen[4][16][7]);
  eigen[2][9][3] = -eigen[2][9][3];
  s.fAuTab = eigen;
  s.TesteTabelle();
  EXPECT_EQ(s.fAuTab, eigen);

  // Eine einzige Null irgendwo: alle vier Tabellen kehren zurück.
  s.fAuTab = eigen;
  s.fAuTab[3][16][7] = 0;
  s.TesteTabelle();
  EXPECT_EQ(s.fAuTab, vorgabe);

  // Eine Ordnungszahl doppelt (dem Betrag nach), eine fehlt.
  s.fAuTab = eigen;
  s.fAuTab[4][2][1] = -s.fAuTab[4][2][2];
  s.TesteTabelle();
  EXPECT_EQ(s.fAuTab, vorgabe);

  // Eine Zahl außerhalb von 1..112.
  s.fAuTab = eigen;
  s.fAuTab[1][10][1] = 113;
  s.TesteTabelle();
  EXPECT_EQ(s.fAuTab, vorgabe);
}

TEST(Standard, KalenderZeileHinUndZurueck) {
  TKalender k{};
  for (int b = 0; b < 8; ++b) k[b] = static_cast<std::uint8_t>(0x01 + 0x22 * b);
  k[887] = 0xFE;
  EXPECT_EQ(TStandard::KalenderZeile(1, k), "0123456789ABCDEF");
  EXPECT_EQ(TStandard::KalenderZeile(2, k), "0000000000000000");
  EXPECT_EQ(TStandard::KalenderZeile(111, k), "00000000000000FE");
  EXPECT_EQ(TStandard::KalenderZeile(0, k), "");
  EXPECT_EQ(TStandard::KalenderZeile(112, k), "");

  TKalender z{};
  for (int i = 1; i <= 111; ++i)
    EXPECT_TRUE(TStandard::SetKalenderZeile(i, TStandard::KalenderZeile(i, k), z));
  EXPECT_EQ(z, k);

  EXPECT_TRUE(TStandard::SetKalenderZeile(3, "a0b1c2d3e4f5a6b7", z));
  EXPECT_EQ(z[16], 0xA0);
  EXPECT_EQ(z[23], 0xB7);
  const TKalender vorher = z;
  EXPECT_FALSE(TStandard::SetKalenderZeile(3, "A0B1C2D3E4F5A6B", z));    // 15 Ziffern
  EXPECT_FALSE(TStandard::SetKalenderZeile(3, "A0B1C2D3E4F5A6BG", z));   // keine Hex-Ziffer
  EXPECT_FALSE(TStandard::SetKalenderZeile(3, "00000000000000000", z));  // 17 Ziffern
  EXPECT_FALSE(TStandard::SetKalenderZeile(112, "0000000000000000", z));
  EXPECT_EQ(z, vorher);
}

TEST(Standard, FerienTag) {
  TTestUmgebung u;
  TStandard& s = u.standard;
  s.fFerien[0] = 0x01;                    // Montag der ersten Woche
  s.fFerien[5] = 0x04;                    // Mittwoch der Woche 5
  s.fFerien[887] = 0x40;                  // Sonntag der letzten Woche
  EXPECT_TRUE(s.FerienTag(kMontag1993));  // Mo 27.12.1993
  EXPECT_TRUE(s.FerienTag(kMontag1993 + 0.75));
  EXPECT_FALSE(s.FerienTag(kMontag1993 + 1));
  EXPECT_TRUE(s.FerienTag(kMontag1993 + 7 * 5 + 2));
  EXPECT_FALSE(s.FerienTag(kMontag1993 + 7 * 5 + 3));
  EXPECT_TRUE(s.FerienTag(kMontag1993 + 7 * 887 + 6));
  // 888 Wochen später beginnt der Kalender von vorn: wieder Byte 0.
  EXPECT_TRUE(s.FerienTag(kMontag1993 + 7 * 888));
  EXPECT_TRUE(s.FerienTag(kMontag1993 + 7 * 888 * 3 + 0.5));
  EXPECT_TRUE(s.FerienTag(kMontag1993 + 7 * 888 + 7 * 887 + 6));
  EXPECT_FALSE(s.FerienTag(kMontag1993 + 7 * 888 + 1));
  // Vor dem 27.12.1993 liegt nichts im Kalender, auch nicht der Sonntag davor.
  EXPECT_FALSE(s.FerienTag(kMontag1993 - 1));
  EXPECT_FALSE(s.FerienTag(kMontag1993 - 0.25));
  EXPECT_FALSE(s.FerienTag(kMontag1993 - 7 * 888));
  EXPECT_FALSE(s.FerienTag(-1e300));
  EXPECT_FALSE(s.FerienTag(1e300));
}

TEST(Standard, WochenEnde) {
  TTestUmgebung u;
  TStandard& s = u.standard;
  const TDateTime freitag = DatumZuZahl(2026, 12, 11);
  s.fMaxTageNeu = 5;
  EXPECT_FALSE(s.WochenEnde(freitag));
  EXPECT_TRUE(s.WochenEnde(freitag + 1));
  EXPECT_FALSE(s.WochenEnde(freitag + 3));  // Montag
  s.fMaxTageNeu = 6;
  EXPECT_FALSE(s.WochenEnde(freitag + 1.5));
  EXPECT_TRUE(s.WochenEnde(freitag + 2));
  s.fMaxTageNeu = 7;
  EXPECT_FALSE(s.WochenEnde(freitag + 2));
}

TEST(Standard, BreitenEigenschaften) {
  TTestUmgebung u;
  TStandard& s = u.standard;
  s.fPlnLeBreite = 20;
  s.fPlnKlBreite = 30;
  s.fPlnKoBreite = 25;
  s.fPlnFaBreite = 15;
  s.fPlnRaBreite = 50;
  EXPECT_EQ(s.PlnKlKoBreite(), 30);
  EXPECT_EQ(s.PlnLeKoBreite(), 25);
  EXPECT_EQ(s.PlnFaKoBreite(), 25);
  EXPECT_EQ(s.PlnMaxBreite(), 50);
}

TEST(Standard, BerechnePlnBreite) {
  TTestUmgebung u;
  TStandard& s = u.standard;
  u.schule().HoleLehrer("ABC");
  u.schule().HoleLehrer("ABCDEFGHIJK");
  u.schule().HoleFach("M");
  u.schule().HoleRaum("R1234");
  s.fTagBez[3] = "Mittwoch";
  s.fAktuelleWoche = 2;
  s.fStdBez[2][5] = "10:00";
  s.fStdBez[1][5] = "10:00-10:45";  // andere Version: zählt nicht

  // Fett (Kopplungen fett): jedes Zeichen 8/2 + 1 = 5 Pixel breit.
  s.BerechnePlnBreite(u.metrik);
  EXPECT_EQ(s.fPlnHoehe, 18);  // 8 · 1,65 = 13,2 → 13, + 5
  EXPECT_EQ(s.fPlnLeBreite, 55);
  EXPECT_EQ(s.fPlnKlBreite, 13);  // keine Klassen
  EXPECT_EQ(s.fPlnKoBreite, 13);
  EXPECT_EQ(s.fPlnFaBreite, 13);  // "M" = 5
  EXPECT_EQ(s.fPlnRaBreite, 25);
  EXPECT_EQ(s.fPlnTagBreite, 43);
  EXPECT_EQ(s.fPlnStdBreite, 28);
  EXPECT_EQ(s.fPlnWertBreite, 5 * 4 + 5);
  EXPECT_FALSE(s.fPlnFont.Fett);  // die Schrift selbst bleibt normal

  // Ohne Fett 4 Pixel je Zeichen.
  s.fPlnKoppFett = false;
  s.fVorKomma = 3;
  s.fNachKomma = 0;
  s.BerechnePlnBreite(u.metrik);
  EXPECT_EQ(s.fPlnLeBreite, 44);
  EXPECT_EQ(s.fPlnTagBreite, 35);
  EXPECT_EQ(s.fPlnStdBreite, 23);
  EXPECT_EQ(s.fPlnWertBreite, 4 * 4 + 5);

  // Kurze Tage: mindestens 13.
  s.fTagBez[3] = "Mi";
  s.BerechnePlnBreite(u.metrik);
  EXPECT_EQ(s.fPlnTagBreite, 13);
}

TEST(Standard, PlanZeilenhoeheRundetHalbeZurGeradenZahl) {
  TTestUmgebung u;
  TStandard& s = u.standard;
  const std::pair<int, int> faelle[] = {
      {10, 16 + 5},  // 16,5 → 16
      {30, 50 + 5},  // 49,5 → 50
      {50, 82 + 5},  // 82,5 → 82
      {11, 18 + 5},  // 18,15
      {9, 15 + 5},   // 14,85
      {-12, 20 + 5}  // Betrag: 19,8 → 20
  };
  for (const auto& [groesse, hoehe] : faelle) {
    s.fPlnFont.Groesse = groesse;
    s.BerechnePlnBreite(u.metrik);
    EXPECT_EQ(s.fPlnHoehe, hoehe) << "Größe " << groesse;
  }
}

TEST(Standard, BerechneDepBreite) {
  TTestUmgebung u;
  TStandard& s = u.standard;
  u.schule().HoleLehrer("ABCDEFGHIJK");
  u.schule().HoleFach("Mathematik");
  u.schule().HoleKlasse("5a");
  s.BerechneDepBreite(u.metrik);  // 4 Pixel je Zeichen
  EXPECT_EQ(s.fDepHoehe, 8 + 13);
  EXPECT_EQ(s.fDepLeBreite, 44);
  EXPECT_EQ(s.fDepKlBreite, 24);  // "Klasse"
  EXPECT_EQ(s.fDepKoBreite, 32);  // "Kopplung"
  EXPECT_EQ(s.fDepFaBreite, 40);
  EXPECT_EQ(s.fDepRaBreite, 16);  // "Raum"
  EXPECT_EQ(s.fDepStdBreite, 12 + 3);
  EXPECT_EQ(s.fDepWertBreite, 4 * 3 + 5);

  // Schmale Zahlen: mindestens die Breite von "Wert".
  s.fVorKomma = 1;
  s.fNachKomma = 0;
  s.BerechneDepBreite(u.metrik);
  EXPECT_EQ(s.fDepWertBreite, 16);
}
