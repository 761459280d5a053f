#include "planning/AutomatUnit.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <optional>

#include "model/DienstUnit.h"
#include "model/KopplUnit.h"
#include "model/KursUnit.h"
#include "model/LehrerUnit.h"
#include "model/RaumUnit.h"
#include "planning/AutomatBewertungUnit.h"
#include "planning/AutomatRaumUnit.h"
#include "settings/StandardUnit.h"

struct TAutomat::TEntnommen {
  TKurs* kurs;
  int tag;
  int std;
  TRaum* raum;
  bool fixiert;
};

namespace {
constexpr std::uint32_t kGanzerTag = 0xFFFFu;  // Stunden 1..16

int PlanTage() {
  return std::clamp(Standard().fMaxTageNeu, 1, MaxTage);
}

// Stunden des Rasters: keine Stunde hinter fPlnStd, dort zeigt sie kein Plan.
int PlanStunden() {
  return std::clamp(Standard().fPlnStd, 1, MaxStunden);
}

std::uint32_t Wort(const TWochBereich& b, int w, int t) {
  return b.GetWocheTag(w, t) & kGanzerTag;
}

// Offene Stunden der Arbeitswoche; ein überplanter Kurs hat nichts offen.
int Offen(const TKurs* k) {
  return std::max(0, k->RestStunden(-1));
}

int Tabelle(const TKurs& k) {
  return std::clamp(k.fTabellenNr, 1, 4);
}

int TagDerZelle(int eintrag) {
  return (eintrag - 1) % 7 + 1;
}
int StundeDerZelle(int eintrag) {
  return (eintrag - 1) / 7 + 1;
}

struct TZelle {
  int tag;
  int std;
};

// Bleibt jede Zelle der Kopplung ganz, wenn die Kopplung des Kurses ihre offenen Stunden der Reihe
// nach in diese Zellen setzt? Gesetzt wird wie in SetzeGekoppelt: jeder zu verplanende Kurs mit
// offenen Stunden, der dort noch nicht liegt und dessen Lehrer frei ist. Ganz heißt: neben jeder
// neuen Stunde liegt jeder Kurs der Kopplung mit mindestens so vielen Stunden der Woche. Ein Kurs,
// der schon ganz liegt (auch erst durch eine frühere Zelle dieses Aufrufs), wird nicht mitgesetzt:
// neben ihm kommt ein offener Kurs nur dorthin, wo er schon liegt. Fehlt ein Kurs nur, weil sein
// Lehrer die Stunde schon in der Kopplung gibt ("Lehrer doppelt in Kopplung"), trennt das nichts;
// ein Kurs "nicht verplanen" zählt nicht (die Automatik setzt ihn nie).
// Die Kurse in abgeben geben vorher je eine Stunde ab (anderswo), sie haben eine offene mehr.
bool KopplungBleibtGanz(const TKurs& kurs, int woche, const std::vector<TZelle>& zellen,
                        const std::vector<TKurs*>& abgeben) {
  if (!kurs.fKopplung) return true;
  const std::vector<TKurs*> kurse = kurs.fKopplung->fKurse.Kopie();
  const std::size_t n = kurse.size();
  std::vector<int> offen(n, 0);
  for (std::size_t i = 0; i < n; ++i) {
    const TKurs* k = kurse[i];
    if (k->fNichtVerplanen) continue;
    offen[i] = std::max(0, k->RestStunden(woche));
    if (std::find(abgeben.begin(), abgeben.end(), k) != abgeben.end()) ++offen[i];
  }
  for (const TZelle& z : zellen) {
    std::vector<bool> da(n, false), neu(n, false), lehrerDoppelt(n, false);
    std::vector<const TLehrer*> lehrer;  // die Lehrer der Kopplung in der Zelle
    for (std::size_t i = 0; i < n; ++i)
      if (kurse[i]->SetzungFinden(woche, z.tag, z.std)) {
        da[i] = true;
        if (kurse[i]->fLehrer) lehrer.push_back(kurse[i]->fLehrer);
      }
    for (std::size_t i = 0; i < n; ++i) {
      const TKurs* k = kurse[i];
      if (da[i] || offen[i] <= 0) continue;
      if (k->fLehrer) {
        if (std::find(lehrer.begin(), lehrer.end(), k->fLehrer) != lehrer.end()) {
          lehrerDoppelt[i] = true;
          continue;
        }
        if (k->fLehrer->fBesetzung.GetWocheTagStd(woche, z.tag, z.std)) continue;
        lehrer.push_back(k->fLehrer);
      }
      neu[i] = true;
      --offen[i];
    }
    for (std::size_t i = 0; i < n; ++i) {
      if (!neu[i]) continue;
      const int stunden = kurse[i]->fStunden.GetWochenStunde(woche);
      for (std::size_t j = 0; j < n; ++j)
        if (!da[j] && !neu[j] && !lehrerDoppelt[j] && !kurse[j]->fNichtVerplanen &&
            kurse[j]->fStunden.GetWochenStunde(woche) >= stunden)
          return false;
    }
  }
  return true;
}

// Hat ein Kurs der Kopplung in der Zelle eine fixierte Stunde?
bool IstFixiertMitKopplung(const TKurs& kurs, int woche, int tag, int std) {
  for (const TKurs* k : kurs.fKopplung->fKurse)
    if (const TSetzung* s = k->SetzungFinden(woche, tag, std); s && s->fFixiert) return true;
  return false;
}
}  // namespace

int Vortag(int tag) {
  return tag <= 1 ? PlanTage() : tag - 1;
}

int Folgetag(int tag) {
  return tag >= PlanTage() ? 1 : tag + 1;
}

TAutomat::TAutomat(TAutomatAnzeige& anzeige) : fAnzeige(anzeige) {}

// --- Sammeln und Ordnen ----------------------------------------------------------------------

void TAutomat::Ergaenzen(std::vector<TKurs*>& liste) const {
  const std::size_t genommen = liste.size();
  for (std::size_t i = 0; i < genommen; ++i) {
    if (!liste[i]->fKopplung) continue;
    for (TKurs* k : liste[i]->fKopplung->fKurse)
      if (!k->fNichtVerplanen && std::find(liste.begin(), liste.end(), k) == liste.end())
        liste.push_back(k);
  }
}

void TAutomat::KurseSammeln(const std::vector<TKurs*>& auswahl) {
  fKurse.clear();
  fRest.clear();
  fVorher.clear();
  fAbbruch = false;
  fDoReihe = false;
  fNichtVerplanbar = 0;
  for (TKurs* k : auswahl)
    if (k && !k->fNichtVerplanen && std::find(fKurse.begin(), fKurse.end(), k) == fKurse.end())
      fKurse.push_back(k);
  // Die Folge der Auswahl (etwa Zellen einer Tabelle) soll nichts entscheiden: Ausgangspunkt
  // ist die Kursreihenfolge, bei gleichen Schlüsseln die Erzeugungsfolge.
  const auto kursFolge = [](const TKurs* a, const TKurs* b) { return KursVergleich(a, b) < 0; };
  const auto summe = [this] {
    std::int64_t t = 0;
    for (const TKurs* k : fKurse) t += Offen(k);
    return t;
  };
  Ergaenzen(fKurse);
  std::stable_sort(fKurse.begin(), fKurse.end(), kursFolge);
  KurseSortieren();
  std::int64_t t = summe();
  const int prozent = Standard().fAuProzent;
  if (prozent < 100 && t > 0) {
    // Die Kurse, bis der Anteil erreicht ist, und einer mehr.
    std::int64_t bisher = 0;
    std::size_t n = 0;
    while (n < fKurse.size() && bisher * 100 / t < prozent) bisher += Offen(fKurse[n++]);
    fKurse.resize(std::min(fKurse.size(), n + 1));
    Ergaenzen(fKurse);
    std::stable_sort(fKurse.begin(), fKurse.end(), kursFolge);
    KurseSortieren();
    t = summe();
  }
  fNochZuSetzen = static_cast<int>(t);
  fMaximum = fNochZuSetzen;
  fPosition = 0;
  Anzeigen();
  fAnzeige.Zustand(TAutomatZustand::Vorbereitet);
}

void TAutomat::KurseSortieren() {
  TBeschaeftigt sanduhr;
  Dialog().MeldungsFensterZeigen("Die Reihenfolge der Setzungen wird berechnet.");
  for (TKurs* k : fKurse) k->fBewertung = 0;
  for (TKurs* k : fKurse)
    if (k->fBewertung == 0) {
      k->BewerteAutomatik(true);
      k->TrageBewertungEin();
    }
  // Höchste Bewertung zuerst; Gleiche behalten ihre Folge.
  std::stable_sort(fKurse.begin(), fKurse.end(),
                   [](const TKurs* a, const TKurs* b) { return a->fBewertung > b->fBewertung; });
  fDoReihe = false;
  Dialog().MeldungsFensterSchliessen();
}

void TAutomat::Anzeigen() {
  fAnzeige.Zaehler(NochZuSetzen(), fNichtVerplanbar);
  fAnzeige.Fortschritt(std::clamp(fPosition, 0, std::max(0, fMaximum)), std::max(0, fMaximum));
}

int TAutomat::Gesetzt() const {
  int n = 0;
  for (const auto& [kurs, vorher] : fVorher) n += kurs->VerplanteStunden(-1) - vorher;
  return n;
}

// --- Rechnen ---------------------------------------------------------------------------------

void TAutomat::TabellenAufbauen() {
  TStandard& st = Standard();
  st.TesteTabelle();  // eine ungültige Tabelle wird durch die Vorgaben ersetzt
  for (int t = 1; t <= 4; ++t) {
    for (int& eintrag : fOrdnung[t]) eintrag = 0;
    for (int h = 1; h <= MaxStunden; ++h)
      for (int d = 1; d <= MaxTage; ++d) {
        const int wert = st.fAuTab[t][h][d];
        const int eintrag = 7 * (h - 1) + d;
        const int ordnung = std::abs(wert);
        if (ordnung >= 1 && ordnung <= 112) fOrdnung[t][ordnung] = wert < 0 ? -eintrag : eintrag;
        fVerbunden[t][d][h] = wert < 0;
      }
  }
}

std::vector<TKurs*> TAutomat::Gruppe(TKurs* kurs) const {
  if (!kurs->fKopplung) return {kurs};
  std::vector<TKurs*> gruppe;
  for (TKurs* k : kurs->fKopplung->fKurse) gruppe.push_back(k);
  return gruppe;
}

TKurs* TAutomat::Hauptkurs(TKurs* kurs) const {
  if (!kurs->fKopplung) return kurs;
  // Der zu verplanende Kurs der Kopplung mit den meisten offenen Stunden; der erste gewinnt.
  TKurs* wahl = nullptr;
  int meiste = 0;
  for (TKurs* k : kurs->fKopplung->fKurse) {
    if (k->fNichtVerplanen) continue;
    const int offen = k->RestStunden(-1);
    if (!wahl || offen > meiste) {
      wahl = k;
      meiste = offen;
    }
  }
  return wahl ? wahl : kurs;
}

void TAutomat::Rechne() {
  fAbbruch = false;
  fAnzeige.Zustand(TAutomatZustand::Rechnend);
  TabellenAufbauen();
  fVorher.clear();
  for (TKurs* k : fKurse) fVorher.emplace_back(k, k->VerplanteStunden(-1));
  const bool offen = fNochZuSetzen > 0;
  while (offen && !fKurse.empty() && !fAbbruch) {
    if (fDoReihe) KurseSortieren();
    TKurs* erster = fKurse.front();
    erster->fBewertung = 0;
    TKurs* kurs = Hauptkurs(erster);
    for (TKurs* k : Gruppe(kurs)) k->fBewertung = 0;
    kurs->BewerteAutomatik(true);
    kurs->TrageBewertungEin();
    const TWochenSpanne wochen = WochenArgument(-1);
    for (int w = wochen.von; w <= wochen.bis; ++w) PlaneWoche(*kurs, w);
    const std::vector<TKurs*> gruppe = Gruppe(kurs);
    for (TKurs* k : gruppe) k->RaumAbgleich();
    for (TKurs* k : gruppe) {
      const auto pos = std::find(fKurse.begin(), fKurse.end(), k);
      if (pos == fKurse.end()) continue;
      const int rest = Offen(k);
      fNichtVerplanbar += rest;
      fNochZuSetzen -= rest;
      fPosition += rest;
      fKurse.erase(pos);
      if (rest > 0) fRest.push_back(k);
    }
    // Der erste Kurs gehört immer zur Gruppe; nie zweimal denselben Kurs rechnen.
    if (!fKurse.empty() && fKurse.front() == erster) fKurse.erase(fKurse.begin());
    Anzeigen();
    fAnzeige.NachKurs();
  }
  if (fNochZuSetzen < 0) fNochZuSetzen = 0;
  Anzeigen();
  fAnzeige.Zustand(TAutomatZustand::Fertig);
}

TNachbessernErgebnis TAutomat::Nachbessern(const TNachbessernGrenze& grenze) {
  std::vector<TKurs*> kurse;
  for (const auto& [kurs, vorher] : fVorher) kurse.push_back(kurs);
  fAnzeige.Zustand(TAutomatZustand::Rechnend);
  TNachbessernErgebnis ergebnis = TNachbesserung(kurse, fAnzeige, fAbbruch).Rechne(grenze);
  // Was jetzt noch offen ist, bleibt nicht verplanbar.
  std::vector<TKurs*> rest;
  for (TKurs* k : fRest)
    if (Offen(k) > 0) rest.push_back(k);
  fNichtVerplanbar = 0;
  for (TKurs* k : kurse) {
    fNichtVerplanbar += Offen(k);
    if (Offen(k) > 0 && std::find(rest.begin(), rest.end(), k) == rest.end()) rest.push_back(k);
  }
  fRest = rest;
  fNochZuSetzen = 0;
  fPosition = fMaximum;
  Anzeigen();
  fAnzeige.Zustand(TAutomatZustand::Fertig);
  return ergebnis;
}

// --- Setzen ----------------------------------------------------------------------------------

bool TAutomat::SetzeEinzeln(TKurs& kurs, int woche, int tag, int std) {
  const bool unmoeglich = kurs.fSetzungUnmoeglich.GetWocheTagStd(woche, tag, std);
  if (!kurs.NeueSetzung(woche, tag, std, nullptr)) return false;
  if (unmoeglich) fAnzeige.Piep();
  --fNochZuSetzen;
  ++fPosition;
  if (fNochZuSetzen % std::max(1, Standard().fAuStd) == 0) fDoReihe = true;
  kurs.fSetzungUnmoeglich.SetWocheTagStd(woche, tag, std, true);
  Anzeigen();
  return true;
}

void TAutomat::GibRaum(TKurs& kurs, int woche, int tag, int std) {
  TSetzung* s = kurs.SetzungFinden(woche, tag, std);
  if (!s || s->fRaum) return;
  if (TRaum* r = kurs.FreierRaum(woche, tag, std)) kurs.AendereRaumInSetzung(s, r);
}

void TAutomat::SetzeGekoppelt(TKurs& kurs, int woche, int tag, int std) {
  const bool raumUnwichtig = Standard().fAuRaumUnwichtig;
  std::vector<TKurs*> gesetzt;
  for (TKurs* k : kurs.fKopplung->fKurse.Kopie()) {
    if (k->fNichtVerplanen || k->RestStunden(woche) <= 0) continue;
    // Ein Lehrer gibt nur eine Stunde zugleich: hat er zwei Kurse der Kopplung ("Lehrer doppelt
    // in Kopplung"), bleibt der zweite ungesetzt, wie beim Setzen im Manuellfenster.
    if (k->fLehrer && k->fLehrer->fBesetzung.GetWocheTagStd(woche, tag, std)) continue;
    if (!SetzeEinzeln(*k, woche, tag, std)) continue;
    gesetzt.push_back(k);
    if (raumUnwichtig) GibRaum(*k, woche, tag, std);
  }
  if (raumUnwichtig || gesetzt.empty()) return;
  // Die gesetzten Kurse bekommen ihre Räume gemeinsam, jeder einen anderen; sonst keiner.
  const std::vector<const TKurs*> kurse(gesetzt.begin(), gesetzt.end());
  const auto brauchbar = [&](const TRaum* r) {
    return !r->fSperrung.GetWocheTagStd(woche, tag, std) &&
           !r->fBesetzung.GetWocheTagStd(woche, tag, std);
  };
  std::vector<TRaum*> wahl;
  if (!VerschiedeneRaeume(kurse, brauchbar, &wahl)) return;
  for (std::size_t i = 0; i < gesetzt.size(); ++i)
    if (wahl[i])
      gesetzt[i]->AendereRaumInSetzung(gesetzt[i]->SetzungFinden(woche, tag, std), wahl[i]);
}

void TAutomat::Setze(TKurs& kurs, int woche, int tag, int std) {
  if (kurs.fKopplung) {
    SetzeGekoppelt(kurs, woche, tag, std);
  } else if (SetzeEinzeln(kurs, woche, tag, std)) {
    GibRaum(kurs, woche, tag, std);
  }
}

// --- Eine Woche ------------------------------------------------------------------------------

int TAutomat::Lauf(const TKurs& kurs, int woche, int tabelle, int tag, int std) const {
  const std::uint32_t zu = Wort(kurs.fSetzungUnmoeglich, woche, tag);
  const auto& verbunden = fVerbunden[tabelle][tag];
  int lauf = 0;
  // Ein Block reicht nie in die Stunde 16 und nie hinter die letzte Stunde des Rasters.
  for (int h = std; h < MaxStunden && h <= PlanStunden(); ++h) {
    if (h > std && !verbunden[h - 1]) break;
    if (zu & (1u << (h - 1))) break;
    ++lauf;
  }
  return lauf;
}

void TAutomat::PlaneWoche(TKurs& kurs, int woche) {
  const TStandard& st = Standard();
  if (!kurs.fBesetzung.GetWoche(woche) || !kurs.fSetzungUnmoeglich.GetWoche(woche)) return;
  const int tage = PlanTage();
  const int tabelle = Tabelle(kurs);
  const auto& ordnung = fOrdnung[tabelle];
  int n = kurs.RestStunden(woche);

  // 1. Der Stand vor dieser Woche, für die Prüfung am Ende.
  std::vector<std::pair<TKurs*, TWoElem>> vorher;
  for (TKurs* k : Gruppe(&kurs))
    if (const TWoElem* e = k->fBesetzung.GetWoche(woche)) vorher.emplace_back(k, *e);
  const auto hatStunde = [&](int tag) { return Wort(kurs.fBesetzung, woche, tag) != 0; };

  // 2. Blöcke: m gerade verteilt (keine Stunde am Vor- und Folgetag), m ungerade locker.
  const int s = std::max(1, kurs.fStdProTag);
  for (int m = 2 * s; m >= 1; --m) {
    const bool verteilt = m % 2 == 0;
    if (!verteilt && !st.fAuFreiUnwichtig) continue;
    const int laenge = (m + 1) / 2;
    const int frei = std::min(m, s);
    bool gesetzt = true;
    while (gesetzt && n >= laenge) {
      gesetzt = false;
      for (int o = 1; o <= 112 && n >= laenge; ++o) {
        const int eintrag = std::abs(ordnung[o]);
        if (eintrag == 0) continue;
        const int tag = TagDerZelle(eintrag), std = StundeDerZelle(eintrag);
        if (tag > tage) continue;
        if (verteilt && (hatStunde(Vortag(tag)) || hatStunde(Folgetag(tag)))) continue;
        if (Lauf(kurs, woche, tabelle, tag, std) < frei || hatStunde(tag)) continue;
        std::vector<TZelle> block;
        for (int i = 0; i < laenge; ++i) block.push_back({tag, std + i});
        if (!KopplungBleibtGanz(kurs, woche, block, {})) continue;
        for (int i = 0; i < laenge; ++i) Setze(kurs, woche, tag, std + i);
        n -= laenge;
        gesetzt = true;
      }
    }
  }

  // 3. Einzelstunden.
  std::vector<TEntnommen> entnommen;
  EinzelStunden(kurs, woche, entnommen);

  // 4. Prüfung.
  if (!st.fAuEinzelUnwichtig && !WocheStimmt(kurs, woche))
    WocheZuruecknehmen(kurs, woche, vorher, entnommen);
}

void TAutomat::EinzelStunden(TKurs& kurs, int woche, std::vector<TEntnommen>& entnommen) {
  const TStandard& st = Standard();
  const int tage = PlanTage();
  const int stunden = kurs.fStunden.GetWochenStunde(woche);
  const int einzeln = std::min(kurs.fEinzelStd, stunden);
  // Je Tag: Zahl der Stunden des Kurses, erste und letzte Stunde.
  TFeld<int, 1, MaxTage> zahl{}, erste{}, letzte{}, frei{};
  const auto zaehle = [&](int t) {
    const std::uint32_t w = Wort(kurs.fBesetzung, woche, t);
    zahl[t] = std::popcount(w);
    erste[t] = w ? std::countr_zero(w) + 1 : 0;
    letzte[t] = w ? 32 - std::countl_zero(w) : 0;
  };
  int gesamt = 0;
  for (int t = 1; t <= MaxTage; ++t) {
    zaehle(t);
    gesamt += zahl[t];
  }
  if (einzeln <= 0) return;
  int einzelTage = 0;
  for (int t = 1; t <= MaxTage; ++t) {
    frei[t] = MaxStunden - std::popcount(Wort(kurs.fSetzungUnmoeglich, woche, t));
    einzelTage += zahl[t] == 1 ? 1 : 0;
  }
  const int fehlt = einzeln - (stunden - gesamt) - einzelTage;
  if (fehlt <= 0) return;
  int leereTage = 0;
  for (int t = 1; t <= tage; ++t) leereTage += zahl[t] == 0 && frei[t] > 0;
  const int tabelle = Tabelle(kurs);
  const auto& ordnung = fOrdnung[tabelle];

  // Die Zelle für die nächste Einzelstunde: erst an Tagen, deren Nachbartage frei sind, dann an
  // jedem Tag (wenn freie Tage nicht immer eingehalten werden müssen). Jeder Kurs der Kopplung,
  // der mitzieht, muss dort frei sein: seine Stunden zählten nicht zu den unmöglichen Zellen,
  // solange er nichts offen hatte.
  const auto ziel = [&](const std::vector<TKurs*>& mit) -> std::optional<TZelle> {
    for (int lauf = 1; lauf <= 2; ++lauf) {
      if (lauf == 2 && !st.fAuFreiUnwichtig) break;
      for (int o = 1; o <= 112; ++o) {
        const int eintrag = std::abs(ordnung[o]);
        if (eintrag == 0) continue;
        const int t = TagDerZelle(eintrag), h = StundeDerZelle(eintrag);
        if (t > tage || h > PlanStunden() || zahl[t] != 0 || frei[t] <= 0) continue;
        if (kurs.fSetzungUnmoeglich.GetWocheTagStd(woche, t, h)) continue;
        const auto mitFrei = [&](const TKurs* k) {
          return !(UnmoeglicheStunden(*k, woche, t) & (1u << (h - 1)));
        };
        if (!std::all_of(mit.begin(), mit.end(), mitFrei)) continue;
        if (!KopplungBleibtGanz(kurs, woche, {{t, h}}, mit)) continue;
        if (lauf == 1 && (zahl[Vortag(t)] > 0 || zahl[Folgetag(t)] > 0)) continue;
        return TZelle{t, h};
      }
    }
    return std::nullopt;
  };

  int zuege = std::min(fehlt, leereTage);
  while (zuege > 0) {
    --zuege;
    // Nehmen: eine Stunde am Rand eines Tages mit mehreren Stunden, vom Tag mit den wenigsten
    // Stunden; bei Gleichheit die erste in Setzungsfolge. Fixiert darf dort keine Stunde der
    // Kopplung sein.
    const TSetzung* wahl = nullptr;
    for (const TSetzung* s : kurs.fSetzungen) {
      if (s->fWoche != woche || s->fTag < 1 || s->fTag > MaxTage) continue;
      if (kurs.fKopplung ? IstFixiertMitKopplung(kurs, woche, s->fTag, s->fStunde) : s->fFixiert)
        continue;
      const int t = s->fTag;
      if (zahl[t] < 2 || (s->fStunde != erste[t] && s->fStunde != letzte[t])) continue;
      if (!wahl || zahl[t] < zahl[wahl->fTag]) wahl = s;
    }
    if (!wahl) break;
    const int t = wahl->fTag, h = wahl->fStunde;
    std::vector<TKurs*> mit;
    for (TKurs* k : Gruppe(&kurs))
      if (k->SetzungFinden(woche, t, h)) mit.push_back(k);
    // Ohne Ziel bleibt die Stunde, wo sie ist (sie würde sonst nur entfernt).
    const std::optional<TZelle> hin = ziel(mit);
    if (!hin) break;
    for (TKurs* k : mit) {
      const TSetzung* s = k->SetzungFinden(woche, t, h);
      entnommen.push_back({k, t, h, s->fRaum, s->fFixiert});
    }
    kurs.LoescheSetzung(woche, t, h, true);
    zaehle(t);
    if (zahl[t] == 1) --zuege;
    // Setzen.
    Setze(kurs, woche, hin->tag, hin->std);
    zahl[hin->tag] = 1;
    erste[hin->tag] = letzte[hin->tag] = hin->std;
    --frei[hin->tag];
  }
}

bool TAutomat::WocheStimmt(const TKurs& kurs, int woche) {
  const int tage = PlanTage();
  const int stunden = kurs.fStunden.GetWochenStunde(woche);
  const int s = kurs.fStdProTag;
  int summe = 0, einzelTage = 0, volleTage = 0;
  for (int t = 1; t <= tage; ++t) {
    const int zahl = std::popcount(Wort(kurs.fBesetzung, woche, t));
    summe += zahl;
    einzelTage += zahl == 1 ? 1 : 0;
    volleTage += zahl == s ? 1 : 0;
  }
  if (summe != stunden || einzelTage != kurs.fEinzelStd) return false;
  if (s > 1 && (volleTage != (stunden - einzelTage) / s || volleTage < 1)) return false;
  return true;
}

void TAutomat::WocheZuruecknehmen(TKurs& kurs, int woche,
                                  const std::vector<std::pair<TKurs*, TWoElem>>& vorher,
                                  const std::vector<TEntnommen>& entnommen) {
  const auto warDa = [&](const TKurs* k, int t, int h) {
    for (const auto& [vk, e] : vorher)
      if (vk == k) return e.GetTagStd(t, h);
    return false;
  };
  // Jede neue Stunde des Kurses geht wieder, mit den Stunden seiner Kopplung in der Zelle, die
  // diese Woche dazukamen.
  for (TSetzung* s : kurs.fSetzungen.Kopie()) {
    if (s->fWoche != woche || warDa(&kurs, s->fTag, s->fStunde)) continue;
    const int t = s->fTag, h = s->fStunde;
    for (TKurs* k : Gruppe(&kurs))
      if (TSetzung* ks = k->SetzungFinden(woche, t, h); ks && !warDa(k, t, h))
        k->SetzungEntfernen(ks);
  }
  // Was vorher da war und herausgenommen wurde, kommt an seinen Platz zurück.
  for (const TEntnommen& e : entnommen) {
    if (!warDa(e.kurs, e.tag, e.std) || e.kurs->SetzungFinden(woche, e.tag, e.std)) continue;
    TRaum* raum =
        e.raum && !e.raum->fBesetzung.GetWocheTagStd(woche, e.tag, e.std) ? e.raum : nullptr;
    if (TSetzung* s = e.kurs->NeueSetzung(woche, e.tag, e.std, raum)) s->fFixiert = e.fixiert;
  }
}
