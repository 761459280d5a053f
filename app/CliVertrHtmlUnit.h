// tamrel-cli html DATEI ORDNER --vertretung DATUM: die Vertretungsseiten eines Tages, genau wie
// "als HTML-Datei" im Dialog "Drucke Vertretungsplan".
//
//   tamrel-cli html DATEI ORDNER --vertretung DATUM [--vorgabe 1..4] [--tagesordner]
//
// Ohne --tagesordner entstehen ORDNER/vp.html und (getrennte Dateien) ORDNER/ep.html, mit ihm
// der Ordner ORDNER/"Vertretung TT-MM-JJJJ" mit index.html, vp.html und ep.html; ein
// vorhandener Tagesordner wird ersetzt. Jede geschriebene Datei gibt eine Zeile mit ihrem Pfad.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// args: DATEI ORDNER --vertretung DATUM [...] (ohne "html").
int CliHtmlVertretung(const std::vector<std::string>& args, std::ostream& aus,
                      std::ostream& fehler);
