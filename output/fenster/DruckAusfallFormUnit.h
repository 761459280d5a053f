// "Drucke Meldung": der Druckdialog des wöchentlichen Unterrichtsausfalls mit Schrift und linkem
// Rand; "Ok", "Ansehen" und "Als PDF speichern…" drucken über den Ablauf in DruckAuftragUnit.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "model/DienstUnit.h"
#include "output/DruckAuftragUnit.h"
#include "output/fenster/DruckDialogFormUnit.h"

class QSpinBox;

class TDruckAusfallForm : public TDruckDialog {
 public:
  TDruckAusfallForm(std::vector<std::string> zeilen, TDruckPlattform& plattform,
                    QWidget* vater = nullptr);

  // Die Schrift, wie sie das Feld zeigt (nach "Ändern").
  void SetzeSchrift(const TSchrift& schrift);

  QSpinBox* RandSpin = nullptr;

 private:
  // Schrift und Rand in die Einstellungen; der Auftrag für die Zeilen.
  void OptionenSpeichern() override;
  TDruckAuftrag Auftrag() const override;

  std::vector<std::string> fZeilen;
};

// Öffnet den Dialog modal für die Zeilen des Berichts.
void DruckAusfallZeigen(const std::vector<std::string>& zeilen, QWidget* vater);
