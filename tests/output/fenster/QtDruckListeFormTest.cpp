// Mit Qt: die Druckdialoge der Übersichten und Listen laden und speichern ihre Optionen,
// verknüpfen Häkchen und Listen und sperren "Ok" und "Ansehen" ohne Inhalt.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFontDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include "TestUmgebung.h"
#include "VorschauPlattform.h"
#include "model/DatumUnit.h"
#include "model/SchulUnit.h"
#include "output/fenster/DruckListeFormUnit.h"
#include "settings/StandardUnit.h"

namespace {
class QtDruckListeFormTest : public ::testing::Test {
 protected:
  TTestUmgebung u;
  TSchule& s = u.schule();
  TVorschauPlattform plattform;
};
}  // namespace

TEST_F(QtDruckListeFormTest, UebersichtAuswahlListeHaekchenUndAnsehen) {
  TLehrer* a = s.HoleLehrer("AB");
  TLehrer* b = s.HoleLehrer("CD");
  QString titel;
  TDruckUebForm form(TUebDruckArt::Lehrer, plattform,
                     [&](const std::vector<TElement*>& menge, const QString& t) {
                       titel = t;
                       return std::vector<TElement*>{menge[1], menge[0], menge[1]};
                     });
  EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Drucke Lehrerübersichten"));
  // Ohne gemerkte Auswahl beginnt die Liste mit allen Lehrern; leer gemacht druckt sie nichts.
  EXPECT_EQ(form.Elemente(), (std::vector<TPlanElement*>{a, b}));
  for (int i = 0; i < 2; ++i) emit form.KuerzelGrid->itemDoubleClicked(form.KuerzelGrid->item(0));
  form.AnsehenKnopfClick();
  EXPECT_TRUE(plattform.fSeiten.empty());
  form.AuswahlKnopfClick(leh);
  EXPECT_EQ(titel, QString("Lehrer"));
  EXPECT_EQ(form.Elemente(), (std::vector<TPlanElement*>{b, a, b}));
  QListWidgetItem* zweite = form.KuerzelGrid->item(1);
  emit form.KuerzelGrid->itemDoubleClicked(zweite);
  EXPECT_EQ(form.Elemente(), (std::vector<TPlanElement*>{b, b}));
  // "mit Kopplung" nimmt "Kopplung statt Klasse" weg; "statt" hakt "mit Klasse" an.
  form.stattCheck->setChecked(true);
  form.MitCheck[3]->setChecked(true);
  EXPECT_FALSE(form.stattCheck->isChecked());
  form.MitCheck[0]->setChecked(false);
  form.stattCheck->setChecked(true);
  EXPECT_TRUE(form.MitCheck[0]->isChecked());
  EXPECT_FALSE(form.MitCheck[3]->isChecked());
  form.LinksSpin->setValue(3);
  form.AnsehenKnopfClick();
  EXPECT_EQ(plattform.fSeiten, std::vector<int>{1});
  EXPECT_EQ(Standard().fLUebDruckRandLi, 3);
}

TEST_F(QtDruckListeFormTest, OhneFaecherSindOkUndAnsehenGesperrt) {
  TDruckFUebForm leer(plattform, {});
  EXPECT_FALSE(leer.OkKnopf->isEnabled());
  EXPECT_FALSE(leer.AnsehenKnopf->isEnabled());
  s.HoleFach("D");
  s.HoleFach("M");
  TDruckFUebForm form(plattform, {});
  EXPECT_TRUE(form.AnsehenKnopf->isEnabled());
  EXPECT_EQ(form.VonKnopf->text(), QString("D"));
  EXPECT_EQ(form.BisKnopf->text(), QString("M"));
  form.AnsehenKnopfClick();
  EXPECT_EQ(plattform.fSeiten, std::vector<int>{1});
}

TEST_F(QtDruckListeFormTest, DeputateAlleKurseSperrtAuswahlUndKonferenzenInStammfolge) {
  s.HoleLehrer("AB");
  TDruckListeForm dep(TListenDruck::Deputate, plattform, {}, {});
  EXPECT_EQ(dep.windowTitle(), QString("Deputate drucken"));
  ASSERT_EQ(dep.ArtRadios.size(), 6u);
  dep.ArtRadios[5]->setChecked(true);
  EXPECT_FALSE(dep.AuswahlKnopf->isEnabled());
  EXPECT_FALSE(dep.GewaehltListe->isEnabled());
  EXPECT_FALSE(dep.Checks[2]->isEnabled());  // "1 Seite pro Deputat"
  EXPECT_FALSE(dep.OkKnopf->isEnabled());    // die Schule hat keine Kurse
  dep.ArtRadios[0]->setChecked(true);
  EXPECT_TRUE(dep.AuswahlKnopf->isEnabled());

  TFach* d = s.HoleFach("D");
  TFach* e = s.HoleFach("E");
  TFach* m = s.HoleFach("M");
  TDruckListeForm konf(TListenDruck::FachKonf, plattform, {}, {});
  ASSERT_EQ(konf.AuswahlListe->count(), 3);
  for (int i : {2, 0, 2}) emit konf.AuswahlListe->itemDoubleClicked(konf.AuswahlListe->item(i));
  EXPECT_EQ(konf.Gewaehlt(), (std::vector<TElement*>{d, m}));
  EXPECT_EQ(konf.GewaehltListe->currentRow(), 1);  // das schon gewählte ist nur ausgewählt
  konf.ElementAnhaengen(e);
  EXPECT_EQ(konf.Gewaehlt(), (std::vector<TElement*>{d, e, m}));
}

TEST_F(QtDruckListeFormTest, BereichFolgtDerLetztenWahlUndArtWechselSetztZurueck) {
  TLehrer* a = s.HoleLehrer("AB");
  s.HoleLehrer("CD");
  TLehrer* c = s.HoleLehrer("EF");
  TDruckListeForm rest(TListenDruck::Rest, plattform, {}, {});
  EXPECT_EQ(rest.VonKnopf->text(), QString("AB"));
  EXPECT_EQ(rest.BisKnopf->text(), QString("EF"));
  rest.BereichWaehlen(true, c);
  EXPECT_EQ(rest.BisKnopf->text(), QString("EF"));
  rest.BereichWaehlen(false, a);  // "bis" vor "von": "von" folgt
  EXPECT_EQ(rest.VonKnopf->text(), QString("AB"));
  rest.ArtRadios[1]->setChecked(true);  // Klassen: keine da
  EXPECT_TRUE(rest.VonKnopf->text().isEmpty());
  EXPECT_FALSE(rest.AnsehenKnopf->isEnabled());
  // Eine gespeicherte Wahl außerhalb der Gruppe wählt die letzte.
  Standard().fSVDruckArt = 12;
  TDruckListeForm sv(TListenDruck::SV, plattform, {}, {});
  EXPECT_EQ(sv.ArtWahl(), 4);
}

TEST_F(QtDruckListeFormTest, VertretungsuebersichtAlleLehrerUndZeitraum) {
  TLehrer* a = s.HoleLehrer("AB");
  TLehrer* b = s.HoleLehrer("CD");
  const TDateTime heute = DatumZuZahl(2027, 2, 10) + 0.5;
  TDruckVUebForm form(true, plattform, heute, heute);
  EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Drucke Vertretungsübersicht für Lehrer"));
  EXPECT_EQ(form.VonTagSpin->maximum(), 31);
  emit form.AuswahlListe->itemDoubleClicked(form.AuswahlListe->item(1));
  emit form.AuswahlListe->itemDoubleClicked(form.AuswahlListe->item(1));
  EXPECT_EQ(form.Gewaehlt(), (std::vector<TPlanElement*>{b, b}));
  form.AlleKnopfClick();
  EXPECT_EQ(form.Gewaehlt(), (std::vector<TPlanElement*>{a, b}));
  form.VonTagSpin->setValue(31);  // Februar: der 28.
  EXPECT_EQ(ZahlZuDatum(form.Von()), (TDatum{2027, 2, 28}));
  EXPECT_DOUBLE_EQ(form.Bis(), form.Von());  // "bis" lag davor
  form.AnsehenKnopfClick();
  EXPECT_EQ(plattform.fSeiten, std::vector<int>{1});
}

// Eine mit "Ändern" gewählte Schrift steht sofort in den Einstellungen und geht mit "Abbrechen"
// nicht verloren, in jeder Art Druckdialog; "Abbrechen" im Schriftdialog ändert nichts.
TEST_F(QtDruckListeFormTest, GewaehlteSchriftBleibtNachAbbrechen) {
  s.HoleLehrer("AB");
  auto aendern = [](QDialog& d, bool annehmen) {
    QPushButton* knopf = nullptr;
    for (QPushButton* k : d.findChildren<QPushButton*>())
      if (k->text() == QString::fromUtf8("Ändern")) knopf = k;
    ASSERT_NE(knopf, nullptr);
    QTimer::singleShot(0, [annehmen] {
      auto* f = qobject_cast<QFontDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(f, nullptr);
      QFont schrift(QStringLiteral("Liberation Serif"), 13);
      schrift.setBold(true);
      f->setCurrentFont(schrift);
      if (annehmen)
        f->accept();
      else
        f->reject();
    });
    knopf->click();
    d.reject();
  };
  {
    TDruckUebForm form(TUebDruckArt::Klassen, plattform, {});
    aendern(form, false);
  }
  EXPECT_EQ(Standard().fKUebDruckFont, TSchrift{});
  {
    TDruckUebForm form(TUebDruckArt::Klassen, plattform, {});
    aendern(form, true);
  }
  EXPECT_EQ(Standard().fKUebDruckFont.Groesse, 13);
  EXPECT_TRUE(Standard().fKUebDruckFont.Fett);
  {
    TDruckListeForm form(TListenDruck::Rest, plattform, {}, {});
    aendern(form, true);
  }
  EXPECT_EQ(Standard().fRestDruckFont.Groesse, 13);
  {
    TDruckVUebForm form(true, plattform, Heute() + 0.5, Heute() + 0.5);
    aendern(form, true);
  }
  EXPECT_EQ(Standard().fVUebDruckFont.Groesse, 13);
  // Andere Gruppen bleiben, wie sie waren.
  EXPECT_EQ(Standard().fLUebDruckFont, TSchrift{});
  EXPECT_EQ(Standard().fDepDruckFont, TSchrift{});
}
