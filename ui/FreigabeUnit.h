// Welche Befehle der Palette wählbar sind: nach der Art des aktiven Fensters, nach dem Zustand
// der Schule und nach der Zahl der Planversionen. Reine Logik; die Palette überträgt das
// Ergebnis auf ihre Knöpfe und Menüeinträge.
#pragma once

#include <optional>

#include "model/GlobalUnit.h"

// Ein Schalter der Tabelle: an, aus oder unverändert.
enum class TSchalt : signed char { Aus, An, Bleibt };

// Werkzeuge als Bitmenge: welche das aktive Fenster behält; jedes andere wird zu "Zeigen".
enum TWerkzeugBit : unsigned {
  wzZeig = 1,
  wzSetz = 2,
  wzLoesch = 4,
  wzSchieb = 8,
  wzFix = 16,
  wzAlle = 31,
};
unsigned WerkzeugBit(TToolArt tool);

// Eine Zeile der Tabelle nach Fensterart.
struct TArtFreigabe {
  bool Bekannt = false;  // die Art steht in der Tabelle
  TSchalt VorNaechster = TSchalt::Bleibt;
  TSchalt Setzen = TSchalt::Bleibt;
  TSchalt Loeschen = TSchalt::Bleibt;
  TSchalt Schieben = TSchalt::Bleibt;
  TSchalt Fixieren = TSchalt::Bleibt;
  TSchalt NeuerKurs = TSchalt::Bleibt;
  TSchalt KursLoeschen = TSchalt::Bleibt;
  TSchalt Manuell = TSchalt::Bleibt;
  TSchalt Automatik = TSchalt::Bleibt;
  TSchalt AllesAuswaehlen = TSchalt::Bleibt;
  std::optional<TFensterArt> FensterArt;  // Knopf der Fensterart und fFensterArt; leer: bleibt
  unsigned Werkzeuge = wzAlle;            // die behaltenen Werkzeuge
};

// Die Zeile der Tabelle für eine Fensterart (Bekannt = false für Arten ohne Zeile).
TArtFreigabe FreigabeNachArt(int art);

// Der Zustand aller schaltbaren Knöpfe und Menüeinträge der Palette.
struct TPaletteFreigabe {
  // Knöpfe.
  bool VorNaechster = false;
  bool Zeigen = false;
  bool Setzen = false;
  bool Loeschen = false;
  bool Schieben = false;
  bool Fixieren = false;
  bool NeuerKurs = false;
  bool KursLoeschen = false;
  bool Manuell = false;
  bool Automatik = false;
  // Menüeinträge.
  bool FensterSchliessen = false;
  bool FensterDrucken = false;
  bool AllesAuswaehlen = false;
  bool Planversionen = false;         // "Voreinstellungen" › "Planversionen" und im Wechselmenü
  bool Versionsunterschiede = false;  // "Prüfen" › "Versionsunterschiede"
  // Die Einträge unter "Werkzeuge" (Grunddaten, Deputat und Plan sind immer wählbar, Zeigen
  // ebenso).
  bool WzNeuerKurs = false;
  bool WzKursLoeschen = false;
  bool WzSetzen = false;
  bool WzLoeschen = false;
  bool WzSchieben = false;
  bool WzFixieren = false;
  bool WzManuell = false;
  bool WzAutomatik = false;
  // Gedrückte Knöpfe: Werkzeug und Fensterart.
  TToolArt Werkzeug = TToolArt::ZeigTool;
  TFensterArt FensterArt = TFensterArt::GFenster;
  friend bool operator==(const TPaletteFreigabe&, const TPaletteFreigabe&) = default;
};

// Was die Freigabe braucht.
struct TFreigabeLage {
  int AktiveArt = 0;  // Art des aktiven Fensters, 0: keines
  int Versionen = 1;  // fMaxWocheNeu
};

// AktualisierePalette: der neue Zustand aus dem bisherigen (für die unveränderten Schalter).
TPaletteFreigabe NeueFreigabe(const TPaletteFreigabe& alt, const TFreigabeLage& lage);

// Was nur von der Schule abhängt.
struct TSchulFreigabe {
  bool Neu = false;        // "Neu" und "Öffnen...": nur ohne Schule
  bool MitSchule = false;  // "Datei schließen", "Sichern unter...", "Export", die Datenmenüs
  bool Sichern = false;    // bei jeder offenen Schule, geändert oder nicht
  bool Import = false;     // "Import...": mit und ohne Schule, in die Schule im Speicher
  friend bool operator==(const TSchulFreigabe&, const TSchulFreigabe&) = default;
};
TSchulFreigabe SchulFreigabe(bool schuleOffen);

// Was "Fenster drucken..." für die Art des aktiven Fensters öffnet.
enum class TFensterDruck {
  Keiner,             // kein Druck (der Menüeintrag ist aus)
  Plaene,             // Planfenster 9, 10, 11: Lehrer-, Klassen-, Raumpläne (Art 0, 1, 2)
  UVTabelle,          // 12: die UV-Tabelle des Fensters
  Fehlerliste,        // 15: die Zeilen des Fensters "Fehler"
  Deputate,           // 16..21: Deputate, "für" = Art (0 Lehrer … 4 Räume, 5 alle Kurse)
  ParKopplungen,      // 22: die parallelen Kopplungen
  Uebersicht,         // 31, 32, 33: Lehrer-, Klassen-, Raumübersicht (Art 0, 1, 2)
  Bild,               // 61..67, 75..77: Druckdialog der Plattform, dann ein Bild des Fensters
  Vertretungsplan,    // 69, 80: der Vertretungsplan für das Datum des Fensters
  Stundenverteilung,  // 71: die Stundenverteilung der Art, die das Fenster zeigt
  Reststunden,      // 72, 73, 74: Reststunden, "Kürzelart" = Art (0 Lehrer, 1 Klassen, 2 Fächer)
  VertrUebersicht,  // 81, 82: die Vertretungsübersicht des Zeitraums (Art 0 Lehrer, 1 Klassen)
  WoAusfall,        // 83: der wöchentliche Unterrichtsausfall
};
struct TFensterDruckWahl {
  TFensterDruck Druck = TFensterDruck::Keiner;
  int Art = 0;
  friend bool operator==(const TFensterDruckWahl&, const TFensterDruckWahl&) = default;
};
TFensterDruckWahl FensterDruck(int fensterArt);
