#include "substitution/VertrUnit.h"

#include <algorithm>
#include <cmath>

#include "model/DatumUnit.h"
#include "model/SchulUnit.h"
#include "planning/SetzungUnit.h"
#include "settings/StandardUnit.h"
#include "substitution/FehlUnit.h"
#include "substitution/FehlDialogUnit.h"
#include "substitution/KalenderUnit.h"
#include "substitution/VertretungsPlanungUnit.h"

TDateTime TagMittags(TDateTime datum) {
  return std::floor(datum) + 0.5;
}

const std::array<const char*, 11>& VertrKopf() {
  static const std::array<const char*, 11> kopf = {"T",       "Stunde", "Lehrer", "Klasse",
                                                   "Fach",    "Koppl.", "Raum",   "Bem",
                                                   "VLehrer", "VFach",  "VRaum"};
  return kopf;
}

std::vector<TVertretung*> VertrZeilen(TDateTime datum, bool inaktive) {
  const TDateTime tag = TagMittags(datum);
  std::vector<TVertretung*> zeilen;
  for (TVertretung* v : Schule().fVertretungsMenge)
    if (v->fDatum == tag && (v->fGueltig || inaktive)) zeilen.push_back(v);
  return zeilen;
}

namespace {
std::string Kuerzel(const TElement* e) {
  return e ? U8(e->fKuerzel.str()) : std::string();
}
const TLehrer* KursLehrer(const TVertretung& v) {
  return v.fKurs ? v.fKurs->fLehrer : nullptr;
}
const TFach* KursFach(const TVertretung& v) {
  return v.fKurs ? v.fKurs->fFach : nullptr;
}
const TRaum* SetzungsRaum(const TVertretung& v) {
  return v.fSetzung ? v.fSetzung->fRaum : nullptr;
}
bool HatBemerkung(const TVertretung& v) {
  return !v.fLInfo.str().empty() || !v.fSInfo.str().empty();
}
std::string StundenLabel(int woche, int std) {
  if (woche < 1 || woche > 54 || std < 1 || std > 16) return {};
  return Standard().fStdBez[woche][std].str();
}
std::string TagLabel(int tag) {
  if (tag < 1 || tag > 7) return {};
  return Standard().fTagBez[tag].str();
}
}  // namespace

std::string VertrZelle(const TVertretung& v, int spalte) {
  const TKurs* k = v.fKurs;
  const TSetzung* p = v.fSetzung;
  switch (spalte) {
    case 1:
      return p ? U8(TagLabel(p->fTag) + " " + StundenLabel(p->fWoche, p->fStunde)) : "";
    case 2:
      return Kuerzel(KursLehrer(v));
    case 3:
      return k && !k->fKlassen.empty() ? Kuerzel(k->fKlassen[0]) : "";
    case 4:
      return Kuerzel(KursFach(v));
    case 5:
      return k ? Kuerzel(k->fKopplung) : "";
    case 6:
      return Kuerzel(SetzungsRaum(v));
    case 7:
      return "==>";
    case 8:
      if (v.fFrei || (!v.fLehrer && HatBemerkung(v))) return "-----";
      return v.fLehrer ? Kuerzel(v.fLehrer) : "?????";
    case 9:
      if (v.fFrei) return "-----";
      return v.fFach ? Kuerzel(v.fFach) : "?????";
    case 10:
      if (v.fFrei) return "-----";
      return v.fRaum ? Kuerzel(v.fRaum) : "?????";
    default:
      return {};
  }
}

bool VertrAdHoc(const TVertretung& v) {
  return v.fAdHoc == Heute() + 0.5;
}

TVertrFarbe VertrZellFarbe(const TVertretung& v, int spalte) {
  if (!v.fGueltig) return TVertrFarbe::Petrol;
  bool blau = false;
  switch (spalte) {
    case 2:
      blau = !v.fLehrer && !v.fFrei;
      break;
    case 6:
      blau = !v.fRaum && !v.fFrei;
      break;
    case 8:
      blau = v.fLehrer != KursLehrer(v) && (v.fLehrer || v.fFrei);
      break;
    case 9:
      blau = v.fFach && (v.fFach != KursFach(v) || v.fFrei);
      break;
    case 10:
      blau = v.fRaum != SetzungsRaum(v) && (v.fRaum || v.fFrei);
      break;
    default:
      break;
  }
  if (blau) return TVertrFarbe::Blau;
  return VertrAdHoc(v) ? TVertrFarbe::Rot : TVertrFarbe::Schwarz;
}

bool VertrZellFett(const TVertretung& v, int spalte) {
  if (spalte == 3) return v.fKurs && v.fKurs->fKlassen.ListeZahlElemente() > 1;
  if (spalte == 7) return HatBemerkung(v);
  return false;
}

TVertrMarke VertrMarke(const TVertretung& v) {
  if (v.fVon && v.fZu) return TVertrMarke::Gruen;
  if (v.fVon) return TVertrMarke::Rot;
  if (v.fZu) return TVertrMarke::Blau;
  return TVertrMarke::Keine;
}

std::array<int, 11> VertrSpaltenBreiten(TDateTime datum,
                                        const std::function<int(const std::string&)>& breite) {
  const TStandard& st = Standard();
  std::array<int, 11> b{};
  b[0] = st.fDepHoehe;
  b[1] = breite("Stunde ");
  const int woche = PlanversionAm(datum);
  const std::string tag = TagLabel(WochenTag(datum));
  for (int h = 1; h <= 16; ++h)
    b[1] = std::max(b[1], breite(U8(tag + "   " + StundenLabel(woche, h))));
  b[2] = std::max(st.fDepLeBreite, breite("Lehrer "));
  b[3] = std::max(st.fDepKlBreite, breite("Klasse "));
  b[4] = std::max(st.fDepFaBreite, breite("Fach "));
  b[5] = std::max(st.fDepKoBreite, breite("Koppl. "));
  b[6] = std::max(st.fDepRaBreite, breite("Raum "));
  b[7] = std::max(st.fDepHoehe, breite("Bem "));
  b[8] = std::max(st.fDepLeBreite, breite("VLehrer "));
  b[9] = std::max(st.fDepFaBreite, breite("VFach "));
  b[10] = std::max(st.fDepRaBreite, breite("VRaum   "));
  return b;
}

int VertrEingerasteteHoehe(int hoehe, int zeile) {
  zeile = std::max(zeile, 1);
  return std::max(2, (hoehe - 140) / zeile) * zeile + 140;
}

void VertrSortieren(int sortArt) {
  Standard().fVertrSortArt = std::clamp(sortArt, 0, 3);
  VertretungenSortieren(Schule());
}

void VertrAdHoc(const std::vector<TVertretung*>& vertretungen, bool setzen) {
  const TDateTime wert = Heute() + 0.5 - (setzen ? 0 : 1000);
  bool geaendert = false;
  for (TVertretung* v : vertretungen) {
    if (!v || v->fAdHoc == wert) continue;
    v->fAdHoc = wert;
    geaendert = true;
  }
  if (geaendert) Schule().SetDirty(true);
}

bool VertrLoeschenFragen(TVertretung* v) {
  TSchule& s = Schule();
  if (!v || !s.fVertretungsMenge.ListeElemEnthalten(v)) return false;
  if (Dialog().Frage("Vertretung löschen",
                     {"Soll die Vertretung", U8(v->ZeitZeile(false)), U8(v->KursZeile(false)),
                      "gelöscht werden?"},
                     TMeldungsArt::Frage, {"Ja", "Nein"}, 1, 1) != 0)
    return false;
  // Die Gutschrift des Vertreters geht mit der Vertretung (wie auf jedem Weg, der sie löscht).
  s.VertretungLoeschen(v);
  s.SetDirty(true);
  return true;
}

void VertrKlassenAbwesendMelden() {
  Dialog().Meldung("Vertretung unnötig",
                   {"Vertretung nicht nötig, da die ", "beteiligten Klassen abwesend sind."},
                   TMeldungsArt::Information);
}

std::vector<TFehl*> VertrFehlAmTag(TKuerzelArt art, TDateTime datum) {
  std::vector<TFehl*> liste;
  TEigenListe<TFehl>* menge = Schule().FehlMenge(art);
  if (!menge) return liste;
  const TDateTime tag = std::floor(datum);
  for (TFehl* f : *menge)
    if (std::floor(f->fDatum) == tag && f->fElement) liste.push_back(f);
  return liste;
}

TMenue VertrFehlMenue(TKuerzelArt art, TDateTime datum) {
  TMenue menue;
  for (TFehl* f : VertrFehlAmTag(art, datum)) {
    TMenueEintrag e;
    e.Text = Kuerzel(f->fElement);
    e.Objekt = f;
    menue.push_back(std::move(e));
  }
  SpaltenUmbrechen(menue, ElementSpaltenLaenge(static_cast<int>(menue.size())));
  return menue;
}

bool VertretungNoetig(TDateTime datum, bool& anderTag) {
  anderTag = false;
  if (Schultag(datum)) return true;
  anderTag = Dialog().Frage("Vertretung unnötig",
                            {"Vertretung nicht nötig für",
                             U8(DatumText(TagMittags(datum), "dddd, d. mmmm yyyy"))},
                            TMeldungsArt::Information, {"Ok", "Anderer Tag"}, 0, 0) == 1;
  return false;
}

bool PlanversionFolgen(TDateTime datum) {
  TStandard& st = Standard();
  const int woche = PlanversionAm(datum);
  if (woche < 1 || woche > st.fMaxWocheNeu || woche == st.fAktuelleWoche) return false;
  st.fAktuelleWoche = woche;
  return true;
}

TDateTime VertrBlaettern(TDateTime datum, int richtung) {
  const TDateTime alt = TagMittags(datum);
  const TDateTime neu = NaechsterSchultag(alt, richtung);
  if (neu == alt || !Schultag(neu) || neu > DatumZuZahl(2040, 1, 1) + 0.5) return alt;
  return neu;
}

TDateTime VertrDatum(int& tag, int& monat, int& jahr) {
  return FehltLangDatum(tag, monat, jahr, 0);
}

TVertrZeitraum VertrZeitraum(TDateTime von, TDateTime bis) {
  TVertrZeitraum z;
  z.Von = TagMittags(von);
  z.Bis = std::max(TagMittags(bis), z.Von);
  return z;
}

std::function<void(TVertretung&)>& VWahlZeigenHaken() {
  static std::function<void(TVertretung&)> haken;
  return haken;
}
