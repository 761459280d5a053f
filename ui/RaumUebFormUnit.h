// TRaumUebForm: die Übersicht für Räume (eine Spalte je Element der Stammliste).
#pragma once

#include "model/SchulUnit.h"
#include "ui/UebersichtFormUnit.h"

class TRaumUebForm : public TUebersichtForm {
 public:
  explicit TRaumUebForm(QWidget* parent = nullptr) : TUebersichtForm(parent) {}
  int FensterArt() const override { return FensterArt::RaumUebersicht; }
  TKuerzelArt UebArt() const override { return rau; }
  TFenster* TSchule::*Platz() const override { return &TSchule::fRaumUebForm; }
};
