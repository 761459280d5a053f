// tamrel-cli liest die Einstellungen des Programms aus ihrer INI-Datei, nur lesend: aus
// --einstellungen DATEI oder aus TAMREL_EINSTELLUNGEN; eine fehlende Datei des Benutzers ergibt
// die Vorgaben, eine fehlende genannte Datei einen Fehler.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "app/CliAufruf.h"
#include "common/TestUmgebung.h"
#include "model/SchulUnit.h"
#include "output/ExportSchuleHilfe.h"
#include "persistence/QtEinstellungsSpeicherUnit.h"
#include "persistence/StandardSpeicherUnit.h"
#include "persistence/WriteUnit.h"
#include "settings/StandardUnit.h"

namespace {
QByteArray Bytes(const QString& pfad) {
  QFile f(pfad);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class CliEinstellungenTest : public ::testing::Test {
 protected:
  CliEinstellungenTest() {
    {
      TTestUmgebung u;
      BaueExportSchule();
      std::string meldung;
      EXPECT_TRUE(WriteSchule(fSchule, Schule(), meldung)) << meldung;
    }
    // Die Einstellungen des stellvertretenden Schulleiters: die zweite Stunde ist eine Pause.
    TTestUmgebung u;
    u.standard.fMaxTageNeu = 6;
    u.standard.fStdBez[1][2] = "9:15/9:35";
    TQtEinstellungsSpeicher speicher(fIni);
    EXPECT_TRUE(SaveStandard(u.standard, speicher));
    CliEinstellungsQuelleSetzen(&TQtEinstellungsSpeicher::ZumLesen);
    fAlt = qgetenv("TAMREL_EINSTELLUNGEN");
  }
  ~CliEinstellungenTest() override {
    CliEinstellungsQuelleSetzen(nullptr);
    if (fAlt.isEmpty())
      qunsetenv("TAMREL_EINSTELLUNGEN");
    else
      qputenv("TAMREL_EINSTELLUNGEN", fAlt);
  }
  std::string Lanis(const std::vector<std::string>& davor = {}) {
    std::vector<std::string> args = davor;
    for (const std::string& a : {std::string("export"), fSchule, std::string("lanis"), fCsv})
      args.push_back(a);
    const TAufruf a = Cli(args);
    EXPECT_EQ(a.Code, 0) << a.Fehler;
    return Bytes(QString::fromStdString(fCsv)).toStdString();
  }
  QTemporaryDir fOrdner;
  const QString fIni = fOrdner.filePath(QStringLiteral("sl/tamrel.ini"));
  const std::string fSchule = fOrdner.filePath(QStringLiteral("schule.tmr")).toStdString();
  const std::string fCsv = fOrdner.filePath(QStringLiteral("lanis.csv")).toStdString();
  QByteArray fAlt;
};
}  // namespace

TEST_F(CliEinstellungenTest, DieDateiAusEinstellungenOderDerUmgebungNurLesend) {
  const QByteArray vorher = Bytes(fIni);
  const QDateTime geaendert = QFileInfo(fIni).lastModified();
  // Ohne Einstellungen (die Umgebung nennt eine Datei, die es nicht gibt): " 2" ist eine Stunde.
  const QString fehlt = fOrdner.filePath(QStringLiteral("niemand/tamrel.ini"));
  qputenv("TAMREL_EINSTELLUNGEN", fehlt.toLocal8Bit());
  EXPECT_EQ(Lanis().find("Pausenaufsicht"), std::string::npos);
  EXPECT_FALSE(QDir(fOrdner.filePath(QStringLiteral("niemand"))).exists());
  // Mit --einstellungen (vor oder nach dem Befehl) und mit der Umgebung: die Pause.
  const std::string mitDatei = Lanis({"--einstellungen", fIni.toStdString()});
  EXPECT_NE(mitDatei.find(";Pausenaufsicht;MÜL;D;Deutsch 5;;3;2;;5a,5b;\r"), std::string::npos)
      << mitDatei;
  qputenv("TAMREL_EINSTELLUNGEN", fIni.toLocal8Bit());
  EXPECT_EQ(Lanis(), mitDatei);
  // Geschrieben wird die Einstellungsdatei nie.
  EXPECT_EQ(Bytes(fIni), vorher);
  EXPECT_EQ(QFileInfo(fIni).lastModified(), geaendert);
}

TEST_F(CliEinstellungenTest, FehlendeOderDoppelteEinstellungsdatei) {
  const std::string fehlt = fOrdner.filePath(QStringLiteral("fehlt.ini")).toStdString();
  const TAufruf a = Cli({"--einstellungen", fehlt, "info", fSchule});
  EXPECT_EQ(a.Code, 1);
  EXPECT_EQ(a.Fehler, "Die Einstellungsdatei \u201E" + fehlt + "\u201C gibt es nicht.\n");
  EXPECT_TRUE(a.Aus.empty());
  EXPECT_FALSE(QFile::exists(QString::fromStdString(fehlt)));
  EXPECT_EQ(Cli({"info", fSchule, "--einstellungen"}).Code, 2);
  EXPECT_EQ(Cli({"info", fSchule, "--einstellungen", fIni.toStdString(), "--einstellungen",
                 fIni.toStdString()})
                .Code,
            2);
  // Ein Ordner ist keine Einstellungsdatei.
  EXPECT_EQ(Cli({"info", fSchule, "--einstellungen", fOrdner.path().toStdString()}).Code, 1);
}
