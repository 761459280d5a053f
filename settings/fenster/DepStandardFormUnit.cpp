#include "settings/fenster/DepStandardFormUnit.h"

#include <QBoxLayout>
#include <QCheckBox>

#include "settings/StandardUnit.h"
#include "settings/fenster/StatZeitFormUnit.h"
#include "ui/fenster/QtTextUnit.h"

TDepStandardForm::TDepStandardForm(QWidget* vater)
    : TSchriftStandardForm("Voreinstellung für Deputate", vater) {
  const TDepWerte w = DepWerteAusStandard();
  fSchrift = w.Font;
  fVon = w.Von;
  fBis = w.Bis;
  SchriftUndBreitenAnlegen({w.LeBreite, w.KlBreite, w.KoBreite, w.FaBreite, w.RaBreite});
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
  connect(StatistikCheck, &QCheckBox::clicked, this, [this] { StatistikCheckClick(); });
}

std::array<int, 5> TDepStandardForm::BreitenMessen(TStandard& s, const TSchrift& schrift) const {
  s.fDepFont = schrift;
  s.BerechneDepBreite();
  return {s.fDepLeBreite, s.fDepKlBreite, s.fDepKoBreite, s.fDepFaBreite, s.fDepRaBreite};
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
  BreitenLesen(w);
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
