// Alle Klassenpläne der großen Beispielschule als PDF: Aufzeichnen mit den Textmaßen des
// PDF-Geräts und Schreiben der Datei (Qt Gui, Plattform "offscreen"), wie tamrel-cli drucken.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "BenchUmgebung.h"
#include "GrosseSchule.h"
#include "output/DruckPlnUnit.h"
#include "output/QtSeitenBildUnit.h"

namespace {

struct TDruckBank {
  TBenchUmgebung umgebung;
  TQtPdfDienst pdf;
  std::string pfad = (std::filesystem::temp_directory_path() / "tamrel-druckbench.pdf").string();
  TDruckBank() {
    // Die Anwendung entsteht vor der Bank und lebt damit länger als das Messgerät des Dienstes.
    GuiOhneBildschirmSicherstellen();
    BaueGrosseSchule(umgebung.Schule(), umgebung.Standard());
    umgebung.Standard().fMaxTageNeu = 5;
    umgebung.Standard().fPlnStd = 10;
  }
  ~TDruckBank() { std::filesystem::remove(pfad); }
};

TDruckBank& Bank() {
  static TDruckBank bank;
  return bank;
}

int Aufzeichnen(TDruckBank& bank, TPrevPrinter& p) {
  return DruckePlaene(TPlanDruckArt::Klassen,
                      LadePlanDruck(TPlanDruckArt::Klassen, bank.umgebung.Standard()),
                      AllePlanElemente(TPlanDruckArt::Klassen), p);
}

void BM_KlassenplaeneAufzeichnen(benchmark::State& state) {
  TDruckBank& bank = Bank();
  int seiten = 0, plaene = 0;
  for (auto _ : state) {
    TPrevPrinter p(bank.pdf.PdfMasse(), bank.pdf.PdfMetrik());
    plaene = Aufzeichnen(bank, p);
    seiten = p.PageCount();
  }
  state.counters["Seiten"] = seiten;
  state.counters["Plaene"] = plaene;
}

void BM_KlassenplaeneAlsPdf(benchmark::State& state) {
  TDruckBank& bank = Bank();
  int seiten = 0;
  for (auto _ : state) {
    TPrevPrinter p(bank.pdf.PdfMasse(), bank.pdf.PdfMetrik());
    Aufzeichnen(bank, p);
    std::string fehler;
    if (!bank.pdf.PdfSchreiben(p, bank.pfad, fehler)) state.SkipWithError(fehler.c_str());
    seiten = p.PageCount();
  }
  state.counters["Seiten"] = seiten;
  state.counters["Bytes"] = static_cast<double>(std::filesystem::file_size(bank.pfad));
}

}  // namespace

BENCHMARK(BM_KlassenplaeneAufzeichnen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KlassenplaeneAlsPdf)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
