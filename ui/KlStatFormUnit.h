// TKlStatForm: das Fenster "Klassenstatistik".
#pragma once

#include "model/SchulUnit.h"
#include "ui/StatistikFormUnit.h"

class TKlStatForm : public TStatistikForm {
 public:
  explicit TKlStatForm(QWidget* parent = nullptr) : TStatistikForm(parent) {}
  int FensterArt() const override { return FensterArt::KlassenStatistik; }
  TKuerzelArt StatArt() const override { return kla; }
  TFenster* TSchule::*Platz() const override { return &TSchule::fKlStatForm; }
};
