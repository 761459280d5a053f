// Die Bilder der Werkzeugknöpfe: gültiges SVG, gezeichnet und verschieden.
#include <gtest/gtest.h>

#include <QImage>
#include <QSvgRenderer>
#include <set>

#include "ui/fenster/SymbolUnit.h"

TEST(Symbol, JedesBildIstGueltigUndGezeichnet) {
  std::set<QByteArray> bilder;
  for (int i = 0; i <= static_cast<int>(TSymbol::Programm); ++i) {
    const auto s = static_cast<TSymbol>(i);
    QSvgRenderer r(QByteArray(SymbolSvg(s)));
    EXPECT_TRUE(r.isValid()) << i;
    const QImage bild = SymbolBild(s, 24).toImage();
    int deckend = 0;
    for (int y = 0; y < bild.height(); ++y)
      for (int x = 0; x < bild.width(); ++x) deckend += qAlpha(bild.pixel(x, y)) > 0;
    EXPECT_GT(deckend, 20) << i;
    EXPECT_LT(deckend, bild.width() * bild.height()) << i;  // nicht einfach eine Fläche
    EXPECT_TRUE(bilder.insert(QByteArray(SymbolSvg(s))).second) << i;
    EXPECT_FALSE(SymbolIcon(s).isNull());
  }
}
