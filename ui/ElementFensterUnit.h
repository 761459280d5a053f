// Fenster der Elemente: welches Fenster die Wahl in einem Elementmenü öffnet, das Umschalten
// der Fensterart (Grunddaten, Deputate, Pläne) und das Blättern mit "Voriger" und "Nächster".
// Reine Logik; neue Fenster entstehen über TFensterDienst::ElementFensterNeu.
#pragma once

#include <optional>

#include "model/GlobalUnit.h"

class TElement;
class TFenster;

// Die Kennzahl des Fensters, das die Fensterwahl für das Element öffnet: Daten 61..66; Deputat
// 16..20, für UV-Tabellen ihr UV-Fenster 12; Plan 9..11, für Kopplungen, Fächer und
// UV-Tabellen (ohne Plan) das Deputatsfenster.
int ElementFensterKennung(const TElement* element, TFensterArt wahl);
// Das offene Fenster des Elements mit dieser Kennzahl, oder nichts.
TFenster* ElementFenster(const TElement* element, int kennung);
// Die Fensterwahl, zu der eine Kennzahl gehört; nichts für Fenster ohne Element.
std::optional<TFensterArt> FensterWahlVon(int kennung);

// Öffnet das Fenster des Elements nach der Wahl (umschalt: Bit 0 Shift, Bit 1 Alt, Bit 2 Strg):
// 1. Hat das Element schon ein solches Fenster, kommt es nach vorn; zeigt das aktive Fenster
//    gleicher Art ein anderes Element, wird es ohne Shift geschlossen.
// 2. Sonst mit Shift oder wenn das aktive Fenster nicht von dieser Art ist: ein neues Fenster.
// 3. Sonst zeigt das aktive Fenster künftig das Element.
// Das Änderungskennzeichen bleibt, wie es war.
void ElementFensterOeffnen(TElement* element, TFensterArt wahl, unsigned umschalt);

// Die Knöpfe "Grunddaten", "Deputate", "Pläne": setzt fFensterArt; zeigt das aktive Fenster
// ein Element in einer anderen Art, wird es (ohne Shift) geschlossen und das Fenster der neuen
// Art geöffnet.
void FensterArtWaehlen(TFensterArt wahl, unsigned umschalt);

// "Voriger" (-1) und "Nächster" (+1) nach der Art des aktiven Fensters. Elementfenster gehen zum
// vorigen oder nächsten Element der Stammliste (im Kreis), die anderen offenen Fenster des
// Elements gehen mit; im Planfenster mit Strg bis zu einem Element, dem in einer gesetzten
// Stunde der Raum fehlt. Andere Fenster blättern selbst (TFenster::Blaettern).
void Blaettern(int richtung, unsigned umschalt);
// Das Element, das "Voriger"/"Nächster" im Elementfenster ansteuert (ohne etwas zu öffnen).
TElement* NachbarElement(const TElement* element, int richtung, bool nurOhneRaum);
