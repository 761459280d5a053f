#include "planning/ManuellUnit.h"

#include <algorithm>

#include "model/KlassenUnit.h"
#include "model/KopplUnit.h"
#include "model/KursUnit.h"
#include "model/LehrerUnit.h"
#include "model/RaumUnit.h"
#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"

int ManTafelZahl(int manArt) {
  switch (manArt) {
    case 1:
    case 2:
      return 2;
    case 3:
    case 4:
      return 3;
    case 5:
      return 4;
    default:
      return 1;
  }
}

namespace {
bool Zelle(int tag, int std) {
  return tag >= 1 && tag <= MaxTage && std >= 1 && std <= MaxStunden;
}

std::size_t Index(int tag, int std) {
  return static_cast<std::size_t>((tag - 1) * MaxStunden + (std - 1));
}

TMenueEintrag Eintrag(std::string text, void* objekt, std::function<void()> aktion,
                      bool haken = false) {
  TMenueEintrag e;
  e.Text = std::move(text);
  e.Objekt = objekt;
  e.Haken = haken;
  e.Aktion = std::move(aktion);
  return e;
}

// Die Kurse, deren Elemente die Menüs der linken Spalte nennen: die ganze Kopplung des Kurses,
// sonst der Kurs allein.
std::vector<TKurs*> KurseDerKopplung(TKurs* kurs) {
  if (!kurs) return {};
  if (kurs->fKopplung) return kurs->fKopplung->fKurse.Kopie();
  return {kurs};
}

template <class T>
void EinmalAnhaengen(std::vector<T*>& v, T* e) {
  if (e && std::find(v.begin(), v.end(), e) == v.end()) v.push_back(e);
}

bool Blockiert(TKonfliktArt a) {
  return a == kuSp || a == leSp || a == klSp || a == raSp;
}

template <class T>
bool ElementDa(const TEigenListe<T>& menge, const TPlanElement* e) {
  for (const T* x : menge)
    if (static_cast<const TPlanElement*>(x) == e) return true;
  return false;
}

// Lange Menüs in Spalten.
TMenue Umbrochen(TMenue menue) {
  SpaltenUmbrechen(menue, ElementSpaltenLaenge(static_cast<int>(menue.size())));
  return menue;
}
}  // namespace

// ---- Liste und aktueller Kurs ----

TManuellPlanung::TManuellPlanung(const std::vector<TKurs*>& kurse, bool ohneKonflikte)
    : fOhneKonflikte(ohneKonflikte) {
  for (TKurs* k : kurse) KursAufnehmen(k);
  SetzeAktuellenKurs(fKurse.ListeNrInhalt(1));
}

TManuellPlanung::~TManuellPlanung() = default;

void TManuellPlanung::SetzeAktuellenKurs(TKurs* kurs) {
  TManuellProtokoll::SetzeAktuellenKurs(kurs);
  fKlasse = kurs ? kurs->fKlassen.ListeNrInhalt(1) : nullptr;
  fKopplung = kurs ? kurs->fKopplung : nullptr;
  fRaum = nullptr;
  if (kurs) {
    fRaum = kurs->VerplanterRaum();
    if (!fRaum) fRaum = kurs->fRaeume.ListeNrInhalt(1);
  }
  TafelnBelegen();
  fVeraltet = true;
  Anzeigen();
}

void TManuellPlanung::Zeigen(TKurs* kurs) {
  if (!kurs) return;
  KursAufnehmen(kurs);
  if (kurs != fKurs) SetzeAktuellenKurs(kurs);
}

void TManuellPlanung::TafelnBelegen() {
  std::vector<TPlanElement*> elemente;
  if (fKurs) {
    if (fKlasse) elemente.push_back(fKlasse);
    if (fKurs->fLehrer) elemente.push_back(fKurs->fLehrer);
    if (fRaum) elemente.push_back(fRaum);
  }
  const int n = std::min(3, ManTafelZahl(Standard().fManArt));
  for (int i = 0; i < n; ++i)
    fTafeln[static_cast<std::size_t>(i)] =
        i < static_cast<int>(elemente.size()) ? elemente[static_cast<std::size_t>(i)] : nullptr;
  fAktiv = 1;
}

void TManuellPlanung::Anzeigen() {
  if (fAnzeigen) fAnzeigen();
}

void TManuellPlanung::VerweisePruefen() {
  if (!SchuleVorhanden()) return;
  const TSchule& s = Schule();
  // Ein gelöschtes Element ist schon zerstört: nur nach seiner Adresse in den Listen suchen.
  for (TPlanElement*& e : fTafeln)
    if (e && !ElementDa(s.fLehrerMenge, e) && !ElementDa(s.fKlassenMenge, e) &&
        !ElementDa(s.fRaumMenge, e))
      e = nullptr;
  if (fRaum &&
      (!ElementDa(s.fRaumMenge, fRaum) || !fKurs || fKurs->fRaeume.ListeElemNr(fRaum) == 0))
    fRaum = nullptr;
  fKlasse = fKurs ? fKurs->fKlassen.ListeNrInhalt(1) : nullptr;
  if (!fKurs || (fKopplung && fKopplung != fKurs->fKopplung)) fKopplung = nullptr;
  fVeraltet = true;
}

// ---- Konflikte ----

void TManuellPlanung::KonflUpdate(TToolArt tool) {
  if (tool == TToolArt::SetzTool) fAlleKonflikte = false;
  if (tool == TToolArt::SchiebTool) fAlleKonflikte = true;
  fVeraltet = true;
}

const TKonfliktListe& TManuellPlanung::Konflikte(int tag, int std) {
  static const TKonfliktListe leer;
  if (!Zelle(tag, std)) return leer;
  if (fVeraltet) KonflikteBerechnen();
  return fKonflikte[Index(tag, std)];
}

void TManuellPlanung::KonflikteBerechnen() {
  fVeraltet = false;
  for (TKonfliktListe& l : fKonflikte) l.ListeLeeren();
  if (!fKurs || fOhneKonflikte) return;
  const TStandard& s = Standard();
  const int tage = std::clamp(s.fMaxTageNeu, 1, MaxTage);
  const int stunden = std::clamp(s.fPlnStd, 1, MaxStunden);
  // Die anderen Kurse der Kopplung, die ein Setzen mitsetzt: jeder, der in einer der Wochen
  // offene Stunden hat (mit "Schieben" alle).
  const TWochenSpanne spanne = WochenArgument(-1);
  const auto wirdMitgesetzt = [&spanne](const TKurs* k) {
    if (k->fNichtVerplanen) return false;
    for (int w = spanne.von; w <= spanne.bis; ++w)
      if (k->RestStunden(w) > 0) return true;
    return false;
  };
  std::vector<TKurs*> andere;
  if (fKopplung)
    for (TKurs* k : fKopplung->fKurse)
      if (k != fKurs && (fAlleKonflikte || wirdMitgesetzt(k))) andere.push_back(k);
  for (int t = 1; t <= tage; ++t)
    for (int h = 1; h <= stunden; ++h) {
      TKonfliktListe& liste = fKonflikte[Index(t, h)];
      fKurs->ManKonfliktListe(t, h, liste, fRaum);
      for (TKurs* k : andere) {
        k->ManKonfliktListe(t, h, liste, nullptr);
        k->ManKoRaumKonflikt(t, h, liste);
      }
    }
}

// ---- Zahlen ----

int TManuellPlanung::Stunden() const {
  return fKurs ? fKurs->fStunden.GetWochenStunde(-1) : 0;
}

int TManuellPlanung::Rest() const {
  return fKurs ? fKurs->RestStunden(-1) : 0;
}

bool TManuellPlanung::Offen(const TKurs* kurs) {
  return kurs && !kurs->fNichtVerplanen && kurs->RestStunden(-1) > 0;
}

bool TManuellPlanung::OffeneKurse() const {
  for (const TKurs* k : fKurse)
    if (Offen(k)) return true;
  return false;
}

bool TManuellPlanung::SchliessenErlaubt() const {
  if (!OffeneKurse()) return true;
  return Dialog().Frage(
             "Manuellfenster schließen",
             {"Es sind noch Kurse vorhanden, bei denen", "nicht alle Stunden verplant sind.",
              "Soll das Manuellfenster trotzdem geschlossen werden?"},
             TMeldungsArt::Frage, {"Ja", "Nein"}, 0, 1) == 0;
}

// ---- Wahl in der linken Spalte ----

void TManuellPlanung::RaumWaehlen(TRaum* raum) {
  if (!raum)
    fRaum = nullptr;
  else if (fKurs && fKurs->fRaeume.ListeElemNr(raum) > 0)
    fRaum = raum;
  fVeraltet = true;
  Anzeigen();
}

void TManuellPlanung::KopplungWaehlen(bool mitKopplung) {
  fKopplung = (mitKopplung && fKurs) ? fKurs->fKopplung : nullptr;
  fVeraltet = true;
  Anzeigen();
}

void TManuellPlanung::TafelZeigen(TPlanElement* element) {
  if (fAktiv < 1 || fAktiv > ManMaxTafeln) fAktiv = 1;
  fTafeln[static_cast<std::size_t>(fAktiv - 1)] = element;
  Anzeigen();
}

void TManuellPlanung::TafelAktivieren(int nr) {
  if (nr < 1 || nr > ManTafelZahl(Standard().fManArt) || nr == fAktiv) return;
  fAktiv = nr;
  Anzeigen();
}

// ---- Gesten ----

bool TManuellPlanung::Setzen(int tag, int std) {
  if (!fKurs || !Zelle(tag, std)) return false;
  // Liegt der Kurs schon dort, gibt es nichts zu setzen (und nichts zu verdrängen).
  if (fKurs->fBesetzung.GetWocheTagStd(-1, tag, std)) return false;
  TKurs* kurs = fKurs;
  TKopplung* kopplung = fKopplung;
  // Der gewählte Raum kann dem Kurs inzwischen genommen sein ("nicht belegte Räume", Kursfenster):
  // dann "ohne".
  if (fRaum && kurs->fRaeume.ListeElemNr(fRaum) == 0) fRaum = nullptr;
  TRaum* raum = fRaum;
  bool passt = false;
  if (!fOhneKonflikte) {
    // Die gezeigten Konflikte können älter sein als der Plan (ein Kurs der Kopplung ist seitdem
    // wieder offen und würde mitgesetzt): geprüft wird mit frisch berechneten.
    fVeraltet = true;
    passt = kurs->ManPasstIn(tag, std, Konflikte(tag, std));
  } else {
    TKonfliktListe liste;
    passt = kurs->ManOhneKonflPasstIn(tag, std, liste, kopplung != nullptr, raum);
  }
  if (!passt) return false;
  const TWochenSpanne spanne = WochenArgument(-1);
  for (int w = spanne.von; w <= spanne.bis; ++w) {
    kurs->NeueSetzung(w, tag, std, raum);
    if (!kopplung) continue;
    // Ein Lehrer gibt nur eine Stunde zugleich: hat er zwei Kurse der Kopplung ("Lehrer doppelt
    // in Kopplung"), bleibt der zweite ungesetzt, statt den Lehrer doppelt zu belegen.
    for (TKurs* k : kopplung->fKurse.Kopie())
      if (k != kurs && !(k->fLehrer && k->fLehrer->fBesetzung.GetWocheTagStd(w, tag, std)))
        k->NeueSetzung(w, tag, std, k->FreierRaum(w, tag, std));
  }
  fVeraltet = true;
  return true;
}

bool TManuellPlanung::SchiebSetzen(int tag, int std) {
  if (!Setzen(tag, std)) return false;
  if (!Offen(fKurs)) NaechsterOffenerKurs();
  return true;
}

bool TManuellPlanung::Ablegen(int zielTag, int zielStd, int startTag, int startStd) {
  if (!fKurs || !Zelle(zielTag, zielStd) || !Zelle(startTag, startStd)) return false;
  if (zielTag == startTag && zielStd == startStd) return false;
  if (fKurs->fBesetzung.GetWocheTagStd(-1, zielTag, zielStd)) return false;
  TKurs* kurs = fKurs;
  const bool mitKopplung = fKopplung != nullptr;
  if (fRaum && kurs->fRaeume.ListeElemNr(fRaum) == 0) fRaum = nullptr;  // wie beim Setzen
  TRaum* raum = fRaum;
  TKonfliktListe liste;
  if (!kurs->PasstInMitRaum(zielTag, zielStd, startTag, startStd, liste, mitKopplung, raum))
    return false;
  kurs->SchiebeMitRaum(zielTag, zielStd, startTag, startStd, mitKopplung, raum);
  fVeraltet = true;
  NaechsterOffenerKurs();
  return true;
}

void TManuellPlanung::Loeschen(TKurs* kurs, int tag, int std, bool nurRaum) {
  if (!kurs || !Zelle(tag, std)) return;
  KursAufnehmen(kurs);
  StundeLoeschen(kurs, tag, std, nurRaum);
  fVeraltet = true;
  Anzeigen();
}

void TManuellPlanung::Fixieren(TKurs* kurs, int tag, int std) {
  if (!kurs || !Zelle(tag, std)) return;
  std::vector<TKurs*> kurse;
  if (fKopplung && kurs->fKopplung)
    kurse = kurs->fKopplung->fKurse.Kopie();
  else
    kurse.push_back(kurs);
  const TWochenSpanne spanne = WochenArgument(-1);
  bool geaendert = false;
  for (int w = spanne.von; w <= spanne.bis; ++w)
    for (TKurs* k : kurse)
      if (TSetzung* s = k->SetzungFinden(w, tag, std)) {
        s->fFixiert = !s->fFixiert;
        geaendert = true;
      }
  if (!geaendert) return;
  fVeraltet = true;
  for (TKurs* k : kurse) k->PlanRefresh();
  SchuleGeaendert();
}

void TManuellPlanung::NaechsterOffenerKurs() {
  Blaettern(1, true);
}

void TManuellPlanung::Blaettern(int richtung, bool nurOffene) {
  const int n = fKurse.ListeZahlElemente();
  if (n == 0 || richtung == 0) return;
  const int schritt = richtung > 0 ? 1 : -1;
  int pos = fKurse.ListeElemNr(fKurs);
  if (pos == 0) pos = schritt > 0 ? n : 1;  // ohne aktuellen Kurs: vom Rand der Liste aus
  for (int i = 1; i <= n; ++i) {
    const int p = ((pos - 1 + schritt * i) % n + n) % n + 1;
    TKurs* k = fKurse.ListeNrInhalt(p);
    if (nurOffene && !Offen(k)) continue;
    if (k != fKurs) SetzeAktuellenKurs(k);
    return;
  }
}

// ---- Menüs ----

TMenue TManuellPlanung::KursMenue() {
  TMenue menue;
  for (TKurs* k : fKurse.Kopie()) {
    std::string text = k->WertText(-1) + " (" + ZahlText(k->fStunden.GetWochenStunde(-1)) + ") " +
                       k->MitRaumZeile();
    if (k->RestStunden(-1) <= 0) text = "<" + text + ">";
    menue.push_back(Eintrag(
        U8(text), k, [this, k] { Zeigen(k); }, k == fKurs));
  }
  return Umbrochen(std::move(menue));
}

TMenue TManuellPlanung::LehrerMenue() {
  std::vector<TLehrer*> lehrer;
  for (TKurs* k : KurseDerKopplung(fKurs)) EinmalAnhaengen(lehrer, k->fLehrer);
  TMenue menue;
  for (TLehrer* l : lehrer)
    menue.push_back(Eintrag(
        U8(l->fKuerzel.str()), l, [this, l] { TafelZeigen(l); }, l == fKurs->fLehrer));
  return Umbrochen(std::move(menue));
}

TMenue TManuellPlanung::KlassenMenue() {
  std::vector<TKlasse*> klassen;
  for (TKurs* k : KurseDerKopplung(fKurs))
    for (TKlasse* kl : k->fKlassen) EinmalAnhaengen(klassen, kl);
  TMenue menue;
  for (TKlasse* kl : klassen)
    menue.push_back(Eintrag(
        U8(kl->fKuerzel.str()), kl, [this, kl] { TafelZeigen(kl); },
        fKurs->fKlassen.ListeElemNr(kl) > 0));
  return Umbrochen(std::move(menue));
}

TMenue TManuellPlanung::RaumMenue() {
  TMenue menue;
  if (!fKurs) return menue;
  menue.push_back(Eintrag("ohne", nullptr, [this] { RaumWaehlen(nullptr); }));
  std::vector<TRaum*> raeume;
  for (TKurs* k : KurseDerKopplung(fKurs))
    for (TRaum* r : k->fRaeume) EinmalAnhaengen(raeume, r);
  for (TRaum* r : raeume)
    menue.push_back(Eintrag(
        U8(r->fKuerzel.str()), r,
        [this, r] {
          RaumWaehlen(r);
          TafelZeigen(r);
        },
        fKurs->fRaeume.ListeElemNr(r) > 0));
  return Umbrochen(std::move(menue));
}

TMenue TManuellPlanung::FachMenue() {
  std::vector<TFach*> faecher;
  for (TKurs* k : KurseDerKopplung(fKurs)) EinmalAnhaengen(faecher, k->fFach);
  TMenue menue;
  for (TFach* f : faecher)
    menue.push_back(Eintrag(U8(f->fKuerzel.str()), f, {}, f == fKurs->fFach));
  return Umbrochen(std::move(menue));
}

TMenue TManuellPlanung::KopplungsMenue() {
  TMenue menue;
  if (!fKurs || !fKurs->fKopplung) return menue;
  TKopplung* kopplung = fKurs->fKopplung;
  menue.push_back(Eintrag("ohne", nullptr, [this] { KopplungWaehlen(false); }));
  menue.push_back(
      Eintrag(U8(kopplung->fKuerzel.str()), kopplung, [this] { KopplungWaehlen(true); }));
  for (TKurs* k : kopplung->fKurse.Kopie())
    menue.push_back(Eintrag(
        U8(k->MitRaumZeile()), k, [this, k] { Zeigen(k); }, k == fKurs));
  return Umbrochen(std::move(menue));
}

TMenue TManuellPlanung::KonfliktMenue(int tag, int std) {
  TMenue menue;
  for (const TKonflikt* c : Konflikte(tag, std)) {
    TKurs* kurs = c->fKurs;
    const std::string kurz = kurs ? "[" + kurs->KurzZeile(c->fWoche, tag, std) + "]" : "";
    std::string text = "{" + ZahlText(c->fWoche);
    switch (c->fArt) {
      case kuSp:
        text += kurs == fKurs ? "} Kurs gesperrt " + kurz : "} gekoppelter Kurs gesperrt " + kurz;
        break;
      case leSp:
      case klSp:
      case raSp:
        text += "} " + (c->fElement ? c->fElement->fKuerzel.str() : std::string()) + " gesperrt";
        kurs = nullptr;
        break;
      case leFx:
      case klFx:
      case raFx:
        text += "} fixiert " + kurz;
        break;
      case leBe:
      case klBe:
      case raBe:
        text += "} besetzt " + kurz;
        break;
      case koRa:
        text += "} kein Raum frei " + kurz;
        break;
    }
    std::function<void()> aktion;
    if (kurs) aktion = [this, kurs] { Zeigen(kurs); };
    menue.push_back(Eintrag(U8(text), kurs, std::move(aktion)));
  }
  return Umbrochen(std::move(menue));
}

TMenue TManuellPlanung::StundenMenue(TPlanElement* element, int tag, int std, bool mitInfo) {
  TMenue menue;
  if (!element) return menue;
  const TRaum* filter = element->Art() == rau ? static_cast<const TRaum*>(element) : nullptr;
  element->ErzeugePlnMenu(menue, mitInfo, tag, std, filter, element->Art());
  // Statt den Kurs im Klassenplan zu zeigen, wird er hier der aktuelle.
  for (TMenueEintrag& e : menue) {
    auto* kurs = static_cast<TKurs*>(e.Objekt);
    e.Aktion = [this, kurs] { Zeigen(kurs); };
  }
  return Umbrochen(std::move(menue));
}

// ---- Probe ----

std::vector<std::pair<int, int>> TManuellPlanung::Probe(
    const std::function<TKurs*(int, int)>& zellKurs, int tage, int stunden, int tag, int std,
    bool ohneRaum) {
  std::vector<std::pair<int, int>> zellen;
  if (!zellKurs || !Zelle(tag, std)) return zellen;
  TKurs* gehoben = zellKurs(tag, std);
  if (gehoben) gehoben->AendereBesetzung(-1, tag, std, false, true);
  auto passt = [&](const TKurs* k, int t, int h) {
    const bool mitRaum = !ohneRaum && fRaum && k->fRaeume.ListeElemNr(fRaum) > 0 &&
                         k->fBesetzung.GetWocheTagStd(-1, t, h);
    return k->SetzungPossible(-1, tag, std, mitRaum ? fRaum : nullptr);
  };
  for (int h = 1; h <= stunden; ++h)
    for (int t = 1; t <= tage; ++t) {
      const TKurs* kurs = zellKurs(t, h);
      if (!kurs) continue;
      bool ok = true;
      if (!kurs->fKopplung) {
        ok = passt(kurs, t, h);
      } else {
        for (const TKurs* k : GekoppeltInZelle(kurs->fKopplung, -1, t, h))
          ok = ok && passt(k, t, h);
      }
      if (ok) zellen.emplace_back(t, h);
    }
  if (gehoben) gehoben->AendereBesetzung(-1, tag, std, true, true);
  return zellen;
}

// ---- Zeichen ----

bool TManuellPlanung::EigeneStunde(const TPlanElement* element, int tag, int std) const {
  if (!fKurs || !element) return false;
  const TSetzung* s = fKurs->SetzungFinden(Standard().fAktuelleWoche, tag, std);
  if (!s) return false;
  switch (element->Art()) {
    case leh:
      return element == fKurs->fLehrer;
    case kla:
      return fKurs->fKlassen.ListeElemNr(static_cast<const TKlasse*>(element)) > 0;
    case rau:
      return s->fRaum == element;
    default:
      return false;
  }
}

TManZeichen TManuellPlanung::Zeichen(const TPlanElement* element, const TKurs* zellKurs,
                                     bool gesperrt, int tag, int std) {
  TManZeichen z;
  if (!fKurs || !Zelle(tag, std)) return z;
  if (zellKurs && EigeneStunde(element, tag, std)) {
    z.Streifen = TManStreifen::Eigener;
    return z;
  }
  if (zellKurs && fKopplung && zellKurs->fKopplung == fKopplung) {
    z.Streifen = TManStreifen::Gekoppelt;
    return z;
  }
  const TKonfliktListe& liste = Konflikte(tag, std);
  if (!zellKurs) {
    bool blockiert = false;
    for (const TKonflikt* c : liste) blockiert = blockiert || Blockiert(c->fArt);
    if (blockiert) {
      z.Schraffur = true;
      return z;
    }
  }
  // Eine gesperrte Zelle ohne Stunde ist schon grau; Marken gibt es dort nicht.
  if (gesperrt && !zellKurs) return z;
  std::vector<const void*> gezeigt;
  std::vector<const void*> ohneRaum;
  for (const TKonflikt* c : liste) {
    if (Blockiert(c->fArt) || !c->fKurs) continue;
    const void* schluessel =
        c->fKurs->fKopplung ? static_cast<const void*>(c->fKurs->fKopplung) : c->fKurs;
    TManMarke m;
    m.Gekoppelt = c->fKurs->fKopplung != nullptr;
    if (c->fArt == koRa) {
      if (std::find(ohneRaum.begin(), ohneRaum.end(), schluessel) != ohneRaum.end()) continue;
      ohneRaum.push_back(schluessel);
      m.Art = TManMarkenArt::KeinRaum;
    } else {
      if (std::find(gezeigt.begin(), gezeigt.end(), schluessel) != gezeigt.end()) continue;
      gezeigt.push_back(schluessel);
      m.Art = (c->fArt == leFx || c->fArt == klFx || c->fArt == raFx) ? TManMarkenArt::Fixiert
                                                                      : TManMarkenArt::Besetzt;
    }
    z.Marken.push_back(m);
  }
  return z;
}

// ---- Öffnen ----

void TSchule::ManuellRechnung(bool ohneKonflikte) {
  if (!fAktivesFenster) return;
  std::vector<TKurs*> kurse;
  for (TKurs* k : fAktivesFenster->AusgewaehlteKurse())
    if (k && !k->fNichtVerplanen && fKursMenge.ListeElemNr(k) > 0) EinmalAnhaengen(kurse, k);
  if (kurse.empty()) return;
  TDirtyBewahrer bewahrer;
  TFensterDienst* dienst = FensterDienst();
  if (!dienst) return;
  if (fManuellForm)
    dienst->FensterNachVorne(fManuellForm);
  else
    dienst->ManuellFensterOeffnen(kurse, ohneKonflikte);
}
