#include "ui/ElementMenueUnit.h"

#include "model/SchulUnit.h"
#include "substitution/VertretungsPlanungUnit.h"

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
  TSchule& s = Schule();
  bool geaendert = false;
  for (TKuerzelArt art : {leh, kla, kop, fac, rau, uvt}) {
    int nr = 0;
    for (TElement* e : s.Elemente(art))
      if (e->fReihe != ++nr) {
        e->fReihe = nr;
        geaendert = true;
      }
  }
  if (!geaendert) return;
  // Was nach fReihe geordnet ist, folgt der neuen Folge, so wie es eine gesicherte und wieder
  // geöffnete Schule täte: die Teillisten der Elemente, die Klassen der Kurse, die Kurslisten
  // (ihre Schlüssel kommen aus fReihe) und die Vertretungsliste.
  auto nachReihe = [](const auto* a, const auto* b) { return ReihenVergleich(a, b); };
  for (TLehrer* l : s.fLehrerMenge) l->fFaecher.ListeSort(nachReihe);
  for (TFach* f : s.fFachMenge) {
    f->fLehrer.ListeSort(nachReihe);
    f->fKlassen.ListeSort(nachReihe);
  }
  for (TUVTab* u : s.fUVTabMenge) {
    u->fLehrer.ListeSort(nachReihe);
    u->fKlassen.ListeSort(nachReihe);
    u->fFaecher.ListeSort(nachReihe);
  }
  for (TKurs* k : s.fKursMenge) k->fKlassen.ListeSort(nachReihe);
  KurseNeuSortieren();
  VertretungenSortieren(s);
}
