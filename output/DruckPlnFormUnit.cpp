#include "output/DruckPlnFormUnit.h"

#include <cmath>

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontDialog>
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
#include "output/QtDruckerUnit.h"
#include "settings/StandardUnit.h"
#include "ui/QtTextUnit.h"

namespace {
QSpinBox* Zahlfeld(QWidget* vater, int von, int bis, const char* name) {
  auto* s = new QSpinBox(vater);
  s->setRange(von, bis);
  s->setObjectName(T(name));
  return s;
}

QCheckBox* Haekchen(QWidget* vater, const char* text, const char* name) {
  auto* c = new QCheckBox(T(text), vater);
  c->setObjectName(T(name));
  return c;
}

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

TDruckPlnForm::TDruckPlnForm(TPlanDruckArt art, TDruckPlattform& plattform, TMehrfachWahl wahl,
                             TPlanElement* element, QWidget* vater)
    : QDialog(vater), fArt(art), fPlattform(plattform), fWahl(std::move(wahl)) {
  const TPlanDruckTexte& texte = PlanDruckTexte(art);
  const bool koppl = IstKoppDruck(art);
  setWindowTitle(T(texte.Titel));
  auto* haupt = new QGridLayout(this);

  // Bereich der Tage und Stunden.
  auto* bereich = new QGroupBox(this);
  auto* bg = new QGridLayout(bereich);
  vonTagUpDown = Zahlfeld(bereich, 1, 7, "vonTagUpDown");
  vonStdUpDown = Zahlfeld(bereich, 1, 16, "vonStdUpDown");
  bisTagUpDown = Zahlfeld(bereich, 1, 7, "bisTagUpDown");
  bisStdUpDown = Zahlfeld(bereich, 1, 16, "bisStdUpDown");
  vonTagLabel = new QLabel(bereich);
  vonStdLabel = new QLabel(bereich);
  bisTagLabel = new QLabel(bereich);
  bisStdLabel = new QLabel(bereich);
  bg->addWidget(new QLabel(T("von"), bereich), 0, 0);
  bg->addWidget(vonTagUpDown, 0, 1);
  bg->addWidget(vonTagLabel, 0, 2);
  bg->addWidget(vonStdUpDown, 0, 3);
  bg->addWidget(vonStdLabel, 0, 4);
  bg->addWidget(new QLabel(T("bis"), bereich), 1, 0);
  bg->addWidget(bisTagUpDown, 1, 1);
  bg->addWidget(bisTagLabel, 1, 2);
  bg->addWidget(bisStdUpDown, 1, 3);
  bg->addWidget(bisStdLabel, 1, 4);
  bg->addWidget(new QLabel(T("Bemerkung"), bereich), 2, 0);
  BemFeld = new QLineEdit(bereich);
  BemFeld->setObjectName(T("BemFeld"));
  BemFeld->setMaxLength(61);
  bg->addWidget(BemFeld, 2, 1, 1, 4);
  haupt->addWidget(bereich, 0, 0, 1, 2);

  // Häkchen.
  auto* optionen = new QGroupBox(this);
  auto* og = new QGridLayout(optionen);
  static const char* const kMitNamen[4] = {"MitCheck1", "MitCheck2", "MitCheck3", "KoCheck"};
  for (int i = 0; i < 4; ++i) {
    MitCheck[i] = Haekchen(optionen, texte.Mit[i], kMitNamen[i]);
    if (!koppl) og->addWidget(MitCheck[i], i, 0);
    MitCheck[i]->setVisible(!koppl);
    connect(MitCheck[i], &QCheckBox::toggled, this, [this, i] {
      if (fSperre) return;
      TPlanDruckOptionen o = Optionen();
      HaekchenAbgleichen(fArt, o, i);
      SetzeOptionen(o);
    });
  }
  stattCheck = Haekchen(optionen, texte.Statt, "stattCheck");
  SperrCheck = Haekchen(optionen, "mit Sperrungen", "SperrCheck");
  FixCheck = Haekchen(optionen, "mit Fixierungen", "FixCheck");
  fettCheck = Haekchen(optionen, "Kopplungen fett", "fettCheck");
  alleCheck = Haekchen(optionen, texte.Alle, "alleCheck");
  DatumCheck = Haekchen(optionen, "mit Datum", "DatumCheck");
  EineCheck = Haekchen(optionen, "1 Seite pro Plan", "EineCheck");
  FarbCheck = Haekchen(optionen, "mit Farbe", "FarbCheck");
  VersionenCheck = Haekchen(optionen, "alle Planversionen", "VersionenCheck");
  KoBezCheck = Haekchen(optionen, "mit Kopplungsbezeichnung", "KoBezCheck");
  int zeile = 0;
  if (!koppl) og->addWidget(stattCheck, 4, 0);
  for (QCheckBox* c : {SperrCheck, FixCheck, fettCheck, alleCheck, DatumCheck})
    og->addWidget(c, zeile++, 1);
  if (!koppl) og->addWidget(EineCheck, zeile++, 1);
  og->addWidget(FarbCheck, zeile++, 1);
  if (koppl) og->addWidget(KoBezCheck, zeile++, 1);
  og->addWidget(VersionenCheck, zeile++, 1);
  stattCheck->setVisible(!koppl);
  EineCheck->setVisible(!koppl);
  KoBezCheck->setVisible(koppl);
  connect(stattCheck, &QCheckBox::toggled, this, [this] {
    if (fSperre) return;
    TPlanDruckOptionen o = Optionen();
    HaekchenAbgleichen(fArt, o, -1);
    SetzeOptionen(o);
  });
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
  auto* rand = new QGroupBox(T("Rand [cm]"), this);
  auto* rf = new QFormLayout(rand);
  LinksSpin = Zahlfeld(rand, 0, 6, "LinksSpin");
  RechtsSpin = Zahlfeld(rand, 0, 6, "RechtsSpin");
  ObenSpin = Zahlfeld(rand, 0, 6, "ObenSpin");
  UntenSpin = Zahlfeld(rand, 0, 6, "UntenSpin");
  rf->addRow(T("links"), LinksSpin);
  rf->addRow(T("rechts"), RechtsSpin);
  rf->addRow(T("oben"), ObenSpin);
  rf->addRow(T("unten"), UntenSpin);
  auto* schrift = new QGroupBox(T("Schrift"), this);
  auto* sl = new QHBoxLayout(schrift);
  SchriftFeld = new QLineEdit(schrift);
  SchriftFeld->setReadOnly(true);
  auto* aendern = new QPushButton(T("Ändern"), schrift);
  sl->addWidget(SchriftFeld);
  sl->addWidget(aendern);
  connect(aendern, &QPushButton::clicked, this, [this] {
    bool ok = false;
    QFont f(T(fSchrift.Name), fSchrift.Groesse);
    f.setBold(fSchrift.Fett);
    f.setItalic(fSchrift.Kursiv);
    const QFont neu = QFontDialog::getFont(&ok, f, this, T("Schrift"));
    if (!ok) return;
    fSchrift.Name = neu.family().toStdString();
    fSchrift.Groesse = std::max(1, neu.pointSize());
    fSchrift.Fett = neu.bold();
    fSchrift.Kursiv = neu.italic();
    SchriftZeigen();
  });
  auto* links = new QVBoxLayout;
  links->addWidget(reihe);
  links->addWidget(neben);
  links->addWidget(schrift);
  haupt->addLayout(links, 2, 0);
  haupt->addWidget(rand, 2, 1);

  // Elementliste.
  auto* liste = new QGroupBox(T(texte.Liste), this);
  auto* ll = new QVBoxLayout(liste);
  KuerzelGrid = new QListWidget(liste);
  KuerzelGrid->setObjectName(T("KuerzelGrid"));
  AuswahlKnopf = new QPushButton(T("Auswahl"), liste);
  ll->addWidget(KuerzelGrid);
  ll->addWidget(AuswahlKnopf);
  connect(KuerzelGrid, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { delete KuerzelGrid->takeItem(KuerzelGrid->row(item)); });
  connect(AuswahlKnopf, &QPushButton::clicked, this, [this] { AuswahlKnopfClick(); });
  haupt->addWidget(liste, 0, 2, 3, 1);

  // Knöpfe.
  auto* knoepfe = new QHBoxLayout;
  OkKnopf = new QPushButton(T("Ok"), this);
  AnsehenKnopf = new QPushButton(T("Ansehen"), this);
  PapierKnopf = new QPushButton(T("Papierformat"), this);
  PdfKnopf = new QPushButton(T("Als PDF speichern…"), this);
  AbbrechenKnopf = new QPushButton(T("Abbrechen"), this);
  for (QPushButton* k : {OkKnopf, AnsehenKnopf, PapierKnopf, PdfKnopf, AbbrechenKnopf})
    knoepfe->addWidget(k);
  OkKnopf->setDefault(true);
  haupt->addLayout(knoepfe, 3, 0, 1, 3);
  connect(OkKnopf, &QPushButton::clicked, this, [this] { OkKnopfClick(); });
  connect(AnsehenKnopf, &QPushButton::clicked, this, [this] { AnsehenKnopfClick(); });
  connect(PapierKnopf, &QPushButton::clicked, this,
          [this] { TQtDruckPlattform::Papierformat(this); });
  connect(PdfKnopf, &QPushButton::clicked, this, [this] { PdfKnopfClick(); });
  connect(AbbrechenKnopf, &QPushButton::clicked, this, &QDialog::reject);

  for (QSpinBox* s : {vonTagUpDown, vonStdUpDown, bisTagUpDown, bisStdUpDown})
    connect(s, &QSpinBox::valueChanged, this, [this] { BereichAnpassen(); });

  TPlanDruckOptionen o = LadePlanDruck(art, Standard());
  BereichKlemmen(o);
  SetzeOptionen(o);
  if (element) ElementAnhaengen(element);
}

void TDruckPlnForm::SchriftZeigen() {
  SchriftFeld->setText(T(fSchrift.Name) + T(" ") + QString::number(fSchrift.Groesse));
}

void TDruckPlnForm::Beschriften() {
  const TStandard& s = Standard();
  const int woche = std::clamp(s.fAktuelleWoche, 1, MaxWochen);
  vonTagLabel->setText(T(U8(s.fTagName[vonTagUpDown->value()].str())));
  bisTagLabel->setText(T(U8(s.fTagName[bisTagUpDown->value()].str())));
  vonStdLabel->setText(T(U8(s.fStdBez[woche][vonStdUpDown->value()].str())));
  bisStdLabel->setText(T(U8(s.fStdBez[woche][bisStdUpDown->value()].str())));
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
  vonTagUpDown->setRange(1, 7);
  bisTagUpDown->setRange(1, 7);
  vonStdUpDown->setRange(1, 16);
  bisStdUpDown->setRange(1, 16);
  vonTagUpDown->setValue(o.VonTag);
  bisTagUpDown->setValue(o.BisTag);
  vonStdUpDown->setValue(o.VonStd);
  bisStdUpDown->setValue(o.BisStd);
  BemFeld->setText(T(U8(o.Bem)));
  for (int i = 0; i < 4; ++i) MitCheck[i]->setChecked(o.Mit[i]);
  stattCheck->setChecked(o.Statt);
  SperrCheck->setChecked(o.Sperr);
  FixCheck->setChecked(o.Fix);
  fettCheck->setChecked(o.Fett);
  alleCheck->setChecked(o.Alle);
  DatumCheck->setChecked(o.Datum);
  EineCheck->setChecked(o.EineSeite);
  FarbCheck->setChecked(o.Farbe);
  VersionenCheck->setChecked(o.Versionen);
  KoBezCheck->setChecked(o.MitKoBez);
  (o.Links == 0 ? StundenLinksRadio : TageLinksRadio)->setChecked(true);
  (o.Neben == 0 ? NebenRadio : UnterRadio)->setChecked(true);
  LinksSpin->setValue(o.RandLi);
  RechtsSpin->setValue(o.RandRe);
  ObenSpin->setValue(o.RandOb);
  UntenSpin->setValue(o.RandUn);
  fSchrift = o.Font;
  fAb = o.Ab;
  SchriftZeigen();
  BereichAnpassen();
  fSperre = false;
}

TPlanDruckOptionen TDruckPlnForm::Optionen() const {
  TPlanDruckOptionen o = LadePlanDruck(fArt, Standard());
  o.VonTag = vonTagUpDown->value();
  o.BisTag = bisTagUpDown->value();
  o.VonStd = vonStdUpDown->value();
  o.BisStd = bisStdUpDown->value();
  o.Bem = Utf8ZuWin1252(BemFeld->text().toStdString());
  for (int i = 0; i < 4; ++i) o.Mit[i] = MitCheck[i]->isChecked();
  o.Statt = stattCheck->isChecked();
  o.Sperr = SperrCheck->isChecked();
  o.Fix = FixCheck->isChecked();
  o.Fett = fettCheck->isChecked();
  o.Alle = alleCheck->isChecked();
  o.Datum = DatumCheck->isChecked();
  o.EineSeite = EineCheck->isChecked();
  o.Farbe = FarbCheck->isChecked();
  o.Versionen = VersionenCheck->isChecked();
  o.MitKoBez = KoBezCheck->isChecked();
  o.Links = TageLinksRadio->isChecked() ? 1 : 0;
  o.Neben = UnterRadio->isChecked() ? 1 : 0;
  o.RandLi = LinksSpin->value();
  o.RandRe = RechtsSpin->value();
  o.RandOb = ObenSpin->value();
  o.RandUn = UntenSpin->value();
  o.Font = fSchrift;
  o.Ab = fAb;
  return o;
}

std::vector<TPlanElement*> TDruckPlnForm::Elemente() const {
  std::vector<TPlanElement*> aus;
  for (int i = 0; i < KuerzelGrid->count(); ++i)
    aus.push_back(
        static_cast<TPlanElement*>(KuerzelGrid->item(i)->data(Qt::UserRole).value<void*>()));
  return aus;
}

void TDruckPlnForm::ElementAnhaengen(TPlanElement* e) {
  if (!e) return;
  auto* item = new QListWidgetItem(T(U8(e->fKuerzel.str())), KuerzelGrid);
  item->setData(Qt::UserRole, QVariant::fromValue(static_cast<void*>(e)));
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

void TDruckPlnForm::OkKnopfClick() {
  OptionenSpeichern();
  const TDruckAuftrag a = Auftrag();
  accept();
  DruckOk(fPlattform, a);
}

void TDruckPlnForm::AnsehenKnopfClick() {
  OptionenSpeichern();
  DruckAnsehen(fPlattform, Auftrag());
}

void TDruckPlnForm::PdfKnopfClick() {
  OptionenSpeichern();
  DruckAlsPdf(fPlattform, Auftrag());
}

TZeitPlnForm::TZeitPlnForm(TDateTime ab, QWidget* vater) : QDialog(vater) {
  setWindowTitle(T("Geänderte Pläne"));
  auto* haupt = new QVBoxLayout(this);
  haupt->addWidget(new QLabel(T("Drucke nur Pläne,die geändert wurden nach:"), this));
  auto* gruppe = new QGroupBox(T("von Datum"), this);
  auto* f = new QFormLayout(gruppe);
  TagSpin = Zahlfeld(gruppe, 1, 31, "TagSpin");
  MonatSpin = Zahlfeld(gruppe, 1, 12, "MonatSpin");
  JahrSpin = Zahlfeld(gruppe, 1994, 2039, "JahrSpin");
  StundeSpin = Zahlfeld(gruppe, 0, 24, "StundeSpin");
  MinuteSpin = Zahlfeld(gruppe, 0, 59, "MinuteSpin");
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
