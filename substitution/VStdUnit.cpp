#include "substitution/VStdUnit.h"

#include "model/SchulUnit.h"

std::int32_t& VStdKonto(TLehrer& lehrer, int tabelle) {
  return tabelle == 2 ? lehrer.fVStunden2 : lehrer.fVStunden1;
}

std::vector<TVStdZeile> VStdZeilen(int tabelle) {
  std::vector<TVStdZeile> zeilen;
  for (TLehrer* l : Schule().fLehrerMenge)
    zeilen.push_back({l, U8(l->fKuerzel.str()), StundenText(VStdKonto(*l, tabelle))});
  return zeilen;
}

void VStdSchritt(TLehrer& lehrer, int tabelle, int schritt) {
  if (schritt == 0) return;
  VStdKonto(lehrer, tabelle) += schritt;
  Schule().SetDirty(true);
}

bool VStdRuecksetzen(TLehrer* gewaehlt, int tabelle) {
  std::vector<std::string> knoepfe = {"Abbrechen", "Alle Lehrer"};
  if (gewaehlt) knoepfe.push_back(U8(gewaehlt->fKuerzel.str()));
  const int antwort =
      Dialog().Frage("Rücksetzen", {"Setze die vertretenen Stunden", "auf Null für ..."},
                     TMeldungsArt::Frage, std::move(knoepfe), 0, 0);
  std::vector<TLehrer*> ziel;
  if (antwort == 1)
    for (TLehrer* l : Schule().fLehrerMenge) ziel.push_back(l);
  else if (antwort == 2 && gewaehlt)
    ziel.push_back(gewaehlt);
  else
    return false;
  bool geaendert = false;
  for (TLehrer* l : ziel) {
    std::int32_t& konto = VStdKonto(*l, tabelle);
    if (konto != 0) geaendert = true;
    konto = 0;
  }
  if (geaendert) Schule().SetDirty(true);
  return true;
}
