// Klassen (Schülergruppen).
#pragma once

#include <array>

#include "model/SollElemUnit.h"

class TLehrer;
class TRaum;
class TFach;

using TTagFeld = std::array<int, 7>;  // Tag 1 zuerst

class TKlasse : public TSollElement {
 public:
  TKlasse();  // Soll aus fKlSoll in jeder Woche

  TLehrer* fLehrer1 = nullptr;
  TLehrer* fLehrer2 = nullptr;
  TRaum* fRaum = nullptr;
  bool fKopDop = false;

  TKuerzelArt Art() const override { return kla; }

  std::int32_t FachSumme(const TFach* fach) const;
  void NeuerRaum(TRaum* raum);
  // Hohlstunden der Woche; maxim und Maximum erhalten die letzten nicht fixierten Stunden.
  int HohlStunden(int woche, int& maxim, TTagFeld& maximum) const;
  // "Neuer Kurs": ein Kurs mit der Klasse und ihrem Stammraum und den Vorgabestunden; öffnet das
  // Kursfenster.
  TKurs* NeuerKurs();

  void Aufloesen() override;
  void FehltNeuIn(TDateTime datum, int std) override;
  void FehltNichtMehrIn(TDateTime datum, int std) override;
};
