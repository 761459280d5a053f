#include "ui/MehrfachWahlUnit.h"

#include <algorithm>

#include "model/MenueUnit.h"
#include "ui/QuonAuswahlUnit.h"

TMehrfachWahl::TMehrfachWahl(int n)
    : fAnzahl(std::max(0, n)),
      fZeilen(ElementSpaltenLaenge(fAnzahl)),
      fSpalten(fAnzahl == 0 ? 0 : (fAnzahl + fZeilen - 1) / fZeilen),
      fGewaehlt(static_cast<std::size_t>(fAnzahl), false) {}

int TMehrfachWahl::Index(int spalte, int zeile) const {
  if (spalte < 0 || spalte >= fSpalten || zeile < 0 || zeile >= fZeilen) return -1;
  const int i = spalte * fZeilen + zeile;
  return i < fAnzahl ? i : -1;
}

bool TMehrfachWahl::Gewaehlt(int index) const {
  if (index < 0 || index >= fAnzahl) return false;
  return fGewaehlt[static_cast<std::size_t>(index)];
}

void TMehrfachWahl::Setze(int index, bool an) {
  if (index < 0 || index >= fAnzahl || Gewaehlt(index) == an) return;
  fGewaehlt[static_cast<std::size_t>(index)] = an;
  if (an)
    fFolge.push_back(index);
  else
    fFolge.erase(std::find(fFolge.begin(), fFolge.end(), index));
}

void TMehrfachWahl::Druck(int spalte, int zeile, unsigned umschalt) {
  fGedrueckt = true;
  fNurLos = false;
  fDruckSpalte = spalte;
  fDruckZeile = zeile;
  if (umschalt & umCtrl) {
    for (int i = 0; i < fAnzahl; ++i) Setze(i, true);
    fNurLos = true;
    return;
  }
  if (umschalt & umAlt) {
    for (int i = 0; i < fAnzahl; ++i) Setze(i, false);
    fWaehlen = true;
    return;
  }
  fWaehlen = !Gewaehlt(Index(spalte, zeile));
}

bool TMehrfachWahl::ImRechteck(int spalte, int zeile, int bisSpalte, int bisZeile) const {
  if (!fGedrueckt) return false;
  return spalte >= std::min(fDruckSpalte, bisSpalte) &&
         spalte <= std::max(fDruckSpalte, bisSpalte) && zeile >= std::min(fDruckZeile, bisZeile) &&
         zeile <= std::max(fDruckZeile, bisZeile);
}

void TMehrfachWahl::Los(int spalte, int zeile) {
  if (!fGedrueckt) return;
  fGedrueckt = false;
  if (fNurLos) return;
  const int s0 = std::clamp(std::min(fDruckSpalte, spalte), 0, std::max(0, fSpalten - 1));
  const int s1 = std::clamp(std::max(fDruckSpalte, spalte), 0, std::max(0, fSpalten - 1));
  const int z0 = std::clamp(std::min(fDruckZeile, zeile), 0, std::max(0, fZeilen - 1));
  const int z1 = std::clamp(std::max(fDruckZeile, zeile), 0, std::max(0, fZeilen - 1));
  // Spalte für Spalte, damit die Wahlfolge der Listenfolge im Rechteck entspricht.
  for (int s = s0; s <= s1; ++s)
    for (int z = z0; z <= z1; ++z) Setze(Index(s, z), fWaehlen);
}
