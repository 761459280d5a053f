// Die Palette und die Dialoge der Voreinstellungen.
#include <QDialog>

#include "model/SchulUnit.h"
#include "settings/StandardFormUnit.h"
#include "settings/StandardUnit.h"
#include "ui/PaletteUnit.h"

void TTamrelPalette::VoreinstellungItemClick(const std::string& eintrag) {
  const std::vector<std::string> uebernommen = VoreinstellungZeigen(eintrag, this, fDialogLauf);
  if (uebernommen.empty()) return;
  // Eckdaten ändern die Anordnung der Knöpfe und die Zahl der Planversionen; mit Hintergrund
  // werden danach alle Fenster neu angeordnet.
  for (const std::string& e : uebernommen)
    if (e == "Eckdaten") {
      AendereForm();
      if (Standard().fHintergrundAn) FensterUmordnen();
      break;
    }
  AktualisierePalette();
}
