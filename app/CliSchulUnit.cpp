#include "app/CliSchulUnit.h"

#include <algorithm>
#include <charconv>
#include <ostream>

#include "app/KonsoleUnit.h"
#include "model/SchulUnit.h"
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

bool CliSchuleOeffnen(TKonsolenUmgebung& umgebung, const std::string& datei, std::ostream& fehler) {
  std::string meldung;
  if (umgebung.Oeffnen(datei, meldung)) return true;
  fehler << meldung << '\n';
  return false;
}

bool CliRasterOption(const std::vector<std::string>& args, std::size_t& i, TCliRaster& raster,
                     std::string& fehler) {
  const std::string& a = args[i];
  if (a != "--woche" && a != "--tage" && a != "--stunden") return false;
  if (i + 1 >= args.size()) {
    fehler = "Nach " + a + " fehlt ein Wert.";
    return true;
  }
  const std::string& wert = args[++i];
  const bool ok = a == "--woche"  ? CliZahl(wert, 1, MaxWochen, raster.Woche)
                  : a == "--tage" ? CliZahl(wert, 5, MaxTage, raster.Tage)
                                  : CliZahl(wert, 1, MaxStunden, raster.Stunden);
  if (!ok) fehler = "Ungültiger Wert für " + a + ": " + wert;
  return true;
}

bool CliPlanwocheEinstellen(int woche, int tage, int stunden, std::ostream& fehler) {
  TStandard& st = Standard();
  if (woche > st.fMaxWocheNeu) {
    fehler << "Die Schule hat nur " << st.fMaxWocheNeu << " Planversion"
           << (st.fMaxWocheNeu == 1 ? "" : "en") << ".\n";
    return false;
  }
  if (woche > 0) st.fAktuelleWoche = woche;
  if (tage > 0) st.fMaxTageNeu = tage;
  if (stunden > 0) st.fPlnStd = stunden;
  return true;
}
