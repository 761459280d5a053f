// Schließen mit gedrückter Alt-Taste: wer ein Fenster mit Alt schließt, schließt alle Fenster
// (wie "Fenster schließen" mit Alt). Reine Logik; Palette und Fenster rufen sie beim Schließen.
#pragma once

class TFenster;
class TSchule;

// Ist Alt in umschalt gesetzt, schließt jedes angemeldete Fenster außer "ausser" (das sich
// gerade selbst schließt) und liefert wahr. Vorher verliert der Fensterdienst das Alt-Bit,
// damit die schließenden Fenster es nicht noch einmal auslösen; danach hat er wieder Shift und
// Strg, wie sie vorher waren.
bool MitAltAlleSchliessen(TSchule& schule, unsigned umschalt, const TFenster* ausser);
