// Einstieg für libFuzzer; das Ziel wird beim Bauen mit TAMREL_FUZZ_EINSTIEG festgelegt.
#include "fuzz/FuzzZiel.h"

int TAMREL_FUZZ_EINSTIEG(const std::uint8_t* daten, std::size_t groesse);

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  return TAMREL_FUZZ_EINSTIEG(daten, groesse);
}
