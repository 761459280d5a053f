// "Vertretene Stunden" (TVStdForm): die beiden laufenden Konten aller Lehrer in zwei Tabellen,
// je mit Auf und Ab und "Rücksetzen". Die Regeln stehen in VStdUnit.
#pragma once

#include <QDialog>
#include <array>

#include "ui/fenster/QuonGridUnit.h"

class QPushButton;
class QSpinBox;
class TLehrer;

class TVStdForm : public QDialog {
  Q_OBJECT

 public:
  explicit TVStdForm(QWidget* parent = nullptr);

  TQuonGrid* Tabelle1 = nullptr;
  TQuonGrid* Tabelle2 = nullptr;
  QSpinBox* UpDown1 = nullptr;
  QSpinBox* UpDown2 = nullptr;
  QPushButton* Ruecksetzen1Knopf = nullptr;
  QPushButton* Ruecksetzen2Knopf = nullptr;
  QPushButton* OkKnopf = nullptr;

  // Die Tabelle (1, 2) und ihre Teile.
  TQuonGrid* Tabelle(int t) const { return t == 2 ? Tabelle2 : Tabelle1; }
  QSpinBox* UpDown(int t) const { return t == 2 ? UpDown2 : UpDown1; }
  // Der Lehrer der gewählten Zeile der Tabelle, oder nichts.
  TLehrer* Gewaehlt(int t) const;
  void ZeileGewaehlt(int t, int row);
  void UpDownClick(int t, int wert);
  void RuecksetzenKnopfClick(int t);

 private:
  void Fuellen(int t);
  bool fSetzt = false;
  std::array<int, 3> fWert{};  // der letzte Stand der Regler
};

// TSchule.VStunden: "Vertretene Stunden" modal, wenn es einen Lehrer gibt.
void VStundenZeigen();
