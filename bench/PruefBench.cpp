// Prüfen und Komprimieren an der großen Beispielschule: alle sieben Prüfungen in der Folge des
// Menüs, und ein Lauf des Komprimierens über alle Klassen in beiden Planversionen. Die Zähler
// nennen die Zeilen der Prüfungen, die verschobenen Stunden und die Hohlstunden davor und danach.
#include <benchmark/benchmark.h>

#include <memory>

#include "BenchUmgebung.h"
#include "app/BeispielSchuleUnit.h"
#include "planning/KompressUnit.h"
#include "planning/PruefUnit.h"

namespace {

std::unique_ptr<TBenchUmgebung> GrosseSchule() {
  auto u = std::make_unique<TBenchUmgebung>();
  ErzeugeBeispielSchule(u->Schule(), true);
  u->Standard().fEineWoche = false;
  return u;
}

void AllePruefungen(benchmark::State& state) {
  std::unique_ptr<TBenchUmgebung> u = GrosseSchule();
  int zeilen = 0;
  for (auto _ : state) {
    zeilen = 0;
    for (TPruefArt art :
         {TPruefArt::Konsistenz, TPruefArt::Bruecken, TPruefArt::FehlRaum, TPruefArt::FehlStunden,
          TPruefArt::Versionen, TPruefArt::Kopplungen, TPruefArt::Einzel})
      Pruefe(art, u->Schule(), [&zeilen](const std::string&) { ++zeilen; });
  }
  state.counters["zeilen"] = zeilen;
}
BENCHMARK(AllePruefungen)->Unit(benchmark::kMillisecond);

void Komprimieren(benchmark::State& state) {
  int verschoben = 0, vorher = 0, nachher = 0;
  for (auto _ : state) {
    state.PauseTiming();
    std::unique_ptr<TBenchUmgebung> u = GrosseSchule();
    state.ResumeTiming();
    const TKomprimierer k = KomprimiereAlles();
    state.PauseTiming();
    verschoben = k.fVerschoben;
    vorher = k.fHohlVorher;
    nachher = k.fHohlNachher;
    u.reset();
    state.ResumeTiming();
  }
  state.counters["verschoben"] = verschoben;
  state.counters["hohl_vorher"] = vorher;
  state.counters["hohl_nachher"] = nachher;
}
BENCHMARK(Komprimieren)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
