// tamrel-cli abwesend und vertretungen: Abwesenheiten eintragen wie die Abwesenheitsdialoge, und
// die Vertretungen eines Tages als Zeilen mit Tabulatoren.
//
//   tamrel-cli abwesend DATEI lehrer|klasse|raum KÜRZEL DATUM [--bis DATUM] [--stunden N-M]
//                       [--grund X] --ausgabe NEU
//   tamrel-cli vertretungen DATEI DATUM
//
// Daten als TT.MM.JJJJ (1994..2039). Ohne --stunden fehlt das Element den ganzen Tag (Stunden
// 1 bis 16); --bis trägt die Stunden wie "längere Fehlzeit" an jedem folgenden Schultag bis
// einschließlich DATUM ein (fünf Schultage je Woche, ohne Ferien). Jeder eingetragene Tag gibt
// eine Zeile "TT.MM.JJJJ<Tab>Stunden" (16 Zeichen, "+" fehlt).
//
// vertretungen: je Vertretung des Tages, in der Ordnung "Klassen", eine Zeile mit Stunde,
// Kurszeile, Lehrer des Kurses, Vertreter (leer ohne), Raum, Fach und Zustand ("gültig",
// "ungültig", "frei").
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "model/GlobalUnit.h"

// Liest "TT.MM.JJJJ" (Jahr 1994..2039), "heute" oder "morgen" (der Tag nach heute); falsch bei
// einem ungültigen Datum. Das Datum steht mittags.
bool CliDatumLesen(const std::string& text, TDateTime& datum);

int CliAbwesend(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler);
int CliVertretungen(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler);
