#include "settings/fenster/StandardFormUnit.h"

#include <QBoxLayout>
#include <QFontDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>

#include "settings/fenster/DepStandardFormUnit.h"
#include "settings/fenster/EckStandardFormUnit.h"
#include "settings/fenster/GrDatStandardFormUnit.h"
#include "settings/fenster/HTMLStandardFormUnit.h"
#include "settings/fenster/KennwortFormUnit.h"
#include "settings/fenster/KursStandardFormUnit.h"
#include "settings/fenster/PlnStandardFormUnit.h"
#include "settings/StandardUnit.h"
#include "settings/fenster/VersStandardFormUnit.h"
#include "settings/fenster/VertrStandardFormUnit.h"
#include "settings/VoreinstellungUnit.h"
#include "settings/fenster/ZeitFormUnit.h"
#include "ui/fenster/QtTextUnit.h"

QSpinBox* ZahlFeld(QWidget* vater, int von, int bis, const char* name, int schritt) {
  auto* s = new QSpinBox(vater);
  s->setRange(von, bis);
  s->setSingleStep(schritt);
  s->setObjectName(T(name));
  return s;
}

TStandardForm::TStandardForm(const char* titel, QWidget* vater) : QDialog(vater) {
  setWindowTitle(T(titel));
  auto* haupt = new QVBoxLayout(this);
  fInhalt = new QVBoxLayout;
  haupt->addLayout(fInhalt);
  auto* knoepfe = new QHBoxLayout;
  OkKnopf = new QPushButton(T("Ok"), this);
  OkKnopf->setObjectName(T("OkKnopf"));
  OkKnopf->setDefault(true);
  AbbrechenKnopf = new QPushButton(T("Abbrechen"), this);
  AbbrechenKnopf->setObjectName(T("AbbrechenKnopf"));
  WechselKnopf = new QPushButton(T("Wechseln"), this);
  WechselKnopf->setObjectName(T("WechselKnopf"));
  knoepfe->addWidget(WechselKnopf);
  knoepfe->addStretch();
  knoepfe->addWidget(OkKnopf);
  knoepfe->addWidget(AbbrechenKnopf);
  haupt->addLayout(knoepfe);
  fWechselMenue = new QMenu(this);
  for (const std::string& e : WechselEintraege()) {
    QAction* a = fWechselMenue->addAction(QString::fromStdString(e));
    a->setEnabled(WechselWaehlbar(e));
    connect(a, &QAction::triggered, this, [this, e] { Wechseln(e); });
  }
  connect(OkKnopf, &QPushButton::clicked, this, [this] { OkKnopfClick(); });
  connect(AbbrechenKnopf, &QPushButton::clicked, this, [this] { AbbrechenKnopfClick(); });
  connect(WechselKnopf, &QPushButton::clicked, this, [this] { WechselKnopfClick(); });
}

void TStandardForm::OkKnopfClick() {
  Uebernehmen();
  accept();
}

void TStandardForm::AbbrechenKnopfClick() {
  fWechselZiel.clear();
  reject();
}

void TStandardForm::WechselKnopfClick() {
  fWechselMenue->popup(WechselKnopf->mapToGlobal(QPoint(0, WechselKnopf->height())));
}

void TStandardForm::Wechseln(const std::string& ziel) {
  if (!WechselWaehlbar(ziel)) return;
  fWechselZiel = ziel;
  OkKnopfClick();
}

bool VoreinstellungVorhanden(const std::string& eintrag) {
  return WechselDialog(eintrag) == TWechselDialog::Standard;
}

bool VoreinstellungWaehlbar(const std::string& eintrag) {
  return VoreinstellungVorhanden(eintrag) && WechselWaehlbar(eintrag);
}

std::unique_ptr<TStandardForm> VoreinstellungsDialog(const std::string& eintrag, QWidget* vater) {
  if (!VoreinstellungWaehlbar(eintrag)) return nullptr;
  if (eintrag == "Eckdaten") return std::make_unique<TEckStandardForm>(vater);
  if (eintrag == "Grunddaten") return std::make_unique<TGrDatStandardForm>(vater);
  if (eintrag == "Deputate") return std::make_unique<TDepStandardForm>(vater);
  if (eintrag == "Pläne") return std::make_unique<TPlnStandardForm>(vater);
  if (eintrag == "Kurse") return std::make_unique<TKursStandardForm>(vater);
  if (eintrag == "Planversionen") return std::make_unique<TVersStandardForm>(vater);
  if (eintrag == "Zeiten") return std::make_unique<TZeitForm>(vater);
  if (eintrag == "Kennwort") return std::make_unique<TKennwortForm>(vater);
  if (eintrag == "Vertretung") return std::make_unique<TVertrStandardForm>(vater);
  if (eintrag == "HTML-Farben") return std::make_unique<THTMLStandardForm>(vater);
  return nullptr;
}

std::vector<std::string> VoreinstellungZeigen(std::string eintrag, QWidget* vater,
                                              const TDialogLauf& lauf, std::string* weiter) {
  std::vector<std::string> uebernommen;
  if (weiter) weiter->clear();
  while (!eintrag.empty()) {
    std::unique_ptr<TStandardForm> dialog = VoreinstellungsDialog(eintrag, vater);
    if (!dialog) {
      // Kalender und Automatik zeigt der Aufrufer.
      if (weiter && WechselWaehlbar(eintrag)) *weiter = eintrag;
      break;
    }
    if (lauf)
      lauf(*dialog);
    else
      dialog->exec();
    if (dialog->result() != QDialog::Accepted) break;
    uebernommen.push_back(eintrag);
    eintrag = dialog->WechselZiel();
  }
  return uebernommen;
}

TBreitenFeld::TBreitenFeld(QWidget* vater) : QGroupBox(T("Breite der Kürzel"), vater) {
  auto* g = new QGridLayout(this);
  static const char* const kArten[5] = {"Lehrer", "Klassen", "Kopplungen", "Fächer", "Räume"};
  for (int i = 0; i < 5; ++i) {
    Schieber[i] = new QSlider(Qt::Horizontal, this);
    Schieber[i]->setRange(13, 69);
    Schieber[i]->setObjectName(T("BreitenSchieber") + QString::number(i + 1));
    Muster[i] = new QLineEdit(T("Kürzel"), this);
    Muster[i]->setReadOnly(true);
    g->addWidget(new QLabel(T(kArten[i]), this), i, 0);
    g->addWidget(Schieber[i], i, 1);
    g->addWidget(Muster[i], i, 2, Qt::AlignLeft);
    connect(Schieber[i], &QSlider::valueChanged, this, [this, i](int w) {
      Muster[i]->setFixedWidth(w);
      // Das Muster zeigt, was vom Anfang des Kürzels in die Breite passt.
      Muster[i]->setCursorPosition(0);
    });
  }
  g->setColumnMinimumWidth(2, 70);
}

std::array<int, 5> TBreitenFeld::Werte() const {
  std::array<int, 5> w{};
  for (int i = 0; i < 5; ++i) w[static_cast<std::size_t>(i)] = Schieber[i]->value();
  return w;
}

void TBreitenFeld::Setze(const std::array<int, 5>& werte) {
  for (int i = 0; i < 5; ++i) {
    Schieber[i]->setValue(werte[static_cast<std::size_t>(i)]);
    Muster[i]->setFixedWidth(Schieber[i]->value());
    Muster[i]->setCursorPosition(0);
  }
}

bool SchriftWaehlen(TSchrift& schrift, QWidget* vater) {
  bool ok = false;
  QFont f(QString::fromStdString(schrift.Name), schrift.Groesse);
  f.setBold(schrift.Fett);
  f.setItalic(schrift.Kursiv);
  f.setUnderline(schrift.Unterstrichen);
  const QFont neu = QFontDialog::getFont(&ok, f, vater, T("Schrift"));
  if (!ok) return false;
  schrift.Name = neu.family().toStdString();
  schrift.Groesse = std::max(1, neu.pointSize());
  schrift.Fett = neu.bold();
  schrift.Kursiv = neu.italic();
  schrift.Unterstrichen = neu.underline();
  return true;
}

QString SchriftText(const TSchrift& schrift) {
  return QString::fromStdString(schrift.Name) + T(", ") + QString::number(schrift.Groesse);
}
