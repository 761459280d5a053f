// Ein Gymnasium unter Druck für Tests der Suche: das Beispiel-Gymnasium, in dem der jeweils dritte
// Raum für Kunst und Musik ganz gesperrt ist. Dann verlangen Kunst und Musik mehr Stunden, als ihre
// übrigen Räume Zellen haben: nach der Automatik bleiben viele Stunden offen, und die Ketten des
// Nachbesserns haben viel zu tun, ohne je alles setzen zu können. Falsch, wenn ein Raum fehlt.
#pragma once

#include "app/BeispielSchwerUnit.h"
#include "model/RaumUnit.h"
#include "model/SchulUnit.h"

inline bool ErzeugeGymnasiumMitZuWenigFachraeumen(TSchule& s) {
  ErzeugeGymnasium(s);
  for (const char* kuerzel : {"Ku3", "Mu3"}) {
    TRaum* r = TSchule::HoleElement(s.fRaumMenge, kuerzel);
    if (!r) return false;
    for (int t = 1; t <= 7; ++t)
      for (int h = 1; h <= 16; ++h) r->fSperrung.SetWocheTagStd(0, t, h, true);
  }
  return true;
}
