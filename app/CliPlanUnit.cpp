#include "app/CliPlanUnit.h"

#include <algorithm>
#include <ostream>

#include "app/CliSchulUnit.h"
#include "app/KonsoleUnit.h"
#include "model/SchulUnit.h"
#include "persistence/ReadUnit.h"
#include "settings/StandardUnit.h"
#include "output/PlanTextUnit.h"

namespace {
constexpr const char* kAufruf =
    "Aufruf: tamrel-cli plan DATEI lehrer|klasse|raum KÜRZEL [--woche N] [--tage N] "
    "[--stunden N] [--schalter o|x] [--kopplungen]\n";

TPlanElement* Element(TSchule& schule, const std::string& art, const std::string& kuerzel) {
  const std::string k = Utf8ZuWin1252(kuerzel);
  if (art == "lehrer") return TSchule::HoleElement(schule.fLehrerMenge, k);
  if (art == "klasse") return TSchule::HoleElement(schule.fKlassenMenge, k);
  return TSchule::HoleElement(schule.fRaumMenge, k);
}
}  // namespace

bool PlanAufrufLesen(const std::vector<std::string>& args, TPlanAufruf& aufruf,
                     std::string& fehler) {
  aufruf = TPlanAufruf{};
  std::vector<std::string> frei;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--kopplungen") {
      aufruf.kopplungen = true;
      continue;
    }
    if (a == "--woche" || a == "--tage" || a == "--stunden" || a == "--schalter") {
      if (i + 1 >= args.size()) {
        fehler = "Nach " + a + " fehlt ein Wert.";
        return false;
      }
      const std::string& wert = args[++i];
      bool ok = true;
      if (a == "--woche")
        ok = CliZahl(wert, 1, MaxWochen, aufruf.woche);
      else if (a == "--tage")
        ok = CliZahl(wert, 5, MaxTage, aufruf.tage);
      else if (a == "--stunden")
        ok = CliZahl(wert, 1, MaxStunden, aufruf.stunden);
      else if (wert == "o" || wert == "x")
        aufruf.schalterO = wert == "o";
      else
        ok = false;
      if (!ok) {
        fehler = "Ungültiger Wert für " + a + ": " + wert;
        return false;
      }
      continue;
    }
    if (a.size() > 2 && a[0] == '-' && a[1] == '-') {
      fehler = "Unbekannte Option: " + a;
      return false;
    }
    frei.push_back(a);
  }
  if (frei.size() != 3) {
    fehler = "Es fehlen Datei, Art oder Kürzel.";
    return false;
  }
  aufruf.datei = frei[0];
  aufruf.art = frei[1];
  aufruf.kuerzel = frei[2];
  if (aufruf.art != "lehrer" && aufruf.art != "klasse" && aufruf.art != "raum") {
    fehler = "Die Art muss lehrer, klasse oder raum sein: " + aufruf.art;
    return false;
  }
  if (aufruf.kopplungen && aufruf.art != "klasse") {
    fehler = "--kopplungen gibt es nur für Klassenpläne.";
    return false;
  }
  return true;
}

int CliPlan(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler) {
  TPlanAufruf aufruf;
  std::string meldung;
  if (!PlanAufrufLesen(args, aufruf, meldung)) {
    fehler << meldung << '\n' << kAufruf;
    return 2;
  }
  TKonsolenUmgebung umgebung(fehler);
  if (!CliSchuleOeffnen(umgebung, aufruf.datei, fehler)) return 1;
  if (!CliPlanwocheEinstellen(aufruf.woche, aufruf.tage, aufruf.stunden, fehler)) return 1;
  TPlanElement* element = Element(Schule(), aufruf.art, aufruf.kuerzel);
  if (!element) {
    const char* name = aufruf.art == "lehrer"   ? "Lehrer"
                       : aufruf.art == "klasse" ? "Klasse"
                                                : "Raum";
    fehler << name << " \"" << aufruf.kuerzel << "\" gibt es in der Schule nicht.\n";
    return 1;
  }
  aus << PlanAlsText(PlanFuellen(*element), aufruf.schalterO, aufruf.kopplungen);
  return 0;
}
