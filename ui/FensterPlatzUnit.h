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
