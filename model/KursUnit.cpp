#include "model/KursUnit.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "model/DatumUnit.h"
#include "model/FachUnit.h"
#include "model/KlassenUnit.h"
#include "model/KopplUnit.h"
#include "model/LehrerUnit.h"
#include "model/RaumUnit.h"
#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"
#include "substitution/VertretungsPlanungUnit.h"

namespace {
std::uint64_t gLetzteLfdNr = 0;

auto KursOrdnung() {
  return [](const TKurs* a, const TKurs* b) { return KursVergleich(a, b); };
}
auto KlassenKursOrdnung() {
  return [](const TKurs* a, const TKurs* b) { return KlassenKursVergleich(a, b); };
}

// Stellt den Kurs in einer Liste, die ihn enthält, an den Platz seiner Sortierschlüssel.
template <class Liste, class Ordnung>
void NeuEinordnen(Liste& liste, TKurs* kurs, const Ordnung& ordnung) {
  // Meist steht der Zeiger schon auf ihm (eben angehängt, etwa beim Öffnen einer Datei): dann
  // ohne die Suche vom Anfang der Liste. Die Kursliste besitzt jeden Kurs genau einmal.
  if (liste.ListeInhalt() != kurs && !liste.ListeElemEnthalten(kurs)) return;
  auto halter = liste.ListeHerausnehmen();
  liste.ListeEinfuegen(std::move(halter), ordnung);
}

// Die Kursliste eines Elements: an seinen Platz, wenn er darin steht, sonst dort eingefügt.
template <class Ordnung>
void Einordnen(TListe<TKurs>& liste, TKurs* kurs, const Ordnung& ordnung) {
  if (liste.ListeElemEnthalten(kurs)) liste.ListeHerausnehmen();
  liste.ListeEinfuegen(kurs, ordnung);
}
}  // namespace

TKurs::TKurs() : fLfdNr(++gLetzteLfdNr) {
  const TStandard& s = Standard();
  for (int w = 1; w <= fSperrung.WochenZahl(); ++w) fSperrung.SetWoche(w, s.fKuWoElem);
}

TKurs::~TKurs() = default;

TKurs* TKurs::IKurs(TLehrer* lehrer, TKlasse* klasse, TKopplung* kopplung, TFach* fach, TRaum* raum,
                    std::int32_t stunden) {
  auto neu = std::make_unique<TKurs>();
  TKurs* k = neu.get();
  const TStandard& s = Standard();
  k->fLehrer = lehrer;
  k->fKopplung = kopplung;
  k->fFach = fach;
  if (klasse) k->fKlassen.ListeAnhaengen(klasse);
  if (raum) k->fRaeume.ListeAnhaengen(raum);
  k->fStunden.SetWochenStunde(-1, stunden);
  k->fStdProTag = s.fStdProTag;
  k->fEinzelStd = s.fEinzelStd;
  k->fTabellenNr = s.fTabellenNr;
  k->fFaktor = s.fFaktor;
  k->fNichtVerplanen = s.fNichtVerplanen;
  k->fNichtZaehlenLe = s.fNichtZaehlenLe;
  k->fNichtZaehlenKl = s.fNichtZaehlenKl;
  k->fColor = s.fKursFarbe;
  k->fBewertung = 0;
  k->ElementeEintragen();
  Schule().KursAufnehmen(std::move(neu));
  if (fach && klasse) fach->NeueKlasse(klasse);
  // Lehrer und Fach eines Kurses kennen einander, wie nach dem Öffnen der gesicherten Schule und
  // nach dem Import (sonst fehlte der Lehrer etwa bei "gleiches Fach" der Vertretungswahl).
  if (lehrer) lehrer->NeuesFach(fach);
  k->FensterUpdate();
  return k;
}

void TKurs::BerechneReihe() {
  const TKlasse* ersteKlasse = fKlassen.ListeNrInhalt(1);
  const std::int32_t klasse = ersteKlasse ? ersteKlasse->fReihe : 0;
  const std::int32_t lehrer = fLehrer ? fLehrer->fReihe : 0;
  if (Standard().fNachKlSortiert) {
    fReihe1 = ersteKlasse ? klasse * 1000 : -1000;
    fReihe2 = fLehrer ? lehrer : -1;
  } else {
    fReihe1 = fLehrer ? lehrer * 1000 : -1000;
    fReihe2 = ersteKlasse ? klasse : -1;
  }
  fReihe1 += fFach ? fFach->fReihe : -1;
  fReihe2 -= fStunden.GetWochenStunde(0) * 1000;
}

void TKurs::ElementeEintragen() {
  BerechneReihe();
  if (fLehrer) Einordnen(fLehrer->fKurse, this, KursOrdnung());
  for (TKlasse* k : fKlassen) Einordnen(k->fKurse, this, KlassenKursOrdnung());
  if (fKopplung) Einordnen(fKopplung->fKurse, this, KursOrdnung());
  if (fFach) Einordnen(fFach->fKurse, this, KursOrdnung());
  for (TRaum* r : fRaeume) Einordnen(r->fKurse, this, KursOrdnung());
  if (!SchuleVorhanden()) return;
  NeuEinordnen(Schule().fKursMenge, this, KursOrdnung());
  // Auch die Vertretungsliste ordnet nach dem Fach (und der Klasse) des Kurses.
  for (const TSetzung* s : fSetzungen)
    if (!s->fVertretungen.empty()) {
      VertretungenSortieren(Schule());
      break;
    }
}

int KursVergleich(const TKurs* a, const TKurs* b) {
  if (a->fReihe1 != b->fReihe1) return a->fReihe1 < b->fReihe1 ? -1 : 1;
  if (a->fReihe2 != b->fReihe2) return a->fReihe2 < b->fReihe2 ? -1 : 1;
  if (a->fLfdNr != b->fLfdNr) return a->fLfdNr < b->fLfdNr ? -1 : 1;
  return 0;
}

int KlassenKursVergleich(const TKurs* a, const TKurs* b) {
  if (Standard().fNachKlSortiert && a->fFach != b->fFach) {
    if (!a->fFach) return -1;
    if (!b->fFach) return 1;
    if (a->fFach->fReihe != b->fFach->fReihe) return a->fFach->fReihe < b->fFach->fReihe ? -1 : 1;
  }
  return KursVergleich(a, b);
}

void KurseNeuSortieren() {
  TSchule& schule = Schule();
  for (TKurs* k : schule.fKursMenge) k->BerechneReihe();
  schule.fKursMenge.ListeSort(KursOrdnung());
  for (TKuerzelArt art :
       {TKuerzelArt::leh, TKuerzelArt::kla, TKuerzelArt::kop, TKuerzelArt::fac, TKuerzelArt::rau})
    for (TElement* e : schule.Elemente(art)) {
      if (art == TKuerzelArt::kla)
        e->fKurse.ListeSort(KlassenKursOrdnung());
      else
        e->fKurse.ListeSort(KursOrdnung());
    }
}

// Jede Kursänderung zeichnet die offenen UV-Tabellen neu (sie zeigen Stunden und Namen der Kurse).
static void UVTabellenAuffrischen() {
  if (!SchuleVorhanden()) return;
  TSchule& schule = Schule();
  for (TFenster* f : std::vector<TFenster*>(schule.fFensterListe))
    if (schule.FensterOffen(f) && f->FensterArt() == FensterArt::UVTabelle) f->FensterRefresh();
}

void TKurs::FensterUpdate() {
  UVTabellenAuffrischen();
  if (fLehrer) fLehrer->FensterUpdate();
  for (TKlasse* k : fKlassen) k->FensterUpdate();
  if (fKopplung) fKopplung->FensterUpdate();
  if (fFach) fFach->FensterUpdate();
  for (TRaum* r : fRaeume) r->FensterUpdate();
  SchuleGeaendert();
}

void TKurs::FensterRefresh() {
  UVTabellenAuffrischen();
  if (fLehrer) fLehrer->FensterRefresh();
  for (TKlasse* k : fKlassen) k->FensterRefresh();
  if (fKopplung) fKopplung->FensterRefresh();
  if (fFach) fFach->FensterRefresh();
  for (TRaum* r : fRaeume) r->FensterRefresh();
  if (SchuleVorhanden()) {
    // Auch "alle Kurse" und das Kursfenster zeigen den Kurs.
    TSchule& schule = Schule();
    if (schule.fKursDepForm && !schule.fKurseEinsetzen) schule.fKursDepForm->FensterRefresh();
    if (schule.fKursForm) schule.fKursForm->FensterRefresh();
  }
  SchuleGeaendert();
}

void TKurs::PlanRefresh() {
  if (fLehrer) fLehrer->PlanRefresh();
  for (TKlasse* k : fKlassen) k->PlanRefresh();
  for (TRaum* r : fRaeume) r->PlanRefresh();
  if (!SchuleVorhanden()) return;
  const TSchule& schule = Schule();
  for (TFenster* f : {schule.fLehrUebForm, schule.fKlasUebForm, schule.fRaumUebForm,
                      schule.fManuellForm, schule.fSVForm})
    if (f) f->FensterRefresh();
}

void TKurs::LehrerErgaenzen(TLehrer* lehrer) {
  LehrerEntfernen();
  fLehrer = lehrer;
  ElementeEintragen();
  if (fLehrer) {
    fLehrer->NeuesFach(fFach);
    fLehrer->FensterUpdate();
    if (fKopplung) fKopplung->LeKopDoppeltTest(fLehrer);
  }
  FensterRefresh();
}

void TKurs::LehrerEntfernen() {
  if (!fLehrer) return;
  TLehrer* alt = fLehrer;
  alt->fKurse.ListeElemEntfernen(this);
  fLehrer = nullptr;
  // Der Lehrer gehört zum Sortierschlüssel: der Kurs rückt an seinen Platz.
  ElementeEintragen();
  alt->FensterUpdate();
  SchuleGeaendert();
}

void TKurs::KlasseErgaenzen(TKlasse* klasse) {
  if (!klasse || fKlassen.ListeElemEnthalten(klasse)) return;
  fKlassen.ListeEinfuegen(klasse,
                          [](const TKlasse* a, const TKlasse* b) { return ReihenVergleich(a, b); });
  ElementeEintragen();
  if (fFach) fFach->NeueKlasse(klasse);
  klasse->FensterUpdate();
  FensterRefresh();
}

void TKurs::KlasseEntfernen(TKlasse* klasse) {
  if (!fKlassen.ListeElemEntfernen(klasse)) return;
  klasse->fKurse.ListeElemEntfernen(this);
  ElementeEintragen();  // die erste Klasse gehört zum Sortierschlüssel
  if (fFach) fFach->KlasseEntfernen(klasse);
  klasse->FensterUpdate();
  FensterRefresh();
}

void TKurs::KopplungErgaenzen(TKopplung* kopplung) {
  KopplungEntfernen();
  fKopplung = kopplung;
  ElementeEintragen();
  if (fKopplung) {
    fKopplung->FensterUpdate();
    if (fLehrer) fKopplung->LeKopDoppeltTest(fLehrer);
  }
  FensterRefresh();
}

void TKurs::KopplungEntfernen() {
  if (!fKopplung) return;
  TKopplung* alt = fKopplung;
  alt->fKurse.ListeElemEntfernen(this);
  fKopplung = nullptr;
  alt->FensterUpdate();
  SchuleGeaendert();
}

void TKurs::FachErgaenzen(TFach* fach) {
  FachEntfernen();
  fFach = fach;
  ElementeEintragen();
  if (fFach) {
    for (TKlasse* k : fKlassen) fFach->NeueKlasse(k);
    if (fLehrer) fLehrer->NeuesFach(fFach);
    fFach->FensterUpdate();
  }
  FensterRefresh();
}

void TKurs::FachEntfernen() {
  if (!fFach) return;
  TFach* alt = fFach;
  alt->fKurse.ListeElemEntfernen(this);
  fFach = nullptr;
  ElementeEintragen();  // das Fach gehört zum Sortierschlüssel
  for (TKlasse* k : fKlassen) alt->KlasseEntfernen(k);
  alt->FensterUpdate();
  SchuleGeaendert();
}

void TKurs::RaumErgaenzen(TRaum* raum, bool spaeter) {
  if (!raum || fRaeume.ListeElemEnthalten(raum)) return;
  fRaeume.ListeAnhaengen(raum);
  if (spaeter) fRaumErgaenzt.ListeAnhaengen(raum);
  // Ein Raum ändert die Sortierschlüssel nicht; der Kurs kommt nur in die Liste dieses Raums. Die
  // Konsistenzprüfung bessert mit RaumErgaenzen einen fehlenden Raum aus und soll jede weitere
  // fehlende Verknüpfung selbst finden und melden.
  BerechneReihe();
  if (!raum->fKurse.ListeElemEnthalten(this)) raum->fKurse.ListeEinfuegen(this, KursOrdnung());
  raum->FensterUpdate();
  FensterRefresh();
}

void TKurs::RaumEntfernen(TRaum* raum) {
  if (!raum || !fRaeume.ListeElemEnthalten(raum)) return;
  for (TSetzung* s : fSetzungen.Kopie())
    if (s->fRaum == raum) EntferneRaumInSetzung(s);
  raum->fKurse.ListeElemEntfernen(this);
  fRaeume.ListeElemEntfernen(raum);
  fRaumErgaenzt.ListeElemEntfernen(raum);
  raum->FensterUpdate();
  FensterRefresh();
}

std::int32_t TKurs::VerplanteStunden(int woche) const {
  const TWochenSpanne s = WochenArgument(woche);
  const int tage = std::min(Standard().fMaxTageNeu, 7);
  std::int32_t summe = 0;
  for (int w = s.von; w <= s.bis; ++w) {
    const TWoElem* belegt = fBesetzung.GetWoche(w);
    if (!belegt) continue;
    for (int t = 1; t <= tage; ++t) summe += std::popcount(belegt->GetTag(t) & 0xFFFFu);
  }
  return summe;
}

std::int32_t TKurs::RestStunden(int woche) const {
  return fStunden.GetWochenStunde(woche) - VerplanteStunden(woche);
}

TSetzung* TKurs::SetzungFinden(int woche, int tag, int stunde) const {
  for (TSetzung* s : fSetzungen)
    if (s->Liegt(woche, tag, stunde)) return s;
  return nullptr;
}

bool TKurs::VerplantImRaum(const TRaum* raum) const {
  for (const TSetzung* s : fSetzungen)
    if (s->fRaum == raum) return true;
  return false;
}

bool TKurs::HatNegativeStunden() const {
  for (int w = 1; w <= fStunden.WochenZahl(); ++w)
    if (fStunden.GetWochenStunde(w) < 0) return true;
  return false;
}

void TKurs::EntferneNegativeStunden() {
  for (int w = 1; w <= fStunden.WochenZahl(); ++w)
    if (fStunden.GetWochenStunde(w) < 0) fStunden.SetWochenStunde(w, 0);
  ElementeEintragen();  // die Stunden gehören zum Sortierschlüssel
  SchuleGeaendert();
}

TRaum* TKurs::VerplanterRaum() const {
  std::vector<std::pair<TRaum*, int>> zaehler;  // in der Folge des ersten Auftretens
  for (const TSetzung* s : fSetzungen) {
    if (!s->fRaum) continue;
    auto it = std::find_if(zaehler.begin(), zaehler.end(),
                           [s](const auto& z) { return z.first == s->fRaum; });
    if (it == zaehler.end())
      zaehler.emplace_back(s->fRaum, 1);
    else
      ++it->second;
  }
  TRaum* bester = nullptr;
  int besteZahl = 0, besterRang = 0;
  for (const auto& [raum, zahl] : zaehler) {
    const int rang = fRaeume.ListeElemNr(raum);  // 0: nicht mehr in fRaeume, vor allen
    if (!bester || zahl > besteZahl || (zahl == besteZahl && rang < besterRang)) {
      bester = raum;
      besteZahl = zahl;
      besterRang = rang;
    }
  }
  return bester;
}

std::int32_t TKurs::StatistikSumme() const {
  const TStandard& s = Standard();
  if (fNichtZaehlenLe) return 0;
  const long long bis = static_cast<long long>(std::floor(s.fDepBis));
  // Vor dem 27.12.1993 gibt es keinen Kalender: der Zeitraum beginnt frühestens dort.
  const long long von = std::max(static_cast<long long>(std::floor(s.fDepVon)), KalenderAnfang);
  if (!(s.fDepBis > s.fDepVon) || von > bis) return 0;
  const TSchule& schule = Schule();
  std::int32_t summe = 0;
  if (fSetzungen.empty()) {
    for (long long d = von; d <= bis; d += 7)
      summe += fStunden.GetWochenStunde(schule.WocheVonDatum(static_cast<TDateTime>(d)));
    return summe;
  }
  for (const TSetzung* setzung : fSetzungen) {
    long long d = von;
    while (WochenTag(static_cast<TDateTime>(d)) != setzung->fTag && d < von + 7) ++d;
    if (WochenTag(static_cast<TDateTime>(d)) != setzung->fTag) continue;  // Tag außerhalb 1..7
    for (; d <= bis; d += 7) {
      const auto datum = static_cast<TDateTime>(d);
      if (schule.WocheVonDatum(datum) == setzung->fWoche && !Standard().FerienTag(datum)) ++summe;
    }
  }
  return summe;
}

std::string TKurs::WertText(int woche) const {
  return StundenText(static_cast<std::int64_t>(fStunden.GetWochenStunde(woche)) * fFaktor);
}

bool TKurs::NichtVerplant() {
  if (fSetzungen.empty()) return true;
  const int antwort =
      Dialog().Frage("Kurs ist verplant",
                     {"Der Kurs", U8(OhneRaumZeile()), "ist schon verplant und kann",
                      "deshalb nicht verändert werden.", "Sollen die verplanten Stunden",
                      "in den Plänen gelöscht werden?"},
                     TMeldungsArt::Frage, {"Ja", "Nein"}, 1, 1);
  if (antwort == 0) AlleSetzungenEntfernen();
  return fSetzungen.empty();
}

bool TKurs::KursNichtImRaum(TRaum* raum) {
  if (!raum || !VerplantImRaum(raum)) return true;
  const int antwort = Dialog().Frage(
      "Kurs im Raumplan",
      {"Der Kurs", U8(OhneRaumZeile()), "ist schon im Plan", "von Raum", U8(raum->fKuerzel.str()),
       "Soll der Raum trotzdem aus", "dem Kurs entfernt werden?"},
      TMeldungsArt::Frage, {"Ja", "Nein"}, 1, 1);
  if (antwort == 0)
    for (TSetzung* s : fSetzungen.Kopie())
      if (s->fRaum == raum) EntferneRaumInSetzung(s);
  return !VerplantImRaum(raum);
}

void TKurs::PopLoeschKlasse(TKlasse* klasse) {
  if (NichtVerplant()) KlasseEntfernen(klasse);
}

void TKurs::PopLoeschRaum(TRaum* raum) {
  if (KursNichtImRaum(raum)) RaumEntfernen(raum);
}

void TKurs::ZeigePlanFenster(int tag, int std) {
  TDirtyBewahrer bewahrer;
  TFensterDienst* dienst = FensterDienst();
  if (!dienst) return;
  if (const TSetzung* s = SetzungFinden(Standard().fAktuelleWoche, tag, std); s && s->fRaum)
    dienst->PlanFensterZeigen(s->fRaum);
  if (TKlasse* k = fKlassen.ListeNrInhalt(1)) dienst->PlanFensterZeigen(k);
  if (fLehrer) dienst->PlanFensterZeigen(fLehrer);
}

TKurs* NeuerKursMitFenster(TLehrer* lehrer, TKlasse* klasse, TKopplung* kopplung, TFach* fach,
                           TRaum* raum) {
  TKurs* kurs = TKurs::IKurs(lehrer, klasse, kopplung, fach, raum, Standard().fKursStd);
  if (TFensterDienst* d = FensterDienst()) d->NeuesKursFenster(kurs, nullptr);
  SchuleGeaendert();
  return kurs;
}
