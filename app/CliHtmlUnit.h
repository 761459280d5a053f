// tamrel-cli html: die Seiten des Planinformationssystems, dieselben Dateien und derselbe Ablauf
// wie "Datei" › "Export" › "HTML-Dateien...".
//
//   tamrel-cli html DATEI ORDNER [--ersetzen] [--woche N] [--tage N] [--stunden N]
//                   [--schulname TEXT]
//
// ORDNER wird angelegt; einen vorhandenen Ordner nimmt der Befehl nur mit --ersetzen (dann
// werden die Seiten darin ersetzt und die eigenen über den neuen Anzahlen entfernt, eine eigene
// tamrel.css bleibt). --woche, --tage, --stunden und --schulname legen sich über die
// Einstellungen. Ausgabe: "Dateien: N".
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// Der Befehl (args ohne den Befehlsnamen); liefert den Rückgabewert des Prozesses.
int CliHtml(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler);
