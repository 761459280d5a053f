#include "settings/fenster/GrDatStandardFormUnit.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "model/SchulUnit.h"
#include "ui/fenster/QtTextUnit.h"
#include "ui/fenster/SperrQuonGridUnit.h"

TGrDatStandardForm::TGrDatStandardForm(QWidget* vater)
    : TStandardForm("Voreinstellung für Grunddaten", vater) {
  const TStandard& s = Standard();
  for (int w = 1; w <= fSperrung.WochenZahl(); ++w) fSperrung.SetWoche(w, s.fGrWoElem);
  auto* oben = new QHBoxLayout;
  Inhalt()->addLayout(oben);

  auto* links = new QVBoxLayout;
  oben->addLayout(links);
  auto* soll = new QGroupBox(T("Sollstunden für"), this);
  auto* sf = new QFormLayout(soll);
  LeSollFeld = ZahlFeld(soll, 1, 200 * std::max(1, s.fDivisor), "LeSollFeld");
  KlSollFeld = ZahlFeld(soll, 1, 200 * std::max(1, s.fDivisor), "KlSollFeld");
  LeSollFeld->setValue(s.fLeSoll);
  KlSollFeld->setValue(s.fKlSoll);
  sf->addRow(T("Lehrer"), LeSollFeld);
  sf->addRow(T("Klassen"), KlSollFeld);
  links->addWidget(soll);
  auto* sperr = new QGroupBox(T("Sperrung"), this);
  auto* sl = new QVBoxLayout(sperr);
  SperrFeld = new TSperrFeld(sperr);
  SperrFeld->SperrGrid->SetzeBereiche(&fSperrung, nullptr);
  SperrFeld->Fuellen();
  sl->addWidget(SperrFeld);
  links->addWidget(sperr);

  auto* kopie = new QGroupBox(T("Kopieren"), this);
  auto* kl = new QVBoxLayout(kopie);
  auto* art = new QGroupBox(T("Kürzel für"), kopie);
  auto* al = new QHBoxLayout(art);
  static const char* const kArten[3] = {"Lehrer", "Klassen", "Räume"};
  for (int i = 0; i < 3; ++i) {
    ArtRadio[i] = new QRadioButton(T(kArten[i]), art);
    ArtRadio[i]->setObjectName(T("ArtRadio") + QString::number(i));
    al->addWidget(ArtRadio[i]);
    connect(ArtRadio[i], &QRadioButton::clicked, this, [this, i] { ArtRadioClick(i); });
  }
  kl->addWidget(art);
  KuerzelListe = new QListWidget(kopie);
  KuerzelListe->setObjectName(T("KuerzelListe"));
  KuerzelListe->setSelectionMode(QAbstractItemView::ExtendedSelection);
  kl->addWidget(KuerzelListe);
  SperrCheck = new QCheckBox(T("Sperrung"), kopie);
  SperrCheck->setObjectName(T("SperrCheck"));
  SollCheck = new QCheckBox(T("Soll"), kopie);
  SollCheck->setObjectName(T("SollCheck"));
  KopierenKnopf = new QPushButton(T("Kopieren"), kopie);
  KopierenKnopf->setObjectName(T("KopierenKnopf"));
  kl->addWidget(SperrCheck);
  kl->addWidget(SollCheck);
  kl->addWidget(KopierenKnopf);
  oben->addWidget(kopie);
  connect(SperrCheck, &QCheckBox::toggled, this, [this] { Freigeben(); });
  connect(SollCheck, &QCheckBox::toggled, this, [this] { Freigeben(); });
  connect(KopierenKnopf, &QPushButton::clicked, this, [this] { KopierenKnopfClick(); });
  ArtRadio[0]->setChecked(true);
  ArtRadioClick(0);
}

void TGrDatStandardForm::ArtRadioClick(int art) {
  art = std::clamp(art, 0, 2);
  ArtRadio[art]->setChecked(true);
  static const TKuerzelArt kArt[3] = {TKuerzelArt::leh, TKuerzelArt::kla, TKuerzelArt::rau};
  fElemente.clear();
  KuerzelListe->clear();
  for (TElement* e : Schule().Elemente(kArt[art])) {
    fElemente.push_back(static_cast<TPlanElement*>(e));
    KuerzelListe->addItem(QString::fromStdString(Win1252ZuUtf8(e->fKuerzel.str())));
  }
  SollCheck->setEnabled(art != 2);
  Freigeben();
}

void TGrDatStandardForm::Freigeben() {
  KopierenKnopf->setEnabled(GrDatKopierenWaehlbar(SperrCheck->isChecked(), SollCheck->isEnabled(),
                                                  SollCheck->isChecked()));
}

std::vector<TPlanElement*> TGrDatStandardForm::GewaehlteElemente() const {
  std::vector<TPlanElement*> gewaehlt;
  for (int i = 0; i < KuerzelListe->count(); ++i)
    if (KuerzelListe->item(i)->isSelected() && static_cast<std::size_t>(i) < fElemente.size())
      gewaehlt.push_back(fElemente[static_cast<std::size_t>(i)]);
  return gewaehlt;
}

TGrDatWerte TGrDatStandardForm::Werte() const {
  TGrDatWerte w;
  w.LeSoll = LeSollFeld->value();
  w.KlSoll = KlSollFeld->value();
  if (const TWoElem* e = fSperrung.GetWoche(Standard().fAktuelleWoche)) w.Sperrung = *e;
  return w;
}

void TGrDatStandardForm::KopierenKnopfClick() {
  if (!KopierenKnopf->isEnabled()) return;
  GrunddatenKopieren(GewaehlteElemente(), Werte(), SperrCheck->isChecked(),
                     SollCheck->isEnabled() && SollCheck->isChecked());
}

void TGrDatStandardForm::Uebernehmen() {
  GrunddatenUebernehmen(Werte());
}
