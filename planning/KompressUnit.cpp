#include "planning/KompressUnit.h"

#include <algorithm>

#include "model/KursUnit.h"
#include "model/LehrerUnit.h"
#include "model/RaumUnit.h"
#include "model/SchulUnit.h"
#include "planning/SetzungAnzeigeUnit.h"
#include "planning/SetzungUnit.h"
#include "planning/UndoUnit.h"
#include "settings/StandardUnit.h"

namespace {

constexpr int kMaxTiefe = 7;

int Tage() {
  return std::clamp(Standard().fMaxTageNeu, 1, MaxTage);
}

bool HatStunde(const TKurs& k, int w, int t, int h) {
  return h >= 1 && h <= 16 && k.fBesetzung.GetWocheTagStd(w, t, h);
}

// Die Wochen, die ein Lauf bearbeitet.
std::vector<int> LaufWochen() {
  const TStandard& st = Standard();
  if (st.fEineWoche) return {st.fAktuelleWoche};
  std::vector<int> w;
  for (int i = 1; i <= st.fMaxWocheNeu; ++i) w.push_back(i);
  return w;
}

}  // namespace

void SetzungVersetzen(TKurs& kurs, TSetzung& setzung, int tag, int std) {
  const int w = setzung.fWoche, t0 = setzung.fTag, h0 = setzung.fStunde;
  if (t0 == tag && h0 == std) return;
  TRaum* raum = setzung.fRaum;
  setzung.fTag = tag;
  setzung.fStunde = std;
  kurs.fBesetzung.SetWocheTagStd(w, t0, h0, kurs.SetzungFinden(w, t0, h0) != nullptr);
  kurs.fBesetzung.SetWocheTagStd(w, tag, std, true);
  // Lehrer und Raum bleiben in der alten Zelle belegt, solange ein anderer Kurs dort liegt (doppelt
  // belegt nach einem Import oder "Trotzdem").
  if (TLehrer* l = kurs.fLehrer) {
    l->fBesetzung.SetWocheTagStd(w, t0, h0, l->FindeKurs(w, t0, h0) != nullptr);
    l->fBesetzung.SetWocheTagStd(w, tag, std, true);
    l->MerkeZeit();
  }
  for (TKlasse* k : kurs.fKlassen) {
    k->fBesetzung.SetWocheTagStd(w, t0, h0, k->FindeKurs(w, t0, h0) != nullptr);
    k->fBesetzung.SetWocheTagStd(w, tag, std, true);
    k->MerkeZeit();
  }
  if (raum) {
    raum->fBesetzung.SetWocheTagStd(w, t0, h0, raum->FindeKurs(w, t0, h0) != nullptr);
    raum->fBesetzung.SetWocheTagStd(w, tag, std, true);
    raum->MerkeZeit();
  }
  ZeigeEntfernteSetzung(&kurs, w, t0, h0, raum);
  ZeigeNeueSetzung(&kurs, w, tag, std, raum);
  kurs.PlanRefresh();
  kurs.FensterRefresh();
  SchuleGeaendert();
}

TKomprimierer::TKomprimierer() {
  TSchule& schule = Schule();
  if (!schule.fKlassenMenge.empty()) NeueKlasse(schule.fKlassenMenge[0]);
}

void TKomprimierer::Zeigen() {
  if (Anzeige) Anzeige();
}

int TKomprimierer::KlassenNr() const {
  return fKlasse ? Schule().fKlassenMenge.ListeElemNr(fKlasse) : 0;
}

int TKomprimierer::KlassenZahl() const {
  return static_cast<int>(Schule().fKlassenMenge.size());
}

std::string TKomprimierer::Fortschritt() const {
  return "Klasse " + std::to_string(KlassenNr()) + " von " + std::to_string(KlassenZahl());
}

std::vector<std::string> TKomprimierer::Zusammenfassung() const {
  return {"Verschobene Stunden: " + std::to_string(fVerschoben),
          "Hohlstunden vorher: " + std::to_string(fHohlVorher),
          "Hohlstunden nachher: " + std::to_string(fHohlNachher)};
}

int TKomprimierer::HohlSumme() {
  int summe = 0;
  int maxim = 0;
  TTagFeld maximum{};
  for (const TKlasse* k : Schule().fKlassenMenge)
    for (int w : LaufWochen()) summe += k->HohlStunden(w, maxim, maximum);
  return summe;
}

void TKomprimierer::NeueKlasse(TKlasse* klasse) {
  fKlasse = klasse;
  fVersion = 1;
  fHohl = fKlasse ? fKlasse->HohlStunden(1, fMaxim, fMaximum) : 0;
  Zeigen();
  Dialog().EingabenVerarbeiten();
}

void TKomprimierer::NeueVersion(int version) {
  fVersion = version;
  fHohl = fKlasse ? fKlasse->HohlStunden(fVersion, fMaxim, fMaximum) : 0;
  Zeigen();
  Dialog().EingabenVerarbeiten();
}

void TKomprimierer::Start() {
  TSchule& schule = Schule();
  if (!fKlasse || fLaeuft) return;
  fLaeuft = true;
  fHohlVorher = HohlSumme();
  TKlasse* start = fKlasse;
  while (!fAbbruch) {
    for (int w : LaufWochen()) KompressKlasse(w);
    Dialog().EingabenVerarbeiten();
    if (fAbbruch) break;
    const int nr = schule.fKlassenMenge.ListeElemNr(fKlasse);
    TKlasse* naechste =
        nr <= 0 || nr >= KlassenZahl() ? schule.fKlassenMenge[0] : schule.fKlassenMenge[nr];
    NeueKlasse(naechste);
    if (fKlasse == start) fAbbruch = true;
  }
  fHohlNachher = HohlSumme();
  fLaeuft = false;
}

void TKomprimierer::KompressKlasse(int woche) {
  if (fAbbruch || !fKlasse) return;
  if (fVersion != woche) NeueVersion(woche);
  fNext = false;
  for (int d = 1; d <= Tage() && !fAbbruch; ++d) {
    const int maxim = fMaxim;
    for (int h = maxim - 1; h >= 1 && !fAbbruch; --h) {
      if (fKlasse->fBesetzung.GetWocheTagStd(woche, d, h) ||
          fKlasse->fSperrung.GetWocheTagStd(woche, d, h))
        continue;
      fErfolgreich = false;
      fKette.clear();
      FuelleLuecke(1, d, h);
      if (!fErfolgreich) continue;
      // Die Kette bleibt: jede Stunde bucht von ihrer ersten Zelle in die letzte, wie es
      // Entfernen und neues Setzen tun (Vertretungen der alten Zelle gehen, Abwesenheiten der
      // neuen Zelle bekommen ihre Vertretung, fehlende Klassen buchen den Ausfall um); sie bleibt
      // dieselbe Setzung. Eine Stunde, die in der Kette mehrmals wanderte, zählt und bucht einmal.
      // Der erste Zug einer Stunde nennt ihre Zelle vor der Kette.
      std::vector<TZug> stunden;
      for (const TZug& z : fKette)
        if (std::none_of(stunden.begin(), stunden.end(),
                         [&z](const TZug& s) { return s.setzung == z.setzung; }))
          stunden.push_back(z);
      // "Widerrufen" kennt je Stunde die Zelle davor (weg) und die danach (hin): erst alle
      // Stunden der Kette fort, dann alle an ihren alten Platz, ohne je eine Zelle doppelt.
      TManuellProtokoll* protokoll = Merken() ? ManuellProtokoll() : nullptr;
      {
        TOhneMerken ohne;
        for (const TZug& z : stunden) {
          if (protokoll)
            protokoll->MerkeZelle(z.kurs, TUndoArt::weg, z.setzung->fWoche, z.vonTag, z.vonStd,
                                  z.setzung->fRaum, z.setzung->fFixiert);
          VertretungenUmziehen(z.kurs, z.setzung, z.vonTag, z.vonStd);
        }
      }
      if (protokoll)
        for (const TZug& z : stunden) protokoll->Merke(z.kurs, z.setzung, TUndoArt::hin);
      fKette = std::move(stunden);
      fVerschoben += static_cast<int>(fKette.size());
      fKette.clear();
      fHohl = fKlasse->HohlStunden(woche, fMaxim, fMaximum);
      Zeigen();
      Dialog().EingabenVerarbeiten();
    }
  }
}

void TKomprimierer::FuelleLuecke(int tiefe, int tag, int std) {
  const int tage = Tage();
  for (int qh = 16; qh >= 1; --qh)
    for (int qt = 1; qt <= tage; ++qt) {
      if (fAbbruch) return;
      if (const auto [kurs, s] = KannVerschieben(tag, std, qt, qh); kurs) {
        SetzungVersetzen(*kurs, *s, tag, std);
        fKette.push_back({kurs, s, qt, qh});
        if (qh == fMaximum[static_cast<std::size_t>(qt - 1)])
          fErfolgreich = true;
        else if (tiefe < kMaxTiefe)
          FuelleLuecke(tiefe + 1, qt, qh);
        if (!fErfolgreich) {
          // Zurück an den alten Platz, als dieselbe Stunde.
          SetzungVersetzen(*kurs, *s, qt, qh);
          fKette.pop_back();
        }
      }
      Dialog().EingabenVerarbeiten();
      if (fErfolgreich || fAbbruch || fNext) return;
    }
}

std::pair<TKurs*, TSetzung*> TKomprimierer::KannVerschieben(int zielTag, int zielStd, int quellTag,
                                                            int quellStd) const {
  const int w = fVersion;
  const TStandard& st = Standard();
  if (!fKlasse->fBesetzung.GetWocheTagStd(w, quellTag, quellStd)) return {};
  const auto [kurs, s] = fKlasse->FindeKursSetzung(w, quellTag, quellStd);
  if (!kurs || !s) return {};
  if (kurs->fKopplung || s->fFixiert) return {};
  // Die Stunde muss am Ziel wieder gesetzt werden können.
  if (kurs->fNichtVerplanen || kurs->RestStunden(w) < 0) return {};
  if (quellTag != zielTag && !st.fKompBruecken &&
      (kurs->fBesetzung.GetWocheTag(w, zielTag) & 0xFFFFu) != 0)
    return {};
  if (!st.fKompMehrfach &&
      (HatStunde(*kurs, w, quellTag, quellStd - 1) || HatStunde(*kurs, w, quellTag, quellStd + 1)))
    return {};
  if (!kurs->SetzungPossible(w, zielTag, zielStd, s->fRaum)) return {};
  return {kurs, s};
}

TKomprimierer KomprimiereAlles() {
  TKomprimierer k;
  k.Start();
  return k;
}
