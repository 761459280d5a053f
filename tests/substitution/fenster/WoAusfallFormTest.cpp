// Das Fenster "wöchentlicher Unterrichtsausfall" und sein Druckdialog "Drucke Meldung".
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

#include "TestUmgebung.h"
#include "VorschauPlattform.h"
#include "model/KursUnit.h"
#include "model/SchulUnit.h"
#include "output/fenster/DruckAusfallFormUnit.h"
#include "settings/StandardUnit.h"
#include "model/DatumUnit.h"
#include "substitution/fenster/VStatFormUnit.h"
#include "substitution/fenster/WoAusfallFormUnit.h"

namespace {

TEST(WoAusfallFormTest, BeginntMitDerGemerktenWocheUndSperrtOhneWoche) {
  TTestUmgebung u;  // heute: Mittwoch, 9.12.2026
  u.standard.fMaxTageNeu = 5;
  u.standard.fWoAusfallKW = 50;
  u.standard.fWoAusfallJahr = 2026;
  TSchule& s = u.schule();
  TKurs* k =
      TKurs::IKurs(s.HoleLehrer("MUE"), s.HoleKlasse("5a"), nullptr, s.HoleFach("D"), nullptr, 2);
  k->NeueSetzung(1, 1, 1, nullptr);
  TWoAusfallForm* form = WoAusfallZeigen();
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->windowTitle().toStdString(), "wöchentlicher Unterrichtsausfall");
  EXPECT_EQ(form->FensterArt(), FensterArt::WoAusfall);
  EXPECT_EQ(form->KWSpin->value(), 50);
  EXPECT_EQ(form->JahrSpin->value(), 2026);
  EXPECT_EQ(form->VonBisLabel->text().toStdString(), "07.12.2026 - 13.12.2026");
  const std::string text = form->Inhalt->toPlainText().toStdString();
  EXPECT_NE(text.find("KW: 50   Jahr: 2026   Unterrichtstage: 5\n"), std::string::npos);
  EXPECT_NE(text.find("1.0 Stunden planmäßiger Unterricht"), std::string::npos);
  EXPECT_EQ(form->InhaltAlsText(), form->Bericht().Text());
  EXPECT_TRUE(form->RechneButton->isEnabled());
  EXPECT_TRUE(form->DruckButton->isEnabled());
  // "Rechnen" zeigt neue Vertretungen; eine neue Stunde erscheint nach dem Rechnen.
  k->NeueSetzung(1, 2, 1, nullptr);
  form->RechneButton->click();
  EXPECT_NE(form->Inhalt->toPlainText().toStdString().find("2.0 Stunden planmäßiger"),
            std::string::npos);
  // Eine Woche, die es nicht gibt: Text und Woche bleiben, die Knöpfe sind aus.
  form->JahrSpin->setValue(2025);
  EXPECT_EQ(form->VonBisLabel->text().toStdString(), "08.12.2025 - 14.12.2025");
  form->KWSpin->setValue(53);
  EXPECT_EQ(form->VonBisLabel->text().toStdString(), "08.12.2025 - 14.12.2025");
  EXPECT_NE(form->Inhalt->toPlainText().toStdString().find("KW: 50   Jahr: 2025"),
            std::string::npos);
  EXPECT_FALSE(form->RechneButton->isEnabled());
  EXPECT_FALSE(form->DruckButton->isEnabled());
  EXPECT_FALSE(form->VULButton->isEnabled());
  EXPECT_EQ(u.standard.fWoAusfallKW, 53);
  form->KWSpin->setValue(52);
  EXPECT_TRUE(form->RechneButton->isEnabled());
  form->Schliessen();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(u.standard.fWoAusfallKW, 52);
  EXPECT_EQ(u.standard.fWoAusfallJahr, 2025);
  // Das nächste Fenster beginnt bei der gemerkten Woche, nicht bei dieser.
  form = WoAusfallZeigen();
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->KWSpin->value(), 52);
  EXPECT_EQ(form->JahrSpin->value(), 2025);
  EXPECT_EQ(form->VonBisLabel->text().toStdString(), "22.12.2025 - 28.12.2025");
  form->Schliessen();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// "VÜL" und "VÜK" zeigen die Übersichten der Berichtswoche, Montag bis Sonntag.
TEST(WoAusfallFormTest, VULundVUKZeigenDieUebersichtenDerWoche) {
  TTestUmgebung u;  // heute: Mittwoch, 9.12.2026
  u.standard.fWoAusfallJahr = 2026;
  TWoAusfallForm* form = WoAusfallZeigen();
  ASSERT_NE(form, nullptr);
  form->KWSpin->setValue(51);
  ASSERT_TRUE(form->VULButton->isEnabled());
  ASSERT_TRUE(form->VUKButton->isEnabled());
  form->VULButton->click();
  auto* le = dynamic_cast<TVStatForm*>(u.schule().fVLeStatForm);
  ASSERT_NE(le, nullptr);
  EXPECT_EQ(le->FensterArt(), FensterArt::VertrUebLehrer);
  EXPECT_EQ(le->VonZeit(), DatumZuZahl(2026, 12, 14) + 0.5);
  EXPECT_EQ(le->BisZeit(), DatumZuZahl(2026, 12, 20) + 0.5);
  EXPECT_EQ(u.schule().fVKlStatForm, nullptr);
  form->VUKButton->click();
  auto* kl = dynamic_cast<TVStatForm*>(u.schule().fVKlStatForm);
  ASSERT_NE(kl, nullptr);
  EXPECT_EQ(kl->StatArt(), kla);
  EXPECT_EQ(kl->VonZeit(), le->VonZeit());
  EXPECT_EQ(kl->BisZeit(), le->BisZeit());
  // Eine Woche, die es nicht gibt: beide sind aus.
  form->JahrSpin->setValue(2025);
  form->KWSpin->setValue(53);
  EXPECT_FALSE(form->VULButton->isEnabled());
  EXPECT_FALSE(form->VUKButton->isEnabled());
  for (TFenster* f :
       {static_cast<TFenster*>(le), static_cast<TFenster*>(kl), static_cast<TFenster*>(form)})
    f->Schliessen();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(u.schule().fVLeStatForm, nullptr);
}

TEST(WoAusfallFormTest, DruckdialogMerktSchriftUndRandUndZeigtDieZeilen) {
  TTestUmgebung u;
  u.schule().fDateiName = "/s/Schule.tmr";
  u.standard.fSchulname = "Realschule";
  u.standard.fFehlDruckRand = 1;
  TSchrift schrift = u.standard.fFehlDruckFont;
  schrift.Name = "Courier";
  TVorschauPlattform plattform;
  TDruckAusfallForm dialog({"Ermittlung", "KW: 50"}, plattform);
  EXPECT_EQ(dialog.windowTitle().toStdString(), "Drucke Meldung");
  EXPECT_EQ(dialog.RandSpin->value(), 1);
  EXPECT_EQ(dialog.RandSpin->maximum(), 6);
  dialog.RandSpin->setValue(3);
  dialog.SetzeSchrift(schrift);
  EXPECT_EQ(dialog.SchriftFeld->text().toStdString(), "Courier " + std::to_string(schrift.Groesse));
  dialog.AnsehenKnopfClick();
  EXPECT_EQ(plattform.fSeiten, std::vector<int>{1});
  ASSERT_EQ(plattform.fText.size(), 4u);
  EXPECT_EQ(plattform.fText[1], "Schule.tmr   Realschule");
  EXPECT_EQ(plattform.fText[3], "KW: 50");
  EXPECT_EQ(u.standard.fFehlDruckRand, 3);
  EXPECT_EQ(u.standard.fFehlDruckFont.Name, "Courier");
}

}  // namespace
