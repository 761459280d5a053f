#include "output/fenster/VertHTMLEinstFormUnit.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "model/ToolsUnit.h"
#include "settings/StandardUnit.h"
#include "ui/fenster/QtTextUnit.h"

namespace {
QSpinBox* Zahl(QWidget* vater, int von, int bis, int wert) {
  auto* s = new QSpinBox(vater);
  s->setRange(von, bis);
  s->setValue(std::clamp(wert, von, bis));
  return s;
}
QString GroesseText(int g) {
  return T("Schriftgröße (") + (g > 0 ? T("+") : QString()) + QString::number(g) + T(")");
}
}  // namespace

TVertHTMLEinstForm::TVertHTMLEinstForm(QWidget* vater) : QDialog(vater) {
  setWindowTitle(T("Einstellung für den HTML-Export des Vertretungsplans"));
  TStandard& st = Standard();
  auto* haupt = new QVBoxLayout(this);

  auto* gemeinsam = new QGroupBox(T("Vertretungsplan und Ersatzraumplan"), this);
  auto* gl = new QVBoxLayout(gemeinsam);
  GemeinsamRadio = new QRadioButton(T("als gemeinsame Datei"), gemeinsam);
  GetrenntRadio = new QRadioButton(T("als getrennte Dateien"), gemeinsam);
  gl->addWidget(GemeinsamRadio);
  gl->addWidget(GetrenntRadio);
  (st.fVertrHTMLGemeinsam ? GemeinsamRadio : GetrenntRadio)->setChecked(true);
  haupt->addWidget(gemeinsam);

  ScrollCheck = new QCheckBox(T("Fenster automatisch scrollen"), this);
  ScrollCheck->setChecked(st.fVertrHTMLScrollen);
  haupt->addWidget(ScrollCheck);
  auto* scroll = new QGroupBox(T("Scrolleinstellungen"), this);
  auto* sl = new QFormLayout(scroll);
  SekundenSpin = Zahl(scroll, 1, 60000, st.fVertrScrollSekunden);
  ScrollSpin = Zahl(scroll, 1, 500, st.fVertrScrollPixel);
  sl->addRow(T("Millisekunden"), SekundenSpin);
  sl->addRow(T("Pixel"), ScrollSpin);
  haupt->addWidget(scroll);
  auto freigeben = [this] {
    SekundenSpin->setEnabled(ScrollCheck->isChecked());
    ScrollSpin->setEnabled(ScrollCheck->isChecked());
  };
  freigeben();
  connect(ScrollCheck, &QCheckBox::toggled, this, freigeben);

  auto* laden = new QHBoxLayout;
  LadenSpin = Zahl(this, 1, 120, st.fVertrLaden);
  laden->addWidget(new QLabel(T("Seite automatisch neu laden nach"), this));
  laden->addWidget(LadenSpin);
  laden->addWidget(new QLabel(T("Minuten"), this));
  haupt->addLayout(laden);
  auto* leer = new QHBoxLayout;
  LeerzeilenSpin = Zahl(this, 0, 20, st.fVertrLeerzeilen);
  leer->addWidget(LeerzeilenSpin);
  leer->addWidget(new QLabel(T("Leerzeilen"), this));
  leer->addWidget(new QLabel(T("(oben und unten)"), this));
  haupt->addLayout(leer);

  SizeButton = new QPushButton(GroesseText(st.fVertrHTMLSize), this);
  auto* menue = new QMenu(SizeButton);
  for (int g = -2; g <= 4; ++g)
    menue->addAction(T("(") + (g > 0 ? T("+") : QString()) + QString::number(g) + T(")"), this,
                     [this, g] {
                       Standard().fVertrHTMLSize = g;
                       SizeButton->setText(GroesseText(g));
                     });
  SizeButton->setMenu(menue);
  haupt->addWidget(SizeButton);

  MitTagesordnerCheck = new QCheckBox(T("mit Tagesordner"), this);
  MitTagesordnerCheck->setChecked(st.fVertrHTMLMitTagesordner);
  connect(MitTagesordnerCheck, &QCheckBox::clicked, this,
          [](bool an) { Standard().fVertrHTMLMitTagesordner = an; });
  NurVertreteneStdCheck = new QCheckBox(T("nur vertretene Stunden"), this);
  NurVertreteneStdCheck->setChecked(st.fVertrHTMLNurVertreteneStd);
  connect(NurVertreteneStdCheck, &QCheckBox::clicked, this,
          [](bool an) { Standard().fVertrHTMLNurVertreteneStd = an; });
  zurueckCheck = new QCheckBox(T("mit zurück-Link"), this);
  zurueckCheck->setChecked(st.fVertrHTMLMitZurueck);
  for (QCheckBox* c : {MitTagesordnerCheck, NurVertreteneStdCheck, zurueckCheck})
    haupt->addWidget(c);

  auto* css = new QHBoxLayout;
  CSSPfad = new QLineEdit(T(U8(st.fVertrCSS)), this);
  css->addWidget(new QLabel(T("Pfad zur css-Datei"), this));
  css->addWidget(CSSPfad, 1);
  haupt->addLayout(css);

  auto* knoepfe = new QHBoxLayout;
  OkKnopf = new QPushButton(T("Ok"), this);
  AbbrechenKnopf = new QPushButton(T("Abbrechen"), this);
  OkKnopf->setDefault(true);
  knoepfe->addStretch();
  knoepfe->addWidget(OkKnopf);
  knoepfe->addWidget(AbbrechenKnopf);
  haupt->addLayout(knoepfe);
  connect(OkKnopf, &QPushButton::clicked, this, [this] { OkKnopfClick(); });
  connect(AbbrechenKnopf, &QPushButton::clicked, this, &QDialog::reject);
}

void TVertHTMLEinstForm::OkKnopfClick() {
  TStandard& st = Standard();
  st.fVertrHTMLGemeinsam = GemeinsamRadio->isChecked();
  st.fVertrHTMLScrollen = ScrollCheck->isChecked();
  st.fVertrScrollSekunden = SekundenSpin->value();
  st.fVertrScrollPixel = ScrollSpin->value();
  st.fVertrLaden = LadenSpin->value();
  st.fVertrLeerzeilen = LeerzeilenSpin->value();
  st.fVertrHTMLMitTagesordner = MitTagesordnerCheck->isChecked();
  st.fVertrHTMLNurVertreteneStd = NurVertreteneStdCheck->isChecked();
  st.fVertrHTMLMitZurueck = zurueckCheck->isChecked();
  st.fVertrCSS = Utf8ZuWin1252(CSSPfad->text().toUtf8().toStdString());
  accept();
}

bool VertHTMLEinstZeigen(QWidget* vater) {
  TVertHTMLEinstForm form(vater);
  return form.exec() == QDialog::Accepted;
}
