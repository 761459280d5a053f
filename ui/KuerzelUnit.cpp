#include "ui/KuerzelUnit.h"

#include <algorithm>
#include <map>

#include "model/DienstUnit.h"
#include "model/SchulUnit.h"
#include "model/VergleichUnit.h"

namespace {

// Ruft f mit der Stammliste der Art auf.
template <class F>
auto MitMenge(int art, F f) {
  TSchule& s = Schule();
  switch (art) {
    case 1:
      return f(s.fKlassenMenge);
    case 2:
      return f(s.fKopplMenge);
    case 3:
      return f(s.fFachMenge);
    case 4:
      return f(s.fRaumMenge);
    case 5:
      return f(s.fUVTabMenge);
    default:
      return f(s.fLehrerMenge);
  }
}

bool GueltigeArt(int art) {
  return art >= 0 && art < KuerzelArten;
}

}  // namespace

std::vector<TElement*> KuerzelListe(int art) {
  if (!GueltigeArt(art)) return {};
  return Schule().Elemente(static_cast<TKuerzelArt>(art));
}

std::string KuerzelSchnitt(std::string_view text) {
  return TKuerzelString(KuerzelOhneFuehrendeBlanks(std::string(text))).str();
}

int KuerzelSuchen(const std::vector<TElement*>& liste, std::string_view text) {
  const std::string k = KuerzelSchnitt(text);
  int treffer = -1;
  for (std::size_t i = 0; i < liste.size(); ++i)
    if (liste[i]->fKuerzel.str() == k) treffer = static_cast<int>(i);
  return treffer;
}

TElement* KuerzelNeu(int art, std::string_view text) {
  if (!GueltigeArt(art)) return nullptr;
  const std::string k = KuerzelSchnitt(text);
  if (k.empty() || KuerzelSuchen(KuerzelListe(art), k) >= 0) return nullptr;
  TSchule& s = Schule();
  switch (art) {
    case 1:
      return s.HoleKlasse(k);
    case 2:
      return s.HoleKopplung(k);
    case 3:
      return s.HoleFach(k);
    case 4:
      return s.HoleRaum(k);
    case 5:
      return s.HoleUVTab(k);
    default:
      return s.HoleLehrer(k);
  }
}

TKuerzelAenderung KuerzelAendern(TElement* element, std::string_view text) {
  if (!element) return TKuerzelAenderung::Unveraendert;
  const std::string k = KuerzelSchnitt(text);
  if (k.empty() || k == element->fKuerzel.str()) return TKuerzelAenderung::Unveraendert;
  for (TElement* e : Schule().Elemente(element->Art()))
    if (e != element && e->fKuerzel.str() == k) {
      Dialog().Meldung("Stop",
                       {"Das Kürzel", U8(k), "gibt es schon. Wählen Sie", "ein anderes Kürzel!"},
                       TMeldungsArt::Warnung);
      return TKuerzelAenderung::Doppelt;
    }
  element->SetKuerzel(k);
  return TKuerzelAenderung::Geaendert;
}

bool KuerzelLoeschen(TElement* element) {
  if (!element) return false;
  if (!element->fKurse.empty()) {
    const int antwort = Dialog().Frage(
        "Kürzel löschen",
        {"Zum Kürzel", U8(element->fKuerzel.str()), "gibt es noch Daten. Diese Daten werden",
         "mitgelöscht. Betroffene Kurse werden aus", "den Plänen entfernt. Soll das Kürzel ",
         "trotzdem gelöscht werden? "},
        TMeldungsArt::Warnung, {"Ja", "Nein"}, 1, 1);
    if (antwort != 0) return false;
  }
  Schule().ElementLoeschen(element);
  return true;
}

bool KuerzelSortieren(int art) {
  if (!GueltigeArt(art)) return false;
  return MitMenge(art, [](auto& menge) {
    const auto vorher = menge.Kopie();
    if (vorher.size() < 2) return false;
    menge.ListeSort([](const auto* a, const auto* b) {
      return LocaleVergleich(a->fKuerzel.str(), b->fKuerzel.str());
    });
    if (menge.Kopie() == vorher) return false;
    Schule().SetDirty(true);
    return true;
  });
}

bool KuerzelUmordnen(int art, const std::vector<TElement*>& folge) {
  if (!GueltigeArt(art)) return false;
  std::map<const TElement*, std::size_t> rang;
  for (std::size_t i = 0; i < folge.size(); ++i) rang[folge[i]] = i;
  const std::vector<TElement*> bisher = KuerzelListe(art);
  if (rang.size() != folge.size() || bisher.size() != folge.size()) return false;
  for (TElement* e : bisher)
    if (!rang.count(e)) return false;
  MitMenge(art, [&rang](auto& menge) {
    menge.ListeSort([&rang](const auto* a, const auto* b) {
      const std::size_t ra = rang.at(a), rb = rang.at(b);
      return ra < rb ? -1 : (ra > rb ? 1 : 0);
    });
    return 0;
  });
  Schule().SetDirty(true);
  return true;
}

bool KuerzelVerschieben(int art, int von, int nach) {
  std::vector<TElement*> folge = KuerzelListe(art);
  const int n = static_cast<int>(folge.size());
  if (von < 0 || von >= n || nach < 0 || nach >= n || von == nach) return false;
  TElement* e = folge[static_cast<std::size_t>(von)];
  folge.erase(folge.begin() + von);
  folge.insert(folge.begin() + nach, e);
  return KuerzelUmordnen(art, folge);
}
