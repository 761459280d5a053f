#include "app/CliUnit.h"

#include <ostream>

#include "app/KonsoleUnit.h"
#include "model/GlobalUnit.h"

namespace {
void Hilfe(std::ostream& aus) {
  aus << "Aufruf: tamrel-cli BEFEHL [ARGUMENTE]\n"
         "Befehle:\n"
         "  --version    zeigt die Programmversion\n"
         "  --hilfe      zeigt diese Hilfe\n";
}
}  // namespace

int CliAusfuehren(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler) {
  if (args.empty()) {
    Hilfe(fehler);
    return 2;
  }
  const std::string& befehl = args[0];
  if (befehl == "--version") {
    aus << ProgrammTitel << ' ' << VersionsDatum << '\n';
    return 0;
  }
  if (befehl == "--hilfe" || befehl == "-h" || befehl == "--help") {
    Hilfe(aus);
    return 0;
  }
  TKonsolenUmgebung umgebung(fehler);
  fehler << "Unbekannter Befehl: " << befehl << '\n';
  Hilfe(fehler);
  return 2;
}
