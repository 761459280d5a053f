// Das Planfenster eines Lehrers (Fensterart 9).
#pragma once

#include "ui/fenster/PlnFormUnit.h"

class TLehrer;

class TLePlnForm : public TPlnForm {
  Q_OBJECT

 public:
  explicit TLePlnForm(QWidget* parent = nullptr);

  // Füllt das Fenster für den Lehrer (oder zeigt künftig ihn statt des bisherigen).
  void ILePlnForm(TLehrer* lehrer);

  int FensterArt() const override { return FensterArt::LehrerPlan; }
  TKuerzelArt PlanArt() const override { return leh; }
  void ElementZeigen(TElement* element) override;
};
