#include "ui/fenster/RaPlnFormUnit.h"

#include <QPushButton>

#include "model/RaumUnit.h"

TRaPlnForm::TRaPlnForm(QWidget* parent) : TPlnForm(parent) {
  PlanWechselKnopf->setToolTip(QStringLiteral("Klasse oder Kopplung anzeigen"));
}

void TRaPlnForm::IRaPlnForm(TRaum* raum) {
  if (!raum) return;
  IPlnForm(raum);
  PlnGrid->FocusCell(1, 1);
}

void TRaPlnForm::ElementZeigen(TElement* element) {
  if (auto* e = dynamic_cast<TRaum*>(element)) IRaPlnForm(e);
}

const TRaum* TRaPlnForm::RaumFilter() const {
  return static_cast<const TRaum*>(PlanElem());
}
