// Schreiben und Lesen einiger MB gemischter Grundtypen über TBuffer, etwa so gemischt wie die
// Sätze der Schuldatei (Zahlen, Tagwörter, Texte fester Länge, Daten, Farben).
#include <benchmark/benchmark.h>

#include <string>

#include "persistence/BufferUnit.h"

namespace {

// Ein Satz: 2·7 Tagwörter, einige Zahlen, Kürzel, Info, Bemerkung, Datum, Farbe: 185 Bytes.
constexpr std::size_t kSatzBytes = 14 * 2 + 4 * 2 + 4 + 12 + 32 + 82 + 4 + 6 + 3 * 1 + 2 + 2 * 2;

void SchreibeSatz(TBuffer& b, int i) {
  for (int t = 0; t < 14; ++t) b.WriteWord(static_cast<std::uint32_t>((i * 31 + t) & 0xFFFF));
  b.WriteInt(i & 0x7FFF);
  b.WriteInt(-1);
  b.WriteAnzahl(static_cast<std::size_t>(i % 7), "Anzahl");
  b.WriteIntGeprueft(i % 1000, "Wert");
  b.WriteLong(i * 7);
  b.WriteKue("M\xDCL");
  b.WriteInfo("M\xFCller, J\xF6rg");
  b.WriteBem("Vertretung f\xFCr Herrn M\xFCller, Raum A\xA7 12");
  b.WriteDatum(46000.5 + i % 365);
  b.WriteColor(static_cast<TColor>(i) & 0xFFFFFF);
  b.WriteBool(i % 2 == 0);
  b.WriteBool(false);
  b.WriteByte(static_cast<std::uint8_t>(i));
  b.WriteGrund("K");
  b.WriteWordGeprueft(0xFFFF, "Stunden");
  b.WriteInt(i % 16 + 1);
}

std::size_t LiesSatz(TBuffer& b) {
  std::size_t summe = 0;
  for (int t = 0; t < 14; ++t) summe += b.ReadWord();
  summe += static_cast<std::size_t>(b.ReadInt() + b.ReadInt() + b.ReadInt() + b.ReadInt());
  summe += static_cast<std::size_t>(b.ReadLong());
  summe += b.ReadKue().size() + b.ReadInfo().size() + b.ReadBem().size();
  summe += static_cast<std::size_t>(b.ReadDatum());
  summe += b.ReadColor();
  summe += b.ReadBool() + b.ReadBool() + b.ReadByte();
  summe += b.ReadGrund().size() + b.ReadWord();
  summe += static_cast<std::size_t>(b.ReadInt());
  return summe;
}

void BM_BufferSchreiben(benchmark::State& state) {
  const int saetze = static_cast<int>(state.range(0));
  for (auto _ : state) {
    TBuffer b;
    for (int i = 0; i < saetze; ++i) SchreibeSatz(b, i);
    benchmark::DoNotOptimize(b.Daten().data());
    if (b.Groesse() != kSatzBytes * static_cast<std::size_t>(saetze))
      state.SkipWithError("falsche Satzgröße");
  }
  state.SetBytesProcessed(state.iterations() * saetze * static_cast<std::int64_t>(kSatzBytes));
}

// Dasselbe mit vorab reserviertem Platz: zeigt, was das Wachsen des Speichers kostet.
void BM_BufferSchreibenReserviert(benchmark::State& state) {
  const int saetze = static_cast<int>(state.range(0));
  for (auto _ : state) {
    TBuffer b;
    b.Reservieren(kSatzBytes * static_cast<std::size_t>(saetze));
    for (int i = 0; i < saetze; ++i) SchreibeSatz(b, i);
    benchmark::DoNotOptimize(b.Daten().data());
  }
  state.SetBytesProcessed(state.iterations() * saetze * static_cast<std::int64_t>(kSatzBytes));
}

void BM_BufferLesen(benchmark::State& state) {
  const int saetze = static_cast<int>(state.range(0));
  TBuffer w;
  for (int i = 0; i < saetze; ++i) SchreibeSatz(w, i);
  for (auto _ : state) {
    state.PauseTiming();
    TBuffer b(w.Daten());
    state.ResumeTiming();
    std::size_t summe = 0;
    for (int i = 0; i < saetze; ++i) summe += LiesSatz(b);
    benchmark::DoNotOptimize(summe);
    if (!b.AmEnde()) state.SkipWithError("nicht alles gelesen");
  }
  state.SetBytesProcessed(state.iterations() * saetze * static_cast<std::int64_t>(kSatzBytes));
}

// 25 000 Sätze sind gut 4,6 MB.
BENCHMARK(BM_BufferSchreiben)->Arg(25000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BufferSchreibenReserviert)->Arg(25000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BufferLesen)->Arg(25000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
