#include "substitution/VertretungUnit.h"

#include <cmath>

#include "model/DatumUnit.h"
#include "model/SchulUnit.h"
#include "planning/SetzungUnit.h"
#include "settings/StandardUnit.h"
#include "substitution/KalenderUnit.h"
#include "substitution/VertretungsPlanungUnit.h"

TVertretung::TVertretung() : fAdHoc(Heute() + 0.5) {}

namespace {
TDateTime HeuteMittag() {
  return Heute() + 0.5;
}

std::int32_t Faktor(const TVertretung* v) {
  return v->fKurs ? v->fKurs->fFaktor : 0;
}

// Ein Vertreter: ein eingetragener Lehrer, der nicht der des Kurses ist.
TLehrer* Vertreter(const TVertretung* v) {
  return v->fKurs && v->fLehrer != v->fKurs->fLehrer ? v->fLehrer : nullptr;
}

bool Gelistet(const TVertretung* v) {
  return v && Schule().fVertretungsMenge.ListeElemEnthalten(v);
}

// "fZu löschen": die Vertretung der ausfallenden eigenen Stunde geht mit.
void ZuLoeschen(TVertretung* v) {
  if (TVertretung* zu = v->fZu) {
    v->fZu = nullptr;
    if (zu->fVon == v) Schule().VertretungLoeschen(zu);
  }
}

// Verknüpft v (die vertretene Stunde) mit ihrer Statt-Partnerin.
void Verknuepfen(TVertretung* v, TVertretung* partner) {
  if (partner->fVon && partner->fVon != v && partner->fVon->fZu == partner)
    partner->fVon->fZu = nullptr;
  partner->fVon = v;
  v->fZu = partner;
  partner->FuelleBemerkung();
  Schule().SetDirty(true);
}

// Eine vorhandene Vertretung, die schon vergeben ist: sie hat einen Vertreter oder ist mit einer
// anderen verknüpft. Sie still umzuwidmen, bräche den Verweis oder die Gutschrift des anderen.
bool Vergeben(const TVertretung* v) {
  return v->fZu || v->fVon || Vertreter(v);
}

// Vertreter und "frei" gehören zur Ordnung der Vertretungsliste der Schule: nach einer Änderung
// rückt die Vertretung an ihren Platz (sonst ordnete erst das Öffnen der gesicherten Schule).
void NeuEinordnen(TVertretung* v) {
  TEigenListe<TVertretung>& liste = Schule().fVertretungsMenge;
  if (!liste.ListeElemEnthalten(v)) return;
  liste.ListeEinfuegen(liste.ListeHerausnehmen(), VertretungsOrdnung);
}

// Die Vertretung der Setzung am Tag: die vorhandene (ohne Lehrer) oder eine neue; nichts, wenn
// die vorhandene schon vergeben ist.
TVertretung* PartnerFuer(TKurs* kurs, TSetzung* setzung, TDateTime datum, const TVertretung* v) {
  if (TVertretung* da = setzung->VertretungFinden(datum)) {
    if (da == v || Vergeben(da)) return nullptr;
    da->fLehrer = nullptr;
    NeuEinordnen(da);
    return da;
  }
  return VertretungEinordnen(NeueVertretung(kurs, setzung, datum));
}

std::string Sauber(std::string s) {
  for (char& c : s) {
    if (c == ';') c = ',';
    if (c == '\r' || c == '\n') c = ' ';
  }
  return s;
}

std::string ElementFelder(const TElement* e) {
  if (!e) return "-;-";
  return Sauber(e->fKuerzel.str()) + ";" + Sauber(e->fInfo.str());
}

std::string StundenBez(const TSetzung* p) {
  if (!p || p->fWoche < 1 || p->fWoche > 54 || p->fStunde < 1 || p->fStunde > 16) return "";
  return Standard().fStdBez[p->fWoche][p->fStunde].str();
}

const TVertretung* Partner(const TVertretung* v) {
  return v->fZu ? v->fZu : v->fVon;
}
}  // namespace

// --- Lage und Klassen ------------------------------------------------------------------------

int TVertretung::Stunde() const {
  return fSetzung ? fSetzung->fStunde : 0;
}

bool TVertretung::KlassenFehlen() const {
  return fKurs && fKurs->AlleKlassenAbwesend(fDatum, Stunde(), nullptr);
}

bool TKurs::AlleKlassenAbwesend(TDateTime datum, int std, const TKlasse* ohne) const {
  if (fKlassen.empty()) return false;
  for (const TKlasse* k : fKlassen)
    if (k != ohne && !k->Abwesend(datum, std)) return false;
  return true;
}

TVertretung* TKurs::SetzeStattVertretung(TVertretung* v) {
  if (!v || !v->fSetzung) return nullptr;
  TSetzung* setzung = SetzungFinden(v->fSetzung->fWoche, v->fSetzung->fTag, v->fSetzung->fStunde);
  if (!setzung) return nullptr;
  TVertretung* partner = PartnerFuer(this, setzung, v->fDatum, v);
  if (!partner) return nullptr;
  Verknuepfen(v, partner);
  return partner;
}

// --- Zustand ---------------------------------------------------------------------------------

void TVertretung::Refresh() {
  NeuEinordnen(this);
  TSchule& s = Schule();
  if (s.fVertrForm) s.fVertrForm->FensterRefresh();
  if (fFenster) fFenster->FensterRefresh();
  s.SetDirty(true);
}

void TVertretung::MacheUngueltig() {
  if (TLehrer* vertreter = Vertreter(this); vertreter && fGueltig) {
    // Solange sie gültig war, hat der Vertreter die Stunde gutgeschrieben bekommen.
    if (fAngerechnet) Lastschrift(vertreter, Faktor(this), fDatum);
    ZuLoeschen(this);
    fLehrer = nullptr;
    fAngerechnet = false;
    FuelleBemerkung();
    if (TFenster* wahl = Schule().fVWahlForm) wahl->FensterRefresh();
  }
  fGueltig = false;
  NeuEinordnen(this);
  if (TFenster* f = fFenster) {
    fFenster = nullptr;
    f->Schliessen();
  }
  Schule().SetDirty(true);
}

void TVertretung::MacheGueltig() {
  if (fGueltig) return;
  fGueltig = true;
  // Ein Vertreter, der eingetragen wurde, während die Klassen fehlten, bekam nichts gutgeschrieben;
  // ab jetzt zählt die Stunde (das Austragen bucht sie ihm wieder ab).
  if (TLehrer* vertreter = Vertreter(this); vertreter && fAngerechnet)
    Gutschrift(vertreter, Faktor(this), fDatum);
  Schule().SetDirty(true);
}

// --- Lehrer ----------------------------------------------------------------------------------

bool TVertretung::TrageLehrerEin(TLehrer* lehrer, const TStatt* statt) {
  if (!fKurs || !fSetzung) return false;
  const TDateTime d = fDatum;
  const int h = Stunde();
  if (statt && statt->fSetzung && statt->fKurs) {
    TKurs* kurs2 = statt->fKurs;
    TSetzung* setzung2 = statt->fSetzung;
    // Die eigene Stunde ist an dem Tag schon verlegt oder vertreten (das Angebot ist älter).
    if (const TVertretung* da = setzung2->VertretungFinden(statt->fDatum);
        da && da != this && Vergeben(da)) {
      Dialog().Meldung("Stunde schon vergeben",
                       {"Die Stunde " + U8(da->ZeitZeile(false)) + "  " + U8(da->KursZeile(false)),
                        "ist schon verlegt oder vertreten."},
                       TMeldungsArt::Fehler);
      return false;
    }
    // Die Lastschrift gilt dem Tag und den Klassen, für die der alte Vertreter gutgeschrieben
    // bekam.
    if (TLehrer* alt = Vertreter(this); alt && fAngerechnet && !KlassenFehlen())
      Lastschrift(alt, Faktor(this), d);
    fAngerechnet = false;
    ZuLoeschen(this);
    fLehrer = lehrer ? lehrer : statt->fLehrer;
    fFach = kurs2->fFach;
    if (TRaum* raum = setzung2->fRaum; raum && raum != fRaum && !raum->Abwesend(d, h) &&
                                       !raum->VertrittSchon(d, h) && !raum->Besetzt(d, h)) {
      TrageRaumEin(raum);
      if (!Gelistet(this)) return true;
      FuelleBemerkung();
    }
    fFrei = false;
    fAdHoc = HeuteMittag();
    if (TVertretung* partner = PartnerFuer(kurs2, setzung2, statt->fDatum, this))
      Verknuepfen(this, partner);
    Refresh();
    return true;
  }
  if (!lehrer) {
    if (!fLehrer) return false;
    Loeschen(true);
    return true;
  }
  if (lehrer == fLehrer) return false;
  const int w = fSetzung->fWoche, t = fSetzung->fTag;
  const std::string k = U8(lehrer->fKuerzel.str());
  std::string meldung;
  if (lehrer->VertrittSchon(d, h))
    meldung = "Lehrer " + k + " vertritt schon.";
  else if (lehrer->Abwesend(d, h))
    meldung = "Lehrer " + k + " fehlt.";
  else if (lehrer->fSperrung.GetWocheTagStd(w, t, h))
    meldung = "Lehrer " + k + " ist gesperrt.";
  else if ((lehrer->fBesetzung.GetWocheTag(w, t) & 0xFFFFu) == 0)
    meldung = "Lehrer " + k + " hat diesen Tag frei.";
  if (!meldung.empty() && Dialog().Frage("Lehrer fehlt", {meldung, "Trotzdem einsetzen?"},
                                         TMeldungsArt::Frage, {"Ja", "Nein"}, 1, 1) != 0)
    return false;
  if (TLehrer* alt = Vertreter(this); alt && (fAngerechnet || !fGueltig) && !KlassenFehlen())
    Lastschrift(alt, Faktor(this), d);
  const bool abwesend = lehrer->Abwesend(d, h);
  if (!abwesend) fAngerechnet = true;
  ZuLoeschen(this);
  if (TKurs* eigener = lehrer->FindeKurs(w, t, h);
      eigener && eigener != fKurs && !lehrer->VertrittSchon(d, h) && !abwesend) {
    // Ist seine Stunde schon anders vergeben, ist er frei: es bleibt eine gezählte Vertretung.
    if (eigener->SetzeStattVertretung(this) && !lehrer->WurdeFrei(d, h)) fAngerechnet = false;
  }
  fLehrer = lehrer;
  fFrei = false;
  fAdHoc = HeuteMittag();
  if (fAngerechnet && !KlassenFehlen()) Gutschrift(lehrer, Faktor(this), d);
  if (fFenster) FuelleBemerkung();
  Refresh();
  return true;
}

// --- Raum ------------------------------------------------------------------------------------

bool TVertretung::TrageRaumEin(TRaum* raum) {
  if (!fSetzung || raum == fRaum) return false;
  if (!raum) {
    fRaum = nullptr;
    Refresh();
    return true;
  }
  const TDateTime d = fDatum;
  const int w = fSetzung->fWoche, t = fSetzung->fTag, h = Stunde();
  const std::string k = U8(raum->fKuerzel.str());
  std::string meldung;
  bool abwesend = false;
  const TKurs* dort = raum->FindeKurs(w, t, h);
  if (dort && dort != fKurs && !dort->AlleKlassenAbwesend(d, h, nullptr)) {
    meldung = "In Raum " + k + " ist Unterricht.";
  } else if (raum->VertrittSchon(d, h)) {
    meldung = "Raum " + k + " ist schon eingesetzt.";
  } else if (raum->Abwesend(d, h)) {
    meldung = "Raum " + k + " ist nicht verfügbar.";
    abwesend = true;
  } else if (raum->fSperrung.GetWocheTagStd(w, t, h)) {
    meldung = "Raum " + k + " ist gesperrt.";
  }
  if (!meldung.empty() && Dialog().Frage("Raum ist besetzt", {meldung, "Trotzdem einsetzen?"},
                                         TMeldungsArt::Frage, {"Ja", "Nein"}, 1, 1) != 0)
    return false;
  if (abwesend) {
    // Ein Raumwechsel, den erst die Abwesenheit dieses Raums nötig machte, entfällt mit ihr:
    // danach wird nichts mehr in die gelöschte Vertretung geschrieben.
    const bool entfaellt = fSetzung->fRaum == raum && fKurs && fLehrer == fKurs->fLehrer;
    raum->FehltNichtMehrIn(d, h);
    if (entfaellt || !Gelistet(this)) {
      VertretungsFensterAuffrischen();
      Schule().SetDirty(true);
      return false;
    }
  }
  fRaum = raum;
  fAdHoc = HeuteMittag();
  Refresh();
  return true;
}

// --- Frei, Löschen, Anrechnen, Fach ----------------------------------------------------------

bool TVertretung::Frei() {
  if (fFrei) return false;
  if (TLehrer* v = Vertreter(this); v && fAngerechnet && !KlassenFehlen())
    Lastschrift(v, Faktor(this), fDatum);
  ZuLoeschen(this);
  fLehrer = nullptr;
  fRaum = nullptr;
  fAdHoc = HeuteMittag();
  fAngerechnet = false;
  fFrei = true;
  FuelleBemerkung();
  Refresh();
  return true;
}

void TVertretung::Loeschen(bool lehrerModus) {
  fFrei = false;
  fAdHoc = HeuteMittag();
  if (lehrerModus) {
    if (TLehrer* v = Vertreter(this); v && (fAngerechnet || !fGueltig) && !KlassenFehlen())
      Lastschrift(v, Faktor(this), fDatum);
    ZuLoeschen(this);
    fLehrer = nullptr;
    fAngerechnet = false;
  } else {
    fRaum = nullptr;
  }
  FuelleBemerkung();
  Refresh();
}

void TVertretung::Anrechnen(bool angerechnet) {
  if (angerechnet == fAngerechnet) return;
  fAngerechnet = angerechnet;
  if (TLehrer* v = Vertreter(this); v && !KlassenFehlen()) {
    if (angerechnet)
      Gutschrift(v, Faktor(this), fDatum);
    else
      Lastschrift(v, Faktor(this), fDatum);
  }
  Refresh();
}

void TVertretung::SetzeFach(TFach* fach) {
  if (fach == fFach) return;
  fFach = fach;
  fAdHoc = HeuteMittag();
  Refresh();
}

// --- "Wie am" --------------------------------------------------------------------------------

void TVertretung::ErzeugeWieMenu(TMenue& menue) {
  if (!fSetzung) return;
  TMenue eintraege;
  for (TVertretung* o : fSetzung->fVertretungen) {
    if (o == this || !Vertreter(o)) continue;
    TMenueEintrag e;
    e.Text = U8(o->ZeitZeile(false) + " " + o->fLehrer->fKuerzel.str());
    e.Objekt = o;
    e.Aktion = [this, o] { WieAuswahl(o); };
    eintraege.push_back(std::move(e));
  }
  SpaltenUmbrechen(eintraege, ElementSpaltenLaenge(static_cast<int>(eintraege.size())));
  for (auto& e : eintraege) menue.push_back(std::move(e));
}

void TVertretung::WieAuswahl(TVertretung* andere) {
  if (!andere || andere == this || !Gelistet(andere)) return;
  TLehrer* lehrer = andere->fLehrer;
  TFach* fach = andere->fFach;
  TRaum* raum = andere->fRaum;
  bool geaendert = false;
  if (lehrer && lehrer != fLehrer) geaendert = TrageLehrerEin(lehrer, nullptr) || geaendert;
  if (fach != fFach) {
    fFach = fach;
    geaendert = true;
  }
  if (raum != fRaum) {
    geaendert = TrageRaumEin(raum) || geaendert;
    if (!Gelistet(this)) return;
  }
  if (!geaendert) return;
  FuelleBemerkung();
  Refresh();
}

void TVertretung::ErzeugeInfoMenu(TMenue& menue) const {
  for (const TBemString* bem : {&fLInfo, &fSInfo}) {
    if (bem->empty()) continue;
    TMenueEintrag e;
    e.Text = U8(bem->str());
    menue.push_back(std::move(e));
  }
}

// --- Texte -----------------------------------------------------------------------------------

std::string TVertretung::ZeitZeile(bool alsBemerkung) const {
  std::string datum = DatumText(fDatum, kKurzesDatum);
  std::string stunde = StundenBez(fSetzung);
  if (alsBemerkung) {
    const TVertretung* p = nullptr;
    if (fZu && GleicherTag(fZu->fDatum, fDatum))
      p = fZu;
    else if (fVon && GleicherTag(fVon->fDatum, fDatum))
      p = fVon;
    if (p) {
      datum.clear();
      if (p->Stunde() == Stunde()) stunde.clear();
    }
  }
  if (!datum.empty() && !stunde.empty()) return datum + "  " + stunde;
  return datum + stunde;
}

std::string TVertretung::KursZeile(bool alsBemerkung) const {
  if (!fKurs) return {};
  if (alsBemerkung && fKurs->fKlassen.ListeZahlElemente() == 1) {
    const TVertretung* p = Partner(this);
    if (p && p->fKurs && p->fKurs->fKlassen.ListeZahlElemente() == 1 &&
        p->fKurs->fKlassen[0] == fKurs->fKlassen[0])
      return {};
  }
  std::string s = fKurs->OhneRaumKlKoZeile();
  if (fSetzung && fSetzung->fRaum) s += " " + fSetzung->fRaum->fKuerzel.str();
  return s;
}

void TVertretung::FuelleBemerkung() {
  std::string s;
  const TStandard& st = Standard();
  if (st.fVBemAuto) {
    if (fVon) s = "verlegt auf " + fVon->ZeitZeile(true) + " " + fVon->KursZeile(true);
    if (fFrei && st.fVFrei) s = s.empty() ? std::string("frei") : "frei | " + s;
    if (s.size() > 81) s.resize(81);
    if (fZu) s = "statt " + fZu->ZeitZeile(true) + " " + fZu->KursZeile(true);
    if (fRaum && fSetzung && fRaum != fSetzung->fRaum) {
      const std::string raum = fRaum->fKuerzel.str();
      s = s.empty() ? "in Raum " + raum + " " : "in Raum " + raum + " | " + s + " ";
    }
    if (s.size() > 81) s.resize(81);
  }
  fLInfo = s;
  fSInfo = s;
}

namespace {
std::string LehrerText(const TLehrer* l, const VDEintrag& e) {
  if (!l) return {};
  return e.LehrerBez != 0 ? l->fKuerzel.str() : l->fInfo.str();
}

std::string KlassenText(const TKurs* k, const VDEintrag& e) {
  if (!k) return {};
  if (e.mitKop && k->fKopplung) return k->fKopplung->fKuerzel.str();
  return k->fKlassen.empty() ? std::string() : k->fKlassen[0]->fKuerzel.str();
}

std::string Kuerzel(const TElement* e) {
  return e ? e->fKuerzel.str() : std::string();
}

const VDEintrag& Voreinstellung(int i) {
  if (i < 1 || i > 4) i = 1;
  return Standard().fVDEinstellung[i];
}

// Teil was (1..4) oder alle vier (0) mit dem Trenner.
std::string Teile(const std::string (&teil)[4], int was, const std::string& trenner,
                  bool leereAuslassen) {
  if (was == 1) return teil[0];
  if (was == 2) return teil[1];
  if (was == 3) return teil[2];
  if (was != 0) return teil[3];
  std::string s;
  bool erster = true;
  for (const std::string& t : teil) {
    if (leereAuslassen && t.empty()) continue;
    if (!erster) s += trenner;
    s += t;
    erster = false;
  }
  return s;
}
}  // namespace

std::string TVertretung::OriginalString(int i, int was) const {
  const VDEintrag& e = Voreinstellung(i);
  const std::string teil[4] = {
      e.mitLeLinks && fKurs ? LehrerText(fKurs->fLehrer, e) : std::string(),
      e.mitKlLinks ? KlassenText(fKurs, e) : std::string(),
      e.mitFaLinks && fKurs ? Kuerzel(fKurs->fFach) : std::string(),
      e.mitRaLinks && fSetzung ? Kuerzel(fSetzung->fRaum) : std::string()};
  return Teile(teil, was, " ", true);
}

std::string TVertretung::VertretungsString(int i, int was) const {
  const VDEintrag& e = Voreinstellung(i);
  const std::string teil[4] = {e.mitLeRechts ? LehrerText(fLehrer, e) : std::string(),
                               e.mitKlRechts ? KlassenText(fKurs, e) : std::string(),
                               e.mitFaRechts ? Kuerzel(fFach) : std::string(),
                               e.mitRaRechts ? Kuerzel(fRaum) : std::string()};
  return Teile(teil, was, " ", true);
}

std::string TVertretung::OriginalTabString(int i) const {
  std::string teil[4];
  for (int w = 1; w <= 4; ++w) teil[w - 1] = OriginalString(i, w);
  return Teile(teil, 0, "\t", false);
}

std::string TVertretung::VertretungsTabString(int i) const {
  std::string teil[4];
  for (int w = 1; w <= 4; ++w) teil[w - 1] = VertretungsString(i, w);
  return Teile(teil, 0, "\t", false);
}

std::string TVertretung::ExportString() const {
  const TStandard& st = Standard();
  const int wt = WochenTag(fDatum);
  std::string grund;
  if (fKurs && fKurs->fLehrer)
    for (const TFehl* f : Schule().fFehlLehrerMenge)
      if (f->fElement == fKurs->fLehrer && GleicherTag(f->fDatum, fDatum)) grund = f->fGrund.str();
  std::string klassen;
  if (fKurs)
    for (const TKlasse* k : fKurs->fKlassen) {
      if (!klassen.empty()) klassen += ",";
      klassen += Sauber(k->fKuerzel.str());
    }
  std::string s = DatumText(fDatum, "yyyymmdd");
  s += ";" + Sauber(st.fTagName[wt].str());
  s += ";" + std::to_string(fSetzung ? fSetzung->fTag : 0);
  s += ";" + Sauber(StundenBez(fSetzung));
  s += ";" + std::to_string(Stunde());
  s += ";" + ElementFelder(fKurs ? fKurs->fLehrer : nullptr);
  s += ";" + ElementFelder(fLehrer);
  s += ";" + ElementFelder(fSetzung ? fSetzung->fRaum : nullptr);
  s += ";" + ElementFelder(fRaum);
  s += ";" + ElementFelder(fKurs ? fKurs->fFach : nullptr);
  s += ";" + ElementFelder(fFach);
  s += ";" + Sauber(fLInfo.str());
  s += ";" + Sauber(fSInfo.str());
  s += ";" + Sauber(grund);
  s += ";" + klassen;
  return s;
}
