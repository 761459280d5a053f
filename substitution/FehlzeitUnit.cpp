#include "substitution/FehlzeitUnit.h"

#include <cmath>
#include <memory>

#include "model/DatumUnit.h"
#include "model/SchulUnit.h"
#include "substitution/KalenderUnit.h"
#include "substitution/VertretungsPlanungUnit.h"

TFehl* FehlFinden(const TPlanElement* element, TDateTime datum) {
  if (!element) return nullptr;
  TEigenListe<TFehl>* menge = Schule().FehlMenge(element->Art());
  if (!menge) return nullptr;
  for (TFehl* f : *menge)
    if (f->fElement == element && GleicherTag(f->fDatum, datum)) return f;
  return nullptr;
}

TFehl* FehlAnlegen(TPlanElement* element, TDateTime datum, bool geordnet) {
  TEigenListe<TFehl>* menge = element ? Schule().FehlMenge(element->Art()) : nullptr;
  if (!menge) return nullptr;
  auto f = std::make_unique<TFehl>();
  f->fDatum = std::floor(datum) + 0.5;
  f->fElement = element;
  TFehl* roh = f.get();
  if (!geordnet) {
    menge->ListeAnhaengen(std::move(f));
    return roh;
  }
  // Vor die Einträge, die sie nicht übertrifft: später, oder am selben Tag mit größerer fReihe.
  auto groesser = [](const TFehl* a, const TFehl* b) {
    const double ta = std::floor(a->fDatum), tb = std::floor(b->fDatum);
    if (ta != tb) return ta > tb;
    const int ra = a->fElement ? a->fElement->fReihe : 0;
    const int rb = b->fElement ? b->fElement->fReihe : 0;
    return ra > rb;
  };
  int pos = 0;
  while (pos < menge->ListeZahlElemente() && groesser(roh, (*menge)[pos])) ++pos;
  std::vector<std::unique_ptr<TFehl>> rest;
  while (menge->ListeZahlElemente() > pos) {
    menge->fAktuell = pos;
    rest.push_back(menge->ListeHerausnehmen());
  }
  menge->ListeAnhaengen(std::move(f));
  for (auto& r : rest) menge->ListeAnhaengen(std::move(r));
  return roh;
}

TFehl* FehlMaskeSetzen(TFehl* fehl, std::int32_t maske) {
  if (!fehl) return nullptr;
  fehl->fHilfe = maske & 0xFFFF;
  fehl->AendereVertretung();
  TSchule& s = Schule();
  s.SetDirty(true);
  if (fehl->fZeit == 0) {
    if (TEigenListe<TFehl>* menge = fehl->fElement ? s.FehlMenge(fehl->fElement->Art()) : nullptr)
      menge->ListeElemEntfernen(fehl);
    return nullptr;
  }
  return fehl;
}

TFehl* FehlzeitEintragen(TPlanElement* element, TDateTime datum, std::int32_t maske,
                         std::string_view grund) {
  TFehl* f = FehlFinden(element, datum);
  if (!f) {
    if ((maske & 0xFFFF) == 0) return nullptr;
    f = FehlAnlegen(element, datum, true);
    if (!f) return nullptr;
  }
  f->fGrund = GrundZeichen(grund);
  return FehlMaskeSetzen(f, maske);
}

int LaengereFehlzeit(TPlanElement* element, TDateTime von, TDateTime bis, std::int32_t maske,
                     std::string_view grund) {
  if (!element) return 0;
  const long long erster = static_cast<long long>(std::floor(von)) + 1;
  const long long letzter = static_cast<long long>(std::floor(bis));
  int tage = 0;
  for (long long t = erster; t <= letzter; ++t)
    if (Schultag(t + 0.5)) ++tage;
  TDialogDienst& dialog = Dialog();
  TBeschaeftigt sanduhr;
  dialog.MeldungsFensterZeigen("Die Fehlzeiten werden eingetragen.");
  int eingetragen = 0;
  for (long long t = erster; t <= letzter; ++t) {
    const TDateTime d = t + 0.5;
    if (!Schultag(d)) continue;
    TFehl* f = FehlFinden(element, d);
    if (!f) {
      if ((maske & 0xFFFF) == 0) continue;
      f = FehlAnlegen(element, d, false);
      f->fGrund = GrundZeichen(grund);
    }
    FehlMaskeSetzen(f, maske);
    ++eingetragen;
    dialog.MeldungsFensterZeigen("Die Fehlzeiten werden eingetragen. (" +
                                 std::to_string(eingetragen) + " von " + std::to_string(tage) +
                                 ")");
  }
  dialog.MeldungsFensterSchliessen();
  return eingetragen;
}

std::int32_t StundenMaske(int von, int bis) {
  std::int32_t m = 0;
  for (int h = std::max(von, 1); h <= std::min(bis, 16); ++h) m |= FehlBit(h);
  return m;
}

std::string MaskenText(std::int32_t maske) {
  std::string s(16, '-');
  for (int h = 1; h <= 16; ++h)
    if (maske & FehlBit(h)) s[h - 1] = '+';
  return s;
}

std::int32_t MaskeAusText(std::string_view text) {
  std::int32_t m = 0;
  for (std::size_t i = 0; i < text.size() && i < 16; ++i)
    if (text[i] == '+') m |= FehlBit(static_cast<int>(i) + 1);
  return m;
}

std::string GrundZeichen(std::string_view grund) {
  if (grund.empty()) return "-";
  return std::string(grund.substr(0, 1));
}
