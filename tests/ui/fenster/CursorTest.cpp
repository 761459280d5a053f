// Die Mauszeiger: Bilder, Tabelle nach Werkzeug und Umschalttasten in den Planfenstern.
#include <QPixmap>
#include <QSvgRenderer>

#include "PlanFensterHilfe.h"
#include "ui/fenster/CursorUnit.h"

namespace {

qint64 Bild(const QCursor& c) {
  return c.pixmap().cacheKey();
}

TEST(Cursor, DreizehnBilderMitHotspotImBild) {
  for (int n = 1; n <= ZeigerZahl; ++n) {
    ASSERT_NE(CursorSvg(n), nullptr) << n;
    QSvgRenderer svg(QByteArray(CursorSvg(n)));
    EXPECT_TRUE(svg.isValid()) << n;
    const QCursor c = TamrelCursor(n);
    EXPECT_EQ(c.shape(), Qt::BitmapCursor) << n;
    EXPECT_FALSE(c.pixmap().isNull()) << n;
    const QPoint h = CursorHotspot(n);
    EXPECT_TRUE(QRect(0, 0, 32, 32).contains(h)) << n;
    EXPECT_EQ(c.hotSpot(), h) << n;
    // Kein Bild ist leer: es gibt deckende Punkte.
    const QImage bild = c.pixmap().toImage();
    int deckend = 0;
    for (int y = 0; y < bild.height(); ++y)
      for (int x = 0; x < bild.width(); ++x) deckend += qAlpha(bild.pixel(x, y)) > 128 ? 1 : 0;
    EXPECT_GT(deckend, 40) << n;
  }
  // Die Bilder sind verschieden.
  for (int a = 1; a <= ZeigerZahl; ++a)
    for (int b = a + 1; b <= ZeigerZahl; ++b)
      EXPECT_STRNE(CursorSvg(a), CursorSvg(b)) << a << "/" << b;
  EXPECT_EQ(CursorSvg(0), nullptr);
  EXPECT_EQ(CursorSvg(14), nullptr);
  EXPECT_EQ(TamrelCursor(zPfeil).shape(), Qt::ArrowCursor);
  // Einmal gebaut: derselbe Zeiger beim zweiten Mal.
  EXPECT_EQ(Bild(TamrelCursor(zHand)), Bild(TamrelCursor(zHand)));
}

using CursorFensterTest = PlanFensterTest;

TEST_F(CursorFensterTest, ZeigerDerPlanfensterNachWerkzeugUndTasten) {
  TPlnForm* f = Oeffne(k5a);
  TPlnForm* g = NeuesPlanFenster(mue);
  Schule().FensterAktivieren(f);
  auto zeiger = [&](TPlnForm* w) { return w->PlnGrid->Cursor(); };
  EXPECT_EQ(zeiger(f).shape(), Qt::ArrowCursor);
  // Setzen: 5a hat noch Stunden offen (ROTSETZER).
  Werkzeug(TToolArt::SetzTool);
  EXPECT_EQ(Bild(zeiger(f)), Bild(TamrelCursor(zRotSetzer)));
  // Alle Fenster folgen, nicht nur das aktive.
  EXPECT_EQ(Bild(zeiger(g)), Bild(TamrelCursor(zRotSetzer)));
  Werkzeug(TToolArt::LoeschTool);
  EXPECT_EQ(Bild(zeiger(f)), Bild(TamrelCursor(zGummi)));
  Werkzeug(TToolArt::FixTool);
  EXPECT_EQ(Bild(zeiger(f)), Bild(TamrelCursor(zHammer)));
  Werkzeug(TToolArt::SchiebTool);
  EXPECT_EQ(Bild(zeiger(f)), Bild(TamrelCursor(zHand)));
  // Die Umschalttasten beim Drücken im Raster.
  struct TFall {
    Qt::KeyboardModifiers tasten;
    int zeiger;
  };
  for (const TFall& fall :
       {TFall{Qt::ShiftModifier, zRotHand}, TFall{Qt::AltModifier, zHalbHand},
        TFall{Qt::ControlModifier, zPfeil4}, TFall{Qt::ControlModifier | Qt::AltModifier, zPfeil3},
        TFall{Qt::NoModifier, zHand}}) {
    QTest::mousePress(Flaeche(f), Qt::LeftButton, fall.tasten, f->ZellPunkt(4, 6));
    QTest::mouseRelease(Flaeche(f), Qt::LeftButton, fall.tasten, f->ZellPunkt(4, 6));
    EXPECT_EQ(Bild(zeiger(f)), Bild(TamrelCursor(fall.zeiger))) << fall.zeiger;
    EXPECT_EQ(Bild(zeiger(g)), Bild(TamrelCursor(fall.zeiger))) << fall.zeiger;
  }
  // Tasten allein (die Palette sieht jede Taste zuerst).
  QTest::keyPress(f->PlnGrid, Qt::Key_Shift, Qt::ShiftModifier);
  EXPECT_EQ(Bild(zeiger(f)), Bild(TamrelCursor(zRotHand)));
  QTest::keyRelease(f->PlnGrid, Qt::Key_Shift, Qt::NoModifier);
  EXPECT_EQ(Bild(zeiger(f)), Bild(TamrelCursor(zHand)));
  // Löschen mit Alt: nur den Raum.
  Werkzeug(TToolArt::LoeschTool);
  QTest::keyPress(f->PlnGrid, Qt::Key_Alt, Qt::AltModifier);
  EXPECT_EQ(Bild(zeiger(f)), Bild(TamrelCursor(zHalbGummi)));
  QTest::keyRelease(f->PlnGrid, Qt::Key_Alt, Qt::NoModifier);
  // Gezogen wird mit dem Griff.
  EXPECT_EQ(Bild(f->PlnGrid->ZiehCursor()), Bild(TamrelCursor(zGriff)));
  Werkzeug(TToolArt::ZeigTool);
  EXPECT_EQ(zeiger(f).shape(), Qt::ArrowCursor);
}

TEST_F(CursorFensterTest, SetzerOhneOffeneStunden) {
  TPlnForm* f = Oeffne(sch);
  Werkzeug(TToolArt::SetzTool);
  EXPECT_EQ(Bild(f->PlnGrid->Cursor()), Bild(TamrelCursor(zRotSetzer)));
  // Die letzte offene Stunde von SCH wird gesetzt: der Zeiger wird der gewöhnliche Setzer.
  kM->NeueSetzung(1, 4, 4, r2);
  EXPECT_EQ(Bild(f->PlnGrid->Cursor()), Bild(TamrelCursor(zSetzer)));
}

}  // namespace
