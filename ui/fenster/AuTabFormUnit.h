// TAuTabForm: der Tabelleneditor "Voreinstellung für die Automatik". Ein Raster mit den Tagen
// oben und den Stundenbezeichnungen der aktuellen Woche links; jede Zelle zeigt ihre
// Ordnungszahl und am rechten Rand einen schmalen Streifen mit den Verbindungsmarken (rot
// verbunden, schwarz nicht). Ein Klick in die obere oder untere Hälfte des Streifens schaltet die
// Verbindung um, Ziehen einer Zelle auf eine andere tauscht die Ordnungszahlen. Die Regeln stehen
// in ui/AutoTabelleUnit.
#pragma once

#include <QDialog>
#include <string>

#include "ui/AutoTabelleUnit.h"
#include "ui/fenster/QuonGridUnit.h"

class QMenu;
class QPushButton;
class QSpinBox;

class TAuTabForm : public QDialog {
  Q_OBJECT

 public:
  explicit TAuTabForm(QWidget* parent = nullptr);

  // Breite des Streifens der Verbindungsmarken in Bildpunkten.
  static constexpr int StreifenBreite = 7;

  TQuonGrid* TabGrid = nullptr;
  QSpinBox* TabSpin = nullptr;  // "Tabelle Nr.:"
  QPushButton* OkKnopf = nullptr;
  QPushButton* CancelKnopf = nullptr;
  QPushButton* WechselnKnopf = nullptr;

  const TAutoTabellenKopie& Kopie() const { return fKopie; }
  // "Wechseln": das Menü der Voreinstellungen; ein gewählter Eintrag übernimmt wie "Ok".
  QMenu* WechselMenue() const { return fWechselMenue; }
  void Wechseln(const std::string& ziel);
  // Der über "Wechseln" gewählte Dialog, leer ohne Wechsel.
  const std::string& WechselZiel() const { return fWechselZiel; }
  int Tabelle() const;
  // Punkte im sichtbaren Bereich (für Tests): Mitte der Zelle, obere und untere Hälfte des
  // Streifens.
  QPoint ZellPunkt(int tag, int std) const;
  QPoint StreifenPunkt(int tag, int std, bool oben) const;

 private:
  void Zeichne(QPainter& p, int col, int row, const QRect& rect, const TZellZustand& z);
  void MausDruck(const TGridMaus& maus);
  void ZiehenEnde(const TGridMaus& maus, bool abgelegt);

  TAutoTabellenKopie fKopie;
  QMenu* fWechselMenue = nullptr;
  std::string fWechselZiel;
  int fStartTag = 0;
  int fStartStd = 0;
};
