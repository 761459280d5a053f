// Die Palette und die Dialoge der Voreinstellungen.
#include <QDialog>
#include <utility>

#include "model/SchulUnit.h"
#include "settings/fenster/StandardFormUnit.h"
#include "settings/StandardUnit.h"
#include "settings/VoreinstellungUnit.h"
#include "substitution/fenster/KalenderFormUnit.h"
#include "ui/fenster/AuTabFormUnit.h"
#include "ui/fenster/PaletteUnit.h"

namespace {

// Einen Dialog ausführen: modal, oder wie ein Test es will.
void Lauf(QDialog& d, const std::function<void(QDialog&)>& lauf) {
  if (lauf)
    lauf(d);
  else
    d.exec();
}

}  // namespace

void TTamrelPalette::VoreinstellungItemClick(const std::string& eintrag) {
  // Die Folge über "Wechseln": jeder Dialog nennt den nächsten, bis einer ohne Wechsel schließt.
  std::vector<std::string> uebernommen;
  std::string naechster = eintrag;
  while (!naechster.empty()) {
    const std::string jetzt = std::exchange(naechster, std::string());
    switch (WechselDialog(jetzt)) {
      case TWechselDialog::Standard: {
        const std::vector<std::string> u =
            VoreinstellungZeigen(jetzt, this, fDialogLauf, &naechster);
        uebernommen.insert(uebernommen.end(), u.begin(), u.end());
        break;
      }
      case TWechselDialog::Kalender: {
        TKalenderForm form(this);
        form.IKalenderForm();
        Lauf(form, fDialogLauf);
        // Nach dem Kalender alle Fenster neu, auch nach "Abbrechen".
        Schule().AlleFensterUpdate();
        if (form.result() == QDialog::Accepted) naechster = WechselEintrag(form.fStdWahl);
        break;
      }
      case TWechselDialog::Automatik: {
        TAuTabForm form(this);
        Lauf(form, fDialogLauf);
        if (form.result() == QDialog::Accepted) naechster = form.WechselZiel();
        break;
      }
      case TWechselDialog::Keiner:
        break;
    }
    StdWahl = naechster.empty() ? -1 : WechselIndex(naechster);
  }
  StdWahl = -1;
  if (uebernommen.empty()) return;
  // Eckdaten ändern die Anordnung der Knöpfe und die Zahl der Planversionen; der Hintergrund
  // nimmt seine Farbe an und kommt oder geht, mit ihm werden alle Fenster neu angeordnet.
  for (const std::string& e : uebernommen)
    if (e == "Eckdaten") {
      AendereForm();
      HintergrundAnpassen();
      if (Standard().fHintergrundAn) FensterUmordnen();
      break;
    }
  AktualisierePalette();
}
