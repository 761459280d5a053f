// tamrel-cli vertretungsuebersicht: die Vertretungsübersicht für Lehrer oder Klassen über einen
// Zeitraum, Zeile für Zeile wie "Kopieren" im Übersichtsfenster (Tabulatoren, CR LF).
//
//   tamrel-cli vertretungsuebersicht DATEI lehrer|klassen VON BIS
//
// Daten als TT.MM.JJJJ (1994..2039); ein Ende vor dem Anfang gilt als der Anfangstag.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

int CliVertrUebersicht(const std::vector<std::string>& args, std::ostream& aus,
                       std::ostream& fehler);
