// Kalenderrechnung auf TDateTime (Tage seit dem 30.12.1899), ohne Systemgebietsschema.
#pragma once

#include "model/DienstUnit.h"
#include "model/GlobalUnit.h"

struct TDatum {
  int Jahr = 1899;
  int Monat = 12;
  int Tag = 30;
  friend bool operator==(const TDatum&, const TDatum&) = default;
};

bool IstSchaltjahr(int jahr);
int TageImMonat(int jahr, int monat);
// Der Tag als TDateTime (Mitternacht); ungültige Daten werden nicht geprüft.
TDateTime DatumZuZahl(int jahr, int monat, int tag);
TDateTime DatumZuZahl(const TDatum& d);
TDatum ZahlZuDatum(TDateTime zahl);
// Derselbe Kalendertag (die Uhrzeit zählt nicht).
bool GleicherTag(TDateTime a, TDateTime b);
// Wochentag, Montag = 1 .. Sonntag = 7.
int WochenTag(TDateTime zahl);
// Uhrzeit als Bruchteil eines Tages.
TDateTime ZeitZuZahl(int stunde, int minute, int sekunde);

// Die Systemuhr (Ortszeit).
class TSystemUhr : public TUhr {
 public:
  TDateTime Jetzt() override;
};
