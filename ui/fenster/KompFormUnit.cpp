#include "ui/fenster/KompFormUnit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/KlassenUnit.h"
#include "model/KursUnit.h"
#include "model/SchulUnit.h"
#include "model/ToolsUnit.h"
#include "settings/StandardUnit.h"
#include "ui/fenster/SperrQuonGridUnit.h"

TKompForm::TKompForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setWindowTitle(QStringLiteral("Komprimieren"));
  const TStandard& st = Standard();

  auto* plan = new QGroupBox(QStringLiteral("Klassenplan"), this);
  auto* planSpalte = new QVBoxLayout(plan);
  Sperrung = new TSperrFeld(plan);
  // Nur zum Ansehen: das Raster schaltet keine Sperrung um.
  Sperrung->SperrGrid->setAttribute(Qt::WA_TransparentForMouseEvents);
  Sperrung->SperrGrid->SetzeBereiche(&fZeigeSperrung, &fZeigeBesetzung, [this](int tag, int std) {
    TSperrMarke m{true, false, false};
    if (!fKomp.fKlasse) return m;
    const TListe<TKurs> kurse = fKomp.fKlasse->KurseFinden(fKomp.fVersion, tag, std, nullptr);
    if (const TKurs* k = kurse.ListeNrInhalt(1)) {
      const TSetzung* s = k->SetzungFinden(fKomp.fVersion, tag, std);
      m.Fixiert = s && s->fFixiert;
      m.Gekoppelt = k->fKopplung != nullptr;
    }
    return m;
  });
  planSpalte->addWidget(Sperrung);

  auto* info = new QGroupBox(QStringLiteral("Information"), this);
  auto* infoRaster = new QGridLayout(info);
  KlassenFeld = new QLabel(info);
  Versionsfeld = new QLabel(info);
  HohlFeld = new QLabel(info);
  FortschrittFeld = new QLabel(info);
  int zeile = 0;
  for (auto [text, feld] : {std::pair{"Klasse", KlassenFeld}, std::pair{"Version", Versionsfeld},
                            std::pair{"Hohlstunden", HohlFeld}}) {
    feld->setTextFormat(Qt::PlainText);
    feld->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    infoRaster->addWidget(new QLabel(QString::fromUtf8(text), info), zeile, 0);
    infoRaster->addWidget(feld, zeile++, 1);
  }
  FortschrittFeld->setTextFormat(Qt::PlainText);
  infoRaster->addWidget(FortschrittFeld, zeile, 0, 1, 2);

  auto* steuerung = new QGroupBox(QStringLiteral("Steuerung"), this);
  auto* steuerSpalte = new QVBoxLayout(steuerung);
  StartKnopf = new QPushButton(QStringLiteral("Start"), steuerung);
  Button1 = new QPushButton(QStringLiteral("nächste Klasse"), steuerung);
  Button2 = new QPushButton(QStringLiteral("Abbrechen"), steuerung);
  for (QPushButton* k : {StartKnopf, Button1, Button2}) {
    k->setAutoDefault(false);
    steuerSpalte->addWidget(k);
  }
  connect(StartKnopf, &QPushButton::clicked, this, [this] { StartKnopfClick(); });
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
  connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });

  auto* einst = new QGroupBox(QStringLiteral("Einstellungen"), this);
  auto* einstSpalte = new QVBoxLayout(einst);
  BrueckenBox = new QCheckBox(QStringLiteral("Brücken erlauben"), einst);
  MehrfachBox = new QCheckBox(QStringLiteral("Mehrfachstunden zerreißen"), einst);
  BrueckenBox->setChecked(st.fKompBruecken);
  MehrfachBox->setChecked(st.fKompMehrfach);
  connect(BrueckenBox, &QCheckBox::toggled, this, [](bool an) { Standard().fKompBruecken = an; });
  connect(MehrfachBox, &QCheckBox::toggled, this, [](bool an) { Standard().fKompMehrfach = an; });
  einstSpalte->addWidget(BrueckenBox);
  einstSpalte->addWidget(MehrfachBox);

  auto* rechts = new QVBoxLayout;
  rechts->addWidget(info);
  rechts->addWidget(steuerung);
  rechts->addWidget(einst);
  rechts->addStretch();
  auto* zeileLayout = new QHBoxLayout(this);
  zeileLayout->addWidget(plan);
  zeileLayout->addLayout(rechts);

  fKomp.Anzeige = [this] { Anzeigen(); };
  Anzeigen();
}

void TKompForm::Anzeigen() {
  const TStandard& st = Standard();
  const int gezeigt = st.fAktuelleWoche;
  fZeigeSperrung = TWochBereich(st.fMaxWocheNeu);
  fZeigeBesetzung = TWochBereich(st.fMaxWocheNeu);
  if (TKlasse* k = fKomp.fKlasse) {
    for (int t = 1; t <= 7; ++t) {
      fZeigeSperrung.SetWocheTag(gezeigt, t, k->fSperrung.GetWocheTag(fKomp.fVersion, t));
      fZeigeBesetzung.SetWocheTag(gezeigt, t, k->fBesetzung.GetWocheTag(fKomp.fVersion, t));
    }
    KlassenFeld->setText(QString::fromStdString(Win1252ZuUtf8(k->fKuerzel.str())));
  } else {
    KlassenFeld->clear();
  }
  Versionsfeld->setText(QString::number(fKomp.fVersion));
  HohlFeld->setText(QString::number(fKomp.fHohl));
  FortschrittFeld->setText(QString::fromStdString(fKomp.Fortschritt()));
  Sperrung->SperrGrid->viewport()->update();
}

void TKompForm::StartKnopfClick() {
  StartKnopf->setEnabled(false);
  const bool lauf = !fKomp.fAbbruch;
  fKomp.Start();
  if (lauf) Dialog().Meldung("Komprimieren", fKomp.Zusammenfassung(), TMeldungsArt::Information);
  accept();
}

void TKompForm::Button2Click() {
  fKomp.Abbrechen();
  // Ohne laufende Rechnung schließt "Abbrechen" sofort.
  if (StartKnopf->isEnabled()) StartKnopfClick();
}

void TKompForm::reject() {
  // Escape wirkt wie "Abbrechen".
  Button2Click();
}

bool KomprimierenBefehl(QWidget* parent) {
  if (!SchuleVorhanden() || Schule().fKlassenMenge.empty()) return false;
  // "Nein" ist Vorgabe und Escape: nichts wird verschoben, was der Benutzer nicht bestätigt.
  const int antwort =
      Dialog().Frage("Komprimieren",
                     {"Beim Komprimieren werden", "Stunden in den Plänen verschoben.",
                      "Soll trotzdem komprimiert werden?"},
                     TMeldungsArt::Warnung, {"Ja", "Nein"}, 1, 1);
  if (antwort != 0) return false;
  TKompForm form(parent);
  form.exec();
  return true;
}
