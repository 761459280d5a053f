#include "model/RaumUnit.h"

#include "model/DatumUnit.h"
#include "model/KlassenUnit.h"
#include "model/KursUnit.h"
#include "model/LehrerUnit.h"
#include "model/SchulUnit.h"
#include "planning/UndoUnit.h"

bool TRaum::VertrittSchon(TDateTime datum, int std) const {
  for (const TVertretung* v : Schule().fVertretungsMenge)
    if (v->fGueltig && v->fRaum == this && v->fSetzung && v->fSetzung->fStunde == std &&
        GleicherTag(v->fDatum, datum))
      return true;
  return false;
}

bool TRaum::Besetzt(TDateTime datum, int std) const {
  const int woche = Schule().WocheVonDatum(datum), tag = WochenTag(datum);
  for (const TKurs* k : fKurse) {
    const TSetzung* setzung = k->SetzungFinden(woche, tag, std);
    if (!setzung || setzung->fRaum != this || k->fKlassen.empty()) continue;
    if (!AlleKlassenAbwesend(k, datum, std)) return true;
  }
  return false;
}

void TRaum::Aufloesen() {
  TSchule& schule = Schule();
  for (TKurs* k : fKurse.Kopie()) {
    if (k->VerplantImRaum(this)) k->AlleSetzungenEntfernen();
    k->RaumEntfernen(this);
  }
  for (TLehrer* l : schule.fLehrerMenge)
    if (l->fRaum == this) l->fRaum = nullptr;
  for (TKlasse* kl : schule.fKlassenMenge)
    if (kl->fRaum == this) kl->fRaum = nullptr;
  if (TManuellProtokoll* p = ManuellProtokoll()) p->RaumVergessen(this);
  TPlanElement::Aufloesen();
}

TKurs* TRaum::NeuerKurs() {
  return NeuerKursMitFenster(nullptr, nullptr, nullptr, nullptr, this);
}
