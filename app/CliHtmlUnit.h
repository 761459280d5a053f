// tamrel-cli html: die Seiten des Planinformationssystems, dieselben Dateien und derselbe Ablauf
// wie "Datei" › "Export" › "HTML-Dateien...".
//
//   tamrel-cli html DATEI ORDNER [--ersetzen] [--woche N] [--tage N] [--stunden N]
//                   [--schulname TEXT]
//
// ORDNER wird angelegt; einen vorhandenen Ordner nimmt der Befehl nur mit --ersetzen (dann
// werden die Seiten darin ersetzt, eine eigene tamrel.css bleibt). --woche: die Planversion
// (Vorgabe 1), --tage: Tage je Woche (5 bis 7, Vorgabe 5), --stunden: Stunden je Tag (Vorgabe:
// so viele, dass keine gesetzte Stunde fehlt, mindestens 6), --schulname: die Überschrift der
// Seiten; die Schuldatei hält sie nicht. Ausgabe: "Dateien: N".
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// Der Befehl (args ohne den Befehlsnamen); liefert den Rückgabewert des Prozesses.
int CliHtml(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler);
