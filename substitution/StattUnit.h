// Ein Statt-Kandidat: eine Stunde, die ein Vertretungslehrer statt einer eigenen gibt.
#pragma once

#include "model/GlobalUnit.h"

class TLehrer;
class TKurs;
class TSetzung;

class TStatt {
 public:
  TLehrer* fLehrer = nullptr;
  TKurs* fKurs = nullptr;
  TSetzung* fSetzung = nullptr;
  TDateTime fDatum = 0;
};
