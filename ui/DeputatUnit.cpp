#include "ui/DeputatUnit.h"

#include <algorithm>

#include "model/FachUnit.h"
#include "model/KlassenUnit.h"
#include "model/KopplUnit.h"
#include "model/KursUnit.h"
#include "model/LehrerUnit.h"
#include "model/RaumUnit.h"
#include "model/SchulUnit.h"
#include "model/VergleichUnit.h"
#include "settings/StandardUnit.h"
#include "ui/ElementMenueUnit.h"
#include "ui/QuonAuswahlUnit.h"

namespace Deputat {

namespace {

std::string Kuerzel(const TElement* e) {
  return e ? e->fKuerzel.str() : std::string();
}

std::string Schalter(bool an) {
  return an ? "1" : "0";
}

// Ein Menü, dessen Einträge die Handlung mit ihrem Element ausführen.
TMenue MitWahl(TMenue menue, TKurs& kurs, bool (*anwenden)(TKurs&, TElement*)) {
  for (TMenueEintrag& e : menue) {
    auto* element = static_cast<TElement*>(e.Objekt);
    TKurs* k = &kurs;
    e.Aktion = [k, element, anwenden] {
      if (element) anwenden(*k, element);
    };
  }
  return menue;
}

// Die Auswahl des Fachs oder Lehrers; ist sie leer (das Fach hat noch keinen Lehrer), die
// ganze Liste der Palette, sonst ließe sich nichts wählen.
TMenue Oder(TMenue menue, TKuerzelArt art) {
  return menue.empty() ? ElementMenue(art) : menue;
}

bool KlasseEntfernenWahl(TKurs& kurs, TElement* e) {
  auto* klasse = static_cast<TKlasse*>(e);
  if (!kurs.fKlassen.ListeElemEnthalten(klasse) || !kurs.NichtVerplant()) return false;
  kurs.KlasseEntfernen(klasse);
  return true;
}

bool RaumEntfernenWahl(TKurs& kurs, TElement* e) {
  auto* raum = static_cast<TRaum*>(e);
  if (!kurs.fRaeume.ListeElemEnthalten(raum)) return false;
  kurs.PopLoeschRaum(raum);
  return !kurs.fRaeume.ListeElemEnthalten(raum);
}

}  // namespace

std::vector<TSpaltenDef> Spalten() {
  const TStandard& s = Standard();
  std::vector<TSpaltenDef> sp = {
      {TSpalte::Wert, "Wert", s.fDepWertBreite},   {TSpalte::Std, "Std", s.fDepStdBreite},
      {TSpalte::Lehrer, "Lehrer", s.fDepLeBreite}, {TSpalte::Fach, "Fach", s.fDepFaBreite},
      {TSpalte::Klasse, "Klasse", s.fDepKlBreite}, {TSpalte::Kopplung, "Kopplung", s.fDepKoBreite},
      {TSpalte::Raum, "Raum", s.fDepRaBreite},
  };
  if (s.fMitZusatzInfo) {
    sp.push_back({TSpalte::Fkt, "Fkt.", s.fDepStdBreite});
    sp.push_back({TSpalte::SpT, "S/T", s.fDepStdBreite});
    sp.push_back({TSpalte::Ez, "Ez", s.fDepStdBreite});
    sp.push_back({TSpalte::Tab, "Tab", s.fDepStdBreite});
    sp.push_back({TSpalte::Nvp, "nvp", s.fDepStdBreite});
    sp.push_back({TSpalte::Nzl, "nzL", s.fDepStdBreite});
    sp.push_back({TSpalte::Nzk, "nzK", s.fDepStdBreite});
  }
  if (s.fMitStatistik) sp.push_back({TSpalte::Stat, "Stat.", 2 * s.fDepStdBreite});
  if (s.fMitKursInfo) sp.push_back({TSpalte::Info, "Info", 7 * s.fDepStdBreite});
  return sp;
}

std::string ZellText(const TKurs& kurs, TSpalte spalte) {
  switch (spalte) {
    case TSpalte::Wert:
      return kurs.WertText(-1);
    case TSpalte::Std:
      return ZahlText(kurs.fStunden.GetWochenStunde(-1));
    case TSpalte::Lehrer:
      return Kuerzel(kurs.fLehrer);
    case TSpalte::Fach:
      return Kuerzel(kurs.fFach);
    case TSpalte::Klasse:
      return Kuerzel(kurs.fKlassen.ListeNrInhalt(1));
    case TSpalte::Kopplung:
      return Kuerzel(kurs.fKopplung);
    case TSpalte::Raum: {
      const TRaum* r = kurs.VerplanterRaum();
      return Kuerzel(r ? r : kurs.fRaeume.ListeNrInhalt(1));
    }
    case TSpalte::Fkt:
      return ZahlText(kurs.fFaktor);
    case TSpalte::SpT:
      return ZahlText(kurs.fStdProTag);
    case TSpalte::Ez:
      return ZahlText(kurs.fEinzelStd);
    case TSpalte::Tab:
      return ZahlText(kurs.fTabellenNr);
    case TSpalte::Nvp:
      return Schalter(kurs.fNichtVerplanen);
    case TSpalte::Nzl:
      return Schalter(kurs.fNichtZaehlenLe);
    case TSpalte::Nzk:
      return Schalter(kurs.fNichtZaehlenKl);
    case TSpalte::Stat:
      return StundenText(static_cast<std::int64_t>(kurs.StatistikSumme()) * kurs.fFaktor);
    case TSpalte::Info:
      return kurs.fInfo.str();
  }
  return {};
}

std::string Titel(const TElement* element) {
  if (!element) return "alle Kurse";
  std::string t = ("Deputat " + element->fKuerzel.str()).substr(0, 19);
  std::int32_t last = 0;
  const TSollElement* soll = nullptr;
  if (element->Art() == leh) {
    soll = static_cast<const TLehrer*>(element);
    last = element->FaktorSumme(0, false, leh);
  } else if (element->Art() == kla) {
    const auto* k = static_cast<const TKlasse*>(element);
    soll = k;
    last = element->FaktorSumme(0, k->fKopDop, kla);
  }
  if (soll) t += " [" + StundenText(last) + "/" + StundenText(soll->GetSoll(0)) + "]";
  return t;
}

TFilter FilterAus(unsigned umschalt) {
  TFilter f;
  const bool alt = (umschalt & umAlt) != 0;
  f.NurGekoppelt = alt;
  f.NurVerplanbar = alt && (umschalt & umCtrl) != 0;
  return f;
}

bool KursZeigen(const TKurs& kurs, const TFilter& filter) {
  if (filter.NurGekoppelt && !kurs.fKopplung) return false;
  if (!Standard().fMitNullStd && kurs.fStunden.GetWochenStunde(Standard().fAktuelleWoche) <= 0)
    return false;
  if (filter.NurVerplanbar && (kurs.fNichtVerplanen || kurs.RestStunden(-1) <= 0)) return false;
  return true;
}

std::vector<TKurs*> Zeilen(const std::vector<TKurs*>& kurse, const TFilter& filter) {
  std::vector<TKurs*> z;
  for (TKurs* k : kurse)
    if (k && KursZeigen(*k, filter)) z.push_back(k);
  return z;
}

void Sortieren(std::vector<TKurs*>& zeilen, TSpalte spalte) {
  std::vector<std::pair<std::string, TKurs*>> texte;
  texte.reserve(zeilen.size());
  for (TKurs* k : zeilen) texte.emplace_back(ZellText(*k, spalte), k);
  std::stable_sort(texte.begin(), texte.end(), [](const auto& a, const auto& b) {
    return LocaleVergleich(a.first, b.first) < 0;
  });
  for (std::size_t i = 0; i < zeilen.size(); ++i) zeilen[i] = texte[i].second;
}

TZellStil Stil(const TKurs& kurs, TSpalte spalte) {
  TZellStil s;
  s.Rot = spalte == TSpalte::Std && !kurs.fNichtVerplanen && kurs.RestStunden(-1) > 0;
  s.Fett = (spalte == TSpalte::Klasse && kurs.fKlassen.ListeZahlElemente() > 1) ||
           (spalte == TSpalte::Raum && kurs.fRaeume.ListeZahlElemente() > 1);
  return s;
}

TAktion MausAktion(TToolArt tool, bool rechteTaste, bool strg, TSpalte spalte, const TKurs& kurs) {
  const int klassen = kurs.fKlassen.ListeZahlElemente();
  const int raeume = kurs.fRaeume.ListeZahlElemente();
  switch (tool) {
    case TToolArt::ZeigTool:
      if (!rechteTaste) return TAktion::Nichts;
      if (spalte == TSpalte::Klasse && klassen > 1) return TAktion::ZeigKlassen;
      if (spalte == TSpalte::Kopplung && kurs.fKopplung) return TAktion::ZeigKopplung;
      if (spalte == TSpalte::Raum && raeume > 1) return TAktion::ZeigRaeume;
      return TAktion::Nichts;
    case TToolArt::SetzTool:
      switch (spalte) {
        case TSpalte::Wert:
          return TAktion::Faktor;
        case TSpalte::Std:
          return TAktion::Stunden;
        case TSpalte::Lehrer:
          return TAktion::Lehrer;
        case TSpalte::Fach:
          return TAktion::Fach;
        case TSpalte::Klasse:
          return strg ? TAktion::KlassenMehrfach : TAktion::Klasse;
        case TSpalte::Kopplung:
          return TAktion::Kopplung;
        case TSpalte::Raum:
          return strg ? TAktion::RaeumeMehrfach : TAktion::Raum;
        case TSpalte::Fkt:
          return TAktion::Fkt;
        case TSpalte::SpT:
          return TAktion::SpT;
        case TSpalte::Ez:
          return TAktion::Einzel;
        case TSpalte::Tab:
          return TAktion::Tabelle;
        default:
          return TAktion::Nichts;
      }
    case TToolArt::LoeschTool:
      switch (spalte) {
        case TSpalte::Lehrer:
          return kurs.fLehrer ? TAktion::LehrerWeg : TAktion::Nichts;
        case TSpalte::Fach:
          return kurs.fFach ? TAktion::FachWeg : TAktion::Nichts;
        case TSpalte::Kopplung:
          return kurs.fKopplung ? TAktion::KopplungWeg : TAktion::Nichts;
        case TSpalte::Klasse:
          if (klassen == 0) return TAktion::Nichts;
          if (klassen == 1) return TAktion::KlasseWeg;
          return strg ? TAktion::KlassenAlleWeg : TAktion::KlasseWegWahl;
        case TSpalte::Raum:
          if (raeume == 0) return TAktion::Nichts;
          if (raeume == 1) return TAktion::RaumWeg;
          return strg ? TAktion::RaeumeAlleWeg : TAktion::RaumWegWahl;
        default:
          return TAktion::Nichts;
      }
    default:
      return TAktion::Nichts;
  }
}

bool LehrerSetzen(TKurs& kurs, TElement* lehrer) {
  auto* l = static_cast<TLehrer*>(lehrer);
  if (!l || l == kurs.fLehrer || !kurs.NichtVerplant()) return false;
  kurs.LehrerErgaenzen(l);
  return true;
}

bool FachSetzen(TKurs& kurs, TElement* fach) {
  auto* f = static_cast<TFach*>(fach);
  if (!f || f == kurs.fFach) return false;
  kurs.FachErgaenzen(f);
  return true;
}

bool KlasseDazu(TKurs& kurs, TElement* klasse) {
  auto* k = static_cast<TKlasse*>(klasse);
  if (!k || kurs.fKlassen.ListeElemEnthalten(k) || !kurs.NichtVerplant()) return false;
  kurs.KlasseErgaenzen(k);
  return true;
}

bool KopplungSetzen(TKurs& kurs, TElement* kopplung) {
  auto* k = static_cast<TKopplung*>(kopplung);
  if (!k || k == kurs.fKopplung || !kurs.NichtVerplant()) return false;
  kurs.KopplungErgaenzen(k);
  return true;
}

bool RaumDazu(TKurs& kurs, TElement* raum) {
  auto* r = static_cast<TRaum*>(raum);
  if (!r || kurs.fRaeume.ListeElemEnthalten(r)) return false;
  kurs.RaumErgaenzen(r, false);
  return true;
}

TMenue AktionsMenue(TAktion aktion, TKurs& kurs) {
  TMenue m;
  switch (aktion) {
    case TAktion::ZeigKlassen:
      kurs.ErzeugeKlassenMenu(m, true);
      return m;
    case TAktion::ZeigKopplung:
      kurs.ErzeugeKursMenu(m, true);
      return m;
    case TAktion::ZeigRaeume:
      kurs.ErzeugeRaumMenu(m, true);
      return m;
    case TAktion::Faktor:
      kurs.ErzeugeFaktorMenu(m);
      return m;
    case TAktion::Stunden:
      kurs.ErzeugeStundenMenu(m);
      return m;
    case TAktion::Fkt:
      kurs.ErzeugeFktMenu(m);
      return m;
    case TAktion::SpT:
      kurs.ErzeugeSpTMenu(m);
      return m;
    case TAktion::Einzel:
      kurs.ErzeugeEinzelMenu(m);
      return m;
    case TAktion::Tabelle:
      kurs.ErzeugeTabMenu(m);
      return m;
    case TAktion::Lehrer:
      return MitWahl(Oder(kurs.fFach ? kurs.fFach->LehrerPopupFuellen() : TMenue{}, leh), kurs,
                     &LehrerSetzen);
    case TAktion::Fach:
      return MitWahl(Oder(kurs.fLehrer ? kurs.fLehrer->FachPopupFuellen() : TMenue{}, fac), kurs,
                     &FachSetzen);
    case TAktion::Klasse:
      return MitWahl(Oder(kurs.fFach ? kurs.fFach->KlassenPopupFuellen() : TMenue{}, kla), kurs,
                     &KlasseDazu);
    case TAktion::Kopplung:
      return MitWahl(ElementMenue(kop), kurs, &KopplungSetzen);
    case TAktion::Raum:
      return MitWahl(ElementMenue(rau), kurs, &RaumDazu);
    case TAktion::KlasseWegWahl:
      kurs.ErzeugeKlassenMenu(m, false);
      return MitWahl(std::move(m), kurs, &KlasseEntfernenWahl);
    case TAktion::RaumWegWahl:
      kurs.ErzeugeRaumMenu(m, false);
      return MitWahl(std::move(m), kurs, &RaumEntfernenWahl);
    default:
      return m;
  }
}

bool AktionAusfuehren(TAktion aktion, TKurs& kurs, const std::vector<TElement*>& wahl) {
  bool geaendert = false;
  switch (aktion) {
    case TAktion::LehrerWeg:
      if (!kurs.fLehrer || !kurs.NichtVerplant()) return false;
      kurs.LehrerEntfernen();
      return true;
    case TAktion::FachWeg:
      if (!kurs.fFach || !kurs.NichtVerplant()) return false;
      kurs.FachEntfernen();
      return true;
    case TAktion::KopplungWeg:
      if (!kurs.fKopplung || !kurs.NichtVerplant()) return false;
      kurs.KopplungEntfernen();
      return true;
    case TAktion::KlasseWeg:
    case TAktion::KlassenAlleWeg:
      if (kurs.fKlassen.empty() || !kurs.NichtVerplant()) return false;
      for (TKlasse* k : kurs.fKlassen.Kopie()) kurs.KlasseEntfernen(k);
      return true;
    case TAktion::RaumWeg:
    case TAktion::RaeumeAlleWeg:
      for (TRaum* r : kurs.fRaeume.Kopie()) geaendert = RaumEntfernenWahl(kurs, r) || geaendert;
      return geaendert;
    case TAktion::KlassenMehrfach:
      for (TElement* e : wahl) geaendert = KlasseDazu(kurs, e) || geaendert;
      return geaendert;
    case TAktion::RaeumeMehrfach:
      for (TElement* e : wahl) geaendert = RaumDazu(kurs, e) || geaendert;
      return geaendert;
    default:
      return false;
  }
}

bool ZiehSpalte(TSpalte spalte) {
  return spalte == TSpalte::Klasse || spalte == TSpalte::Raum || spalte == TSpalte::Info;
}

bool Uebertragen(TKurs& von, TKurs& nach, TSpalte spalte) {
  if (&von == &nach) return false;
  bool geaendert = false;
  switch (spalte) {
    case TSpalte::Klasse: {
      std::vector<TKlasse*> fehlend;
      for (TKlasse* k : von.fKlassen)
        if (!nach.fKlassen.ListeElemEnthalten(k)) fehlend.push_back(k);
      if (fehlend.empty() || !nach.NichtVerplant()) return false;
      for (TKlasse* k : fehlend) nach.KlasseErgaenzen(k);
      geaendert = true;
      break;
    }
    case TSpalte::Raum:
      for (TRaum* r : von.fRaeume.Kopie())
        if (!nach.fRaeume.ListeElemEnthalten(r)) {
          nach.RaumErgaenzen(r, false);
          geaendert = true;
        }
      break;
    case TSpalte::Info:
      if (nach.fInfo == von.fInfo) return false;
      nach.fInfo = von.fInfo.str();
      geaendert = true;
      break;
    default:
      return false;
  }
  if (geaendert) {
    nach.FensterRefresh();
    SchuleGeaendert();
  }
  return geaendert;
}

std::vector<TKurs*> AutomatikAuswahl() {
  const TFenster* f = Schule().fAktivesFenster;
  if (!f) return {};
  const int art = f->FensterArt();
  if (art != FensterArt::UVTabelle &&
      (art < FensterArt::LehrerDeputat || art > FensterArt::AlleKurse))
    return {};
  return f->AusgewaehlteKurse();
}

}  // namespace Deputat
