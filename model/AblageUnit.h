// Die Zwischenablage der Schule: das Textformat der Kurse und die Prüfungen beim Einsetzen.
// Die Texte hier sind Windows-1252; die Zwischenablage selbst spricht UTF-8.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class TKurs;

// Zerlegt einen Text in Zeilen; CR LF, LF und CR trennen. Ein Umbruch am Ende ergibt keine
// leere Zeile, ein leerer Text keine Zeile.
std::vector<std::string> AblageZeilen(std::string_view text);
// Zerlegt eine Zeile an den Tabulatoren.
std::vector<std::string> TabFelder(std::string_view zeile);

// Jede Zeile hat 15 Felder mit den erlaubten Längen; Zahlenfelder einer ersten Zeile sind ganze
// Zahlen, die die Schuldatei fassen kann (16 Bit, die Stunden geteilt durch die Zahl der Wochen,
// die Farbe 0..16777215), die Tabelle liegt in 1..4; eine Folgezeile hat nur Klasse und Raum.
// Leer ist gültig.
bool KursFormOk(const std::vector<std::string>& zeilen, int wochen = 1);
// Genau eine Zeile mit höchstens 31 (Info) bzw. 81 (Bemerkung) Zeichen.
bool InfoFormOk(const std::vector<std::string>& zeilen);
bool BemFormOk(const std::vector<std::string>& zeilen);

// Die Kurse im Textformat, jede Zeile mit CR LF beendet. Mit shift ohne Folgezeilen.
std::string KurseAlsText(const std::vector<TKurs*>& kurse, bool shift);
