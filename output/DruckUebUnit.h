// Die Übersichtsdrucke: Lehrer-, Klassen-, Raum- und Kombinationsübersichten (eine schmale
// Spalte je Element neben einer gemeinsamen Spalte der Tage und Stunden) und die
// Fächerübersicht (Zeilen der Stunden einer Folge von Fächern). Optionen, Layout und Zeichnen
// sind Logik; die Dialoge stehen in DruckUebFormUnit.
#pragma once

#include <string>
#include <vector>

#include "model/DienstUnit.h"
#include "model/GlobalUnit.h"

class TPrevPrinter;
class TPlanElement;
class TFach;
class TStandard;

enum class TUebDruckArt { Lehrer = 0, Klassen = 1, Raeume = 2, Kombination = 3 };

// Die Optionen einer Übersicht, wie sie in ihrer Gruppe der Einstellungen stehen.
struct TUebDruckOptionen {
  int VonTag = 1, VonStd = 1, BisTag = 5, BisStd = 9;
  std::string Bem;  // Windows-1252
  // Die Elementarten in Druckfolge: Lehrer Klasse, Fach, Raum, Kopplung; Klassen Lehrer, Fach,
  // Raum, Kopplung; Räume Lehrer, Klasse, Fach, Kopplung (die Kombination hat keine).
  bool Mit[4] = {true, true, true, false};
  bool Statt = true;
  bool Sperr = true, Fix = true, Fett = false, Farbe = false, Unter = false;
  bool Datum = true;  // nur die Kombination hat "mit Datum"; die anderen drucken es immer
  int RandLi = 1, RandRe = 0, RandOb = 1, RandUn = 0;
  TSchrift Font;
  friend bool operator==(const TUebDruckOptionen&, const TUebDruckOptionen&) = default;
};

// Laden klemmt: Tage 1..7, Stunden 1..16, ein "bis" vor "von" wird auf "von" angehoben,
// Ränder 0..6.
TUebDruckOptionen LadeUebDruck(TUebDruckArt art, const TStandard& standard);
// Die Schrift der Gruppe ("Ändern" speichert sie sofort).
TSchrift& UebDruckSchrift(TUebDruckArt art, TStandard& standard);
void SpeichereUebDruck(TUebDruckArt art, const TUebDruckOptionen& o, TStandard& standard);
void UebBereichKlemmen(TUebDruckOptionen& o);
// Die Stelle in Mit[], die "Kopplung statt …" ersetzt.
int UebStattStelle(TUebDruckArt art);
// Zusammenspiel der Häkchen nach einer Änderung an Mit[stelle] oder (stelle = -1) an Statt.
void UebHaekchenAbgleichen(TUebDruckArt art, TUebDruckOptionen& o, int stelle);

// Was das Layout braucht, in Druckerpunkten (Kürzelbreiten fett bei "Kopplungen fett").
struct TUebMasse {
  int h = 0;
  int Eigen = 0;        // breitestes Kürzel der eigenen Art
  int Kuerzel[4] = {};  // breiteste Kürzel der Arten in Druckfolge
  int Kopplung = 0;     // breitestes Kopplungskürzel
  int Kombi = 0;        // breitestes Kürzel aller Arten (Kombination)
  int Tag = 0, Std = 0, Stern = 0;
  int BlattBreite = 0, BlattHoehe = 0;
  int Rand[4] = {};  // links, rechts, oben, unten
};

struct TUebLayout {
  int Spalte[4] = {};  // Breiten der Arten in Druckfolge, 0 wenn nicht gewählt
  int Eigen = 0;       // Breite der eigenen Art
  int ZellBreite = 0, ZellHoehe = 0;
  int TagBreite = 0, StdBreite = 0, LabelBreite = 0;
  int Abstand = 0;     // Spaltenabstand
  int BlockHoehe = 0;  // Höhe eines Tages
  int Spalten = 1;     // Elemente je Seite, mindestens 1
  int Tage = 1;        // Tage je Seite, mindestens 1
  int GitterOben = 0;
};

// Misst mit der Druckschrift der Optionen (der Rekorder muss aufzeichnen).
TUebMasse UebMessen(TUebDruckArt art, const TUebDruckOptionen& o, TPrevPrinter& drucker);

// Das Layout als reine Funktion der Optionen und der Maße.
TUebLayout UebLayoutBerechnen(TUebDruckArt art, const TUebDruckOptionen& o, const TUebMasse& m);

// Zeichnet die Übersicht der Elemente (Listenfolge; leere Einträge übergangen) in den Rekorder
// und liefert die Zahl der gedruckten Spalten; ohne Element beginnt keine Aufzeichnung (0).
// Seiten laufen Tagesbereich für Tagesbereich, darin Spaltengruppe für Spaltengruppe.
int DruckeUebersicht(TUebDruckArt art, TUebDruckOptionen o, const std::vector<TPlanElement*>& liste,
                     TPrevPrinter& drucker);

struct TUebDruckTexte {
  const char* Titel;
  const char* Auswahl;
  const char* Liste;
  const char* Mit[4];
  const char* Statt;
};
const TUebDruckTexte& UebDruckTexte(TUebDruckArt art);

// --- Fächerübersicht ---
struct TFUebDruckOptionen {
  bool Kue = true, Name = true, Kl = true, Ra = true, Ko = false, Statt = true, Datum = true;
  std::string Bem;
  int Rand = 1;
  TSchrift Font;
  friend bool operator==(const TFUebDruckOptionen&, const TFUebDruckOptionen&) = default;
};
TFUebDruckOptionen LadeFUebDruck(const TStandard& standard);
void SpeichereFUebDruck(const TFUebDruckOptionen& o, TStandard& standard);
// Häkchen: stelle 0 "mit Klasse", 1 "mit Kopplung", -1 "Kopplung statt Klasse".
void FUebHaekchenAbgleichen(TFUebDruckOptionen& o, int stelle);
// Die Fächer von "von" bis "bis" der Fachliste; liegt "bis" vor "von", bekommt das andere den
// zuletzt gewählten Wert (vonGewaehlt: "von" wurde zuletzt gewählt).
void FUebBereichAbgleichen(TFach*& von, TFach*& bis, bool vonGewaehlt);
// Druckt die Fächer von bis bis (Listenfolge); ohne Fächer keine Aufzeichnung (0), sonst die
// Zahl der Fächer.
int DruckeFaecherUebersicht(const TFUebDruckOptionen& o, const TFach* von, const TFach* bis,
                            TPrevPrinter& drucker);
