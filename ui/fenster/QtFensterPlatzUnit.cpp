#include "ui/fenster/QtFensterPlatzUnit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"
#include "ui/FensterPlatzUnit.h"
#include "ui/FensterWiederUnit.h"

namespace {
TRechteck Rechteck(const QRect& r) {
  return {r.left(), r.top(), r.width(), r.height()};
}

QRect Arbeitsbereich(const QWidget& form) {
  QScreen* schirm = form.screen() ? form.screen() : QGuiApplication::primaryScreen();
  return schirm ? schirm->availableGeometry() : QRect(0, 0, 1024, 768);
}
}  // namespace

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
  if (auto* dienst = dynamic_cast<QWidget*>(FensterDienst()))
    palette = Rechteck(dienst->frameGeometry());
  const TStandard& s = Standard();
  if (const auto platz =
          FensterPlatz(i, s.fFensterOrd, Rechteck(arbeit), palette, s.fPaletteSchalter))
    form.move(platz->X, platz->Y);
  form.raise();
}
