// "Voreinstellung für den Kalender": Planversionen der Kalenderwochen und Ferientage eines Monats.
#pragma once

#include <QDialog>
#include <QPointer>

#include "substitution/KalenderDialogUnit.h"
#include "ui/fenster/PopupMenueUnit.h"

class QLabel;
class QPushButton;
class QRubberBand;
class QToolButton;

// Das Monatsraster: 7 Spalten, 9 Zeilen; Zeilen 0 und 1 und Spalte 0 sind fest.
class TKalenderGrid : public QWidget {
  Q_OBJECT

 public:
  TKalenderGrid(TKalenderModell& modell, QWidget* parent);
  static constexpr int kErsteBreite = 70;
  static constexpr int kBreite = 40;
  static constexpr int kHoehe = 20;
  QRect ZellRechteck(int spalte, int zeile) const;
  // Die Zelle an der Stelle, oder (-1, -1).
  QPoint ZelleAn(const QPoint& pos) const;
  QSize sizeHint() const override;

 signals:
  // Maus losgelassen in Zeile 0 (Spalte 1..6), ohne Gummiband.
  void VersionsZelle(int spalte);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  TKalenderModell& fModell;
  QRubberBand* fBand = nullptr;
  QPoint fStart{-1, -1};
  QPoint fStartPunkt;
  bool fAmZeichnen = false;
};

class TKalenderForm : public QDialog {
  Q_OBJECT

 public:
  explicit TKalenderForm(QWidget* parent = nullptr);
  // Kopien der Tabellen, der Monat von heute.
  void IKalenderForm();

  TKalenderModell fModell;
  // Über "Wechseln" gewählter Dialog (Index des Wechselmenüs), -1: keiner.
  int fStdWahl = -1;

  QLabel* MonatsFeld = nullptr;
  QToolButton* ZurueckKnopf = nullptr;
  QToolButton* VorKnopf = nullptr;
  TKalenderGrid* KalenderGrid = nullptr;
  QPushButton* OkKnopf = nullptr;
  QPushButton* AbbrechenKnopf = nullptr;
  QPushButton* WechselnKnopf = nullptr;

  void OkKnopfClick();
  void WechselnKnopfClick();
  // Das zuletzt geöffnete Menü (Planversionen oder Wechseln), solange es offen ist.
  TPopupMenue* OffenesMenue() const { return fMenue.data(); }

  // Die Einträge des Wechselmenüs; wählbar, wessen Dialog es gibt.
  static TMenue WechselMenu();

 private:
  void Auffrischen();
  void VersionsMenue(int spalte);
  QPointer<TPopupMenue> fMenue;
};
