// tamrel-cli vertretungsplan: der Vertretungsplan und der Ersatzraumplan eines Tages als Text
// mit Tabulatoren, genau wie "zur Zwischenablage" im Dialog "Drucke Vertretungsplan", oder mit
// --pdf als PDF-Datei wie "Ansehen" und "Als PDF speichern…".
//
//   tamrel-cli vertretungsplan DATEI DATUM [--vorgabe 1..4] [--pdf AUSGABE.pdf] [--woche N]
//                              [--tage N]
//
// DATUM als TT.MM.JJJJ, heute oder morgen; --vorgabe: die Druckeinstellung (ohne: die im Dialog
// angehakten). Die allgemeine Bemerkung
// ist Bemerkung Nr. 1 der Einstellungen. Mit --pdf: "Seiten: N".
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

int CliVertretungsplan(const std::vector<std::string>& args, std::ostream& aus,
                       std::ostream& fehler);
