// Start und Ende ohne Fenster: Startkennwort, Lage der Palette, Titelzeile, Einstellungen.
#include <gtest/gtest.h>

#include "TestUmgebung.h"
#include "app/ProgrammUnit.h"
#include "persistence/StandardSpeicherUnit.h"
#include "settings/KennwortUnit.h"
#include "settings/StandardUnit.h"

TEST(Programm, OhneKennwortKeineFrage) {
  TTestUmgebung u;
  int gefragt = 0;
  EXPECT_TRUE(StartKennwortPruefen([&] {
    ++gefragt;
    return std::optional<std::string>("x");
  }));
  EXPECT_EQ(gefragt, 0);
}

TEST(Programm, KennwortRichtigFalschAbgebrochen) {
  TTestUmgebung u;
  KennwortSetzen("Geheim");
  EXPECT_TRUE(StartKennwortPruefen([] { return std::optional<std::string>("Geheim"); }));
  EXPECT_FALSE(StartKennwortPruefen([] { return std::optional<std::string>("geheim"); }));
  EXPECT_FALSE(StartKennwortPruefen([] { return std::optional<std::string>(); }));
  EXPECT_FALSE(StartKennwortPruefen({}));
  // Die Eingabe kommt als UTF-8, gespeichert ist die Form in Windows-1252.
  KennwortSetzen(
      "M\xFC"
      "he");
  EXPECT_TRUE(StartKennwortPruefen([] { return std::optional<std::string>("Mühe"); }));
}

TEST(Programm, PaletteKoordinate) {
  EXPECT_EQ(PaletteKoordinate(100, 1024), 100);
  EXPECT_EQ(PaletteKoordinate(974, 1024), 974);
  EXPECT_EQ(PaletteKoordinate(975, 1024), 0);
  EXPECT_EQ(PaletteKoordinate(-1, 1024), 0);
}

TEST(Programm, Titelzeile) {
  EXPECT_EQ(ProgrammTitelZeile(false, "Plan.tmr"), "WinTamrel 3.9.16");
  EXPECT_EQ(ProgrammTitelZeile(true, "ohne Titel"), "WinTamrel 3.9.16 [ohne Titel]");
  EXPECT_EQ(ProgrammTitelZeile(true, "Sch\xFCler.tmr"), "WinTamrel 3.9.16 [Schüler.tmr]");
}

TEST(Programm, EinstellungenMitLageGeschriebenUndWiederGelesen) {
  TFakeSpeicher speicher;
  {
    TTestUmgebung u;
    u.standard.fPaletteSchalter = 5;
    u.standard.fSpeicherZeit = 15;
    ASSERT_TRUE(EinstellungenSichern(120, 80));
    EXPECT_EQ(u.standard.fPaletteLinks, 120);
    speicher = u.speicher;
  }
  TTestUmgebung u;
  LoadStandard(u.standard, speicher);
  EXPECT_EQ(u.standard.fPaletteLinks, 120);
  EXPECT_EQ(u.standard.fPaletteTop, 80);
  EXPECT_EQ(u.standard.fPaletteSchalter, 5);
  EXPECT_EQ(u.standard.fSpeicherZeit, 15);
}

namespace {
class TKaputterSpeicher : public TFakeSpeicher {
 public:
  bool Sichern() override { return false; }
};
}  // namespace

TEST(Programm, MisslungenesSchreibenWirdGemeldet) {
  TTestUmgebung u;
  TKaputterSpeicher kaputt;
  TDienste d = EingesetzteDienste();
  d.Speicher = &kaputt;
  const TDienste alt = DiensteEinsetzen(d);
  EXPECT_FALSE(EinstellungenSichern(0, 0));
  DiensteEinsetzen(alt);
  ASSERT_EQ(u.dialog.fProtokoll.size(), 1u);
  EXPECT_EQ(u.dialog.fProtokoll[0].Titel, "Einstellungen");
  EXPECT_EQ(u.dialog.fProtokoll[0].Zeilen[0],
            "Die Einstellungen konnten nicht gespeichert werden.");
}
