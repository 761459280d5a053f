#include "substitution/VertretungsPlanungUnit.h"

#include <cmath>
#include <set>

#include "model/DatumUnit.h"
#include "model/SchulUnit.h"
#include "planning/SetzungUnit.h"
#include "settings/StandardUnit.h"
#include "substitution/KalenderUnit.h"

void Gutschrift(TLehrer* lehrer, std::int32_t wert, TDateTime datum) {
  if (!lehrer || wert == 0) return;
  lehrer->fVStunden1 += wert;
  lehrer->fVStunden2 += wert;
  lehrer->aendereVStunden3(datum, wert);
  TSchule& s = Schule();
  s.SetDirty(true);
  if (s.fVWahlForm) s.fVWahlForm->FensterRefresh();
}

void Lastschrift(TLehrer* lehrer, std::int32_t wert, TDateTime datum) {
  Gutschrift(lehrer, -wert, datum);
}

void VertreterAusbuchen(const TVertretung* v) {
  if (!v || !v->fKurs || !v->fLehrer || v->fLehrer == v->fKurs->fLehrer) return;
  if (v->fGueltig && v->fAngerechnet) Lastschrift(v->fLehrer, v->fKurs->fFaktor, v->fDatum);
}

namespace {
// Bucht dem Lehrer des Kurses wert an jedem Schultag der Zelle gut, an dem alle Klassen des
// Kurses fehlen, während er da ist.
void AusfallUmbuchen(const TKurs* kurs, int woche, int tag, int std, std::int32_t wert) {
  if (!kurs || !kurs->fLehrer || kurs->fKlassen.empty() || wert == 0) return;
  // Nur an Tagen, an denen die erste Klasse fehlt, können alle fehlen.
  std::set<long long> tage;
  for (const TFehl* f : Schule().fFehlKlassenMenge)
    if (f->fElement == kurs->fKlassen[0] && f->FehltAn(woche, tag, std))
      tage.insert(static_cast<long long>(std::floor(f->fDatum)));
  for (long long t : tage) {
    const TDateTime d = t + 0.5;
    if (!Schultag(d) || !kurs->AlleKlassenAbwesend(d, std, nullptr)) continue;
    if (kurs->fLehrer->Abwesend(d, std)) continue;
    Gutschrift(kurs->fLehrer, wert, d);
  }
}
}  // namespace

void AusfallBuchen(const TKurs* kurs, int woche, int tag, int std, bool hinzu) {
  if (!kurs) return;
  AusfallUmbuchen(kurs, woche, tag, std, hinzu ? -kurs->fFaktor : kurs->fFaktor);
}

void KursFaktorSetzen(TKurs* kurs, std::int32_t faktor) {
  if (!kurs || faktor == kurs->fFaktor) return;
  const std::int32_t unterschied = faktor - kurs->fFaktor;
  kurs->fFaktor = faktor;
  if (!SchuleVorhanden()) return;
  for (const TVertretung* v : Schule().fVertretungsMenge)
    if (v->fKurs == kurs && v->fLehrer && v->fLehrer != kurs->fLehrer && v->fGueltig &&
        v->fAngerechnet)
      Gutschrift(v->fLehrer, unterschied, v->fDatum);
  for (const TSetzung* s : kurs->fSetzungen)
    AusfallUmbuchen(kurs, s->fWoche, s->fTag, s->fStunde, -unterschied);
}

namespace {
// Elemente nach fReihe; keines vor allen.
int Reihe(const TElement* a, const TElement* b) {
  if (a == b) return 0;
  if (!a) return -1;
  if (!b) return 1;
  return a->fReihe < b->fReihe ? -1 : a->fReihe > b->fReihe ? 1 : 0;
}

int Zahl(long long a, long long b) {
  return a < b ? -1 : a > b ? 1 : 0;
}

bool LehrerVertretung(const TVertretung* v) {
  return v->fLehrer != (v->fKurs ? v->fKurs->fLehrer : nullptr);
}

const TLehrer* KursLehrer(const TVertretung* v) {
  return v->fKurs ? v->fKurs->fLehrer : nullptr;
}
const TFach* KursFach(const TVertretung* v) {
  return v->fKurs ? v->fKurs->fFach : nullptr;
}
const TKlasse* ErsteKlasse(const TVertretung* v) {
  return v->fKurs && !v->fKurs->fKlassen.empty() ? v->fKurs->fKlassen[0] : nullptr;
}
int Stunde(const TVertretung* v) {
  return v->fSetzung ? v->fSetzung->fStunde : 0;
}

// Lehrervertretungen vor den übrigen.
int LehrerZuerst(const TVertretung* a, const TVertretung* b) {
  const bool la = LehrerVertretung(a), lb = LehrerVertretung(b);
  if (la == lb) return 0;
  return la ? -1 : 1;
}
}  // namespace

int VertretungsVergleich(int sortArt, const TVertretung* a, const TVertretung* b) {
  if (int c = Zahl(static_cast<long long>(std::floor(a->fDatum)),
                   static_cast<long long>(std::floor(b->fDatum))))
    return c;
  int c = 0;
  switch (sortArt) {
    case 0:
      if ((c = LehrerZuerst(a, b))) return c;
      if ((c = Reihe(ErsteKlasse(a), ErsteKlasse(b)))) return c;
      if ((c = Zahl(Stunde(a), Stunde(b)))) return c;
      if (KursLehrer(a) == KursLehrer(b)) return Reihe(KursFach(a), KursFach(b));
      return Reihe(KursLehrer(a), KursLehrer(b));
    case 1:
      if ((c = LehrerZuerst(a, b))) return c;
      if (KursLehrer(a) && KursLehrer(a) == KursLehrer(b)) {
        if ((c = Zahl(Stunde(a), Stunde(b)))) return c;
        return Reihe(KursFach(a), KursFach(b));
      }
      return Reihe(KursLehrer(a), KursLehrer(b));
    case 2:
      if (a->fLehrer == b->fLehrer) {
        // Ohne Vertreter: ausfallende Stunden hinter die übrigen; zwei gleiche sind gleich.
        if (!a->fLehrer) return Zahl(a->fFrei ? 1 : 0, b->fFrei ? 1 : 0);
        if ((c = Zahl(Stunde(a), Stunde(b)))) return c;
        return Reihe(KursFach(a), KursFach(b));
      }
      return Reihe(a->fLehrer, b->fLehrer);
    default:
      if ((c = LehrerZuerst(a, b))) return c;
      if ((c = Zahl(Stunde(a), Stunde(b)))) return c;
      if ((c = Reihe(KursLehrer(a), KursLehrer(b)))) return c;
      return Reihe(KursFach(a), KursFach(b));
  }
}

int VertretungsOrdnung(const TVertretung* a, const TVertretung* b) {
  return VertretungsVergleich(Standard().fVertrSortArt, a, b);
}

TVertretung* VertretungEinordnen(std::unique_ptr<TVertretung> v) {
  return Schule().VertretungAufnehmen(std::move(v), VertretungsOrdnung);
}

void VertretungenSortieren(TSchule& schule) {
  TEigenListe<TVertretung>& menge = schule.fVertretungsMenge;
  std::vector<std::unique_ptr<TVertretung>> alle;
  menge.ListeAnfang();
  while (!menge.empty()) {
    menge.ListeAnfang();
    alle.push_back(menge.ListeHerausnehmen());
  }
  for (auto& v : alle) menge.ListeEinfuegen(std::move(v), VertretungsOrdnung);
}

std::unique_ptr<TVertretung> NeueVertretung(TKurs* kurs, TSetzung* setzung, TDateTime datum) {
  auto v = std::make_unique<TVertretung>();
  v->fDatum = std::floor(datum) + 0.5;
  v->fKurs = kurs;
  v->fSetzung = setzung;
  v->fFach = kurs ? kurs->fFach : nullptr;
  v->fRaum = setzung ? setzung->fRaum : nullptr;
  v->fGueltig =
      !(kurs && setzung && kurs->AlleKlassenAbwesend(v->fDatum, setzung->fStunde, nullptr));
  return v;
}

bool Schultag(TDateTime datum) {
  const TStandard& s = Standard();
  return KalenderIndex(datum) >= 0 && !s.FerienTag(datum) && !s.WochenEnde(datum);
}

void TagNeuAufbauen(TDateTime datum) {
  Schule().FensterMelden(TModellAenderung::TagGeaendert(std::floor(datum) + 0.5));
}

void VertretungsFensterAuffrischen() {
  TSchule& s = Schule();
  if (s.fVertrForm) s.fVertrForm->FensterRefresh();
  if (s.fVWahlForm) s.fVWahlForm->FensterRefresh();
}
