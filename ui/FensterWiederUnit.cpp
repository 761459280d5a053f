#include "ui/FensterWiederUnit.h"

#include <algorithm>
#include <cstdint>
#include <set>
#include <utility>

#include "model/GlobalUnit.h"

namespace {

// Die Elementart eines Element-Fensters und wozu es gehört.
struct TElementFenster {
  TWiederArt Art = TWiederArt::Nichts;
  TKuerzelArt Kuerzel = leh;
};

TElementFenster ElementFensterArt(int art) {
  using namespace FensterArt;
  if (art == LehrerPlan) return {TWiederArt::Plan, leh};
  if (art == KlassenPlan) return {TWiederArt::Plan, kla};
  if (art == RaumPlan) return {TWiederArt::Plan, rau};
  if (art == UVTabelle) return {TWiederArt::UVTabelle, uvt};
  if (art == UVDaten) return {TWiederArt::Daten, uvt};
  if (art >= LehrerDeputat && art <= RaumDeputat)
    return {TWiederArt::Deputat, static_cast<TKuerzelArt>(art - LehrerDeputat)};
  if (art >= LehrerDaten && art <= RaumDaten)
    return {TWiederArt::Daten, static_cast<TKuerzelArt>(art - LehrerDaten)};
  return {};
}

// Der Rest der Überschrift, der das Kürzel nennt; leer ohne Leerzeichen.
bool TitelRest(const TFensterSatz& satz, TWiederArt art, std::string& rest) {
  const std::string& titel = satz.Titel.str();
  const std::size_t blank = titel.find(' ');
  if (blank == std::string::npos) return false;
  rest = titel.substr(blank + 1);
  // "Deputat MUE [20/24]": Ist und Soll ändern sich mit jeder Setzung.
  if (art == TWiederArt::Deputat && !rest.empty() && rest.back() == ']')
    if (const std::size_t klammer = rest.rfind(" ["); klammer != std::string::npos)
      rest.erase(klammer);
  return true;
}

// Alle Elemente der Art mit dem Kürzel, in Listenfolge.
std::vector<TElement*> Treffer(const TSchule& schule, const TFensterSatz& satz) {
  const TElementFenster e = ElementFensterArt(satz.Art);
  std::string rest;
  if (e.Art == TWiederArt::Nichts || !TitelRest(satz, e.Art, rest)) return {};
  std::vector<TElement*> treffer;
  for (TElement* el : schule.Elemente(e.Kuerzel))
    if (el->fKuerzel.str() == rest) treffer.push_back(el);
  return treffer;
}

// Ziel eines Fensters ohne Element (Art, Elementart, Breite, Höhe).
bool EinzelZiel(int art, TWiederZiel& z) {
  using namespace FensterArt;
  auto setze = [&z](TWiederArt a, TKuerzelArt k, bool breite, bool hoehe) {
    z.Art = a;
    z.Kuerzel = k;
    z.MitBreite = breite;
    z.MitHoehe = hoehe;
    return true;
  };
  switch (art) {
    case AlleKurse:
      return setze(TWiederArt::AlleKurse, kur, false, true);
    case ParalleleKopplungen:
      return setze(TWiederArt::Parallel, kop, false, true);
    case LehrerUebersicht:
      return setze(TWiederArt::Uebersicht, leh, true, true);
    case KlassenUebersicht:
      return setze(TWiederArt::Uebersicht, kla, true, true);
    case RaumUebersicht:
      return setze(TWiederArt::Uebersicht, rau, true, true);
    case Stundenverteilung:
      return setze(TWiederArt::Stundenverteilung, leh, false, true);
    case LehrerStatistik:
      return setze(TWiederArt::Statistik, leh, false, true);
    case KlassenStatistik:
      return setze(TWiederArt::Statistik, kla, false, true);
    case FachStatistik:
      return setze(TWiederArt::Statistik, fac, false, true);
    case KopplungsStatistik:
      return setze(TWiederArt::Statistik, kop, false, true);
    case RaumStatistik:
      return setze(TWiederArt::Statistik, rau, false, true);
    case UVStatistik:
      return setze(TWiederArt::Statistik, uvt, false, true);
    case Vertretungen:
      return setze(TWiederArt::Vertretungen, leh, false, true);
    default:
      return false;
  }
}

}  // namespace

TElement* FensterElement(const TSchule& schule, const TFensterSatz& satz) {
  const std::vector<TElement*> t = Treffer(schule, satz);
  return t.empty() ? nullptr : t.back();
}

TPlanElement* PlanFensterElement(const TSchule& schule, const TFensterSatz& satz) {
  if (ElementFensterArt(satz.Art).Art != TWiederArt::Plan) return nullptr;
  return static_cast<TPlanElement*>(FensterElement(schule, satz));
}

std::vector<TWiederZiel> WiederZiele(const TSchule& schule,
                                     const std::vector<TFensterSatz>& saetze) {
  std::vector<TWiederZiel> ziele;
  std::set<int> einzelneDa;
  std::set<std::pair<int, const TElement*>> elementeDa;
  // Vergeben wird in der Folge der Datei (der erste Satz zuerst), geöffnet umgekehrt.
  for (const TFensterSatz& satz : saetze) {
    TWiederZiel z;
    z.Satz = &satz;
    const TElementFenster e = ElementFensterArt(satz.Art);
    if (e.Art != TWiederArt::Nichts) {
      const std::vector<TElement*> t = Treffer(schule, satz);
      for (auto it = t.rbegin(); it != t.rend(); ++it)
        if (elementeDa.insert({satz.Art, *it}).second) {
          z.Art = e.Art;
          z.Kuerzel = e.Kuerzel;
          z.Element = *it;
          // Plan und UV-Tabelle nehmen Breite und Höhe, Deputate die Höhe, Daten nichts.
          z.MitBreite = e.Art == TWiederArt::Plan || e.Art == TWiederArt::UVTabelle;
          z.MitHoehe = e.Art != TWiederArt::Daten;
          z.FensterWahl = e.Art == TWiederArt::Plan    ? TFensterArt::PFenster
                          : e.Art == TWiederArt::Daten ? TFensterArt::GFenster
                                                       : TFensterArt::DFenster;
          break;
        }
    } else if (EinzelZiel(satz.Art, z) && !einzelneDa.insert(satz.Art).second) {
      z = TWiederZiel{};
      z.Satz = &satz;
    }
    ziele.push_back(z);
  }
  std::reverse(ziele.begin(), ziele.end());
  return ziele;
}

TFensterLage WiederLage(const TFensterLage& jetzt, const TFensterLage& satz,
                        const TRechteck& arbeit, int titel, int minBreite, int minHoehe,
                        bool mitBreite, bool mitHoehe) {
  using I = std::int64_t;
  TFensterLage l = jetzt;
  if (mitBreite && satz.Breite > 0 && satz.Breite < jetzt.Breite)
    l.Breite = std::max(satz.Breite, minBreite);
  if (mitHoehe && satz.Hoehe > 0 && satz.Hoehe < jetzt.Hoehe)
    l.Hoehe = std::max(satz.Hoehe, minHoehe);
  if (I{arbeit.Breite} - satz.Links > 200 && I{satz.Links} + l.Breite >= 200)
    l.Links = static_cast<int>(I{arbeit.Links} + satz.Links);
  if (I{arbeit.Hoehe} - satz.Oben > 200 && I{satz.Oben} >= titel)
    l.Oben = static_cast<int>(I{arbeit.Oben} + satz.Oben);
  return l;
}

TFensterLage RelativeLage(const TFensterLage& absolut, const TRechteck& arbeit) {
  using I = std::int64_t;
  auto kappe = [](I v) { return static_cast<int>(std::clamp<I>(v, INT32_MIN, INT32_MAX)); };
  return {kappe(I{absolut.Links} - arbeit.Links), kappe(I{absolut.Oben} - arbeit.Oben),
          absolut.Breite, absolut.Hoehe};
}
