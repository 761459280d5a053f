#include "output/fenster/DruckAusfallFormUnit.h"

#include <QBoxLayout>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "output/DruckAusfallUnit.h"
#include "output/fenster/QtDruckerUnit.h"
#include "settings/StandardUnit.h"
#include "ui/fenster/QtTextUnit.h"

TDruckAusfallForm::TDruckAusfallForm(std::vector<std::string> zeilen, TDruckPlattform& plattform,
                                     QWidget* vater)
    : TDruckDialog(plattform, vater), fZeilen(std::move(zeilen)) {
  fSchriftEinstellung = &Standard().fFehlDruckFont;
  setWindowTitle(T("Drucke Meldung"));
  auto* haupt = new QVBoxLayout(this);
  haupt->addWidget(SchriftGruppe());
  auto* rand = new QFormLayout;
  RandSpin = new QSpinBox(this);
  RandSpin->setObjectName(T("RandSpin"));
  RandSpin->setRange(0, 6);
  rand->addRow(T("linker Rand [cm]"), RandSpin);
  haupt->addLayout(rand);
  haupt->addLayout(Knopfzeile());

  const TStandard& st = Standard();
  SetzeSchrift(st.fFehlDruckFont);
  RandSpin->setValue(std::clamp(st.fFehlDruckRand, 0, 6));
}

void TDruckAusfallForm::SetzeSchrift(const TSchrift& schrift) {
  fSchrift = schrift;
  SchriftZeigen();
}

void TDruckAusfallForm::OptionenSpeichern() {
  TStandard& st = Standard();
  st.fFehlDruckFont = fSchrift;
  st.fFehlDruckRand = RandSpin->value();
}

TDruckAuftrag TDruckAusfallForm::Auftrag() const {
  TDruckAuftrag a;
  const std::vector<std::string> zeilen = fZeilen;
  a.Zeichnen = [zeilen](TPrevPrinter& p) { return DruckeAusfall(zeilen, p); };
  a.LeerText = "Nichts zu drucken.";
  a.PdfName = "Unterrichtsausfall.pdf";
  return a;
}

void DruckAusfallZeigen(const std::vector<std::string>& zeilen, QWidget* vater) {
  TQtDruckPlattform plattform(vater);
  TDruckAusfallForm form(zeilen, plattform, vater);
  form.exec();
}
