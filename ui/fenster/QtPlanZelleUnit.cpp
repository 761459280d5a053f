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

QFont ZellSchrift(const QFont& schrift, const TPlanZelle& z) {
  QFont f = schrift;
  f.setBold(schrift.bold() || z.Fett);
  f.setUnderline(schrift.underline() || z.Unterstrichen);
  return f;
}

int ZellTeilPlatz(const TPlanZelle& z, std::size_t i, int zellBreite) {
  if (i >= z.Texte.size()) return 0;
  int platz = zellBreite - z.X[i];
  // Nebeneinander endet ein Teil vor dem nächsten, statt mit dessen Kürzel zu einem Wort zu
  // verschmelzen.
  if (i + 1 < z.Texte.size() && z.Y[i + 1] == z.Y[i] && z.X[i + 1] > z.X[i])
    platz = std::min(platz, z.X[i + 1] - z.X[i] - ZellRand);
  return std::max(0, platz);
}

QString ZellTeilText(const TPlanZelle& z, std::size_t i, int zellBreite, const QFont& schrift) {
  if (i >= z.Texte.size() || z.Texte[i].empty()) return {};
  const int platz = ZellTeilPlatz(z, i, zellBreite);
  if (platz <= 0) return {};
  return QFontMetrics(schrift).elidedText(QString::fromStdString(z.Texte[i]), Qt::ElideRight,
                                          platz);
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
    const QFont f = ZellSchrift(schrift, z);
    p.setFont(f);
    p.setPen(vorn);
    for (std::size_t i = 0; i < z.Texte.size(); ++i) {
      const QString text = ZellTeilText(z, i, rect.width(), f);
      if (text.isEmpty()) continue;
      p.drawText(QRect(rect.left() + z.X[i], rect.top() + z.Y[i], ZellTeilPlatz(z, i, rect.width()),
                       rect.height()),
                 Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    }
  }
  p.restore();
}
