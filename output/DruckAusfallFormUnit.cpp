#include "output/DruckAusfallFormUnit.h"

#include <QBoxLayout>
#include <QFontDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "output/DruckAusfallUnit.h"
#include "output/QtDruckerUnit.h"
#include "settings/StandardUnit.h"
#include "ui/QtTextUnit.h"

TDruckAusfallForm::TDruckAusfallForm(std::vector<std::string> zeilen, TDruckPlattform& plattform,
                                     QWidget* vater)
    : QDialog(vater), fZeilen(std::move(zeilen)), fPlattform(plattform) {
  setWindowTitle(T("Drucke Meldung"));
  auto* haupt = new QVBoxLayout(this);
  auto* schrift = new QGroupBox(T("Schrift"), this);
  auto* sl = new QHBoxLayout(schrift);
  SchriftFeld = new QLineEdit(schrift);
  SchriftFeld->setObjectName(T("SchriftFeld"));
  SchriftFeld->setReadOnly(true);
  auto* aendern = new QPushButton(T("Ändern"), schrift);
  sl->addWidget(SchriftFeld);
  sl->addWidget(aendern);
  haupt->addWidget(schrift);
  auto* rand = new QFormLayout;
  RandSpin = new QSpinBox(this);
  RandSpin->setObjectName(T("RandSpin"));
  RandSpin->setRange(0, 6);
  rand->addRow(T("linker Rand [cm]"), RandSpin);
  haupt->addLayout(rand);
  auto* knoepfe = new QHBoxLayout;
  OkKnopf = new QPushButton(T("Ok"), this);
  AnsehenKnopf = new QPushButton(T("Ansehen"), this);
  PapierKnopf = new QPushButton(T("Papierformat"), this);
  PdfKnopf = new QPushButton(T("Als PDF speichern…"), this);
  AbbrechenKnopf = new QPushButton(T("Abbrechen"), this);
  for (QPushButton* k : {OkKnopf, AnsehenKnopf, PapierKnopf, PdfKnopf, AbbrechenKnopf})
    knoepfe->addWidget(k);
  OkKnopf->setDefault(true);
  haupt->addLayout(knoepfe);

  const TStandard& st = Standard();
  SetzeSchrift(st.fFehlDruckFont);
  RandSpin->setValue(std::clamp(st.fFehlDruckRand, 0, 6));

  connect(aendern, &QPushButton::clicked, this, [this] {
    bool ok = false;
    QFont f(T(fSchrift.Name), fSchrift.Groesse);
    f.setBold(fSchrift.Fett);
    f.setItalic(fSchrift.Kursiv);
    const QFont neu = QFontDialog::getFont(&ok, f, this, T("Schrift"));
    if (!ok) return;
    TSchrift s = fSchrift;
    s.Name = neu.family().toStdString();
    s.Groesse = std::max(1, neu.pointSize());
    s.Fett = neu.bold();
    s.Kursiv = neu.italic();
    SetzeSchrift(s);
    Standard().fFehlDruckFont = s;
  });
  connect(OkKnopf, &QPushButton::clicked, this, [this] { OkKnopfClick(); });
  connect(AnsehenKnopf, &QPushButton::clicked, this, [this] { AnsehenKnopfClick(); });
  connect(PapierKnopf, &QPushButton::clicked, this,
          [this] { TQtDruckPlattform::Papierformat(this); });
  connect(PdfKnopf, &QPushButton::clicked, this, [this] { PdfKnopfClick(); });
  connect(AbbrechenKnopf, &QPushButton::clicked, this, &QDialog::reject);
}

void TDruckAusfallForm::SetzeSchrift(const TSchrift& schrift) {
  fSchrift = schrift;
  SchriftFeld->setText(T(fSchrift.Name) + T(" ") + QString::number(fSchrift.Groesse));
}

TDruckAuftrag TDruckAusfallForm::Auftrag() {
  TStandard& st = Standard();
  st.fFehlDruckFont = fSchrift;
  st.fFehlDruckRand = RandSpin->value();
  TDruckAuftrag a;
  const std::vector<std::string> zeilen = fZeilen;
  a.Zeichnen = [zeilen](TPrevPrinter& p) { return DruckeAusfall(zeilen, p); };
  a.LeerText = "Nichts zu drucken.";
  a.PdfName = "Unterrichtsausfall.pdf";
  return a;
}

void TDruckAusfallForm::OkKnopfClick() {
  const TDruckAuftrag a = Auftrag();
  accept();
  DruckOk(fPlattform, a);
}

void TDruckAusfallForm::AnsehenKnopfClick() {
  DruckAnsehen(fPlattform, Auftrag());
}

void TDruckAusfallForm::PdfKnopfClick() {
  DruckAlsPdf(fPlattform, Auftrag());
}

void DruckAusfallZeigen(const std::vector<std::string>& zeilen, QWidget* vater) {
  TQtDruckPlattform plattform(vater);
  TDruckAusfallForm form(zeilen, plattform, vater);
  form.exec();
}
