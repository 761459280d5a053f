#include "ui/PlanInhaltUnit.h"

#include <algorithm>

#include "model/KursUnit.h"
#include "model/PlanElemUnit.h"
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

TPlanInhalt PlanFuellen(const TPlanElement& element, int woche, int tage, int stunden) {
  const TKuerzelArt art = PlanArt(element);
  TPlanInhalt plan(art, woche, tage, stunden);
  for (TKurs* k : element.fKurse)
    for (const TSetzung* s : k->fSetzungen) {
      if (s->fWoche != woche || !plan.Enthaelt(s->fTag, s->fStunde)) continue;
      if (art == rau && static_cast<const void*>(s->fRaum) != static_cast<const void*>(&element))
        continue;
      plan.SetKurs(s->fTag, s->fStunde, k);
    }
  for (int t = 1; t <= plan.Tage(); ++t)
    for (int h = 1; h <= plan.Stunden(); ++h)
      plan.SetGesperrt(t, h, element.fSperrung.GetWocheTagStd(woche, t, h));
  return plan;
}

TPlanInhalt PlanFuellen(const TPlanElement& element) {
  const TStandard& s = Standard();
  return PlanFuellen(element, s.fAktuelleWoche, s.fMaxTageNeu, s.fPlnStd);
}

std::array<int, 3> ZellTeilArten(TKuerzelArt planArt, const TKurs& kurs, bool kopplungZeigen,
                                 bool mitDrittem) {
  const bool kopplung = kopplungZeigen && kurs.fKopplung;
  switch (planArt) {
    case leh:
      return {kopplung ? kop : kla, fac, mitDrittem ? rau : -1};
    case kla:
      return {kopplung ? kop : leh, fac, mitDrittem ? rau : -1};
    case rau:
      return {leh, kopplung ? kop : kla, mitDrittem ? fac : -1};
    default:
      return {-1, -1, -1};
  }
}

std::array<int, 3> ZellTeilBreiten(TKuerzelArt planArt) {
  const TStandard& s = Standard();
  switch (planArt) {
    case leh:
      return {s.PlnKlKoBreite(), s.fPlnFaBreite, s.fPlnRaBreite};
    case kla:
      return {s.PlnLeKoBreite(), s.fPlnFaBreite, s.fPlnRaBreite};
    case rau:
      return {s.fPlnLeBreite, s.PlnKlKoBreite(), s.fPlnFaBreite};
    default:
      return {0, 0, 0};
  }
}

int PlanSpaltenBreite(TKuerzelArt planArt) {
  const TStandard& s = Standard();
  if (!s.fNebenEinander) return s.PlnMaxBreite();
  const std::array<int, 3> b = ZellTeilBreiten(planArt);
  return b[0] + b[1] + (s.fMitRaum ? b[2] : 0);
}

int PlanZeilenHoehe() {
  const TStandard& s = Standard();
  if (s.fNebenEinander) return s.fPlnHoehe;
  return s.fPlnHoehe * (s.fMitRaum ? 3 : 2);
}

TPlanZelle PlanZelleBauen(TKuerzelArt planArt, const TKurs* kurs, int woche, int tag, int std,
                          bool kopplungZeigen, bool gesperrt, bool markiert) {
  const TStandard& s = Standard();
  TPlanZelle z;
  z.Gesperrt = gesperrt;
  z.Markiert = markiert;
  if (!kurs) return z;
  z.Stunde = true;
  z.Farbe = kurs->fColor;
  z.Fett = kurs->fKopplung && s.fPlnKoppFett;
  const TSetzung* setzung = kurs->SetzungFinden(woche, tag, std);
  z.Unterstrichen = setzung && setzung->fFixiert;
  const std::array<int, 3> arten = ZellTeilArten(planArt, *kurs, kopplungZeigen, s.fMitRaum);
  const std::array<int, 3> breiten = ZellTeilBreiten(planArt);
  int x = 2;
  for (int i = 0; i < 3; ++i) {
    const auto ui = static_cast<std::size_t>(i);
    if (s.fNebenEinander) {
      z.X[ui] = x;
      z.Y[ui] = 2;
      x += breiten[ui];
    } else {
      z.X[ui] = 2;
      z.Y[ui] = i * s.fPlnHoehe + 2;
    }
    if (arten[ui] >= 0) z.Texte[ui] = U8(kurs->WahlZeile(woche, tag, std, arten[ui], -1, -1));
  }
  return z;
}
