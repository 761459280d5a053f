// Die Exporte und der Import auf der großen Beispielschule (150 Lehrkräfte, gut 2100
// Wochenstunden): Kursliste, Lehrerpläne, Stunden für Schulmanager, Import der Kursliste in eine
// leere Schule.
#include <benchmark/benchmark.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/BeispielSchuleUnit.h"
#include "app/KonsoleUnit.h"
#include "model/SchulUnit.h"
#include "output/ExportUnit.h"
#include "persistence/ImportUnit.h"

namespace {

struct TBank {
  std::ostringstream meldungen;
  TKonsolenUmgebung umgebung{meldungen};
  std::vector<std::uint8_t> kursliste;
  TBank() {
    ErzeugeBeispielSchule(Schule(), true);
    TExport ex;
    ex.KursExport();
    kursliste = ex.Puffer().Daten();
  }
};

TBank& Bank() {
  static TBank bank;
  return bank;
}

void BM_Export(benchmark::State& state) {
  Bank();
  const TExportArt art = static_cast<TExportArt>(state.range(0));
  std::size_t bytes = 0;
  for (auto _ : state) {
    TExport ex;
    ex.Bauen(art);
    bytes = ex.Puffer().Groesse();
    benchmark::DoNotOptimize(bytes);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
}

void BM_ImportDerKursliste(benchmark::State& state) {
  TBank& bank = Bank();
  TSchule* alt = &Schule();
  for (auto _ : state) {
    auto schule = std::make_unique<TSchule>();
    SchuleEinsetzen(schule.get());
    TImport import(nullptr, TUnbekannte::Anlegen);
    if (!import.ImportAusBytes(bank.kursliste, "Kurse.txt").Importiert)
      state.SkipWithError("Import abgelehnt");
    state.PauseTiming();  // das Zerstören der Schule zählt nicht
    SchuleEinsetzen(alt);
    schule.reset();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bank.kursliste.size()));
}

}  // namespace

BENCHMARK(BM_Export)
    ->Arg(static_cast<int>(TExportArt::Kurse))
    ->Arg(static_cast<int>(TExportArt::LehrerPlaene))
    ->Arg(static_cast<int>(TExportArt::Schulmanager))
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportDerKursliste)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
