#include "substitution/FehlUnit.h"

#include <utility>

#include "model/DatumUnit.h"
#include "model/SchulUnit.h"
#include "substitution/KalenderUnit.h"

bool TFehl::FehltIn(int std) const {
  return (fZeit & FehlBit(std)) != 0;
}

bool TFehl::FehltAn(int woche, int tag, int std) const {
  return FehltIn(std) && tag == WochenTag(fDatum) && woche == PlanversionAm(fDatum);
}

int TFehl::FehltVon() const {
  for (int h = 1; h <= 16; ++h)
    if (FehltIn(h)) return h;
  return 0;
}

int TFehl::FehltBis() const {
  for (int h = 16; h >= 1; --h)
    if (FehltIn(h)) return h;
  return 0;
}

void TFehl::ChangeZeit(int std) {
  fZeit ^= FehlBit(std);
}

void TFehl::AendereVertretung() {
  std::swap(fZeit, fHilfe);
  if (!fElement) return;
  for (int h = 1; h <= 16; ++h) {
    const bool jetzt = (fZeit & FehlBit(h)) != 0;
    if (jetzt == ((fHilfe & FehlBit(h)) != 0)) continue;
    if (jetzt)
      fElement->FehltNeuIn(fDatum, h);
    else
      fElement->FehltNichtMehrIn(fDatum, h);
  }
}
