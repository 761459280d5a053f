// Die Umschalttasten für die Fenster: wie der Fensterdienst sie verfolgt, ohne ihn nach der
// Tastatur (Bit 0 Shift, Bit 1 Alt, Bit 2 Strg), und ob gerade ein Aufklappmenü offen ist.
#pragma once

class QKeyEvent;

unsigned FensterUmschalt();
// Ein Fenster hat die Umschalttasten gesehen: an den Fensterdienst (er passt die Zeiger an).
void FensterUmschaltMerken(unsigned umschalt);
// Die Umschalttasten nach einem Tastenereignis. Drücken oder Loslassen von Shift, Alt und Strg
// selbst zählt schon mit (die Plattformen melden dabei noch den Zustand davor).
unsigned TastenUmschalt(const QKeyEvent* taste);
// Ein Fenster hat ein Aufklappmenü offen: Fenster und Programm schließen sich dann nicht.
bool MenuOffen();
