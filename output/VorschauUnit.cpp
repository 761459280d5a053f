#include "output/VorschauUnit.h"

#include <algorithm>
#include <cmath>
#include <iterator>

TVorschauLage VorschauEinpassen(TPunkt blatt, int tafelBreite, int tafelHoehe) {
  TVorschauLage l;
  const int w = std::max(blatt.X, 1), h = std::max(blatt.Y, 1);
  if (static_cast<double>(w) / h > static_cast<double>(tafelBreite) / std::max(tafelHoehe, 1)) {
    l.Breite = tafelBreite - 10;
    l.Links = 5;
    l.Hoehe = static_cast<int>(static_cast<long long>(h) * (tafelBreite - 10) / w);
    l.Oben = (tafelHoehe - l.Hoehe) / 2;
  } else {
    l.Hoehe = tafelHoehe - 10;
    l.Oben = 5;
    l.Breite = static_cast<int>(static_cast<long long>(w) * (tafelHoehe - 10) / h);
    l.Links = (tafelBreite - l.Breite) / 2;
  }
  return l;
}

TVorschauLage VorschauZoom(const TVorschauLage& lage, int x, int y) {
  auto runde = [](double v) { return static_cast<int>(std::nearbyint(v)); };
  return {runde((10 - x) * 2.5), runde((10 - y) * 2.5), runde(lage.Breite * 2.5),
          runde(lage.Hoehe * 2.5)};
}

TVorschauLage VorschauGroesse(const TDruckerMasse& m, int stufe, int breite, int hoehe,
                              double dpi) {
  const int w = std::max(m.BlattBreite, 1), h = std::max(m.BlattHoehe, 1);
  if (stufe == StufeGanzeSeite) return VorschauEinpassen({w, h}, breite, hoehe);
  TVorschauLage l;
  if (stufe == StufeSeitenbreite) {
    l.Breite = std::max(1, breite - 10);
    l.Hoehe = static_cast<int>(static_cast<long long>(h) * l.Breite / w);
    l.Links = 5;
    l.Oben = 5;
    return l;
  }
  const double faktor = dpi * std::max(stufe, 1) / 100.0;
  l.Breite = std::max(1, static_cast<int>(std::lround(w * faktor / std::max(m.pXppi, 1))));
  l.Hoehe = std::max(1, static_cast<int>(std::lround(h * faktor / std::max(m.pYppi, 1))));
  l.Links = std::max(5, (breite - l.Breite) / 2);
  l.Oben = std::max(5, (hoehe - l.Hoehe) / 2);
  return l;
}

int VorschauProzent(const TDruckerMasse& m, const TVorschauLage& lage, double dpi) {
  const double wirklich = std::max(m.BlattBreite, 1) * dpi / std::max(m.pXppi, 1);
  return static_cast<int>(std::lround(lage.Breite * 100.0 / std::max(wirklich, 1.0)));
}

int VorschauStufeWeiter(int prozent, bool groesser) {
  if (groesser) {
    for (int p : VorschauProzente)
      if (p > prozent) return p;
    return std::max(prozent, VorschauProzente[std::size(VorschauProzente) - 1]);
  }
  int kleiner = prozent;
  for (int p : VorschauProzente)
    if (p < prozent) kleiner = p;
  return kleiner;
}

TRechteck VorschauSeite(const TDruckerMasse& masse, int breite) {
  const double s = static_cast<double>(breite) / std::max(masse.BlattBreite, 1);
  const int l = static_cast<int>(masse.XOff * s), o = static_cast<int>(masse.YOff * s);
  return {l, o, l + static_cast<int>(masse.Breite * s), o + static_cast<int>(masse.Hoehe * s)};
}

bool TVorschau::Naechste() {
  if (fSeite >= fSeiten) return false;
  ++fSeite;
  return true;
}

void TVorschau::SetzeSeite(int n) {
  if (n >= 1 && n <= fSeiten) fSeite = n;
}
