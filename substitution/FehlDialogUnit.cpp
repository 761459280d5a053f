#include "substitution/FehlDialogUnit.h"

#include <cmath>

#include "model/DatumUnit.h"
#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"
#include "substitution/FehlzeitUnit.h"
#include "substitution/KalenderUnit.h"

void TFehlDialog::IFehlForm(TDateTime datum, TKuerzelArt art, TFehl* fehl) {
  fDatum = std::floor(datum) + 0.5;
  fArt = art;
  fTag = WochenTag(fDatum);
  fWoche = PlanversionAm(fDatum);
  if (fWoche < 1) fWoche = 1;
  fVon = 1;
  fBis = std::min(std::max(Standard().fPlnStd, 1), 16);
  fZeilen.clear();
  fAuswahl = -1;
  fOben = 0;
  if (TEigenListe<TFehl>* menge = Schule().FehlMenge(art))
    for (TFehl* f : *menge) {
      if (!GleicherTag(f->fDatum, fDatum) || !f->fElement) continue;
      TFehlZeile z;
      z.Grund = "(" + GrundZeichen(f->fGrund.str()) + ")";
      z.Element = f->fElement;
      z.Maske = MaskenText(f->fZeit);
      z.Fehl = f;
      fZeilen.push_back(z);
      if (f == fehl) {
        fAuswahl = static_cast<int>(fZeilen.size()) - 1;
        fOben = fAuswahl;
      }
    }
}

std::string TFehlDialog::Titel() const {
  return fArt == leh ? "Fehlende Lehrer" : fArt == kla ? "Fehlende Klassen" : "Fehlende Räume";
}

std::string TFehlDialog::ElementText() const {
  return fArt == leh ? "Lehrer" : fArt == kla ? "Klassen" : "Räume";
}

std::string TFehlDialog::DatumsText() const {
  return U8(DatumText(fDatum, kLangesDatum));
}

std::string TFehlDialog::VonText() const {
  return U8(Standard().fStdBez[fWoche][fVon].str());
}

std::string TFehlDialog::BisText() const {
  return U8(Standard().fStdBez[fWoche][fBis].str());
}

TMenue TFehlDialog::StdPopup() const {
  TMenue m;
  for (int h = 1; h <= std::min(Standard().fPlnStd, 16); ++h) {
    TMenueEintrag e;
    e.Text = U8(Standard().fStdBez[fWoche][h].str());
    e.Wert = h;
    m.push_back(std::move(e));
  }
  return m;
}

TMenue TFehlDialog::GrundPopup() const {
  TMenue m;
  for (int n = 1; n <= 20; ++n) {
    TMenueEintrag e;
    e.Text = U8(GrundZeichen(Standard().fGrund[n].str()));
    e.Wert = n;
    m.push_back(std::move(e));
  }
  return m;
}

void TFehlDialog::VonWaehlen(int std) {
  if (std < 1 || std > 16) return;
  fVon = std;
  if (fBis < std) fBis = std;
}

void TFehlDialog::BisWaehlen(int std) {
  if (std < 1 || std > 16) return;
  fBis = std;
  if (fVon > std) fVon = std;
}

void TFehlDialog::GrundWaehlen(int n) {
  if (fAuswahl < 0 || fAuswahl >= static_cast<int>(fZeilen.size()) || n < 1 || n > 20) return;
  fZeilen[fAuswahl].Grund = "(" + GrundZeichen(Standard().fGrund[n].str()) + ")";
}

int TFehlDialog::ZeileVon(const TPlanElement* element) const {
  for (std::size_t i = 0; i < fZeilen.size(); ++i)
    if (fZeilen[i].Element == element) return static_cast<int>(i);
  return -1;
}

void TFehlDialog::Waehlen(int zeile) {
  fAuswahl = zeile;
  fOben = std::max(zeile - 8, 0);
}

bool TFehlDialog::ElementHinzufuegen(TPlanElement* element) {
  if (!element) return false;
  if (const int z = ZeileVon(element); z >= 0) {
    Dialog().Meldung("Fehlt schon",
                     {U8(element->fKuerzel.str()), "fehlt an diesem Tag schon.",
                      "Fehlstunden  in der entsprechenden Zeile ändern!"},
                     TMeldungsArt::Information);
    Waehlen(z);
    return false;
  }
  TFehlZeile z;
  z.Element = element;
  z.Maske = MaskenText(StundenMaske(fVon, fBis));
  fZeilen.push_back(z);
  Waehlen(static_cast<int>(fZeilen.size()) - 1);
  return true;
}

std::string TFehlDialog::Streifen(int zeile) const {
  if (zeile < 0 || zeile >= static_cast<int>(fZeilen.size())) return {};
  return fZeilen[zeile].Element->SVZeile(fWoche, fTag);
}

void TFehlDialog::StreifenKlick(int zeile, int x, bool shift, bool strg) {
  if (zeile < 0 || zeile >= static_cast<int>(fZeilen.size())) return;
  std::string& m = fZeilen[zeile].Maske;
  if (shift) {
    m = std::string(16, '-');
  } else if (strg) {
    m = std::string(16, '+');
  } else {
    if (x < 0) return;
    const int h = x / 9 + 1;
    if (h > 16) return;
    m[h - 1] = m[h - 1] == '+' ? '-' : '+';
  }
}

int TFehlDialog::LaengereFehlzeit(int zeile, TDateTime bis) {
  if (zeile < 0 || zeile >= static_cast<int>(fZeilen.size())) return 0;
  const TFehlZeile& z = fZeilen[zeile];
  const std::string grund = z.Grund.size() >= 2 ? z.Grund.substr(1, 1) : "-";
  const int n = ::LaengereFehlzeit(z.Element, fDatum, bis, MaskeAusText(z.Maske), grund);
  Dialog().Meldung(
      "längere Fehlzeit",
      {n == 1 ? std::string("Die Fehlzeit ist an 1 Schultag eingetragen.")
              : "Die Fehlzeiten sind an " + std::to_string(n) + " Schultagen eingetragen."},
      TMeldungsArt::Information);
  return n;
}

void TFehlDialog::Ok() {
  TSchule& s = Schule();
  for (TFehlZeile& z : fZeilen) {
    TFehl* f = z.Fehl;
    if (f) {
      // Eine Abwesenheit kann inzwischen gelöscht sein (längere Fehlzeit mit leerer Maske).
      TEigenListe<TFehl>* menge = s.FehlMenge(fArt);
      if (!menge || !menge->ListeElemEnthalten(f)) f = nullptr;
    }
    const std::int32_t maske = MaskeAusText(z.Maske);
    if (!f) {
      f = FehlFinden(z.Element, fDatum);
      if (!f) {
        if (maske == 0) continue;
        f = FehlAnlegen(z.Element, fDatum, true);
      }
    }
    f->fGrund = GrundZeichen(z.Grund.size() >= 2 ? z.Grund.substr(1, 1) : "-");
    z.Fehl = FehlMaskeSetzen(f, maske);
  }
  s.SetDirty(true);
}

TDateTime FehltLangDatum(int& tag, int& monat, int& jahr, TDateTime start) {
  monat = std::min(std::max(monat, 1), 12);
  jahr = std::min(std::max(jahr, 1994), 2039);
  int t = std::min(std::max(tag, 1), 31);
  for (int schritt = 0; schritt <= 3 && t - schritt >= 1; ++schritt)
    if (t - schritt <= TageImMonat(jahr, monat)) {
      t -= schritt;
      break;
    }
  tag = t;
  TDateTime d = DatumZuZahl(jahr, monat, tag) + 0.5;
  if (std::floor(d) < std::floor(start)) {
    const TDatum s = ZahlZuDatum(start);
    tag = s.Tag;
    monat = s.Monat;
    jahr = s.Jahr;
    d = std::floor(start) + 0.5;
  }
  return d;
}
