#include "BelegungsPruefung.h"

#include <bit>
#include <cstdint>
#include <unordered_map>
#include <sstream>
#include <string>

#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"

namespace {
std::string Zelle(const std::string& wer, int w, int t, int h) {
  return wer + " {" + std::to_string(w) + "} Tag " + std::to_string(t) + " Stunde " +
         std::to_string(h);
}

// Vergleicht die Belegung mit dem erwarteten Bereich, Zelle für Zelle (Stunden 1..16 eines
// Tages als Bits seines Tagesworts); die erste abweichende Zelle ist der Fehler.
template <class Wer>
bool Gleich(const TWochBereich& ist, const TWochBereich& soll, Wer wer, std::string& fehler) {
  for (int w = 1; w <= soll.WochenZahl(); ++w)
    for (int t = 1; t <= 7; ++t) {
      const std::uint32_t a = ist.GetWocheTag(w, t), b = soll.GetWocheTag(w, t);
      const std::uint32_t anders = (a ^ b) & 0xFFFFu;
      if (anders == 0) continue;
      const int h = std::countr_zero(anders) + 1;
      fehler = Zelle(wer(), w, t, h) +
               ((a >> (h - 1)) & 1u ? ": belegt ohne Setzung" : ": Setzung ohne Belegung");
      return false;
    }
  return true;
}
}  // namespace

::testing::AssertionResult BelegungenStimmen(const TSchule& schule) {
  const int wochen = Standard().fMaxWocheNeu;
  std::unordered_map<const TPlanElement*, TWochBereich> soll;
  soll.reserve(schule.fLehrerMenge.size() + schule.fKlassenMenge.size() + schule.fRaumMenge.size());
  auto bereich = [&](const TPlanElement* e) -> TWochBereich& {
    auto it = soll.find(e);
    if (it == soll.end()) it = soll.emplace(e, TWochBereich(wochen)).first;
    return it->second;
  };
  std::string fehler;
  for (const TKurs* k : schule.fKursMenge) {
    // Der Name erst für eine Meldung.
    auto name = [k] { return "Kurs " + k->OhneRaumZeile(); };
    TWochBereich kursSoll(wochen);
    for (const TSetzung* s : k->fSetzungen) {
      if (kursSoll.GetWocheTagStd(s->fWoche, s->fTag, s->fStunde))
        return ::testing::AssertionFailure()
               << Zelle(name(), s->fWoche, s->fTag, s->fStunde) << ": zwei Setzungen";
      kursSoll.SetWocheTagStd(s->fWoche, s->fTag, s->fStunde, true);
      if (k->fLehrer) {
        if (k->fLehrer->fKurse.ListeElemNr(k) == 0)
          return ::testing::AssertionFailure() << name() << " fehlt in der Kursliste des Lehrers";
        bereich(k->fLehrer).SetWocheTagStd(s->fWoche, s->fTag, s->fStunde, true);
      }
      for (const TKlasse* kl : k->fKlassen)
        bereich(kl).SetWocheTagStd(s->fWoche, s->fTag, s->fStunde, true);
      if (s->fRaum) {
        if (s->fRaum->fKurse.ListeElemNr(k) == 0)
          return ::testing::AssertionFailure()
                 << name() << " fehlt in der Kursliste von Raum " << s->fRaum->fKuerzel.str();
        bereich(s->fRaum).SetWocheTagStd(s->fWoche, s->fTag, s->fStunde, true);
      }
    }
    if (!Gleich(k->fBesetzung, kursSoll, name, fehler))
      return ::testing::AssertionFailure() << fehler;
  }
  auto pruefe = [&](const auto& menge, const char* art) {
    for (const TPlanElement* e : menge)
      if (!Gleich(
              e->fBesetzung, bereich(e),
              [e, art] { return std::string(art) + " " + e->fKuerzel.str(); }, fehler))
        return false;
    return true;
  };
  if (!pruefe(schule.fLehrerMenge, "Lehrer") || !pruefe(schule.fKlassenMenge, "Klasse") ||
      !pruefe(schule.fRaumMenge, "Raum"))
    return ::testing::AssertionFailure() << fehler;
  return ::testing::AssertionSuccess();
}
