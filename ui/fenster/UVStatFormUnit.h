// TUVStatForm: das Fenster "UV-Statistik": eine Zeile je UV-Tabelle der Schule mit ihrer Art
// ("F" oder "L"), ihrem Kürzel und ihrer Info. Ein Doppelklick öffnet das Fenster der Tabelle
// in der gewählten Fensterart (mit Shift ein neues).
#pragma once

#include "model/SchulUnit.h"
#include "ui/fenster/StatistikFormUnit.h"

class TUVStatForm : public TStatistikForm {
 public:
  TUVStatForm() : TStatistikForm(&TSchule::fUVStatForm) {}
  int FensterArt() const override { return FensterArt::UVStatistik; }
  TKuerzelArt StatArt() const override { return uvt; }
};
