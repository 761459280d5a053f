#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include "app/fenster/QtDiensteUnit.h"
#include "common/TestUmgebung.h"
#include "model/ToolsUnit.h"
#include "persistence/StandardSpeicherUnit.h"
#include "settings/StandardUnit.h"

namespace {
const std::string kQuon0 = "Software\\WTamrel3\\Quon0";
const std::string kQuon29 = "Software\\WTamrel3\\Quon29";

std::vector<std::string> SchwierigeWerte() {
  std::vector<std::string> werte = {
      "",
      "  f\xC3\xBChrend und folgend  ",
      "a;b",
      "x=y",
      "\"in Anf\xC3\xBChrungszeichen\"",
      "Zeile\nUmbruch",
      "CR\r\nLF",
      "Tab\there",
      "\xC3\xA4\xC3\xB6\xC3\xBC\xE2\x82\xAC \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x98\x80",
      "C:\\Pfad\\mit\\R\xC3\xBC"
      "ckstrichen\\",
      "#kein Kommentar",
      ";auch keiner",
      "@Variant(x)",
      "@@",
      "%41%5C",
      "a,b,c",
      "a, b",
      "true",
      "[Gruppe]",
      "$ 1$ 2$ 3$",
      std::string("mit\0Null", 8),
  };
  std::string ascii;
  for (int c = 1; c < 128; ++c) ascii.push_back(static_cast<char>(c));
  werte.push_back(ascii);
  std::string alle1252;
  for (int c = 1; c < 256; ++c) alle1252.push_back(static_cast<char>(c));
  werte.push_back(Win1252ZuUtf8(alle1252));
  return werte;
}
}  // namespace

TEST(QtEinstellungsSpeicher, WerteJederArtUeberlebenDieIniDatei) {
  QTemporaryDir ordner;
  ASSERT_TRUE(ordner.isValid());
  const QString pfad = ordner.filePath(QStringLiteral("unter/ordner/tamrel.ini"));
  const auto werte = SchwierigeWerte();
  {
    TQtEinstellungsSpeicher speicher(pfad);
    for (std::size_t i = 0; i < werte.size(); ++i)
      speicher.Schreiben(kQuon0, "w" + std::to_string(i), werte[i]);
    EXPECT_TRUE(speicher.Sichern());
  }
  ASSERT_TRUE(QFile::exists(pfad));
  TQtEinstellungsSpeicher speicher(pfad);
  for (std::size_t i = 0; i < werte.size(); ++i) {
    const auto gelesen = speicher.Lesen(kQuon0, "w" + std::to_string(i));
    ASSERT_TRUE(gelesen.has_value()) << i;
    EXPECT_EQ(*gelesen, werte[i]) << i;
  }
  EXPECT_FALSE(speicher.Lesen(kQuon0, "fehlt").has_value());
  EXPECT_FALSE(speicher.Lesen("Software\\WTamrel3\\Quon34", "w0").has_value());
}

TEST(QtEinstellungsSpeicher, EineGruppeJeSchluesselMitRueckstrichen) {
  QTemporaryDir ordner;
  const QString pfad = ordner.filePath(QStringLiteral("tamrel.ini"));
  {
    TQtEinstellungsSpeicher speicher(pfad);
    speicher.Schreiben(kQuon0, "vla", "2");
    speicher.Schreiben(kQuon29, "vla", "32");
    speicher.Schreiben("Software\\WTamrel3\\Quon2", "vla", "x");
    speicher.Schreiben("Software/WTamrel3/Quon0", "vla", "Schr\xC3\xA4gstrich");
    ASSERT_TRUE(speicher.Sichern());
  }
  QFile datei(pfad);
  ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
  int gruppen = 0;
  for (const QByteArray& zeile : datei.readAll().split('\n'))
    if (zeile.startsWith('[')) ++gruppen;
  // Drei Schlüssel mit Rückstrichen, jeder eine eigene Gruppe; der mit Schrägstrichen
  // verschachtelt sich unter [Software].
  EXPECT_EQ(gruppen, 4);

  TQtEinstellungsSpeicher speicher(pfad);
  EXPECT_EQ(speicher.Lesen(kQuon0, "vla"), std::optional<std::string>("2"));
  EXPECT_EQ(speicher.Lesen(kQuon29, "vla"), std::optional<std::string>("32"));
  EXPECT_EQ(speicher.Lesen("Software\\WTamrel3\\Quon2", "vla"), std::optional<std::string>("x"));
  EXPECT_EQ(speicher.Lesen("Software/WTamrel3/Quon0", "vla"),
            std::optional<std::string>("Schr\xC3\xA4gstrich"));
}

TEST(QtEinstellungsSpeicher, VonHandGeschriebeneListeGehtNichtVerloren) {
  QTemporaryDir ordner;
  const QString pfad = ordner.filePath(QStringLiteral("hand.ini"));
  QFile datei(pfad);
  ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
  datei.write("[Software%5CWTamrel3%5CQuon0]\nopf=a,b\nipf=Schule\xC3\xA4\n");
  datei.close();
  TQtEinstellungsSpeicher speicher(pfad);
  EXPECT_EQ(speicher.Lesen(kQuon0, "opf"), std::optional<std::string>("a,b"));
  EXPECT_EQ(speicher.Lesen(kQuon0, "ipf"), std::optional<std::string>("Schule\xC3\xA4"));
}

TEST(QtEinstellungsSpeicher, UmgebungsvariableNenntDieDatei) {
  QTemporaryDir ordner;
  const QString pfad = ordner.filePath(QStringLiteral("aus/der/umgebung.ini"));
  const QByteArray alt = qgetenv("TAMREL_EINSTELLUNGEN");
  qputenv("TAMREL_EINSTELLUNGEN", pfad.toLocal8Bit());
  EXPECT_EQ(TQtEinstellungsSpeicher::StandardPfad(), pfad);
  {
    TQtEinstellungsSpeicher speicher;
    speicher.Schreiben(kQuon0, "eaw", "0");
    EXPECT_TRUE(speicher.Sichern());
  }
  if (alt.isEmpty())
    qunsetenv("TAMREL_EINSTELLUNGEN");
  else
    qputenv("TAMREL_EINSTELLUNGEN", alt);
  EXPECT_TRUE(QFile::exists(pfad));
  TQtEinstellungsSpeicher speicher(pfad);
  EXPECT_EQ(speicher.Lesen(kQuon0, "eaw"), std::optional<std::string>("0"));
}

TEST(QtEinstellungsSpeicher, NichtSchreibbarMeldetFehler) {
  QTemporaryDir ordner;
  // Eine Datei, wo der Ordner sein müsste.
  QFile sperre(ordner.filePath(QStringLiteral("sperre")));
  ASSERT_TRUE(sperre.open(QIODevice::WriteOnly));
  sperre.close();
  TQtEinstellungsSpeicher speicher(ordner.filePath(QStringLiteral("sperre/tamrel.ini")));
  speicher.Schreiben(kQuon0, "eaw", "1");
  EXPECT_FALSE(speicher.Sichern());
}

TEST(QtEinstellungsSpeicher, EinstellungenUeberDieIniDatei) {
  TTestUmgebung u;
  QTemporaryDir ordner;
  const QString pfad = ordner.filePath(QStringLiteral("tamrel.ini"));
  TStandard a;
  a.fSchulname =
      "St\xE4"
      "dtisches Gymnasium \"Am Ring\"; Abt. 1";
  a.fTagName[1] = "Mo=ntag";
  a.fStdBez[1][1] = " 1 (7:55)";
  a.fVMemo[1] = {"Aufsicht: Hof & Halle",
                 "  einger\xFC"
                 "ckt",
                 "#Raute", "[Klammer]"};
  a.fVMemo[10] = {"letzte"};
  a.fOpenPfad =
      "/home/lehrer/St\xC3\xBC"
      "ck, Pl\xC3\xA4ne";
  a.fVertrCSS = "a\\b.css";
  a.fFerien[887] = 0x7F;
  a.fKuWoElem.SetTagStd(6, 9, true);
  a.fLPlnDruckBem = "Bem=erkung; 100%";
  {
    TQtEinstellungsSpeicher speicher(pfad);
    ASSERT_TRUE(SaveStandard(a, speicher));
  }
  TQtEinstellungsSpeicher speicher(pfad);
  TStandard b;
  LoadStandard(b, speicher);
  EXPECT_TRUE(a == b);
  EXPECT_EQ(b.fSchulname, a.fSchulname);
  EXPECT_EQ(b.fVMemo[1], a.fVMemo[1]);
  EXPECT_EQ(b.fOpenPfad, a.fOpenPfad);
}

TEST(QtDialogDienst, DasMeldungsfensterHeisstMeldung) {
  TQtDialogDienst dienst;
  dienst.MeldungsFensterZeigen("Die Kürzel werden sortiert.");
  QLabel* fenster = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* l = qobject_cast<QLabel*>(w); l && l->isVisible()) fenster = l;
  ASSERT_NE(fenster, nullptr);
  EXPECT_EQ(fenster->windowTitle(), QStringLiteral("Meldung"));
  EXPECT_EQ(fenster->text(), QString::fromUtf8("Die Kürzel werden sortiert."));
  dienst.MeldungsFensterSchliessen();
  EXPECT_FALSE(fenster->isVisible());
  // Ein zweites Mal dasselbe Fenster; mit dem Dienst ist es fort.
  const auto vorher = QApplication::topLevelWidgets().size();
  dienst.MeldungsFensterZeigen("Zweite Meldung");
  EXPECT_TRUE(fenster->isVisible());
  EXPECT_EQ(QApplication::topLevelWidgets().size(), vorher);
}

TEST(QtDialogDienst, DasMeldungsfensterVergehtMitDemDienst) {
  const auto vorher = QApplication::topLevelWidgets().size();
  {
    TQtDialogDienst dienst;
    dienst.MeldungsFensterZeigen("offen gelassen");
    EXPECT_EQ(QApplication::topLevelWidgets().size(), vorher + 1);
  }
  EXPECT_EQ(QApplication::topLevelWidgets().size(), vorher);
}
