// Lesen und Schreiben der großen Beispielschule (150 Lehrkräfte, gut 2100 Wochenstunden).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/BeispielSchuleUnit.h"
#include "app/KonsoleUnit.h"
#include "model/SchulUnit.h"
#include "persistence/ReadUnit.h"
#include "persistence/WriteUnit.h"

namespace {

// Dienste, Einstellungen und die große Beispielschule für den ganzen Lauf.
struct TBank {
  std::ostringstream meldungen;
  TKonsolenUmgebung umgebung{meldungen};
  std::vector<std::uint8_t> bytes;
  TBank() {
    ErzeugeBeispielSchule(Schule(), true);
    bytes = SchuleAlsBytes(Schule());
  }
};

TBank& Bank() {
  static TBank bank;
  return bank;
}

void BM_SchuleAlsBytes(benchmark::State& state) {
  TBank& bank = Bank();
  for (auto _ : state) benchmark::DoNotOptimize(SchuleAlsBytes(Schule()).size());
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bank.bytes.size()));
}

void BM_WriteSchule(benchmark::State& state) {
  TBank& bank = Bank();
  const std::string pfad =
      (std::filesystem::temp_directory_path() / "tamrel-dateibench.tmr").string();
  std::string fehler;
  for (auto _ : state)
    if (!WriteSchule(pfad, Schule(), fehler)) state.SkipWithError(fehler.c_str());
  std::filesystem::remove(pfad);
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bank.bytes.size()));
}

void BM_ReadSchule(benchmark::State& state) {
  TBank& bank = Bank();
  TSchule* alt = &Schule();
  for (auto _ : state) {
    auto schule = std::make_unique<TSchule>();
    SchuleEinsetzen(schule.get());
    std::string fehler;
    if (!ReadSchuleAusBytes(bank.bytes, "Gross.tmr", *schule, fehler))
      state.SkipWithError(fehler.c_str());
    state.PauseTiming();  // das Zerstören der Schule zählt nicht
    SchuleEinsetzen(alt);
    schule.reset();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bank.bytes.size()));
}

void BM_BeispielSchuleGross(benchmark::State& state) {
  Bank();
  TSchule* alt = &Schule();
  for (auto _ : state) {
    auto schule = std::make_unique<TSchule>();
    SchuleEinsetzen(schule.get());
    ErzeugeBeispielSchule(*schule, true);
    state.PauseTiming();
    SchuleEinsetzen(alt);
    schule.reset();
    state.ResumeTiming();
  }
}

BENCHMARK(BM_SchuleAlsBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteSchule)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadSchule)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BeispielSchuleGross)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
