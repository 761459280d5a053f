// Optionen der Übersichtsdrucke: Laden und Speichern in ihren Gruppen der Einstellungen,
// Häkchen, Bereiche und die Texte der Dialoge.
#include <algorithm>

#include "model/SchulUnit.h"
#include "output/DruckOptionenUnit.h"
#include "output/DruckUebUnit.h"
#include "settings/StandardUnit.h"

namespace {
struct TFelder {
  TSchrift* Font;
  int *VonTag, *VonStd, *BisTag, *BisStd;
  TBemString* Bem;
  bool* Mit[4];
  bool *Statt, *Sperr, *Fix, *Fett, *Farbe, *Unter, *Datum;
  int *RandLi, *RandRe, *RandOb, *RandUn;
};

TFelder Felder(TUebDruckArt art, TStandard& s) {
  switch (art) {
    case TUebDruckArt::Lehrer:
      return {&s.fLUebDruckFont,
              &s.fLUebDruckVonTag,
              &s.fLUebDruckVonStd,
              &s.fLUebDruckBisTag,
              &s.fLUebDruckBisStd,
              &s.fLUebDruckBem,
              {&s.fLUebDruckKl, &s.fLUebDruckFa, &s.fLUebDruckRa, &s.fLUebDruckKo},
              &s.fLUebDruckStatt,
              &s.fLUebDruckSperr,
              &s.fLUebDruckFix,
              &s.fLUebDruckFett,
              &s.fLUebDruckFarbe,
              &s.fLUebDruckUnter,
              nullptr,
              &s.fLUebDruckRandLi,
              &s.fLUebDruckRandRe,
              &s.fLUebDruckRandOb,
              &s.fLUebDruckRandUn};
    case TUebDruckArt::Klassen:
      return {&s.fKUebDruckFont,
              &s.fKUebDruckVonTag,
              &s.fKUebDruckVonStd,
              &s.fKUebDruckBisTag,
              &s.fKUebDruckBisStd,
              &s.fKUebDruckBem,
              {&s.fKUebDruckLe, &s.fKUebDruckFa, &s.fKUebDruckRa, &s.fKUebDruckKo},
              &s.fKUebDruckStatt,
              &s.fKUebDruckSperr,
              &s.fKUebDruckFix,
              &s.fKUebDruckFett,
              &s.fKUebDruckFarbe,
              &s.fKUebDruckUnter,
              nullptr,
              &s.fKUebDruckRandLi,
              &s.fKUebDruckRandRe,
              &s.fKUebDruckRandOb,
              &s.fKUebDruckRandUn};
    case TUebDruckArt::Raeume:
      return {&s.fRUebDruckFont,
              &s.fRUebDruckVonTag,
              &s.fRUebDruckVonStd,
              &s.fRUebDruckBisTag,
              &s.fRUebDruckBisStd,
              &s.fRUebDruckBem,
              {&s.fRUebDruckLe, &s.fRUebDruckKl, &s.fRUebDruckFa, &s.fRUebDruckKo},
              &s.fRUebDruckStatt,
              &s.fRUebDruckSperr,
              &s.fRUebDruckFix,
              &s.fRUebDruckFett,
              &s.fRUebDruckFarbe,
              &s.fRUebDruckUnter,
              nullptr,
              &s.fRUebDruckRandLi,
              &s.fRUebDruckRandRe,
              &s.fRUebDruckRandOb,
              &s.fRUebDruckRandUn};
    case TUebDruckArt::Kombination:
      break;
  }
  return {&s.fKoUebDruckFont,
          &s.fKoUebDruckVonTag,
          &s.fKoUebDruckVonStd,
          &s.fKoUebDruckBisTag,
          &s.fKoUebDruckBisStd,
          &s.fKoUebDruckBem,
          {nullptr, nullptr, nullptr, nullptr},
          nullptr,
          &s.fKoUebDruckSperr,
          &s.fKoUebDruckFix,
          &s.fKoUebDruckFett,
          &s.fKoUebDruckFarbe,
          &s.fKoUebDruckUnter,
          &s.fKoUebDruckDatum,
          &s.fKoUebDruckRandLi,
          &s.fKoUebDruckRandRe,
          &s.fKoUebDruckRandOb,
          &s.fKoUebDruckRandUn};
}

void Uebertragen(TUebDruckArt art, TUebDruckOptionen& o, TStandard& s, bool laden) {
  TFelder f = Felder(art, s);
  GemeinsameOptionenTauschen(f, o, laden);
  OptionTauschen(f.Unter, o.Unter, laden);
  // Die Kombination hat weder die Häkchen der Elementarten noch "statt".
  if (art == TUebDruckArt::Kombination && laden) {
    for (bool& m : o.Mit) m = false;
    o.Statt = false;
  }
}

const TUebDruckTexte kTexte[4] = {
    {"Drucke Lehrerübersichten",
     "Lehrer",
     "für Lehrer",
     {"mit Klasse", "mit Fach", "mit Raum", "mit Kopplung"},
     "Kopplung statt Klasse"},
    {"Drucke Klassenübersichten",
     "Klasse",
     "für Klasse",
     {"mit Lehrer", "mit Fach", "mit Raum", "mit Kopplung"},
     "Kopplung statt Lehrer"},
    {"Drucke Raumübersichten",
     "Räume",
     "für Raum",
     {"mit Lehrer", "mit Klasse", "mit Fach", "mit Kopplung"},
     "Kopplung statt Klasse"},
    {"Drucke Kombinationsübersichten", "", "für Kürzel", {"", "", "", ""}, ""},
};
}  // namespace

TSchrift& UebDruckSchrift(TUebDruckArt art, TStandard& s) {
  return *Felder(art, s).Font;
}

void UebBereichKlemmen(TUebDruckOptionen& o) {
  o.VonTag = std::clamp(o.VonTag, 1, MaxTage);
  o.VonStd = std::clamp(o.VonStd, 1, MaxStunden);
  o.BisTag = std::clamp(o.BisTag, o.VonTag, MaxTage);
  o.BisStd = std::clamp(o.BisStd, o.VonStd, MaxStunden);
  for (int* r : {&o.RandLi, &o.RandRe, &o.RandOb, &o.RandUn}) *r = std::clamp(*r, 0, 6);
}

TUebDruckOptionen LadeUebDruck(TUebDruckArt art, const TStandard& standard) {
  TUebDruckOptionen o;
  Uebertragen(art, o, const_cast<TStandard&>(standard), true);
  UebBereichKlemmen(o);
  return o;
}

void SpeichereUebDruck(TUebDruckArt art, const TUebDruckOptionen& o, TStandard& standard) {
  TUebDruckOptionen kopie = o;
  Uebertragen(art, kopie, standard, false);
}

int UebStattStelle(TUebDruckArt art) {
  return art == TUebDruckArt::Raeume ? 1 : 0;
}

void UebHaekchenAbgleichen(TUebDruckArt art, TUebDruckOptionen& o, int stelle) {
  if (art == TUebDruckArt::Kombination) return;
  StattAbgleichen(o, UebStattStelle(art), stelle);
}

const TUebDruckTexte& UebDruckTexte(TUebDruckArt art) {
  return kTexte[static_cast<int>(art)];
}

TFUebDruckOptionen LadeFUebDruck(const TStandard& s) {
  TFUebDruckOptionen o;
  o.Kue = s.fFUebDruckKue;
  o.Name = s.fFUebDruckName;
  o.Kl = s.fFUebDruckKl;
  o.Ra = s.fFUebDruckRa;
  o.Ko = s.fFUebDruckKo;
  o.Statt = s.fFUebDruckStatt;
  o.Datum = s.fFUebDruckdate;
  o.Bem = s.fFUebDruckBem.str();
  o.Rand = std::clamp(s.fFUebDruckRand, 0, 6);
  o.Font = s.fFUebDruckFont;
  return o;
}

void SpeichereFUebDruck(const TFUebDruckOptionen& o, TStandard& s) {
  s.fFUebDruckKue = o.Kue;
  s.fFUebDruckName = o.Name;
  s.fFUebDruckKl = o.Kl;
  s.fFUebDruckRa = o.Ra;
  s.fFUebDruckKo = o.Ko;
  s.fFUebDruckStatt = o.Statt;
  s.fFUebDruckdate = o.Datum;
  s.fFUebDruckBem = o.Bem;
  s.fFUebDruckRand = o.Rand;
  s.fFUebDruckFont = o.Font;
}

void FUebHaekchenAbgleichen(TFUebDruckOptionen& o, int stelle) {
  if (stelle == 1 && o.Ko) o.Statt = false;
  if (stelle == 0 && !o.Kl) o.Statt = false;
  if (stelle == -1 && o.Statt) {
    o.Ko = false;
    o.Kl = true;
  }
}

void FUebBereichAbgleichen(TFach*& von, TFach*& bis, bool vonGewaehlt) {
  const auto& faecher = Schule().fFachMenge;
  const int a = von ? faecher.ListeElemNr(von) : 0;
  const int b = bis ? faecher.ListeElemNr(bis) : 0;
  if (a > 0 && b > 0 && b < a) {
    if (vonGewaehlt)
      bis = von;
    else
      von = bis;
  }
}
