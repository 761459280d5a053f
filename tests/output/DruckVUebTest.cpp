// Die Drucke der Vertretungsübersichten: die Zeilen des Übersichtsfensters für die gewählten
// Elemente, neun Spalten, Fortschritt und "Abbrechen", der Zeitraum aus den Feldern.
#include <gtest/gtest.h>

#include <map>

#include "model/DatumUnit.h"
#include "output/DruckVUebUnit.h"
#include "output/PrevPrinterUnit.h"
#include "planning/PlanHilfe.h"
#include "planning/SetzungUnit.h"
#include "substitution/KalenderUnit.h"
#include "substitution/VStatUnit.h"
#include "substitution/VertretungUnit.h"

namespace {
std::vector<std::string> Texte(const TSeite& seite) {
  std::vector<std::string> t;
  for (const TZeichenBefehl& b : seite)
    if (b.Art == TZeichenArt::Text) t.push_back(b.Text);
  return t;
}

// Die gedruckten Zeilen aller Seiten unter den Kopfzeilen: die Texte einer Höhe, von links.
std::vector<std::vector<std::string>> DruckZeilen(const TPrevPrinter& p) {
  std::vector<std::vector<std::string>> zeilen;
  for (int n = 1; n <= p.PageCount(); ++n) {
    std::map<int, std::map<int, std::string>> nachHoehe;
    for (const TZeichenBefehl& b : p.Seite(n))
      if (b.Art == TZeichenArt::Text && !b.Text.empty()) nachHoehe[b.Y1][b.X1] = b.Text;
    int i = 0;
    for (const auto& [y, texte] : nachHoehe) {
      if (i++ < 2) continue;  // Seitenkopf: "Seite n", Datei und Schulname
      zeilen.emplace_back();
      for (const auto& [x, t] : texte) zeilen.back().push_back(t);
    }
  }
  return zeilen;
}

// Bricht ab, sobald der Druck nach dem Abbrechen fragt, und merkt sich die Texte.
class TAbbrecher : public TDruckFortschritt {
 public:
  void Zeigen(const std::string& text) override { fTexte.push_back(text); }
  bool Abgebrochen() override { return fAbbrechen; }
  void Schliessen() override {}
  bool fAbbrechen = false;
  std::vector<std::string> fTexte;
};

class DruckVUebTest : public PlanTest {
 protected:
  DruckVUebTest() {
    st.fMaxTageNeu = 5;
    s.fDateiName = "Test.tmr";
    st.fSchulname = "Schule";
    kD = Kurs(l1, fD, {k5a}, {r1}, nullptr, 2);
    setzung = kD->NeueSetzung(1, 1, 2, r1);
    for (int tag = 0; tag < 5; ++tag) {
      auto v = std::make_unique<TVertretung>();
      v->fDatum = Tag(7 * tag);
      v->fKurs = kD;
      v->fSetzung = setzung;
      v->fLehrer = tag % 2 ? l3 : l2;
      v->fGueltig = true;
      v->fAngerechnet = true;
      v->fLInfo = "Bem";
      s.VertretungAufnehmen(std::move(v));
    }
  }
  // Die Zeilen des Übersichtsfensters (ohne Kopfzeile) in UTF-8, nur die des Elements, wenn
  // eines genannt ist.
  std::vector<std::vector<std::string>> FensterZeilen(TKuerzelArt art, TDateTime von, TDateTime bis,
                                                      const char* nur = nullptr) {
    std::vector<std::vector<std::string>> z;
    const auto raster = VStatRaster(art, von, bis);
    for (std::size_t i = 1; i < raster.size(); ++i) {
      if (nur && raster[i][0] != nur) continue;
      z.emplace_back();
      for (const std::string& zelle : raster[i])
        if (!zelle.empty()) z.back().push_back(Win1252ZuUtf8(zelle));
    }
    return z;
  }
  TKurs* kD;
  TSetzung* setzung;
};
}  // namespace

// Der Druck zeigt genau die Zeilen des Fensters, über Seiten hinweg mit den Spaltentiteln oben
// auf jeder Seite. Der Kalender legt die Tage in die zweite Planversion, deren Stunden anders
// heißen: wie im Fenster steht die Stunde der Vertretung (Planversion der Setzung) da.
TEST_F(DruckVUebTest, GedruckteZeilenSindDieZeilenDesFensters) {
  s.VersionErweitern(2);
  st.fStdBez[1][2] = " 2";
  st.fStdBez[2][2] = "2b";
  for (int w = 0; w < 5; ++w) s.SetzeKalender(KalenderIndex(Tag(7 * w)) + 1, 2);
  ASSERT_EQ(PlanversionAm(Tag(0)), 2);
  TDruckerMasse klein = A4Masse(600);
  klein.Hoehe = klein.BlattHoehe = 340;  // Kopf, Titel und zwei Zeilen je Seite
  TPrevPrinter p(klein, u.metrik);
  ASSERT_GT(DruckeVertretungsUebersicht(true, LadeVUebDruck(st), {l1, l2, l3}, Tag(0), Tag(28), p),
            0);
  ASSERT_GT(p.PageCount(), 2);
  const std::vector<std::string> titel = VUebTitel(true);
  std::vector<std::vector<std::string>> ohneTitel;
  for (const auto& z : DruckZeilen(p))
    if (z != titel) ohneTitel.push_back(z);
  const auto fenster = FensterZeilen(leh, Tag(0), Tag(28));
  ASSERT_EQ(fenster.size(), 10u);  // MUE fehlt fünfmal, SCH und KRA vertreten
  EXPECT_EQ(ohneTitel, fenster);
  EXPECT_EQ(fenster[0][2], " 2");
  // Jede Seite beginnt mit den Spaltentiteln.
  for (int n = 1; n <= p.PageCount(); ++n) {
    const std::vector<std::string> t = Texte(p.Seite(n));
    EXPECT_EQ(t[2], "Lehrer") << n;
  }

  // Nur SCH gewählt: nur seine Zeilen.
  TPrevPrinter sch(A4Masse(600), u.metrik);
  ASSERT_GT(DruckeVertretungsUebersicht(true, LadeVUebDruck(st), {l2}, Tag(0), Tag(28), sch), 0);
  std::vector<std::vector<std::string>> gedruckt = DruckZeilen(sch);
  ASSERT_FALSE(gedruckt.empty());
  gedruckt.erase(gedruckt.begin());
  EXPECT_EQ(gedruckt, FensterZeilen(leh, Tag(0), Tag(28), "SCH"));
  EXPECT_EQ(gedruckt.size(), 3u);
}

TEST_F(DruckVUebTest, KlassenzeilenWieImFenster) {
  Fehlt(k5a, Tag(7), {2});
  TPrevPrinter p(A4Masse(600), u.metrik);
  ASSERT_GT(DruckeVertretungsUebersicht(false, LadeVUebDruck(st), {k5a, k5b}, Tag(0), Tag(7), p),
            0);
  std::vector<std::vector<std::string>> gedruckt = DruckZeilen(p);
  gedruckt.erase(gedruckt.begin());
  const auto fenster = FensterZeilen(kla, Tag(0), Tag(7));
  ASSERT_EQ(fenster.size(), 2u);
  EXPECT_EQ(gedruckt, fenster);
  EXPECT_EQ(fenster[1][3], U8("fehlt " + s.FehlGrund(Tag(7), k5a)));
}

// Der Fortschritt zählt die Elemente; "Abbrechen" verwirft den Druck.
TEST_F(DruckVUebTest, FortschrittUndAbbrechen) {
  TAbbrecher anzeige;
  TPrevPrinter p(A4Masse(600), u.metrik);
  p.SetzeFortschritt(&anzeige);
  ASSERT_GT(DruckeVertretungsUebersicht(true, LadeVUebDruck(st), {l1, l2, l3}, Tag(0), Tag(28), p),
            0);
  EXPECT_NE(std::find(anzeige.fTexte.begin(), anzeige.fTexte.end(),
                      "Die Vertretungsübersicht wird angelegt. (33 %)"),
            anzeige.fTexte.end());
  EXPECT_NE(std::find(anzeige.fTexte.begin(), anzeige.fTexte.end(),
                      "Die Vertretungsübersicht wird angelegt. (100 %)"),
            anzeige.fTexte.end());
  anzeige.fAbbrechen = true;
  TPrevPrinter ab(A4Masse(600), u.metrik);
  ab.SetzeFortschritt(&anzeige);
  EXPECT_EQ(DruckeVertretungsUebersicht(true, LadeVUebDruck(st), {l1, l2, l3}, Tag(0), Tag(28), ab),
            0);
  EXPECT_EQ(ab.PageCount(), 0);
}

TEST_F(DruckVUebTest, LeereWahlDrucktKopfUndSpaltentitel) {
  TPrevPrinter p(A4Masse(600), u.metrik);
  ASSERT_GT(DruckeVertretungsUebersicht(false, LadeVUebDruck(st), {}, Tag(0), Tag(0), p), 0);
  EXPECT_EQ(p.PageCount(), 1);
  const std::vector<std::string> t = Texte(p.Seite(1));
  EXPECT_EQ((std::vector<std::string>(t.begin() + 1, t.end())),
            (std::vector<std::string>{"Test.tmr   Schule", "Klasse", "Datum", "Stunde", "Text",
                                      "Lehrer", "Kurs", "statt", "verlegt auf", "Bemerkung"}));
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
