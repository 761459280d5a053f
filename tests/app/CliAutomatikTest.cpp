// tamrel-cli automatik: Argumente, Auswahl der Kurse, Ausgabe.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <sstream>

#include "BelegungsPruefung.h"
#include "TestUmgebung.h"
#include "app/CliAufruf.h"
#include "app/CliAutomatikUnit.h"
#include "app/CliUnit.h"
#include "app/KonsoleUnit.h"
#include "model/KopplUnit.h"
#include "model/RaumUnit.h"
#include "persistence/ReadUnit.h"
#include "persistence/StandardSpeicherUnit.h"
#include "planning/OffenGrundUnit.h"
#include "persistence/SchulDateiHilfe.h"
#include "persistence/WriteUnit.h"
#include "model/KlassenUnit.h"
#include "model/KursUnit.h"
#include "model/LehrerUnit.h"
#include "model/SchulUnit.h"
#include "model/ToolsUnit.h"
#include "settings/StandardUnit.h"

namespace {
using Args = std::vector<std::string>;

// Die Setzungen der Kurse einer Schuldatei als Text, je Kurs eine Zeile (Kurse, für die
// auslassen wahr ist, fehlen); dazu die Zahl aller Setzungen.
std::string Plan(const std::string& pfad, int& setzungen,
                 const std::function<bool(const TKurs*)>& auslassen = nullptr) {
  TTestUmgebung u;
  std::string fehler;
  EXPECT_TRUE(ReadSchule(pfad, u.schule(), fehler)) << fehler;
  EXPECT_TRUE(BelegungenStimmen(u.schule()));
  std::ostringstream text;
  setzungen = 0;
  for (const TKurs* k : u.schule().fKursMenge) {
    setzungen += static_cast<int>(k->fSetzungen.size());
    if (auslassen && auslassen(k)) continue;
    text << k->OhneRaumZeile() << ':';
    for (const TSetzung* z : k->fSetzungen) {
      text << ' ' << z->fWoche << '.' << z->fTag << '.' << z->fStunde << '.'
           << (z->fRaum ? z->fRaum->fKuerzel.str() : "-") << (z->fFixiert ? "F" : "");
      EXPECT_LE(z->fTag, 5) << k->OhneRaumZeile();
    }
    text << '\n';
  }
  return text.str();
}

// "gesetzt: N", "nicht verplanbar: M", dann je Kurs "offen: r ..." mit der Summe M.
int Gesetzt(const std::string& aus) {
  std::istringstream ein(aus);
  std::string zeile;
  int gesetzt = -1, nvp = -1, summe = 0;
  while (std::getline(ein, zeile)) {
    if (zeile.rfind("Raster: ", 0) == 0 || zeile.rfind("  Gründe: ", 0) == 0 ||
        zeile.rfind("Schritte: ", 0) == 0 || zeile.rfind("Zeitgrenze: ", 0) == 0 ||
        zeile.rfind("nachgebessert: ", 0) == 0)
      continue;
    if (zeile.rfind("gesetzt: ", 0) == 0)
      gesetzt = std::stoi(zeile.substr(9));
    else if (zeile.rfind("nicht verplanbar: ", 0) == 0)
      nvp = std::stoi(zeile.substr(18));
    else if (zeile.rfind("offen: ", 0) == 0)
      summe += std::stoi(zeile.substr(7));
    else
      ADD_FAILURE() << "unerwartete Zeile: " << zeile;
  }
  EXPECT_EQ(summe, nvp);
  return gesetzt;
}

std::string Fehler(const Args& args) {
  TAutomatikAufruf aufruf;
  std::string fehler;
  EXPECT_FALSE(AutomatikAufrufLesen(args, aufruf, fehler));
  return fehler;
}
}  // namespace

TEST(CliAutomatik, ArgumenteInBeliebigerFolge) {
  TAutomatikAufruf a;
  std::string fehler;
  ASSERT_TRUE(AutomatikAufrufLesen(
      {"--prozent", "50", "s.tmr", "--kurse", "MUE", "5a", "--ausgabe", "neu.tmr", "--tage", "6"},
      a, fehler));
  EXPECT_EQ(a.datei, "s.tmr");
  EXPECT_EQ(a.ausgabe, "neu.tmr");
  EXPECT_EQ(a.prozent, 50);
  EXPECT_EQ(a.tage, 6);
  EXPECT_EQ(a.kuerzel, (Args{"MUE", "5a"}));
  ASSERT_TRUE(AutomatikAufrufLesen({"s.tmr"}, a, fehler));
  EXPECT_EQ(a.ausgabe, "");
  // Ohne Optionen gelten die Einstellungen.
  EXPECT_EQ(a.prozent, 0);
  EXPECT_EQ(a.tage, 0);
  EXPECT_TRUE(a.kuerzel.empty());
}

TEST(CliAutomatik, NachbessernMitUndOhneSekunden) {
  TAutomatikAufruf a;
  std::string fehler;
  ASSERT_TRUE(AutomatikAufrufLesen({"--nachbessern", "s.tmr"}, a, fehler));
  EXPECT_TRUE(a.nachbessern);
  EXPECT_EQ(a.sekunden, 10);
  EXPECT_EQ(a.datei, "s.tmr");
  ASSERT_TRUE(AutomatikAufrufLesen({"s.tmr", "--nachbessern", "30", "--tage", "6"}, a, fehler));
  EXPECT_EQ(a.sekunden, 30);
  EXPECT_EQ(a.tage, 6);
  ASSERT_TRUE(AutomatikAufrufLesen({"s.tmr"}, a, fehler));
  EXPECT_FALSE(a.nachbessern);
  EXPECT_EQ(Fehler({"s.tmr", "--nachbessern", "0"}),
            "Ungültige Zahl der Sekunden: 0 (erlaubt sind 1 bis 3600).");
  EXPECT_EQ(Fehler({"s.tmr", "--nachbessern", "5s"}),
            "Ungültige Zahl der Sekunden: 5s (erlaubt sind 1 bis 3600).");
}

TEST(CliAutomatik, FalscheArgumenteNennenDenFehler) {
  EXPECT_EQ(Fehler({}), "Die Schuldatei fehlt.");
  EXPECT_EQ(Fehler({"a.tmr", "b.tmr"}), "Unbekanntes Argument: b.tmr");
  EXPECT_EQ(Fehler({"a.tmr", "--schnell"}), "Unbekanntes Argument: --schnell");
  EXPECT_EQ(Fehler({"a.tmr", "--ausgabe"}), "Nach --ausgabe fehlt ein Wert.");
  EXPECT_EQ(Fehler({"a.tmr", "--kurse"}), "Nach --kurse fehlt ein Kürzel.");
  EXPECT_EQ(Fehler({"a.tmr", "--kurse", "--tage", "5"}), "Nach --kurse fehlt ein Kürzel.");
  EXPECT_EQ(Fehler({"a.tmr", "--prozent", "0"}),
            "Ungültige Prozentzahl: 0 (erlaubt sind 1 bis 100).");
  EXPECT_EQ(Fehler({"a.tmr", "--prozent", "50%"}),
            "Ungültige Prozentzahl: 50% (erlaubt sind 1 bis 100).");
  EXPECT_EQ(Fehler({"a.tmr", "--tage", "4"}),
            "Ungültige Zahl der Tage: 4 (erlaubt sind 5, 6 und 7).");
}

TEST(CliAutomatik, KurseDerLehrerUndKlassen) {
  TTestUmgebung u;
  TSchule& s = u.schule();
  TLehrer* mue = s.HoleLehrer(Utf8ZuWin1252("MÜ"));
  TLehrer* sch = s.HoleLehrer("SCH");
  TKlasse* k5a = s.HoleKlasse("5a");
  TKlasse* k6b = s.HoleKlasse("6b");
  TKurs* a = TKurs::IKurs(mue, k6b, nullptr, s.HoleFach("D"), nullptr, 2);
  TKurs* b = TKurs::IKurs(sch, k5a, nullptr, s.HoleFach("M"), nullptr, 2);
  TKurs* c = TKurs::IKurs(sch, k6b, nullptr, s.HoleFach("E"), nullptr, 2);
  TKurs* nie = TKurs::IKurs(mue, k5a, nullptr, s.HoleFach("Sp"), nullptr, 2);
  nie->fNichtVerplanen = true;
  std::vector<TKurs*> kurse;
  std::string fehler;
  ASSERT_TRUE(AutomatikKurse(s, {}, kurse, fehler));
  EXPECT_EQ(kurse, (std::vector<TKurs*>{b, a, c}));             // Kursreihenfolge: nach Klassen
  ASSERT_TRUE(AutomatikKurse(s, {"MÜ", "5a"}, kurse, fehler));  // Kürzel in UTF-8
  EXPECT_EQ(kurse, (std::vector<TKurs*>{b, a}));
  EXPECT_FALSE(AutomatikKurse(s, {"5a", "XY"}, kurse, fehler));
  EXPECT_EQ(fehler, "Kein Lehrer und keine Klasse mit dem Kürzel XY.");
}

TEST(CliAutomatik, AusgabeNenntGesetztOffenUndDieKurse) {
  TTestUmgebung u;
  TSchule& s = u.schule();
  u.standard.fMaxTageNeu = 5;
  u.standard.fPlnStd = 8;
  TLehrer* mue = s.HoleLehrer(Utf8ZuWin1252("MÜ"));
  TKlasse* k5a = s.HoleKlasse("5a");
  TKurs* gut = TKurs::IKurs(mue, k5a, nullptr, s.HoleFach("D"), nullptr, 2);
  gut->fEinzelStd = 0;
  // Der Lehrer ist überall gesperrt außer an zwei Zellen: von drei Stunden bleibt eine offen.
  TKurs* eng = TKurs::IKurs(s.HoleLehrer("SCH"), k5a, nullptr, s.HoleFach("Ek"), nullptr, 3);
  eng->fEinzelStd = 0;
  eng->fSperrung.SetWocheTagStd(0, 0, 0, true);
  eng->fSperrung.SetWocheTagStd(0, 2, 2, false);
  eng->fSperrung.SetWocheTagStd(0, 4, 4, false);
  std::ostringstream aus;
  AutomatikPlanen({gut, eng}, aus);
  // Zwei Zellen von 5 × 8 hat der Kurs schon; die übrigen 38 sind alle gesperrt.
  EXPECT_EQ(aus.str(),
            "Raster: 5 Tage, 8 Stunden\ngesetzt: 4\nnicht verplanbar: 1\noffen: 1 SCH Ek 5a\n"
            "  Gründe: " +
                OffenGruendeText(OffenGruende(*eng, false)) + "\n");
  const TOffenGruende g = OffenGruende(*eng, false);
  EXPECT_EQ(g.zellen, 38);
  EXPECT_EQ(g.frei, 0);
  EXPECT_EQ(g.gesperrt, 38);
  EXPECT_EQ(g.kopplung, 0);
}

TEST(CliAutomatik, NachbessernSetztDieOffeneStundeUndNenntSie) {
  TTestUmgebung u;
  TSchule& s = u.schule();
  u.standard.fMaxTageNeu = 5;
  u.standard.fPlnStd = 8;
  // 5a ist nur Montag 1 und Dienstag 1 frei; die Kopplung nimmt Montag 1, den B allein kann.
  TKlasse* k5a = s.HoleKlasse("5a");
  k5a->fSperrung.SetWocheTagStd(0, 0, 0, true);
  k5a->fSperrung.SetWocheTagStd(0, 1, 1, false);
  k5a->fSperrung.SetWocheTagStd(0, 2, 1, false);
  TKopplung* g = s.HoleKopplung("G");
  TKurs* a = TKurs::IKurs(s.HoleLehrer("MUE"), k5a, g, s.HoleFach("D"), nullptr, 1);
  TKurs* a2 = TKurs::IKurs(s.HoleLehrer("KRA"), s.HoleKlasse("5b"), g, s.HoleFach("E"), nullptr, 1);
  TKurs* b = TKurs::IKurs(s.HoleLehrer("SCH"), k5a, nullptr, s.HoleFach("M"), nullptr, 1);
  for (TKurs* k : {a, a2, b}) k->fTabellenNr = 4;
  b->fLehrer->fSperrung.SetWocheTagStd(0, 2, 1, true);
  std::ostringstream ohne;
  AutomatikPlanen({a, b}, ohne);
  EXPECT_EQ(ohne.str().rfind("Raster: 5 Tage, 8 Stunden\ngesetzt: 2\nnicht verplanbar: 1\n"
                             "offen: 1 SCH M 5a\n  Gründe: ",
                             0),
            0u)
      << ohne.str();
  for (TKurs* k : {a, a2}) k->AlleSetzungenEntfernen();
  std::ostringstream mit;
  TAutomatikLauf lauf;
  lauf.sekunden = 10;
  AutomatikPlanen({a, b}, mit, lauf);
  EXPECT_EQ(mit.str(),
            "Raster: 5 Tage, 8 Stunden\ngesetzt: 3\nnachgebessert: 1\nSchritte: 1\n"
            "Zeitgrenze: nicht erreicht\nnicht verplanbar: 0\n");
}

TEST(CliAutomatik, PlantDieBeispielschuleUndSchreibtDasErgebnis) {
  TTestOrdner ordner;
  ASSERT_EQ(Cli({"beispiel", ordner / "B.tmr"}).Code, 0);
  const std::vector<std::uint8_t> vorher = DateiInhalt(ordner / "B.tmr");
  int setzungenVorher = 0;
  Plan(ordner / "B.tmr", setzungenVorher);

  const TAufruf nur = Cli({"automatik", ordner / "B.tmr", "--tage", "5"});
  ASSERT_EQ(nur.Code, 0) << nur.Fehler;
  EXPECT_TRUE(nur.Fehler.empty());
  EXPECT_EQ(DateiInhalt(ordner / "B.tmr"), vorher);  // ohne --ausgabe wird nichts geschrieben
  const int gesetzt = Gesetzt(nur.Aus);
  EXPECT_GT(gesetzt, 290);

  const TAufruf eins =
      Cli({"automatik", ordner / "B.tmr", "--ausgabe", ordner / "N1.tmr", "--tage", "5"});
  const TAufruf zwei =
      Cli({"automatik", "--tage", "5", "--ausgabe", ordner / "N2.tmr", ordner / "B.tmr"});
  ASSERT_EQ(eins.Code, 0) << eins.Fehler;
  ASSERT_EQ(zwei.Code, 0) << zwei.Fehler;
  EXPECT_EQ(eins.Aus, nur.Aus);
  EXPECT_EQ(zwei.Aus, nur.Aus);
  int n1 = 0, n2 = 0;
  const std::string plan1 = Plan(ordner / "N1.tmr", n1);
  EXPECT_EQ(n1, setzungenVorher + gesetzt);
  // Derselbe Plan; die Dateien unterscheiden sich nur in den Zeitstempeln der Planänderung.
  EXPECT_EQ(Plan(ordner / "N2.tmr", n2), plan1);
}

TEST(CliAutomatik, NurDieKurseEinerKlasseUndIhrerKopplungen) {
  TTestOrdner ordner;
  ASSERT_EQ(Cli({"beispiel", ordner / "B.tmr"}).Code, 0);
  const TAufruf a = Cli({"automatik", ordner / "B.tmr", "--kurse", "10c", "--ausgabe",
                         ordner / "N.tmr", "--tage", "5"});
  ASSERT_EQ(a.Code, 0) << a.Fehler;
  EXPECT_GT(Gesetzt(a.Aus), 0);
  // Kurse ohne 10c und ohne Kopplung mit einem Kurs der 10c bleiben, wie sie waren.
  const auto mit10c = [](const TKurs* k) {
    const auto hat = [](const TKurs* x) {
      for (const TKlasse* kl : x->fKlassen)
        if (kl->fKuerzel.str() == "10c") return true;
      return false;
    };
    if (hat(k)) return true;
    if (k->fKopplung)
      for (const TKurs* p : k->fKopplung->fKurse)
        if (hat(p)) return true;
    return false;
  };
  int n = 0;
  EXPECT_EQ(Plan(ordner / "N.tmr", n, mit10c), Plan(ordner / "B.tmr", n, mit10c));
}

TEST(CliAutomatik, FehlerEndenMitEinsFalscheArgumenteMitZwei) {
  TTestOrdner ordner;
  ASSERT_EQ(Cli({"beispiel", ordner / "B.tmr"}).Code, 0);
  const TAufruf fehlt = Cli({"automatik", ordner / "fehlt.tmr"});
  EXPECT_EQ(fehlt.Code, 1);
  EXPECT_NE(fehlt.Fehler.find("fehlt.tmr"), std::string::npos) << fehlt.Fehler;
  EXPECT_TRUE(fehlt.Aus.empty());

  const TAufruf kuerzel = Cli({"automatik", ordner / "B.tmr", "--kurse", "XY"});
  EXPECT_EQ(kuerzel.Code, 1);
  EXPECT_EQ(kuerzel.Fehler, "Kein Lehrer und keine Klasse mit dem Kürzel XY.\n");
  EXPECT_TRUE(kuerzel.Aus.empty());

  const TAufruf schreiben =
      Cli({"automatik", ordner / "B.tmr", "--ausgabe", ordner / "gibtsnicht/N.tmr"});
  EXPECT_EQ(schreiben.Code, 1);
  EXPECT_NE(schreiben.Fehler.find("N.tmr"), std::string::npos) << schreiben.Fehler;

  const TAufruf falsch = Cli({"automatik", ordner / "B.tmr", "--prozent", "120"});
  EXPECT_EQ(falsch.Code, 2);
  EXPECT_EQ(falsch.Fehler,
            "Ungültige Prozentzahl: 120 (erlaubt sind 1 bis 100).\n"
            "Aufruf: tamrel-cli automatik DATEI [--ausgabe DATEI] [--prozent N] [--tage N] "
            "[--stunden N] [--kurse KÜRZEL…] [--nachbessern [SEKUNDEN]] [--schritte N] "
            "[--saat N]\n");
  EXPECT_NE(Cli({"--hilfe"}).Aus.find("  automatik DATEI"), std::string::npos);
}

TEST(CliAutomatik, StundenSchritteUndSaat) {
  TAutomatikAufruf a;
  std::string fehler;
  ASSERT_TRUE(AutomatikAufrufLesen(
      {"s.tmr", "--stunden", "12", "--schritte", "500", "--saat", "7", "--nachbessern"}, a,
      fehler));
  EXPECT_EQ(a.stunden, 12);
  EXPECT_EQ(a.schritte, 500);
  EXPECT_EQ(a.saat, 7u);
  ASSERT_TRUE(AutomatikAufrufLesen({"s.tmr"}, a, fehler));
  EXPECT_EQ(a.stunden, 0);
  EXPECT_EQ(a.schritte, -1);
  EXPECT_EQ(a.saat, 1u);  // feste Vorgabe
  EXPECT_EQ(Fehler({"a.tmr", "--stunden", "17"}),
            "Ungültige Zahl der Stunden: 17 (erlaubt sind 1 bis 16).");
  EXPECT_EQ(Fehler({"a.tmr", "--stunden"}), "Nach --stunden fehlt ein Wert.");
  EXPECT_EQ(Fehler({"a.tmr", "--schritte", "-3"}),
            "Ungültige Zahl der Schritte: -3 (erlaubt sind 0 bis 100000000).");
  EXPECT_EQ(Fehler({"a.tmr", "--saat", "x"}), "Ungültige Saat: x (erlaubt sind 0 bis 2147483647).");
}

// Ohne --tage und --stunden gilt das Raster der Einstellungen des Programms; die Kommandozeile
// legt Werte darüber. Keine Stunde liegt außerhalb.
class CliAutomatikRasterTest : public ::testing::Test {
 protected:
  CliAutomatikRasterTest() {
    u.standard.fMaxTageNeu = 6;
    u.standard.fPlnStd = 12;
    EXPECT_TRUE(SaveStandard(u.standard, u.speicher));
    werte = u.speicher.fWerte;
    CliEinstellungsQuelleSetzen([this](const std::string& datei, std::string& fehler) {
      auto speicher = std::make_unique<TFakeSpeicher>();
      if (datei.empty()) return std::unique_ptr<TEinstellungsSpeicher>(std::move(speicher));
      if (datei != "tamrel.ini") {
        fehler = "falsche Einstellungsdatei: " + datei;
        return std::unique_ptr<TEinstellungsSpeicher>();
      }
      speicher->fWerte = werte;
      return std::unique_ptr<TEinstellungsSpeicher>(std::move(speicher));
    });
  }
  ~CliAutomatikRasterTest() override {
    CliEinstellungsQuelleSetzen(nullptr);
    KonsolenUhrSetzen(nullptr);
  }

  // Die größte Stunde und der größte Tag aller Setzungen der Datei.
  static std::pair<int, int> Ausdehnung(const std::string& pfad) {
    TTestUmgebung v;
    std::string fehler;
    EXPECT_TRUE(ReadSchule(pfad, v.schule(), fehler)) << fehler;
    int tag = 0, stunde = 0;
    for (const TKurs* k : v.schule().fKursMenge)
      for (const TSetzung* z : k->fSetzungen) {
        tag = std::max(tag, static_cast<int>(z->fTag));
        stunde = std::max(stunde, static_cast<int>(z->fStunde));
      }
    return {tag, stunde};
  }

  TTestUmgebung u;
  std::map<std::pair<std::string, std::string>, std::string> werte;
  TTestOrdner ordner;
};

TEST_F(CliAutomatikRasterTest, PlantImRasterDerEinstellungenUndDerKommandozeile) {
  ASSERT_EQ(Cli({"beispiel", ordner / "B.tmr"}).Code, 0);
  {
    TTestUmgebung v;
    std::string fehler;
    ASSERT_TRUE(ReadSchule(ordner / "B.tmr", v.schule(), fehler)) << fehler;
    for (TKurs* k : v.schule().fKursMenge) k->AlleSetzungenEntfernen();
    ASSERT_TRUE(WriteSchule(ordner / "L.tmr", v.schule(), fehler)) << fehler;
  }
  const TAufruf ein = Cli({"--einstellungen", "tamrel.ini", "automatik", ordner / "L.tmr",
                           "--ausgabe", ordner / "E.tmr"});
  ASSERT_EQ(ein.Code, 0) << ein.Fehler;
  EXPECT_EQ(ein.Aus.rfind("Raster: 6 Tage, 12 Stunden\n", 0), 0u) << ein.Aus;
  const auto [tag, stunde] = Ausdehnung(ordner / "E.tmr");
  EXPECT_LE(tag, 6);
  EXPECT_LE(stunde, 12);
  EXPECT_GT(stunde, 0);

  const TAufruf klein = Cli({"--einstellungen", "tamrel.ini", "automatik", ordner / "L.tmr",
                             "--tage", "5", "--stunden", "6", "--ausgabe", ordner / "K.tmr"});
  ASSERT_EQ(klein.Code, 0) << klein.Fehler;
  EXPECT_EQ(klein.Aus.rfind("Raster: 5 Tage, 6 Stunden\n", 0), 0u) << klein.Aus;
  const auto [tagK, stundeK] = Ausdehnung(ordner / "K.tmr");
  EXPECT_LE(tagK, 5);
  EXPECT_LE(stundeK, 6);
  EXPECT_GT(stundeK, 0);
  // Im kleineren Raster bleibt mehr offen, und jeder offene Kurs nennt seine Gründe.
  EXPECT_LT(Gesetzt(klein.Aus), Gesetzt(ein.Aus));
  std::size_t offen = 0, gruende = 0;
  for (std::size_t p = klein.Aus.find("\noffen: "); p != std::string::npos;
       p = klein.Aus.find("\noffen: ", p + 1))
    ++offen;
  for (std::size_t p = klein.Aus.find("\n  Gründe: Lehrer belegt "); p != std::string::npos;
       p = klein.Aus.find("\n  Gründe: Lehrer belegt ", p + 1))
    ++gruende;
  EXPECT_GT(offen, 0u);
  EXPECT_EQ(gruende, offen);
}

// Gleiche Datei, Saat und Schritte: dieselbe Ausgabe und dieselbe Datei, gleich wie lange die
// Maschine braucht (die Uhr steht, damit die Zeitstempel der Planänderung gleich sind).
TEST_F(CliAutomatikRasterTest, GleicheSaatUndSchritteGebenDenselbenPlan) {
  KonsolenUhrSetzen(&u.uhr);
  ASSERT_EQ(Cli({"beispiel", ordner / "B.tmr", "--gross", "--knapp"}).Code, 0);
  {
    TTestUmgebung v;
    std::string fehler;
    ASSERT_TRUE(ReadSchule(ordner / "B.tmr", v.schule(), fehler)) << fehler;
    for (TKurs* k : v.schule().fKursMenge) k->AlleSetzungenEntfernen();
    ASSERT_TRUE(WriteSchule(ordner / "L.tmr", v.schule(), fehler)) << fehler;
  }
  const auto lauf = [&](const std::string& aus, const std::string& saat) {
    return Cli({"--einstellungen", "tamrel.ini", "automatik", ordner / "L.tmr", "--tage", "5",
                "--stunden", "8", "--nachbessern", "3600", "--schritte", "40", "--saat", saat,
                "--ausgabe", ordner / aus});
  };
  const TAufruf eins = lauf("N1.tmr", "3"), zwei = lauf("N2.tmr", "3");
  ASSERT_EQ(eins.Code, 0) << eins.Fehler;
  ASSERT_EQ(zwei.Code, 0) << zwei.Fehler;
  EXPECT_EQ(eins.Aus, zwei.Aus);
  EXPECT_NE(eins.Aus.find("\nSchritte: 40\nZeitgrenze: nicht erreicht\n"), std::string::npos)
      << eins.Aus;
  int n1 = 0, n2 = 0;
  EXPECT_EQ(Plan(ordner / "N1.tmr", n1), Plan(ordner / "N2.tmr", n2));
  EXPECT_EQ(n1, n2);
  EXPECT_EQ(DateiInhalt(ordner / "N1.tmr"), DateiInhalt(ordner / "N2.tmr"));
  // Eine andere Saat ist ein anderer Lauf derselben Regeln.
  const TAufruf drei = lauf("N3.tmr", "4");
  ASSERT_EQ(drei.Code, 0) << drei.Fehler;
  int n3 = 0;
  Plan(ordner / "N3.tmr", n3);
  KonsolenUhrSetzen(nullptr);
}
