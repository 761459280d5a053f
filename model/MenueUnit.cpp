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
