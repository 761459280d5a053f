// TRaStatForm: das Fenster "Raumstatistik".
#pragma once

#include "model/SchulUnit.h"
#include "ui/StatistikFormUnit.h"

class TRaStatForm : public TStatistikForm {
 public:
  explicit TRaStatForm(QWidget* parent = nullptr) : TStatistikForm(parent) {}
  int FensterArt() const override { return FensterArt::RaumStatistik; }
  TKuerzelArt StatArt() const override { return rau; }
  TFenster* TSchule::*Platz() const override { return &TSchule::fRaStatForm; }
};
