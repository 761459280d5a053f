// tamrel-cli uvtabelle: eine UV-Tabelle als Text, Byte für Byte so, wie "Kopieren" im Fenster
// der Tabelle sie in die Zwischenablage legt (Tabulatoren, CR LF).
//
//   tamrel-cli uvtabelle DATEI NR|KÜRZEL [--schalter o|x]
//
// NR: die Nummer der Tabelle in der Liste der Schule (ab 1); sonst ihr Kürzel. --schalter wie der
// Knopf in der Ecke des Fensters (Vorgabe o: gekoppelte Kurse nennen ihre Kopplung).
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// Der ganze Befehl (args ohne "uvtabelle"); liefert den Rückgabewert des Prozesses.
int CliUVTabelle(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler);
