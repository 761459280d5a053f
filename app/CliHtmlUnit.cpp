#include "app/CliHtmlUnit.h"

#include <algorithm>
#include <map>
#include <ostream>
#include <set>

#include "app/CliSchulUnit.h"
#include "app/KonsoleUnit.h"
#include "model/KursUnit.h"
#include "model/SchulUnit.h"
#include "output/HTMLUnit.h"
#include "persistence/ReadUnit.h"
#include "planning/SetzungUnit.h"
#include "settings/StandardUnit.h"

namespace {
constexpr const char* kAufruf =
    "Aufruf: tamrel-cli html DATEI ORDNER [--ersetzen] [--woche N] [--tage N] [--stunden N] "
    "[--schulname TEXT]\n";

// Optionen mit Wert und Schalter ohne Wert; weitere kommen hier hinzu.
const std::set<std::string> kMitWert = {"--woche", "--tage", "--stunden", "--schulname"};
const std::set<std::string> kSchalter = {"--ersetzen"};

int Falsch(const std::string& meldung, std::ostream& fehler) {
  fehler << meldung << '\n' << kAufruf;
  return 2;
}
}  // namespace

int CliHtml(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler) {
  std::vector<std::string> frei;
  std::map<std::string, std::string> werte;
  std::set<std::string> schalter;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (kMitWert.count(a)) {
      if (i + 1 >= args.size()) return Falsch("Nach " + a + " fehlt ein Wert.", fehler);
      werte[a] = args[++i];
    } else if (kSchalter.count(a)) {
      schalter.insert(a);
    } else if (a.size() > 2 && a[0] == '-' && a[1] == '-') {
      return Falsch("Unbekannte Option: " + a, fehler);
    } else {
      frei.push_back(a);
    }
  }
  if (frei.size() != 2) return Falsch("Es fehlen Datei oder Ordner.", fehler);
  if (frei[1].empty()) return Falsch("Der Ordner ist leer.", fehler);
  int woche = 0, tage = 0, stunden = 0;  // 0: wie eingestellt
  for (const auto& [option, wert] : werte) {
    bool ok = true;
    if (option == "--woche")
      ok = CliZahl(wert, 1, MaxWochen, woche);
    else if (option == "--tage")
      ok = CliZahl(wert, 5, MaxTage, tage);
    else if (option == "--stunden")
      ok = CliZahl(wert, 1, MaxStunden, stunden);
    else if (option == "--schulname")
      ok = Utf8InWin1252Darstellbar(wert);
    if (!ok) return Falsch("Ungültiger Wert für " + option + ": " + wert, fehler);
  }

  TKonsolenUmgebung umgebung(fehler);
  if (!CliSchuleOeffnen(umgebung, frei[0], fehler)) return 1;
  if (!CliPlanwocheEinstellen(woche, tage, stunden, fehler)) return 1;
  if (werte.count("--schulname")) Standard().fSchulname = Utf8ZuWin1252(werte["--schulname"]);
  THTMLExport exporter;
  if (!exporter.ExportToFile(frei[1], schalter.count("--ersetzen") > 0)) return 1;
  aus << "Dateien: " << exporter.Dateien() << '\n';
  return 0;
}
