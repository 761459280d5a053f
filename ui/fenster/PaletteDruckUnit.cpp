// Die Druckbefehle der Palette: "Papierformat...", "Fenster drucken..." (welcher Druck, sagt
// die Freigabetabelle; das Fenster gibt seine Vorbelegung), "Drucken › Pläne" und "Drucken ›
// Vertretung › Vertretungsplan...".
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
#include "ui/fenster/SVFormUnit.h"
#include "ui/fenster/UVFormUnit.h"
#include "ui/fenster/UebersichtFormUnit.h"
#include "ui/fenster/VWahlFormUnit.h"
#include "output/UebersichtUnit.h"

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
  if (!f) return;
  const TFensterDruckWahl wahl = FensterDruck(f->FensterArt());
  const auto mehrfach = [this](const std::vector<TElement*>& menge, const QString& titel) {
    return MultiMenu(menge, titel);
  };
  switch (wahl.Druck) {
    case TFensterDruck::Keiner:
      break;
    case TFensterDruck::Plaene:
      PlanDruckItemClick(wahl.Art);
      break;
    case TFensterDruck::UVTabelle:
      if (auto* uv = dynamic_cast<TUVForm*>(f))
        ListenDruckZeigen(TListenDruck::UV, {}, {}, nullptr, this, [uv](TDruckListeForm& form) {
          form.fUVTab = uv->UVTab();
          form.fUVRaster = uv->Raster();
          form.fUVKopplung = uv->SchalterO();
        });
      break;
    case TFensterDruck::Fehlerliste:
      if (auto* fehler = dynamic_cast<TFehlerForm*>(f)) {
        std::vector<std::string> zeilen;
        for (const std::string& z : fehler->Zeilen()) zeilen.push_back(U8(z));
        ListenDruckZeigen(TListenDruck::Fehler, {}, {}, nullptr, this,
                          [&zeilen](TDruckListeForm& form) { form.fFehlerZeilen = zeilen; });
      }
      break;
    case TFensterDruck::Deputate:
      // Das Element des Deputatsfensters, "alle Kurse" mit "für" = alle Kurse.
      if (auto* dep = dynamic_cast<TDepForm*>(f))
        ListenDruckZeigen(TListenDruck::Deputate, mehrfach, {},
                          wahl.Art < 5 ? dep->Element() : nullptr, this,
                          [&wahl](TDruckListeForm& form) { form.SetzeArtWahl(wahl.Art); });
      break;
    case TFensterDruck::ParKopplungen:
      if (auto* par = dynamic_cast<TParForm*>(f))
        ListenDruckZeigen(TListenDruck::Par, {}, {}, nullptr, this,
                          [par](TDruckListeForm& form) { form.fParTabelle = &par->Tabelle(); });
      break;
    case TFensterDruck::Uebersicht:
      // Die Elemente, die das Übersichtsfenster zeigt.
      if (auto* ueb = dynamic_cast<TUebersichtForm*>(f))
        UebDruckZeigen(static_cast<TUebDruckArt>(wahl.Art), mehrfach, this,
                       UebElemente(ueb->UebArt()));
      break;
    case TFensterDruck::Bild:
      TQtDruckPlattform::FensterBildDrucken(dynamic_cast<QWidget*>(f), this);
      break;
    case TFensterDruck::Vertretungsplan:
      VertrDruckItemClick();
      break;
    case TFensterDruck::Stundenverteilung:
      if (auto* sv = dynamic_cast<TSVForm*>(f))
        ListenDruckZeigen(TListenDruck::SV, mehrfach, {}, nullptr, this,
                          [sv](TDruckListeForm& form) { form.SetzeArtWahl(sv->DruckArt()); });
      break;
    case TFensterDruck::Reststunden:
      ListenDruckZeigen(TListenDruck::Rest, mehrfach, {}, nullptr, this,
                        [&wahl](TDruckListeForm& form) { form.SetzeArtWahl(wahl.Art); });
      break;
    case TFensterDruck::VertrUebersicht:
      // Der Zeitraum und alle Lehrer bzw. Klassen, wie das Fenster sie zeigt.
      if (auto* stat = dynamic_cast<TVStatForm*>(f))
        VUebDruckZeigen(stat->StatArt() == leh, stat->VonZeit(), stat->BisZeit(), this, true);
      break;
    case TFensterDruck::WoAusfall:
      WoAusfallDrucken();
      break;
  }
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

// "Drucken › Vertretung › Vertretungsplan...": für das Datum des Tagesplans, wenn er oder die
// Vertretungswahl aktiv ist (dort das Datum der gezeigten Vertretung), sonst für heute.
void TTamrelPalette::VertrDruckItemClick() {
  TFenster* f = Schule().fAktivesFenster;
  TDateTime datum = Heute();
  if (auto* vertr = dynamic_cast<TVertrForm*>(f))
    datum = vertr->fDatum;
  else if (auto* wahl = dynamic_cast<TVWahlForm*>(f); wahl && wahl->fWahl.fVertretung)
    datum = wahl->fWahl.fDatum;
  VertrDruckZeigen(datum, this);
}
