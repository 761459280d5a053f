// "Voreinstellung für Planversionen": Aktionen für alle Planversionen zugleich und das Kopieren
// einer Planversion in eine andere.
#pragma once

#include "settings/fenster/StandardFormUnit.h"

class QCheckBox;
class QListWidget;
class QRadioButton;
class TElement;

class TVersStandardForm : public TStandardForm {
 public:
  explicit TVersStandardForm(QWidget* vater = nullptr);

  // Die Liste zeigt die Kürzel der Art (0 Lehrer … 4 Räume, 5 alle Kurse).
  void KuerzelRadioClick(int art);
  void KopierenKnopfClick();
  std::vector<TElement*> GewaehlteElemente() const;
  // Nach "Ok": wahr, wenn sich der Schalter "alle Planversionen" geändert hat (die Palette baut
  // dann ihre Versionsknöpfe neu).
  bool SchalterGeaendert() const { return fSchalterGeaendert; }

  QCheckBox* AlleCheck;
  QRadioButton* KuerzelRadio[6];
  QRadioButton *DeputatRadio, *PlanRadio;
  QSpinBox *VonFeld, *ZuFeld;
  QListWidget* KuerzelListe;
  QPushButton* KopierenKnopf;

 protected:
  void Uebernehmen() override;

 private:
  int Art() const;
  void Freigeben();
  std::vector<TElement*> fElemente;
  bool fSchalterGeaendert = false;
};
