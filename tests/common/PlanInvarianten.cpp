#include "PlanInvarianten.h"

#include <algorithm>
#include <iterator>
#include <sstream>
#include <string>

#include "BelegungsPruefung.h"
#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"

namespace {

std::string Zelle(const std::string& wer, int w, int t, int h) {
  std::ostringstream o;
  o << wer << " {" << w << "} Tag " << t << " Stunde " << h;
  return o.str();
}

std::vector<TPlanAbzug::TStunde> Stunden(const TKurs& k) {
  std::vector<TPlanAbzug::TStunde> v;
  for (const TSetzung* s : k.fSetzungen)
    v.emplace_back(s->fWoche, s->fTag, s->fStunde, s->fRaum, s->fFixiert);
  std::sort(v.begin(), v.end());
  return v;
}

}  // namespace

std::set<std::string> PlanVerstoesse(const TSchule& schule) {
  std::set<std::string> v;
  std::map<std::tuple<const void*, int, int, int>, std::vector<const TKurs*>> belegt;
  for (const TKurs* k : schule.fKursMenge)
    for (const TSetzung* s : k->fSetzungen) {
      const int w = s->fWoche, t = s->fTag, h = s->fStunde;
      if (k->fLehrer) belegt[{k->fLehrer, w, t, h}].push_back(k);
      if (s->fRaum) belegt[{s->fRaum, w, t, h}].push_back(k);
      for (const TKlasse* kl : k->fKlassen) belegt[{kl, w, t, h}].push_back(k);
      auto gesperrt = [&](const TPlanElement* e, const char* art) {
        if (e && e->fSperrung.GetWocheTagStd(w, t, h))
          v.insert(Zelle(
              std::string("gesperrt ") + art + " " + e->fKuerzel.str() + " " + k->OhneRaumZeile(),
              w, t, h));
      };
      if (k->fSperrung.GetWocheTagStd(w, t, h))
        v.insert(Zelle("gesperrt Kurs " + k->OhneRaumZeile(), w, t, h));
      gesperrt(k->fLehrer, "Lehrer");
      gesperrt(s->fRaum, "Raum");
      for (const TKlasse* kl : k->fKlassen) gesperrt(kl, "Klasse");
    }
  for (const auto& [schluessel, kurse] : belegt) {
    if (kurse.size() < 2) continue;
    const auto& [e, w, t, h] = schluessel;
    const auto* element = static_cast<const TElement*>(e);
    // In einer Klasse dürfen die Kurse einer Kopplung zugleich liegen.
    bool erlaubt = element->Art() == kla;
    for (const TKurs* k : kurse)
      erlaubt = erlaubt && k->fKopplung && k->fKopplung == kurse.front()->fKopplung;
    if (!erlaubt) v.insert(Zelle("doppelt " + element->fKuerzel.str(), w, t, h));
  }
  return v;
}

TPlanAbzug::TPlanAbzug(const TSchule& schule) {
  for (const TKurs* k : schule.fKursMenge) fStunden[k] = Stunden(*k);
  fVerstoesse = PlanVerstoesse(schule);
}

int TPlanAbzug::Bewegt(const TSchule& schule) const {
  int n = 0;
  for (const TKurs* k : schule.fKursMenge) {
    const auto it = fStunden.find(k);
    if (it == fStunden.end()) continue;
    std::vector<TStunde> jetzt = Stunden(*k), weg;
    std::set_difference(it->second.begin(), it->second.end(), jetzt.begin(), jetzt.end(),
                        std::back_inserter(weg));
    n += static_cast<int>(weg.size());
  }
  return n;
}

::testing::AssertionResult PlanUnversehrt(const TPlanAbzug& vorher, const TSchule& schule) {
  if (auto b = BelegungenStimmen(schule); !b) return b;
  if (schule.fKursMenge.size() != vorher.fStunden.size())
    return ::testing::AssertionFailure() << "die Zahl der Kurse hat sich geändert";
  const int wochen = Standard().fMaxWocheNeu;
  for (const TKurs* k : schule.fKursMenge) {
    const auto it = vorher.fStunden.find(k);
    if (it == vorher.fStunden.end())
      return ::testing::AssertionFailure() << "neuer Kurs " << k->OhneRaumZeile();
    const std::vector<TPlanAbzug::TStunde> jetzt = Stunden(*k);
    for (int w = 1; w <= wochen; ++w) {
      auto zahl = [w](const std::vector<TPlanAbzug::TStunde>& v) {
        return std::count_if(v.begin(), v.end(),
                             [w](const TPlanAbzug::TStunde& s) { return std::get<0>(s) == w; });
      };
      if (zahl(jetzt) != zahl(it->second))
        return ::testing::AssertionFailure()
               << "Kurs " << k->OhneRaumZeile() << " {" << w << "}: " << zahl(it->second)
               << " Stunden vorher, " << zahl(jetzt) << " nachher";
    }
    for (const TPlanAbzug::TStunde& s : it->second)
      if (std::get<4>(s) && std::find(jetzt.begin(), jetzt.end(), s) == jetzt.end())
        return ::testing::AssertionFailure()
               << Zelle("fixierte Stunde von " + k->OhneRaumZeile(), std::get<0>(s), std::get<1>(s),
                        std::get<2>(s))
               << " ist nicht mehr an ihrem Platz";
  }
  for (const std::string& v : PlanVerstoesse(schule))
    if (!vorher.fVerstoesse.count(v)) return ::testing::AssertionFailure() << "neu: " << v;
  return ::testing::AssertionSuccess();
}
