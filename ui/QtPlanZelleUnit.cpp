#include "ui/QtPlanZelleUnit.h"

#include <QPainter>
#include <QPalette>
#include <QRect>
#include <algorithm>
#include <cstdlib>

#include "settings/StandardUnit.h"

QColor FarbeVon(TColor farbe) {
  return QColor(static_cast<int>(farbe & 0xFF), static_cast<int>((farbe >> 8) & 0xFF),
                static_cast<int>((farbe >> 16) & 0xFF));
}

QFont SchriftVon(const TSchrift& schrift) {
  QFont f(QString::fromStdString(schrift.Name));
  f.setPointSize(std::max(1, std::abs(schrift.Groesse)));
  f.setBold(schrift.Fett);
  f.setItalic(schrift.Kursiv);
  f.setUnderline(schrift.Unterstrichen);
  return f;
}

QFont PlanSchrift() {
  return SchriftVon(Standard().fPlnFont);
}

QColor SperrFarbe() {
  return QColor(128, 128, 128);
}

void ZeichnePlanZelle(QPainter& p, const QRect& rect, const TPlanZelle& z, const QFont& schrift,
                      const QPalette& farben) {
  p.save();
  p.setClipRect(rect);
  QColor hinten = Qt::white;
  QColor vorn = Qt::black;
  if (z.Markiert) {
    hinten = farben.color(QPalette::Active, QPalette::Highlight);
    vorn = farben.color(QPalette::Active, QPalette::HighlightedText);
  } else if (z.Stunde) {
    hinten = FarbeVon(z.Farbe);
  } else if (z.Gesperrt) {
    hinten = SperrFarbe();
  }
  p.fillRect(rect, hinten);
  if (z.Stunde) {
    QFont f = schrift;
    f.setBold(schrift.bold() || z.Fett);
    f.setUnderline(schrift.underline() || z.Unterstrichen);
    p.setFont(f);
    p.setPen(vorn);
    for (std::size_t i = 0; i < z.Texte.size(); ++i) {
      if (z.Texte[i].empty()) continue;
      const QRect platz(rect.left() + z.X[i], rect.top() + z.Y[i],
                        std::max(0, rect.right() - rect.left() - z.X[i] + 1), rect.height());
      p.drawText(platz, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                 QString::fromStdString(z.Texte[i]));
    }
  }
  p.restore();
}
