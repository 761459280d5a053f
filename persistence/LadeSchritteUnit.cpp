#include "persistence/LadeSchritteUnit.h"

#include <cmath>
#include <map>
#include <utility>
#include <unordered_map>

#include "model/DatumUnit.h"
#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"

void VertretungenVerknuepfen(TSchule& schule) {
  std::unordered_map<std::int32_t, TVertretung*> nachNr;
  for (TVertretung* v : schule.fVertretungsMenge)
    if (v->fNr > 0) nachNr.emplace(v->fNr, v);  // die erste mit der Nummer gewinnt
  auto finde = [&nachNr](std::int32_t nr) -> TVertretung* {
    if (nr <= 0) return nullptr;
    auto it = nachNr.find(nr);
    return it == nachNr.end() ? nullptr : it->second;
  };
  for (TVertretung* v : schule.fVertretungsMenge) {
    v->fVon = finde(v->fVonNr);
    v->fZu = finde(v->fZuNr);
  }
  for (TVertretung* v : schule.fVertretungsMenge)
    if (v->fZu && (v->fZu == v || v->fZu->fVon != v)) v->fZu = nullptr;
  for (TVertretung* v : schule.fVertretungsMenge)
    if (v->fVon && v->fVon->fZu != v) v->fVon = nullptr;
}

namespace {
int MonatsNummer(const TDatum& d) {
  return d.Jahr * 12 + d.Monat - 1;
}
}  // namespace

bool Verfallen(TDateTime datum) {
  // Die Monatskonten des vorigen, laufenden und nächsten Monats werden beim Öffnen aus den
  // Vertretungen und Abwesenheiten berechnet: von einem Monat verfällt darum nichts, ehe er ganz
  // vor dem vorigen Monat und ganz vor der Aufbewahrungsfrist liegt, sonst verlöre sein Konto
  // einen Teil dessen, was in ihm gebucht wurde.
  const TDatum heute = ZahlZuDatum(Heute());
  const TDatum tag = ZahlZuDatum(datum);
  if (MonatsNummer(tag) >= MonatsNummer(heute) - 1) return false;
  const TDateTime monatsEnde = DatumZuZahl(tag.Jahr, tag.Monat, TageImMonat(tag.Jahr, tag.Monat));
  return Heute() + 0.5 - (monatsEnde + 0.5) > Standard().fVertrMerke;
}

void AlteVertretungenEntfernen(TSchule& schule) {
  // Das Löschen einer Vertretung kann ihre Partnerin mitnehmen: nur Lebende anfassen.
  // Verworfen wird ohne Buchung: die Konten stehen schon in der Datei (und die Abwesenheiten,
  // nach denen gebucht würde, sind noch nicht gelesen).
  for (TVertretung* v : schule.fVertretungsMenge.Kopie())
    if (schule.fVertretungsMenge.ListeElemEnthalten(v) && Verfallen(v->fDatum)) {
      for (TVertretung* p = v; p; p = p->fZu && p->fZu->fVon == p && p->fZu != v ? p->fZu : nullptr)
        p->fAngerechnet = false;
      schule.VertretungLoeschen(v);
    }
}

void FehlzeitenBereinigen(TSchule& schule) {
  for (TEigenListe<TFehl>* menge :
       {&schule.fFehlLehrerMenge, &schule.fFehlKlassenMenge, &schule.fFehlRaumMenge}) {
    // Ein Element hat höchstens eine Abwesenheit je Tag: eine zweite geht in der ersten auf.
    std::map<std::pair<const TElement*, TDateTime>, TFehl*> erste;
    for (TFehl* f : menge->Kopie()) {
      if (!f->fElement || (f->fZeit & 0xFFFF) == 0 || Verfallen(f->fDatum)) {
        menge->ListeElemEntfernen(f);
        continue;
      }
      const auto [it, neu] = erste.try_emplace({f->fElement, std::floor(f->fDatum)}, f);
      if (neu) continue;
      it->second->fZeit |= f->fZeit;
      it->second->fHilfe = it->second->fZeit;
      menge->ListeElemEntfernen(f);
    }
  }
}

void MonatskontenBerechnen(TSchule& schule) {
  // Voriger, laufender und nächster Monat von heute.
  const TDatum heute = ZahlZuDatum(Heute());
  for (int schritt = -1; schritt <= 1; ++schritt) {
    int jahr = heute.Jahr, monat = heute.Monat + schritt;
    if (monat < 1) {
      monat = 12;
      --jahr;
    } else if (monat > 12) {
      monat = 1;
      ++jahr;
    }
    const TDateTime von = DatumZuZahl(jahr, monat, 1);
    const TDateTime bis = DatumZuZahl(jahr, monat, TageImMonat(jahr, monat));
    TLehrer::MonatsStundenAllerLehrer(schule, von, bis);
  }
}
