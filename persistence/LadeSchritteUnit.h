// Die Schritte nach dem Einlesen der Schuldatei, in dieser Folge aufgerufen:
//   1. VertretungenVerknuepfen, 2. AlteVertretungenEntfernen (nach allen Kursen),
//   3. FehlzeitenBereinigen (nach den drei Fehlzeitenlisten),
//   4. MonatskontenBerechnen (nach dem Raster der parallelen Kopplungen).
#pragma once

#include "model/GlobalUnit.h"

class TSchule;

// Stellt fVon und fZu aus den gespeicherten Nummern her (fVonNr, fZuNr -> fNr; bei doppelten
// Nummern zählt die erste). Eine Verknüpfung, die nicht gegenseitig ist (A.fZu = B, aber
// B.fVon ≠ A, oder umgekehrt) oder auf sich selbst zeigt, fällt weg.
void VertretungenVerknuepfen(TSchule& schule);

// Eine Vertretung oder Fehlzeit des Tages ist verfallen: ihr ganzer Monat liegt vor dem vorigen
// Monat und endet mehr als fVertrMerke Tage vor heute ((heute + 0,5) − Monatsende > fVertrMerke).
// So verliert kein Monatskonto, das beim Öffnen berechnet wird, einen Teil seiner Buchungen.
bool Verfallen(TDateTime datum);

// Entfernt jede verfallene Vertretung, mit den Aufräumarbeiten beim Löschen einer Vertretung,
// aber ohne Buchung (die Konten stehen schon in der Datei).
void AlteVertretungenEntfernen(TSchule& schule);

// Entfernt jede Fehlzeit ohne Element, ohne fehlende Stunde oder verfallen.
void FehlzeitenBereinigen(TSchule& schule);

// Berechnet die Monatskonten der Vertretungsstunden jedes Lehrers für den vorigen, den laufenden
// und den nächsten Monat (von heute aus, nach der Uhr).
void MonatskontenBerechnen(TSchule& schule);
