// Kopplungen: Gruppen von Kursen, die gleichzeitig unterrichtet werden.
#pragma once

#include "model/ElementUnit.h"

class TLehrer;

class TKopplung : public TElement {
 public:
  TKuerzelArt Art() const override { return kop; }

  // Der Kurs mit den meisten Stunden der Woche (mal Faktor, wenn mitFaktor); der erste gewinnt.
  TKurs* GroessterKopplungsKurs(int dieWoche, bool mitFaktor) const;
  // Jeder zu verplanende Kurs hat so viele gesetzte wie geplante Stunden.
  bool IstVerplant() const;
  // Warnt, wenn zwei oder mehr Kurse der Kopplung diesen Lehrer haben.
  void LeKopDoppeltTest(const TLehrer* theLehrer) const;

  void Aufloesen() override;
};
