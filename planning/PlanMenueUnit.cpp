// Die Menüs, die die Kurse für die Planfenster bauen, und ihre Handler.
#include <algorithm>

#include "model/KlassenUnit.h"
#include "model/KopplUnit.h"
#include "model/KursUnit.h"
#include "model/RaumUnit.h"
#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"

namespace {
int ZellWert(int tag, int std) {
  return tag * 100 + std;
}

TMenueEintrag Eintrag(std::string text, int wert, void* objekt, std::function<void()> aktion) {
  TMenueEintrag e;
  e.Text = std::move(text);
  e.Wert = wert;
  e.Objekt = objekt;
  e.Aktion = std::move(aktion);
  return e;
}

// Der Raum ist in der Arbeitswoche (oder einer Woche der Arbeitswochen) gesperrt oder belegt.
bool RaumZu(const TRaum* r, int tag, int std) {
  return r->fSperrung.GetWocheTagStd(-1, tag, std) || r->fBesetzung.GetWocheTagStd(-1, tag, std);
}

// Der Raum des aktiven Raumplans, oder nichts.
TRaum* AktiverPlanRaum() {
  if (!SchuleVorhanden()) return nullptr;
  TSchule& schule = Schule();
  TFenster* f = schule.fAktivesFenster;
  if (!f || f->FensterArt() != FensterArt::RaumPlan) return nullptr;
  return dynamic_cast<TRaum*>(schule.ElementVonFenster(f));
}

// Untermenü "ohne Raum" und die Räume des Kurses; gesperrt sind (mit sperren) Räume, die in der
// Zelle gesperrt oder belegt sind.
TMenue RaumUntermenue(TKurs* kurs, int wert, bool sperren, int tag, int std,
                      const std::function<void(TRaum*)>& wahl) {
  TMenue menue;
  menue.push_back(Eintrag("ohne Raum", wert, nullptr, [wahl] { wahl(nullptr); }));
  for (TRaum* r : kurs->fRaeume) {
    TMenueEintrag e = Eintrag(U8(r->fKuerzel.str()), wert, r, [wahl, r] { wahl(r); });
    e.Aktiv = !sperren || !RaumZu(r, tag, std);
    menue.push_back(std::move(e));
  }
  return menue;
}

// Die Kurse, für die eine Zelle frei sein muss: die ganze Kopplung, sonst der Kurs allein.
std::vector<TKurs*> MitKopplung(TKurs* kurs) {
  if (kurs->fKopplung) return kurs->fKopplung->fKurse.Kopie();
  return {kurs};
}

// Erstes Hindernis eines Raums in den Zellen (in ihrer Folge) und Wochen der Arbeitswoche.
enum class THindernis { Keines, Sperrung, Belegung };

THindernis ErstesHindernis(const TRaum* r, const TKurs* kurs,
                           const std::vector<std::pair<int, int>>& zellen) {
  const TWochenSpanne spanne = WochenArgument(-1);
  for (const auto& [tag, std] : zellen)
    for (int w = spanne.von; w <= spanne.bis; ++w) {
      if (r->fSperrung.GetWocheTagStd(w, tag, std)) return THindernis::Sperrung;
      if (r->fBesetzung.GetWocheTagStd(w, tag, std) && r->FindeKurs(w, tag, std) != kurs)
        return THindernis::Belegung;
    }
  return THindernis::Keines;
}
}  // namespace

void TKurs::ErzeugeSetzMenu(TMenue& menue, int tag, int std, bool mitRaum) {
  const int woche = Standard().fAktuelleWoche;
  const int offen = RestStunden(woche);
  if (fNichtVerplanen || offen < 1) return;
  const TWochenSpanne spanne = WochenArgument(-1);
  bool moeglich = true;
  for (int w = spanne.von; w <= spanne.bis && moeglich; ++w)
    for (const TKurs* k : MitKopplung(this))
      if (!k->fBesetzung.GetWocheTagStd(w, tag, std) && !k->IstSetzbar(w, tag, std, fKopplung))
        moeglich = false;
  TRaum* fensterRaum = mitRaum ? nullptr : AktiverPlanRaum();
  if (fensterRaum && RaumZu(fensterRaum, tag, std)) moeglich = false;
  const int wert = ZellWert(tag, std);
  TMenueEintrag e = Eintrag(U8("[" + ZahlText(offen) + "] " + OhneRaumZeile()), wert, this, {});
  e.Aktiv = moeglich;
  if (mitRaum)
    e.Untermenue = RaumUntermenue(this, wert, true, tag, std,
                                  [this, tag, std](TRaum* r) { SetzMitRaum(tag, std, r); });
  else
    e.Aktion = [this, tag, std] { SetzImRaum(tag, std); };
  menue.push_back(std::move(e));
}

void TKurs::ErzeugeRechtsMenu(TMenue& menue, TElement* element) {
  if (fNichtVerplanen) return;
  const int offen = RestStunden(Standard().fAktuelleWoche);
  TMenueEintrag e = Eintrag(U8("[" + ZahlText(offen) + "] " + OhneRaumZeile()), 0, this, {});
  e.Aktiv = offen > 0;
  e.Untermenue = RaumUntermenue(this, 0, false, 0, 0, [this, element](TRaum* r) {
    auto* plan = dynamic_cast<TPlanElement*>(element);
    TFenster* fenster = plan && plan->fPlnFenster ? plan->fPlnFenster
                        : SchuleVorhanden()       ? Schule().fAktivesFenster
                                                  : nullptr;
    RechtsWahl(r, fenster);
  });
  menue.push_back(std::move(e));
}

void TKurs::ErzeugeRaumSetzMenu(TMenue& menue, const std::vector<std::pair<int, int>>& zellen) {
  if (zellen.empty()) return;
  for (TRaum* r : Schule().fRaumMenge) {
    const bool eigener = fRaeume.ListeElemEnthalten(r);
    const THindernis h = ErstesHindernis(r, this, zellen);
    std::string text;
    if (h == THindernis::Keines)
      text = eigener ? r->fKuerzel.str() : "<" + r->fKuerzel.str() + ">";
    else if (eigener && h == THindernis::Belegung)
      text = "[" + r->fKuerzel.str() + "]";
    else
      continue;
    menue.push_back(Eintrag(U8(text), 0, r, [this, r, zellen] { RaumSetzen(r, zellen); }));
  }
}

void TKurs::ErzeugePlnMenu(TMenue& menue, bool mitInfo, int tag, int std, const TRaum* raum,
                           int art) {
  const TStandard& s = Standard();
  std::vector<int> wochen;
  if (s.fEineWoche) {
    wochen.push_back(s.fAktuelleWoche);
  } else {
    for (int w = 1; w <= s.fMaxWocheNeu; ++w) wochen.push_back(w);
  }
  const bool jeKlasse = (art == leh || art == rau) && fKlassen.ListeZahlElemente() >= 2;
  const int wert = ZellWert(tag, std);
  for (int w : wochen) {
    const TSetzung* setzung = SetzungFinden(w, tag, std);
    if (!setzung || (raum && setzung->fRaum != raum)) continue;
    auto aktion = [this, tag, std] { KursImKlPlanWechseln(tag, std); };
    if (jeKlasse) {
      for (const TKlasse* k : fKlassen)
        menue.push_back(Eintrag(U8(WochenZeile(w, tag, std, mitInfo, k)), wert, this, aktion));
    } else {
      menue.push_back(Eintrag(U8(WochenZeile(w, tag, std, mitInfo)), wert, this, aktion));
    }
  }
}

void TKurs::ErzeugePlnKoppMenu(TMenue& menue, bool mitInfo, int tag, int std) {
  const TStandard& s = Standard();
  if (!s.fEineWoche || !SetzungFinden(s.fAktuelleWoche, tag, std)) return;
  for (TKurs* k : MitKopplung(this))
    menue.push_back(Eintrag(U8(k->WochenZeile(s.fAktuelleWoche, tag, std, mitInfo)),
                            ZellWert(tag, std), k, {}));
}

void TKurs::SetzMitRaum(int tag, int std, TRaum* raum) {
  const TStandard& s = Standard();
  const TWochenSpanne spanne = WochenArgument(-1);
  bool ohneRaum = false;
  for (int w = spanne.von; w <= spanne.bis; ++w) {
    NeueSetzung(w, tag, std, raum);
    if (!fKopplung) continue;
    for (TKurs* k : fKopplung->fKurse.Kopie()) {
      if (k == this) continue;
      TRaum* freierRaum = k->FreierRaum(w, tag, std);
      TSetzung* neu = k->NeueSetzung(w, tag, std, freierRaum);
      // Ein Kurs ganz ohne Räume liegt immer ohne Raum; das ist keine Warnung wert.
      if (neu && !freierRaum && !k->fRaeume.empty() && w == s.fAktuelleWoche) ohneRaum = true;
    }
  }
  if (ohneRaum)
    Dialog().Meldung("Warnung", {"Ein gekoppelter Kurs konnte nur ohne Raum gesetzt werden."},
                     TMeldungsArt::Warnung);
}

void TKurs::SetzImRaum(int tag, int std) {
  SetzMitRaum(tag, std, AktiverPlanRaum());
}

void TKurs::RaumSetzen(TRaum* raum, const std::vector<std::pair<int, int>>& zellen) {
  if (!raum) return;
  for (const auto& [tag, std] : zellen) RSetzen(raum, -1, tag, std);
  FensterRefresh();
  PlanRefresh();
}

void TKurs::KursImKlPlanWechseln(int tag, int std) {
  if (!SchuleVorhanden()) return;
  TFenster* f = Schule().fAktivesFenster;
  if (f && f->FensterArt() == FensterArt::KlassenPlan) f->PlanZelle(tag, std, this, "N");
}

// --- TPlanElement ----------------------------------------------------------------------------

void TPlanElement::ErzeugePlnMenu(TMenue& menue, bool mitInfo, int tag, int std, const TRaum* raum,
                                  int art) {
  for (TKurs* k : fKurse.Kopie()) k->ErzeugePlnMenu(menue, mitInfo, tag, std, raum, art);
}

void TPlanElement::ErzeugePlnKoppMenu(TMenue& menue, bool mitInfo, int tag, int std) {
  std::vector<const TKopplung*> gefragt;
  for (TKurs* k : fKurse.Kopie()) {
    if (k->fKopplung) {
      if (std::find(gefragt.begin(), gefragt.end(), k->fKopplung) != gefragt.end()) continue;
      gefragt.push_back(k->fKopplung);
    }
    k->ErzeugePlnKoppMenu(menue, mitInfo, tag, std);
  }
}

void TPlanElement::ErzeugeRechtsMenu(TMenue& menue) {
  for (TKurs* k : fKurse.Kopie()) k->ErzeugeRechtsMenu(menue, this);
}
