#include "ui/fenster/EinzelFormUnit.h"

#include <QKeyEvent>

#include "model/SchulUnit.h"
#include "ui/fenster/QtFensterPlatzUnit.h"
#include "ui/fenster/QtUmschaltUnit.h"

TEinzelForm::TEinzelForm(TFenster* TSchule::*platz) : fSchulPlatz(platz) {}

int TEinzelForm::Anmelden() {
  const int index = NeuerFormIndex();
  if (Angemeldet()) return index;
  SchulPlatz(fSchulPlatz);
  TFensterBasis::Anmelden();
  return index;
}

void TEinzelForm::keyPressEvent(QKeyEvent* event) {
  FensterUmschaltMerken(TastenUmschalt(event));
  QWidget::keyPressEvent(event);
}

void TEinzelForm::keyReleaseEvent(QKeyEvent* event) {
  FensterUmschaltMerken(TastenUmschalt(event));
  QWidget::keyReleaseEvent(event);
}
