// Eine Vertretung: was an einem Tag mit einer gesetzten Stunde geschieht, die eine Abwesenheit
// trifft. Die Schule besitzt alle Vertretungen in ihrer sortierten Liste; die Setzung führt ihre
// Vertretungen zusätzlich in fVertretungen (TSchule::VertretungAufnehmen / VertretungLoeschen).
#pragma once

#include <cstdint>

#include "model/DienstUnit.h"
#include "model/GlobalUnit.h"
#include "model/ListUnit.h"
#include "model/ToolsUnit.h"
#include "substitution/StattUnit.h"

class TKurs;
class TSetzung;
class TLehrer;
class TFach;
class TRaum;

class TVertretung {
 public:
  // fAdHoc = heute mittags; alles andere null, leer oder falsch.
  TVertretung();
  TVertretung(const TVertretung&) = delete;
  TVertretung& operator=(const TVertretung&) = delete;

  TDateTime fDatum = 0;
  TDateTime fAdHoc = 0;
  TKurs* fKurs = nullptr;
  TSetzung* fSetzung = nullptr;
  TLehrer* fLehrer = nullptr;
  TFach* fFach = nullptr;
  TRaum* fRaum = nullptr;
  TBemString fLInfo;
  TBemString fSInfo;
  bool fFrei = false;
  bool fGueltig = false;
  bool fAngerechnet = false;
  TVertretung* fVon = nullptr;
  TVertretung* fZu = nullptr;
  std::int32_t fVonNr = 0;
  std::int32_t fZuNr = 0;
  std::int32_t fNr = 0;
  TFenster* fFenster = nullptr;
  TEigenListe<TStatt> fStattListe;
};
