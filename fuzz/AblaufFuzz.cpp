// Fuzz-Ziel für den Dauerlauf: die Bytes sind eine Folge von Operationen (je fünf Bytes: Art und
// Wert, tests/ablauf/AblaufUnit.h) auf der kleinen Beispielschule. Nach jeder Operation gelten
// alle Invarianten der Schule; Sichern, Öffnen und Sichern prüft der Lauf am Ende.
#include <string>

#include "fuzz/FuzzZiel.h"
#include "tests/ablauf/AblaufUnit.h"

TAMREL_FUZZ_ZIEL(AblaufFuzz) {
  // Höchstens 60 Operationen, damit ein Fall schnell bleibt.
  const std::vector<TSchritt> schritte =
      SchritteAusBytes(daten, std::min<std::size_t>(groesse, 300));
  TAblaufOptionen optionen;
  optionen.TiefAlle = 0;
  const TAblaufErgebnis e = AblaufLaufen(TSchulArt::Klein, schritte, optionen);
  if (e.Fehler)
    FuzzVerletzt("Schritt " + std::to_string(e.Fehler->Schritt) + ": " + e.Fehler->Text);
  return 0;
}
