#include "ui/FensterWiederUnit.h"

#include <gtest/gtest.h>

#include "TestUmgebung.h"
#include "model/UVUnit.h"

namespace {

using A = TWiederArt;

TEST(FensterWieder, ElementNachDemRestDerUeberschrift) {
  TTestUmgebung u;
  TSchule& s = u.schule();
  TLehrer* mue = s.HoleLehrer("MUE");
  TRaum* a1 = s.HoleRaum("A1");
  s.HoleLehrer("A1");
  TKopplung* rel = s.HoleKopplung("REL 5");
  EXPECT_EQ(PlanFensterElement(s, {FensterArt::LehrerPlan, "Plan MUE", {}}), mue);
  EXPECT_EQ(PlanFensterElement(s, {FensterArt::RaumPlan, "Plan A1", {}}),
            a1);  // Raum, nicht der Lehrer A1
  EXPECT_EQ(PlanFensterElement(s, {FensterArt::LehrerPlan, "Plan XYZ", {}}), nullptr);
  EXPECT_EQ(PlanFensterElement(s, {FensterArt::LehrerPlan, "MUE", {}}),
            nullptr);  // ohne Leerzeichen
  EXPECT_EQ(PlanFensterElement(s, {FensterArt::LehrerUebersicht, "Lehrerübersicht", {}}), nullptr);
  // Deputatsfenster ohne ihre Klammer mit Ist und Soll; Kürzel mit Leerzeichen bleiben ganz.
  EXPECT_EQ(FensterElement(s, {FensterArt::LehrerDeputat, "Deputat MUE [20,0/24,0]", {}}), mue);
  EXPECT_EQ(FensterElement(s, {FensterArt::KopplungsDeputat, "Deputat REL 5", {}}), rel);
  EXPECT_EQ(FensterElement(s, {FensterArt::LehrerDaten, "Grunddaten MUE", {}}), mue);
  EXPECT_EQ(FensterElement(s, {FensterArt::LehrerDaten, "Grunddaten MUE [1/2]", {}}), nullptr);
  // UV-Tabellen: ihr Fenster und ihre Daten; ein Lehrer gleichen Kürzels zählt nicht.
  TUVTab* uv = s.HoleUVTab("MUE");
  EXPECT_EQ(FensterElement(s, {FensterArt::UVTabelle, "UV-Tabelle MUE", {}}), uv);
  EXPECT_EQ(FensterElement(s, {FensterArt::UVDaten, "Grunddaten MUE", {}}), uv);
  EXPECT_EQ(FensterElement(s, {FensterArt::UVTabelle, "UV-Tabelle MUE [1/2]", {}}), nullptr);
  EXPECT_EQ(FensterElement(s, {FensterArt::UVTabelle, "UV-Tabelle", {}}), nullptr);
  EXPECT_EQ(PlanFensterElement(s, {FensterArt::UVTabelle, "UV-Tabelle MUE", {}}), nullptr);
}

TEST(FensterWieder, JederSatzOeffnetSeinFensterEinmalVomLetztenZumErsten) {
  TTestUmgebung u;
  TSchule& s = u.schule();
  TLehrer* erster = s.HoleLehrer("A1");
  TLehrer* zweiter = s.HoleLehrer("B1");
  zweiter->fKuerzel = "A1";  // zwei Lehrer mit einem Kürzel, der zweite zuletzt in der Liste
  ASSERT_EQ(s.Elemente(leh).back(), zweiter);
  TKlasse* k5a = s.HoleKlasse("5a");
  TUVTab* o1 = s.HoleUVTab("O1");
  const std::vector<TFensterSatz> saetze = {
      {FensterArt::LehrerPlan, "Plan A1", {1, 1, 1, 1}},
      {FensterArt::LehrerPlan, "Plan A1", {2, 2, 2, 2}},
      {FensterArt::LehrerPlan, "Plan A1", {3, 3, 3, 3}},
      {FensterArt::KlassenDeputat, "Deputat 5a [3/4]", {}},
      {FensterArt::KlassenDaten, "Grunddaten 5a", {}},
      {FensterArt::AlleKurse, "alle Kurse", {}},
      {FensterArt::AlleKurse, "alle Kurse", {}},
      {FensterArt::ParalleleKopplungen, "Parallele Kopplungen", {}},
      {FensterArt::KlassenUebersicht, "Klassenübersicht", {}},
      {FensterArt::Stundenverteilung, "Stundenverteilung", {}},
      {FensterArt::FachStatistik, "Fachstatistik", {}},
      {FensterArt::KopplungsStatistik, "Kopplungsstatistik", {}},
      {FensterArt::UVTabelle, "UV-Tabelle", {}},
      {FensterArt::Vertretungen, "Vertretungen", {}},
      {FensterArt::UVStatistik, "UV-Statistik", {}},
      {FensterArt::Fehler, "Fehler", {}},
      {FensterArt::Zwischenablage, "Zwischenablage", {}},
      {FensterArt::KlassenPlan, "Plan 6b", {}},
      {FensterArt::UVDaten, "Grunddaten O1", {}},
      {FensterArt::Vertretungen, "Vertretungen", {}},
      {FensterArt::Kurs, "Kurs", {}},
      {FensterArt::Manuell, "Manuell", {}},
      {FensterArt::VertretungsWahl, "Vertretungswahl", {}},
      {FensterArt::WoAusfall, "Wochenausfall", {}},
      {FensterArt::UVTabelle, "UV-Tabelle O2", {}}};
  const std::vector<TWiederZiel> z = WiederZiele(s, saetze);
  ASSERT_EQ(z.size(), saetze.size());
  // Geöffnet wird vom letzten Satz zum ersten.
  for (std::size_t i = 0; i < z.size(); ++i) EXPECT_EQ(z[i].Satz, &saetze[saetze.size() - 1 - i]);
  auto ziel = [&](std::size_t satz) { return z[z.size() - 1 - satz]; };
  // Der erste Satz bekommt das letzte Element mit dem Kürzel, der zweite das davor; der dritte
  // findet keines mehr.
  EXPECT_EQ(ziel(0).Art, A::Plan);
  EXPECT_EQ(ziel(0).Element, zweiter);
  EXPECT_EQ(ziel(1).Element, erster);
  EXPECT_EQ(ziel(2).Art, A::Nichts);
  EXPECT_TRUE(ziel(0).MitBreite && ziel(0).MitHoehe);
  EXPECT_EQ(ziel(0).FensterWahl, TFensterArt::PFenster);
  EXPECT_EQ(ziel(2).FensterWahl, std::nullopt);
  EXPECT_EQ(ziel(3).Art, A::Deputat);
  EXPECT_EQ(ziel(3).Element, k5a);
  EXPECT_TRUE(!ziel(3).MitBreite && ziel(3).MitHoehe);
  EXPECT_EQ(ziel(3).FensterWahl, TFensterArt::DFenster);
  EXPECT_EQ(ziel(4).Art, A::Daten);
  EXPECT_TRUE(!ziel(4).MitBreite && !ziel(4).MitHoehe);
  EXPECT_EQ(ziel(4).FensterWahl, TFensterArt::GFenster);
  EXPECT_EQ(ziel(5).FensterWahl, std::nullopt);
  // Fenster, die es einmal gibt: der erste Satz zählt.
  EXPECT_EQ(ziel(5).Art, A::AlleKurse);
  EXPECT_EQ(ziel(6).Art, A::Nichts);
  EXPECT_EQ(ziel(7).Art, A::Parallel);
  EXPECT_EQ(ziel(8).Art, A::Uebersicht);
  EXPECT_EQ(ziel(8).Kuerzel, kla);
  EXPECT_TRUE(ziel(8).MitBreite && ziel(8).MitHoehe);
  EXPECT_EQ(ziel(9).Art, A::Stundenverteilung);
  EXPECT_TRUE(!ziel(9).MitBreite && ziel(9).MitHoehe);
  // 74 ist die Fach-, 75 die Kopplungsstatistik (nicht die Folge der Elementarten).
  EXPECT_EQ(ziel(10).Kuerzel, fac);
  EXPECT_EQ(ziel(11).Kuerzel, kop);
  // Die UV-Tabelle nimmt Breite und Höhe, ihre Daten nichts; die UV-Statistik und der Tagesplan
  // die Höhe; den Tagesplan gibt es einmal.
  EXPECT_EQ(ziel(12).Art, A::Nichts);  // "UV-Tabelle" ohne Leerzeichen und Kürzel
  EXPECT_EQ(ziel(24).Art, A::Nichts);  // O2 gibt es nicht
  EXPECT_EQ(ziel(13).Art, A::Vertretungen);
  EXPECT_TRUE(!ziel(13).MitBreite && ziel(13).MitHoehe);
  EXPECT_EQ(ziel(19).Art, A::Nichts);
  EXPECT_EQ(ziel(14).Art, A::Statistik);
  EXPECT_EQ(ziel(14).Kuerzel, uvt);
  EXPECT_TRUE(!ziel(14).MitBreite && ziel(14).MitHoehe);
  EXPECT_EQ(ziel(18).Art, A::Daten);
  EXPECT_EQ(ziel(18).Element, o1);
  EXPECT_EQ(ziel(18).Kuerzel, uvt);
  EXPECT_TRUE(!ziel(18).MitBreite && !ziel(18).MitHoehe);
  EXPECT_EQ(ziel(18).FensterWahl, TFensterArt::GFenster);
  EXPECT_EQ(ziel(13).FensterWahl, std::nullopt);
  for (std::size_t i : {15u, 16u, 17u, 20u, 21u, 22u, 23u}) EXPECT_EQ(ziel(i).Art, A::Nichts) << i;
  // Gefunden: die Art zu seinem Element, mit Breite und Höhe.
  const std::vector<TFensterSatz> uv = {{FensterArt::UVTabelle, "UV-Tabelle O1", {}}};
  const std::vector<TWiederZiel> zuv = WiederZiele(s, uv);
  ASSERT_EQ(zuv.size(), 1u);
  EXPECT_EQ(zuv[0].Art, A::UVTabelle);
  EXPECT_EQ(zuv[0].Element, o1);
  EXPECT_TRUE(zuv[0].MitBreite && zuv[0].MitHoehe);
  EXPECT_EQ(zuv[0].FensterWahl, TFensterArt::DFenster);
}

TEST(FensterWieder, LageRelativZumArbeitsbereichBleibtSichtbarUndWaechstNie) {
  const TRechteck arbeit{0, 0, 1600, 1000};
  const TFensterLage jetzt{30, 60, 600, 300};
  // Gespeicherte Lage und kleinere Maße werden übernommen.
  EXPECT_EQ(WiederLage(jetzt, {100, 120, 500, 250}, arbeit, 20, 100, 80),
            (TFensterLage{100, 120, 500, 250}));
  // Größere Maße nicht; nie unter das Mindestmaß; nur die erlaubten Maße.
  EXPECT_EQ(WiederLage(jetzt, {100, 120, 900, 20}, arbeit, 20, 100, 80),
            (TFensterLage{100, 120, 600, 80}));
  EXPECT_EQ(WiederLage(jetzt, {100, 120, 500, 250}, arbeit, 20, 100, 80, false, true),
            (TFensterLage{100, 120, 600, 250}));
  EXPECT_EQ(WiederLage(jetzt, {100, 120, 500, 250}, arbeit, 20, 100, 80, false, false),
            (TFensterLage{100, 120, 600, 300}));
  // Genau 200 Bildpunkte rechts bzw. unten reichen nicht, 201 schon.
  EXPECT_EQ(WiederLage(jetzt, {1400, 800, 600, 300}, arbeit, 20, 100, 80), jetzt);
  EXPECT_EQ(WiederLage(jetzt, {1399, 799, 600, 300}, arbeit, 20, 100, 80),
            (TFensterLage{1399, 799, 600, 300}));
  // Links weit hinaus, die Titelleiste über dem Rand, Werte nahe den Grenzen von 32 Bit.
  EXPECT_EQ(WiederLage(jetzt, {-401, 19, 600, 300}, arbeit, 20, 100, 80), jetzt);
  EXPECT_EQ(WiederLage(jetzt, {-400, 20, 600, 300}, arbeit, 20, 100, 80),
            (TFensterLage{-400, 20, 600, 300}));
  EXPECT_EQ(WiederLage(jetzt, {INT32_MIN, INT32_MAX, 600, 300}, arbeit, 20, 100, 80), jetzt);
  EXPECT_EQ(WiederLage(jetzt, {INT32_MAX, INT32_MIN, 600, 300}, arbeit, 20, 100, 80), jetzt);
  // Der Arbeitsbereich beginnt nicht bei 0 (Leiste oben, zweiter Bildschirm links): die Lage
  // zählt von seinem Ursprung.
  EXPECT_EQ(WiederLage(jetzt, {400, 100, 600, 300}, {-1600, 30, 1600, 1000}, 20, 100, 80),
            (TFensterLage{-1200, 130, 600, 300}));
  EXPECT_EQ(RelativeLage({-1200, 130, 600, 300}, {-1600, 30, 1600, 1000}),
            (TFensterLage{400, 100, 600, 300}));
  EXPECT_EQ(RelativeLage({INT32_MIN, INT32_MAX, 1, 2}, {100, -100, 1, 1}),
            (TFensterLage{INT32_MIN, INT32_MAX, 1, 2}));
}

}  // namespace
