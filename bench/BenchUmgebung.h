// Die Umgebung der Benchmarks: die Dienste des Laufs ohne Fenster mit fester Uhr und ohne
// Ausgabe, frische Einstellungen und eine leere Schule.
#pragma once

#include <sstream>

#include "app/KonsoleUnit.h"
#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"

class TBenchUhr : public TUhr {
 public:
  TDateTime Jetzt() override { return 46365.5; }  // 9.12.2026, 12:00
};

class TBenchUmgebung {
 public:
  TSchule& Schule() { return fUmgebung.Schule(); }
  TStandard& Standard() { return fUmgebung.Standard(); }

 private:
  TBenchUhr fUhr;
  std::ostringstream fStumm;
  TKonsolenUmgebung fUmgebung{fStumm, &fUhr};
};
