// TLehrUebForm: die Übersicht für Lehrer (eine Spalte je Element der Stammliste).
#pragma once

#include "model/SchulUnit.h"
#include "ui/UebersichtFormUnit.h"

class TLehrUebForm : public TUebersichtForm {
 public:
  explicit TLehrUebForm(QWidget* parent = nullptr) : TUebersichtForm(parent) {}
  int FensterArt() const override { return FensterArt::LehrerUebersicht; }
  TKuerzelArt UebArt() const override { return leh; }
  TFenster* TSchule::*Platz() const override { return &TSchule::fLehrUebForm; }
};
