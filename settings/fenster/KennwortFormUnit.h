// "Voreinstellung für das Kennwort": das Startkennwort; leer löscht es.
#pragma once

#include "settings/fenster/StandardFormUnit.h"

class QLineEdit;

class TKennwortForm : public TStandardForm {
 public:
  explicit TKennwortForm(QWidget* vater = nullptr);

  QLineEdit* KWFeld;

 protected:
  void Uebernehmen() override;
};
