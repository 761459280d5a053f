#include "planning/NachbessernRegelUnit.h"

#include <algorithm>
#include <vector>

bool EinzelBedingungErreichbar(const TFeld<int, 1, MaxTage>& zahl, int tage, int stunden,
                               int proTag, int einzeln) {
  const int s = std::max(1, proTag);
  if (stunden < 0 || einzeln < 0 || einzeln > tage) return false;
  const int volle = s > 1 ? (stunden - einzeln) / s : 0;
  if (s > 1 && volle < 1) return false;
  // Zustände nach den Tagen bisher: (Tage mit einer Stunde, Tage mit s Stunden, Summe).
  const int breite = stunden + 1;
  const auto index = [&](int e, int v, int summe) { return (e * (tage + 1) + v) * breite + summe; };
  std::vector<char> jetzt(static_cast<std::size_t>((einzeln + 1) * (tage + 1) * breite), 0);
  std::vector<char> danach(jetzt.size(), 0);
  jetzt[static_cast<std::size_t>(index(0, 0, 0))] = 1;
  for (int t = 1; t <= tage; ++t) {
    std::fill(danach.begin(), danach.end(), 0);
    const int c = std::max(0, zahl[t]);
    const int bis = std::max(c, s);
    for (int e = 0; e <= einzeln; ++e)
      for (int v = 0; v <= tage; ++v)
        for (int summe = 0; summe <= stunden; ++summe) {
          if (!jetzt[static_cast<std::size_t>(index(e, v, summe))]) continue;
          for (int f = c; f <= bis; ++f) {
            if (f == 0 && c > 0) continue;
            const int e2 = e + (f == 1 ? 1 : 0);
            const int v2 = v + (s > 1 && f == s ? 1 : 0);
            const int summe2 = summe + f;
            if (e2 > einzeln || summe2 > stunden || (s > 1 && v2 > volle)) continue;
            danach[static_cast<std::size_t>(index(e2, v2, summe2))] = 1;
          }
        }
    jetzt.swap(danach);
  }
  return jetzt[static_cast<std::size_t>(index(einzeln, s > 1 ? volle : 0, stunden))] != 0;
}
