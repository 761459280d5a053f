#include "model/ElementUnit.h"

#include <vector>

#include "model/KopplUnit.h"
#include "model/KursUnit.h"
#include "model/RaumUnit.h"
#include "model/SchulUnit.h"

void TElement::SetKuerzel(std::string_view s) {
  fKuerzel = s;
  SchuleGeaendert();
}

void TElement::SetInfo(std::string_view s) {
  fInfo = s;
  SchuleGeaendert();
}

std::int32_t TElement::Belastung(int woche, bool ohneKopp, int art, bool mitFaktor) const {
  std::int32_t summe = 0;
  std::vector<const TKopplung*> gezaehlt;
  for (const TKurs* k : fKurse) {
    const std::int32_t gewicht = mitFaktor ? k->fFaktor : 1;
    // Seitenfilter
    if (art == leh) {
      if (!k->fLehrer) continue;
    } else if (art == kla) {
      if (k->fKlassen.empty()) continue;
    } else if (art != fac) {
      continue;
    }
    // Zählfilter
    const bool zaehlt = ((art == kla || art == fac) && !k->fNichtZaehlenKl) ||
                        ((art == leh || art == fac) && !k->fNichtZaehlenLe);
    if (!zaehlt) continue;
    if (!k->fKopplung || ohneKopp) {
      summe += gewicht * k->fStunden.GetWochenStunde(woche);
      continue;
    }
    bool schon = false;
    for (const TKopplung* g : gezaehlt) schon = schon || g == k->fKopplung;
    if (schon) continue;
    gezaehlt.push_back(k->fKopplung);
    if (const TKurs* groesster = k->fKopplung->GroessterKopplungsKurs(woche, mitFaktor))
      summe += gewicht * groesster->fStunden.GetWochenStunde(woche);
  }
  return summe;
}

std::int32_t TElement::StundenSumme(int woche, bool ohneKopp, int art) const {
  return Belastung(woche, ohneKopp, art, false);
}

std::int32_t TElement::FaktorSumme(int woche, bool ohneKopp, int art) const {
  return Belastung(woche, ohneKopp, art, true);
}

std::int32_t TElement::nzSumme(int woche, int art) const {
  std::int32_t summe = 0;
  for (const TKurs* k : fKurse) {
    const bool nichtGezaehlt =
        (art == leh && k->fNichtZaehlenLe) || (art == kla && k->fNichtZaehlenKl);
    if (nichtGezaehlt) summe += k->fStunden.GetWochenStunde(woche) * k->fFaktor;
  }
  return summe;
}

std::int32_t TElement::nvpSumme(int woche) const {
  std::int32_t summe = 0;
  for (const TKurs* k : fKurse)
    if (k->fNichtVerplanen) summe += k->fStunden.GetWochenStunde(woche) * k->fFaktor;
  return summe;
}

std::int32_t TElement::IstSumme(int woche) const {
  std::int32_t summe = 0;
  for (const TKurs* k : fKurse)
    if (k->fLehrer) summe += k->fStunden.GetWochenStunde(woche) * k->fFaktor;
  return summe;
}

bool TElement::IstVerplant() const {
  for (const TKurs* k : fKurse)
    if (!k->fSetzungen.empty()) return true;
  return false;
}

std::pair<TKurs*, TSetzung*> TElement::FindeKursSetzung(int woche, int tag, int std) const {
  const TWochenSpanne s = WochenArgument(woche);
  for (TKurs* k : fKurse) {
    for (int w = s.von; w <= s.bis; ++w) {
      if (!k->fBesetzung.GetWocheTagStd(w, tag, std)) continue;
      TSetzung* setzung = k->SetzungFinden(w, tag, std);
      if (!setzung) continue;
      if (Art() == rau &&
          static_cast<const void*>(setzung->fRaum) != static_cast<const void*>(this))
        continue;
      return {k, setzung};
    }
  }
  return {nullptr, nullptr};
}

TKurs* TElement::FindeKurs(int woche, int tag, int std) const {
  return FindeKursSetzung(woche, tag, std).first;
}

TSetzung* TElement::FindeSetzung(int woche, int tag, int std) const {
  return FindeKursSetzung(woche, tag, std).second;
}

void TElement::FensterUpdate() {
  if (fGrDatFenster) fGrDatFenster->FensterUpdate();
  if (fDepFenster) fDepFenster->FensterUpdate();
  SchuleGeaendert();
}

void TElement::FensterRefresh() {
  if (fGrDatFenster) fGrDatFenster->FensterRefresh();
  if (fDepFenster) fDepFenster->FensterRefresh();
  // Die Statistik der Art rechnet ihre Zeilen neu.
  if (SchuleVorhanden()) {
    const TSchule& s = Schule();
    TFenster* stat = Art() == leh   ? s.fLeStatForm
                     : Art() == kla ? s.fKlStatForm
                     : Art() == fac ? s.fFaStatForm
                     : Art() == kop ? s.fKoStatForm
                     : Art() == rau ? s.fRaStatForm
                                    : nullptr;
    if (stat) stat->FensterRefresh();
  }
  SchuleGeaendert();
}

void TElement::FensterSchliessen() {
  // Schließen meldet das Fenster ab; es setzt dabei den Verweis zurück.
  if (TFenster* f = fGrDatFenster) {
    fGrDatFenster = nullptr;
    f->Schliessen();
  }
  if (TFenster* f = fDepFenster) {
    fDepFenster = nullptr;
    f->Schliessen();
  }
}

void TElement::Aufloesen() {
  FensterSchliessen();
  fKurse.ListeLeeren();
}

int ReihenVergleich(const TElement* a, const TElement* b) {
  if (a->fReihe < b->fReihe) return -1;
  if (a->fReihe > b->fReihe) return 1;
  return 0;
}

bool KuerzelGleich(const TElement* a, const TElement* b) {
  return a->fKuerzel == b->fKuerzel;
}
