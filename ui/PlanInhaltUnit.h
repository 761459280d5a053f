// Was ein Plan zeigt, ohne Fenster: die Stunden eines Lehrers, einer Klasse oder eines Raums in
// einer Woche, die Kürzel einer Stundenzelle und ihre Lage. Die Planfenster, das Manuellfenster,
// die Textausgabe des Plans und tamrel-cli rechnen damit.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/GlobalUnit.h"

class TKurs;
class TPlanElement;

// Der Inhalt eines Plans: je Zelle (Tag 1..Tage, Stunde 1..Stunden) der gezeigte Kurs und ob das
// Element dort in der Woche gesperrt ist.
class TPlanInhalt {
 public:
  TPlanInhalt(TKuerzelArt art = leh, int woche = 1, int tage = 5, int stunden = 6);

  TKuerzelArt Art() const { return fArt; }
  int Woche() const { return fWoche; }
  int Tage() const { return fTage; }
  int Stunden() const { return fStunden; }
  bool Enthaelt(int tag, int std) const {
    return tag >= 1 && tag <= fTage && std >= 1 && std <= fStunden;
  }
  // Der Kurs der Zelle; nichts außerhalb des Plans.
  TKurs* Kurs(int tag, int std) const;
  void SetKurs(int tag, int std, TKurs* kurs);
  bool Gesperrt(int tag, int std) const;
  void SetGesperrt(int tag, int std, bool gesperrt);

 private:
  std::size_t Index(int tag, int std) const;
  TKuerzelArt fArt;
  int fWoche;
  int fTage;
  int fStunden;
  std::vector<TKurs*> fKurse;
  std::vector<bool> fGesperrt;
};

// Die Plan-Art eines Elements: leh, kla oder rau (andere Elemente haben keinen Plan).
TKuerzelArt PlanArt(const TPlanElement& element);

// Der Plan des Elements in der Woche mit tage Tagen und stunden Stunden. Lehrer und Klassen: jede
// Setzung ihrer Kurse in der Folge der Kursliste (ein späterer Kurs überschreibt einen früheren
// in derselben Zelle); Räume: nur Setzungen in diesem Raum. Dazu die Sperrungen des Elements.
TPlanInhalt PlanFuellen(const TPlanElement& element, int woche, int tage, int stunden);
// Dasselbe für die gezeigte Woche (fAktuelleWoche) mit fMaxTageNeu Tagen und fPlnStd Stunden.
TPlanInhalt PlanFuellen(const TPlanElement& element);

// Die Kürzelarten der drei Teile A, B, C einer Stundenzelle (TKuerzelArt; -1: der Teil fehlt):
//   Lehrer: Klasse (Kopplung), Fach, Raum;  Klasse: Lehrer (Kopplung), Fach, Raum;
//   Raum: Lehrer, Klasse (Kopplung), Fach.
// Die Kopplung steht statt der Klasse bzw. des Lehrers, wenn kopplungZeigen gilt und der Kurs
// gekoppelt ist. Teil C nur mit mitDrittem.
std::array<int, 3> ZellTeilArten(TKuerzelArt planArt, const TKurs& kurs, bool kopplungZeigen,
                                 bool mitDrittem);
// Die Breiten der Teile nebeneinander (Pixel, aus den Einstellungen): Lehrer PlnKlKoBreite,
// fPlnFaBreite, fPlnRaBreite; Klasse PlnLeKoBreite, fPlnFaBreite, fPlnRaBreite; Raum
// fPlnLeBreite, PlnKlKoBreite, fPlnFaBreite.
std::array<int, 3> ZellTeilBreiten(TKuerzelArt planArt);
// Breite einer Tagesspalte: nebeneinander die Summe der gezeigten Teile, sonst PlnMaxBreite.
int PlanSpaltenBreite(TKuerzelArt planArt);
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
// 2 + Breite A, 2 + Breite A + Breite B und y = 2, sonst untereinander bei x = 2 und
// y = 2, fPlnHoehe + 2, 2 · fPlnHoehe + 2. Teil C nur mit fMitRaum.
TPlanZelle PlanZelleBauen(TKuerzelArt planArt, const TKurs* kurs, int woche, int tag, int std,
                          bool kopplungZeigen, bool gesperrt, bool markiert);
