// Mit Qt: "Hilfe" öffnet das Handbuch, F1 beim Abschnitt des aktiven Fensters.
#include <QTextBrowser>

#include "PlanFensterHilfe.h"
#include "ui/fenster/HandbuchFormUnit.h"

using HandbuchFormTest = PlanFensterTest;

TEST_F(HandbuchFormTest, HandbuchAmAnfangUndF1BeimPlanfenster) {
  palette.Befehl(QString::fromUtf8("Hilfe/Tamrel-Handbuch"))->trigger();
  THandbuchForm* f = THandbuchForm::Offen();
  ASSERT_NE(f, nullptr);
  ASSERT_TRUE(f->HatText());
  EXPECT_EQ(f->windowTitle(), QString::fromUtf8("Tamrel-Handbuch"));
  EXPECT_EQ(f->AktuellerAbschnitt(), QString::fromUtf8("Tamrel – Handbuch"));
  EXPECT_TRUE(f->Browser()->toPlainText().contains(QString::fromUtf8("Vertretungswahl")));

  palette.PlanFensterZeigen(mue);
  auto* plan = dynamic_cast<QWidget*>(mue->fPlnFenster);
  ASSERT_NE(plan, nullptr);
  Schule().SetAktivesFenster(mue->fPlnFenster);
  QApplication::setActiveWindow(plan);
  palette.Befehl(QString::fromUtf8("Hilfe/WinTamrel Hilfe"))->trigger();
  EXPECT_EQ(THandbuchForm::Offen(), f);  // dasselbe Fenster
  EXPECT_EQ(f->AktuellerAbschnitt(), QString::fromUtf8("Planfenster"));
  f->close();
}
