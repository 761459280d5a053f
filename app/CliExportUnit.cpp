#include "app/CliExportUnit.h"

#include <algorithm>
#include <ostream>

#include "app/CliSchulUnit.h"
#include "app/CliVertretungUnit.h"
#include "app/KonsoleUnit.h"
#include "model/SchulUnit.h"
#include "output/ExportUnit.h"
#include "persistence/ImportUnit.h"
#include "persistence/ReadUnit.h"
#include "persistence/WriteUnit.h"
#include "settings/StandardUnit.h"

namespace {
constexpr const char* kExportAufruf =
    "Aufruf: tamrel-cli export DATEI kurse|wochenplan|lanis|schulmanager|vertretung|"
    "vertretungsuebersicht-lehrer|vertretungsuebersicht-klassen AUSGABE "
    "[--art lehrer|klasse|raum] [--woche N] [--tage N] [--stunden N] "
    "[--von DATUM --bis DATUM]\n";
constexpr const char* kImportAufruf =
    "Aufruf: tamrel-cli import DATEI KURSLISTE --ausgabe NEU [--unbekannte-anlegen]\n";

int Falsch(const std::string& meldung, const char* aufruf, std::ostream& fehler) {
  fehler << meldung << '\n' << aufruf;
  return 2;
}
}  // namespace

int CliExport(const std::vector<std::string>& args, std::ostream& /*aus*/, std::ostream& fehler) {
  std::vector<std::string> frei;
  std::string art = "lehrer";
  int woche = 0, tage = 0, stunden = 0;  // 0: wie eingestellt
  TDateTime von = 0, bis = 0;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--von" || a == "--bis") {
      if (i + 1 >= args.size())
        return Falsch("Nach " + a + " fehlt ein Wert.", kExportAufruf, fehler);
      const std::string& wert = args[++i];
      if (!CliDatumLesen(wert, a == "--von" ? von : bis))
        return Falsch("Ungültiges Datum für " + a + ": " + wert, kExportAufruf, fehler);
      continue;
    }
    if (a == "--art" || a == "--woche" || a == "--tage" || a == "--stunden") {
      if (i + 1 >= args.size())
        return Falsch("Nach " + a + " fehlt ein Wert.", kExportAufruf, fehler);
      const std::string& wert = args[++i];
      bool ok = true;
      if (a == "--art") {
        art = wert;
        ok = wert == "lehrer" || wert == "klasse" || wert == "raum";
      } else if (a == "--woche") {
        ok = CliZahl(wert, 1, MaxWochen, woche);
      } else if (a == "--tage") {
        ok = CliZahl(wert, 5, MaxTage, tage);
      } else {
        ok = CliZahl(wert, 1, MaxStunden, stunden);
      }
      if (!ok) return Falsch("Ungültiger Wert für " + a + ": " + wert, kExportAufruf, fehler);
      continue;
    }
    if (a.size() > 2 && a[0] == '-' && a[1] == '-')
      return Falsch("Unbekannte Option: " + a, kExportAufruf, fehler);
    frei.push_back(a);
  }
  if (frei.size() != 3)
    return Falsch("Es fehlen Datei, Exportart oder Ausgabe.", kExportAufruf, fehler);
  const std::string& was = frei[1];
  TExportArt exportArt;
  if (was == "kurse")
    exportArt = TExportArt::Kurse;
  else if (was == "wochenplan")
    exportArt = art == "lehrer"   ? TExportArt::LehrerPlaene
                : art == "klasse" ? TExportArt::KlassenPlaene
                                  : TExportArt::RaumPlaene;
  else if (was == "lanis")
    exportArt = TExportArt::Lanis;
  else if (was == "schulmanager")
    exportArt = TExportArt::Schulmanager;
  else if (was == "vertretung")
    exportArt = TExportArt::Vertretungsplan;
  else if (was == "vertretungsuebersicht-lehrer")
    exportArt = TExportArt::VertrLeUeb;
  else if (was == "vertretungsuebersicht-klassen")
    exportArt = TExportArt::VertrKlUeb;
  else
    return Falsch("Unbekannte Exportart: " + was, kExportAufruf, fehler);
  if (exportArt == TExportArt::Vertretungsplan && (von == 0 || bis == 0))
    return Falsch("Der Vertretungsplan braucht --von und --bis.", kExportAufruf, fehler);
  if ((exportArt == TExportArt::VertrLeUeb || exportArt == TExportArt::VertrKlUeb) &&
      (von == 0 || bis == 0))
    return Falsch("Die Vertretungsübersicht braucht --von und --bis.", kExportAufruf, fehler);

  TKonsolenUmgebung umgebung(fehler);
  if (!CliSchuleOeffnen(umgebung, frei[0], fehler)) return 1;
  if (!CliPlanwocheEinstellen(woche, tage, stunden, fehler)) return 1;
  std::string meldung;
  TExport exporter;
  // Wie in den Dialogen "Vertretungsplanexport" und "Vertretungsübersicht": bis ist nie vor von.
  exporter.SetzeZeitraum(von, std::max(von, bis));
  if (!exporter.ExportToFile(exportArt, frei[2], meldung)) {
    fehler << meldung << '\n';
    return 1;
  }
  return 0;
}

int CliImport(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler) {
  std::vector<std::string> frei;
  std::string ausgabe;
  bool anlegen = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--unbekannte-anlegen") {
      anlegen = true;
    } else if (a == "--ausgabe") {
      if (i + 1 >= args.size())
        return Falsch("Nach --ausgabe fehlt ein Wert.", kImportAufruf, fehler);
      ausgabe = args[++i];
    } else if (a.size() > 2 && a[0] == '-' && a[1] == '-') {
      return Falsch("Unbekannte Option: " + a, kImportAufruf, fehler);
    } else {
      frei.push_back(a);
    }
  }
  if (frei.size() != 2 || ausgabe.empty())
    return Falsch("Es fehlen Datei, Kursliste oder --ausgabe.", kImportAufruf, fehler);
  TKonsolenUmgebung umgebung(fehler);
  if (!CliSchuleOeffnen(umgebung, frei[0], fehler)) return 1;
  TSchule& schule = Schule();
  std::string meldung;
  TImport import(nullptr, anlegen ? TUnbekannte::Anlegen : TUnbekannte::Fragen);
  const TImportErgebnis e = import.ImportFromFile(frei[1]);
  if (!e.Importiert) return 1;
  if (!WriteSchule(ausgabe, schule, meldung)) {
    fehler << meldung << '\n';
    return 1;
  }
  aus << "Kurse: " << e.Kurse << '\n' << "Stunden: " << e.Stunden << '\n';
  return 0;
}
