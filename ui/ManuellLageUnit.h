// Wo das Manuellfenster liegt und wie seine Plantafeln angeordnet sind, ohne Fenster gerechnet.
#pragma once

#include "ui/FensterPlatzUnit.h"

// Der größte Teil des Arbeitsbereichs neben der Palette (darunter, darüber, rechts oder links
// von ihr); liegt die Palette außerhalb, der ganze Arbeitsbereich.
TRechteck ManuellFensterRechteck(const TRechteck& arbeit, const TRechteck& palette);

// Zeile und Spalte der Tafel i (ab 0) in der Anordnung fManArt: "1"; "2 hoch" nebeneinander;
// "2 quer" untereinander; "3 hoch" nebeneinander; "3 quer" untereinander; "4" zwei mal zwei.
struct TTafelPlatz {
  int Zeile = 0;
  int Spalte = 0;
  friend bool operator==(const TTafelPlatz&, const TTafelPlatz&) = default;
};
TTafelPlatz ManTafelPlatz(int manArt, int i);
