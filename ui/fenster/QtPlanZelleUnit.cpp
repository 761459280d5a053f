#include "ui/fenster/QtPlanZelleUnit.h"

#include <QFontMetrics>
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
    const QFontMetrics masse(f);
    for (std::size_t i = 0; i < z.Texte.size(); ++i) {
      if (z.Texte[i].empty()) continue;
      // Nebeneinander endet ein Teil vor dem nächsten: zu lange Kürzel werden gekürzt ("…"),
      // statt mit dem nächsten Kürzel zu einem Wort zu verschmelzen.
      int breite = rect.width() - z.X[i];
      if (i + 1 < z.Texte.size() && z.Y[i + 1] == z.Y[i] && z.X[i + 1] > z.X[i])
        breite = std::min(breite, z.X[i + 1] - z.X[i] - 2);
      if (breite <= 0) continue;
      const QString text =
          masse.elidedText(QString::fromStdString(z.Texte[i]), Qt::ElideRight, breite);
      p.drawText(QRect(rect.left() + z.X[i], rect.top() + z.Y[i], breite, rect.height()),
                 Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    }
  }
  p.restore();
}
