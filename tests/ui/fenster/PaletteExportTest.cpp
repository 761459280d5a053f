// Die Palette mit Import und Export: Dateidialoge, gemerkte Ordner, Zustand der Schule danach.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "TestUmgebung.h"
#include "model/SchulUnit.h"
#include "output/ExportSchuleHilfe.h"
#include "output/ExportUnit.h"
#include "persistence/WriteUnit.h"
#include "settings/StandardUnit.h"
#include "substitution/FehlzeitUnit.h"
#include "substitution/fenster/VStatFormUnit.h"
#include "ui/fenster/PaletteUnit.h"
#include "ui/fenster/QtTextUnit.h"
#include "persistence/SchulHalterUnit.h"

namespace {

class PaletteExportTest : public ::testing::Test {
 protected:
  PaletteExportTest() {
    palette.SetzeImportDialog([this](const std::string& ordner) {
      fImportOrdner.push_back(ordner);
      return fImportAntwort;
    });
    palette.SetzeExportDialog([this](TExportArt art, const std::string& ordner) {
      fExportFragen.push_back({art, ordner});
      return fExportAntwort;
    });
    palette.show();
  }
  ~PaletteExportTest() override {
    Schule().SetDirty(false);
    palette.hide();
  }
  bool An(const char* pfad) const {
    QAction* a = palette.Befehl(T(pfad));
    EXPECT_NE(a, nullptr) << pfad;
    return a && a->isEnabled();
  }
  std::string Pfad(const char* name) const { return dir.filePath(T(name)).toStdString(); }
  void Schreibe(const char* name, const std::string& inhalt) {
    QFile f(dir.filePath(T(name)));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(inhalt.data(), static_cast<qint64>(inhalt.size()));
  }
  std::string Lies(const char* name) const {
    QFile f(dir.filePath(T(name)));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    const QByteArray b = f.readAll();
    return std::string(b.constData(), static_cast<std::size_t>(b.size()));
  }

  TTestUmgebung u;
  TTamrelPalette palette;
  QTemporaryDir dir;
  std::vector<std::string> fImportOrdner;
  std::optional<std::string> fImportAntwort;
  std::vector<std::pair<TExportArt, std::string>> fExportFragen;
  std::optional<std::string> fExportAntwort;
};

const std::string kListe = "1\t1\t2\t\tMUE\t\tD\t\t5a\t\t\t\t1\t2\t3\tR1\t\t1\t3\t1\t0\t0\t0\r";

TEST_F(PaletteExportTest, ImportOhneSchuleOeffnetSieOhneTitel) {
  EXPECT_TRUE(An("Datei/Import..."));
  EXPECT_FALSE(An("Datei/Export"));
  Schreibe("kurse.txt", kListe);
  Standard().fImportPfad = "/start";
  fImportAntwort = Pfad("kurse.txt");
  u.dialog.Antworte("Ja");
  palette.Befehl(T("Datei/Import..."))->trigger();
  EXPECT_EQ(fImportOrdner, std::vector<std::string>{"/start"});
  EXPECT_EQ(Standard().fImportPfad, dir.path().toStdString());
  ASSERT_TRUE(palette.Halter().Offen());
  EXPECT_EQ(Schule().fDateiName.str(), "Ohne Titel");
  EXPECT_FALSE(palette.windowTitle().contains(T("kurse")));
  EXPECT_EQ(u.dialog.fProtokoll.back().Zeilen,
            std::vector<std::string>{"Angelegt: 1 Kurs mit 1 Stunde."});
  EXPECT_TRUE(An("Datei/Sichern"));
  EXPECT_TRUE(An("Datei/Export"));
  EXPECT_TRUE(An("Datei/Datei schließen"));
  EXPECT_FALSE(An("Datei/Neu"));
  EXPECT_EQ(palette.ElementMenueModell(leh)[0].Text, "MUE");
}

TEST_F(PaletteExportTest, MisslungenerImportLaesstKeineSchuleOffen) {
  Schreibe("kaputt.txt", "1\t2\r");
  EXPECT_FALSE(palette.DateiImportieren(Pfad("kaputt.txt")));
  EXPECT_EQ(u.dialog.fProtokoll.back().Titel, "Falsches Format");
  EXPECT_FALSE(palette.Halter().Offen());
  EXPECT_TRUE(An("Datei/Neu"));
  EXPECT_FALSE(An("Datei/Export"));
}

// In eine offene Schule: Name und Datei bleiben, "Sichern" schreibt nie über die Textdatei.
TEST_F(PaletteExportTest, ImportInOffeneSchuleUndExporte) {
  BaueExportSchule();
  std::string meldung;
  ASSERT_TRUE(WriteSchule(Pfad("schule.tmr"), Schule(), meldung)) << meldung;
  ASSERT_TRUE(palette.DateiOeffnen(Pfad("schule.tmr")));
  Schreibe("kurse.txt", kListe);
  u.dialog.Antworte("Ja");
  ASSERT_TRUE(palette.DateiImportieren(Pfad("kurse.txt")));
  EXPECT_EQ(Schule().fDateiName.str(), "schule.tmr");
  EXPECT_EQ(Schule().fKursMenge.size(), 5u);
  palette.Befehl(T("Datei/Sichern"))->trigger();
  EXPECT_FALSE(Schule().fDirty);
  EXPECT_EQ(Lies("kurse.txt"), kListe);

  EXPECT_TRUE(An("Datei/Export/Vertretungsplan..."));
  EXPECT_TRUE(An("Datei/Export/HTML-Dateien..."));
  ASSERT_TRUE(An("Datei/Export/Lanis Stundenplan (csv)"));
  Standard().fImportPfad = "/anfang";
  fExportAntwort = Pfad("stunden.csv");
  palette.Befehl(T("Datei/Export/Lanis Stundenplan (csv)"))->trigger();
  ASSERT_EQ(fExportFragen.size(), 1u);
  EXPECT_EQ(fExportFragen[0].first, TExportArt::Lanis);
  EXPECT_EQ(fExportFragen[0].second, "/anfang");
  EXPECT_EQ(Standard().fImportPfad, dir.path().toStdString());
  TExport ex;
  ex.CSVExport();
  const auto& d = ex.Puffer().Daten();
  EXPECT_EQ(Lies("stunden.csv"), std::string(d.begin(), d.end()));
  // Eine vorhandene Datei: nur "Ja" ersetzt sie.
  u.dialog.Antworte("Nein");
  palette.Befehl(T("Datei/Export/Schulmanager (csv)"))->trigger();
  EXPECT_EQ(u.dialog.fProtokoll.back().Titel, "Stunden Exportieren als");
  EXPECT_EQ(u.dialog.fProtokoll.back().Zeilen[0], "Die Datei „stunden.csv“ ist schon vorhanden.");
  EXPECT_EQ(Lies("stunden.csv"), std::string(d.begin(), d.end()));
  u.dialog.Antworte("Ja");
  palette.Befehl(T("Datei/Export/Schulmanager (csv)"))->trigger();
  EXPECT_EQ(Lies("stunden.csv").substr(0, 11), "Id;KursId;A");
  // Abbrechen schreibt nichts.
  fExportAntwort.reset();
  palette.Befehl(T("Datei/Export/Kurse..."))->trigger();
  EXPECT_EQ(fExportFragen.size(), 4u);
  EXPECT_FALSE(QFile::exists(dir.filePath(T("Ohne Titel.txt"))));
}

TEST_F(PaletteExportTest, VertretungsplanFragtZeitraumUndMerktIhn) {
  TExportSchule e = BaueExportSchule();
  std::string meldung;
  ASSERT_TRUE(WriteSchule(Pfad("schule.tmr"), Schule(), meldung)) << meldung;
  ASSERT_TRUE(palette.DateiOeffnen(Pfad("schule.tmr")));
  TLehrer* mue = Schule().HoleLehrer("M\xDCL");
  const TDateTime montag = DatumZuZahl(2026, 12, 7) + 0.5;
  FehlzeitEintragen(mue, montag, StundenMaske(1, 1), "K");
  ASSERT_EQ(Schule().fVertretungsMenge.size(), 1u);
  std::vector<std::pair<TDatum, TDatum>> vorgaben;
  std::optional<std::pair<TDatum, TDatum>> felder;
  palette.SetzeZeitraumDialog([&](TDatum von, TDatum bis) {
    vorgaben.push_back({von, bis});
    return felder;
  });
  // Abbrechen im Zeitraum fragt nach keiner Datei.
  palette.Befehl(T("Datei/Export/Vertretungsplan..."))->trigger();
  ASSERT_EQ(vorgaben.size(), 1u);
  EXPECT_EQ(vorgaben[0].first, (TDatum{2014, 1, 1}));
  EXPECT_EQ(vorgaben[0].second, (TDatum{2014, 3, 1}));
  EXPECT_TRUE(fExportFragen.empty());
  // Der 31.11. wird zum 30.11.; beide Tage werden gemerkt.
  felder = std::pair{TDatum{2026, 11, 31}, TDatum{2026, 12, 7}};
  Standard().fVertrExportPfad = "/vertretung";
  fExportAntwort = Pfad("vertretung.csv");
  palette.Befehl(T("Datei/Export/Vertretungsplan..."))->trigger();
  ASSERT_EQ(fExportFragen.size(), 1u);
  EXPECT_EQ(fExportFragen[0].first, TExportArt::Vertretungsplan);
  EXPECT_EQ(fExportFragen[0].second, "/vertretung");
  EXPECT_EQ(Standard().fVertrExportPfad, dir.path().toStdString());
  EXPECT_EQ(Standard().fVExpVon, DatumZuZahl(2026, 11, 30));
  EXPECT_EQ(Standard().fVExpBis, DatumZuZahl(2026, 12, 7));
  TExport ex;
  ex.VertretungExport(montag, DatumZuZahl(2026, 11, 30) + 0.5);
  const auto& d = ex.Puffer().Daten();
  EXPECT_EQ(Lies("vertretung.csv"), std::string(d.begin(), d.end()));
  EXPECT_EQ(Lies("vertretung.csv").substr(0, 28), "20261207;Montag;;;100;M\xC3\x9CL\r\n");
  (void)e;
}

// Die Übersichten fragen nach dem Zeitraum ("Vertretungsübersicht"), dann nach der Textdatei.
TEST_F(PaletteExportTest, VertretungsuebersichtFragtZeitraumDannDatei) {
  TExportSchule e = BaueExportSchule();
  const TDateTime montag = DatumZuZahl(2026, 12, 7) + 0.5;
  FehlzeitEintragen(e.mue, montag, StundenMaske(1, 1), "K");
  palette.Halter().AlsOffen();
  palette.AktualisierePalette();
  ASSERT_TRUE(An("Datei/Export/Vertretungsübersicht für Lehrer..."));
  ASSERT_TRUE(An("Datei/Export/Vertretungsübersicht für Klassen..."));
  int gefragt = 0;
  std::optional<TVertrZeitraum> zeitraum;
  VStatZeitWahl() = [&] {
    ++gefragt;
    return zeitraum;
  };
  // Abbrechen im Zeitraum fragt nach keiner Datei.
  palette.Befehl(T("Datei/Export/Vertretungsübersicht für Lehrer..."))->trigger();
  EXPECT_EQ(gefragt, 1);
  EXPECT_TRUE(fExportFragen.empty());
  zeitraum = VertrZeitraum(montag, montag + 4);
  Standard().fImportPfad = "/anfang";
  fExportAntwort = Pfad("lehrer.txt");
  palette.Befehl(T("Datei/Export/Vertretungsübersicht für Lehrer..."))->trigger();
  fExportAntwort = Pfad("klassen.txt");
  palette.Befehl(T("Datei/Export/Vertretungsübersicht für Klassen..."))->trigger();
  VStatZeitWahl() = nullptr;
  EXPECT_EQ(gefragt, 3);
  ASSERT_EQ(fExportFragen.size(), 2u);
  EXPECT_EQ(fExportFragen[0].first, TExportArt::VertrLeUeb);
  EXPECT_EQ(fExportFragen[0].second, "/anfang");
  EXPECT_EQ(fExportFragen[1].first, TExportArt::VertrKlUeb);
  EXPECT_EQ(Standard().fImportPfad, dir.path().toStdString());
  TExport ex;
  ex.SetzeZeitraum(montag, montag + 4);
  ex.Bauen(TExportArt::VertrLeUeb);
  const auto& d = ex.Puffer().Daten();
  EXPECT_EQ(Lies("lehrer.txt"), std::string(d.begin(), d.end()));
  EXPECT_EQ(Lies("lehrer.txt").substr(0, 15), "M\x86L\t07.12.2026\t");
  EXPECT_EQ(Lies("klassen.txt").substr(0, 14), "5a\t07.12.2026\t");
  // Keine Übersicht bleibt offen.
  EXPECT_EQ(Schule().fVLeStatForm, nullptr);
  EXPECT_EQ(Schule().fVKlStatForm, nullptr);
}

}  // namespace
