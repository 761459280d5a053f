// TKlasUebForm: die Übersicht für Klassen (eine Spalte je Element der Stammliste).
#pragma once

#include "model/SchulUnit.h"
#include "ui/UebersichtFormUnit.h"

class TKlasUebForm : public TUebersichtForm {
 public:
  explicit TKlasUebForm(QWidget* parent = nullptr) : TUebersichtForm(parent) {}
  int FensterArt() const override { return FensterArt::KlassenUebersicht; }
  TKuerzelArt UebArt() const override { return kla; }
  TFenster* TSchule::*Platz() const override { return &TSchule::fKlasUebForm; }
};
