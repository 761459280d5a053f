// Tausch zweier Zeitfelder für die ganze Schule.
#include <array>
#include <vector>

#include "model/KursUnit.h"
#include "model/SchulUnit.h"
#include "planning/UmsetzenUnit.h"

namespace {
struct TTauschSicht {
  bool gesperrt = false;
  bool fixiert = false;
};

// Was einer Stunde des Kurses in der Woche beim Tausch von (vonTag, vonStd) nach (bisTag, bisStd)
// im Weg steht: die Zielzelle ist gesperrt (mit dem Raum der Stunde) oder die Stunde ist fixiert.
TTauschSicht Sicht(const TKurs* kurs, int w, int vonTag, int vonStd, int bisTag, int bisStd) {
  TTauschSicht sicht;
  const TSetzung* s = kurs->SetzungFinden(w, vonTag, vonStd);
  if (!s) return sicht;
  sicht.gesperrt = kurs->IstGesperrt(w, bisTag, bisStd, s->fRaum);
  sicht.fixiert = s->fFixiert;
  return sicht;
}

struct TGetauscht {
  TKurs* kurs;
  int tag, std;  // die Zelle, aus der die Stunde kommt
  TRaum* raum;
};
}  // namespace

bool TSchule::TauschBehinderung(int vonTag, int vonStd, int bisTag, int bisStd) const {
  const TWochenSpanne spanne = WochenArgument(-1);
  for (const TKurs* k : fKursMenge)
    for (int w = spanne.von; w <= spanne.bis; ++w) {
      const TTauschSicht hin = Sicht(k, w, vonTag, vonStd, bisTag, bisStd);
      const TTauschSicht her = Sicht(k, w, bisTag, bisStd, vonTag, vonStd);
      if (hin.gesperrt || hin.fixiert || her.gesperrt || her.fixiert) return true;
    }
  return false;
}

std::vector<std::string> TSchule::TauschKonflikte(int vonTag, int vonStd, int bisTag,
                                                  int bisStd) const {
  std::vector<std::string> zeilen;
  const TWochenSpanne spanne = WochenArgument(-1);
  for (const TKurs* k : fKursMenge)
    for (int w = spanne.von; w <= spanne.bis; ++w)
      for (const auto& [tag, stunde, zielTag, zielStd] :
           {std::array{vonTag, vonStd, bisTag, bisStd},
            std::array{bisTag, bisStd, vonTag, vonStd}}) {
        const TTauschSicht sicht = Sicht(k, w, tag, stunde, zielTag, zielStd);
        if (sicht.gesperrt) zeilen.push_back("gesperrt " + k->WochenZeile(w, tag, stunde, false));
        if (sicht.fixiert) zeilen.push_back("fixiert " + k->WochenZeile(w, tag, stunde, false));
      }
  return zeilen;
}

void TSchule::TauscheAlleStunden(int vonTag, int vonStd, int bisTag, int bisStd) {
  if (vonTag == bisTag && vonStd == bisStd) return;
  // Erst prüfen, dann tauschen: kann eine Stunde nicht wieder gesetzt werden ("nicht verplanen",
  // keine Stunde offen), bleibt der Plan, wie er war.
  if (!TauschMoeglich(*this, vonTag, vonStd, bisTag, bisStd)) return;
  const TWochenSpanne spanne = WochenArgument(-1);
  TBeschaeftigt sanduhr;
  for (int w = spanne.von; w <= spanne.bis; ++w) {
    // Erst jede betroffene Stunde herausnehmen, dann alle neu setzen: sonst löschte das Entfernen
    // einer Stunde die Lehrer- oder Raumbelegung einer eben gesetzten Stunde.
    std::vector<TGetauscht> stunden;
    for (TKurs* k : fKursMenge) {
      if (const TSetzung* s = k->SetzungFinden(w, vonTag, vonStd)) {
        k->EntSperre(w, bisTag, bisStd, s->fRaum);
        stunden.push_back({k, vonTag, vonStd, s->fRaum});
      }
      if (const TSetzung* s = k->SetzungFinden(w, bisTag, bisStd)) {
        k->EntSperre(w, vonTag, vonStd, s->fRaum);
        stunden.push_back({k, bisTag, bisStd, s->fRaum});
      }
    }
    for (const TGetauscht& g : stunden)
      if (TSetzung* s = g.kurs->SetzungFinden(w, g.tag, g.std)) g.kurs->SetzungEntfernen(s);
    for (const TGetauscht& g : stunden) {
      const bool vonErster = g.tag == vonTag && g.std == vonStd;
      g.kurs->NeueSetzung(w, vonErster ? bisTag : vonTag, vonErster ? bisStd : vonStd, g.raum);
    }
  }
  SetDirty(true);
}
