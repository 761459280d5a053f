#include "substitution/VWahlUnit.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "model/DatumUnit.h"
#include "model/FachUnit.h"
#include "model/KlassenUnit.h"
#include "model/KopplUnit.h"
#include "model/KursUnit.h"
#include "model/LehrerUnit.h"
#include "model/RaumUnit.h"
#include "model/SchulUnit.h"
#include "planning/SetzungUnit.h"
#include "settings/StandardUnit.h"
#include "substitution/KalenderUnit.h"
#include "substitution/VertretungUnit.h"

namespace {
TDateTime Mittag(TDateTime d) {
  return std::floor(d) + 0.5;
}

std::string Kuerzel(const TElement* e) {
  return e ? e->fKuerzel.str() : std::string();
}

std::string StundenBez(int woche, int std) {
  if (woche < 1 || woche > 54 || std < 1 || std > 16) return {};
  return Standard().fStdBez[woche][std].str();
}

TKlasse* ErsteKlasse(const TKurs* k) {
  return k && !k->fKlassen.empty() ? k->fKlassen[0] : nullptr;
}

bool Gelistet(const TVertretung* v) {
  return v && Schule().fVertretungsMenge.ListeElemEnthalten(v);
}

// Die Stunden (Bit h-1), in denen am Tag eine gültige Vertretung außer "ohne" den Lehrer als
// Vertreter bzw. den Raum nutzt: einmal für alle Zeilen statt je Zeile über alle Vertretungen.
std::map<const TPlanElement*, unsigned> SchonEingesetzt(TDateTime datum, bool lehrer,
                                                        const TVertretung* ohne) {
  std::map<const TPlanElement*, unsigned> belegt;
  for (const TVertretung* v : Schule().fVertretungsMenge) {
    if (v == ohne || !v->fGueltig || !v->fSetzung || !GleicherTag(v->fDatum, datum)) continue;
    const int h = v->fSetzung->fStunde;
    if (h < 1 || h > 16) continue;
    if (lehrer) {
      if (v->fLehrer && v->fKurs && v->fKurs->fLehrer != v->fLehrer)
        belegt[v->fLehrer] |= 1u << (h - 1);
    } else if (v->fRaum) {
      belegt[v->fRaum] |= 1u << (h - 1);
    }
  }
  return belegt;
}

bool Unterricht(char c) {
  return c == 'E' || c == 'G' || c == 'K' || c == 'L';
}

// Der Tagesstreifen eines Elements mit Grün (schon eingesetzt) und Rot (Klassen fehlen).
std::array<TVWahlStunde, 16> Streifen(const TPlanElement* e, int woche, int tag, TDateTime datum,
                                      unsigned gruen) {
  std::array<TVWahlStunde, 16> s{};
  const std::string sv = e->SVZeile(woche, tag);
  for (int h = 1; h <= 16; ++h) {
    TVWahlStunde& st = s[h - 1];
    st.Zeichen = sv[h - 1];
    st.Gruen = (gruen >> (h - 1)) & 1u;
    if (Unterricht(st.Zeichen)) {
      const TKurs* k = e->FindeKurs(woche, tag, h);
      st.Rot = k && AlleKlassenAbwesend(k, datum, h);
    }
  }
  return s;
}

// Vor dem Kalender gibt es keine Planversion: der Tag taugt für keine Statt-Stunde.
bool VorDemKalender(TDateTime datum) {
  return KalenderIndex(datum) < 0;
}
}  // namespace

// --- Zeigen ----------------------------------------------------------------------------------

void TVWahl::Loesen() {
  if (fVertretung && fVertretung->fFenster == fFenster) fVertretung->fFenster = nullptr;
  fVertretung = nullptr;
}

void TVWahl::IVWahlForm(TVertretung* vertretung) {
  if (fVertretung != vertretung) Loesen();
  if (!vertretung) return;
  fVertretung = vertretung;
  fVertretung->fFenster = fFenster;
  fDatum = Mittag(fVertretung->fDatum);
  const TSetzung* p = fVertretung->fSetzung;
  fWoche = p ? p->fWoche : 0;
  fTag = p ? p->fTag : 0;
  fStd = p ? p->fStunde : 0;
  const TDatum d = ZahlZuDatum(fDatum);
  for (TLehrer* l : Schule().fLehrerMenge) l->VStunden3Waehlen(d.Jahr, d.Monat);
  const TKurs* k = fVertretung->fKurs;
  fLehrerModus = !(k && p && fVertretung->fLehrer == k->fLehrer && fVertretung->fRaum != p->fRaum);
}

// --- Felder ----------------------------------------------------------------------------------

std::string TVWahl::StdText() const {
  if (!fVertretung) return {};
  return U8(fVertretung->ZeitZeile(false) + "  " + fVertretung->KursZeile(false));
}

namespace {
std::string FeldText(const TVertretung* v, const TElement* e) {
  if (!v) return {};
  if (v->fFrei) return "-----";
  return e ? U8(e->fKuerzel.str()) : "ohne";
}

std::string PartnerText(const TVertretung* p) {
  if (!p) return {};
  return U8(p->ZeitZeile(false) + "  " + p->KursZeile(false));
}
}  // namespace

std::string TVWahl::LehrerText() const {
  return FeldText(fVertretung, fVertretung ? fVertretung->fLehrer : nullptr);
}
std::string TVWahl::FachText() const {
  return FeldText(fVertretung, fVertretung ? fVertretung->fFach : nullptr);
}
std::string TVWahl::RaumText() const {
  return FeldText(fVertretung, fVertretung ? fVertretung->fRaum : nullptr);
}
std::string TVWahl::StattText() const {
  return fVertretung ? PartnerText(fVertretung->fZu) : std::string();
}
std::string TVWahl::VerlegtText() const {
  return fVertretung ? PartnerText(fVertretung->fVon) : std::string();
}
bool TVWahl::StattMenuSichtbar() const {
  return fVertretung && fVertretung->fLehrer && !fVertretung->fZu;
}

std::string TVWahl::AuswahlText(int auswahl) {
  switch (auswahl) {
    case 0:
      return "gleiche Klasse";
    case 1:
      return "gleiches Fach";
    default:
      return "alle Lehrer";
  }
}

std::string TVWahl::VStdText(int auswahl) {
  switch (auswahl) {
    case 0:
      return "V-Std. 1";
    case 1:
      return "V-Std 2";
    default:
      return "Monatsstd.";
  }
}

// --- Tagesplan -------------------------------------------------------------------------------

TPlanElement* TVWahl::PlanElement() const {
  if (!fVertretung || !fVertretung->fKurs) return nullptr;
  if (Standard().fVertrPlnAuswahl == 1) return ErsteKlasse(fVertretung->fKurs);
  return fVertretung->fLehrer ? fVertretung->fLehrer : fVertretung->fKurs->fLehrer;
}

int TVWahl::PlanStunde(int zeile) {
  return zeile >= 1 && zeile <= 16 ? zeile : 0;
}

std::vector<TVWahlPlanZeile> TVWahl::TagesPlan() const {
  std::vector<TVWahlPlanZeile> zeilen(16);
  const TPlanElement* e = PlanElement();
  const bool klassenPlan = Standard().fVertrPlnAuswahl == 1;
  for (int h = 1; h <= 16; ++h) {
    TVWahlPlanZeile& z = zeilen[h - 1];
    z.Stunde = StundenBez(fWoche, h);
    z.Rot = h == fStd;
    // Ohne Element (Kurs ohne Klassen oder ohne Lehrer) bleibt jede Stunde "-".
    if (!e || fWoche < 1) continue;
    if (e->fSperrung.GetWocheTagStd(fWoche, fTag, h)) {
      z.Marke = '*';
      continue;
    }
    if (!e->fBesetzung.GetWocheTagStd(fWoche, fTag, h)) continue;
    z.Marke = '+';
    const auto [kurs, setzung] = e->FindeKursSetzung(fWoche, fTag, h);
    z.Kurs = kurs;
    if (!kurs) continue;
    const TVertretung* r = klassenPlan && setzung ? setzung->VertretungFinden(fDatum) : nullptr;
    if (r) {
      z.Texte = {Kuerzel(r->fLehrer), Kuerzel(r->fFach), Kuerzel(r->fRaum)};
    } else {
      const TElement* erstes = kurs->fKopplung ? static_cast<const TElement*>(kurs->fKopplung)
                               : klassenPlan   ? static_cast<const TElement*>(kurs->fLehrer)
                                               : ErsteKlasse(kurs);
      z.Texte = {Kuerzel(erstes), Kuerzel(kurs->fFach),
                 Kuerzel(setzung ? setzung->fRaum : nullptr)};
    }
  }
  return zeilen;
}

// --- Kandidaten ------------------------------------------------------------------------------

int TVWahl::StreifenStunde(int x) {
  if (x < 1) return 0;
  const int h = (x + 6) / 7;
  return h >= 1 && h <= 16 ? h : 0;
}

std::vector<TVWahlZeile> TVWahl::LehrerListe() const {
  std::vector<TVWahlZeile> liste;
  if (!fVertretung || !fVertretung->fKurs || fWoche < 1) return liste;
  const TStandard& st = Standard();
  const TKurs* kurs = fVertretung->fKurs;
  const TKlasse* klasse = ErsteKlasse(kurs);
  const bool einzeln = kurs->fKlassen.ListeZahlElemente() == 1 && !kurs->fKopplung;
  const auto gruen = SchonEingesetzt(fDatum, true, fVertretung);
  const int w = fWoche, t = fTag, h = fStd;
  const unsigned bit = h >= 1 && h <= 16 ? 1u << (h - 1) : 0u;
  for (TLehrer* l : Schule().fLehrerMenge) {
    const TKurs* dort = l->FindeKurs(w, t, h);
    const bool wurdeFrei = dort && AlleKlassenAbwesend(dort, fDatum, h);
    const auto it = gruen.find(l);
    unsigned schon = it == gruen.end() ? 0u : it->second;
    // Wer in der Stunde schon vertritt, ist so wenig frei wie einer, der unterrichtet.
    if (st.fVertrFreiCheck &&
        ((l->fBesetzung.GetWocheTagStd(w, t, h) && !wurdeFrei) || (schon & bit)))
      continue;
    if (l->fSperrung.GetWocheTagStd(w, t, h)) continue;
    if (l->Abwesend(fDatum, h)) continue;
    const std::string sv = l->SVZeile(w, t);
    if (st.fVertrRandCheck && h >= 1 && h <= 16 && sv[h - 1] == 'F') {
      const bool davorFrei = h == 1 || sv[h - 2] == 'F' || sv[h - 2] == 'S';
      const bool danachFrei = h == 16 || sv[h] == 'F' || sv[h] == 'S';
      if (davorFrei && danachFrei) continue;
    }
    if (st.fVertrLeAuswahl == 0 && (!klasse || !l->HatUnterrichtInKlasse(klasse))) continue;
    if (st.fVertrLeAuswahl == 1 && (!kurs->fFach || !l->fFaecher.ListeElemEnthalten(kurs->fFach)))
      continue;
    TVWahlZeile z;
    z.Element = l;
    z.Kuerzel = l->fKuerzel.str();
    if (l == fVertretung->fLehrer && l != kurs->fLehrer && fVertretung->fGueltig) schon |= bit;
    z.Streifen = Streifen(l, w, t, fDatum, schon);
    const std::int32_t konto = st.fVertrVStdAuswahl == 0   ? l->fVStunden1
                               : st.fVertrVStdAuswahl == 1 ? l->fVStunden2
                                                           : l->fVStunden3;
    z.Konto = StundenText(konto);
    z.Unterstrichen = einzeln && l->HatUnterrichtAmRand(klasse);
    z.Frei = wurdeFrei;
    liste.push_back(std::move(z));
  }
  return liste;
}

std::vector<TVWahlZeile> TVWahl::RaumListe() const {
  std::vector<TVWahlZeile> liste;
  if (!fVertretung || fWoche < 1) return liste;
  const TStandard& st = Standard();
  const auto gruen = SchonEingesetzt(fDatum, false, fVertretung);
  const int w = fWoche, t = fTag, h = fStd;
  const unsigned bit = h >= 1 && h <= 16 ? 1u << (h - 1) : 0u;
  for (TRaum* r : Schule().fRaumMenge) {
    bool besetzt = false;
    for (const TKurs* k : r->fKurse) {
      const TSetzung* p = k->SetzungFinden(w, t, h);
      if (p && p->fRaum == r && !AlleKlassenAbwesend(k, fDatum, h)) besetzt = true;
    }
    const auto it = gruen.find(r);
    unsigned schon = it == gruen.end() ? 0u : it->second;
    if (st.fVertrFreiCheck && (besetzt || (schon & bit))) continue;
    if (r->fSperrung.GetWocheTagStd(w, t, h)) continue;
    if (r->Abwesend(fDatum, h)) continue;
    TVWahlZeile z;
    z.Element = r;
    z.Kuerzel = r->fKuerzel.str();
    if (r == fVertretung->fRaum && fVertretung->fGueltig) schon |= bit;
    z.Streifen = Streifen(r, w, t, fDatum, schon);
    const TKurs* dort = r->FindeKurs(w, t, h);
    z.Frei = dort && AlleKlassenAbwesend(dort, fDatum, h);
    liste.push_back(std::move(z));
  }
  return liste;
}

// --- Statt-Suchen ----------------------------------------------------------------------------

TMenue TVWahl::KlassenStattMenu(TLehrer* lehrer) {
  TMenue menue;
  if (!fVertretung || !lehrer || !fVertretung->fKurs) return menue;
  TVertretung* v = fVertretung;
  v->fStattListe.ListeLeeren();
  const TKurs* kurs = v->fKurs;
  if (kurs->fKlassen.ListeZahlElemente() != 1) return menue;
  TKlasse* klasse = kurs->fKlassen[0];
  const bool besetzt = lehrer->fBesetzung.GetWocheTagStd(fWoche, fTag, fStd);
  const auto geeignet = [](const TSetzung* p, TDateTime e) {
    return !VorDemKalender(e) && !p->UngeeigneterTag(e);
  };
  for (TKurs* k2 : klasse->fKurse) {
    if (k2->fLehrer != lehrer || k2->fKopplung || k2->fKlassen.ListeZahlElemente() >= 2) continue;
    for (TSetzung* p2 : k2->fSetzungen) {
      if (!p2->AmRand(klasse)) continue;
      std::vector<TDateTime> tage;
      for (int p = 0, n = 0; p <= 89 && n < 2; ++p)
        if (geeignet(p2, fDatum - p)) tage.push_back(fDatum - p), ++n;
      for (int p = 1, n = 0; p <= 89 && n < 2; ++p)
        if (geeignet(p2, fDatum + p)) tage.push_back(fDatum + p), ++n;
      for (TDateTime e : tage) {
        auto statt = std::make_unique<TStatt>();
        statt->fLehrer = lehrer;
        statt->fKurs = k2;
        statt->fSetzung = p2;
        statt->fDatum = Mittag(e);
        TStatt* roh = statt.get();
        v->fStattListe.ListeAnhaengen(std::move(statt));
        TMenueEintrag eintrag;
        eintrag.Text = U8(DatumText(e, kKurzesDatum) + "  " + StundenBez(p2->fWoche, p2->fStunde));
        eintrag.Aktiv = !besetzt;
        eintrag.Aktion = [v, lehrer, roh] { v->TrageLehrerEin(lehrer, roh); };
        menue.push_back(std::move(eintrag));
      }
    }
  }
  return menue;
}

TMenue TVWahl::ZeitStattMenu() {
  TMenue menue;
  if (!fVertretung || !fVertretung->fLehrer || !fVertretung->fKurs) return menue;
  TVertretung* v = fVertretung;
  TLehrer* lehrer = v->fLehrer;
  v->fStattListe.ListeLeeren();
  const TStandard& st = Standard();
  const TKlasse* klasse =
      v->fKurs->fKlassen.ListeZahlElemente() == 1 ? v->fKurs->fKlassen[0] : nullptr;
  const TDateTime montag = fDatum - fTag - 6;
  for (int woche = 0; woche < 4; ++woche) {
    const TDateTime anfang = montag + 7 * woche;
    const int version = PlanversionAm(anfang);
    for (int p = 1; p <= st.fMaxTageNeu && p <= 7; ++p) {
      const TDateTime tag = anfang + p - 1;
      TMenueEintrag tagEintrag;
      tagEintrag.Text = U8(DatumText(tag, kKurzesDatum));
      tagEintrag.Aktiv = false;
      tagEintrag.NeueSpalte = woche > 0 && p == 1;
      const bool ungeeignet = version < 1 || VorDemKalender(tag) || st.FerienTag(tag);
      if (!ungeeignet && (lehrer->fBesetzung.GetWocheTag(version, p) & 0xFFFFu) != 0) {
        for (int q = 1; q <= 16; ++q) {
          if (!lehrer->fBesetzung.GetWocheTagStd(version, p, q)) continue;
          const auto [k2, p2] = lehrer->FindeKursSetzung(version, p, q);
          if (!k2 || !p2) continue;
          // Die eigene Stunde der Vertretung an ihrem Tag ist kein Tausch.
          if (p2 == v->fSetzung && GleicherTag(tag, fDatum)) continue;
          if (p2->UngeeigneterStattTag(tag)) continue;
          auto statt = std::make_unique<TStatt>();
          statt->fLehrer = lehrer;
          statt->fKurs = k2;
          statt->fSetzung = p2;
          statt->fDatum = Mittag(tag);
          TStatt* roh = statt.get();
          v->fStattListe.ListeAnhaengen(std::move(statt));
          TMenueEintrag eintrag;
          eintrag.Text = U8(StundenBez(fWoche, q));
          eintrag.Haken =
              klasse && k2->fKlassen.ListeZahlElemente() == 1 && k2->fKlassen[0] == klasse;
          eintrag.Aktion = [v, lehrer, roh] { v->TrageLehrerEin(lehrer, roh); };
          tagEintrag.Untermenue.push_back(std::move(eintrag));
          tagEintrag.Aktiv = true;
        }
      }
      menue.push_back(std::move(tagEintrag));
    }
  }
  return menue;
}

// --- Bemerkungen -----------------------------------------------------------------------------

std::string TVWahl::BemerkungMitText(const std::string& bemerkung, const std::string& text,
                                     bool ersetzen) {
  constexpr std::size_t kLaenge = 81;
  if (ersetzen) return text.substr(0, kLaenge);
  std::string bem = bemerkung.substr(0, kLaenge);
  if (bem.empty()) return text.substr(0, 80);
  // Der Text wird von hinten gekürzt, bis Bemerkung und Text zusammen höchstens 80 Zeichen
  // haben; bleibt nichts übrig, bleibt die Bemerkung, wie sie ist.
  const std::size_t platz = bem.size() >= 80 ? 0 : 80 - bem.size();
  const std::string teil = text.substr(0, platz);
  if (teil.empty()) return bem;
  return bem + " " + teil;
}

void TVWahl::Bemerkung(bool schueler, int i, bool ersetzen) {
  if (!fVertretung || i < 1 || i > 20) return;
  const std::string text = Standard().fBemBez[i].str();
  TBemString& bem = schueler ? fVertretung->fSInfo : fVertretung->fLInfo;
  bem = BemerkungMitText(bem.str(), text, ersetzen);
  Schule().SetDirty(true);
}

TMenue TVWahl::BemMenu() {
  TMenue menue;
  for (int i = 1; i <= 20; ++i) {
    TMenueEintrag e;
    e.Text = U8(Standard().fBemBez[i].str());
    e.Wert = i;
    menue.push_back(std::move(e));
  }
  return menue;
}

// --- Knöpfe ----------------------------------------------------------------------------------

void TVWahl::LehrerWahl(const TFensterDienst::TElementWahl& wahl) {
  if (!fVertretung || !wahl.Gewaehlt) return;
  if (!wahl.Element) {
    Loeschen();
    return;
  }
  LehrerEintragen(static_cast<TLehrer*>(wahl.Element));
}

void TVWahl::RaumWahl(const TFensterDienst::TElementWahl& wahl) {
  if (!fVertretung || !wahl.Gewaehlt) return;
  RaumEintragen(static_cast<TRaum*>(wahl.Element));
}

void TVWahl::FachWahl(const TFensterDienst::TElementWahl& wahl) {
  if (!fVertretung || !wahl.Gewaehlt || !wahl.Element) return;
  fVertretung->SetzeFach(static_cast<TFach*>(wahl.Element));
}

void TVWahl::LehrerEintragen(TLehrer* lehrer) {
  if (!fVertretung || !lehrer || lehrer == fVertretung->fLehrer) return;
  fVertretung->TrageLehrerEin(lehrer, nullptr);
}

void TVWahl::RaumEintragen(TRaum* raum) {
  if (!fVertretung || raum == fVertretung->fRaum) return;
  TVertretung* v = fVertretung;
  v->TrageRaumEin(raum);
  // Fiel die Vertretung dabei weg, ist nichts mehr zu schreiben.
  if (fVertretung != v || !Gelistet(v)) return;
  v->FuelleBemerkung();
  v->Refresh();
}

void TVWahl::Frei() {
  if (fVertretung) fVertretung->Frei();
}

void TVWahl::Loeschen() {
  if (fVertretung) fVertretung->Loeschen(fLehrerModus);
}

void TVWahl::Anrechnen(bool an) {
  if (fVertretung) fVertretung->Anrechnen(an);
}

// --- Blättern und Größe ----------------------------------------------------------------------

TVertretung* TVWahl::Nachbar(int richtung) const {
  const TEigenListe<TVertretung>& menge = Schule().fVertretungsMenge;
  const int n = menge.ListeZahlElemente();
  int i = 0;
  while (i < n && menge[static_cast<std::size_t>(i)] != fVertretung) ++i;
  if (i == n || richtung == 0) return nullptr;
  const int schritt = richtung < 0 ? -1 : 1;
  for (int k = 1; k < n; ++k) {
    TVertretung* w = menge[static_cast<std::size_t>(((i + schritt * k) % n + n) % n)];
    if (w->fGueltig && GleicherTag(w->fDatum, fDatum)) return w;
  }
  return nullptr;
}

int TVWahl::SichtbareZeilen(int zeilen, int oben, int kopf, int zeilenHoehe, int arbeitsUnten) {
  if (zeilenHoehe < 1) return 16;
  const int passen = (arbeitsUnten - oben - kopf) / zeilenHoehe;
  return std::max(16, std::min(zeilen, passen));
}
