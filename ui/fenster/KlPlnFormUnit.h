// Das Planfenster einer Klasse (Fensterart 10).
#pragma once

#include "ui/fenster/PlnFormUnit.h"

class TKlasse;

class TKlPlnForm : public TPlnForm {
  Q_OBJECT

 public:
  explicit TKlPlnForm(QWidget* parent = nullptr);

  // Füllt das Fenster für die Klasse (oder zeigt künftig sie statt der bisherigen).
  void IKlPlnForm(TKlasse* klasse);

  int FensterArt() const override { return FensterArt::KlassenPlan; }
  TKuerzelArt PlanArt() const override { return kla; }
  void ElementZeigen(TElement* element) override;
};
