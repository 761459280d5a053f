#include "model/PlanElemUnit.h"

#include "model/DatumUnit.h"
#include "model/KlassenUnit.h"
#include "model/KopplUnit.h"
#include "model/KursUnit.h"
#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"

TPlanElement::TPlanElement() {
  const TStandard& s = Standard();
  for (int w = 1; w <= fSperrung.WochenZahl(); ++w) fSperrung.SetWoche(w, s.fGrWoElem);
}

void TPlanElement::KopiereSperrung(const TWochBereich& bereich) {
  const TWochenSpanne s = WochenArgument(-1);
  for (int w = s.von; w <= s.bis; ++w)
    for (int t = 1; t <= 7; ++t)
      for (int h = 1; h <= 16; ++h)
        fSperrung.SetWocheTagStd(
            w, t, h, bereich.GetWocheTagStd(w, t, h) && !fBesetzung.GetWocheTagStd(w, t, h));
  SchuleGeaendert();
}

TListe<TKurs> TPlanElement::KurseFinden(int woche, int tag, int std,
                                        const TElement* element) const {
  TListe<TKurs> liste;
  if (!fBesetzung.GetWocheTagStd(woche, tag, std)) return liste;
  const TWochenSpanne s = WochenArgument(woche);
  for (TKurs* k : fKurse) {
    if (!k->fBesetzung.GetWocheTagStd(woche, tag, std)) continue;
    if (element) {
      bool imRaum = false;
      for (int w = s.von; w <= s.bis && !imRaum; ++w) {
        const TSetzung* setzung = k->SetzungFinden(w, tag, std);
        imRaum = setzung &&
                 static_cast<const void*>(setzung->fRaum) == static_cast<const void*>(element);
      }
      if (!imRaum) continue;
    }
    liste.ListeAnhaengen(k);
  }
  return liste;
}

std::string TPlanElement::SVZeile(int woche, int tag) const {
  std::string zeile(16, 'F');
  for (int h = 1; h <= 16; ++h) {
    if (fSperrung.GetWocheTagStd(woche, tag, h)) {
      zeile[h - 1] = 'S';
    } else if (fBesetzung.GetWocheTagStd(woche, tag, h)) {
      const auto [kurs, setzung] = FindeKursSetzung(woche, tag, h);
      if (!kurs) continue;
      const bool gekoppelt = kurs->fKopplung != nullptr;
      if (setzung->fFixiert)
        zeile[h - 1] = gekoppelt ? 'L' : 'G';
      else
        zeile[h - 1] = gekoppelt ? 'K' : 'E';
    }
  }
  const int plnStd = std::min(Standard().fPlnStd, 16);
  int erste = 0, letzte = 0;
  for (int h = 1; h <= plnStd; ++h) {
    const char c = zeile[h - 1];
    if (c == 'E' || c == 'G' || c == 'K' || c == 'L') {
      if (!erste) erste = h;
      letzte = h;
    }
  }
  if (erste < letzte)
    for (int h = erste; h <= letzte; ++h)
      if (zeile[h - 1] == 'F') zeile[h - 1] = 'U';
  return zeile;
}

int TPlanElement::SpringStd() const {
  const TStandard& s = Standard();
  const int woche = s.fAktuelleWoche;
  const int plnStd = std::min(s.fPlnStd, 16);
  int summe = 0;
  for (int t = 1; t <= s.fMaxTageNeu; ++t) {
    int erste = 0, letzte = 0;
    for (int h = 1; h <= plnStd; ++h)
      if (fBesetzung.GetWocheTagStd(woche, t, h)) {
        if (!erste) erste = h;
        letzte = h;
      }
    if (erste < letzte)
      for (int h = erste; h <= letzte; ++h)
        if (!fBesetzung.GetWocheTagStd(woche, t, h) && !fSperrung.GetWocheTagStd(woche, t, h))
          ++summe;
  }
  return summe;
}

std::int32_t TPlanElement::RestStd() const {
  std::int32_t summe = 0;
  for (const TKurs* k : fKurse)
    if (!k->fNichtVerplanen) summe += k->RestStunden(-1);
  return summe;
}

bool TPlanElement::Abwesend(TDateTime datum, int std) const {
  const TEigenListe<TFehl>* menge = Schule().FehlMenge(Art());
  if (!menge) return false;
  for (const TFehl* f : *menge)
    if (f->fElement == this && GleicherTag(f->fDatum, datum) && f->FehltIn(std)) return true;
  return false;
}

// Alle Klassen des Kurses fehlen an dem Tag in der Stunde; ein Kurs ohne Klassen nie.
bool AlleKlassenAbwesend(const TKurs* kurs, TDateTime datum, int std) {
  if (!kurs || kurs->fKlassen.empty()) return false;
  for (const TKlasse* k : kurs->fKlassen)
    if (!k->Abwesend(datum, std)) return false;
  return true;
}

void TPlanElement::PlanRefresh() {
  if (fPlnFenster) fPlnFenster->FensterRefresh();
  if (fGrDatFenster) fGrDatFenster->FensterRefresh();
}

void TPlanElement::MerkeZeit() {
  fLetzteAenderung = Jetzt();
}

void TPlanElement::FensterSchliessen() {
  TElement::FensterSchliessen();
  if (TFenster* f = fPlnFenster) {
    fPlnFenster = nullptr;
    f->Schliessen();
  }
}

void TPlanElement::Aufloesen() {
  TElement::Aufloesen();
}
