// Die Lehrerübersicht der großen Beispielschule (rund 150 Spalten): Füllen ohne und mit Fenster,
// und was eine geschobene Stunde im offenen Fenster kostet (zwei Zellen je Element der Stunde).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>

#include "BenchUmgebung.h"
#include "GrosseSchule.h"
#include "ui/fenster/LehrUebFormUnit.h"
#include "output/UebersichtUnit.h"

namespace {
struct TStand {
  TBenchUmgebung umgebung;
  TGrosseSchule schule;
  TStand() : schule(BaueGrosseSchule(umgebung.Schule(), umgebung.Standard())) {
    Standard().fMaxTageNeu = 5;
    Standard().fPlnStd = 8;
  }
};

TStand& Stand() {
  static TStand stand;
  return stand;
}

// Eine gesetzte Stunde eines ungekoppelten Kurses und eine freie Zelle, in die sie passt.
struct TZug {
  TKurs* Kurs = nullptr;
  int Tag = 0, Std = 0, ZielTag = 0, ZielStd = 0;
};

TZug FindeZug() {
  for (TKurs* k : Stand().schule.unterstufe)
    for (const TSetzung* s : k->fSetzungen) {
      if (s->fWoche != 1 || s->fStunde > 8) continue;
      for (int t = 1; t <= 5; ++t)
        for (int h = 1; h <= 8; ++h)
          if (k->SetzungPossible(-1, t, h, s->fRaum)) return {k, s->fTag, s->fStunde, t, h};
    }
  return {};
}

void BM_Uebersicht_Fuellen_Logik(benchmark::State& state) {
  Stand();
  for (auto _ : state) benchmark::DoNotOptimize(UebersichtFuellen(leh));
}
BENCHMARK(BM_Uebersicht_Fuellen_Logik)->Unit(benchmark::kMillisecond);

void BM_Uebersicht_Fuellen_Fenster(benchmark::State& state) {
  Stand();
  TLehrUebForm form;
  for (auto _ : state) form.IUeberForm();
  state.counters["Spalten"] = form.UeberGrid->ColCount() - 1;
}
BENCHMARK(BM_Uebersicht_Fuellen_Fenster)->Unit(benchmark::kMillisecond);

// Eine Stunde hin und zurück schieben: zwei Züge je Durchlauf, das offene Fenster schreibt seine
// Zellen mit.
void BM_Uebersicht_ZugImFenster(benchmark::State& state) {
  Stand();
  TLehrUebForm form;
  form.IUeberForm();
  const TZug z = FindeZug();
  if (!z.Kurs) {
    state.SkipWithError("keine verschiebbare Stunde");
    return;
  }
  for (auto _ : state) {
    z.Kurs->Schiebe(z.ZielTag, z.ZielStd, z.Tag, z.Std, true);
    z.Kurs->Schiebe(z.Tag, z.Std, z.ZielTag, z.ZielStd, true);
  }
  state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_Uebersicht_ZugImFenster)->Unit(benchmark::kMicrosecond);

// Das Zeichnen des sichtbaren Teils (1600 × 1000) nach einem Zug.
void BM_Uebersicht_Zeichnen(benchmark::State& state) {
  Stand();
  TLehrUebForm form;
  form.IUeberForm();
  form.resize(1600, 1000);
  QPixmap bild(form.size());
  for (auto _ : state) form.render(&bild);
}
BENCHMARK(BM_Uebersicht_Zeichnen)->Unit(benchmark::kMillisecond);
}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
