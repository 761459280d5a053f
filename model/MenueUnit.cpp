#include "model/MenueUnit.h"

#include <algorithm>
#include <cmath>

int PopupSpaltenLaenge(int klassenZahl) {
  const double roh = std::sqrt(static_cast<double>(klassenZahl) / 7.0) * 7.0;
  // Rundung zur nächsten ganzen Zahl (Hälften zur geraden, wie die Plattform rundet).
  const int gerundet = static_cast<int>(std::nearbyint(roh));
  return std::max(16, gerundet);
}

void SpaltenUmbrechen(TMenue& menue, int k) {
  if (k < 1) return;
  for (std::size_t i = 0; i < menue.size(); ++i)
    menue[i].NeueSpalte = (i > 0 && i % static_cast<std::size_t>(k) == 0);
}

namespace {
// Wurzel(n/3)·3, zur nächsten ganzen Zahl gerundet (Hälften zur geraden).
int DrittelWurzel(int n) {
  return static_cast<int>(std::nearbyint(std::sqrt(static_cast<double>(n) / 3.0) * 3.0));
}
}  // namespace

int ElementSpaltenLaenge(int n) {
  return std::max(16, DrittelWurzel(n));
}

int VersionsSpaltenLaenge(int w) {
  return std::max(8, DrittelWurzel(w));
}
