// Räume.
#pragma once

#include "model/PlanElemUnit.h"

class TRaum : public TPlanElement {
 public:
  TKuerzelArt Art() const override { return rau; }
  // "Neuer Kurs": ein Kurs mit dem Raum und den Vorgabestunden; öffnet das Kursfenster.
  TKurs* NeuerKurs();
  void Aufloesen() override;
};
