// Die Auswahl des Rasters TQuonGrid ohne Fenster: beliebige Mengen von Zellen oder Zeilen,
// gewählt mit Maus und Tastatur. Das Raster meldet Mausereignisse und losgelassene Tasten
// mit Zellkoordinaten; diese Klasse entscheidet, was ausgewählt ist.
#pragma once

#include <vector>

// Umschalt- und Maustasten eines Ereignisses, wie die Palette sie speichert (Bit 0 Shift,
// Bit 1 Alt, Bit 2 Strg), dazu die gedrückten Maustasten und der Doppelklick.
enum TUmschalt : unsigned {
  umShift = 1,
  umAlt = 2,
  umCtrl = 4,
  umLinks = 8,
  umRechts = 16,
  umMitte = 32,
  umDoppel = 64,
};
using TUmschaltMenge = unsigned;
// Nur die Umschalttasten (Shift, Alt, Strg), ohne Maustasten und Doppelklick.
inline constexpr TUmschaltMenge umTasten = umShift | umAlt | umCtrl;

// Tasten, nach deren Loslassen die Auswahl der aktuellen Zelle folgt.
enum class TNavTaste { Andere, BildAuf, BildAb, Ende, Pos1, Links, Oben, Rechts, Unten };

struct TZelle {
  int Col = 0;
  int Row = 0;
  friend bool operator==(const TZelle&, const TZelle&) = default;
};

class TQuonAuswahl {
 public:
  TQuonAuswahl(int colCount = 5, int rowCount = 5, int fixedCols = 1, int fixedRows = 1);

  // Größe des Rasters. Ändert sie sich, werden alle Merker neu angelegt ("N"); liefert dann
  // wahr.
  bool Groesse(int colCount, int rowCount);
  void Fest(int fixedCols, int fixedRows);
  int ColCount() const { return fColCount; }
  int RowCount() const { return fRowCount; }
  int FixedCols() const { return fFixedCols; }
  int FixedRows() const { return fFixedRows; }
  bool IstDatenZelle(int col, int row) const;

  // Zeilenmodus (ganze Zeilen) statt Zellmodus.
  bool RowSelect() const { return fRowSelect; }
  void SetRowSelect(bool an) { fRowSelect = an; }
  bool MultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool an) { FMultiSelect = an; }

  void SelectAll();
  void DeSelectAll();
  bool GetSelectRow(int row) const;
  bool GetSelectCell(int col, int row) const;
  void SetSelectRow(int row, bool selected);
  void SetSelectCell(int col, int row, bool selected);
  int GetSelectRowCount() const;
  int GetSelectCellCount() const;
  // Die Auswahl als Daten: Zellen zeilenweise von oben links, Zeilen aufsteigend.
  std::vector<TZelle> AusgewaehlteZellen() const;
  std::vector<int> AusgewaehlteZeilen() const;
  // Zelle hervorgehoben: ihre Zeile oder sie selbst ist ausgewählt.
  bool Hervorgehoben(int col, int row) const {
    return GetSelectRow(row) || GetSelectCell(col, row);
  }

  // Maus. Koordinaten -1 bedeuten: keine Zelle. Die Ergebnisse sagen, ob neu zu zeichnen ist.
  bool MausDruck(int col, int row, TUmschaltMenge umschalt);
  bool MausZug(int col, int row, TUmschaltMenge umschalt);
  bool MausLos(int col, int row, TUmschaltMenge umschalt);
  // Eine losgelassene Taste; col/row ist die aktuelle Zelle des Rasters.
  bool TasteLos(TNavTaste taste, TUmschaltMenge umschalt, int col, int row);

  TZelle Anker() const { return {FLastCol, FLastRow}; }
  bool Unten() const { return FUnten; }
  TZelle MausDruckZelle() const { return {FMouseDownCol, FMouseDownRow}; }

 private:
  void Rechteck(int col1, int row1, int col2, int row2);
  void Waehle(int col, int row, bool selected);
  bool GehoertZurAuswahl(int col, int row) const;

  int fColCount;
  int fRowCount;
  int fFixedCols;
  int fFixedRows;
  bool fRowSelect = false;

  int FLastRow;
  int FLastCol;
  int FMouseDownRow = -1;
  int FMouseDownCol = -1;
  int FMoveRow = -1;  // -1: noch keine Zelle behandelt (auch ohne feste Zeilen eindeutig)
  int FMoveCol = -1;
  bool FUnten = false;
  bool FMultiSelect = false;
  int FOriginRowCount = 0;
  int FOriginColCount = 0;
  std::vector<bool> FSelectRows;
  std::vector<bool> FSelectCells;  // Zelle (x, y) an y * ColCount + x
};
