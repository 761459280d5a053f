// Die Tabelle der Mauszeiger nach Fensterart, Werkzeug und Umschalttasten.
#include <gtest/gtest.h>

#include "ui/MausZeigerUnit.h"

namespace {
constexpr unsigned S = 1, A = 2, C = 4;
using enum TToolArt;

TEST(MausZeiger, PlanfensterUndUebersichten) {
  for (int art : {9, 10, 11, 31, 32, 33}) {
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
  EXPECT_EQ(ZeigerNummer(9, SetzTool, 0, 1), zRotSetzer);
  EXPECT_EQ(ZeigerNummer(9, SetzTool, 0, 0), zSetzer);
  EXPECT_EQ(ZeigerNummer(11, SetzTool, 0, -2), zSetzer);
  EXPECT_EQ(ZeigerNummer(31, SetzTool, 0, 5), zSetzer);
}

TEST(MausZeiger, AndereFenster) {
  // UV-Tabelle: Löschen mit Strg nur den Raum; Schieben und Fixieren lassen den Zeiger.
  EXPECT_EQ(ZeigerNummer(12, SetzTool, 0, 0), zSetzer);
  EXPECT_EQ(ZeigerNummer(12, LoeschTool, C, 0), zHalbGummi);
  EXPECT_EQ(ZeigerNummer(12, LoeschTool, A, 0), zGummi);
  EXPECT_EQ(ZeigerNummer(12, SchiebTool, 0, 0), zUnveraendert);
  EXPECT_EQ(ZeigerNummer(12, FixTool, 0, 0), zUnveraendert);
  for (int art = 16; art <= 21; ++art) {
    EXPECT_EQ(ZeigerNummer(art, SchiebTool, C, 0), zHand) << art;
    EXPECT_EQ(ZeigerNummer(art, LoeschTool, C, 0), zHalbGummi) << art;
    EXPECT_EQ(ZeigerNummer(art, FixTool, 0, 0), zUnveraendert) << art;
  }
  EXPECT_EQ(ZeigerNummer(22, LoeschTool, C | A, 0), zGummi);
  EXPECT_EQ(ZeigerNummer(22, FixTool, 0, 0), zHammer);
  for (int art : {61, 62, 66}) {
    EXPECT_EQ(ZeigerNummer(art, ZeigTool, 0, 0), zPfeil);
    EXPECT_EQ(ZeigerNummer(art, LoeschTool, 0, 0), zGummi);
    EXPECT_EQ(ZeigerNummer(art, SetzTool, 0, 0), zUnveraendert);
  }
  // Kursfenster nach seinen Teilen.
  EXPECT_EQ(ZeigerNummer(67, ZeigTool, 0, 0, TZeigerTeil::KursRaeume), zPfeil);
  EXPECT_EQ(ZeigerNummer(67, LoeschTool, 0, 0, TZeigerTeil::KursFeld), zGummi);
  EXPECT_EQ(ZeigerNummer(67, LoeschTool, 0, 0, TZeigerTeil::KursKlassen), zGummi);
  EXPECT_EQ(ZeigerNummer(67, SchiebTool, 0, 0, TZeigerTeil::KursRaeume), zHand);
  EXPECT_EQ(ZeigerNummer(67, SchiebTool, 0, 0, TZeigerTeil::KursKlassen), zPfeil);
  EXPECT_EQ(ZeigerNummer(67, SetzTool, 0, 0, TZeigerTeil::KursFeld), zUnveraendert);
  // Manuell: Probe ohne Räume mit Shift (nicht mit Alt).
  EXPECT_EQ(ZeigerNummer(68, SchiebTool, C | S, 0), zPfeil3);
  EXPECT_EQ(ZeigerNummer(68, SchiebTool, C | A, 0), zPfeil4);
  EXPECT_EQ(ZeigerNummer(68, SchiebTool, S, 0), zHand);
  EXPECT_EQ(ZeigerNummer(68, LoeschTool, C, 0), zHalbGummi);
  EXPECT_EQ(ZeigerNummer(69, SetzTool, 0, 0), zSetzer);
  EXPECT_EQ(ZeigerNummer(69, SchiebTool, 0, 0), zUnveraendert);
  // Fenster ohne Regel.
  for (int art : {14, 15, 63, 71, 72, 80})
    for (TToolArt t : {ZeigTool, SetzTool, LoeschTool, SchiebTool, FixTool})
      EXPECT_EQ(ZeigerNummer(art, t, 0, 0), zUnveraendert) << art;
}
}  // namespace
