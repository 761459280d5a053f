#include "app/CliUVUnit.h"

#include <charconv>
#include <ostream>

#include "app/CliSchulUnit.h"
#include "app/KonsoleUnit.h"
#include "model/SchulUnit.h"
#include "persistence/ReadUnit.h"
#include "model/UVTabelleUnit.h"

namespace {
constexpr const char* kAufruf =
    "Aufruf: tamrel-cli uvtabelle DATEI NR|KÜRZEL [--schalter o|x] [--woche N]\n";

// Die Tabelle nach Nummer (ab 1) oder Kürzel; nichts, wenn es sie nicht gibt.
TUVTab* Tabelle(const TSchule& schule, const std::string& wahl) {
  int nr = 0;
  const char* ende = wahl.data() + wahl.size();
  const auto [p, fehler] = std::from_chars(wahl.data(), ende, nr);
  if (!wahl.empty() && fehler == std::errc() && p == ende)
    return nr >= 1 && nr <= schule.fUVTabMenge.ListeZahlElemente()
               ? schule.fUVTabMenge[static_cast<std::size_t>(nr - 1)]
               : nullptr;
  return TSchule::HoleElement(schule.fUVTabMenge, Utf8ZuWin1252(wahl));
}
}  // namespace

int CliUVTabelle(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler) {
  std::vector<std::string> frei;
  bool schalterO = true;
  TCliRaster raster;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    std::string meldung;
    if (CliRasterOption(args, i, raster, meldung)) {
      if (meldung.empty()) continue;
      fehler << meldung << '\n' << kAufruf;
      return 2;
    }
    if (a == "--schalter") {
      if (i + 1 >= args.size() || (args[i + 1] != "o" && args[i + 1] != "x")) {
        fehler << "Nach --schalter steht o oder x.\n" << kAufruf;
        return 2;
      }
      schalterO = args[++i] == "o";
      continue;
    }
    if (a.size() > 2 && a[0] == '-' && a[1] == '-') {
      fehler << "Unbekannte Option: " << a << '\n' << kAufruf;
      return 2;
    }
    frei.push_back(a);
  }
  if (frei.size() != 2) {
    fehler << "Es fehlen Datei oder Tabelle.\n" << kAufruf;
    return 2;
  }
  TKonsolenUmgebung umgebung(fehler);
  if (!CliSchuleOeffnen(umgebung, frei[0], fehler)) return 1;
  if (!CliRasterEinstellen(raster, fehler)) return 1;
  TSchule& schule = Schule();
  TUVTab* tab = Tabelle(schule, frei[1]);
  if (!tab) {
    fehler << "Die Schule hat keine UV-Tabelle " << frei[1] << ".\n";
    return 1;
  }
  TUVRaster tabelle;
  tabelle.Aufbauen(*tab);
  aus << UVAlsText(tabelle, schalterO);
  return 0;
}
