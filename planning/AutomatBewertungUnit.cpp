// Automatische Planung: die unmöglichen Zellen eines Kurses und seine Schwierigkeit.
#include "planning/AutomatBewertungUnit.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <vector>

#include "model/KlassenUnit.h"
#include "model/KopplUnit.h"
#include "model/KursUnit.h"
#include "model/LehrerUnit.h"
#include "model/RaumUnit.h"
#include "planning/AutomatRaumUnit.h"
#include "settings/StandardUnit.h"

namespace {
constexpr std::uint32_t kGanzerTag = 0xFFFFu;  // Stunden 1..16

std::uint32_t Wort(const TWochBereich& b, int w, int t) {
  return b.GetWocheTag(w, t) & kGanzerTag;
}

std::uint32_t BelegtOderGesperrt(const TPlanElement& e, int w, int t) {
  return Wort(e.fBesetzung, w, t) | Wort(e.fSperrung, w, t);
}

int PlanTage() {
  return std::clamp(Standard().fMaxTageNeu, 1, MaxTage);
}

int Wochen(const TKurs& k) {
  return std::min(Standard().fMaxWocheNeu, k.fSetzungUnmoeglich.WochenZahl());
}

// Zellen der Klasse, in denen ein Kurs liegt, der den Kurs dort nicht erlaubt: ohne Kopplung
// jede besetzte Zelle; mit Kopplung nur Stunden von Kursen außerhalb der eigenen Kopplung (ein
// Kurs einer anderen Kopplung oder ohne Kopplung).
std::uint32_t FremdeStunden(const TKurs& kurs, const TKlasse& klasse, int w, int t) {
  const std::uint32_t belegt = Wort(klasse.fBesetzung, w, t);
  if (!kurs.fKopplung || !belegt) return belegt;
  std::uint32_t fremd = 0;
  for (const TKurs* k : klasse.fKurse)
    if (k != &kurs && k->fKopplung != kurs.fKopplung) fremd |= Wort(k->fBesetzung, w, t);
  return fremd & belegt;
}

// Gekoppelt: eine Zelle, die in einer Woche noch frei ist, wird in allen Wochen unmöglich, wenn
// die Kurse der Kopplung dort keine verschiedenen Räume finden. Ein Raum ist brauchbar, wenn er
// in keiner Woche gesperrt oder besetzt ist.
void KopplungsRaeume(TKurs& kurs) {
  const int wochen = Wochen(kurs);
  std::vector<const TKurs*> kurse;
  for (const TKurs* k : kurs.fKopplung->fKurse) kurse.push_back(k);
  for (int t = 1; t <= PlanTage(); ++t)
    for (int h = 1; h <= MaxStunden; ++h) {
      const std::uint32_t bit = 1u << (h - 1);
      bool frei = false;
      for (int w = 1; w <= wochen && !frei; ++w)
        frei = !(Wort(kurs.fSetzungUnmoeglich, w, t) & bit);
      if (!frei) continue;
      const auto brauchbar = [&](const TRaum* r) {
        for (int w = 1; w <= Standard().fMaxWocheNeu; ++w)
          if (BelegtOderGesperrt(*r, w, t) & bit) return false;
        return true;
      };
      if (!VerschiedeneRaeume(kurse, brauchbar, nullptr))
        for (int w = 1; w <= wochen; ++w) kurs.fSetzungUnmoeglich.SetWocheTagStd(w, t, h, true);
    }
}

// Die eigenen unmöglichen Zellen, ohne die Kopplung.
void EigeneZellen(TKurs& kurs) {
  const TStandard& st = Standard();
  const int tage = PlanTage();
  const bool raeume = !st.fAuRaumUnwichtig && !kurs.fRaeume.empty();
  for (int w = 1; w <= Wochen(kurs); ++w) {
    TWoElem woche;
    for (int t = 1; t <= MaxTage; ++t) {
      if (t > tage) {
        woche.SetTag(t, kGanzerTag);
        continue;
      }
      std::uint32_t zu = UnmoeglicheStunden(kurs, w, t);
      if (raeume && !kurs.fKopplung) {
        // Jeder Raum des Kurses ist besetzt oder gesperrt.
        std::uint32_t alle = kGanzerTag;
        for (const TRaum* r : kurs.fRaeume) alle &= BelegtOderGesperrt(*r, w, t);
        zu |= alle;
      }
      woche.SetTag(t, zu);
    }
    kurs.fSetzungUnmoeglich.SetWoche(w, woche);
  }
  if (raeume && kurs.fKopplung) KopplungsRaeume(kurs);
}

bool Offen(const TKurs* k) {
  return !k->fNichtVerplanen && k->RestStunden(-1) > 0;
}
}  // namespace

std::uint32_t UnmoeglicheStunden(const TKurs& kurs, int woche, int tag) {
  std::uint32_t zu = Wort(kurs.fBesetzung, woche, tag) | Wort(kurs.fSperrung, woche, tag);
  if (kurs.fLehrer) zu |= BelegtOderGesperrt(*kurs.fLehrer, woche, tag);
  for (const TKlasse* kl : kurs.fKlassen)
    zu |= Wort(kl->fSperrung, woche, tag) | FremdeStunden(kurs, *kl, woche, tag);
  return zu;
}

void TKurs::BewerteAutomatik(bool mitKopplung) {
  if (mitKopplung && fKopplung) {
    // Die Kopplung kann nur dorthin, wo alle ihre offenen Kurse hinkönnen.
    std::vector<TKurs*> offen;
    for (TKurs* k : fKopplung->fKurse)
      if (Offen(k)) offen.push_back(k);
    // Auch ein Kurs ohne offene Stunden arbeitet nicht mit alten Zellen weiter.
    if (std::find(offen.begin(), offen.end(), this) == offen.end()) BewerteAutomatik(false);
    TWochBereich vereinigung;
    for (TKurs* k : offen) {
      k->BewerteAutomatik(false);
      // Ein Kurs der Kopplung mit mindestens so vielen Stunden, der in der Woche schon ganz
      // liegt (und darum nicht mitgesetzt wird), muss in jeder Zelle des offenen Kurses liegen:
      // anderswo ist sie unmöglich. Je Woche: in einer anderen kann er noch offen sein.
      for (const TKurs* p : fKopplung->fKurse) {
        if (p == k || p->fNichtVerplanen) continue;
        for (int w = 1; w <= Wochen(*k); ++w) {
          if (p->RestStunden(w) > 0) continue;
          if (p->fStunden.GetWochenStunde(w) < k->fStunden.GetWochenStunde(w)) continue;
          for (int t = 1; t <= MaxTage; ++t)
            k->fSetzungUnmoeglich.SetWocheTag(w, t,
                                              k->fSetzungUnmoeglich.GetWocheTag(w, t) |
                                                  (~Wort(p->fBesetzung, w, t) & kGanzerTag));
        }
      }
      // In einer Woche, in der er schon ganz liegt, wird er nicht mitgesetzt: dort zählen seine
      // Zellen nicht (die eigenen Stunden wären sonst für die anderen unmöglich).
      TWochBereich zellen = k->fSetzungUnmoeglich;
      for (int w = 1; w <= zellen.WochenZahl(); ++w)
        if (k->RestStunden(w) <= 0)
          for (int t = 1; t <= MaxTage; ++t) zellen.SetWocheTag(w, t, 0);
      vereinigung.OrBereich(zellen);
    }
    for (TKurs* k : fKopplung->fKurse) k->fSetzungUnmoeglich.OrBereich(vereinigung);
    return;
  }
  if (fBewertung != 0) return;
  EigeneZellen(*this);
}

void TKurs::TrageBewertungEin() {
  if (fBewertung != 0) return;
  std::int32_t unmoeglich = 0;
  for (int t = 1; t <= MaxTage; ++t)
    for (int h = 1; h <= MaxStunden; ++h)
      unmoeglich += fSetzungUnmoeglich.GetWocheTagStd(-1, t, h) ? 1 : 0;
  std::int32_t wert =
      fStunden.GetWochenStunde(-1) + unmoeglich + 3 * fStdProTag + VerplanteStunden(-1);
  if (fKopplung) {
    wert *= 100;
    for (const TKurs* k : fKopplung->fKurse)
      wert += static_cast<std::int32_t>(k->fKlassen.size()) + 1;
  }
  fBewertung = wert;
}
