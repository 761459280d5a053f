#include "model/SollElemUnit.h"

#include <algorithm>

#include "model/FachUnit.h"
#include "model/KlassenUnit.h"
#include "model/KursUnit.h"
#include "settings/StandardUnit.h"

void TSollElement::SetSoll(int woche, std::int32_t wert) {
  const std::int32_t hoechst = 200 * Standard().fDivisor;
  fSoll.SetWochenStunde(woche, std::clamp(wert, 0, hoechst));
  SchuleGeaendert();
}

std::int32_t TSollElement::GetSoll(int woche) const {
  return fSoll.GetWochenStunde(woche);
}

void TSollElement::KopiereSoll(std::int32_t soll) {
  fSoll.SetWochenStunde(-1, soll);
  SchuleGeaendert();
}

void TSollElement::AendereSoll(std::int32_t n) {
  SetSoll(-1, GetSoll(Standard().fAktuelleWoche) + n);
  FensterRefresh();
}

std::string TSollElement::KursPopZeile(const TFach* fach, int art) const {
  std::int32_t dies = 0, andere = 0;
  for (const TKurs* k : fKurse) {
    const bool nichtGezaehlt =
        (art == leh && k->fNichtZaehlenLe) || (art == kla && k->fNichtZaehlenKl);
    if (nichtGezaehlt) continue;
    const std::int32_t wert = k->fStunden.GetWochenStunde(0) * k->fFaktor;
    if (k->fFach == fach)
      dies += wert;
    else
      andere += wert;
  }
  if (Art() == kla) andere = FaktorSumme(0, static_cast<const TKlasse*>(this)->fKopDop, kla) - dies;
  const std::int32_t rest = GetSoll(0) - dies - andere;
  return "[" + StundenText(dies) + " ]-[" + StundenText(andere) + " ]-[" + StundenText(rest) +
         " ]  " + fKuerzel.str();
}

bool TSollElement::RaumFehltImPlan() const {
  for (const TKurs* k : fKurse)
    for (const TSetzung* s : k->fSetzungen)
      if (!s->fRaum) return true;
  return false;
}
