// Die Räume der Setzungen eines Kurses.
#include "model/KursUnit.h"
#include "model/RaumUnit.h"
#include "model/SchulUnit.h"
#include "planning/SetzungAnzeigeUnit.h"

TRaum* TKurs::RaumFinden(int woche, int tag, int stunde) const {
  const TWochenSpanne spanne = WochenArgument(woche);
  if (spanne.Einzeln()) {
    const TSetzung* s = SetzungFinden(spanne.von, tag, stunde);
    return s ? s->fRaum : nullptr;
  }
  // Über mehrere Wochen: der Raum, den alle Stunden mit Raum gemeinsam haben.
  TRaum* gemeinsam = nullptr;
  for (const TSetzung* s : fSetzungen) {
    if (s->fTag != tag || s->fStunde != stunde || !s->fRaum) continue;
    if (s->fWoche < spanne.von || s->fWoche > spanne.bis) continue;
    if (!gemeinsam)
      gemeinsam = s->fRaum;
    else if (gemeinsam != s->fRaum)
      return nullptr;
  }
  return gemeinsam;
}

TRaum* TKurs::FreierRaum(int woche, int tag, int std) const {
  for (TRaum* r : fRaeume)
    if (!r->fSperrung.GetWocheTagStd(woche, tag, std) &&
        !r->fBesetzung.GetWocheTagStd(woche, tag, std))
      return r;
  return nullptr;
}

void TKurs::AendereRaumInSetzung(TSetzung* setzung, TRaum* raum) {
  if (!setzung || fSetzungen.ListeElemNr(setzung) == 0) return;
  if (setzung->fRaum == raum) return;
  if (setzung->fRaum) EntferneRaumInSetzung(setzung);
  if (!raum) return;
  const int w = setzung->fWoche, t = setzung->fTag, h = setzung->fStunde;
  setzung->fRaum = raum;
  raum->MerkeZeit();
  raum->fBesetzung.SetWocheTagStd(w, t, h, true);
  ZeigeRaumZelle(raum, w, t, h, this);
  raum->PlanRefresh();
  PlanRefresh();
  SchuleGeaendert();
}

void TKurs::EntferneRaumInSetzung(TSetzung* setzung) {
  if (!setzung || !setzung->fRaum) return;
  TRaum* raum = setzung->fRaum;
  const int w = setzung->fWoche, t = setzung->fTag, h = setzung->fStunde;
  setzung->fRaum = nullptr;
  // Der Raum bleibt belegt, solange ein anderer Kurs dort in ihm liegt (doppelt belegt nach einem
  // Import oder "Trotzdem").
  TKurs* bleibt = raum->FindeKurs(w, t, h);
  raum->MerkeZeit();
  raum->fBesetzung.SetWocheTagStd(w, t, h, bleibt != nullptr);
  ZeigeRaumZelle(raum, w, t, h, bleibt);
  raum->PlanRefresh();
  PlanRefresh();
  SchuleGeaendert();
}

void TKurs::LoescheRaumInSetzung(int woche, int tag, int std) {
  const TWochenSpanne spanne = WochenArgument(woche);
  for (int w = spanne.von; w <= spanne.bis; ++w)
    if (TSetzung* s = SetzungFinden(w, tag, std); s && s->fRaum) EntferneRaumInSetzung(s);
}

void TKurs::RaumAenderung(TRaum* raum, int woche, int tag, int std) {
  if (!raum) return;
  const TWochenSpanne spanne = WochenArgument(woche);
  bool gesetzt = false;
  for (int w = spanne.von; w <= spanne.bis; ++w)
    if (TSetzung* s = SetzungFinden(w, tag, std)) {
      AendereRaumInSetzung(s, raum);
      gesetzt = true;
    }
  // Ein beim Planen gewählter Raum wird einer des Kurses.
  if (gesetzt && fRaeume.ListeElemNr(raum) == 0) RaumErgaenzen(raum, true);
}

bool TKurs::RaumTausch(TKurs* myKurs, int woche, int tag, int std) {
  if (!myKurs || myKurs == this) return false;
  const TWochenSpanne spanne = WochenArgument(woche);
  if (!spanne.Einzeln()) return false;
  const int w = spanne.von;
  TSetzung* meine = SetzungFinden(w, tag, std);
  TSetzung* andere = myKurs->SetzungFinden(w, tag, std);
  if (!meine || !andere) return false;
  const int antwort =
      Dialog().Frage("Raumtausch",
                     {"Sollen die Räume getauscht werden?", U8(KurzZeile(w, tag, std)),
                      U8(myKurs->KurzZeile(w, tag, std)), U8(ZellenText(w, tag, std))},
                     TMeldungsArt::Frage, {"Ok", "Abbrechen"}, 0, 1);
  if (antwort != 0) return false;
  TRaum* meinRaum = meine->fRaum;
  TRaum* andererRaum = andere->fRaum;
  EntferneRaumInSetzung(meine);
  myKurs->EntferneRaumInSetzung(andere);
  if (andererRaum) {
    AendereRaumInSetzung(meine, andererRaum);
    if (fRaeume.ListeElemNr(andererRaum) == 0) RaumErgaenzen(andererRaum, true);
  }
  if (meinRaum) {
    myKurs->AendereRaumInSetzung(andere, meinRaum);
    if (myKurs->fRaeume.ListeElemNr(meinRaum) == 0) myKurs->RaumErgaenzen(meinRaum, true);
  }
  SchuleGeaendert();
  return true;
}

void TKurs::RSetzen(TRaum* raum, int woche, int tag, int std) {
  if (!raum) return;
  const TWochenSpanne spanne = WochenArgument(woche);
  for (int w = spanne.von; w <= spanne.bis; ++w) {
    if (!SetzungFinden(w, tag, std)) continue;
    TKurs* anderer = raum->FindeKurs(w, tag, std);
    if (anderer == this) continue;  // schon in dem Raum
    if (anderer)
      RaumTausch(anderer, w, tag, std);
    else
      RaumAenderung(raum, w, tag, std);
  }
  SchuleGeaendert();
}

void TKurs::RaumAbgleich() {
  TRaum* bester = nullptr;
  int besteZahl = 0;
  for (TRaum* r : fRaeume) {
    int zahl = 0;
    for (const TSetzung* s : fSetzungen) zahl += s->fRaum == r ? 1 : 0;
    if (zahl > besteZahl) {
      bester = r;
      besteZahl = zahl;
    }
  }
  if (!bester) return;
  for (TSetzung* s : fSetzungen.Kopie()) {
    if (s->fRaum == bester || s->fFixiert) continue;
    if (bester->fSperrung.GetWocheTagStd(s->fWoche, s->fTag, s->fStunde) ||
        bester->fBesetzung.GetWocheTagStd(s->fWoche, s->fTag, s->fStunde))
      continue;
    AendereRaumInSetzung(s, bester);
  }
}
