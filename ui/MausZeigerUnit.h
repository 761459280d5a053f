// Die Mauszeiger des Programms: ihre Nummern und welcher Zeiger in welchem Fenster bei welchem
// Werkzeug und welchen Umschalttasten gilt (ohne Fenster; die Bilder stehen in ui/CursorUnit).
#pragma once

#include "model/GlobalUnit.h"

// Die Nummern der Zeigertabelle.
enum TZeiger : int {
  zUnveraendert = -1,  // der Zeiger bleibt, wie er ist
  zPfeil = 0,          // der gewöhnliche Pfeil
  zSetzer = 1,         // "SETZER": Setzen
  zGummi = 2,          // "GUMMI": Löschen
  zHalbGummi = 3,      // "HALBGUMMI": Löschen, nur den Raum
  zHand = 4,           // "HAND": Schieben
  zHalbHand = 5,       // "HALBHAND": Schieben ohne die Kopplung
  zHammer = 6,         // "HAMMER": Fixieren
  zPfeil4 = 7,         // "PFEIL4": Schieben mit Strg (Probe)
  zPfeil3 = 8,         // "PFEIL3": Probe ohne Räume
  zGriff = 9,          // "GRIFF": Ziehen in Planrastern
  zLupeMinus = 10,     // "LUPEMINUS": Vorschau vergrößert
  zLupePlus = 11,      // "LUPEPLUS": Vorschau verkleinert
  zRotHand = 12,       // "ROTHAND": Schieben mit Shift (Zeitfelder tauschen)
  zRotSetzer = 13,     // "ROTSETZER": Setzen, solange das Element Stunden offen hat
};
inline constexpr int ZeigerZahl = 13;

// Der Teil eines Fensters, für den der Zeiger gilt. Nur das Kursfenster unterscheidet seine
// Teile; alle anderen Fenster haben ein Raster (oder eine Liste).
enum class TZeigerTeil { Raster, KursFeld, KursKlassen, KursRaeume };

// Der Zeiger nach Fensterart, Werkzeug und Umschalttasten (Bit 0 Shift, Bit 1 Alt, Bit 2 Strg).
// restStd: die noch nicht gesetzten Stunden des Elements (nur Planfenster). Fensterarten ohne
// Regel liefern zUnveraendert.
int ZeigerNummer(int fensterArt, TToolArt tool, unsigned umschalt, int restStd,
                 TZeigerTeil teil = TZeigerTeil::Raster);
