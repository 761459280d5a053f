#include "substitution/KalenderWechselUnit.h"

#include <cmath>
#include <vector>

#include "model/DatumUnit.h"
#include "substitution/KalenderUnit.h"

namespace {
int Version(TDateTime d, const TKalenderBytes& kalender) {
  const int k = KalenderIndex(d);
  return k < 0 ? 0 : kalender[k + 1];
}

bool Ferien(TDateTime d, const TKalender& ferien) {
  const int k = KalenderIndex(d);
  return k >= 0 && ((ferien[k] >> (WochenTag(d) - 1)) & 1u);
}

// Eine Abwesenheit mit ihrer Maske austragen (neu = 0) oder wieder eintragen.
void Protokoll(TFehl* f, std::int32_t neu) {
  f->fHilfe = neu;
  f->AendereVertretung();
}
}  // namespace

bool VertretungUngueltigNach(const TVertretung* v, const TKalenderBytes& kalender,
                             const TKalender& ferien) {
  if (!v->fSetzung) return true;
  const TDateTime d = v->fDatum;
  return Version(d, kalender) != v->fSetzung->fWoche || Ferien(d, ferien) ||
         Standard().WochenEnde(d);
}

int UngueltigeVertretungen(const TKalenderBytes& kalender, const TKalender& ferien) {
  int n = 0;
  for (const TVertretung* v : Schule().fVertretungsMenge)
    if (VertretungUngueltigNach(v, kalender, ferien)) ++n;
  return n;
}

int KalenderSetzen(const TKalenderBytes& kalender, const TKalender& ferien) {
  TSchule& schule = Schule();
  TStandard& st = Standard();
  // Die Abwesenheiten an Tagen, die der Wechsel betrifft.
  std::vector<std::pair<TFehl*, std::int32_t>> betroffen;
  for (TEigenListe<TFehl>* menge :
       {&schule.fFehlKlassenMenge, &schule.fFehlLehrerMenge, &schule.fFehlRaumMenge})
    for (TFehl* f : *menge) {
      const TDateTime d = f->fDatum;
      if (Version(d, kalender) != Version(d, schule.fKalender) ||
          Ferien(d, ferien) != Ferien(d, st.fFerien))
        betroffen.emplace_back(f, f->fZeit);
    }
  // Lehrer und Räume zuerst austragen, die Klassen zuletzt; eintragen umgekehrt.
  for (auto it = betroffen.rbegin(); it != betroffen.rend(); ++it) Protokoll(it->first, 0);
  schule.SetKalender(kalender);
  st.fFerien = ferien;
  for (auto& [f, maske] : betroffen) Protokoll(f, maske);
  // Was dann noch nicht passt (Statt-Partner an anderen Tagen, alte Einträge), wird gelöscht;
  // das Löschen einer Vertretung kann ihre Partnerin mitnehmen.
  int geloescht = 0;
  for (TVertretung* v : schule.fVertretungsMenge.Kopie()) {
    if (!schule.fVertretungsMenge.ListeElemEnthalten(v)) continue;
    if (!VertretungUngueltigNach(v, kalender, ferien)) continue;
    schule.VertretungLoeschen(v);
    ++geloescht;
  }
  schule.SetDirty(true);
  return geloescht;
}
