// TKlasUebForm: die Übersicht für Klassen (eine Spalte je Element der Stammliste).
#pragma once

#include "model/SchulUnit.h"
#include "ui/fenster/UebersichtFormUnit.h"

class TKlasUebForm : public TUebersichtForm {
 public:
  TKlasUebForm() : TUebersichtForm(&TSchule::fKlasUebForm) {}
  int FensterArt() const override { return FensterArt::KlassenUebersicht; }
  TKuerzelArt UebArt() const override { return kla; }
};
