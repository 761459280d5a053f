#include "app/CliAusfallUnit.h"

#include <ostream>

#include "app/CliDruckUnit.h"
#include "app/CliSchulUnit.h"
#include "app/KonsoleUnit.h"
#include "model/SchulUnit.h"
#include "output/DruckAuftragUnit.h"
#include "output/DruckAusfallUnit.h"
#include "persistence/ReadUnit.h"
#include "settings/StandardUnit.h"
#include "substitution/WoAusfallUnit.h"

namespace {
constexpr const char* kAufruf =
    "Aufruf: tamrel-cli ausfall DATEI --kw N --jahr J [--pdf AUSGABE.pdf] [--woche N] "
    "[--tage N]\n";

int Falsch(const std::string& meldung, std::ostream& fehler) {
  fehler << meldung << '\n' << kAufruf;
  return 2;
}
}  // namespace

int CliAusfall(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler) {
  std::vector<std::string> frei;
  std::string pdf;
  int kw = 0, jahr = 0;
  TCliRaster raster;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    std::string meldung;
    if (CliRasterOption(args, i, raster, meldung)) {
      if (!meldung.empty()) return Falsch(meldung, fehler);
      continue;
    }
    if (a == "--kw" || a == "--jahr" || a == "--pdf") {
      if (i + 1 >= args.size()) return Falsch("Nach " + a + " fehlt ein Wert.", fehler);
      const std::string& wert = args[++i];
      if (a == "--pdf") {
        pdf = wert;
        continue;
      }
      const bool ok = a == "--kw" ? CliZahl(wert, 1, 53, kw) : CliZahl(wert, 2018, 2100, jahr);
      if (!ok) return Falsch("Ungültiger Wert für " + a + ": " + wert, fehler);
      continue;
    }
    if (a.size() > 2 && a[0] == '-' && a[1] == '-')
      return Falsch("Unbekannte Option: " + a, fehler);
    frei.push_back(a);
  }
  if (frei.size() != 1) return Falsch("Es fehlt die Datei.", fehler);
  if (kw == 0 || jahr == 0) return Falsch("Es fehlen --kw oder --jahr.", fehler);
  if (!pdf.empty() && !CliPdfDienst()) {
    fehler << "PDF-Dateien kann dieses Programm nicht schreiben.\n";
    return 1;
  }
  TKonsolenUmgebung umgebung(fehler);
  if (!CliSchuleOeffnen(umgebung, frei[0], fehler)) return 1;
  if (!CliRasterEinstellen(raster, fehler)) return 1;
  TWoAusfall bericht;
  if (!bericht.WocheWaehlen(kw, jahr)) {
    fehler << "Die Kalenderwoche " << kw << " gibt es im Jahr " << jahr << " nicht.\n";
    return 1;
  }
  if (pdf.empty()) {
    for (const std::string& z : bericht.Zeilen()) aus << z << '\n';
    return 0;
  }
  // Wie "Drucken" im Fenster "wöchentlicher Unterrichtsausfall".
  TPdfDienst& dienst = *CliPdfDienst();
  TPrevPrinter drucker(CliPdfMasse(), dienst.PdfMetrik());
  std::string meldung;
  if (DruckeAusfall(bericht.Zeilen(), drucker) == 0) {
    fehler << "Nichts zu drucken.\n";
    return 1;
  }
  if (!dienst.PdfSchreiben(drucker, pdf, meldung)) {
    fehler << meldung << '\n';
    return 1;
  }
  aus << "Seiten: " << drucker.PageCount() << '\n';
  return 0;
}
