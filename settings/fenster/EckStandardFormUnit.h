// "Voreinstellung für Eckdaten": Schulname, Zeiteinheit, Stellen, Planversionen, Erinnerung ans
// Sichern, Aufbewahrung der Vertretungen, Tage pro Woche, Werkzeugpalette und Hintergrund.
#pragma once

#include "settings/fenster/StandardFormUnit.h"
#include "settings/VoreinstellungUnit.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

class TEckStandardForm : public TStandardForm {
 public:
  explicit TEckStandardForm(QWidget* vater = nullptr);

  TEckWerte Werte() const;
  void FarbKnopfClick();
  // Die gewählte Hintergrundfarbe: der Knopf und ein gezeigter Hintergrund nehmen sie sofort an;
  // "Abbrechen" stellt die gespeicherte Farbe wieder her, "Ok" speichert sie.
  void FarbeSetzen(TColor farbe);
  void reject() override;

  QSpinBox *DivisorFeld, *VorKommaFeld, *NachKommaFeld, *VersionFeld, *SpeicherFeld, *MerkeFeld;
  QRadioButton* TageRadio[3];
  QComboBox* PaletteFeld;
  QCheckBox* HintergrundCheck;
  QPushButton* FarbKnopf;
  QCheckBox* FensterWiederCheck;  // "Fenster beim Öffnen wiederherstellen"
  QLineEdit* SchulnameFeld;       // "Schulname" (80 Zeichen, Windows-1252)

 protected:
  void Uebernehmen() override;

 private:
  void FarbeZeigen();
  TColor fFarbe;
};
