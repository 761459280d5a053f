#include "ui/PlanAktionUnit.h"

#include "ui/QuonAuswahlUnit.h"

namespace {
bool Strg(const TMausSchritt& s) { return (s.Umschalt & umCtrl) != 0; }
bool Umschalt(const TMausSchritt& s) { return (s.Umschalt & umShift) != 0; }
}  // namespace

bool DruckHebtAuswahlAuf(const TMausSchritt& s) {
  if (!s.DatenZelle) return false;
  return (s.Tool == TToolArt::SchiebTool && (Strg(s) || Umschalt(s))) ||
         (s.Tool == TToolArt::SetzTool && s.Taste == TMausTaste::Rechts);
}

TPlanAktion AktionBeiDruck(const TMausSchritt& s) {
  if (!s.DatenZelle || s.Tool != TToolArt::SchiebTool || s.Taste != TMausTaste::Links)
    return TPlanAktion::Nichts;
  if (Strg(s)) return TPlanAktion::Probe;
  return s.HatKurs ? TPlanAktion::ZiehenBeginnen : TPlanAktion::Nichts;
}

TPlanAktion AktionBeiLos(const TMausSchritt& s) {
  if (s.Tool == TToolArt::ZeigTool && s.Taste == TMausTaste::Rechts)
    return s.DatenZelle && s.HatKurs ? TPlanAktion::KursMenue : TPlanAktion::Nichts;
  if (s.Tool != TToolArt::SetzTool) return TPlanAktion::Nichts;
  if (s.Taste == TMausTaste::Rechts) return TPlanAktion::RechtsMenue;
  if (s.Taste != TMausTaste::Links || !s.DatenZelle) return TPlanAktion::Nichts;
  if (!s.HatKurs) return TPlanAktion::SetzMenue;
  // Im Raumplan steht der Raum schon fest.
  return s.RaumPlan ? TPlanAktion::AuswahlAufheben : TPlanAktion::RaumSetzMenue;
}

TPlanAktion AktionBeimDoppelklick(const TMausSchritt& s) {
  if (!s.DatenZelle) return TPlanAktion::Nichts;
  switch (s.Tool) {
    case TToolArt::ZeigTool:
      if (!s.HatKurs) return TPlanAktion::Nichts;
      return Strg(s) ? TPlanAktion::KursPlanFenster : TPlanAktion::KursFenster;
    case TToolArt::LoeschTool:
      return TPlanAktion::StundenLoeschen;
    case TToolArt::FixTool:
      return TPlanAktion::StundenFixieren;
    case TToolArt::SchiebTool:
      return !Strg(s) && s.HatKurs ? TPlanAktion::KursMarkieren : TPlanAktion::AuswahlAufheben;
    case TToolArt::SetzTool:
      return TPlanAktion::Nichts;
  }
  return TPlanAktion::Nichts;
}
