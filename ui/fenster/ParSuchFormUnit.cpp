#include "ui/fenster/ParSuchFormUnit.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "model/SchulUnit.h"
#include "planning/ParTabelleUnit.h"

TParSuchForm::TParSuchForm(TParTabelle& tabelle, QWidget* parent)
    : QDialog(parent), fTabelle(tabelle) {
  setWindowTitle(QStringLiteral("Suche Lösung"));
  setModal(true);
  KombinationFeld = new QLabel(QStringLiteral("0"), this);
  KombinationFeld->setObjectName(QStringLiteral("KombinationFeld"));
  ZeitFeld = new QLabel(QStringLiteral("0 s"), this);
  ErgebnisFeld = new QLabel(this);
  AnhaltenKnopf = new QPushButton(QStringLiteral("Anhalten"), this);
  auto* raster = new QGridLayout(this);
  raster->addWidget(new QLabel(QStringLiteral("Kombination Nr.:"), this), 0, 0);
  raster->addWidget(KombinationFeld, 0, 1);
  raster->addWidget(new QLabel(QStringLiteral("Zeit:"), this), 1, 0);
  raster->addWidget(ZeitFeld, 1, 1);
  raster->addWidget(ErgebnisFeld, 2, 0, 1, 2);
  raster->addWidget(AnhaltenKnopf, 3, 0, 1, 2);
  connect(AnhaltenKnopf, &QPushButton::clicked, this, [this] { AnhaltenKnopfClick(); });
  resize(260, 120);
}

void TParSuchForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (fGestartet) return;
  fGestartet = true;
  QTimer::singleShot(0, this, [this] { Starte(); });
}

void TParSuchForm::Anzeigen() {
  KombinationFeld->setText(QString::number(fSuche ? fSuche->Anzahl() : 0));
  const double sekunden = static_cast<double>(fUhr.isValid() ? fUhr.elapsed() : 0) / 1000.0;
  ZeitFeld->setText(QString::number(sekunden, 'f', 1) + QStringLiteral(" s"));
}

void TParSuchForm::Starte() {
  if (fLaeuft) return;
  fSuche = std::make_unique<TParSuche>(fTabelle);
  fLaeuft = true;
  fAnhalten = false;
  fUhr.start();
  ErgebnisFeld->clear();
  {
    TBeschaeftigt sanduhr;
    fSuche->Suche([this] {
      Anzeigen();
      Dialog().EingabenVerarbeiten();
      return fAnhalten;
    });
  }
  fLaeuft = false;
  Anzeigen();
  if (fSuche->Anzahl() > 0) {
    fTabelle.Uebernimm(fSuche->Loesung());
    ErgebnisFeld->setText(QStringLiteral("Die letzte Lösung steht in der Tabelle."));
  } else {
    ErgebnisFeld->setText(QStringLiteral("Keine Lösung gefunden."));
    Dialog().Meldung("Suche Lösung", {"Keine Lösung gefunden."}, TMeldungsArt::Information);
  }
}

void TParSuchForm::AnhaltenKnopfClick() {
  if (fLaeuft)
    fAnhalten = true;
  else
    accept();
}

void TParSuchForm::reject() {
  // Escape oder Schließen während der Suche hält sie nur an.
  if (fLaeuft) {
    fAnhalten = true;
    return;
  }
  QDialog::reject();
}
