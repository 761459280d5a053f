#include "ui/SperrZugUnit.h"

#include <algorithm>

#include "model/GlobalUnit.h"
#include "model/WoBereichsUnit.h"
#include "model/WoElemUnit.h"
#include "settings/StandardUnit.h"

int SperrTag(int tag) {
  return std::clamp(tag, 1, std::clamp(Standard().fMaxTageNeu, 1, MaxTage));
}

int SperrStunde(int std) {
  return std::clamp(std, 1, MaxStunden);
}

void TSperrZug::Druck(int tag, int std) {
  fAmZeichnen = true;
  fRechteck.StartTag = fRechteck.EndTag = SperrTag(tag);
  fRechteck.StartStd = fRechteck.EndStd = SperrStunde(std);
}

bool TSperrZug::Zug(int tag, int std) {
  if (!fAmZeichnen) return false;
  tag = SperrTag(tag);
  std = SperrStunde(std);
  if (tag == fRechteck.EndTag && std == fRechteck.EndStd) return false;
  fRechteck.EndTag = tag;
  fRechteck.EndStd = std;
  return true;
}

bool TSperrZug::Los(int tag, int std) {
  if (!fAmZeichnen) return false;
  Zug(tag, std);
  fAmZeichnen = false;
  return true;
}

int SperrungUmschalten(TWochBereich& sperrung, const TWochBereich* besetzung,
                       const TSperrRechteck& rechteck) {
  const TStandard& s = Standard();
  const bool neu = !sperrung.GetWocheTagStd(s.fAktuelleWoche, rechteck.StartTag, rechteck.StartStd);
  const TWochenSpanne spanne = WochenArgument(-1);
  int geaendert = 0;
  for (int w = spanne.von; w <= spanne.bis; ++w) {
    TWoElem* woche = sperrung.GetWoche(w);
    if (!woche) continue;
    const TWoElem* besetzt = besetzung ? besetzung->GetWoche(w) : nullptr;
    for (int t = SperrTag(rechteck.TagVon()); t <= SperrTag(rechteck.TagBis()); ++t)
      for (int h = SperrStunde(rechteck.StdVon()); h <= SperrStunde(rechteck.StdBis()); ++h) {
        if (besetzt && besetzt->GetTagStd(t, h)) continue;
        if (woche->GetTagStd(t, h) == neu) continue;
        woche->SetTagStd(t, h, neu);
        ++geaendert;
      }
  }
  return geaendert;
}
