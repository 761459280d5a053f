#include "ui/ElementMenueUnit.h"

#include "model/SchulUnit.h"

std::string ElementMenueTitel(TKuerzelArt art) {
  switch (art) {
    case leh:
      return "Le";
    case kla:
      return "Kl";
    case kop:
      return "Ko";
    case fac:
      return "Fa";
    case rau:
      return "Ra";
    case uvt:
      return "UV";
    case kur:
      break;
  }
  return {};
}

TMenue ElementMenue(TKuerzelArt art, bool mitOhne) {
  TMenue menue;
  if (mitOhne) {
    TMenueEintrag ohne;
    ohne.Text = "ohne";
    menue.push_back(std::move(ohne));
  }
  int nr = 0;
  for (TElement* e : Schule().Elemente(art)) {
    TMenueEintrag eintrag;
    eintrag.Text = U8(e->fKuerzel.str());
    eintrag.Objekt = e;
    eintrag.Wert = ++nr;
    menue.push_back(std::move(eintrag));
  }
  SpaltenUmbrechen(menue, ElementSpaltenLaenge(static_cast<int>(menue.size())));
  return menue;
}

void ReihenSetzen() {
  for (TKuerzelArt art : {leh, kla, kop, fac, rau, uvt}) {
    int nr = 0;
    for (TElement* e : Schule().Elemente(art)) e->fReihe = ++nr;
  }
}
