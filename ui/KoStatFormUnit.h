// TKoStatForm: das Fenster "Kopplungsstatistik".
#pragma once

#include "model/SchulUnit.h"
#include "ui/StatistikFormUnit.h"

class TKoStatForm : public TStatistikForm {
 public:
  explicit TKoStatForm(QWidget* parent = nullptr) : TStatistikForm(parent) {}
  int FensterArt() const override { return FensterArt::KopplungsStatistik; }
  TKuerzelArt StatArt() const override { return kop; }
  TFenster* TSchule::*Platz() const override { return &TSchule::fKoStatForm; }
};
