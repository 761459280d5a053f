// Die Palette öffnet die mit der Schule gespeicherten Fenster wieder.
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "model/DienstUnit.h"
#include "model/SchulUnit.h"
#include "model/UVUnit.h"
#include "settings/StandardUnit.h"
#include "substitution/fenster/VertrFormUnit.h"
#include "ui/fenster/DepFormUnit.h"
#include "ui/FensterWiederUnit.h"
#include "ui/fenster/GrFormUnit.h"
#include "ui/fenster/PaletteUnit.h"
#include "ui/fenster/ParFormUnit.h"
#include "ui/fenster/PlnFormUnit.h"
#include "ui/fenster/QtFensterPlatzUnit.h"
#include "ui/fenster/SVFormUnit.h"
#include "ui/fenster/StatistikFormUnit.h"
#include "ui/fenster/UVFormUnit.h"
#include "ui/fenster/UVGrFormUnit.h"
#include "ui/fenster/UebersichtFormUnit.h"

namespace {

QWidget* ZielOeffnen(const TWiederZiel& z) {
  switch (z.Art) {
    case TWiederArt::Plan: {
      auto* element = static_cast<TPlanElement*>(z.Element);
      if (auto* offen = dynamic_cast<QWidget*>(element->fPlnFenster)) return offen;
      return NeuesPlanFenster(element);
    }
    case TWiederArt::UVTabelle:
      return NeuesUVFenster(static_cast<TUVTab*>(z.Element));
    case TWiederArt::Deputat:
      return NeuesDepFenster(z.Element);
    case TWiederArt::Daten:
      if (z.Kuerzel == uvt) return NeuesUVGrFenster(static_cast<TUVTab*>(z.Element));
      return NeuesGrFenster(z.Element);
    case TWiederArt::AlleKurse:
      return AlleKurseFenster();  // ohne eigene Menge: alle Kurse
    case TWiederArt::Parallel:
      Standard().fParUeber = true;
      return TParForm::ZeigeParForm();
    case TWiederArt::Uebersicht:
      return UebersichtZeigen(z.Kuerzel);
    case TWiederArt::Stundenverteilung:
      return TSVForm::ZeigeSVForm();
    case TWiederArt::Statistik:
      return StatistikZeigen(z.Kuerzel);
    case TWiederArt::Vertretungen:
      // Kein Schultag: die Meldung statt des Fensters.
      VertretungZeigen(Heute());
      return dynamic_cast<QWidget*>(Schule().fVertrForm);
    case TWiederArt::Nichts:
      break;
  }
  return nullptr;
}

}  // namespace

void TTamrelPalette::GespeicherteFensterOeffnen() {
  TSchule& schule = Schule();
  // Ausgeschaltet: die Sätze bleiben, wie sie gelesen wurden, und gehen beim Sichern mit.
  if (!Standard().fFensterWieder) return;
  TDirtyBewahrer bewahrer;
  const std::vector<TFensterSatz> saetze = std::move(schule.fGespeicherteFenster);
  schule.fGespeicherteFenster.clear();
  // Mit Shift öffnen Elementfenster ein weiteres Fenster, statt das aktive zu ersetzen.
  const TUmschaltMenge vorher = Umschalt();
  fVerwaltung.UmschalttastenSetzen(vorher | umShift);
  for (const TWiederZiel& z : WiederZiele(schule, saetze)) {
    // Ein Elementfenster stellt die Fensterart der Palette auf seine.
    if (z.FensterWahl) schule.fFensterArt = *z.FensterWahl;
    QWidget* w = ZielOeffnen(z);
    if (!w) continue;
    const QRect a = Arbeitsbereich(*w);
    // Gespeichert ist die Lage ohne Rahmen; die Titelleiste darüber muss im Arbeitsbereich
    // bleiben.
    const QRect g = w->geometry();
    const int titel = std::max(0, g.top() - w->frameGeometry().top());
    const QSize minimum = w->minimumSizeHint().expandedTo(w->minimumSize());
    const TFensterLage l = WiederLage({g.left(), g.top(), g.width(), g.height()}, z.Satz->Lage,
                                      {a.left(), a.top(), a.width(), a.height()}, titel,
                                      minimum.width(), minimum.height(), z.MitBreite, z.MitHoehe);
    w->setGeometry(l.Links, l.Oben, l.Breite, l.Hoehe);
    w->show();
    w->raise();
  }
  fVerwaltung.UmschalttastenSetzen(vorher & ~static_cast<TUmschaltMenge>(umShift));
}
