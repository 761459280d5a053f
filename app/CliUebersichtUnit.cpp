#include "app/CliUebersichtUnit.h"

#include <algorithm>
#include <ostream>

#include "app/CliPlanUnit.h"
#include "app/CliSchulUnit.h"
#include "app/KonsoleUnit.h"
#include "model/SchulUnit.h"
#include "persistence/ReadUnit.h"
#include "settings/StandardUnit.h"
#include "output/UebersichtUnit.h"

namespace {
constexpr const char* kAufruf =
    "Aufruf: tamrel-cli uebersicht DATEI lehrer|klassen|raeume [--woche N] [--tage N] "
    "[--stunden N]\n";
}  // namespace

int CliUebersicht(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler) {
  std::vector<std::string> frei;
  int woche = 0, tage = 0, stunden = 0;  // 0: wie eingestellt
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--woche" || a == "--tage" || a == "--stunden") {
      if (i + 1 >= args.size()) {
        fehler << "Nach " << a << " fehlt ein Wert.\n" << kAufruf;
        return 2;
      }
      const std::string& wert = args[++i];
      const bool ok = a == "--woche"  ? CliZahl(wert, 1, MaxWochen, woche)
                      : a == "--tage" ? CliZahl(wert, 5, MaxTage, tage)
                                      : CliZahl(wert, 1, MaxStunden, stunden);
      if (!ok) {
        fehler << "Ungültiger Wert für " << a << ": " << wert << '\n' << kAufruf;
        return 2;
      }
      continue;
    }
    if (a.size() > 2 && a[0] == '-' && a[1] == '-') {
      fehler << "Unbekannte Option: " << a << '\n' << kAufruf;
      return 2;
    }
    frei.push_back(a);
  }
  if (frei.size() != 2) {
    fehler << "Es fehlen Datei oder Art.\n" << kAufruf;
    return 2;
  }
  const std::string& art = frei[1];
  if (art != "lehrer" && art != "klassen" && art != "raeume") {
    fehler << "Die Art muss lehrer, klassen oder raeume sein: " << art << '\n' << kAufruf;
    return 2;
  }
  TKonsolenUmgebung umgebung(fehler);
  if (!CliSchuleOeffnen(umgebung, frei[0], fehler)) return 1;
  if (!CliPlanwocheEinstellen(woche, tage, stunden, fehler)) return 1;
  const TKuerzelArt k = art == "lehrer" ? leh : art == "klassen" ? kla : rau;
  aus << UebersichtAlsText(UebersichtFuellen(k), true, false);
  return 0;
}
