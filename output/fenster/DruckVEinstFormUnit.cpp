#include "output/fenster/DruckVEinstFormUnit.h"

#include <memory>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "output/DruckVertrDialogUnit.h"
#include "ui/fenster/QtTextUnit.h"

namespace {
QButtonGroup* Auswahl(QWidget* vater, QGridLayout* layout, int zeile, const char* titel,
                      std::initializer_list<const char*> texte) {
  auto* box = new QGroupBox(T(titel), vater);
  auto* l = new QVBoxLayout(box);
  auto* gruppe = new QButtonGroup(box);
  int id = 0;
  for (const char* t : texte) {
    auto* r = new QRadioButton(T(t), box);
    l->addWidget(r);
    gruppe->addButton(r, id++);
  }
  layout->addWidget(box, zeile, 0);
  return gruppe;
}
}  // namespace

TDruckVEinstForm::TDruckVEinstForm(QWidget* vater) : QDialog(vater) {
  setWindowTitle(T("Einstellung für den Druck des Vertretungsplans"));
  auto* haupt = new QGridLayout(this);
  NrFeld = new QLabel(this);
  NrFeld->setFrameShape(QFrame::Panel);
  haupt->addWidget(NrFeld, 0, 0, 1, 3);
  auto haken = [this](QWidget* v, const char* t) { return new QCheckBox(T(t), v); };

  auto* vp = new QGroupBox(T("Vertretungsplan"), this);
  auto* vl = new QGridLayout(vp);
  DruckVPCheck = haken(vp, "Drucken");
  vl->addWidget(DruckVPCheck, 0, 0);
  VPSortGroup = Auswahl(vp, vl, 1, "sortiert nach",
                        {"Klassen", "vertr. Lehrern", "fehl. Lehrern", "Stunden"});
  haupt->addWidget(vp, 1, 0);
  auto* ep = new QGroupBox(T("Ersatzraumplan"), this);
  auto* epl = new QGridLayout(ep);
  DruckEPCheck = haken(ep, "Drucken");
  epl->addWidget(DruckEPCheck, 0, 0);
  EPSortGroup =
      Auswahl(ep, epl, 1, "sortiert nach", {"Klassen", "Lehrern", "fehl. Räumen", "Stunden"});
  haupt->addWidget(ep, 1, 1);

  auto* mit = new QWidget(this);
  auto* ml = new QVBoxLayout(mit);
  KopCheck = haken(mit, "mit Kopplungen");
  DatumCheck = haken(mit, "mit Datum");
  AllgBemCheck = haken(mit, "mit allg. Bemerkungen");
  FeLeCheck = haken(mit, "mit fehl. Lehrern");
  FeKlCheck = haken(mit, "mit fehl. Klassen");
  FeRaCheck = haken(mit, "mit fehl. Räumen");
  FehlGrundCheck = haken(mit, "mit Fehlgrund");
  AdHocCheck = haken(mit, "mit Ad hoc");
  NurAdHocCheck = haken(mit, "nur Ad hoc");
  FarbeCheck = haken(mit, "mitFarbe");
  KWCheck = haken(mit, "mitKalenderwoche");
  FolgeTagCheck = haken(mit, "Folgetag");
  for (QCheckBox* c :
       {KopCheck, DatumCheck, AllgBemCheck, FeLeCheck, FeKlCheck, FeRaCheck, FehlGrundCheck,
        AdHocCheck, NurAdHocCheck, FarbeCheck, KWCheck, FolgeTagCheck})
    ml->addWidget(c);
  haupt->addWidget(mit, 1, 2, 3, 1);

  static const char* const kTeile[4] = {"mit Lehrer", "mit Klasse", "mit Fach", "mit Raum"};
  auto* orig = new QGroupBox(T("Originalkurs"), this);
  auto* ol = new QVBoxLayout(orig);
  auto* vert = new QGroupBox(T("Vertretungskurs"), this);
  auto* rl = new QVBoxLayout(vert);
  for (int k = 0; k < 4; ++k) {
    LinksCheck[k] = haken(orig, kTeile[k]);
    RechtsCheck[k] = haken(vert, kTeile[k]);
    ol->addWidget(LinksCheck[k]);
    rl->addWidget(RechtsCheck[k]);
  }
  haupt->addWidget(orig, 2, 0);
  haupt->addWidget(vert, 2, 1);

  // Das Gitter ordnet die drei Gruppen nur an; sie stehen dann nebeneinander, das Gitter geht.
  const auto unten = std::make_unique<QGridLayout>();
  LehrerBezGroup = Auswahl(this, unten.get(), 0, "Lehrer mit", {"Name", "Kürzel"});
  BemArtGroup = Auswahl(this, unten.get(), 1, "Bemerkungen", {"für Schüler", "für Lehrer"});
  BemPosGroup = Auswahl(this, unten.get(), 2, "Bemerkungen", {"daneben", "darunter"});
  auto* unterLayout = new QHBoxLayout;
  for (int z = 0; z < 3; ++z) unterLayout->addWidget(unten->itemAtPosition(z, 0)->widget());
  haupt->addLayout(unterLayout, 3, 0, 1, 2);

  auto* pfad = new QGroupBox(T("Pfad zur HTML-Datei    (nur norwendig bei HTML-Export)"), this);
  auto* pl = new QHBoxLayout(pfad);
  PfadFeld = new QLineEdit(pfad);
  PfadFeld->setObjectName(T("PfadFeld"));
  PfadFeld->setPlaceholderText(T("C:\\vp.html"));
  TestKnopf = new QPushButton(T("Test"), pfad);
  ErgebnisLabel = new QLabel(T("Testergebnis"), pfad);
  pl->addWidget(PfadFeld, 1);
  pl->addWidget(TestKnopf);
  pl->addWidget(ErgebnisLabel);
  haupt->addWidget(pfad, 4, 0, 1, 3);

  auto* knoepfe = new QHBoxLayout;
  OkKnopf = new QPushButton(T("Ok"), this);
  AbbrechenKnopf = new QPushButton(T("Abbrechen"), this);
  OkKnopf->setDefault(true);
  knoepfe->addStretch();
  knoepfe->addWidget(OkKnopf);
  knoepfe->addWidget(AbbrechenKnopf);
  haupt->addLayout(knoepfe, 5, 0, 1, 3);

  for (QCheckBox* c : findChildren<QCheckBox*>())
    connect(c, &QCheckBox::toggled, this, [this] { Uebernehmen(); });
  for (QButtonGroup* g : {VPSortGroup, EPSortGroup, LehrerBezGroup, BemArtGroup, BemPosGroup})
    connect(g, &QButtonGroup::idToggled, this, [this] { Uebernehmen(); });
  connect(PfadFeld, &QLineEdit::textChanged, this, [this] { Uebernehmen(); });
  connect(TestKnopf, &QPushButton::clicked, this, [this] { TestKnopfClick(); });
  connect(OkKnopf, &QPushButton::clicked, this, [this] { OkKnopfClick(); });
  connect(AbbrechenKnopf, &QPushButton::clicked, this, &QDialog::reject);
}

void TDruckVEinstForm::IDruckVEinstForm(int i) {
  fNr = std::clamp(i, 1, 4);
  fEinst = Standard().fVDEinstellung;
  NrFeld->setText(T("Einstellung ") + QString::number(fNr));
  const VDEintrag e = fEinst[fNr];
  fSperre = true;
  DruckVPCheck->setChecked(e.DruckVP);
  DruckEPCheck->setChecked(e.DruckEP);
  KopCheck->setChecked(e.mitKop);
  DatumCheck->setChecked(e.mitDatum);
  AllgBemCheck->setChecked(e.mitAllgBem);
  FeLeCheck->setChecked(e.mitFeLe);
  FeKlCheck->setChecked(e.mitFeKl);
  FeRaCheck->setChecked(e.mitFeRa);
  FehlGrundCheck->setChecked(e.mitFehlGrund);
  AdHocCheck->setChecked(e.mitAdHoc);
  NurAdHocCheck->setChecked(e.nurAdHoc);
  FarbeCheck->setChecked(e.mitFarbe);
  KWCheck->setChecked(e.mitKW);
  FolgeTagCheck->setChecked(e.folgeTag);
  const bool links[4] = {e.mitLeLinks, e.mitKlLinks, e.mitFaLinks, e.mitRaLinks};
  const bool rechts[4] = {e.mitLeRechts, e.mitKlRechts, e.mitFaRechts, e.mitRaRechts};
  for (int k = 0; k < 4; ++k) {
    LinksCheck[k]->setChecked(links[k]);
    RechtsCheck[k]->setChecked(rechts[k]);
  }
  VPSortGroup->button(std::clamp(e.VPSortArt, 0, 3))->setChecked(true);
  EPSortGroup->button(std::clamp(e.EPSortArt, 0, 3))->setChecked(true);
  LehrerBezGroup->button(e.LehrerBez != 0 ? 1 : 0)->setChecked(true);
  BemArtGroup->button(e.BemArt != 0 ? 1 : 0)->setChecked(true);
  BemPosGroup->button(e.BemPos == 1 ? 1 : 0)->setChecked(true);
  PfadFeld->setText(T(e.HTMLPfad));
  fSperre = false;
  Freigeben();
}

// Jede Änderung steht sofort in der Arbeitskopie.
void TDruckVEinstForm::Uebernehmen() {
  if (fSperre) return;
  VDEintrag& e = fEinst[fNr];
  e.DruckVP = DruckVPCheck->isChecked();
  e.DruckEP = DruckEPCheck->isChecked();
  e.mitKop = KopCheck->isChecked();
  e.mitDatum = DatumCheck->isChecked();
  e.mitAllgBem = AllgBemCheck->isChecked();
  e.mitFeLe = FeLeCheck->isChecked();
  e.mitFeKl = FeKlCheck->isChecked();
  e.mitFeRa = FeRaCheck->isChecked();
  e.mitFehlGrund = FehlGrundCheck->isChecked();
  e.nurAdHoc = NurAdHocCheck->isChecked();
  MitAdHocSetzen(e, AdHocCheck->isChecked());
  e.mitFarbe = FarbeCheck->isChecked();
  e.mitKW = KWCheck->isChecked();
  e.folgeTag = FolgeTagCheck->isChecked();
  bool* links[4] = {&e.mitLeLinks, &e.mitKlLinks, &e.mitFaLinks, &e.mitRaLinks};
  bool* rechts[4] = {&e.mitLeRechts, &e.mitKlRechts, &e.mitFaRechts, &e.mitRaRechts};
  for (int k = 0; k < 4; ++k) {
    *links[k] = LinksCheck[k]->isChecked();
    *rechts[k] = RechtsCheck[k]->isChecked();
  }
  e.VPSortArt = std::max(0, VPSortGroup->checkedId());
  e.EPSortArt = std::max(0, EPSortGroup->checkedId());
  e.LehrerBez = std::max(0, LehrerBezGroup->checkedId());
  e.BemArt = std::max(0, BemArtGroup->checkedId());
  e.BemPos = std::max(0, BemPosGroup->checkedId());
  e.HTMLPfad = PfadFeld->text().toUtf8().toStdString();
  Freigeben();
}

void TDruckVEinstForm::Freigeben() {
  const VDEintrag& e = fEinst[fNr];
  FehlGrundCheck->setEnabled(FehlgrundWaehlbar(e));
  NurAdHocCheck->setEnabled(e.mitAdHoc);
  if (NurAdHocCheck->isChecked() != e.nurAdHoc) {
    fSperre = true;
    NurAdHocCheck->setChecked(e.nurAdHoc);
    fSperre = false;
  }
}

void TDruckVEinstForm::TestKnopfClick() {
  const TPfadTest t = PfadTesten(PfadFeld->text().toUtf8().toStdString());
  ErgebnisLabel->setText(T(t.Text));
  ErgebnisLabel->setStyleSheet(t.Gruen ? T("color: green") : T("color: red"));
}

void TDruckVEinstForm::OkKnopfClick() {
  Standard().fVDEinstellung = fEinst;
  accept();
}
