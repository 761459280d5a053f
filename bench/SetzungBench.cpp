// Die Schnelltests der Planung laufen bei jeder Mausbewegung über ein Planfenster; Setzen und
// Entfernen einer gekoppelten Stunde bei jedem Ziehen im Manuellfenster. Gemessen an einer großen
// Schule (bench/GrosseSchule.h).
#include <benchmark/benchmark.h>

#include "BenchUmgebung.h"
#include "GrosseSchule.h"
#include "planning/KonfliktUnit.h"

namespace {
struct TStand {
  TBenchUmgebung umgebung;
  TGrosseSchule schule;
  TStand() : schule(BaueGrosseSchule(umgebung.Schule(), umgebung.Standard())) {}
};

TStand& Stand() {
  static TStand stand;
  return stand;
}

// Ein Kurs der Unterstufe mit offener Stunde (oder der erste).
TKurs* OffenerUnterstufenKurs() {
  for (TKurs* k : Stand().schule.unterstufe)
    if (k->RestStunden(-1) > 0) return k;
  return Stand().schule.unterstufe.front();
}

// Ein Kurs der größten Oberstufenschiene: seine Stufe hat sehr viele Kurse, seine Kopplung viele
// Partner.
TKurs* OberstufenKurs() {
  return Stand().schule.schienen.front()->fKurse[1];
}

// Der schnelle Passtest eines Kurses über jede Zelle des Wochenrasters (7 Tage, 16 Stunden).
void Raster(benchmark::State& state, TKurs* kurs, const TRaum* raum) {
  for (auto _ : state) {
    int moeglich = 0;
    for (int t = 1; t <= 7; ++t)
      for (int h = 1; h <= 16; ++h) moeglich += kurs->SetzungPossible(-1, t, h, raum) ? 1 : 0;
    benchmark::DoNotOptimize(moeglich);
  }
  state.SetItemsProcessed(state.iterations() * 7 * 16);
}

void BM_SetzungPossible_Raster_Unterstufe(benchmark::State& state) {
  TKurs* k = OffenerUnterstufenKurs();
  Raster(state, k, k->fRaeume.ListeNrInhalt(1));
}
BENCHMARK(BM_SetzungPossible_Raster_Unterstufe);

void BM_SetzungPossible_Raster_Oberstufe(benchmark::State& state) {
  TKurs* k = OberstufenKurs();
  Raster(state, k, k->fRaeume.ListeNrInhalt(1));
}
BENCHMARK(BM_SetzungPossible_Raster_Oberstufe);

void BM_IstSetzbar_Raster_Oberstufe(benchmark::State& state) {
  TKurs* kurs = OberstufenKurs();
  // Eine Stunde herausnehmen, damit der Kurs offene Stunden hat und wirklich prüft.
  const TSetzung* z = kurs->fSetzungen.ListeNrInhalt(1);
  const int tag = z ? z->fTag : 0, std = z ? z->fStunde : 0;
  if (z) kurs->LoescheSetzung(1, tag, std, false);
  for (auto _ : state) {
    int moeglich = 0;
    for (int t = 1; t <= 7; ++t)
      for (int h = 1; h <= 16; ++h) moeglich += kurs->IstSetzbar(-1, t, h, kurs->fKopplung);
    benchmark::DoNotOptimize(moeglich);
  }
  if (z) kurs->NeueSetzung(1, tag, std, kurs->FreierRaum(1, tag, std));
  state.SetItemsProcessed(state.iterations() * 7 * 16);
}
BENCHMARK(BM_IstSetzbar_Raster_Oberstufe);

// Die möglichen Zellen eines gekoppelten Kurses samt seiner Partner (Rechtsklickmenü).
void BM_RechtsWahl_Oberstufe(benchmark::State& state) {
  TKurs* kurs = OberstufenKurs();
  for (auto _ : state) kurs->BerechneSetzungUnmoeglich(kurs->fRaeume.ListeNrInhalt(1));
}
BENCHMARK(BM_RechtsWahl_Oberstufe);

// Die Konfliktlisten aller Zellen (das Manuellfenster baut sie bei jeder Änderung neu).
void BM_ManKonfliktListe_Raster_Oberstufe(benchmark::State& state) {
  TKurs* kurs = OberstufenKurs();
  const TRaum* raum = kurs->fRaeume.ListeNrInhalt(1);
  for (auto _ : state) {
    int eintraege = 0;
    for (int t = 1; t <= 5; ++t)
      for (int h = 1; h <= 10; ++h) {
        TKonfliktListe liste;
        kurs->ManKonfliktListe(t, h, liste, raum);
        eintraege += liste.ListeZahlElemente();
      }
    benchmark::DoNotOptimize(eintraege);
  }
  state.SetItemsProcessed(state.iterations() * 5 * 10);
}
BENCHMARK(BM_ManKonfliktListe_Raster_Oberstufe);

// Eine Stunde der größten Schiene: entfernen und wieder setzen.
void BM_Schiene_EntfernenUndSetzen(benchmark::State& state) {
  TKopplung* g = Stand().schule.schienen.front();
  TKurs* erster = g->fKurse[0];
  const TSetzung* z = erster->fSetzungen.ListeNrInhalt(1);
  if (!z) {
    state.SkipWithError("Schiene ohne Setzung");
    return;
  }
  const int tag = z->fTag, std = z->fStunde;
  for (auto _ : state) {
    erster->LoescheSetzung(1, tag, std, true);
    for (TKurs* k : g->fKurse) k->NeueSetzung(1, tag, std, k->FreierRaum(1, tag, std));
  }
  state.SetItemsProcessed(state.iterations() * g->fKurse.ListeZahlElemente());
}
BENCHMARK(BM_Schiene_EntfernenUndSetzen);

// Eine Stunde einer Schiene mit der Kopplung in eine freie Zelle schieben und zurück.
void BM_Schiene_SchiebenHinUndZurueck(benchmark::State& state) {
  // Die erste Schiene mit einer Stunde und einer Zelle, in der alle Kurse samt Räumen frei sind.
  TKurs* erster = nullptr;
  int tag = 0, std = 0, zielTag = 0, zielStd = 0;
  for (TKopplung* g : Stand().schule.schienen) {
    const TSetzung* z = g->fKurse[0]->fSetzungen.ListeNrInhalt(1);
    if (!z) continue;
    for (int t = 1; t <= 5 && !zielTag; ++t)
      for (int h = 1; h <= 10 && !zielTag; ++h) {
        bool frei = true;
        for (TKurs* k : g->fKurse)
          frei = frei && k->SetzungPossible(1, t, h, k->RaumFinden(1, z->fTag, z->fStunde));
        if (frei) zielTag = t, zielStd = h;
      }
    if (zielTag) {
      erster = g->fKurse[0];
      tag = z->fTag;
      std = z->fStunde;
      break;
    }
  }
  if (!erster) {
    state.SkipWithError("keine freie Zelle für eine Schiene");
    return;
  }
  for (auto _ : state) {
    erster->Schiebe(zielTag, zielStd, tag, std, true);
    erster->Schiebe(tag, std, zielTag, zielStd, true);
  }
  state.SetItemsProcessed(state.iterations() * 2 * erster->fKopplung->fKurse.ListeZahlElemente());
}
BENCHMARK(BM_Schiene_SchiebenHinUndZurueck);

// Die Schule selbst: wie viel vom Plan gesetzt ist.
void BM_GrosseSchule_Kennzahlen(benchmark::State& state) {
  TStand& stand = Stand();
  for (auto _ : state) benchmark::DoNotOptimize(stand.schule.gesetzt);
  state.counters["Lehrer"] = stand.umgebung.Schule().fLehrerMenge.ListeZahlElemente();
  state.counters["Kurse"] = stand.umgebung.Schule().fKursMenge.ListeZahlElemente();
  state.counters["Stunden"] = stand.schule.stunden;
  state.counters["gesetzt"] = stand.schule.gesetzt;
}
BENCHMARK(BM_GrosseSchule_Kennzahlen)->Iterations(1);
}  // namespace

BENCHMARK_MAIN();
