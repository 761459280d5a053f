// Ein Wochenbereich: je Woche des Zyklus eine TWoElem (Sperrungen, Besetzungen, ...).
#pragma once

#include <vector>

#include "model/WoElemUnit.h"

class TWochBereich {
 public:
  // Mit fMaxWocheNeu leeren Wochen.
  TWochBereich();
  explicit TWochBereich(int wochen);

  int WochenZahl() const { return static_cast<int>(fWochen.size()); }
  // Kürzt von hinten oder hängt leere Wochen an; vorhandene Wochen behalten ihre Bits.
  void SetWochenZahl(int wochen);
  void SetWoche(int woche, const TWoElem& elem);
  // Die Woche, oder nichts außerhalb des Bereichs.
  TWoElem* GetWoche(int woche);
  const TWoElem* GetWoche(int woche) const;
  void SetWocheTag(int woche, int tag, std::uint32_t wert);
  std::uint32_t GetWocheTag(int woche, int tag) const;
  // Woche nach dem Wochenargument; Tag 0 = Tage 1..7, Std 0 = Stunden 1..16.
  void SetWocheTagStd(int woche, int tag, int std, bool wert);
  // Woche nach dem Wochenargument (0: ODER über alle Wochen).
  bool GetWocheTagStd(int woche, int tag, int std) const;
  // Löscht in sperrung jede Zelle, die hier gesetzt ist.
  void ReinigeSperrung(TWochBereich& sperrung) const;
  // Setzt hier jede Zelle, die in bereich gesetzt ist.
  void OrBereich(const TWochBereich& bereich);
  // Für jede Zelle: hier := hier UND (A ODER B).
  void AndOrBereich(const TWochBereich& a, const TWochBereich& b);
  // Wahr, wenn jedes Tageswort (Tage 1..fMaxTageNeu) in allen Wochen gleich ist.
  bool GleichBereich() const;
  // Alle Zellen aller Wochen löschen.
  void Leeren();

  friend bool operator==(const TWochBereich&, const TWochBereich&) = default;

 private:
  std::vector<TWoElem> fWochen;  // Eintrag w-1 ist Woche w
};
