#include "model/KursUnit.h"

#include <bit>

#include "model/FachUnit.h"
#include "model/KlassenUnit.h"
#include "model/KopplUnit.h"
#include "model/LehrerUnit.h"
#include "model/RaumUnit.h"
#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"

namespace {
std::uint64_t gLetzteLfdNr = 0;

auto KursOrdnung() {
  return [](const TKurs* a, const TKurs* b) { return KursVergleich(a, b); };
}
auto KlassenKursOrdnung() {
  return [](const TKurs* a, const TKurs* b) { return KlassenKursVergleich(a, b); };
}
}  // namespace

TKurs::TKurs() : fLfdNr(++gLetzteLfdNr) {
  const TStandard& s = Standard();
  for (int w = 1; w <= fSperrung.WochenZahl(); ++w) fSperrung.SetWoche(w, s.fKuWoElem);
}

TKurs::~TKurs() = default;

void TKurs::BerechneReihe() {
  const TKlasse* ersteKlasse = fKlassen.ListeNrInhalt(1);
  const std::int32_t klasse = ersteKlasse ? ersteKlasse->fReihe : 0;
  const std::int32_t lehrer = fLehrer ? fLehrer->fReihe : 0;
  if (Standard().fNachKlSortiert) {
    fReihe1 = ersteKlasse ? klasse * 1000 : -1000;
    fReihe2 = fLehrer ? lehrer : -1;
  } else {
    fReihe1 = fLehrer ? lehrer * 1000 : -1000;
    fReihe2 = ersteKlasse ? klasse : -1;
  }
  fReihe1 += fFach ? fFach->fReihe : -1;
  fReihe2 -= fStunden.GetWochenStunde(0) * 1000;
}

int KursVergleich(const TKurs* a, const TKurs* b) {
  if (a->fReihe1 != b->fReihe1) return a->fReihe1 < b->fReihe1 ? -1 : 1;
  if (a->fReihe2 != b->fReihe2) return a->fReihe2 < b->fReihe2 ? -1 : 1;
  if (a->fLfdNr != b->fLfdNr) return a->fLfdNr < b->fLfdNr ? -1 : 1;
  return 0;
}

int KlassenKursVergleich(const TKurs* a, const TKurs* b) {
  if (Standard().fNachKlSortiert && a->fFach != b->fFach) {
    if (!a->fFach) return -1;
    if (!b->fFach) return 1;
    if (a->fFach->fReihe != b->fFach->fReihe) return a->fFach->fReihe < b->fFach->fReihe ? -1 : 1;
  }
  return KursVergleich(a, b);
}

void TKurs::FensterUpdate() {
  if (fLehrer) fLehrer->FensterUpdate();
  for (TKlasse* k : fKlassen) k->FensterUpdate();
  if (fKopplung) fKopplung->FensterUpdate();
  if (fFach) fFach->FensterUpdate();
  for (TRaum* r : fRaeume) r->FensterUpdate();
  SchuleGeaendert();
}

void TKurs::FensterRefresh() {
  if (fLehrer) fLehrer->FensterRefresh();
  for (TKlasse* k : fKlassen) k->FensterRefresh();
  if (fKopplung) fKopplung->FensterRefresh();
  if (fFach) fFach->FensterRefresh();
  for (TRaum* r : fRaeume) r->FensterRefresh();
  SchuleGeaendert();
}

void TKurs::LehrerErgaenzen(TLehrer* theLehrer) {
  LehrerEntfernen();
  fLehrer = theLehrer;
  BerechneReihe();
  if (fLehrer) {
    fLehrer->fKurse.ListeEinfuegen(this, KursOrdnung());
    fLehrer->FensterUpdate();
    if (fKopplung) fKopplung->LeKopDoppeltTest(fLehrer);
  }
  FensterRefresh();
}

void TKurs::LehrerEntfernen() {
  if (!fLehrer) return;
  TLehrer* alt = fLehrer;
  alt->fKurse.ListeElemEntfernen(this);
  fLehrer = nullptr;
  alt->FensterUpdate();
  SchuleGeaendert();
}

void TKurs::KlasseErgaenzen(TKlasse* theKlasse) {
  if (!theKlasse || fKlassen.ListeElemEnthalten(theKlasse)) return;
  fKlassen.ListeEinfuegen(theKlasse,
                          [](const TKlasse* a, const TKlasse* b) { return ReihenVergleich(a, b); });
  BerechneReihe();
  if (!theKlasse->fKurse.ListeElemEnthalten(this))
    theKlasse->fKurse.ListeEinfuegen(this, KlassenKursOrdnung());
  if (fFach) fFach->NeueKlasse(theKlasse);
  theKlasse->FensterUpdate();
  FensterRefresh();
}

void TKurs::KlasseEntfernen(TKlasse* theKlasse) {
  if (!fKlassen.ListeElemEntfernen(theKlasse)) return;
  theKlasse->fKurse.ListeElemEntfernen(this);
  if (fFach) fFach->KlasseEntfernen(theKlasse);
  theKlasse->FensterUpdate();
  FensterRefresh();
}

void TKurs::KopplungErgaenzen(TKopplung* theKopplung) {
  KopplungEntfernen();
  fKopplung = theKopplung;
  BerechneReihe();
  if (fKopplung) {
    fKopplung->fKurse.ListeEinfuegen(this, KursOrdnung());
    fKopplung->FensterUpdate();
    if (fLehrer) fKopplung->LeKopDoppeltTest(fLehrer);
  }
  FensterRefresh();
}

void TKurs::KopplungEntfernen() {
  if (!fKopplung) return;
  TKopplung* alt = fKopplung;
  alt->fKurse.ListeElemEntfernen(this);
  fKopplung = nullptr;
  alt->FensterUpdate();
  SchuleGeaendert();
}

void TKurs::FachErgaenzen(TFach* theFach) {
  FachEntfernen();
  fFach = theFach;
  BerechneReihe();
  if (fFach) {
    fFach->fKurse.ListeEinfuegen(this, KursOrdnung());
    for (TKlasse* k : fKlassen) fFach->NeueKlasse(k);
    fFach->FensterUpdate();
  }
  FensterRefresh();
}

void TKurs::FachEntfernen() {
  if (!fFach) return;
  TFach* alt = fFach;
  alt->fKurse.ListeElemEntfernen(this);
  fFach = nullptr;
  for (TKlasse* k : fKlassen) alt->KlasseEntfernen(k);
  alt->FensterUpdate();
  SchuleGeaendert();
}

void TKurs::RaumErgaenzen(TRaum* theRaum, bool spaeter) {
  if (!theRaum || fRaeume.ListeElemEnthalten(theRaum)) return;
  fRaeume.ListeAnhaengen(theRaum);
  if (spaeter) fRaumErgaenzt.ListeAnhaengen(theRaum);
  BerechneReihe();
  if (!theRaum->fKurse.ListeElemEnthalten(this))
    theRaum->fKurse.ListeEinfuegen(this, KursOrdnung());
  theRaum->FensterUpdate();
  FensterRefresh();
}

void TKurs::RaumEntfernen(TRaum* theRaum) {
  if (!theRaum || !fRaeume.ListeElemEnthalten(theRaum)) return;
  for (TSetzung* s : fSetzungen.Kopie())
    if (s->fRaum == theRaum) EntferneRaumInSetzung(s);
  theRaum->fKurse.ListeElemEntfernen(this);
  fRaeume.ListeElemEntfernen(theRaum);
  fRaumErgaenzt.ListeElemEntfernen(theRaum);
  theRaum->FensterUpdate();
  FensterRefresh();
}

std::int32_t TKurs::VerplanteStunden(int theWoche) const {
  const TWochenSpanne s = WochenArgument(theWoche);
  const int tage = std::min(Standard().fMaxTageNeu, 7);
  std::int32_t summe = 0;
  for (int w = s.von; w <= s.bis; ++w) {
    const TWoElem* woche = fBesetzung.GetWoche(w);
    if (!woche) continue;
    for (int t = 1; t <= tage; ++t) summe += std::popcount(woche->GetTag(t) & 0xFFFFu);
  }
  return summe;
}

std::int32_t TKurs::RestStunden(int woche) const {
  return fStunden.GetWochenStunde(woche) - VerplanteStunden(woche);
}

TSetzung* TKurs::SetzungFinden(int dieWoche, int derTag, int dieStd) const {
  for (TSetzung* s : fSetzungen)
    if (s->Liegt(dieWoche, derTag, dieStd)) return s;
  return nullptr;
}

bool TKurs::VerplantImRaum(const TRaum* theRaum) const {
  for (const TSetzung* s : fSetzungen)
    if (s->fRaum == theRaum) return true;
  return false;
}
