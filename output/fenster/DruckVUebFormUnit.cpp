// Der Druckdialog der Vertretungsübersichten (die Klasse steht in DruckListeFormUnit.h).
#include <QBoxLayout>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

#include "model/DatumUnit.h"
#include "model/SchulUnit.h"
#include "output/fenster/DruckListeFormUnit.h"
#include "output/DruckVUebUnit.h"
#include "output/fenster/QtDruckerUnit.h"
#include "settings/StandardUnit.h"
#include "ui/fenster/QtTextUnit.h"

namespace {
QSpinBox* Zahlfeld(QWidget* vater, int von, int bis, int wert) {
  auto* s = new QSpinBox(vater);
  s->setRange(von, bis);
  s->setValue(wert);
  return s;
}

void Eintrag(QListWidget* liste, TPlanElement* e) {
  auto* item = new QListWidgetItem(T(U8(e->fKuerzel.str())), liste);
  item->setData(Qt::UserRole, QVariant::fromValue(static_cast<void*>(e)));
}

std::vector<TPlanElement*> Elemente(bool lehrer) {
  std::vector<TPlanElement*> aus;
  for (TElement* e : Schule().Elemente(lehrer ? leh : kla))
    aus.push_back(static_cast<TPlanElement*>(e));
  return aus;
}
}  // namespace

TDruckVUebForm::TDruckVUebForm(bool lehrer, TDruckPlattform& plattform, TDateTime von,
                               TDateTime bis, QWidget* vater)
    : TDruckDialog(plattform, vater), fLehrer(lehrer) {
  fSchriftEinstellung = &Standard().fVUebDruckFont;
  setWindowTitle(lehrer ? T("Drucke Vertretungsübersicht für Lehrer")
                        : T("Drucke Vertretungsübersicht für Klassen"));
  auto* haupt = new QGridLayout(this);
  const TDatum a = ZahlZuDatum(von), b = ZahlZuDatum(std::max(von, bis));
  int spalte = 0;
  for (bool istVon : {true, false}) {
    auto* gruppe = new QGroupBox(istVon ? T("von Datum") : T("bis Datum"), this);
    auto* f = new QFormLayout(gruppe);
    const TDatum& d = istVon ? a : b;
    QSpinBox* tag = Zahlfeld(gruppe, 1, 31, d.Tag);
    QSpinBox* monat = Zahlfeld(gruppe, 1, 12, d.Monat);
    QSpinBox* jahr = Zahlfeld(gruppe, 1994, 2039, d.Jahr);
    f->addRow(T("Tag"), tag);
    f->addRow(T("Monat"), monat);
    f->addRow(T("Jahr"), jahr);
    (istVon ? VonTagSpin : BisTagSpin) = tag;
    (istVon ? VonMonatSpin : BisMonatSpin) = monat;
    (istVon ? VonJahrSpin : BisJahrSpin) = jahr;
    haupt->addWidget(gruppe, 0, spalte++);
  }
  auto* listen = new QGroupBox(this);
  auto* ll = new QGridLayout(listen);
  AuswahlListe = new QListWidget(listen);
  GewaehltListe = new QListWidget(listen);
  AlleKnopf = new QPushButton(lehrer ? T("Alle Lehrer") : T("Alle Klassen"), listen);
  ll->addWidget(new QLabel(T("Auswahl"), listen), 0, 0);
  ll->addWidget(new QLabel(lehrer ? T("Gewählte Lehrer") : T("Gewählte Klassen"), listen), 0, 1);
  ll->addWidget(AuswahlListe, 1, 0);
  ll->addWidget(GewaehltListe, 1, 1);
  ll->addWidget(AlleKnopf, 2, 1);
  for (TPlanElement* e : Elemente(lehrer)) Eintrag(AuswahlListe, e);
  connect(AuswahlListe, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    ElementAnhaengen(static_cast<TPlanElement*>(item->data(Qt::UserRole).value<void*>()));
  });
  connect(GewaehltListe, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    delete GewaehltListe->takeItem(GewaehltListe->row(item));
  });
  connect(AlleKnopf, &QPushButton::clicked, this, [this] { AlleKnopfClick(); });
  haupt->addWidget(listen, 1, 0, 1, 2);
  auto* rand = new QHBoxLayout;
  rand->addWidget(new QLabel(T("linker Rand [cm]"), this));
  const TListDruckOptionen o = LadeVUebDruck(Standard());
  RandSpin = Zahlfeld(this, 0, 6, o.Rand);
  rand->addWidget(RandSpin);
  haupt->addLayout(rand, 2, 0);
  haupt->addWidget(SchriftGruppe(), 3, 0, 1, 2);
  haupt->addLayout(Knopfzeile(), 4, 0, 1, 2);
  fSchrift = o.Font;
  SchriftZeigen();
}

std::vector<TPlanElement*> TDruckVUebForm::Gewaehlt() const {
  std::vector<TPlanElement*> aus;
  for (int i = 0; i < GewaehltListe->count(); ++i)
    aus.push_back(
        static_cast<TPlanElement*>(GewaehltListe->item(i)->data(Qt::UserRole).value<void*>()));
  return aus;
}

void TDruckVUebForm::ElementAnhaengen(TPlanElement* e) {
  if (e) Eintrag(GewaehltListe, e);
}

void TDruckVUebForm::AlleKnopfClick() {
  GewaehltListe->clear();
  for (TPlanElement* e : Elemente(fLehrer)) Eintrag(GewaehltListe, e);
}

TDateTime TDruckVUebForm::Von() const {
  return VUebZeitraum(VonTagSpin->value(), VonMonatSpin->value(), VonJahrSpin->value(),
                      BisTagSpin->value(), BisMonatSpin->value(), BisJahrSpin->value())
      .Von;
}

TDateTime TDruckVUebForm::Bis() const {
  return VUebZeitraum(VonTagSpin->value(), VonMonatSpin->value(), VonJahrSpin->value(),
                      BisTagSpin->value(), BisMonatSpin->value(), BisJahrSpin->value())
      .Bis;
}

void TDruckVUebForm::OptionenSpeichern() {
  TListDruckOptionen o;
  o.Rand = RandSpin->value();
  o.Font = fSchrift;
  SpeichereVUebDruck(o, Standard());
}

TDruckAuftrag TDruckVUebForm::Auftrag() const {
  TDruckAuftrag a;
  a.Zeichnen = [lehrer = fLehrer, o = LadeVUebDruck(Standard()), liste = Gewaehlt(), von = Von(),
                bis = Bis()](TPrevPrinter& p) {
    return DruckeVertretungsUebersicht(lehrer, o, liste, von, bis, p);
  };
  a.PdfName = fLehrer ? "Vertretungsübersicht Lehrer.pdf" : "Vertretungsübersicht Klassen.pdf";
  return a;
}

void VUebDruckZeigen(bool lehrer, TDateTime von, TDateTime bis, QWidget* vater, bool alle) {
  TQtDruckPlattform plattform(vater);
  TDruckVUebForm form(lehrer, plattform, von, bis, vater);
  if (alle) form.AlleKnopfClick();
  form.exec();
}
