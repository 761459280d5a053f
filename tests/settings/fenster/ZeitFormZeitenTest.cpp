// Mit Qt: Beginn und Ende der Stunden im Dialog "Voreinstellung für Zeiten".
#include <gtest/gtest.h>

#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

#include "TestUmgebung.h"
#include "settings/StandardUnit.h"
#include "settings/fenster/ZeitFormUnit.h"
#include "ui/fenster/QtTextUnit.h"

TEST(ZeitFormZeiten, BezeichnungMitUhrzeitenFuelltBeginnUndEnde) {
  TTestUmgebung u;
  TStandard& st = u.standard;
  st.fMaxWocheNeu = 2;
  st.fStdBez[1][3] = "9.45 - 10.30";  // beim Öffnen ausgefüllt
  TZeitForm f;
  QTableWidget* links = f.ZeitGrid[0];
  ASSERT_EQ(links->columnCount(), 4);
  EXPECT_EQ(links->horizontalHeaderItem(2)->text(), T("Beginn"));
  EXPECT_EQ(links->horizontalHeaderItem(3)->text(), T("Ende"));
  EXPECT_EQ(links->item(2, 2)->text(), T("09:45"));
  EXPECT_EQ(links->item(2, 3)->text(), T("10:30"));
  links->item(0, 1)->setText(T("7:50-8:35"));
  EXPECT_EQ(links->item(0, 2)->text(), T("07:50"));
  EXPECT_EQ(links->item(0, 3)->text(), T("08:35"));
  f.ZeitGrid[1]->item(0, 2)->setText(T("14.30"));  // Stunde 9
  EXPECT_EQ(f.ZeitGrid[1]->item(0, 2)->text(), T("14:30"));
  links->item(1, 2)->setText(T("25:00"));  // keine Uhrzeit: Piep, das Feld bleibt leer
  EXPECT_EQ(u.dialog.fPiepser, 1);
  EXPECT_EQ(links->item(1, 2)->text(), T(""));
  links->item(0, 3)->setText(T(""));  // leer ist erlaubt
  EXPECT_EQ(u.dialog.fPiepser, 1);
  f.VersionFeld->setValue(2);
  EXPECT_EQ(links->item(0, 2)->text(), T(""));  // jede Planversion für sich
  EXPECT_EQ(st.fStdBeginn[1][1].str(), "");     // erst "Ok" übernimmt
  f.OkKnopf->click();
  EXPECT_EQ(st.fStdBeginn[1][1].str(), "07:50");
  EXPECT_EQ(st.fStdEnde[1][1].str(), "");
  EXPECT_EQ(st.fStdBeginn[1][3].str(), "09:45");
  EXPECT_EQ(st.fStdBeginn[1][9].str(), "14:30");
  EXPECT_EQ(st.fStdBez[1][1].str(), "7:50-8:35");
}
