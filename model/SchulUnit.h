// Die Schule: besitzt alle Listen des Datenmodells und trägt den Zustand des Programms.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "model/DienstUnit.h"
#include "model/FachUnit.h"
#include "model/GlobalUnit.h"
#include "model/KlassenUnit.h"
#include "model/KopplUnit.h"
#include "model/KursUnit.h"
#include "model/LehrerUnit.h"
#include "model/ListUnit.h"
#include "model/ParListeUnit.h"
#include "model/RaumUnit.h"
#include "model/ToolsUnit.h"
#include "model/UVUnit.h"
#include "model/WoBereichsUnit.h"

using TKalenderBytes = TFeld<std::uint8_t, 1, 888>;

class TSchule {
 public:
  TSchule();
  ~TSchule();
  TSchule(const TSchule&) = delete;
  TSchule& operator=(const TSchule&) = delete;

  str255 fDateiName = "Ohne Titel";
  TFensterArt fFensterArt = TFensterArt::GFenster;
  TToolArt fToolArt = TToolArt::ZeigTool;
  TEigenListe<TKurs> fKursMenge;
  TEigenListe<TLehrer> fLehrerMenge;
  TEigenListe<TKlasse> fKlassenMenge;
  TEigenListe<TKopplung> fKopplMenge;
  TEigenListe<TFach> fFachMenge;
  TEigenListe<TRaum> fRaumMenge;
  TEigenListe<TUVTab> fUVTabMenge;
  std::unique_ptr<TParListe> fParListe;
  TKalenderBytes fKalender;  // Byte k: Woche des Zyklus der k-ten Kalenderwoche ab 27.12.1993
  TWochBereich fGrWoBereich;
  TWochBereich fUEWoBereich;
  TFenster* fAktivesFenster = nullptr;
  bool fDirty = false;

  // Setzt das Änderungskennzeichen; "Sichern" ist genau dann wählbar, wenn es gesetzt ist.
  void SetDirty(bool wert);

  // Suchen oder Anlegen nach Kürzel (auf 11 Zeichen gekürzt, exakter Vergleich).
  TLehrer* HoleLehrer(std::string_view s);
  TKlasse* HoleKlasse(std::string_view s);
  TFach* HoleFach(std::string_view s);
  TKopplung* HoleKopplung(std::string_view s);
  TRaum* HoleRaum(std::string_view s);
  TUVTab* HoleUVTab(std::string_view s);
  // Nur suchen.
  template <class T>
  static T* HoleElement(const TListe<T, true>& menge, std::string_view s) {
    const TKuerzelString k(s);
    for (T* e : menge)
      if (e->fKuerzel == k) return e;
    return nullptr;
  }

  // Löscht ein Element: löst zuerst jeden Verweis des Modells darauf, dann entfernt und
  // zerstört es seine Stammliste.
  void ElementLoeschen(TElement* element);

  // Alle Elementlisten eines Kürzeltyps als Elemente (für Schleifen über beliebige Arten).
  std::vector<TElement*> Elemente(TKuerzelArt art) const;

  // Woche des Zyklus für ein Datum nach dem Kalender der Schule.
  int WocheVonDatum(TDateTime datum) const;
};

// Nummer der Kalenderwoche (1..888) eines Datums, gezählt ab Montag, 27.12.1993.
int KalenderWoche(TDateTime datum);
