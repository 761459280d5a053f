// Mit Qt: die mit der Schule gespeicherten Fenster aller Arten kommen beim Öffnen wieder.
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <algorithm>

#include "PlanFensterHilfe.h"
#include "model/UVUnit.h"
#include "persistence/WriteUnit.h"
#include "substitution/FehlzeitUnit.h"
#include "substitution/fenster/VertrFormUnit.h"
#include "substitution/VertrUnit.h"
#include "ui/fenster/DepFormUnit.h"
#include "ui/fenster/GrFormUnit.h"
#include "ui/fenster/ParFormUnit.h"
#include "ui/fenster/SVFormUnit.h"
#include "ui/fenster/StatistikFormUnit.h"
#include "ui/fenster/UVFormUnit.h"
#include "ui/fenster/UVGrFormUnit.h"
#include "ui/fenster/UebersichtFormUnit.h"

namespace {

class PaletteWiederTest : public PlanFensterTest {
 protected:
  std::vector<std::pair<int, std::string>> Offen() const {
    std::vector<std::pair<int, std::string>> t;
    for (const TFenster* f : Schule().fFensterListe) t.emplace_back(f->FensterArt(), f->Titel());
    std::sort(t.begin(), t.end());
    return t;
  }
  void Sichern() {
    std::string fehler;
    ASSERT_TRUE(WriteSchule(pfad, Schule(), fehler)) << fehler;
  }
  QTemporaryDir ordner;
  const std::string pfad = ordner.filePath(QStringLiteral("s.tmr")).toStdString();
};

TEST_F(PaletteWiederTest, JedeFensterartKommtWiederAuchZweiMitEinerUeberschrift) {
  TLehrer* zweiter = Schule().HoleLehrer("ZZ");
  zweiter->fKuerzel = "MUE";
  Oeffne(mue);
  Oeffne(zweiter);
  Oeffne(k5a);
  NeuesDepFenster(sch);
  NeuesGrFenster(k5b);
  AlleKurseFenster();
  TParForm::ZeigeParForm();
  UebersichtZeigen(rau);
  TSVForm::ZeigeSVForm();
  StatistikZeigen(kop);
  const auto vorher = Offen();
  ASSERT_EQ(vorher.size(), 10u);
  EXPECT_EQ(std::count(vorher.begin(), vorher.end(),
                       std::pair<int, std::string>(FensterArt::LehrerPlan, "Plan MUE")),
            2);
  Sichern();
  st.fParUeber = false;
  ASSERT_TRUE(palette.DateiOeffnen(pfad));
  EXPECT_EQ(Offen(), vorher);
  EXPECT_TRUE(Schule().fGespeicherteFenster.empty());
  EXPECT_TRUE(st.fParUeber);
  EXPECT_EQ(palette.Verwaltung().Umschalttasten(), 0u);  // Shift nur während des Öffnens
  // Beide Lehrer mit dem Kürzel haben wieder ihren Plan.
  TSchule& s = Schule();
  int mitPlan = 0;
  for (TElement* e : s.Elemente(leh))
    if (e->fKuerzel.str() == "MUE" && static_cast<TPlanElement*>(e)->fPlnFenster) ++mitPlan;
  EXPECT_EQ(mitPlan, 2);
  // Sichern und nochmals öffnen: dieselben Fenster, keines doppelt, keines verloren.
  Sichern();
  ASSERT_TRUE(palette.DateiOeffnen(pfad));
  EXPECT_EQ(Offen(), vorher);
}

TEST_F(PaletteWiederTest, LageUndGroesseNachDerRegelEinFensterDraussenKommtAufDenSchirm) {
  QWidget* sv = TSVForm::ZeigeSVForm();
  QWidget* ueb = UebersichtZeigen(leh);
  const QRect a = QGuiApplication::primaryScreen()->availableGeometry();
  const QSize svGross = sv->size(), uebGross = ueb->size();
  sv->setGeometry(a.left() + 40, a.top() + 50, svGross.width() - 30, svGross.height() - 20);
  ueb->setGeometry(a.right() + 3000, a.bottom() + 3000, uebGross.width() - 30,
                   uebGross.height() - 20);
  Sichern();
  ASSERT_TRUE(palette.DateiOeffnen(pfad));
  sv = dynamic_cast<QWidget*>(Schule().fSVForm);
  ueb = dynamic_cast<QWidget*>(Schule().fLehrUebForm);
  ASSERT_TRUE(sv && ueb);
  // Die Stundenverteilung nimmt Lage und Höhe, nicht die Breite.
  EXPECT_EQ(sv->geometry().topLeft(), QPoint(a.left() + 40, a.top() + 50));
  EXPECT_EQ(sv->height(), svGross.height() - 20);
  EXPECT_EQ(sv->width(), svGross.width());
  // Die Übersicht lag weit draußen: sie bleibt, wo das Anordnen sie hinsetzt, und wird kleiner.
  EXPECT_TRUE(a.contains(ueb->geometry().topLeft())) << ueb->x() << "," << ueb->y();
  EXPECT_EQ(ueb->size(), QSize(uebGross.width() - 30, uebGross.height() - 20));
}

TEST_F(PaletteWiederTest, AusgeschaltetBleibenDieSaetzeFuerDasSichern) {
  Oeffne(mue);
  StatistikZeigen(leh);
  Sichern();
  st.fFensterWieder = false;
  ASSERT_TRUE(palette.DateiOeffnen(pfad));
  EXPECT_TRUE(Schule().fFensterListe.empty());
  ASSERT_EQ(Schule().fGespeicherteFenster.size(), 2u);
  Sichern();
  st.fFensterWieder = true;
  ASSERT_TRUE(palette.DateiOeffnen(pfad));
  EXPECT_EQ(Offen(), (std::vector<std::pair<int, std::string>>{
                         {FensterArt::LehrerPlan, "Plan MUE"},
                         {FensterArt::LehrerStatistik, "Lehrerstatistik"}}));
}

TEST_F(PaletteWiederTest, UVTabellenIhreDatenIhreStatistikUndDerTagesplanKommenWieder) {
  TUVTab* o1 = Schule().HoleUVTab("O1");
  TUVTab* o2 = Schule().HoleUVTab("O2");
  for (TLehrer* l : {mue, sch, kra, web}) o1->NeuerLehrer(l);
  for (TKlasse* k : {k5a, k5b}) o1->NeueKlasse(k);
  // Am Mittwoch fehlen KRA und WEB: zwei Zeilen im Tagesplan.
  FehlzeitEintragen(kra, Heute(), StundenMaske(1, 6), "K");
  FehlzeitEintragen(web, Heute(), StundenMaske(1, 6), "K");
  NeuesUVGrFenster(o1);
  NeuesUVFenster(o1);
  NeuesUVFenster(o2);
  StatistikZeigen(uvt);
  VertretungZeigen(Heute());  // Mittwoch, 9.12.2026
  const auto vorher = Offen();
  ASSERT_EQ(vorher,
            (std::vector<std::pair<int, std::string>>{{FensterArt::UVTabelle, "UV-Tabelle O1"},
                                                      {FensterArt::UVTabelle, "UV-Tabelle O2"},
                                                      {FensterArt::UVDaten, "Grunddaten O1"},
                                                      {FensterArt::Vertretungen, "Vertretungen"},
                                                      {FensterArt::UVStatistik, "UV-Statistik"}}));
  // Die UV-Tabelle nimmt Breite und Höhe aus der Datei, der Tagesplan nur die Höhe.
  auto* uv = dynamic_cast<QWidget*>(o1->fDepFenster);
  auto* vertr = dynamic_cast<QWidget*>(Schule().fVertrForm);
  ASSERT_TRUE(uv && vertr);
  const QRect a = QGuiApplication::primaryScreen()->availableGeometry();
  const QSize uvGross = uv->size(), vertrGross = vertr->size();
  uv->setGeometry(a.left() + 70, a.top() + 80, uvGross.width() - 40, uvGross.height() - 30);
  vertr->setGeometry(a.left() + 90, a.top() + 60, vertrGross.width() - 40,
                     vertrGross.height() - 15);
  Sichern();
  ASSERT_TRUE(palette.DateiOeffnen(pfad));
  EXPECT_EQ(Offen(), vorher);
  TSchule& s = Schule();
  // Zuletzt kam ein Element als UV-Tabelle: die Palette zeigt Deputate.
  EXPECT_EQ(s.fFensterArt, TFensterArt::DFenster);
  o1 = s.HoleUVTab("O1");
  uv = dynamic_cast<QWidget*>(o1->fDepFenster);
  vertr = dynamic_cast<QWidget*>(s.fVertrForm);
  ASSERT_TRUE(uv && vertr && dynamic_cast<TUVGrForm*>(o1->fGrDatFenster));
  EXPECT_EQ(uv->geometry(),
            QRect(a.left() + 70, a.top() + 80, uvGross.width() - 40, uvGross.height() - 30));
  EXPECT_EQ(vertr->geometry().topLeft(), QPoint(a.left() + 90, a.top() + 60));
  EXPECT_EQ(vertr->height(), vertrGross.height() - 15);
  EXPECT_EQ(vertr->width(), vertrGross.width());
  EXPECT_EQ(static_cast<TVertrForm*>(s.fVertrForm)->fDatum, TagMittags(Heute()));
  // Ein zweites Mal: nichts doppelt, nichts verloren.
  Sichern();
  ASSERT_TRUE(palette.DateiOeffnen(pfad));
  EXPECT_EQ(Offen(), vorher);
}

TEST_F(PaletteWiederTest, AnEinemSamstagKommtStattDesTagesplansDieMeldung) {
  VertretungZeigen(Heute());
  StatistikZeigen(leh);
  Sichern();
  u.uhr.fJetzt = 46368.5;  // Samstag, 12.12.2026
  u.dialog.fProtokoll.clear();
  u.dialog.Antworte("Ok");
  ASSERT_TRUE(palette.DateiOeffnen(pfad));
  EXPECT_EQ(
      Offen(),
      (std::vector<std::pair<int, std::string>>{{FensterArt::LehrerStatistik, "Lehrerstatistik"}}));
  EXPECT_EQ(Titel(), std::vector<std::string>{"Vertretung unnötig"});
  ASSERT_FALSE(u.dialog.fProtokoll.empty());
  EXPECT_EQ(u.dialog.fProtokoll[0].Zeilen.back(), "Samstag, 12. Dezember 2026");
}

}  // namespace
