// TUVStatForm: das Fenster "UV-Statistik": eine Zeile je UV-Tabelle der Schule mit ihrer Art
// ("F" oder "L"), ihrem Kürzel und ihrer Info. Ein Doppelklick öffnet das Fenster der Tabelle
// in der gewählten Fensterart (mit Shift ein neues).
#pragma once

#include "model/SchulUnit.h"
#include "ui/StatistikFormUnit.h"

class TUVStatForm : public TStatistikForm {
 public:
  explicit TUVStatForm(QWidget* parent = nullptr) : TStatistikForm(parent) {}
  int FensterArt() const override { return FensterArt::UVStatistik; }
  TKuerzelArt StatArt() const override { return uvt; }
  TFenster* TSchule::*Platz() const override { return &TSchule::fUVStatForm; }
};
