#include "substitution/fenster/WoAusfallFormUnit.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include "model/FensterArtUnit.h"
#include "model/SchulUnit.h"
#include "output/fenster/DruckAusfallFormUnit.h"
#include "settings/StandardUnit.h"
#include "substitution/fenster/VStatFormUnit.h"
#include "ui/fenster/QtFensterPlatzUnit.h"
#include "ui/fenster/QtTextUnit.h"

TWoAusfallForm::TWoAusfallForm(QWidget* parent) : TFensterBasis(parent) {
  setWindowTitle(T("wöchentlicher Unterrichtsausfall"));
  auto* gitter = new QGridLayout(this);
  KWSpin = new QSpinBox(this);
  KWSpin->setObjectName(T("KWSpin"));
  KWSpin->setRange(1, 53);
  JahrSpin = new QSpinBox(this);
  JahrSpin->setObjectName(T("JahrSpin"));
  JahrSpin->setRange(2018, 2100);
  auto* kopf = new QHBoxLayout;
  kopf->addWidget(new QLabel(T("Kalenderwoche"), this));
  kopf->addWidget(KWSpin);
  kopf->addSpacing(12);
  kopf->addWidget(new QLabel(T("Jahr"), this));
  kopf->addWidget(JahrSpin);
  kopf->addSpacing(12);
  VonBisLabel = new QLabel(this);
  VonBisLabel->setObjectName(T("VonBisLabel"));
  kopf->addWidget(VonBisLabel);
  kopf->addStretch();
  gitter->addLayout(kopf, 0, 0);
  Inhalt = new QPlainTextEdit(this);
  Inhalt->setObjectName(T("Inhalt"));
  Inhalt->setReadOnly(true);
  Inhalt->setLineWrapMode(QPlainTextEdit::NoWrap);
  gitter->addWidget(Inhalt, 1, 0);
  auto* knoepfe = new QHBoxLayout;
  RechneButton = new QPushButton(T("Rechnen"), this);
  VULButton = new QPushButton(T("VÜL"), this);
  VUKButton = new QPushButton(T("VÜK"), this);
  DruckButton = new QPushButton(T("Drucken..."), this);
  for (QPushButton* k : {RechneButton, VULButton, VUKButton, DruckButton}) knoepfe->addWidget(k);
  knoepfe->addStretch();
  gitter->addLayout(knoepfe, 2, 0);
  connect(KWSpin, &QSpinBox::valueChanged, this, [this] { WocheGeaendert(); });
  connect(JahrSpin, &QSpinBox::valueChanged, this, [this] { WocheGeaendert(); });
  connect(RechneButton, &QPushButton::clicked, this, [this] { RechneButtonClick(); });
  connect(VULButton, &QPushButton::clicked, this, [this] { UebersichtZeigen(leh); });
  connect(VUKButton, &QPushButton::clicked, this, [this] { UebersichtZeigen(kla); });
  connect(DruckButton, &QPushButton::clicked, this, [this] { Drucken(); });
  resize(560, 620);
  PositioniereFenster(*this, NeuerFormIndex());
  Anmelden();
}

void TWoAusfallForm::IWoAusfallForm() {
  // Die Woche, die das Fenster beim letzten Schließen gemerkt hat.
  const int kw = Standard().fWoAusfallKW, jahr = Standard().fWoAusfallJahr;
  {
    const QSignalBlocker b1(KWSpin), b2(JahrSpin);
    KWSpin->setValue(kw);
    JahrSpin->setValue(jahr);
  }
  WocheGeaendert();
}

void TWoAusfallForm::WocheGeaendert() {
  fBericht.WocheWaehlen(KWSpin->value(), JahrSpin->value());
  Zeigen();
}

void TWoAusfallForm::RechneButtonClick() {
  if (!fBericht.WocheDa()) return;
  fBericht.Rechnen();
  Zeigen();
}

void TWoAusfallForm::Zeigen() {
  VonBisLabel->setText(QString::fromStdString(fBericht.VonBisText()));
  QString text;
  for (const std::string& z : fBericht.Zeilen()) text += QString::fromStdString(z) + T("\n");
  if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
  if (Inhalt->toPlainText() != text) Inhalt->setPlainText(text);
  const bool da = fBericht.WocheDa();
  RechneButton->setEnabled(da);
  DruckButton->setEnabled(da);
  VULButton->setEnabled(da);
  VUKButton->setEnabled(da);
}

void TWoAusfallForm::UebersichtZeigen(TKuerzelArt art) {
  if (!fBericht.WocheDa()) return;
  VStatOeffnen(art, fBericht.vonDatum, fBericht.bisDatum);
}

void TWoAusfallForm::Drucken() {
  if (!fBericht.WocheDa()) return;
  DruckAusfallZeigen(fBericht.Zeilen(), this);
}

int TWoAusfallForm::FensterArt() const {
  return ::FensterArt::WoAusfall;
}

std::string TWoAusfallForm::Titel() const {
  const TFensterArtEintrag* e = FensterArtEintrag(::FensterArt::WoAusfall);
  return e && e->Titel ? e->Titel : std::string();
}

// Der Bericht ist ein Stand: er wird nur beim Wechsel der Woche und mit "Rechnen" neu gerechnet.
void TWoAusfallForm::FensterUpdate() {}

void TWoAusfallForm::FensterRefresh() {}

std::string TWoAusfallForm::InhaltAlsText() const {
  return fBericht.Text();
}

void TWoAusfallForm::BeimAbmelden() {
  if (!Angemeldet()) return;
  Standard().fWoAusfallKW = KWSpin->value();
  Standard().fWoAusfallJahr = JahrSpin->value();
}

TWoAusfallForm* WoAusfallZeigen() {
  if (!SchuleVorhanden()) return nullptr;
  TDirtyBewahrer bewahrer;
  auto* form = new TWoAusfallForm;
  form->IWoAusfallForm();
  form->show();
  return form;
}

bool WoAusfallDrucken() {
  if (!SchuleVorhanden()) return false;
  auto* form = dynamic_cast<TWoAusfallForm*>(Schule().fAktivesFenster);
  if (!form) return false;
  form->Drucken();
  return true;
}
