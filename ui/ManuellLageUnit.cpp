#include "ui/ManuellLageUnit.h"

#include <algorithm>

namespace {
int Rechts(const TRechteck& r) {
  return r.Links + r.Breite;
}
int Unten(const TRechteck& r) {
  return r.Oben + r.Hoehe;
}
TRechteck Von(int links, int oben, int rechts, int unten) {
  return {links, oben, std::max(0, rechts - links), std::max(0, unten - oben)};
}
long long Flaeche(const TRechteck& r) {
  return static_cast<long long>(r.Breite) * r.Hoehe;
}
}  // namespace

TRechteck ManuellFensterRechteck(const TRechteck& arbeit, const TRechteck& palette) {
  const int links = std::max(arbeit.Links, palette.Links);
  const int oben = std::max(arbeit.Oben, palette.Oben);
  const int rechts = std::min(Rechts(arbeit), Rechts(palette));
  const int unten = std::min(Unten(arbeit), Unten(palette));
  if (palette.Breite <= 0 || palette.Hoehe <= 0 || links >= rechts || oben >= unten) return arbeit;
  const TRechteck kandidaten[] = {
      Von(arbeit.Links, unten, Rechts(arbeit), Unten(arbeit)),  // darunter
      Von(arbeit.Links, arbeit.Oben, Rechts(arbeit), oben),     // darüber
      Von(rechts, arbeit.Oben, Rechts(arbeit), Unten(arbeit)),  // rechts
      Von(arbeit.Links, arbeit.Oben, links, Unten(arbeit)),     // links
  };
  TRechteck beste = kandidaten[0];
  for (const TRechteck& r : kandidaten)
    if (Flaeche(r) > Flaeche(beste)) beste = r;
  return beste;
}

TTafelPlatz ManTafelPlatz(int manArt, int i) {
  switch (manArt) {
    case 1:
    case 3:
      return {0, i};
    case 2:
    case 4:
      return {i, 0};
    case 5:
      return {i / 2, i % 2};
    default:
      return {0, 0};
  }
}
