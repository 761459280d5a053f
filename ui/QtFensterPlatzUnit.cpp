#include "ui/QtFensterPlatzUnit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"
#include "ui/FensterPlatzUnit.h"

namespace {
TRechteck Rechteck(const QRect& r) {
  return {r.left(), r.top(), r.width(), r.height()};
}
}  // namespace

int NeuerFormIndex() {
  return 1 + (SchuleVorhanden() ? static_cast<int>(Schule().fFensterListe.size()) : 0);
}

void PositioniereFenster(QWidget& form, int i) {
  QScreen* schirm = form.screen() ? form.screen() : QGuiApplication::primaryScreen();
  const QRect arbeit = schirm ? schirm->availableGeometry() : QRect(0, 0, 1024, 768);
  TRechteck palette{0, 0, 0, 0};
  if (auto* dienst = dynamic_cast<QWidget*>(FensterDienst()))
    palette = Rechteck(dienst->frameGeometry());
  const TStandard& s = Standard();
  if (const auto platz =
          FensterPlatz(i, s.fFensterOrd, Rechteck(arbeit), palette, s.fPaletteSchalter))
    form.move(platz->X, platz->Y);
  form.raise();
}
