// TKlStatForm: das Fenster "Klassenstatistik".
#pragma once

#include "model/SchulUnit.h"
#include "ui/fenster/StatistikFormUnit.h"

class TKlStatForm : public TStatistikForm {
 public:
  TKlStatForm() : TStatistikForm(&TSchule::fKlStatForm) {}
  int FensterArt() const override { return FensterArt::KlassenStatistik; }
  TKuerzelArt StatArt() const override { return kla; }
};
