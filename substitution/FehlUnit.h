// Eine Abwesenheit: ein Lehrer, eine Klasse oder ein Raum fehlt an einem Tag in einigen Stunden.
#pragma once

#include <cstdint>

#include "model/GlobalUnit.h"
#include "model/ToolsUnit.h"

class TPlanElement;

class TFehl {
 public:
  TDateTime fDatum = 0;              // der Tag, mittags (Tag + 0,5)
  std::int32_t fZeit = 0;            // fehlende Stunden: Stunde h ist Bit 16 - h
  std::int32_t fHilfe = 0;           // die andere Maske des Änderungsprotokolls
  TPlanElement* fElement = nullptr;  // nicht besessen
  TGrundString fGrund = "-";         // Grund, "-" = keiner

  // Das Bit der Stunde (1..16) ist gesetzt.
  bool FehltIn(int std) const;
  // FehltIn(Std), der Wochentag des Datums ist Tag und die Planversion des Datums ist Woche.
  bool FehltAn(int woche, int tag, int std) const;
  // Erste und letzte fehlende Stunde; 0 bei leerer Maske.
  int FehltVon() const;
  int FehltBis() const;
  // Schaltet das Bit der Stunde um.
  void ChangeZeit(int std);
  // Änderungsprotokoll: fHilfe hält die neue Maske; sie wird gültig, die alte steht danach in
  // fHilfe, und jede geänderte Stunde (1..16) geht an FehltNeuIn bzw. FehltNichtMehrIn des
  // Elements.
  void AendereVertretung();
};

// Das Bit der Stunde h in der Maske einer Abwesenheit.
inline std::int32_t FehlBit(int std) {
  return (std >= 1 && std <= 16) ? std::int32_t{1} << (16 - std) : 0;
}
