#include "planning/SVUnit.h"

#include <algorithm>

#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"

std::vector<TSVZeile> SVZeilen(int gruppe) {
  const TStandard& st = Standard();
  const TKuerzelArt art = gruppe == 1 ? kla : gruppe == 2 ? rau : leh;
  const int stunden = std::clamp(st.fPlnStd, 1, 16);
  std::vector<TSVZeile> zeilen;
  for (TElement* e : Schule().Elemente(art)) {
    auto* p = static_cast<TPlanElement*>(e);
    TSVZeile z;
    z.Element = p;
    z.Kuerzel = p->fKuerzel.str();
    for (int t = 1; t <= std::clamp(st.fMaxTageNeu, 1, 7); ++t)
      z.Tage.push_back(
          p->SVZeile(st.fAktuelleWoche, t).substr(0, static_cast<std::size_t>(stunden)));
    z.SpringStd = p->SpringStd();
    zeilen.push_back(std::move(z));
  }
  return zeilen;
}

int SVTagBreite() {
  return 7 * std::clamp(Standard().fPlnStd, 1, 16) + 3;
}

int SVGridHoehe(int zeilen, int zeilenHoehe) {
  int n = std::max(zeilen, 1);
  while (n > 1 && n * (zeilenHoehe + 1) + 5 > 200) --n;
  return n * (zeilenHoehe + 1) + 5;
}
