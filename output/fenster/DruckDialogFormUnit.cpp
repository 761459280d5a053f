#include "output/fenster/DruckDialogFormUnit.h"

#include "output/DruckAuswahlUnit.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <algorithm>

#include "model/PlanElemUnit.h"
#include "output/DruckPlnUnit.h"
#include "output/DruckUebUnit.h"
#include "output/fenster/QtDruckerUnit.h"
#include "settings/StandardUnit.h"

QSpinBox* DruckZahlfeld(QWidget* vater, int von, int bis, const char* name) {
  auto* s = new QSpinBox(vater);
  s->setRange(von, bis);
  s->setObjectName(QString::fromUtf8(name));
  return s;
}

QCheckBox* DruckHaekchen(QWidget* vater, const char* text, const char* name) {
  auto* c = new QCheckBox(QString::fromUtf8(text), vater);
  c->setObjectName(QString::fromUtf8(name));
  return c;
}

// --- TDruckDialog ---

TDruckDialog::TDruckDialog(TDruckPlattform& plattform, QWidget* vater)
    : QDialog(vater), fPlattform(plattform) {}

QWidget* TDruckDialog::SchriftGruppe() {
  auto* schrift = new QGroupBox(QStringLiteral("Schrift"), this);
  auto* sl = new QHBoxLayout(schrift);
  SchriftFeld = new QLineEdit(schrift);
  SchriftFeld->setObjectName(QStringLiteral("SchriftFeld"));
  SchriftFeld->setReadOnly(true);
  auto* aendern = new QPushButton(QString::fromUtf8("Ändern"), schrift);
  sl->addWidget(SchriftFeld);
  sl->addWidget(aendern);
  connect(aendern, &QPushButton::clicked, this, [this] {
    bool ok = false;
    QFont f(QString::fromStdString(fSchrift.Name), fSchrift.Groesse);
    f.setBold(fSchrift.Fett);
    f.setItalic(fSchrift.Kursiv);
    const QFont neu = QFontDialog::getFont(&ok, f, this, QStringLiteral("Schrift"));
    if (!ok) return;
    fSchrift.Name = neu.family().toStdString();
    fSchrift.Groesse = std::max(1, neu.pointSize());
    fSchrift.Fett = neu.bold();
    fSchrift.Kursiv = neu.italic();
    if (fSchriftEinstellung) *fSchriftEinstellung = fSchrift;
    SchriftZeigen();
    SchriftGeaendert();
  });
  return schrift;
}

QLayout* TDruckDialog::Knopfzeile() {
  auto* knoepfe = new QHBoxLayout;
  OkKnopf = new QPushButton(QStringLiteral("Ok"), this);
  AnsehenKnopf = new QPushButton(QStringLiteral("Ansehen"), this);
  PapierKnopf = new QPushButton(QStringLiteral("Papierformat"), this);
  PdfKnopf = new QPushButton(QString::fromUtf8("Als PDF speichern…"), this);
  AbbrechenKnopf = new QPushButton(QStringLiteral("Abbrechen"), this);
  for (QPushButton* k : {OkKnopf, AnsehenKnopf, PapierKnopf, PdfKnopf, AbbrechenKnopf})
    knoepfe->addWidget(k);
  OkKnopf->setDefault(true);
  connect(OkKnopf, &QPushButton::clicked, this, [this] { OkKnopfClick(); });
  connect(AnsehenKnopf, &QPushButton::clicked, this, [this] { AnsehenKnopfClick(); });
  connect(PapierKnopf, &QPushButton::clicked, this,
          [this] { TQtDruckPlattform::Papierformat(this); });
  connect(PdfKnopf, &QPushButton::clicked, this, [this] { PdfKnopfClick(); });
  connect(AbbrechenKnopf, &QPushButton::clicked, this, &QDialog::reject);
  return knoepfe;
}

void TDruckDialog::SchriftZeigen() {
  SchriftFeld->setText(QString::fromStdString(fSchrift.Name) + QStringLiteral(" ") +
                       QString::number(fSchrift.Groesse));
}

void TDruckDialog::DruckFreigeben(bool frei) {
  for (QPushButton* k : {OkKnopf, AnsehenKnopf, PdfKnopf})
    if (k) k->setEnabled(frei);
}

void TDruckDialog::OkKnopfClick() {
  if (!OkKnopf->isEnabled()) return;
  OptionenSpeichern();
  const TDruckAuftrag a = Auftrag();
  accept();
  DruckOk(fPlattform, a);
}

void TDruckDialog::AnsehenKnopfClick() {
  if (!AnsehenKnopf->isEnabled()) return;
  OptionenSpeichern();
  DruckAnsehen(fPlattform, Auftrag());
}

void TDruckDialog::PdfKnopfClick() {
  if (!PdfKnopf->isEnabled()) return;
  OptionenSpeichern();
  DruckAlsPdf(fPlattform, Auftrag());
}

// --- TBereichsDruckDialog ---

QWidget* TBereichsDruckDialog::BereichGruppe() {
  auto* bereich = new QGroupBox(this);
  auto* bg = new QGridLayout(bereich);
  vonTagUpDown = DruckZahlfeld(bereich, 1, 7, "vonTagUpDown");
  vonStdUpDown = DruckZahlfeld(bereich, 1, 16, "vonStdUpDown");
  bisTagUpDown = DruckZahlfeld(bereich, 1, 7, "bisTagUpDown");
  bisStdUpDown = DruckZahlfeld(bereich, 1, 16, "bisStdUpDown");
  vonTagLabel = new QLabel(bereich);
  vonStdLabel = new QLabel(bereich);
  bisTagLabel = new QLabel(bereich);
  bisStdLabel = new QLabel(bereich);
  bg->addWidget(new QLabel(QStringLiteral("von"), bereich), 0, 0);
  bg->addWidget(vonTagUpDown, 0, 1);
  bg->addWidget(vonTagLabel, 0, 2);
  bg->addWidget(vonStdUpDown, 0, 3);
  bg->addWidget(vonStdLabel, 0, 4);
  bg->addWidget(new QLabel(QStringLiteral("bis"), bereich), 1, 0);
  bg->addWidget(bisTagUpDown, 1, 1);
  bg->addWidget(bisTagLabel, 1, 2);
  bg->addWidget(bisStdUpDown, 1, 3);
  bg->addWidget(bisStdLabel, 1, 4);
  bg->addWidget(new QLabel(QStringLiteral("Bemerkung"), bereich), 2, 0);
  BemFeld = new QLineEdit(bereich);
  BemFeld->setObjectName(QStringLiteral("BemFeld"));
  BemFeld->setMaxLength(61);
  bg->addWidget(BemFeld, 2, 1, 1, 4);
  return bereich;
}

QWidget* TBereichsDruckDialog::RandGruppe() {
  auto* rand = new QGroupBox(QStringLiteral("Rand [cm]"), this);
  auto* rf = new QFormLayout(rand);
  LinksSpin = DruckZahlfeld(rand, 0, 6, "LinksSpin");
  RechtsSpin = DruckZahlfeld(rand, 0, 6, "RechtsSpin");
  ObenSpin = DruckZahlfeld(rand, 0, 6, "ObenSpin");
  UntenSpin = DruckZahlfeld(rand, 0, 6, "UntenSpin");
  rf->addRow(QStringLiteral("links"), LinksSpin);
  rf->addRow(QStringLiteral("rechts"), RechtsSpin);
  rf->addRow(QStringLiteral("oben"), ObenSpin);
  rf->addRow(QStringLiteral("unten"), UntenSpin);
  return rand;
}

void TBereichsDruckDialog::ArtHaekchenAnlegen(QWidget* gruppe, QGridLayout* og,
                                              const char* const (&mit)[4], const char* statt,
                                              bool zeigen,
                                              const std::function<void(int)>& abgleichen) {
  static const char* const kMitNamen[4] = {"MitCheck1", "MitCheck2", "MitCheck3", "KoCheck"};
  for (int i = 0; i < 4; ++i) {
    MitCheck[i] = DruckHaekchen(gruppe, mit[i], kMitNamen[i]);
    if (zeigen) og->addWidget(MitCheck[i], i, 0);
    MitCheck[i]->setVisible(zeigen);
  }
  stattCheck = DruckHaekchen(gruppe, statt, "stattCheck");
  if (zeigen) og->addWidget(stattCheck, 4, 0);
  stattCheck->setVisible(zeigen);
  for (int i = -1; i < 4; ++i)
    connect(i < 0 ? stattCheck : MitCheck[i], &QCheckBox::toggled, this, [this, i, abgleichen] {
      if (!fSperre) abgleichen(i);
    });
}

void TBereichsDruckDialog::KuerzelListe(QWidget* gruppe, QBoxLayout* ll) {
  KuerzelGrid = new QListWidget(gruppe);
  KuerzelGrid->setObjectName(QStringLiteral("KuerzelGrid"));
  ll->addWidget(KuerzelGrid);
  connect(KuerzelGrid, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { delete KuerzelGrid->takeItem(KuerzelGrid->row(item)); });
}

void TBereichsDruckDialog::Beschriften() {
  const TStandard& s = Standard();
  const int woche = std::clamp(s.fAktuelleWoche, 1, MaxWochen);
  vonTagLabel->setText(QString::fromStdString(U8(s.fTagName[vonTagUpDown->value()].str())));
  bisTagLabel->setText(QString::fromStdString(U8(s.fTagName[bisTagUpDown->value()].str())));
  vonStdLabel->setText(QString::fromStdString(U8(s.fStdBez[woche][vonStdUpDown->value()].str())));
  bisStdLabel->setText(QString::fromStdString(U8(s.fStdBez[woche][bisStdUpDown->value()].str())));
}

std::vector<TPlanElement*> TBereichsDruckDialog::Elemente() const {
  std::vector<TPlanElement*> aus;
  for (int i = 0; i < KuerzelGrid->count(); ++i)
    aus.push_back(
        static_cast<TPlanElement*>(KuerzelGrid->item(i)->data(Qt::UserRole).value<void*>()));
  return aus;
}

void TBereichsDruckDialog::ListeVorgeben(const std::string& druck,
                                         const std::vector<TPlanElement*>& alle) {
  for (TPlanElement* e : DruckAuswahlVorgabe(druck, alle)) ElementAnhaengen(e);
}

void TBereichsDruckDialog::ListeMerken(const std::string& druck) const {
  DruckAuswahlMerken(druck, Elemente());
}

void TBereichsDruckDialog::ElementAnhaengen(TPlanElement* e) {
  if (!e) return;
  auto* item = new QListWidgetItem(QString::fromStdString(U8(e->fKuerzel.str())), KuerzelGrid);
  item->setData(Qt::UserRole, QVariant::fromValue(static_cast<void*>(e)));
}

// Erst die Grenzen weit, dann die Werte in dieser Folge: Der Plandruck gleicht die Grenzen schon
// bei jeder Änderung eines Werts ab.
template <class O>
void TBereichsDruckDialog::GemeinsamSetzen(const O& o) {
  for (QSpinBox* s : {vonTagUpDown, bisTagUpDown}) s->setRange(1, 7);
  for (QSpinBox* s : {vonStdUpDown, bisStdUpDown}) s->setRange(1, 16);
  vonTagUpDown->setValue(o.VonTag);
  bisTagUpDown->setValue(o.BisTag);
  vonStdUpDown->setValue(o.VonStd);
  bisStdUpDown->setValue(o.BisStd);
  BemFeld->setText(QString::fromStdString(U8(o.Bem)));
  for (int i = 0; i < 4; ++i) MitCheck[i]->setChecked(o.Mit[i]);
  stattCheck->setChecked(o.Statt);
  SperrCheck->setChecked(o.Sperr);
  FixCheck->setChecked(o.Fix);
  fettCheck->setChecked(o.Fett);
  FarbCheck->setChecked(o.Farbe);
  DatumCheck->setChecked(o.Datum);
  LinksSpin->setValue(o.RandLi);
  RechtsSpin->setValue(o.RandRe);
  ObenSpin->setValue(o.RandOb);
  UntenSpin->setValue(o.RandUn);
  fSchrift = o.Font;
  SchriftZeigen();
}

template <class O>
void TBereichsDruckDialog::GemeinsamLesen(O& o) const {
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
  o.Farbe = FarbCheck->isChecked();
  o.Datum = DatumCheck->isChecked();
  o.RandLi = LinksSpin->value();
  o.RandRe = RechtsSpin->value();
  o.RandOb = ObenSpin->value();
  o.RandUn = UntenSpin->value();
  o.Font = fSchrift;
}

template void TBereichsDruckDialog::GemeinsamSetzen(const TPlanDruckOptionen&);
template void TBereichsDruckDialog::GemeinsamSetzen(const TUebDruckOptionen&);
template void TBereichsDruckDialog::GemeinsamLesen(TPlanDruckOptionen&) const;
template void TBereichsDruckDialog::GemeinsamLesen(TUebDruckOptionen&) const;
