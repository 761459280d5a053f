#include "VertretungsPruefung.h"

#include <cmath>
#include <set>
#include <string>

#include "model/DatumUnit.h"
#include "model/SchulUnit.h"
#include "substitution/KalenderUnit.h"
#include "substitution/VertretungsPlanungUnit.h"

namespace {
std::string Name(const TVertretung* v) {
  return (v->fKurs ? v->fKurs->OhneRaumKlKoZeile() : std::string("?")) + " am " +
         DatumText(v->fDatum, "dd.mm.yyyy") + " Stunde " + std::to_string(v->Stunde());
}

// Das Konto des Lehrers neu: vertretene, gültige, angerechnete Stunden minus eigene Stunden,
// deren Klassen alle fehlen, während er da ist.
std::int64_t NeuesKonto(const TSchule& s, const TLehrer* l) {
  std::int64_t konto = 0;
  for (const TVertretung* v : s.fVertretungsMenge)
    if (v->fKurs && v->fLehrer == l && v->fKurs->fLehrer != l && v->fGueltig && v->fAngerechnet &&
        !v->KlassenFehlen())
      konto += v->fKurs->fFaktor;
  std::set<long long> tage;
  for (const TFehl* f : s.fFehlKlassenMenge)
    tage.insert(static_cast<long long>(std::floor(f->fDatum)));
  for (long long t : tage) {
    const TDateTime d = t + 0.5;
    if (!Schultag(d)) continue;
    for (const TKurs* k : l->fKurse) {
      if (k->fLehrer != l) continue;
      for (const TSetzung* p : k->fSetzungen)
        if (p->fWoche == PlanversionAm(d) && p->fTag == WochenTag(d) &&
            k->AlleKlassenAbwesend(d, p->fStunde, nullptr) && !l->Abwesend(d, p->fStunde))
          konto -= k->fFaktor;
    }
  }
  return konto;
}
}  // namespace

::testing::AssertionResult VertretungenStimmen(const TSchule& schule) {
  TSchule& s = const_cast<TSchule&>(schule);
  std::set<std::pair<const TSetzung*, long long>> gesehen;
  const TVertretung* vorige = nullptr;
  for (const TVertretung* v : s.fVertretungsMenge) {
    const TSetzung* p = v->fSetzung;
    if (!v->fKurs || !p || v->fKurs->fSetzungen.ListeElemNr(p) == 0)
      return ::testing::AssertionFailure() << "ohne Setzung ihres Kurses: " << Name(v);
    if (p->fWoche != PlanversionAm(v->fDatum) || p->fTag != WochenTag(v->fDatum))
      return ::testing::AssertionFailure() << "Tag passt nicht zur Setzung: " << Name(v);
    if (p->fVertretungen.ListeElemNr(v) == 0)
      return ::testing::AssertionFailure() << "fehlt in der Liste der Setzung: " << Name(v);
    if (!gesehen.insert({p, static_cast<long long>(std::floor(v->fDatum))}).second)
      return ::testing::AssertionFailure() << "zwei Vertretungen einer Stunde: " << Name(v);
    if (v->fZu && (v->fZu->fVon != v || !s.fVertretungsMenge.ListeElemEnthalten(v->fZu)))
      return ::testing::AssertionFailure() << "fZu ohne Gegenstück: " << Name(v);
    if (v->fVon && (v->fVon->fZu != v || !s.fVertretungsMenge.ListeElemEnthalten(v->fVon)))
      return ::testing::AssertionFailure() << "fVon ohne Gegenstück: " << Name(v);
    if (vorige && VertretungsOrdnung(vorige, v) > 0)
      return ::testing::AssertionFailure()
             << "nicht geordnet: " << Name(vorige) << " vor " << Name(v);
    vorige = v;
  }
  for (const TKurs* k : s.fKursMenge)
    for (const TSetzung* p : k->fSetzungen)
      for (const TVertretung* v : p->fVertretungen)
        if (!s.fVertretungsMenge.ListeElemEnthalten(v))
          return ::testing::AssertionFailure() << "nur in der Setzung: " << Name(v);
  for (const TLehrer* l : s.fLehrerMenge) {
    const std::int64_t soll = NeuesKonto(s, l);
    if (l->fVStunden1 != soll || l->fVStunden2 != soll)
      return ::testing::AssertionFailure()
             << "Konto von " << l->fKuerzel.str() << ": " << l->fVStunden1 << "/" << l->fVStunden2
             << ", neu berechnet " << soll;
  }
  return ::testing::AssertionSuccess();
}
