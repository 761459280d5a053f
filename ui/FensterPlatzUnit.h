// Wo ein neues Fenster erscheint: die Kaskaden der vier Anordnungen ("Fensteranordnung"), ohne
// Fenster gerechnet. ui/QtFensterPlatzUnit wendet das Ergebnis an.
#pragma once

#include <optional>

struct TRechteck {
  int Links = 0;
  int Oben = 0;
  int Breite = 0;
  int Hoehe = 0;
};

struct TPunkt {
  int X = 0;
  int Y = 0;
  friend bool operator==(const TPunkt&, const TPunkt&) = default;
};

// Die linke obere Ecke des Formulars mit dem Index i in der Liste der offenen Formulare (die
// Palette ist 0) für die Anordnung modus (1 eine Kaskade, 2 zwei nebeneinander, 3 zwei
// untereinander, 4 vier in den Vierteln). arbeit: der Arbeitsbereich des Bildschirms; palette:
// die Lage des Hauptfensters; schalter: seine Knopfanordnung (fPaletteSchalter, 0..6). Nichts
// bei einem anderen Modus.
std::optional<TPunkt> FensterPlatz(int i, int modus, const TRechteck& arbeit,
                                   const TRechteck& palette, int schalter);

// Der Teil des Arbeitsbereichs, den die Palette frei lässt: der größte der Streifen unter,
// über, rechts und links von ihr (bei gleicher Größe der untere). Liegt die Palette nicht im
// Arbeitsbereich, ist er ganz frei.
TRechteck FreierBereich(const TRechteck& arbeit, const TRechteck& palette);

// Die linke obere Ecke eines neuen Dialogs (breite × hoehe mit Rahmen): zentriert über dem
// Fenster "ueber", das ihn öffnete (nichts oder die Palette: über dem freien Bereich), und dann
// in den freien Bereich geschoben; passt er dort nicht hinein, beginnt er an dessen linkem oder
// oberen Rand. Nie links oder oben außerhalb des Arbeitsbereichs.
TPunkt DialogPlatz(int breite, int hoehe, const std::optional<TRechteck>& ueber,
                   const TRechteck& arbeit, const TRechteck& palette);

// Ein gespeicherter Platz (linke obere Ecke mit Rahmen), so weit verschoben, dass das Fenster
// im freien Bereich neben der Palette liegt, soweit es hineinpasst.
TPunkt FreierPlatz(const TPunkt& p, int breite, int hoehe, const TRechteck& arbeit,
                   const TRechteck& palette);

// Die linke obere Ecke eines neuen Fensters ohne eigene Lage: oben links im freien Bereich,
// nach Möglichkeit ganz darin.
TPunkt FensterStart(int breite, int hoehe, const TRechteck& arbeit, const TRechteck& palette);
