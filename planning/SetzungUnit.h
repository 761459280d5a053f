// Eine gesetzte Unterrichtsstunde eines Kurses.
#pragma once

#include <cstdint>

#include "model/ListUnit.h"

class TRaum;
class TVertretung;

class TSetzung {
 public:
  std::int32_t fReihe = 0;
  std::int32_t fStunde = 0;
  std::int32_t fTag = 0;
  std::int32_t fWoche = 0;
  TRaum* fRaum = nullptr;
  bool fFixiert = false;
  TListe<TVertretung> fVertretungen;  // gehören der Setzung

  bool Liegt(int woche, int tag, int std) const {
    return fWoche == woche && fTag == tag && fStunde == std;
  }
};
