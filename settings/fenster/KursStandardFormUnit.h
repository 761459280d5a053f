// "Voreinstellung für Kurse": die Werte neuer Kurse, die Sortierung der Kurslisten und das
// Werkzeug, das Einstellungen auf die im Deputatsfenster ausgewählten Kurse kopiert.
#pragma once

#include "model/WoBereichsUnit.h"
#include "settings/fenster/StandardFormUnit.h"
#include "settings/VoreinstellungUnit.h"

class QCheckBox;
class QRadioButton;
class TSperrFeld;

class TKursStandardForm : public TStandardForm {
 public:
  explicit TKursStandardForm(QWidget* vater = nullptr);

  TKursWerte Werte() const;
  void StdProTagFeldChange();
  void FarbKnopfClick();
  void KopierenKnopfClick();
  const std::vector<TKurs*>& Kurse() const { return fKurse; }

  QSpinBox *KursStdFeld, *FaktorFeld, *StdProTagFeld, *EinzelStdFeld, *TabellenFeld;
  QCheckBox *VerplanenCheck, *ZaehlenKlCheck, *ZaehlenLeCheck;
  QPushButton* FarbKnopf;
  QRadioButton *KlassenRadio, *LehrerRadio;
  TSperrFeld* SperrFeld;
  QCheckBox* KopieCheck[kKursKopien];
  QPushButton* KopierenKnopf;

 protected:
  void Uebernehmen() override;

 private:
  void Freigeben();
  void FarbeZeigen();
  TWochBereich fSperrung;
  TColor fFarbe;
  std::vector<TKurs*> fKurse;
};
