#include "ui/RasterMassUnit.h"

#include <algorithm>

TRasterMasse::TRasterMasse(int n, int vorgabe, int linie)
    : fMasse(static_cast<std::size_t>(std::max(0, n)), std::max(0, vorgabe)),
      fLinie(std::max(0, linie)) {
  Aufbauen();
}

int TRasterMasse::Mass(int i) const {
  if (i < 0 || i >= Anzahl()) return 0;
  return fMasse[static_cast<std::size_t>(i)];
}

void TRasterMasse::Aufbauen() {
  const std::size_t n = fMasse.size();
  fBaum.assign(n + 1, 0);
  for (std::size_t k = 1; k <= n; ++k) {
    fBaum[k] += fMasse[k - 1] + fLinie;
    const std::size_t oben = k + (k & (~k + 1));
    if (oben <= n) fBaum[oben] += fBaum[k];
  }
}

void TRasterMasse::Groesse(int n, int vorgabe) {
  n = std::max(0, n);
  if (n == Anzahl()) return;
  fMasse.resize(static_cast<std::size_t>(n), std::max(0, vorgabe));
  Aufbauen();
}

void TRasterMasse::SetzeMass(int i, int mass) {
  if (i < 0 || i >= Anzahl()) return;
  mass = std::max(0, mass);
  const std::int64_t diff = mass - fMasse[static_cast<std::size_t>(i)];
  if (diff == 0) return;
  fMasse[static_cast<std::size_t>(i)] = mass;
  for (std::size_t k = static_cast<std::size_t>(i) + 1; k < fBaum.size(); k += k & (~k + 1))
    fBaum[k] += diff;
}

void TRasterMasse::AlleSetzen(int mass) {
  std::fill(fMasse.begin(), fMasse.end(), std::max(0, mass));
  Aufbauen();
}

void TRasterMasse::SetzeLinie(int linie) {
  fLinie = std::max(0, linie);
  Aufbauen();
}

void TRasterMasse::Einschieben(int i, int mass) {
  if (fMasse.empty()) return;
  i = std::clamp(i, 0, Anzahl());
  if (i >= Anzahl()) return;
  fMasse.pop_back();
  fMasse.insert(fMasse.begin() + i, std::max(0, mass));
  Aufbauen();
}

std::int64_t TRasterMasse::Vor(int i) const {
  std::int64_t s = 0;
  for (std::size_t k = static_cast<std::size_t>(std::clamp(i, 0, Anzahl())); k > 0;
       k -= k & (~k + 1))
    s += fBaum[k];
  return s;
}

std::int64_t TRasterMasse::Abstand(int von, int bis) const {
  if (bis <= von) return 0;
  return Vor(bis) - Vor(von);
}

int TRasterMasse::ZelleAn(int ab, std::int64_t x) const {
  ab = std::clamp(ab, 0, Anzahl());
  if (x < 0) return ab;
  // Die erste Zelle, deren rechte Kante (mit Linie) hinter ziel liegt: Abstieg im Baum.
  const std::int64_t ziel = Vor(ab) + x;
  std::size_t pos = 0;
  std::int64_t rest = ziel;
  std::size_t schritt = 1;
  while (schritt * 2 < fBaum.size()) schritt *= 2;
  for (; schritt > 0; schritt /= 2)
    if (pos + schritt < fBaum.size() && fBaum[pos + schritt] <= rest) {
      pos += schritt;
      rest -= fBaum[pos];
    }
  // pos Zellen liegen ganz vor ziel; die Zelle pos enthält es.
  return static_cast<int>(pos);
}
