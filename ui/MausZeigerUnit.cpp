#include "ui/MausZeigerUnit.h"

namespace {
constexpr unsigned kShift = 1, kAlt = 2, kCtrl = 4;

bool Zwischen(int wert, int von, int bis) {
  return wert >= von && wert <= bis;
}

// Schieben in Plan- und Übersichtsfenstern.
int PlanSchieben(unsigned u) {
  if (u & kCtrl) return (u & kAlt) ? zPfeil3 : zPfeil4;
  if (u & kAlt) return zHalbHand;
  if (u & kShift) return zRotHand;
  return zHand;
}
}  // namespace

int ZeigerNummer(int art, TToolArt tool, unsigned u, int restStd, TZeigerTeil teil) {
  if (tool == TToolArt::ZeigTool) {
    const bool bekannt =
        Zwischen(art, FensterArt::LehrerPlan, FensterArt::UVTabelle) ||
        Zwischen(art, FensterArt::LehrerDeputat, FensterArt::ParalleleKopplungen) ||
        Zwischen(art, FensterArt::LehrerUebersicht, FensterArt::RaumUebersicht) ||
        art == FensterArt::LehrerDaten || art == FensterArt::KlassenDaten ||
        art == FensterArt::UVDaten || art == FensterArt::Kurs || art == FensterArt::Manuell ||
        art == FensterArt::Vertretungen;
    return bekannt ? zPfeil : zUnveraendert;
  }
  const bool ctrl = (u & kCtrl) != 0;
  const bool alt = (u & kAlt) != 0;
  // Planfenster und Übersichten.
  if (Zwischen(art, FensterArt::LehrerPlan, FensterArt::RaumPlan) ||
      Zwischen(art, FensterArt::LehrerUebersicht, FensterArt::RaumUebersicht)) {
    const bool plan = art <= FensterArt::RaumPlan;
    switch (tool) {
      case TToolArt::SetzTool:
        return plan && restStd >= 1 ? zRotSetzer : zSetzer;
      case TToolArt::LoeschTool:
        return alt ? zHalbGummi : zGummi;
      case TToolArt::SchiebTool:
        return PlanSchieben(u);
      case TToolArt::FixTool:
        return zHammer;
      default:
        return zUnveraendert;
    }
  }
  switch (art) {
    case FensterArt::UVTabelle:
      if (tool == TToolArt::SetzTool) return zSetzer;
      if (tool == TToolArt::LoeschTool) return ctrl ? zHalbGummi : zGummi;
      return zUnveraendert;
    case FensterArt::ParalleleKopplungen:
      switch (tool) {
        case TToolArt::SetzTool:
          return zSetzer;
        case TToolArt::LoeschTool:
          return zGummi;
        case TToolArt::SchiebTool:
          return zHand;
        case TToolArt::FixTool:
          return zHammer;
        default:
          return zUnveraendert;
      }
    case FensterArt::LehrerDaten:
    case FensterArt::KlassenDaten:
    case FensterArt::UVDaten:
      return tool == TToolArt::LoeschTool ? zGummi : zUnveraendert;
    case FensterArt::Kurs:
      if (tool == TToolArt::LoeschTool) return teil == TZeigerTeil::Raster ? zUnveraendert : zGummi;
      if (tool == TToolArt::SchiebTool) {
        if (teil == TZeigerTeil::KursRaeume) return zHand;
        return teil == TZeigerTeil::Raster ? zUnveraendert : zPfeil;
      }
      return zUnveraendert;
    case FensterArt::Manuell:
      switch (tool) {
        case TToolArt::SetzTool:
          return zSetzer;
        case TToolArt::LoeschTool:
          return ctrl ? zHalbGummi : zGummi;
        case TToolArt::SchiebTool:
          if (ctrl) return (u & kShift) ? zPfeil3 : zPfeil4;
          return zHand;
        case TToolArt::FixTool:
          return zHammer;
        default:
          return zUnveraendert;
      }
    case FensterArt::Vertretungen:
      if (tool == TToolArt::SetzTool) return zSetzer;
      if (tool == TToolArt::LoeschTool) return zGummi;
      return zUnveraendert;
    default:
      break;
  }
  // Deputatsfenster und "alle Kurse".
  if (Zwischen(art, FensterArt::LehrerDeputat, FensterArt::AlleKurse)) {
    switch (tool) {
      case TToolArt::SetzTool:
        return zSetzer;
      case TToolArt::LoeschTool:
        return ctrl ? zHalbGummi : zGummi;
      case TToolArt::SchiebTool:
        return zHand;
      default:
        return zUnveraendert;
    }
  }
  return zUnveraendert;
}
