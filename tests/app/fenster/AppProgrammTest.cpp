// Der Lauf des Programms mit Fenstern: Start mit und ohne Datei, Startkennwort, Ende.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDate>
#include <QLocale>
#include <QTemporaryDir>

#include "TestUmgebung.h"
#include "app/BeispielSchuleUnit.h"
#include "app/fenster/QtProgrammUnit.h"
#include "model/SchulUnit.h"
#include "persistence/EinstellungsWerteUnit.h"
#include "persistence/StandardSpeicherUnit.h"
#include "persistence/WriteUnit.h"
#include "settings/KennwortUnit.h"
#include "settings/StandardUnit.h"
#include "persistence/SchulHalterUnit.h"

namespace {

class AppProgrammTest : public ::testing::Test {
 protected:
  TProgrammOptionen Optionen() {
    TProgrammOptionen o;
    o.StartBildMs = 0;
    o.Kennwort = [this]() -> std::optional<std::string> {
      ++fKennwortFragen;
      return fKennwort;
    };
    o.Oeffnen = [this](const std::string& ordner) -> std::optional<std::string> {
      fOeffnenFragen.push_back(ordner);
      return std::nullopt;
    };
    return o;
  }
  // Eine Beispielschule als Datei im Ordner.
  std::string BeispielDatei() {
    const std::string pfad = dir.filePath(QStringLiteral("Beispiel.tmr")).toStdString();
    TStandard standard;
    TStandard* alt = StandardEinsetzen(&standard);
    {
      TSchule schule;
      TSchule* vorher = SchuleEinsetzen(&schule);
      ErzeugeBeispielSchule(schule, false);
      std::string fehler;
      EXPECT_TRUE(WriteSchule(pfad, schule, fehler)) << fehler;
      SchuleEinsetzen(vorher);
    }
    StandardEinsetzen(alt);
    return pfad;
  }

  TTestUmgebung u;
  QTemporaryDir dir;
  int fKennwortFragen = 0;
  std::optional<std::string> fKennwort;
  std::vector<std::string> fOeffnenFragen;
};

}  // namespace

TEST_F(AppProgrammTest, OhneDateiDerOeffnenDialog) {
  u.speicher.Schreiben(StandardSchluessel(0), "opf", "/daten/schulen");
  TProgramm p(Optionen());
  ASSERT_TRUE(p.Starten({}));
  EXPECT_EQ(fKennwortFragen, 0);  // kein Kennwort gesetzt
  ASSERT_EQ(fOeffnenFragen.size(), 1u);
  EXPECT_EQ(fOeffnenFragen[0], "/daten/schulen");
  // Abgebrochen: keine Schule.
  EXPECT_FALSE(p.Palette()->Halter().Offen());
  EXPECT_EQ(p.Palette()->windowTitle(), QStringLiteral("WinTamrel 3.9.16"));
  EXPECT_TRUE(p.Palette()->isVisible());
}

TEST_F(AppProgrammTest, MitDateiAusDerKommandozeile) {
  const std::string pfad = BeispielDatei();
  TProgramm p(Optionen());
  ASSERT_TRUE(p.Starten({QString::fromStdString(pfad)}));
  EXPECT_TRUE(fOeffnenFragen.empty());
  ASSERT_TRUE(p.Palette()->Halter().Offen());
  EXPECT_EQ(p.Palette()->windowTitle(), QStringLiteral("WinTamrel 3.9.16 [Beispiel.tmr]"));
  EXPECT_GT(Schule().fLehrerMenge.size(), 40u);
  EXPECT_FALSE(p.Palette()->ElementMenueModell(leh).empty());
  EXPECT_EQ(Standard().fOpenPfad, dir.path().toStdString());
  EXPECT_FALSE(Schule().fDirty);
}

TEST_F(AppProgrammTest, UnlesbareDateiAusDerKommandozeile) {
  TProgramm p(Optionen());
  ASSERT_TRUE(p.Starten({dir.filePath(QStringLiteral("fehlt.tmr"))}));
  EXPECT_FALSE(p.Palette()->Halter().Offen());
  ASSERT_FALSE(u.dialog.fProtokoll.empty());
  EXPECT_EQ(u.dialog.fProtokoll.back().Titel, "Fehler beim Öffnen");
  EXPECT_NE(u.dialog.fProtokoll.back().Text().find("fehlt.tmr"), std::string::npos);
}

TEST_F(AppProgrammTest, FalschesKennwortBeendetSofort) {
  u.speicher.Schreiben(StandardSchluessel(0), "wks",
                       EinstellungsWerte::Hex(KennwortVerschluesseln("Geheim")));
  fKennwort = "geheim";
  TProgramm p(Optionen());
  EXPECT_FALSE(p.Starten({}));
  EXPECT_EQ(fKennwortFragen, 1);
  EXPECT_TRUE(fOeffnenFragen.empty());
  EXPECT_TRUE(u.dialog.fProtokoll.empty());  // ohne Meldung
  // Abgebrochen ebenso.
  fKennwort.reset();
  TProgramm q(Optionen());
  EXPECT_FALSE(q.Starten({}));
  // Das richtige Kennwort lässt weiterlaufen.
  fKennwort = "Geheim";
  TProgramm r(Optionen());
  EXPECT_TRUE(r.Starten({}));
  EXPECT_EQ(fOeffnenFragen.size(), 1u);
}

TEST_F(AppProgrammTest, EinstellungenBeimEndeGeschriebenUndBeimStartGelesen) {
  {
    TProgramm p(Optionen());
    ASSERT_TRUE(p.Starten({}));
    Standard().fPaletteSchalter = 2;
    Standard().fSpeicherZeit = 10;
    p.Palette()->move(210, 130);
    ASSERT_TRUE(p.Palette()->close());
  }
  EXPECT_EQ(u.speicher.Lesen(StandardSchluessel(1), "spz"), std::optional<std::string>("10"));
  TProgramm p(Optionen());
  ASSERT_TRUE(p.Starten({}));
  EXPECT_EQ(Standard().fPaletteSchalter, 2);
  EXPECT_EQ(Standard().fSpeicherZeit, 10);
  EXPECT_EQ(Standard().fPaletteLinks, 210);
  EXPECT_EQ(p.Palette()->pos(), QPoint(210, 130));
  // Die Einstellungen des Programms sind andere als die der Testumgebung.
  EXPECT_NE(&Standard(), &u.standard);
}

TEST(Sprache, OhneEingestellteSpracheDeutsch) {
  const QByteArray lcAll = qgetenv("LC_ALL"), lang = qgetenv("LANG");
  qputenv("LC_ALL", "C");
  qunsetenv("LANG");
  DeutscheUmgebung();
  EXPECT_FALSE(qEnvironmentVariableIsSet("LC_ALL"));
  EXPECT_EQ(qgetenv("LANG"), QByteArray("de_DE.UTF-8"));
  // Eine eingestellte Sprache bleibt.
  qputenv("LANG", "fr_FR.UTF-8");
  DeutscheUmgebung();
  EXPECT_EQ(qgetenv("LANG"), QByteArray("fr_FR.UTF-8"));
  lcAll.isNull() ? qunsetenv("LC_ALL") : qputenv("LC_ALL", lcAll);
  lang.isNull() ? qunsetenv("LANG") : qputenv("LANG", lang);
}

TEST(Sprache, StandarddialogeDeutsch) {
  DeutschEinrichten(*qApp);
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
  EXPECT_EQ(QLocale().toString(QDate(2025, 11, 9), QStringLiteral("dddd, d. MMMM yyyy")),
            QStringLiteral("Sonntag, 9. November 2025"));
}
