#include "ui/FensterSchliessenUnit.h"

#include <vector>

#include "model/SchulUnit.h"
#include "ui/QuonAuswahlUnit.h"

bool MitAltAlleSchliessen(TSchule& schule, unsigned umschalt, const TFenster* ausser) {
  if (!(umschalt & umAlt)) return false;
  if (TFensterDienst* dienst = FensterDienst())
    if (const std::optional<unsigned> jetzt = dienst->Umschalttasten())
      dienst->UmschalttastenSetzen(*jetzt & ~static_cast<unsigned>(umAlt));
  const std::vector<TFenster*> alle = schule.fFensterListe;
  for (TFenster* f : alle)
    if (f != ausser && schule.FensterOffen(f)) f->Schliessen();
  return true;
}
