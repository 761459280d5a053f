#include "app/CliUebersichtUnit.h"

#include <algorithm>
#include <charconv>
#include <ostream>

#include "app/CliPlanUnit.h"
#include "app/KonsoleUnit.h"
#include "model/SchulUnit.h"
#include "persistence/ReadUnit.h"
#include "settings/StandardUnit.h"
#include "ui/UebersichtUnit.h"

namespace {
constexpr const char* kAufruf =
    "Aufruf: tamrel-cli uebersicht DATEI lehrer|klassen|raeume [--woche N]\n";

bool Zahl(const std::string& text, int von, int bis, int& wert) {
  int z = 0;
  const char* ende = text.data() + text.size();
  const auto [p, fehler] = std::from_chars(text.data(), ende, z);
  if (text.empty() || fehler != std::errc() || p != ende || z < von || z > bis) return false;
  wert = z;
  return true;
}
}  // namespace

int CliUebersicht(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler) {
  std::vector<std::string> frei;
  int woche = 1;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--woche") {
      if (i + 1 >= args.size()) {
        fehler << "Nach --woche fehlt ein Wert.\n" << kAufruf;
        return 2;
      }
      if (!Zahl(args[++i], 1, MaxWochen, woche)) {
        fehler << "Ungültiger Wert für --woche: " << args[i] << '\n' << kAufruf;
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
  std::string meldung;
  if (!umgebung.Oeffnen(frei[0], meldung)) {
    fehler << meldung << '\n';
    return 1;
  }
  TSchule& schule = Schule();
  TStandard& st = Standard();
  if (woche > st.fMaxWocheNeu) {
    fehler << "Die Schule hat nur " << st.fMaxWocheNeu << " Planversion"
           << (st.fMaxWocheNeu == 1 ? "" : "en") << ".\n";
    return 1;
  }
  st.fAktuelleWoche = woche;
  st.fMaxTageNeu = 5;
  st.fPlnStd = std::clamp(LetzteGesetzteStunde(schule), 6, MaxStunden);
  const TKuerzelArt k = art == "lehrer" ? leh : art == "klassen" ? kla : rau;
  aus << UebersichtAlsText(UebersichtFuellen(k), true, false);
  return 0;
}
