// tamrel-cli automatik: Argumente, Auswahl der Kurse, Ausgabe.
#include <gtest/gtest.h>

#include <sstream>

#include "TestUmgebung.h"
#include "app/CliAutomatikUnit.h"
#include "model/KlassenUnit.h"
#include "model/KursUnit.h"
#include "model/LehrerUnit.h"
#include "model/SchulUnit.h"
#include "model/ToolsUnit.h"
#include "settings/StandardUnit.h"

namespace {
using Args = std::vector<std::string>;

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
  EXPECT_EQ(a.prozent, 100);
  EXPECT_EQ(a.tage, 5);
  EXPECT_TRUE(a.kuerzel.empty());
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
  EXPECT_EQ(aus.str(), "gesetzt: 4\nnicht verplanbar: 1\noffen: 1 SCH Ek 5a\n");
}
