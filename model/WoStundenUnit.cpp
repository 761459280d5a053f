#include "model/WoStundenUnit.h"

#include <algorithm>

#include "model/WoElemUnit.h"
#include "settings/StandardUnit.h"

TWochenStunden::TWochenStunden() : TWochenStunden(Standard().fMaxWocheNeu) {}

TWochenStunden::TWochenStunden(int wochen)
    : fWerte(static_cast<std::size_t>(std::max(0, wochen)), 0) {}

void TWochenStunden::SetWochenStunde(int woche, std::int32_t wert) {
  TWochenSpanne s = WochenArgument(woche);
  s.bis = std::min(s.bis, WochenZahl());
  for (int w = s.von; w <= s.bis; ++w) fWerte[static_cast<std::size_t>(w - 1)] = wert;
}

std::int32_t TWochenStunden::GetWochenStunde(int woche) const {
  TWochenSpanne s = WochenArgument(woche);
  s.bis = std::min(s.bis, WochenZahl());
  std::int32_t summe = 0;
  for (int w = s.von; w <= s.bis; ++w) summe += fWerte[static_cast<std::size_t>(w - 1)];
  return summe;
}

void TWochenStunden::SetWochenZahl(int wochen) {
  fWerte.resize(static_cast<std::size_t>(std::max(0, wochen)), 0);
}

bool TWochenStunden::StundenGleich() const {
  for (std::size_t i = 1; i < fWerte.size(); ++i)
    if (fWerte[i] != fWerte[0]) return false;
  return true;
}
