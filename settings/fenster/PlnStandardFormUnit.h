// "Voreinstellung für Pläne": Anordnung der Kürzel, Räume, Kopplungen fett, Stunden pro Tag,
// Schrift und Breiten der Planfenster, Anordnung der Manuellfenster.
#pragma once

#include "settings/fenster/SchriftStandardFormUnit.h"
#include "settings/VoreinstellungUnit.h"

class QCheckBox;
class QComboBox;
class QRadioButton;

class TPlnStandardForm : public TSchriftStandardForm {
 public:
  explicit TPlnStandardForm(QWidget* vater = nullptr);

  TPlnWerte Werte() const;

  QRadioButton *NebenRadio, *UnterRadio;
  QCheckBox *RaumCheck, *KoppFettCheck;
  QSpinBox* StdFeld;
  QComboBox* ManArtFeld;

 protected:
  void Uebernehmen() override;
  std::array<int, 5> BreitenMessen(TStandard& s, const TSchrift& schrift) const override;
};
