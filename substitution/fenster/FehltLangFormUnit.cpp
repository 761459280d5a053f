#include "substitution/fenster/FehltLangFormUnit.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "model/DatumUnit.h"
#include "model/PlanElemUnit.h"
#include "substitution/FehlDialogUnit.h"

TFehltLangForm::TFehltLangForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("längere Fehlzeit"));
  KuerzelFeld = new QLabel(this);
  auto* gruppe = new QGroupBox(QStringLiteral("Datum"), this);
  auto* felder = new QHBoxLayout(gruppe);
  auto spin = [&](const char* text, int von, int bis) {
    auto* spalte = new QVBoxLayout;
    spalte->addWidget(new QLabel(QString::fromUtf8(text), gruppe));
    auto* s = new QSpinBox(gruppe);
    s->setRange(von, bis);
    spalte->addWidget(s);
    felder->addLayout(spalte);
    return s;
  };
  TagSpin = spin("Tag", 1, 31);
  MonatSpin = spin("Monat", 1, 12);
  JahrSpin = spin("Jahr", 1994, 2039);
  OkKnopf = new QPushButton(QStringLiteral("Ok"), this);
  AbbrechenKnopf = new QPushButton(QStringLiteral("Abbrechen"), this);
  OkKnopf->setDefault(true);
  connect(OkKnopf, &QPushButton::clicked, this, &TFehltLangForm::OkKnopfClick);
  connect(AbbrechenKnopf, &QPushButton::clicked, this, &QDialog::reject);
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addStretch();
  knoepfe->addWidget(OkKnopf);
  knoepfe->addWidget(AbbrechenKnopf);
  auto* spalte = new QVBoxLayout(this);
  spalte->addWidget(KuerzelFeld);
  spalte->addWidget(gruppe);
  spalte->addLayout(knoepfe);
}

void TFehltLangForm::IFehltLangForm(TDateTime datum, const TPlanElement* planElement) {
  fDatum = datum;
  const std::string kuerzel = planElement ? U8(planElement->fKuerzel.str()) : std::string();
  KuerzelFeld->setText(QString::fromStdString(kuerzel) + QStringLiteral("\nfehlt bis"));
  const TDatum d = ZahlZuDatum(datum);
  TagSpin->setValue(d.Tag);
  MonatSpin->setValue(d.Monat);
  JahrSpin->setValue(d.Jahr);
}

void TFehltLangForm::OkKnopfClick() {
  int tag = TagSpin->value(), monat = MonatSpin->value(), jahr = JahrSpin->value();
  fBisDatum = FehltLangDatum(tag, monat, jahr, fDatum);
  TagSpin->setValue(tag);
  MonatSpin->setValue(monat);
  JahrSpin->setValue(jahr);
  accept();
}
