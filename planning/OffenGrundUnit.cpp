#include "planning/OffenGrundUnit.h"

#include <algorithm>
#include <bit>
#include <cstdint>

#include "model/KlassenUnit.h"
#include "model/KopplUnit.h"
#include "model/KursUnit.h"
#include "model/LehrerUnit.h"
#include "model/RaumUnit.h"
#include "planning/NachbessernRegelUnit.h"
#include "settings/StandardUnit.h"

namespace {
constexpr std::uint32_t kGanzerTag = 0xFFFFu;

std::uint32_t Wort(const TWochBereich& b, int w, int t) {
  return b.GetWocheTag(w, t) & kGanzerTag;
}

bool Hat(const TWochBereich& b, int w, int t, int h) {
  return (Wort(b, w, t) & (1u << (h - 1))) != 0;
}

// Der Tag des Kurses bliebe mit einer Stunde mehr in h ein Block nach seinen Regeln.
bool TagPasst(const TKurs& k, int w, int t, int h) {
  const std::uint32_t wort = Wort(k.fBesetzung, w, t) | (1u << (h - 1));
  const int zahl = std::popcount(wort);
  if (zahl > std::max(1, k.fStdProTag)) return false;
  const int erste = std::countr_zero(wort) + 1, letzte = 32 - std::countl_zero(wort);
  if (letzte - erste + 1 != zahl) return false;
  if (zahl > 1 && letzte >= MaxStunden) return false;
  const int tab = std::clamp(k.fTabellenNr, 1, 4);
  for (int x = erste; x < letzte; ++x)
    if (Standard().fAuTab[tab][x][t] >= 0) return false;
  return true;
}

// Eine Stunde des Kurses liegt in der Zelle, oder ein Kurs seiner Kopplung (gleiche Zelle).
bool EigeneKopplung(const TKurs& kurs, const TKurs* x) {
  return x == &kurs || (kurs.fKopplung && x->fKopplung == kurs.fKopplung);
}

// Der Lehrer oder eine Klasse des Kurses p ist in der Zelle belegt (außerhalb der Kopplung von
// kurs) oder gesperrt.
bool PartnerBelegt(const TKurs& kurs, const TKurs& p, int w, int t, int h) {
  if (Hat(p.fSperrung, w, t, h)) return true;
  if (const TLehrer* l = p.fLehrer) {
    if (Hat(l->fSperrung, w, t, h)) return true;
    if (Hat(l->fBesetzung, w, t, h) && !p.SetzungFinden(w, t, h)) return true;
  }
  for (const TKlasse* kl : p.fKlassen) {
    if (Hat(kl->fSperrung, w, t, h)) return true;
    if (!Hat(kl->fBesetzung, w, t, h)) continue;
    for (const TKurs* x : kl->fKurse)
      if (!EigeneKopplung(kurs, x) && x->SetzungFinden(w, t, h)) return true;
  }
  return false;
}
}  // namespace

TOffenGruende OffenGruende(const TKurs& kurs, bool einzelWichtig) {
  TOffenGruende g;
  const TStandard& st = Standard();
  const int tage = std::clamp(st.fMaxTageNeu, 1, MaxTage);
  const int stunden = std::clamp(st.fPlnStd, 1, MaxStunden);
  const TWochenSpanne spanne = WochenArgument(-1);
  for (int w = spanne.von; w <= spanne.bis; ++w) {
    if (kurs.fNichtVerplanen || kurs.RestStunden(w) <= 0) continue;
    TFeld<int, 1, MaxTage> zahl{};
    for (int t = 1; t <= tage; ++t) zahl[t] = std::popcount(Wort(kurs.fBesetzung, w, t));
    for (int t = 1; t <= tage; ++t)
      for (int h = 1; h <= stunden; ++h) {
        if (Hat(kurs.fBesetzung, w, t, h)) continue;
        ++g.zellen;
        bool grund = false;
        const auto zaehle = [&grund](int& n, bool trifft) {
          if (!trifft) return;
          ++n;
          grund = true;
        };
        const TLehrer* l = kurs.fLehrer;
        bool gesperrt = Hat(kurs.fSperrung, w, t, h) || (l && Hat(l->fSperrung, w, t, h));
        bool klasse = false;
        for (const TKlasse* kl : kurs.fKlassen) {
          gesperrt = gesperrt || Hat(kl->fSperrung, w, t, h);
          if (!Hat(kl->fBesetzung, w, t, h)) continue;
          for (const TKurs* x : kl->fKurse)
            if (!EigeneKopplung(kurs, x) && x->SetzungFinden(w, t, h)) klasse = true;
        }
        zaehle(g.gesperrt, gesperrt);
        zaehle(g.lehrerBelegt, l && Hat(l->fBesetzung, w, t, h));
        zaehle(g.klasseBelegt, klasse);
        bool raum = !kurs.fRaeume.empty();
        for (const TRaum* r : kurs.fRaeume)
          if (!Hat(r->fSperrung, w, t, h) && !Hat(r->fBesetzung, w, t, h)) raum = false;
        zaehle(g.raum, raum);
        zaehle(g.proTag, !TagPasst(kurs, w, t, h));
        if (einzelWichtig) {
          TFeld<int, 1, MaxTage> mit = zahl;
          ++mit[t];
          zaehle(g.einzel, !EinzelBedingungErreichbar(mit, tage, kurs.fStunden.GetWochenStunde(w),
                                                      kurs.fStdProTag, kurs.fEinzelStd));
        }
        bool kopplung = false;
        if (kurs.fKopplung)
          for (const TKurs* p : kurs.fKopplung->fKurse)
            if (p != &kurs && !p->fNichtVerplanen && PartnerBelegt(kurs, *p, w, t, h))
              kopplung = true;
        zaehle(g.kopplung, kopplung);
        if (!grund) ++g.frei;
      }
  }
  return g;
}

std::string OffenGruendeText(const TOffenGruende& g) {
  const auto z = [](int n) { return std::to_string(n); };
  return "Lehrer belegt " + z(g.lehrerBelegt) + ", Klasse belegt " + z(g.klasseBelegt) +
         ", gesperrt " + z(g.gesperrt) + ", Raum " + z(g.raum) + ", Stunden pro Tag " +
         z(g.proTag) + ", Einzelstunden " + z(g.einzel) + ", Kopplung " + z(g.kopplung) +
         ", frei " + z(g.frei) + " (von " + z(g.zellen) + " Zellen)";
}
