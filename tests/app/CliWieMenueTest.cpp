// tamrel-cli schreibt, was das Menü schreibt, für eine Schule, die ihr Programm eingerichtet hat:
// eine Tabelle über jeden Befehl, der eine Datei oder einen Text schreibt. Jede Zeile führt den
// Weg des Menüs (mit den Einstellungen des Programms) und den der Kommandozeile (die dieselben
// Einstellungen aus der Einstellungsdatei liest) aus und vergleicht die Bytes, bei Drucken die
// aufgezeichneten Seiten. Die Einstellungen sind keine Vorgaben: sechs Tage, zehn Stunden mit
// Pausen ("/"), ein Schulname, Planversion 2, Druckoptionen mit anderen Rändern, Schrift, Farbe
// und "Tage links", das Papier A3 quer.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <algorithm>
#include <functional>
#include <iterator>
#include <map>
#include <numeric>

#include "SeitenText.h"
#include "TestUmgebung.h"
#include "app/BeispielSchuleUnit.h"
#include "app/CliAufruf.h"
#include "app/CliDruckUnit.h"
#include "app/CliVertretungUnit.h"
#include "app/KonsoleUnit.h"
#include "model/AblageUnit.h"
#include "model/DatumUnit.h"
#include "model/KursUnit.h"
#include "model/SchulUnit.h"
#include "model/UVTabelleUnit.h"
#include "output/DruckAuftragUnit.h"
#include "output/DruckAusfallUnit.h"
#include "output/DruckListeUnit.h"
#include "output/DruckPlnUnit.h"
#include "output/DruckUebUnit.h"
#include "output/DruckVUebUnit.h"
#include "output/DruckVertrUnit.h"
#include "output/ExportUnit.h"
#include "output/HTMLUnit.h"
#include "output/PlanTextUnit.h"
#include "output/UebersichtUnit.h"
#include "output/VertrHTMLUnit.h"
#include "persistence/ReadUnit.h"
#include "persistence/SchulDateiHilfe.h"
#include "persistence/StandardSpeicherUnit.h"
#include "persistence/WriteUnit.h"
#include "planning/ParTabelleUnit.h"
#include "planning/PlanInhaltUnit.h"
#include "planning/PruefUnit.h"
#include "planning/SetzungUnit.h"
#include "settings/StandardUnit.h"
#include "substitution/FehlDialogUnit.h"
#include "substitution/FehlzeitUnit.h"
#include "substitution/VStatUnit.h"
#include "substitution/VertretungUnit.h"
#include "substitution/WoAusfallUnit.h"

namespace {
namespace fs = std::filesystem;

const std::string kEinstellungen = "/etc/tamrel/stellvertretung.ini";
const TDateTime kTag = DatumZuZahl(2026, 12, 9) + 0.5;  // Mittwoch, "heute" der Testuhr

std::string Inhalt(const fs::path& pfad) {
  std::ifstream ein(pfad, std::ios::binary);
  return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
}

// Alle Dateien unter dem Ordner mit ihren Bytes.
std::map<std::string, std::string> OrdnerInhalt(const fs::path& ordner) {
  std::map<std::string, std::string> aus;
  for (const auto& e : fs::recursive_directory_iterator(ordner))
    if (e.is_regular_file()) aus[fs::relative(e.path(), ordner).string()] = Inhalt(e.path());
  return aus;
}

// Statt PDF-Dateien schreibt der Dienst die aufgezeichneten Seiten als Text.
class TSeitenDienst : public TPdfDienst {
 public:
  TDruckerMasse PdfMasse() override { return A4Masse(600); }
  TTextMetrik& PdfMetrik() override { return fMetrik; }
  bool PdfSchreiben(const TPrevPrinter& seiten, const std::string& pfad, std::string&) override {
    std::ofstream(pfad, std::ios::binary) << SeitenText(seiten);
    return true;
  }
  TFakeMetrik fMetrik;
};

// Die Druckoptionen der Plan- und Übersichtsdrucke: andere Ränder, Schrift, Farbe, sechs Tage,
// zehn Stunden; die Pläne mit "Tage links".
#define PLAN_OPTIONEN(G)                         \
  st.f##G##DruckFont = {"Liberation Serif", 10}; \
  st.f##G##DruckBisTag = 6;                      \
  st.f##G##DruckBisStd = 10;                     \
  st.f##G##DruckRandLi = 2;                      \
  st.f##G##DruckRandRe = 1;                      \
  st.f##G##DruckRandOb = 3;                      \
  st.f##G##DruckRandUn = 1;                      \
  st.f##G##DruckFarbe = true;                    \
  st.f##G##DruckFett = true;                     \
  st.f##G##DruckBem = "Stand: Dezember";
#define LISTEN_OPTIONEN(G)                       \
  st.f##G##DruckFont = {"Liberation Serif", 11}; \
  st.f##G##DruckRand = 2;

void NichtVorgaben(TStandard& st) {
  st.fMaxTageNeu = 6;
  st.fPlnStd = 10;
  static const char* const kZeiten[10] = {
      "1 7:45",  "2 8:35",  "Pause 9:20/9:40", "3 9:40", "4 10:30", "Pause 11:15/11:30",
      "5 11:30", "6 12:20", "7 13:30",         "8 14:15"};
  for (int v = 1; v <= 2; ++v)
    for (int h = 1; h <= 10; ++h) st.fStdBez[v][h] = kZeiten[h - 1];
  st.fSchulname =
      "Gymnasium S\xFC"
      "d";
  PLAN_OPTIONEN(LPln)
  PLAN_OPTIONEN(KPln)
  PLAN_OPTIONEN(RPln)
  PLAN_OPTIONEN(KoLePln)
  PLAN_OPTIONEN(KoKlPln)
  PLAN_OPTIONEN(LUeb)
  PLAN_OPTIONEN(KUeb)
  PLAN_OPTIONEN(RUeb)
  PLAN_OPTIONEN(KoUeb)
  st.fLPlnDruckLinks = st.fKPlnDruckLinks = st.fRPlnDruckLinks = 1;
  st.fKoLePlnDruckLinks = st.fKoKlPlnDruckLinks = 1;
  LISTEN_OPTIONEN(Kue)
  LISTEN_OPTIONEN(Dep)
  LISTEN_OPTIONEN(FUeb)
  LISTEN_OPTIONEN(FaKonf)
  LISTEN_OPTIONEN(KlKonf)
  LISTEN_OPTIONEN(Rest)
  LISTEN_OPTIONEN(SV)
  LISTEN_OPTIONEN(UV)
  LISTEN_OPTIONEN(Fehl)
  LISTEN_OPTIONEN(VUeb)
  LISTEN_OPTIONEN(Par)
  LISTEN_OPTIONEN(Vertr)
  LISTEN_OPTIONEN(VStd)
  st.fDepDruckFarbe = st.fDepDruckZusatz = st.fDepDruckKlListe = true;
  st.fSVDruckFarbe = st.fSVDruckSpring = true;
  st.fUVDruckFett = st.fUVDruckFarbe = true;
  st.fParDruckMitLe = st.fParDruckMitFa = true;
  // Der Vertretungsplan: nur Einstellung 2 angehakt, nach Stunden, mit Kalenderwoche.
  st.fVertrCheck[1] = st.fVertrCheck[3] = st.fVertrCheck[4] = false;
  st.fVDEinstellung[2].VPSortArt = 3;
  st.fVDEinstellung[2].mitKW = true;
  st.fVMemo[1] = {"Heute Konferenz in der 7. Stunde"};
  st.fVertrHTMLScrollen = true;
  st.fVertrLeerzeilen = 2;
  st.fVertrCSS = "schule.css";
}
#undef PLAN_OPTIONEN
#undef LISTEN_OPTIONEN

// Die Beispielschule mit einer Stunde am Samstag und in der zehnten Stunde, und mit Fehlzeiten
// und Vertretungen am Testtag.
void BaueSchule() {
  TSchule& s = Schule();
  ErzeugeBeispielSchule(s, false);
  TKurs* k = s.fKursMenge[0];
  k->NeueSetzung(2, 6, 10, nullptr);
  k->NeueSetzung(1, 6, 3, nullptr);
  // Zwei Lehrer fehlen am Testtag; ein Vertreter, ein Ausfall, der Rest offen.
  for (const char* kuerzel : {"MUE", "SCH"}) {
    TLehrer* l = TSchule::HoleElement(s.fLehrerMenge, kuerzel);
    if (!l) l = s.fLehrerMenge[s.fLehrerMenge.ListeZahlElemente() - 1];
    TFehlDialog dialog;
    dialog.IFehlForm(kTag, leh, nullptr);
    if (dialog.ZeileVon(l) < 0) dialog.ElementHinzufuegen(l);
    dialog.Ok();
  }
  std::vector<TVertretung*> tag;
  for (TVertretung* v : s.fVertretungsMenge)
    if (GleicherTag(v->fDatum, kTag)) tag.push_back(v);
  ASSERT_GE(tag.size(), 2u);
  tag[0]->TrageLehrerEin(s.fLehrerMenge[5], nullptr);
  tag[1]->Frei();
  // Ein Kurs, der nur am Samstag nach der sechsten Stunde Platz hat (für die Automatik).
  TKurs* spaet = TKurs::IKurs(s.HoleLehrer("SPAET"), s.HoleKlasse("AG"), nullptr, s.HoleFach("Inf"),
                              nullptr, 1);
  spaet->fStunden.SetWochenStunde(0, 1);
  for (int w = 1; w <= 2; ++w)
    for (int t = 1; t <= 7; ++t)
      for (int h = 1; h <= 16; ++h)
        if (t != 6 || h < 7 || h > 10) spaet->fSperrung.SetWocheTagStd(w, t, h, true);
}

class CliWieMenueTest : public ::testing::Test {
 protected:
  CliWieMenueTest() {
    BaueSchule();
    std::string meldung;
    EXPECT_TRUE(WriteSchule(fDatei, Schule(), meldung)) << meldung;
    // Die Einstellungen des Programms und ihre Datei.
    NichtVorgaben(u.standard);
    PapierMerken(TPapier{2970, 4200, true});
    EXPECT_TRUE(SaveStandard(u.standard, u.speicher));
    fDateiWerte = u.speicher.fWerte;
    // Das Programm öffnet die Schule und stellt Planversion 2 ein.
    u.NeueSchule();
    EXPECT_TRUE(ReadSchule(fDatei, Schule(), meldung)) << meldung;
    u.standard.fAktuelleWoche = 2;

    CliEinstellungsQuelleSetzen([this](const std::string& datei, std::string& fehler) {
      auto speicher = std::make_unique<TFakeSpeicher>();
      if (datei.empty()) return std::unique_ptr<TEinstellungsSpeicher>(std::move(speicher));
      if (datei != kEinstellungen) {
        fehler = "falsche Einstellungsdatei: " + datei;
        return std::unique_ptr<TEinstellungsSpeicher>();
      }
      speicher->fWerte = fDateiWerte;
      return std::unique_ptr<TEinstellungsSpeicher>(std::move(speicher));
    });
    CliPdfDienstSetzen(&fPdf);
    KonsolenUhrSetzen(&u.uhr);
    fs::create_directories(fOrdner.Pfad() / "cli");
    fs::create_directories(fOrdner.Pfad() / "menue");
  }
  ~CliWieMenueTest() override {
    CliEinstellungsQuelleSetzen(nullptr);
    CliPdfDienstSetzen(nullptr);
    KonsolenUhrSetzen(nullptr);
  }

  // Der Aufruf mit der Einstellungsdatei des Programms.
  TAufruf Aufruf(std::vector<std::string> args) {
    args.insert(args.begin() + 1, {"--einstellungen", kEinstellungen});
    return Cli(args);
  }

  TTestUmgebung u;
  TTestOrdner fOrdner;
  const std::string fDatei = fOrdner / "schule.tmr";
  std::map<std::pair<std::string, std::string>, std::string> fDateiWerte;
  TSeitenDienst fPdf;
};

enum class TAusgabe { Text, Datei, Ordner, Seiten };

// Eine Zeile der Tabelle. In den Argumenten steht "@" für die Ausgabe der Kommandozeile (Datei,
// Ordner oder PDF-Datei). menue schreibt nach ziel (Datei, Ordner) bzw. liefert den Text; bei
// Drucken zeichnet es in den Rekorder.
struct TBefehl {
  std::string Name;
  std::vector<std::string> Args;
  TAusgabe Ausgabe;
  std::function<std::string(const fs::path& ziel)> Menue;
  std::function<int(TPrevPrinter&)> Druck = {};
};

std::vector<TPlanElement*> Alle(TKuerzelArt art) {
  std::vector<TPlanElement*> v;
  for (TElement* e : Schule().Elemente(art)) v.push_back(static_cast<TPlanElement*>(e));
  return v;
}

std::string Exportiert(TExportArt art, const fs::path& ziel, TDateTime von = 0, TDateTime bis = 0) {
  TExport e;
  e.SetzeZeitraum(von, bis);
  std::string meldung;
  EXPECT_TRUE(e.ExportToFile(art, ziel.string(), meldung)) << meldung;
  return {};
}

std::vector<TBefehl> Befehle(const std::string& datei) {
  const TStandard& st = Standard();
  const std::string tag = "09.12.2026";
  const auto planDruck = [&st](TPlanDruckArt art) {
    return [&st, art](TPrevPrinter& p) {
      return DruckePlaene(art, LadePlanDruck(art, st), AllePlanElemente(art), p);
    };
  };
  const auto uebDruck = [&st](TUebDruckArt art, TKuerzelArt k) {
    return [&st, art, k](TPrevPrinter& p) {
      return DruckeUebersicht(art, LadeUebDruck(art, st), Alle(k), p);
    };
  };
  const auto planText = [](TKuerzelArt art, int nr) {
    return [art, nr](const fs::path&) {
      const TElement* e = Schule().Elemente(art)[static_cast<std::size_t>(nr)];
      return PlanAlsText(PlanFuellen(*static_cast<const TPlanElement*>(e)), true, false);
    };
  };
  const std::string lehrer = U8(Schule().fLehrerMenge[0]->fKuerzel.str());
  const std::string klasse = U8(Schule().fKlassenMenge[0]->fKuerzel.str());
  const std::string raum = U8(Schule().fRaumMenge[0]->fKuerzel.str());
  return {
      {"plan lehrer", {"plan", datei, "lehrer", lehrer}, TAusgabe::Text, planText(leh, 0)},
      {"plan klasse", {"plan", datei, "klasse", klasse}, TAusgabe::Text, planText(kla, 0)},
      {"plan raum", {"plan", datei, "raum", raum}, TAusgabe::Text, planText(rau, 0)},
      {"uebersicht lehrer",
       {"uebersicht", datei, "lehrer"},
       TAusgabe::Text,
       [](const fs::path&) { return UebersichtAlsText(UebersichtFuellen(leh), true, false); }},
      {"uebersicht raeume",
       {"uebersicht", datei, "raeume"},
       TAusgabe::Text,
       [](const fs::path&) { return UebersichtAlsText(UebersichtFuellen(rau), true, false); }},
      {"uvtabelle",
       {"uvtabelle", datei, "1"},
       TAusgabe::Text,
       [](const fs::path&) {
         TUVRaster r;
         r.Aufbauen(*Schule().fUVTabMenge[0]);
         return UVAlsText(r, true);
       }},
      {"vertretungsuebersicht",
       {"vertretungsuebersicht", datei, "lehrer", tag, "11.12.2026"},
       TAusgabe::Text,
       [](const fs::path&) {
         const std::vector<TVStatZeile> z = VLeStatZeilen(kTag, kTag + 2);
         std::vector<int> alle(z.size());
         std::iota(alle.begin(), alle.end(), 0);
         return VStatText(z, alle);
       }},
      {"ausfall",
       {"ausfall", datei, "--kw", "50", "--jahr", "2026"},
       TAusgabe::Text,
       [](const fs::path&) {
         TWoAusfall b;
         EXPECT_TRUE(b.WocheWaehlen(50, 2026));
         std::string t;
         for (const std::string& z : b.Zeilen()) t += z + '\n';
         return t;
       }},
      {"pruefen",
       {"pruefen", datei},
       TAusgabe::Text,
       [](const fs::path&) {
         std::string t;
         TFehlerArt gesamt = TFehlerArt::kein;
         for (TPruefArt p : {TPruefArt::Konsistenz, TPruefArt::Bruecken, TPruefArt::FehlRaum,
                             TPruefArt::FehlStunden, TPruefArt::Versionen, TPruefArt::Kopplungen,
                             TPruefArt::Einzel}) {
           const TFehlerArt f =
               Pruefe(p, Schule(), [&t](const std::string& z) { t += Win1252ZuUtf8(z) + '\n'; });
           gesamt = std::max(gesamt, f);
         }
         return t + "Ergebnis: " + PruefStufenText(gesamt) + '\n';
       }},
      {"vertretungsplan",
       {"vertretungsplan", datei, tag},
       TAusgabe::Text,
       [&st](const fs::path&) { return VertretungsplanText(kTag, st.fVMemo[1], 0); }},
      {"export kurse",
       {"export", datei, "kurse", "@"},
       TAusgabe::Datei,
       [](const fs::path& z) { return Exportiert(TExportArt::Kurse, z); }},
      {"export wochenplan lehrer",
       {"export", datei, "wochenplan", "@"},
       TAusgabe::Datei,
       [](const fs::path& z) { return Exportiert(TExportArt::LehrerPlaene, z); }},
      {"export wochenplan klasse",
       {"export", datei, "wochenplan", "@", "--art", "klasse"},
       TAusgabe::Datei,
       [](const fs::path& z) { return Exportiert(TExportArt::KlassenPlaene, z); }},
      {"export wochenplan raum",
       {"export", datei, "wochenplan", "@", "--art", "raum"},
       TAusgabe::Datei,
       [](const fs::path& z) { return Exportiert(TExportArt::RaumPlaene, z); }},
      {"export lanis",
       {"export", datei, "lanis", "@"},
       TAusgabe::Datei,
       [](const fs::path& z) { return Exportiert(TExportArt::Lanis, z); }},
      {"export schulmanager",
       {"export", datei, "schulmanager", "@"},
       TAusgabe::Datei,
       [](const fs::path& z) { return Exportiert(TExportArt::Schulmanager, z); }},
      {"export vertretung",
       {"export", datei, "vertretung", "@", "--von", tag, "--bis", "11.12.2026"},
       TAusgabe::Datei,
       [](const fs::path& z) {
         return Exportiert(TExportArt::Vertretungsplan, z, kTag, kTag + 2);
       }},
      {"export vertretungsuebersicht-lehrer",
       {"export", datei, "vertretungsuebersicht-lehrer", "@", "--von", tag, "--bis", tag},
       TAusgabe::Datei,
       [](const fs::path& z) { return Exportiert(TExportArt::VertrLeUeb, z, kTag, kTag); }},
      {"export vertretungsuebersicht-klassen",
       {"export", datei, "vertretungsuebersicht-klassen", "@", "--von", tag, "--bis", tag},
       TAusgabe::Datei,
       [](const fs::path& z) { return Exportiert(TExportArt::VertrKlUeb, z, kTag, kTag); }},
      {"html",
       {"html", datei, "@"},
       TAusgabe::Ordner,
       [](const fs::path& z) {
         EXPECT_TRUE(THTMLExport().ExportToFile(z.string()));
         return std::string();
       }},
      {"html --vertretung",
       {"html", datei, "@", "--vertretung", tag},
       TAusgabe::Ordner,
       [&st](const fs::path& z) {
         fs::create_directories(z);
         EXPECT_TRUE(VertretungsDateien((z / "vp.html").string(), (z / "ep.html").string(), kTag,
                                        st.fVMemo[1], EinzigeVorgabe()));
         return std::string();
       }},
      {"html --vertretung --tagesordner",
       {"html", datei, "@", "--vertretung", tag, "--tagesordner"},
       TAusgabe::Ordner,
       [&st](const fs::path& z) {
         fs::create_directories(z);
         EXPECT_TRUE(VertretungsTagesordner((z / TagesordnerName(kTag)).string(), kTag,
                                            st.fVMemo[1], EinzigeVorgabe()));
         return std::string();
       }},
      {"drucken lehrerplaene",
       {"drucken", datei, "lehrerplaene", "--pdf", "@"},
       TAusgabe::Seiten,
       nullptr,
       planDruck(TPlanDruckArt::Lehrer)},
      {"drucken klassenplaene",
       {"drucken", datei, "klassenplaene", "--pdf", "@"},
       TAusgabe::Seiten,
       nullptr,
       planDruck(TPlanDruckArt::Klassen)},
      {"drucken raumplaene",
       {"drucken", datei, "raumplaene", "--pdf", "@"},
       TAusgabe::Seiten,
       nullptr,
       planDruck(TPlanDruckArt::Raeume)},
      {"drucken kopplungsplaene-lehrer",
       {"drucken", datei, "kopplungsplaene-lehrer", "--pdf", "@"},
       TAusgabe::Seiten,
       nullptr,
       planDruck(TPlanDruckArt::KoppLehrer)},
      {"drucken kopplungsplaene-klassen",
       {"drucken", datei, "kopplungsplaene-klassen", "--pdf", "@"},
       TAusgabe::Seiten,
       nullptr,
       planDruck(TPlanDruckArt::KoppKlassen)},
      {"drucken lehreruebersicht",
       {"drucken", datei, "lehreruebersicht", "--pdf", "@"},
       TAusgabe::Seiten,
       nullptr,
       uebDruck(TUebDruckArt::Lehrer, leh)},
      {"drucken klassenuebersicht",
       {"drucken", datei, "klassenuebersicht", "--pdf", "@"},
       TAusgabe::Seiten,
       nullptr,
       uebDruck(TUebDruckArt::Klassen, kla)},
      {"drucken raumuebersicht",
       {"drucken", datei, "raumuebersicht", "--pdf", "@"},
       TAusgabe::Seiten,
       nullptr,
       uebDruck(TUebDruckArt::Raeume, rau)},
      {"drucken kombinationsuebersicht",
       {"drucken", datei, "kombinationsuebersicht", "--pdf", "@"},
       TAusgabe::Seiten,
       nullptr,
       uebDruck(TUebDruckArt::Kombination, leh)},
      {"drucken faecheruebersicht",
       {"drucken", datei, "faecheruebersicht", "--pdf", "@"},
       TAusgabe::Seiten,
       nullptr,
       [&st](TPrevPrinter& p) {
         const TSchule& s = Schule();
         return DruckeFaecherUebersicht(LadeFUebDruck(st), s.fFachMenge[0],
                                        s.fFachMenge[s.fFachMenge.ListeZahlElemente() - 1], p);
       }},
      {"drucken deputate",
       {"drucken", datei, "deputate", "--pdf", "@"},
       TAusgabe::Seiten,
       nullptr,
       [&st](TPrevPrinter& p) {
         return DruckeDeputate(LadeDepDruck(st), Schule().Elemente(leh), p);
       }},
      {"drucken kuerzel",
       {"drucken", datei, "kuerzel", "--pdf", "@"},
       TAusgabe::Seiten,
       nullptr,
       [&st](TPrevPrinter& p) { return DruckeKuerzel(LadeKueDruck(st), p); }},
      {"drucken konferenz",
       {"drucken", datei, "konferenz", "--pdf", "@", "--art", "klassen"},
       TAusgabe::Seiten,
       nullptr,
       [&st](TPrevPrinter& p) {
         return DruckeKonferenzen(false, LadeKlKonfDruck(st), Schule().Elemente(kla), p);
       }},
      {"drucken reststunden",
       {"drucken", datei, "reststunden", "--pdf", "@"},
       TAusgabe::Seiten,
       nullptr,
       [&st](TPrevPrinter& p) {
         const TRestDruckOptionen o = LadeRestDruck(st);
         return DruckeReststunden(o, Schule().Elemente(ListenArt(true, o.Art)), p);
       }},
      {"drucken stundenverteilung",
       {"drucken", datei, "stundenverteilung", "--pdf", "@"},
       TAusgabe::Seiten,
       nullptr,
       [&st](TPrevPrinter& p) {
         const TSVDruckOptionen o = LadeSVDruck(st);
         return DruckeStundenverteilung(o, Schule().Elemente(ListenArt(false, o.Art)), p);
       }},
      {"drucken vertretungskonten",
       {"drucken", datei, "vertretungskonten", "--pdf", "@"},
       TAusgabe::Seiten,
       nullptr,
       [&st](TPrevPrinter& p) { return DruckeVertretungsstunden(LadeVStdDruck(st), p); }},
      {"drucken vertretungsuebersicht-lehrer",
       {"drucken", datei, "vertretungsuebersicht-lehrer", "--pdf", "@", "--von", tag, "--bis",
        "11.12.2026"},
       TAusgabe::Seiten,
       nullptr,
       [&st](TPrevPrinter& p) {
         return DruckeVertretungsUebersicht(true, LadeVUebDruck(st), Alle(leh), kTag, kTag + 2, p);
       }},
      {"drucken vertretungsuebersicht-klassen",
       {"drucken", datei, "vertretungsuebersicht-klassen", "--pdf", "@"},
       TAusgabe::Seiten,
       nullptr,
       [&st](TPrevPrinter& p) {
         return DruckeVertretungsUebersicht(false, LadeVUebDruck(st), Alle(kla), kTag, kTag, p);
       }},
      {"drucken pruefung",
       {"drucken", datei, "pruefung", "--pdf", "@"},
       TAusgabe::Seiten,
       nullptr,
       [&st](TPrevPrinter& p) {
         std::vector<std::string> zeilen;
         for (TPruefArt a : {TPruefArt::Konsistenz, TPruefArt::Bruecken, TPruefArt::FehlRaum,
                             TPruefArt::FehlStunden, TPruefArt::Versionen, TPruefArt::Kopplungen,
                             TPruefArt::Einzel})
           Pruefe(a, Schule(), [&](const std::string& z) { zeilen.push_back(Win1252ZuUtf8(z)); });
         return DruckeFehlerliste(LadeFehlDruck(st), zeilen, p);
       }},
      {"drucken uvtabellen",
       {"drucken", datei, "uvtabellen", "--pdf", "@"},
       TAusgabe::Seiten,
       nullptr,
       [&st](TPrevPrinter& p) {
         const TSchule& s = Schule();
         std::vector<TUVRaster> raster(s.fUVTabMenge.size());
         std::vector<TUVDruckTabelle> tabellen;
         for (std::size_t i = 0; i < raster.size(); ++i) {
           raster[i].Aufbauen(*s.fUVTabMenge[i]);
           tabellen.push_back({s.fUVTabMenge[i], &raster[i]});
         }
         return DruckeUVTabellen(LadeUVDruck(st), tabellen, true, p);
       }},
      {"drucken parallelkopplungen",
       {"drucken", datei, "parallelkopplungen", "--pdf", "@"},
       TAusgabe::Seiten,
       nullptr,
       [&st](TPrevPrinter& p) {
         TParTabelle t(Schule().fParListe->fZeilen, Schule().fParListe->fSpalten, true);
         return DruckeParallelKopplungen(LadeParDruck(st), t, p);
       }},
      {"vertretungsplan --pdf",
       {"vertretungsplan", datei, tag, "--pdf", "@"},
       TAusgabe::Seiten,
       nullptr,
       [&st](TPrevPrinter& p) { return DruckeVertretungsplan(p, kTag, st.fVMemo[1], 0); }},
      {"ausfall --pdf",
       {"ausfall", datei, "--kw", "50", "--jahr", "2026", "--pdf", "@"},
       TAusgabe::Seiten,
       nullptr,
       [](TPrevPrinter& p) {
         TWoAusfall b;
         EXPECT_TRUE(b.WocheWaehlen(50, 2026));
         return DruckeAusfall(b.Zeilen(), p);
       }},
  };
}
}  // namespace

TEST_F(CliWieMenueTest, JederBefehlSchreibtWasDasMenueSchreibt) {
  for (const TBefehl& b : Befehle(fDatei)) {
    SCOPED_TRACE(b.Name);
    const std::string name = b.Name;
    const fs::path cliZiel = fOrdner.Pfad() / "cli" / name;
    const fs::path menueZiel = fOrdner.Pfad() / "menue" / name;
    std::vector<std::string> args = b.Args;
    for (std::string& a : args)
      if (a == "@") a = cliZiel.string();
    // Die Schule der Zeile: jede Zeile beginnt mit der Schule der Datei.
    std::string meldung;
    u.NeueSchule();
    ASSERT_TRUE(ReadSchule(fDatei, Schule(), meldung)) << meldung;
    u.standard.fAktuelleWoche = 2;
    // Im Programm ist Planversion 2 eingestellt; auf der Kommandozeile sagt es --woche.
    args.push_back("--woche");
    args.push_back("2");

    // Die Vertretungsseiten gehen in einen vorhandenen Ordner.
    if (std::find(args.begin(), args.end(), "--vertretung") != args.end())
      fs::create_directories(cliZiel);
    const TAufruf a = Aufruf(args);
    ASSERT_EQ(a.Code, 0) << a.Fehler;
    switch (b.Ausgabe) {
      case TAusgabe::Text:
        EXPECT_EQ(a.Aus, b.Menue(menueZiel));
        break;
      case TAusgabe::Datei:
        b.Menue(menueZiel);
        EXPECT_EQ(Inhalt(cliZiel), Inhalt(menueZiel));
        break;
      case TAusgabe::Ordner: {
        b.Menue(menueZiel);
        const auto cli = OrdnerInhalt(cliZiel), menue = OrdnerInhalt(menueZiel);
        EXPECT_FALSE(menue.empty());
        EXPECT_EQ(cli.size(), menue.size());
        for (const auto& [datei, bytes] : menue) EXPECT_EQ(cli.at(datei), bytes) << datei;
        break;
      }
      case TAusgabe::Seiten: {
        TPrevPrinter p(PapierMasse(GemerktesPapier()), u.metrik);
        EXPECT_GT(b.Druck(p), 0);
        EXPECT_EQ(Inhalt(cliZiel), SeitenText(p));
        break;
      }
    }
  }
}

// Die Automatik plant im Raster der Einstellungen: der Kurs, der nur am Samstag in der 7. bis
// 10. Stunde Platz hat, kommt dorthin (mit fünf Tagen und sechs Stunden bliebe er offen).
TEST_F(CliWieMenueTest, AutomatikPlantImRasterDerEinstellungen) {
  const std::string neu = fOrdner / "neu.tmr";
  const TAufruf a = Aufruf({"automatik", fDatei, "--ausgabe", neu});
  ASSERT_EQ(a.Code, 0) << a.Fehler;
  EXPECT_EQ(a.Aus.find("SPAET"), std::string::npos) << a.Aus;  // nicht "offen"
  u.NeueSchule();
  std::string meldung;
  ASSERT_TRUE(ReadSchule(neu, Schule(), meldung)) << meldung;
  const TLehrer* spaet = TSchule::HoleElement(Schule().fLehrerMenge, "SPAET");
  ASSERT_NE(spaet, nullptr);
  ASSERT_EQ(spaet->fKurse.size(), 1u);
  const TKurs* k = spaet->fKurse[0];
  ASSERT_EQ(k->fSetzungen.size(), 2u);  // je Planversion eine Stunde
  for (const TSetzung* z : k->fSetzungen) {
    EXPECT_EQ(z->fTag, 6);
    EXPECT_GE(z->fStunde, 7);
    EXPECT_LE(z->fStunde, 10);
  }
  // Ohne die Einstellungen (Vorgaben: sieben Tage, sechs Stunden) bleibt er offen.
  const TAufruf ohne = Cli({"automatik", fDatei});
  ASSERT_EQ(ohne.Code, 0) << ohne.Fehler;
  EXPECT_NE(ohne.Aus.find("offen: 2 SPAET Inf AG"), std::string::npos) << ohne.Aus;
}

// "HTML 4": je Druckeinstellung ihre Seite nach ihrem Pfad, Einstellung 3 für den Folgetag;
// dieselben Dateien wie der Knopf im Dialog, dazu die Stilvorlage in ihrem Ordner.
TEST_F(CliWieMenueTest, Html4SchreibtWasDerDialogSchreibt) {
  TStandard& st = u.standard;
  auto pfad = [this](const char* wo, int p) {
    return (fOrdner.Pfad() / wo / ("vp" + std::to_string(p) + ".html")).string();
  };
  for (int p = 1; p <= 4; ++p) {
    st.fVertrCheck[p] = true;
    st.fVDEinstellung[p].HTMLPfad = pfad("cli", p);
  }
  st.fVDEinstellung[3].folgeTag = true;
  ASSERT_TRUE(SaveStandard(st, u.speicher));
  fDateiWerte = u.speicher.fWerte;
  const TAufruf a = Aufruf({"html4", fDatei, "09.12.2026", "--woche", "2"});
  ASSERT_EQ(a.Code, 0) << a.Fehler;
  EXPECT_EQ(a.Fehler, "Fertig: Die 4 HTML-Dateien wurden exportiert.\n");
  for (int p = 1; p <= 4; ++p) st.fVDEinstellung[p].HTMLPfad = pfad("menue", p);
  ASSERT_TRUE(VertretungHtml4(kTag, st.fVMemo[1]));
  const auto cli = OrdnerInhalt(fOrdner.Pfad() / "cli");
  const auto menue = OrdnerInhalt(fOrdner.Pfad() / "menue");
  EXPECT_EQ(menue.size(), 5u);
  EXPECT_EQ(cli, menue);
  EXPECT_NE(menue.at("vp3.html").find("Donnerstag, 10. Dez 2026"), std::string::npos);
  // Nicht alle vier angehakt: nur die Warnung, nichts geschrieben.
  st.fVertrCheck[4] = false;
  ASSERT_TRUE(SaveStandard(st, u.speicher));
  fDateiWerte = u.speicher.fWerte;
  fs::remove_all(fOrdner.Pfad() / "cli");
  const TAufruf b = Aufruf({"html4", fDatei, "heute"});
  EXPECT_EQ(b.Code, 1);
  EXPECT_NE(b.Fehler.find("HTML4Warnung: Für den HTML4-Vertretungsplan"), std::string::npos);
  EXPECT_FALSE(fs::exists(fOrdner.Pfad() / "cli"));
}

// "heute" und "morgen" nach der Uhr der Befehle.
TEST_F(CliWieMenueTest, HeuteUndMorgen) {
  TDateTime d = 0;
  ASSERT_TRUE(CliDatumLesen("heute", d));
  EXPECT_EQ(d, kTag);
  ASSERT_TRUE(CliDatumLesen("morgen", d));
  EXPECT_EQ(d, kTag + 1);
  EXPECT_FALSE(CliDatumLesen("Heute", d));
  const TAufruf heute = Aufruf({"vertretungsplan", fDatei, "heute"});
  ASSERT_EQ(heute.Code, 0) << heute.Fehler;
  EXPECT_EQ(heute.Aus, Aufruf({"vertretungsplan", fDatei, "09.12.2026"}).Aus);
  EXPECT_NE(heute.Aus.find("Mittwoch"), std::string::npos);
}
