// tamrel-cli ical: die Kalenderdateien wie "Datei" › "Export" › "Kalender (iCalendar)...",
// derselbe Export in denselben Ordner.
//
//   tamrel-cli ical DATEI lehrer|klasse|raum KÜRZEL…|alle --von DATUM --bis DATUM ORDNER
//                   [--vertretungen] [--tage N] [--zeiten ZEITEN]
//
// Je Element eine Datei ("lpl3.ics" …) im ORDNER, der angelegt wird, wenn er fehlt; vorhandene
// Dateien werden erneuert (gleiche UIDs, SEQUENCE zählt nur bei geänderten Terminen). --tage:
// Tage je Woche (5 bis 7, Vorgabe 5), --zeiten: Beginn und Ende der Stunden ab der ersten, durch
// Kommas getrennt ("7:50-8:35,8:40-9:25"; ein leerer Eintrag überspringt eine Stunde), für alle
// Planversionen. Ausgabe: je Datei "NAME<Tab>KÜRZEL<Tab>Termine", dann "Dateien: N" und
// "Termine: N".
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// Der Befehl (args ohne den Befehlsnamen); liefert den Rückgabewert des Prozesses.
int CliIcal(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler);
