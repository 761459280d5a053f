// TLehrUebForm: die Übersicht für Lehrer (eine Spalte je Element der Stammliste).
#pragma once

#include "model/SchulUnit.h"
#include "ui/fenster/UebersichtFormUnit.h"

class TLehrUebForm : public TUebersichtForm {
 public:
  TLehrUebForm() : TUebersichtForm(&TSchule::fLehrUebForm) {}
  int FensterArt() const override { return FensterArt::LehrerUebersicht; }
  TKuerzelArt UebArt() const override { return leh; }
};
