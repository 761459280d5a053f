#include "planning/UndoUnit.h"

#include "model/KlassenUnit.h"
#include "model/KursUnit.h"
#include "model/LehrerUnit.h"
#include "model/RaumUnit.h"
#include "model/SchulUnit.h"

namespace {
TManuellProtokoll* gProtokoll = nullptr;

void BefehleFreigeben(bool frei) {
  if (TFensterDienst* d = FensterDienst()) d->UndoBefehleFreigeben(frei);
}

// Lebt der Kurs noch in der Schule?
bool KursLebt(const TKurs* kurs) {
  if (!kurs || !SchuleVorhanden()) return false;
  for (const TKurs* k : Schule().fKursMenge)
    if (k == kurs) return true;
  return false;
}

// Liegt in der Zelle eine Stunde eines anderen Kurses des Elements (bei einer Klasse: nicht aus
// der Kopplung des Kurses, deren Kurse dort zugleich liegen dürfen)?
bool AndererKursDort(const TPlanElement* e, const TKurs* kurs, int woche, int tag, int std) {
  if (!e || !e->fBesetzung.GetWocheTagStd(woche, tag, std)) return false;
  for (const TKurs* k : e->fKurse) {
    if (k == kurs || !k->SetzungFinden(woche, tag, std)) continue;
    if (e->Art() == kla && k->fKopplung && k->fKopplung == kurs->fKopplung) continue;
    return true;
  }
  return false;
}

// Der Lehrer oder eine Klasse des Kurses ist dort von einem anderen Kurs belegt.
bool ElementDort(const TKurs* kurs, int woche, int tag, int std) {
  if (AndererKursDort(kurs->fLehrer, kurs, woche, tag, std)) return true;
  for (const TKlasse* k : kurs->fKlassen)
    if (AndererKursDort(k, kurs, woche, tag, std)) return true;
  return false;
}

}  // namespace

TOhneMerken::TOhneMerken() : fAlt(gProtokoll && gProtokoll->fMerken) {
  if (gProtokoll) gProtokoll->fMerken = false;
}

TOhneMerken::~TOhneMerken() {
  if (gProtokoll) gProtokoll->fMerken = fAlt;
}

void TUndoElement::UndoIt() const {
  if (!fKurs) return;
  TOhneMerken ohne;
  if (fArt == TUndoArt::weg) {
    // Der Raum nur, wenn er noch einer des Kurses ist: sonst stünde die Stunde in einem Raum,
    // dessen Kursliste den Kurs nicht kennt.
    TRaum* raum = (fRaum && fKurs->fRaeume.ListeElemNr(fRaum) > 0) ? fRaum : nullptr;
    // Raumwechsel zeichnet das Protokoll nicht auf: hat inzwischen eine andere Stunde den Raum,
    // kommt die Stunde ohne Raum zurück, nie zwei Stunden in einen Raum.
    if (raum && raum->fBesetzung.GetWocheTagStd(fWoche, fTag, fStd)) raum = nullptr;
    // Hat inzwischen ein Schritt, den das Protokoll nicht aufzeichnet (automatische Planung,
    // Einsetzen, Import, ein Lehrer oder eine Klasse mehr im Kurs), den Lehrer oder eine Klasse
    // dort belegt, bleibt die Stunde offen: zurückgelegt wäre das Element doppelt belegt.
    if (!fSchonDoppelt && ElementDort(fKurs, fWoche, fTag, fStd)) return;
    if (TSetzung* s = fKurs->NeueSetzung(fWoche, fTag, fStd, raum)) s->fFixiert = fFix;
  } else {
    fKurs->LoescheSetzung(fWoche, fTag, fStd, false);
  }
}

TManuellProtokoll::TManuellProtokoll() {
  gProtokoll = this;
}

TManuellProtokoll::~TManuellProtokoll() {
  if (gProtokoll == this) gProtokoll = nullptr;
}

void TManuellProtokoll::Merke(TKurs* kurs, const TSetzung* setzung, TUndoArt art) {
  if (!kurs || !setzung) return;
  MerkeZelle(kurs, art, setzung->fWoche, setzung->fTag, setzung->fStunde, setzung->fRaum,
             setzung->fFixiert);
}

void TManuellProtokoll::MerkeZelle(TKurs* kurs, TUndoArt art, int woche, int tag, int std,
                                   TRaum* raum, bool fixiert) {
  if (!kurs) return;
  auto e = std::make_unique<TUndoElement>();
  e->fArt = art;
  e->fWoche = woche;
  e->fTag = tag;
  e->fStd = std;
  e->fRaum = raum;
  e->fFix = fixiert;
  e->fKurs = kurs;
  e->fSchonDoppelt = art == TUndoArt::weg && ElementDort(kurs, woche, tag, std);
  fUndoListe.ListeAnhaengen(std::move(e));
  if (art == TUndoArt::weg) KursAufnehmen(kurs);
  BefehleFreigeben(true);
}

void TManuellProtokoll::KursAufnehmen(TKurs* kurs) {
  if (kurs && fKurse.ListeElemNr(kurs) == 0) fKurse.ListeAnhaengen(kurs);
}

void TManuellProtokoll::SetzeAktuellenKurs(TKurs* kurs) {
  fKurs = kurs;
}

void TManuellProtokoll::SchritteVergessen(const TKurs* kurs) {
  if (!kurs) return;
  for (TUndoElement* e : fUndoListe.Kopie())
    if (e->fKurs == kurs) fUndoListe.ListeElemEntfernen(e);
}

void TManuellProtokoll::KursVergessen(TKurs* kurs) {
  if (!kurs) return;
  SchritteVergessen(kurs);
  const int nr = fKurse.ListeElemNr(kurs);
  if (nr == 0) {
    if (fKurs == kurs) SetzeAktuellenKurs(nullptr);
    return;
  }
  fKurse.ListeElemEntfernen(kurs);
  if (fKurs == kurs) {
    // Der nächste der Liste (er rückt an die Stelle des gelöschten), am Ende wieder der erste.
    TKurs* naechster = fKurse.ListeNrInhalt(nr);
    if (!naechster) naechster = fKurse.ListeNrInhalt(1);
    SetzeAktuellenKurs(naechster);
  }
}

void TManuellProtokoll::RaumVergessen(const TRaum* raum) {
  for (TUndoElement* e : fUndoListe)
    if (e->fRaum == raum) e->fRaum = nullptr;
}

void TManuellProtokoll::Widerrufen() {
  {
    TBeschaeftigt sanduhr;
    // Eine Kopie: das Zurücknehmen darf die Liste nicht unter der Hand ändern.
    const std::vector<TUndoElement*> schritte = fUndoListe.Kopie();
    for (auto it = schritte.rbegin(); it != schritte.rend(); ++it)
      if (KursLebt((*it)->fKurs)) (*it)->UndoIt();
    fUndoListe.ListeLeeren();
  }
  BefehleFreigeben(false);
  TKurs* erster = nullptr;
  for (TKurs* k : fKurse)
    if (KursLebt(k)) {
      erster = k;
      break;
    }
  SetzeAktuellenKurs(erster);
}

void TManuellProtokoll::Loeschen() {
  fUndoListe.ListeLeeren();
  BefehleFreigeben(false);
}

TManuellProtokoll* ManuellProtokoll() {
  return gProtokoll;
}

bool Merken() {
  return gProtokoll && gProtokoll->fMerken;
}

void Widerrufen() {
  if (!gProtokoll) {
    Dialog().Meldung("Information", {"Noch nicht implementiert!"}, TMeldungsArt::Information);
    return;
  }
  gProtokoll->Widerrufen();
}

void ProtokollLoeschen() {
  if (gProtokoll)
    gProtokoll->Loeschen();
  else
    BefehleFreigeben(false);
}
