#include "SeitenText.h"

#include <sstream>

#include "output/PrevPrinterUnit.h"

std::string SeitenText(const TPrevPrinter& seiten) {
  static const char* const kArt[] = {"Text", "Linie", "Rechteck", "Ellipse", "Fuellen"};
  std::ostringstream t;
  const TDruckerMasse& m = seiten.Masse();
  t << "Masse " << m.pXppi << ' ' << m.pYppi << ' ' << m.XOff << ' ' << m.YOff << ' ' << m.Breite
    << ' ' << m.Hoehe << ' ' << m.BlattBreite << ' ' << m.BlattHoehe << '\n';
  for (int n = 1; n <= seiten.PageCount(); ++n) {
    t << "Seite " << n << '\n';
    for (const TZeichenBefehl& b : seiten.Seite(n)) {
      t << kArt[static_cast<int>(b.Art)] << ' ' << b.X1 << ' ' << b.Y1 << ' ' << b.X2 << ' ' << b.Y2
        << " [" << b.Text << "] " << b.Schrift.Name << ' ' << b.Schrift.Groesse
        << (b.Schrift.Fett ? " F" : "") << (b.Schrift.Kursiv ? " K" : "")
        << (b.Schrift.Unterstrichen ? " U" : "") << " Stift " << b.Stift.Farbe << '/'
        << b.Stift.Breite << '/' << static_cast<int>(b.Stift.Stil) << " Pinsel " << b.Pinsel.Farbe
        << (b.Pinsel.Leer ? "/leer" : "") << " Farbe " << b.Farbe << '\n';
    }
  }
  return t.str();
}
