#include "settings/PlnStandardFormUnit.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "ui/QtTextUnit.h"

TPlnStandardForm::TPlnStandardForm(QWidget* vater)
    : TStandardForm("Voreinstellung für Pläne", vater) {
  const TPlnWerte w = PlnWerteAusStandard();
  fSchrift = w.Font;
  auto* oben = new QHBoxLayout;
  Inhalt()->addLayout(oben);
  auto* kuerzel = new QGroupBox(T("Kürzel"), this);
  auto* kl = new QVBoxLayout(kuerzel);
  NebenRadio = new QRadioButton(T("nebeneinander"), kuerzel);
  NebenRadio->setObjectName(T("NebenRadio"));
  UnterRadio = new QRadioButton(T("untereinander"), kuerzel);
  UnterRadio->setObjectName(T("UnterRadio"));
  kl->addWidget(NebenRadio);
  kl->addWidget(UnterRadio);
  (w.NebenEinander ? NebenRadio : UnterRadio)->setChecked(true);
  oben->addWidget(kuerzel);
  auto* rechts = new QFormLayout;
  oben->addLayout(rechts);
  RaumCheck = new QCheckBox(T("Räume anzeigen"), this);
  RaumCheck->setObjectName(T("RaumCheck"));
  RaumCheck->setChecked(w.MitRaum);
  KoppFettCheck = new QCheckBox(T("Kopplungen fett"), this);
  KoppFettCheck->setObjectName(T("KoppFettCheck"));
  KoppFettCheck->setChecked(w.KoppFett);
  StdFeld = ZahlFeld(this, 1, 16, "StdFeld");
  StdFeld->setValue(w.PlnStd);
  ManArtFeld = new QComboBox(this);
  ManArtFeld->setObjectName(T("ManArtFeld"));
  for (const char* t : {"1", "2 hoch", "2 quer", "3 hoch", "3 quer", "4"})
    ManArtFeld->addItem(T(t));
  ManArtFeld->setCurrentIndex(std::clamp(w.ManArt, 0, 5));
  rechts->addRow(RaumCheck);
  rechts->addRow(KoppFettCheck);
  rechts->addRow(T("Std/Tag"), StdFeld);
  rechts->addRow(T("Manuelle Planfenster"), ManArtFeld);

  auto* schrift = new QGroupBox(T("Schrift"), this);
  auto* sl = new QHBoxLayout(schrift);
  SchriftFeld = new QLineEdit(SchriftText(fSchrift), schrift);
  SchriftFeld->setReadOnly(true);
  SchriftKnopf = new QPushButton(T("Ändern"), schrift);
  SchriftKnopf->setObjectName(T("SchriftKnopf"));
  sl->addWidget(SchriftFeld);
  sl->addWidget(SchriftKnopf);
  Inhalt()->addWidget(schrift);
  Breiten = new TBreitenFeld(this);
  Breiten->Setze({w.LeBreite, w.KlBreite, w.KoBreite, w.FaBreite, w.RaBreite});
  Inhalt()->addWidget(Breiten);
  connect(SchriftKnopf, &QPushButton::clicked, this, [this] { SchriftKnopfClick(); });
}

void TPlnStandardForm::SchriftKnopfClick() {
  TSchrift s = fSchrift;
  if (SchriftWaehlen(s, this)) SetzeSchrift(s);
}

void TPlnStandardForm::SetzeSchrift(const TSchrift& schrift) {
  fSchrift = schrift;
  SchriftFeld->setText(SchriftText(fSchrift));
  TStandard& s = Standard();
  const TStandard alt = s;
  s.fPlnFont = schrift;
  s.fPlnKoppFett = KoppFettCheck->isChecked();
  s.BerechnePlnBreite();
  Breiten->Setze({s.fPlnLeBreite, s.fPlnKlBreite, s.fPlnKoBreite, s.fPlnFaBreite, s.fPlnRaBreite});
  s = alt;
}

TPlnWerte TPlnStandardForm::Werte() const {
  TPlnWerte w;
  w.NebenEinander = NebenRadio->isChecked();
  w.MitRaum = RaumCheck->isChecked();
  w.KoppFett = KoppFettCheck->isChecked();
  w.PlnStd = StdFeld->value();
  w.Font = fSchrift;
  const std::array<int, 5> b = Breiten->Werte();
  w.LeBreite = b[0];
  w.KlBreite = b[1];
  w.KoBreite = b[2];
  w.FaBreite = b[3];
  w.RaBreite = b[4];
  w.ManArt = ManArtFeld->currentIndex();
  return w;
}

void TPlnStandardForm::Uebernehmen() {
  PlanvorgabenUebernehmen(Werte());
}
