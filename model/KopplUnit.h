// Kopplungen: Gruppen von Kursen, die gleichzeitig unterrichtet werden.
#pragma once

#include "model/ElementUnit.h"
#include "model/MenueUnit.h"

class TLehrer;

class TKopplung : public TElement {
 public:
  TKuerzelArt Art() const override { return kop; }

  // Der Kurs mit den meisten Stunden der Woche (mal Faktor, wenn mitFaktor); der erste gewinnt.
  TKurs* GroessterKopplungsKurs(int woche, bool mitFaktor) const;
  // Jeder zu verplanende Kurs hat so viele gesetzte wie geplante Stunden.
  bool IstVerplant() const;
  // Warnt, wenn zwei oder mehr Kurse der Kopplung diesen Lehrer haben.
  void LeKopDoppeltTest(const TLehrer* lehrer) const;
  // "Neuer Kurs": ein Kurs mit der Kopplung und den Vorgabestunden; öffnet das Kursfenster.
  TKurs* NeuerKurs();
  // Je Kurs ein Eintrag mit seiner Zeile (Arbeitswoche, ohne Zelle); Objekt ist der Kurs.
  void ErzeugeKopplMenu(TMenue& menue, bool mitInfo) const;

  void Aufloesen() override;
};
