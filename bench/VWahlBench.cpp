// Die Vertretungswahl auf der großen Beispielschule mit einem Schuljahr voller Vertretungen (an
// jedem Schultag fehlen fünf Lehrer den ganzen Tag): eine Vertretung zeigen (mit den
// Monatskonten aller Lehrer), die Lehrerliste aufbauen und die Statt-Suche nach Zeit.
#include <benchmark/benchmark.h>

#include "BenchUmgebung.h"
#include "GrosseSchule.h"
#include "model/DatumUnit.h"
#include "model/LehrerUnit.h"
#include "substitution/FehlzeitUnit.h"
#include "substitution/KalenderUnit.h"
#include "substitution/VWahlUnit.h"
#include "substitution/VertretungUnit.h"
#include "substitution/VertretungsPlanungUnit.h"

namespace {
struct TStand {
  TBenchUmgebung umgebung;
  TGrosseSchule schule;
  TVertretung* vertretung = nullptr;
  TStand() : schule(BaueGrosseSchule(umgebung.Schule(), umgebung.Standard())) {
    TSchule& s = umgebung.Schule();
    std::vector<TLehrer*> lehrer;
    for (TLehrer* l : s.fLehrerMenge) lehrer.push_back(l);
    const TDateTime von = DatumZuZahl(2026, 8, 17) + 0.5, bis = DatumZuZahl(2027, 6, 30) + 0.5;
    std::size_t n = 0;
    for (TDateTime tag = von; tag <= bis; tag += 1) {
      if (!Schultag(tag)) continue;
      for (int i = 0; i < 5; ++i, ++n)
        FehlzeitEintragen(lehrer[(n * 7) % lehrer.size()], tag, StundenMaske(1, 16), "k");
    }
    const TDateTime heute = DatumZuZahl(2026, 12, 9);
    for (TVertretung* v : s.fVertretungsMenge)
      if (v->fGueltig && GleicherTag(v->fDatum, heute)) {
        vertretung = v;
        break;
      }
  }
};

TStand& Stand() {
  static TStand stand;
  return stand;
}

void BM_VWahl_Zeigen(benchmark::State& state) {
  TStand& st = Stand();
  TVWahl wahl;
  for (auto _ : state) {
    wahl.IVWahlForm(st.vertretung);
    benchmark::DoNotOptimize(wahl.fWoche);
  }
  state.counters["Vertretungen"] =
      static_cast<double>(st.umgebung.Schule().fVertretungsMenge.ListeZahlElemente());
}
BENCHMARK(BM_VWahl_Zeigen)->Unit(benchmark::kMillisecond);

// Das erste Zeigen im Monat: jedes Monatskonto wird aus den Vertretungen neu berechnet.
void BM_VWahl_ZeigenMonatskontenNeu(benchmark::State& state) {
  TStand& st = Stand();
  TVWahl wahl;
  for (auto _ : state) {
    state.PauseTiming();
    for (TLehrer* l : st.umgebung.Schule().fLehrerMenge) l->fDict.clear();
    state.ResumeTiming();
    wahl.IVWahlForm(st.vertretung);
  }
}
BENCHMARK(BM_VWahl_ZeigenMonatskontenNeu)->Unit(benchmark::kMillisecond);

void BM_VWahl_LehrerListe(benchmark::State& state) {
  TStand& st = Stand();
  TVWahl wahl;
  wahl.IVWahlForm(st.vertretung);
  std::size_t zeilen = 0;
  for (auto _ : state) zeilen = wahl.LehrerListe().size();
  state.counters["Zeilen"] = static_cast<double>(zeilen);
}
BENCHMARK(BM_VWahl_LehrerListe)->Unit(benchmark::kMillisecond);

void BM_VWahl_StattNachZeit(benchmark::State& state) {
  TStand& st = Stand();
  TVWahl wahl;
  wahl.IVWahlForm(st.vertretung);
  TLehrer* vorher = st.vertretung->fLehrer;
  st.vertretung->fLehrer = st.umgebung.Schule().fLehrerMenge[0];
  for (auto _ : state) benchmark::DoNotOptimize(wahl.ZeitStattMenu().size());
  st.vertretung->fStattListe.ListeLeeren();
  st.vertretung->fLehrer = vorher;
}
BENCHMARK(BM_VWahl_StattNachZeit)->Unit(benchmark::kMillisecond);
}  // namespace

BENCHMARK_MAIN();
