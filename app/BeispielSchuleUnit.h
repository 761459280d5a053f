// Die Beispielschule: ein erfundenes Gymnasium für Vorführung, Tests und Messungen.
//
// Klein: etwa 60 Lehrkräfte, die Klassen 5a–10d und die Oberstufe EF, Q1, Q2 mit Kursschienen
// als Kopplungen, gut 40 Räume (Klassen- und Kursräume, Fachräume für Ph, Ch, Bio, Mu, Ku, Inf,
// drei Sporthallen), 20 Fächer, A- und B-Woche (zwei Planversionen) mit Kalender, Sollstunden,
// einige Sperrungen, zwei UV-Tabellen, das Raster der parallelen Kopplungen. Ein großer Teil
// des Plans ist gesetzt (ohne Konflikte: Lehrer, Klassen und Raum sind in der Zelle frei und
// nicht gesperrt), einige Stunden sind fixiert; die Kurse von 10c, 10d und der Q2 sind noch
// ungesetzt.
// Groß (für Messungen): etwa 150 Lehrkräfte, acht Parallelklassen je Jahrgang (5a–10h), die
// Oberstufe mit doppelt so vielen Kursen, gut 2100 Wochenstunden Unterricht in knapp 800 Kursen.
// Knapp (für Messungen der Planung): dazu in der Oberstufe weitere Schienen (Vertiefungs- und
// Projektkurse, Arbeitsgemeinschaften), und nur so viele Lehrkräfte, dass der Unterricht etwa
// 95 % ihrer Sollstunden füllt.
//
// Das Ergebnis hängt nur von "gross" und "knapp" ab: keine Uhr, kein Zufall von außen (eigener
// Generator mit fester Saat); die Zeitstempel der letzten Planänderung sind fest.
#pragma once

class TSchule;

// Erzeugt die Beispielschule in der eingesetzten, leeren Schule (Schule() ist schule).
// Setzt vorher in den eingesetzten Einstellungen (Standard()):
//  - fMaxWocheNeu = 2 (A- und B-Woche; die Schule wird dafür auf zwei Planversionen gebracht),
//    fAktuelleWoche = 1,
//  - fMaxTageNeu = 5 (Montag bis Freitag), fPlnStd = 10 (zehn Stunden am Tag),
//  - fDivisor = 1 (Stunden ganzzahlig).
// Alles andere der Einstellungen bleibt, wie es ist. Die Schule ist danach geändert (fDirty).
void ErzeugeBeispielSchule(TSchule& schule, bool gross, bool knapp = false);
