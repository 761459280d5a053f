#include "model/UVUnit.h"

#include "model/FachUnit.h"
#include "model/KlassenUnit.h"
#include "model/LehrerUnit.h"
#include "model/SchulUnit.h"

namespace {
// Eine Liste der Tabelle hat sich geändert: das Datenfenster füllt seine Listen neu, das
// UV-Fenster gleicht sich sofort an (neue Spalten, Zeilen und Blöcke an ihrem Platz; eingefügte
// leere Zeilen und Spalten bleiben).
void ListenGeaendert(TUVTab& tab) {
  if (tab.fGrDatFenster) tab.fGrDatFenster->FensterUpdate();
  if (tab.fDepFenster) tab.fDepFenster->FensterRefresh();
  SchuleGeaendert();
}
}  // namespace

void TUVTab::NeuerLehrer(TLehrer* l) {
  if (NachReiheEinfuegen(fLehrer, l)) ListenGeaendert(*this);
}

void TUVTab::NeueKlasse(TKlasse* k) {
  if (NachReiheEinfuegen(fKlassen, k)) ListenGeaendert(*this);
}

void TUVTab::NeuesFach(TFach* f) {
  if (NachReiheEinfuegen(fFaecher, f)) ListenGeaendert(*this);
}

void TUVTab::LehrerEntfernen(TLehrer* l) {
  if (fLehrer.ListeElemEntfernen(l)) ListenGeaendert(*this);
}

void TUVTab::KlasseEntfernen(TKlasse* k) {
  if (fKlassen.ListeElemEntfernen(k)) ListenGeaendert(*this);
}

void TUVTab::FachEntfernen(TFach* f) {
  if (fFaecher.ListeElemEntfernen(f)) ListenGeaendert(*this);
}

void TUVTab::Aufloesen() {
  fLehrer.ListeLeeren();
  fKlassen.ListeLeeren();
  fFaecher.ListeLeeren();
  TElement::Aufloesen();
}
