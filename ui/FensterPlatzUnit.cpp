#include "ui/FensterPlatzUnit.h"

#include <algorithm>

std::optional<TPunkt> FensterPlatz(int i, int modus, const TRechteck& arbeit,
                                   const TRechteck& palette, int schalter) {
  if (i < 1) return std::nullopt;  // die Palette selbst wird nicht versetzt
  int x0 = arbeit.Links;
  int y0 = arbeit.Oben;
  const int w = arbeit.Breite;
  const int h = arbeit.Hoehe;
  // Neben oder unter der Palette beginnen, wenn sie am Rand liegt.
  if (schalter > 3 && palette.Links < 10)
    x0 += palette.Breite + 5;
  else if (schalter < 3 && palette.Oben < 10)
    y0 += palette.Hoehe + 5;
  const int xm = (x0 + w) / 2;
  const int ym = (y0 + h) / 2;
  int n = 0;
  switch (modus) {
    case 1:
      n = std::min((w - x0) / 60, (h - y0) / 60);
      break;
    case 2:
      n = std::min((xm - x0) / 60, (h - y0) / 60);
      break;
    case 3:
      n = std::min((w - x0) / 60, (ym - y0) / 60);
      break;
    case 4:
      n = std::min((xm - x0) / 60, (ym - y0) / 60);
      break;
    default:
      return std::nullopt;
  }
  n = std::max(n, 4);
  const int k = i - 1;
  const bool ungerade = i % 2 != 0;
  switch (modus) {
    case 1: {
      const int versatz = (k % n) * 30;
      return TPunkt{x0 + versatz, y0 + versatz};
    }
    case 2: {
      const int versatz = ((k / 2) % n) * 30;
      return TPunkt{(ungerade ? xm : x0) + versatz, y0 + versatz};
    }
    case 3: {
      const int versatz = ((k / 2) % n) * 30;
      return TPunkt{x0 + versatz, (ungerade ? ym : y0) + versatz};
    }
    default: {
      const int versatz = ((k / 4) % n) * 30;
      const int rest = i % 4;
      return TPunkt{(ungerade ? xm : x0) + versatz, (rest <= 1 ? y0 : ym) + versatz};
    }
  }
}
