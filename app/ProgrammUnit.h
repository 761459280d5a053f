// Start und Ende des Programms ohne Fenster: das Startkennwort, die Lage der Palette und das
// Zurückschreiben der Einstellungen.
#pragma once

#include <functional>
#include <optional>
#include <string>

// Das Startkennwort: ist eines gesetzt, fragt abfrage danach (UTF-8; nichts bei "Abbrechen").
// Wahr, wenn das Programm weiterlaufen darf: kein Kennwort gesetzt oder die Eingabe stimmt.
bool StartKennwortPruefen(const std::function<std::optional<std::string>()>& abfrage);

// Eine gespeicherte Koordinate der Palette: 0, wenn sie negativ oder größer als grenze - 50 ist.
int PaletteKoordinate(int wert, int grenze);

// Am Ende: die Lage der Palette in die Einstellungen, dann alle Einstellungen in den
// Einstellungsspeicher. Misslingt das Schreiben, sagt eine Meldung es; dann falsch.
bool EinstellungenSichern(int links, int oben);

// Die Titelzeile: "WinTamrel 3.9.16" ohne Schule, sonst mit dem Dateinamen in Klammern (UTF-8).
std::string ProgrammTitelZeile(bool schuleOffen, const std::string& dateiName1252);
