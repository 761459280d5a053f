#include "settings/fenster/VersStandardFormUnit.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "model/SchulUnit.h"
#include "settings/VersKopieUnit.h"
#include "settings/VoreinstellungUnit.h"
#include "ui/fenster/QtTextUnit.h"

namespace {
const TKuerzelArt kArten[5] = {TKuerzelArt::leh, TKuerzelArt::kla, TKuerzelArt::kop,
                               TKuerzelArt::fac, TKuerzelArt::rau};
}

TVersStandardForm::TVersStandardForm(QWidget* vater)
    : TStandardForm("Voreinstellung für Planversionen", vater) {
  const TStandard& s = Standard();
  auto* schalter = new QHBoxLayout;
  AlleCheck = new QCheckBox(this);
  AlleCheck->setObjectName(T("AlleCheck"));
  AlleCheck->setChecked(!s.fEineWoche);
  schalter->addWidget(AlleCheck);
  schalter->addWidget(
      new QLabel(T("Aktionen möglichst\nfür alle Planversionen\ngleichzeitig ausführen"), this));
  schalter->addStretch();
  Inhalt()->addLayout(schalter);

  auto* kopie = new QGroupBox(T("Planversion kopieren"), this);
  auto* kl = new QHBoxLayout(kopie);
  auto* links = new QVBoxLayout;
  kl->addLayout(links);
  auto* art = new QGroupBox(kopie);
  auto* al = new QVBoxLayout(art);
  static const char* const kTexte[6] = {"Lehrer", "Klassen", "Kopplungen",
                                        "Fächer", "Räume",   "alle Kurse"};
  for (int i = 0; i < 6; ++i) {
    KuerzelRadio[i] = new QRadioButton(T(kTexte[i]), art);
    KuerzelRadio[i]->setObjectName(T("KuerzelRadio") + QString::number(i));
    al->addWidget(KuerzelRadio[i]);
    connect(KuerzelRadio[i], &QRadioButton::clicked, this, [this, i] { KuerzelRadioClick(i); });
  }
  links->addWidget(art);
  auto* umfang = new QGroupBox(kopie);
  auto* ul = new QVBoxLayout(umfang);
  DeputatRadio = new QRadioButton(T("nur Deputate"), umfang);
  DeputatRadio->setObjectName(T("DeputatRadio"));
  PlanRadio = new QRadioButton(T("auch Pläne"), umfang);
  PlanRadio->setObjectName(T("PlanRadio"));
  ul->addWidget(DeputatRadio);
  ul->addWidget(PlanRadio);
  (s.fVersAuchPlan ? PlanRadio : DeputatRadio)->setChecked(true);
  links->addWidget(umfang);
  auto* versionen = new QFormLayout;
  VonFeld = ZahlFeld(kopie, 1, std::max(1, s.fMaxWocheNeu), "VonFeld");
  ZuFeld = ZahlFeld(kopie, 1, std::max(1, s.fMaxWocheNeu), "ZuFeld");
  VonFeld->setValue(s.fAktuelleWoche);
  ZuFeld->setValue(s.fAktuelleWoche);
  versionen->addRow(T("von Version"), VonFeld);
  versionen->addRow(T("zu Version"), ZuFeld);
  links->addLayout(versionen);
  KopierenKnopf = new QPushButton(T("Kopieren"), kopie);
  KopierenKnopf->setObjectName(T("KopierenKnopf"));
  links->addWidget(KopierenKnopf);
  KuerzelListe = new QListWidget(kopie);
  KuerzelListe->setObjectName(T("KuerzelListe"));
  KuerzelListe->setSelectionMode(QAbstractItemView::ExtendedSelection);
  kl->addWidget(KuerzelListe);
  Inhalt()->addWidget(kopie);

  connect(VonFeld, &QSpinBox::valueChanged, this, [this] { Freigeben(); });
  connect(ZuFeld, &QSpinBox::valueChanged, this, [this] { Freigeben(); });
  connect(KopierenKnopf, &QPushButton::clicked, this, [this] { KopierenKnopfClick(); });
  KuerzelRadioClick(std::clamp(s.fVersKuerzel, 0, 5));
}

int TVersStandardForm::Art() const {
  for (int i = 0; i < 6; ++i)
    if (KuerzelRadio[i]->isChecked()) return i;
  return 5;
}

void TVersStandardForm::KuerzelRadioClick(int art) {
  art = std::clamp(art, 0, 5);
  KuerzelRadio[art]->setChecked(true);
  fElemente.clear();
  KuerzelListe->clear();
  if (art < 5)
    for (TElement* e : Schule().Elemente(kArten[art])) {
      fElemente.push_back(e);
      KuerzelListe->addItem(QString::fromStdString(Win1252ZuUtf8(e->fKuerzel.str())));
    }
  KuerzelListe->setEnabled(art < 5);
  Freigeben();
}

void TVersStandardForm::Freigeben() {
  KopierenKnopf->setEnabled(VersKopierenWaehlbar(VonFeld->value(), ZuFeld->value()));
}

std::vector<TElement*> TVersStandardForm::GewaehlteElemente() const {
  std::vector<TElement*> gewaehlt;
  for (int i = 0; i < KuerzelListe->count(); ++i)
    if (KuerzelListe->item(i)->isSelected() && static_cast<std::size_t>(i) < fElemente.size())
      gewaehlt.push_back(fElemente[static_cast<std::size_t>(i)]);
  return gewaehlt;
}

void TVersStandardForm::KopierenKnopfClick() {
  if (!KopierenKnopf->isEnabled()) return;
  TVersKopieAuftrag a;
  a.Von = VonFeld->value();
  a.Zu = ZuFeld->value();
  a.AlleKurse = Art() == 5;
  a.Elemente = GewaehlteElemente();
  a.AuchPlaene = PlanRadio->isChecked();
  VersionKopieren(a);
}

void TVersStandardForm::Uebernehmen() {
  fSchalterGeaendert =
      !VersionsvorgabenUebernehmen(AlleCheck->isChecked(), Art(), PlanRadio->isChecked());
}
