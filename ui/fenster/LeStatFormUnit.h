// TLeStatForm: das Fenster "Lehrerstatistik".
#pragma once

#include "model/SchulUnit.h"
#include "ui/fenster/StatistikFormUnit.h"

class TLeStatForm : public TStatistikForm {
 public:
  TLeStatForm() : TStatistikForm(&TSchule::fLeStatForm) {}
  int FensterArt() const override { return FensterArt::LehrerStatistik; }
  TKuerzelArt StatArt() const override { return leh; }
};
