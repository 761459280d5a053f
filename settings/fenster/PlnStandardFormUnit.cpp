#include "settings/fenster/PlnStandardFormUnit.h"
#include "ui/fenster/QtTextUnit.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

TPlnStandardForm::TPlnStandardForm(QWidget* vater)
    : TSchriftStandardForm("Voreinstellung für Pläne", vater) {
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

  SchriftUndBreitenAnlegen({w.LeBreite, w.KlBreite, w.KoBreite, w.FaBreite, w.RaBreite});
}

std::array<int, 5> TPlnStandardForm::BreitenMessen(TStandard& s, const TSchrift& schrift) const {
  s.fPlnFont = schrift;
  s.fPlnKoppFett = KoppFettCheck->isChecked();
  s.BerechnePlnBreite();
  return {s.fPlnLeBreite, s.fPlnKlBreite, s.fPlnKoBreite, s.fPlnFaBreite, s.fPlnRaBreite};
}

TPlnWerte TPlnStandardForm::Werte() const {
  TPlnWerte w;
  w.NebenEinander = NebenRadio->isChecked();
  w.MitRaum = RaumCheck->isChecked();
  w.KoppFett = KoppFettCheck->isChecked();
  w.PlnStd = StdFeld->value();
  w.Font = fSchrift;
  BreitenLesen(w);
  w.ManArt = ManArtFeld->currentIndex();
  return w;
}

void TPlnStandardForm::Uebernehmen() {
  PlanvorgabenUebernehmen(Werte());
}
