#include "settings/DepStandardFormUnit.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "settings/StatZeitFormUnit.h"
#include "ui/QtTextUnit.h"

TDepStandardForm::TDepStandardForm(QWidget* vater)
    : TStandardForm("Voreinstellung für Deputate", vater) {
  const TDepWerte w = DepWerteAusStandard();
  fSchrift = w.Font;
  fVon = w.Von;
  fBis = w.Bis;
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
  const auto haken = [this](const char* text, const char* name, bool an) {
    auto* c = new QCheckBox(T(text), this);
    c->setObjectName(T(name));
    c->setChecked(an);
    Inhalt()->addWidget(c);
    return c;
  };
  NullStdCheck = haken("Kurse mit 0 Stunden einblenden", "NullStdCheck", w.MitNullStd);
  KursInfoCheck = haken("mit Kursinformationen", "KursInfoCheck", w.MitKursInfo);
  ZusatzCheck = haken("mit Zusatzinformationen", "ZusatzCheck", w.MitZusatzInfo);
  StatistikCheck = haken("mit Statistik", "StatistikCheck", w.MitStatistik);
  connect(SchriftKnopf, &QPushButton::clicked, this, [this] { SchriftKnopfClick(); });
  connect(StatistikCheck, &QCheckBox::clicked, this, [this] { StatistikCheckClick(); });
}

void TDepStandardForm::SchriftKnopfClick() {
  TSchrift s = fSchrift;
  if (SchriftWaehlen(s, this)) SetzeSchrift(s);
}

void TDepStandardForm::SetzeSchrift(const TSchrift& schrift) {
  fSchrift = schrift;
  SchriftFeld->setText(SchriftText(fSchrift));
  // Gemessen mit der neuen Schrift; die Einstellungen ändert erst "Ok".
  TStandard& s = Standard();
  const TStandard alt = s;
  s.fDepFont = schrift;
  s.BerechneDepBreite();
  Breiten->Setze({s.fDepLeBreite, s.fDepKlBreite, s.fDepKoBreite, s.fDepFaBreite, s.fDepRaBreite});
  s = alt;
}

void TDepStandardForm::StatistikCheckClick() {
  if (!StatistikCheck->isChecked()) return;
  std::optional<std::pair<TDateTime, TDateTime>> zeitraum;
  if (fZeitraumWahl) {
    zeitraum = fZeitraumWahl();
  } else {
    TStatZeitForm f(this);
    if (f.exec() == QDialog::Accepted) zeitraum = std::make_pair(f.Von(), f.Bis());
  }
  if (zeitraum) {
    fVon = zeitraum->first;
    fBis = zeitraum->second;
  }
}

TDepWerte TDepStandardForm::Werte() const {
  TDepWerte w;
  w.Font = fSchrift;
  const std::array<int, 5> b = Breiten->Werte();
  w.LeBreite = b[0];
  w.KlBreite = b[1];
  w.KoBreite = b[2];
  w.FaBreite = b[3];
  w.RaBreite = b[4];
  w.MitNullStd = NullStdCheck->isChecked();
  w.MitKursInfo = KursInfoCheck->isChecked();
  w.MitStatistik = StatistikCheck->isChecked();
  w.MitZusatzInfo = ZusatzCheck->isChecked();
  w.Von = fVon;
  w.Bis = fBis;
  return w;
}

void TDepStandardForm::Uebernehmen() {
  DeputatvorgabenUebernehmen(Werte());
}
