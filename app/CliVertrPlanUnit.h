// tamrel-cli vertretungsplan: der Vertretungsplan und der Ersatzraumplan eines Tages als Text
// mit Tabulatoren, genau wie "zur Zwischenablage" im Dialog "Drucke Vertretungsplan", oder mit
// --pdf als PDF-Datei wie "Ansehen" und "Als PDF speichern…".
//
//   tamrel-cli vertretungsplan DATEI DATUM [--vorgabe 1..4] [--pdf AUSGABE.pdf]
//
// DATUM als TT.MM.JJJJ; --vorgabe: die Druckeinstellung (Vorgabe 1). Die allgemeine Bemerkung
// ist Bemerkung Nr. 1 der Einstellungen. Mit --pdf: "Seiten: N".
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

int CliVertretungsplan(const std::vector<std::string>& args, std::ostream& aus,
                       std::ostream& fehler);
