#include "settings/VoreinstellungUnit.h"
#include "substitution/fenster/KalenderFormUnit.h"

#include <QBoxLayout>
#include <algorithm>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRubberBand>
#include <QToolButton>

#include "model/ToolsUnit.h"
#include "ui/fenster/PopupMenueUnit.h"
#include "ui/fenster/QtTextUnit.h"

// ---- TKalenderGrid ----

TKalenderGrid::TKalenderGrid(TKalenderModell& modell, QWidget* parent)
    : QWidget(parent), fModell(modell) {
  setMouseTracking(false);
  setFixedSize(sizeHint());
}

QSize TKalenderGrid::sizeHint() const {
  return {kErsteBreite + 6 * kBreite + 1, TKalenderModell::kZeilen * kHoehe + 1};
}

QRect TKalenderGrid::ZellRechteck(int spalte, int zeile) const {
  const int x = spalte == 0 ? 0 : kErsteBreite + (spalte - 1) * kBreite;
  return {x, zeile * kHoehe, spalte == 0 ? kErsteBreite : kBreite, kHoehe};
}

QPoint TKalenderGrid::ZelleAn(const QPoint& pos) const {
  if (pos.x() < 0 || pos.y() < 0) return {-1, -1};
  const int zeile = pos.y() / kHoehe;
  const int spalte = pos.x() < kErsteBreite ? 0 : (pos.x() - kErsteBreite) / kBreite + 1;
  if (zeile >= TKalenderModell::kZeilen || spalte >= TKalenderModell::kSpalten) return {-1, -1};
  return {spalte, zeile};
}

void TKalenderGrid::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QColor fest = palette().color(QPalette::Button);
  for (int c = 0; c < TKalenderModell::kSpalten; ++c)
    for (int r = 0; r < TKalenderModell::kZeilen; ++r) {
      const QRect z = ZellRechteck(c, r);
      const std::string& text = fModell.Zelle(c, r);
      const bool ferien = fModell.IstFerien(c, r);
      p.fillRect(z, ferien ? QColor(128, 128, 128) : fest);
      p.setPen(palette().color(QPalette::Light));
      p.drawLine(z.topLeft(), z.topRight());
      p.drawLine(z.topLeft(), z.bottomLeft());
      p.setPen(palette().color(QPalette::Dark));
      p.drawLine(z.bottomLeft(), z.bottomRight());
      p.drawLine(z.topRight(), z.bottomRight());
      p.setPen(fModell.Rot(c, r) ? Qt::red : Qt::black);
      const std::string ohne = ferien ? text.substr(1) : text;
      p.drawText(z.adjusted(1, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop, AnsiText(ohne));
    }
}

void TKalenderGrid::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint z = ZelleAn(event->pos());
  if (!fModell.IstTag(z.x(), z.y())) return;
  fStart = z;
  fStartPunkt = event->pos();
  fAmZeichnen = true;
  if (!fBand) fBand = new QRubberBand(QRubberBand::Rectangle, this);
  fBand->setGeometry(QRect(fStartPunkt, QSize()));
  fBand->show();
}

void TKalenderGrid::mouseMoveEvent(QMouseEvent* event) {
  if (!fAmZeichnen || !fBand) return;
  fBand->setGeometry(QRect(fStartPunkt, event->pos()).normalized());
}

void TKalenderGrid::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint z = ZelleAn(event->pos());
  if (fAmZeichnen) {
    fAmZeichnen = false;
    if (fBand) fBand->hide();
    QPoint ziel = z;
    if (ziel.x() < 0) {
      const QPoint p(std::clamp(event->pos().x(), 0, width() - 2),
                     std::clamp(event->pos().y(), 0, height() - 2));
      ziel = ZelleAn(p);
    }
    fModell.FerienZiehen(fStart.x(), fStart.y(), ziel.x(), ziel.y());
    update();
    return;
  }
  if (z.y() == 0 && z.x() >= 1 && z.x() <= 6) emit VersionsZelle(z.x());
}

// ---- TKalenderForm ----

TKalenderForm::TKalenderForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Voreinstellung für den Kalender"));
  auto* spalte = new QVBoxLayout(this);
  for (const char* zeile : {"Welche Planversion gilt in welcher Woche?",
                            "Wählen Sie die Planwoche, indem Sie auf die Zahl",
                            "neben dem Wort \"Planversion\" klicken!"})
    spalte->addWidget(new QLabel(QString::fromUtf8(zeile), this));
  auto* monat = new QHBoxLayout;
  ZurueckKnopf = new QToolButton(this);
  ZurueckKnopf->setArrowType(Qt::LeftArrow);
  VorKnopf = new QToolButton(this);
  VorKnopf->setArrowType(Qt::RightArrow);
  MonatsFeld = new QLabel(this);
  monat->addWidget(MonatsFeld);
  monat->addStretch();
  monat->addWidget(ZurueckKnopf);
  monat->addWidget(VorKnopf);
  spalte->addLayout(monat);
  KalenderGrid = new TKalenderGrid(fModell, this);
  spalte->addWidget(KalenderGrid);
  auto* knoepfe = new QHBoxLayout;
  OkKnopf = new QPushButton(QStringLiteral("Ok"), this);
  AbbrechenKnopf = new QPushButton(QStringLiteral("Abbrechen"), this);
  WechselnKnopf = new QPushButton(QStringLiteral("Wechseln"), this);
  OkKnopf->setDefault(true);
  knoepfe->addWidget(OkKnopf);
  knoepfe->addWidget(AbbrechenKnopf);
  knoepfe->addWidget(WechselnKnopf);
  spalte->addLayout(knoepfe);
  connect(ZurueckKnopf, &QToolButton::clicked, this, [this] {
    fModell.Blaettern(-1);
    Auffrischen();
  });
  connect(VorKnopf, &QToolButton::clicked, this, [this] {
    fModell.Blaettern(1);
    Auffrischen();
  });
  connect(KalenderGrid, &TKalenderGrid::VersionsZelle, this, &TKalenderForm::VersionsMenue);
  connect(OkKnopf, &QPushButton::clicked, this, &TKalenderForm::OkKnopfClick);
  connect(AbbrechenKnopf, &QPushButton::clicked, this, &QDialog::reject);
  connect(WechselnKnopf, &QPushButton::clicked, this, &TKalenderForm::WechselnKnopfClick);
}

void TKalenderForm::IKalenderForm() {
  fModell.IKalender();
  Auffrischen();
}

void TKalenderForm::Auffrischen() {
  MonatsFeld->setText(AnsiText(fModell.MonatsText()));
  KalenderGrid->update();
}

void TKalenderForm::VersionsMenue(int spalte) {
  if (fMenue) fMenue->Schliessen();
  auto* menue = new TPopupMenue(fModell.KalenderMenu(), this);
  connect(menue, &TPopupMenue::Geschlossen, menue, &QObject::deleteLater);
  fMenue = menue;
  connect(menue, &TPopupMenue::EintragGewaehlt, this, [this, spalte](const TMenueEintrag* e) {
    if (!e) return;
    fModell.PlanversionWaehlen(spalte, e->Wert);
    Auffrischen();
  });
  menue->Popup(KalenderGrid->mapToGlobal(KalenderGrid->ZellRechteck(spalte, 0).bottomLeft()));
}

void TKalenderForm::OkKnopfClick() {
  if (fModell.Ok()) accept();
}

TMenue TKalenderForm::WechselMenu() {
  TMenue m;
  int i = 0;
  for (const char* t :
       {"Eckdaten", "Grunddaten", "Deputate", "Pläne", "Kurse", "Planversionen", "Kalender",
        "Zeiten", "Kennwort", "Automatik", "Vertretung", "HTML-Farben"}) {
    TMenueEintrag e;
    e.Text = t;
    e.Wert = i;
    e.Aktiv = WechselWaehlbar(t);
    m.push_back(std::move(e));
    ++i;
  }
  return m;
}

void TKalenderForm::WechselnKnopfClick() {
  if (fMenue) fMenue->Schliessen();
  auto* menue = new TPopupMenue(WechselMenu(), this);
  connect(menue, &TPopupMenue::Geschlossen, menue, &QObject::deleteLater);
  fMenue = menue;
  connect(menue, &TPopupMenue::EintragGewaehlt, this, [this](const TMenueEintrag* e) {
    if (!e) return;
    fStdWahl = e->Wert;
    if (fModell.Ok())
      accept();
    else
      fStdWahl = -1;
  });
  menue->Popup(WechselnKnopf->mapToGlobal(QPoint(0, WechselnKnopf->height())));
}
