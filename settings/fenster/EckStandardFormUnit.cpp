#include "settings/fenster/EckStandardFormUnit.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "settings/StandardUnit.h"
#include "ui/fenster/HintergrundFormUnit.h"
#include "ui/fenster/KueFormUnit.h"
#include "ui/fenster/QtFarbDialogUnit.h"
#include "ui/fenster/QtTextUnit.h"

TEckStandardForm::TEckStandardForm(QWidget* vater)
    : TStandardForm("Voreinstellung für Eckdaten", vater) {
  const TEckWerte w = EckWerteAusStandard();
  // Der Name der Schule für die Köpfe der Drucke und die HTML-Seiten.
  auto* name = new QHBoxLayout;
  SchulnameFeld = new QLineEdit(this);
  SchulnameFeld->setObjectName(T("SchulnameFeld"));
  SchulnameFeld->setMaxLength(80);
  SchulnameFeld->setValidator(new TWin1252Pruefer(SchulnameFeld));
  SchulnameFeld->setText(AnsiText(w.Schulname));
  name->addWidget(new QLabel(T("Schulname"), this));
  name->addWidget(SchulnameFeld, 1);
  Inhalt()->addLayout(name);
  auto* oben = new QHBoxLayout;
  Inhalt()->addLayout(oben);

  auto* zahlen = new QGroupBox(this);
  auto* zg = new QGridLayout(zahlen);
  DivisorFeld = ZahlFeld(zahlen, 1, 100, "DivisorFeld");
  VorKommaFeld = ZahlFeld(zahlen, 1, 3, "VorKommaFeld");
  NachKommaFeld = ZahlFeld(zahlen, 0, 3, "NachKommaFeld");
  VersionFeld = ZahlFeld(zahlen, 1, 54, "VersionFeld");
  SpeicherFeld = ZahlFeld(zahlen, 0, 60, "SpeicherFeld", 5);
  MerkeFeld = ZahlFeld(zahlen, 1, 800, "MerkeFeld");
  int z = 0;
  zg->addWidget(new QLabel(T("Kleinste\nZeiteinheit"), zahlen), z, 0);
  zg->addWidget(new QLabel(T("1/"), zahlen), z, 1);
  zg->addWidget(DivisorFeld, z++, 2);
  zg->addWidget(new QLabel(T("Vorkommastellen"), zahlen), z, 0);
  zg->addWidget(VorKommaFeld, z++, 2);
  zg->addWidget(new QLabel(T("Nachkommastellen"), zahlen), z, 0);
  zg->addWidget(NachKommaFeld, z++, 2);
  zg->addWidget(new QLabel(T("Versionszahl"), zahlen), z, 0);
  zg->addWidget(VersionFeld, z++, 2);
  zg->addWidget(new QLabel(T("Automatisch\nspeichern nach"), zahlen), z, 0);
  zg->addWidget(SpeicherFeld, z, 2);
  zg->addWidget(new QLabel(T("min"), zahlen), z++, 3);
  zg->addWidget(new QLabel(T("Verwahre\nVertretungen"), zahlen), z, 0);
  zg->addWidget(MerkeFeld, z, 2);
  zg->addWidget(new QLabel(T("Tage"), zahlen), z++, 3);
  oben->addWidget(zahlen);

  auto* rechts = new QVBoxLayout;
  oben->addLayout(rechts);
  auto* tage = new QGroupBox(T("Tage pro Woche"), this);
  auto* tl = new QVBoxLayout(tage);
  static const char* const kTage[3] = {"5-Tagewoche", "6-Tagewoche", "7-Tagewoche"};
  for (int i = 0; i < 3; ++i) {
    TageRadio[i] = new QRadioButton(T(kTage[i]), tage);
    TageRadio[i]->setObjectName(T("TageRadio") + QString::number(i + 5));
    tl->addWidget(TageRadio[i]);
  }
  rechts->addWidget(tage);
  auto* palette = new QGroupBox(T("Werkzeugpalette"), this);
  auto* pl = new QVBoxLayout(palette);
  PaletteFeld = new QComboBox(palette);
  PaletteFeld->setObjectName(T("PaletteFeld"));
  for (const char* t : {"15 X 1 Schalter", "8 X 2 Schalter", "5 X 3 Schalter", "4 X 4 Schalter",
                        "3 X 5 Schalter", "2 X 8 Schalter", "1 X 15 Schalter"})
    PaletteFeld->addItem(T(t));
  pl->addWidget(PaletteFeld);
  rechts->addWidget(palette);
  auto* hinter = new QGroupBox(T("Hintergrund"), this);
  auto* hl = new QHBoxLayout(hinter);
  HintergrundCheck = new QCheckBox(T("Einschalten"), hinter);
  HintergrundCheck->setObjectName(T("HintergrundCheck"));
  FarbKnopf = new QPushButton(T("Ändern"), hinter);
  FarbKnopf->setObjectName(T("FarbKnopf"));
  hl->addWidget(HintergrundCheck);
  hl->addWidget(FarbKnopf);
  rechts->addWidget(hinter);
  FensterWiederCheck = new QCheckBox(T("Fenster beim Öffnen wiederherstellen"), this);
  FensterWiederCheck->setObjectName(T("FensterWiederCheck"));
  rechts->addWidget(FensterWiederCheck);
  rechts->addStretch();

  DivisorFeld->setValue(w.Divisor);
  VorKommaFeld->setValue(w.VorKomma);
  NachKommaFeld->setValue(w.NachKomma);
  VersionFeld->setValue(w.MaxWoche);
  SpeicherFeld->setValue(w.SpeicherZeit);
  MerkeFeld->setValue(w.VertrMerke);
  TageRadio[std::clamp(w.MaxTage, 5, 7) - 5]->setChecked(true);
  PaletteFeld->setCurrentIndex(std::clamp(w.PaletteSchalter, 0, 6));
  HintergrundCheck->setChecked(w.HintergrundAn);
  FensterWiederCheck->setChecked(w.FensterWieder);
  fFarbe = w.HintergrundFarbe;
  FarbeZeigen();
  connect(FarbKnopf, &QPushButton::clicked, this, [this] { FarbKnopfClick(); });
}

TEckWerte TEckStandardForm::Werte() const {
  TEckWerte w;
  w.Divisor = DivisorFeld->value();
  w.VorKomma = VorKommaFeld->value();
  w.NachKomma = NachKommaFeld->value();
  w.MaxWoche = VersionFeld->value();
  w.SpeicherZeit = SpeicherFeld->value();
  w.VertrMerke = MerkeFeld->value();
  w.MaxTage = 7;
  for (int i = 0; i < 3; ++i)
    if (TageRadio[i]->isChecked()) w.MaxTage = i + 5;
  w.PaletteSchalter = PaletteFeld->currentIndex();
  w.HintergrundAn = HintergrundCheck->isChecked();
  w.HintergrundFarbe = fFarbe;
  w.FensterWieder = FensterWiederCheck->isChecked();
  w.Schulname = Utf8ZuWin1252(U(SchulnameFeld->text()));
  return w;
}

namespace {
// Der Hintergrund des Programms nimmt die Farbe an (nur, wenn es ihn gibt).
void HintergrundFaerben(TColor farbe) {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* h = qobject_cast<THintergrund*>(w)) h->FarbeSetzen(farbe);
}
}  // namespace

void TEckStandardForm::FarbKnopfClick() {
  if (const std::optional<TColor> f = FarbeWaehlen(fFarbe, this)) FarbeSetzen(*f);
}

void TEckStandardForm::FarbeSetzen(TColor farbe) {
  fFarbe = farbe;
  FarbeZeigen();
  HintergrundFaerben(farbe);
}

void TEckStandardForm::reject() {
  HintergrundFaerben(Standard().fHintergrundFarbe);
  TStandardForm::reject();
}

void TEckStandardForm::FarbeZeigen() {
  FarbKnopf->setStyleSheet(T("background-color: ") + ZuQColor(fFarbe).name());
}

void TEckStandardForm::Uebernehmen() {
  EckdatenUebernehmen(Werte());
}
