#include "app/CliListDruckUnit.h"

#include <algorithm>
#include <functional>
#include <map>
#include <ostream>

#include "app/CliDruckUnit.h"
#include "app/CliSchulUnit.h"
#include "app/CliVertretungUnit.h"
#include "app/KonsoleUnit.h"
#include "model/DatumUnit.h"
#include "model/SchulUnit.h"
#include "model/UVTabelleUnit.h"
#include "output/DruckAuftragUnit.h"
#include "output/DruckListeUnit.h"
#include "output/DruckUebUnit.h"
#include "output/DruckVUebUnit.h"
#include "persistence/ReadUnit.h"
#include "planning/ParTabelleUnit.h"
#include "planning/PruefUnit.h"
#include "planning/SetzungUnit.h"
#include "settings/StandardUnit.h"

namespace {
constexpr const char* kAufruf =
    "Aufruf: tamrel-cli drucken DATEI lehreruebersicht|klassenuebersicht|raumuebersicht|"
    "kombinationsuebersicht|faecheruebersicht|deputate|kuerzel|konferenz|reststunden|"
    "stundenverteilung|vertretungskonten|vertretungsuebersicht-lehrer|"
    "vertretungsuebersicht-klassen|pruefung|uvtabellen|parallelkopplungen "
    "--pdf AUSGABE.pdf [--woche N] [--tage N] [--stunden N] [--art WAS] [--von DATUM] "
    "[--bis DATUM] "
    "[--auswahl KÜRZEL…]\n";

// Die freien Argumente (Datei, Art) ohne die Werte der Optionen.
std::vector<std::string> FreieArgumente(const std::vector<std::string>& args) {
  std::vector<std::string> frei;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--pdf" || a == "--woche" || a == "--tage" || a == "--stunden" || a == "--art" ||
        a == "--von" || a == "--bis") {
      ++i;
    } else if (a == "--auswahl") {
      while (i + 1 < args.size() && args[i + 1].rfind("--", 0) != 0) ++i;
    } else if (a.rfind("--", 0) != 0) {
      frei.push_back(a);
    }
  }
  return frei;
}

// Sucht die Kürzel in den Arten (der Reihe nach); fehlende kommen in fehlend.
std::vector<TElement*> Suchen(const std::vector<std::string>& kuerzel,
                              std::initializer_list<TKuerzelArt> arten,
                              std::vector<std::string>& fehlend) {
  std::vector<TElement*> aus;
  for (const std::string& k : kuerzel) {
    const std::string ansi = Utf8ZuWin1252(k);
    TElement* gefunden = nullptr;
    for (TKuerzelArt art : arten) {
      for (TElement* e : Schule().Elemente(art))
        if (e->fKuerzel.str() == ansi) {
          gefunden = e;
          break;
        }
      if (gefunden) break;
    }
    if (gefunden)
      aus.push_back(gefunden);
    else
      fehlend.push_back(k);
  }
  return aus;
}

int ArtNummer(const std::string& was, std::initializer_list<const char*> namen, int vorgabe,
              bool& ok) {
  if (was.empty()) return vorgabe;
  int i = 0;
  for (const char* n : namen) {
    if (was == n) return i;
    ++i;
  }
  ok = false;
  return vorgabe;
}

std::vector<TPlanElement*> PlanElemente(const std::vector<TElement*>& v) {
  std::vector<TPlanElement*> aus;
  for (TElement* e : v) aus.push_back(static_cast<TPlanElement*>(e));
  return aus;
}

// Die Elemente "von" bis "bis": ohne Auswahl alle, mit einem Kürzel nur dieses.
std::vector<TElement*> Bereich(TKuerzelArt art, const std::vector<TElement*>& gewaehlt) {
  const std::vector<TElement*> alle = Schule().Elemente(art);
  if (alle.empty()) return {};
  if (gewaehlt.empty()) return alle;
  TElement* von = gewaehlt.front();
  TElement* bis = gewaehlt.back();
  BereichAbgleichen(art, von, bis, false);
  return ElementBereich(art, von, bis);
}
}  // namespace

const std::vector<std::string>& ListenDruckNamen() {
  static const std::vector<std::string> kNamen = {"lehreruebersicht",
                                                  "klassenuebersicht",
                                                  "raumuebersicht",
                                                  "kombinationsuebersicht",
                                                  "faecheruebersicht",
                                                  "deputate",
                                                  "kuerzel",
                                                  "konferenz",
                                                  "reststunden",
                                                  "stundenverteilung",
                                                  "vertretungskonten",
                                                  "vertretungsuebersicht-lehrer",
                                                  "vertretungsuebersicht-klassen",
                                                  "pruefung",
                                                  "uvtabellen",
                                                  "parallelkopplungen"};
  return kNamen;
}

int CliListenDrucken(const std::vector<std::string>& args, std::ostream& aus,
                     std::ostream& fehler) {
  const std::vector<std::string> frei = FreieArgumente(args);
  const auto& namen = ListenDruckNamen();
  if (frei.size() < 2 || std::find(namen.begin(), namen.end(), frei[1]) == namen.end()) return -1;
  TDruckAufruf a;
  std::string meldung;
  if (!DruckAufrufLesen(args, true, a, meldung)) {
    fehler << meldung << '\n' << kAufruf;
    return 2;
  }
  TPdfDienst* pdf = CliPdfDienst();
  if (!pdf) {
    fehler << "PDF-Dateien kann dieses Programm nicht schreiben.\n";
    return 1;
  }
  TKonsolenUmgebung umgebung(fehler);
  if (!CliSchuleOeffnen(umgebung, a.Datei, fehler)) return 1;
  if (!CliPlanwocheEinstellen(a.Woche, a.Tage, a.Stunden, fehler)) return 1;
  TStandard& st = Standard();

  std::vector<std::string> fehlend;
  bool artOk = true;
  TPrevPrinter d(CliPdfMasse(), pdf->PdfMetrik());
  int gedruckt = 0;
  const std::string& art = a.Art;
  auto auswahl = [&](std::initializer_list<TKuerzelArt> arten) {
    return Suchen(a.Auswahl, arten, fehlend);
  };
  auto alleOder = [&](TKuerzelArt k) { return a.MitAuswahl ? auswahl({k}) : Schule().Elemente(k); };
  static const std::map<std::string, TUebDruckArt> kUeb = {
      {"lehreruebersicht", TUebDruckArt::Lehrer},
      {"klassenuebersicht", TUebDruckArt::Klassen},
      {"raumuebersicht", TUebDruckArt::Raeume},
      {"kombinationsuebersicht", TUebDruckArt::Kombination}};
  if (const auto it = kUeb.find(art); it != kUeb.end()) {
    static const TKuerzelArt kArt[3] = {leh, kla, rau};
    std::vector<TElement*> liste;
    if (it->second == TUebDruckArt::Kombination)
      liste = a.MitAuswahl ? auswahl({leh, kla, rau}) : Schule().Elemente(leh);
    else
      liste = alleOder(kArt[static_cast<int>(it->second)]);
    if (fehlend.empty())
      gedruckt = DruckeUebersicht(it->second, LadeUebDruck(it->second, st), PlanElemente(liste), d);
  } else if (art == "faecheruebersicht") {
    const std::vector<TElement*> f =
        Bereich(fac, a.MitAuswahl ? auswahl({fac}) : std::vector<TElement*>{});
    if (fehlend.empty() && !f.empty())
      gedruckt = DruckeFaecherUebersicht(LadeFUebDruck(st), static_cast<TFach*>(f.front()),
                                         static_cast<TFach*>(f.back()), d);
  } else if (art == "deputate") {
    TDepDruckOptionen o = LadeDepDruck(st);
    o.Art = ArtNummer(a.Was, {"lehrer", "klassen", "kopplungen", "faecher", "raeume", "alle"},
                      o.Art, artOk);
    static const TKuerzelArt kArt[5] = {leh, kla, kop, fac, rau};
    std::vector<TElement*> liste;
    if (o.Art < 5) liste = alleOder(kArt[o.Art]);
    if (artOk && fehlend.empty()) gedruckt = DruckeDeputate(o, liste, d);
  } else if (art == "kuerzel") {
    gedruckt = DruckeKuerzel(LadeKueDruck(st), d);
  } else if (art == "konferenz") {
    const bool fach = ArtNummer(a.Was, {"faecher", "klassen"}, 0, artOk) == 0;
    const std::vector<TElement*> liste = alleOder(fach ? fac : kla);
    if (artOk && fehlend.empty())
      gedruckt =
          DruckeKonferenzen(fach, fach ? LadeFaKonfDruck(st) : LadeKlKonfDruck(st), liste, d);
  } else if (art == "reststunden") {
    TRestDruckOptionen o = LadeRestDruck(st);
    o.Art = ArtNummer(a.Was, {"lehrer", "klassen", "faecher"}, o.Art, artOk);
    const TKuerzelArt k = ListenArt(true, o.Art);
    const auto liste = Bereich(k, a.MitAuswahl ? auswahl({k}) : std::vector<TElement*>{});
    if (artOk && fehlend.empty()) gedruckt = DruckeReststunden(o, liste, d);
  } else if (art == "stundenverteilung") {
    TSVDruckOptionen o = LadeSVDruck(st);
    o.Art =
        ArtNummer(a.Was, {"lehrer", "klassen", "kopplungen", "faecher", "raeume"}, o.Art, artOk);
    const TKuerzelArt k = ListenArt(false, o.Art);
    const auto liste = Bereich(k, a.MitAuswahl ? auswahl({k}) : std::vector<TElement*>{});
    if (artOk && fehlend.empty()) gedruckt = DruckeStundenverteilung(o, liste, d);
  } else if (art == "vertretungskonten") {
    gedruckt = DruckeVertretungsstunden(LadeVStdDruck(st), d);
  } else if (art == "vertretungsuebersicht-lehrer" || art == "vertretungsuebersicht-klassen") {
    // Ohne --von und --bis: heute bis heute, wie im Menü.
    const bool lehrer = art == "vertretungsuebersicht-lehrer";
    TDateTime von = Heute() + 0.5, bis = von;
    if (!a.Von.empty()) CliDatumLesen(a.Von, von);
    bis = von;
    if (!a.Bis.empty()) CliDatumLesen(a.Bis, bis);
    const TDatum dv = ZahlZuDatum(von), db = ZahlZuDatum(bis);
    const TVUebZeitraum z = VUebZeitraum(dv.Tag, dv.Monat, dv.Jahr, db.Tag, db.Monat, db.Jahr);
    const std::vector<TElement*> liste = alleOder(lehrer ? leh : kla);
    if (fehlend.empty())
      gedruckt = DruckeVertretungsUebersicht(lehrer, LadeVUebDruck(st), PlanElemente(liste), z.Von,
                                             z.Bis, d);
  } else if (art == "pruefung") {
    // Die Zeilen des Fensters "Fehler" nach allen Prüfungen, in der Folge des Menüs.
    std::vector<std::string> zeilen;
    for (TPruefArt p :
         {TPruefArt::Konsistenz, TPruefArt::Bruecken, TPruefArt::FehlRaum, TPruefArt::FehlStunden,
          TPruefArt::Versionen, TPruefArt::Kopplungen, TPruefArt::Einzel}) {
      if (p == TPruefArt::Versionen && st.fMaxWocheNeu <= 1) continue;
      Pruefe(p, Schule(), [&](const std::string& z) { zeilen.push_back(Win1252ZuUtf8(z)); });
    }
    gedruckt = DruckeFehlerliste(LadeFehlDruck(st), zeilen, d);
  } else if (art == "uvtabellen") {
    // Jede Tabelle, wie ihr Fenster sie beim Öffnen zeigt, nacheinander.
    const std::vector<TElement*> t = alleOder(uvt);
    std::vector<TUVRaster> raster(t.size());
    std::vector<TUVDruckTabelle> tabellen;
    for (std::size_t i = 0; i < t.size(); ++i) {
      raster[i].Aufbauen(*static_cast<TUVTab*>(t[i]));
      tabellen.push_back({static_cast<TUVTab*>(t[i]), &raster[i]});
    }
    if (fehlend.empty()) gedruckt = DruckeUVTabellen(LadeUVDruck(st), tabellen, a.SchalterO, d);
  } else if (art == "parallelkopplungen") {
    TParTabelle tabelle(Schule().fParListe->fZeilen, Schule().fParListe->fSpalten, true);
    gedruckt = DruckeParallelKopplungen(LadeParDruck(st), tabelle, d);
  }
  if (!artOk) {
    fehler << "Ungültiger Wert für --art: " << a.Was << '\n' << kAufruf;
    return 2;
  }
  if (!fehlend.empty()) {
    fehler << "Diese Kürzel gibt es in der Schule nicht:";
    for (const std::string& k : fehlend) fehler << ' ' << k;
    fehler << '\n';
    return 1;
  }
  if (gedruckt == 0 || d.PageCount() == 0) {
    fehler << "Nichts zu drucken.\n";
    return 1;
  }
  if (!pdf->PdfSchreiben(d, a.Pdf, meldung)) {
    fehler << meldung << '\n';
    return 1;
  }
  aus << "Seiten: " << d.PageCount() << '\n';
  return 0;
}
