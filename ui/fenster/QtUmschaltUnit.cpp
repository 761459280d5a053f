#include "ui/fenster/QtUmschaltUnit.h"

#include <QGuiApplication>

#include "model/DienstUnit.h"
#include "ui/fenster/QuonGridUnit.h"

unsigned FensterUmschalt() {
  if (const TFensterDienst* dienst = FensterDienst())
    if (const std::optional<unsigned> umschalt = dienst->Umschalttasten()) return *umschalt;
  return TQuonGrid::Umschalt(QGuiApplication::keyboardModifiers(), Qt::NoButton) & umTasten;
}

void FensterUmschaltMerken(unsigned umschalt) {
  if (TFensterDienst* dienst = FensterDienst()) dienst->UmschalttastenSetzen(umschalt);
}
