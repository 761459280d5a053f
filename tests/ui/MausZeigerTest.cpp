// Die Tabelle der Mauszeiger nach Fensterart, Werkzeug und Umschalttasten.
#include <gtest/gtest.h>

#include "ui/MausZeigerUnit.h"

namespace {
constexpr unsigned S = 1, A = 2, C = 4;
using enum TToolArt;

TEST(MausZeiger, PlanfensterUndUebersichten) {
  for (int art :
       {FensterArt::LehrerPlan, FensterArt::KlassenPlan, FensterArt::RaumPlan,
        FensterArt::LehrerUebersicht, FensterArt::KlassenUebersicht, FensterArt::RaumUebersicht}) {
    EXPECT_EQ(ZeigerNummer(art, ZeigTool, S | A | C, 3), zPfeil) << art;
    EXPECT_EQ(ZeigerNummer(art, LoeschTool, 0, 0), zGummi) << art;
    EXPECT_EQ(ZeigerNummer(art, LoeschTool, A, 0), zHalbGummi) << art;
    EXPECT_EQ(ZeigerNummer(art, LoeschTool, C, 0), zGummi) << art;
    EXPECT_EQ(ZeigerNummer(art, SchiebTool, 0, 0), zHand) << art;
    EXPECT_EQ(ZeigerNummer(art, SchiebTool, S, 0), zRotHand) << art;
    EXPECT_EQ(ZeigerNummer(art, SchiebTool, A, 0), zHalbHand) << art;
    EXPECT_EQ(ZeigerNummer(art, SchiebTool, A | S, 0), zHalbHand) << art;
    EXPECT_EQ(ZeigerNummer(art, SchiebTool, C, 0), zPfeil4) << art;
    EXPECT_EQ(ZeigerNummer(art, SchiebTool, C | S, 0), zPfeil4) << art;
    EXPECT_EQ(ZeigerNummer(art, SchiebTool, C | A, 0), zPfeil3) << art;
    EXPECT_EQ(ZeigerNummer(art, FixTool, S, 0), zHammer) << art;
  }
  // Setzen: in Planfenstern rot, solange das Element Stunden offen hat; Übersichten immer 1.
  EXPECT_EQ(ZeigerNummer(FensterArt::LehrerPlan, SetzTool, 0, 1), zRotSetzer);
  EXPECT_EQ(ZeigerNummer(FensterArt::LehrerPlan, SetzTool, 0, 0), zSetzer);
  EXPECT_EQ(ZeigerNummer(FensterArt::RaumPlan, SetzTool, 0, -2), zSetzer);
  EXPECT_EQ(ZeigerNummer(FensterArt::LehrerUebersicht, SetzTool, 0, 5), zSetzer);
}

TEST(MausZeiger, AndereFenster) {
  // UV-Tabelle: Löschen mit Strg nur den Raum; Schieben und Fixieren lassen den Zeiger.
  EXPECT_EQ(ZeigerNummer(FensterArt::UVTabelle, SetzTool, 0, 0), zSetzer);
  EXPECT_EQ(ZeigerNummer(FensterArt::UVTabelle, LoeschTool, C, 0), zHalbGummi);
  EXPECT_EQ(ZeigerNummer(FensterArt::UVTabelle, LoeschTool, A, 0), zGummi);
  EXPECT_EQ(ZeigerNummer(FensterArt::UVTabelle, SchiebTool, 0, 0), zUnveraendert);
  EXPECT_EQ(ZeigerNummer(FensterArt::UVTabelle, FixTool, 0, 0), zUnveraendert);
  for (int art :
       {FensterArt::LehrerDeputat, FensterArt::KlassenDeputat, FensterArt::KopplungsDeputat,
        FensterArt::FachDeputat, FensterArt::RaumDeputat, FensterArt::AlleKurse}) {
    EXPECT_EQ(ZeigerNummer(art, SchiebTool, C, 0), zHand) << art;
    EXPECT_EQ(ZeigerNummer(art, LoeschTool, C, 0), zHalbGummi) << art;
    EXPECT_EQ(ZeigerNummer(art, FixTool, 0, 0), zUnveraendert) << art;
  }
  EXPECT_EQ(ZeigerNummer(FensterArt::ParalleleKopplungen, LoeschTool, C | A, 0), zGummi);
  EXPECT_EQ(ZeigerNummer(FensterArt::ParalleleKopplungen, FixTool, 0, 0), zHammer);
  for (int art : {FensterArt::LehrerDaten, FensterArt::KlassenDaten, FensterArt::UVDaten}) {
    EXPECT_EQ(ZeigerNummer(art, ZeigTool, 0, 0), zPfeil);
    EXPECT_EQ(ZeigerNummer(art, LoeschTool, 0, 0), zGummi);
    EXPECT_EQ(ZeigerNummer(art, SetzTool, 0, 0), zUnveraendert);
  }
  // Kursfenster nach seinen Teilen.
  EXPECT_EQ(ZeigerNummer(FensterArt::Kurs, ZeigTool, 0, 0, TZeigerTeil::KursRaeume), zPfeil);
  EXPECT_EQ(ZeigerNummer(FensterArt::Kurs, LoeschTool, 0, 0, TZeigerTeil::KursFeld), zGummi);
  EXPECT_EQ(ZeigerNummer(FensterArt::Kurs, LoeschTool, 0, 0, TZeigerTeil::KursKlassen), zGummi);
  EXPECT_EQ(ZeigerNummer(FensterArt::Kurs, SchiebTool, 0, 0, TZeigerTeil::KursRaeume), zHand);
  EXPECT_EQ(ZeigerNummer(FensterArt::Kurs, SchiebTool, 0, 0, TZeigerTeil::KursKlassen), zPfeil);
  EXPECT_EQ(ZeigerNummer(FensterArt::Kurs, SetzTool, 0, 0, TZeigerTeil::KursFeld), zUnveraendert);
  // Manuell: Probe ohne Räume mit Shift (nicht mit Alt).
  EXPECT_EQ(ZeigerNummer(FensterArt::Manuell, SchiebTool, C | S, 0), zPfeil3);
  EXPECT_EQ(ZeigerNummer(FensterArt::Manuell, SchiebTool, C | A, 0), zPfeil4);
  EXPECT_EQ(ZeigerNummer(FensterArt::Manuell, SchiebTool, S, 0), zHand);
  EXPECT_EQ(ZeigerNummer(FensterArt::Manuell, LoeschTool, C, 0), zHalbGummi);
  EXPECT_EQ(ZeigerNummer(FensterArt::Vertretungen, SetzTool, 0, 0), zSetzer);
  EXPECT_EQ(ZeigerNummer(FensterArt::Vertretungen, SchiebTool, 0, 0), zUnveraendert);
  // Fenster ohne Regel.
  for (int art :
       {FensterArt::Zwischenablage, FensterArt::Fehler, FensterArt::KopplungsDaten,
        FensterArt::Stundenverteilung, FensterArt::LehrerStatistik, FensterArt::VertretungsWahl})
    for (TToolArt t : {ZeigTool, SetzTool, LoeschTool, SchiebTool, FixTool})
      EXPECT_EQ(ZeigerNummer(art, t, 0, 0), zUnveraendert) << art;
}
}  // namespace
