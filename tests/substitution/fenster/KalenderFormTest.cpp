// Der Kalenderdialog als Fenster: Aufbau, Blättern, Planversion über das Menü, Ferien durch
// Ziehen, "Ok" und "Wechseln"; die Palette öffnet ihn.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "TestUmgebung.h"
#include "model/DatumUnit.h"
#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"
#include "substitution/fenster/KalenderFormUnit.h"
#include "ui/fenster/PaletteUnit.h"
#include "ui/fenster/PopupMenueUnit.h"

namespace {

QPoint Mitte(const TKalenderGrid* g, int spalte, int zeile) {
  return g->ZellRechteck(spalte, zeile).center();
}

TEST(KalenderForm, AufbauBlaetternVersionUndFerien) {
  TTestUmgebung u;
  u.schule().VersionErweitern(2);
  TKalenderForm form;
  form.IKalenderForm();
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Voreinstellung für den Kalender"));
  QStringList texte;
  for (QLabel* l : form.findChildren<QLabel*>()) texte << l->text();
  EXPECT_TRUE(texte.contains(QStringLiteral("neben dem Wort \"Planversion\" klicken!")));
  EXPECT_EQ(form.MonatsFeld->text(), QStringLiteral("Dezember 2026"));
  QTest::mouseClick(form.ZurueckKnopf, Qt::LeftButton);
  QTest::mouseClick(form.ZurueckKnopf, Qt::LeftButton);
  EXPECT_EQ(form.MonatsFeld->text(), QStringLiteral("Oktober 2026"));
  QTest::mouseClick(form.VorKnopf, Qt::LeftButton);
  QTest::mouseClick(form.VorKnopf, Qt::LeftButton);
  // Planversion der zweiten Woche über das Menü an der Zelle.
  TKalenderGrid* g = form.KalenderGrid;
  QTest::mouseClick(g, Qt::LeftButton, {}, Mitte(g, 2, 0));
  ASSERT_NE(form.OffenesMenue(), nullptr);
  EXPECT_EQ(form.OffenesMenue()->Menue().size(), 2u);
  ASSERT_TRUE(form.OffenesMenue()->Waehle(1));
  EXPECT_EQ(form.fModell.Zelle(2, 0), "2");
  // Ferien: Ziehen vom Montag, 7., zum Dienstag, 15.
  QTest::mousePress(g, Qt::LeftButton, {}, Mitte(g, 2, 2));
  QTest::mouseMove(g, Mitte(g, 3, 3));
  QTest::mouseRelease(g, Qt::LeftButton, {}, Mitte(g, 3, 3));
  EXPECT_TRUE(form.fModell.IstFerien(2, 2));
  EXPECT_TRUE(form.fModell.IstFerien(3, 3));
  EXPECT_FALSE(form.fModell.IstFerien(4, 2));
  EXPECT_FALSE(u.standard.FerienTag(DatumZuZahl(2026, 12, 7)));
  QTest::mouseClick(form.OkKnopf, Qt::LeftButton);
  EXPECT_EQ(form.result(), QDialog::Accepted);
  EXPECT_TRUE(u.standard.FerienTag(DatumZuZahl(2026, 12, 7)));
  EXPECT_EQ(u.schule().WocheVonDatum(DatumZuZahl(2026, 12, 7)), 2);
  EXPECT_TRUE(u.schule().fDirty);
}

TEST(KalenderForm, AbbrechenVerwirftUndWechselnBestaetigt) {
  TTestUmgebung u;
  {
    TKalenderForm form;
    form.IKalenderForm();
    form.fModell.FerienZiehen(2, 2, 2, 2);
    QTest::mouseClick(form.AbbrechenKnopf, Qt::LeftButton);
    EXPECT_FALSE(u.standard.FerienTag(DatumZuZahl(2026, 12, 7)));
  }
  TKalenderForm form;
  form.IKalenderForm();
  form.fModell.FerienZiehen(2, 2, 2, 2);
  QTest::mouseClick(form.WechselnKnopf, Qt::LeftButton);
  ASSERT_NE(form.OffenesMenue(), nullptr);
  EXPECT_EQ(form.OffenesMenue()->Menue()[6].Text, "Kalender");
  EXPECT_TRUE(form.OffenesMenue()->Menue()[0].Aktiv);   // "Eckdaten"
  EXPECT_TRUE(form.OffenesMenue()->Menue()[9].Aktiv);   // "Automatik"
  EXPECT_TRUE(form.OffenesMenue()->Menue()[11].Aktiv);  // "HTML-Farben"
  u.standard.fMaxWocheNeu = 1;
  EXPECT_FALSE(form.OffenesMenue()->Waehle(5));  // "Planversionen" erst ab zwei Versionen
  ASSERT_TRUE(form.OffenesMenue()->Waehle(6));
  EXPECT_EQ(form.fStdWahl, 6);
  EXPECT_EQ(form.result(), QDialog::Accepted);
  EXPECT_TRUE(u.standard.FerienTag(DatumZuZahl(2026, 12, 7)));
}

TEST(KalenderForm, DiePaletteOeffnetIhnModalUndFrischtAuf) {
  TTestUmgebung u;
  TTamrelPalette palette;
  QAction* a = palette.Befehl(QStringLiteral("Bearbeiten/Voreinstellungen/Kalender"));
  ASSERT_NE(a, nullptr);
  EXPECT_TRUE(a->isEnabled());
  QString titel;
  QTimer::singleShot(0, [&] {
    if (auto* f = qobject_cast<TKalenderForm*>(QApplication::activeModalWidget())) {
      titel = f->windowTitle();
      f->reject();
    }
  });
  a->trigger();
  EXPECT_EQ(titel, QStringLiteral("Voreinstellung für den Kalender"));
  EXPECT_EQ(palette.StdWahl, -1);
}

}  // namespace
