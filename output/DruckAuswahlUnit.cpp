#include "output/DruckAuswahlUnit.h"

#include "model/PlanElemUnit.h"
#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"

std::vector<TPlanElement*> DruckAuswahlVorgabe(const std::string& druck,
                                               const std::vector<TPlanElement*>& alle) {
  std::vector<TPlanElement*> liste;
  const auto& gemerkt = Standard().fDruckAuswahl;
  if (auto it = gemerkt.find(druck); it != gemerkt.end() && SchuleVorhanden())
    for (const auto& [art, kuerzel] : it->second)
      for (TElement* e : Schule().Elemente(static_cast<TKuerzelArt>(art)))
        if (e->fKuerzel.str() == kuerzel) {
          if (auto* p = dynamic_cast<TPlanElement*>(e)) liste.push_back(p);
          break;
        }
  return liste.empty() ? alle : liste;
}

void DruckAuswahlMerken(const std::string& druck, const std::vector<TPlanElement*>& liste) {
  auto& gemerkt = Standard().fDruckAuswahl[druck];
  gemerkt.clear();
  for (const TPlanElement* e : liste)
    if (e) gemerkt.emplace_back(static_cast<int>(e->Art()), e->fKuerzel.str());
}
