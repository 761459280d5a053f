#include "ui/HandbuchUnit.h"

#include <sstream>

#include "model/GlobalUnit.h"

namespace {
struct TZuordnung {
  int art;
  const char* abschnitt;
};

// Je Fensterart der Abschnitt. Die Überschriften müssen im Handbuch stehen (ein Test prüft es).
constexpr TZuordnung kZuordnung[] = {
    {FensterArt::Palette, "Die Werkzeugpalette"},
    {FensterArt::LehrerPlan, "Planfenster"},
    {FensterArt::KlassenPlan, "Planfenster"},
    {FensterArt::RaumPlan, "Planfenster"},
    {FensterArt::UVTabelle, "Unterrichtsverteilung"},
    {FensterArt::Zwischenablage, "Fenster"},
    {FensterArt::Fehler, "Prüfen und pflegen"},
    {FensterArt::LehrerDeputat, "Deputate"},
    {FensterArt::KlassenDeputat, "Deputate"},
    {FensterArt::KopplungsDeputat, "Deputate"},
    {FensterArt::FachDeputat, "Deputate"},
    {FensterArt::RaumDeputat, "Deputate"},
    {FensterArt::AlleKurse, "Kurse"},
    {FensterArt::ParalleleKopplungen, "Parallele Kopplungen"},
    {FensterArt::LehrerUebersicht, "Übersichten"},
    {FensterArt::KlassenUebersicht, "Übersichten"},
    {FensterArt::RaumUebersicht, "Übersichten"},
    {FensterArt::LehrerDaten, "Grunddaten"},
    {FensterArt::KlassenDaten, "Grunddaten"},
    {FensterArt::KopplungsDaten, "Grunddaten"},
    {FensterArt::FachDaten, "Grunddaten"},
    {FensterArt::RaumDaten, "Grunddaten"},
    {FensterArt::UVDaten, "Unterrichtsverteilung"},
    {FensterArt::Kurs, "Kurse"},
    {FensterArt::Manuell, "Manuell setzen"},
    {FensterArt::Vertretungen, "Der Tagesplan"},
    {FensterArt::Stundenverteilung, "Prüfen und pflegen"},
    {FensterArt::LehrerStatistik, "Unterrichtsverteilung"},
    {FensterArt::KlassenStatistik, "Unterrichtsverteilung"},
    {FensterArt::FachStatistik, "Unterrichtsverteilung"},
    {FensterArt::KopplungsStatistik, "Unterrichtsverteilung"},
    {FensterArt::RaumStatistik, "Unterrichtsverteilung"},
    {FensterArt::UVStatistik, "Unterrichtsverteilung"},
    {FensterArt::VertretungsWahl, "Vertretungswahl"},
    {FensterArt::VertrUebLehrer, "Vertretungsstunden und Übersichten"},
    {FensterArt::VertrUebKlassen, "Vertretungsstunden und Übersichten"},
    {FensterArt::WoAusfall, "Wöchentlicher Unterrichtsausfall"},
};

bool IstCodeGrenze(const std::string& zeile) { return zeile.rfind("```", 0) == 0; }

// Die Zeilen außerhalb der Codeblöcke.
std::vector<std::string> TextZeilen(const std::string& text) {
  std::vector<std::string> zeilen;
  std::istringstream ein(text);
  std::string zeile;
  bool imCode = false;
  while (std::getline(ein, zeile)) {
    if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
    if (IstCodeGrenze(zeile)) {
      imCode = !imCode;
      continue;
    }
    if (!imCode) zeilen.push_back(zeile);
  }
  return zeilen;
}

// "## Titel" → "Titel"; keine Überschrift → leer.
std::string Ueberschrift(const std::string& zeile) {
  std::size_t i = 0;
  while (i < zeile.size() && zeile[i] == '#') ++i;
  if (i == 0 || i > 6 || i >= zeile.size() || zeile[i] != ' ') return {};
  std::string titel = zeile.substr(i + 1);
  while (!titel.empty() && titel.back() == ' ') titel.pop_back();
  return titel;
}
}  // namespace

std::string HandbuchAbschnitt(int fensterArt) {
  for (const TZuordnung& z : kZuordnung)
    if (z.art == fensterArt) return z.abschnitt;
  return {};
}

std::vector<int> HandbuchFensterArten() {
  std::vector<int> arten;
  for (const TZuordnung& z : kZuordnung) arten.push_back(z.art);
  return arten;
}

std::vector<std::string> HandbuchUeberschriften(const std::string& text) {
  std::vector<std::string> titel;
  for (const std::string& zeile : TextZeilen(text)) {
    std::string t = Ueberschrift(zeile);
    if (!t.empty()) titel.push_back(std::move(t));
  }
  return titel;
}

std::vector<std::string> HandbuchCliBefehle(const std::string& text) {
  static const std::string kAnfang = "| `tamrel-cli ";
  std::vector<std::string> befehle;
  bool imAbschnitt = false;
  for (const std::string& zeile : TextZeilen(text)) {
    const std::string titel = Ueberschrift(zeile);
    if (!titel.empty()) {
      imAbschnitt = titel == "Befehle";
      continue;
    }
    if (!imAbschnitt || zeile.rfind(kAnfang, 0) != 0) continue;
    const std::size_t ende = zeile.find_first_of(" `", kAnfang.size());
    if (ende == std::string::npos) continue;
    befehle.push_back(zeile.substr(kAnfang.size(), ende - kAnfang.size()));
  }
  return befehle;
}
