// Räume.
#pragma once

#include "model/PlanElemUnit.h"

class TRaum : public TPlanElement {
 public:
  TKuerzelArt Art() const override { return rau; }
  void Aufloesen() override;
};
