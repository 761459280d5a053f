// Das Kursfenster mit der Palette: Öffnen und Füllen ohne Änderung, Stunden, Std/Tag, Faktor,
// Schalter, Farbe, Info mit Zwischenablage, Kürzel über die Auswahllisten, Löschen und
// Schieben, Sperrungen, Blättern.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "TestUmgebung.h"
#include "app/BeispielSchuleUnit.h"
#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"
#include "ui/KursFeldUnit.h"
#include "ui/fenster/CursorUnit.h"
#include "ui/fenster/KursFormUnit.h"
#include "ui/fenster/QtUmschaltUnit.h"
#include "ui/fenster/PaletteUnit.h"
#include "ui/fenster/PopupMenueUnit.h"
#include "ui/fenster/QtTextUnit.h"
#include "ui/fenster/QuonGridUnit.h"
#include "ui/fenster/SperrQuonGridUnit.h"

namespace {

// Wählt im nächsten Aufklappmenü den Eintrag des Objekts; merkt sich die Texte des Menüs.
void WaehleImMenue(const void* objekt, std::vector<std::string>* texte = nullptr) {
  QTimer::singleShot(0, [objekt, texte] {
    auto* m = qobject_cast<TPopupMenue*>(QApplication::activePopupWidget());
    ASSERT_NE(m, nullptr);
    if (texte) {
      texte->clear();
      for (const TMenueEintrag& e : m->Menue()) texte->push_back(e.Text);
    }
    for (int i = 0; i < static_cast<int>(m->Menue().size()); ++i)
      if (m->Menue()[static_cast<std::size_t>(i)].Objekt == objekt) {
        EXPECT_TRUE(m->Waehle(i));
        return;
      }
    m->Schliessen();
    ADD_FAILURE() << "nicht im Menü";
  });
}

// Führt f aus, sobald der Farbdialog offen ist.
void ImFarbdialog(std::function<void(QColorDialog*)> f) {
  QTimer::singleShot(0, [f] {
    auto* d = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(d, nullptr);
    f(d);
  });
}

// Tippt einen Text Zeichen für Zeichen (auch Zeichen ohne eigene Taste).
void Tippe(QWidget* w, const QString& text) {
  for (const QChar c : text) {
    QKeyEvent druck(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(w, &druck);
    QKeyEvent los(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(w, &los);
  }
}

void Loeschen() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class KursFormTest : public ::testing::Test {
 protected:
  KursFormTest() {
    palette.show();
    palette.MenuAnlage();
    Schule().SetDirty(false);
  }
  ~KursFormTest() override {
    Schule().fManuellForm = nullptr;
    Schule().SetDirty(false);
    palette.hide();
  }

  TKursForm* Oeffne(TKurs* k, TElement* vater = nullptr) {
    palette.NeuesKursFenster(k, vater);
    return dynamic_cast<TKursForm*>(Schule().fKursForm);
  }
  QMenu* FensterMenue() const {
    return qobject_cast<QMenu*>(palette.Befehl(T("Fenster/Zwischenablage"))->parent());
  }
  int FensterEintraege(const QString& text) const {
    int n = 0;
    for (QAction* a : FensterMenue()->actions()) n += a->text() == text;
    return n;
  }
  static std::vector<std::string> Zeilen(TQuonGrid* grid) {
    std::vector<std::string> v;
    for (int r = 0; r < grid->RowCount(); ++r) v.push_back(grid->Cells(0, r).toStdString());
    return v;
  }
  static QPoint Zeile(TQuonGrid* grid, int row) { return grid->CellRect(0, row).center(); }
  void Klick(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(4, 4)); }

  TTestUmgebung u;
  TTamrelPalette palette;
  TSchule& s = Schule();
  TLehrer* mue = s.HoleLehrer("MUE");
  TLehrer* sch = s.HoleLehrer("SCH");
  TKlasse* k5a = s.HoleKlasse("5a");
  TKlasse* k5b = s.HoleKlasse("5b");
  TFach* ma = s.HoleFach("M");
  TFach* de = s.HoleFach("D");
  TKopplung* ko = s.HoleKopplung("Q1");
  TRaum* r101 = s.HoleRaum("R101");
  TRaum* r102 = s.HoleRaum("R102");
  TRaum* aula = s.HoleRaum("Aula");
  TKurs* kurs = TKurs::IKurs(mue, k5a, nullptr, ma, r101, 3);
};

TEST_F(KursFormTest, OeffnenFuelltAlleFelderUndLaesstDieSchuleUngeaendert) {
  u.standard.fVorKomma = 2;
  u.standard.fNachKomma = 1;
  kurs->fInfo = "F\xF6rder";
  kurs->fFaktor = 2;
  kurs->fStdProTag = 2;
  kurs->fEinzelStd = 1;
  kurs->fTabellenNr = 3;
  kurs->fNichtZaehlenKl = true;
  kurs->fColor = 0x0080FF;
  ASSERT_NE(kurs->NeueSetzung(1, 1, 1, r101), nullptr);
  s.SetDirty(false);

  QPointer<TKursForm> f = Oeffne(kurs);
  ASSERT_NE(f, nullptr);
  EXPECT_TRUE(f->isVisible());
  EXPECT_EQ(f->windowTitle(), T("Kurs"));
  EXPECT_EQ(f->FensterArt(), FensterArt::Kurs);
  EXPECT_EQ(f->fKurs, kurs);
  EXPECT_TRUE(s.FensterOffen(f));
  EXPECT_EQ(FensterEintraege(T("Kurs")), 1);
  EXPECT_EQ(f->LehrerFeld->text(), T("MUE"));
  EXPECT_EQ(f->FachFeld->text(), T("M"));
  EXPECT_EQ(f->Kopplfeld->text(), QString());
  EXPECT_EQ(Zeilen(f->KlGrid), std::vector<std::string>{"5a"});
  EXPECT_EQ(Zeilen(f->RaGrid), std::vector<std::string>{"R101"});
  EXPECT_EQ(f->InfoFeld->text(), T("Förder"));
  EXPECT_EQ(f->VerplantFeld->text(), T("1"));
  EXPECT_EQ(f->StdSpin->value(), 3);
  EXPECT_EQ(f->StdSpin->minimum(), 1);
  EXPECT_EQ(f->FaktorSpin->value(), 2);
  EXPECT_EQ(f->FaktorSpin->maximum(), 10000);
  EXPECT_EQ(f->WertFeld->text(), T(" 6.0"));
  EXPECT_EQ(f->SpTSpin->value(), 2);
  EXPECT_EQ(f->EinzelSpin->value(), 1);
  EXPECT_EQ(f->TabelleSpin->value(), 3);
  EXPECT_FALSE(f->nvpCheck->isChecked());
  EXPECT_FALSE(f->nvpCheck->isEnabled());  // verplant
  EXPECT_FALSE(f->nzlCheck->isChecked());
  EXPECT_TRUE(f->nzkCheck->isChecked());
  EXPECT_EQ(f->FarbFeld->palette().color(QPalette::Window), QColor(255, 128, 0));
  EXPECT_EQ(f->SperrGrid->ColCount(), 7);
  EXPECT_FALSE(s.fDirty);
  f->FensterUpdate();
  f->FensterRefresh();
  EXPECT_FALSE(s.fDirty);

  // Ein zweiter Kurs kommt in dasselbe Fenster.
  TKurs* zweiter = TKurs::IKurs(sch, k5b, ko, de, nullptr, 2);
  s.SetDirty(false);
  EXPECT_EQ(Oeffne(zweiter), f.data());
  EXPECT_EQ(f->fKurs, zweiter);
  EXPECT_EQ(f->Kopplfeld->text(), T("Q1"));
  EXPECT_EQ(Zeilen(f->RaGrid), std::vector<std::string>{""});
  EXPECT_TRUE(f->nvpCheck->isEnabled());
  EXPECT_EQ(FensterEintraege(T("Kurs")), 1);
  EXPECT_FALSE(s.fDirty);

  // Schließen meldet das Fenster überall ab, ohne die Schule zu ändern.
  f->close();
  Loeschen();
  EXPECT_EQ(f, nullptr);
  EXPECT_EQ(s.fKursForm, nullptr);
  EXPECT_EQ(s.fAktivesFenster, nullptr);
  EXPECT_TRUE(s.fFensterListe.empty());
  EXPECT_EQ(FensterEintraege(T("Kurs")), 0);
  EXPECT_FALSE(s.fDirty);
}

TEST_F(KursFormTest, NeuerKursEinesLehrersOeffnetSeinFenster) {
  u.standard.fKursStd = 4;
  TKurs* neu = mue->NeuerKurs();
  auto* f = dynamic_cast<TKursForm*>(s.fKursForm);
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->fKurs, neu);
  EXPECT_EQ(f->StdSpin->value(), 4);
  EXPECT_TRUE(s.fDirty);  // ein neuer Kurs ist eine Änderung
}

TEST_F(KursFormTest, StundenfeldMinimumIstDieGesetzteStundenzahlDerArbeitswochen) {
  s.VersionErweitern(2);
  u.standard.fEineWoche = true;
  u.standard.fAktuelleWoche = 1;
  kurs->fStunden.SetWochenStunde(0, 3);
  kurs->NeueSetzung(1, 1, 1, r101);
  kurs->NeueSetzung(1, 2, 1, r101);
  kurs->NeueSetzung(2, 1, 1, r101);
  TKursForm* f = Oeffne(kurs);
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->StdSpin->value(), 3);
  EXPECT_EQ(f->VerplantFeld->text(), T("2"));
  EXPECT_EQ(f->StdSpin->minimum(), 2);
  EXPECT_EQ(f->StdSpin->maximum(), 112);
  EXPECT_EQ(f->StdSpin->singleStep(), 1);
  QTest::keyClick(f->StdSpin, Qt::Key_Down);
  EXPECT_EQ(kurs->fStunden.GetWochenStunde(1), 2);
  EXPECT_EQ(kurs->fStunden.GetWochenStunde(2), 3);
  QTest::keyClick(f->StdSpin, Qt::Key_Down);  // nicht unter die zwei gesetzten Stunden
  EXPECT_EQ(kurs->fStunden.GetWochenStunde(1), 2);
  EXPECT_TRUE(s.fDirty);

  // Alle Versionen (Strg+Klick auf die Planversion): die Summe, in Schritten von 2, und nicht
  // unter 2 gesetzte Stunden je Woche.
  QTest::mouseClick(palette.Knopf(T("VersKnopf")), Qt::LeftButton, Qt::ControlModifier);
  ASSERT_FALSE(u.standard.fEineWoche);
  EXPECT_EQ(f->StdSpin->value(), 5);
  EXPECT_EQ(f->VerplantFeld->text(), T("3"));
  EXPECT_EQ(f->StdSpin->minimum(), 4);
  EXPECT_EQ(f->StdSpin->maximum(), 224);
  EXPECT_EQ(f->StdSpin->singleStep(), 2);
  QTest::keyClick(f->StdSpin, Qt::Key_Up);  // 7: je Woche 3
  EXPECT_EQ(kurs->fStunden.GetWochenStunde(1), 3);
  EXPECT_EQ(kurs->fStunden.GetWochenStunde(2), 3);
  EXPECT_EQ(f->StdSpin->value(), 6);
  QTest::keyClick(f->StdSpin, Qt::Key_Down);
  QTest::keyClick(f->StdSpin, Qt::Key_Down);
  EXPECT_EQ(kurs->fStunden.GetWochenStunde(1), 2);
  EXPECT_EQ(kurs->fStunden.GetWochenStunde(2), 2);
  EXPECT_EQ(f->StdSpin->value(), 4);
  EXPECT_EQ(f->WertFeld->text(), T(" 4.0"));

  // Zurück im Einwochenbetrieb zeigt das Feld wieder nur die aktuelle Woche.
  QTest::mouseClick(palette.Knopf(T("VersKnopf")), Qt::LeftButton, Qt::ControlModifier);
  EXPECT_EQ(f->StdSpin->value(), 2);
  EXPECT_EQ(f->StdSpin->singleStep(), 1);
  EXPECT_EQ(f->StdSpin->minimum(), 2);
  EXPECT_EQ(kurs->fSetzungen.ListeZahlElemente(), 3);
  EXPECT_TRUE(u.dialog.fProtokoll.empty());
}

TEST_F(KursFormTest, StdProTagFaktorTabelleUndSchalter) {
  u.standard.fMaxTageNeu = 5;
  kurs->fStunden.SetWochenStunde(0, 5);
  TKursForm* f = Oeffne(kurs);
  ASSERT_NE(f, nullptr);
  f->SpTSpin->setValue(2);
  EXPECT_EQ(kurs->fStdProTag, 2);
  EXPECT_EQ(kurs->fEinzelStd, 1);
  EXPECT_EQ(f->EinzelSpin->value(), 1);
  f->SpTSpin->setValue(1);
  EXPECT_EQ(f->EinzelSpin->value(), 5);
  kurs->fStunden.SetWochenStunde(0, 6);
  f->FensterRefresh();
  f->SpTSpin->setValue(2);
  f->SpTSpin->setValue(1);
  EXPECT_EQ(kurs->fEinzelStd, 5);  // höchstens so viele wie Tage
  f->EinzelSpin->setValue(2);
  EXPECT_EQ(kurs->fEinzelStd, 2);
  f->TabelleSpin->setValue(4);
  EXPECT_EQ(kurs->fTabellenNr, 4);
  f->FaktorSpin->setValue(3);
  EXPECT_EQ(kurs->fFaktor, 3);
  EXPECT_EQ(f->WertFeld->text(), T("18.0"));

  f->nzlCheck->click();
  f->nzkCheck->click();
  EXPECT_TRUE(kurs->fNichtZaehlenLe);
  EXPECT_TRUE(kurs->fNichtZaehlenKl);
  f->nzkCheck->click();
  EXPECT_FALSE(kurs->fNichtZaehlenKl);

  // "nicht verplanen": negative Stunden erlaubt; ausgeschaltet werden sie 0.
  f->nvpCheck->click();
  EXPECT_TRUE(kurs->fNichtVerplanen);
  EXPECT_EQ(f->StdSpin->minimum(), -112);
  f->StdSpin->setValue(-3);
  EXPECT_EQ(kurs->fStunden.GetWochenStunde(1), -3);
  f->nvpCheck->click();
  EXPECT_FALSE(kurs->fNichtVerplanen);
  EXPECT_EQ(kurs->fStunden.GetWochenStunde(1), 0);
  EXPECT_EQ(f->StdSpin->value(), 0);
  EXPECT_EQ(f->StdSpin->minimum(), 0);
  EXPECT_TRUE(s.fDirty);
}

TEST_F(KursFormTest, FarbeMitDenSechzehnEigenenFarben) {
  QStandardPaths::setTestModeEnabled(true);  // Qt merkt sich eigene Farben selbst
  u.standard.fCustomFarbe[0] = "0000FF";
  u.standard.fCustomFarbe[15] = "FF0000";
  TKursForm* f = Oeffne(kurs);
  ASSERT_NE(f, nullptr);
  ImFarbdialog([](QColorDialog* d) {
    EXPECT_EQ(QColorDialog::customColor(0), QColor(255, 0, 0));
    EXPECT_EQ(QColorDialog::customColor(15), QColor(0, 0, 255));
    EXPECT_EQ(QColorDialog::customColor(7), QColor(255, 255, 255));
    EXPECT_EQ(d->currentColor(), QColor(255, 255, 255));
    d->setCurrentColor(QColor(0, 128, 255));
    QColorDialog::setCustomColor(5, QColor(0, 255, 0));
    d->accept();
  });
  f->FarbKnopf->click();
  EXPECT_EQ(kurs->fColor, TColor{0xFF8000});
  EXPECT_EQ(f->FarbFeld->palette().color(QPalette::Window), QColor(0, 128, 255));
  EXPECT_EQ(u.standard.fCustomFarbe[0], "0000FF");
  EXPECT_EQ(u.standard.fCustomFarbe[5], "00FF00");
  EXPECT_EQ(u.standard.fCustomFarbe[15], "FF0000");
  EXPECT_EQ(u.standard.fCustomFarbe.size(), 16u);
  EXPECT_TRUE(s.fDirty);

  // Abbrechen: die Farbe bleibt, die eigenen Farben des Dialogs kommen trotzdem zurück.
  s.SetDirty(false);
  ImFarbdialog([](QColorDialog* d) {
    d->setCurrentColor(QColor(1, 2, 3));
    QColorDialog::setCustomColor(6, QColor(0x12, 0x34, 0x56));
    d->reject();
  });
  f->FarbKnopf->click();
  EXPECT_EQ(kurs->fColor, TColor{0xFF8000});
  EXPECT_EQ(u.standard.fCustomFarbe[6], "563412");
  EXPECT_FALSE(s.fDirty);
}

TEST_F(KursFormTest, InfoHoechstens31ZeichenUndNurWindows1252) {
  TKursForm* f = Oeffne(kurs);
  ASSERT_NE(f, nullptr);
  f->InfoFeld->setFocus();
  Tippe(f->InfoFeld, T("Förder€"));
  EXPECT_EQ(kurs->fInfo.str(), "F\xF6rder\x80");
  EXPECT_TRUE(s.fDirty);
  const int piepser = u.dialog.fPiepser;
  Tippe(f->InfoFeld, T("ł"));
  EXPECT_EQ(f->InfoFeld->text(), T("Förder€"));
  EXPECT_EQ(kurs->fInfo.str(), "F\xF6rder\x80");
  EXPECT_GT(u.dialog.fPiepser, piepser);
  Tippe(f->InfoFeld, QString(30, QLatin1Char('x')));
  EXPECT_EQ(f->InfoFeld->text().size(), 31);
  EXPECT_EQ(kurs->fInfo.size(), 31u);

  // Zwischenablage über die Palette: das Infofeld hat den Fokus.
  Schule().FensterAktivieren(f);
  ASSERT_TRUE(f->TextFeldHatFokus());
  f->InfoFeld->setSelection(0, 6);
  palette.KopierenItemClick(false);
  EXPECT_EQ(u.ablage.fText, "Förder");
  palette.KopierenItemClick(true);  // ausschneiden
  EXPECT_EQ(u.ablage.fText, "Förder");
  EXPECT_EQ(f->InfoFeld->text(), T("€") + QString(30, QLatin1Char('x')).left(24));
  EXPECT_EQ(kurs->fInfo.str(), "\x80" + std::string(24, 'x'));
  f->InfoFeld->selectAll();
  u.ablage.fText = "Übungskurs";
  palette.EinsetzenItemClick();
  EXPECT_EQ(kurs->fInfo.str(),
            "\xDC"
            "bungskurs");
  // Ein Tabulator hätte im Kurstext nichts zu suchen: abgelehnt.
  f->InfoFeld->selectAll();
  u.ablage.fText = "a\tb";
  palette.EinsetzenItemClick();
  EXPECT_EQ(kurs->fInfo.str(),
            "\xDC"
            "bungskurs");
  // Ohne Fokus im Infofeld geschieht nichts.
  f->StdSpin->setFocus();
  EXPECT_FALSE(f->TextFeldHatFokus());
  u.ablage.fText = "anders";
  palette.EinsetzenItemClick();
  EXPECT_EQ(kurs->fInfo.str(),
            "\xDC"
            "bungskurs");
}

TEST_F(KursFormTest, KuerzelUeberDieAuswahllistenOhneDoppelte) {
  TKurs* k = TKurs::IKurs(nullptr, k5a, nullptr, nullptr, r101, 2);
  TKursForm* f = Oeffne(k);
  ASSERT_NE(f, nullptr);
  std::vector<std::string> texte;

  Klick(f->LeGruppe);
  EXPECT_EQ(f->fArt, 0);
  WaehleImMenue(sch, &texte);
  f->KueKnopf->click();
  EXPECT_EQ(texte, (std::vector<std::string>{"MUE", "SCH"}));  // die Liste der Palette
  EXPECT_EQ(k->fLehrer, sch);
  EXPECT_EQ(f->LehrerFeld->text(), T("SCH"));

  Klick(f->KlGruppe);
  EXPECT_EQ(f->fArt, 1);
  EXPECT_TRUE(f->KlRadio->isChecked());
  WaehleImMenue(k5a);
  f->KueKnopf->click();
  EXPECT_EQ(k->fKlassen.ListeZahlElemente(), 1);
  EXPECT_EQ(k5a->fKurse.ListeZahlElemente(), 2);  // kein zweiter Eintrag bei der Klasse
  WaehleImMenue(k5b);
  f->KueKnopf->click();
  EXPECT_EQ(Zeilen(f->KlGrid), (std::vector<std::string>{"5a", "5b"}));

  Klick(f->RaGruppe);
  WaehleImMenue(r101);
  f->KueKnopf->click();
  EXPECT_EQ(k->fRaeume.ListeZahlElemente(), 1);
  WaehleImMenue(r102);
  f->KueKnopf->click();
  EXPECT_EQ(Zeilen(f->RaGrid), (std::vector<std::string>{"R101", "R102"}));

  Klick(f->KoGruppe);
  WaehleImMenue(ko);
  f->KueKnopf->click();
  EXPECT_EQ(f->Kopplfeld->text(), T("Q1"));

  // Fach: der Lehrer hat keine Fächer, also die Liste der Palette.
  Klick(f->FachFeld);
  EXPECT_EQ(f->fArt, 3);
  WaehleImMenue(de);
  f->KueKnopf->click();
  EXPECT_EQ(f->FachFeld->text(), T("D"));

  // Mit Fach zeigt "Lehrer" die Lehrer des Fachs: SCH, der D nun in diesem Kurs unterrichtet,
  // und MUE.
  EXPECT_EQ(de->fLehrer.ListeElemNr(sch), 1);
  mue->NeuesFach(de);
  Klick(f->LehrerFeld);
  WaehleImMenue(mue, &texte);
  f->KueKnopf->click();
  ASSERT_EQ(texte.size(), 2u);
  EXPECT_TRUE(texte[0].ends_with("MUE")) << texte[0];
  EXPECT_TRUE(texte[1].ends_with("SCH")) << texte[1];
  EXPECT_EQ(k->fLehrer, mue);

  // Ein gesetzter Kurs behält Lehrer, Klassen und Kopplung; ein Raum kommt hinzu.
  k->NeueSetzung(1, 1, 1, r101);
  WaehleImMenue(mue);
  f->KueKnopf->click();
  EXPECT_EQ(k->fLehrer, mue);
  Klick(f->KlGruppe);
  TKlasse* k5c = s.HoleKlasse("5c");
  de->NeueKlasse(k5c);  // steht in der Klassenliste des Fachs
  WaehleImMenue(k5c);
  f->KueKnopf->click();
  EXPECT_EQ(k->fKlassen.ListeZahlElemente(), 2);
  Klick(f->RaGruppe);
  WaehleImMenue(aula);
  f->KueKnopf->click();
  EXPECT_EQ(Zeilen(f->RaGrid), (std::vector<std::string>{"R101", "R102", "Aula"}));
  EXPECT_TRUE(u.dialog.fProtokoll.empty());
  EXPECT_EQ(MenuOffen(), false);
}

TEST_F(KursFormTest, RadioknopfOeffnetDieListeImAktivenFenster) {
  TKursForm* f = Oeffne(kurs);
  ASSERT_NE(f, nullptr);
  f->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(f));
  WaehleImMenue(r102);
  QTest::mouseClick(f->RaRadio, Qt::LeftButton);
  EXPECT_EQ(f->fArt, 4);
  EXPECT_EQ(Zeilen(f->RaGrid), (std::vector<std::string>{"R101", "R102"}));
  EXPECT_EQ(s.fAktivesFenster, f);
}

TEST_F(KursFormTest, LoeschwerkzeugUndRaeumeSchieben) {
  kurs->KopplungErgaenzen(ko);
  kurs->RaumErgaenzen(r102, false);
  kurs->NeueSetzung(1, 1, 1, r101);
  TKursForm* f = Oeffne(kurs);
  ASSERT_NE(f, nullptr);
  s.fToolArt = TToolArt::LoeschTool;
  // Gesetzt: Lehrer, Kopplung und Klasse bleiben, das Fach geht, der Raum der Stunde bleibt.
  QTest::mouseDClick(f->LehrerFeld, Qt::LeftButton);
  QTest::mouseDClick(f->Kopplfeld, Qt::LeftButton);
  QTest::mouseDClick(f->KlGrid->viewport(), Qt::LeftButton, {}, Zeile(f->KlGrid, 0));
  QTest::mouseDClick(f->RaGrid->viewport(), Qt::LeftButton, {}, Zeile(f->RaGrid, 0));
  EXPECT_EQ(f->LehrerFeld->text(), T("MUE"));
  EXPECT_EQ(f->Kopplfeld->text(), T("Q1"));
  EXPECT_EQ(Zeilen(f->KlGrid), std::vector<std::string>{"5a"});
  EXPECT_EQ(Zeilen(f->RaGrid), (std::vector<std::string>{"R101", "R102"}));
  QTest::mouseDClick(f->RaGrid->viewport(), Qt::LeftButton, {}, Zeile(f->RaGrid, 1));
  QTest::mouseDClick(f->FachFeld, Qt::LeftButton);
  EXPECT_EQ(Zeilen(f->RaGrid), std::vector<std::string>{"R101"});
  EXPECT_EQ(f->FachFeld->text(), QString());
  EXPECT_EQ(kurs->fFach, nullptr);
  EXPECT_TRUE(u.dialog.fProtokoll.empty());
  kurs->AlleSetzungenEntfernen();
  QTest::mouseDClick(f->Kopplfeld, Qt::LeftButton);
  QTest::mouseDClick(f->KlGrid->viewport(), Qt::LeftButton, {}, Zeile(f->KlGrid, 0));
  EXPECT_EQ(kurs->fKopplung, nullptr);
  EXPECT_TRUE(kurs->fKlassen.empty());
  EXPECT_EQ(Zeilen(f->KlGrid), std::vector<std::string>{""});
  // Mit dem Zeigewerkzeug entfernt ein Doppelklick nichts.
  s.fToolArt = TToolArt::ZeigTool;
  QTest::mouseDClick(f->LehrerFeld, Qt::LeftButton);
  EXPECT_EQ(kurs->fLehrer, mue);

  // Schieben: die gezogene Zeile tauscht mit jeder Zeile, über die sie kommt.
  kurs->RaumErgaenzen(r102, false);
  kurs->RaumErgaenzen(aula, false);
  s.fToolArt = TToolArt::SchiebTool;
  QWidget* vp = f->RaGrid->viewport();
  ASSERT_EQ(Zeilen(f->RaGrid), (std::vector<std::string>{"R101", "R102", "Aula"}));
  QTest::mousePress(vp, Qt::LeftButton, {}, Zeile(f->RaGrid, 0));
  QTest::mouseMove(vp, Zeile(f->RaGrid, 1));
  EXPECT_EQ(Zeilen(f->RaGrid), (std::vector<std::string>{"R102", "R101", "Aula"}));
  QTest::mouseMove(vp, Zeile(f->RaGrid, 2));
  QTest::mouseRelease(vp, Qt::LeftButton, {}, Zeile(f->RaGrid, 2));
  EXPECT_EQ(KursFeld::RaumZeilen(*kurs), (std::vector<std::string>{"R102", "Aula", "R101"}));
  EXPECT_EQ(Zeilen(f->RaGrid), (std::vector<std::string>{"R102", "Aula", "R101"}));
  EXPECT_TRUE(s.fDirty);
}

TEST_F(KursFormTest, SperrungZiehenImKursfenster) {
  u.standard.fMaxTageNeu = 5;
  TFakeFenster manuell(FensterArt::Manuell, "Manuell");
  s.fManuellForm = &manuell;
  kurs->NeueSetzung(1, 1, 1, r101);
  s.SetDirty(false);
  TKursForm* f = Oeffne(kurs);
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->SperrGrid->ColCount(), 5);
  QWidget* vp = f->SperrGrid->viewport();
  QTest::mousePress(vp, Qt::LeftButton, {}, f->SperrGrid->ZellRechteck(1, 1).center());
  QTest::mouseMove(vp, f->SperrGrid->ZellRechteck(2, 3).center());
  QTest::mouseRelease(vp, Qt::LeftButton, {}, f->SperrGrid->ZellRechteck(2, 3).center());
  EXPECT_FALSE(kurs->fSperrung.GetWocheTagStd(1, 1, 1));  // dort liegt die Stunde
  EXPECT_TRUE(kurs->fSperrung.GetWocheTagStd(1, 1, 2));
  EXPECT_TRUE(kurs->fSperrung.GetWocheTagStd(1, 2, 3));
  EXPECT_FALSE(kurs->fSperrung.GetWocheTagStd(1, 3, 1));
  EXPECT_TRUE(s.fDirty);
  EXPECT_GT(manuell.fRefreshs, 0);
}

TEST_F(KursFormTest, VorigerUndNaechsterKursDerListe) {
  TKurs* zwei = TKurs::IKurs(mue, k5b, nullptr, de, nullptr, 2);
  TKurs* drei = TKurs::IKurs(mue, nullptr, nullptr, nullptr, nullptr, 1);
  TKurs* fremd = TKurs::IKurs(sch, k5a, nullptr, de, nullptr, 1);
  const std::vector<TKurs*> liste = mue->fKurse.Kopie();
  ASSERT_EQ(liste.size(), 3u);
  TKursForm* f = Oeffne(liste[0], mue);
  ASSERT_NE(f, nullptr);
  Schule().FensterAktivieren(f);
  s.SetDirty(false);
  QToolButton* rechts = palette.Knopf(T("PfeilRechtsKnopf"));
  QToolButton* links = palette.Knopf(T("PfeilLinksKnopf"));
  ASSERT_TRUE(rechts->isEnabled());
  rechts->click();
  EXPECT_EQ(f->fKurs, liste[1]);
  rechts->click();
  EXPECT_EQ(f->fKurs, liste[2]);
  rechts->click();
  EXPECT_EQ(f->fKurs, liste[0]);  // im Kreis, nie ein Kurs eines anderen Lehrers
  links->click();
  EXPECT_EQ(f->fKurs, liste[2]);
  EXPECT_EQ(s.fKursForm, f);
  EXPECT_FALSE(s.fDirty);
  (void)zwei;
  (void)drei;
  (void)fremd;

  // Aus der Kursliste der Schule.
  Oeffne(fremd, nullptr);
  rechts->click();
  const std::vector<TKurs*> alle = s.fKursMenge.Kopie();
  const auto pos = std::find(alle.begin(), alle.end(), fremd) - alle.begin();
  EXPECT_EQ(f->fKurs, alle[static_cast<std::size_t>((pos + 1) % 4)]);
  EXPECT_FALSE(s.fDirty);
}

// Wird das Element gelöscht, aus dessen Kursliste das Fenster blättert, vergisst das Fenster es
// und blättert in der Kursliste der Schule weiter.
TEST_F(KursFormTest, GeloeschtesElementDerListeWirdVergessen) {
  TKurs* zweiter = TKurs::IKurs(sch, k5b, nullptr, de, nullptr, 2);
  TKursForm* f = Oeffne(zweiter, k5b);
  ASSERT_NE(f, nullptr);
  ASSERT_EQ(f->fVater, k5b);
  s.ElementLoeschen(k5b);
  Loeschen();
  ASSERT_EQ(s.fKursForm, f);
  EXPECT_EQ(f->fVater, nullptr);
  Schule().FensterAktivieren(f);
  palette.Knopf(T("PfeilRechtsKnopf"))->click();
  const std::vector<TKurs*> alle = s.fKursMenge.Kopie();
  const auto pos = std::find(alle.begin(), alle.end(), zweiter) - alle.begin();
  EXPECT_EQ(f->fKurs, alle[static_cast<std::size_t>((pos + 1) % alle.size())]);
}

TEST_F(KursFormTest, SchliessenNichtBeiOffenemMenueMitAltAlleFenster) {
  QPointer<TKursForm> f = Oeffne(kurs);
  ASSERT_NE(f, nullptr);
  palette.ElementMenueZeigen(leh);
  ASSERT_TRUE(MenuOffen());
  f->close();
  Loeschen();
  ASSERT_NE(f, nullptr);
  EXPECT_TRUE(f->isVisible());
  EXPECT_EQ(s.fKursForm, f.data());
  palette.OffenesMenue()->Schliessen();
  ASSERT_FALSE(MenuOffen());

  // Mit Alt schließt "Fenster schließen" alle Fenster der Liste.
  TFakeFenster anderes(FensterArt::LehrerPlan, "Plan MUE");
  Schule().FensterAnmelden(&anderes);
  QTest::keyPress(&palette, Qt::Key_Alt, Qt::AltModifier);
  f->close();
  QTest::keyRelease(&palette, Qt::Key_Alt, Qt::NoModifier);
  Loeschen();
  EXPECT_EQ(f, nullptr);
  EXPECT_EQ(anderes.fGeschlossen, 1);
  Schule().FensterAbmelden(&anderes);
  EXPECT_TRUE(s.fFensterListe.empty());
}

TEST_F(KursFormTest, MauszeigerNachDemWerkzeug) {
  TKursForm* f = Oeffne(kurs);
  ASSERT_NE(f, nullptr);
  // Die eigenen Zeiger des Programms; das Fenster folgt AdjustCursor wie jedes andere.
  auto eigener = [](const QCursor& c, int nummer) {
    return c.shape() == Qt::BitmapCursor &&
           c.pixmap().toImage() == TamrelCursor(nummer).pixmap().toImage();
  };
  s.fToolArt = TToolArt::LoeschTool;
  AdjustCursor(0);
  EXPECT_TRUE(eigener(f->LehrerFeld->cursor(), 2));
  EXPECT_TRUE(eigener(f->Kopplfeld->cursor(), 2));
  EXPECT_TRUE(eigener(f->KlGrid->Cursor(), 2));
  EXPECT_TRUE(eigener(f->RaGrid->Cursor(), 2));
  s.fToolArt = TToolArt::SchiebTool;
  AdjustCursor(0);
  EXPECT_EQ(f->FachFeld->cursor().shape(), Qt::ArrowCursor);
  EXPECT_EQ(f->KlGrid->Cursor().shape(), Qt::ArrowCursor);
  EXPECT_TRUE(eigener(f->RaGrid->Cursor(), 4));
  s.fToolArt = TToolArt::FixTool;  // bleibt, wie es war
  AdjustCursor(0);
  EXPECT_TRUE(eigener(f->RaGrid->Cursor(), 4));
  s.fToolArt = TToolArt::ZeigTool;
  AdjustCursor(0);
  EXPECT_EQ(f->RaGrid->Cursor().shape(), Qt::ArrowCursor);
  EXPECT_EQ(f->LehrerFeld->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(KursFormTest, GeloeschterKursSchliesstDasFenster) {
  QPointer<TKursForm> f = Oeffne(kurs);
  ASSERT_NE(f, nullptr);
  s.KursLoeschen(kurs);
  Loeschen();
  EXPECT_EQ(f, nullptr);
  EXPECT_EQ(s.fKursForm, nullptr);
  EXPECT_TRUE(s.fFensterListe.empty());
}

// Das Kursfenster mit einem gekoppelten, teils gesetzten Kurs der Beispielschule. Mit
// TAMREL_KURSBILD=Datei.png wird das Bild gespeichert.
TEST(KursFormBild, KursDerBeispielschule) {
  TTestUmgebung u;
  TTamrelPalette palette;
  ErzeugeBeispielSchule(Schule(), false);
  palette.MenuAnlage();
  TKurs* kurs = nullptr;
  for (TKurs* k : Schule().fKursMenge)
    if (k->fKopplung && k->fLehrer && !k->fSetzungen.empty() &&
        k->fRaeume.ListeZahlElemente() > 1 && k->fKlassen.ListeZahlElemente() > 0) {
      kurs = k;
      break;
    }
  ASSERT_NE(kurs, nullptr);
  kurs->fSperrung.SetWocheTagStd(0, 5, 7, true);
  kurs->fSperrung.SetWocheTagStd(0, 5, 8, true);
  kurs->fInfo = "Leistungskurs";
  kurs->fColor = 0xC0E0FF;
  palette.NeuesKursFenster(kurs, kurs->fLehrer);
  auto* f = dynamic_cast<TKursForm*>(Schule().fKursForm);
  ASSERT_NE(f, nullptr);
  QApplication::processEvents();
  EXPECT_EQ(f->LehrerFeld->text().toStdString(), U8(kurs->fLehrer->fKuerzel.str()));
  EXPECT_EQ(f->SperrGrid->ColCount(), 5);
  const QPixmap bild = f->grab();
  EXPECT_FALSE(bild.isNull());
  if (const QByteArray pfad = qgetenv("TAMREL_KURSBILD"); !pfad.isEmpty()) {
    EXPECT_TRUE(bild.save(QString::fromLocal8Bit(pfad)));
  }
  Schule().SetDirty(false);
}

}  // namespace
