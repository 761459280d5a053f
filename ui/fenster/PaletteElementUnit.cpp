// Die Elementmenüs der Palette, die Auswahllisten für andere Fenster, die Mehrfachwahl und der
// Knopf der Planversion.
#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QToolButton>

#include "model/DienstUnit.h"
#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"
#include "ui/ElementFensterUnit.h"
#include "ui/ElementMenueUnit.h"
#include "ui/fenster/MenuFormUnit.h"
#include "ui/fenster/PaletteUnit.h"
#include "ui/fenster/PopupMenueUnit.h"

namespace {

constexpr TKuerzelArt kArten[] = {leh, kla, kop, fac, rau, uvt};

// Die Auswahllisten gibt es für Lehrer, Klassen, Kopplungen, Fächer und Räume; mit "ohne" für
// Lehrer, Kopplungen und Räume.
int PopIndex(TKuerzelArt art) {
  switch (art) {
    case leh:
      return 0;
    case kla:
      return 1;
    case kop:
      return 2;
    case fac:
      return 3;
    case rau:
      return 4;
    default:
      return -1;
  }
}

int OhneIndex(TKuerzelArt art) {
  switch (art) {
    case leh:
      return 0;
    case kop:
      return 1;
    case rau:
      return 2;
    default:
      return -1;
  }
}

}  // namespace

void TTamrelPalette::MenuAnlage() {
  TBeschaeftigt sanduhr;
  Dialog().MeldungsFensterZeigen("Das Kürzelmenu wird angelegt.");
  if (fOffenesMenue) fOffenesMenue->Schliessen();
  ReihenSetzen();
  for (TKuerzelArt art : kArten) {
    TMenue menue = ElementMenue(art);
    for (TMenueEintrag& e : menue) {
      auto* element = static_cast<TElement*>(e.Objekt);
      e.Aktion = [this, element] { ElementGewaehlt(element); };
    }
    const bool leer = menue.empty();
    fElementMenues[art] = std::move(menue);
    if (QAction* a = Befehl(QString::fromStdString(ElementMenueTitel(art)))) a->setEnabled(!leer);
  }
  for (TKuerzelArt art : kArten) {
    if (const int i = PopIndex(art); i >= 0) fPopMenues[i] = ElementMenue(art);
    if (const int i = OhneIndex(art); i >= 0) fOhneMenues[i] = ElementMenue(art, true);
  }
  Dialog().MeldungsFensterSchliessen();
}

const TMenue& TTamrelPalette::ElementMenueModell(TKuerzelArt art) const {
  static const TMenue leer;
  if (art < leh || art > uvt) return leer;
  return fElementMenues[art];
}

// Zeigt ein Menü unter seinem Eintrag der Menüleiste (in den schmalen Anordnungen an der Maus).
void TTamrelPalette::MenueUnterEintrag(TPopupMenue* menue, QAction* eintrag) {
  QPoint pos = QCursor::pos();
  const QRect r = menuBar()->actionGeometry(eintrag);
  if (r.isValid() && menuBar()->actions().contains(eintrag))
    pos = menuBar()->mapToGlobal(r.bottomLeft());
  menue->Popup(pos);
}

void TTamrelPalette::ElementMenueZeigen(TKuerzelArt art) {
  if (art < leh || art > uvt || fElementMenues[art].empty()) return;
  if (fOffenesMenue) delete fOffenesMenue.data();
  auto* menue = new TPopupMenue(fElementMenues[art], this);
  fOffenesMenue = menue;
  connect(menue, &TPopupMenue::Geschlossen, menue, &QObject::deleteLater);
  MenueUnterEintrag(menue, Befehl(QString::fromStdString(ElementMenueTitel(art))));
}

void TTamrelPalette::ElementGewaehlt(TElement* element) {
  UmschaltMerken(QGuiApplication::keyboardModifiers());
  ElementFensterOeffnen(element, Schule().fFensterArt, Umschalt());
  AktualisierePalette();
}

bool TTamrelPalette::PopupListe(TKuerzelArt art, bool mitOhne, const QPoint& pos) {
  fPopWahl = false;
  const int i = mitOhne ? OhneIndex(art) : PopIndex(art);
  if (i < 0) return false;
  const TMenue& modell = mitOhne ? fOhneMenues[i] : fPopMenues[i];
  TPopupMenue menue(modell, this);
  const TMenueEintrag* wahl = menue.Exec(pos);
  if (!wahl) return false;
  fPopWahl = true;
  auto* element = static_cast<TElement*>(wahl->Objekt);
  switch (art) {
    case leh:
      fPopLehrer = static_cast<TLehrer*>(element);
      break;
    case kla:
      fPopKlasse = static_cast<TKlasse*>(element);
      break;
    case kop:
      fPopKopplung = static_cast<TKopplung*>(element);
      break;
    case fac:
      fPopFach = static_cast<TFach*>(element);
      break;
    case rau:
      fPopRaum = static_cast<TRaum*>(element);
      break;
    default:
      break;
  }
  return true;
}

std::vector<TElement*> TTamrelPalette::MultiMenu(const std::vector<TElement*>& menge,
                                                 const QString& titel) {
  if (menge.empty()) return {};
  TMenuForm form(menge, titel, this);
  if (form.exec() != QDialog::Accepted) return {};
  return form.Ergebnis();
}

// ---- Planversion ----

void TTamrelPalette::VersKnopfClick() {
  TStandard& s = Standard();
  if (Umschalt() & umCtrl) {
    s.fEineWoche = !s.fEineWoche;
  } else {
    const int w = std::max(1, s.fMaxWocheNeu);
    TMenue menue;
    for (int v = 1; v <= w; ++v) {
      TMenueEintrag e;
      e.Text = std::to_string(v);
      e.Wert = v;
      e.Haken = v == s.fAktuelleWoche;
      e.Aktion = [this, v] { VersionWaehlen(v); };
      menue.push_back(std::move(e));
    }
    SpaltenUmbrechen(menue, VersionsSpaltenLaenge(w));
    if (fOffenesMenue) delete fOffenesMenue.data();
    auto* popup = new TPopupMenue(std::move(menue), this);
    fOffenesMenue = popup;
    connect(popup, &TPopupMenue::Geschlossen, popup, &QObject::deleteLater);
    popup->Popup(fVersKnopf->mapToGlobal(QPoint(0, fVersKnopf->height())));
    return;
  }
  AktualisierePalette();
  Schule().AlleFensterUpdate();
}

void TTamrelPalette::VersionWaehlen(int woche) {
  TStandard& s = Standard();
  if (woche < 1 || woche > s.fMaxWocheNeu) return;
  s.fAktuelleWoche = woche;
  AktualisierePalette();
  Schule().AlleFensterUpdate();
}
