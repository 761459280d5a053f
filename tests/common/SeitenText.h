// Aufgezeichnete Seiten als Text, um zwei Aufzeichnungen Byte für Byte zu vergleichen: die Maße,
// dann je Seite jeder Zeichenbefehl mit Lage, Text, Schrift, Stift, Pinsel und Textfarbe.
#pragma once

#include <string>

class TPrevPrinter;

std::string SeitenText(const TPrevPrinter& seiten);
