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

// Erster und letzter Tag des Monats "JJJJMM".
bool MonatsTage(const std::string& schluessel, TDateTime& von, TDateTime& bis) {
  if (schluessel.size() != 6) return false;
  const int zahl = std::stoi(schluessel), jahr = zahl / 100, monat = zahl % 100;
  if (monat < 1 || monat > 12) return false;
  von = DatumZuZahl(jahr, monat, 1);
  bis = DatumZuZahl(jahr, monat, TageImMonat(jahr, monat));
  return true;
}
}  // namespace

std::int64_t KontoNeu(const TSchule& schule, const TLehrer& lehrer, TDateTime von, TDateTime bis) {
  const long long erster = static_cast<long long>(std::floor(von));
  const long long letzter = static_cast<long long>(std::floor(bis));
  auto imZeitraum = [&](TDateTime d) {
    const long long t = static_cast<long long>(std::floor(d));
    return t >= erster && t <= letzter;
  };
  std::int64_t konto = 0;
  for (const TVertretung* v : schule.fVertretungsMenge)
    if (v->fKurs && v->fLehrer == &lehrer && v->fKurs->fLehrer != &lehrer && v->fGueltig &&
        v->fAngerechnet && imZeitraum(v->fDatum))
      konto += v->fKurs->fFaktor;
  // Die Tage, an denen eine Klasse fehlt: nur dort kann eine Stunde ausfallen.
  std::set<long long> tage;
  for (const TFehl* f : schule.fFehlKlassenMenge)
    if (imZeitraum(f->fDatum)) tage.insert(static_cast<long long>(std::floor(f->fDatum)));
  for (long long t : tage) {
    const TDateTime d = t + 0.5;
    if (!Schultag(d)) continue;
    for (const TKurs* k : lehrer.fKurse) {
      if (k->fLehrer != &lehrer) continue;
      for (const TSetzung* p : k->fSetzungen)
        if (p->fWoche == PlanversionAm(d) && p->fTag == WochenTag(d) &&
            k->AlleKlassenAbwesend(d, p->fStunde, nullptr) && !lehrer.Abwesend(d, p->fStunde))
          konto -= k->fFaktor;
    }
  }
  return konto;
}

::testing::AssertionResult VertretungenStimmen(const TSchule& schule) {
  return VertretungenStimmen(schule, {});
}

::testing::AssertionResult VertretungenStimmen(const TSchule& schule,
                                               const std::map<std::string, std::int64_t>& basis) {
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
    if (v->fGueltig == v->KlassenFehlen())
      return ::testing::AssertionFailure()
             << (v->fGueltig ? "gültig, obwohl alle Klassen fehlen: "
                             : "ungültig, obwohl nicht alle Klassen fehlen: ")
             << Name(v);
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
    const std::string kuerzel = l->fKuerzel.str();
    const auto b = basis.find(kuerzel);
    const std::int64_t soll = KontoNeu(s, *l, 0, 1e7) + (b == basis.end() ? 0 : b->second);
    if (l->fVStunden1 != soll || l->fVStunden2 != soll)
      return ::testing::AssertionFailure() << "Konto von " << kuerzel << ": " << l->fVStunden1
                                           << "/" << l->fVStunden2 << ", neu berechnet " << soll;
    for (const auto& [monat, wert] : l->fDict) {
      TDateTime von = 0, bis = 0;
      if (!MonatsTage(monat, von, bis))
        return ::testing::AssertionFailure() << "Monatskonto von " << kuerzel << " unter " << monat;
      const std::int64_t neu = KontoNeu(s, *l, von, bis);
      if (std::to_string(neu) != wert)
        return ::testing::AssertionFailure() << "Monatskonto " << monat << " von " << kuerzel
                                             << ": " << wert << ", neu berechnet " << neu;
    }
    if (l->fVStunden3Monat != 0) {
      TDateTime von = 0, bis = 0;
      MonatsTage(std::to_string(l->fVStunden3Monat), von, bis);
      const std::int64_t neu = KontoNeu(s, *l, von, bis);
      if (l->fVStunden3 != neu)
        return ::testing::AssertionFailure()
               << "Monatsstd. (" << l->fVStunden3Monat << ") von " << kuerzel << ": "
               << l->fVStunden3 << ", neu berechnet " << neu;
    }
  }
  return ::testing::AssertionSuccess();
}
