#include "model/SchulUnit.h"

#include <cmath>

#include "settings/StandardUnit.h"

TSchule::TSchule() : fParListe(std::make_unique<TParListe>()) {
  for (auto& b : fKalender) b = 1;
  const TStandard& s = Standard();
  for (int w = 1; w <= fGrWoBereich.WochenZahl(); ++w) fGrWoBereich.SetWoche(w, s.fGrWoElem);
  for (int w = 1; w <= fUEWoBereich.WochenZahl(); ++w) fUEWoBereich.SetWoche(w, s.fKuWoElem);
}

TSchule::~TSchule() {
  // Kurse zuerst: sie verweisen auf die Elemente, nicht umgekehrt besitzend.
  fKursMenge.ListeLeeren();
  fLehrerMenge.ListeLeeren();
  fKlassenMenge.ListeLeeren();
  fKopplMenge.ListeLeeren();
  fFachMenge.ListeLeeren();
  fRaumMenge.ListeLeeren();
  fUVTabMenge.ListeLeeren();
}

void TSchule::SetDirty(bool wert) {
  fDirty = wert;
  if (TFensterDienst* f = FensterDienst()) f->SichernFreigeben(wert);
}

namespace {
template <class T>
T* HoleOderLege(TEigenListe<T>& menge, std::string_view s) {
  const str255 text(s);
  const TKuerzelString kuerzel(text.str());
  if (T* e = TSchule::HoleElement(menge, kuerzel.str())) return e;
  auto neu = std::make_unique<T>();
  T* roh = neu.get();
  roh->SetKuerzel(kuerzel.str());
  menge.ListeAnhaengen(std::move(neu));
  roh->fNr = static_cast<std::uint32_t>(menge.ListeZahlElemente());
  roh->fReihe = menge.ListeZahlElemente();
  return roh;
}

template <class T>
bool AusListeLoeschen(TEigenListe<T>& menge, TElement* element) {
  for (T* e : menge)
    if (e == element) {
      menge.ListeElemEntfernen(e);
      return true;
    }
  return false;
}
}  // namespace

TLehrer* TSchule::HoleLehrer(std::string_view s) {
  return HoleOderLege(fLehrerMenge, s);
}
TKlasse* TSchule::HoleKlasse(std::string_view s) {
  return HoleOderLege(fKlassenMenge, s);
}
TFach* TSchule::HoleFach(std::string_view s) {
  return HoleOderLege(fFachMenge, s);
}
TKopplung* TSchule::HoleKopplung(std::string_view s) {
  return HoleOderLege(fKopplMenge, s);
}
TRaum* TSchule::HoleRaum(std::string_view s) {
  return HoleOderLege(fRaumMenge, s);
}
TUVTab* TSchule::HoleUVTab(std::string_view s) {
  return HoleOderLege(fUVTabMenge, s);
}

void TSchule::ElementLoeschen(TElement* element) {
  if (!element) return;
  element->Aufloesen();
  switch (element->Art()) {
    case leh:
      AusListeLoeschen(fLehrerMenge, element);
      break;
    case kla:
      AusListeLoeschen(fKlassenMenge, element);
      break;
    case kop:
      AusListeLoeschen(fKopplMenge, element);
      break;
    case fac:
      AusListeLoeschen(fFachMenge, element);
      break;
    case rau:
      AusListeLoeschen(fRaumMenge, element);
      break;
    case uvt:
      AusListeLoeschen(fUVTabMenge, element);
      break;
    case kur:
      break;
  }
  SetDirty(true);
}

std::vector<TElement*> TSchule::Elemente(TKuerzelArt art) const {
  std::vector<TElement*> v;
  auto alle = [&v](const auto& menge) {
    for (auto* e : menge) v.push_back(e);
  };
  switch (art) {
    case leh:
      alle(fLehrerMenge);
      break;
    case kla:
      alle(fKlassenMenge);
      break;
    case kop:
      alle(fKopplMenge);
      break;
    case fac:
      alle(fFachMenge);
      break;
    case rau:
      alle(fRaumMenge);
      break;
    case uvt:
      alle(fUVTabMenge);
      break;
    case kur:
      break;
  }
  return v;
}

int KalenderWoche(TDateTime datum) {
  const long long tage = static_cast<long long>(std::floor(datum)) - 34330;
  long long woche = tage / 7;
  if (tage % 7 != 0 && tage < 0) --woche;  // abrunden
  long long k = woche % 888;
  if (k < 0) k += 888;
  return static_cast<int>(k) + 1;
}

int TSchule::WocheVonDatum(TDateTime datum) const {
  return fKalender[KalenderWoche(datum)];
}
