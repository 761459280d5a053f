#include "ui/fenster/PlLoeschFormUnit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "model/ElementUnit.h"
#include "model/FachUnit.h"
#include "model/KlassenUnit.h"
#include "model/KopplUnit.h"
#include "model/LehrerUnit.h"
#include "model/RaumUnit.h"
#include "model/SchulUnit.h"
#include "model/ToolsUnit.h"
#include "planning/PlLoeschUnit.h"
#include "settings/StandardUnit.h"
#include "ui/fenster/SperrQuonGridUnit.h"

namespace {

// Die Auswahlliste der Palette unter dem Knopf.
TElement* PaletteWahl(TKuerzelArt art, QPushButton* knopf) {
  TFensterDienst* dienst = FensterDienst();
  if (!dienst) return nullptr;
  const QPoint pos = knopf->mapToGlobal(QPoint(0, knopf->height()));
  const auto wahl = dienst->ElementWaehlen(art, false, pos.x(), pos.y());
  if (!wahl || !wahl->Gewaehlt) return nullptr;
  return wahl->Element;
}

}  // namespace

TPlLoeschForm::TPlLoeschForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      fSperrung(Standard().fMaxWocheNeu),
      fBesetzung(Standard().fMaxWocheNeu) {
  setWindowTitle(QStringLiteral("Pläne löschen"));
  const TStandard& st = Standard();
  for (int t = 1; t <= std::clamp(st.fMaxTageNeu, 1, 7); ++t)
    fSperrung.SetWocheTag(st.fAktuelleWoche, t, 0xFFFFu);

  auto* gruppe = new QGroupBox(QStringLiteral("Stunden löschen"), this);
  auto* radios = new QVBoxLayout(gruppe);
  auto* radioGruppe = new QButtonGroup(this);
  const std::pair<QRadioButton**, const char*> arten[] = {
      {&alleRadio, "in allenPlänen"}, {&LeRadio, "für Lehrer"}, {&KlRadio, "für Klassen"},
      {&Koradio, "für Kopplungen"},   {&FaRadio, "für Fächer"}, {&RaRadio, "für Räume"}};
  int nr = 0;
  for (const auto& [radio, text] : arten) {
    *radio = new QRadioButton(QString::fromUtf8(text), gruppe);
    radios->addWidget(*radio);
    radioGruppe->addButton(*radio, nr);
    connect(*radio, &QRadioButton::clicked, this, [this, nr] { RadioClick(nr); });
    ++nr;
  }
  mitKoppCheck = new QCheckBox(QStringLiteral("mit Kopplungen"), this);
  FixNichtCheck = new QCheckBox(QStringLiteral("ohne fixierte Std."), this);
  mitKoppCheck->setChecked(st.fPlLoeMitKopp);
  FixNichtCheck->setChecked(st.fPlLoeFixNicht);
  connect(mitKoppCheck, &QCheckBox::toggled, this, [](bool an) { Standard().fPlLoeMitKopp = an; });
  connect(FixNichtCheck, &QCheckBox::toggled, this,
          [](bool an) { Standard().fPlLoeFixNicht = an; });

  vonKnopf = new QPushButton(QStringLiteral("von"), this);
  bisKnopf = new QPushButton(QStringLiteral("bis"), this);
  vonFeld = new QLabel(this);
  bisFeld = new QLabel(this);
  for (QLabel* f : {vonFeld, bisFeld}) {
    f->setTextFormat(Qt::PlainText);
    f->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    f->setMinimumWidth(80);
  }
  for (QPushButton* k : {vonKnopf, bisKnopf}) k->setAutoDefault(false);
  connect(vonKnopf, &QPushButton::clicked, this, [this] { vonKnopfClick(); });
  connect(bisKnopf, &QPushButton::clicked, this, [this] { bisKnopfClick(); });

  auto* zellen = new QGroupBox(QStringLiteral("zu löschende Stunden"), this);
  auto* zellenSpalte = new QVBoxLayout(zellen);
  Sperrung = new TSperrFeld(zellen);
  Sperrung->SperrGrid->SetzeBereiche(&fSperrung, &fBesetzung);
  Sperrung->Fuellen();
  zellenSpalte->addWidget(Sperrung);

  OkKnopf = new QPushButton(QStringLiteral("Ok"), this);
  CancelKnopf = new QPushButton(QStringLiteral("Abbrechen"), this);
  OkKnopf->setDefault(true);
  CancelKnopf->setAutoDefault(false);
  connect(OkKnopf, &QPushButton::clicked, this, [this] { OkKnopfClick(); });
  connect(CancelKnopf, &QPushButton::clicked, this, &QDialog::reject);

  auto* bereich = new QGridLayout;
  bereich->addWidget(vonKnopf, 0, 0);
  bereich->addWidget(vonFeld, 0, 1);
  bereich->addWidget(bisKnopf, 1, 0);
  bereich->addWidget(bisFeld, 1, 1);
  auto* links = new QVBoxLayout;
  links->addWidget(gruppe);
  links->addWidget(mitKoppCheck);
  links->addWidget(FixNichtCheck);
  links->addLayout(bereich);
  links->addStretch();
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addStretch();
  knoepfe->addWidget(OkKnopf);
  knoepfe->addWidget(CancelKnopf);
  auto* oben = new QHBoxLayout;
  oben->addLayout(links);
  oben->addWidget(zellen);
  auto* spalte = new QVBoxLayout(this);
  spalte->addLayout(oben);
  spalte->addLayout(knoepfe);

  const int wahl = std::clamp(st.fPlLoeRadio, 0, 5);
  radioGruppe->button(wahl)->setChecked(true);
  AktualisiereRadio();
}

void TPlLoeschForm::RadioClick(int nr) {
  Standard().fPlLoeRadio = nr;
  AktualisiereRadio();
}

void TPlLoeschForm::Felder() {
  vonFeld->setText(fVonElement ? QString::fromStdString(Win1252ZuUtf8(fVonElement->fKuerzel.str()))
                               : QString());
  bisFeld->setText(fBisElement ? QString::fromStdString(Win1252ZuUtf8(fBisElement->fKuerzel.str()))
                               : QString());
}

void TPlLoeschForm::AktualisiereRadio() {
  const int radio = Standard().fPlLoeRadio;
  const bool bereich = radio != 0;
  vonKnopf->setEnabled(bereich);
  bisKnopf->setEnabled(bereich);
  fVonElement = bereich ? ErstesElement(radio) : nullptr;
  fBisElement = bereich ? LetztesElement(radio) : nullptr;
  Felder();
}

void TPlLoeschForm::vonKnopfClick() {
  const int radio = Standard().fPlLoeRadio;
  if (radio == 0) return;
  TElement* e = fElementWahl ? fElementWahl(PlLoeschArt(radio), vonKnopf)
                             : PaletteWahl(PlLoeschArt(radio), vonKnopf);
  if (!e) return;
  fVonElement = VonWahl(radio, e, fBisElement);
  Felder();
}

void TPlLoeschForm::bisKnopfClick() {
  const int radio = Standard().fPlLoeRadio;
  if (radio == 0) return;
  TElement* e = fElementWahl ? fElementWahl(PlLoeschArt(radio), bisKnopf)
                             : PaletteWahl(PlLoeschArt(radio), bisKnopf);
  if (!e) return;
  fBisElement = BisWahl(radio, e, fVonElement);
  Felder();
}

void TPlLoeschForm::OkKnopfClick() {
  PlaeneLoeschen(fSperrung, Standard().fPlLoeRadio, fVonElement, fBisElement);
  accept();
}
