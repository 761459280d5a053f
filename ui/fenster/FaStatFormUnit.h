// TFaStatForm: das Fenster "Fachstatistik".
#pragma once

#include "model/SchulUnit.h"
#include "ui/fenster/StatistikFormUnit.h"

class TFaStatForm : public TStatistikForm {
 public:
  TFaStatForm() : TStatistikForm(&TSchule::fFaStatForm) {}
  int FensterArt() const override { return FensterArt::FachStatistik; }
  TKuerzelArt StatArt() const override { return fac; }
};
