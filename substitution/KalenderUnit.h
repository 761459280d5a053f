// Der Schulkalender: Planversion und Ferien eines Datums, deutsche Tages- und Monatsnamen, die
// Datumsformate der Vertretungsplanung, die ISO-Woche und die Grenzen des Blätterns.
#pragma once

#include <string>
#include <string_view>

#include "model/GlobalUnit.h"

// Die Planversion des Datums nach dem Kalender der Schule; 0 vor dem 27.12.1993.
int PlanversionAm(TDateTime datum);
// Nummer der Kalenderwoche 0..887 (vor dem Modulo: KalenderWocheRoh), -1 vor dem 27.12.1993.
int KalenderIndex(TDateTime datum);
long long KalenderWocheRoh(TDateTime datum);

// Deutsche Namen (Windows-1252); Tag 1 = Montag, Monat 1 = Januar.
std::string LangerTagName(int tag);
std::string KurzerTagName(int tag);
std::string LangerMonatName(int monat);
std::string KurzerMonatName(int monat);

// Datum als Text nach einem Muster: d, dd, ddd, dddd, m, mm, mmm, mmmm, yy, yyyy; Text in
// doppelten Anführungszeichen steht wörtlich, alles andere auch. Ergebnis in Windows-1252.
std::string DatumText(TDateTime datum, std::string_view muster);
// Die drei Formate der Vertretungsplanung.
inline constexpr std::string_view kLangesDatum = "dddd, d. mmmm, yyyy";
inline constexpr std::string_view kKurzesDatum = "ddd, d\".\" mmm";
inline constexpr std::string_view kMonatUndJahr = "mmmm yyyy";

// ISO-8601-Wochennummer (1..53).
int IsoWoche(TDateTime datum);

// Der erste und der letzte Tag, zu dem die Vertretungsplanung blättert (1.1.1994 .. 2.1.2040).
TDateTime ErsterPlanTag();
TDateTime LetzterPlanTag();
// Der nächste (richtung > 0) bzw. vorige Schultag, mittags; bleibt an der Grenze stehen, so
// dass auch ein Kalender voller Ferien nicht hängt.
TDateTime NaechsterSchultag(TDateTime datum, int richtung);

// Ein Monat der Kalendervoreinstellung und sein Schritt: nie vor Januar 1994, nie nach
// Dezember 2050.
struct TMonatJahr {
  int Jahr = 1994;
  int Monat = 1;
  friend bool operator==(const TMonatJahr&, const TMonatJahr&) = default;
};
TMonatJahr MonatSchritt(TMonatJahr m, int richtung);
