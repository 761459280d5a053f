#include "ui/FensterOrdUnit.h"

#include "settings/StandardUnit.h"

bool FensterOrdUebernehmen(int ord) {
  TStandard& s = Standard();
  if (ord == s.fFensterOrd) return false;
  s.fFensterOrd = ord;
  return true;
}

bool WirdAngeordnet(int fensterArt) {
  return fensterArt != 68;
}
