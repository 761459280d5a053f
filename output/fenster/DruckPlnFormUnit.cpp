#include "output/fenster/DruckPlnFormUnit.h"

#include <cmath>

#include <QBoxLayout>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "model/DatumUnit.h"
#include "model/SchulUnit.h"
#include "output/DruckAuftragUnit.h"
#include "output/fenster/QtDruckerUnit.h"
#include "settings/StandardUnit.h"
#include "ui/fenster/QtTextUnit.h"

namespace {
const char* PdfName(TPlanDruckArt art) {
  switch (art) {
    case TPlanDruckArt::Lehrer:
      return "Lehrerpläne.pdf";
    case TPlanDruckArt::Klassen:
      return "Klassenpläne.pdf";
    case TPlanDruckArt::Raeume:
      return "Raumpläne.pdf";
    case TPlanDruckArt::KoppLehrer:
      return "Kopplungspläne für Lehrer.pdf";
    case TPlanDruckArt::KoppKlassen:
      break;
  }
  return "Kopplungspläne für Klassen.pdf";
}
}  // namespace

namespace {
std::string AuswahlName(TPlanDruckArt art) {
  return "Pln" + std::to_string(static_cast<int>(art));
}
}  // namespace

TDruckPlnForm::TDruckPlnForm(TPlanDruckArt art, TDruckPlattform& plattform, TMehrfachWahl wahl,
                             TPlanElement* element, QWidget* vater)
    : TBereichsDruckDialog(plattform, vater), fArt(art), fWahl(std::move(wahl)) {
  fSchriftEinstellung = &PlanDruckSchrift(art, Standard());
  const TPlanDruckTexte& texte = PlanDruckTexte(art);
  const bool koppl = IstKoppDruck(art);
  setWindowTitle(T(texte.Titel));
  auto* haupt = new QGridLayout(this);

  // Bereich der Tage und Stunden.
  haupt->addWidget(BereichGruppe(), 0, 0, 1, 2);

  // Häkchen.
  auto* optionen = new QGroupBox(this);
  auto* og = new QGridLayout(optionen);
  ArtHaekchenAnlegen(optionen, og, texte.Mit, texte.Statt, !koppl, [this](int stelle) {
    TPlanDruckOptionen o = Optionen();
    HaekchenAbgleichen(fArt, o, stelle);
    SetzeOptionen(o);
  });
  SperrCheck = DruckHaekchen(optionen, "mit Sperrungen", "SperrCheck");
  FixCheck = DruckHaekchen(optionen, "mit Fixierungen", "FixCheck");
  fettCheck = DruckHaekchen(optionen, "Kopplungen fett", "fettCheck");
  alleCheck = DruckHaekchen(optionen, texte.Alle, "alleCheck");
  DatumCheck = DruckHaekchen(optionen, "mit Datum", "DatumCheck");
  EineCheck = DruckHaekchen(optionen, "1 Seite pro Plan", "EineCheck");
  FarbCheck = DruckHaekchen(optionen, "mit Farbe", "FarbCheck");
  VersionenCheck = DruckHaekchen(optionen, "alle Planversionen", "VersionenCheck");
  KoBezCheck = DruckHaekchen(optionen, "mit Kopplungsbezeichnung", "KoBezCheck");
  int zeile = 0;
  for (QCheckBox* c : {SperrCheck, FixCheck, fettCheck, alleCheck, DatumCheck})
    og->addWidget(c, zeile++, 1);
  if (!koppl) og->addWidget(EineCheck, zeile++, 1);
  og->addWidget(FarbCheck, zeile++, 1);
  if (koppl) og->addWidget(KoBezCheck, zeile++, 1);
  og->addWidget(VersionenCheck, zeile++, 1);
  EineCheck->setVisible(!koppl);
  KoBezCheck->setVisible(koppl);
  connect(alleCheck, &QCheckBox::clicked, this, [this] { AlleCheckClick(); });
  haupt->addWidget(optionen, 1, 0, 1, 2);

  // Reihenfolge, Kürzelanordnung, Ränder, Schrift.
  auto* reihe = new QGroupBox(T("Reihenfolge"), this);
  auto* rl = new QVBoxLayout(reihe);
  StundenLinksRadio = new QRadioButton(T("Stunden links"), reihe);
  TageLinksRadio = new QRadioButton(T("Tage links"), reihe);
  rl->addWidget(StundenLinksRadio);
  rl->addWidget(TageLinksRadio);
  auto* neben = new QGroupBox(T("Kürzelanordnung"), this);
  auto* nl = new QVBoxLayout(neben);
  NebenRadio = new QRadioButton(T("nebeneinander"), neben);
  UnterRadio = new QRadioButton(T("untereinander"), neben);
  nl->addWidget(NebenRadio);
  nl->addWidget(UnterRadio);
  neben->setVisible(!koppl);
  QWidget* rand = RandGruppe();
  auto* links = new QVBoxLayout;
  links->addWidget(reihe);
  links->addWidget(neben);
  links->addWidget(SchriftGruppe());
  haupt->addLayout(links, 2, 0);
  haupt->addWidget(rand, 2, 1);

  // Elementliste.
  auto* liste = new QGroupBox(T(texte.Liste), this);
  auto* ll = new QVBoxLayout(liste);
  KuerzelListe(liste, ll);
  AuswahlKnopf = new QPushButton(T("Auswahl"), liste);
  ll->addWidget(AuswahlKnopf);
  connect(AuswahlKnopf, &QPushButton::clicked, this, [this] { AuswahlKnopfClick(); });
  haupt->addWidget(liste, 0, 2, 3, 1);

  // Knöpfe.
  haupt->addLayout(Knopfzeile(), 3, 0, 1, 3);

  for (QSpinBox* s : {vonTagUpDown, vonStdUpDown, bisTagUpDown, bisStdUpDown})
    connect(s, &QSpinBox::valueChanged, this, [this] { BereichAnpassen(); });

  TPlanDruckOptionen o = LadePlanDruck(art, Standard());
  BereichKlemmen(o);
  SetzeOptionen(o);
  if (element)
    ElementAnhaengen(element);
  else
    ListeVorgeben(AuswahlName(art), AllePlanElemente(art));
}

// "von" nie hinter "bis": das Höchste von "von" ist "bis", das Kleinste von "bis" ist "von".
void TDruckPlnForm::BereichAnpassen() {
  const int tage = std::clamp(Standard().fMaxTageNeu, 1, MaxTage);
  const int stunden = std::clamp(Standard().fPlnStd, 1, MaxStunden);
  vonTagUpDown->setMaximum(bisTagUpDown->value());
  bisTagUpDown->setRange(vonTagUpDown->value(), tage);
  vonStdUpDown->setMaximum(bisStdUpDown->value());
  bisStdUpDown->setRange(vonStdUpDown->value(), stunden);
  Beschriften();
}

void TDruckPlnForm::SetzeOptionen(const TPlanDruckOptionen& o) {
  fSperre = true;
  GemeinsamSetzen(o);
  alleCheck->setChecked(o.Alle);
  EineCheck->setChecked(o.EineSeite);
  VersionenCheck->setChecked(o.Versionen);
  KoBezCheck->setChecked(o.MitKoBez);
  (o.Links == 0 ? StundenLinksRadio : TageLinksRadio)->setChecked(true);
  (o.Neben == 0 ? NebenRadio : UnterRadio)->setChecked(true);
  fAb = o.Ab;
  BereichAnpassen();
  fSperre = false;
}

TPlanDruckOptionen TDruckPlnForm::Optionen() const {
  TPlanDruckOptionen o = LadePlanDruck(fArt, Standard());
  GemeinsamLesen(o);
  o.Alle = alleCheck->isChecked();
  o.EineSeite = EineCheck->isChecked();
  o.Versionen = VersionenCheck->isChecked();
  o.MitKoBez = KoBezCheck->isChecked();
  o.Links = TageLinksRadio->isChecked() ? 1 : 0;
  o.Neben = UnterRadio->isChecked() ? 1 : 0;
  o.Ab = fAb;
  return o;
}

void TDruckPlnForm::AuswahlKnopfClick() {
  if (!fWahl) return;
  std::vector<TElement*> menge;
  for (TPlanElement* e : AllePlanElemente(fArt)) menge.push_back(e);
  for (TElement* e : fWahl(menge, T(PlanDruckTexte(fArt).Auswahl)))
    ElementAnhaengen(static_cast<TPlanElement*>(e));
}

void TDruckPlnForm::AlleCheckClick() {
  if (alleCheck->isChecked()) return;
  std::optional<TDateTime> ab;
  if (fZeitWahl) {
    ab = fZeitWahl(fAb);
  } else {
    TZeitPlnForm zeit(fAb, this);
    if (zeit.exec() == QDialog::Accepted) ab = zeit.Zeitpunkt();
  }
  if (ab) fAb = *ab;
}

void TDruckPlnForm::OptionenSpeichern() {
  SpeicherePlanDruck(fArt, Optionen(), Standard());
  ListeMerken(AuswahlName(fArt));
}

TDruckAuftrag TDruckPlnForm::Auftrag() const {
  TDruckAuftrag a;
  const TPlanDruckArt art = fArt;
  const TPlanDruckOptionen o = Optionen();
  const std::vector<TPlanElement*> liste = Elemente();
  a.Zeichnen = [art, o, liste](TPrevPrinter& p) { return DruckePlaene(art, o, liste, p); };
  a.LeerText = "Keine Pläne zu drucken.";
  a.PdfName = PdfName(fArt);
  return a;
}

TZeitPlnForm::TZeitPlnForm(TDateTime ab, QWidget* vater) : QDialog(vater) {
  setWindowTitle(T("Geänderte Pläne"));
  auto* haupt = new QVBoxLayout(this);
  haupt->addWidget(new QLabel(T("Drucke nur Pläne,die geändert wurden nach:"), this));
  auto* gruppe = new QGroupBox(T("von Datum"), this);
  auto* f = new QFormLayout(gruppe);
  TagSpin = DruckZahlfeld(gruppe, 1, 31, "TagSpin");
  MonatSpin = DruckZahlfeld(gruppe, 1, 12, "MonatSpin");
  JahrSpin = DruckZahlfeld(gruppe, 1994, 2039, "JahrSpin");
  StundeSpin = DruckZahlfeld(gruppe, 0, 24, "StundeSpin");
  MinuteSpin = DruckZahlfeld(gruppe, 0, 59, "MinuteSpin");
  f->addRow(T("Tag"), TagSpin);
  f->addRow(T("Monat"), MonatSpin);
  f->addRow(T("Jahr"), JahrSpin);
  f->addRow(T("Stunde"), StundeSpin);
  f->addRow(T("Minute"), MinuteSpin);
  haupt->addWidget(gruppe);
  const TDatum d = ZahlZuDatum(ab);
  TagSpin->setValue(d.Tag);
  MonatSpin->setValue(d.Monat);
  JahrSpin->setValue(d.Jahr);
  const int minuten = static_cast<int>((ab - std::floor(ab)) * 1440.0 + 0.5);
  StundeSpin->setValue(minuten / 60);
  MinuteSpin->setValue(minuten % 60);
  auto* knoepfe = new QDialogButtonBox(this);
  knoepfe->addButton(T("Ok"), QDialogButtonBox::AcceptRole);
  knoepfe->addButton(T("Abbrechen"), QDialogButtonBox::RejectRole);
  connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
  haupt->addWidget(knoepfe);
}

TDateTime TZeitPlnForm::Zeitpunkt() const {
  return AenderungsZeitpunkt(TagSpin->value(), MonatSpin->value(), JahrSpin->value(),
                             StundeSpin->value(), MinuteSpin->value());
}

void PlanDruckZeigen(TPlanDruckArt art, TMehrfachWahl wahl, TPlanElement* element, QWidget* vater) {
  TQtDruckPlattform plattform(vater);
  TDruckPlnForm form(art, plattform, std::move(wahl), element, vater);
  form.exec();
}
