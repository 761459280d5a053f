// Die Mehrfachwahl (MultiMenu): ein modales Fenster mit allen Kürzeln einer Liste in einem
// Raster; gewählt wird mit Drücken, Ziehen und Loslassen (Strg = alle, Alt = keins).
#pragma once

#include <QDialog>
#include <vector>

#include "ui/MehrfachWahlUnit.h"

class TElement;
class QPushButton;

// Die Fläche mit den Kürzeln.
class TMenuFeld : public QWidget {
  Q_OBJECT

 public:
  TMenuFeld(std::vector<QString> texte, TMehrfachWahl& wahl, QWidget* parent);
  QSize sizeHint() const override;
  // Die Zelle (Spalte, Zeile) an einem Punkt, oder (-1, -1).
  QPoint ZelleAn(const QPoint& pos) const;
  QRect ZellRechteck(int spalte, int zeile) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QPoint Geklemmt(const QPoint& pos) const;

  std::vector<QString> fTexte;
  TMehrfachWahl& fWahl;
  int fBreite = 40;
  int fHoehe = 18;
  QPoint fBis{-1, -1};
};

class TMenuForm : public QDialog {
  Q_OBJECT

 public:
  TMenuForm(const std::vector<TElement*>& menge, const QString& titel, QWidget* parent = nullptr);

  TMehrfachWahl& Wahl() { return fWahl; }
  TMenuFeld* Feld() const { return fFeld; }
  QPushButton* OkKnopf() const { return fOk; }
  QPushButton* AbbrechenKnopf() const { return fAbbrechen; }
  // Die gewählten Elemente in der Folge der Wahl.
  std::vector<TElement*> Ergebnis() const;

 private:
  std::vector<TElement*> fMenge;
  TMehrfachWahl fWahl;
  TMenuFeld* fFeld = nullptr;
  QPushButton* fOk = nullptr;
  QPushButton* fAbbrechen = nullptr;
};
