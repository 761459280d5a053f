// "Fensteranordnung": vier Bildknöpfe für die Anordnungen 1 bis 4.
#pragma once

#include <QDialog>

class QToolButton;

class TFensterOrdForm : public QDialog {
 public:
  explicit TFensterOrdForm(QWidget* vater = nullptr);

  void SpeedButtonClick(int ord);
  void OkKnopfClick();
  int fOrd;
  QToolButton* SpeedButton[4];
};
