// Räume.
#pragma once

#include "model/PlanElemUnit.h"

class TRaum : public TPlanElement {
 public:
  TKuerzelArt Art() const override { return rau; }
  // Eine gültige Vertretung an dem Tag in der Stunde nutzt diesen Raum.
  bool VertrittSchon(TDateTime datum, int std) const;
  // Ein in diesem Raum gesetzter Kurs der Zelle hat Klassen, und nicht alle fehlen.
  bool Besetzt(TDateTime datum, int std) const;
  // "Neuer Kurs": ein Kurs mit dem Raum und den Vorgabestunden; öffnet das Kursfenster.
  TKurs* NeuerKurs();
  void Aufloesen() override;
  void FehltNeuIn(TDateTime datum, int std) override;
  void FehltNichtMehrIn(TDateTime datum, int std) override;
};
