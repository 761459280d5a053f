// Fuzz-Ziele: Jedes Ziel ist eine Einstiegsfunktion, die eine beliebige Bytefolge verarbeitet.
// Dieselbe Funktion läuft im Fuzzer (fuzz/FuzzMain.cpp) und in den Tests, die den Saatkorpus
// fuzz/korpus/<Ziel>/ wiederholen.
//
// Ein neues Ziel: Datei fuzz/<Name>Fuzz.cpp mit
//   TAMREL_FUZZ_ZIEL(<Name>Fuzz) { ... return 0; }
// und ein Ordner fuzz/korpus/<Name>Fuzz/ mit einigen kleinen Saatdateien.
//
// Erwartete Ablehnungen (EDateiFehler) fängt das Ziel selbst. Eine verletzte Eigenschaft meldet
// es mit FuzzPruefe(); jede andere Ausnahme, ein Absturz oder undefiniertes Verhalten ist ein
// Fund.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

using TFuzzEinstieg = int (*)(const std::uint8_t* daten, std::size_t groesse);

struct TFuzzZiel {
  std::string Name;
  TFuzzEinstieg Einstieg;
};

// Alle Ziele, die in dieses Programm gebunden sind, nach Namen sortiert.
std::vector<TFuzzZiel> FuzzZiele();
bool FuzzZielAnmelden(const char* name, TFuzzEinstieg einstieg);

// Behandlung einer verletzten Eigenschaft. Vorgabe: Meldung auf stderr und abort(), damit der
// Fuzzer den Fall festhält. Die Korpus-Tests setzen eine Behandlung ein, die wirft.
using TFuzzBehandlung = std::function<void(const std::string& was)>;
TFuzzBehandlung FuzzBehandlungEinsetzen(TFuzzBehandlung neu);
void FuzzVerletzt(const std::string& was);
inline void FuzzPruefe(bool ok, const char* was) {
  if (!ok) FuzzVerletzt(was);
}

#define TAMREL_FUZZ_ZIEL(name)                                                   \
  int name(const std::uint8_t* daten, std::size_t groesse);                      \
  namespace {                                                                    \
  [[maybe_unused]] const bool name##Angemeldet = FuzzZielAnmelden(#name, &name); \
  }                                                                              \
  int name(const std::uint8_t* daten, std::size_t groesse)
