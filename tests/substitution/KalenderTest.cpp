// Der Schulkalender: Wochennummern ab dem 27.12.1993, Planversion und Ferien, deutsche Daten,
// ISO-Wochen, Grenzen des Blätterns und die Regeln der Kalendervoreinstellung.
#include "VertretungHilfe.h"
#include "substitution/KalenderDialogUnit.h"
#include "substitution/KalenderUnit.h"

namespace {

TDateTime D(int j, int m, int t) {
  return DatumZuZahl(j, m, t) + 0.5;
}

TEST_F(VertretungsTest, KalenderwochenPlanversionUndFerien) {
  EXPECT_EQ(KalenderIndex(D(1993, 12, 27)), 0);
  EXPECT_EQ(KalenderIndex(D(1994, 1, 2)), 0);
  EXPECT_EQ(KalenderIndex(D(1994, 1, 3)), 1);
  EXPECT_EQ(KalenderIndex(D(2011, 1, 3)), 0);  // 888 Wochen später: derselbe Eintrag
  EXPECT_EQ(KalenderIndex(D(1993, 12, 26)), -1);
  // Sonntag 2.1.1994 ist Bit 6 der Woche 0, und Woche 0 teilt sich den Eintrag mit 2011.
  st.fFerien[0] = 0x40;
  EXPECT_TRUE(st.FerienTag(D(1994, 1, 2)));
  EXPECT_TRUE(st.FerienTag(D(2011, 1, 9)));
  EXPECT_FALSE(st.FerienTag(D(1994, 1, 1)));
  // Vor dem Kalender: keine Planversion, kein Ferientag, kein Schultag.
  st.fFerien[887] = 0xFF;
  EXPECT_EQ(PlanversionAm(D(1993, 12, 20)), 0);
  EXPECT_FALSE(st.FerienTag(D(1993, 12, 20)));
  EXPECT_FALSE(Schultag(D(1993, 12, 20)));
  ZweiWochen();
  s.SetzeKalender(KalenderWoche(Tag(0)), 2);
  EXPECT_EQ(PlanversionAm(Tag(0)), 2);
  st.fMaxTageNeu = 5;
  EXPECT_FALSE(Schultag(Tag(5)));  // Samstag
  EXPECT_TRUE(Schultag(Tag(4)));
}

TEST_F(VertretungsTest, DatumstexteUndIsoWochen) {
  EXPECT_EQ(DatumText(Tag(0), kLangesDatum), "Montag, 7. Dezember, 2026");
  EXPECT_EQ(DatumText(Tag(0), kKurzesDatum), "Mo, 7. Dez");
  EXPECT_EQ(DatumText(D(2027, 3, 1), kMonatUndJahr), "M\xE4rz 2027");
  EXPECT_EQ(DatumText(D(2027, 3, 1), "yyyymmdd"), "20270301");
  EXPECT_EQ(DatumText(D(2027, 3, 1), "dd.mm.yy"), "01.03.27");
  EXPECT_EQ(IsoWoche(D(2021, 1, 1)), 53);
  EXPECT_EQ(IsoWoche(D(2021, 1, 4)), 1);
  EXPECT_EQ(IsoWoche(D(2025, 12, 29)), 1);
  EXPECT_EQ(IsoWoche(Tag(0)), 50);
}

TEST_F(VertretungsTest, BlaetternBleibtInDenGrenzen) {
  EXPECT_EQ(MonatSchritt({1994, 1}, -1), (TMonatJahr{1994, 1}));
  EXPECT_EQ(MonatSchritt({2050, 12}, 1), (TMonatJahr{2050, 12}));
  EXPECT_EQ(MonatSchritt({2026, 12}, 1), (TMonatJahr{2027, 1}));
  EXPECT_EQ(MonatSchritt({2027, 1}, -1), (TMonatJahr{2026, 12}));
  // Ein Kalender voller Ferien: das Blättern zum nächsten Schultag endet an der Grenze.
  for (auto& b : st.fFerien) b = 0x7F;
  EXPECT_EQ(NaechsterSchultag(Tag(0), 1), LetzterPlanTag());
  EXPECT_EQ(NaechsterSchultag(Tag(0), -1), ErsterPlanTag());
  st.fFerien[KalenderIndex(Tag(0))] = 0;
  EXPECT_EQ(NaechsterSchultag(Tag(-3), 1), Tag(0));
}

TEST_F(VertretungsTest, KalenderdialogRasterUndZiehen) {
  ZweiWochen();
  st.fMaxTageNeu = 5;
  TKalenderModell k;
  k.IKalender();
  EXPECT_EQ(k.MonatsText(), "Dezember 2026");
  EXPECT_EQ(k.Zelle(0, 0), "Planversion");
  EXPECT_EQ(k.Zelle(0, 1), "Kal.woche");
  EXPECT_EQ(k.Zelle(0, 2), "Montag");
  EXPECT_EQ(k.Zelle(2, 2), "7");  // der 1.12.2026 ist ein Dienstag: Spalte 1, Zeile 3
  EXPECT_EQ(k.Zelle(1, 3), "1");
  EXPECT_EQ(k.Zelle(1, 2), "");
  EXPECT_EQ(k.Zelle(1, 1), "49");
  EXPECT_TRUE(k.Rot(1, 7));   // Samstag
  EXPECT_FALSE(k.Rot(1, 6));  // Freitag
  // Ein Monat, der am Sonntag beginnt, braucht alle sechs Spalten (November 2026).
  k.Blaettern(-1);
  EXPECT_EQ(k.Zelle(1, 8), "1");
  EXPECT_EQ(k.Zelle(6, 2), "30");
  k.Blaettern(1);
  // Ziehen von einem Schultag setzt Ferien, von einem Ferientag löscht sie.
  k.FerienZiehen(2, 2, 3, 3);  // 7., 8., 14., 15.
  EXPECT_EQ(k.Zelle(2, 2), "-7");
  EXPECT_EQ(k.Zelle(3, 3), "-15");
  k.FerienZiehen(3, 2, 3, 4);  // beginnt auf dem 14. (Ferien): 14., 15., 16. werden Schultage
  EXPECT_EQ(k.Zelle(3, 3), "15");
  EXPECT_EQ(k.Zelle(2, 3), "-8");
  k.FerienZiehen(1, 2, 1, 2);  // kein Tag: nichts
  const TMenue menue = k.KalenderMenu();
  ASSERT_EQ(menue.size(), 2u);
  EXPECT_EQ(menue[1].Text, "2");
  k.PlanversionWaehlen(2, 2);
  EXPECT_EQ(k.Zelle(2, 0), "2");
  EXPECT_EQ(s.WocheVonDatum(Tag(0)), 1);  // erst "Ok" übernimmt
  EXPECT_TRUE(k.Ok());
  EXPECT_EQ(s.WocheVonDatum(Tag(0)), 2);
  EXPECT_TRUE(st.FerienTag(Tag(0)));
  EXPECT_FALSE(st.FerienTag(Tag(7)));
}

TEST_F(VertretungsTest, KalenderdialogFragtVorDemLoeschen) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 4);
  a->NeueSetzung(1, 1, 3, r1);
  Abwesend(l1, Tag(0), 3, 3);
  TKalenderModell k;
  k.IKalender();
  k.FerienZiehen(2, 2, 2, 2);
  u.dialog.Antworte("Nein");
  EXPECT_FALSE(k.Ok());
  ASSERT_EQ(u.dialog.fProtokoll.size(), 1u);
  EXPECT_EQ(u.dialog.fProtokoll[0].Titel, "Voreinstellung für den Kalender");
  EXPECT_EQ(u.dialog.fProtokoll[0].Zeilen[0],
            "1 Vertretung passt nicht mehr zum Kalender und wird gelöscht.");
  EXPECT_EQ(Anzahl(), 1);
  EXPECT_FALSE(st.FerienTag(Tag(0)));
  u.dialog.Antworte("Ja");
  EXPECT_TRUE(k.Ok());
  EXPECT_EQ(Anzahl(), 0);
}

}  // namespace
