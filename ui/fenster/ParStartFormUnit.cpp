#include "ui/fenster/ParStartFormUnit.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"

TParStartForm::TParStartForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Parallele Kopplungen"));
  const TStandard& st = Standard();
  UeberCheck = new QCheckBox(QStringLiteral("letzte Tabelle übernehmen"), this);
  FachCheck = new QCheckBox(QStringLiteral("Fächer mit anzeigen"), this);
  ZeilenFeld = new QSpinBox(this);
  ZeilenFeld->setRange(2, 40);
  SpaltenFeld = new QSpinBox(this);
  SpaltenFeld->setRange(2, 10);
  UeberCheck->setChecked(st.fParUeber);
  FachCheck->setChecked(st.fParMitFach);
  OkKnopf = new QPushButton(QStringLiteral("Ok"), this);
  OkKnopf->setDefault(true);
  AbbrechenKnopf = new QPushButton(QStringLiteral("Abbrechen"), this);
  auto* felder = new QFormLayout;
  felder->addRow(QStringLiteral("Zeilen"), ZeilenFeld);
  felder->addRow(QStringLiteral("Spalten"), SpaltenFeld);
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addStretch();
  knoepfe->addWidget(OkKnopf);
  knoepfe->addWidget(AbbrechenKnopf);
  auto* spalte = new QVBoxLayout(this);
  spalte->addWidget(UeberCheck);
  spalte->addWidget(FachCheck);
  spalte->addLayout(felder);
  spalte->addLayout(knoepfe);
  connect(UeberCheck, &QCheckBox::clicked, this, [this] { UeberCheckClick(); });
  connect(OkKnopf, &QPushButton::clicked, this, [this] { OkKnopfClick(); });
  connect(AbbrechenKnopf, &QPushButton::clicked, this, &QDialog::reject);
  UeberCheckClick();
}

void TParStartForm::UeberCheckClick() {
  const TStandard& st = Standard();
  int zeilen = st.fParZeilen, spalten = st.fParSpalten;
  if (UeberCheck->isChecked() && SchuleVorhanden() && Schule().fParListe) {
    zeilen = Schule().fParListe->fZeilen;
    spalten = Schule().fParListe->fSpalten;
  }
  ZeilenFeld->setValue(std::clamp(zeilen, 2, 40));
  SpaltenFeld->setValue(std::clamp(spalten, 2, 10));
}

void TParStartForm::OkKnopfClick() {
  TStandard& st = Standard();
  st.fParUeber = UeberCheck->isChecked();
  st.fParMitFach = FachCheck->isChecked();
  st.fParZeilen = ZeilenFeld->value();
  st.fParSpalten = SpaltenFeld->value();
  accept();
}
