// Wieder öffnen der Fenster, die mit einer Schule gespeichert wurden: welcher Satz welches Fenster
// öffnet und wohin das Fenster kommt. Reine Logik; die Palette öffnet die Fenster.
#pragma once

#include <optional>
#include <vector>

#include "model/SchulUnit.h"
#include "ui/FensterPlatzUnit.h"

// Was ein gespeicherter Satz öffnet.
enum class TWiederArt {
  Nichts,             // kein Fenster (Element fehlt, Satz doppelt, Art ohne Wiederöffnen)
  Plan,               // 9..11
  UVTabelle,          // 12
  Deputat,            // 16..20
  Daten,              // 61..66 (66: die Daten einer UV-Tabelle)
  AlleKurse,          // 21
  Parallel,           // 22
  Uebersicht,         // 31..33
  Vertretungen,       // 69: der Tagesplan von heute
  Stundenverteilung,  // 71
  Statistik,          // 72..77
};

struct TWiederZiel {
  const TFensterSatz* Satz = nullptr;
  TWiederArt Art = TWiederArt::Nichts;
  TElement* Element = nullptr;             // Plan, UVTabelle, Deputat, Daten
  TKuerzelArt Kuerzel = leh;               // Art des Elements, der Übersicht oder der Statistik
  std::optional<TFensterArt> FensterWahl;  // Elementfenster: die Fensterart, die es setzt
  bool MitBreite = false;                  // die Breite aus dem Satz (nur kleiner)
  bool MitHoehe = false;                   // die Höhe aus dem Satz (nur kleiner)
};

// Die Ziele aller Sätze in der Folge des Öffnens: vom letzten Satz zum ersten, so liegt das
// Fenster des ersten zuletzt oben. Jeder Satz wird einmal verwendet: ein Fenster, das es nur
// einmal gibt, öffnet der erste Satz seiner Art; ein Element öffnet höchstens einen Satz seiner
// Art. Teilen sich mehrere Elemente das Kürzel, bekommt der erste Satz das letzte Element der
// Liste, der nächste das davor; ein Satz ohne freies Element öffnet nichts.
std::vector<TWiederZiel> WiederZiele(const TSchule& schule,
                                     const std::vector<TFensterSatz>& saetze);

// Das Element eines Element-Fensters (Plan 9–11, UV-Tabelle 12, Deputat 16–20, Daten 61–66):
// der Rest der Überschrift nach dem ersten Leerzeichen ist sein Kürzel, bei Deputatsfenstern
// ohne die angehängte Klammer "[Ist/Soll]"; bei mehreren gleichen das letzte der Liste. Sonst
// nichts.
TElement* FensterElement(const TSchule& schule, const TFensterSatz& satz);
// Dasselbe für Planfenster.
TPlanElement* PlanFensterElement(const TSchule& schule, const TFensterSatz& satz);

// Die Lage des wieder geöffneten Fensters (jetzt: seine Lage auf dem Bildschirm). Der Satz
// speichert die linke obere Ecke relativ zum Ursprung des Arbeitsbereichs; sie gilt, wenn damit
// mehr als 200 Bildpunkte des Fensters rechts bzw. unten im Arbeitsbereich liegen, mindestens
// 200 Bildpunkte links davon bleiben und die Titelleiste (titel Bildpunkte hoch) nicht über den
// Arbeitsbereich hinausragt. Breite und Höhe (wo mitBreite/mitHoehe) werden nur kleiner, nie
// unter das Mindestmaß. Gerechnet wird in 64 Bit.
TFensterLage WiederLage(const TFensterLage& jetzt, const TFensterLage& satz,
                        const TRechteck& arbeit, int titel, int minBreite, int minHoehe,
                        bool mitBreite = true, bool mitHoehe = true);
// Die Lage eines Fensters relativ zum Ursprung seines Arbeitsbereichs, so wie sie in die Datei
// kommt.
TFensterLage RelativeLage(const TFensterLage& absolut, const TRechteck& arbeit);
