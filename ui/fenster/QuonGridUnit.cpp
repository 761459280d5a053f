#include "ui/fenster/QuonGridUnit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QStyleOptionHeader>
#include <algorithm>

namespace {

TNavTaste NavTaste(int key) {
  switch (key) {
    case Qt::Key_PageUp:
      return TNavTaste::BildAuf;
    case Qt::Key_PageDown:
      return TNavTaste::BildAb;
    case Qt::Key_End:
      return TNavTaste::Ende;
    case Qt::Key_Home:
      return TNavTaste::Pos1;
    case Qt::Key_Left:
      return TNavTaste::Links;
    case Qt::Key_Up:
      return TNavTaste::Oben;
    case Qt::Key_Right:
      return TNavTaste::Rechts;
    case Qt::Key_Down:
      return TNavTaste::Unten;
    default:
      return TNavTaste::Andere;
  }
}

// Die erste Zelle ab von (höchstens bis), ab der die Zelle bis ganz in platz passt: von ihrer
// Kante bis zum Ende von bis (ohne die letzte Linie) nicht mehr als platz. Binär gesucht.
int ErsteVor(const TRasterMasse& m, int von, int bis, int platz) {
  auto rand = [&](int ab) { return m.Abstand(ab, bis) + m.Mass(bis); };
  int lo = von, hi = bis;
  while (lo < hi) {
    const int mitte = lo + (hi - lo) / 2;
    if (rand(mitte) > platz)
      lo = mitte + 1;
    else
      hi = mitte;
  }
  return lo;
}

// Farbe der Gitterlinien zwischen Datenzellen und zwischen Kopfzellen.
const QColor LinienFarbe(192, 192, 192);
const QColor KopfLinienFarbe(128, 128, 128);

}  // namespace

TQuonGrid::TQuonGrid(QWidget* parent) : QAbstractScrollArea(parent) {
  fTexte.assign(static_cast<std::size_t>(fColCount * fRowCount), QString());
  fObjekte.assign(static_cast<std::size_t>(fColCount * fRowCount), nullptr);
  fBreiten = TRasterMasse(fColCount, fDefaultColWidth, fLinie);
  fHoehen = TRasterMasse(fRowCount, fDefaultRowHeight, fLinie);
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setMouseTracking(true);
  viewport()->setAutoFillBackground(false);
  viewport()->setCursor(fCursor);
  horizontalScrollBar()->setSingleStep(1);
  verticalScrollBar()->setSingleStep(1);
  RollbalkenAnpassen();
}

TQuonGrid::~TQuonGrid() = default;

// ---- Größe und Inhalt ----

void TQuonGrid::NeueGroesse(int cols, int rows) {
  cols = std::max(0, cols);
  rows = std::max(0, rows);
  if (cols == fColCount && rows == fRowCount) return;
  std::vector<QString> texte(static_cast<std::size_t>(cols * rows));
  std::vector<void*> objekte(static_cast<std::size_t>(cols * rows), nullptr);
  for (int y = 0; y < std::min(rows, fRowCount); ++y)
    for (int x = 0; x < std::min(cols, fColCount); ++x) {
      const auto alt = static_cast<std::size_t>(Index(x, y));
      const auto neu = static_cast<std::size_t>(y * cols + x);
      texte[neu] = std::move(fTexte[alt]);
      objekte[neu] = fObjekte[alt];
    }
  fTexte = std::move(texte);
  fObjekte = std::move(objekte);
  fBreiten.Groesse(cols, fDefaultColWidth);
  fHoehen.Groesse(rows, fDefaultRowHeight);
  fColCount = cols;
  fRowCount = rows;
  fFixedCols = std::min(fFixedCols, cols);
  fFixedRows = std::min(fFixedRows, rows);
  fAuswahl.Fest(fFixedCols, fFixedRows);
  // Neue Größe: alle Merker neu, die Auswahl ist leer (die Indizes passen nicht mehr).
  fAuswahl.Groesse(cols, rows);
  FocusCell(fCol, fRow);
  RollbalkenAnpassen();
  viewport()->update();
}

void TQuonGrid::InsertRow(int row) {
  row = std::clamp(row, 0, fRowCount);
  NeueGroesse(fColCount, fRowCount + 1);
  for (int y = fRowCount - 1; y > row; --y)
    for (int x = 0; x < fColCount; ++x) {
      fTexte[static_cast<std::size_t>(Index(x, y))] =
          std::move(fTexte[static_cast<std::size_t>(Index(x, y - 1))]);
      fObjekte[static_cast<std::size_t>(Index(x, y))] =
          fObjekte[static_cast<std::size_t>(Index(x, y - 1))];
    }
  for (int x = 0; x < fColCount; ++x) {
    fTexte[static_cast<std::size_t>(Index(x, row))].clear();
    fObjekte[static_cast<std::size_t>(Index(x, row))] = nullptr;
  }
  fHoehen.Einschieben(row, fDefaultRowHeight);
  RollbalkenAnpassen();
  viewport()->update();
}

void TQuonGrid::InsertCol(int col) {
  col = std::clamp(col, 0, fColCount);
  NeueGroesse(fColCount + 1, fRowCount);
  for (int y = 0; y < fRowCount; ++y) {
    for (int x = fColCount - 1; x > col; --x) {
      fTexte[static_cast<std::size_t>(Index(x, y))] =
          std::move(fTexte[static_cast<std::size_t>(Index(x - 1, y))]);
      fObjekte[static_cast<std::size_t>(Index(x, y))] =
          fObjekte[static_cast<std::size_t>(Index(x - 1, y))];
    }
    fTexte[static_cast<std::size_t>(Index(col, y))].clear();
    fObjekte[static_cast<std::size_t>(Index(col, y))] = nullptr;
  }
  fBreiten.Einschieben(col, fDefaultColWidth);
  RollbalkenAnpassen();
  viewport()->update();
}

void TQuonGrid::SetColCount(int n) {
  NeueGroesse(n, fRowCount);
}

void TQuonGrid::SetRowCount(int n) {
  NeueGroesse(fColCount, n);
}

void TQuonGrid::SetFixedCols(int n) {
  fFixedCols = std::clamp(n, 0, fColCount);
  fAuswahl.Fest(fFixedCols, fFixedRows);
  FocusCell(fCol, fRow);
  RollbalkenAnpassen();
  viewport()->update();
}

void TQuonGrid::SetFixedRows(int n) {
  fFixedRows = std::clamp(n, 0, fRowCount);
  fAuswahl.Fest(fFixedCols, fFixedRows);
  FocusCell(fCol, fRow);
  RollbalkenAnpassen();
  viewport()->update();
}

QString TQuonGrid::Cells(int col, int row) const {
  if (!GueltigeZelle(col, row)) return {};
  return fTexte[static_cast<std::size_t>(Index(col, row))];
}

void TQuonGrid::SetCells(int col, int row, const QString& text) {
  if (!GueltigeZelle(col, row)) return;
  fTexte[static_cast<std::size_t>(Index(col, row))] = text;
  const QRect r = CellRect(col, row);
  if (!r.isEmpty()) viewport()->update(r.adjusted(0, 0, fLinie, fLinie));
}

void* TQuonGrid::Objects(int col, int row) const {
  if (!GueltigeZelle(col, row)) return nullptr;
  return fObjekte[static_cast<std::size_t>(Index(col, row))];
}

void TQuonGrid::SetObjects(int col, int row, void* objekt) {
  if (!GueltigeZelle(col, row)) return;
  fObjekte[static_cast<std::size_t>(Index(col, row))] = objekt;
}

void TQuonGrid::Leeren() {
  std::fill(fTexte.begin(), fTexte.end(), QString());
  std::fill(fObjekte.begin(), fObjekte.end(), nullptr);
  viewport()->update();
}

void TQuonGrid::SetDefaultColWidth(int breite) {
  fDefaultColWidth = std::max(0, breite);
  fBreiten.AlleSetzen(fDefaultColWidth);
  RollbalkenAnpassen();
  viewport()->update();
}

void TQuonGrid::SetDefaultRowHeight(int hoehe) {
  fDefaultRowHeight = std::max(0, hoehe);
  fHoehen.AlleSetzen(fDefaultRowHeight);
  RollbalkenAnpassen();
  viewport()->update();
}

int TQuonGrid::ColWidths(int col) const {
  if (col < 0 || col >= fColCount) return 0;
  return fBreiten.Mass(col);
}

int TQuonGrid::RowHeights(int row) const {
  if (row < 0 || row >= fRowCount) return 0;
  return fHoehen.Mass(row);
}

void TQuonGrid::SetColWidths(int col, int breite) {
  if (col < 0 || col >= fColCount) return;
  fBreiten.SetzeMass(col, breite);
  RollbalkenAnpassen();
  viewport()->update();
}

void TQuonGrid::SetRowHeights(int row, int hoehe) {
  if (row < 0 || row >= fRowCount) return;
  fHoehen.SetzeMass(row, hoehe);
  RollbalkenAnpassen();
  viewport()->update();
}

void TQuonGrid::SetGridLineWidth(int breite) {
  fLinie = std::max(0, breite);
  fBreiten.SetzeLinie(fLinie);
  fHoehen.SetzeLinie(fLinie);
  RollbalkenAnpassen();
  viewport()->update();
}

QSize TQuonGrid::GesamtGroesse() const {
  return {static_cast<int>(fBreiten.Summe()), static_cast<int>(fHoehen.Summe())};
}

QSize TQuonGrid::viewportSizeHint() const {
  return GesamtGroesse();
}

void TQuonGrid::SetRowSelect(bool an) {
  fAuswahl.SetRowSelect(an);
  viewport()->update();
}

// ---- Geometrie ----

int TQuonGrid::FesteBreite() const {
  return static_cast<int>(fBreiten.Abstand(0, fFixedCols));
}

int TQuonGrid::FesteHoehe() const {
  return static_cast<int>(fHoehen.Abstand(0, fFixedRows));
}

int TQuonGrid::SpaltenLinks(int col) const {
  if (col < 0 || col >= fColCount) return -1;
  if (col < fFixedCols) return static_cast<int>(fBreiten.Abstand(0, col));
  if (col < fLeftCol) return -1;
  return static_cast<int>(FesteBreite() + fBreiten.Abstand(fLeftCol, col));
}

int TQuonGrid::ZeileOben(int row) const {
  if (row < 0 || row >= fRowCount) return -1;
  if (row < fFixedRows) return static_cast<int>(fHoehen.Abstand(0, row));
  if (row < fTopRow) return -1;
  return static_cast<int>(FesteHoehe() + fHoehen.Abstand(fTopRow, row));
}

// Spalte an x; jenseits des sichtbaren Bereichs wird weitergezählt, als wären die Spalten
// dort gezeichnet. -1: links außerhalb; -2: rechts hinter der letzten Spalte.
int TQuonGrid::SpalteAn(int x) const {
  if (x < 0) return -1;
  const int fest = fBreiten.ZelleAn(0, x);
  if (fest < fFixedCols) return fest;
  const int c = fBreiten.ZelleAn(fLeftCol, x - FesteBreite());
  return c < fColCount ? c : -2;
}

int TQuonGrid::ZeileAn(int y) const {
  if (y < 0) return -1;
  const int fest = fHoehen.ZelleAn(0, y);
  if (fest < fFixedRows) return fest;
  const int r = fHoehen.ZelleAn(fTopRow, y - FesteHoehe());
  return r < fRowCount ? r : -2;
}

TZelle TQuonGrid::MouseToCell(const QPoint& pos) const {
  const int c = SpalteAn(pos.x());
  const int r = ZeileAn(pos.y());
  return {c < 0 ? -1 : c, r < 0 ? -1 : r};
}

QRect TQuonGrid::CellRect(int col, int row) const {
  const int x = SpaltenLinks(col);
  const int y = ZeileOben(row);
  if (x < 0 || y < 0) return {};
  return {x, y, ColWidths(col), RowHeights(row)};
}

int TQuonGrid::VisibleColCount() const {
  const int breite = viewport()->width();
  int x = FesteBreite(), n = 0;
  for (int c = fLeftCol; c < fColCount; ++c) {
    x += ColWidths(c);
    if (x > breite) break;
    x += fLinie;
    ++n;
  }
  return n;
}

int TQuonGrid::VisibleRowCount() const {
  const int hoehe = viewport()->height();
  int y = FesteHoehe(), n = 0;
  for (int r = fTopRow; r < fRowCount; ++r) {
    y += RowHeights(r);
    if (y > hoehe) break;
    y += fLinie;
    ++n;
  }
  return n;
}

int TQuonGrid::MaxLeftCol() const {
  if (fColCount <= fFixedCols) return fFixedCols;
  const int platz = viewport()->width() - FesteBreite();
  int c = fColCount - 1;
  int belegt = ColWidths(c);
  while (c - 1 >= fFixedCols && belegt + fLinie + ColWidths(c - 1) <= platz) {
    --c;
    belegt += fLinie + ColWidths(c);
  }
  return c;
}

int TQuonGrid::MaxTopRow() const {
  if (fRowCount <= fFixedRows) return fFixedRows;
  const int platz = viewport()->height() - FesteHoehe();
  int r = fRowCount - 1;
  int belegt = RowHeights(r);
  while (r - 1 >= fFixedRows && belegt + fLinie + RowHeights(r - 1) <= platz) {
    --r;
    belegt += fLinie + RowHeights(r);
  }
  return r;
}

void TQuonGrid::RollbalkenAnpassen() {
  fRollen = true;
  const int maxLinks = MaxLeftCol();
  const int maxOben = MaxTopRow();
  fLeftCol = std::clamp(fLeftCol, fFixedCols, std::max(fFixedCols, maxLinks));
  fTopRow = std::clamp(fTopRow, fFixedRows, std::max(fFixedRows, maxOben));
  horizontalScrollBar()->setRange(0, std::max(0, maxLinks - fFixedCols));
  horizontalScrollBar()->setPageStep(std::max(1, VisibleColCount()));
  horizontalScrollBar()->setValue(fLeftCol - fFixedCols);
  verticalScrollBar()->setRange(0, std::max(0, maxOben - fFixedRows));
  verticalScrollBar()->setPageStep(std::max(1, VisibleRowCount()));
  verticalScrollBar()->setValue(fTopRow - fFixedRows);
  fRollen = false;
}

void TQuonGrid::SetTopRow(int row) {
  row = std::clamp(row, fFixedRows, std::max(fFixedRows, MaxTopRow()));
  if (row == fTopRow) return;
  fTopRow = row;
  fRollen = true;
  verticalScrollBar()->setValue(fTopRow - fFixedRows);
  fRollen = false;
  viewport()->update();
  emit Gescrollt(fLeftCol, fTopRow);
}

void TQuonGrid::SetLeftCol(int col) {
  col = std::clamp(col, fFixedCols, std::max(fFixedCols, MaxLeftCol()));
  if (col == fLeftCol) return;
  fLeftCol = col;
  fRollen = true;
  horizontalScrollBar()->setValue(fLeftCol - fFixedCols);
  fRollen = false;
  viewport()->update();
  emit Gescrollt(fLeftCol, fTopRow);
}

void TQuonGrid::scrollContentsBy(int /*dx*/, int /*dy*/) {
  if (fRollen) return;
  const int links = fFixedCols + horizontalScrollBar()->value();
  const int oben = fFixedRows + verticalScrollBar()->value();
  if (links == fLeftCol && oben == fTopRow) return;
  fLeftCol = links;
  fTopRow = oben;
  viewport()->update();
  emit Gescrollt(fLeftCol, fTopRow);
}

void TQuonGrid::ScrollToCell(int col, int row) {
  if (col >= fFixedCols && col < fColCount) {
    if (col < fLeftCol) {
      SetLeftCol(col);
    } else {
      // Nach links rollen, bis die Spalte ganz zu sehen ist (oder sie die erste ist).
      const int platz = viewport()->width() - FesteBreite();
      SetLeftCol(ErsteVor(fBreiten, fLeftCol, col, platz));
    }
  }
  if (row >= fFixedRows && row < fRowCount) {
    if (row < fTopRow) {
      SetTopRow(row);
    } else {
      const int platz = viewport()->height() - FesteHoehe();
      SetTopRow(ErsteVor(fHoehen, fTopRow, row, platz));
    }
  }
}

void TQuonGrid::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  RollbalkenAnpassen();
}

// ---- Aktuelle Zelle ----

void TQuonGrid::FocusCell(int col, int row) {
  if (fColCount > fFixedCols) col = std::clamp(col, fFixedCols, fColCount - 1);
  if (fRowCount > fFixedRows) row = std::clamp(row, fFixedRows, fRowCount - 1);
  const bool anders = col != fCol || row != fRow;
  fCol = col;
  fRow = row;
  if (fAuswahl.IstDatenZelle(fCol, fRow)) ScrollToCell(fCol, fRow);
  if (anders) {
    viewport()->update();
    emit AktuelleZelleGeaendert(fCol, fRow);
  }
}

// ---- Auswahl ----

void TQuonGrid::NeuZeichnen(bool auswahlGeaendert) {
  viewport()->update();
  if (auswahlGeaendert) emit AuswahlGeaendert();
}

void TQuonGrid::SelectAll() {
  fAuswahl.SelectAll();
  viewport()->update();
}

void TQuonGrid::DeSelectAll() {
  fAuswahl.DeSelectAll();
  viewport()->update();
}

void TQuonGrid::SetSelectRow(int row, bool selected) {
  fAuswahl.SetSelectRow(row, selected);
  viewport()->update();
}

void TQuonGrid::SetSelectCell(int col, int row, bool selected) {
  fAuswahl.SetSelectCell(col, row, selected);
  viewport()->update();
}

// ---- Zeichnen ----

void TQuonGrid::SetZeichner(TZeichner zeichner) {
  fZeichner = std::move(zeichner);
  viewport()->update();
}

void TQuonGrid::ZelleZeichnen(QPainter& painter, int col, int row, const QRect& rect,
                              const TZellZustand& zustand) {
  painter.save();
  painter.setClipRect(rect);
  QColor schrift = Qt::black;
  if (zustand.Ausgewaehlt) {
    painter.fillRect(rect, palette().color(QPalette::Active, QPalette::Highlight));
    schrift = palette().color(QPalette::Active, QPalette::HighlightedText);
  } else if (zustand.Fest) {
    QStyleOptionHeader kopf;
    kopf.initFrom(this);
    kopf.rect = rect;
    kopf.state |= QStyle::State_Raised | QStyle::State_Horizontal;
    kopf.orientation = Qt::Horizontal;
    kopf.position = QStyleOptionHeader::Middle;
    style()->drawControl(QStyle::CE_HeaderSection, &kopf, &painter, this);
  } else {
    painter.fillRect(rect, Qt::white);
  }
  painter.setFont(font());
  painter.setPen(schrift);
  const QString& text = fTexte[static_cast<std::size_t>(Index(col, row))];
  if (!text.isEmpty())
    painter.drawText(rect.adjusted(1, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                     text);
  painter.restore();
  if (fZeichner) {
    painter.save();
    painter.setClipRect(rect);
    painter.setFont(font());
    painter.setPen(Qt::black);
    fZeichner(painter, col, row, rect, zustand);
    painter.restore();
  }
}

void TQuonGrid::paintEvent(QPaintEvent* /*event*/) {
  QPainter p(viewport());
  const int breite = viewport()->width();
  const int hoehe = viewport()->height();
  p.fillRect(QRect(0, 0, breite, hoehe), palette().color(QPalette::Base));

  std::vector<int> spalten;
  for (int c = 0; c < fFixedCols; ++c) spalten.push_back(c);
  {
    int x = FesteBreite();
    for (int c = fLeftCol; c < fColCount && x < breite; ++c) {
      spalten.push_back(c);
      x += ColWidths(c) + fLinie;
    }
  }
  std::vector<int> zeilen;
  for (int r = 0; r < fFixedRows; ++r) zeilen.push_back(r);
  {
    int y = FesteHoehe();
    for (int r = fTopRow; r < fRowCount && y < hoehe; ++r) {
      zeilen.push_back(r);
      y += RowHeights(r) + fLinie;
    }
  }
  const bool fokus = hasFocus();
  for (int r : zeilen) {
    for (int c : spalten) {
      const QRect rect = CellRect(c, r);
      const bool fest = c < fFixedCols || r < fFixedRows;
      if (fLinie > 0) {
        const QColor& linie = fest ? KopfLinienFarbe : LinienFarbe;
        p.fillRect(QRect(rect.right() + 1, rect.top(), fLinie, rect.height() + fLinie), linie);
        p.fillRect(QRect(rect.left(), rect.bottom() + 1, rect.width() + fLinie, fLinie), linie);
      }
      if (rect.width() <= 0 || rect.height() <= 0) continue;
      TZellZustand zustand;
      zustand.Fest = fest;
      zustand.Ausgewaehlt = fAuswahl.Hervorgehoben(c, r);
      zustand.Aktuell = c == fCol && r == fRow;
      zustand.Fokus = zustand.Aktuell && fokus;
      ZelleZeichnen(p, c, r, rect, zustand);
    }
  }
  // Fokusrahmen um die aktuelle Zelle (im Zeilenmodus um die sichtbare Zeile).
  if (fokus && fAuswahl.IstDatenZelle(fCol, fRow)) {
    QRect rahmen = CellRect(fCol, fRow);
    if (fAuswahl.RowSelect()) {
      const int y = ZeileOben(fRow);
      rahmen = y < 0 ? QRect()
                     : QRect(0, y, std::min(breite, GesamtGroesse().width()), RowHeights(fRow));
    }
    if (!rahmen.isEmpty()) {
      QStyleOptionFocusRect option;
      option.initFrom(this);
      option.rect = rahmen;
      option.backgroundColor = fAuswahl.Hervorgehoben(fCol, fRow)
                                   ? palette().color(QPalette::Highlight)
                                   : QColor(Qt::white);
      style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
    }
  }
}

void TQuonGrid::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  viewport()->update();
}

void TQuonGrid::focusOutEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusOutEvent(event);
  viewport()->update();
}

// ---- Maus ----

TUmschaltMenge TQuonGrid::Umschalt(Qt::KeyboardModifiers tasten, Qt::MouseButtons knoepfe,
                                   bool doppelt) {
  TUmschaltMenge m = 0;
  if (tasten & Qt::ShiftModifier) m |= umShift;
  if (tasten & Qt::AltModifier) m |= umAlt;
  if (tasten & Qt::ControlModifier) m |= umCtrl;
  if (knoepfe & Qt::LeftButton) m |= umLinks;
  if (knoepfe & Qt::RightButton) m |= umRechts;
  if (knoepfe & Qt::MiddleButton) m |= umMitte;
  if (doppelt) m |= umDoppel;
  return m;
}

TGridMaus TQuonGrid::Maus(const QMouseEvent* event, bool doppelt) const {
  TGridMaus m;
  m.Pos = event->position().toPoint();
  const TZelle z = MouseToCell(m.Pos);
  m.Col = z.Col;
  m.Row = z.Row;
  m.Knopf = event->button();
  m.Knoepfe = event->buttons();
  m.Tasten = event->modifiers();
  m.Umschalt = Umschalt(m.Tasten, m.Knoepfe, doppelt);
  m.Doppelt = doppelt;
  return m;
}

int TQuonGrid::SpaltenGrenze(const QPoint& pos) const {
  if (!fColSizing || pos.y() < 0 || pos.y() >= FesteHoehe()) return -1;
  int treffer = -1;
  for (int c = 0; c < fColCount; ++c) {
    const int x = SpaltenLinks(c);
    if (x < 0) continue;
    if (x > viewport()->width()) break;
    const int rand = x + ColWidths(c);
    if (pos.x() >= rand - 2 && pos.x() <= rand + fLinie + 2) treffer = c;
  }
  return treffer;
}

void TQuonGrid::CursorFuer(const QPoint& pos) {
  if (fZiehen == TZiehen::Aktiv) return;
  if (SpaltenGrenze(pos) >= 0)
    viewport()->setCursor(Qt::SplitHCursor);
  else
    viewport()->setCursor(fCursor);
}

void TQuonGrid::SetzeCursor(const QCursor& cursor) {
  fCursor = cursor;
  if (fZiehen != TZiehen::Aktiv && fBreitenSpalte < 0) viewport()->setCursor(fCursor);
}

// Zelle für einen Zug mit gedrückter Maustaste. Außerhalb des sichtbaren Bereichs rollt das
// Raster um eine Zeile oder Spalte; hinter der letzten Zelle zählt die letzte Zeile oder
// Spalte, links von oder über dem Raster die erste sichtbare.
TZelle TQuonGrid::ZelleBeimZiehen(const QPoint& pos) {
  if (pos.x() >= viewport()->width()) SetLeftCol(fLeftCol + 1);
  if (pos.x() < 0) SetLeftCol(fLeftCol - 1);
  if (pos.y() >= viewport()->height()) SetTopRow(fTopRow + 1);
  if (pos.y() < 0) SetTopRow(fTopRow - 1);
  int c = SpalteAn(pos.x());
  int r = ZeileAn(pos.y());
  if (c == -2) c = fColCount - 1;
  if (c == -1) c = fLeftCol;
  if (r == -2) r = fRowCount - 1;
  if (r == -1) r = fTopRow;
  return {c, r};
}

void TQuonGrid::Druck(QMouseEvent* event, bool doppelt) {
  setFocus(Qt::MouseFocusReason);
  const QPoint pos = event->position().toPoint();
  if (event->button() == Qt::LeftButton && !doppelt) {
    const int spalte = SpaltenGrenze(pos);
    if (spalte >= 0) {
      fBreitenSpalte = spalte;
      fBreitenStartX = pos.x();
      fBreitenStart = ColWidths(spalte);
      return;
    }
  }
  const TGridMaus m = Maus(event, doppelt);
  fDruckPos = pos;
  Merke(event);
  if (doppelt && event->button() == Qt::LeftButton) emit DoppelKlick(m);
  if (event->button() == Qt::LeftButton && fAuswahl.IstDatenZelle(m.Col, m.Row))
    FocusCell(m.Col, m.Row);
  if (fAuswahl.MausDruck(m.Col, m.Row, m.Umschalt)) NeuZeichnen(true);
  emit MausDruck(m);
}

void TQuonGrid::mousePressEvent(QMouseEvent* event) {
  if (fZiehen == TZiehen::Aktiv || fBreitenSpalte >= 0) return;
  Druck(event, false);
}

void TQuonGrid::mouseDoubleClickEvent(QMouseEvent* event) {
  if (fZiehen == TZiehen::Aktiv || fBreitenSpalte >= 0) return;
  Druck(event, true);
}

void TQuonGrid::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  Merke(event);
  if (fBreitenSpalte >= 0) {
    SetColWidths(fBreitenSpalte, std::max(2, fBreitenStart + pos.x() - fBreitenStartX));
    return;
  }
  if (fZiehen == TZiehen::Wartet && (event->buttons() & Qt::LeftButton) &&
      (pos - fDruckPos).manhattanLength() >= QApplication::startDragDistance()) {
    fZiehen = TZiehen::Aktiv;
    fZiel = {};
  }
  if (fZiehen == TZiehen::Aktiv) {
    ZiehenUeberPunkt(pos, event->modifiers(), event->buttons(), nullptr);
    return;
  }
  if (event->buttons() == Qt::NoButton) CursorFuer(pos);
  const TGridMaus m = Maus(event, false);
  if (fAuswahl.Unten() && event->buttons() != Qt::NoButton) {
    if (fAuswahl.MultiSelect()) {
      const TZelle z = ZelleBeimZiehen(pos);
      if (fAuswahl.MausZug(z.Col, z.Row, m.Umschalt)) NeuZeichnen(true);
    } else if (event->buttons() & Qt::LeftButton) {
      // Ohne Mehrfachauswahl folgt nur die aktuelle Zelle der Maus.
      const TZelle z = ZelleBeimZiehen(pos);
      if (fAuswahl.IstDatenZelle(z.Col, z.Row)) FocusCell(z.Col, z.Row);
    }
  }
  emit MausZug(m);
}

void TQuonGrid::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  Merke(event);
  if (fBreitenSpalte >= 0) {
    if (event->button() != Qt::LeftButton) return;
    const int spalte = fBreitenSpalte;
    fBreitenSpalte = -1;
    CursorFuer(pos);
    emit SpaltenBreiteGeaendert(spalte);
    return;
  }
  if (fZiehen == TZiehen::Aktiv) {
    ZiehenBeenden(pos, event->modifiers(), false);
    return;
  }
  fZiehen = TZiehen::Nein;
  const TGridMaus m = Maus(event, false);
  if (fAuswahl.MausLos(m.Col, m.Row, m.Umschalt)) NeuZeichnen(true);
  emit MausLos(m);
}

// ---- Ziehen ----

void TQuonGrid::Merke(const QMouseEvent* event) {
  fLetztePos = event->position().toPoint();
  fLetzteTasten = event->modifiers();
  fLetzteKnoepfe = event->buttons();
}

void TQuonGrid::BeginDrag(bool sofort) {
  fZiel = {};
  if (!sofort) {
    fZiehen = TZiehen::Wartet;
    return;
  }
  fZiehen = TZiehen::Aktiv;
  // Erste Prüfung an der letzten Stelle der Maus (meist der Druck, der das Ziehen beginnt).
  ZiehenUeberPunkt(fLetztePos, fLetzteTasten, fLetzteKnoepfe, nullptr);
}

void TQuonGrid::CancelDrag() {
  if (fZiehen == TZiehen::Aktiv) ZiehenBeenden(fLetztePos, fLetzteTasten, true);
  fZiehen = TZiehen::Nein;
}

void TQuonGrid::ZiehenUeberPunkt(const QPoint& pos, Qt::KeyboardModifiers tasten,
                                 Qt::MouseButtons knoepfe, bool* akzeptiert) {
  TGridMaus m;
  m.Pos = pos;
  const TZelle z = MouseToCell(pos);
  m.Col = z.Col;
  m.Row = z.Row;
  m.Knoepfe = knoepfe;
  m.Tasten = tasten;
  m.Umschalt = Umschalt(tasten, knoepfe);
  // Angenommen wird von selbst jede ganz sichtbare Datenzelle.
  const bool sichtbar = fAuswahl.IstDatenZelle(z.Col, z.Row) &&
                        z.Col < fLeftCol + VisibleColCount() && z.Row < fTopRow + VisibleRowCount();
  TZiehZiel ziel{z.Col, z.Row, sichtbar};
  emit ZiehenUeber(m, &ziel);
  if (ziel.Akzeptiert) fZiel = ziel;
  if (akzeptiert) *akzeptiert = ziel.Akzeptiert;
  viewport()->setCursor(ziel.Akzeptiert ? fZiehCursor : QCursor(Qt::ForbiddenCursor));
}

void TQuonGrid::ZiehenBeenden(const QPoint& pos, Qt::KeyboardModifiers tasten, bool abbruch) {
  bool abgelegt = false;
  if (!abbruch) ZiehenUeberPunkt(pos, tasten, Qt::NoButton, &abgelegt);
  fZiehen = TZiehen::Nein;
  fAuswahl.MausLos(-1, -1, 0);  // die Taste ist oben
  viewport()->setCursor(fCursor);
  TGridMaus m;
  m.Pos = pos;
  m.Col = fZiel.Akzeptiert ? fZiel.Col : -1;
  m.Row = fZiel.Akzeptiert ? fZiel.Row : -1;
  m.Tasten = tasten;
  m.Umschalt = Umschalt(tasten, Qt::NoButton);
  fZiel = {};
  emit ZiehenEnde(m, abgelegt);
}

// ---- Tastatur ----

void TQuonGrid::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && fZiehen == TZiehen::Aktiv) {
    CancelDrag();
    event->accept();
    return;
  }
  const bool strg = event->modifiers() & Qt::ControlModifier;
  const bool zeilen = fAuswahl.RowSelect();
  const int seite = std::max(1, VisibleRowCount());
  int c = fCol, r = fRow;
  switch (event->key()) {
    case Qt::Key_Up:
      --r;
      break;
    case Qt::Key_Down:
      ++r;
      break;
    case Qt::Key_Left:
      if (zeilen)
        SetLeftCol(fLeftCol - 1);
      else
        --c;
      break;
    case Qt::Key_Right:
      if (zeilen)
        SetLeftCol(fLeftCol + 1);
      else
        ++c;
      break;
    case Qt::Key_PageUp:
      SetTopRow(fTopRow - seite);
      r -= seite;
      break;
    case Qt::Key_PageDown:
      SetTopRow(fTopRow + seite);
      r += seite;
      break;
    case Qt::Key_Home:
      if (strg) {
        c = fFixedCols;
        r = fFixedRows;
      } else if (zeilen) {
        r = fFixedRows;
      } else {
        c = fFixedCols;
      }
      break;
    case Qt::Key_End:
      if (strg) {
        c = fColCount - 1;
        r = fRowCount - 1;
      } else if (zeilen) {
        r = fRowCount - 1;
      } else {
        c = fColCount - 1;
      }
      break;
    default:
      QAbstractScrollArea::keyPressEvent(event);
      return;
  }
  FocusCell(c, r);
  event->accept();
}

void TQuonGrid::keyReleaseEvent(QKeyEvent* event) {
  const TNavTaste taste = NavTaste(event->key());
  if (taste == TNavTaste::Andere) {
    QAbstractScrollArea::keyReleaseEvent(event);
    return;
  }
  if (event->isAutoRepeat()) return;
  if (fAuswahl.TasteLos(taste, Umschalt(event->modifiers(), Qt::NoButton), fCol, fRow))
    NeuZeichnen(true);
  event->accept();
}
