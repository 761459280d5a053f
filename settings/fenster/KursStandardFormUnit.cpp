#include "settings/fenster/KursStandardFormUnit.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "ui/fenster/QtFarbDialogUnit.h"
#include "ui/fenster/QtTextUnit.h"
#include "ui/fenster/SperrQuonGridUnit.h"

TKursStandardForm::TKursStandardForm(QWidget* vater)
    : TStandardForm("Voreinstellung für Kurse", vater), fKurse(KopierKurse()) {
  const TKursWerte w = KursWerteAusStandard();
  for (int v = 1; v <= fSperrung.WochenZahl(); ++v) fSperrung.SetWoche(v, w.Sperrung);
  fFarbe = w.Farbe;
  auto* oben = new QHBoxLayout;
  Inhalt()->addLayout(oben);

  auto* werte = new QGroupBox(this);
  auto* wf = new QFormLayout(werte);
  KursStdFeld = ZahlFeld(werte, 0, 112, "KursStdFeld");
  FaktorFeld = ZahlFeld(werte, 0, 10000, "FaktorFeld");
  StdProTagFeld = ZahlFeld(werte, 1, 16, "StdProTagFeld");
  EinzelStdFeld = ZahlFeld(werte, 0, 7, "EinzelStdFeld");
  TabellenFeld = ZahlFeld(werte, 1, 4, "TabellenFeld");
  wf->addRow(T("Kurs-Stunden"), KursStdFeld);
  wf->addRow(T("Faktor"), FaktorFeld);
  wf->addRow(T("Stunden pro Tag"), StdProTagFeld);
  wf->addRow(T("Einzelstunden"), EinzelStdFeld);
  wf->addRow(T("Automatik-Tab."), TabellenFeld);
  VerplanenCheck = new QCheckBox(T("nicht verplanen"), werte);
  ZaehlenKlCheck = new QCheckBox(T("nicht zählen Klassen"), werte);
  ZaehlenLeCheck = new QCheckBox(T("nicht zählen Lehrer"), werte);
  FarbKnopf = new QPushButton(T("Farbe ändern"), werte);
  FarbKnopf->setObjectName(T("FarbKnopf"));
  wf->addRow(VerplanenCheck);
  wf->addRow(ZaehlenKlCheck);
  wf->addRow(ZaehlenLeCheck);
  wf->addRow(FarbKnopf);
  auto* sortierung = new QGroupBox(T("Kurse in Listen"), werte);
  auto* sl = new QVBoxLayout(sortierung);
  KlassenRadio = new QRadioButton(T("nach Klassen sortieren"), sortierung);
  KlassenRadio->setObjectName(T("KlassenRadio"));
  LehrerRadio = new QRadioButton(T("nach Lehrern sortieren"), sortierung);
  LehrerRadio->setObjectName(T("LehrerRadio"));
  sl->addWidget(KlassenRadio);
  sl->addWidget(LehrerRadio);
  wf->addRow(sortierung);
  oben->addWidget(werte);

  auto* sperr = new QGroupBox(T("Sperrung"), this);
  auto* spl = new QVBoxLayout(sperr);
  SperrFeld = new TSperrFeld(sperr);
  SperrFeld->SperrGrid->SetzeBereiche(&fSperrung, nullptr);
  SperrFeld->Fuellen();
  spl->addWidget(SperrFeld);
  spl->addStretch();
  oben->addWidget(sperr);

  auto* kopie = new QGroupBox(T("Einstellung kopieren"), this);
  auto* kl = new QVBoxLayout(kopie);
  static const char* const kKopien[kKursKopien] = {"Kurs-Stunden",
                                                   "Faktor",
                                                   "Stunden pro Tag",
                                                   "Einzelstunden",
                                                   "Automatik-Tabelle",
                                                   "Verplaneinstellung",
                                                   "Zähleinstellung",
                                                   "Sperrung",
                                                   "Farbe"};
  for (int i = 0; i < kKursKopien; ++i) {
    KopieCheck[i] = new QCheckBox(T(kKopien[i]), kopie);
    KopieCheck[i]->setObjectName(T("KopieCheck") + QString::number(i + 1));
    KopieCheck[i]->setEnabled(!fKurse.empty());
    kl->addWidget(KopieCheck[i]);
    connect(KopieCheck[i], &QCheckBox::toggled, this, [this] { Freigeben(); });
  }
  KopierenKnopf = new QPushButton(T("Kopieren"), kopie);
  KopierenKnopf->setObjectName(T("KopierenKnopf"));
  kl->addWidget(KopierenKnopf);
  kl->addStretch();
  oben->addWidget(kopie);

  KursStdFeld->setValue(w.KursStd);
  FaktorFeld->setValue(w.Faktor);
  StdProTagFeld->setValue(w.StdProTag);
  EinzelStdFeld->setValue(w.EinzelStd);
  TabellenFeld->setValue(w.TabellenNr);
  VerplanenCheck->setChecked(w.NichtVerplanen);
  ZaehlenKlCheck->setChecked(w.NichtZaehlenKl);
  ZaehlenLeCheck->setChecked(w.NichtZaehlenLe);
  (w.NachKlSortiert ? KlassenRadio : LehrerRadio)->setChecked(true);
  FarbeZeigen();
  Freigeben();
  connect(StdProTagFeld, &QSpinBox::valueChanged, this, [this] { StdProTagFeldChange(); });
  connect(FarbKnopf, &QPushButton::clicked, this, [this] { FarbKnopfClick(); });
  connect(KopierenKnopf, &QPushButton::clicked, this, [this] { KopierenKnopfClick(); });
}

void TKursStandardForm::StdProTagFeldChange() {
  if (const std::optional<int> e = EinzelStdVorschlag(KursStdFeld->value(), StdProTagFeld->value()))
    EinzelStdFeld->setValue(*e);
}

void TKursStandardForm::FarbKnopfClick() {
  if (const std::optional<TColor> f = FarbeWaehlen(fFarbe, this)) {
    fFarbe = *f;
    FarbeZeigen();
  }
}

void TKursStandardForm::FarbeZeigen() {
  FarbKnopf->setStyleSheet(T("background-color: ") + ZuQColor(fFarbe).name());
}

void TKursStandardForm::Freigeben() {
  bool eines = false;
  for (QCheckBox* c : KopieCheck) eines = eines || (c->isEnabled() && c->isChecked());
  KopierenKnopf->setEnabled(eines);
}

TKursWerte TKursStandardForm::Werte() const {
  TKursWerte w;
  w.KursStd = KursStdFeld->value();
  w.Faktor = FaktorFeld->value();
  w.StdProTag = StdProTagFeld->value();
  w.EinzelStd = EinzelStdFeld->value();
  w.TabellenNr = TabellenFeld->value();
  w.NichtVerplanen = VerplanenCheck->isChecked();
  w.NichtZaehlenKl = ZaehlenKlCheck->isChecked();
  w.NichtZaehlenLe = ZaehlenLeCheck->isChecked();
  w.Farbe = fFarbe;
  w.NachKlSortiert = KlassenRadio->isChecked();
  if (const TWoElem* e = fSperrung.GetWoche(Standard().fAktuelleWoche)) w.Sperrung = *e;
  return w;
}

void TKursStandardForm::KopierenKnopfClick() {
  if (!KopierenKnopf->isEnabled()) return;
  TKursKopieWahl wahl(kKursKopien, false);
  for (int i = 0; i < kKursKopien; ++i)
    wahl[static_cast<std::size_t>(i)] = KopieCheck[i]->isChecked();
  KursEinstellungKopieren(fKurse, Werte(), wahl);
}

void TKursStandardForm::Uebernehmen() {
  KursvorgabenUebernehmen(Werte());
}
