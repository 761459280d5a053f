// Die Dialoge der Übersichtsdrucke (die Klassen stehen in DruckListeFormUnit.h).
#include <QBoxLayout>
#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include "model/SchulUnit.h"
#include "output/DruckListeFormUnit.h"
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

const char* PdfName(TUebDruckArt art) {
  static const char* const kNamen[4] = {"Lehrerübersicht.pdf", "Klassenübersicht.pdf",
                                        "Raumübersicht.pdf", "Kombinationsübersicht.pdf"};
  return kNamen[static_cast<int>(art)];
}
}  // namespace

TDruckUebForm::TDruckUebForm(TUebDruckArt art, TDruckPlattform& plattform, TMehrfachWahl wahl,
                             QWidget* vater)
    : TDruckDialog(plattform, vater), fArt(art), fWahl(std::move(wahl)) {
  const TUebDruckTexte& texte = UebDruckTexte(art);
  const bool kombi = art == TUebDruckArt::Kombination;
  setWindowTitle(T(texte.Titel));
  auto* haupt = new QGridLayout(this);

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

  auto* optionen = new QGroupBox(this);
  auto* og = new QGridLayout(optionen);
  static const char* const kMitNamen[4] = {"MitCheck1", "MitCheck2", "MitCheck3", "KoCheck"};
  for (int i = 0; i < 4; ++i) {
    MitCheck[i] = Haekchen(optionen, texte.Mit[i], kMitNamen[i]);
    MitCheck[i]->setVisible(!kombi);
    if (!kombi) og->addWidget(MitCheck[i], i, 0);
    connect(MitCheck[i], &QCheckBox::toggled, this, [this, i] {
      if (fSperre) return;
      TUebDruckOptionen o = Optionen();
      UebHaekchenAbgleichen(fArt, o, i);
      SetzeOptionen(o);
    });
  }
  stattCheck = Haekchen(optionen, texte.Statt, "stattCheck");
  stattCheck->setVisible(!kombi);
  if (!kombi) og->addWidget(stattCheck, 4, 0);
  connect(stattCheck, &QCheckBox::toggled, this, [this] {
    if (fSperre) return;
    TUebDruckOptionen o = Optionen();
    UebHaekchenAbgleichen(fArt, o, -1);
    SetzeOptionen(o);
  });
  SperrCheck = Haekchen(optionen, "mit Sperrungen", "SperrCheck");
  FixCheck = Haekchen(optionen, "mit Fixierungen", "FixCheck");
  fettCheck = Haekchen(optionen, "Kopplungen fett", "fettCheck");
  FarbCheck = Haekchen(optionen, "mit Farbe", "FarbCheck");
  unterCheck = Haekchen(optionen, "untereinander", "unterCheck");
  DatumCheck = Haekchen(optionen, "mit Datum", "DatumCheck");
  DatumCheck->setVisible(kombi);
  int zeile = 0;
  for (QCheckBox* c : {SperrCheck, FixCheck, fettCheck, FarbCheck, unterCheck})
    og->addWidget(c, zeile++, 1);
  if (kombi) og->addWidget(DatumCheck, zeile++, 1);
  haupt->addWidget(optionen, 1, 0, 1, 2);

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
  haupt->addWidget(SchriftGruppe(), 2, 0);
  haupt->addWidget(rand, 2, 1);

  auto* liste = new QGroupBox(T(texte.Liste), this);
  auto* ll = new QVBoxLayout(liste);
  KuerzelGrid = new QListWidget(liste);
  KuerzelGrid->setObjectName(T("KuerzelGrid"));
  ll->addWidget(KuerzelGrid);
  connect(KuerzelGrid, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { delete KuerzelGrid->takeItem(KuerzelGrid->row(item)); });
  if (kombi) {
    const std::pair<const char*, TKuerzelArt> knoepfe[] = {
        {"Lehrer", leh}, {"Klassen", kla}, {"Räume", rau}};
    for (const auto& [text, k] : knoepfe) {
      auto* knopf = new QPushButton(T(text), liste);
      ll->addWidget(knopf);
      connect(knopf, &QPushButton::clicked, this, [this, k = k] { AuswahlKnopfClick(k); });
    }
  } else {
    auto* knopf = new QPushButton(T("Auswahl"), liste);
    knopf->setObjectName(T("AuswahlKnopf"));
    ll->addWidget(knopf);
    static const TKuerzelArt kArt[3] = {leh, kla, rau};
    connect(knopf, &QPushButton::clicked, this,
            [this] { AuswahlKnopfClick(kArt[static_cast<int>(fArt)]); });
  }
  haupt->addWidget(liste, 0, 2, 3, 1);
  haupt->addLayout(Knopfzeile(), 3, 0, 1, 3);

  // 10 ms nach einer Änderung: Beschriftung und Grenzen neu.
  for (QSpinBox* s : {vonTagUpDown, vonStdUpDown, bisTagUpDown, bisStdUpDown})
    connect(s, &QSpinBox::valueChanged, this,
            [this] { QTimer::singleShot(10, this, [this] { BereichAnpassen(); }); });
  SetzeOptionen(LadeUebDruck(art, Standard()));
  if (kombi) {
    DruckFreigeben(!Schule().fLehrerMenge.empty() || !Schule().fKlassenMenge.empty() ||
                   !Schule().fRaumMenge.empty());
  } else {
    static const TKuerzelArt kArt[3] = {leh, kla, rau};
    DruckFreigeben(!Schule().Elemente(kArt[static_cast<int>(art)]).empty());
  }
}

void TDruckUebForm::BereichAnpassen() {
  const TStandard& s = Standard();
  const bool alt = fSperre;
  fSperre = true;
  vonTagUpDown->setMaximum(bisTagUpDown->value());
  bisTagUpDown->setMinimum(vonTagUpDown->value());
  vonStdUpDown->setMaximum(bisStdUpDown->value());
  bisStdUpDown->setMinimum(vonStdUpDown->value());
  const int woche = std::clamp(s.fAktuelleWoche, 1, MaxWochen);
  vonTagLabel->setText(T(U8(s.fTagName[vonTagUpDown->value()].str())));
  bisTagLabel->setText(T(U8(s.fTagName[bisTagUpDown->value()].str())));
  vonStdLabel->setText(T(U8(s.fStdBez[woche][vonStdUpDown->value()].str())));
  bisStdLabel->setText(T(U8(s.fStdBez[woche][bisStdUpDown->value()].str())));
  fSperre = alt;
}

void TDruckUebForm::SetzeOptionen(const TUebDruckOptionen& o) {
  fSperre = true;
  for (QSpinBox* s : {vonTagUpDown, bisTagUpDown}) s->setRange(1, 7);
  for (QSpinBox* s : {vonStdUpDown, bisStdUpDown}) s->setRange(1, 16);
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
  FarbCheck->setChecked(o.Farbe);
  unterCheck->setChecked(o.Unter);
  DatumCheck->setChecked(o.Datum);
  LinksSpin->setValue(o.RandLi);
  RechtsSpin->setValue(o.RandRe);
  ObenSpin->setValue(o.RandOb);
  UntenSpin->setValue(o.RandUn);
  fSchrift = o.Font;
  SchriftZeigen();
  BereichAnpassen();
  fSperre = false;
}

TUebDruckOptionen TDruckUebForm::Optionen() const {
  TUebDruckOptionen o = LadeUebDruck(fArt, Standard());
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
  o.Unter = unterCheck->isChecked();
  o.Datum = DatumCheck->isChecked();
  o.RandLi = LinksSpin->value();
  o.RandRe = RechtsSpin->value();
  o.RandOb = ObenSpin->value();
  o.RandUn = UntenSpin->value();
  o.Font = fSchrift;
  return o;
}

std::vector<TPlanElement*> TDruckUebForm::Elemente() const {
  std::vector<TPlanElement*> aus;
  for (int i = 0; i < KuerzelGrid->count(); ++i)
    aus.push_back(
        static_cast<TPlanElement*>(KuerzelGrid->item(i)->data(Qt::UserRole).value<void*>()));
  return aus;
}

void TDruckUebForm::ElementAnhaengen(TPlanElement* e) {
  if (!e) return;
  auto* item = new QListWidgetItem(T(U8(e->fKuerzel.str())), KuerzelGrid);
  item->setData(Qt::UserRole, QVariant::fromValue(static_cast<void*>(e)));
}

void TDruckUebForm::AuswahlKnopfClick(TKuerzelArt art) {
  if (!fWahl) return;
  const char* titel = fArt == TUebDruckArt::Kombination ? (art == leh   ? "Lehrer"
                                                           : art == kla ? "Klassen"
                                                                        : "Räume")
                                                        : UebDruckTexte(fArt).Auswahl;
  for (TElement* e : fWahl(Schule().Elemente(art), T(titel)))
    ElementAnhaengen(static_cast<TPlanElement*>(e));
}

void TDruckUebForm::OptionenSpeichern() {
  SpeichereUebDruck(fArt, Optionen(), Standard());
}

TDruckAuftrag TDruckUebForm::Auftrag() const {
  TDruckAuftrag a;
  a.Zeichnen = [art = fArt, o = Optionen(), liste = Elemente()](TPrevPrinter& p) {
    return DruckeUebersicht(art, o, liste, p);
  };
  a.LeerText = "Keine Übersicht zu drucken.";
  a.PdfName = PdfName(fArt);
  return a;
}

// --- Fächerübersicht ---

TDruckFUebForm::TDruckFUebForm(TDruckPlattform& plattform, TEinzelWahl wahl, QWidget* vater)
    : TDruckDialog(plattform, vater), fWahl(std::move(wahl)) {
  setWindowTitle(T("Drucke Fächerübersichten"));
  auto* haupt = new QGridLayout(this);
  auto* faecher = new QGroupBox(T("für Fach"), this);
  auto* fl = new QHBoxLayout(faecher);
  VonKnopf = new QPushButton(faecher);
  BisKnopf = new QPushButton(faecher);
  fl->addWidget(new QLabel(T("von"), faecher));
  fl->addWidget(VonKnopf);
  fl->addWidget(new QLabel(T("bis"), faecher));
  fl->addWidget(BisKnopf);
  for (bool von : {true, false})
    connect(von ? VonKnopf : BisKnopf, &QPushButton::clicked, this, [this, von] {
      if (!fWahl) return;
      QPushButton* k = von ? VonKnopf : BisKnopf;
      if (TElement* e = fWahl(fac, k->mapToGlobal(QPoint(0, k->height()))))
        FachWaehlen(von, static_cast<TFach*>(e));
    });
  haupt->addWidget(faecher, 0, 0, 1, 2);
  auto* optionen = new QGroupBox(this);
  auto* og = new QVBoxLayout(optionen);
  KueCheck = Haekchen(optionen, "mit Lehrerkürzel", "KueCheck");
  NameCheck = Haekchen(optionen, "mit Lehrername", "NameCheck");
  KlCheck = Haekchen(optionen, "mit Klasse", "KlCheck");
  RaCheck = Haekchen(optionen, "mit Raum", "RaCheck");
  stattCheck = Haekchen(optionen, "Kopplung statt Klasse", "stattCheck");
  KoCheck = Haekchen(optionen, "mit Kopplung", "KoCheck");
  DatumCheck = Haekchen(optionen, "mit Datum", "DatumCheck");
  for (QCheckBox* c : {KueCheck, NameCheck, KlCheck, RaCheck, stattCheck, KoCheck, DatumCheck})
    og->addWidget(c);
  const std::pair<QCheckBox*, int> spiel[] = {{KlCheck, 0}, {KoCheck, 1}, {stattCheck, -1}};
  for (const auto& [c, stelle] : spiel)
    connect(c, &QCheckBox::toggled, this, [this, stelle = stelle] {
      if (fSperre) return;
      TFUebDruckOptionen o = Optionen();
      FUebHaekchenAbgleichen(o, stelle);
      SetzeOptionen(o);
    });
  haupt->addWidget(optionen, 1, 0, 1, 2);
  auto* bem = new QHBoxLayout;
  bem->addWidget(new QLabel(T("Bemerkung"), this));
  BemFeld = new QLineEdit(this);
  BemFeld->setMaxLength(61);
  bem->addWidget(BemFeld);
  haupt->addLayout(bem, 2, 0, 1, 2);
  auto* rand = new QHBoxLayout;
  rand->addWidget(new QLabel(T("linker Rand [cm]"), this));
  RandSpin = Zahlfeld(this, 0, 6, "RandSpin");
  rand->addWidget(RandSpin);
  haupt->addLayout(rand, 3, 0);
  haupt->addWidget(SchriftGruppe(), 4, 0, 1, 2);
  haupt->addLayout(Knopfzeile(), 5, 0, 1, 2);
  const auto& alle = Schule().fFachMenge;
  if (!alle.empty()) {
    fVon = alle.ListeNrInhalt(1);
    fBis = alle.ListeNrInhalt(alle.ListeZahlElemente());
  }
  FachWaehlen(true, fVon);
  SetzeOptionen(LadeFUebDruck(Standard()));
  DruckFreigeben(!alle.empty());
}

void TDruckFUebForm::FachWaehlen(bool von, TFach* f) {
  if (f) (von ? fVon : fBis) = f;
  FUebBereichAbgleichen(fVon, fBis, von);
  VonKnopf->setText(fVon ? T(U8(fVon->fKuerzel.str())) : QString());
  BisKnopf->setText(fBis ? T(U8(fBis->fKuerzel.str())) : QString());
}

void TDruckFUebForm::SetzeOptionen(const TFUebDruckOptionen& o) {
  fSperre = true;
  KueCheck->setChecked(o.Kue);
  NameCheck->setChecked(o.Name);
  KlCheck->setChecked(o.Kl);
  RaCheck->setChecked(o.Ra);
  stattCheck->setChecked(o.Statt);
  KoCheck->setChecked(o.Ko);
  DatumCheck->setChecked(o.Datum);
  BemFeld->setText(T(U8(o.Bem)));
  RandSpin->setValue(o.Rand);
  fSchrift = o.Font;
  SchriftZeigen();
  fSperre = false;
}

TFUebDruckOptionen TDruckFUebForm::Optionen() const {
  TFUebDruckOptionen o;
  o.Kue = KueCheck->isChecked();
  o.Name = NameCheck->isChecked();
  o.Kl = KlCheck->isChecked();
  o.Ra = RaCheck->isChecked();
  o.Statt = stattCheck->isChecked();
  o.Ko = KoCheck->isChecked();
  o.Datum = DatumCheck->isChecked();
  o.Bem = Utf8ZuWin1252(BemFeld->text().toStdString());
  o.Rand = RandSpin->value();
  o.Font = fSchrift;
  return o;
}

void TDruckFUebForm::OptionenSpeichern() {
  SpeichereFUebDruck(Optionen(), Standard());
}

TDruckAuftrag TDruckFUebForm::Auftrag() const {
  TDruckAuftrag a;
  a.Zeichnen = [o = Optionen(), von = fVon, bis = fBis](TPrevPrinter& p) {
    return DruckeFaecherUebersicht(o, von, bis, p);
  };
  a.PdfName = "Fächerübersicht.pdf";
  return a;
}

void UebDruckZeigen(TUebDruckArt art, TMehrfachWahl wahl, QWidget* vater) {
  TQtDruckPlattform plattform(vater);
  TDruckUebForm form(art, plattform, std::move(wahl), vater);
  form.exec();
}

void FUebDruckZeigen(TEinzelWahl wahl, QWidget* vater) {
  TQtDruckPlattform plattform(vater);
  TDruckFUebForm form(plattform, std::move(wahl), vater);
  form.exec();
}
