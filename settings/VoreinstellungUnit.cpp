#include "settings/VoreinstellungUnit.h"

#include <algorithm>

#include "model/DatumUnit.h"
#include "model/KursUnit.h"
#include "model/SchulUnit.h"
#include "planning/SetzungUnit.h"
#include "settings/FeldTabelleUnit.h"
#include "settings/StundenZeitUnit.h"
#include "substitution/VertretungsPlanungUnit.h"

namespace {
// Eine Woche als Bereich für alle Planversionen (für KopiereSperrung).
TWochBereich AlleWochen(const TWoElem& e) {
  TWochBereich b;
  for (int w = 1; w <= b.WochenZahl(); ++w) b.SetWoche(w, e);
  return b;
}

const TFeldTabelle<TEckWerte>& EckFelder() {
  static const TFeldTabelle<TEckWerte> t = {
      Feld(&TEckWerte::Divisor, &TStandard::fDivisor),
      Feld(&TEckWerte::VorKomma, &TStandard::fVorKomma),
      Feld(&TEckWerte::NachKomma, &TStandard::fNachKomma),
      // Die Zahl der Planversionen ändern VersionErweitern und VersionVerkleinern.
      NurLesen(&TEckWerte::MaxWoche, &TStandard::fMaxWocheNeu),
      Feld(&TEckWerte::SpeicherZeit, &TStandard::fSpeicherZeit),
      Feld(&TEckWerte::VertrMerke, &TStandard::fVertrMerke),
      Feld(&TEckWerte::MaxTage, &TStandard::fMaxTageNeu,
           [](int tage) { return std::clamp(tage, 5, 7); }),
      Feld(&TEckWerte::PaletteSchalter, &TStandard::fPaletteSchalter),
      Feld(&TEckWerte::HintergrundAn, &TStandard::fHintergrundAn),
      Feld(&TEckWerte::HintergrundFarbe, &TStandard::fHintergrundFarbe),
      Feld(&TEckWerte::FensterWieder, &TStandard::fFensterWieder),
      // Der Name der Schule steht in Zeile 2 der Druckköpfe und über jeder HTML-Seite.
      Feld(&TEckWerte::Schulname, &TStandard::fSchulname,
           [](const std::string& name) { return name.substr(0, 80); })};
  return t;
}

const TFeldTabelle<TGrDatWerte>& GrDatFelder() {
  static const TFeldTabelle<TGrDatWerte> t = {Feld(&TGrDatWerte::LeSoll, &TStandard::fLeSoll),
                                              Feld(&TGrDatWerte::KlSoll, &TStandard::fKlSoll),
                                              Feld(&TGrDatWerte::Sperrung, &TStandard::fGrWoElem)};
  return t;
}

const TFeldTabelle<TPlnWerte>& PlnFelder() {
  static const TFeldTabelle<TPlnWerte> t = {
      Feld(&TPlnWerte::NebenEinander, &TStandard::fNebenEinander),
      Feld(&TPlnWerte::MitRaum, &TStandard::fMitRaum),
      Feld(&TPlnWerte::KoppFett, &TStandard::fPlnKoppFett),
      // Std/Tag begrenzt nur, was Pläne zeigen und drucken: Stunden dahinter bleiben gesetzt und
      // erscheinen wieder, sobald der Wert steigt.
      Feld(&TPlnWerte::PlnStd, &TStandard::fPlnStd, [](int std) { return std::clamp(std, 1, 16); }),
      Feld(&TPlnWerte::Font, &TStandard::fPlnFont),
      Feld(&TPlnWerte::LeBreite, &TStandard::fPlnLeBreite),
      Feld(&TPlnWerte::KlBreite, &TStandard::fPlnKlBreite),
      Feld(&TPlnWerte::KoBreite, &TStandard::fPlnKoBreite),
      Feld(&TPlnWerte::FaBreite, &TStandard::fPlnFaBreite),
      Feld(&TPlnWerte::RaBreite, &TStandard::fPlnRaBreite),
      Feld(&TPlnWerte::ManArt, &TStandard::fManArt)};
  return t;
}

const TFeldTabelle<TDepWerte>& DepFelder() {
  static const TFeldTabelle<TDepWerte> t = {
      Feld(&TDepWerte::Font, &TStandard::fDepFont),
      Feld(&TDepWerte::LeBreite, &TStandard::fDepLeBreite),
      Feld(&TDepWerte::KlBreite, &TStandard::fDepKlBreite),
      Feld(&TDepWerte::KoBreite, &TStandard::fDepKoBreite),
      Feld(&TDepWerte::FaBreite, &TStandard::fDepFaBreite),
      Feld(&TDepWerte::RaBreite, &TStandard::fDepRaBreite),
      Feld(&TDepWerte::MitNullStd, &TStandard::fMitNullStd),
      Feld(&TDepWerte::MitKursInfo, &TStandard::fMitKursInfo),
      Feld(&TDepWerte::MitStatistik, &TStandard::fMitStatistik),
      Feld(&TDepWerte::MitZusatzInfo, &TStandard::fMitZusatzInfo),
      Feld(&TDepWerte::Von, &TStandard::fDepVon),
      Feld(&TDepWerte::Bis, &TStandard::fDepBis)};
  return t;
}

const TFeldTabelle<TKursWerte>& KursFelder() {
  static const TFeldTabelle<TKursWerte> t = {
      Feld(&TKursWerte::KursStd, &TStandard::fKursStd),
      Feld(&TKursWerte::Faktor, &TStandard::fFaktor),
      Feld(&TKursWerte::StdProTag, &TStandard::fStdProTag),
      Feld(&TKursWerte::EinzelStd, &TStandard::fEinzelStd),
      Feld(&TKursWerte::TabellenNr, &TStandard::fTabellenNr),
      Feld(&TKursWerte::NichtVerplanen, &TStandard::fNichtVerplanen),
      Feld(&TKursWerte::NichtZaehlenKl, &TStandard::fNichtZaehlenKl),
      Feld(&TKursWerte::NichtZaehlenLe, &TStandard::fNichtZaehlenLe),
      Feld(&TKursWerte::Farbe, &TStandard::fKursFarbe),
      Feld(&TKursWerte::NachKlSortiert, &TStandard::fNachKlSortiert),
      Feld(&TKursWerte::Sperrung, &TStandard::fKuWoElem)};
  return t;
}

// "Stunden löschen": Ja = 0.
bool StundenLoeschenFrage(const std::string& zeile) {
  return Dialog().Frage("Stunden löschen", {zeile, "Sollen diese Stunden gelöscht werden?"},
                        TMeldungsArt::Frage, {"Ja", "Nein"}, 1, 1) == 0;
}
}  // namespace

const std::vector<std::string>& WechselEintraege() {
  static const std::vector<std::string> e = {
      "Eckdaten", "Grunddaten", "Deputate", "Pläne",     "Kurse",      "Planversionen",
      "Kalender", "Zeiten",     "Kennwort", "Automatik", "Vertretung", "HTML-Farben"};
  return e;
}

std::string WechselEintrag(int index) {
  const std::vector<std::string>& e = WechselEintraege();
  if (index < 0 || index >= static_cast<int>(e.size())) return {};
  return e[static_cast<std::size_t>(index)];
}

int WechselIndex(const std::string& eintrag) {
  const std::vector<std::string>& e = WechselEintraege();
  const auto it = std::find(e.begin(), e.end(), eintrag);
  return it == e.end() ? -1 : static_cast<int>(it - e.begin());
}

TWechselDialog WechselDialog(const std::string& eintrag) {
  if (eintrag == "Kalender") return TWechselDialog::Kalender;
  if (eintrag == "Automatik") return TWechselDialog::Automatik;
  for (const char* e : {"Eckdaten", "Grunddaten", "Deputate", "Pläne", "Kurse", "Planversionen",
                        "Zeiten", "Kennwort", "Vertretung", "HTML-Farben"})
    if (eintrag == e) return TWechselDialog::Standard;
  return TWechselDialog::Keiner;
}

bool WechselWaehlbar(const std::string& eintrag) {
  if (eintrag == "Planversionen") return Standard().fMaxWocheNeu > 1;
  return WechselDialog(eintrag) != TWechselDialog::Keiner;
}

// ---- Eckdaten ----

TEckWerte EckWerteAusStandard() {
  return WerteLesen(EckFelder(), Standard());
}

int HoechsterVerplanterTag() {
  int tag = 5;
  for (const TKurs* k : Schule().fKursMenge)
    for (const TSetzung* z : k->fSetzungen) tag = std::max(tag, static_cast<int>(z->fTag));
  return tag;
}

void SetzungenNachTagEntfernen(int maxTag) {
  for (TKurs* k : Schule().fKursMenge)
    for (TSetzung* z : k->fSetzungen.Kopie())
      if (z->fTag > maxTag) k->SetzungEntfernen(z);
}

void EckdatenUebernehmen(const TEckWerte& w) {
  TStandard& s = Standard();
  TSchule& schule = Schule();
  {
    TBeschaeftigt sanduhr;
    if (w.MaxWoche > s.fMaxWocheNeu)
      schule.VersionErweitern(w.MaxWoche);
    else if (w.MaxWoche < s.fMaxWocheNeu)
      schule.VersionVerkleinern(w.MaxWoche);
  }
  WerteSchreiben(EckFelder(), w, s);
  const int hoechster = HoechsterVerplanterTag();
  if (hoechster > s.fMaxTageNeu) {
    const std::string tag = s.fMaxTageNeu == 6 ? "Sonntag" : "Samstag oder Sonntag";
    if (StundenLoeschenFrage("Es sind für " + tag + " Stunden in den Plänen  eingetragen.")) {
      TBeschaeftigt sanduhr;
      SetzungenNachTagEntfernen(s.fMaxTageNeu);
    } else {
      s.fMaxTageNeu = hoechster;
    }
  }
  s.fSaveZeit = Jetzt();
  schule.AlleFensterUpdate();
}

// ---- Grunddaten ----

void GrunddatenUebernehmen(const TGrDatWerte& w) {
  WerteSchreiben(GrDatFelder(), w, Standard());
  TSchule& schule = Schule();
  for (TKuerzelArt art : {TKuerzelArt::leh, TKuerzelArt::kla, TKuerzelArt::rau})
    for (TElement* e : schule.Elemente(art)) e->FensterRefresh();
}

void GrunddatenKopieren(const std::vector<TPlanElement*>& elemente, const TGrDatWerte& w,
                        bool sperrung, bool soll) {
  const TWochBereich b = AlleWochen(w.Sperrung);
  for (TPlanElement* e : elemente) {
    if (sperrung) e->KopiereSperrung(b);
    if (soll) {
      if (auto* l = dynamic_cast<TLehrer*>(e))
        l->KopiereSoll(w.LeSoll);
      else if (auto* k = dynamic_cast<TKlasse*>(e))
        k->KopiereSoll(w.KlSoll);
    }
    e->FensterRefresh();
  }
}

bool GrDatKopierenWaehlbar(bool sperrung, bool sollWaehlbar, bool soll) {
  return sperrung || (sollWaehlbar && soll);
}

// ---- Pläne ----

TPlnWerte PlnWerteAusStandard() {
  return WerteLesen(PlnFelder(), Standard());
}

void PlanvorgabenUebernehmen(const TPlnWerte& w) {
  TStandard& s = Standard();
  // Eine neue Schrift misst die abgeleiteten Maße neu (mit dem neuen Schalter "Kopplungen
  // fett"); die Kürzelbreiten sind danach die der Schieber.
  if (!(s.fPlnFont == w.Font)) {
    s.fPlnFont = w.Font;
    s.fPlnKoppFett = w.KoppFett;
    s.BerechnePlnBreite();
  }
  WerteSchreiben(PlnFelder(), w, s);
  Schule().AlleFensterUpdate();
}

// ---- Deputate ----

TDepWerte DepWerteAusStandard() {
  return WerteLesen(DepFelder(), Standard());
}

void DeputatvorgabenUebernehmen(const TDepWerte& w) {
  TStandard& s = Standard();
  // Eine neue Schrift misst die abgeleiteten Maße neu; die Kürzelbreiten sind danach die des
  // Dialogs.
  if (!(s.fDepFont == w.Font)) {
    s.fDepFont = w.Font;
    s.BerechneDepBreite();
  }
  WerteSchreiben(DepFelder(), w, s);
  Schule().AlleFensterUpdate();
}

// ---- Kurse ----

TKursWerte KursWerteAusStandard() {
  return WerteLesen(KursFelder(), Standard());
}

std::optional<int> EinzelStdVorschlag(int kursStd, int stdProTag) {
  if (kursStd <= 0 || stdProTag < 1) return std::nullopt;
  return stdProTag == 1 ? kursStd : kursStd % stdProTag;
}

void KursvorgabenUebernehmen(const TKursWerte& w) {
  TStandard& s = Standard();
  const bool umsortieren = s.fNachKlSortiert != w.NachKlSortiert;
  WerteSchreiben(KursFelder(), w, s);
  if (!umsortieren) return;
  Dialog().MeldungsFensterZeigen("Die Kurse werden sortiert.");
  {
    TBeschaeftigt sanduhr;
    KurseNeuSortieren();
    Schule().AlleFensterUpdate();
  }
  Dialog().MeldungsFensterSchliessen();
}

std::vector<TKurs*> KopierKurse() {
  const TFenster* f = Schule().fAktivesFenster;
  if (!f || f->FensterArt() < 16 || f->FensterArt() > 20) return {};
  return f->AusgewaehlteKurse();
}

void KursEinstellungKopieren(const std::vector<TKurs*>& kurse, const TKursWerte& w,
                             const TKursKopieWahl& wahl) {
  const auto an = [&wahl](TKursKopie k) {
    const auto i = static_cast<std::size_t>(k);
    return i < wahl.size() && wahl[i];
  };
  const TStandard& s = Standard();
  const TWochBereich sperrung = AlleWochen(w.Sperrung);
  for (TKurs* k : kurse) {
    if (an(TKursKopie::Stunden)) {
      const TWochenSpanne spanne = WochenArgument(s.fEineWoche ? s.fAktuelleWoche : 0);
      for (int v = spanne.von; v <= spanne.bis; ++v)
        k->fStunden.SetWochenStunde(v, std::max<std::int32_t>(w.KursStd, k->VerplanteStunden(v)));
      k->ElementeEintragen();  // die Stunden gehören zum Sortierschlüssel
    }
    if (an(TKursKopie::Faktor)) KursFaktorSetzen(k, w.Faktor);
    if (an(TKursKopie::StdProTag)) k->fStdProTag = w.StdProTag;
    if (an(TKursKopie::EinzelStd)) k->fEinzelStd = w.EinzelStd;
    if (an(TKursKopie::Tabelle)) k->fTabellenNr = w.TabellenNr;
    if (an(TKursKopie::Verplanen) && k->fSetzungen.ListeZahlElemente() == 0)
      k->fNichtVerplanen = w.NichtVerplanen;
    if (an(TKursKopie::Zaehlen)) {
      k->fNichtZaehlenKl = w.NichtZaehlenKl;
      k->fNichtZaehlenLe = w.NichtZaehlenLe;
    }
    if (an(TKursKopie::Sperrung)) k->KopiereSperrung(sperrung);
    if (an(TKursKopie::Farbe)) k->fColor = w.Farbe;
    Schule().SetDirty(true);
    k->FensterRefresh();
  }
}

// ---- Planversionen ----

bool VersionsvorgabenUebernehmen(bool alleVersionen, int versKuerzel, bool auchPlan) {
  TStandard& s = Standard();
  const bool gleich = s.fEineWoche == !alleVersionen;
  s.fEineWoche = !alleVersionen;
  s.fVersKuerzel = versKuerzel;
  s.fVersAuchPlan = auchPlan;
  // Deputate, Statistiken und Pläne zählen nun eine oder alle Versionen (Woche -1).
  if (SchuleVorhanden()) Schule().AlleFensterUpdate();
  return gleich;
}

// ---- Vertretungen ----

std::string OhneEndLeerzeichen(const std::string& text) {
  std::size_t n = text.size();
  while (n > 1 && text[n - 1] == ' ') --n;
  return text.substr(0, n);
}

void VertretungsvorgabenUebernehmen(const std::vector<std::string>& bemerkungen,
                                    const std::vector<std::string>& gruende, bool frei,
                                    bool bemAuto) {
  TStandard& s = Standard();
  for (int i = 1; i <= 20; ++i) {
    if (static_cast<std::size_t>(i) <= bemerkungen.size())
      s.fBemBez[i] = OhneEndLeerzeichen(bemerkungen[i - 1]);
    if (static_cast<std::size_t>(i) <= gruende.size()) {
      const std::string g = OhneEndLeerzeichen(gruende[i - 1]);
      s.fGrund[i] = g.empty() ? std::string("-") : g;
    }
  }
  s.fVFrei = frei;
  s.fVBemAuto = bemAuto;
}

// ---- Zeiten ----

TZeitBearbeitung::TZeitBearbeitung() : fBez(54 * 16), fBeginn(54 * 16), fEnde(54 * 16) {
  const TStandard& s = Standard();
  for (int v = 1; v <= 54; ++v)
    for (int h = 1; h <= 16; ++h) {
      const std::size_t i = static_cast<std::size_t>((v - 1) * 16 + (h - 1));
      fBez[i] = s.fStdBez[v][h].str();
      fBeginn[i] = s.fStdBeginn[v][h].str();
      fEnde[i] = s.fStdEnde[v][h].str();
      const auto zeit = ZeitenAusBezeichnung(fBez[i]);
      if (zeit && fBeginn[i].empty() && fEnde[i].empty()) {
        fBeginn[i] = UhrzeitText(zeit->Beginn);
        fEnde[i] = UhrzeitText(zeit->Ende);
      }
    }
}

const std::string& TZeitBearbeitung::Bezeichnung(int version, int std) const {
  version = std::clamp(version, 1, 54);
  std = std::clamp(std, 1, 16);
  return fBez[(version - 1) * 16 + (std - 1)];
}

const std::string& TZeitBearbeitung::Beginn(int version, int std) const {
  return fBeginn[(std::clamp(version, 1, 54) - 1) * 16 + (std::clamp(std, 1, 16) - 1)];
}

const std::string& TZeitBearbeitung::Ende(int version, int std) const {
  return fEnde[(std::clamp(version, 1, 54) - 1) * 16 + (std::clamp(std, 1, 16) - 1)];
}

void TZeitBearbeitung::Setze(int version, int std, const std::string& text) {
  if (version < 1 || version > 54 || std < 1 || std > 16) return;
  const std::size_t i = static_cast<std::size_t>((version - 1) * 16 + (std - 1));
  fBez[i] = OhneEndLeerzeichen(text.substr(0, 15));
  if (const auto zeit = ZeitenAusBezeichnung(fBez[i])) {
    fBeginn[i] = UhrzeitText(zeit->Beginn);
    fEnde[i] = UhrzeitText(zeit->Ende);
  }
}

bool TZeitBearbeitung::SetzeZeit(std::vector<std::string>& feld, int version, int std,
                                 const std::string& text) {
  if (version < 1 || version > 54 || std < 1 || std > 16) return false;
  const std::size_t i = static_cast<std::size_t>((version - 1) * 16 + (std - 1));
  if (text.find_first_not_of(' ') == std::string::npos) {
    feld[i].clear();
    return true;
  }
  const auto minuten = UhrzeitMinuten(text);
  if (!minuten) return false;
  feld[i] = UhrzeitText(*minuten);
  return true;
}

bool TZeitBearbeitung::SetzeBeginn(int version, int std, const std::string& text) {
  return SetzeZeit(fBeginn, version, std, text);
}

bool TZeitBearbeitung::SetzeEnde(int version, int std, const std::string& text) {
  return SetzeZeit(fEnde, version, std, text);
}

void TZeitBearbeitung::Uebernehmen() {
  TStandard& s = Standard();
  for (int v = 1; v <= 54; ++v)
    for (int h = 1; h <= 16; ++h) {
      const std::size_t i = static_cast<std::size_t>((v - 1) * 16 + (h - 1));
      std::string& b = fBez[i];
      if (v <= s.fMaxWocheNeu) b = OhneEndLeerzeichen(b);
      s.fStdBez[v][h] = b;
      s.fStdBeginn[v][h] = fBeginn[i];
      s.fStdEnde[v][h] = fEnde[i];
    }
  s.BerechneDepBreite();
  s.BerechnePlnBreite();
  Schule().AlleFensterUpdate();
}

// ---- Statistikzeitraum ----

TDateTime StatistikDatum(int tag, int monat, int jahr) {
  monat = std::clamp(monat, 1, 12);
  const int letzter = TageImMonat(jahr, monat);
  for (int i = 0; i < 3 && tag > letzter; ++i) --tag;
  return DatumZuZahl(jahr, monat, std::clamp(tag, 1, letzter));
}
