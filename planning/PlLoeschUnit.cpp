#include "planning/PlLoeschUnit.h"

#include <algorithm>

#include "model/KursUnit.h"
#include "model/RaumUnit.h"
#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"

namespace {

std::vector<TElement*> Liste(int radio) {
  if (radio < 1 || radio > 5) return {};
  return Schule().Elemente(PlLoeschArt(radio));
}

int Position(const std::vector<TElement*>& liste, const TElement* e) {
  const auto it = std::find(liste.begin(), liste.end(), e);
  return it == liste.end() ? -1 : static_cast<int>(it - liste.begin());
}

// Die Warnung vor dem Aufräumen der Räume; wahr bei "Ok".
bool Warnung(std::vector<std::string> zeilen) {
  return Dialog().Frage("Warnung", std::move(zeilen), TMeldungsArt::Warnung, {"Ok", "Abbrechen"}, 0,
                        1) == 0;
}

}  // namespace

TKuerzelArt PlLoeschArt(int radio) {
  switch (radio) {
    case 1:
      return leh;
    case 2:
      return kla;
    case 3:
      return kop;
    case 4:
      return fac;
    default:
      return rau;
  }
}

std::vector<TKurs*> PlLoeschKurse(int radio, const TElement* von, const TElement* bis) {
  if (radio == 0) return Schule().fKursMenge.Kopie();
  const std::vector<TElement*> liste = Liste(radio);
  const int a = Position(liste, von), b = Position(liste, bis);
  std::vector<TKurs*> kurse;
  if (a < 0 || b < 0) return kurse;
  for (int i = a; i <= b; ++i)
    for (TKurs* k : liste[static_cast<std::size_t>(i)]->fKurse) kurse.push_back(k);
  return kurse;
}

void PlaeneLoeschen(const TWochBereich& zellen, int radio, const TElement* von,
                    const TElement* bis) {
  TBeschaeftigt sanduhr;
  Dialog().MeldungsFensterZeigen("Die Pläne werden gelöscht.");
  const TStandard& st = Standard();
  const int woche = st.fAktuelleWoche;
  for (TKurs* k : PlLoeschKurse(radio, von, bis)) {
    if (!st.fPlLoeMitKopp && k->fKopplung) continue;
    for (TSetzung* s : k->fSetzungen.Kopie()) {
      if (!zellen.GetWocheTagStd(woche, s->fTag, s->fStunde)) continue;
      if (st.fEineWoche && s->fWoche != woche) continue;
      if (st.fPlLoeFixNicht && s->fFixiert) continue;
      k->SetzungEntfernen(s);
    }
  }
  Dialog().MeldungsFensterSchliessen();
}

TElement* VonWahl(int radio, TElement* gewaehlt, TElement* bis) {
  const std::vector<TElement*> liste = Liste(radio);
  if (bis && Position(liste, gewaehlt) > Position(liste, bis)) return bis;
  return gewaehlt;
}

TElement* BisWahl(int radio, TElement* gewaehlt, TElement* von) {
  const std::vector<TElement*> liste = Liste(radio);
  if (von && Position(liste, gewaehlt) < Position(liste, von)) return von;
  return gewaehlt;
}

TElement* ErstesElement(int radio) {
  const std::vector<TElement*> liste = Liste(radio);
  return liste.empty() ? nullptr : liste.front();
}

TElement* LetztesElement(int radio) {
  const std::vector<TElement*> liste = Liste(radio);
  return liste.empty() ? nullptr : liste.back();
}

bool UnbelegteRaeumeLoeschen() {
  if (!Warnung({"Lösche in allen Deputaten", "diejenigen Räume, die in den",
                "Plänen nicht benutzt wurden."}))
    return false;
  UnbelegteRaeumeEntfernen();
  return true;
}

bool ErgaenzteRaeumeLoeschen() {
  if (!Warnung({"Lösche in allen Plänen und", "Deputaten diejenigen Räume,",
                "die später in den Plänen", "eingetragen wurden."}))
    return false;
  ErgaenzteRaeumeEntfernen();
  return true;
}

void UnbelegteRaeumeEntfernen() {
  TBeschaeftigt sanduhr;
  Dialog().MeldungsFensterZeigen("Die unverplanten Räume werden gelöscht.");
  TSchule& schule = Schule();
  if (schule.fKursDepForm) schule.fKursDepForm->Schliessen();
  for (TKurs* k : schule.fKursMenge.Kopie()) {
    std::vector<const TRaum*> benutzt;
    for (const TSetzung* s : k->fSetzungen)
      if (s->fRaum) benutzt.push_back(s->fRaum);
    for (TRaum* r : k->fRaeume.Kopie())
      if (std::find(benutzt.begin(), benutzt.end(), r) == benutzt.end()) k->RaumEntfernen(r);
  }
  Dialog().MeldungsFensterSchliessen();
}

void ErgaenzteRaeumeEntfernen() {
  TBeschaeftigt sanduhr;
  Dialog().MeldungsFensterZeigen("Die später ergänzten Räume werden gelöscht.");
  for (TKurs* k : Schule().fKursMenge.Kopie()) {
    // Einmal über eine Kopie, dann ist die Liste leer: ein Raum, der in fRaeume fehlt, hält
    // die Schleife nicht fest.
    for (TRaum* r : k->fRaumErgaenzt.Kopie()) k->RaumEntfernen(r);
    if (!k->fRaumErgaenzt.empty()) {
      k->fRaumErgaenzt.ListeLeeren();
      SchuleGeaendert();
    }
  }
  Dialog().MeldungsFensterSchliessen();
}
