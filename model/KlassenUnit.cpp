#include "model/KlassenUnit.h"

#include "model/FachUnit.h"
#include "model/KursUnit.h"
#include "model/RaumUnit.h"
#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"

TKlasse::TKlasse() {
  fSoll.SetWochenStunde(0, Standard().fKlSoll);
}

std::int32_t TKlasse::FachSumme(const TFach* fach) const {
  std::int32_t summe = 0;
  for (const TKurs* k : fKurse)
    if (k->fFach == fach) summe += k->fStunden.GetWochenStunde(-1);
  return summe;
}

void TKlasse::NeuerRaum(TRaum* raum) {
  for (TKurs* k : fKurse.Kopie()) {
    if (fRaum) {
      if (!k->fRaeume.ListeElemEnthalten(fRaum)) continue;
      if (!k->VerplantImRaum(fRaum)) k->RaumEntfernen(fRaum);
    }
    if (raum && !k->fRaeume.ListeElemEnthalten(raum)) k->RaumErgaenzen(raum, false);
  }
}

int TKlasse::HohlStunden(int woche, int& maxim, TTagFeld& maximum) const {
  const TStandard& s = Standard();
  const TWochenSpanne spanne = WochenArgument(woche);
  // Wahr, wenn in der Zelle eine nicht fixierte Setzung eines Kurses der Klasse liegt.
  auto nichtFixiertBesetzt = [&](int tag, int std) {
    for (const TKurs* k : fKurse)
      for (int w = spanne.von; w <= spanne.bis; ++w) {
        if (!k->fBesetzung.GetWocheTagStd(w, tag, std)) continue;
        const TSetzung* setzung = k->SetzungFinden(w, tag, std);
        if (setzung && !setzung->fFixiert) return true;
      }
    return false;
  };
  maxim = 0;
  maximum.fill(0);
  int summe = 0;
  for (int t = 1; t <= std::min(s.fMaxTageNeu, 7); ++t) {
    int j = 0;
    for (int h = 16; h >= 1 && !j; --h)
      if (fBesetzung.GetWocheTagStd(woche, t, h) && nichtFixiertBesetzt(t, h)) j = h;
    maximum[t - 1] = j;
    maxim = std::max(maxim, j);
    for (int h = 1; h < j; ++h)
      if (!fBesetzung.GetWocheTagStd(woche, t, h) && !fSperrung.GetWocheTagStd(woche, t, h))
        ++summe;
  }
  return summe;
}

void TKlasse::Aufloesen() {
  TSchule& schule = Schule();
  for (TKurs* k : fKurse.Kopie()) {
    k->AlleSetzungenEntfernen();
    k->KlasseEntfernen(this);
  }
  for (TUVTab* uv : schule.fUVTabMenge) uv->KlasseEntfernen(this);
  // Ein Fach kann die Klasse auch ohne Kurs noch führen; kein Verweis darf bleiben.
  for (TFach* f : schule.fFachMenge) {
    f->fKlassen.ListeElemEntfernen(this);
    if (f->fPopKlasse == this) f->fPopKlasse = nullptr;
  }
  TSollElement::Aufloesen();
}

TKurs* TKlasse::NeuerKurs() {
  return NeuerKursMitFenster(nullptr, this, nullptr, nullptr, fRaum);
}
