// Die Druckbefehle der Palette: "Papierformat...", "Fenster drucken...", "Drucken › Pläne"
// und "Drucken › Vertretung › Vertretungsplan...".
#include "model/SchulUnit.h"
#include "output/DruckPlnFormUnit.h"
#include "output/DruckVertrFormUnit.h"
#include "output/QtDruckerUnit.h"
#include "substitution/WoAusfallFormUnit.h"
#include "ui/FreigabeUnit.h"
#include "ui/PaletteUnit.h"
#include "ui/PlnFormUnit.h"

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
  if (art >= 0) PlanDruckItemClick(art);
}

// "Drucken › Vertretung › Vertretungsplan...": für heute (Tagesplan und Vertreterauswahl
// reichen ihr Datum weiter, sobald es sie gibt).
void TTamrelPalette::VertrDruckItemClick() {
  VertrDruckZeigen(Heute(), this);
}
