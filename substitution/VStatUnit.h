// Die Vertretungsübersichten für Lehrer und für Klassen über einen Zeitraum, ohne Fenster: die
// Kopfzeilen, die Zeilen in der Ordnung Element, Tag, Stunde, Vertretungsliste, und der Text
// für die Zwischenablage. Die Vertretungen werden vorab nach Tag und Stunde geordnet, so dass
// auch ein ganzes Schuljahr schnell aufgebaut ist; das Meldungsfenster zeigt den Fortschritt.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "model/GlobalUnit.h"

class TElement;
class TVertretung;

struct TVStatZeile {
  std::array<std::string, 9> Zellen;  // UTF-8
  TVertretung* Vertretung = nullptr;  // nichts bei Zeilen ohne Vertretung
  TDateTime Datum = 0;                // der Tag der Zeile, mittags
};

// Die Kopfzeilen.
const std::array<const char*, 9>& VLeStatKopf();
const std::array<const char*, 9>& VKlStatKopf();
// Die Spaltenbreiten in Bildpunkten.
const std::array<int, 9>& VStatBreiten();

// Die Zeilen der Übersicht von..bis (beide mittags; bis nie vor von).
std::vector<TVStatZeile> VLeStatZeilen(TDateTime von, TDateTime bis);
std::vector<TVStatZeile> VKlStatZeilen(TDateTime von, TDateTime bis);

// Für den Druck: nur die Elemente, die nimm nimmt (leer: alle), in der Folge der Liste der
// Schule; weiter (fertig, gesamt) statt des Meldungsfensters nach jedem Element, falsch bricht
// ab (die Zeilen bis dahin bleiben).
struct TVStatAuswahl {
  std::function<bool(const TElement*)> Nimm;
  std::function<bool(int fertig, int gesamt)> Weiter;
};
std::vector<TVStatZeile> VLeStatZeilen(TDateTime von, TDateTime bis, const TVStatAuswahl& auswahl);
std::vector<TVStatZeile> VKlStatZeilen(TDateTime von, TDateTime bis, const TVStatAuswahl& auswahl);

// Das Raster des Übersichtsfensters (leh: Lehrer, sonst Klassen) in Windows-1252: Zeile 0 die
// Überschriften, dann die Zeilen; ohne Zeilen steht wie im Fenster eine leere Zeile darunter.
std::vector<std::vector<std::string>> VStatRaster(TKuerzelArt art, TDateTime von, TDateTime bis);

// Die Zeilen (Indizes) mit Tabulatoren verbunden, je Zeile mit CR LF abgeschlossen.
std::string VStatText(const std::vector<TVStatZeile>& zeilen, const std::vector<int>& auswahl);

// Die Breite eines Fensters, das am linken Rand links steht und nicht über rechterRand ragen
// soll: in Schritten von 10 Bildpunkten schmaler, aber nie unter minBreite.
int VStatFensterBreite(int breite, int links, int rechterRand, int minBreite);
