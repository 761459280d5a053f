#include "model/FachUnit.h"

#include "model/KlassenUnit.h"
#include "model/KursUnit.h"
#include "model/LehrerUnit.h"
#include "model/SchulUnit.h"

std::int32_t TFach::LehrerSumme(const TLehrer* lehrer) const {
  std::int32_t summe = 0;
  for (const TKurs* k : fKurse)
    if (k->fLehrer == lehrer) summe += k->fStunden.GetWochenStunde(-1);
  return summe;
}

std::int32_t TFach::KlassenSumme(const TKlasse* klasse) const {
  std::int32_t summe = 0;
  for (const TKurs* k : fKurse)
    if (k->fKlassen.ListeElemNr(klasse) > 0) summe += k->fStunden.GetWochenStunde(-1);
  return summe;
}

void TFach::NeuerLehrer(TLehrer* lehrer) {
  if (!lehrer) return;
  if (NachReiheEinfuegen(fLehrer, lehrer)) {
    if (fGrDatFenster) fGrDatFenster->FensterUpdate();
    lehrer->NeuesFach(this);
  }
  SchuleGeaendert();
}

void TFach::NeueKlasse(TKlasse* klasse) {
  if (!klasse) return;
  if (NachReiheEinfuegen(fKlassen, klasse) && fGrDatFenster) fGrDatFenster->FensterUpdate();
  SchuleGeaendert();
}

void TFach::LehrerEntfernen(TLehrer* lehrer) {
  if (fLehrer.ListeElemEntfernen(lehrer)) {
    if (fGrDatFenster) fGrDatFenster->FensterUpdate();
    SchuleGeaendert();
  }
  if (fPopLehrer == lehrer) fPopLehrer = nullptr;
}

void TFach::KlasseEntfernen(TKlasse* klasse) {
  for (const TKurs* k : fKurse)
    if (k->fKlassen.ListeElemNr(klasse) > 0) return;
  if (fKlassen.ListeElemEntfernen(klasse)) {
    if (fGrDatFenster) fGrDatFenster->FensterUpdate();
    SchuleGeaendert();
  }
}

std::string TFach::KursPopZeile(const TLehrer* lehrer, std::int32_t rest) const {
  std::int32_t dies = 0;
  for (const TKurs* k : fKurse)
    if (k->fLehrer == lehrer) dies += k->fStunden.GetWochenStunde(0) * k->fFaktor;
  const std::int32_t andere = (lehrer ? lehrer->GetSoll(0) : 0) - dies - rest;
  return "[" + StundenText(dies) + " ]-[" + StundenText(andere) + " ]-[" + StundenText(rest) +
         " ]  " + fKuerzel.str();
}

TMenue TFach::LehrerPopupFuellen() {
  TMenue menue;
  for (TLehrer* l : fLehrer) {
    TMenueEintrag e;
    e.Text = U8(l->KursPopZeile(this, leh));
    e.Objekt = l;
    e.Aktion = [this, l] { MerkePopLehrer(l); };
    menue.push_back(std::move(e));
  }
  SpaltenUmbrechen(menue, PopupSpaltenLaenge(Schule().fKlassenMenge.ListeZahlElemente()));
  return menue;
}

TMenue TFach::KlassenPopupFuellen() {
  TMenue menue;
  for (TKlasse* k : fKlassen) {
    TMenueEintrag e;
    e.Text = U8(k->KursPopZeile(this, kla));
    e.Objekt = k;
    e.Aktion = [this, k] { MerkePopKlasse(k); };
    menue.push_back(std::move(e));
  }
  SpaltenUmbrechen(menue, PopupSpaltenLaenge(Schule().fKlassenMenge.ListeZahlElemente()));
  return menue;
}

void TFach::Aufloesen() {
  TSchule& schule = Schule();
  for (TKurs* k : fKurse.Kopie()) k->FachEntfernen();
  for (TLehrer* l : schule.fLehrerMenge) {
    while (l->fFaecher.ListeElemEntfernen(this)) {
    }
    if (l->fPopFach == this) l->fPopFach = nullptr;
  }
  for (TUVTab* uv : schule.fUVTabMenge) uv->FachEntfernen(this);
  fLehrer.ListeLeeren();
  fKlassen.ListeLeeren();
  TElement::Aufloesen();
}

TKurs* TFach::NeuerKurs() {
  return NeuerKursMitFenster(nullptr, nullptr, nullptr, this, nullptr);
}
