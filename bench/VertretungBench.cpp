// Der Tagesplan und die Vertretungsübersichten auf der großen Beispielschule über ein ganzes
// Schuljahr: an jedem Schultag fehlen sechs Lehrer den ganzen Tag (reihum), jede zweite Stunde
// hat einen Vertreter. Gemessen werden das Öffnen des Tagesplans (Sortieren der ganzen Liste,
// Zeilen, Fenster) und die Übersichten für Lehrer und Klassen über das Schuljahr.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "BenchUmgebung.h"
#include "GrosseSchule.h"
#include "model/DatumUnit.h"
#include "substitution/FehlzeitUnit.h"
#include "substitution/KalenderUnit.h"
#include "substitution/fenster/VStatFormUnit.h"
#include "substitution/VStatUnit.h"
#include "substitution/fenster/VertrFormUnit.h"
#include "substitution/VertrUnit.h"
#include "substitution/VertretungsPlanungUnit.h"

namespace {
const TDateTime kVon = DatumZuZahl(2026, 8, 3) + 0.5;
const TDateTime kBis = DatumZuZahl(2027, 7, 16) + 0.5;

struct TStand {
  TBenchUmgebung umgebung;
  TGrosseSchule schule;
  TDateTime tag = 0;  // ein Schultag mit Vertretungen
  TStand() : schule(BaueGrosseSchule(umgebung.Schule(), umgebung.Standard())) {
    TSchule& s = umgebung.Schule();
    const std::vector<TLehrer*> lehrer = s.fLehrerMenge.Kopie();
    std::size_t n = 0;
    for (TDateTime d = kVon; d <= kBis; d += 1) {
      if (!Schultag(d)) continue;
      for (int i = 0; i < 6; ++i)
        FehlzeitEintragen(lehrer[(n++ * 7) % lehrer.size()], d, StundenMaske(1, 16), "K");
      if (!tag && d >= DatumZuZahl(2026, 12, 9)) tag = d;
    }
    int i = 0;
    for (TVertretung* v : s.fVertretungsMenge)
      if (++i % 2 == 0 && v->fGueltig) {
        v->fLehrer = lehrer[static_cast<std::size_t>(i) % lehrer.size()];
        v->fAngerechnet = true;
      }
  }
};

TStand& Stand() {
  static TStand stand;
  return stand;
}

void BM_Tagesplan_Zeilen(benchmark::State& state) {
  const TDateTime d = Stand().tag;
  for (auto _ : state) benchmark::DoNotOptimize(VertrZeilen(d, true));
  state.counters["Vertretungen"] = Schule().fVertretungsMenge.ListeZahlElemente();
  state.counters["Zeilen"] = static_cast<double>(VertrZeilen(d, true).size());
}
BENCHMARK(BM_Tagesplan_Zeilen)->Unit(benchmark::kMicrosecond);

void BM_Tagesplan_Oeffnen(benchmark::State& state) {
  const TDateTime d = Stand().tag;
  TVertrForm form;
  for (auto _ : state) form.IVertrForm(d);
  state.counters["Zeilen"] = form.fAnzahl;
  form.Schliessen();
}
BENCHMARK(BM_Tagesplan_Oeffnen)->Unit(benchmark::kMillisecond);

void BM_Lehreruebersicht_Schuljahr(benchmark::State& state) {
  Stand();
  std::size_t zeilen = 0;
  for (auto _ : state) zeilen = VLeStatZeilen(kVon, kBis).size();
  state.counters["Vertretungen"] = Schule().fVertretungsMenge.ListeZahlElemente();
  state.counters["Zeilen"] = static_cast<double>(zeilen);
}
BENCHMARK(BM_Lehreruebersicht_Schuljahr)->Unit(benchmark::kMillisecond);

void BM_Lehreruebersicht_Fenster(benchmark::State& state) {
  Stand();
  TVLeStatForm form;
  for (auto _ : state) form.IVLeStatForm(kVon, kBis, false);
  state.counters["Zeilen"] = form.StatGrid->RowCount() - 1;
  form.Schliessen();
}
BENCHMARK(BM_Lehreruebersicht_Fenster)->Unit(benchmark::kMillisecond);

void BM_Klassenuebersicht_Schuljahr(benchmark::State& state) {
  Stand();
  std::size_t zeilen = 0;
  for (auto _ : state) zeilen = VKlStatZeilen(kVon, kBis).size();
  state.counters["Zeilen"] = static_cast<double>(zeilen);
}
BENCHMARK(BM_Klassenuebersicht_Schuljahr)->Unit(benchmark::kMillisecond);
}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
