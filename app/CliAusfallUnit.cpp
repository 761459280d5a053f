#include "app/CliAusfallUnit.h"

#include <ostream>

#include "app/CliSchulUnit.h"
#include "app/KonsoleUnit.h"
#include "model/SchulUnit.h"
#include "persistence/ReadUnit.h"
#include "settings/StandardUnit.h"
#include "substitution/WoAusfallUnit.h"

namespace {
constexpr const char* kAufruf = "Aufruf: tamrel-cli ausfall DATEI --kw N --jahr J [--tage N]\n";

int Falsch(const std::string& meldung, std::ostream& fehler) {
  fehler << meldung << '\n' << kAufruf;
  return 2;
}
}  // namespace

int CliAusfall(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler) {
  std::vector<std::string> frei;
  int kw = 0, jahr = 0, tage = 5;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--kw" || a == "--jahr" || a == "--tage") {
      if (i + 1 >= args.size()) return Falsch("Nach " + a + " fehlt ein Wert.", fehler);
      const std::string& wert = args[++i];
      const bool ok = a == "--kw"     ? CliZahl(wert, 1, 53, kw)
                      : a == "--jahr" ? CliZahl(wert, 2018, 2100, jahr)
                                      : CliZahl(wert, 5, MaxTage, tage);
      if (!ok) return Falsch("Ungültiger Wert für " + a + ": " + wert, fehler);
      continue;
    }
    if (a.size() > 2 && a[0] == '-' && a[1] == '-')
      return Falsch("Unbekannte Option: " + a, fehler);
    frei.push_back(a);
  }
  if (frei.size() != 1) return Falsch("Es fehlt die Datei.", fehler);
  if (kw == 0 || jahr == 0) return Falsch("Es fehlen --kw oder --jahr.", fehler);
  TKonsolenUmgebung umgebung(fehler);
  if (!CliSchuleOeffnen(umgebung, frei[0], fehler)) return 1;
  Standard().fMaxTageNeu = tage;
  TWoAusfall bericht;
  if (!bericht.WocheWaehlen(kw, jahr)) {
    fehler << "Die Kalenderwoche " << kw << " gibt es im Jahr " << jahr << " nicht.\n";
    return 1;
  }
  for (const std::string& z : bericht.Zeilen()) aus << z << '\n';
  return 0;
}
