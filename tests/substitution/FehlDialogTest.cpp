// Die Abwesenheitsdialoge ohne Fenster: Zeilen, Stundenwahl, "Fehlt schon", Stundenstreifen,
// Gründe, "Ok" und die längere Fehlzeit.
#include "VertretungHilfe.h"
#include "substitution/FehlDialogUnit.h"

namespace {

TEST_F(VertretungsTest, TagesdialogZeilenUndFehltSchon) {
  st.fPlnStd = 8;
  st.fStdBez[1][2] = "2.";
  st.fStdBez[1][5] = "5.";
  FehlzeitEintragen(l2, Tag(0), StundenMaske(2, 3), "K");
  FehlzeitEintragen(l1, Tag(1), StundenMaske(1, 1), "-");
  TFehlDialog d;
  d.IFehlForm(Tag(0), leh, s.fFehlLehrerMenge[0]);
  EXPECT_EQ(d.Titel(), "Fehlende Lehrer");
  EXPECT_EQ(d.ElementText(), "Lehrer");
  EXPECT_EQ(d.DatumsText(), "Montag, 7. Dezember, 2026");
  ASSERT_EQ(d.fZeilen.size(), 1u);
  EXPECT_EQ(d.fZeilen[0].Grund, "(K)");
  EXPECT_EQ(d.fZeilen[0].Maske, "-++-------------");
  EXPECT_EQ(d.fAuswahl, 0);
  EXPECT_EQ(d.fBis, 8);
  d.BisWaehlen(2);
  d.VonWaehlen(5);  // hebt "bis" mit
  EXPECT_EQ(d.fBis, 5);
  d.BisWaehlen(2);  // senkt "von" mit
  EXPECT_EQ(d.fVon, 2);
  EXPECT_EQ(d.VonText(), "2.");
  d.VonWaehlen(2);
  d.BisWaehlen(5);
  EXPECT_EQ(d.StdPopup().size(), 8u);
  EXPECT_TRUE(d.ElementHinzufuegen(l1));
  EXPECT_EQ(d.fZeilen[1].Maske, "-++++-----------");
  EXPECT_EQ(d.fZeilen[1].Grund, "(-)");
  EXPECT_FALSE(d.ElementHinzufuegen(l2));
  ASSERT_EQ(u.dialog.fProtokoll.size(), 1u);
  EXPECT_EQ(u.dialog.fProtokoll[0].Titel, "Fehlt schon");
  EXPECT_EQ(u.dialog.fProtokoll[0].Zeilen,
            (std::vector<std::string>{"SCH", "fehlt an diesem Tag schon.",
                                      "Fehlstunden  in der entsprechenden Zeile ändern!"}));
  EXPECT_EQ(d.fAuswahl, 0);
  EXPECT_EQ(d.fZeilen.size(), 2u);
  // Der Streifen: 9 Bildpunkte je Stunde, Shift keine, Strg alle, außerhalb nichts.
  d.StreifenKlick(1, 0, false, false);
  d.StreifenKlick(1, 20, false, false);
  EXPECT_EQ(d.fZeilen[1].Maske, "++-++-----------");
  d.StreifenKlick(1, 9 * 16, false, false);
  d.StreifenKlick(1, -3, false, false);
  EXPECT_EQ(d.fZeilen[1].Maske, "++-++-----------");
  d.StreifenKlick(0, 50, true, false);
  EXPECT_EQ(d.fZeilen[0].Maske, "----------------");
  d.StreifenKlick(0, 50, false, true);
  EXPECT_EQ(d.fZeilen[0].Maske, "++++++++++++++++");
  d.StreifenKlick(0, 50, true, false);
  // Gründe: ein leerer Grund aus den Einstellungen gilt als "-".
  st.fGrund[3] = "";
  st.fGrund[4] = "U";
  d.fAuswahl = 1;
  d.GrundWaehlen(4);
  EXPECT_EQ(d.fZeilen[1].Grund, "(U)");
  d.GrundWaehlen(3);
  EXPECT_EQ(d.fZeilen[1].Grund, "(-)");
  d.GrundWaehlen(4);
  d.Ok();
  // SCH hat keine Stunde mehr und ist gelöscht; MUE ist neu, vor dem späteren Tag eingeordnet.
  ASSERT_EQ(s.fFehlLehrerMenge.size(), 2u);
  EXPECT_EQ(s.fFehlLehrerMenge[0]->fElement, l1);
  EXPECT_EQ(s.fFehlLehrerMenge[0]->fDatum, Tag(0));
  EXPECT_EQ(s.fFehlLehrerMenge[0]->fGrund.str(), "U");
  EXPECT_EQ(s.fFehlLehrerMenge[0]->fZeit, MaskeAusText("++-++-----------"));
  EXPECT_EQ(s.fFehlLehrerMenge[1]->fDatum, Tag(1));
  EXPECT_TRUE(s.fDirty);
}

TEST_F(VertretungsTest, LaengereFehlzeitUeberSchultage) {
  st.fMaxTageNeu = 5;
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 4);
  TSetzung* mo = a->NeueSetzung(1, 1, 3, r1);
  FehlzeitEintragen(l1, Tag(8), StundenMaske(6, 6), "K");  // Dienstag, schon mit Grund
  TFehlDialog d;
  d.IFehlForm(Tag(4), leh, nullptr);  // Freitag
  d.ElementHinzufuegen(l1);
  d.fZeilen[0].Maske = MaskenText(StundenMaske(3, 3));
  d.fZeilen[0].Grund = "(F)";
  EXPECT_EQ(d.LaengereFehlzeit(0, Tag(8)), 2);  // Montag und Dienstag
  EXPECT_EQ(u.dialog.fMeldungsFenster.front(), "Die Fehlzeiten werden eingetragen.");
  EXPECT_EQ(u.dialog.fMeldungsFenster.back(), "Die Fehlzeiten werden eingetragen. (2 von 2)");
  EXPECT_EQ(u.dialog.fMeldungsFensterZu, 1);
  EXPECT_EQ(u.dialog.fBeschaeftigt, 0);
  EXPECT_EQ(u.dialog.fProtokoll.back().Zeilen[0],
            "Die Fehlzeiten sind an 2 Schultagen eingetragen.");
  ASSERT_EQ(s.fFehlLehrerMenge.size(), 2u);
  EXPECT_EQ(s.fFehlLehrerMenge[0]->fGrund.str(), "K");  // der vorhandene behält seinen Grund
  EXPECT_EQ(s.fFehlLehrerMenge[0]->fZeit, StundenMaske(3, 3));
  EXPECT_EQ(s.fFehlLehrerMenge[1]->fDatum, Tag(7));
  EXPECT_EQ(s.fFehlLehrerMenge[1]->fGrund.str(), "F");
  EXPECT_NE(Von(mo, Tag(7)), nullptr);
  EXPECT_EQ(FehlFinden(l1, Tag(4)), nullptr);  // der Freitag erst mit "Ok"
  d.Ok();
  EXPECT_NE(FehlFinden(l1, Tag(4)), nullptr);
  EXPECT_TRUE(VertretungenStimmen(s));
}

TEST_F(VertretungsTest, DatumDerLaengerenFehlzeit) {
  int t = 31, m = 4, j = 2027;
  EXPECT_EQ(FehltLangDatum(t, m, j, Tag(0)), DatumZuZahl(2027, 4, 30) + 0.5);
  EXPECT_EQ(t, 30);
  t = 31, m = 2, j = 2027;
  FehltLangDatum(t, m, j, Tag(0));
  EXPECT_EQ(t, 28);
  t = 31, m = 2, j = 2028;
  FehltLangDatum(t, m, j, Tag(0));
  EXPECT_EQ(t, 29);
  t = 1, m = 12, j = 2026;  // vor dem Tag des Dialogs: dessen Datum
  EXPECT_EQ(FehltLangDatum(t, m, j, Tag(0)), Tag(0));
  EXPECT_EQ(t, 7);
}

}  // namespace
