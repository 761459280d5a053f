#include "app/CliVertrUebersichtUnit.h"

#include <numeric>
#include <ostream>

#include "app/CliVertretungUnit.h"
#include "app/CliSchulUnit.h"
#include "app/KonsoleUnit.h"
#include "model/SchulUnit.h"
#include "persistence/ReadUnit.h"
#include "settings/StandardUnit.h"
#include "substitution/VStatUnit.h"
#include "substitution/VertrUnit.h"

namespace {
constexpr const char* kAufruf =
    "Aufruf: tamrel-cli vertretungsuebersicht DATEI lehrer|klassen VON BIS [--woche N] "
    "[--tage N]\n";
}  // namespace

int CliVertrUebersicht(const std::vector<std::string>& args, std::ostream& aus,
                       std::ostream& fehler) {
  std::vector<std::string> frei;
  TCliRaster raster;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string meldung;
    if (CliRasterOption(args, i, raster, meldung)) {
      if (meldung.empty()) continue;
      fehler << meldung << '\n' << kAufruf;
      return 2;
    }
    frei.push_back(args[i]);
  }
  if (frei.size() != 4) {
    fehler << "Falsche Argumente für vertretungsuebersicht.\n" << kAufruf;
    return 2;
  }
  const std::string& art = frei[1];
  if (art != "lehrer" && art != "klassen") {
    fehler << "Die Art muss lehrer oder klassen sein: " << art << '\n' << kAufruf;
    return 2;
  }
  TDateTime von = 0, bis = 0;
  for (int i : {2, 3}) {
    if (!CliDatumLesen(frei[static_cast<std::size_t>(i)], i == 2 ? von : bis)) {
      fehler << "Ungültiges Datum: " << frei[static_cast<std::size_t>(i)] << '\n' << kAufruf;
      return 2;
    }
  }
  TKonsolenUmgebung umgebung(fehler);
  if (!CliSchuleOeffnen(umgebung, frei[0], fehler)) return 1;
  if (!CliRasterEinstellen(raster, fehler)) return 1;
  const TVertrZeitraum z = VertrZeitraum(von, bis);
  const std::vector<TVStatZeile> zeilen =
      art == "lehrer" ? VLeStatZeilen(z.Von, z.Bis) : VKlStatZeilen(z.Von, z.Bis);
  std::vector<int> alle(zeilen.size());
  std::iota(alle.begin(), alle.end(), 0);
  aus << VStatText(zeilen, alle);
  return 0;
}
