#include "ui/fenster/HintergrundFormUnit.h"

#include <QGuiApplication>
#include <QScreen>

#include "ui/fenster/QtFarbDialogUnit.h"

namespace {
QScreen* Schirm() {
  return QGuiApplication::primaryScreen();
}
}  // namespace

THintergrund::THintergrund()
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint |
                           Qt::WindowDoesNotAcceptFocus) {
  setObjectName(QStringLiteral("Hintergrund"));
  setWindowTitle(QStringLiteral("Hintergrund"));
  setAttribute(Qt::WA_ShowWithoutActivating);
  // Es hält das Programm nicht am Leben: ist die Palette zu, endet es auch mit ihm.
  setAttribute(Qt::WA_QuitOnClose, false);
  setAutoFillBackground(true);
  setEnabled(false);
  if (QScreen* s = Schirm()) setGeometry(QRect(QPoint(0, 0), s->size()));
  FarbeSetzen(clWhite);
}

void THintergrund::FarbeSetzen(TColor farbe) {
  fFarbe = farbe;
  QPalette p = palette();
  p.setColor(QPalette::Window, ZuQColor(farbe));
  p.setColor(QPalette::Disabled, QPalette::Window, ZuQColor(farbe));
  setPalette(p);
  update();
}

void THintergrund::Zeigen() {
  if (QScreen* s = Schirm()) {
    // Der Arbeitsbereich selbst: beginnt er nicht bei (0, 0) (eine Leiste oben oder links),
    // bliebe sonst ein Streifen unbedeckt.
    setGeometry(s->availableGeometry());
  }
  show();
  lower();
}
