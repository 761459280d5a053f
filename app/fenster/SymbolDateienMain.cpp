// Schreibt das Programmzeichen für die Installation: ORDNER/tamrel.svg und die PNG-Bilder
// ORDNER/<N>x<N>/tamrel.png. Das Bild stammt aus demselben SVG-Text wie im Programm.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

#include "ui/fenster/SymbolUnit.h"

namespace {
constexpr int kGroessen[] = {16, 24, 32, 48, 64, 128, 256};

bool Schreibe(const QString& pfad, const QByteArray& daten) {
  QFile datei(pfad);
  return datei.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
         datei.write(daten) == daten.size() && datei.flush();
}
}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "Aufruf: tamrel-symbole ORDNER\n");
    return 2;
  }
  const QString ordner = QString::fromLocal8Bit(argv[1]);
  const QByteArray svg =
      QByteArray("<?xml version='1.0' encoding='UTF-8'?>\n") + SymbolSvg(TSymbol::Programm) + '\n';
  QSvgRenderer zeichner(svg);
  if (!zeichner.isValid() || !QDir().mkpath(ordner) || !Schreibe(ordner + "/tamrel.svg", svg)) {
    std::fprintf(stderr, "Das Programmzeichen kann nicht nach %s geschrieben werden.\n", argv[1]);
    return 1;
  }
  for (int g : kGroessen) {
    QImage bild(g, g, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    zeichner.render(&p);
    p.end();
    const QString unterordner = ordner + QStringLiteral("/%1x%1").arg(g);
    if (!QDir().mkpath(unterordner) || !bild.save(unterordner + "/tamrel.png", "PNG")) {
      std::fprintf(stderr, "Das Bild %dx%d kann nicht geschrieben werden.\n", g, g);
      return 1;
    }
  }
  return 0;
}
