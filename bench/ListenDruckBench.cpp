// Übersichten und Listen der großen Beispielschule aufzeichnen: die Lehrerübersicht aller Lehrer
// und die Deputate aller Lehrer, mit festen Textmaßen (ohne Qt), wie vor dem Schreiben als PDF.
#include <benchmark/benchmark.h>

#include "BenchUmgebung.h"
#include "GrosseSchule.h"
#include "model/SchulUnit.h"
#include "output/DruckListeUnit.h"
#include "output/DruckUebUnit.h"
#include "output/PrevPrinterUnit.h"

namespace {
// Ungefähr Arial bei 600 Punkten je Zoll: halbe Schriftgröße in Punkten je Zeichen.
class TFesteMetrik : public TTextMetrik {
 public:
  double TextBreite(const TSchrift& s, const std::string& text) override {
    return static_cast<double>(text.size()) * s.Groesse * 4.2;
  }
  double TextHoehe(const TSchrift& s) override { return s.Groesse * 9.6; }
};

struct TBank {
  TBenchUmgebung umgebung;
  TFesteMetrik metrik;
  TBank() {
    BaueGrosseSchule(umgebung.Schule(), umgebung.Standard());
    umgebung.Standard().fMaxTageNeu = 5;
    umgebung.Standard().fPlnStd = 10;
  }
};

TBank& Bank() {
  static TBank bank;
  return bank;
}

std::vector<TPlanElement*> AlleLehrer() {
  std::vector<TPlanElement*> aus;
  for (TLehrer* l : Schule().fLehrerMenge) aus.push_back(l);
  return aus;
}

void BM_Lehreruebersicht(benchmark::State& state) {
  TBank& bank = Bank();
  const TUebDruckOptionen o = LadeUebDruck(TUebDruckArt::Lehrer, Standard());
  const std::vector<TPlanElement*> liste = AlleLehrer();
  int seiten = 0;
  for (auto _ : state) {
    TPrevPrinter p(A4Masse(600), bank.metrik);
    benchmark::DoNotOptimize(DruckeUebersicht(TUebDruckArt::Lehrer, o, liste, p));
    seiten = p.PageCount();
  }
  state.counters["Spalten"] = static_cast<double>(liste.size());
  state.counters["Seiten"] = seiten;
}
BENCHMARK(BM_Lehreruebersicht)->Unit(benchmark::kMillisecond);

void BM_Deputate(benchmark::State& state) {
  TBank& bank = Bank();
  TDepDruckOptionen o = LadeDepDruck(Standard());
  o.KlListe = o.RaListe = true;
  std::vector<TElement*> liste;
  for (TLehrer* l : Schule().fLehrerMenge) liste.push_back(l);
  int seiten = 0;
  for (auto _ : state) {
    TPrevPrinter p(A4Masse(600), bank.metrik);
    benchmark::DoNotOptimize(DruckeDeputate(o, liste, p));
    seiten = p.PageCount();
  }
  state.counters["Seiten"] = seiten;
}
BENCHMARK(BM_Deputate)->Unit(benchmark::kMillisecond);
}  // namespace

BENCHMARK_MAIN();
