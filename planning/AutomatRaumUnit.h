// Räume für die Kurse einer Kopplung: jeder Kurs bekommt einen anderen Raum aus seiner eigenen
// Liste. Gebraucht von der automatischen Planung beim Bewerten der Zellen und beim Setzen.
#pragma once

#include <functional>
#include <vector>

class TKurs;
class TRaum;

// Sucht für die Kurse, der Reihe nach, je einen Raum aus ihrer Raumliste, den kein früherer
// Kurs dieser Suche nimmt und für den brauchbar(raum) wahr ist; ein Kurs ohne Räume braucht
// keinen. Gefunden wird dieselbe Wahl wie beim Durchprobieren der Listen in ihrer Reihenfolge
// mit Rücksetzen (die erste in dieser Reihenfolge), aber ohne das Durchprobieren: Vor jedem
// Schritt prüft eine Zuordnung, ob die übrigen Kurse noch Räume finden.
// Wahr, wenn eine Wahl besteht; wahl hat dann je Kurs den Raum (nichts für Kurse ohne Räume).
bool VerschiedeneRaeume(const std::vector<const TKurs*>& kurse,
                        const std::function<bool(const TRaum*)>& brauchbar,
                        std::vector<TRaum*>* wahl);
