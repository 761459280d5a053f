// TQuonGrid: das Textraster der Plan-, Übersichts-, Deputats-, UV- und Vertretungsfenster.
// Texte und ein Objekt je Zelle, feste Kopfzeilen und -spalten, Spaltenbreiten und
// Zeilenhöhen, eine eigene aktuelle Zelle und eine eigene Auswahl beliebiger Zellen oder
// Zeilen (TQuonAuswahl). Die Fenster zeichnen über die Zellen, hören auf Maus und Ziehen und
// lesen die Auswahl.
#pragma once

#include <QAbstractScrollArea>
#include <QCursor>
#include <QMetaType>
#include <QString>
#include <functional>
#include <vector>

#include "ui/QuonAuswahlUnit.h"
#include "ui/RasterMassUnit.h"

class QPainter;

// Ein Mausereignis auf dem Raster. Col/Row ist die Zelle unter der Maus oder -1 (außerhalb).
struct TGridMaus {
  int Col = -1;
  int Row = -1;
  QPoint Pos;  // Koordinaten im sichtbaren Bereich des Rasters
  Qt::MouseButton Knopf = Qt::NoButton;
  Qt::MouseButtons Knoepfe;
  Qt::KeyboardModifiers Tasten;
  TUmschaltMenge Umschalt = 0;  // Shift/Alt/Strg, Maustasten, Doppelklick
  bool Doppelt = false;
};
Q_DECLARE_METATYPE(TGridMaus)

// Zustand einer Zelle beim Zeichnen.
struct TZellZustand {
  bool Fest = false;         // Kopfzelle (feste Zeile oder Spalte)
  bool Ausgewaehlt = false;  // Zelle oder ihre Zeile ist ausgewählt
  bool Aktuell = false;      // die aktuelle Zelle des Rasters
  bool Fokus = false;        // aktuell und das Raster hat den Fokus
};

// Ziel beim Ziehen: vorbelegt mit der Zelle unter der Maus; das Fenster darf es ändern.
struct TZiehZiel {
  int Col = -1;
  int Row = -1;
  bool Akzeptiert = false;
};

class TQuonGrid : public QAbstractScrollArea {
  Q_OBJECT

 public:
  // Zeichnet über eine Zelle, nachdem das Raster sie gezeichnet hat.
  using TZeichner =
      std::function<void(QPainter&, int col, int row, const QRect& rect, const TZellZustand&)>;

  explicit TQuonGrid(QWidget* parent = nullptr);
  ~TQuonGrid() override;

  // Größe und Inhalt (Inhalte bleiben beim Vergrößern und Verkleinern an ihrer Zelle).
  int ColCount() const { return fColCount; }
  int RowCount() const { return fRowCount; }
  void SetColCount(int n);
  void SetRowCount(int n);
  int FixedCols() const { return fFixedCols; }
  int FixedRows() const { return fFixedRows; }
  void SetFixedCols(int n);
  void SetFixedRows(int n);
  QString Cells(int col, int row) const;
  void SetCells(int col, int row, const QString& text);
  void* Objects(int col, int row) const;
  void SetObjects(int col, int row, void* objekt);
  // Leert Texte und Objekte aller Zellen.
  void Leeren();
  // Fügt eine leere Zeile bzw. Spalte an der Stelle ein (0 .. RowCount bzw. ColCount); die
  // folgenden rücken mit Texten, Objekten und Maßen weiter; die Auswahl wird leer.
  void InsertRow(int row);
  void InsertCol(int col);

  int DefaultColWidth() const { return fDefaultColWidth; }
  int DefaultRowHeight() const { return fDefaultRowHeight; }
  void SetDefaultColWidth(int breite);  // setzt alle Spalten
  void SetDefaultRowHeight(int hoehe);  // setzt alle Zeilen
  int ColWidths(int col) const;
  int RowHeights(int row) const;
  void SetColWidths(int col, int breite);
  void SetRowHeights(int row, int hoehe);
  int GridLineWidth() const { return fLinie; }
  void SetGridLineWidth(int breite);
  // Breite und Höhe aller Zellen mit Linien, ohne Rahmen und Rollbalken.
  QSize GesamtGroesse() const;

  // Optionen.
  bool RowSelect() const { return fAuswahl.RowSelect(); }
  void SetRowSelect(bool an);
  bool MultiSelect() const { return fAuswahl.MultiSelect(); }
  void SetMultiSelect(bool an) { fAuswahl.SetMultiSelect(an); }
  bool ColSizing() const { return fColSizing; }
  void SetColSizing(bool an) { fColSizing = an; }

  // Die aktuelle Zelle (immer eine Datenzelle, solange es eine gibt).
  int Col() const { return fCol; }
  int Row() const { return fRow; }
  void SetCol(int col) { FocusCell(col, fRow); }
  void SetRow(int row) { FocusCell(fCol, row); }
  void FocusCell(int col, int row);

  // Sichtbarer Ausschnitt.
  int TopRow() const { return fTopRow; }
  int LeftCol() const { return fLeftCol; }
  void SetTopRow(int row);
  void SetLeftCol(int col);
  int VisibleRowCount() const;  // ganz sichtbare Datenzeilen ab TopRow
  int VisibleColCount() const;
  int MaxTopRow() const;
  int MaxLeftCol() const;
  // Rollt so, dass die Zelle ganz sichtbar ist (soweit sie passt).
  void ScrollToCell(int col, int row);
  // Rechteck der Zelle im sichtbaren Bereich; leer, wenn sie weggerollt ist.
  QRect CellRect(int col, int row) const;
  // Zelle an einem Punkt des sichtbaren Bereichs; -1 je Achse außerhalb der Zellen.
  TZelle MouseToCell(const QPoint& pos) const;

  // Die Auswahl.
  void SelectAll();
  void DeSelectAll();
  bool GetSelectRow(int row) const { return fAuswahl.GetSelectRow(row); }
  bool GetSelectCell(int col, int row) const { return fAuswahl.GetSelectCell(col, row); }
  void SetSelectRow(int row, bool selected);
  void SetSelectCell(int col, int row, bool selected);
  int GetSelectRowCount() const { return fAuswahl.GetSelectRowCount(); }
  int GetSelectCellCount() const { return fAuswahl.GetSelectCellCount(); }
  std::vector<TZelle> AusgewaehlteZellen() const { return fAuswahl.AusgewaehlteZellen(); }
  std::vector<int> AusgewaehlteZeilen() const { return fAuswahl.AusgewaehlteZeilen(); }
  const TQuonAuswahl& Auswahl() const { return fAuswahl; }

  // Zeichnen: eigene Zeichnung je Zelle nach der des Rasters.
  void SetZeichner(TZeichner zeichner);

  // Mauszeiger über den Zellen und beim Ziehen.
  void SetzeCursor(const QCursor& cursor);
  QCursor Cursor() const { return fCursor; }
  void SetzeZiehCursor(const QCursor& cursor) { fZiehCursor = cursor; }
  QCursor ZiehCursor() const { return fZiehCursor; }

  // Ziehen innerhalb des Rasters, gestartet von einem Fenster (meist beim Mausdruck).
  // sofort: beginnt gleich; sonst, sobald die Maus um die Ziehschwelle bewegt wurde.
  void BeginDrag(bool sofort = true);
  bool Dragging() const { return fZiehen == TZiehen::Aktiv; }
  // Bricht ein laufendes Ziehen ab (auch mit Escape).
  void CancelDrag();

  // Umschalttasten eines Qt-Ereignisses als Menge.
  static TUmschaltMenge Umschalt(Qt::KeyboardModifiers tasten, Qt::MouseButtons knoepfe,
                                 bool doppelt = false);

 signals:
  // Nach der Behandlung durch das Raster (die Auswahl ist dann schon angepasst).
  void MausDruck(const TGridMaus& maus);
  void MausZug(const TGridMaus& maus);
  void MausLos(const TGridMaus& maus);
  void DoppelKlick(const TGridMaus& maus);  // nur die linke Taste; danach folgt MausDruck
  // Beim Ziehen über einem Punkt; das Fenster darf das Ziel ändern oder ablehnen.
  void ZiehenUeber(const TGridMaus& maus, TZiehZiel* ziel);
  // Ende des Ziehens: maus.Col/Row ist die zuletzt akzeptierte Zelle (-1: keine);
  // abgelegt: losgelassen über einer akzeptierten Stelle (falsch bei Abbruch).
  // Nach einem Ziehen folgt kein MausLos.
  void ZiehenEnde(const TGridMaus& maus, bool abgelegt);
  void AuswahlGeaendert();
  void AktuelleZelleGeaendert(int col, int row);
  void Gescrollt(int leftCol, int topRow);
  void SpaltenBreiteGeaendert(int col);

 protected:
  // Zeichnet eine Zelle: Hintergrund, Text; dann den Zeichner des Fensters.
  virtual void ZelleZeichnen(QPainter& painter, int col, int row, const QRect& rect,
                             const TZellZustand& zustand);

  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  QSize viewportSizeHint() const override;

 private:
  enum class TZiehen { Nein, Wartet, Aktiv };

  int Index(int col, int row) const { return row * fColCount + col; }
  bool GueltigeZelle(int col, int row) const {
    return col >= 0 && col < fColCount && row >= 0 && row < fRowCount;
  }
  void NeueGroesse(int cols, int rows);
  void RollbalkenAnpassen();
  int SpaltenLinks(int col) const;  // linke Kante im sichtbaren Bereich, -1 wenn weggerollt
  int ZeileOben(int row) const;
  int FesteBreite() const;
  int FesteHoehe() const;
  int SpalteAn(int x) const;  // -1 links außerhalb, -2 rechts hinter der letzten Spalte
  int ZeileAn(int y) const;
  TZelle ZelleBeimZiehen(const QPoint& pos);
  int SpaltenGrenze(const QPoint& pos) const;  // Spalte, deren rechte Linie unter pos liegt
  TGridMaus Maus(const QMouseEvent* event, bool doppelt) const;
  void Druck(QMouseEvent* event, bool doppelt);
  void ZiehenUeberPunkt(const QPoint& pos, Qt::KeyboardModifiers tasten, Qt::MouseButtons knoepfe,
                        bool* akzeptiert);
  void ZiehenBeenden(const QPoint& pos, Qt::KeyboardModifiers tasten, bool abbruch);
  void CursorFuer(const QPoint& pos);
  void Merke(const QMouseEvent* event);
  void NeuZeichnen(bool auswahlGeaendert);

  int fColCount = 5;
  int fRowCount = 5;
  int fFixedCols = 1;
  int fFixedRows = 1;
  std::vector<QString> fTexte;
  std::vector<void*> fObjekte;
  int fDefaultColWidth = 64;
  int fDefaultRowHeight = 24;
  TRasterMasse fBreiten;  // Spaltenbreiten mit der Linie nach jeder Spalte
  TRasterMasse fHoehen;   // Zeilenhöhen ebenso
  int fLinie = 1;
  bool fColSizing = false;

  int fCol = 1;
  int fRow = 1;
  int fTopRow = 1;
  int fLeftCol = 1;
  bool fRollen = false;  // Rollbalken werden gerade vom Raster gesetzt

  TQuonAuswahl fAuswahl;
  TZeichner fZeichner;
  QCursor fCursor;
  QCursor fZiehCursor{Qt::DragMoveCursor};

  TZiehen fZiehen = TZiehen::Nein;
  QPoint fDruckPos;
  QPoint fLetztePos;
  Qt::KeyboardModifiers fLetzteTasten;
  Qt::MouseButtons fLetzteKnoepfe;
  TZiehZiel fZiel;

  int fBreitenSpalte = -1;  // Spalte, deren Breite gerade gezogen wird
  int fBreitenStartX = 0;
  int fBreitenStart = 0;
};
