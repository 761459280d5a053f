// TRaumUebForm: die Übersicht für Räume (eine Spalte je Element der Stammliste).
#pragma once

#include "model/SchulUnit.h"
#include "ui/fenster/UebersichtFormUnit.h"

class TRaumUebForm : public TUebersichtForm {
 public:
  TRaumUebForm() : TUebersichtForm(&TSchule::fRaumUebForm) {}
  int FensterArt() const override { return FensterArt::RaumUebersicht; }
  TKuerzelArt UebArt() const override { return rau; }
};
