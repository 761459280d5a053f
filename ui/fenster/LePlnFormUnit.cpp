#include "ui/fenster/LePlnFormUnit.h"

#include <QPushButton>

#include "model/LehrerUnit.h"

TLePlnForm::TLePlnForm(QWidget* parent) : TPlnForm(parent) {
  PlanWechselKnopf->setToolTip(QStringLiteral("Klasse oder Kopplung anzeigen"));
}

void TLePlnForm::ILePlnForm(TLehrer* lehrer) {
  if (!lehrer) return;
  IPlnForm(lehrer);
}

void TLePlnForm::ElementZeigen(TElement* element) {
  if (auto* e = dynamic_cast<TLehrer*>(element)) ILePlnForm(e);
}
