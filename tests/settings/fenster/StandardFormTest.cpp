// Mit Qt: die Dialoge der Voreinstellungen, ihr Wechselmenü und die Palette.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

#include "TestUmgebung.h"
#include "model/SchulUnit.h"
#include "settings/fenster/DepStandardFormUnit.h"
#include "settings/fenster/EckStandardFormUnit.h"
#include "ui/fenster/HintergrundFormUnit.h"
#include "settings/fenster/KennwortFormUnit.h"
#include "settings/KennwortUnit.h"
#include "settings/fenster/KursStandardFormUnit.h"
#include "settings/fenster/PlnStandardFormUnit.h"
#include "settings/StandardUnit.h"
#include "settings/fenster/VersStandardFormUnit.h"
#include "settings/fenster/ZeitFormUnit.h"
#include "ui/fenster/PlanFensterHilfe.h"
#include "ui/fenster/QtTextUnit.h"

TEST(StandardForm, WechselnUebernimmtWieOkUndOeffnetDenGewaehlten) {
  TTestUmgebung u;
  std::vector<std::string> titel;
  const auto uebernommen = VoreinstellungZeigen("Eckdaten", nullptr, [&](QDialog& d) {
    titel.push_back(d.windowTitle().toStdString());
    if (auto* eck = dynamic_cast<TEckStandardForm*>(&d)) {
      // Das Menü: zwölf Einträge; was es noch nicht gibt und "Planversionen" bei einer Version
      // sind gesperrt.
      const QList<QAction*> a = eck->WechselMenue()->actions();
      ASSERT_EQ(a.size(), 12);
      EXPECT_EQ(a[0]->text(), T("Eckdaten"));
      EXPECT_EQ(a[11]->text(), T("HTML-Farben"));
      EXPECT_FALSE(a[5]->isEnabled());  // Planversionen
      EXPECT_TRUE(a[6]->isEnabled());   // Kalender
      EXPECT_TRUE(a[8]->isEnabled());   // Kennwort
      EXPECT_TRUE(a[9]->isEnabled());   // Automatik
      EXPECT_TRUE(a[11]->isEnabled());  // HTML-Farben
      eck->DivisorFeld->setValue(3);
      eck->Wechseln("Planversionen");  // gesperrt: nichts
      EXPECT_TRUE(eck->WechselZiel().empty());
      EXPECT_EQ(u.standard.fDivisor, 1);
      eck->Wechseln("Kennwort");
    } else if (auto* kw = dynamic_cast<TKennwortForm*>(&d)) {
      kw->KWFeld->setText(T("geheim"));
      kw->OkKnopf->click();
    }
  });
  EXPECT_EQ(titel, (std::vector<std::string>{"Voreinstellung für Eckdaten",
                                             "Voreinstellung für das Kennwort"}));
  EXPECT_EQ(uebernommen, (std::vector<std::string>{"Eckdaten", "Kennwort"}));
  EXPECT_EQ(u.standard.fDivisor, 3);
  EXPECT_TRUE(KennwortPruefen("geheim"));

  // "Abbrechen" ändert nichts.
  VoreinstellungZeigen("Kennwort", nullptr, [](QDialog& d) {
    auto& kw = dynamic_cast<TKennwortForm&>(d);
    kw.KWFeld->setText(T("anders"));
    kw.AbbrechenKnopf->click();
  });
  EXPECT_TRUE(KennwortPruefen("geheim"));
  // Ein leeres Kennwort löscht es.
  VoreinstellungZeigen("Kennwort", nullptr,
                       [](QDialog& d) { dynamic_cast<TKennwortForm&>(d).OkKnopf->click(); });
  EXPECT_FALSE(KennwortGesetzt());
}

TEST(StandardForm, EckdatenZeigenUndSpeichernIhreFelder) {
  TTestUmgebung u;
  u.standard.fMaxTageNeu = 6;
  u.standard.fPaletteSchalter = 3;
  TEckStandardForm f;
  EXPECT_TRUE(f.TageRadio[1]->isChecked());
  EXPECT_EQ(f.PaletteFeld->currentText(), T("4 X 4 Schalter"));
  EXPECT_EQ(f.SpeicherFeld->singleStep(), 5);
  f.TageRadio[2]->click();
  f.VersionFeld->setValue(2);
  f.HintergrundCheck->setChecked(false);
  f.OkKnopf->click();
  EXPECT_EQ(u.standard.fMaxTageNeu, 7);
  EXPECT_EQ(u.standard.fMaxWocheNeu, 2);
  EXPECT_FALSE(u.standard.fHintergrundAn);
}

// Die Hintergrundfarbe wirkt sofort auf den Hintergrund; "Abbrechen" nimmt sie zurück, "Ok"
// speichert sie.
TEST(StandardForm, HintergrundfarbeWirktSofortUndAbbrechenNimmtSieZurueck) {
  TTestUmgebung u;
  THintergrund hintergrund;
  hintergrund.FarbeSetzen(u.standard.fHintergrundFarbe);
  {
    TEckStandardForm f;
    f.FarbeSetzen(0x00FF00);
    EXPECT_EQ(hintergrund.Farbe(), 0x00FF00u);
    EXPECT_EQ(u.standard.fHintergrundFarbe, clWhite);
    f.AbbrechenKnopf->click();
    EXPECT_EQ(hintergrund.Farbe(), clWhite);
    EXPECT_EQ(u.standard.fHintergrundFarbe, clWhite);
  }
  TEckStandardForm f;
  f.FarbeSetzen(0x0000FF);
  f.OkKnopf->click();
  EXPECT_EQ(hintergrund.Farbe(), 0x0000FFu);
  EXPECT_EQ(u.standard.fHintergrundFarbe, 0x0000FFu);
}

// Der Schulname: gezeigt, mit "Ok" gespeichert (Windows-1252), mit "Abbrechen" nicht; Zeichen,
// die Windows-1252 nicht fasst, nimmt das Feld nicht an, und mehr als 80 Zeichen auch nicht.
TEST(StandardForm, EckdatenMitSchulname) {
  TTestUmgebung u;
  u.standard.fSchulname = "Realschule";
  {
    TEckStandardForm f;
    EXPECT_EQ(f.SchulnameFeld->text(), T("Realschule"));
    f.SchulnameFeld->setText(T("Gymnasium Süd"));
    f.AbbrechenKnopf->click();
  }
  EXPECT_EQ(u.standard.fSchulname, "Realschule");
  TEckStandardForm f;
  f.SchulnameFeld->clear();
  f.SchulnameFeld->insert(T("Gymnasium Süd "));
  f.SchulnameFeld->insert(T("日"));  // gibt es in Windows-1252 nicht
  EXPECT_EQ(f.SchulnameFeld->text(), T("Gymnasium Süd "));
  QTest::keyClicks(f.SchulnameFeld, QString(100, QLatin1Char('x')));
  EXPECT_EQ(f.SchulnameFeld->text().size(), 80);
  f.SchulnameFeld->setText(T("Gymnasium Süd"));
  f.OkKnopf->click();
  EXPECT_EQ(u.standard.fSchulname,
            "Gymnasium S\xFC"
            "d");
}

TEST(StandardForm, KursvorgabenOhneDeputatsfensterSperrenDasKopieren) {
  TTestUmgebung u;
  TKursStandardForm f;
  for (QCheckBox* c : f.KopieCheck) EXPECT_FALSE(c->isEnabled());
  EXPECT_FALSE(f.KopierenKnopf->isEnabled());
  f.KursStdFeld->setValue(5);
  f.StdProTagFeld->setValue(2);
  EXPECT_EQ(f.EinzelStdFeld->value(), 1);

  // Mit Kursen aus dem aktiven Deputatsfenster: "Kopieren", sobald ein Kästchen angehakt ist.
  TKurs* k = TKurs::IKurs(Schule().HoleLehrer("MUE"), nullptr, nullptr, nullptr, nullptr, 2);
  struct TDepFenster : TFakeFenster {
    using TFakeFenster::TFakeFenster;
    std::vector<TKurs*> AusgewaehlteKurse() const override { return fKurse; }
    std::vector<TKurs*> fKurse;
  } dep(FensterArt::LehrerDeputat, "Deputat MUE");
  dep.fKurse = {k};
  Schule().SetAktivesFenster(&dep);
  TKursStandardForm g;
  EXPECT_TRUE(g.KopieCheck[1]->isEnabled());
  EXPECT_FALSE(g.KopierenKnopf->isEnabled());
  g.FaktorFeld->setValue(4);
  g.KopieCheck[1]->setChecked(true);
  ASSERT_TRUE(g.KopierenKnopf->isEnabled());
  g.KopierenKnopf->click();
  EXPECT_EQ(k->fFaktor, 4);
  g.AbbrechenKnopf->click();
  EXPECT_EQ(u.standard.fFaktor, 1);
  Schule().SetAktivesFenster(nullptr);
}

TEST(StandardForm, PlanversionenKopierenNurZwischenVerschiedenenVersionen) {
  TTestUmgebung u;
  Schule().VersionErweitern(3);
  TVersStandardForm f;
  EXPECT_FALSE(f.KopierenKnopf->isEnabled());
  EXPECT_TRUE(f.KuerzelRadio[5]->isChecked());  // Vorgabe "alle Kurse"
  EXPECT_FALSE(f.KuerzelListe->isEnabled());
  f.ZuFeld->setValue(3);
  EXPECT_TRUE(f.KopierenKnopf->isEnabled());
  f.AlleCheck->setChecked(true);
  f.OkKnopf->click();
  EXPECT_TRUE(f.SchalterGeaendert());
  EXPECT_FALSE(u.standard.fEineWoche);
}

TEST(StandardForm, StatistikzeitraumKommtMitDemHaekchen) {
  TTestUmgebung u;
  TDepStandardForm f;
  f.fZeitraumWahl = [] {
    return std::make_optional(std::make_pair(TDateTime{46000.0}, TDateTime{46100.0}));
  };
  f.StatistikCheck->click();
  f.OkKnopf->click();
  EXPECT_TRUE(u.standard.fMitStatistik);
  EXPECT_EQ(u.standard.fDepVon, 46000.0);
  EXPECT_EQ(u.standard.fDepBis, 46100.0);
}

// Eine neue Schrift misst die Breiten neu (Pläne mit "Kopplungen fett" des Dialogs); die
// Einstellungen ändert erst "Ok".
TEST(StandardForm, NeueSchriftMisstDieBreitenOhneDieEinstellungen) {
  TTestUmgebung u;
  u.schule().HoleKopplung("Religion");
  TSchrift gross = u.standard.fDepFont;
  gross.Groesse += 6;
  const TStandard vorher = u.standard;
  TDepStandardForm dep;
  dep.SetzeSchrift(gross);
  TStandard erwartet = vorher;
  erwartet.fDepFont = gross;
  erwartet.BerechneDepBreite(u.metrik);
  EXPECT_EQ(dep.Breiten->Werte(),
            (std::array<int, 5>{erwartet.fDepLeBreite, erwartet.fDepKlBreite, erwartet.fDepKoBreite,
                                erwartet.fDepFaBreite, erwartet.fDepRaBreite}));
  EXPECT_EQ(dep.SchriftFeld->text(), SchriftText(gross));

  TPlnStandardForm pln;
  pln.KoppFettCheck->setChecked(!vorher.fPlnKoppFett);
  pln.SetzeSchrift(gross);
  erwartet.fPlnFont = gross;
  erwartet.fPlnKoppFett = !vorher.fPlnKoppFett;
  erwartet.BerechnePlnBreite(u.metrik);
  EXPECT_EQ(pln.Breiten->Werte()[2], erwartet.fPlnKoBreite);
  EXPECT_EQ(u.standard.fDepFont, vorher.fDepFont);
  EXPECT_EQ(u.standard.fPlnFont, vorher.fPlnFont);
  EXPECT_EQ(u.standard.fDepKoBreite, vorher.fDepKoBreite);
  EXPECT_EQ(u.standard.fPlnKoBreite, vorher.fPlnKoBreite);
}

using ZeitFormTest = PlanFensterTest;

TEST_F(ZeitFormTest, StundenbezeichnungenErscheinenNachOkInDenPlanfenstern) {
  Schule().VersionErweitern(2);
  TPlnForm* plan = Oeffne(mue);
  ASSERT_EQ(plan->PlnGrid->Cells(0, 1), T(" 1"));
  TZeitForm f;
  f.ZeitGrid[0]->item(0, 1)->setText(T("8:00–8:45  "));
  f.ZeitGrid[1]->item(1, 1)->setText(T("15:10"));  // Stunde 10
  f.VersionFeld->setValue(2);
  EXPECT_EQ(f.ZeitGrid[0]->item(0, 1)->text(), T(" 1"));
  f.ZeitGrid[0]->item(0, 1)->setText(T("B-Woche"));
  f.ZeitGrid[0]->item(1, 1)->setText(T("9→10"));  // kein Zeichen von Windows-1252
  EXPECT_EQ(u.dialog.fPiepser, 1);
  EXPECT_EQ(f.ZeitGrid[0]->item(1, 1)->text(), T(" 2"));
  f.VersionFeld->setValue(1);
  EXPECT_EQ(f.ZeitGrid[0]->item(0, 1)->text(), T("8:00–8:45"));
  EXPECT_EQ(plan->PlnGrid->Cells(0, 1), T(" 1"));  // erst "Ok" übernimmt
  f.OkKnopf->click();
  EXPECT_EQ(st.fStdBez[1][1].str(),
            "8:00\x96"
            "8:45");
  EXPECT_EQ(st.fStdBez[1][10].str(), "15:10");
  EXPECT_EQ(st.fStdBez[2][1].str(), "B-Woche");
  EXPECT_EQ(plan->PlnGrid->Cells(0, 1), T("8:00–8:45"));
}
