#include "ui/ElementFensterUnit.h"

#include <algorithm>
#include <vector>

#include "model/DienstUnit.h"
#include "model/PlanElemUnit.h"
#include "model/SchulUnit.h"
#include "model/SollElemUnit.h"
#include "ui/QuonAuswahlUnit.h"

namespace {

bool Zwischen(int wert, int von, int bis) {
  return wert >= von && wert <= bis;
}

bool HatPlan(TKuerzelArt art) {
  return art == leh || art == kla || art == rau;
}

// Öffnet das Fenster mit der Kennzahl für das Element; bezug ist das Fenster, das dafür
// ersetzt oder geschlossen werden darf (das aktive oder ein mitgehendes Fenster).
void Oeffne(TElement* element, int kennung, unsigned umschalt, TFenster* bezug) {
  TFensterDienst* dienst = FensterDienst();
  const bool shift = (umschalt & umShift) != 0;
  const bool bezugAndererGleicherArt =
      bezug && bezug->FensterArt() == kennung && Schule().ElementVonFenster(bezug) != element;
  if (TFenster* da = ElementFenster(element, kennung)) {
    if (dienst) dienst->FensterNachVorne(da);
    if (bezugAndererGleicherArt && !shift) bezug->Schliessen();
    return;
  }
  if (shift || !bezugAndererGleicherArt) {
    if (dienst) dienst->ElementFensterNeu(element, kennung);
  } else {
    // Das Fenster meldet sich dabei ab und wieder an; aktiv bleibt es trotzdem.
    TSchule& schule = Schule();
    const bool warAktiv = schule.fAktivesFenster == bezug;
    bezug->ElementZeigen(element);
    if (warAktiv && schule.FensterOffen(bezug)) schule.SetAktivesFenster(bezug);
  }
}

}  // namespace

int ElementFensterKennung(const TElement* element, TFensterArt wahl) {
  if (!element) return 0;
  const int art = element->Art();
  switch (wahl) {
    case TFensterArt::GFenster:
      return FensterArt::LehrerDaten + art;
    case TFensterArt::DFenster:
      return element->Art() == uvt ? FensterArt::UVTabelle : FensterArt::LehrerDeputat + art;
    case TFensterArt::PFenster:
      switch (element->Art()) {
        case leh:
          return FensterArt::LehrerPlan;
        case kla:
          return FensterArt::KlassenPlan;
        case rau:
          return FensterArt::RaumPlan;
        default:
          return ElementFensterKennung(element, TFensterArt::DFenster);
      }
  }
  return 0;
}

std::optional<TFensterArt> FensterWahlVon(int kennung) {
  if (Zwischen(kennung, FensterArt::LehrerDaten, FensterArt::UVDaten)) return TFensterArt::GFenster;
  if (Zwischen(kennung, FensterArt::LehrerDeputat, FensterArt::RaumDeputat) ||
      kennung == FensterArt::UVTabelle)
    return TFensterArt::DFenster;
  if (Zwischen(kennung, FensterArt::LehrerPlan, FensterArt::RaumPlan)) return TFensterArt::PFenster;
  return std::nullopt;
}

TFenster* ElementFenster(const TElement* element, int kennung) {
  if (!element) return nullptr;
  const std::optional<TFensterArt> wahl = FensterWahlVon(kennung);
  if (!wahl) return nullptr;
  TFenster* f = nullptr;
  switch (*wahl) {
    case TFensterArt::GFenster:
      f = element->fGrDatFenster;
      break;
    case TFensterArt::DFenster:
      f = element->fDepFenster;
      break;
    case TFensterArt::PFenster:
      if (auto* p = dynamic_cast<const TPlanElement*>(element)) f = p->fPlnFenster;
      break;
  }
  return f && f->FensterArt() == kennung ? f : nullptr;
}

void ElementFensterOeffnen(TElement* element, TFensterArt wahl, unsigned umschalt) {
  if (!element) return;
  TDirtyBewahrer bewahrer;
  Oeffne(element, ElementFensterKennung(element, wahl), umschalt, Schule().fAktivesFenster);
}

void FensterArtWaehlen(TFensterArt wahl, unsigned umschalt) {
  TSchule& schule = Schule();
  TDirtyBewahrer bewahrer;
  schule.fFensterArt = wahl;
  TFenster* aktiv = schule.fAktivesFenster;
  TElement* element = schule.ElementVonFenster(aktiv);
  if (!element) return;
  const int k = aktiv->FensterArt();
  const bool plan = Zwischen(k, FensterArt::LehrerPlan, FensterArt::RaumPlan);
  const bool deputat =
      Zwischen(k, FensterArt::LehrerDeputat, FensterArt::RaumDeputat) || k == FensterArt::UVTabelle;
  const bool daten = Zwischen(k, FensterArt::LehrerDaten, FensterArt::UVDaten);
  bool wechseln = false;
  switch (wahl) {
    case TFensterArt::GFenster:
      wechseln = plan || deputat;
      break;
    case TFensterArt::DFenster:
      wechseln = plan || daten;
      break;
    case TFensterArt::PFenster:
      wechseln = HatPlan(element->Art()) && (deputat || daten);
      break;
  }
  if (!wechseln) return;
  if (!(umschalt & umShift)) aktiv->Schliessen();
  ElementFensterOeffnen(element, wahl, umschalt);
}

TElement* NachbarElement(const TElement* element, int richtung, bool nurOhneRaum) {
  if (!element) return nullptr;
  const std::vector<TElement*> liste = Schule().Elemente(element->Art());
  const auto it = std::find(liste.begin(), liste.end(), element);
  if (it == liste.end()) return nullptr;
  const int n = static_cast<int>(liste.size());
  const int start = static_cast<int>(it - liste.begin());
  const int schritt = richtung < 0 ? n - 1 : 1;
  int i = (start + schritt) % n;
  if (nurOhneRaum) {
    auto fehlt = [](const TElement* e) {
      const auto* s = dynamic_cast<const TSollElement*>(e);
      return s && s->RaumFehltImPlan();
    };
    while (i != start && !fehlt(liste[static_cast<std::size_t>(i)])) i = (i + schritt) % n;
  }
  return liste[static_cast<std::size_t>(i)];
}

void Blaettern(int richtung, unsigned umschalt) {
  TSchule& schule = Schule();
  TFenster* aktiv = schule.fAktivesFenster;
  if (!aktiv) return;
  TDirtyBewahrer bewahrer;
  TElement* element = schule.ElementVonFenster(aktiv);
  if (!element) {
    aktiv->Blaettern(richtung, umschalt);
  } else {
    const int kennung = aktiv->FensterArt();
    const bool plan = Zwischen(kennung, FensterArt::LehrerPlan, FensterArt::RaumPlan);
    TElement* neu = NachbarElement(element, richtung, plan && (umschalt & umCtrl));
    if (!neu || neu == element) return;
    // Die anderen offenen Fenster des Elements, bevor das aktive umgestellt wird.
    std::vector<TFenster*> andere;
    for (TFensterArt wahl : {TFensterArt::GFenster, TFensterArt::DFenster, TFensterArt::PFenster}) {
      TFenster* f = ElementFenster(element, ElementFensterKennung(element, wahl));
      if (f && f != aktiv && std::find(andere.begin(), andere.end(), f) == andere.end())
        andere.push_back(f);
    }
    Oeffne(neu, kennung, umschalt, aktiv);
    for (TFenster* f : andere) {
      // Ein mitgehendes Fenster kann sich inzwischen geschlossen haben.
      if (!schule.FensterOffen(f)) continue;
      Oeffne(neu, f->FensterArt(), umschalt, f);
    }
  }
  if (TFensterDienst* dienst = FensterDienst(); dienst && schule.fAktivesFenster)
    dienst->FensterNachVorne(schule.fAktivesFenster);
}
