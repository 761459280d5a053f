#include "app/CliDruckUnit.h"

#include <algorithm>
#include <ostream>

#include "app/CliListDruckUnit.h"
#include "app/CliSchulUnit.h"
#include "app/CliVertretungUnit.h"
#include "app/KonsoleUnit.h"
#include "model/SchulUnit.h"
#include "output/DruckAuftragUnit.h"
#include "output/DruckPlnUnit.h"
#include "persistence/ReadUnit.h"
#include "planning/SetzungUnit.h"
#include "settings/StandardUnit.h"

namespace {
TPdfDienst* gPdfDienst = nullptr;

constexpr const char* kAufruf =
    "Aufruf: tamrel-cli drucken DATEI lehrerplaene|klassenplaene|raumplaene|"
    "kopplungsplaene-lehrer|kopplungsplaene-klassen --pdf AUSGABE.pdf [--woche N] [--tage N] "
    "[--stunden N] [--auswahl KÜRZEL…]\n";

struct TArtName {
  const char* Name;
  TPlanDruckArt Art;
};
constexpr TArtName kArten[] = {{"lehrerplaene", TPlanDruckArt::Lehrer},
                               {"klassenplaene", TPlanDruckArt::Klassen},
                               {"raumplaene", TPlanDruckArt::Raeume},
                               {"kopplungsplaene-lehrer", TPlanDruckArt::KoppLehrer},
                               {"kopplungsplaene-klassen", TPlanDruckArt::KoppKlassen}};

}  // namespace

bool DruckAufrufLesen(const std::vector<std::string>& args, bool listen, TDruckAufruf& a,
                      std::string& fehler) {
  std::vector<std::string> frei;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--auswahl") {
      a.MitAuswahl = true;
      while (i + 1 < args.size() && args[i + 1].rfind("--", 0) != 0) a.Auswahl.push_back(args[++i]);
      if (a.Auswahl.empty()) {
        fehler = "Nach --auswahl fehlen die Kürzel.";
        return false;
      }
      continue;
    }
    const bool listenOption =
        arg == "--art" || arg == "--von" || arg == "--bis" || arg == "--schalter";
    if (arg == "--pdf" || arg == "--woche" || arg == "--tage" || arg == "--stunden" ||
        (listen && listenOption)) {
      if (i + 1 >= args.size()) {
        fehler = "Nach " + arg + " fehlt ein Wert.";
        return false;
      }
      const std::string& wert = args[++i];
      bool ok = true;
      if (arg == "--pdf") {
        a.Pdf = wert;
      } else if (arg == "--art") {
        a.Was = wert;
      } else if (arg == "--schalter") {
        ok = wert == "o" || wert == "x";
        a.SchalterO = wert == "o";
      } else if (arg == "--von" || arg == "--bis") {
        TDateTime datum = 0;
        ok = CliDatumLesen(wert, datum);
        (arg == "--von" ? a.Von : a.Bis) = wert;
      } else if (arg == "--woche") {
        ok = CliZahl(wert, 1, MaxWochen, a.Woche);
      } else if (arg == "--tage") {
        ok = CliZahl(wert, 5, MaxTage, a.Tage);
      } else {
        ok = CliZahl(wert, 1, MaxStunden, a.Stunden);
      }
      if (!ok) {
        fehler = "Ungültiger Wert für " + arg + ": " + wert;
        return false;
      }
      continue;
    }
    if (arg.rfind("--", 0) == 0) {
      fehler = "Unbekannte Option: " + arg;
      return false;
    }
    frei.push_back(arg);
  }
  if (frei.size() != 2) {
    fehler = "Es fehlen Datei oder Art.";
    return false;
  }
  a.Datei = frei[0];
  a.Art = frei[1];
  if (a.Pdf.empty()) {
    fehler = "Es fehlt --pdf AUSGABE.pdf.";
    return false;
  }
  return true;
}

void CliPdfDienstSetzen(TPdfDienst* dienst) {
  gPdfDienst = dienst;
}

TPdfDienst* CliPdfDienst() {
  return gPdfDienst;
}

TDruckerMasse CliPdfMasse() {
  return PapierMasse(GemerktesPapier(), gPdfDienst ? gPdfDienst->PdfMasse().pXppi : 600);
}

int CliDrucken(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler) {
  // Übersichten und Listen haben ihre eigenen Optionen.
  if (const int rc = CliListenDrucken(args, aus, fehler); rc >= 0) return rc;
  TDruckAufruf a;
  std::string meldung;
  if (!DruckAufrufLesen(args, false, a, meldung)) {
    fehler << meldung << '\n' << kAufruf;
    return 2;
  }
  const TArtName* art = std::find_if(std::begin(kArten), std::end(kArten),
                                     [&](const TArtName& n) { return a.Art == n.Name; });
  if (art == std::end(kArten)) {
    fehler << "Unbekannte Art des Drucks: " << a.Art << '\n' << kAufruf;
    return 2;
  }
  if (!gPdfDienst) {
    fehler << "PDF-Dateien kann dieses Programm nicht schreiben.\n";
    return 1;
  }
  TKonsolenUmgebung umgebung(fehler);
  if (!CliSchuleOeffnen(umgebung, a.Datei, fehler)) return 1;
  if (!CliPlanwocheEinstellen(a.Woche, a.Tage, a.Stunden, fehler)) return 1;
  TStandard& st = Standard();
  std::vector<std::string> fehlend;
  const std::vector<TPlanElement*> liste =
      a.MitAuswahl ? PlanElemente(art->Art, a.Auswahl, &fehlend) : AllePlanElemente(art->Art);
  if (!fehlend.empty()) {
    fehler << "Diese Kürzel gibt es in der Schule nicht:";
    for (const std::string& k : fehlend) fehler << ' ' << k;
    fehler << '\n';
    return 1;
  }
  TPrevPrinter drucker(CliPdfMasse(), gPdfDienst->PdfMetrik());
  const int plaene = DruckePlaene(art->Art, LadePlanDruck(art->Art, st), liste, drucker);
  if (plaene == 0) {
    fehler << "Keine Pläne zu drucken.\n";
    return 1;
  }
  if (!gPdfDienst->PdfSchreiben(drucker, a.Pdf, meldung)) {
    fehler << meldung << '\n';
    return 1;
  }
  aus << "Seiten: " << drucker.PageCount() << '\n' << "Pläne: " << plaene << '\n';
  return 0;
}
