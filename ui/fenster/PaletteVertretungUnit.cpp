// Befehle der Palette für die Vertretungsplanung.
#include "model/SchulUnit.h"
#include "substitution/fenster/KalenderFormUnit.h"
#include "ui/fenster/PaletteUnit.h"

void TTamrelPalette::KalenderItemClick() {
  // Über "Wechseln" folgt der gewählte Dialog.
  VoreinstellungItemClick("Kalender");
}
