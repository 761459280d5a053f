// Das Sperrraster: Tage als Spalten (fMaxTageNeu), 16 Stunden als Zeilen, für die gezeigte
// Woche (fAktuelleWoche). Gesperrte Zellen sind grau, besetzte tragen die rote Marke der Stunde.
// Ein Rechteck, das mit der linken Maustaste gezogen wird (umrandet, invertiert), schaltet beim
// Loslassen die Sperrung seiner Zellen um (ui/SperrZugUnit). TSperrFeld stellt die Tagesnamen
// darüber und die Stundenbezeichnungen rechts daneben. Kursfenster, Elementfenster und
// Voreinstellungen nutzen es.
#pragma once

#include <QWidget>
#include <functional>

#include "ui/fenster/QuonGridUnit.h"
#include "ui/SperrZugUnit.h"

class TWochBereich;

// Die Marke einer besetzten Zelle.
struct TSperrMarke {
  bool Belegt = false;
  bool Fixiert = false;    // Rechteck statt Ellipse
  bool Gekoppelt = false;  // rot gefüllt
};

class TSperrGrid : public TQuonGrid {
  Q_OBJECT

 public:
  // Die Marke der Stunde an Tag und Stunde der gezeigten Woche (nur für besetzte Zellen gefragt).
  using TMarkenQuelle = std::function<TSperrMarke(int tag, int std)>;

  explicit TSperrGrid(QWidget* parent = nullptr);

  // Die Bereiche, auf denen das Raster arbeitet (nicht besessen). Ohne Sperrung zeigt es nichts
  // und schaltet nichts um; ohne Besetzung ist keine Zelle besetzt.
  void SetzeBereiche(TWochBereich* sperrung, const TWochBereich* besetzung,
                     TMarkenQuelle marken = {});
  TWochBereich* Sperrung() const { return fSperrung; }
  // Spalten nach fMaxTageNeu, 16 Zeilen, feste Größe nach dem Zellmaß.
  void Anpassen(int spaltenBreite, int zeilenHoehe);

  const TSperrZug& Zug() const { return fZug; }
  // Das Rechteck der Zelle (Tag, Stunde) im sichtbaren Bereich.
  QRect ZellRechteck(int tag, int std) const { return CellRect(tag - 1, std - 1); }
  // Das gerade gezogene Rechteck in Bildpunkten des sichtbaren Bereichs (leer ohne Ziehen).
  QRect GummiRechteck() const;

 signals:
  // Ein Rechteck wurde angewandt; zellen: die Zahl der umgeschalteten Zellen aller Wochen.
  void SperrungGeaendert(int zellen);

 protected:
  void ZelleZeichnen(QPainter& painter, int col, int row, const QRect& rect,
                     const TZellZustand& zustand) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  TZelle Zelle(const QPoint& pos) const;
  void GridDruck(const TGridMaus& maus);
  void GridZug(const TGridMaus& maus);
  void GridLos(const TGridMaus& maus);

  TWochBereich* fSperrung = nullptr;
  const TWochBereich* fBesetzung = nullptr;
  TMarkenQuelle fMarken;
  TSperrZug fZug;
};

// Das Sperrraster mit den Tagesnamen darüber (TagGrid) und den Stundenbezeichnungen der
// aktuellen Woche rechts daneben (StdGrid).
class TSperrFeld : public QWidget {
  Q_OBJECT

 public:
  explicit TSperrFeld(QWidget* parent = nullptr);

  // Neu aufbauen: Spalten nach fMaxTageNeu, Tagesnamen, Stundenbezeichnungen der aktuellen
  // Woche, Zellmaß nach der Schrift; neu zeichnen.
  void Fuellen();

  TQuonGrid* TagGrid = nullptr;
  TSperrGrid* SperrGrid = nullptr;
  TQuonGrid* StdGrid = nullptr;
};
