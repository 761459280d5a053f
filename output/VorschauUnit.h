// Die Regeln der Voransicht: Einpassen der Seite in die Fläche, Zoomen, Blättern.
#pragma once

#include "output/PrevPrinterUnit.h"

// Lage der Malfläche in der Tafel, in Bildschirmpunkten.
struct TVorschauLage {
  int Links = 0, Oben = 0, Breite = 0, Hoehe = 0;
  friend bool operator==(const TVorschauLage&, const TVorschauLage&) = default;
};

// Das Blatt (Breite × Höhe in Druckerpunkten) in die Tafel eingepasst: 5 Punkte Rand an der
// knapperen Seite, an der anderen mittig.
TVorschauLage VorschauEinpassen(TPunkt blatt, int tafelBreite, int tafelHoehe);
// Zoom nach dem Loslassen bei (x, y): 2,5fach, der Punkt unter der Rahmenecke landet 25 Punkte
// von der linken oberen Tafelecke (Rundung zur geraden Zahl).
TVorschauLage VorschauZoom(const TVorschauLage& lage, int x, int y);
// Die Stufen der Voransicht: ganze Seite, Seitenbreite, oder Prozent der wirklichen Größe.
inline constexpr int StufeGanzeSeite = -2;
inline constexpr int StufeSeitenbreite = -1;
// Die wählbaren Prozentstufen, von 100 % aufwärts.
inline constexpr int VorschauProzente[] = {100, 150, 200, 300, 400};
// Das Blatt in der Stufe für eine Tafel (den sichtbaren Bereich) der Größe breite × hoehe und einen
// Bildschirm mit dpi Punkten je Zoll: ganze Seite wie VorschauEinpassen; Seitenbreite 5 Punkte
// Rand links und rechts, oben 5; in Prozent so groß wie das Blatt auf dem Bildschirm, mittig,
// solange es kleiner als die Tafel ist, sonst 5 Punkte vom Rand.
TVorschauLage VorschauGroesse(const TDruckerMasse& masse, int stufe, int breite, int hoehe,
                              double dpi);
// Die Größe der Lage in Prozent der wirklichen Größe (gerundet).
int VorschauProzent(const TDruckerMasse& masse, const TVorschauLage& lage, double dpi);
// Die nächste Prozentstufe über bzw. unter prozent (für Strg und Mausrad); am Ende bleibt sie.
int VorschauStufeWeiter(int prozent, bool groesser);

// Wohin die Seite n in der Malfläche der Breite breite kommt (Versatz und Druckbereich skaliert).
TRechteck VorschauSeite(const TDruckerMasse& masse, int breite);

// Blättern und Ergebnis der Voransicht.
class TVorschau {
 public:
  explicit TVorschau(int seiten) : fSeiten(seiten) {}
  int Seite() const { return fSeite; }
  int Seiten() const { return fSeiten; }
  // "nächste Seite": wahr mit der nächsten Seite; auf der letzten falsch (schließen, nicht
  // drucken).
  bool Naechste();
  // Eine Seitennummer aus dem Feld; außerhalb 1..Seiten bleibt die Seite.
  void SetzeSeite(int n);

 private:
  int fSeiten;
  int fSeite = 1;
};
