#include "ui/QuonAuswahlUnit.h"

#include <algorithm>
#include <cstddef>

TQuonAuswahl::TQuonAuswahl(int colCount, int rowCount, int fixedCols, int fixedRows)
    : fColCount(std::max(0, colCount)),
      fRowCount(std::max(0, rowCount)),
      fFixedCols(std::max(0, fixedCols)),
      fFixedRows(std::max(0, fixedRows)),
      FLastRow(fFixedRows),
      FLastCol(fFixedCols) {
  FOriginRowCount = fRowCount;
  FOriginColCount = fColCount;
  FSelectRows.assign(static_cast<std::size_t>(fRowCount), false);
  FSelectCells.assign(static_cast<std::size_t>(fRowCount) * static_cast<std::size_t>(fColCount),
                      false);
}

bool TQuonAuswahl::Groesse(int colCount, int rowCount) {
  fColCount = std::max(0, colCount);
  fRowCount = std::max(0, rowCount);
  if (fColCount == FOriginColCount && fRowCount == FOriginRowCount) return false;
  FOriginRowCount = fRowCount;
  FOriginColCount = fColCount;
  FSelectRows.assign(static_cast<std::size_t>(fRowCount), false);
  FSelectCells.assign(static_cast<std::size_t>(fRowCount) * static_cast<std::size_t>(fColCount),
                      false);
  return true;
}

void TQuonAuswahl::Fest(int fixedCols, int fixedRows) {
  fFixedCols = std::max(0, fixedCols);
  fFixedRows = std::max(0, fixedRows);
}

bool TQuonAuswahl::IstDatenZelle(int col, int row) const {
  return col >= fFixedCols && col < fColCount && row >= fFixedRows && row < fRowCount;
}

void TQuonAuswahl::SelectAll() {
  if (fRowSelect) {
    for (int y = fFixedRows; y < fRowCount; ++y) FSelectRows[static_cast<std::size_t>(y)] = true;
  } else {
    for (int y = fFixedRows; y < fRowCount; ++y)
      for (int x = fFixedCols; x < fColCount; ++x) Waehle(x, y, true);
  }
}

void TQuonAuswahl::DeSelectAll() {
  std::fill(FSelectRows.begin(), FSelectRows.end(), false);
  std::fill(FSelectCells.begin(), FSelectCells.end(), false);
}

bool TQuonAuswahl::GetSelectRow(int row) const {
  if (row < 0 || row >= fRowCount) return false;
  return FSelectRows[static_cast<std::size_t>(row)];
}

bool TQuonAuswahl::GetSelectCell(int col, int row) const {
  if (col < 0 || col >= fColCount || row < 0 || row >= fRowCount) return false;
  return FSelectCells[static_cast<std::size_t>(row) * static_cast<std::size_t>(fColCount) +
                      static_cast<std::size_t>(col)];
}

void TQuonAuswahl::SetSelectRow(int row, bool selected) {
  if (row < 0 || row >= fRowCount) return;
  FSelectRows[static_cast<std::size_t>(row)] = selected;
}

void TQuonAuswahl::SetSelectCell(int col, int row, bool selected) {
  if (col < 0 || col >= fColCount || row < 0 || row >= fRowCount) return;
  FSelectCells[static_cast<std::size_t>(row) * static_cast<std::size_t>(fColCount) +
               static_cast<std::size_t>(col)] = selected;
}

int TQuonAuswahl::GetSelectRowCount() const {
  return static_cast<int>(std::count(FSelectRows.begin(), FSelectRows.end(), true));
}

int TQuonAuswahl::GetSelectCellCount() const {
  return static_cast<int>(std::count(FSelectCells.begin(), FSelectCells.end(), true));
}

std::vector<TZelle> TQuonAuswahl::AusgewaehlteZellen() const {
  std::vector<TZelle> zellen;
  for (int y = 0; y < fRowCount; ++y)
    for (int x = 0; x < fColCount; ++x)
      if (GetSelectCell(x, y)) zellen.push_back({x, y});
  return zellen;
}

std::vector<int> TQuonAuswahl::AusgewaehlteZeilen() const {
  std::vector<int> zeilen;
  for (int y = 0; y < fRowCount; ++y)
    if (GetSelectRow(y)) zeilen.push_back(y);
  return zeilen;
}

// Eine Zelle (im Zeilenmodus ihre Zeile) wählen oder abwählen.
void TQuonAuswahl::Waehle(int col, int row, bool selected) {
  if (fRowSelect)
    SetSelectRow(row, selected);
  else
    SetSelectCell(col, row, selected);
}

bool TQuonAuswahl::GehoertZurAuswahl(int col, int row) const {
  return fRowSelect ? GetSelectRow(row) : GetSelectCell(col, row);
}

// Das Rechteck (im Zeilenmodus die Zeilen) zwischen zwei Zellen, Grenzen eingeschlossen,
// zur Auswahl hinzufügen.
void TQuonAuswahl::Rechteck(int col1, int row1, int col2, int row2) {
  // Nur Datenzellen: ein Anker in einer (später) festen Zeile zählt ab der ersten Datenzelle.
  const int y1 = std::max(std::min(row1, row2), fFixedRows);
  const int y2 = std::max(row1, row2);
  const int x1 = std::max(std::min(col1, col2), fFixedCols);
  const int x2 = std::max(col1, col2);
  for (int y = y1; y <= y2; ++y) {
    if (fRowSelect) {
      SetSelectRow(y, true);
      continue;
    }
    for (int x = x1; x <= x2; ++x) SetSelectCell(x, y, true);
  }
}

bool TQuonAuswahl::MausDruck(int col, int row, TUmschaltMenge umschalt) {
  FUnten = true;
  FMouseDownCol = col;
  FMouseDownRow = row;
  FMoveCol = -1;
  FMoveRow = -1;
  return MausZug(col, row, umschalt);
}

bool TQuonAuswahl::MausZug(int col, int row, TUmschaltMenge umschalt) {
  if (!FMultiSelect || !FUnten) return false;
  if (col == FMoveCol && row == FMoveRow) return false;
  if (!IstDatenZelle(col, row)) return false;
  FMoveCol = col;
  FMoveRow = row;
  // Nur diese drei Kombinationen wählen aus; Alt, Doppelklick, andere Maustasten nicht.
  if (umschalt == umLinks) {
    if (!GetSelectCell(col, row) && !GetSelectRow(row)) {
      DeSelectAll();
      Waehle(col, row, true);
      FLastCol = col;
      FLastRow = row;
    }
    // Ein Druck auf eine schon gewählte Zelle lässt die Auswahl stehen (zum Ziehen).
  } else if (umschalt == (umLinks | umShift)) {
    DeSelectAll();
    Rechteck(FLastCol, FLastRow, col, row);
  } else if (umschalt == (umLinks | umCtrl)) {
    const bool neu = !GehoertZurAuswahl(col, row);
    Waehle(col, row, neu);
    if (neu) {
      FLastCol = col;
      FLastRow = row;
    }
  } else {
    return false;
  }
  return true;
}

bool TQuonAuswahl::MausLos(int col, int row, TUmschaltMenge /*umschalt*/) {
  FUnten = false;
  if (FMultiSelect || !IstDatenZelle(col, row)) return false;
  // Ohne Mehrfachauswahl wandert die eine gewählte Zelle (Zeile) an die losgelassene.
  DeSelectAll();
  Waehle(col, row, true);
  FLastCol = col;
  FLastRow = row;
  return true;
}

bool TQuonAuswahl::TasteLos(TNavTaste taste, TUmschaltMenge umschalt, int col, int row) {
  if (taste == TNavTaste::Andere) return false;
  const TUmschaltMenge tasten = umschalt & umTasten;
  if (!IstDatenZelle(col, row)) return false;
  if (tasten == 0) {
    DeSelectAll();
    Waehle(col, row, true);
  } else if (tasten == umShift && FMultiSelect) {
    Rechteck(FLastCol, FLastRow, col, row);
  } else {
    return false;
  }
  FLastCol = col;
  FLastRow = row;
  return true;
}
