// Befehle der Palette für die Vertretungsplanung.
#include "model/SchulUnit.h"
#include "substitution/KalenderFormUnit.h"
#include "ui/PaletteUnit.h"

void TTamrelPalette::KalenderItemClick() {
  // Über "Wechseln" folgt der gewählte Dialog; von ihnen gibt es bisher nur den Kalender.
  constexpr int kKalender = 6;
  for (;;) {
    TKalenderForm form(this);
    form.IKalenderForm();
    const bool ok = form.exec() == QDialog::Accepted;
    Schule().AlleFensterUpdate();
    StdWahl = ok ? form.fStdWahl : -1;
    if (StdWahl != kKalender) break;
  }
  StdWahl = -1;
}
