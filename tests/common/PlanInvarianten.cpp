#include "PlanInvarianten.h"

#include <algorithm>
#include <iterator>
#include <functional>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "BelegungsPruefung.h"
#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"

namespace {

std::string Zelle(const std::string& wer, int w, int t, int h) {
  return wer + " {" + std::to_string(w) + "} Tag " + std::to_string(t) + " Stunde " +
         std::to_string(h);
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
  // Je Stunde eines Kurses ein Eintrag für seinen Lehrer, den Raum und jede Klasse; nach Element
  // und Zelle sortiert (stabil: in einer Zelle die Kurse in der Folge der Kursliste).
  struct TBelegt {
    const TElement* Element;
    int W, T, H;
    const TKurs* Kurs;
    std::size_t Nr = 0;
  };
  std::vector<TBelegt> belegt;
  for (const TKurs* k : schule.fKursMenge)
    for (const TSetzung* s : k->fSetzungen) {
      const int w = s->fWoche, t = s->fTag, h = s->fStunde;
      if (k->fLehrer) belegt.push_back({k->fLehrer, w, t, h, k, 0});
      if (s->fRaum) belegt.push_back({s->fRaum, w, t, h, k, 0});
      for (const TKlasse* kl : k->fKlassen) belegt.push_back({kl, w, t, h, k, 0});
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
  auto schluessel = [](const TBelegt& b) {
    return std::tuple(static_cast<const void*>(b.Element), b.W, b.T, b.H);
  };
  // Stabil wie std::stable_sort, aber ohne dessen Puffer: bei gleichem Schlüssel entscheidet die
  // Stelle, an der ein Eintrag angelegt wurde.
  for (std::size_t i = 0; i < belegt.size(); ++i) belegt[i].Nr = i;
  std::sort(belegt.begin(), belegt.end(), [&](const TBelegt& a, const TBelegt& b) {
    return std::tuple(schluessel(a), a.Nr) < std::tuple(schluessel(b), b.Nr);
  });
  for (std::size_t i = 0; i < belegt.size();) {
    std::size_t j = i + 1;
    while (j < belegt.size() && schluessel(belegt[j]) == schluessel(belegt[i])) ++j;
    if (j - i >= 2) {
      const TBelegt& erster = belegt[i];
      // In einer Klasse dürfen die Kurse einer Kopplung zugleich liegen.
      bool erlaubt = erster.Element->Art() == kla;
      for (std::size_t n = i; n < j; ++n)
        erlaubt = erlaubt && belegt[n].Kurs->fKopplung &&
                  belegt[n].Kurs->fKopplung == erster.Kurs->fKopplung;
      if (!erlaubt)
        v.insert(Zelle("doppelt " + erster.Element->fKuerzel.str(), erster.W, erster.T, erster.H));
    }
    i = j;
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
