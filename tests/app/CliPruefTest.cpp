// tamrel-cli pruefen und komprimieren: Zeilen, Ergebnis, Rückgabewerte und die geschriebene Datei.
#include <gtest/gtest.h>

#include "BelegungsPruefung.h"
#include "TestUmgebung.h"
#include "app/CliAufruf.h"
#include "model/KursUnit.h"
#include "model/SchulUnit.h"
#include "persistence/ReadUnit.h"
#include "persistence/SchulDateiHilfe.h"
#include "persistence/WriteUnit.h"

namespace {

// Eine Schule mit einer Doppelbelegung der Klasse, einer Brücke und einer Lücke im Plan.
void SchreibeSchule(const std::string& pfad) {
  TTestUmgebung u;
  TSchule& s = u.schule();
  TKlasse* k = s.HoleKlasse("5a");
  TKurs* a = TKurs::IKurs(s.HoleLehrer("MUE"), k, nullptr, s.HoleFach("D"), nullptr, 2);
  TKurs* b = TKurs::IKurs(s.HoleLehrer("SCH"), k, nullptr, s.HoleFach("M"), nullptr, 1);
  a->fStunden.SetWochenStunde(0, 2);
  b->fStunden.SetWochenStunde(0, 1);
  // Die Einzelstundenbedingung ist erfüllt: eine Doppelstunde, eine Einzelstunde.
  a->fStdProTag = 2;
  a->fEinzelStd = 0;
  b->fStdProTag = 1;
  b->fEinzelStd = 1;
  a->NeueSetzung(1, 1, 1, nullptr);
  a->NeueSetzung(1, 1, 3, nullptr);
  b->NeueSetzung(1, 1, 3, nullptr);
  std::string fehler;
  ASSERT_TRUE(WriteSchule(pfad, s, fehler)) << fehler;
}

TEST(CliPruefen, ZeilenUndErgebnis) {
  TTestOrdner ordner;
  const std::string datei = ordner / "s.tmr";
  SchreibeSchule(datei);
  TAufruf r = Cli({"pruefen", datei});
  EXPECT_EQ(r.Code, 0);
  EXPECT_EQ(r.Aus,
            "Klasse 5a {1} Mo  3 doppelt im Plan.\n"
            "Klasse 5a {1} Mo  3 doppelt im Plan.\n"
            "Der Kurs MUE D 5a hat {1} Mo eine Brücke.\n"
            "Ergebnis: größere Fehler\n");
  r = Cli({"pruefen", datei, "bruecken", "--tage", "6"});
  EXPECT_EQ(r.Aus, "Der Kurs MUE D 5a hat {1} Mo eine Brücke.\nErgebnis: kleinere Fehler\n");
  EXPECT_EQ(Cli({"pruefen", datei, "stunden"}).Aus, "Ergebnis: keine Fehler\n");
  // Fehler beim Lesen: 1; falsche Argumente: 2 mit deutscher Meldung.
  r = Cli({"pruefen", ordner / "fehlt.tmr"});
  EXPECT_EQ(r.Code, 1);
  EXPECT_EQ(r.Aus, "");
  r = Cli({"pruefen", datei, "alles"});
  EXPECT_EQ(r.Code, 2);
  EXPECT_EQ(r.Fehler.substr(0, r.Fehler.find('\n')), "Unbekannte Prüfung: alles");
  EXPECT_EQ(Cli({"pruefen"}).Code, 2);
  EXPECT_NE(Cli({"--hilfe"}).Aus.find("  pruefen DATEI"), std::string::npos);
}

TEST(CliKomprimieren, LueckenVorherNachherUndDatei) {
  TTestOrdner ordner;
  const std::string datei = ordner / "s.tmr", neu = ordner / "neu.tmr";
  SchreibeSchule(datei);
  EXPECT_EQ(Cli({"komprimieren", datei}).Code, 2);
  const TAufruf r = Cli({"komprimieren", datei, "--ausgabe", neu});
  ASSERT_EQ(r.Code, 0) << r.Fehler;
  EXPECT_EQ(r.Aus.substr(0, r.Aus.find("Verschobene Stunden: ")), "Klasse 5a {1}: 1 -> 0\n");
  EXPECT_NE(r.Aus.find("\nHohlstunden vorher: 1\nHohlstunden nachher: 0\n"), std::string::npos);
  TTestUmgebung u;
  std::string fehler;
  ASSERT_TRUE(ReadSchule(neu, u.schule(), fehler)) << fehler;
  EXPECT_TRUE(BelegungenStimmen(u.schule()));
  std::size_t stunden = 0;
  for (const TKurs* k : u.schule().fKursMenge) stunden += k->fSetzungen.size();
  EXPECT_EQ(stunden, 3u);
}

}  // namespace
