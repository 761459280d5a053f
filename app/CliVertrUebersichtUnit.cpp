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
    "Aufruf: tamrel-cli vertretungsuebersicht DATEI lehrer|klassen VON BIS\n";
}  // namespace

int CliVertrUebersicht(const std::vector<std::string>& args, std::ostream& aus,
                       std::ostream& fehler) {
  if (args.size() != 4) {
    fehler << "Falsche Argumente für vertretungsuebersicht.\n" << kAufruf;
    return 2;
  }
  const std::string& art = args[1];
  if (art != "lehrer" && art != "klassen") {
    fehler << "Die Art muss lehrer oder klassen sein: " << art << '\n' << kAufruf;
    return 2;
  }
  TDateTime von = 0, bis = 0;
  for (int i : {2, 3}) {
    if (!CliDatumLesen(args[static_cast<std::size_t>(i)], i == 2 ? von : bis)) {
      fehler << "Ungültiges Datum: " << args[static_cast<std::size_t>(i)] << '\n' << kAufruf;
      return 2;
    }
  }
  TKonsolenUmgebung umgebung(fehler);
  Standard().fMaxTageNeu = 5;
  if (!CliSchuleOeffnen(umgebung, args[0], fehler)) return 1;
  const TVertrZeitraum z = VertrZeitraum(von, bis);
  const std::vector<TVStatZeile> zeilen =
      art == "lehrer" ? VLeStatZeilen(z.Von, z.Bis) : VKlStatZeilen(z.Von, z.Bis);
  std::vector<int> alle(zeilen.size());
  std::iota(alle.begin(), alle.end(), 0);
  aus << VStatText(zeilen, alle);
  return 0;
}
