// Die Planfenster, die die Palette für die Logik und die Elementmenüs öffnet.
#include "model/PlanElemUnit.h"
#include "model/UVUnit.h"
#include "ui/fenster/PaletteUnit.h"
#include "ui/fenster/PlnFormUnit.h"
#include "ui/fenster/DepFormUnit.h"
#include "ui/fenster/GrFormUnit.h"
#include "ui/fenster/UVFormUnit.h"
#include "ui/fenster/UVGrFormUnit.h"

void TTamrelPalette::PlanFensterZeigen(TPlanElement* element) {
  if (!element) return;
  if (element->fPlnFenster)
    FensterNachVorne(element->fPlnFenster);
  else
    NeuesPlanFenster(element);
}

void TTamrelPalette::ElementFensterNeu(TElement* element, int art) {
  if (art >= FensterArt::LehrerPlan && art <= FensterArt::RaumPlan)
    if (auto* plan = dynamic_cast<TPlanElement*>(element)) NeuesPlanFenster(plan);
  if (art >= FensterArt::LehrerDeputat && art <= FensterArt::RaumDeputat) NeuesDepFenster(element);
  if (art >= FensterArt::LehrerDaten && art <= FensterArt::RaumDaten) NeuesGrFenster(element);
  if (element && element->Art() == uvt) {
    auto* tab = static_cast<TUVTab*>(element);
    if (art == FensterArt::UVTabelle) NeuesUVFenster(tab);
    if (art == FensterArt::UVDaten) NeuesUVGrFenster(tab);
  }
}
