#include "ui/HauptfensterUnit.h"

#include "model/DienstUnit.h"
#include "model/ToolsUnit.h"
#include "persistence/StandardSpeicherUnit.h"
#include "settings/StandardUnit.h"

int PaletteKoordinate(int wert, int grenze) {
  return (wert < 0 || wert > grenze - 50) ? 0 : wert;
}

bool EinstellungenSichern(int links, int oben) {
  TStandard& s = Standard();
  s.fPaletteLinks = links;
  s.fPaletteTop = oben;
  if (SaveStandard(s, Speicher())) return true;
  Dialog().Meldung("Einstellungen",
                   {"Die Einstellungen konnten nicht gespeichert werden.",
                    "Die Änderungen dieser Sitzung an den Voreinstellungen gehen verloren."},
                   TMeldungsArt::Fehler);
  return false;
}
