#include "planning/UmsetzenUnit.h"

#include "model/KursUnit.h"
#include "model/SchulUnit.h"

bool StundeUmsetzbar(const TKurs& kurs, int woche) {
  return !kurs.fNichtVerplanen && kurs.RestStunden(woche) >= 0;
}

bool TauschMoeglich(const TSchule& schule, int vonTag, int vonStd, int bisTag, int bisStd) {
  const TWochenSpanne spanne = WochenArgument(-1);
  for (const TKurs* k : schule.fKursMenge)
    for (int w = spanne.von; w <= spanne.bis; ++w)
      if ((k->SetzungFinden(w, vonTag, vonStd) || k->SetzungFinden(w, bisTag, bisStd)) &&
          !StundeUmsetzbar(*k, w))
        return false;
  return true;
}
