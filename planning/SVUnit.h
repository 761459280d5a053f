// Die Stundenverteilung ohne Fenster: welche Elemente das Fenster "Stundenverteilung" zeigt, was
// in ihren Zellen steht und wie groß Raster und Fenster werden.
#pragma once

#include <string>
#include <vector>

class TPlanElement;

// Eine Zeile: das Element, sein Kürzel, je Plantag der Code (F, E, G, K, L, U, S; auf fPlnStd
// Buchstaben gekürzt) und die Springstunden.
struct TSVZeile {
  TPlanElement* Element = nullptr;
  std::string Kuerzel;  // Windows-1252
  std::vector<std::string> Tage;
  int SpringStd = 0;
};

// Die Zeilen der gewählten Liste (0 Lehrer, 1 Klassen, 2 Räume) für die aktuelle Woche.
std::vector<TSVZeile> SVZeilen(int gruppe);
// Die Breite einer Tagesspalte: 7 · fPlnStd + 3 Bildpunkte.
int SVTagBreite();
// Die Höhe des Rasters für so viele Zeilen (mit der Kopfzeile): Zeilen · (Zeilenhöhe + 1) + 5,
// Zeile für Zeile auf höchstens 200 verringert.
int SVGridHoehe(int zeilen, int zeilenHoehe);
