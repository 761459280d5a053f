#include "ui/fenster/VertrPlanZeitFormUnit.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/fenster/QtTextUnit.h"

namespace {
QSpinBox* Zahlfeld(QWidget* vater, int von, int bis, int wert, const char* name) {
  auto* s = new QSpinBox(vater);
  s->setRange(von, bis);
  s->setValue(wert);
  s->setObjectName(T(name));
  return s;
}

QGroupBox* Gruppe(QWidget* vater, const char* titel, TDatum d, QSpinBox*& tag, QSpinBox*& monat,
                  QSpinBox*& jahr, const char* vorsilbe) {
  auto* g = new QGroupBox(T(titel), vater);
  auto* f = new QFormLayout(g);
  const std::string v(vorsilbe);
  tag = Zahlfeld(g, 1, 31, d.Tag, (v + "TagSpin").c_str());
  monat = Zahlfeld(g, 1, 12, d.Monat, (v + "MonatSpin").c_str());
  jahr = Zahlfeld(g, 1994, 2039, d.Jahr, (v + "JahrSpin").c_str());
  f->addRow(T("Tag"), tag);
  f->addRow(T("Monat"), monat);
  f->addRow(T("Jahr"), jahr);
  return g;
}
}  // namespace

TVertrPlanZeit::TVertrPlanZeit(TDatum von, TDatum bis, QWidget* vater) : QDialog(vater) {
  setWindowTitle(T("Vertretungsplanexport"));
  auto* haupt = new QVBoxLayout(this);
  haupt->addWidget(new QLabel(T("Für welchen Zeitraum soll die"), this));
  haupt->addWidget(new QLabel(T("Vertretungsplan exportiert werden?"), this));
  auto* reihe = new QHBoxLayout;
  reihe->addWidget(Gruppe(this, "von Datum", von, VonTagSpin, VonMonatSpin, VonJahrSpin, "Von"));
  reihe->addWidget(Gruppe(this, "bis Datum", bis, BisTagSpin, BisMonatSpin, BisJahrSpin, "Bis"));
  haupt->addLayout(reihe);
  auto* knoepfe = new QDialogButtonBox(this);
  knoepfe->addButton(T("Ok"), QDialogButtonBox::AcceptRole);
  knoepfe->addButton(T("Abbrechen"), QDialogButtonBox::RejectRole);
  connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
  haupt->addWidget(knoepfe);
}

TDatum TVertrPlanZeit::Von() const {
  return {VonJahrSpin->value(), VonMonatSpin->value(), VonTagSpin->value()};
}

TDatum TVertrPlanZeit::Bis() const {
  return {BisJahrSpin->value(), BisMonatSpin->value(), BisTagSpin->value()};
}

std::optional<std::pair<TDatum, TDatum>> VertrPlanZeitAbfragen(QWidget* vater, TDatum von,
                                                               TDatum bis) {
  TVertrPlanZeit dialog(von, bis, vater);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return std::pair{dialog.Von(), dialog.Bis()};
}
