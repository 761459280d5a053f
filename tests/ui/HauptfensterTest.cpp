// Die Palette als Hauptfenster ohne Fenster-Code: Lage und Einstellungen am Ende.
#include <gtest/gtest.h>

#include "TestUmgebung.h"
#include "persistence/StandardSpeicherUnit.h"
#include "settings/StandardUnit.h"
#include "ui/HauptfensterUnit.h"

TEST(Hauptfenster, PaletteKoordinate) {
  EXPECT_EQ(PaletteKoordinate(100, 1024), 100);
  EXPECT_EQ(PaletteKoordinate(974, 1024), 974);
  EXPECT_EQ(PaletteKoordinate(975, 1024), 0);
  EXPECT_EQ(PaletteKoordinate(-1, 1024), 0);
}

TEST(Hauptfenster, EinstellungenMitLageGeschriebenUndWiederGelesen) {
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

TEST(Hauptfenster, MisslungenesSchreibenWirdGemeldet) {
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
