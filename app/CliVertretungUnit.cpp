#include "app/CliVertretungUnit.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <ostream>

#include "app/CliSchulUnit.h"
#include "app/KonsoleUnit.h"
#include "model/DatumUnit.h"
#include "model/SchulUnit.h"
#include "persistence/ReadUnit.h"
#include "persistence/WriteUnit.h"
#include "settings/StandardUnit.h"
#include "substitution/FehlDialogUnit.h"
#include "substitution/FehlzeitUnit.h"
#include "substitution/KalenderUnit.h"
#include "substitution/VertretungsPlanungUnit.h"

namespace {
constexpr const char* kAbwesend =
    "Aufruf: tamrel-cli abwesend DATEI lehrer|klasse|raum KÜRZEL DATUM [--bis DATUM] "
    "[--stunden N-M] [--grund X] [--tage N] --ausgabe NEU\n";
constexpr const char* kVertretungen = "Aufruf: tamrel-cli vertretungen DATEI DATUM\n";

bool Zahl(std::string_view text, int& wert) {
  const char* ende = text.data() + text.size();
  const auto [p, fehler] = std::from_chars(text.data(), ende, wert);
  return !text.empty() && fehler == std::errc() && p == ende;
}

int Falsch(const std::string& meldung, const char* aufruf, std::ostream& fehler) {
  fehler << meldung << '\n' << aufruf;
  return 2;
}

std::string Kuerzel(const TElement* e) {
  return e ? U8(e->fKuerzel.str()) : std::string();
}
}  // namespace

bool CliDatumLesen(const std::string& text, TDateTime& datum) {
  if (text == "heute" || text == "morgen") {
    datum = std::floor(KonsolenJetzt()) + (text == "morgen" ? 1.5 : 0.5);
    return true;
  }
  const std::size_t p1 = text.find('.');
  const std::size_t p2 = p1 == std::string::npos ? p1 : text.find('.', p1 + 1);
  if (p2 == std::string::npos) return false;
  int t = 0, m = 0, j = 0;
  const std::string_view s(text);
  if (!Zahl(s.substr(0, p1), t) || !Zahl(s.substr(p1 + 1, p2 - p1 - 1), m) ||
      !Zahl(s.substr(p2 + 1), j))
    return false;
  if (j < 1994 || j > 2039 || m < 1 || m > 12 || t < 1 || t > TageImMonat(j, m)) return false;
  datum = DatumZuZahl(j, m, t) + 0.5;
  return true;
}

int CliAbwesend(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler) {
  std::vector<std::string> frei;
  std::string bis, stunden, ausgabe;
  std::string grund;
  bool mitGrund = false;
  TCliRaster raster;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--tage") {
      std::string meldung;
      CliRasterOption(args, i, raster, meldung);
      if (!meldung.empty()) return Falsch(meldung, kAbwesend, fehler);
      continue;
    }
    if (a == "--bis" || a == "--stunden" || a == "--grund" || a == "--ausgabe") {
      if (i + 1 >= args.size()) return Falsch("Nach " + a + " fehlt ein Wert.", kAbwesend, fehler);
      const std::string& wert = args[++i];
      if (a == "--bis") bis = wert;
      if (a == "--stunden") stunden = wert;
      if (a == "--ausgabe") ausgabe = wert;
      if (a == "--grund") {
        grund = Utf8ZuWin1252(wert);
        mitGrund = true;
      }
      continue;
    }
    if (a.size() > 2 && a[0] == '-' && a[1] == '-')
      return Falsch("Unbekannte Option: " + a, kAbwesend, fehler);
    frei.push_back(a);
  }
  if (frei.size() != 4) return Falsch("Falsche Argumente für abwesend.", kAbwesend, fehler);
  if (ausgabe.empty()) return Falsch("--ausgabe fehlt.", kAbwesend, fehler);
  const std::string& art = frei[1];
  if (art != "lehrer" && art != "klasse" && art != "raum")
    return Falsch("Unbekannte Art: " + art + " (lehrer, klasse oder raum)", kAbwesend, fehler);
  TDateTime datum = 0, ende = 0;
  if (!CliDatumLesen(frei[3], datum))
    return Falsch("Ungültiges Datum: " + frei[3], kAbwesend, fehler);
  if (!bis.empty()) {
    if (!CliDatumLesen(bis, ende)) return Falsch("Ungültiges Datum: " + bis, kAbwesend, fehler);
    if (ende < datum)
      return Falsch("Das Datum nach --bis liegt vor dem ersten Tag.", kAbwesend, fehler);
  }
  std::int32_t maske = StundenMaske(1, 16);
  if (!stunden.empty()) {
    const std::size_t strich = stunden.find('-');
    int von = 0, bisStd = 0;
    const std::string_view s(stunden);
    const bool ok = strich != std::string::npos && Zahl(s.substr(0, strich), von) &&
                    Zahl(s.substr(strich + 1), bisStd) && von >= 1 && von <= bisStd && bisStd <= 16;
    if (!ok) return Falsch("Ungültige Stunden: " + stunden + " (N-M, 1 bis 16)", kAbwesend, fehler);
    maske = StundenMaske(von, bisStd);
  }
  TKonsolenUmgebung umgebung(fehler);
  if (!CliSchuleOeffnen(umgebung, frei[0], fehler)) return 1;
  if (!CliRasterEinstellen(raster, fehler)) return 1;
  TSchule& schule = Schule();
  const std::string kuerzel = Utf8ZuWin1252(frei[2]);
  TPlanElement* element = nullptr;
  TKuerzelArt kind = leh;
  if (art == "lehrer") {
    element = TSchule::HoleElement(schule.fLehrerMenge, kuerzel);
  } else if (art == "klasse") {
    element = TSchule::HoleElement(schule.fKlassenMenge, kuerzel);
    kind = kla;
  } else {
    element = TSchule::HoleElement(schule.fRaumMenge, kuerzel);
    kind = rau;
  }
  if (!element) {
    const char* name = kind == leh ? "Lehrer" : kind == kla ? "Klasse" : "Raum";
    fehler << name << ' ' << frei[2] << " gibt es nicht.\n";
    return 1;
  }
  // Derselbe Weg wie im Dialog: die Zeile des Elements, ihre Stunden und ihr Grund, die längere
  // Fehlzeit, dann "Ok".
  TFehlDialog dialog;
  dialog.IFehlForm(datum, kind, nullptr);
  int zeile = dialog.ZeileVon(element);
  if (zeile < 0) {
    dialog.ElementHinzufuegen(element);
    zeile = dialog.ZeileVon(element);
  }
  dialog.fZeilen[zeile].Maske = MaskenText(maske);
  if (mitGrund) dialog.fZeilen[zeile].Grund = "(" + GrundZeichen(grund) + ")";
  std::vector<TDateTime> tage = {datum};
  if (!bis.empty())
    for (TDateTime d = datum + 1; d <= ende; d += 1)
      if (Schultag(d)) tage.push_back(d);
  if (!bis.empty()) {
    const TFehlZeile& z = dialog.fZeilen[zeile];
    LaengereFehlzeit(element, datum, ende, maske, z.Grund.substr(1, 1));
  }
  dialog.Ok();
  std::string meldung;
  if (!WriteSchule(ausgabe, schule, meldung)) {
    fehler << meldung << '\n';
    return 1;
  }
  for (TDateTime d : tage) aus << DatumText(d, "dd.mm.yyyy") << '\t' << MaskenText(maske) << '\n';
  return 0;
}

int CliVertretungen(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler) {
  if (args.size() != 2) return Falsch("Falsche Argumente für vertretungen.", kVertretungen, fehler);
  TDateTime datum = 0;
  if (!CliDatumLesen(args[1], datum))
    return Falsch("Ungültiges Datum: " + args[1], kVertretungen, fehler);
  TKonsolenUmgebung umgebung(fehler);
  if (!CliSchuleOeffnen(umgebung, args[0], fehler)) return 1;
  std::vector<const TVertretung*> tag;
  for (const TVertretung* v : Schule().fVertretungsMenge)
    if (GleicherTag(v->fDatum, datum)) tag.push_back(v);
  std::stable_sort(tag.begin(), tag.end(), [](const TVertretung* a, const TVertretung* b) {
    return VertretungsVergleich(0, a, b) < 0;
  });
  for (const TVertretung* v : tag) {
    const TLehrer* kursLehrer = v->fKurs ? v->fKurs->fLehrer : nullptr;
    const TLehrer* vertreter = v->fLehrer != kursLehrer ? v->fLehrer : nullptr;
    const char* zustand = v->fFrei ? "frei" : v->fGueltig ? "gültig" : "ungültig";
    aus << v->Stunde() << '\t' << (v->fKurs ? U8(v->fKurs->OhneRaumKlKoZeile()) : std::string())
        << '\t' << Kuerzel(kursLehrer) << '\t' << Kuerzel(vertreter) << '\t' << Kuerzel(v->fRaum)
        << '\t' << Kuerzel(v->fFach) << '\t' << zustand << '\n';
  }
  return 0;
}
