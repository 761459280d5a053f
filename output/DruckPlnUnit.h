// Die Stundenplandrucke: Lehrer-, Klassen- und Raumpläne (so viele auf ein Blatt wie passen) und
// die Kopplungspläne für Lehrer und für Klassen (ein Element je Blatt, Zeilen wachsen mit ihrem
// Inhalt). Optionen, Layout und Zeichnen sind Logik; die Dialoge stehen in DruckPlnFormUnit.
#pragma once

#include <string>
#include <vector>

#include "model/DienstUnit.h"
#include "model/GlobalUnit.h"

class TPrevPrinter;
class TPlanElement;
class TStandard;

enum class TPlanDruckArt { Lehrer = 0, Klassen = 1, Raeume = 2, KoppLehrer = 3, KoppKlassen = 4 };

inline bool IstKoppDruck(TPlanDruckArt art) {
  return art == TPlanDruckArt::KoppLehrer || art == TPlanDruckArt::KoppKlassen;
}

// Die Optionen eines Plandrucks, wie sie in ihrer Gruppe der Einstellungen stehen.
struct TPlanDruckOptionen {
  int VonTag = 1, VonStd = 1, BisTag = 5, BisStd = 9;
  std::string Bem;  // Windows-1252
  // Die Elementarten in Druckfolge: Lehrerpläne Klasse, Fach, Raum, Kopplung; Klassenpläne
  // Lehrer, Fach, Raum, Kopplung; Raumpläne Lehrer, Klasse, Fach, Kopplung.
  bool Mit[4] = {true, true, true, false};
  bool Statt = true;  // "Kopplung statt Klasse" bzw. "Kopplung statt Lehrer"
  bool Sperr = true, Fix = true, Fett = false, Alle = true, Datum = true, EineSeite = false;
  bool Farbe = false, Versionen = false, MitKoBez = true;
  int Neben = 0;  // 0 nebeneinander, 1 untereinander
  int Links = 0;  // 0 Stunden links, 1 Tage links
  int RandLi = 1, RandRe = 0, RandOb = 1, RandUn = 0;
  TSchrift Font;
  TDateTime Ab = 0;
  friend bool operator==(const TPlanDruckOptionen&, const TPlanDruckOptionen&) = default;
};

TPlanDruckOptionen LadePlanDruck(TPlanDruckArt art, const TStandard& standard);
// Die Schrift der Gruppe ("Ändern" speichert sie sofort).
TSchrift& PlanDruckSchrift(TPlanDruckArt art, TStandard& standard);
void SpeicherePlanDruck(TPlanDruckArt art, const TPlanDruckOptionen& o, TStandard& standard);

// Die Stelle in Mit[], deren Text "Kopplung statt …" ersetzt (Klasse bzw. Lehrer).
int StattStelle(TPlanDruckArt art);
// Zusammenspiel der Häkchen nach einer Änderung an Mit[stelle] oder (stelle = -1) an Statt.
void HaekchenAbgleichen(TPlanDruckArt art, TPlanDruckOptionen& o, int stelle);
// 1 <= von <= bis <= fMaxTageNeu bzw. fPlnStd.
void BereichKlemmen(TPlanDruckOptionen& o);

// Der Zeitpunkt aus "Geänderte Pläne": ein Tag, den der Monat nicht hat, wird um 1 bis 3
// gesenkt; Stunde 24 und Minute 59 zählen einfach weiter (24:00 ist der nächste Morgen).
TDateTime AenderungsZeitpunkt(int tag, int monat, int jahr, int stunde, int minute);

// Was das Layout eines Plans braucht, in Druckerpunkten gemessen.
struct TPlanMasse {
  int h = 0;            // TextHeight der Druckschrift
  int Kuerzel[4] = {};  // breitestes Kürzel je Elementart in Druckfolge (fett bei "Fett")
  int Kopplung = 0;     // breitestes Kopplungskürzel (für "statt")
  int Tag = 0;          // DrTagBreite
  int Std = 0;          // DrStdBreite der Planversion
  int Stern = 0;        // Breite von "*"
  int BlattBreite = 0;  // nutzbare Blattbreite (bis zum rechten Ende des Druckbereichs)
  int BlattHoehe = 0;
  int Rand[4] = {};  // links, rechts, oben, unten
};

struct TPlanLayout {
  int Spalte[4] = {};  // Spaltenbreiten der Elementarten, 0 wenn nicht gewählt
  int ZellBreite = 0, ZellHoehe = 0;
  int LinksBreite = 0, KopfHoehe = 0;
  int Spalten = 0, Zeilen = 0;  // Tage bzw. Stunden nach "Reihenfolge"
  int PlanBreite = 0, PlanHoehe = 0;
  int Quer = 1, Hoch = 1;  // Pläne je Blatt nebeneinander und untereinander, mindestens 1
};

// Das Layout als reine Funktion der Optionen und der Maße.
TPlanLayout PlanLayoutBerechnen(TPlanDruckArt art, const TPlanDruckOptionen& o,
                                const TPlanMasse& m);

// Zeichnet die Pläne der Elemente in den Rekorder (NewJob … DonePrinting) und liefert die Zahl
// der gedruckten Pläne. Ohne einen zu druckenden Plan beginnt keine Aufzeichnung (0).
// Die Optionen werden vorher geklemmt.
int DruckePlaene(TPlanDruckArt art, TPlanDruckOptionen o, const std::vector<TPlanElement*>& liste,
                 TPrevPrinter& drucker);

// Die Überschrift eines Plans (Windows-1252): Kürzel, Info, Raum, Klassen- bzw. Lehrerangaben,
// bei mehreren Planversionen " {v}  " davor.
std::string PlanTitel(TPlanDruckArt art, const TPlanElement* e, int version);

// Die Elemente der Art nach Kürzeln (UTF-8); unbekannte Kürzel kommen in fehlend.
std::vector<TPlanElement*> PlanElemente(TPlanDruckArt art, const std::vector<std::string>& kuerzel,
                                        std::vector<std::string>* fehlend = nullptr);
// Alle Elemente der Art in Listenfolge.
std::vector<TPlanElement*> AllePlanElemente(TPlanDruckArt art);

// Überschrift des Dialogs, Titel der Mehrfachwahl, Beschriftung der Liste und des "alle"-Häkchens
// (UTF-8).
struct TPlanDruckTexte {
  const char* Titel;
  const char* Auswahl;
  const char* Liste;
  const char* Alle;
  const char* Mit[4];
  const char* Statt;
};
const TPlanDruckTexte& PlanDruckTexte(TPlanDruckArt art);
