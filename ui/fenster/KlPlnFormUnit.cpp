#include "ui/fenster/KlPlnFormUnit.h"

#include <QPushButton>

#include "model/KlassenUnit.h"

TKlPlnForm::TKlPlnForm(QWidget* parent) : TPlnForm(parent) {
  PlanWechselKnopf->setToolTip(QStringLiteral("Lehrer oder Kopplung anzeigen"));
}

void TKlPlnForm::IKlPlnForm(TKlasse* klasse) {
  if (!klasse) return;
  IPlnForm(klasse);
}

void TKlPlnForm::ElementZeigen(TElement* element) {
  if (auto* e = dynamic_cast<TKlasse*>(element)) IKlPlnForm(e);
}
