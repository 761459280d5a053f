#include "app/CliIcalUnit.h"

#include <ostream>

#include "app/CliSchulUnit.h"
#include "app/CliVertretungUnit.h"
#include "app/KonsoleUnit.h"
#include "model/SchulUnit.h"
#include "output/IcalUnit.h"
#include "settings/StandardUnit.h"
#include "settings/StundenZeitUnit.h"

namespace {
constexpr const char* kAufruf =
    "Aufruf: tamrel-cli ical DATEI lehrer|klasse|raum KÜRZEL…|alle --von DATUM --bis DATUM ORDNER "
    "[--vertretungen] [--tage N] [--zeiten ZEITEN]\n";

int Falsch(const std::string& meldung, std::ostream& fehler) {
  fehler << meldung << '\n' << kAufruf;
  return 2;
}

// "7:50-8:35,8:40-9:25,…" in die Zeiten aller Planversionen; falsch bei einem ungültigen Eintrag.
bool ZeitenSetzen(const std::string& text, TStandard& st) {
  std::vector<std::string> teile(1);
  for (const char c : text) {
    if (c == ',')
      teile.emplace_back();
    else
      teile.back() += c;
  }
  if (teile.size() > 16) return false;
  for (std::size_t i = 0; i < teile.size(); ++i) {
    if (teile[i].empty()) continue;
    const auto zeit = ZeitenAusBezeichnung(teile[i]);
    if (!zeit) return false;
    const int std = static_cast<int>(i) + 1;
    for (int v = 1; v <= MaxWochen; ++v) {
      st.fStdBeginn[v][std] = UhrzeitText(zeit->Beginn);
      st.fStdEnde[v][std] = UhrzeitText(zeit->Ende);
    }
  }
  return true;
}
}  // namespace

int CliIcal(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler) {
  std::vector<std::string> frei;
  TDateTime von = 0, bis = 0;
  bool vertretungen = false;
  int tage = 5;
  std::string zeiten;
  bool mitZeiten = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--vertretungen") {
      vertretungen = true;
    } else if (a == "--von" || a == "--bis" || a == "--tage" || a == "--zeiten") {
      if (i + 1 >= args.size()) return Falsch("Nach " + a + " fehlt ein Wert.", fehler);
      const std::string& wert = args[++i];
      bool ok = true;
      if (a == "--von")
        ok = CliDatumLesen(wert, von);
      else if (a == "--bis")
        ok = CliDatumLesen(wert, bis);
      else if (a == "--tage")
        ok = CliZahl(wert, 5, MaxTage, tage);
      else {
        zeiten = wert;
        mitZeiten = true;
      }
      if (!ok) return Falsch("Ungültiger Wert für " + a + ": " + wert, fehler);
    } else if (a.size() > 2 && a[0] == '-' && a[1] == '-') {
      return Falsch("Unbekannte Option: " + a, fehler);
    } else {
      frei.push_back(a);
    }
  }
  if (frei.size() < 4) return Falsch("Es fehlen Datei, Art, Kürzel oder Ordner.", fehler);
  const std::string& art = frei[1];
  if (art != "lehrer" && art != "klasse" && art != "raum")
    return Falsch("Unbekannte Art: " + art + " (lehrer, klasse oder raum)", fehler);
  if (von == 0 || bis == 0) return Falsch("Der Export braucht --von und --bis.", fehler);
  if (bis < von) return Falsch("Das Datum nach --bis liegt vor dem nach --von.", fehler);

  TKonsolenUmgebung umgebung(fehler);
  TStandard& st = Standard();
  if (mitZeiten && !ZeitenSetzen(zeiten, st))
    return Falsch("Ungültige Zeiten: " + zeiten + " (etwa 7:50-8:35,8:40-9:25)", fehler);
  st.fMaxTageNeu = tage;
  if (!CliSchuleOeffnen(umgebung, frei[0], fehler)) return 1;
  TSchule& schule = Schule();
  const TKuerzelArt kind = art == "lehrer" ? leh : art == "klasse" ? kla : rau;
  TIcalAuftrag auftrag;
  auftrag.Von = von;
  auftrag.Bis = bis;
  auftrag.Vertretungen = vertretungen;
  const std::vector<std::string> kuerzel(frei.begin() + 2, frei.end() - 1);
  if (kuerzel.size() == 1 && kuerzel[0] == "alle") {
    for (const TElement* e : schule.Elemente(kind))
      auftrag.Elemente.push_back(static_cast<const TPlanElement*>(e));
  } else {
    for (const std::string& k : kuerzel) {
      const TElement* e = nullptr;
      for (const TElement* x : schule.Elemente(kind))
        if (x->fKuerzel.str() == Utf8ZuWin1252(k)) e = x;
      if (!e) {
        fehler << (kind == leh   ? "Lehrer "
                   : kind == kla ? "Klasse "
                                 : "Raum ")
               << k << " gibt es nicht.\n";
        return 1;
      }
      auftrag.Elemente.push_back(static_cast<const TPlanElement*>(e));
    }
  }
  TIcalExport exporter;
  if (!exporter.ExportToFolder(frei.back(), auftrag)) return 1;
  for (const TIcalExport::TDatei& d : exporter.Dateien())
    aus << d.Name << '\t' << d.Kuerzel << '\t' << d.Termine << '\n';
  aus << "Dateien: " << exporter.Dateien().size() << '\n'
      << "Termine: " << exporter.Termine() << '\n';
  return 0;
}
