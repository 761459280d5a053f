// Unterrichtsverteilungstabellen.
#pragma once

#include "model/ElementUnit.h"

class TLehrer;
class TKlasse;
class TFach;

class TUVTab : public TElement {
 public:
  bool fIstFach = false;  // "Klassen/Fächer"; sonst "Lehrer/Klassen"
  TListe<TLehrer> fLehrer;
  TListe<TKlasse> fKlassen;
  TListe<TFach> fFaecher;

  TKuerzelArt Art() const override { return uvt; }

  void NeuerLehrer(TLehrer* l);
  void NeueKlasse(TKlasse* k);
  void NeuesFach(TFach* f);
  void LehrerEntfernen(TLehrer* l);
  void KlasseEntfernen(TKlasse* k);
  void FachEntfernen(TFach* f);

  void Aufloesen() override;
};
