#include "model/RaumUnit.h"

#include "model/KlassenUnit.h"
#include "model/KursUnit.h"
#include "model/LehrerUnit.h"
#include "model/SchulUnit.h"
#include "planning/UndoUnit.h"

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
