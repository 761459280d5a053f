#include "planning/PlanGestenUnit.h"

#include <algorithm>

#include "model/KopplUnit.h"
#include "model/KursUnit.h"
#include "model/SchulUnit.h"
#include "planning/KonfliktUnit.h"
#include "settings/StandardUnit.h"

namespace {
// Der Raum der Stunde des Kurses in der gezeigten Woche, oder nichts.
const TRaum* StundenRaum(const TKurs* kurs, int woche, int tag, int std) {
  const TSetzung* s = kurs->SetzungFinden(woche, tag, std);
  return s ? s->fRaum : nullptr;
}

bool Passt(const TKurs* kurs, int woche, int vonTag, int vonStd, int tag, int std, bool ohneRaum) {
  const TRaum* raum = ohneRaum ? nullptr : StundenRaum(kurs, woche, vonTag, vonStd);
  return kurs->SetzungPossible(-1, tag, std, raum);
}
}  // namespace

std::vector<bool> ProbeKandidaten(TKurs* gehoben, int tag, int std,
                                  const std::vector<TKursZelle>& kandidaten, int woche,
                                  bool ohneRaum) {
  if (gehoben) gehoben->AendereBesetzung(-1, tag, std, false, true);
  std::vector<bool> passt;
  passt.reserve(kandidaten.size());
  for (const TKursZelle& z : kandidaten) {
    const TKurs* kurs = z.Kurs;
    bool ok = kurs != nullptr;
    if (kurs && !kurs->fKopplung) {
      ok = Passt(kurs, woche, z.Tag, z.Std, tag, std, ohneRaum);
    } else if (kurs) {
      for (const TKurs* k : GekoppeltInZelle(kurs->fKopplung, -1, z.Tag, z.Std))
        ok = ok && Passt(k, woche, z.Tag, z.Std, tag, std, ohneRaum);
    }
    passt.push_back(ok);
  }
  if (gehoben) gehoben->AendereBesetzung(-1, tag, std, true, true);
  return passt;
}

std::vector<std::pair<int, int>> ProbeZellen(const TPlanInhalt& plan, int tag, int std,
                                             bool ohneRaum) {
  std::vector<TKursZelle> kandidaten;
  for (int h = 1; h <= plan.Stunden(); ++h)
    for (int t = 1; t <= plan.Tage(); ++t)
      if (TKurs* kurs = plan.Kurs(t, h)) kandidaten.push_back({kurs, t, h});
  const std::vector<bool> passt =
      ProbeKandidaten(plan.Kurs(tag, std), tag, std, kandidaten, plan.Woche(), ohneRaum);
  std::vector<std::pair<int, int>> zellen;
  for (std::size_t i = 0; i < kandidaten.size(); ++i)
    if (passt[i]) zellen.emplace_back(kandidaten[i].Tag, kandidaten[i].Std);
  return zellen;
}

void StundenFixieren(const std::vector<TKursZelle>& zellen) {
  SchuleGeaendert();
  const TWochenSpanne spanne = WochenArgument(-1);
  for (const TKursZelle& z : zellen) {
    TKurs* kurs = z.Kurs;
    if (!kurs) continue;
    // Der neue Zustand nach der ersten Woche, in der der Kurs dort liegt.
    const TSetzung* erste = nullptr;
    for (int w = spanne.von; w <= spanne.bis && !erste; ++w)
      erste = kurs->SetzungFinden(w, z.Tag, z.Std);
    if (!erste) continue;
    const bool neu = !erste->fFixiert;
    std::vector<TKurs*> geaendert;
    for (int w = spanne.von; w <= spanne.bis; ++w) {
      if (kurs->fKopplung) {
        for (TKurs* k : kurs->fKopplung->fKurse)
          if (TSetzung* s = k->SetzungFinden(w, z.Tag, z.Std)) {
            s->fFixiert = neu;
            geaendert.push_back(k);
          }
      } else if (TSetzung* s = kurs->SetzungFinden(w, z.Tag, z.Std)) {
        s->fFixiert = !s->fFixiert;
        geaendert.push_back(kurs);
      }
    }
    std::vector<TKurs*> gezeichnet;
    for (TKurs* k : geaendert) {
      if (std::find(gezeichnet.begin(), gezeichnet.end(), k) != gezeichnet.end()) continue;
      gezeichnet.push_back(k);
      k->PlanRefresh();
    }
  }
  SchuleGeaendert();
}

bool StundeSchieben(TKurs* kurs, int zielTag, int zielStd, int startTag, int startStd,
                    bool mitKopplung) {
  if (!kurs || kurs->fBesetzung.GetWocheTagStd(-1, zielTag, zielStd)) return false;
  TKonfliktListe liste;
  if (!kurs->PasstIn(zielTag, zielStd, startTag, startStd, liste, mitKopplung)) return false;
  kurs->Schiebe(zielTag, zielStd, startTag, startStd, mitKopplung);
  return true;
}
