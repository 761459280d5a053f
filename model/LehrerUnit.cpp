#include "model/LehrerUnit.h"

#include <cmath>
#include <map>
#include <set>
#include <unordered_map>
#include <vector>

#include "model/DatumUnit.h"
#include "model/FachUnit.h"
#include "model/KlassenUnit.h"
#include "model/KursUnit.h"
#include "model/RaumUnit.h"
#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"
#include "substitution/VertretungsPlanungUnit.h"

TLehrer::TLehrer() {
  fSoll.SetWochenStunde(0, Standard().fLeSoll);
}

std::int32_t TLehrer::FachSumme(const TFach* fach) const {
  std::int32_t summe = 0;
  for (const TKurs* k : fKurse)
    if (k->fFach == fach) summe += k->fStunden.GetWochenStunde(-1);
  return summe;
}

void TLehrer::NeuesFach(TFach* fach) {
  if (!fach) return;
  if (NachReiheEinfuegen(fFaecher, fach)) {
    if (fGrDatFenster) fGrDatFenster->FensterUpdate();
    fach->NeuerLehrer(this);
  }
  SchuleGeaendert();
}

bool TLehrer::FachEntfernen(TFach* fach) {
  TStandard& s = Standard();
  const bool eineWoche = s.fEineWoche;
  s.fEineWoche = false;
  bool erfolg = false;
  if (FachSumme(fach) > 0) {
    Dialog().Meldung("Fehler", {"Erst müssen die zugehörigen Kurse gelöscht werden!"},
                     TMeldungsArt::Fehler);
  } else {
    fFaecher.ListeElemEntfernen(fach);
    if (fGrDatFenster) fGrDatFenster->FensterUpdate();
    if (fach) fach->LehrerEntfernen(this);
    erfolg = true;
  }
  s.fEineWoche = eineWoche;
  SchuleGeaendert();
  return erfolg;
}

void TLehrer::NeuerRaum(TRaum* raum) {
  for (TKurs* k : fKurse.Kopie()) {
    if (fRaum) {
      if (!k->fRaeume.ListeElemEnthalten(fRaum)) continue;
      if (!k->VerplantImRaum(fRaum)) k->RaumEntfernen(fRaum);
    }
    if (raum && !k->fRaeume.ListeElemEnthalten(raum)) k->RaumErgaenzen(raum, false);
  }
}

bool TLehrer::HatUnterrichtInKlasse(const TKlasse* klasse) const {
  for (const TKurs* k : fKurse)
    if (k->fKlassen.ListeZahlElemente() == 1 && k->fKlassen[0] == klasse) return true;
  return false;
}

bool TLehrer::HatUnterrichtAmRand(const TKlasse* klasse) const {
  for (const TKurs* k : fKurse) {
    if (k->fKopplung || k->fKlassen.ListeZahlElemente() != 1 || k->fKlassen[0] != klasse) continue;
    for (const TSetzung* s : k->fSetzungen)
      if (s->AmRand(klasse)) return true;
  }
  return false;
}

bool TLehrer::VertrittSchon(TDateTime datum, int std) const {
  for (const TVertretung* v : Schule().fVertretungsMenge)
    if (v->fGueltig && v->fLehrer == this && v->fKurs && v->fKurs->fLehrer != this && v->fSetzung &&
        v->fSetzung->fStunde == std && GleicherTag(v->fDatum, datum))
      return true;
  return false;
}

bool TLehrer::WurdeFrei(TDateTime datum, int std) const {
  const TKurs* kurs = FindeKurs(Schule().WocheVonDatum(datum), WochenTag(datum), std);
  return kurs && AlleKlassenAbwesend(kurs, datum, std);
}

namespace {
std::string MonatsSchluessel(int jahr, int monat) {
  return std::to_string(jahr * 100 + monat);
}
}  // namespace

namespace {
// Die Tage von..bis (ganze Tage), an denen Klassen fehlen, mit den Kursen je Lehrer, deren
// Klassen an dem Tag alle (in irgendeiner Stunde) fehlen: nur in ihnen kann eine Stunde ausfallen.
using TFehlTage =
    std::map<TDateTime, std::unordered_map<const TLehrer*, std::vector<const TKurs*>>>;

TFehlTage KlassenFehlTage(const TSchule& schule, TDateTime erster, TDateTime letzter) {
  std::map<TDateTime, std::set<const TElement*>> klassen;
  for (const TFehl* f : schule.fFehlKlassenMenge) {
    const TDateTime tag = std::floor(f->fDatum);
    if (f->fElement && tag >= erster && tag <= letzter) klassen[tag].insert(f->fElement);
  }
  // Jeder Kurs einmal: über seine erste Klasse (fehlen alle, dann auch sie).
  TFehlTage tage;
  for (const auto& [tag, fehlend] : klassen) {
    auto& kurse = tage[tag];
    for (const TElement* klasse : fehlend)
      for (const TKurs* kurs : klasse->fKurse) {
        if (!kurs->fLehrer || kurs->fKlassen.empty() || *kurs->fKlassen.begin() != klasse) continue;
        bool alleFehlen = true;
        for (const TKlasse* k : kurs->fKlassen) alleFehlen = alleFehlen && fehlend.count(k) > 0;
        if (alleFehlen) kurse[kurs->fLehrer].push_back(kurs);
      }
  }
  return tage;
}

// Die Vertretungskonten der Tage von..bis: des einen Lehrers nur, ohne ihn aller Lehrer.
std::unordered_map<const TLehrer*, std::int32_t> KontenImZeitraum(const TSchule& schule,
                                                                  TDateTime von, TDateTime bis,
                                                                  const TLehrer* nur) {
  const TDateTime erster = std::floor(von), letzter = std::floor(bis);
  std::unordered_map<const TLehrer*, std::int32_t> konten;
  // Was einer vertreten hat: gültig, angerechnet, für den Kurs eines anderen.
  for (const TVertretung* v : schule.fVertretungsMenge) {
    const TDateTime tag = std::floor(v->fDatum);
    if (tag < erster || tag > letzter || !v->fKurs || !v->fLehrer) continue;
    if ((!nur || v->fLehrer == nur) && v->fKurs->fLehrer != v->fLehrer && v->fGueltig &&
        v->fAngerechnet)
      konten[v->fLehrer] += v->fKurs->fFaktor;
  }
  // Was einem ausfiel: jede eigene Stunde eines Schultags, deren Klassen alle fehlen, während er
  // da ist (so bucht es das Fehlen der Klassen, für jeden seiner Kurse in der Zelle).
  for (const auto& [tag, kurse] : KlassenFehlTage(schule, erster, letzter)) {
    if (kurse.empty() || (nur && !kurse.count(nur)) || !Schultag(tag + 0.5)) continue;
    const int woche = schule.WocheVonDatum(tag);
    const int wochenTag = WochenTag(tag);
    for (const auto& [lehrer, eigene] : kurse) {
      if (nur && lehrer != nur) continue;
      for (const TKurs* kurs : eigene)
        for (const TSetzung* s : kurs->fSetzungen)
          if (s->fWoche == woche && s->fTag == wochenTag &&
              AlleKlassenAbwesend(kurs, tag, s->fStunde) && !lehrer->Abwesend(tag, s->fStunde))
            konten[lehrer] -= kurs->fFaktor;
    }
  }
  return konten;
}
}  // namespace

std::int32_t TLehrer::erzeugeMonatsStunden(TDateTime von, TDateTime bis) {
  const auto konten = KontenImZeitraum(Schule(), von, bis, this);
  const auto it = konten.find(this);
  const std::int32_t konto = it == konten.end() ? 0 : it->second;
  const TDatum a = ZahlZuDatum(von), b = ZahlZuDatum(bis);
  fDict[MonatsSchluessel(a.Jahr, b.Monat)] = std::to_string(konto);
  return konto;
}

void TLehrer::MonatsStundenAllerLehrer(TSchule& schule, TDateTime von, TDateTime bis) {
  const auto konten = KontenImZeitraum(schule, von, bis, nullptr);
  const std::string schluessel = MonatsSchluessel(ZahlZuDatum(von).Jahr, ZahlZuDatum(bis).Monat);
  for (TLehrer* l : schule.fLehrerMenge) {
    const auto it = konten.find(l);
    l->fDict[schluessel] = std::to_string(it == konten.end() ? 0 : it->second);
  }
}

std::int32_t TLehrer::MonatsStunden(int jahr, int monat) {
  const auto it = fDict.find(MonatsSchluessel(jahr, monat));
  if (it != fDict.end())
    if (const auto wert = TextZuZahl(it->second)) return static_cast<std::int32_t>(*wert);
  return erzeugeMonatsStunden(DatumZuZahl(jahr, monat, 1),
                              DatumZuZahl(jahr, monat, TageImMonat(jahr, monat)));
}

void TLehrer::VStunden3Waehlen(int jahr, int monat) {
  fVStunden3 = MonatsStunden(jahr, monat);
  fVStunden3Monat = jahr * 100 + monat;
}

void TLehrer::aendereVStunden3(TDateTime datum, std::int32_t wert) {
  const TDatum d = ZahlZuDatum(datum);
  const auto it = fDict.find(MonatsSchluessel(d.Jahr, d.Monat));
  if (it != fDict.end()) {
    const auto alt = TextZuZahl(it->second);
    it->second = std::to_string(alt.value_or(0) + wert);
  }
  if (fVStunden3Monat == d.Jahr * 100 + d.Monat) fVStunden3 += wert;
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
