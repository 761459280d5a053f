// Optionen der Plandrucke: Laden und Speichern in ihren Gruppen der Einstellungen, Häkchen,
// Bereiche, Texte der Dialoge und die Elementlisten.
#include <algorithm>
#include <cmath>

#include "model/DatumUnit.h"
#include "model/SchulUnit.h"
#include "output/DruckOptionenUnit.h"
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

void Uebertragen(TPlanDruckArt art, TPlanDruckOptionen& o, TStandard& s, bool laden) {
  TFelder f = Felder(art, s);
  GemeinsameOptionenTauschen(f, o, laden);
  OptionTauschen(f.Neben, o.Neben, laden);
  OptionTauschen(f.Links, o.Links, laden);
  OptionTauschen(f.Alle, o.Alle, laden);
  OptionTauschen(f.EineSeite, o.EineSeite, laden);
  OptionTauschen(f.Versionen, o.Versionen, laden);
  OptionTauschen(f.MitKoBez, o.MitKoBez, laden);
  OptionTauschen(f.Ab, o.Ab, laden);
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

TSchrift& PlanDruckSchrift(TPlanDruckArt art, TStandard& s) {
  return *Felder(art, s).Font;
}

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
  StattAbgleichen(o, StattStelle(art), stelle);
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
