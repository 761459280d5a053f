// tamrel-cli drucken mit den Übersichten und Listen: dieselben Zeichenroutinen und Vorgaben
// der Druckdialoge, als PDF-Datei.
//
//   tamrel-cli drucken DATEI ART --pdf AUSGABE.pdf [--woche N] [--tage N] [--stunden N]
//                      [--art WAS] [--schalter o|x] [--auswahl KÜRZEL…]
//
// ART: lehreruebersicht, klassenuebersicht, raumuebersicht, kombinationsuebersicht,
// faecheruebersicht, deputate, kuerzel, konferenz, reststunden, stundenverteilung,
// vertretungskonten, vertretungsuebersicht-lehrer, vertretungsuebersicht-klassen, pruefung,
// uvtabellen, parallelkopplungen.
// --von, --bis (TT.MM.JJJJ): der Zeitraum der Vertretungsübersichten (ohne: heute).
// --auswahl: die Elemente (Übersichten, Deputate, Konferenzen), "von" und "bis" (Fächerübersicht,
// Reststunden, Stundenverteilung) oder die UV-Tabellen; ohne: alle (die Kombination: alle
// Lehrer). --schalter: der Umschalter der UV-Fenster (Vorgabe o).
// --art: "für" bzw. "Kürzelart" (deputate: lehrer|klassen|kopplungen|faecher|raeume|alle;
// reststunden: lehrer|klassen|faecher; stundenverteilung: lehrer|klassen|kopplungen|faecher|
// raeume; konferenz: faecher|klassen); ohne: die gespeicherte Wahl.
// Ausgabe: "Seiten: N".
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// Die Namen der Drucke dieses Befehls, in der Folge der Hilfe.
const std::vector<std::string>& ListenDruckNamen();
// Nennen die Argumente (ohne "drucken") einen dieser Drucke, führt der Befehl ihn aus und liefert
// den Rückgabewert des Prozesses; sonst -1.
int CliListenDrucken(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler);
