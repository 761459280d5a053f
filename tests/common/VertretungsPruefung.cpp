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

TKontenNeu KontenNeu(const TSchule& schule) {
  TKontenNeu konten;
  auto tag = [](TDateTime d) { return static_cast<long long>(std::floor(d)); };
  for (const TVertretung* v : schule.fVertretungsMenge)
    if (v->fKurs && v->fLehrer && v->fKurs->fLehrer != v->fLehrer && v->fGueltig && v->fAngerechnet)
      konten[v->fLehrer][tag(v->fDatum)] += v->fKurs->fFaktor;
  // Die Tage, an denen eine Klasse fehlt, mit den fehlenden Klassen: nur dort kann eine Stunde
  // ausfallen, und nur in einem Kurs, dessen Klassen alle darunter sind.
  std::map<long long, std::set<const TElement*>> fehlend;
  for (const TFehl* f : schule.fFehlKlassenMenge) fehlend[tag(f->fDatum)].insert(f->fElement);
  for (const auto& [t, klassen] : fehlend) {
    const TDateTime d = t + 0.5;
    if (!Schultag(d)) continue;
    const int woche = PlanversionAm(d), wochenTag = WochenTag(d);
    // Jeder Kurs einmal, über seine erste Klasse (die zweiseitigen Verweise prüft Listen).
    for (const TElement* fehlt : klassen) {
      if (!fehlt) continue;
      for (const TKurs* k : fehlt->fKurse) {
        const TLehrer* lehrer = k->fLehrer;
        if (!lehrer || k->fKlassen.empty() || *k->fKlassen.begin() != fehlt) continue;
        bool alle = true;
        for (const TKlasse* kl : k->fKlassen) alle = alle && klassen.count(kl) > 0;
        if (!alle) continue;
        for (const TSetzung* p : k->fSetzungen)
          if (p->fWoche == woche && p->fTag == wochenTag &&
              k->AlleKlassenAbwesend(d, p->fStunde, nullptr) && !lehrer->Abwesend(d, p->fStunde))
            konten[lehrer][t] -= k->fFaktor;
      }
    }
  }
  return konten;
}

std::int64_t KontoImZeitraum(const TKontenNeu& konten, const TLehrer& lehrer, TDateTime von,
                             TDateTime bis) {
  const auto l = konten.find(&lehrer);
  if (l == konten.end()) return 0;
  std::int64_t konto = 0;
  const auto ende = l->second.upper_bound(static_cast<long long>(std::floor(bis)));
  for (auto it = l->second.lower_bound(static_cast<long long>(std::floor(von))); it != ende; ++it)
    konto += it->second;
  return konto;
}

std::int64_t KontoNeu(const TSchule& schule, const TLehrer& lehrer, TDateTime von, TDateTime bis) {
  return KontoImZeitraum(KontenNeu(schule), lehrer, von, bis);
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
  const TKontenNeu konten = KontenNeu(s);
  for (const TLehrer* l : s.fLehrerMenge) {
    const std::string kuerzel = l->fKuerzel.str();
    const auto b = basis.find(kuerzel);
    const std::int64_t soll =
        KontoImZeitraum(konten, *l, 0, 1e7) + (b == basis.end() ? 0 : b->second);
    if (l->fVStunden1 != soll || l->fVStunden2 != soll)
      return ::testing::AssertionFailure() << "Konto von " << kuerzel << ": " << l->fVStunden1
                                           << "/" << l->fVStunden2 << ", neu berechnet " << soll;
    for (const auto& [monat, wert] : l->fDict) {
      TDateTime von = 0, bis = 0;
      if (!MonatsTage(monat, von, bis))
        return ::testing::AssertionFailure() << "Monatskonto von " << kuerzel << " unter " << monat;
      const std::int64_t neu = KontoImZeitraum(konten, *l, von, bis);
      if (std::to_string(neu) != wert)
        return ::testing::AssertionFailure() << "Monatskonto " << monat << " von " << kuerzel
                                             << ": " << wert << ", neu berechnet " << neu;
    }
    if (l->fVStunden3Monat != 0) {
      TDateTime von = 0, bis = 0;
      MonatsTage(std::to_string(l->fVStunden3Monat), von, bis);
      const std::int64_t neu = KontoImZeitraum(konten, *l, von, bis);
      if (l->fVStunden3 != neu)
        return ::testing::AssertionFailure()
               << "Monatsstd. (" << l->fVStunden3Monat << ") von " << kuerzel << ": "
               << l->fVStunden3 << ", neu berechnet " << neu;
    }
  }
  return ::testing::AssertionSuccess();
}
