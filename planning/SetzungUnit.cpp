#include "planning/SetzungUnit.h"

#include <cmath>
#include <string>

#include "model/DatumUnit.h"
#include "model/KlassenUnit.h"
#include "model/KopplUnit.h"
#include "model/KursUnit.h"
#include "model/LehrerUnit.h"
#include "model/RaumUnit.h"
#include "model/SchulUnit.h"
#include "planning/UmsetzenUnit.h"
#include "planning/KonfliktUnit.h"
#include "planning/SetzungAnzeigeUnit.h"
#include "planning/UndoUnit.h"
#include "settings/StandardUnit.h"
#include "substitution/VertretungsPlanungUnit.h"

// --- TSetzung --------------------------------------------------------------------------------

bool TSetzung::AmRand(const TKlasse* klasse) const {
  if (fStunde <= 1 || fStunde >= 16) return true;
  if (!klasse) return false;
  const std::uint32_t tag = klasse->fBesetzung.GetWocheTag(fWoche, fTag) & 0xFFFFu;
  const std::uint32_t davor = (1u << (fStunde - 1)) - 1u;          // Stunden 1..fStunde-1
  const std::uint32_t danach = 0xFFFFu & ~((1u << fStunde) - 1u);  // fStunde+1..16
  return (tag & danach) == 0 || (tag & davor) == 0;
}

bool TSetzung::UngeeigneterTag(TDateTime datum) const {
  return WochenTag(datum) != fTag || Schule().WocheVonDatum(datum) != fWoche ||
         Standard().FerienTag(datum) || VertretungFinden(datum) != nullptr;
}

bool TSetzung::UngeeigneterStattTag(TDateTime datum) const {
  if (Standard().FerienTag(datum)) return true;
  for (const TVertretung* v : fVertretungen)
    if (GleicherTag(v->fDatum, datum) && v->fLehrer != (v->fKurs ? v->fKurs->fLehrer : nullptr))
      return true;
  return false;
}

TVertretung* TSetzung::VertretungFinden(TDateTime datum) const {
  for (TVertretung* v : fVertretungen)
    if (GleicherTag(v->fDatum, datum)) return v;
  return nullptr;
}

// --- Vertretungen für eine neue Stunde -------------------------------------------------------

namespace {
bool KlassenFehlen(const TVertretungsRegeln& regeln, const TKurs* kurs, TDateTime datum, int std) {
  if (regeln.AlleKlassenAbwesend) return regeln.AlleKlassenAbwesend(kurs, datum, std);
  return kurs->AlleKlassenAbwesend(datum, std, nullptr);
}

// Die Vertretung der Stunde für den Tag mit dem Lehrer, den sie nun hat: die vorhandene oder eine
// neue (im Raum der Stunde) in beiden Listen. Der Lehrer gehört zur Ordnung der Vertretungsliste:
// die neue wird mit ihm eingeordnet, eine vorhandene rückt mit dem neuen Lehrer an ihren Platz.
TVertretung* VertretungFuer(TKurs* kurs, TSetzung* setzung, TDateTime datum, TLehrer* lehrer,
                            const TVertretungsRegeln& regeln) {
  const auto vergleich = regeln.Vergleich ? regeln.Vergleich : VertretungsOrdnung;
  TSchule& schule = Schule();
  if (TVertretung* v = setzung->VertretungFinden(datum)) {
    if (v->fLehrer != lehrer) {
      v->fLehrer = lehrer;
      TEigenListe<TVertretung>& liste = schule.fVertretungsMenge;
      if (liste.ListeElemEnthalten(v)) liste.ListeEinfuegen(liste.ListeHerausnehmen(), vergleich);
      schule.SetDirty(true);
    }
    return v;
  }
  auto v = std::make_unique<TVertretung>();
  v->fDatum = std::floor(datum) + 0.5;
  v->fKurs = kurs;
  v->fSetzung = setzung;
  v->fFach = kurs->fFach;
  v->fLehrer = lehrer;
  v->fRaum = setzung->fRaum;
  v->fGueltig = !KlassenFehlen(regeln, kurs, datum, setzung->fStunde);
  return schule.VertretungAufnehmen(std::move(v), vergleich);
}
}  // namespace

// Trifft dieselbe Stunde mehrere Abwesenheiten an einem Tag, bleibt es eine Vertretung. Eine
// ungültige Stunde (alle Klassen fehlen) wurde dem abwesenden Lehrer nie abgebucht: er bekommt
// nichts gutgeschrieben. An Ferientagen und außerhalb der Schulwoche findet sie nicht statt.
void VertretungenAnlegen(TKurs* kurs, TSetzung* s, const TVertretungsRegeln& regeln) {
  TSchule& schule = Schule();
  std::vector<TDateTime> tage;
  if (kurs->fLehrer)
    for (const TFehl* f : schule.fFehlLehrerMenge.Kopie()) {
      if (f->fElement != kurs->fLehrer || !f->FehltAn(s->fWoche, s->fTag, s->fStunde)) continue;
      if (!Schultag(f->fDatum)) continue;
      TVertretung* v = VertretungFuer(kurs, s, f->fDatum, nullptr, regeln);
      tage.push_back(v->fDatum);
    }
  if (s->fRaum)
    for (const TFehl* f : schule.fFehlRaumMenge.Kopie()) {
      if (f->fElement != s->fRaum || !f->FehltAn(s->fWoche, s->fTag, s->fStunde)) continue;
      if (!Schultag(f->fDatum)) continue;
      // Fehlt nur der Raum, bleibt der Lehrer des Kurses; eine vorhandene behält ihren.
      const TVertretung* da = s->VertretungFinden(f->fDatum);
      TVertretung* v = VertretungFuer(kurs, s, f->fDatum, da ? da->fLehrer : kurs->fLehrer, regeln);
      v->fRaum = nullptr;
      tage.push_back(v->fDatum);
    }
  for (TDateTime d : tage) TagNeuAufbauen(d);
}

void VertretungenAbloesen(TKurs* kurs, TSetzung* setzung) {
  TSchule& schule = Schule();
  // Die Vertretungen der Stunde gehen (aus beiden Listen, mit der Gutschrift ihres Vertreters),
  // und kein angebotener Statt-Kandidat zeigt mehr auf sie.
  for (TVertretung* v : setzung->fVertretungen.Kopie()) schule.VertretungLoeschen(v);
  for (TVertretung* v : schule.fVertretungsMenge)
    for (TStatt* st : v->fStattListe.Kopie())
      if (st->fSetzung == setzung) v->fStattListe.ListeElemEntfernen(st);
  // Fehlen an einem Tag alle ihre Klassen, bekommt der Lehrer die abgebuchte Stunde zurück.
  AusfallBuchen(kurs, setzung->fWoche, setzung->fTag, setzung->fStunde, false);
}

void VertretungenAnbinden(TKurs* kurs, TSetzung* setzung) {
  VertretungenAnlegen(kurs, setzung);
  AusfallBuchen(kurs, setzung->fWoche, setzung->fTag, setzung->fStunde, true);
}

void VertretungenUmziehen(TKurs* kurs, TSetzung* setzung, int vonTag, int vonStd) {
  const int tag = setzung->fTag, std = setzung->fStunde;
  if (tag == vonTag && std == vonStd) return;
  // Die Vertretungen und Buchungen gehören zur alten Zelle: dort lösen, hier neu anbinden.
  setzung->fTag = vonTag;
  setzung->fStunde = vonStd;
  VertretungenAbloesen(kurs, setzung);
  setzung->fTag = tag;
  setzung->fStunde = std;
  VertretungenAnbinden(kurs, setzung);
}

namespace {
// Jede Stunde, die das Verschieben der Kurse von (altTag, altStd) nach (neuTag, neuStd) heraus-
// nähme, kann wieder gesetzt werden.
bool Verschiebbar(const std::vector<TKurs*>& kurse, int neuTag, int neuStd, int altTag,
                  int altStd) {
  const TWochenSpanne spanne = WochenArgument(-1);
  for (const TKurs* k : kurse)
    for (int w = spanne.von; w <= spanne.bis; ++w)
      if (k->SetzungFinden(w, altTag, altStd) && !k->SetzungFinden(w, neuTag, neuStd) &&
          !StundeUmsetzbar(*k, w))
        return false;
  return true;
}

// Verschiebt die Stunden eines Kurses Woche für Woche. Liegt der Kurs in einer Woche schon in
// der neuen Zelle, bleibt seine alte Stunde dieser Woche, wo sie ist (sonst ginge sie verloren).
// Ebenso, wenn sein Lehrer dort schon einen anderen Kurs gibt: der Passtest hat die Zelle frei
// gemacht, belegt haben kann ihn nur ein eben mitgezogener Kurs derselben Kopplung ("Lehrer
// doppelt in Kopplung"), und ein Lehrer gibt nur eine Stunde zugleich.
void Verschiebe(TKurs& kurs, int neuTag, int neuStd, int altTag, int altStd, bool eigenerRaum,
                TRaum* neuRaum) {
  if (neuTag == altTag && neuStd == altStd) return;
  const TWochenSpanne spanne = WochenArgument(-1);
  for (int w = spanne.von; w <= spanne.bis; ++w) {
    if (kurs.SetzungFinden(w, neuTag, neuStd)) continue;
    if (kurs.fLehrer && kurs.fLehrer->fBesetzung.GetWocheTagStd(w, neuTag, neuStd)) continue;
    TRaum* raum = eigenerRaum ? neuRaum : kurs.RaumFinden(w, altTag, altStd);
    if (TSetzung* alt = kurs.SetzungFinden(w, altTag, altStd)) kurs.SetzungEntfernen(alt);
    kurs.NeueSetzung(w, neuTag, neuStd, raum);
  }
}
}  // namespace

// --- Setzen und Entfernen --------------------------------------------------------------------

TSetzung* TKurs::NeueSetzung(int woche, int tag, int std, TRaum* raum) {
  const TWochenSpanne spanne = WochenArgument(woche);
  if (!spanne.Einzeln() || spanne.von > fBesetzung.WochenZahl()) return nullptr;
  if (tag < 1 || tag > MaxTage || std < 1 || std > MaxStunden) return nullptr;
  woche = spanne.von;
  if (fNichtVerplanen || RestStunden(woche) <= 0) return nullptr;
  // Nie zwei Setzungen eines Kurses in derselben Zelle.
  if (SetzungFinden(woche, tag, std)) return nullptr;
  auto neu = std::make_unique<TSetzung>();
  TSetzung* setzung = neu.get();
  setzung->fWoche = woche;
  setzung->fTag = tag;
  setzung->fStunde = std;
  setzung->fRaum = raum;
  fSetzungen.ListeAnhaengen(std::move(neu));
  fBesetzung.SetWocheTagStd(woche, tag, std, true);
  if (fLehrer) {
    fLehrer->fBesetzung.SetWocheTagStd(woche, tag, std, true);
    fLehrer->MerkeZeit();
  }
  for (TKlasse* k : fKlassen) {
    k->fBesetzung.SetWocheTagStd(woche, tag, std, true);
    k->MerkeZeit();
  }
  if (raum) {
    raum->fBesetzung.SetWocheTagStd(woche, tag, std, true);
    raum->MerkeZeit();
  }
  VertretungenAnbinden(this, setzung);
  if (Merken()) ManuellProtokoll()->Merke(this, setzung, TUndoArt::hin);
  ZeigeNeueSetzung(this, woche, tag, std, raum);
  PlanRefresh();
  FensterRefresh();
  SchuleGeaendert();
  return setzung;
}

void TKurs::SetzungEntfernen(TSetzung* setzung) {
  if (!setzung || fSetzungen.ListeElemNr(setzung) == 0) return;
  if (Merken()) ManuellProtokoll()->Merke(this, setzung, TUndoArt::weg);
  const int w = setzung->fWoche, t = setzung->fTag, h = setzung->fStunde;
  TRaum* raum = setzung->fRaum;
  // Die Vertretungen der Stunde gehen mit ihr (aus beiden Listen), und kein angebotener
  // Statt-Kandidat zeigt mehr auf sie.
  VertretungenAbloesen(this, setzung);
  fSetzungen.ListeElemEntfernen(setzung);
  fBesetzung.SetWocheTagStd(w, t, h, SetzungFinden(w, t, h) != nullptr);
  // Die Belegung bleibt, solange ein anderer Kurs dort liegt: mehrere Kurse einer Klasse teilen
  // sich eine Zelle, und auch ein Lehrer oder ein Raum kann doppelt belegt sein (ein Import, ein
  // "Trotzdem", geänderte Stammdaten).
  if (fLehrer) {
    fLehrer->fBesetzung.SetWocheTagStd(w, t, h, fLehrer->FindeKurs(w, t, h) != nullptr);
    fLehrer->MerkeZeit();
  }
  for (TKlasse* k : fKlassen) {
    k->fBesetzung.SetWocheTagStd(w, t, h, k->FindeKurs(w, t, h) != nullptr);
    k->MerkeZeit();
  }
  if (raum) {
    raum->fBesetzung.SetWocheTagStd(w, t, h, raum->FindeKurs(w, t, h) != nullptr);
    raum->MerkeZeit();
  }
  ZeigeEntfernteSetzung(this, w, t, h, raum);
  PlanRefresh();
  FensterRefresh();
  SchuleGeaendert();
}

void TKurs::LoescheSetzung(int woche, int tag, int std, bool mitKopplung) {
  if (mitKopplung && fKopplung) {
    for (TKurs* k : fKopplung->fKurse.Kopie()) k->LoescheSetzung(woche, tag, std, false);
    return;
  }
  const TWochenSpanne spanne = WochenArgument(woche);
  for (int w = spanne.von; w <= spanne.bis; ++w)
    if (TSetzung* s = SetzungFinden(w, tag, std)) SetzungEntfernen(s);
}

void TKurs::AlleSetzungenEntfernen() {
  while (!fSetzungen.empty()) SetzungEntfernen(fSetzungen[0]);
}

// --- Verschieben -----------------------------------------------------------------------------

void TKurs::Schiebe(int neuTag, int neuStd, int altTag, int altStd, bool mitKopplung) {
  if (mitKopplung && fKopplung) {
    const std::vector<TKurs*> kurse = GekoppeltInZelle(fKopplung, -1, altTag, altStd);
    // Erst prüfen, dann verschieben: eine abgelehnte Stunde lässt den Plan, wie er war.
    if (!Verschiebbar(kurse, neuTag, neuStd, altTag, altStd)) return Dialog().Piep();
    for (TKurs* k : kurse) k->Schiebe(neuTag, neuStd, altTag, altStd, false);
    return;
  }
  if (!Verschiebbar({this}, neuTag, neuStd, altTag, altStd)) return Dialog().Piep();
  Verschiebe(*this, neuTag, neuStd, altTag, altStd, false, nullptr);
}

void TKurs::SchiebeMitRaum(int neuTag, int neuStd, int altTag, int altStd, bool mitKopplung,
                           TRaum* neuRaum) {
  std::vector<TKurs*> andere;
  if (mitKopplung && fKopplung)
    for (TKurs* k : GekoppeltInZelle(fKopplung, -1, altTag, altStd))
      if (k != this) andere.push_back(k);
  std::vector<TKurs*> alle = andere;
  alle.push_back(this);
  if (!Verschiebbar(alle, neuTag, neuStd, altTag, altStd)) return Dialog().Piep();
  Verschiebe(*this, neuTag, neuStd, altTag, altStd, true, neuRaum);
  for (TKurs* k : andere) k->Schiebe(neuTag, neuStd, altTag, altStd, false);
}
