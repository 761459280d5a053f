#include "PlanRegelPruefung.h"

#include <algorithm>
#include <bit>
#include <map>
#include <sstream>
#include <string>
#include <tuple>

#include "BelegungsPruefung.h"
#include "model/SchulUnit.h"
#include "planning/AutomatUnit.h"
#include "settings/StandardUnit.h"

namespace {
std::string Ort(const std::string& wer, int w, int t, int h) {
  std::ostringstream o;
  o << wer << " {" << w << "} Tag " << t << " Stunde " << h;
  return o.str();
}

std::string Name(const TKurs* k) {
  return "Kurs " + k->OhneRaumZeile();
}

// Die Stunden des Kurses am Tag als Bits (Stunde h in Bit h−1).
std::uint32_t Tageswort(const TKurs* k, int w, int t) {
  return k->fBesetzung.GetWocheTag(w, t) & 0xFFFFu;
}

bool Verbunden(const TKurs* k, int h, int t) {
  return Standard().fAuTab[std::clamp(k->fTabellenNr, 1, 4)][h][t] < 0;
}

// Die Tage eines gerechneten Kurses.
std::string TagesFehler(const TKurs* k, int wochen) {
  std::vector<const TKurs*> gruppe = {k};
  if (k->fKopplung) {
    gruppe.clear();
    for (const TKurs* g : k->fKopplung->fKurse) gruppe.push_back(g);
  }
  int proTag = 1;
  for (const TKurs* g : gruppe) proTag = std::max(proTag, g->fStdProTag);
  for (int w = 1; w <= wochen; ++w)
    for (int t = 1; t <= MaxTage; ++t) {
      const std::uint32_t wort = Tageswort(k, w, t);
      if (!wort) continue;
      const int zahl = std::popcount(wort), erste = std::countr_zero(wort) + 1;
      if (zahl > proTag) return Ort(Name(k), w, t, erste) + ": mehr Stunden als Std/Tag";
      const int letzte = erste + zahl - 1;
      if (32 - std::countl_zero(wort) != letzte)
        return Ort(Name(k), w, t, erste) + ": Lücke zwischen den Stunden des Tages";
      if (zahl > 1 && letzte >= MaxStunden)
        return Ort(Name(k), w, t, letzte) + ": Block bis in die Stunde 16";
      for (int h = erste; h < letzte; ++h) {
        bool verbunden = false;
        for (const TKurs* g : gruppe) verbunden = verbunden || Verbunden(g, h, t);
        if (!verbunden) return Ort(Name(k), w, t, h) + ": Block über nicht verbundene Stunden";
      }
    }
  return {};
}
}  // namespace

::testing::AssertionResult PlanRegelnStimmen(const TSchule& schule,
                                             const std::vector<TKurs*>& gerechnet) {
  if (auto belegung = BelegungenStimmen(schule); !belegung) return belegung;
  const TStandard& st = Standard();
  const int wochen = st.fMaxWocheNeu;
  const auto fehler = [](const std::string& text) { return ::testing::AssertionFailure() << text; };
  // Je Lehrer, Raum oder Klasse und Zelle die Kurse dort.
  std::map<std::tuple<const TElement*, int, int, int>, std::vector<const TKurs*>> zellen;
  for (const TKurs* k : schule.fKursMenge) {
    for (int w = 1; w <= wochen; ++w)
      if (k->VerplanteStunden(w) > k->fStunden.GetWochenStunde(w))
        return fehler(Name(k) + " {" + std::to_string(w) + "}: mehr Stunden gesetzt als vorhanden");
    for (const TSetzung* s : k->fSetzungen) {
      const int w = s->fWoche, t = s->fTag, h = s->fStunde;
      const std::string ort = Ort(Name(k), w, t, h);
      if (w < 1 || w > wochen || t < 1 || t > st.fMaxTageNeu || h < 1 || h > st.fPlnStd)
        return fehler(ort + ": außerhalb des Rasters");
      if (k->fSperrung.GetWocheTagStd(w, t, h)) return fehler(ort + ": Kurs gesperrt");
      if (k->fLehrer) {
        if (k->fLehrer->fSperrung.GetWocheTagStd(w, t, h)) return fehler(ort + ": Lehrer gesperrt");
        zellen[{k->fLehrer, w, t, h}].push_back(k);
      }
      for (const TKlasse* kl : k->fKlassen) {
        if (kl->fSperrung.GetWocheTagStd(w, t, h))
          return fehler(ort + ": Klasse " + kl->fKuerzel.str() + " gesperrt");
        zellen[{kl, w, t, h}].push_back(k);
      }
      if (s->fRaum) {
        if (s->fRaum->fSperrung.GetWocheTagStd(w, t, h))
          return fehler(ort + ": Raum " + s->fRaum->fKuerzel.str() + " gesperrt");
        zellen[{s->fRaum, w, t, h}].push_back(k);
      }
    }
  }
  for (const auto& [zelle, kurse] : zellen) {
    if (kurse.size() < 2) continue;
    const auto& [e, w, t, h] = zelle;
    bool eineKopplung = kurse.front()->fKopplung != nullptr;
    for (const TKurs* k : kurse)
      eineKopplung = eineKopplung && k->fKopplung == kurse.front()->fKopplung;
    if (!eineKopplung || e->Art() != kla)
      return fehler(Ort(e->fKuerzel.str(), w, t, h) + ": doppelt belegt durch " +
                    kurse.front()->OhneRaumZeile() + " und " + kurse.back()->OhneRaumZeile());
  }
  for (const TKopplung* g : schule.fKopplMenge)
    for (const TKurs* a : g->fKurse)
      for (const TKurs* b : g->fKurse)
        for (int w = 1; w <= wochen; ++w) {
          if (a == b || a->fStunden.GetWochenStunde(w) < b->fStunden.GetWochenStunde(w)) continue;
          for (const TSetzung* s : b->fSetzungen)
            if (s->fWoche == w && !a->SetzungFinden(w, s->fTag, s->fStunde))
              return fehler(Ort(Name(b), w, s->fTag, s->fStunde) + ": ohne " + Name(a) +
                            " der Kopplung " + g->fKuerzel.str());
        }
  for (const TKurs* k : gerechnet)
    if (std::string f = TagesFehler(k, wochen); !f.empty()) return fehler(f);
  if (!st.fAuEinzelUnwichtig)
    for (const TKurs* k : gerechnet)
      for (int w = 1; w <= wochen; ++w)
        if (k->VerplanteStunden(w) > 0 && !TAutomat::WocheStimmt(*k, w))
          return fehler(Name(k) + " {" + std::to_string(w) + "}: Einzelstundenbedingung verletzt");
  return ::testing::AssertionSuccess();
}
