// Die große Beispielschule für die Benchmarks der Planung (app/BeispielSchuleUnit: rund 150 Lehrer,
// gut 2 100 Wochenstunden in zwei Planversionen, die Oberstufe in Kursschienen). Für die
// Benchmarks werden die ungekoppelten Kurse und die Schienen herausgesucht.
#pragma once

#include <algorithm>
#include <vector>

#include "app/BeispielSchuleUnit.h"
#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"

struct TGrosseSchule {
  std::vector<TKurs*> unterstufe;    // ungekoppelte, zu verplanende Kurse
  std::vector<TKopplung*> schienen;  // Kopplungen mit gesetzten Stunden, die größten zuerst
  int stunden = 0;                   // Wochenstunden aller zu verplanenden Kurse (alle Wochen)
  int gesetzt = 0;                   // davon gesetzt
};

inline TGrosseSchule BaueGrosseSchule(TSchule& s, TStandard& st) {
  ErzeugeBeispielSchule(s, true);
  st.fEineWoche = true;
  st.fAktuelleWoche = 1;
  TGrosseSchule ergebnis;
  for (TKurs* k : s.fKursMenge) {
    if (k->fNichtVerplanen) continue;
    ergebnis.stunden += k->fStunden.GetWochenStunde(0);
    ergebnis.gesetzt += k->VerplanteStunden(0);
    if (!k->fKopplung) ergebnis.unterstufe.push_back(k);
  }
  for (TKopplung* g : s.fKopplMenge)
    if (g->fKurse.ListeZahlElemente() >= 3 && g->fKurse[0]->fSetzungen.ListeNrInhalt(1))
      ergebnis.schienen.push_back(g);
  std::stable_sort(ergebnis.schienen.begin(), ergebnis.schienen.end(),
                   [](const TKopplung* a, const TKopplung* b) {
                     return a->fKurse.ListeZahlElemente() > b->fKurse.ListeZahlElemente();
                   });
  return ergebnis;
}
