// Die Kalenderdateien der großen Beispielschule (150 Lehrkräfte, gut 2100 Wochenstunden in zwei
// Planversionen) für ein Schuljahr (1.8.2026 bis 31.7.2027, Herbst-, Weihnachts-, Oster- und
// Sommerferien): alle Lehrer, Klassen und Räume im Speicher, und der ganze Export in einen Ordner,
// zweimal hintereinander (der zweite liest den vorigen Stand jeder Datei).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <unistd.h>

#include "app/BeispielSchuleUnit.h"
#include "app/KonsoleUnit.h"
#include "model/DatumUnit.h"
#include "model/SchulUnit.h"
#include "output/IcalUnit.h"
#include "settings/StandardUnit.h"
#include "settings/StundenZeitUnit.h"
#include "substitution/KalenderUnit.h"

namespace {

struct TBank {
  std::ostringstream meldungen;
  TKonsolenUmgebung umgebung{meldungen};
  TIcalAuftrag auftrag;
  TBank() {
    ErzeugeBeispielSchule(Schule(), true);
    TStandard& st = Standard();
    st.fMaxTageNeu = 5;
    for (int v = 1; v <= st.fMaxWocheNeu; ++v)
      for (int h = 1; h <= 16; ++h) {
        st.fStdBeginn[v][h] = UhrzeitText(7 * 60 + 50 + (h - 1) * 50);
        st.fStdEnde[v][h] = UhrzeitText(7 * 60 + 50 + (h - 1) * 50 + 45);
      }
    auto ferien = [&st](int j1, int m1, int t1, int j2, int m2, int t2) {
      for (TDateTime d = DatumZuZahl(j1, m1, t1); d <= DatumZuZahl(j2, m2, t2); d += 1)
        st.fFerien[KalenderIndex(d)] |= static_cast<std::uint8_t>(1u << (WochenTag(d) - 1));
    };
    ferien(2026, 8, 1, 2026, 8, 25);
    ferien(2026, 10, 12, 2026, 10, 24);
    ferien(2026, 12, 21, 2027, 1, 6);
    ferien(2027, 3, 22, 2027, 4, 3);
    ferien(2027, 7, 1, 2027, 7, 31);
    auftrag.Von = DatumZuZahl(2026, 8, 1);
    auftrag.Bis = DatumZuZahl(2027, 7, 31);
    auftrag.Vertretungen = true;
    for (TKuerzelArt art : {leh, kla, rau})
      for (const TElement* e : Schule().Elemente(art))
        auftrag.Elemente.push_back(static_cast<const TPlanElement*>(e));
  }
};

TBank& Bank() {
  static TBank bank;
  return bank;
}

void BM_IcalSchuljahrImSpeicher(benchmark::State& state) {
  TBank& b = Bank();
  std::int64_t termine = 0, bytes = 0;
  for (auto _ : state) {
    termine = bytes = 0;
    for (const TPlanElement* e : b.auftrag.Elemente) {
      const TIcalKalender k = IcalKalenderBauen(e, b.auftrag, "bench.tamrel");
      termine += static_cast<std::int64_t>(k.Termine.size());
      bytes += static_cast<std::int64_t>(IcalText(k).size());
    }
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["Dateien"] = static_cast<double>(b.auftrag.Elemente.size());
  state.counters["Termine"] = static_cast<double>(termine);
  state.counters["Bytes"] = static_cast<double>(bytes);
}

void BM_IcalSchuljahrInDenOrdner(benchmark::State& state) {
  TBank& b = Bank();
  const std::filesystem::path ordner =
      std::filesystem::temp_directory_path() / ("tamrel-icalbench-" + std::to_string(::getpid()));
  std::filesystem::remove_all(ordner);
  int termine = 0;
  for (auto _ : state) {
    TIcalExport ex;
    if (!ex.ExportToFolder(ordner.string(), b.auftrag)) state.SkipWithError("Export misslang");
    termine = ex.Termine();
  }
  std::filesystem::remove_all(ordner);
  state.counters["Termine"] = termine;
}

}  // namespace

BENCHMARK(BM_IcalSchuljahrImSpeicher)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IcalSchuljahrInDenOrdner)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK_MAIN();
