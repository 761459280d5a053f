// TRaStatForm: das Fenster "Raumstatistik".
#pragma once

#include "model/SchulUnit.h"
#include "ui/fenster/StatistikFormUnit.h"

class TRaStatForm : public TStatistikForm {
 public:
  TRaStatForm() : TStatistikForm(&TSchule::fRaStatForm) {}
  int FensterArt() const override { return FensterArt::RaumStatistik; }
  TKuerzelArt StatArt() const override { return rau; }
};
