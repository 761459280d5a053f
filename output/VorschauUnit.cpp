#include "output/VorschauUnit.h"

#include <algorithm>
#include <cmath>

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
