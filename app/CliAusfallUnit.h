// tamrel-cli ausfall: der wöchentliche Unterrichtsausfall einer Kalenderwoche, Zeile für Zeile
// so, wie ihn das Fenster "wöchentlicher Unterrichtsausfall" zeigt.
//
//   tamrel-cli ausfall DATEI --kw N --jahr J [--tage N]
//
// --kw: ISO-Kalenderwoche (1..53), --jahr: 2018..2100; --tage: Tage je Woche (5 bis 7, Vorgabe
// 5), die Schuldatei hält sie nicht. Eine Woche, die es im Jahr nicht gibt, ist ein Fehler.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// Der ganze Befehl (args ohne "ausfall"); liefert den Rückgabewert des Prozesses.
int CliAusfall(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler);
