// Das gemeinsame Raster (TQuonGrid) mit vielen Zeilen: füllen wie die Vertretungsübersicht
// (neun Spalten Text je Zeile, von oben), zu einer Zelle am Ende rollen und eine Zelle treffen.
// Die Kosten je Zeile bleiben mit der Zeilenzahl gleich (Lage einer Zeile in O(log n)).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QString>

#include "ui/fenster/QuonGridUnit.h"

namespace {

void Fuellen(TQuonGrid& g, int zeilen) {
  g.SetRowCount(zeilen + 1);
  for (int r = 1; r <= zeilen; ++r)
    for (int c = 0; c < 9; ++c) g.SetCells(c, r, QStringLiteral("MUE"));
}

void BM_Raster_Fuellen(benchmark::State& state) {
  const int zeilen = static_cast<int>(state.range(0));
  TQuonGrid g;
  g.resize(800, 600);
  g.SetColCount(9);
  for (auto _ : state) {
    g.SetRowCount(2);
    Fuellen(g, zeilen);
  }
  state.SetItemsProcessed(state.iterations() * zeilen);
}
BENCHMARK(BM_Raster_Fuellen)->Arg(1000)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond);

// Zur letzten Zeile rollen und zurück, dann die Zelle unter einem Punkt finden.
void BM_Raster_RollenUndTreffen(benchmark::State& state) {
  const int zeilen = static_cast<int>(state.range(0));
  TQuonGrid g;
  g.resize(800, 600);
  g.SetColCount(9);
  Fuellen(g, zeilen);
  for (auto _ : state) {
    g.ScrollToCell(4, zeilen);
    benchmark::DoNotOptimize(g.MouseToCell(QPoint(300, 400)));
    g.SetTopRow(1);
    g.ScrollToCell(4, zeilen / 2);
    benchmark::DoNotOptimize(g.CellRect(4, zeilen / 2));
    g.SetTopRow(1);
  }
}
BENCHMARK(BM_Raster_RollenUndTreffen)
    ->Arg(1000)
    ->Arg(5000)
    ->Arg(20000)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
