// Der Tausch zweier Zeitfelder für die ganze Schule mit seinen Fragen (Plan- und Manuellfenster).
#pragma once

#include <string>

// "Tag Stunde" einer Zelle: die Tagesbezeichnung, ein Leerzeichen und die Stundenbezeichnung der
// aktuellen Woche (UTF-8).
std::string ZeitfeldText(int tag, int std);
// Fragt "Stundentausch" ("Ok"/"Abbrechen"); steht dem Tausch eine Sperrung oder Fixierung im Weg,
// zusätzlich "Tauschkonflikte" ("Ja"/"Nein") mit den betroffenen Stunden. Tauscht dann die beiden
// Zeitfelder (TSchule::TauscheAlleStunden). Wahr, wenn getauscht wurde; nichts geschieht, wenn
// beide Felder gleich sind.
bool StundenTauschen(int vonTag, int vonStd, int bisTag, int bisStd);
