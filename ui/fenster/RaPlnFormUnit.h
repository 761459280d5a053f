// Das Planfenster eines Raums (Fensterart 11); Stunden nur, wenn sie in diesem Raum liegen.
#pragma once

#include "ui/fenster/PlnFormUnit.h"

class TRaum;

class TRaPlnForm : public TPlnForm {
  Q_OBJECT

 public:
  explicit TRaPlnForm(QWidget* parent = nullptr);

  // Füllt das Fenster für den Raum (oder zeigt künftig ihn statt des bisherigen).
  void IRaPlnForm(TRaum* raum);

  int FensterArt() const override { return FensterArt::RaumPlan; }
  TKuerzelArt PlanArt() const override { return rau; }
  void ElementZeigen(TElement* element) override;

 protected:
  const TRaum* RaumFilter() const override;
};
