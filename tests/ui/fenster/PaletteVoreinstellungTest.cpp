// Mit Qt: die Folge der Voreinstellungsdialoge über "Wechseln" (auch Kalender und Automatik) und
// das Hintergrundfenster nach den Eckdaten.
#include <QCheckBox>
#include <QPushButton>
#include <QTest>

#include "PlanFensterHilfe.h"
#include "settings/fenster/EckStandardFormUnit.h"
#include "settings/fenster/KennwortFormUnit.h"
#include "substitution/fenster/KalenderFormUnit.h"
#include "ui/fenster/AuTabFormUnit.h"
#include "ui/fenster/HintergrundFormUnit.h"

namespace {

using PaletteVoreinstellungTest = PlanFensterTest;

TEST_F(PaletteVoreinstellungTest, WechselnFuehrtDurchKalenderUndAutomatik) {
  std::vector<std::string> titel;
  palette.fDialogLauf = [&](QDialog& d) {
    titel.push_back(d.windowTitle().toStdString());
    if (auto* eck = dynamic_cast<TEckStandardForm*>(&d)) {
      eck->Wechseln("Kalender");
    } else if (auto* kal = dynamic_cast<TKalenderForm*>(&d)) {
      QTest::mouseClick(kal->WechselnKnopf, Qt::LeftButton);
      ASSERT_NE(kal->OffenesMenue(), nullptr);
      ASSERT_TRUE(kal->OffenesMenue()->Waehle(9));  // "Automatik"
    } else if (auto* au = dynamic_cast<TAuTabForm*>(&d)) {
      Standard().fMaxWocheNeu = 1;
      au->Wechseln("Planversionen");  // erst ab zwei Versionen: bleibt offen
      EXPECT_TRUE(au->WechselZiel().empty());
      au->Wechseln("Kennwort");
    } else if (auto* kw = dynamic_cast<TKennwortForm*>(&d)) {
      EXPECT_EQ(palette.StdWahl, 8);
      kw->AbbrechenKnopf->click();
    }
  };
  palette.Befehl(QString::fromUtf8("Bearbeiten/Voreinstellungen/Eckdaten"))->trigger();
  EXPECT_EQ(titel, (std::vector<std::string>{
                       "Voreinstellung für Eckdaten", "Voreinstellung für den Kalender",
                       "Voreinstellung für die Automatik", "Voreinstellung für das Kennwort"}));
  EXPECT_EQ(palette.StdWahl, -1);
  // Die Automatik aus dem Menü läuft ebenso über die Folge.
  titel.clear();
  palette.fDialogLauf = [&](QDialog& d) {
    titel.push_back(d.windowTitle().toStdString());
    d.reject();
  };
  palette.Befehl(QString::fromUtf8("Bearbeiten/Voreinstellungen/Automatik"))->trigger();
  EXPECT_EQ(titel, (std::vector<std::string>{"Voreinstellung für die Automatik"}));
}

TEST_F(PaletteVoreinstellungTest, EckdatenZeigenOderVerbergenDenHintergrundInSeinerFarbe) {
  THintergrund* h = palette.Hintergrund();
  ASSERT_NE(h, nullptr);
  EXPECT_FALSE(h->isVisible());  // erst nach den Einstellungen
  EXPECT_FALSE(h->isEnabled());
  EXPECT_TRUE(h->windowFlags() & Qt::FramelessWindowHint);
  bool an = true;
  palette.fDialogLauf = [&](QDialog& d) {
    auto& eck = dynamic_cast<TEckStandardForm&>(d);
    EXPECT_TRUE(eck.FensterWiederCheck->isChecked());
    eck.HintergrundCheck->setChecked(an);
    eck.OkKnopfClick();
  };
  st.fHintergrundFarbe = 0x336699;
  palette.Befehl(QString::fromUtf8("Bearbeiten/Voreinstellungen/Eckdaten"))->trigger();
  EXPECT_TRUE(h->isVisible());
  EXPECT_EQ(h->Farbe(), 0x336699u);
  EXPECT_EQ(h->palette().color(QPalette::Window), QColor(0x99, 0x66, 0x33));  // BGR wie TColor
  an = false;
  palette.Befehl(QString::fromUtf8("Bearbeiten/Voreinstellungen/Eckdaten"))->trigger();
  EXPECT_FALSE(h->isVisible());
  EXPECT_FALSE(st.fHintergrundAn);
}

}  // namespace
