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

#include "model/PlanElemUnit.h"
#include "model/SchulUnit.h"
#include "output/fenster/DruckListeFormUnit.h"
#include "output/fenster/QtDruckerUnit.h"
#include "settings/StandardUnit.h"
#include "ui/fenster/QtTextUnit.h"

namespace {
const char* PdfName(TUebDruckArt art) {
  static const char* const kNamen[4] = {"Lehrerübersicht.pdf", "Klassenübersicht.pdf",
                                        "Raumübersicht.pdf", "Kombinationsübersicht.pdf"};
  return kNamen[static_cast<int>(art)];
}

std::string AuswahlName(TUebDruckArt art) {
  return "Ueb" + std::to_string(static_cast<int>(art));
}
}  // namespace

TDruckUebForm::TDruckUebForm(TUebDruckArt art, TDruckPlattform& plattform, TMehrfachWahl wahl,
                             QWidget* vater)
    : TBereichsDruckDialog(plattform, vater), fArt(art), fWahl(std::move(wahl)) {
  fSchriftEinstellung = &UebDruckSchrift(art, Standard());
  const TUebDruckTexte& texte = UebDruckTexte(art);
  const bool kombi = art == TUebDruckArt::Kombination;
  setWindowTitle(T(texte.Titel));
  auto* haupt = new QGridLayout(this);

  haupt->addWidget(BereichGruppe(), 0, 0, 1, 2);

  auto* optionen = new QGroupBox(this);
  auto* og = new QGridLayout(optionen);
  ArtHaekchenAnlegen(optionen, og, texte.Mit, texte.Statt, !kombi, [this](int stelle) {
    TUebDruckOptionen o = Optionen();
    UebHaekchenAbgleichen(fArt, o, stelle);
    SetzeOptionen(o);
  });
  SperrCheck = DruckHaekchen(optionen, "mit Sperrungen", "SperrCheck");
  FixCheck = DruckHaekchen(optionen, "mit Fixierungen", "FixCheck");
  fettCheck = DruckHaekchen(optionen, "Kopplungen fett", "fettCheck");
  FarbCheck = DruckHaekchen(optionen, "mit Farbe", "FarbCheck");
  unterCheck = DruckHaekchen(optionen, "untereinander", "unterCheck");
  DatumCheck = DruckHaekchen(optionen, "mit Datum", "DatumCheck");
  DatumCheck->setVisible(kombi);
  int zeile = 0;
  for (QCheckBox* c : {SperrCheck, FixCheck, fettCheck, FarbCheck, unterCheck})
    og->addWidget(c, zeile++, 1);
  if (kombi) og->addWidget(DatumCheck, zeile++, 1);
  haupt->addWidget(optionen, 1, 0, 1, 2);

  QWidget* rand = RandGruppe();
  haupt->addWidget(SchriftGruppe(), 2, 0);
  haupt->addWidget(rand, 2, 1);

  auto* liste = new QGroupBox(T(texte.Liste), this);
  auto* ll = new QVBoxLayout(liste);
  KuerzelListe(liste, ll);
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
  std::vector<TPlanElement*> alle;
  if (!kombi) {
    static const TKuerzelArt kArt[3] = {leh, kla, rau};
    for (TElement* e : Schule().Elemente(kArt[static_cast<int>(art)]))
      if (auto* p = dynamic_cast<TPlanElement*>(e)) alle.push_back(p);
  }
  ListeVorgeben(AuswahlName(art), alle);
  if (kombi) {
    DruckFreigeben(!Schule().fLehrerMenge.empty() || !Schule().fKlassenMenge.empty() ||
                   !Schule().fRaumMenge.empty());
  } else {
    static const TKuerzelArt kArt[3] = {leh, kla, rau};
    DruckFreigeben(!Schule().Elemente(kArt[static_cast<int>(art)]).empty());
  }
}

void TDruckUebForm::BereichAnpassen() {
  const bool alt = fSperre;
  fSperre = true;
  vonTagUpDown->setMaximum(bisTagUpDown->value());
  bisTagUpDown->setMinimum(vonTagUpDown->value());
  vonStdUpDown->setMaximum(bisStdUpDown->value());
  bisStdUpDown->setMinimum(vonStdUpDown->value());
  Beschriften();
  fSperre = alt;
}

void TDruckUebForm::SetzeOptionen(const TUebDruckOptionen& o) {
  fSperre = true;
  GemeinsamSetzen(o);
  unterCheck->setChecked(o.Unter);
  BereichAnpassen();
  fSperre = false;
}

TUebDruckOptionen TDruckUebForm::Optionen() const {
  TUebDruckOptionen o = LadeUebDruck(fArt, Standard());
  GemeinsamLesen(o);
  o.Unter = unterCheck->isChecked();
  return o;
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
  ListeMerken(AuswahlName(fArt));
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
  fSchriftEinstellung = &Standard().fFUebDruckFont;
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
  KueCheck = DruckHaekchen(optionen, "mit Lehrerkürzel", "KueCheck");
  NameCheck = DruckHaekchen(optionen, "mit Lehrername", "NameCheck");
  KlCheck = DruckHaekchen(optionen, "mit Klasse", "KlCheck");
  RaCheck = DruckHaekchen(optionen, "mit Raum", "RaCheck");
  stattCheck = DruckHaekchen(optionen, "Kopplung statt Klasse", "stattCheck");
  KoCheck = DruckHaekchen(optionen, "mit Kopplung", "KoCheck");
  DatumCheck = DruckHaekchen(optionen, "mit Datum", "DatumCheck");
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
  RandSpin = DruckZahlfeld(this, 0, 6, "RandSpin");
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

void UebDruckZeigen(TUebDruckArt art, TMehrfachWahl wahl, QWidget* vater,
                    const std::vector<TPlanElement*>& vorbelegt) {
  TQtDruckPlattform plattform(vater);
  TDruckUebForm form(art, plattform, std::move(wahl), vater);
  // Aus einem Übersichtsfenster: dessen Elemente statt der zuletzt gedruckten Auswahl.
  if (!vorbelegt.empty()) {
    form.KuerzelGrid->clear();
    for (TPlanElement* e : vorbelegt) form.ElementAnhaengen(e);
  }
  form.exec();
}

void FUebDruckZeigen(TEinzelWahl wahl, QWidget* vater) {
  TQtDruckPlattform plattform(vater);
  TDruckFUebForm form(plattform, std::move(wahl), vater);
  form.exec();
}
