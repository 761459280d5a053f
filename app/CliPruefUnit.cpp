#include "app/CliPruefUnit.h"

#include <map>
#include <ostream>

#include "app/CliSchulUnit.h"
#include "app/KonsoleUnit.h"
#include "model/KlassenUnit.h"
#include "model/SchulUnit.h"
#include "model/ToolsUnit.h"
#include "persistence/ReadUnit.h"
#include "persistence/WriteUnit.h"
#include "planning/KompressUnit.h"
#include "planning/PruefUnit.h"
#include "settings/StandardUnit.h"

namespace {

constexpr const char* kPruefAufruf =
    "Aufruf: tamrel-cli pruefen DATEI "
    "[konsistenz|bruecken|raeume|stunden|versionen|kopplungen|einzel|alle] [--woche N] "
    "[--tage N]\n";
constexpr const char* kKompAufruf =
    "Aufruf: tamrel-cli komprimieren DATEI --ausgabe NEU [--woche N] [--tage N]\n";

const std::map<std::string, TPruefArt>& PruefNamen() {
  static const std::map<std::string, TPruefArt> namen = {
      {"konsistenz", TPruefArt::Konsistenz}, {"bruecken", TPruefArt::Bruecken},
      {"raeume", TPruefArt::FehlRaum},       {"stunden", TPruefArt::FehlStunden},
      {"versionen", TPruefArt::Versionen},   {"kopplungen", TPruefArt::Kopplungen},
      {"einzel", TPruefArt::Einzel}};
  return namen;
}

struct TAufruf {
  std::string datei;
  std::string wahl;  // Prüfung bzw. leer
  std::string ausgabe;
  TCliRaster raster;  // 0: wie eingestellt
};

// Liest DATEI, ein freies Wort (wenn erlaubt), --tage und --ausgabe; falsch mit Meldung.
bool AufrufLesen(const std::vector<std::string>& args, bool mitWahl, TAufruf& a,
                 std::string& meldung) {
  std::vector<std::string> frei;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& x = args[i];
    if (x == "--tage") {
      const std::string wert = i + 1 < args.size() ? args[i + 1] : std::string();
      if (!wert.empty() && wert != "5" && wert != "6" && wert != "7") {
        meldung = "Ungültige Zahl der Tage: " + wert + " (erlaubt sind 5, 6 und 7).";
        return false;
      }
    }
    if (x == "--tage" || x == "--woche") {
      CliRasterOption(args, i, a.raster, meldung);
      if (!meldung.empty()) return false;
      continue;
    }
    if (x == "--ausgabe") {
      if (i + 1 >= args.size()) {
        meldung = "Nach " + x + " fehlt ein Wert.";
        return false;
      }
      a.ausgabe = args[++i];
      continue;
    }
    if (x.size() > 2 && x[0] == '-' && x[1] == '-') {
      meldung = "Unbekannte Option: " + x;
      return false;
    }
    frei.push_back(x);
  }
  if (frei.empty()) {
    meldung = "Die Schuldatei fehlt.";
    return false;
  }
  if (frei.size() > (mitWahl ? 2u : 1u)) {
    meldung = "Unbekanntes Argument: " + frei.back();
    return false;
  }
  a.datei = frei[0];
  if (frei.size() == 2) a.wahl = frei[1];
  return true;
}

// Schule lesen, die Optionen über die Einstellungen legen; alleVersionen: alle Planversionen
// bearbeiten (Komprimieren), auch wenn nur eine eingestellt ist.
bool Vorbereiten(TKonsolenUmgebung& umgebung, const TAufruf& a, bool alleVersionen,
                 std::ostream& fehler) {
  if (!CliSchuleOeffnen(umgebung, a.datei, fehler)) return false;
  if (alleVersionen) Standard().fEineWoche = false;
  return CliRasterEinstellen(a.raster, fehler);
}

}  // namespace

int CliPruefen(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler) {
  TAufruf a;
  std::string meldung;
  if (!AufrufLesen(args, true, a, meldung) || !a.ausgabe.empty()) {
    fehler << (meldung.empty() ? "Unbekannte Option: --ausgabe" : meldung) << '\n' << kPruefAufruf;
    return 2;
  }
  std::vector<TPruefArt> arten;
  if (a.wahl.empty() || a.wahl == "alle") {
    arten = {TPruefArt::Konsistenz,  TPruefArt::Bruecken,  TPruefArt::FehlRaum,
             TPruefArt::FehlStunden, TPruefArt::Versionen, TPruefArt::Kopplungen,
             TPruefArt::Einzel};
  } else if (const auto it = PruefNamen().find(a.wahl); it != PruefNamen().end()) {
    arten = {it->second};
  } else {
    fehler << "Unbekannte Prüfung: " << a.wahl << '\n' << kPruefAufruf;
    return 2;
  }
  TKonsolenUmgebung umgebung(fehler);
  if (!Vorbereiten(umgebung, a, false, fehler)) return 1;
  const bool alle = arten.size() > 1;
  TFehlerArt gesamt = TFehlerArt::kein;
  for (TPruefArt art : arten) {
    // Wie im Menü: die Versionsunterschiede gibt es nur bei mehr als einer Planversion.
    if (alle && art == TPruefArt::Versionen && Standard().fMaxWocheNeu <= 1) continue;
    const TFehlerArt stufe =
        Pruefe(art, Schule(), [&aus](const std::string& z) { aus << Win1252ZuUtf8(z) << '\n'; });
    if (static_cast<int>(stufe) > static_cast<int>(gesamt)) gesamt = stufe;
  }
  aus << "Ergebnis: " << PruefStufenText(gesamt) << '\n';
  return 0;
}

int CliKomprimieren(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler) {
  TAufruf a;
  std::string meldung;
  if (!AufrufLesen(args, false, a, meldung) || a.ausgabe.empty()) {
    fehler << (meldung.empty() ? "Die Option --ausgabe fehlt." : meldung) << '\n' << kKompAufruf;
    return 2;
  }
  TKonsolenUmgebung umgebung(fehler);
  if (!Vorbereiten(umgebung, a, true, fehler)) return 1;
  // Hohlstunden je Klasse und Version vor dem Lauf.
  std::vector<std::vector<int>> vorher;
  int maxim = 0;
  TTagFeld maximum{};
  const int wochen = Standard().fMaxWocheNeu;
  for (const TKlasse* k : Schule().fKlassenMenge) {
    vorher.emplace_back();
    for (int w = 1; w <= wochen; ++w) vorher.back().push_back(k->HohlStunden(w, maxim, maximum));
  }
  const TKomprimierer k = KomprimiereAlles();
  std::size_t i = 0;
  for (const TKlasse* kl : Schule().fKlassenMenge) {
    for (int w = 1; w <= wochen; ++w)
      aus << "Klasse " << Win1252ZuUtf8(kl->fKuerzel.str()) << " {" << w
          << "}: " << vorher[i][static_cast<std::size_t>(w - 1)] << " -> "
          << kl->HohlStunden(w, maxim, maximum) << '\n';
    ++i;
  }
  for (const std::string& z : k.Zusammenfassung()) aus << z << '\n';
  if (!WriteSchule(a.ausgabe, Schule(), meldung)) {
    fehler << meldung << '\n';
    return 1;
  }
  return 0;
}
