// Ein neuer Kalender (Planversionen der Schule, Ferien der Einstellungen) und was er an
// Vertretungen ungültig macht.
#pragma once

#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"

// Die Vertretung passt nicht zum Kalender: die Planversion ihres Tages ist nicht die ihrer
// Setzung, oder der Tag ist ein Ferientag oder liegt außerhalb der Schulwoche.
bool VertretungUngueltigNach(const TVertretung* v, const TKalenderBytes& kalender,
                             const TKalender& ferien);
// Zahl der Vertretungen, die der neue Kalender ungültig macht (ohne mitgelöschte Partner).
int UngueltigeVertretungen(const TKalenderBytes& kalender, const TKalender& ferien);
// Setzt den Kalender: die Abwesenheiten der Tage, deren Planversion oder Ferientag sich ändert,
// werden nach dem alten Kalender ausgetragen und nach dem neuen wieder eingetragen (die nun
// betroffenen Stunden bekommen ihre Vertretungen, die Konten folgen); danach wird jede
// Vertretung gelöscht, die der neue Kalender ungültig macht. Liefert die Zahl der gelöschten.
int KalenderSetzen(const TKalenderBytes& kalender, const TKalender& ferien);
