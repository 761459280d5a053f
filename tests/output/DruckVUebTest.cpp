// Die Drucke der Vertretungsübersichten: Zeilen aus den Vertretungen, neun Spalten, der
// Zeitraum aus den Feldern.
#include <gtest/gtest.h>

#include "model/DatumUnit.h"
#include "output/DruckVUebUnit.h"
#include "output/PrevPrinterUnit.h"
#include "planning/PlanHilfe.h"
#include "planning/SetzungUnit.h"
#include "substitution/VertretungUnit.h"

namespace {
std::vector<std::string> Texte(const TSeite& seite) {
  std::vector<std::string> t;
  for (const TZeichenBefehl& b : seite)
    if (b.Art == TZeichenArt::Text) t.push_back(b.Text);
  return t;
}

class DruckVUebTest : public PlanTest {
 protected:
  DruckVUebTest() {
    st.fMaxTageNeu = 5;
    kD = Kurs(l1, fD, {k5a}, {r1}, nullptr, 2);
    setzung = kD->NeueSetzung(1, 1, 2, r1);
    auto v = std::make_unique<TVertretung>();
    v->fDatum = Tag(0);
    v->fKurs = kD;
    v->fSetzung = setzung;
    v->fLehrer = l2;
    v->fGueltig = true;
    v->fAngerechnet = true;
    v->fLInfo = "Bem";
    rec = s.VertretungAufnehmen(std::move(v));
  }
  TVertretung* rec;
  TKurs* kD;
  TSetzung* setzung;
};
}  // namespace

TEST_F(DruckVUebTest, LehrerzeilenVertrittUndFehltMitWert) {
  const auto z = VUebZeilen(true, {l1, l2, l3}, Tag(0), Tag(4));
  const std::string grund = U8("fehlt " + s.FehlGrund(Tag(0), l1));
  EXPECT_EQ(z, (std::vector<TVUebZeile>{
                   {"MUE", "07.12.2026", " 2", grund, " 0.0", "MUE D 5a", "", "", "Bem"},
                   {"SCH", "07.12.2026", " 2", "vertritt", " 1.0", "MUE D 5a", "", "", "Bem"}}));
  // Ohne Vertretung, aber mit abwesender Klasse: die Stunde fällt aus.
  rec->fGueltig = false;
  Fehlt(k5a, Tag(7), {2});
  const auto aus = VUebZeilen(true, {l1}, Tag(7), Tag(7));
  ASSERT_EQ(aus.size(), 1u);
  EXPECT_EQ(aus[0][3], "ausgefallen");
  EXPECT_EQ(aus[0][4], "-1.0");
}

TEST_F(DruckVUebTest, KlassenzeilenUndAbwesendeKlasse) {
  auto z = VUebZeilen(false, {k5a}, Tag(0), Tag(0));
  ASSERT_EQ(z.size(), 1u);
  EXPECT_EQ(z[0][3], U8("vertritt " + s.FehlGrund(Tag(0), l1)));
  EXPECT_EQ(z[0][4], "SCH");
  Fehlt(k5a, Tag(0), {2});
  z = VUebZeilen(false, {k5a}, Tag(0), Tag(0));
  ASSERT_EQ(z.size(), 1u);
  EXPECT_EQ(z[0][3], U8("fehlt " + s.FehlGrund(Tag(0), k5a)));
  EXPECT_EQ(z[0][4], "----");
}

TEST_F(DruckVUebTest, LeereWahlDrucktKopfUndSpaltentitel) {
  s.fDateiName = "Test.tmr";
  st.fSchulname = "Schule";
  TPrevPrinter p(A4Masse(600), u.metrik);
  ASSERT_GT(DruckeVertretungsUebersicht(false, LadeVUebDruck(st), {}, Tag(0), Tag(0), p), 0);
  EXPECT_EQ(p.PageCount(), 1);
  const std::vector<std::string> t = Texte(p.Seite(1));
  EXPECT_EQ((std::vector<std::string>(t.begin() + 1, t.end())),
            (std::vector<std::string>{"Test.tmr   Schule", "Klasse", "Datum", "Stunde", "Text",
                                      "Lehrer", "Kurs", "statt", "verlegt auf", "Bemerkung"}));
  // Die Meldung während des Anlegens.
  EXPECT_EQ(u.dialog.fMeldungsFenster.front(), "Die Vertretungsübersicht wird angelegt.");
}

TEST_F(DruckVUebTest, ZeitraumSenktDenTagUndBisNieVorVon) {
  TVUebZeitraum z = VUebZeitraum(31, 2, 2027, 30, 1, 2027);
  EXPECT_EQ(ZahlZuDatum(z.Von), (TDatum{2027, 2, 28}));
  EXPECT_DOUBLE_EQ(z.Von - std::floor(z.Von), 0.5);
  EXPECT_DOUBLE_EQ(z.Bis, z.Von);
  z = VUebZeitraum(45, 4, 2026, 0, 13, 3000);
  EXPECT_EQ(ZahlZuDatum(z.Von), (TDatum{2026, 4, 30}));
  EXPECT_EQ(ZahlZuDatum(z.Bis), (TDatum{2039, 12, 1}));
}
