#include "ui/fenster/AutomatFormUnit.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "model/KursUnit.h"
#include "model/SchulUnit.h"
#include "model/ToolsUnit.h"
#include "planning/OffenGrundUnit.h"
#include "settings/StandardUnit.h"
#include "ui/fenster/DepFormUnit.h"
#include "ui/DeputatUnit.h"

// ---- Startdialog ----

TAutoStartForm::TAutoStartForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Automatisches Rechnen"));
  const TStandard& s = Standard();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Wieviele Stunden rechnen,  bevor die\n"
                                              "Reihenfolge neu ermittelt wird?"),
                               this));
  StdSpin = new QSpinBox(this);
  StdSpin->setObjectName(QStringLiteral("StdSpin"));
  StdSpin->setRange(1, 5000);
  StdSpin->setSingleStep(10);
  StdSpin->setValue(s.fAuStd);
  layout->addWidget(StdSpin);
  layout->addWidget(new QLabel(QStringLiteral("Wieviel Prozent der Stunden rechnen?"), this));
  ProzentSpin = new QSpinBox(this);
  ProzentSpin->setObjectName(QStringLiteral("ProzentSpin"));
  ProzentSpin->setRange(5, 100);
  ProzentSpin->setSingleStep(5);
  ProzentSpin->setValue(s.fAuProzent);
  layout->addWidget(ProzentSpin);
  auto* gruppe = new QGroupBox(this);
  auto* g = new QVBoxLayout(gruppe);
  g->addWidget(
      new QLabel(QStringLiteral("Falls nicht anders möglich,\nsetze Stunden auch, wenn:"), gruppe));
  RaumCheck = new QCheckBox(QStringLiteral("kein passender Raum gefunden wird."), gruppe);
  EinzelCheck = new QCheckBox(
      QStringLiteral("die Zahl der Einfach- bzw. Mehrfach-\nstunden dann nicht stimmt."), gruppe);
  FreiCheck = new QCheckBox(QStringLiteral("freie Tage nicht immer eingehalten\nwerden."), gruppe);
  RaumCheck->setObjectName(QStringLiteral("RaumCheck"));
  EinzelCheck->setObjectName(QStringLiteral("EinzelCheck"));
  FreiCheck->setObjectName(QStringLiteral("FreiCheck"));
  RaumCheck->setChecked(s.fAuRaumUnwichtig);
  EinzelCheck->setChecked(s.fAuEinzelUnwichtig);
  FreiCheck->setChecked(s.fAuFreiUnwichtig);
  g->addWidget(RaumCheck);
  g->addWidget(EinzelCheck);
  g->addWidget(FreiCheck);
  layout->addWidget(gruppe);
  // Nach der Rechnung offene Stunden setzen, indem gesetzte verschoben werden.
  auto* nachbessern = new QHBoxLayout;
  NachbessernCheck = new QCheckBox(QStringLiteral("anschließend nachbessern"), this);
  NachbessernCheck->setObjectName(QStringLiteral("NachbessernCheck"));
  NachbessernCheck->setChecked(s.fAuNachbessern);
  NachbessernSpin = new QSpinBox(this);
  NachbessernSpin->setObjectName(QStringLiteral("NachbessernSpin"));
  NachbessernSpin->setRange(1, 3600);
  NachbessernSpin->setSuffix(QStringLiteral(" s"));
  NachbessernSpin->setValue(std::clamp(s.fAuNachbessernSek, 1, 3600));
  NachbessernSpin->setEnabled(s.fAuNachbessern);
  connect(NachbessernCheck, &QCheckBox::toggled, NachbessernSpin, &QSpinBox::setEnabled);
  nachbessern->addWidget(NachbessernCheck);
  nachbessern->addWidget(NachbessernSpin);
  nachbessern->addStretch();
  layout->addLayout(nachbessern);
  auto* knoepfe = new QHBoxLayout;
  OkKnopf = new QPushButton(QStringLiteral("Ok"), this);
  CancelKnopf = new QPushButton(QStringLiteral("Abbrechen"), this);
  OkKnopf->setObjectName(QStringLiteral("OkKnopf"));
  CancelKnopf->setObjectName(QStringLiteral("CancelKnopf"));
  OkKnopf->setDefault(true);
  knoepfe->addStretch();
  knoepfe->addWidget(OkKnopf);
  knoepfe->addWidget(CancelKnopf);
  layout->addLayout(knoepfe);
  connect(OkKnopf, &QPushButton::clicked, this, [this] { OkKnopfClick(); });
  connect(CancelKnopf, &QPushButton::clicked, this, &QDialog::reject);
}

void TAutoStartForm::OkKnopfClick() {
  TStandard& s = Standard();
  s.fAuStd = StdSpin->value();
  s.fAuProzent = ProzentSpin->value();
  s.fAuRaumUnwichtig = RaumCheck->isChecked();
  s.fAuEinzelUnwichtig = EinzelCheck->isChecked();
  s.fAuFreiUnwichtig = FreiCheck->isChecked();
  s.fAuNachbessern = NachbessernCheck->isChecked();
  s.fAuNachbessernSek = NachbessernSpin->value();
  accept();
}

// ---- Planungsfenster ----

TAutomatForm::TAutomatForm(QWidget* parent) : QDialog(parent), fAutomat(*this) {
  setWindowTitle(QStringLiteral("Automatisches Rechnen"));
  auto* layout = new QVBoxLayout(this);
  auto* felder = new QGridLayout;
  felder->addWidget(new QLabel(QStringLiteral("noch zu setzen"), this), 0, 0);
  felder->addWidget(new QLabel(QStringLiteral("nicht verplanbar"), this), 1, 0);
  RestFeld = new QLabel(QStringLiteral("0"), this);
  nvpFeld = new QLabel(QStringLiteral("0"), this);
  RestFeld->setObjectName(QStringLiteral("RestFeld"));
  nvpFeld->setObjectName(QStringLiteral("nvpFeld"));
  RestFeld->setAlignment(Qt::AlignRight);
  nvpFeld->setAlignment(Qt::AlignRight);
  felder->addWidget(RestFeld, 0, 1);
  felder->addWidget(nvpFeld, 1, 1);
  auto* zeitText = new QLabel(QStringLiteral("nachbessern"), this);
  ZeitFeld = new QLabel(this);
  ZeitFeld->setObjectName(QStringLiteral("ZeitFeld"));
  ZeitFeld->setAlignment(Qt::AlignRight);
  felder->addWidget(zeitText, 2, 0);
  felder->addWidget(ZeitFeld, 2, 1);
  zeitText->setVisible(Standard().fAuNachbessern);
  ZeitFeld->setVisible(Standard().fAuNachbessern);
  layout->addLayout(felder);
  Fortschrittsbalken = new QProgressBar(this);
  Fortschrittsbalken->setTextVisible(false);
  layout->addWidget(Fortschrittsbalken);
  auto* knoepfe = new QHBoxLayout;
  StartKnopf = new QPushButton(QStringLiteral("Start"), this);
  CancelKnopf = new QPushButton(QStringLiteral("Abbrechen"), this);
  OkKnopf = new QPushButton(QStringLiteral("Ok"), this);
  StartKnopf->setObjectName(QStringLiteral("StartKnopf"));
  CancelKnopf->setObjectName(QStringLiteral("CancelKnopf"));
  OkKnopf->setObjectName(QStringLiteral("OkKnopf"));
  knoepfe->addWidget(StartKnopf);
  knoepfe->addWidget(CancelKnopf);
  knoepfe->addWidget(OkKnopf);
  layout->addLayout(knoepfe);
  NVPZeigKnopf = new QPushButton(QStringLiteral("nicht verplanbare Stunden zeigen"), this);
  NVPZeigKnopf->setObjectName(QStringLiteral("NVPZeigKnopf"));
  layout->addWidget(NVPZeigKnopf);
  GruendeListe = new QListWidget(this);
  GruendeListe->setObjectName(QStringLiteral("GruendeListe"));
  GruendeListe->setVisible(false);
  layout->addWidget(GruendeListe);
  OkKnopf->setEnabled(false);
  NVPZeigKnopf->setEnabled(false);
  connect(StartKnopf, &QPushButton::clicked, this, [this] { StartKnopfClick(); });
  connect(CancelKnopf, &QPushButton::clicked, this, [this] { CancelKnopfClick(); });
  connect(OkKnopf, &QPushButton::clicked, this, [this] { OkKnopfClick(); });
  connect(NVPZeigKnopf, &QPushButton::clicked, this, [this] { NVPZeigKnopfClick(); });
}

void TAutomatForm::IAutomatForm(const std::vector<TKurs*>& auswahl) {
  fAutomat.KurseSammeln(auswahl);
}

void TAutomatForm::StartKnopfClick() {
  if (fRechnet) return;
  StartKnopf->setEnabled(false);
  fRechnet = true;
  fAutomat.Rechne();
  const TStandard& st = Standard();
  if (st.fAuNachbessern && !fAutomat.Abbruch()) {
    TNachbessernGrenze grenze;
    grenze.sekunden = std::clamp(st.fAuNachbessernSek, 1, 3600);
    // Das Ende der ersten Rechnung gab "Ok" frei; bis das Nachbessern fertig ist, gilt es nicht
    // (ein Klick darauf ginge sonst verloren, und das Fenster bliebe offen).
    Zustand(TAutomatZustand::Rechnend);
    Nachbessern(fAutomat.NochZuSetzen(), 0);
    fAutomat.Nachbessern(grenze);
  }
  fRechnet = false;
  // Ein "Abbrechen" während der Rechnung schließt das Fenster nach dem Kurs in Arbeit.
  if (fAutomat.Abbruch() || fSchliessenNachRechnen) reject();
}

void TAutomatForm::CancelKnopfClick() {
  fAutomat.Abbrechen();
  if (fRechnet)
    fSchliessenNachRechnen = true;
  else
    reject();
}

void TAutomatForm::reject() {
  if (fRechnet) {
    fAutomat.Abbrechen();
    fSchliessenNachRechnen = true;
    return;
  }
  QDialog::reject();
}

void TAutomatForm::OkKnopfClick() {
  if (!fRechnet) accept();
}

void TAutomatForm::NVPZeigKnopfClick() {
  if (fRechnet || fAutomat.Rest().empty()) return;
  AlleKurseFenster(fAutomat.Rest());
  accept();
}

void TAutomatForm::Zaehler(int nochZuSetzen, int nichtVerplanbar) {
  RestFeld->setText(QString::number(std::max(0, nochZuSetzen)));
  nvpFeld->setText(QString::number(nichtVerplanbar));
}

void TAutomatForm::Fortschritt(int position, int maximum) {
  Fortschrittsbalken->setRange(0, std::max(0, maximum));
  Fortschrittsbalken->setValue(std::clamp(position, 0, std::max(0, maximum)));
}

void TAutomatForm::Zustand(TAutomatZustand zustand) {
  StartKnopf->setEnabled(zustand == TAutomatZustand::Vorbereitet);
  CancelKnopf->setEnabled(zustand != TAutomatZustand::Fertig);
  OkKnopf->setEnabled(zustand == TAutomatZustand::Fertig);
  NVPZeigKnopf->setEnabled(zustand == TAutomatZustand::Fertig && !fAutomat.Rest().empty());
  // Woran die offenen Stunden hängen, je Kurs wie auf der Kommandozeile.
  GruendeListe->clear();
  if (zustand == TAutomatZustand::Fertig) {
    const bool einzelWichtig = !Standard().fAuEinzelUnwichtig;
    for (const TKurs* k : fAutomat.Rest())
      GruendeListe->addItem(
          QString::fromStdString(Win1252ZuUtf8(k->OhneRaumZeile()) + ": " +
                                 OffenGruendeText(OffenGruende(*k, einzelWichtig))));
  }
  GruendeListe->setVisible(GruendeListe->count() > 0);
}

void TAutomatForm::NachKurs() {
  repaint();
  QApplication::processEvents();
}

void TAutomatForm::Nachbessern(int nochZuSetzen, double sekunden) {
  RestFeld->setText(QString::number(std::max(0, nochZuSetzen)));
  ZeitFeld->setText(QString::number(sekunden, 'f', 1) + QStringLiteral(" s"));
  repaint();
  QApplication::processEvents();
}

void TAutomatForm::Piep() {
  QApplication::beep();
}

void AutomatikRechnung(QWidget* eltern) {
  TAutoStartForm start(eltern);
  if (start.exec() != QDialog::Accepted) return;
  // Die Kurse erst nach dem Dialog: die Auswahl des aktiven Fensters zählt.
  const std::vector<TKurs*> kurse = Deputat::AutomatikAuswahl();
  TAutomatForm form(eltern);
  form.IAutomatForm(kurse);
  form.exec();
  Schule().AlleFensterUpdate();
}
