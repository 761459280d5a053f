// tamrel-cli uebersicht: die Übersicht aller Lehrer, Klassen oder Räume als Text, Byte für Byte so,
// wie "Kopieren" im Übersichtsfenster sie in die Zwischenablage legt (Tabulatoren, CR LF).
//
//   tamrel-cli uebersicht DATEI lehrer|klassen|raeume [--woche N]
//
// --woche: die Planversion (Vorgabe 1). Fünf Tage; so viele Stunden je Tag, dass keine gesetzte
// Stunde der Schule fehlt, mindestens 6. Gekoppelte Stunden nennen ihre Kopplung (Knopf "o").
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// Der ganze Befehl (args ohne "uebersicht"); liefert den Rückgabewert des Prozesses.
int CliUebersicht(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler);
