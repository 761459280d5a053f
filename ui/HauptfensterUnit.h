// Was die Palette als Hauptfenster ohne Fenster-Code braucht: ihre Lage aus den Einstellungen,
// das Zurückschreiben der Einstellungen am Ende.
#pragma once

#include <string>

// Eine gespeicherte Koordinate der Palette: 0, wenn sie negativ oder größer als grenze - 50 ist.
int PaletteKoordinate(int wert, int grenze);

// Am Ende: die Lage der Palette in die Einstellungen, dann alle Einstellungen in den
// Einstellungsspeicher. Misslingt das Schreiben, sagt eine Meldung es; dann falsch.
bool EinstellungenSichern(int links, int oben);
