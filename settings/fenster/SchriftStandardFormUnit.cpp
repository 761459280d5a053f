#include "settings/fenster/SchriftStandardFormUnit.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "settings/StandardUnit.h"

TSchriftStandardForm::TSchriftStandardForm(const char* titel, QWidget* vater)
    : TStandardForm(titel, vater) {}

void TSchriftStandardForm::SchriftUndBreitenAnlegen(const std::array<int, 5>& breiten) {
  auto* schrift = new QGroupBox(QStringLiteral("Schrift"), this);
  auto* sl = new QHBoxLayout(schrift);
  SchriftFeld = new QLineEdit(SchriftText(fSchrift), schrift);
  SchriftFeld->setReadOnly(true);
  SchriftKnopf = new QPushButton(QString::fromUtf8("Ändern"), schrift);
  SchriftKnopf->setObjectName(QStringLiteral("SchriftKnopf"));
  sl->addWidget(SchriftFeld);
  sl->addWidget(SchriftKnopf);
  Inhalt()->addWidget(schrift);
  Breiten = new TBreitenFeld(this);
  Breiten->Setze(breiten);
  Inhalt()->addWidget(Breiten);
  connect(SchriftKnopf, &QPushButton::clicked, this, [this] { SchriftKnopfClick(); });
}

void TSchriftStandardForm::SchriftKnopfClick() {
  TSchrift s = fSchrift;
  if (SchriftWaehlen(s, this)) SetzeSchrift(s);
}

void TSchriftStandardForm::SetzeSchrift(const TSchrift& schrift) {
  fSchrift = schrift;
  SchriftFeld->setText(SchriftText(fSchrift));
  // Gemessen mit der neuen Schrift; die Einstellungen ändert erst "Ok".
  TStandard& s = Standard();
  const TStandard alt = s;
  Breiten->Setze(BreitenMessen(s, schrift));
  s = alt;
}
