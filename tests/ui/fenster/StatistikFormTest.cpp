// Die Statistikfenster: Öffnen aus dem Menü, ganze Zeilen kopieren, Löschen eines Elements,
// Doppelklick auf eine leere Zeile, Schließen von Hand.
#include <QPointer>

#include "PlanFensterHilfe.h"
#include "model/FensterArtUnit.h"
#include "ui/fenster/StatistikFormUnit.h"
#include "ui/StatistikUnit.h"
#include "ui/fenster/QtTextUnit.h"
#include "ui/fenster/QtUmschaltUnit.h"

namespace {

class StatistikFormTest : public PlanFensterTest {
 protected:
  TStatistikForm* Oeffne(const char* eintrag, TFenster* TSchule::*platz) {
    palette.Befehl(T("Daten/UV-Statistik/") + T(eintrag))->trigger();
    auto* f = dynamic_cast<TStatistikForm*>(Schule().*platz);
    if (f) Schule().FensterAktivieren(f);
    return f;
  }
};

TEST_F(StatistikFormTest, LehrerstatistikKopiertDieAusgewaehltenZeilen) {
  TStatistikForm* f = Oeffne("Lehrer", &TSchule::fLeStatForm);
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->windowTitle(), T("Lehrerstatistik"));
  EXPECT_EQ(f->StatGrid->RowCount(), 5);
  EXPECT_EQ(f->StatGrid->Cells(4, 0), T("Lehrer"));
  EXPECT_EQ(f->StatGrid->Cells(4, 1), T("MUE"));
  EXPECT_EQ(f->StatGrid->Cells(2, 1), T("5"));  // D 5a (3) und D 5b (2)
  for (int r = 2; r <= 4; ++r) f->StatGrid->SetSelectRow(r, true);
  palette.KopierenItemClick(false);
  EXPECT_EQ(u.ablage.fText, StatistikAlsText(StatElemente(leh), {2, 3, 4}));
  EXPECT_EQ(std::count(u.ablage.fText.begin(), u.ablage.fText.end(), '\n'), 3);
  // Eine neue Stunde für SCH: die Zeile rechnet sich neu.
  kM->fStunden.SetWochenStunde(0, 4);
  sch->FensterRefresh();
  EXPECT_EQ(f->StatGrid->Cells(2, 2), T("4"));
  // SCH gelöscht: die Zeilen folgen den Elementen, nicht den alten Plätzen.
  Schule().ElementLoeschen(sch);
  EXPECT_EQ(f->StatGrid->RowCount(), 4);
  EXPECT_EQ(f->StatGrid->Cells(4, 2), T("KRA"));
  EXPECT_EQ(f->ZeileVon(kra), 2);
  f->grab();
}

TEST_F(StatistikFormTest, LeereSchuleDoppelklickTutNichts) {
  TStatistikForm* f = Oeffne("Räume", &TSchule::fRaStatForm);
  ASSERT_NE(f, nullptr);
  for (TRaum* r : Schule().fRaumMenge.Kopie()) Schule().ElementLoeschen(r);
  EXPECT_EQ(f->StatGrid->RowCount(), 2);
  EXPECT_EQ(f->StatGrid->Cells(0, 1), QString());
  const QPoint p = f->StatGrid->CellRect(0, 1).center();
  QTest::mouseDClick(f->StatGrid->viewport(), Qt::LeftButton, Qt::NoModifier, p);
  EXPECT_EQ(Schule().fAktivesFenster, f);
  EXPECT_TRUE(u.dialog.fProtokoll.empty());
  // Ein zweites Öffnen holt dasselbe Fenster; Schließen räumt den Platz.
  EXPECT_EQ(Oeffne("Räume", &TSchule::fRaStatForm), f);
  f->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(Schule().fRaStatForm, nullptr);
}

}  // namespace

namespace {

TEST_F(StatistikFormTest, KopplungsstatistikZeigtDasKursmenueDerKopplung) {
  TStatistikForm* f = Oeffne("Kopplungen", &TSchule::fKoStatForm);
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->windowTitle(), T("Kopplungsstatistik"));
  EXPECT_EQ(f->StatGrid->Cells(0, 1), T("2"));  // ER und KR
  EXPECT_EQ(f->StatGrid->Cells(1, 1), T("REL"));
  const QPoint p = f->StatGrid->CellRect(1, 1).center();
  QTest::mouseClick(f->StatGrid->viewport(), Qt::RightButton, Qt::NoModifier, p);
  ASSERT_TRUE(f->StatPopupMenu);
  f->StatPopupMenu->Schliessen();
  // Auf der Titelzeile kein Menü.
  QTest::mouseClick(f->StatGrid->viewport(), Qt::RightButton, Qt::NoModifier,
                    f->StatGrid->CellRect(1, 0).center());
  EXPECT_FALSE(f->StatPopupMenu && f->StatPopupMenu->isVisible());
}

}  // namespace

namespace {

TEST_F(StatistikFormTest, DoppelklickWaehltDatenOderMitShiftDeputatsfenster) {
  TStatistikForm* f = Oeffne("Lehrer", &TSchule::fLeStatForm);
  ASSERT_NE(f, nullptr);
  const QPoint p = f->StatGrid->CellRect(4, 2).center();  // SCH
  QTest::mouseClick(f->StatGrid->viewport(), Qt::LeftButton, Qt::ShiftModifier, p);
  QTest::mouseDClick(f->StatGrid->viewport(), Qt::LeftButton, Qt::ShiftModifier, p);
  EXPECT_EQ(Schule().fFensterArt, TFensterArt::DFenster);
  QTest::mouseClick(f->StatGrid->viewport(), Qt::LeftButton, Qt::NoModifier, p);
  QTest::mouseDClick(f->StatGrid->viewport(), Qt::LeftButton, Qt::NoModifier, p);
  EXPECT_EQ(Schule().fFensterArt, TFensterArt::GFenster);
}

}  // namespace

// Von Hand schließt sich eine Statistik nicht, solange ein Aufklappmenü der Palette offen ist;
// mit Alt schließt sie alle Fenster der Liste mit.
TEST_F(StatistikFormTest, SchliessenNichtBeiOffenemMenueMitAltAlleFenster) {
  palette.show();
  palette.MenuAnlage();
  QPointer<TStatistikForm> f = Oeffne("Lehrer", &TSchule::fLeStatForm);
  ASSERT_NE(f, nullptr);
  palette.ElementMenueZeigen(leh);
  ASSERT_TRUE(MenuOffen());
  f->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ASSERT_NE(f, nullptr);
  EXPECT_TRUE(f->isVisible());
  EXPECT_EQ(Schule().fLeStatForm, f.data());
  palette.OffenesMenue()->Schliessen();
  ASSERT_FALSE(MenuOffen());

  TFakeFenster anderes(FensterArt::LehrerPlan, "Plan MUE");
  Schule().FensterAnmelden(&anderes);
  QTest::keyPress(&palette, Qt::Key_Alt, Qt::AltModifier);
  f->close();
  QTest::keyRelease(&palette, Qt::Key_Alt, Qt::NoModifier);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(f, nullptr);
  EXPECT_EQ(Schule().fLeStatForm, nullptr);
  EXPECT_EQ(anderes.fGeschlossen, 1);
  Schule().FensterAbmelden(&anderes);
  palette.hide();
}
