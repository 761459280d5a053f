// Mit Qt: der Menübefehl "Kalender (iCalendar)...", sein Dialog und die Meldung danach.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDateEdit>
#include <QPushButton>
#include <filesystem>

#include "TestUmgebung.h"
#include "model/DatumUnit.h"
#include "output/ExportSchuleHilfe.h"
#include "output/IcalUnit.h"
#include "output/fenster/IcalFormUnit.h"
#include "persistence/SchulDateiHilfe.h"
#include "settings/StandardUnit.h"
#include "ui/fenster/QtTextUnit.h"

namespace {

TEST(IcalForm, OkNurMitEinerArtUndEinemZeitraum) {
  TTestUmgebung u;
  TIcalWahl vorgabe{DatumZuZahl(2026, 12, 7), DatumZuZahl(2026, 12, 18), true, false, true, false};
  TIcalZeitForm f(vorgabe);
  EXPECT_EQ(f.windowTitle(), T("Kalender (iCalendar)"));
  EXPECT_EQ(f.RaeumeCheck->text(), T("Räume"));
  EXPECT_EQ(f.VertretungenCheck->text(), T("mit Vertretungen"));
  EXPECT_EQ(f.VonFeld->date(), QDate(2026, 12, 7));
  EXPECT_TRUE(f.OkKnopf->isEnabled());
  f.LehrerCheck->setChecked(false);
  f.RaeumeCheck->setChecked(false);
  EXPECT_FALSE(f.OkKnopf->isEnabled());
  f.KlassenCheck->setChecked(true);
  EXPECT_TRUE(f.OkKnopf->isEnabled());
  f.BisFeld->setDate(QDate(2026, 12, 6));
  EXPECT_FALSE(f.OkKnopf->isEnabled());
  f.BisFeld->setDate(QDate(2026, 12, 7));
  f.VertretungenCheck->setChecked(true);
  const TIcalWahl w = f.Wahl();
  EXPECT_EQ(w.Von, DatumZuZahl(2026, 12, 7));
  EXPECT_EQ(w.Bis, DatumZuZahl(2026, 12, 7));
  EXPECT_FALSE(w.Lehrer);
  EXPECT_TRUE(w.Klassen);
  EXPECT_FALSE(w.Raeume);
  EXPECT_TRUE(w.Vertretungen);
}

TEST(IcalForm, BefehlSchreibtDieGewaehltenArtenInDenOrdner) {
  TTestUmgebung u;
  TExportSchule e = BaueExportSchule();
  TStandard& st = Standard();
  st.fStdBez[1][1] = "7:50-8:35";
  st.fStdBez[1][2] = "8:40-9:25";
  st.fHTMLPlanPfad = "/anfang";
  TTestOrdner ordner;
  std::vector<std::string> anfaenge;
  TIcalWahl gewaehlt;
  // Abbrechen im ersten Dialog fragt keinen Ordner.
  EXPECT_FALSE(IcalBefehlAusfuehren(
      nullptr,
      [&](const TIcalWahl& v) {
        gewaehlt = v;
        return std::optional<TIcalWahl>();
      },
      [&](const std::string& o) {
        anfaenge.push_back(o);
        return std::optional<std::string>(ordner.Pfad().string());
      }));
  EXPECT_TRUE(anfaenge.empty());
  EXPECT_EQ(gewaehlt.Von, Heute());
  EXPECT_EQ(gewaehlt.Bis, Heute() + 27);
  const std::string ziel = ordner / "Plan";
  ASSERT_TRUE(IcalBefehlAusfuehren(
      nullptr,
      [](const TIcalWahl&) {
        return std::optional<TIcalWahl>(TIcalWahl{
            DatumZuZahl(2026, 12, 7), DatumZuZahl(2026, 12, 13), true, false, false, true});
      },
      [&](const std::string& o) {
        anfaenge.push_back(o);
        return std::optional<std::string>(ziel);
      }));
  EXPECT_EQ(anfaenge, std::vector<std::string>{"/anfang"});
  std::vector<std::string> namen;
  for (const auto& d : std::filesystem::directory_iterator(ziel))
    namen.push_back(d.path().filename().string());
  std::sort(namen.begin(), namen.end());
  EXPECT_EQ(namen, (std::vector<std::string>{IcalDateiName(e.mue), IcalDateiName(e.sch)}));
  ASSERT_EQ(u.dialog.fProtokoll.size(), 1u);
  // MÜL: Mo 1 und Mi 2; SCH: Di 1 und Do 1.
  EXPECT_EQ(u.dialog.fProtokoll[0].Text(), "2 Kalenderdateien mit 4 Terminen geschrieben.");
  EXPECT_EQ(u.dialog.fBeschaeftigt, 0);
}

}  // namespace
