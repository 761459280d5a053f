#include "app/CliSchulUnit.h"

#include <algorithm>
#include <charconv>
#include <ostream>

#include "app/KonsoleUnit.h"
#include "model/KursUnit.h"
#include "model/SchulUnit.h"
#include "planning/SetzungUnit.h"
#include "settings/StandardUnit.h"

bool CliZahl(const std::string& text, int von, int bis, int& wert) {
  int z = 0;
  const char* ende = text.data() + text.size();
  const auto [p, fehler] = std::from_chars(text.data(), ende, z);
  if (text.empty() || fehler != std::errc() || p != ende || z < von || z > bis) return false;
  wert = z;
  return true;
}

bool CliVorgabeLesen(const std::string& text, int& vorgabe) {
  if (text.size() != 1 || text[0] < '1' || text[0] > '4') return false;
  vorgabe = text[0] - '0';
  return true;
}

int LetzteGesetzteStunde(const TSchule& schule) {
  int letzte = 0;
  for (const TKurs* k : schule.fKursMenge)
    for (const TSetzung* s : k->fSetzungen) letzte = std::max(letzte, s->fStunde);
  return letzte;
}

bool CliSchuleOeffnen(TKonsolenUmgebung& umgebung, const std::string& datei, std::ostream& fehler) {
  std::string meldung;
  if (umgebung.Oeffnen(datei, meldung)) return true;
  fehler << meldung << '\n';
  return false;
}

bool CliPlanwocheEinstellen(int woche, int tage, int stunden, std::ostream& fehler) {
  TStandard& st = Standard();
  if (woche > st.fMaxWocheNeu) {
    fehler << "Die Schule hat nur " << st.fMaxWocheNeu << " Planversion"
           << (st.fMaxWocheNeu == 1 ? "" : "en") << ".\n";
    return false;
  }
  st.fAktuelleWoche = woche;
  st.fMaxTageNeu = tage;
  st.fPlnStd = stunden > 0 ? stunden : std::clamp(LetzteGesetzteStunde(Schule()), 6, MaxStunden);
  return true;
}
