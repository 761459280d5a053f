// Die automatische Planung an der großen Beispielschule: alle Setzungen entfernt, alle Kurse in
// beiden Planversionen geplant. Gemessen wird Sammeln (mit Rechenfolge) und Rechnen; die Zähler
// nennen die Stunden, die gesetzten Stunden und ihren Anteil.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "BenchUmgebung.h"
#include "app/BeispielSchuleUnit.h"
#include "planning/AutomatUnit.h"

namespace {
class TBenchAnzeige : public TAutomatAnzeige {
 public:
  void Zaehler(int, int) override {}
  void Fortschritt(int, int) override {}
  void Zustand(TAutomatZustand) override {}
  void NachKurs() override {}
  void Piep() override { ++fPiepser; }
  int fPiepser = 0;
};

// Die leere große Schule: alle Kurse zu verplanen, keine Stunde gesetzt.
std::unique_ptr<TBenchUmgebung> LeereSchule(int& stunden) {
  auto u = std::make_unique<TBenchUmgebung>();
  ErzeugeBeispielSchule(u->Schule(), true);
  u->Standard().fEineWoche = false;  // beide Planversionen
  stunden = 0;
  for (TKurs* k : u->Schule().fKursMenge) {
    k->AlleSetzungenEntfernen();
    if (!k->fNichtVerplanen) stunden += k->fStunden.GetWochenStunde(0);
  }
  return u;
}

void Automatik(benchmark::State& state) {
  const bool raumWichtig = state.range(0) != 0;
  int stunden = 0, gesetzt = 0, piepser = 0;
  for (auto _ : state) {
    state.PauseTiming();
    std::unique_ptr<TBenchUmgebung> u = LeereSchule(stunden);
    u->Standard().fAuRaumUnwichtig = !raumWichtig;
    std::vector<TKurs*> kurse;
    for (TKurs* k : u->Schule().fKursMenge) kurse.push_back(k);
    TBenchAnzeige anzeige;
    TAutomat automat(anzeige);
    state.ResumeTiming();
    automat.KurseSammeln(kurse);
    automat.Rechne();
    state.PauseTiming();
    gesetzt = automat.Gesetzt();
    piepser = anzeige.fPiepser;
    u.reset();
    state.ResumeTiming();
  }
  state.counters["stunden"] = stunden;
  state.counters["gesetzt"] = gesetzt;
  state.counters["anteil_prozent"] = stunden ? 100.0 * gesetzt / stunden : 0.0;
  state.counters["piepser"] = piepser;
}
}  // namespace

// Argument: 0 = Räume unwichtig (Vorgabe), 1 = Räume zählen bei der Wahl der Zellen.
BENCHMARK(Automatik)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(5);

BENCHMARK_MAIN();
