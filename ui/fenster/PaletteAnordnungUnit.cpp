// Die Palette und die Anordnung der Fenster.
#include <QWidget>

#include "model/SchulUnit.h"
#include "ui/fenster/FensterOrdFormUnit.h"
#include "ui/FensterOrdUnit.h"
#include "ui/fenster/PaletteUnit.h"
#include "ui/fenster/QtFensterPlatzUnit.h"

void TTamrelPalette::AnordnungItemClick() {
  TFensterOrdForm dialog(this);
  if (fDialogLauf)
    fDialogLauf(dialog);
  else
    dialog.exec();
  if (dialog.result() == QDialog::Accepted) FensterUmordnen();
}

void TTamrelPalette::FensterUmordnen() {
  raise();
  if (!SchuleVorhanden()) return;
  // Eine Momentaufnahme: Fenster, die beim Nach-vorn-Holen reagieren, ändern die Liste nicht.
  const std::vector<TFenster*> fenster = Schule().fFensterListe;
  int i = 1;
  for (TFenster* f : fenster) {
    auto* w = dynamic_cast<QWidget*>(f);
    if (w && Schule().FensterOffen(f) && WirdAngeordnet(f->FensterArt()))
      PositioniereFenster(*w, i);
    ++i;
  }
}
