#include "app/CliVertrPlanUnit.h"

#include <ostream>

#include "app/CliDruckUnit.h"
#include "app/CliSchulUnit.h"
#include "app/CliVertretungUnit.h"
#include "app/KonsoleUnit.h"
#include "model/SchulUnit.h"
#include "output/DruckAuftragUnit.h"
#include "output/DruckVertrUnit.h"
#include "persistence/ReadUnit.h"
#include "settings/StandardUnit.h"

namespace {
constexpr const char* kAufruf =
    "Aufruf: tamrel-cli vertretungsplan DATEI DATUM [--vorgabe 1..4] [--pdf AUSGABE.pdf] "
    "[--woche N] [--tage N]\n";

int Falsch(const std::string& meldung, std::ostream& fehler) {
  fehler << meldung << '\n' << kAufruf;
  return 2;
}
}  // namespace

int CliVertretungsplan(const std::vector<std::string>& args, std::ostream& aus,
                       std::ostream& fehler) {
  std::vector<std::string> frei;
  std::string pdf;
  int vorgabe = 0;  // 0: die im Dialog angehakten Einstellungen
  TCliRaster raster;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    std::string meldung;
    if (CliRasterOption(args, i, raster, meldung)) {
      if (!meldung.empty()) return Falsch(meldung, fehler);
      continue;
    }
    if (a == "--vorgabe" || a == "--pdf") {
      if (i + 1 >= args.size()) return Falsch("Nach " + a + " fehlt ein Wert.", fehler);
      const std::string& wert = args[++i];
      if (a == "--pdf") {
        pdf = wert;
      } else if (!CliVorgabeLesen(wert, vorgabe)) {
        return Falsch("Die Druckeinstellung muss 1, 2, 3 oder 4 sein.", fehler);
      }
      continue;
    }
    if (a.size() > 1 && a[0] == '-' && a[1] == '-')
      return Falsch("Unbekannte Option: " + a, fehler);
    frei.push_back(a);
  }
  if (frei.size() != 2) return Falsch("Falsche Argumente für vertretungsplan.", fehler);
  TDateTime datum = 0;
  if (!CliDatumLesen(frei[1], datum))
    return Falsch("Ungültiges Datum: " + frei[1] + " (TT.MM.JJJJ, 1994 bis 2039)", fehler);
  if (!pdf.empty() && !CliPdfDienst()) {
    fehler << "PDF-Dateien kann dieses Programm nicht schreiben.\n";
    return 1;
  }
  TKonsolenUmgebung umgebung(fehler);
  if (!CliSchuleOeffnen(umgebung, frei[0], fehler)) return 1;
  if (!CliRasterEinstellen(raster, fehler)) return 1;
  const std::vector<std::string> memo = Standard().fVMemo[1];
  if (pdf.empty()) {
    aus << VertretungsplanText(datum, memo, vorgabe);
    return 0;
  }
  TPdfDienst& dienst = *CliPdfDienst();
  TPrevPrinter drucker(CliPdfMasse(), dienst.PdfMetrik());
  DruckeVertretungsplan(drucker, datum, memo, vorgabe);
  std::string meldung;
  if (!dienst.PdfSchreiben(drucker, pdf, meldung)) {
    fehler << meldung << '\n';
    return 1;
  }
  aus << "Seiten: " << drucker.PageCount() << '\n';
  return 0;
}
