#include "planning/SetzungAnzeigeUnit.h"

#include <string>

#include "model/KlassenUnit.h"
#include "model/KursUnit.h"
#include "model/LehrerUnit.h"
#include "model/RaumUnit.h"
#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"

namespace {
const std::string kLeer;
const std::string kNormal = "N";
const std::string kFixiert = "F";

// Liegt die Zelle in der gezeigten Woche und im Raster der Fenster?
bool Sichtbar(int woche, int tag, int std) {
  const TStandard& s = Standard();
  return woche == s.fAktuelleWoche && tag >= 1 && tag <= s.fMaxTageNeu && std >= 1 &&
         std <= s.fPlnStd;
}

// Schreibt die Zelle in das Planfenster des Elements und in seine Übersicht.
void Zelle(const TPlanElement* element, TFenster* uebersicht, int tag, int std, TKurs* kurs,
           const std::string& marke) {
  if (element->fPlnFenster) element->fPlnFenster->PlanZelle(tag, std, kurs, marke);
  if (uebersicht)
    uebersicht->UebersichtZelle(element, (tag - 1) * Standard().fPlnStd + std, kurs, marke);
}

TFenster* Uebersicht(TFenster* TSchule::*platz) {
  return SchuleVorhanden() ? Schule().*platz : nullptr;
}
}  // namespace

void ZeigeNeueSetzung(TKurs* kurs, int woche, int tag, int std, TRaum* raum) {
  if (!kurs || !Sichtbar(woche, tag, std)) return;
  if (kurs->fLehrer)
    Zelle(kurs->fLehrer, Uebersicht(&TSchule::fLehrUebForm), tag, std, kurs, kNormal);
  for (TKlasse* k : kurs->fKlassen)
    Zelle(k, Uebersicht(&TSchule::fKlasUebForm), tag, std, kurs, kNormal);
  if (raum) Zelle(raum, Uebersicht(&TSchule::fRaumUebForm), tag, std, kurs, kNormal);
}

void ZeigeEntfernteSetzung(TKurs* kurs, int woche, int tag, int std, TRaum* raum) {
  if (!kurs || !Sichtbar(woche, tag, std)) return;
  if (kurs->fLehrer)
    Zelle(kurs->fLehrer, Uebersicht(&TSchule::fLehrUebForm), tag, std, nullptr, kLeer);
  for (TKlasse* k : kurs->fKlassen) {
    const auto [bleibt, setzung] = k->FindeKursSetzung(woche, tag, std);
    Zelle(k, Uebersicht(&TSchule::fKlasUebForm), tag, std, bleibt,
          !bleibt ? kLeer : (setzung->fFixiert ? kFixiert : kNormal));
  }
  if (raum) Zelle(raum, Uebersicht(&TSchule::fRaumUebForm), tag, std, nullptr, kLeer);
}

void ZeigeRaumZelle(TRaum* raum, int woche, int tag, int std, TKurs* kurs) {
  if (!raum || !Sichtbar(woche, tag, std)) return;
  Zelle(raum, Uebersicht(&TSchule::fRaumUebForm), tag, std, kurs, kurs ? kNormal : kLeer);
}
