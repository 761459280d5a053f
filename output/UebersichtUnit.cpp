#include "output/UebersichtUnit.h"

#include <algorithm>

#include "model/KlassenUnit.h"
#include "model/KursUnit.h"
#include "model/LehrerUnit.h"
#include "model/RaumUnit.h"
#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"
#include "planning/PlanGestenUnit.h"
#include "output/PlanTextUnit.h"

namespace {
constexpr const char* kZeilenEnde = "\r\n";
}  // namespace

int UebZeile(int tag, int std, int stunden) {
  return (tag - 1) * stunden + std;
}

std::pair<int, int> UebTagStd(int zeile, int stunden) {
  if (stunden < 1 || zeile < 1) return {0, 0};
  return {(zeile - 1) / stunden + 1, (zeile - 1) % stunden + 1};
}

TKurs* TUebersicht::Kurs(int spalte, int zeile) const {
  if (spalte < 1 || spalte > Spalten() || zeile < 1 || zeile > Zeilen()) return nullptr;
  const auto [t, h] = UebTagStd(zeile, Stunden);
  return Plaene[static_cast<std::size_t>(spalte - 1)].Kurs(t, h);
}

bool TUebersicht::Gesperrt(int spalte, int zeile) const {
  if (spalte < 1 || spalte > Spalten() || zeile < 1 || zeile > Zeilen()) return false;
  const auto [t, h] = UebTagStd(zeile, Stunden);
  return Plaene[static_cast<std::size_t>(spalte - 1)].Gesperrt(t, h);
}

std::vector<TPlanElement*> UebElemente(TKuerzelArt art) {
  std::vector<TPlanElement*> v;
  if (!SchuleVorhanden()) return v;
  const TSchule& s = Schule();
  switch (art) {
    case leh:
      for (TLehrer* e : s.fLehrerMenge) v.push_back(e);
      break;
    case kla:
      for (TKlasse* e : s.fKlassenMenge) v.push_back(e);
      break;
    case rau:
      for (TRaum* e : s.fRaumMenge) v.push_back(e);
      break;
    default:
      break;
  }
  return v;
}

TUebersicht UebersichtFuellen(TKuerzelArt art, int woche, int tage, int stunden) {
  TUebersicht ueb;
  ueb.Art = art;
  ueb.Woche = woche;
  ueb.Tage = std::clamp(tage, 1, MaxTage);
  ueb.Stunden = std::clamp(stunden, 1, MaxStunden);
  ueb.Elemente = UebElemente(art);
  ueb.Plaene.reserve(ueb.Elemente.size());
  for (TPlanElement* e : ueb.Elemente)
    ueb.Plaene.push_back(PlanFuellen(*e, woche, ueb.Tage, ueb.Stunden));
  return ueb;
}

TUebersicht UebersichtFuellen(TKuerzelArt art) {
  const TStandard& s = Standard();
  return UebersichtFuellen(art, s.fAktuelleWoche, s.fMaxTageNeu, s.fPlnStd);
}

std::string UebersichtAlsText(const TUebersicht& ueb, bool schalterO, bool kopplungsZeilen) {
  const TStandard& s = Standard();
  const int w = ueb.Woche;
  const bool gueltigeWoche = w >= 1 && w <= MaxWochen;
  std::string text;
  for (const TPlanElement* e : ueb.Elemente) text += '\t' + e->fKuerzel.str();
  text += kZeilenEnde;
  std::vector<TTextZelle> zellen(ueb.Elemente.size());
  for (int z = 1; z <= ueb.Zeilen(); ++z) {
    const auto [t, h] = UebTagStd(z, ueb.Stunden);
    text += s.fTagBez[t].str() + ' ';
    if (gueltigeWoche) text += s.fStdBez[w][h].str();
    for (int c = 1; c <= ueb.Spalten(); ++c)
      zellen[static_cast<std::size_t>(c - 1)] = {ueb.Kurs(c, z), t, h};
    text += PlanZeilenText(ueb.Art, w, zellen, schalterO, kopplungsZeilen);
  }
  return U8(text);
}

TUebKopf UebKopfBauen(const TPlanElement& element) {
  TUebKopf k;
  const int rest = element.RestStd();
  const int spring = element.SpringStd();
  k.Kuerzel = U8(element.fKuerzel.str());
  k.Rest = " [" + ZahlText(rest) + "]";
  k.Abstand = k.Kuerzel + k.Rest + " ";
  k.Spring = "[" + ZahlText(spring) + "]";
  k.RestRot = rest > 0;
  k.SpringRot = spring > 0;
  return k;
}

std::vector<std::pair<int, int>> UebProbeZellen(const TUebersicht& ueb, int spalte, int zeile,
                                                bool ohneRaum) {
  std::vector<std::pair<int, int>> zellen;
  if (zeile < 1 || zeile > ueb.Zeilen()) return zellen;
  const auto [tag, std] = UebTagStd(zeile, ueb.Stunden);
  std::vector<TKursZelle> kandidaten;
  std::vector<std::pair<int, int>> orte;
  for (int z = 1; z <= ueb.Zeilen(); ++z)
    for (int c = 1; c <= ueb.Spalten(); ++c)
      if (TKurs* k = ueb.Kurs(c, z)) {
        const auto [t, h] = UebTagStd(z, ueb.Stunden);
        kandidaten.push_back({k, t, h});
        orte.emplace_back(c, z);
      }
  const std::vector<bool> passt =
      ProbeKandidaten(ueb.Kurs(spalte, zeile), tag, std, kandidaten, ueb.Woche, ohneRaum);
  for (std::size_t i = 0; i < orte.size(); ++i)
    if (passt[i]) zellen.push_back(orte[i]);
  return zellen;
}

std::vector<int> UebRechtsZeilen(const TKurs& kurs, int woche, int tage, int stunden) {
  std::vector<int> zeilen;
  for (int t = 1; t <= tage; ++t)
    for (int h = 1; h <= stunden; ++h)
      if (!kurs.fSetzungUnmoeglich.GetWocheTagStd(woche, t, h))
        zeilen.push_back(UebZeile(t, h, stunden));
  return zeilen;
}

void ErzeugeRechtsUebMenu(TMenue& menue, TPlanElement& element) {
  // Ohne Element wählt der Eintrag das aktive Fenster, also die Übersicht, nicht das Planfenster.
  for (TKurs* k : element.fKurse.Kopie()) k->ErzeugeRechtsMenu(menue, nullptr);
}

void ErzeugeRaumUeberSetzMenu(TMenue& menue, TKurs& kurs, const std::vector<int>& zeilen,
                              int stunden) {
  std::vector<std::pair<int, int>> zellen;
  for (int z : zeilen) zellen.push_back(UebTagStd(z, stunden));
  kurs.ErzeugeRaumSetzMenu(menue, zellen);
}
