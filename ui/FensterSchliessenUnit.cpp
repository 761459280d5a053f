#include "ui/FensterSchliessenUnit.h"

#include <vector>

#include "model/SchulUnit.h"
#include "ui/QuonAuswahlUnit.h"

bool MitAltAlleSchliessen(TSchule& schule, unsigned umschalt, const TFenster* ausser) {
  if (!(umschalt & umAlt)) return false;
  TFensterDienst* dienst = FensterDienst();
  const std::optional<unsigned> vorher = dienst ? dienst->Umschalttasten() : std::nullopt;
  const unsigned ohneAlt = (vorher ? *vorher : umschalt) & ~static_cast<unsigned>(umAlt);
  if (vorher) dienst->UmschalttastenSetzen(ohneAlt);
  // Über eine Abschrift der Liste: ein Fenster, das sich nicht schließt, hält nichts auf.
  const std::vector<TFenster*> alle = schule.fFensterListe;
  for (TFenster* f : alle)
    if (f != ausser && schule.FensterOffen(f)) f->Schliessen();
  // Was die schließenden Fenster an den Umschalttasten änderten, gilt nicht: Shift und Strg
  // sind danach wie vorher.
  if (vorher && FensterDienst() == dienst) dienst->UmschalttastenSetzen(ohneAlt);
  return true;
}
