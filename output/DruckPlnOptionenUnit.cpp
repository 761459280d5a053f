// Optionen der Plandrucke: Laden und Speichern in ihren Gruppen der Einstellungen, Häkchen,
// Bereiche, Texte der Dialoge und die Elementlisten.
#include <algorithm>
#include <cmath>

#include "model/DatumUnit.h"
#include "model/SchulUnit.h"
#include "output/DruckPlnUnit.h"
#include "settings/StandardUnit.h"

namespace {
// Verweise auf die Felder einer Optionsgruppe der Einstellungen.
struct TFelder {
  TSchrift* Font;
  int *VonTag, *VonStd, *BisTag, *BisStd;
  int *Neben, *Links;  // Neben fehlt bei den Kopplungsplänen
  TBemString* Bem;
  bool* Mit[4];  // fehlen bei den Kopplungsplänen
  bool *Statt, *Sperr, *Fix, *Fett, *Alle, *Datum, *EineSeite, *Farbe, *Versionen, *MitKoBez;
  int *RandLi, *RandRe, *RandOb, *RandUn;
  TDateTime* Ab;
};

TFelder Felder(TPlanDruckArt art, TStandard& s) {
  switch (art) {
    case TPlanDruckArt::Lehrer:
      return {&s.fLPlnDruckFont,
              &s.fLPlnDruckVonTag,
              &s.fLPlnDruckVonStd,
              &s.fLPlnDruckBisTag,
              &s.fLPlnDruckBisStd,
              &s.fLPlnDruckNeben,
              &s.fLPlnDruckLinks,
              &s.fLPlnDruckBem,
              {&s.fLPlnDruckKl, &s.fLPlnDruckFa, &s.fLPlnDruckRa, &s.fLPlnDruckKo},
              &s.fLPlnDruckStatt,
              &s.fLPlnDruckSperr,
              &s.fLPlnDruckFix,
              &s.fLPlnDruckFett,
              &s.fLPlnDruckAlle,
              &s.fLPlnDruckDatum,
              &s.fLPlnDruck1Seite,
              &s.fLPlnDruckFarbe,
              &s.fLPlnDruckVersionen,
              nullptr,
              &s.fLPlnDruckRandLi,
              &s.fLPlnDruckRandRe,
              &s.fLPlnDruckRandOb,
              &s.fLPlnDruckRandUn,
              &s.fLPlnDruckAb};
    case TPlanDruckArt::Klassen:
      return {&s.fKPlnDruckFont,
              &s.fKPlnDruckVonTag,
              &s.fKPlnDruckVonStd,
              &s.fKPlnDruckBisTag,
              &s.fKPlnDruckBisStd,
              &s.fKPlnDruckNeben,
              &s.fKPlnDruckLinks,
              &s.fKPlnDruckBem,
              {&s.fKPlnDruckLe, &s.fKPlnDruckFa, &s.fKPlnDruckRa, &s.fKPlnDruckKo},
              &s.fKPlnDruckStatt,
              &s.fKPlnDruckSperr,
              &s.fKPlnDruckFix,
              &s.fKPlnDruckFett,
              &s.fKPlnDruckAlle,
              &s.fKPlnDruckDatum,
              &s.fKPlnDruck1Seite,
              &s.fKPlnDruckFarbe,
              &s.fKPlnDruckVersionen,
              nullptr,
              &s.fKPlnDruckRandLi,
              &s.fKPlnDruckRandRe,
              &s.fKPlnDruckRandOb,
              &s.fKPlnDruckRandUn,
              &s.fKPlnDruckAb};
    case TPlanDruckArt::Raeume:
      return {&s.fRPlnDruckFont,
              &s.fRPlnDruckVonTag,
              &s.fRPlnDruckVonStd,
              &s.fRPlnDruckBisTag,
              &s.fRPlnDruckBisStd,
              &s.fRPlnDruckNeben,
              &s.fRPlnDruckLinks,
              &s.fRPlnDruckBem,
              {&s.fRPlnDruckLe, &s.fRPlnDruckKl, &s.fRPlnDruckFa, &s.fRPlnDruckKo},
              &s.fRPlnDruckStatt,
              &s.fRPlnDruckSperr,
              &s.fRPlnDruckFix,
              &s.fRPlnDruckFett,
              &s.fRPlnDruckAlle,
              &s.fRPlnDruckDatum,
              &s.fRPlnDruck1Seite,
              &s.fRPlnDruckFarbe,
              &s.fRPlnDruckVersionen,
              nullptr,
              &s.fRPlnDruckRandLi,
              &s.fRPlnDruckRandRe,
              &s.fRPlnDruckRandOb,
              &s.fRPlnDruckRandUn,
              &s.fRPlnDruckAb};
    case TPlanDruckArt::KoppLehrer:
      return {&s.fKoLePlnDruckFont,
              &s.fKoLePlnDruckVonTag,
              &s.fKoLePlnDruckVonStd,
              &s.fKoLePlnDruckBisTag,
              &s.fKoLePlnDruckBisStd,
              nullptr,
              &s.fKoLePlnDruckLinks,
              &s.fKoLePlnDruckBem,
              {nullptr, nullptr, nullptr, nullptr},
              nullptr,
              &s.fKoLePlnDruckSperr,
              &s.fKoLePlnDruckFix,
              &s.fKoLePlnDruckFett,
              &s.fKoLePlnDruckAlle,
              &s.fKoLePlnDruckDatum,
              nullptr,
              &s.fKoLePlnDruckFarbe,
              &s.fKoLePlnDruckVersionen,
              &s.fKoLePlnDruckMitKoBez,
              &s.fKoLePlnDruckRandLi,
              &s.fKoLePlnDruckRandRe,
              &s.fKoLePlnDruckRandOb,
              &s.fKoLePlnDruckRandUn,
              &s.fKoLePlnDruckAb};
    case TPlanDruckArt::KoppKlassen:
      break;
  }
  return {&s.fKoKlPlnDruckFont,
          &s.fKoKlPlnDruckVonTag,
          &s.fKoKlPlnDruckVonStd,
          &s.fKoKlPlnDruckBisTag,
          &s.fKoKlPlnDruckBisStd,
          nullptr,
          &s.fKoKlPlnDruckLinks,
          &s.fKoKlPlnDruckBem,
          {nullptr, nullptr, nullptr, nullptr},
          nullptr,
          &s.fKoKlPlnDruckSperr,
          &s.fKoKlPlnDruckFix,
          &s.fKoKlPlnDruckFett,
          &s.fKoKlPlnDruckAlle,
          &s.fKoKlPlnDruckDatum,
          nullptr,
          &s.fKoKlPlnDruckFarbe,
          &s.fKoKlPlnDruckVersionen,
          &s.fKoKlPlnDruckMitKoBez,
          &s.fKoKlPlnDruckRandLi,
          &s.fKoKlPlnDruckRandRe,
          &s.fKoKlPlnDruckRandOb,
          &s.fKoKlPlnDruckRandUn,
          &s.fKoKlPlnDruckAb};
}

// Überträgt in beide Richtungen: nach (optionen ← felder) oder zurück.
template <class A, class B>
void Tausch(A* feld, B& wert, bool laden) {
  if (!feld) return;
  if (laden)
    wert = *feld;
  else
    *feld = wert;
}

void Uebertragen(TPlanDruckArt art, TPlanDruckOptionen& o, TStandard& s, bool laden) {
  TFelder f = Felder(art, s);
  Tausch(f.Font, o.Font, laden);
  Tausch(f.VonTag, o.VonTag, laden);
  Tausch(f.VonStd, o.VonStd, laden);
  Tausch(f.BisTag, o.BisTag, laden);
  Tausch(f.BisStd, o.BisStd, laden);
  Tausch(f.Neben, o.Neben, laden);
  Tausch(f.Links, o.Links, laden);
  if (laden)
    o.Bem = f.Bem->str();
  else
    *f.Bem = o.Bem;
  for (int i = 0; i < 4; ++i) Tausch(f.Mit[i], o.Mit[i], laden);
  Tausch(f.Statt, o.Statt, laden);
  Tausch(f.Sperr, o.Sperr, laden);
  Tausch(f.Fix, o.Fix, laden);
  Tausch(f.Fett, o.Fett, laden);
  Tausch(f.Alle, o.Alle, laden);
  Tausch(f.Datum, o.Datum, laden);
  Tausch(f.EineSeite, o.EineSeite, laden);
  Tausch(f.Farbe, o.Farbe, laden);
  Tausch(f.Versionen, o.Versionen, laden);
  Tausch(f.MitKoBez, o.MitKoBez, laden);
  Tausch(f.RandLi, o.RandLi, laden);
  Tausch(f.RandRe, o.RandRe, laden);
  Tausch(f.RandOb, o.RandOb, laden);
  Tausch(f.RandUn, o.RandUn, laden);
  Tausch(f.Ab, o.Ab, laden);
}

const TPlanDruckTexte kTexte[5] = {
    {"Lehrerpläne drucken",
     "Lehrer",
     "für Lehrer",
     "alle Lehrerpläne",
     {"mit Klasse", "mit Fach", "mit Raum", "mit Kopplung"},
     "Kopplung statt Klasse"},
    {"Klassenpläne drucken",
     "Klassen",
     "für Klasse",
     "alle Klassenpläne",
     {"mit Lehrer", "mit Fach", "mit Raum", "mit Kopplung"},
     "Kopplung statt Lehrer"},
    {"Drucke Raumpläne",
     "Räume",
     "für Raum",
     "alle Raumpläne",
     {"mit Lehrer", "mit Klasse", "mit Fach", "mit Kopplung"},
     "Kopplung statt Klasse"},
    {"Drucke Kopplungspläne für Lehrer",
     "Lehrer",
     "für Lehrer",
     "alle Klopplungspläne",
     {"", "", "", ""},
     ""},
    {"Drucke Kopplungspläne für Klassen",
     "Klasse",
     "für Klasse",
     "alle Klopplungspläne",
     {"", "", "", ""},
     ""},
};

template <class T>
void Anhaengen(const TEigenListe<T>& menge, std::vector<TPlanElement*>& aus) {
  for (T* e : menge) aus.push_back(e);
}
}  // namespace

TPlanDruckOptionen LadePlanDruck(TPlanDruckArt art, const TStandard& standard) {
  TPlanDruckOptionen o;
  Uebertragen(art, o, const_cast<TStandard&>(standard), true);
  return o;
}

void SpeicherePlanDruck(TPlanDruckArt art, const TPlanDruckOptionen& o, TStandard& standard) {
  TPlanDruckOptionen kopie = o;
  Uebertragen(art, kopie, standard, false);
}

int StattStelle(TPlanDruckArt art) {
  return art == TPlanDruckArt::Raeume ? 1 : 0;
}

void HaekchenAbgleichen(TPlanDruckArt art, TPlanDruckOptionen& o, int stelle) {
  const int ersetzt = StattStelle(art);
  if (stelle == 3 && o.Mit[3]) o.Statt = false;
  if (stelle == ersetzt && !o.Mit[ersetzt]) o.Statt = false;
  if (stelle == -1 && o.Statt) {
    o.Mit[3] = false;
    o.Mit[ersetzt] = true;
  }
}

void BereichKlemmen(TPlanDruckOptionen& o) {
  const int tage = std::clamp(Standard().fMaxTageNeu, 1, MaxTage);
  const int stunden = std::clamp(Standard().fPlnStd, 1, MaxStunden);
  o.BisTag = std::clamp(o.BisTag, 1, tage);
  o.VonTag = std::clamp(o.VonTag, 1, o.BisTag);
  o.BisStd = std::clamp(o.BisStd, 1, stunden);
  o.VonStd = std::clamp(o.VonStd, 1, o.BisStd);
  for (int* r : {&o.RandLi, &o.RandRe, &o.RandOb, &o.RandUn}) *r = std::clamp(*r, 0, 6);
}

TDateTime AenderungsZeitpunkt(int tag, int monat, int jahr, int stunde, int minute) {
  monat = std::clamp(monat, 1, 12);
  tag = std::clamp(tag, 1, 31);
  while (tag > TageImMonat(jahr, monat)) --tag;
  return DatumZuZahl(jahr, monat, tag) + stunde / 24.0 + minute / 1440.0;
}

std::vector<TPlanElement*> AllePlanElemente(TPlanDruckArt art) {
  std::vector<TPlanElement*> aus;
  TSchule& s = Schule();
  switch (art) {
    case TPlanDruckArt::Lehrer:
    case TPlanDruckArt::KoppLehrer:
      Anhaengen(s.fLehrerMenge, aus);
      break;
    case TPlanDruckArt::Klassen:
    case TPlanDruckArt::KoppKlassen:
      Anhaengen(s.fKlassenMenge, aus);
      break;
    case TPlanDruckArt::Raeume:
      Anhaengen(s.fRaumMenge, aus);
      break;
  }
  return aus;
}

std::vector<TPlanElement*> PlanElemente(TPlanDruckArt art, const std::vector<std::string>& kuerzel,
                                        std::vector<std::string>* fehlend) {
  std::vector<TPlanElement*> aus;
  TSchule& s = Schule();
  for (const std::string& k : kuerzel) {
    const std::string ansi = Utf8ZuWin1252(k);
    TPlanElement* e = nullptr;
    switch (art) {
      case TPlanDruckArt::Lehrer:
      case TPlanDruckArt::KoppLehrer:
        e = TSchule::HoleElement(s.fLehrerMenge, ansi);
        break;
      case TPlanDruckArt::Klassen:
      case TPlanDruckArt::KoppKlassen:
        e = TSchule::HoleElement(s.fKlassenMenge, ansi);
        break;
      case TPlanDruckArt::Raeume:
        e = TSchule::HoleElement(s.fRaumMenge, ansi);
        break;
    }
    if (e)
      aus.push_back(e);
    else if (fehlend)
      fehlend->push_back(k);
  }
  return aus;
}

const TPlanDruckTexte& PlanDruckTexte(TPlanDruckArt art) {
  return kTexte[static_cast<int>(art)];
}
