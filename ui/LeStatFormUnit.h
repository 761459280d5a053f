// TLeStatForm: das Fenster "Lehrerstatistik".
#pragma once

#include "model/SchulUnit.h"
#include "ui/StatistikFormUnit.h"

class TLeStatForm : public TStatistikForm {
 public:
  explicit TLeStatForm(QWidget* parent = nullptr) : TStatistikForm(parent) {}
  int FensterArt() const override { return FensterArt::LehrerStatistik; }
  TKuerzelArt StatArt() const override { return leh; }
  TFenster* TSchule::*Platz() const override { return &TSchule::fLeStatForm; }
};
