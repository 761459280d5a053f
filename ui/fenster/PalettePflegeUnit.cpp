// Die Befehle der Prüfungen und der Pflege der Pläne in der Palette.
#include <QAction>
#include <algorithm>

#include "model/SchulUnit.h"
#include "planning/PlLoeschUnit.h"
#include "planning/PruefUnit.h"
#include "ui/fenster/FehlerFormUnit.h"
#include "ui/fenster/KompFormUnit.h"
#include "ui/fenster/PaletteUnit.h"
#include "ui/fenster/ParFormUnit.h"
#include "ui/fenster/PlLoeschFormUnit.h"
#include "ui/fenster/SVFormUnit.h"

void TTamrelPalette::PruefenItemClick(int art) {
  const auto pruefung = static_cast<TPruefArt>(art);
  // Nur die Konsistenzprüfung ändert Daten (ihre Ausbesserungen).
  std::optional<TDirtyBewahrer> bewahrer;
  if (pruefung != TPruefArt::Konsistenz) bewahrer.emplace();
  const TFehlerArt stufe =
      Pruefe(pruefung, Schule(), [](const std::string& zeile) { TFehlerForm::NeuerFehler(zeile); });
  PruefErgebnisZeigen(stufe);
  AktualisierePalette();
}

void TTamrelPalette::PlaeneLoeschenItemClick() {
  TPlLoeschForm form(this);
  form.exec();
  AktualisierePalette();
}

void TTamrelPalette::KomprimierenItemClick() {
  KomprimierenBefehl(this);
  AktualisierePalette();
}

void TTamrelPalette::StundenverteilungItemClick() {
  TSVForm::ZeigeSVForm();
  AktualisierePalette();
}

void TTamrelPalette::RaeumeLoeschenItemClick(bool ergaenzt) {
  if (ergaenzt)
    ErgaenzteRaeumeLoeschen();
  else
    UnbelegteRaeumeLoeschen();
  AktualisierePalette();
}
