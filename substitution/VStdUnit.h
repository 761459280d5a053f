// "Vertretene Stunden" ohne Fenster: die zwei Tabellen der laufenden Konten (fVStunden1 und
// fVStunden2) aller Lehrer, das Stellen eines Kontos und "Rücksetzen".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TLehrer;

struct TVStdZeile {
  TLehrer* Lehrer = nullptr;
  std::string Kuerzel;  // UTF-8
  std::string Wert;     // Stundentext
};

// Das Konto der Tabelle (1 oder 2) des Lehrers.
std::int32_t& VStdKonto(TLehrer& lehrer, int tabelle);
// Die Zeilen der Tabelle in der Ordnung der Lehrerliste.
std::vector<TVStdZeile> VStdZeilen(int tabelle);
// Das Auf und Ab: das Konto steigt oder fällt um schritt Einheiten (1/fDivisor Stunde); die
// Schule ist geändert.
void VStdSchritt(TLehrer& lehrer, int tabelle, int schritt);
// "Rücksetzen": fragt, ob alle Lehrer oder nur der gewählte auf Null gesetzt werden sollen;
// die Schule ist geändert, wenn ein Konto nicht schon null war. Wahr, wenn gesetzt wurde.
bool VStdRuecksetzen(TLehrer* gewaehlt, int tabelle);
