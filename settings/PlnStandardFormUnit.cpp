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

TPlnStandardForm::TPlnStandardForm(QWidget* vater)
    : TSchriftStandardForm("Voreinstellung für Pläne", vater) {
  const TPlnWerte w = PlnWerteAusStandard();
  fSchrift = w.Font;
  auto* oben = new QHBoxLayout;
  Inhalt()->addLayout(oben);
  auto* kuerzel = new QGroupBox(StdQ("Kürzel"), this);
  auto* kl = new QVBoxLayout(kuerzel);
  NebenRadio = new QRadioButton(StdQ("nebeneinander"), kuerzel);
  NebenRadio->setObjectName(StdQ("NebenRadio"));
  UnterRadio = new QRadioButton(StdQ("untereinander"), kuerzel);
  UnterRadio->setObjectName(StdQ("UnterRadio"));
  kl->addWidget(NebenRadio);
  kl->addWidget(UnterRadio);
  (w.NebenEinander ? NebenRadio : UnterRadio)->setChecked(true);
  oben->addWidget(kuerzel);
  auto* rechts = new QFormLayout;
  oben->addLayout(rechts);
  RaumCheck = new QCheckBox(StdQ("Räume anzeigen"), this);
  RaumCheck->setObjectName(StdQ("RaumCheck"));
  RaumCheck->setChecked(w.MitRaum);
  KoppFettCheck = new QCheckBox(StdQ("Kopplungen fett"), this);
  KoppFettCheck->setObjectName(StdQ("KoppFettCheck"));
  KoppFettCheck->setChecked(w.KoppFett);
  StdFeld = ZahlFeld(this, 1, 16, "StdFeld");
  StdFeld->setValue(w.PlnStd);
  ManArtFeld = new QComboBox(this);
  ManArtFeld->setObjectName(StdQ("ManArtFeld"));
  for (const char* t : {"1", "2 hoch", "2 quer", "3 hoch", "3 quer", "4"})
    ManArtFeld->addItem(StdQ(t));
  ManArtFeld->setCurrentIndex(std::clamp(w.ManArt, 0, 5));
  rechts->addRow(RaumCheck);
  rechts->addRow(KoppFettCheck);
  rechts->addRow(StdQ("Std/Tag"), StdFeld);
  rechts->addRow(StdQ("Manuelle Planfenster"), ManArtFeld);

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
