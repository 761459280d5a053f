// "Voreinstellung für Pläne": Anordnung der Kürzel, Räume, Kopplungen fett, Stunden pro Tag,
// Schrift und Breiten der Planfenster, Anordnung der Manuellfenster.
#pragma once

#include "settings/StandardFormUnit.h"
#include "settings/VoreinstellungUnit.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

class TPlnStandardForm : public TStandardForm {
 public:
  explicit TPlnStandardForm(QWidget* vater = nullptr);

  TPlnWerte Werte() const;
  void SchriftKnopfClick();
  void SetzeSchrift(const TSchrift& schrift);

  QRadioButton *NebenRadio, *UnterRadio;
  QCheckBox *RaumCheck, *KoppFettCheck;
  QSpinBox* StdFeld;
  QLineEdit* SchriftFeld;
  QPushButton* SchriftKnopf;
  TBreitenFeld* Breiten;
  QComboBox* ManArtFeld;

 protected:
  void Uebernehmen() override;

 private:
  TSchrift fSchrift;
};
