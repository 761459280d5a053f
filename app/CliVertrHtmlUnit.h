// tamrel-cli html DATEI ORDNER --vertretung DATUM: die Vertretungsseiten eines Tages, genau wie
// "als HTML-Datei" im Dialog "Drucke Vertretungsplan".
//
//   tamrel-cli html DATEI ORDNER --vertretung DATUM [--vorgabe 1..4] [--tagesordner]
//
// Ohne Tagesordner entstehen ORDNER/vp.html und (getrennte Dateien) ORDNER/ep.html, mit ihm
// der Ordner ORDNER/"Vertretung TT-MM-JJJJ" mit index.html, vp.html und ep.html; ein
// vorhandener Tagesordner wird ersetzt. Den Tagesordner gibt es, wenn die Einstellungen
// "mit Tagesordner" sagen oder --tagesordner dasteht. Ohne --vorgabe gilt die eine angehakte
// Druckeinstellung. Jede geschriebene Datei gibt eine Zeile mit ihrem Pfad.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// args: DATEI ORDNER --vertretung DATUM [...] (ohne "html").
int CliHtmlVertretung(const std::vector<std::string>& args, std::ostream& aus,
                      std::ostream& fehler);

// tamrel-cli html4 DATEI DATUM: wie "HTML 4" im Dialog "Drucke Vertretungsplan" je
// Druckeinstellung ihre Vertretungsseite nach ihrem "Pfad zur HTML-Datei" (mit "Folgetag" für den
// nächsten Schultag); alle vier Einstellungen müssen angehakt sein. Jede geschriebene Datei gibt
// eine Zeile mit ihrem Pfad. args ohne "html4".
int CliHtml4(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler);
