// Das Raster TQuonGrid unter echten Maus- und Tastenereignissen (ohne Bildschirm).
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "ui/fenster/QuonGridUnit.h"

namespace {

class QuonGridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    grid.SetColCount(6);
    grid.SetRowCount(8);
    grid.SetDefaultColWidth(40);
    grid.SetDefaultRowHeight(20);
    grid.SetMultiSelect(true);
    grid.resize(400, 300);
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
  }

  QPoint Mitte(int col, int row) const { return grid.CellRect(col, row).center(); }

  void Senden(QEvent::Type typ, const QPoint& pos, Qt::MouseButton knopf, Qt::MouseButtons knoepfe,
              Qt::KeyboardModifiers tasten) {
    QWidget* v = grid.viewport();
    QMouseEvent e(typ, QPointF(pos), QPointF(v->mapToGlobal(pos)), knopf, knoepfe, tasten);
    QApplication::sendEvent(v, &e);
  }
  void Druck(int col, int row, Qt::KeyboardModifiers tasten = {},
             Qt::MouseButton knopf = Qt::LeftButton) {
    Senden(QEvent::MouseButtonPress, Mitte(col, row), knopf, knopf, tasten);
  }
  void Los(int col, int row, Qt::KeyboardModifiers tasten = {},
           Qt::MouseButton knopf = Qt::LeftButton) {
    Senden(QEvent::MouseButtonRelease, Mitte(col, row), knopf, Qt::NoButton, tasten);
  }
  void LosBei(const QPoint& pos, Qt::KeyboardModifiers tasten = {}) {
    Senden(QEvent::MouseButtonRelease, pos, Qt::LeftButton, Qt::NoButton, tasten);
  }
  void Zug(const QPoint& pos, Qt::KeyboardModifiers tasten = {},
           Qt::MouseButtons knoepfe = Qt::LeftButton) {
    Senden(QEvent::MouseMove, pos, Qt::NoButton, knoepfe, tasten);
  }
  void Klick(int col, int row, Qt::KeyboardModifiers tasten = {}) {
    Druck(col, row, tasten);
    Los(col, row, tasten);
  }
  void DoppelKlick(int col, int row, Qt::KeyboardModifiers tasten = {}) {
    Klick(col, row, tasten);
    Senden(QEvent::MouseButtonDblClick, Mitte(col, row), Qt::LeftButton, Qt::LeftButton, tasten);
    Los(col, row, tasten);
  }

  std::vector<TZelle> Zellen() const { return grid.AusgewaehlteZellen(); }

  TQuonGrid grid;
};

using Z = std::vector<TZelle>;

TEST_F(QuonGridTest, NeuesRasterOhneAuswahlMitAnkerAnDerErstenDatenzelle) {
  TQuonGrid neu;
  EXPECT_FALSE(neu.MultiSelect());
  EXPECT_EQ(neu.GetSelectCellCount(), 0);
  EXPECT_EQ(neu.GetSelectRowCount(), 0);
  EXPECT_EQ(neu.Auswahl().Anker(), (TZelle{1, 1}));
  EXPECT_EQ(neu.Col(), 1);
  EXPECT_EQ(neu.Row(), 1);
}

TEST_F(QuonGridTest, ZeileUndSpalteEinfuegenRueckenInhalteWeiter) {
  int a = 0, b = 0;
  grid.SetCells(2, 3, QStringLiteral("C3"));
  grid.SetObjects(2, 3, &a);
  grid.SetCells(4, 1, QStringLiteral("E1"));
  grid.SetObjects(4, 1, &b);
  grid.SetRowHeights(3, 33);
  grid.SetSelectCell(2, 3, true);
  grid.InsertRow(2);
  ASSERT_EQ(grid.RowCount(), 9);
  EXPECT_EQ(grid.Cells(2, 4), "C3");
  EXPECT_EQ(grid.Objects(2, 4), &a);
  EXPECT_EQ(grid.RowHeights(4), 33);
  EXPECT_EQ(grid.Cells(2, 2), "");
  EXPECT_EQ(grid.Objects(2, 2), nullptr);
  EXPECT_EQ(grid.RowHeights(2), 20);
  EXPECT_EQ(grid.Cells(4, 1), "E1");  // darüber bleibt alles
  EXPECT_EQ(grid.GetSelectCellCount(), 0);
  grid.InsertCol(3);
  ASSERT_EQ(grid.ColCount(), 7);
  EXPECT_EQ(grid.Cells(5, 1), "E1");
  EXPECT_EQ(grid.Objects(5, 1), &b);
  EXPECT_EQ(grid.Cells(2, 4), "C3");
  EXPECT_EQ(grid.Objects(3, 1), nullptr);
  grid.InsertRow(grid.RowCount());  // am Ende
  EXPECT_EQ(grid.RowCount(), 10);
  EXPECT_EQ(grid.Cells(2, 4), "C3");
}

TEST_F(QuonGridTest, DruckWaehltNurDieGedrueckteZelleUndSetztDenAnker) {
  Klick(2, 3);
  EXPECT_EQ(Zellen(), (Z{{2, 3}}));
  EXPECT_EQ(grid.Auswahl().Anker(), (TZelle{2, 3}));
  EXPECT_EQ(grid.Col(), 2);
  EXPECT_EQ(grid.Row(), 3);
  Klick(4, 1);
  EXPECT_EQ(Zellen(), (Z{{4, 1}}));
  EXPECT_EQ(grid.Auswahl().Anker(), (TZelle{4, 1}));
}

TEST_F(QuonGridTest, DruckAufGewaehlteZelleBehaeltDieMehrfachauswahl) {
  Klick(1, 1);
  Klick(3, 2, Qt::ControlModifier);
  Klick(5, 6, Qt::ControlModifier);
  ASSERT_EQ(grid.GetSelectCellCount(), 3);
  // Einfacher Druck auf eine der gewählten Zellen: alles bleibt (zum Ziehen).
  Druck(3, 2);
  EXPECT_EQ(Zellen(), (Z{{1, 1}, {3, 2}, {5, 6}}));
  Los(3, 2);
  EXPECT_EQ(Zellen(), (Z{{1, 1}, {3, 2}, {5, 6}}));
  // Strg-Druck nimmt genau diese eine Zelle heraus; der Anker bleibt.
  Klick(3, 2, Qt::ControlModifier);
  EXPECT_EQ(Zellen(), (Z{{1, 1}, {5, 6}}));
  EXPECT_EQ(grid.Auswahl().Anker(), (TZelle{5, 6}));
  // Wieder hinein: sie wird der Anker.
  Klick(3, 2, Qt::ControlModifier);
  EXPECT_EQ(grid.GetSelectCellCount(), 3);
  EXPECT_EQ(grid.Auswahl().Anker(), (TZelle{3, 2}));
}

TEST_F(QuonGridTest, ShiftDruckWaehltDasRechteckAbDemAnkerUndLeertDenRest) {
  Klick(1, 7);
  Klick(2, 3, Qt::ControlModifier);  // Anker (2, 3); (1, 7) bleibt gewählt
  ASSERT_EQ(grid.Auswahl().Anker(), (TZelle{2, 3}));

  Klick(4, 5, Qt::ShiftModifier);
  EXPECT_EQ(Zellen(), (Z{{2, 3}, {3, 3}, {4, 3}, {2, 4}, {3, 4}, {4, 4}, {2, 5}, {3, 5}, {4, 5}}));
  EXPECT_FALSE(grid.GetSelectCell(1, 7));
  EXPECT_EQ(grid.Auswahl().Anker(), (TZelle{2, 3}));
  // Der Anker bleibt: ein zweiter Shift-Druck spannt wieder von (2, 3) auf, nach links oben.
  Klick(1, 2, Qt::ShiftModifier);
  EXPECT_EQ(Zellen(), (Z{{1, 2}, {2, 2}, {1, 3}, {2, 3}}));
}

TEST_F(QuonGridTest, ZiehenMitGedrueckterTaste) {
  // Ohne Umschalttaste wandert die Einzelauswahl mit der Maus.
  Druck(1, 1);
  Zug(Mitte(2, 1));
  Zug(Mitte(3, 2));
  EXPECT_EQ(Zellen(), (Z{{3, 2}}));
  Los(3, 2);
  // Mit Shift spannt jeder Zug das Rechteck vom Anker neu auf.
  Druck(4, 4, Qt::ShiftModifier);
  Zug(Mitte(5, 5), Qt::ShiftModifier);
  EXPECT_EQ(grid.GetSelectCellCount(), 3 * 4);
  Zug(Mitte(3, 3), Qt::ShiftModifier);
  EXPECT_EQ(Zellen(), (Z{{3, 2}, {3, 3}}));
  Los(3, 3, Qt::ShiftModifier);
  // Mit Strg wird jede betretene Zelle einmal umgeschaltet, auch bei mehreren Zügen in ihr.
  Druck(1, 5, Qt::ControlModifier);
  Zug(Mitte(1, 5) + QPoint(3, 0), Qt::ControlModifier);
  Zug(Mitte(1, 6), Qt::ControlModifier);
  Zug(Mitte(1, 6) + QPoint(0, 2), Qt::ControlModifier);
  Los(1, 6, Qt::ControlModifier);
  EXPECT_EQ(Zellen(), (Z{{3, 2}, {3, 3}, {1, 5}, {1, 6}}));
  EXPECT_EQ(grid.Auswahl().Anker(), (TZelle{1, 6}));
}

TEST_F(QuonGridTest, ZugOhneGedrueckteTasteWaehltNichts) {
  Klick(2, 2);
  Zug(Mitte(4, 4), {}, Qt::NoButton);
  EXPECT_EQ(Zellen(), (Z{{2, 2}}));
}

TEST_F(QuonGridTest, KopfzellenReagierenNicht) {
  Klick(2, 2);
  QSignalSpy druecke(&grid, &TQuonGrid::MausDruck);
  Klick(0, 3);
  Klick(3, 0);
  Klick(0, 0);
  EXPECT_EQ(Zellen(), (Z{{2, 2}}));
  EXPECT_EQ(druecke.count(), 3);  // das Fenster erfährt die Drücke trotzdem
  // Ein Zug über die Kopfzeile ändert nichts, der nächste Zug in die Daten wählt.
  Druck(2, 2);
  Zug(Mitte(2, 0));
  EXPECT_EQ(Zellen(), (Z{{2, 2}}));
  Zug(Mitte(4, 1));
  EXPECT_EQ(Zellen(), (Z{{4, 1}}));
  Los(4, 1);
}

TEST_F(QuonGridTest, AltRechteTasteUndDoppelklickAendernDieAuswahlNicht) {
  Klick(2, 2);
  Klick(3, 3, Qt::ControlModifier);
  const Z vorher = Zellen();
  Klick(4, 4, Qt::AltModifier);
  EXPECT_EQ(Zellen(), vorher);
  Druck(4, 4, {}, Qt::RightButton);
  Los(4, 4, {}, Qt::RightButton);
  EXPECT_EQ(Zellen(), vorher);
  Klick(5, 5, Qt::ShiftModifier | Qt::ControlModifier);
  EXPECT_EQ(Zellen(), vorher);
  // Strg-Doppelklick: der erste Druck wählt, der zweite (Doppelklick) schaltet nicht zurück.
  QSignalSpy doppelt(&grid, &TQuonGrid::DoppelKlick);
  DoppelKlick(5, 5, Qt::ControlModifier);
  EXPECT_TRUE(grid.GetSelectCell(5, 5));
  EXPECT_EQ(grid.GetSelectCellCount(), 3);
  ASSERT_EQ(doppelt.count(), 1);
  const auto maus = doppelt.at(0).at(0).value<TGridMaus>();
  EXPECT_EQ(maus.Col, 5);
  EXPECT_EQ(maus.Row, 5);
  EXPECT_TRUE(maus.Doppelt);
  EXPECT_EQ(maus.Umschalt, umCtrl | umLinks | umDoppel);
  // Doppelklick mit der rechten Taste ist kein Doppelklick des Rasters.
  Senden(QEvent::MouseButtonDblClick, Mitte(4, 4), Qt::RightButton, Qt::RightButton, {});
  Los(4, 4, {}, Qt::RightButton);
  EXPECT_EQ(doppelt.count(), 1);
}

TEST_F(QuonGridTest, ZugHinterDieLetzteZelleZaehltAlsLetzteZeileUndSpalte) {
  grid.resize(600, 400);  // Platz rechts und unter den Zellen
  Klick(2, 2);
  Druck(3, 3, Qt::ShiftModifier);
  const QSize alles = grid.GesamtGroesse();
  Zug(QPoint(alles.width() + 30, alles.height() + 30), Qt::ShiftModifier);
  EXPECT_EQ(grid.GetSelectCellCount(), 4 * 6);  // Spalten 2..5, Zeilen 2..7
  EXPECT_TRUE(grid.GetSelectCell(5, 7));
  // Links vom und über dem Raster: die erste sichtbare Datenspalte und -zeile.
  Zug(QPoint(-20, -20), Qt::ShiftModifier);
  EXPECT_EQ(Zellen(), (Z{{1, 1}, {2, 1}, {1, 2}, {2, 2}}));
  LosBei(QPoint(-20, -20), Qt::ShiftModifier);
}

TEST_F(QuonGridTest, SelectAllLaesstKopfzeileUndKopfspalteFrei) {
  grid.SelectAll();
  EXPECT_EQ(grid.GetSelectCellCount(), 5 * 7);
  for (int c = 0; c < 6; ++c) EXPECT_FALSE(grid.GetSelectCell(c, 0));
  for (int r = 0; r < 8; ++r) EXPECT_FALSE(grid.GetSelectCell(0, r));
  EXPECT_EQ(grid.GetSelectRowCount(), 0);
  grid.DeSelectAll();
  EXPECT_EQ(grid.GetSelectCellCount(), 0);
  // Zeilenmodus: alle Zeilen außer der Kopfzeile.
  grid.SetRowSelect(true);
  grid.SelectAll();
  EXPECT_EQ(grid.AusgewaehlteZeilen(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
  EXPECT_EQ(grid.GetSelectCellCount(), 0);
  grid.SetSelectCell(2, 2, true);
  grid.DeSelectAll();
  EXPECT_EQ(grid.GetSelectRowCount(), 0);
  EXPECT_EQ(grid.GetSelectCellCount(), 0);
}

TEST_F(QuonGridTest, NeueZeileLeertDieAuswahl) {
  Klick(2, 2);
  Klick(4, 5, Qt::ShiftModifier);
  ASSERT_EQ(grid.GetSelectCellCount(), 12);
  grid.SetRowCount(9);
  grid.grab();  // neu zeichnen
  EXPECT_EQ(grid.GetSelectCellCount(), 0);
  // Auch eine neue Spalte: keine verschobenen Merker, die falsche Zellen meldeten.
  grid.SetSelectCell(5, 1, true);
  grid.SetColCount(7);
  EXPECT_EQ(grid.GetSelectCellCount(), 0);
  EXPECT_FALSE(grid.GetSelectCell(6, 1));
  EXPECT_FALSE(grid.GetSelectCell(5, 1));
  // Gleiche Größe noch einmal gesetzt: die Auswahl bleibt.
  grid.SetSelectCell(3, 3, true);
  grid.SetColCount(7);
  grid.grab();
  EXPECT_TRUE(grid.GetSelectCell(3, 3));
}

TEST_F(QuonGridTest, OhneKopfzeilenIstDieEckeEineDatenzelle) {
  grid.SetFixedRows(0);
  grid.SetFixedCols(0);
  Klick(0, 0);
  EXPECT_EQ(Zellen(), (Z{{0, 0}}));
  Klick(1, 1, Qt::ShiftModifier);
  EXPECT_EQ(grid.GetSelectCellCount(), 4);
  grid.SelectAll();
  EXPECT_EQ(grid.GetSelectCellCount(), 6 * 8);
  // Wieder mit Kopfzeile und -spalte: ein Anker, der jetzt im Kopf läge, zählt ab den Daten.
  grid.SetFixedRows(1);
  grid.SetFixedCols(1);
  grid.DeSelectAll();
  Druck(2, 2, Qt::ShiftModifier);
  EXPECT_EQ(Zellen(), (Z{{1, 1}, {2, 1}, {1, 2}, {2, 2}}));
  Los(2, 2);
}

TEST_F(QuonGridTest, TastenPfeilNachUntenWaehltNurDieNeueAktuelleZelle) {
  Klick(2, 2);
  Klick(4, 4, Qt::ShiftModifier);
  ASSERT_EQ(grid.GetSelectCellCount(), 9);
  grid.FocusCell(3, 3);
  QTest::keyClick(&grid, Qt::Key_Down);
  EXPECT_EQ(grid.Row(), 4);
  EXPECT_EQ(Zellen(), (Z{{3, 4}}));
  EXPECT_EQ(grid.Auswahl().Anker(), (TZelle{3, 4}));
}

TEST_F(QuonGridTest, ShiftPfeilFuegtDasRechteckHinzuUndVersetztDenAnker) {
  Klick(2, 2);
  Klick(5, 6, Qt::ControlModifier);  // Anker (5, 6)
  grid.FocusCell(2, 2);
  Klick(2, 2, Qt::ControlModifier);  // abwählen: Anker bleibt (5, 6)
  Klick(2, 2, Qt::ControlModifier);  // wählen: Anker (2, 2)
  QTest::keyClick(&grid, Qt::Key_Right, Qt::ShiftModifier);
  QTest::keyClick(&grid, Qt::Key_Down, Qt::ShiftModifier);
  // Erst (2,2)-(3,2) hinzu, Anker (3,2); dann (3,2)-(3,3) hinzu. (5,6) bleibt gewählt.
  EXPECT_EQ(Zellen(), (Z{{2, 2}, {3, 2}, {3, 3}, {5, 6}}));
  EXPECT_EQ(grid.Auswahl().Anker(), (TZelle{3, 3}));
  // Strg oder Alt beim Loslassen: nichts.
  QTest::keyClick(&grid, Qt::Key_Down, Qt::ControlModifier);
  QTest::keyClick(&grid, Qt::Key_Down, Qt::AltModifier);
  EXPECT_EQ(grid.GetSelectCellCount(), 4);
  // Ohne Mehrfachauswahl zählt Shift nicht.
  grid.SetMultiSelect(false);
  QTest::keyClick(&grid, Qt::Key_Up, Qt::ShiftModifier);
  EXPECT_EQ(grid.GetSelectCellCount(), 4);
  // Andere Tasten lassen die Auswahl stehen.
  QTest::keyClick(&grid, Qt::Key_A);
  QTest::keyClick(&grid, Qt::Key_Tab);
  EXPECT_EQ(grid.GetSelectCellCount(), 4);
}

TEST_F(QuonGridTest, NavigationstastenBewegenDieAktuelleZelleInDenDaten) {
  grid.FocusCell(3, 3);
  QTest::keyClick(&grid, Qt::Key_Home);
  EXPECT_EQ(grid.Col(), 1);
  EXPECT_EQ(grid.Row(), 3);
  QTest::keyClick(&grid, Qt::Key_End);
  EXPECT_EQ(grid.Col(), 5);
  QTest::keyClick(&grid, Qt::Key_Home, Qt::ControlModifier);
  EXPECT_EQ(grid.Col(), 1);
  EXPECT_EQ(grid.Row(), 1);
  QTest::keyClick(&grid, Qt::Key_Up);
  QTest::keyClick(&grid, Qt::Key_Left);
  EXPECT_EQ(grid.Col(), 1);  // nie in die Kopfzellen
  EXPECT_EQ(grid.Row(), 1);
  EXPECT_EQ(Zellen(), (Z{{1, 1}}));
  QTest::keyClick(&grid, Qt::Key_End, Qt::ControlModifier);
  EXPECT_EQ(grid.Col(), 5);
  EXPECT_EQ(grid.Row(), 7);
  QTest::keyClick(&grid, Qt::Key_PageUp);
  EXPECT_EQ(grid.Row(), 1);
  QTest::keyClick(&grid, Qt::Key_PageDown);
  EXPECT_EQ(grid.Row(), 7);
  EXPECT_EQ(Zellen(), (Z{{5, 7}}));
}

TEST_F(QuonGridTest, OhneMehrfachauswahlWandertDieEineZelleBeimLoslassen) {
  grid.SetMultiSelect(false);
  Druck(2, 2);
  EXPECT_EQ(grid.GetSelectCellCount(), 0);  // erst beim Loslassen
  Zug(Mitte(3, 4));
  EXPECT_EQ(grid.GetSelectCellCount(), 0);
  EXPECT_EQ(grid.Col(), 3);  // die aktuelle Zelle folgt der Maus
  EXPECT_EQ(grid.Row(), 4);
  Los(3, 4);
  EXPECT_EQ(Zellen(), (Z{{3, 4}}));
  EXPECT_EQ(grid.Auswahl().Anker(), (TZelle{3, 4}));
  Klick(5, 1, Qt::ControlModifier);
  EXPECT_EQ(Zellen(), (Z{{5, 1}}));
  Klick(0, 2);  // Kopfzelle: bleibt
  EXPECT_EQ(Zellen(), (Z{{5, 1}}));
}

TEST_F(QuonGridTest, ZeilenmodusWaehltGanzeZeilen) {
  grid.SetRowSelect(true);
  Klick(3, 2);
  EXPECT_EQ(grid.AusgewaehlteZeilen(), (std::vector<int>{2}));
  EXPECT_EQ(grid.GetSelectCellCount(), 0);
  // Druck auf eine andere Zelle derselben Zeile behält die Auswahl.
  Klick(5, 2);
  EXPECT_EQ(grid.AusgewaehlteZeilen(), (std::vector<int>{2}));
  Klick(1, 5, Qt::ShiftModifier);
  EXPECT_EQ(grid.AusgewaehlteZeilen(), (std::vector<int>{2, 3, 4, 5}));
  Klick(2, 4, Qt::ControlModifier);
  EXPECT_EQ(grid.AusgewaehlteZeilen(), (std::vector<int>{2, 3, 5}));
  Klick(2, 7, Qt::ControlModifier);
  EXPECT_EQ(grid.AusgewaehlteZeilen(), (std::vector<int>{2, 3, 5, 7}));
  EXPECT_EQ(grid.Auswahl().Anker(), (TZelle{2, 7}));
  grid.FocusCell(2, 6);
  QTest::keyClick(&grid, Qt::Key_Up);
  EXPECT_EQ(grid.AusgewaehlteZeilen(), (std::vector<int>{5}));
  QTest::keyClick(&grid, Qt::Key_Up, Qt::ShiftModifier);
  EXPECT_EQ(grid.AusgewaehlteZeilen(), (std::vector<int>{4, 5}));
}

TEST_F(QuonGridTest, MausSignaleKommenNachDerAuswahlMitZelleUndTasten) {
  std::vector<int> beimDruck;
  TGridMaus letzte;
  QObject::connect(&grid, &TQuonGrid::MausDruck, [&](const TGridMaus& m) {
    beimDruck.push_back(grid.GetSelectCellCount());
    letzte = m;
  });
  QSignalSpy los(&grid, &TQuonGrid::MausLos);
  QSignalSpy auswahl(&grid, &TQuonGrid::AuswahlGeaendert);
  Klick(2, 2);
  Druck(4, 3, Qt::ShiftModifier | Qt::AltModifier, Qt::RightButton);
  EXPECT_EQ(beimDruck, (std::vector<int>{1, 1}));
  EXPECT_EQ(letzte.Col, 4);
  EXPECT_EQ(letzte.Row, 3);
  EXPECT_EQ(letzte.Knopf, Qt::RightButton);
  EXPECT_EQ(letzte.Umschalt, umShift | umAlt | umRechts);
  EXPECT_EQ(letzte.Tasten, Qt::ShiftModifier | Qt::AltModifier);
  Los(4, 3, {}, Qt::RightButton);
  ASSERT_EQ(los.count(), 2);
  const auto m = los.at(1).at(0).value<TGridMaus>();
  EXPECT_EQ(m.Col, 4);
  EXPECT_EQ(m.Knopf, Qt::RightButton);
  EXPECT_EQ(auswahl.count(), 1);  // nur der erste Klick hat etwas geändert
  // Programmgesteuerte Änderungen melden sich nicht (keine Schleifen zwischen Rastern).
  grid.SetSelectCell(1, 1, true);
  grid.SelectAll();
  EXPECT_EQ(auswahl.count(), 1);
}

TEST_F(QuonGridTest, ZeichnerBekommtZelleRechteckUndZustand) {
  grid.SetCells(1, 0, QStringLiteral("Mo"));
  Klick(2, 2);
  struct Aufruf {
    int Col, Row;
    QRect Rect;
    TZellZustand Zustand;
  };
  std::vector<Aufruf> aufrufe;
  grid.SetZeichner([&](QPainter& p, int col, int row, const QRect& r, const TZellZustand& z) {
    aufrufe.push_back({col, row, r, z});
    if (col == 3 && row == 3) p.fillRect(r, QColor(255, 0, 0));  // Fenster malt drüber
  });
  const QImage bild = grid.viewport()->grab().toImage();
  ASSERT_EQ(aufrufe.size(), 6u * 8u);
  for (const auto& a : aufrufe) {
    EXPECT_EQ(a.Rect, grid.CellRect(a.Col, a.Row));
    EXPECT_EQ(a.Zustand.Fest, a.Col == 0 || a.Row == 0);
    EXPECT_EQ(a.Zustand.Ausgewaehlt, a.Col == 2 && a.Row == 2);
    EXPECT_EQ(a.Zustand.Aktuell, a.Col == 2 && a.Row == 2);
  }
  const QColor markiert = grid.palette().color(QPalette::Active, QPalette::Highlight);
  EXPECT_EQ(bild.pixelColor(grid.CellRect(2, 2).topLeft() + QPoint(30, 15)), markiert);
  EXPECT_EQ(bild.pixelColor(grid.CellRect(4, 4).center()), QColor(Qt::white));
  EXPECT_EQ(bild.pixelColor(grid.CellRect(3, 3).center()), QColor(255, 0, 0));
  EXPECT_NE(bild.pixelColor(grid.CellRect(0, 4).center()), QColor(Qt::white));
  // Kopfzelle mit Text: dunkle Pixel links oben im Text.
  const QRect kopf = grid.CellRect(1, 0);
  bool schrift = false;
  for (int x = kopf.left(); x < kopf.left() + 20; ++x)
    for (int y = kopf.top(); y < kopf.bottom(); ++y)
      if (bild.pixelColor(x, y).lightness() < 80) schrift = true;
  EXPECT_TRUE(schrift);
}

TEST_F(QuonGridTest, TexteUndObjekteBleibenBeimAendernDerGroesse) {
  int a = 1, b = 2;
  grid.SetCells(2, 3, QStringLiteral("Müller"));
  grid.SetObjects(2, 3, &a);
  grid.SetObjects(5, 7, &b);
  grid.SetColCount(4);
  EXPECT_EQ(grid.Cells(2, 3), QStringLiteral("Müller"));
  EXPECT_EQ(grid.Objects(2, 3), &a);
  grid.SetColCount(6);
  EXPECT_EQ(grid.Objects(5, 7), nullptr);  // war abgeschnitten
  EXPECT_EQ(grid.Cells(9, 9), QString());
  EXPECT_EQ(grid.Objects(-1, 0), nullptr);
  grid.Leeren();
  EXPECT_EQ(grid.Cells(2, 3), QString());
  EXPECT_EQ(grid.Objects(2, 3), nullptr);
}

class QuonGridZiehTest : public QuonGridTest {
 protected:
  void SetUp() override {
    QuonGridTest::SetUp();
    QObject::connect(&grid, &TQuonGrid::MausDruck, [this](const TGridMaus& m) {
      if (m.Knopf == Qt::LeftButton && m.Col > 0 && m.Row > 0 && sofort) grid.BeginDrag(true);
    });
    QObject::connect(&grid, &TQuonGrid::ZiehenUeber, [this](const TGridMaus& m, TZiehZiel* z) {
      ueber.push_back({m.Col, m.Row});
      if (umleiten && z->Col == 4) z->Col = 5;  // das Fenster wählt ein anderes Ziel
    });
    QObject::connect(&grid, &TQuonGrid::ZiehenEnde, [this](const TGridMaus& m, bool abgelegt) {
      ende.push_back({m.Col, m.Row});
      abgelegte.push_back(abgelegt);
    });
  }
  bool sofort = true;
  bool umleiten = false;
  std::vector<TZelle> ueber, ende;
  std::vector<bool> abgelegte;
};

TEST_F(QuonGridZiehTest, ZiehenMeldetZieleUndDasLetzteAngenommene) {
  grid.SetzeCursor(QCursor(Qt::PointingHandCursor));
  grid.SetzeZiehCursor(QCursor(Qt::ClosedHandCursor));
  QSignalSpy los(&grid, &TQuonGrid::MausLos);
  Druck(1, 1);
  EXPECT_TRUE(grid.Dragging());
  EXPECT_EQ(grid.viewport()->cursor().shape(), Qt::ClosedHandCursor);
  Zug(Mitte(2, 1));
  Zug(Mitte(3, 2));
  Los(3, 2);
  EXPECT_FALSE(grid.Dragging());
  EXPECT_EQ(ueber, (Z{{1, 1}, {2, 1}, {3, 2}, {3, 2}}));
  EXPECT_EQ(ende, (Z{{3, 2}}));
  EXPECT_EQ(abgelegte, (std::vector<bool>{true}));
  EXPECT_EQ(los.count(), 0);  // nach dem Ziehen kein MausLos
  EXPECT_EQ(grid.viewport()->cursor().shape(), Qt::PointingHandCursor);
  // Die Taste ist oben: ein Zug ohne Taste wählt nichts mehr aus.
  Zug(Mitte(5, 5), {}, Qt::NoButton);
  EXPECT_EQ(Zellen(), (Z{{1, 1}}));
}

TEST_F(QuonGridZiehTest, LoslassenAusserhalbLiefertDieLetzteAngenommeneZelle) {
  Druck(2, 2);
  Zug(Mitte(4, 3));
  Zug(Mitte(0, 3));  // Kopfspalte: nicht angenommen
  LosBei(Mitte(0, 3));
  EXPECT_EQ(ende, (Z{{4, 3}}));
  EXPECT_EQ(abgelegte, (std::vector<bool>{false}));
}

TEST_F(QuonGridZiehTest, EscapeBrichtAbUndFensterKannDasZielAendern) {
  umleiten = true;
  Druck(2, 2);
  Zug(Mitte(4, 3));
  QTest::keyClick(&grid, Qt::Key_Escape);
  EXPECT_FALSE(grid.Dragging());
  EXPECT_EQ(ende, (Z{{5, 3}}));  // umgeleitet
  EXPECT_EQ(abgelegte, (std::vector<bool>{false}));
  Los(4, 3);  // das Loslassen danach ist ein gewöhnliches
}

TEST_F(QuonGridZiehTest, ZiehenMitSchwelleBeginntErstNachBewegung) {
  sofort = false;
  QObject::connect(&grid, &TQuonGrid::MausDruck, [this](const TGridMaus& m) {
    if (m.Col > 0 && m.Row > 0) grid.BeginDrag(false);
  });
  Druck(2, 2);
  EXPECT_FALSE(grid.Dragging());
  Zug(Mitte(2, 2) + QPoint(1, 0));
  EXPECT_FALSE(grid.Dragging());
  Zug(Mitte(3, 2));
  EXPECT_TRUE(grid.Dragging());
  Los(3, 2);
  EXPECT_EQ(ende, (Z{{3, 2}}));
  // Ein Klick ohne Bewegung ist kein Ziehen.
  Klick(4, 4);
  EXPECT_EQ(ende.size(), 1u);
  EXPECT_EQ(Zellen(), (Z{{4, 4}}));
}

TEST_F(QuonGridTest, RollenZurZelleUndSichtbarerBereich) {
  grid.SetColCount(30);
  grid.SetRowCount(50);
  grid.resize(200, 150);
  QApplication::processEvents();
  const int sichtbar = grid.VisibleRowCount();
  ASSERT_GT(sichtbar, 2);
  EXPECT_EQ(grid.TopRow(), 1);
  grid.ScrollToCell(20, 40);
  EXPECT_EQ(grid.TopRow() + grid.VisibleRowCount() - 1, 40);
  EXPECT_EQ(grid.LeftCol() + grid.VisibleColCount() - 1, 20);
  EXPECT_TRUE(grid.CellRect(1, 1).isEmpty());    // weggerollt
  EXPECT_FALSE(grid.CellRect(0, 40).isEmpty());  // Kopfspalte bleibt stehen
  EXPECT_EQ(grid.MouseToCell(grid.CellRect(20, 40).center()), (TZelle{20, 40}));
  EXPECT_EQ(grid.verticalScrollBar()->value(), grid.TopRow() - 1);
  grid.ScrollToCell(3, 2);
  EXPECT_EQ(grid.LeftCol(), 3);
  EXPECT_EQ(grid.TopRow(), 2);
  // Die Rollbalken rollen das Raster zeilenweise.
  QSignalSpy gerollt(&grid, &TQuonGrid::Gescrollt);
  grid.verticalScrollBar()->setValue(9);
  EXPECT_EQ(grid.TopRow(), 10);
  EXPECT_EQ(gerollt.count(), 1);
  // Die Pfeiltaste unter den sichtbaren Bereich rollt mit.
  grid.FocusCell(3, grid.TopRow() + grid.VisibleRowCount() - 1);
  const int oben = grid.TopRow();
  QTest::keyClick(&grid, Qt::Key_Down);
  EXPECT_EQ(grid.TopRow(), oben + 1);
  EXPECT_EQ(grid.MaxTopRow() + grid.VisibleRowCount() - 1, 49);
}

TEST_F(QuonGridTest, AuswahlZiehenUeberDenRandRolltMit) {
  grid.SetRowCount(50);
  grid.resize(400, 150);
  QApplication::processEvents();
  Druck(2, 2);
  const int unten = grid.viewport()->height() + 5;
  Zug(QPoint(Mitte(2, 2).x(), unten), Qt::ShiftModifier);
  EXPECT_EQ(grid.TopRow(), 2);
  Zug(QPoint(Mitte(2, 2).x() + 1, unten), Qt::ShiftModifier);
  EXPECT_EQ(grid.TopRow(), 3);
  const std::vector<TZelle> zellen = Zellen();
  ASSERT_FALSE(zellen.empty());
  EXPECT_EQ(zellen.front(), (TZelle{2, 2}));
  EXPECT_GT(zellen.back().Row, grid.TopRow() + grid.VisibleRowCount() - 1);
  Los(2, 3);
}

TEST_F(QuonGridTest, SpaltenbreiteZiehenInDerKopfzeile) {
  grid.SetColSizing(true);
  QSignalSpy breite(&grid, &TQuonGrid::SpaltenBreiteGeaendert);
  const QRect r = grid.CellRect(2, 0);
  const QPoint rand(r.right() + 1, r.center().y());
  Zug(rand, {}, Qt::NoButton);
  EXPECT_EQ(grid.viewport()->cursor().shape(), Qt::SplitHCursor);
  Senden(QEvent::MouseButtonPress, rand, Qt::LeftButton, Qt::LeftButton, {});
  Zug(rand + QPoint(25, 0));
  LosBei(rand + QPoint(25, 0));
  EXPECT_EQ(grid.ColWidths(2), 65);
  ASSERT_EQ(breite.count(), 1);
  EXPECT_EQ(breite.at(0).at(0).toInt(), 2);
  EXPECT_EQ(grid.GetSelectCellCount(), 0);
  // Ohne die Option: gewöhnlicher Druck auf die Kopfzelle.
  grid.SetColSizing(false);
  Zug(rand, {}, Qt::NoButton);
  EXPECT_NE(grid.viewport()->cursor().shape(), Qt::SplitHCursor);
}

TEST_F(QuonGridTest, Bildschirmfoto) {
  grid.SetColCount(6);
  grid.SetRowCount(8);
  const char* tage[] = {"Mo", "Di", "Mi", "Do", "Fr"};
  for (int c = 1; c <= 5; ++c) grid.SetCells(c, 0, QString::fromUtf8(tage[c - 1]));
  for (int r = 1; r <= 7; ++r) grid.SetCells(0, r, QString::number(r) + QStringLiteral("."));
  grid.SetCells(2, 2, QStringLiteral("5a D"));
  grid.SetCells(3, 4, QStringLiteral("Kü"));
  Klick(2, 2);
  Klick(4, 4, Qt::ShiftModifier);
  Klick(1, 6, Qt::ControlModifier);
  QApplication::setActiveWindow(&grid);
  grid.setFocus();
  grid.resize(grid.GesamtGroesse() + QSize(2 * grid.frameWidth(), 2 * grid.frameWidth()));
  QApplication::processEvents();
  const QPixmap bild = grid.grab();
  EXPECT_TRUE(bild.save(QStringLiteral("/tmp/tamrel_quongrid.png")));
  EXPECT_EQ(grid.horizontalScrollBar()->maximum(), 0);
}

}  // namespace
