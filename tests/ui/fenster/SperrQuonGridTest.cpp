// Das Sperrraster als Fenster: Aufbau nach Tagen und Stundenbezeichnungen, Zeichnen der
// Sperrungen und Marken, Ziehen eines Rechtecks mit der Maus.
#include <gtest/gtest.h>

#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include "TestUmgebung.h"
#include "model/WoBereichsUnit.h"
#include "settings/StandardUnit.h"
#include "ui/fenster/SperrQuonGridUnit.h"

namespace {

class SperrGridTest : public ::testing::Test {
 protected:
  SperrGridTest() {
    s.fMaxWocheNeu = 2;
    s.fEineWoche = false;
    s.fAktuelleWoche = 1;
    s.fMaxTageNeu = 5;
  }
  TSperrGrid* Grid() { return feld->SperrGrid; }
  QPoint Mitte(int tag, int std) { return Grid()->ZellRechteck(tag, std).center(); }
  QImage Bild() { return Grid()->viewport()->grab().toImage(); }

  TTestUmgebung env;
  TStandard& s = env.standard;
  TWochBereich sperrung{2};
  TWochBereich besetzung{2};
  std::unique_ptr<TSperrFeld> feld = std::make_unique<TSperrFeld>();
};

TEST_F(SperrGridTest, SpaltenNachTagenZeilenMitStundenbezeichnungen) {
  s.fAktuelleWoche = 2;
  s.fStdBez[2][1] = "7.50";
  s.fStdBez[2][16] =
      "\xE4"
      "16";  // Windows-1252
  s.fTagBez[3] = "Mi";
  for (int tage : {5, 6, 7}) {
    s.fMaxTageNeu = tage;
    feld->Fuellen();
    EXPECT_EQ(Grid()->ColCount(), tage);
    EXPECT_EQ(Grid()->RowCount(), 16);
    EXPECT_EQ(feld->TagGrid->ColCount(), tage);
    // Jede Spalte ist gleich breit, die Breite wächst mit den Tagen.
    EXPECT_EQ(Grid()->width(), tage * (Grid()->ColWidths(0) + 1) + 2 * Grid()->frameWidth());
  }
  EXPECT_EQ(feld->TagGrid->Cells(0, 0), QString::fromUtf8("Mo"));
  EXPECT_EQ(feld->TagGrid->Cells(2, 0), QString::fromUtf8("Mi"));
  EXPECT_EQ(feld->TagGrid->Cells(6, 0), QString::fromUtf8("So"));
  EXPECT_EQ(feld->StdGrid->RowCount(), 16);
  EXPECT_EQ(feld->StdGrid->Cells(0, 0), QString::fromUtf8("7.50"));
  EXPECT_EQ(feld->StdGrid->Cells(0, 1), QString::fromUtf8(" 2"));
  EXPECT_EQ(feld->StdGrid->Cells(0, 15), QString::fromUtf8("ä16"));
  // Die Beschriftungen stehen neben den Zeilen des Rasters.
  EXPECT_EQ(feld->StdGrid->RowHeights(0), Grid()->RowHeights(0));
  EXPECT_EQ(feld->TagGrid->ColWidths(0), Grid()->ColWidths(0));
}

TEST_F(SperrGridTest, ZiehenSchaltetDasRechteckUm) {
  feld->show();
  Grid()->SetzeBereiche(&sperrung, &besetzung);
  QSignalSpy geaendert(Grid(), &TSperrGrid::SperrungGeaendert);
  QWidget* vp = Grid()->viewport();
  QTest::mousePress(vp, Qt::LeftButton, {}, Mitte(2, 3));
  EXPECT_TRUE(Grid()->Zug().AmZeichnen());
  QTest::mouseMove(vp, Mitte(3, 5));
  EXPECT_EQ(Grid()->Zug().Rechteck(), (TSperrRechteck{2, 3, 3, 5}));
  // Während des Ziehens: ein invertierter Rahmen um die Zellen, innen bleibt es weiß.
  const QRect gummi = Grid()->GummiRechteck();
  ASSERT_FALSE(gummi.isEmpty());
  EXPECT_EQ(gummi, Grid()->ZellRechteck(2, 3).united(Grid()->ZellRechteck(3, 5)));
  QImage bild = Bild();
  const QPoint oben(gummi.left() + 3, gummi.top());
  EXPECT_EQ(QColor(bild.pixel(oben)), QColor(Qt::black));
  EXPECT_EQ(QColor(bild.pixel(Mitte(2, 4))), QColor(Qt::white));
  EXPECT_EQ(geaendert.count(), 0);
  QTest::mouseRelease(vp, Qt::LeftButton, {}, Mitte(3, 5));
  EXPECT_FALSE(Grid()->Zug().AmZeichnen());
  ASSERT_EQ(geaendert.count(), 1);
  EXPECT_EQ(geaendert.at(0).at(0).toInt(), 12);  // 2 Tage x 3 Stunden x 2 Wochen
  for (int w : {1, 2})
    for (int t = 1; t <= 5; ++t)
      for (int h = 1; h <= 16; ++h)
        EXPECT_EQ(sperrung.GetWocheTagStd(w, t, h), t >= 2 && t <= 3 && h >= 3 && h <= 5);
  EXPECT_TRUE(Grid()->GummiRechteck().isEmpty());
  // Grau mit einem Bildpunkt Rand.
  bild = Bild();
  const QRect z = Grid()->ZellRechteck(2, 3);
  EXPECT_EQ(QColor(bild.pixel(z.center())), QColor(128, 128, 128));
  EXPECT_EQ(QColor(bild.pixel(z.topLeft())), QColor(Qt::white));
  EXPECT_EQ(QColor(bild.pixel(Mitte(1, 1))), QColor(Qt::white));

  // Über den Rand hinaus gezogen: bis zur letzten Zelle; ein neuer Druck auf eine gesperrte
  // Zelle entsperrt.
  QTest::mousePress(vp, Qt::LeftButton, {}, Mitte(3, 5));
  QTest::mouseMove(vp, QPoint(vp->width() + 30, vp->height() + 30));
  QTest::mouseRelease(vp, Qt::LeftButton, {}, QPoint(vp->width() + 30, vp->height() + 30));
  EXPECT_FALSE(sperrung.GetWocheTagStd(1, 3, 5));
  EXPECT_FALSE(sperrung.GetWocheTagStd(2, 5, 16));
  EXPECT_TRUE(sperrung.GetWocheTagStd(2, 2, 5));
}

TEST_F(SperrGridTest, RechteTasteUndFehlendeSperrungSchaltenNichts) {
  feld->show();
  QSignalSpy geaendert(Grid(), &TSperrGrid::SperrungGeaendert);
  QWidget* vp = Grid()->viewport();
  QTest::mouseClick(vp, Qt::LeftButton, {}, Mitte(1, 1));  // noch keine Bereiche
  Grid()->SetzeBereiche(&sperrung, nullptr);
  QTest::mousePress(vp, Qt::RightButton, {}, Mitte(1, 1));
  EXPECT_FALSE(Grid()->Zug().AmZeichnen());
  QTest::mouseRelease(vp, Qt::RightButton, {}, Mitte(1, 1));
  EXPECT_EQ(geaendert.count(), 0);
  EXPECT_FALSE(sperrung.GetWocheTagStd(1, 1, 1));
}

TEST_F(SperrGridTest, BesetzteZellenTragenDieMarkeUndBleiben) {
  feld->show();
  besetzung.SetWocheTagStd(1, 1, 1, true);
  besetzung.SetWocheTagStd(1, 2, 1, true);
  besetzung.SetWocheTagStd(1, 3, 1, true);
  sperrung.SetWocheTagStd(1, 4, 1, true);
  Grid()->SetzeBereiche(&sperrung, &besetzung, [](int tag, int) {
    // Mo: gewöhnlich, Di: fixiert, Mi: gekoppelt
    return TSperrMarke{true, tag == 2, tag == 3};
  });
  const QImage bild = Bild();
  auto rot = [&bild](QPoint p) { return QColor(bild.pixel(p)) == QColor(Qt::red); };
  const QRect mo = Grid()->ZellRechteck(1, 1);
  const QRect di = Grid()->ZellRechteck(2, 1);
  const QRect mi = Grid()->ZellRechteck(3, 1);
  EXPECT_FALSE(rot(mo.center()));                          // Ellipse, innen Gitterfarbe
  EXPECT_TRUE(rot(QPoint(di.left() + 2, di.top() + 2)));   // Ecke des Rechtecks
  EXPECT_FALSE(rot(QPoint(mo.left() + 2, mo.top() + 2)));  // eine Ellipse hat keine Ecke
  EXPECT_TRUE(rot(mi.center()));                           // gefüllt
  EXPECT_EQ(QColor(bild.pixel(Grid()->ZellRechteck(4, 1).center())), QColor(128, 128, 128));

  // Ein Rechteck über die besetzten Zellen sperrt nur die freien.
  QWidget* vp = Grid()->viewport();
  QTest::mousePress(vp, Qt::LeftButton, {}, Mitte(1, 1));
  QTest::mouseMove(vp, Mitte(3, 2));
  QTest::mouseRelease(vp, Qt::LeftButton, {}, Mitte(3, 2));
  EXPECT_FALSE(sperrung.GetWocheTagStd(1, 1, 1));
  EXPECT_FALSE(sperrung.GetWocheTagStd(1, 3, 1));
  EXPECT_TRUE(sperrung.GetWocheTagStd(1, 1, 2));
  EXPECT_TRUE(sperrung.GetWocheTagStd(2, 1, 1));  // in Woche 2 ist die Zelle frei
}

}  // namespace
