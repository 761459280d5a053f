#include "app/CliVertrHtmlUnit.h"

#include <filesystem>
#include <ostream>

#include "app/CliSchulUnit.h"
#include "app/CliVertretungUnit.h"
#include "app/KonsoleUnit.h"
#include "model/SchulUnit.h"
#include "output/VertrHTMLUnit.h"
#include "persistence/ReadUnit.h"
#include "settings/StandardUnit.h"

namespace {
constexpr const char* kAufruf =
    "Aufruf: tamrel-cli html DATEI ORDNER --vertretung DATUM [--vorgabe 1..4] [--tagesordner] "
    "[--woche N] [--tage N]\n";

int Falsch(const std::string& meldung, std::ostream& fehler) {
  fehler << meldung << '\n' << kAufruf;
  return 2;
}

std::string Verbinden(const std::string& ordner, const std::string& name) {
  const std::filesystem::path p =
      std::filesystem::path(std::u8string(ordner.begin(), ordner.end())) /
      std::u8string(name.begin(), name.end());
  const std::u8string s = p.u8string();
  return std::string(s.begin(), s.end());
}
}  // namespace

int CliHtmlVertretung(const std::vector<std::string>& args, std::ostream& aus,
                      std::ostream& fehler) {
  std::vector<std::string> frei;
  std::string datumText;
  int vorgabe = 0;  // 0: die eine im Dialog angehakte Einstellung
  TCliRaster raster;
  bool tagesordner = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--tagesordner") {
      tagesordner = true;
      continue;
    }
    std::string meldung;
    if (CliRasterOption(args, i, raster, meldung)) {
      if (!meldung.empty()) return Falsch(meldung, fehler);
      continue;
    }
    if (a == "--vertretung" || a == "--vorgabe") {
      if (i + 1 >= args.size()) return Falsch("Nach " + a + " fehlt ein Wert.", fehler);
      const std::string& wert = args[++i];
      if (a == "--vertretung") {
        datumText = wert;

      } else if (!CliVorgabeLesen(wert, vorgabe)) {
        return Falsch("Die Druckeinstellung muss 1, 2, 3 oder 4 sein.", fehler);
      }
      continue;
    }
    if (a.size() > 1 && a[0] == '-' && a[1] == '-')
      return Falsch("Unbekannte Option: " + a, fehler);
    frei.push_back(a);
  }
  if (frei.size() != 2 || datumText.empty())
    return Falsch("Falsche Argumente für html --vertretung.", fehler);
  TDateTime datum = 0;
  if (!CliDatumLesen(datumText, datum))
    return Falsch("Ungültiges Datum: " + datumText + " (TT.MM.JJJJ, 1994 bis 2039)", fehler);
  TKonsolenUmgebung umgebung(fehler);
  if (!CliSchuleOeffnen(umgebung, frei[0], fehler)) return 1;
  if (!CliRasterEinstellen(raster, fehler)) return 1;
  // Wie "als HTML-Datei": ohne --vorgabe genau die eine angehakte Druckeinstellung.
  if (vorgabe == 0) vorgabe = EinzigeVorgabe();
  if (vorgabe == 0) return 1;
  const std::vector<std::string> memo = Standard().fVMemo[1];
  std::error_code ec;
  if (!std::filesystem::is_directory(std::u8string(frei[1].begin(), frei[1].end()), ec)) {
    fehler << "Den Ordner \u201E" << frei[1] << "\u201C gibt es nicht.\n";
    return 1;
  }
  std::vector<std::string> geschrieben;
  tagesordner = tagesordner || Standard().fVertrHTMLMitTagesordner;
  const bool ok =
      tagesordner ? VertretungsTagesordner(Verbinden(frei[1], TagesordnerName(datum)), datum, memo,
                                           vorgabe, &geschrieben)
                  : VertretungsDateien(Verbinden(frei[1], "vp.html"), Verbinden(frei[1], "ep.html"),
                                       datum, memo, vorgabe, &geschrieben);
  for (const std::string& p : geschrieben) aus << p << '\n';
  return ok ? 0 : 1;
}

int CliHtml4(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler) {
  constexpr const char* kHtml4 = "Aufruf: tamrel-cli html4 DATEI DATUM [--woche N] [--tage N]\n";
  std::vector<std::string> frei;
  TCliRaster raster;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string meldung;
    if (CliRasterOption(args, i, raster, meldung)) {
      if (meldung.empty()) continue;
      fehler << meldung << '\n' << kHtml4;
      return 2;
    }
    if (args[i].size() > 1 && args[i][0] == '-' && args[i][1] == '-') {
      fehler << "Unbekannte Option: " << args[i] << '\n' << kHtml4;
      return 2;
    }
    frei.push_back(args[i]);
  }
  TDateTime datum = 0;
  if (frei.size() != 2 || !CliDatumLesen(frei[1], datum)) {
    fehler << (frei.size() != 2 ? std::string("Falsche Argumente für html4.")
                                : "Ungültiges Datum: " + frei[1] + " (TT.MM.JJJJ, heute, morgen)")
           << '\n'
           << kHtml4;
    return 2;
  }
  TKonsolenUmgebung umgebung(fehler);
  if (!CliSchuleOeffnen(umgebung, frei[0], fehler)) return 1;
  if (!CliRasterEinstellen(raster, fehler)) return 1;
  if (!AlleVorgaben()) return 1;
  std::vector<std::string> geschrieben;
  const bool ok = VertretungHtml4(datum, Standard().fVMemo[1], &geschrieben);
  for (const std::string& p : geschrieben) aus << p << '\n';
  return ok ? 0 : 1;
}
