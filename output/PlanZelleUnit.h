// Wie eine Stundenzelle der Pläne aussieht, ohne Fenster: die Kürzel ihrer Teile, ihre Lage und
// die Maße der Spalten und Zeilen. Gemalt wird in ui/QtPlanZelleUnit.
#pragma once

#include <array>
#include <string>

#include "planning/PlanInhaltUnit.h"

class TKurs;

// Die Kürzelarten der drei Teile A, B, C einer Stundenzelle (TKuerzelArt; -1: der Teil fehlt):
//   Lehrer: Klasse (Kopplung), Fach, Raum;  Klasse: Lehrer (Kopplung), Fach, Raum;
//   Raum: Lehrer, Klasse (Kopplung), Fach.
// Die Kopplung steht statt der Klasse bzw. des Lehrers, wenn kopplungZeigen gilt und der Kurs
// gekoppelt ist. Teil C nur mit mitDrittem.
std::array<int, 3> ZellTeilArten(TKuerzelArt planArt, const TKurs& kurs, bool kopplungZeigen,
                                 bool mitDrittem);
// Innenabstand eines Teils: das Kürzel steht ZellRand Pixel hinter dem Anfang seines Teils und
// endet spätestens ZellRand Pixel vor dem nächsten. Die Breiten der Einstellungen sind die der
// Kürzel selbst; jeder Teil ist um zweimal ZellRand breiter.
inline constexpr int ZellRand = 2;
// Die Breiten der Teile nebeneinander (Pixel): die Kürzelbreiten der Einstellungen (Lehrer
// PlnKlKoBreite, fPlnFaBreite, fPlnRaBreite; Klasse PlnLeKoBreite, fPlnFaBreite, fPlnRaBreite;
// Raum fPlnLeBreite, PlnKlKoBreite, fPlnFaBreite), jede mit dem Innenabstand.
std::array<int, 3> ZellTeilBreiten(TKuerzelArt planArt);
// Breite einer Tagesspalte: nebeneinander die Summe der gezeigten Teile, sonst PlnMaxBreite mit
// dem Innenabstand.
int PlanSpaltenBreite(TKuerzelArt planArt);
// Hebt die Kürzelbreiten der Pläne (fPlnLeBreite … fPlnRaBreite) auf die gemessene Breite des
// breitesten Kürzels jeder Art in der Schrift der Pläne (fett mit fPlnKoppFett), wo sie schmaler
// sind; breitere Einstellungen bleiben. So passt jedes Kürzel auch vor dem ersten Messen.
void PlanBreitenAnpassen();
// Höhe einer Stundenzeile: fPlnHoehe nebeneinander, sonst drei (mit Raum) oder zwei Zeilen.
int PlanZeilenHoehe();

// Wie eine Datenzelle eines Plans aussieht.
struct TPlanZelle {
  bool Stunde = false;               // die Zelle zeigt eine Stunde
  bool Markiert = false;             // hervorgehoben (Marke "R" oder Auswahl des Rasters)
  bool Gesperrt = false;             // das Element ist in der Zelle gesperrt
  TColor Farbe = clWhite;            // Farbe des Kurses (nur mit Stunde)
  bool Fett = false;                 // gekoppelter Kurs und fPlnKoppFett
  bool Unterstrichen = false;        // die Stunde ist fixiert
  std::array<std::string, 3> Texte;  // die Kürzel der Teile A, B, C (UTF-8; leer: fehlt)
  std::array<int, 3> X{}, Y{};       // linke obere Ecke jedes Teils, relativ zur Zelle
};
// Baut eine Datenzelle: kurs ist der Kurs der Zelle oder nichts; die Stunde ist seine Setzung in
// der Woche an Tag und Stunde. Nebeneinander (fNebenEinander) liegen die Teile bei x = 2,
// 2 + Breite A, 2 + Breite A + Breite B (die Breiten von ZellTeilBreiten) und y = 2, sonst
// untereinander bei x = 2 und y = 2, fPlnHoehe + 2, 2 · fPlnHoehe + 2. Teil C nur mit fMitRaum.
TPlanZelle PlanZelleBauen(TKuerzelArt planArt, const TKurs* kurs, int woche, int tag, int std,
                          bool kopplungZeigen, bool gesperrt, bool markiert);
