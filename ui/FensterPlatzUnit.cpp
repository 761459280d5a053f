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
  // (Der Rand ist der des Arbeitsbereichs: eine Leiste oben oder links verschiebt ihn.)
  if (schalter > 3 && palette.Links - arbeit.Links < 10)
    x0 += palette.Breite + 5;
  else if (schalter < 3 && palette.Oben - arbeit.Oben < 10)
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

namespace {

int Rechts(const TRechteck& r) {
  return r.Links + r.Breite;
}

int Unten(const TRechteck& r) {
  return r.Oben + r.Hoehe;
}

// Die Koordinate eines Stücks der Länge laenge im Intervall [anfang, anfang + platz): so nah
// wie möglich an wunsch; passt es nicht, an den Anfang.
int Einpassen(int wunsch, int laenge, int anfang, int platz) {
  if (laenge >= platz) return anfang;
  return std::clamp(wunsch, anfang, anfang + platz - laenge);
}

}  // namespace

TRechteck FreierBereich(const TRechteck& arbeit, const TRechteck& palette) {
  const int links = std::max(arbeit.Links, palette.Links);
  const int oben = std::max(arbeit.Oben, palette.Oben);
  const int rechts = std::min(Rechts(arbeit), Rechts(palette));
  const int unten = std::min(Unten(arbeit), Unten(palette));
  if (palette.Breite <= 0 || palette.Hoehe <= 0 || links >= rechts || oben >= unten) return arbeit;
  const TRechteck streifen[] = {
      {arbeit.Links, unten, arbeit.Breite, Unten(arbeit) - unten},     // darunter
      {arbeit.Links, arbeit.Oben, arbeit.Breite, oben - arbeit.Oben},  // darüber
      {rechts, arbeit.Oben, Rechts(arbeit) - rechts, arbeit.Hoehe},    // rechts
      {arbeit.Links, arbeit.Oben, links - arbeit.Links, arbeit.Hoehe}  // links
  };
  const TRechteck* best = &streifen[0];
  auto flaeche = [](const TRechteck& r) {
    return static_cast<long long>(std::max(0, r.Breite)) * std::max(0, r.Hoehe);
  };
  for (const TRechteck& r : streifen)
    if (flaeche(r) > flaeche(*best)) best = &r;
  return *best;
}

TPunkt DialogPlatz(int breite, int hoehe, const std::optional<TRechteck>& ueber,
                   const TRechteck& arbeit, const TRechteck& palette) {
  const TRechteck frei = FreierBereich(arbeit, palette);
  const TRechteck mitte = ueber ? *ueber : frei;
  const int x = mitte.Links + (mitte.Breite - breite) / 2;
  const int y = mitte.Oben + (mitte.Hoehe - hoehe) / 2;
  TPunkt p{Einpassen(x, breite, frei.Links, frei.Breite),
           Einpassen(y, hoehe, frei.Oben, frei.Hoehe)};
  p.X = std::max(p.X, arbeit.Links);
  p.Y = std::max(p.Y, arbeit.Oben);
  return p;
}

TPunkt FreierPlatz(const TPunkt& p, int breite, int hoehe, const TRechteck& arbeit,
                   const TRechteck& palette) {
  const TRechteck frei = FreierBereich(arbeit, palette);
  TPunkt q{Einpassen(p.X, breite, frei.Links, frei.Breite),
           Einpassen(p.Y, hoehe, frei.Oben, frei.Hoehe)};
  q.X = std::max(q.X, arbeit.Links);
  q.Y = std::max(q.Y, arbeit.Oben);
  return q;
}

TPunkt FensterStart(int breite, int hoehe, const TRechteck& arbeit, const TRechteck& palette) {
  const TRechteck frei = FreierBereich(arbeit, palette);
  TPunkt p{Einpassen(frei.Links, breite, frei.Links, frei.Breite),
           Einpassen(frei.Oben, hoehe, frei.Oben, frei.Hoehe)};
  p.X = std::max(p.X, arbeit.Links);
  p.Y = std::max(p.Y, arbeit.Oben);
  return p;
}
