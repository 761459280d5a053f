// Der Druck des wöchentlichen Unterrichtsausfalls: jede Zeile des Berichts eine Druckzeile unter
// dem Seitenkopf, mit der Schrift fFehlDruckFont und dem linken Rand fFehlDruckRand.
#pragma once

#include <string>
#include <vector>

#include "output/PrevPrinterUnit.h"

// Zeichnet die Zeilen (UTF-8) in den Rekorder; liefert 1, wenn etwas gedruckt wurde (ohne
// Zeilen beginnt keine Aufzeichnung).
int DruckeAusfall(const std::vector<std::string>& zeilen, TPrevPrinter& d);
