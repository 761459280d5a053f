// "Voreinstellung für HTML-Farben": die Farben der Seiten stehen in der Stilvorlage "tamrel.css";
// der Dialog verweist nur auf sie und ändert nichts.
#pragma once

#include "settings/fenster/StandardFormUnit.h"

class THTMLStandardForm : public TStandardForm {
 public:
  explicit THTMLStandardForm(QWidget* vater = nullptr);

 protected:
  void Uebernehmen() override {}
};
