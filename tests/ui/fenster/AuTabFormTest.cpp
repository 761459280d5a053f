// Der Tabelleneditor der Automatik: Streifen umschalten, Zellen tauschen, "Ok" und "Abbrechen".
#include <gtest/gtest.h>

#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "TestUmgebung.h"
#include "ui/fenster/AuTabFormUnit.h"

namespace {

TEST(AuTabForm, StreifenUndTauschWirkenErstMitOk) {
  TTestUmgebung u;
  TAuTabForm form;
  form.show();
  QWidget* v = form.TabGrid->viewport();
  // Tabelle 1, Mittwoch: 1. Stunde mit der 2. verbunden; der obere Streifen der 2. schaltet das.
  EXPECT_EQ(form.TabGrid->Cells(3, 0).toStdString(), U8(Standard().fTagBez[3].str()));
  QTest::mouseClick(v, Qt::LeftButton, Qt::NoModifier, form.StreifenPunkt(3, 2, true));
  EXPECT_FALSE(form.Kopie().NachUnten(1, 1, 3));
  QTest::mouseClick(v, Qt::LeftButton, Qt::NoModifier, form.StreifenPunkt(3, 1, false));
  EXPECT_TRUE(form.Kopie().NachUnten(1, 1, 3));
  // Ziehen von Mittwoch 1 auf Montag 1 tauscht die Ordnungszahlen.
  const int mi = form.Kopie().Ordnung(1, 1, 3), mo = form.Kopie().Ordnung(1, 1, 1);
  QTest::mousePress(v, Qt::LeftButton, Qt::NoModifier, form.ZellPunkt(3, 1));
  QTest::mouseMove(v, form.ZellPunkt(2, 1));
  QTest::mouseMove(v, form.ZellPunkt(1, 1));
  QTest::mouseRelease(v, Qt::LeftButton, Qt::NoModifier, form.ZellPunkt(1, 1));
  EXPECT_EQ(form.Kopie().Ordnung(1, 1, 1), mi);
  EXPECT_EQ(form.Kopie().Ordnung(1, 1, 3), mo);
  // Eine andere Tabelle zeigt ihre eigenen Zahlen; die Einstellungen bleiben bis "Ok".
  form.TabSpin->setValue(4);
  EXPECT_EQ(form.Tabelle(), 4);
  EXPECT_NE(std::abs(Standard().fAuTab[1][1][1]), mi);
  form.OkKnopf->click();
  EXPECT_EQ(std::abs(Standard().fAuTab[1][1][1]), mi);
}

}  // namespace
