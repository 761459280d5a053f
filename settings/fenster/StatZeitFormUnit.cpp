#include "settings/fenster/StatZeitFormUnit.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "model/DatumUnit.h"
#include "settings/fenster/StandardFormUnit.h"
#include "settings/VoreinstellungUnit.h"
#include "ui/fenster/QtTextUnit.h"

TStatZeitForm::TStatZeitForm(QWidget* vater) : QDialog(vater) {
  setWindowTitle(T("Statistikzeitraum"));
  auto* g = new QGridLayout(this);
  const TDatum heute = ZahlZuDatum(Heute());
  QSpinBox** felder[2][3] = {{&VonTag, &VonMonat, &VonJahr}, {&BisTag, &BisMonat, &BisJahr}};
  static const char* const kNamen[2][3] = {{"VonTag", "VonMonat", "VonJahr"},
                                           {"BisTag", "BisMonat", "BisJahr"}};
  g->addWidget(new QLabel(T("Tag"), this), 0, 1);
  g->addWidget(new QLabel(T("Monat"), this), 0, 2);
  g->addWidget(new QLabel(T("Jahr"), this), 0, 3);
  g->addWidget(new QLabel(T("von"), this), 1, 0);
  g->addWidget(new QLabel(T("bis"), this), 2, 0);
  for (int z = 0; z < 2; ++z) {
    *felder[z][0] = ZahlFeld(this, 1, 31, kNamen[z][0]);
    *felder[z][1] = ZahlFeld(this, 1, 12, kNamen[z][1]);
    *felder[z][2] = ZahlFeld(this, 1994, 2100, kNamen[z][2]);
    (*felder[z][0])->setValue(heute.Tag);
    (*felder[z][1])->setValue(heute.Monat);
    (*felder[z][2])->setValue(heute.Jahr);
    for (int s = 0; s < 3; ++s) g->addWidget(*felder[z][s], z + 1, s + 1);
  }
  auto* knoepfe = new QDialogButtonBox(this);
  QPushButton* ok = knoepfe->addButton(T("Ok"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(T("OkKnopf"));
  knoepfe->addButton(T("Abbrechen"), QDialogButtonBox::RejectRole);
  g->addWidget(knoepfe, 3, 0, 1, 4);
  connect(ok, &QPushButton::clicked, this, [this] { OkKnopfClick(); });
  connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void TStatZeitForm::OkKnopfClick() {
  fVon = StatistikDatum(VonTag->value(), VonMonat->value(), VonJahr->value());
  fBis = StatistikDatum(BisTag->value(), BisMonat->value(), BisJahr->value());
  accept();
}

TDateTime TStatZeitForm::Von() const {
  return fVon;
}
TDateTime TStatZeitForm::Bis() const {
  return fBis;
}
