// "Voreinstellung für Grunddaten": Sollstunden und Sperrung neuer Lehrer, Klassen und Räume,
// mit dem Werkzeug, das beides auf vorhandene Elemente kopiert.
#pragma once

#include "model/WoBereichsUnit.h"
#include "settings/fenster/StandardFormUnit.h"
#include "settings/VoreinstellungUnit.h"

class QCheckBox;
class QListWidget;
class QRadioButton;
class TSperrFeld;
class TPlanElement;

class TGrDatStandardForm : public TStandardForm {
 public:
  explicit TGrDatStandardForm(QWidget* vater = nullptr);

  TGrDatWerte Werte() const;
  // Die Liste zeigt die Kürzel der Art (0 Lehrer, 1 Klassen, 2 Räume).
  void ArtRadioClick(int art);
  void KopierenKnopfClick();
  std::vector<TPlanElement*> GewaehlteElemente() const;

  QSpinBox *LeSollFeld, *KlSollFeld;
  TSperrFeld* SperrFeld;
  QRadioButton* ArtRadio[3];
  QListWidget* KuerzelListe;
  QCheckBox *SperrCheck, *SollCheck;
  QPushButton* KopierenKnopf;

 protected:
  void Uebernehmen() override;

 private:
  void Freigeben();
  TWochBereich fSperrung;
  std::vector<TPlanElement*> fElemente;
};
