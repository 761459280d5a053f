// Planelemente mit Sollstunden (Lehrer und Klassen).
#pragma once

#include <string>

#include "model/PlanElemUnit.h"
#include "model/WoStundenUnit.h"

class TFach;

class TSollElement : public TPlanElement {
 public:
  TSollElement() = default;

  TWochenStunden fSoll;

  // Begrenzt auf 0..200 Stunden (in Divisor-Einheiten); markiert geändert.
  void SetSoll(int woche, std::int32_t wert);
  std::int32_t GetSoll(int woche) const;
  // Im Ein-Wochen-Modus die aktuelle Woche, sonst jede Woche.
  void KopiereSoll(std::int32_t soll);
  // Soll der Arbeitswoche := Soll(aktuelle Woche) + n.
  void AendereSoll(std::int32_t n);
  // Eintrag der Lehrer- oder Klassenauswahl eines Fachs: [dies]-[andere]-[Rest]  Kürzel.
  std::string KursPopZeile(const TFach* fach, int art) const;
  // Wahr, wenn eine Setzung eines seiner Kurse keinen Raum hat.
  bool RaumFehltImPlan() const;
};
