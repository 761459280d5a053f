// "längere Fehlzeit": bis zu welchem Tag ein Element fehlt.
#pragma once

#include <QDialog>

#include "model/GlobalUnit.h"

class QLabel;
class QPushButton;
class QSpinBox;
class TPlanElement;

class TFehltLangForm : public QDialog {
  Q_OBJECT

 public:
  explicit TFehltLangForm(QWidget* parent = nullptr);
  // Kürzel des Elements, die Felder auf dem Tag des Tagesdialogs.
  void IFehltLangForm(TDateTime datum, const TPlanElement* planElement);

  TDateTime fDatum = 0;
  TDateTime fBisDatum = 0;  // nach "Ok": der gewählte Tag, mittags

  QLabel* KuerzelFeld = nullptr;
  QSpinBox* TagSpin = nullptr;
  QSpinBox* MonatSpin = nullptr;
  QSpinBox* JahrSpin = nullptr;
  QPushButton* OkKnopf = nullptr;
  QPushButton* AbbrechenKnopf = nullptr;

  void OkKnopfClick();
};
