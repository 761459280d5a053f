#include "model/WoBereichsUnit.h"

#include <algorithm>

#include "settings/StandardUnit.h"

namespace {
// Die Wochen 1..min(fMaxWocheNeu, vorhandene), die ein Wochenargument bezeichnet.
TWochenSpanne Spanne(int woche, int vorhanden) {
  TWochenSpanne s = WochenArgument(woche);
  s.bis = std::min(s.bis, vorhanden);
  return s;
}
}  // namespace

TWochBereich::TWochBereich() : TWochBereich(Standard().fMaxWocheNeu) {}

TWochBereich::TWochBereich(int wochen) : fWochen(static_cast<std::size_t>(std::max(0, wochen))) {}

void TWochBereich::SetWochenZahl(int wochen) {
  fWochen.resize(static_cast<std::size_t>(std::max(0, wochen)));
}

void TWochBereich::SetWoche(int woche, const TWoElem& elem) {
  if (TWoElem* w = GetWoche(woche)) *w = elem;
}

TWoElem* TWochBereich::GetWoche(int woche) {
  if (woche < 1 || woche > WochenZahl()) return nullptr;
  return &fWochen[static_cast<std::size_t>(woche - 1)];
}

const TWoElem* TWochBereich::GetWoche(int woche) const {
  if (woche < 1 || woche > WochenZahl()) return nullptr;
  return &fWochen[static_cast<std::size_t>(woche - 1)];
}

void TWochBereich::SetWocheTag(int woche, int tag, std::uint32_t wert) {
  if (TWoElem* w = GetWoche(woche)) w->SetTag(tag, wert);
}

std::uint32_t TWochBereich::GetWocheTag(int woche, int tag) const {
  const TWoElem* w = GetWoche(woche);
  return w ? w->GetTag(tag) : 0;
}

void TWochBereich::SetWocheTagStd(int woche, int tag, int std, bool wert) {
  const TWochenSpanne s = Spanne(woche, WochenZahl());
  const int tagVon = tag == 0 ? 1 : tag, tagBis = tag == 0 ? 7 : tag;
  const int stdVon = std == 0 ? 1 : std, stdBis = std == 0 ? 16 : std;
  for (int w = s.von; w <= s.bis; ++w) {
    TWoElem& elem = fWochen[static_cast<std::size_t>(w - 1)];
    for (int t = tagVon; t <= tagBis; ++t)
      for (int h = stdVon; h <= stdBis; ++h) elem.SetTagStd(t, h, wert);
  }
}

bool TWochBereich::GetWocheTagStd(int woche, int tag, int std) const {
  if (woche >= 1) {  // eine Woche (der häufigste Fall, ohne die Spanne)
    if (woche > WochenZahl() || woche > Standard().fMaxWocheNeu) return false;
    return fWochen[static_cast<std::size_t>(woche - 1)].GetTagStd(tag, std);
  }
  const TWochenSpanne s = Spanne(woche, WochenZahl());
  for (int w = s.von; w <= s.bis; ++w)
    if (fWochen[static_cast<std::size_t>(w - 1)].GetTagStd(tag, std)) return true;
  return false;
}

void TWochBereich::ReinigeSperrung(TWochBereich& sperrung) const {
  const int n = std::min({Standard().fMaxWocheNeu, WochenZahl(), sperrung.WochenZahl()});
  for (int w = 1; w <= n; ++w)
    for (int t = 1; t <= 7; ++t) {
      const std::uint32_t hier = GetWocheTag(w, t) & 0xFFFFu;
      sperrung.SetWocheTag(w, t, sperrung.GetWocheTag(w, t) & ~hier);
    }
}

void TWochBereich::OrBereich(const TWochBereich& bereich) {
  const int n = std::min({Standard().fMaxWocheNeu, WochenZahl(), bereich.WochenZahl()});
  for (int w = 1; w <= n; ++w)
    for (int t = 1; t <= 7; ++t)
      SetWocheTag(w, t, GetWocheTag(w, t) | (bereich.GetWocheTag(w, t) & 0xFFFFu));
}

void TWochBereich::AndOrBereich(const TWochBereich& a, const TWochBereich& b) {
  const int n = std::min(Standard().fMaxWocheNeu, WochenZahl());
  for (int w = 1; w <= n; ++w)
    for (int t = 1; t <= 7; ++t) {
      const std::uint32_t maske = (a.GetWocheTag(w, t) | b.GetWocheTag(w, t)) & 0xFFFFu;
      // Bits über Stunde 16 bleiben, wie sie sind: nur Zellen 1..16 werden verknüpft.
      const std::uint32_t alt = GetWocheTag(w, t);
      SetWocheTag(w, t, (alt & ~0xFFFFu) | (alt & maske));
    }
}

bool TWochBereich::GleichBereich() const {
  const int tage = std::min(Standard().fMaxTageNeu, 7);
  const int n = std::min(Standard().fMaxWocheNeu, WochenZahl());
  for (int w = 2; w <= n; ++w)
    for (int t = 1; t <= tage; ++t)
      if (GetWocheTag(w, t) != GetWocheTag(1, t)) return false;
  return true;
}

void TWochBereich::Leeren() {
  for (auto& w : fWochen) w = TWoElem{};
}
