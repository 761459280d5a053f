// "Voreinstellung für Zeiten": die Stundenbezeichnungen einer Planversion mit Beginn und Ende
// jeder Stunde, Stunden 1 bis 8 links, 9 bis 16 rechts. Der Dialog arbeitet auf einer Kopie; "Ok"
// übernimmt sie.
#pragma once

#include "settings/fenster/StandardFormUnit.h"
#include "settings/VoreinstellungUnit.h"

class QTableWidget;

class TZeitForm : public TStandardForm {
 public:
  explicit TZeitForm(QWidget* vater = nullptr);

  // Zeigt die Bezeichnungen der Planversion.
  void VersionFeldChange();
  // Eine Zelle wurde bearbeitet (Stunde 1..16).
  void ZeitGeaendert(int std, const QString& text);
  // Beginn oder Ende wurde bearbeitet: eine Uhrzeit ("7:50") oder leer, sonst ein Piep.
  void UhrzeitGeaendert(int std, bool beginn, const QString& text);

  QSpinBox* VersionFeld;
  QTableWidget* ZeitGrid[2];  // Spalten "Stunde", "Zeit", "Beginn" und "Ende"

 protected:
  void Uebernehmen() override;

 private:
  TZeitBearbeitung fZeiten;
  bool fFuellen = false;
};
