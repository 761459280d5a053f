#include "ui/fenster/QtFensterPlatzUnit.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"
#include "ui/FensterPlatzUnit.h"
#include "ui/FensterVerwaltungUnit.h"
#include "ui/FensterWiederUnit.h"

namespace {
TRechteck Rechteck(const QRect& r) {
  return {r.left(), r.top(), r.width(), r.height()};
}

std::optional<QRect>& Vorgabe() {
  static std::optional<QRect> bereich;
  return bereich;
}

// Die Palette, wenn sie zu sehen ist, sonst ein leeres Rechteck.
TRechteck PalettenRechteck() {
  QWidget* p = PaletteFenster();
  if (!p || !p->isVisible()) return {0, 0, 0, 0};
  return Rechteck(p->frameGeometry());
}
}  // namespace

QWidget* PaletteFenster() {
  const TFensterVerwaltung* verwaltung = Fensterverwaltung();
  return verwaltung ? dynamic_cast<QWidget*>(verwaltung->Hauptfenster()) : nullptr;
}

QRect Arbeitsbereich(const QWidget& form) {
  if (Vorgabe()) return *Vorgabe();
  QScreen* schirm = form.screen() ? form.screen() : QGuiApplication::primaryScreen();
  return schirm ? schirm->availableGeometry() : QRect(0, 0, 1024, 768);
}

void ArbeitsbereichVorgeben(std::optional<QRect> bereich) {
  Vorgabe() = bereich;
}

TFensterLage FormLage(const QWidget& form) {
  const QRect g = form.geometry();
  return RelativeLage({g.left(), g.top(), g.width(), g.height()}, Rechteck(Arbeitsbereich(form)));
}

int NeuerFormIndex() {
  return 1 + (SchuleVorhanden() ? static_cast<int>(Schule().fFensterListe.size()) : 0);
}

void PositioniereFenster(QWidget& form, int i) {
  const QRect arbeit = Arbeitsbereich(form);
  TRechteck palette{0, 0, 0, 0};
  if (QWidget* p = PaletteFenster()) palette = Rechteck(p->frameGeometry());
  const TStandard& s = Standard();
  if (const auto platz =
          FensterPlatz(i, s.fFensterOrd, Rechteck(arbeit), palette, s.fPaletteSchalter))
    form.move(platz->X, platz->Y);
  form.raise();
}

void GespeichertSetzen(QWidget& fenster, int links, int oben) {
  QSize groesse = fenster.frameGeometry().size();
  if (!fenster.testAttribute(Qt::WA_WState_Created) || groesse.isEmpty())
    groesse = fenster.size().expandedTo(fenster.sizeHint());
  const TPunkt p = FreierPlatz({links, oben}, groesse.width(), groesse.height(),
                               Rechteck(Arbeitsbereich(fenster)), PalettenRechteck());
  // Ein Fenster, das noch nicht erzeugt ist, kennt seinen Rahmen nicht; manche Systeme setzen
  // dann den Inhalt an die Stelle, und die Titelleiste läge über dem Platz. Der Rahmen der
  // Palette als Schätzung hält sie unter der Palette.
  QPoint rand(0, 0);
  if (!fenster.testAttribute(Qt::WA_WState_Created))
    if (QWidget* palette = PaletteFenster(); palette && palette->isVisible())
      rand = palette->geometry().topLeft() - palette->frameGeometry().topLeft();
  fenster.move(p.X + std::max(0, rand.x()), p.Y + std::max(0, rand.y()));
}

void NeuesFensterPlatzieren(QWidget& fenster) {
  const TRechteck arbeit = Rechteck(Arbeitsbereich(fenster));
  const TRechteck palette = PalettenRechteck();
  // Die Größe mit Rahmen (ein Fenster, das noch nicht erzeugt ist, hat noch keinen: dann die
  // Größe des Inhalts).
  QSize groesse = fenster.frameGeometry().size();
  if (!fenster.testAttribute(Qt::WA_WState_Created) || groesse.isEmpty())
    groesse = fenster.size().expandedTo(fenster.sizeHint());
  TPunkt p;
  if (qobject_cast<QDialog*>(&fenster)) {
    // Der Öffner: das Fenster der Eltern, sonst das aktive Fenster; die Palette zählt nicht.
    QWidget* oeffner = fenster.parentWidget() ? fenster.parentWidget()->window() : nullptr;
    if (!oeffner || !oeffner->isVisible()) oeffner = QApplication::activeWindow();
    std::optional<TRechteck> ueber;
    if (oeffner && oeffner != &fenster && oeffner != PaletteFenster() && oeffner->isVisible())
      ueber = Rechteck(oeffner->frameGeometry());
    p = DialogPlatz(groesse.width(), groesse.height(), ueber, arbeit, palette);
  } else {
    p = FensterStart(groesse.width(), groesse.height(), arbeit, palette);
  }
  // move() setzt bei Fenstern die Ecke des Rahmens.
  fenster.move(p.X, p.Y);
}

TFensterPlatzWaechter::TFensterPlatzWaechter(QObject* parent) : QObject(parent) {
  qApp->installEventFilter(this);
}

TFensterPlatzWaechter::~TFensterPlatzWaechter() {
  qApp->removeEventFilter(this);
}

bool TFensterPlatzWaechter::eventFilter(QObject* objekt, QEvent* event) {
  if (event->type() != QEvent::Show || !objekt->isWidgetType())
    return QObject::eventFilter(objekt, event);
  auto* w = static_cast<QWidget*>(objekt);
  const Qt::WindowType art = w->windowType();
  // Nur Fenster und Dialoge, die noch niemand gesetzt hat (keine Menüs, Hinweise, Startbilder).
  if (!w->isWindow() || (art != Qt::Window && art != Qt::Dialog) ||
      w->testAttribute(Qt::WA_Moved) || w == PaletteFenster() ||
      (w->windowFlags() & Qt::WindowStaysOnBottomHint))
    return QObject::eventFilter(objekt, event);
  // Danach gilt das Fenster als bewegt: beim nächsten Zeigen bleibt es, wo es war.
  NeuesFensterPlatzieren(*w);
  return QObject::eventFilter(objekt, event);
}
