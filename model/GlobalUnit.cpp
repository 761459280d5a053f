#include "model/GlobalUnit.h"

#include <cassert>
#include <cstdlib>
#include <cstdio>

#include "model/SchulUnit.h"

namespace {
TStandard* gStandard = nullptr;
TSchule* gSchule = nullptr;

[[noreturn]] void FehltObjekt(const char* was) {
  std::fprintf(stderr, "Interner Fehler: %s ist nicht eingerichtet.\n", was);
  std::abort();
}
}  // namespace

TStandard& Standard() {
  if (!gStandard) FehltObjekt("Die Einstellung");
  return *gStandard;
}

TSchule& Schule() {
  if (!gSchule) FehltObjekt("Die Schule");
  return *gSchule;
}

bool SchuleVorhanden() {
  return gSchule != nullptr;
}

TStandard* StandardEinsetzen(TStandard* neu) {
  TStandard* alt = gStandard;
  gStandard = neu;
  return alt;
}

TSchule* SchuleEinsetzen(TSchule* neu) {
  TSchule* alt = gSchule;
  gSchule = neu;
  return alt;
}

void SchuleGeaendert() {
  if (gSchule) gSchule->SetDirty(true);
}
