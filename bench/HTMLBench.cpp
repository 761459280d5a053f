// Das Planinformationssystem auf der großen Beispielschule (150 Lehrkräfte, gut 2100
// Wochenstunden): alle Seiten im Speicher und einzeln die Kursliste "ku.html".
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "app/BeispielSchuleUnit.h"
#include "app/KonsoleUnit.h"
#include "model/SchulUnit.h"
#include "output/HTMLUnit.h"
#include "settings/StandardUnit.h"

namespace {

struct TBank {
  std::ostringstream meldungen;
  TKonsolenUmgebung umgebung{meldungen};
  TBank() {
    ErzeugeBeispielSchule(Schule(), true);
    Standard().fMaxTageNeu = 5;
    Standard().fPlnStd = 10;
  }
};

TBank& Bank() {
  static TBank bank;
  return bank;
}

void BM_HTMLAlleSeiten(benchmark::State& state) {
  Bank();
  std::int64_t bytes = 0, seiten = 0;
  for (auto _ : state) {
    bytes = seiten = 0;
    THTMLExport().Erzeugen([&](const std::string&, const std::string& b) {
      bytes += static_cast<std::int64_t>(b.size());
      ++seiten;
    });
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["Seiten"] = static_cast<double>(seiten);
  state.counters["Bytes"] = static_cast<double>(bytes);
}

void BM_HTMLKursliste(benchmark::State& state) {
  Bank();
  std::size_t bytes = 0;
  for (auto _ : state) {
    const std::string seite = HTMLKursSeite();
    bytes = seite.size();
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["Bytes"] = static_cast<double>(bytes);
}

}  // namespace

BENCHMARK(BM_HTMLAlleSeiten)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HTMLKursliste)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
