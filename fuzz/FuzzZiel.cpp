#include "fuzz/FuzzZiel.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {
std::vector<TFuzzZiel>& Ziele() {
  static std::vector<TFuzzZiel> ziele;
  return ziele;
}

TFuzzBehandlung& Behandlung() {
  static TFuzzBehandlung behandlung;
  return behandlung;
}
}  // namespace

std::vector<TFuzzZiel> FuzzZiele() {
  std::vector<TFuzzZiel> ziele = Ziele();
  std::sort(ziele.begin(), ziele.end(),
            [](const TFuzzZiel& a, const TFuzzZiel& b) { return a.Name < b.Name; });
  return ziele;
}

bool FuzzZielAnmelden(const char* name, TFuzzEinstieg einstieg) {
  Ziele().push_back(TFuzzZiel{name, einstieg});
  return true;
}

TFuzzBehandlung FuzzBehandlungEinsetzen(TFuzzBehandlung neu) {
  TFuzzBehandlung alt = std::move(Behandlung());
  Behandlung() = std::move(neu);
  return alt;
}

void FuzzVerletzt(const std::string& was) {
  if (Behandlung()) {
    Behandlung()(was);
    return;
  }
  std::fprintf(stderr, "Eigenschaft verletzt: %s\n", was.c_str());
  std::abort();
}
