// "Voreinstellung für Vertretungen": die 20 Bemerkungen und Gründe der Vertretungsplanung.
#pragma once

#include "settings/fenster/StandardFormUnit.h"

class QCheckBox;
class QTableWidget;

class TVertrStandardForm : public TStandardForm {
 public:
  explicit TVertrStandardForm(QWidget* vater = nullptr);

  QTableWidget* BemGrid;  // Spalten "Bemerkungen für Vertretungen" und "Grund", 20 Zeilen
  QCheckBox *FreiCheck, *BemAutoCheck;

 protected:
  void Uebernehmen() override;
};
