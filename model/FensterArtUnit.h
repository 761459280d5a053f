// Die Fensterarten als Daten: Kennzahl, Überschrift, Gruppe und ob das Neuzeichnen aller Fenster
// das Fenster neu aufbaut.
#pragma once

#include <span>

// Wozu ein Fenster gehört; die Befehle der Palette unterscheiden danach.
enum class TFensterGruppe {
  Palette,
  Plan,               // 9..11
  UVTabelle,          // 12
  Zwischenablage,     // 14
  Fehler,             // 15
  Deputat,            // 16..20
  AlleKurse,          // 21
  Parallel,           // 22
  Uebersicht,         // 31..33
  Daten,              // 61..66
  Kurs,               // 67
  Manuell,            // 68
  Vertretungen,       // 69
  Stundenverteilung,  // 71
  Statistik,          // 72..77
  VertretungsWahl,    // 80
  VertrUebersicht,    // 81, 82
  WoAusfall,          // 83
};

struct TFensterArtEintrag {
  int Art;
  // Feste Überschrift (UTF-8); nullptr: die Überschrift nennt das Element (oder den Programmtitel).
  const char* Titel;
  TFensterGruppe Gruppe;
  // Wird von TSchule::AlleFensterUpdate neu aufgebaut.
  bool AlleUpdate;
};

// Alle Fensterarten, nach Kennzahl aufsteigend.
std::span<const TFensterArtEintrag> FensterArten();
// Der Eintrag einer Kennzahl, oder nichts für eine unbekannte.
const TFensterArtEintrag* FensterArtEintrag(int art);
// Wahr, wenn die Art zu der Gruppe gehört.
bool FensterInGruppe(int art, TFensterGruppe gruppe);
// Wahr, wenn TSchule::AlleFensterUpdate Fenster dieser Art neu aufbaut.
bool AlleFensterUpdateArt(int art);
