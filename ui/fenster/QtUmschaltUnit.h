// Die Umschalttasten für die Fenster: wie der Fensterdienst sie verfolgt, ohne ihn nach der
// Tastatur (Bit 0 Shift, Bit 1 Alt, Bit 2 Strg).
#pragma once

unsigned FensterUmschalt();
// Ein Fenster hat die Umschalttasten gesehen: an den Fensterdienst (er passt die Zeiger an).
void FensterUmschaltMerken(unsigned umschalt);
