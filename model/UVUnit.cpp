#include "model/UVUnit.h"

#include "model/FachUnit.h"
#include "model/KlassenUnit.h"
#include "model/LehrerUnit.h"

void TUVTab::NeuerLehrer(TLehrer* l) {
  if (NachReiheEinfuegen(fLehrer, l)) FensterUpdate();
}

void TUVTab::NeueKlasse(TKlasse* k) {
  if (NachReiheEinfuegen(fKlassen, k)) FensterUpdate();
}

void TUVTab::NeuesFach(TFach* f) {
  if (NachReiheEinfuegen(fFaecher, f)) FensterUpdate();
}

void TUVTab::LehrerEntfernen(TLehrer* l) {
  if (fLehrer.ListeElemEntfernen(l)) FensterUpdate();
}

void TUVTab::KlasseEntfernen(TKlasse* k) {
  if (fKlassen.ListeElemEntfernen(k)) FensterUpdate();
}

void TUVTab::FachEntfernen(TFach* f) {
  if (fFaecher.ListeElemEntfernen(f)) FensterUpdate();
}

void TUVTab::Aufloesen() {
  fLehrer.ListeLeeren();
  fKlassen.ListeLeeren();
  fFaecher.ListeLeeren();
  TElement::Aufloesen();
}
