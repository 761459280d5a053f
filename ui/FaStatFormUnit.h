// TFaStatForm: das Fenster "Fachstatistik".
#pragma once

#include "model/SchulUnit.h"
#include "ui/StatistikFormUnit.h"

class TFaStatForm : public TStatistikForm {
 public:
  explicit TFaStatForm(QWidget* parent = nullptr) : TStatistikForm(parent) {}
  int FensterArt() const override { return FensterArt::FachStatistik; }
  TKuerzelArt StatArt() const override { return fac; }
  TFenster* TSchule::*Platz() const override { return &TSchule::fFaStatForm; }
};
