#include "ui/FensterWiederUnit.h"

#include <algorithm>
#include <cstdint>

TPlanElement* PlanFensterElement(const TSchule& schule, const TFensterSatz& satz) {
  const std::string& titel = satz.Titel.str();
  const std::size_t blank = titel.find(' ');
  if (blank == std::string::npos) return nullptr;
  const std::string rest = titel.substr(blank + 1);
  TKuerzelArt art;
  switch (satz.Art) {
    case 9:
      art = TKuerzelArt::leh;
      break;
    case 10:
      art = TKuerzelArt::kla;
      break;
    case 11:
      art = TKuerzelArt::rau;
      break;
    default:
      return nullptr;
  }
  TPlanElement* gefunden = nullptr;
  for (TElement* e : schule.Elemente(art))
    if (e->fKuerzel.str() == rest) gefunden = static_cast<TPlanElement*>(e);
  return gefunden;
}

TFensterLage WiederLage(const TFensterLage& jetzt, const TFensterLage& satz,
                        const TRechteck& arbeit, int minBreite, int minHoehe) {
  using I = std::int64_t;
  TFensterLage l = jetzt;
  if (satz.Breite > 0 && satz.Breite < jetzt.Breite) l.Breite = std::max(satz.Breite, minBreite);
  if (satz.Hoehe > 0 && satz.Hoehe < jetzt.Hoehe) l.Hoehe = std::max(satz.Hoehe, minHoehe);
  const I rechts = I{arbeit.Links} + arbeit.Breite;
  const I unten = I{arbeit.Oben} + arbeit.Hoehe;
  if (rechts - satz.Links >= 200 && I{satz.Links} + l.Breite - arbeit.Links >= 200)
    l.Links = satz.Links;
  if (unten - satz.Oben >= 200 && I{satz.Oben} >= arbeit.Oben) l.Oben = satz.Oben;
  return l;
}
