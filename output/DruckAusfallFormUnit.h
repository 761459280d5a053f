// "Drucke Meldung": der Druckdialog des wöchentlichen Unterrichtsausfalls mit Schrift und linkem
// Rand; "Ok", "Ansehen" und "Als PDF speichern…" drucken über den Ablauf in DruckAuftragUnit.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "model/DienstUnit.h"
#include "output/DruckAuftragUnit.h"

class QLineEdit;
class QPushButton;
class QSpinBox;

class TDruckAusfallForm : public QDialog {
 public:
  TDruckAusfallForm(std::vector<std::string> zeilen, TDruckPlattform& plattform,
                    QWidget* vater = nullptr);

  void OkKnopfClick();
  void AnsehenKnopfClick();
  void PdfKnopfClick();
  // Die Schrift, wie sie das Feld zeigt (nach "Ändern").
  void SetzeSchrift(const TSchrift& schrift);

  QLineEdit* SchriftFeld = nullptr;
  QSpinBox* RandSpin = nullptr;
  QPushButton *OkKnopf, *AnsehenKnopf, *PapierKnopf, *PdfKnopf, *AbbrechenKnopf;

 private:
  // Schrift und Rand in die Einstellungen; der Auftrag für die Zeilen.
  TDruckAuftrag Auftrag();

  std::vector<std::string> fZeilen;
  TDruckPlattform& fPlattform;
  TSchrift fSchrift;
};

// Öffnet den Dialog modal für die Zeilen des Berichts.
void DruckAusfallZeigen(const std::vector<std::string>& zeilen, QWidget* vater);
