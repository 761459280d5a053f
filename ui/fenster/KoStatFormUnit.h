// TKoStatForm: das Fenster "Kopplungsstatistik".
#pragma once

#include "model/SchulUnit.h"
#include "ui/fenster/StatistikFormUnit.h"

class TKoStatForm : public TStatistikForm {
 public:
  TKoStatForm() : TStatistikForm(&TSchule::fKoStatForm) {}
  int FensterArt() const override { return FensterArt::KopplungsStatistik; }
  TKuerzelArt StatArt() const override { return kop; }
};
