// Die Druckbefehle der Palette: "Papierformat...", "Fenster drucken...", "Drucken › Pläne"
// und "Drucken › Vertretung › Vertretungsplan...".
#include "model/SchulUnit.h"
#include "output/fenster/DruckListeFormUnit.h"
#include "output/fenster/DruckPlnFormUnit.h"
#include "output/fenster/DruckVertrFormUnit.h"
#include "output/fenster/QtDruckerUnit.h"
#include "substitution/fenster/VStatFormUnit.h"
#include "substitution/fenster/VertrFormUnit.h"
#include "substitution/fenster/WoAusfallFormUnit.h"
#include "ui/fenster/DepFormUnit.h"
#include "ui/fenster/FehlerFormUnit.h"
#include "ui/FreigabeUnit.h"
#include "ui/fenster/PaletteUnit.h"
#include "ui/fenster/ParFormUnit.h"
#include "ui/fenster/PlnFormUnit.h"
#include "ui/fenster/UVFormUnit.h"

namespace {
// Das Element des aktiven Planfensters der Art (9 Lehrer, 10 Klasse, 11 Raum), sonst nichts.
TPlanElement* AktivesPlanElement(int fensterArt) {
  TFenster* f = Schule().fAktivesFenster;
  if (!f || f->FensterArt() != fensterArt) return nullptr;
  auto* plan = dynamic_cast<TPlnForm*>(f);
  return plan ? plan->PlanElem() : nullptr;
}
}  // namespace

void TTamrelPalette::PapierformatItemClick() {
  TQtDruckPlattform::Papierformat(this);
}

void TTamrelPalette::PlanDruckItemClick(int art) {
  static const int kFensterArt[5] = {9, 10, 11, 9, 10};
  if (art < 0 || art > 4) return;
  PlanDruckZeigen(
      static_cast<TPlanDruckArt>(art),
      [this](const std::vector<TElement*>& menge, const QString& titel) {
        return MultiMenu(menge, titel);
      },
      AktivesPlanElement(kFensterArt[art]), this);
}

void TTamrelPalette::FensterDruckenItemClick() {
  TFenster* f = Schule().fAktivesFenster;
  if (f && f->FensterArt() == FensterArt::WoAusfall) {
    WoAusfallDrucken();
    return;
  }
  const int art = f ? FensterDruckArt(f->FensterArt()) : -1;
  if (art >= 0 && art <= 2) PlanDruckItemClick(art);
  if (auto* fehler = art == 5 ? dynamic_cast<TFehlerForm*>(f) : nullptr) {
    std::vector<std::string> zeilen;
    for (const std::string& z : fehler->Zeilen()) zeilen.push_back(U8(z));
    ListenDruckZeigen(TListenDruck::Fehler, {}, {}, nullptr, this,
                      [&zeilen](TDruckListeForm& form) { form.fFehlerZeilen = zeilen; });
  }
  if (auto* par = art == 6 ? dynamic_cast<TParForm*>(f) : nullptr)
    ListenDruckZeigen(TListenDruck::Par, {}, {}, nullptr, this,
                      [par](TDruckListeForm& form) { form.fParTabelle = &par->Tabelle(); });
  if (auto* uv = art == 7 ? dynamic_cast<TUVForm*>(f) : nullptr)
    ListenDruckZeigen(TListenDruck::UV, {}, {}, nullptr, this, [uv](TDruckListeForm& form) {
      form.fUVTab = uv->UVTab();
      form.fUVKopplung = uv->SchalterO();
    });
  // Die Übersichten drucken ihren Zeitraum, die Vertretungen ihren Tag.
  if (auto* stat = art == 8 || art == 9 ? dynamic_cast<TVStatForm*>(f) : nullptr)
    VUebDruckZeigen(stat->StatArt() == leh, stat->VonZeit(), stat->BisZeit(), this);
  if (auto* vertr = art == 10 ? dynamic_cast<TVertrForm*>(f) : nullptr)
    VertrDruckZeigen(vertr->fDatum, this);
}

void TTamrelPalette::UebDruckItemClick(int art) {
  auto einzel = [this](TKuerzelArt k, const QPoint& pos) -> TElement* {
    if (!PopupListe(k, false, pos)) return nullptr;
    return k == fac ? static_cast<TElement*>(fPopFach) : nullptr;
  };
  if (art < 0) {
    FUebDruckZeigen(einzel, this);
    return;
  }
  if (art > 3) return;
  UebDruckZeigen(
      static_cast<TUebDruckArt>(art),
      [this](const std::vector<TElement*>& menge, const QString& titel) {
        return MultiMenu(menge, titel);
      },
      this);
}

void TTamrelPalette::ListenDruckItemClick(int art) {
  if (art < 0 || art > int(TListenDruck::Par)) return;
  auto einzel = [this](TKuerzelArt k, const QPoint& pos) -> TElement* {
    if (!PopupListe(k, false, pos)) return nullptr;
    switch (k) {
      case leh:
        return fPopLehrer;
      case kla:
        return fPopKlasse;
      case kop:
        return fPopKopplung;
      case fac:
        return fPopFach;
      case rau:
        return fPopRaum;
      default:
        return nullptr;
    }
  };
  // Die Deputate beginnen mit dem Element des aktiven Deputatsfensters (nicht "alle Kurse").
  TElement* element = nullptr;
  if (auto* dep = dynamic_cast<TDepForm*>(Schule().fAktivesFenster))
    if (dep->FensterArt() != FensterArt::AlleKurse) element = dep->Element();
  ListenDruckZeigen(
      static_cast<TListenDruck>(art),
      [this](const std::vector<TElement*>& menge, const QString& titel) {
        return MultiMenu(menge, titel);
      },
      einzel, element, this);
}

// "Drucken › Vertretung › Vertretungsplan...": für heute (Tagesplan und Vertreterauswahl
// reichen ihr Datum weiter, sobald es sie gibt).
void TTamrelPalette::VertrDruckItemClick() {
  VertrDruckZeigen(Heute(), this);
}
