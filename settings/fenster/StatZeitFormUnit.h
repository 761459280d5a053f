// "Statistikzeitraum": Anfang und Ende als Tag, Monat und Jahr, beide auf heute vorbelegt.
#pragma once

#include <QDialog>

#include "model/GlobalUnit.h"

class QSpinBox;

class TStatZeitForm : public QDialog {
 public:
  explicit TStatZeitForm(QWidget* vater = nullptr);
  // Die Daten nach "Ok" (ein Tag, den es im Monat nicht gibt, ist gesenkt).
  TDateTime Von() const;
  TDateTime Bis() const;
  void OkKnopfClick();

  QSpinBox *VonTag, *VonMonat, *VonJahr, *BisTag, *BisMonat, *BisJahr;

 private:
  TDateTime fVon = 0, fBis = 0;
};
