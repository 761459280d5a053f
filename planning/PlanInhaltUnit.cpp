#include "planning/PlanInhaltUnit.h"

#include <algorithm>

#include "model/KursUnit.h"
#include "model/PlanElemUnit.h"
#include "model/RaumUnit.h"
#include "settings/StandardUnit.h"

TPlanInhalt::TPlanInhalt(TKuerzelArt art, int woche, int tage, int stunden)
    : fArt(art),
      fWoche(woche),
      fTage(std::clamp(tage, 0, MaxTage)),
      fStunden(std::clamp(stunden, 0, MaxStunden)),
      fKurse(static_cast<std::size_t>(fTage * fStunden), nullptr),
      fGesperrt(static_cast<std::size_t>(fTage * fStunden), false) {}

std::size_t TPlanInhalt::Index(int tag, int std) const {
  return static_cast<std::size_t>((tag - 1) * fStunden + (std - 1));
}

TKurs* TPlanInhalt::Kurs(int tag, int std) const {
  return Enthaelt(tag, std) ? fKurse[Index(tag, std)] : nullptr;
}

void TPlanInhalt::SetKurs(int tag, int std, TKurs* kurs) {
  if (Enthaelt(tag, std)) fKurse[Index(tag, std)] = kurs;
}

bool TPlanInhalt::Gesperrt(int tag, int std) const {
  return Enthaelt(tag, std) && fGesperrt[Index(tag, std)];
}

void TPlanInhalt::SetGesperrt(int tag, int std, bool gesperrt) {
  if (Enthaelt(tag, std)) fGesperrt[Index(tag, std)] = gesperrt;
}

TKuerzelArt PlanArt(const TPlanElement& element) {
  return element.Art();
}

std::vector<std::pair<int, int>> KursZellen(const TKurs& kurs, const TPlanElement& element,
                                            int woche, int tage, int stunden) {
  const bool raumPlan = PlanArt(element) == rau;
  std::vector<std::pair<int, int>> zellen;
  for (const TSetzung* s : kurs.fSetzungen) {
    if (s->fWoche != woche || s->fTag < 1 || s->fTag > tage || s->fStunde < 1 ||
        s->fStunde > stunden)
      continue;
    if (raumPlan && static_cast<const TPlanElement*>(s->fRaum) != &element) continue;
    zellen.emplace_back(s->fTag, s->fStunde);
  }
  return zellen;
}

TPlanInhalt PlanFuellen(const TPlanElement& element, int woche, int tage, int stunden) {
  TPlanInhalt plan(PlanArt(element), woche, tage, stunden);
  for (TKurs* k : element.fKurse)
    for (const auto& [t, h] : KursZellen(*k, element, woche, plan.Tage(), plan.Stunden()))
      plan.SetKurs(t, h, k);
  for (int t = 1; t <= plan.Tage(); ++t)
    for (int h = 1; h <= plan.Stunden(); ++h)
      plan.SetGesperrt(t, h, element.fSperrung.GetWocheTagStd(woche, t, h));
  return plan;
}

TPlanInhalt PlanFuellen(const TPlanElement& element) {
  const TStandard& s = Standard();
  return PlanFuellen(element, s.fAktuelleWoche, s.fMaxTageNeu, s.fPlnStd);
}
