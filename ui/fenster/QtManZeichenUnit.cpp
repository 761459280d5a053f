#include "ui/fenster/QtManZeichenUnit.h"

#include <QBrush>
#include <QPainter>
#include <QPen>
#include <QRect>

namespace {
const QColor kGruen(0, 160, 0);
const QColor kSilber(192, 192, 192);
const QColor kRand(64, 64, 64);
}  // namespace

void ZeichneManZeichen(QPainter& p, const QRect& rect, const TManZeichen& z) {
  p.save();
  p.setClipRect(rect);
  p.setRenderHint(QPainter::Antialiasing, false);
  const QRect streifen(rect.left(), rect.bottom() - ManStreifenHoehe + 1, rect.width(),
                       ManStreifenHoehe);
  switch (z.Streifen) {
    case TManStreifen::Eigener:
      p.fillRect(streifen, kGruen);
      break;
    case TManStreifen::Gekoppelt:
      p.fillRect(streifen, kSilber);
      p.setPen(QPen(kGruen, 1));
      p.setBrush(Qt::NoBrush);
      p.drawRect(streifen.adjusted(0, 0, -1, -1));
      break;
    case TManStreifen::Keiner:
      break;
  }
  if (z.Schraffur) p.fillRect(rect, QBrush(kSilber, Qt::DiagCrossPattern));
  int x = rect.left() + 1;
  for (const TManMarke& m : z.Marken) {
    const QRect r(x, streifen.top(), ManStreifenHoehe, ManStreifenHoehe);
    if (r.left() > rect.right()) break;
    switch (m.Art) {
      case TManMarkenArt::Fixiert:
        p.setPen(QPen(kRand, 1));
        p.setBrush(m.Gekoppelt ? QColor(Qt::red) : kSilber);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        break;
      case TManMarkenArt::Besetzt:
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QPen(kRand, 1));
        p.setBrush(m.Gekoppelt ? QColor(Qt::black) : kSilber);
        p.drawEllipse(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5));
        p.setRenderHint(QPainter::Antialiasing, false);
        break;
      case TManMarkenArt::KeinRaum:
        p.setPen(QPen(Qt::black, 1));
        p.drawLine(r.topLeft(), r.bottomRight());
        p.drawLine(r.bottomLeft(), r.topRight());
        break;
    }
    x += ManMarkenAbstand;
  }
  p.restore();
}
