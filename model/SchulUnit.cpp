#include "model/SchulUnit.h"

#include <algorithm>
#include <cmath>

#include "model/FensterArtUnit.h"
#include "planning/UndoUnit.h"
#include "settings/StandardUnit.h"
#include "substitution/KalenderWechselUnit.h"
#include "substitution/VertretungsPlanungUnit.h"

TSchule::TSchule() : fParListe(std::make_unique<TParListe>()) {
  for (auto& b : fKalender) b = 1;
  const TStandard& s = Standard();
  for (int w = 1; w <= fGrWoBereich.WochenZahl(); ++w) fGrWoBereich.SetWoche(w, s.fGrWoElem);
  for (int w = 1; w <= fUEWoBereich.WochenZahl(); ++w) fUEWoBereich.SetWoche(w, s.fKuWoElem);
}

TSchule::~TSchule() {
  AlleFensterSchliessen();
  // Kurse zuerst: sie verweisen auf die Elemente, nicht umgekehrt besitzend.
  fKursMenge.ListeLeeren();
  fLehrerMenge.ListeLeeren();
  fKlassenMenge.ListeLeeren();
  fKopplMenge.ListeLeeren();
  fFachMenge.ListeLeeren();
  fRaumMenge.ListeLeeren();
  fUVTabMenge.ListeLeeren();
  fFehlLehrerMenge.ListeLeeren();
  fFehlKlassenMenge.ListeLeeren();
  fFehlRaumMenge.ListeLeeren();
  fParListe.reset();
  fVertretungsMenge.ListeLeeren();
  fFensterListe.clear();
}

const std::vector<TFenster * TSchule::*>& TSchule::FensterPlaetze() {
  static const std::vector<TFenster* TSchule::*> kPlaetze = {
      &TSchule::fKursDepForm,   &TSchule::fKursForm,    &TSchule::fFehlerForm,
      &TSchule::fWoausfallForm, &TSchule::fLeStatForm,  &TSchule::fKlStatForm,
      &TSchule::fKoStatForm,    &TSchule::fFaStatForm,  &TSchule::fRaStatForm,
      &TSchule::fUVStatForm,    &TSchule::fLehrUebForm, &TSchule::fKlasUebForm,
      &TSchule::fRaumUebForm,   &TSchule::fSVForm,      &TSchule::fParForm,
      &TSchule::fManuellForm,   &TSchule::fVertrForm,   &TSchule::fVWahlForm,
      &TSchule::fZwischenForm,  &TSchule::fVLeStatForm, &TSchule::fVKlStatForm};
  return kPlaetze;
}

void TSchule::SetDirty(bool wert) {
  fDirty = wert;
  if (TFensterDienst* f = FensterDienst()) f->SichernFreigeben(wert);
}

void TSchule::SetzeKalender(int woche, std::uint8_t b) {
  if (woche < 1 || woche > 888) return;
  // Woche 0 hieße in jeder Datumsregel "alle Wochen": nur eine bestehende Planversion zählt.
  if (b < 1 || b > Standard().fMaxWocheNeu) return;
  fKalender[woche] = b;
}

void TSchule::SetKalender(const TKalenderBytes& kalender) {
  for (int woche = 1; woche <= 888; ++woche) SetzeKalender(woche, kalender[woche]);
}

namespace {
template <class T>
T* HoleOderLege(TEigenListe<T>& menge, std::string_view s) {
  const str255 text(s);
  const TKuerzelString kuerzel(KuerzelOhneFuehrendeBlanks(text.str()));
  if (T* e = TSchule::HoleElement(menge, kuerzel.str())) return e;
  auto neu = std::make_unique<T>();
  T* roh = neu.get();
  roh->SetKuerzel(kuerzel.str());
  menge.ListeAnhaengen(std::move(neu));
  roh->fNr = static_cast<std::uint32_t>(menge.ListeZahlElemente());
  roh->fReihe = menge.ListeZahlElemente();
  return roh;
}

template <class T>
bool AusListeLoeschen(TEigenListe<T>& menge, TElement* element) {
  for (T* e : menge)
    if (e == element) {
      menge.ListeElemEntfernen(e);
      return true;
    }
  return false;
}
}  // namespace

TLehrer* TSchule::HoleLehrer(std::string_view s) {
  return HoleOderLege(fLehrerMenge, s);
}
TKlasse* TSchule::HoleKlasse(std::string_view s) {
  return HoleOderLege(fKlassenMenge, s);
}
TFach* TSchule::HoleFach(std::string_view s) {
  return HoleOderLege(fFachMenge, s);
}
TKopplung* TSchule::HoleKopplung(std::string_view s) {
  return HoleOderLege(fKopplMenge, s);
}
TRaum* TSchule::HoleRaum(std::string_view s) {
  return HoleOderLege(fRaumMenge, s);
}
TUVTab* TSchule::HoleUVTab(std::string_view s) {
  return HoleOderLege(fUVTabMenge, s);
}

void TSchule::ElementLoeschen(TElement* element) {
  if (!element) return;
  const TKuerzelArt art = element->Art();
  element->Aufloesen();
  // Keine Vertretung behält einen Verweis auf das gelöschte Element; die zuletzt angebotenen
  // Statt-Stunden werden neu gesucht.
  const void* weg = element;
  for (TVertretung* v : fVertretungsMenge) {
    if (static_cast<const void*>(v->fLehrer) == weg) v->fLehrer = nullptr;
    if (static_cast<const void*>(v->fFach) == weg) v->fFach = nullptr;
    if (static_cast<const void*>(v->fRaum) == weg) v->fRaum = nullptr;
    if (element->Art() == leh || element->Art() == rau) v->fStattListe.ListeLeeren();
  }
  if (TEigenListe<TFehl>* fehl = FehlMenge(element->Art()))
    for (TFehl* f : fehl->Kopie())
      if (static_cast<const void*>(f->fElement) == static_cast<const void*>(element))
        fehl->ListeElemEntfernen(f);
  for (TFenster* f : std::vector<TFenster*>(fFensterListe))
    if (FensterOffen(f)) f->ElementGeloescht(element);
  switch (element->Art()) {
    case leh:
      AusListeLoeschen(fLehrerMenge, element);
      break;
    case kla:
      AusListeLoeschen(fKlassenMenge, element);
      break;
    case kop:
      AusListeLoeschen(fKopplMenge, element);
      break;
    case fac:
      AusListeLoeschen(fFachMenge, element);
      break;
    case rau:
      AusListeLoeschen(fRaumMenge, element);
      break;
    case uvt:
      AusListeLoeschen(fUVTabMenge, element);
      break;
    case kur:
      break;
  }
  // Übersicht und Statistik der Art bauen sich ohne das Element neu auf.
  std::vector<TFenster*> fenster;
  switch (art) {
    case leh:
      fenster = {fLehrUebForm, fLeStatForm};
      break;
    case kla:
      fenster = {fKlasUebForm, fKlStatForm};
      break;
    case kop:
      fenster = {fKoStatForm};
      break;
    case fac:
      fenster = {fFaStatForm};
      break;
    case rau:
      fenster = {fRaumUebForm, fRaStatForm};
      break;
    case uvt:
      fenster = {fUVStatForm};
      break;
    case kur:
      break;
  }
  for (TFenster* f : fenster)
    if (f) f->FensterUpdate();
  SetDirty(true);
}

std::vector<TElement*> TSchule::Elemente(TKuerzelArt art) const {
  std::vector<TElement*> v;
  auto alle = [&v](const auto& menge) {
    for (auto* e : menge) v.push_back(e);
  };
  switch (art) {
    case leh:
      alle(fLehrerMenge);
      break;
    case kla:
      alle(fKlassenMenge);
      break;
    case kop:
      alle(fKopplMenge);
      break;
    case fac:
      alle(fFachMenge);
      break;
    case rau:
      alle(fRaumMenge);
      break;
    case uvt:
      alle(fUVTabMenge);
      break;
    case kur:
      break;
  }
  return v;
}

TElement* TSchule::ElementVonFenster(const TFenster* fenster) const {
  if (!fenster) return nullptr;
  for (TKuerzelArt art : {leh, kla, kop, fac, rau, uvt})
    for (TElement* e : Elemente(art)) {
      if (e->fGrDatFenster == fenster || e->fDepFenster == fenster) return e;
      if (auto* p = dynamic_cast<TPlanElement*>(e); p && p->fPlnFenster == fenster) return e;
    }
  return nullptr;
}

int KalenderWoche(TDateTime datum) {
  // Ganze Division mit Abrunden, damit auch Tage vor dem Anfang im Kreis bleiben.
  const long long tage = static_cast<long long>(std::floor(datum)) - KalenderAnfang;
  long long woche = tage / 7;
  if (tage % 7 != 0 && tage < 0) --woche;
  long long k = woche % 888;
  if (k < 0) k += 888;
  return static_cast<int>(k) + 1;
}

int TSchule::WocheVonDatum(TDateTime datum) const {
  return fKalender[KalenderWoche(datum)];
}

// --- Kurse ---------------------------------------------------------------------------------

TKurs* TSchule::KursAufnehmen(std::unique_ptr<TKurs> kurs) {
  TKurs* roh = kurs.get();
  if (!roh) return nullptr;
  fKursMenge.ListeEinfuegen(std::move(kurs),
                            [](const TKurs* a, const TKurs* b) { return KursVergleich(a, b); });
  SetDirty(true);
  return roh;
}

void TSchule::KursLoeschen(TKurs* kurs) {
  if (!kurs || !fKursMenge.ListeElemEnthalten(kurs)) return;
  // Bis zum Ende am Leben halten; die Kursliste kennt ihn schon nicht mehr.
  std::unique_ptr<TKurs> halter = fKursMenge.ListeHerausnehmen();
  if (fKursDepForm) fKursDepForm->FensterUpdate();
  if (fKursForm) fKursForm->KursGeloescht(kurs);
  kurs->AlleSetzungenEntfernen();
  kurs->LehrerEntfernen();
  kurs->FachEntfernen();
  kurs->KopplungEntfernen();
  for (TKlasse* k : kurs->fKlassen.Kopie()) kurs->KlasseEntfernen(k);
  for (TRaum* r : kurs->fRaeume.Kopie()) kurs->RaumEntfernen(r);
  // Kein Schritt des Protokolls darf auf den zerstörten Kurs zeigen.
  if (TManuellProtokoll* p = ManuellProtokoll()) p->KursVergessen(kurs);
  // Kein offenes Fenster behält ihn: UV-Tabellen leeren seine Zellen, Deputats- und
  // Übersichtsfenster nehmen ihn aus ihren Zeilen, Manuell aus seiner Liste, die
  // Vertretungswahl aus ihrem Tagesplan.
  if (fManuellForm) fManuellForm->KursGeloescht(kurs);
  if (fVWahlForm) fVWahlForm->KursGeloescht(kurs);
  for (TFenster* f : std::vector<TFenster*>(fFensterListe))
    if (FensterOffen(f) && f != fKursForm && f != fManuellForm && f != fVWahlForm)
      f->KursGeloescht(kurs);
  SetDirty(true);
}

TKurs* TSchule::ErzeugeNeuenKurs() {
  return NeuerKursMitFenster(nullptr, nullptr, nullptr, nullptr, nullptr);
}

void TSchule::NeuerKurs() {
  if (!fAktivesFenster) return;
  const int art = fAktivesFenster->FensterArt();
  if (art == FensterArt::AlleKurse) {
    ErzeugeNeuenKurs();
    return;
  }
  const bool mitElement = FensterInGruppe(art, TFensterGruppe::Plan) ||
                          (art >= FensterArt::LehrerDeputat && art <= FensterArt::RaumDeputat) ||
                          (art >= FensterArt::LehrerDaten && art <= FensterArt::RaumDaten);
  if (!mitElement) return;
  TElement* e = ElementVonFenster(fAktivesFenster);
  if (!e) return;
  switch (e->Art()) {
    case leh:
      static_cast<TLehrer*>(e)->NeuerKurs();
      break;
    case kla:
      static_cast<TKlasse*>(e)->NeuerKurs();
      break;
    case kop:
      static_cast<TKopplung*>(e)->NeuerKurs();
      break;
    case fac:
      static_cast<TFach*>(e)->NeuerKurs();
      break;
    case rau:
      static_cast<TRaum*>(e)->NeuerKurs();
      break;
    default:
      break;
  }
}

void TSchule::KursEntfernen() {
  TFenster* fenster = fAktivesFenster;
  if (!fenster) return;
  const int art = fenster->FensterArt();
  if (art != FensterArt::UVTabelle &&
      !(art >= FensterArt::LehrerDeputat && art <= FensterArt::AlleKurse))
    return;
  std::vector<TKurs*> kurse;
  for (TKurs* k : fenster->AusgewaehlteKurse())
    if (k && std::find(kurse.begin(), kurse.end(), k) == kurse.end()) kurse.push_back(k);
  for (TKurs* k : kurse) {
    // Ein früheres Löschen kann den Kurs nicht mitnehmen; trotzdem nur Lebende anfassen.
    if (!fKursMenge.ListeElemEnthalten(k)) continue;
    if (k->NichtVerplant()) KursLoeschen(k);
  }
  if (FensterOffen(fenster)) fenster->FensterUpdate();
}

// --- Planversionen -------------------------------------------------------------------------

void TSchule::SetzeAufWochen(int n) {
  TStandard& s = Standard();
  const int alt = fGrWoBereich.WochenZahl();
  fGrWoBereich.SetWochenZahl(n);
  fUEWoBereich.SetWochenZahl(n);
  for (int w = alt + 1; w <= n; ++w) {
    fGrWoBereich.SetWoche(w, s.fGrWoElem);
    fUEWoBereich.SetWoche(w, s.fKuWoElem);
  }
  for (TKurs* k : fKursMenge) {
    k->fSperrung.SetWochenZahl(n);
    k->fBesetzung.SetWochenZahl(n);
    k->fSetzungUnmoeglich.SetWochenZahl(n);
    k->fStunden.SetWochenZahl(n);
  }
  auto planElement = [n](TPlanElement* e) {
    e->fSperrung.SetWochenZahl(n);
    e->fBesetzung.SetWochenZahl(n);
  };
  for (TLehrer* l : fLehrerMenge) {
    planElement(l);
    l->fSoll.SetWochenZahl(n);
  }
  for (TKlasse* k : fKlassenMenge) {
    planElement(k);
    k->fSoll.SetWochenZahl(n);
  }
  for (TRaum* r : fRaumMenge) planElement(r);
  s.fMaxWocheNeu = n;
  if (s.fAktuelleWoche < 1 || s.fAktuelleWoche > n) s.fAktuelleWoche = 1;
  // Die Stunden aller Wochen gehören zum Sortierschlüssel der Kurse.
  KurseNeuSortieren();
  SetDirty(true);
}

void TSchule::VersionErweitern(int n) {
  if (n > MaxWochen) n = MaxWochen;
  if (n <= Standard().fMaxWocheNeu) return;
  SetzeAufWochen(n);
}

bool TSchule::VersionVerkleinern(int n) {
  if (n < 1) n = 1;
  if (n >= Standard().fMaxWocheNeu) return true;
  bool verplant = false;
  for (const TKurs* k : fKursMenge)
    for (const TSetzung* s : k->fSetzungen) verplant = verplant || s->fWoche > n;
  if (verplant &&
      Dialog().Frage(
          "Warnung",
          {"In den zu löschenden Planversionen sind Stunden verplant. Trotzdem löschen?"},
          TMeldungsArt::Warnung, {"Ja", "Nein"}, 1, 1) != 0)
    return false;
  TBeschaeftigt sanduhr;
  // Zuerst der Kalender: die Wochen der wegfallenden Planversionen gelten als Version 1, ihre
  // Abwesenheiten treffen nun deren Stunden.
  TKalenderBytes kalender = fKalender;
  for (auto& b : kalender)
    if (b > n) b = 1;
  if (kalender != fKalender) KalenderSetzen(kalender, Standard().fFerien);
  for (TKurs* k : fKursMenge)
    for (TSetzung* s : k->fSetzungen.Kopie())
      if (s->fWoche > n) k->SetzungEntfernen(s);
  SetzeAufWochen(n);
  return true;
}

// --- Fenster -------------------------------------------------------------------------------

void TSchule::FensterAnmelden(TFenster* fenster) {
  if (!fenster || FensterAngemeldet(fenster)) return;
  fFensterListe.push_back(fenster);
  if (TFensterDienst* dienst = FensterDienst()) dienst->FensterAnmelden(fenster);
}

void TSchule::FensterAbmelden(TFenster* fenster) {
  if (!fenster) return;
  const bool warAngemeldet = FensterAngemeldet(fenster);
  std::erase(fFensterListe, fenster);
  for (TFenster* TSchule::*platz : FensterPlaetze())
    if (this->*platz == fenster) this->*platz = nullptr;
  if (fAktivesFenster == fenster) fAktivesFenster = nullptr;
  if (TFensterDienst* dienst = FensterDienst(); dienst && warAngemeldet)
    dienst->FensterAbmelden(fenster);
}

bool TSchule::FensterAngemeldet(const TFenster* fenster) const {
  return fenster &&
         std::find(fFensterListe.begin(), fFensterListe.end(), fenster) != fFensterListe.end();
}

void TSchule::FensterAktivieren(TFenster* fenster) {
  fAktivesFenster = fenster;
  if (TFensterDienst* dienst = FensterDienst()) dienst->FensterAktiviert(fenster);
}

bool TSchule::FensterOffen(const TFenster* fenster) const {
  if (!fenster) return false;
  if (FensterAngemeldet(fenster)) return true;
  for (TFenster* TSchule::*platz : FensterPlaetze())
    if (this->*platz == fenster) return true;
  return false;
}

void TSchule::FensterMelden(const TModellAenderung& aenderung) {
  const std::vector<TFenster*> kopie = fFensterListe;
  for (TFenster* f : kopie)
    if (FensterAngemeldet(f)) f->Geaendert(aenderung);
}

void TSchule::AlleFensterUpdate() {
  TDirtyBewahrer bewahrer;
  TFensterDienst* dienst = FensterDienst();
  if (dienst) dienst->HintergrundNachHinten();
  const std::vector<TFenster*> kopie = fFensterListe;
  for (TFenster* f : kopie) {
    // Ein Fenster kann sich beim Neuaufbau eines anderen geschlossen haben.
    if (!FensterOffen(f)) continue;
    if (AlleFensterUpdateArt(f->FensterArt())) f->FensterUpdate();
    if (dienst && FensterOffen(f)) dienst->FensterNachVorne(f);
  }
  if (dienst) dienst->PaletteNachVorne();
}

void TSchule::AlleFensterSchliessen() {
  std::vector<TFenster*> zu;
  auto merke = [&zu](TFenster* f) {
    if (f && std::find(zu.begin(), zu.end(), f) == zu.end()) zu.push_back(f);
  };
  for (TFenster* TSchule::*platz : FensterPlaetze()) merke(this->*platz);
  for (TFenster* f : fFensterListe) merke(f);
  // Jedes Fenster genau einmal; eines, das sich nicht abmeldet, wird trotzdem vergessen.
  for (TFenster* f : zu) {
    f->Schliessen();
    FensterAbmelden(f);
  }
  fFensterListe.clear();
  fAktivesFenster = nullptr;
}

// --- Vertretungen --------------------------------------------------------------------------

TVertretung* TSchule::VertretungAufnehmen(
    std::unique_ptr<TVertretung> v, const TEigenListe<TVertretung>::ListeVergleich& vergleich) {
  TVertretung* roh = v.get();
  if (!roh) return nullptr;
  if (roh->fSetzung) roh->fSetzung->fVertretungen.ListeAnhaengen(roh);
  if (vergleich)
    fVertretungsMenge.ListeEinfuegen(std::move(v), vergleich);
  else
    fVertretungsMenge.ListeAnhaengen(std::move(v));
  SetDirty(true);
  return roh;
}

void TSchule::VertretungLoeschen(TVertretung* v) {
  if (!v || !fVertretungsMenge.ListeElemEnthalten(v)) return;
  v->fStattListe.ListeLeeren();
  if (TFenster* f = v->fFenster) {
    v->fFenster = nullptr;
    f->Schliessen();
  }
  if (v->fVon && v->fVon->fZu == v) v->fVon->fZu = nullptr;
  v->fVon = nullptr;
  TVertretung* partner = (v->fZu && v->fZu->fVon == v) ? v->fZu : nullptr;
  v->fZu = nullptr;
  if (partner) {
    partner->fVon = nullptr;
    VertretungLoeschen(partner);
  }
  // Kein Verweis darf auf die zerstörte Vertretung zeigen, auch kein einseitiger.
  for (TVertretung* w : fVertretungsMenge) {
    if (w->fVon == v) w->fVon = nullptr;
    if (w->fZu == v) w->fZu = nullptr;
  }
  // Was die Vertretung dem Vertreter gutgeschrieben hat, geht mit ihr, auf welchem Weg sie auch
  // verschwindet (Tagesplan, Abwesenheit, Stunde verschoben oder entfernt, Kalender). Gebucht
  // wird hier, beim Löschen aus dem Modell, nie beim Abbau der Schule.
  const TDateTime datum = v->fDatum;
  VertreterAusbuchen(v);
  if (v->fSetzung) v->fSetzung->fVertretungen.ListeElemEntfernen(v);
  fVertretungsMenge.ListeElemEntfernen(v);
  SetDirty(true);
  TagNeuAufbauen(datum);
}

// --- Abwesenheiten -------------------------------------------------------------------------

TEigenListe<TFehl>* TSchule::FehlMenge(TKuerzelArt art) {
  switch (art) {
    case leh:
      return &fFehlLehrerMenge;
    case kla:
      return &fFehlKlassenMenge;
    case rau:
      return &fFehlRaumMenge;
    default:
      return nullptr;
  }
}

std::string TSchule::FehlGrund(TDateTime datum, const TPlanElement* element) const {
  if (!element) return "(-)";
  const TEigenListe<TFehl>* menge = const_cast<TSchule*>(this)->FehlMenge(element->Art());
  if (!menge) return "(-)";
  const TFehl* letzte = nullptr;
  for (const TFehl* f : *menge)
    if (f->fElement == element && std::floor(f->fDatum) == std::floor(datum)) letzte = f;
  if (!letzte) return "(-)";
  return "(" + letzte->fGrund.str() + ")";
}

// --- Änderungskennzeichen ------------------------------------------------------------------

TDirtyBewahrer::TDirtyBewahrer() : fAlt(SchuleVorhanden() && Schule().fDirty) {}

TDirtyBewahrer::~TDirtyBewahrer() {
  if (SchuleVorhanden() && Schule().fDirty != fAlt) Schule().SetDirty(fAlt);
}
