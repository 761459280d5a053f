#include "PlanungsPruefung.h"

#include <sstream>

#include "PlanInvarianten.h"
#include "model/KopplUnit.h"
#include "model/KursUnit.h"
#include "model/SchulUnit.h"
#include "planning/AutomatUnit.h"
#include "planning/SetzungUnit.h"
#include "settings/StandardUnit.h"
#include "substitution/VertretungUnit.h"

TPlanungsAbzug::TKursStand TPlanungsAbzug::Stand(const TKurs& k) {
  TKursStand stand;
  for (const TSetzung* s : k.fSetzungen) {
    TStunde z{s, s->fWoche, s->fTag, s->fStunde, s->fRaum, s->fFixiert, {}};
    for (const TVertretung* v : s->fVertretungen) z.vertretungen.emplace_back(v, v->fLehrer);
    stand.stunden.push_back(std::move(z));
  }
  for (int w = 1; w <= Standard().fMaxWocheNeu; ++w) {
    stand.jeWoche[w] = k.VerplanteStunden(w);
    if (stand.jeWoche[w] > 0 && TAutomat::WocheStimmt(k, w)) stand.richtig.insert(w);
  }
  return stand;
}

TPlanungsAbzug::TPlanungsAbzug(const TSchule& schule, const std::vector<TKurs*>& auswahl) {
  for (const TKurs* k : schule.fKursMenge) fKurse[k] = Stand(*k);
  for (const TKurs* k : auswahl) {
    fAuswahl.insert(k);
    if (k->fKopplung)
      for (const TKurs* p : k->fKopplung->fKurse) fAuswahl.insert(p);
  }
  fVerstoesse = PlanVerstoesse(schule);
}

::testing::AssertionResult PlanungUnversehrt(const TPlanungsAbzug& vorher, const TSchule& schule) {
  for (const std::string& v : PlanVerstoesse(schule))
    if (!vorher.fVerstoesse.count(v)) return ::testing::AssertionFailure() << "neu: " << v;
  for (const TKurs* k : schule.fKursMenge) {
    const auto alt = vorher.fKurse.find(k);
    if (alt == vorher.fKurse.end()) continue;
    const TPlanungsAbzug::TKursStand jetzt = TPlanungsAbzug::Stand(*k);
    const std::string name = k->OhneRaumZeile();
    const auto finde = [&jetzt](const TSetzung* s) -> const TPlanungsAbzug::TStunde* {
      for (const auto& z : jetzt.stunden)
        if (z.setzung == s) return &z;
      return nullptr;
    };
    const auto zelle = [&jetzt](int w, int t, int h) -> const TPlanungsAbzug::TStunde* {
      for (const auto& z : jetzt.stunden)
        if (z.woche == w && z.tag == t && z.std == h) return &z;
      return nullptr;
    };
    const bool frei = vorher.fAuswahl.count(k) > 0;
    if (!frei && jetzt.stunden.size() != alt->second.stunden.size())
      return ::testing::AssertionFailure() << "außerhalb der Auswahl geändert: " << name;
    for (const auto& a : alt->second.stunden) {
      const auto* n = finde(a.setzung);
      const bool gleich =
          n && n->woche == a.woche && n->tag == a.tag && n->std == a.std && n->raum == a.raum;
      std::ostringstream wo;
      wo << name << " {" << a.woche << "} Tag " << a.tag << " Stunde " << a.std;
      if (a.fixiert && !(gleich && n->fixiert))
        return ::testing::AssertionFailure() << "fixierte Stunde bewegt: " << wo.str();
      if (!frei && !gleich)
        return ::testing::AssertionFailure() << "außerhalb der Auswahl bewegt: " << wo.str();
      // Liegt der Kurs noch in der Zelle, ist es dieselbe Stunde mit denselben Vertretungen.
      const auto* dort = zelle(a.woche, a.tag, a.std);
      if (!dort) continue;
      if (dort->setzung != a.setzung)
        return ::testing::AssertionFailure() << "Stunde in ihrer Zelle neu erzeugt: " << wo.str();
      if (dort->vertretungen != a.vertretungen)
        return ::testing::AssertionFailure()
               << "Vertretungen einer Stunde, die blieb, geändert: " << wo.str();
    }
    for (const auto& [w, n] : alt->second.jeWoche)
      if (jetzt.jeWoche.at(w) < n)
        return ::testing::AssertionFailure() << name << " verlor in Woche " << w << " "
                                             << n - jetzt.jeWoche.at(w) << " Stunde(n)";
    for (int w : alt->second.richtig)
      if (!jetzt.richtig.count(w))
        return ::testing::AssertionFailure()
               << name << ": die richtige Woche " << w << " ist nicht mehr richtig";
  }
  return ::testing::AssertionSuccess();
}
