// Die Haken der abwesenden Elemente: das Änderungsprotokoll der Abwesenheiten meldet jede
// geänderte Stunde an den Lehrer, die Klasse oder den Raum, und diese legen Vertretungen an,
// machen sie ungültig oder entfernen sie.
#include <vector>

#include "model/DatumUnit.h"
#include "model/SchulUnit.h"
#include "substitution/KalenderUnit.h"
#include "substitution/VertretungsPlanungUnit.h"

namespace {
bool Gelistet(const TVertretung* v) {
  return Schule().fVertretungsMenge.ListeElemEnthalten(v);
}

// Der Lehrer gehört zur Ordnung der Vertretungsliste: nach einer Änderung rückt die Vertretung an
// ihren Platz.
void Einordnen(TVertretung* v) {
  TEigenListe<TVertretung>& liste = Schule().fVertretungsMenge;
  if (liste.ListeElemEnthalten(v))
    liste.ListeEinfuegen(liste.ListeHerausnehmen(), VertretungsOrdnung);
}

// Die Vertretungen der Schule am Tag in der Stunde, die der Test auswählt (eine Momentaufnahme).
template <class Test>
std::vector<TVertretung*> Sammeln(TDateTime datum, int std, Test test) {
  std::vector<TVertretung*> v;
  for (TVertretung* r : Schule().fVertretungsMenge)
    if (r->fKurs && r->fSetzung && r->Stunde() == std && GleicherTag(r->fDatum, datum) && test(r))
      v.push_back(r);
  return v;
}

// Die Setzungen der Kurse des Elements in der Zelle des Tages (bei Räumen nur in diesem Raum).
std::vector<std::pair<TKurs*, TSetzung*>> Stunden(const TPlanElement* e, TDateTime datum, int std,
                                                  bool nurImRaum) {
  std::vector<std::pair<TKurs*, TSetzung*>> v;
  const int woche = PlanversionAm(datum), tag = WochenTag(datum);
  if (woche < 1) return v;
  for (TKurs* k : e->KurseFinden(woche, tag, std, nurImRaum ? e : nullptr)) {
    TSetzung* s = k->SetzungFinden(woche, tag, std);
    if (s && (!nurImRaum || static_cast<const TPlanElement*>(s->fRaum) == e)) v.emplace_back(k, s);
  }
  return v;
}
}  // namespace

// --- Lehrer ----------------------------------------------------------------------------------

void TLehrer::FehltNichtMehrIn(TDateTime datum, int std) {
  TSchule& schule = Schule();
  // Seine eigenen Stunden, vertreten oder nicht. Das Löschen bucht den Vertreter aus.
  const std::vector<TVertretung*> eigene = Sammeln(datum, std, [this](const TVertretung* r) {
    return r->fKurs->fLehrer == this && r->fLehrer != this;
  });
  std::vector<TVertretung*> weg;
  for (TVertretung* r : eigene) {
    if (!Gelistet(r)) continue;
    TRaum* raum = r->fSetzung->fRaum;
    if (raum && raum->Abwesend(datum, std)) {
      // Sein Raum fehlt noch: die Vertretung bleibt als Raumwechsel.
      VertreterAusbuchen(r);
      if (TVertretung* zu = r->fZu) {
        r->fZu = nullptr;
        if (zu->fVon == r) schule.VertretungLoeschen(zu);
      }
      r->fLehrer = this;
      r->fAngerechnet = false;
      r->fFrei = false;
      if (r->fRaum == raum) r->fRaum = nullptr;
      r->FuelleBemerkung();
      Einordnen(r);
      continue;
    }
    weg.push_back(r);
  }
  for (TVertretung* r : weg)
    if (Gelistet(r)) schule.VertretungLoeschen(r);
  // Ist er wieder da (und nicht nur vor einem neuen Fehlen hier), fällt ihm jede eigene Stunde
  // aus, deren Klassen alle fehlen.
  if (!Abwesend(datum, std) && Schultag(datum))
    for (auto [kurs, setzung] : Stunden(this, datum, std, false))
      if (kurs->fLehrer == this && kurs->AlleKlassenAbwesend(datum, std, nullptr))
        Lastschrift(this, kurs->fFaktor, datum);
  // Stunden anderer, die er in dieser Stunde vertritt.
  const std::vector<TVertretung*> vertreten = Sammeln(datum, std, [this](const TVertretung* r) {
    return r->fLehrer == this && r->fKurs->fLehrer != this;
  });
  for (TVertretung* r : vertreten) {
    if (!Gelistet(r)) continue;
    VertreterAusbuchen(r);
    if (TVertretung* zu = r->fZu) {
      r->fZu = nullptr;
      if (zu->fVon == r) schule.VertretungLoeschen(zu);
    }
    r->fLehrer = nullptr;
    r->FuelleBemerkung();
    Einordnen(r);
  }
  VertretungsFensterAuffrischen();
  schule.SetDirty(true);
}

void TLehrer::FehltNeuIn(TDateTime datum, int std) {
  FehltNichtMehrIn(datum, std);
  if (!Schultag(datum)) return;
  for (auto [kurs, setzung] : Stunden(this, datum, std, false)) {
    TVertretung* r = setzung->VertretungFinden(datum);
    if (r) {
      if (r->fLehrer) {
        r->fLehrer = nullptr;
        Einordnen(r);
      }
    } else {
      auto neu = NeueVertretung(kurs, setzung, datum);
      neu->fAngerechnet = !kurs->fNichtZaehlenLe;
      r = VertretungEinordnen(std::move(neu));
    }
    r->fGueltig = !kurs->AlleKlassenAbwesend(datum, std, nullptr);
    // Die Lastschrift beim Fehlen der Klassen wird zurückgenommen: wer fehlt, verliert nichts.
    if (!r->fGueltig && kurs->fLehrer == this) Gutschrift(this, kurs->fFaktor, datum);
    TagNeuAufbauen(datum);
  }
  VertretungsFensterAuffrischen();
}

// --- Klassen ---------------------------------------------------------------------------------

void TKlasse::FehltNeuIn(TDateTime datum, int std) {
  if (!Schultag(datum)) return;
  for (auto [kurs, setzung] : Stunden(this, datum, std, false)) {
    if (!kurs->AlleKlassenAbwesend(datum, std, this)) continue;
    if (kurs->fLehrer && !kurs->fLehrer->Abwesend(datum, std))
      Lastschrift(kurs->fLehrer, kurs->fFaktor, datum);
    for (TVertretung* r : setzung->fVertretungen.Kopie())
      if (GleicherTag(r->fDatum, datum) && Gelistet(r)) r->MacheUngueltig();
  }
  VertretungsFensterAuffrischen();
  Schule().SetDirty(true);
}

void TKlasse::FehltNichtMehrIn(TDateTime datum, int std) {
  if (!Schultag(datum)) return;
  for (const auto& stunde : Stunden(this, datum, std, false)) {
    // Benannt statt strukturiert gebunden: das Lambda unten fängt setzung (clang 14 erlaubt das
    // Fangen einer strukturierten Bindung nicht).
    TKurs* kurs = stunde.first;
    TSetzung* setzung = stunde.second;
    // Bis eben fehlten alle Klassen des Kurses.
    if (!kurs->AlleKlassenAbwesend(datum, std, this)) continue;
    if (kurs->fLehrer && !kurs->fLehrer->Abwesend(datum, std))
      Gutschrift(kurs->fLehrer, kurs->fFaktor, datum);
    // Der Raum wird wieder gebraucht: wer ihn geliehen hat, verliert ihn. Die eigene Stunde
    // behält ihn.
    if (TRaum* raum = setzung->fRaum)
      for (TVertretung* r : Sammeln(datum, std, [raum, setzung](const TVertretung* v) {
             return v->fRaum == raum && v->fSetzung != setzung;
           })) {
        r->fRaum = nullptr;
        if (!r->KlassenFehlen()) r->MacheGueltig();
      }
    for (TVertretung* r : setzung->fVertretungen.Kopie())
      if (GleicherTag(r->fDatum, datum)) r->MacheGueltig();
  }
  VertretungsFensterAuffrischen();
  Schule().SetDirty(true);
}

// --- Räume -----------------------------------------------------------------------------------

void TRaum::FehltNichtMehrIn(TDateTime datum, int std) {
  TSchule& schule = Schule();
  // Raumwechsel, die seine Abwesenheit nötig machte.
  for (TVertretung* r : Sammeln(datum, std, [this](const TVertretung* v) {
         return v->fSetzung->fRaum == this && v->fRaum != this && v->fLehrer == v->fKurs->fLehrer;
       }))
    if (Gelistet(r)) schule.VertretungLoeschen(r);
  for (TVertretung* r :
       Sammeln(datum, std, [this](const TVertretung* v) { return v->fRaum == this; }))
    r->fRaum = nullptr;
  // Lehrervertretungen seiner Stunden bekommen ihn zurück.
  for (TVertretung* r : Sammeln(datum, std, [this](const TVertretung* v) {
         return v->fSetzung->fRaum == this && !v->fRaum && v->fLehrer != v->fKurs->fLehrer &&
                !v->fFrei;
       }))
    r->fRaum = this;
  VertretungsFensterAuffrischen();
  schule.SetDirty(true);
}

void TRaum::FehltNeuIn(TDateTime datum, int std) {
  FehltNichtMehrIn(datum, std);
  if (!Schultag(datum)) return;
  for (auto [kurs, setzung] : Stunden(this, datum, std, true)) {
    if (TVertretung* r = setzung->VertretungFinden(datum)) {
      r->fRaum = nullptr;
      continue;
    }
    auto neu = NeueVertretung(kurs, setzung, datum);
    neu->fLehrer = kurs->fLehrer;
    neu->fRaum = nullptr;
    VertretungEinordnen(std::move(neu));
    TagNeuAufbauen(datum);
  }
  VertretungsFensterAuffrischen();
}
