// tamrel-cli mit Schuldateien: info, kurse, umwandeln, beispiel.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "app/BeispielSchuleUnit.h"
#include "app/CliAufruf.h"
#include "app/CliUnit.h"
#include "model/DatumUnit.h"
#include "persistence/SchulDateiHilfe.h"
#include "persistence/ReadUnit.h"
#include "persistence/WriteUnit.h"

namespace {

TEST(CliDatei, BeispielUndInfo) {
  TTestOrdner ordner;
  const TAufruf beispiel = Cli({"beispiel", ordner / "Beispiel.tmr"});
  ASSERT_EQ(beispiel.Code, 0) << beispiel.Fehler;
  EXPECT_TRUE(beispiel.Aus.empty());

  // Die erwarteten Zahlen aus derselben Beispielschule.
  std::string soll;
  {
    TTestUmgebung u;
    ErzeugeBeispielSchule(u.schule(), false);
    const TSchule& s = u.schule();
    std::size_t setzungen = 0;
    for (const TKurs* k : s.fKursMenge) setzungen += k->fSetzungen.size();
    soll = "Lehrer: 60\nKlassen: 27\nRäume: " + std::to_string(s.fRaumMenge.size()) +
           "\nFächer: 20\nKopplungen: " + std::to_string(s.fKopplMenge.size()) +
           "\nUV-Tabellen: 2\nKurse: " + std::to_string(s.fKursMenge.size()) +
           "\nSetzungen: " + std::to_string(setzungen) +
           "\nPlanversionen: 2\nFehlzeiten: 0\nVertretungen: 0\n";
    EXPECT_EQ(DateiInhalt(ordner / "Beispiel.tmr"), SchuleAlsBytes(u.schule()));
  }
  const TAufruf info = Cli({"info", ordner / "Beispiel.tmr"});
  EXPECT_EQ(info.Code, 0) << info.Fehler;
  EXPECT_EQ(info.Aus, soll);
  EXPECT_TRUE(info.Fehler.empty());

  const TAufruf gross = Cli({"beispiel", ordner / "Gross.tmr", "--gross"});
  ASSERT_EQ(gross.Code, 0) << gross.Fehler;
  EXPECT_NE(Cli({"info", ordner / "Gross.tmr"}).Aus.find("Lehrer: 150\n"), std::string::npos);
  const TAufruf knapp = Cli({"beispiel", ordner / "Knapp.tmr", "--gross", "--knapp"});
  ASSERT_EQ(knapp.Code, 0) << knapp.Fehler;
  EXPECT_NE(DateiInhalt(ordner / "Knapp.tmr"), DateiInhalt(ordner / "Gross.tmr"));
  EXPECT_EQ(Cli({"beispiel", ordner / "K.tmr", "--knapp"}).Code, 2);
  EXPECT_EQ(Cli({"beispiel", ordner / "K.tmr", "--gross", "--gross"}).Code, 2);
}

TEST(CliDatei, InfoZaehltFehlzeitenUndVertretungen) {
  TTestOrdner ordner;
  // Die Fehlzeiten und Vertretungen der kleinen Schule liegen um heute herum.
  TRohDatei roh = KleineSchuleRoh();
  const double heute = std::floor(TSystemUhr().Jetzt());
  for (auto* liste : {&roh.FehlLehrer, &roh.FehlKlassen, &roh.FehlRaeume})
    for (TRohFehl& f : *liste) f.Datum = heute + 0.5;
  for (TRohSetzung& p : roh.Kurse[1].Setzungen)
    for (TRohVertretung& v : p.Vertretungen) v.Datum = heute + 0.5;
  DateiSchreiben(ordner / "klein.tmr", roh.Bytes());
  const TAufruf info = Cli({"info", ordner / "klein.tmr"});
  EXPECT_EQ(info.Code, 0) << info.Fehler;
  EXPECT_EQ(info.Aus,
            "Lehrer: 2\nKlassen: 2\nRäume: 2\nFächer: 2\nKopplungen: 1\nUV-Tabellen: 2\nKurse: "
            "2\nSetzungen: 3\nPlanversionen: 2\nFehlzeiten: 3\nVertretungen: 2\n");
}

TEST(CliDatei, InfoBeiBeschaedigterDateiMeldetUndEndetMitEins) {
  TTestOrdner ordner;
  std::vector<std::uint8_t> kaputt = KleineSchuleRoh().Bytes();
  kaputt.resize(1500);
  DateiSchreiben(ordner / "kaputt.tmr", kaputt);
  const TAufruf info = Cli({"info", ordner / "kaputt.tmr"});
  EXPECT_EQ(info.Code, 1);
  EXPECT_TRUE(info.Aus.empty());
  EXPECT_EQ(info.Fehler.rfind("Die Datei „kaputt.tmr“ ist ", 0), 0u) << info.Fehler;
  EXPECT_EQ(info.Fehler.back(), '\n');

  DateiSchreiben(ordner / "fremd.tmr", {'P', 'K', 3, 4, 'x', 'y'});
  const TAufruf fremd = Cli({"info", ordner / "fremd.tmr"});
  EXPECT_EQ(fremd.Code, 1);
  EXPECT_EQ(fremd.Fehler, "Die Datei „fremd.tmr“ ist keine Schuldatei von WinTamrel.\n");

  const TAufruf fehlt = Cli({"kurse", ordner / "fehlt.tmr"});
  EXPECT_EQ(fehlt.Code, 1);
  EXPECT_EQ(fehlt.Fehler, "Die Datei „fehlt.tmr“ kann nicht geöffnet werden.\n");
}

TEST(CliDatei, KurseImFormatDerZwischenablage) {
  TTestOrdner ordner;
  {
    TTestUmgebung u;
    TSchule& s = u.schule();
    TKurs* k = TKurs::IKurs(s.HoleLehrer("M\xDCL"), s.HoleKlasse("5a"), s.HoleKopplung("Rel5"),
                            s.HoleFach("D"), s.HoleRaum("R101"), 3);
    k->KlasseErgaenzen(s.HoleKlasse("5b"));
    k->KlasseErgaenzen(s.HoleKlasse("5c"));
    k->RaumErgaenzen(s.HoleRaum("Ph1"), false);
    k->fInfo = "Gr\xFCn";
    k->fFaktor = 2;
    k->fTabellenNr = 3;
    k->fNichtZaehlenKl = true;
    k->fColor = 0x102030;
    TKurs::IKurs(nullptr, nullptr, nullptr, nullptr, nullptr, 1)->fNichtVerplanen = true;
    std::string fehler;
    ASSERT_TRUE(WriteSchule(ordner / "kurse.tmr", s, fehler)) << fehler;
  }
  const TAufruf kurse = Cli({"kurse", ordner / "kurse.tmr"});
  EXPECT_EQ(kurse.Code, 0) << kurse.Fehler;
  EXPECT_EQ(kurse.Aus,
            "1\t1\t\t\t\t\t\t\t1\t3\t1\tTRUE\tFALSE\tFALSE\t16777215\r\n"
            "2\t3\tMÜL\tD\t5a\tRel5\tR101\tGrün\t1\t3\t3\tFALSE\tFALSE\tTRUE\t1056816\r\n"
            "\t\t\t\t5b\t\tPh1\t\t\t\t\t\t\t\t\r\n"
            "\t\t\t\t5c\t\t\t\t\t\t\t\t\t\t\r\n");
}

TEST(CliDatei, UmwandelnVomAltenAufbau) {
  TTestOrdner ordner;
  TRohDatei roh = KleineSchuleRoh();
  roh.Version = -211;
  DateiSchreiben(ordner / "alt.tmr", roh.Bytes());
  const TAufruf um = Cli({"umwandeln", ordner / "alt.tmr", ordner / "neu.tmr"});
  ASSERT_EQ(um.Code, 0) << um.Fehler;
  EXPECT_NE(um.Fehler.find("Neues Datenformat: Ihre Datei stammt von einer"), std::string::npos);
  const auto neu = DateiInhalt(ordner / "neu.tmr");
  ASSERT_GE(neu.size(), 2u);
  EXPECT_EQ(neu[0], 0xFE);
  EXPECT_EQ(neu[1], 0xD4);
  const TAufruf info = Cli({"info", ordner / "neu.tmr"});
  EXPECT_EQ(info.Code, 0);
  EXPECT_TRUE(info.Fehler.empty());  // ohne Umwandlungsmeldung

  // Ein Ziel, das sich nicht schreiben lässt, lässt die Quelle unberührt.
  const auto vorher = DateiInhalt(ordner / "alt.tmr");
  const TAufruf falsch = Cli({"umwandeln", ordner / "alt.tmr", ordner / "fehlt/neu.tmr"});
  EXPECT_EQ(falsch.Code, 1);
  EXPECT_NE(falsch.Fehler.find("„neu.tmr“ kann nicht geschrieben werden"), std::string::npos);
  EXPECT_EQ(DateiInhalt(ordner / "alt.tmr"), vorher);
}

TEST(CliDatei, FalscheArgumente) {
  EXPECT_EQ(Cli({"info"}).Code, 2);
  EXPECT_EQ(Cli({"info", "a", "b"}).Code, 2);
  EXPECT_EQ(Cli({"umwandeln", "a"}).Code, 2);
  EXPECT_EQ(Cli({"beispiel", "a", "--klein"}).Code, 2);
  const TAufruf hilfe = Cli({"kurse"});
  EXPECT_NE(hilfe.Fehler.find("Falsche Argumente für kurse."), std::string::npos);
  EXPECT_NE(hilfe.Fehler.find("umwandeln DATEI NEU"), std::string::npos);
}

}  // namespace
