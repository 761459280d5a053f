// tamrel-cli pruefen und komprimieren: die Prüfungen und das Komprimieren der Klassenpläne ohne
// Fenster, mit demselben Code wie die Menübefehle.
//
//   tamrel-cli pruefen DATEI [konsistenz|bruecken|raeume|stunden|versionen|kopplungen|einzel|alle]
//                      [--woche N] [--tage N]
//
// Schreibt die Zeilen, die das Fenster "Fehler" zeigte, eine je Zeile, dann
// "Ergebnis: keine Fehler|kleinere Fehler|größere Fehler". Ohne Prüfung oder mit "alle" laufen
// alle in der Folge des Menüs ("versionen" nur bei mehr als einer Planversion). Der Rückgabewert
// ist 0 bei jedem Ergebnis, 1 nur, wenn die Datei nicht gelesen werden kann. Die Ausbesserungen
// der Konsistenzprüfung werden nicht geschrieben.
//
//   tamrel-cli komprimieren DATEI --ausgabe NEU [--woche N] [--tage N]
//
// Komprimiert jede Klasse in allen Planversionen, gibt je Klasse und Version die Hohlstunden
// davor und danach, dann die Zusammenfassung aus und schreibt das Ergebnis nach NEU.
// --woche, --tage: Planversion und Tage pro Woche (5 bis 7) statt der Einstellungen.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

int CliPruefen(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler);
int CliKomprimieren(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler);
