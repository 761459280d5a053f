#include "model/LehrerUnit.h"

#include "model/FachUnit.h"
#include "model/KlassenUnit.h"
#include "model/KursUnit.h"
#include "model/RaumUnit.h"
#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"

TLehrer::TLehrer() {
  fSoll.SetWochenStunde(0, Standard().fLeSoll);
}

std::int32_t TLehrer::FachSumme(const TFach* einFach) const {
  std::int32_t summe = 0;
  for (const TKurs* k : fKurse)
    if (k->fFach == einFach) summe += k->fStunden.GetWochenStunde(-1);
  return summe;
}

void TLehrer::NeuesFach(TFach* theFach) {
  if (!theFach) return;
  if (NachReiheEinfuegen(fFaecher, theFach)) {
    if (fGrDatFenster) fGrDatFenster->FensterUpdate();
    theFach->NeuerLehrer(this);
  }
  SchuleGeaendert();
}

bool TLehrer::FachEntfernen(TFach* theFach) {
  TStandard& s = Standard();
  const bool eineWoche = s.fEineWoche;
  s.fEineWoche = false;
  bool erfolg = false;
  if (FachSumme(theFach) > 0) {
    Dialog().Meldung("Fehler", {"Erst müssen die zugehörigen Kurse gelöscht werden!"},
                     TMeldungsArt::Fehler);
  } else {
    fFaecher.ListeElemEntfernen(theFach);
    if (fGrDatFenster) fGrDatFenster->FensterUpdate();
    if (theFach) theFach->LehrerEntfernen(this);
    erfolg = true;
  }
  s.fEineWoche = eineWoche;
  SchuleGeaendert();
  return erfolg;
}

void TLehrer::NeuerRaum(TRaum* theRaum) {
  for (TKurs* k : fKurse.Kopie()) {
    if (fRaum) {
      if (!k->fRaeume.ListeElemEnthalten(fRaum)) continue;
      if (!k->VerplantImRaum(fRaum)) k->RaumEntfernen(fRaum);
    }
    if (theRaum && !k->fRaeume.ListeElemEnthalten(theRaum)) k->RaumErgaenzen(theRaum, false);
  }
}

bool TLehrer::HatUnterrichtInKlasse(const TKlasse* theElement) const {
  for (const TKurs* k : fKurse)
    if (k->fKlassen.ListeZahlElemente() == 1 && k->fKlassen[0] == theElement) return true;
  return false;
}

bool TLehrer::HatUnterrichtAmRand(const TKlasse* theElement) const {
  for (const TKurs* k : fKurse) {
    if (k->fKopplung || k->fKlassen.ListeZahlElemente() != 1 || k->fKlassen[0] != theElement)
      continue;
    for (const TSetzung* s : k->fSetzungen)
      if (s->AmRand(theElement)) return true;
  }
  return false;
}

bool TLehrer::HatKursNichtAngerechnet() const {
  for (const TKurs* k : fKurse)
    if (k->fNichtZaehlenLe) return true;
  return false;
}

TMenue TLehrer::FachPopupFuellen() {
  // Rest des Lehrers: Soll minus gezählte Belastung aller Wochen.
  std::int32_t belastung = 0;
  for (const TKurs* k : fKurse)
    if (!k->fNichtZaehlenLe) belastung += k->fStunden.GetWochenStunde(0) * k->fFaktor;
  const std::int32_t rest = GetSoll(0) - belastung;
  TMenue menue;
  for (TFach* f : fFaecher) {
    TMenueEintrag e;
    e.Text = U8(f->KursPopZeile(this, rest));
    e.Objekt = f;
    e.Aktion = [this, f] { MerkePopFach(f); };
    menue.push_back(std::move(e));
  }
  SpaltenUmbrechen(menue, PopupSpaltenLaenge(Schule().fKlassenMenge.ListeZahlElemente()));
  return menue;
}

void TLehrer::Aufloesen() {
  TSchule& schule = Schule();
  for (TKurs* k : fKurse.Kopie()) {
    k->AlleSetzungenEntfernen();
    k->LehrerEntfernen();
  }
  for (TKlasse* kl : schule.fKlassenMenge) {
    bool geaendert = false;
    if (kl->fLehrer1 == this) {
      kl->fLehrer1 = nullptr;
      geaendert = true;
    }
    if (kl->fLehrer2 == this) {
      kl->fLehrer2 = nullptr;
      geaendert = true;
    }
    if (geaendert) kl->FensterRefresh();
  }
  for (TFach* f : fFaecher.Kopie()) f->LehrerEntfernen(this);
  for (TFach* f : schule.fFachMenge)
    if (f->fPopLehrer == this) f->fPopLehrer = nullptr;
  for (TUVTab* uv : schule.fUVTabMenge) uv->LehrerEntfernen(this);
  fFaecher.ListeLeeren();
  TSollElement::Aufloesen();
}

TKurs* TLehrer::NeuerKurs() {
  return NeuerKursMitFenster(this, nullptr, nullptr, nullptr, fRaum);
}
