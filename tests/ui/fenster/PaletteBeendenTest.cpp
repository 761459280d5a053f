// "Beenden" beendet das Programm: mit dem Hintergrundfenster und dem Handbuch endet die
// Ereignisschleife; wer die Sicherungsfrage abbricht, bleibt im Programm.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>

#include "TestUmgebung.h"
#include "model/SchulUnit.h"
#include "persistence/SchulHalterUnit.h"
#include "settings/StandardUnit.h"
#include "ui/fenster/HandbuchFormUnit.h"
#include "ui/fenster/HintergrundFormUnit.h"
#include "ui/fenster/PaletteUnit.h"
#include "ui/fenster/QtTextUnit.h"

namespace {

class PaletteBeendenTest : public ::testing::Test {
 protected:
  PaletteBeendenTest() {
    Standard().fHintergrundAn = true;  // wie ab Werk
    palette.SetzeSichernDialog(
        [](const std::string&, const std::string&) { return std::optional<std::string>(); });
    palette.HintergrundAnpassen();
    palette.show();
    palette.Halter().Neu();
    Schule().SetDirty(true);
    THandbuchForm::Zeigen(&palette, {});
  }
  ~PaletteBeendenTest() override {
    Schule().SetDirty(false);
    for (QWidget* w : QApplication::topLevelWidgets()) w->hide();
  }

  // Die Ereignisschleife des Programms; nach zehn Sekunden bricht eine Notbremse sie ab (dann
  // hat Beenden sie nicht beendet).
  int Schleife(std::function<void()> erst) {
    QTimer::singleShot(0, &palette, std::move(erst));
    QTimer notbremse;
    notbremse.setSingleShot(true);
    QObject::connect(&notbremse, &QTimer::timeout, [this] {
      fNotbremse = true;
      QCoreApplication::exit(99);
    });
    notbremse.start(10000);
    return QApplication::exec();
  }

  std::vector<QString> Sichtbar() const {
    std::vector<QString> namen;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->isVisible())
        namen.push_back(QString::fromLatin1(w->metaObject()->className()) + " " + w->windowTitle());
    return namen;
  }

  TTestUmgebung u;
  TTamrelPalette palette;
  bool fNotbremse = false;
};

}  // namespace

TEST_F(PaletteBeendenTest, BeendenSchliesstAlleFensterUndEndetDieSchleife) {
  ASSERT_TRUE(palette.Hintergrund()->isVisible());
  ASSERT_NE(THandbuchForm::Offen(), nullptr);
  ASSERT_TRUE(THandbuchForm::Offen()->isVisible());
  u.dialog.Antworte("Nein");
  const int rc = Schleife([this] { palette.Befehl(T("Datei/Beenden"))->trigger(); });
  EXPECT_FALSE(fNotbremse);
  EXPECT_EQ(rc, 0);
  // Die Sicherungsfrage kam, und danach ist kein Fenster des Programms mehr zu sehen.
  ASSERT_EQ(u.dialog.fProtokoll.size(), 1u);
  EXPECT_EQ(u.dialog.fProtokoll[0].Titel, "Daten sichern?");
  EXPECT_EQ(Sichtbar(), std::vector<QString>{});
}

TEST_F(PaletteBeendenTest, AbbruchBeiDerSicherungsfrageBeendetNicht) {
  // "Mit einem anderem Namen", dann Abbruch im Dateidialog: das Programm läuft weiter.
  u.dialog.Antworte("Mit einem anderem Namen");
  bool paletteDa = false;
  bool hintergrundDa = false;
  const int rc = Schleife([&] {
    palette.Befehl(T("Datei/Beenden"))->trigger();
    // Läuft die Schleife noch, kommt dieser Auftrag an und beendet sie mit 7.
    QTimer::singleShot(0, &palette, [&] {
      paletteDa = palette.isVisible();
      hintergrundDa = palette.Hintergrund()->isVisible();
      QCoreApplication::exit(7);
    });
  });
  EXPECT_EQ(rc, 7);
  EXPECT_TRUE(paletteDa);
  EXPECT_TRUE(hintergrundDa);
  EXPECT_TRUE(palette.Halter().Offen());
}
