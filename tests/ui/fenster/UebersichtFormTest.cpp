// Die Übersichtsfenster: Öffnen aus dem Menü, Kopieren, Mausgesten, Löschen eines Elements.
#include "PlanFensterHilfe.h"
#include "ui/fenster/QtTextUnit.h"
#include "ui/fenster/UebersichtFormUnit.h"

namespace {

class UebersichtFormTest : public PlanFensterTest {
 protected:
  // Öffnet die Übersicht aus dem Menü und macht sie zum aktiven Fenster.
  TUebersichtForm* Oeffne(const char* eintrag, TFenster* TSchule::*platz) {
    palette.Befehl(T("Daten/Übersichten/") + T(eintrag))->trigger();
    auto* f = dynamic_cast<TUebersichtForm*>(Schule().*platz);
    if (f) Schule().FensterAktivieren(f);
    return f;
  }
  QWidget* Flaeche(TUebersichtForm* f) { return f->UeberGrid->viewport(); }
  void DoppelKlick(TUebersichtForm* f, int col, int row) {
    const QPoint p = f->ZellPunkt(col, row);
    QTest::mouseClick(Flaeche(f), Qt::LeftButton, Qt::NoModifier, p);
    QTest::mouseDClick(Flaeche(f), Qt::LeftButton, Qt::NoModifier, p);
    QTest::mouseRelease(Flaeche(f), Qt::LeftButton, Qt::NoModifier, p);
  }
  void Ziehe(TUebersichtForm* f, int vonCol, int vonRow, int nachCol, int nachRow,
             Qt::KeyboardModifiers tasten = Qt::NoModifier) {
    QTest::mousePress(Flaeche(f), Qt::LeftButton, tasten, f->ZellPunkt(vonCol, vonRow));
    QTest::mouseMove(Flaeche(f), f->ZellPunkt(nachCol, nachRow));
    QTest::mouseRelease(Flaeche(f), Qt::LeftButton, tasten, f->ZellPunkt(nachCol, nachRow));
  }
};

TEST_F(UebersichtFormTest, OeffnenEinmalUndKopieren) {
  TUebersichtForm* f = Oeffne("Lehrerübersicht", &TSchule::fLehrUebForm);
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->FensterArt(), FensterArt::LehrerUebersicht);
  EXPECT_EQ(f->windowTitle(), T("Übersicht für Lehrer"));
  EXPECT_EQ(f->UeberGrid->ColCount(), 5);   // MUE, SCH, KRA, WEB
  EXPECT_EQ(f->UeberGrid->RowCount(), 31);  // 5 Tage × 6 Stunden
  EXPECT_EQ(f->Element(1), mue);
  EXPECT_EQ(f->ZellKurs(1, 1), kD);
  EXPECT_EQ(f->ZellKurs(1, 7), kD);                     // Dienstag, 1. Stunde
  EXPECT_EQ(f->Marke(1, 25), TPlnForm::MarkeSperrung);  // MUE Freitag 1
  EXPECT_EQ(f->UeberGrid->Cells(0, 14), T("Mi  2"));
  // Ein zweites Öffnen holt dasselbe Fenster.
  EXPECT_EQ(Oeffne("Lehrerübersicht", &TSchule::fLehrUebForm), f);
  palette.KopierenItemClick(false);
  EXPECT_EQ(u.ablage.fText, UebersichtAlsText(UebersichtFuellen(leh), true, false));
  EXPECT_EQ(
      u.ablage.fText.rfind(std::string("\tMUE\tSCH\tKRA\tWEB\r\nMo  1\t5a D R1\t---\t---"), 0), 0u);
  f->grab();  // Köpfe und Zellen zeichnen
  // Schließen räumt den Platz.
  f->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(Schule().fLehrUebForm, nullptr);
  EXPECT_FALSE(Schule().FensterOffen(f));
}

TEST_F(UebersichtFormTest, ZiehenSchiebtNurInDerZeit) {
  TUebersichtForm* f = Oeffne("Lehrerübersicht", &TSchule::fLehrUebForm);
  ASSERT_NE(f, nullptr);
  Werkzeug(TToolArt::SchiebTool);
  // Von MUE Mo 1 in die Spalte von SCH, Mo 3: die Stunde bleibt bei MUE, nun Mo 3.
  Ziehe(f, 1, 1, 2, 3);
  EXPECT_EQ(kD->SetzungFinden(1, 1, 1), nullptr);
  ASSERT_NE(kD->SetzungFinden(1, 1, 3), nullptr);
  EXPECT_EQ(f->ZellKurs(1, 3), kD);
  EXPECT_EQ(f->ZellKurs(2, 3), nullptr);
  EXPECT_EQ(f->ZellKurs(1, 1), nullptr);
  EXPECT_TRUE(BelegungenStimmen(Schule()));
}

TEST_F(UebersichtFormTest, LoeschenUndFixierenNurDieGeklickteZelle) {
  TUebersichtForm* f = Oeffne("Klassenübersicht", &TSchule::fKlasUebForm);
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->windowTitle(), T("Übersicht für Klassen"));
  Werkzeug(TToolArt::FixTool);
  DoppelKlick(f, 1, 7);  // 5a Di 1
  EXPECT_TRUE(kD->SetzungFinden(1, 2, 1)->fFixiert);
  EXPECT_FALSE(kD->SetzungFinden(1, 1, 1)->fFixiert);
  Werkzeug(TToolArt::LoeschTool);
  DoppelKlick(f, 1, 2);  // 5a Mo 2: M
  EXPECT_EQ(kM->SetzungFinden(1, 1, 2), nullptr);
  EXPECT_EQ(f->ZellKurs(1, 2), nullptr);
  EXPECT_NE(kD->SetzungFinden(1, 1, 1), nullptr);
  EXPECT_TRUE(BelegungenStimmen(Schule()));
}

TEST_F(UebersichtFormTest, GeloeschtesElementVerschwindetSofort) {
  TUebersichtForm* f = Oeffne("Raumübersicht", &TSchule::fRaumUebForm);
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->UeberGrid->ColCount(), 5);
  EXPECT_EQ(f->ZellKurs(2, 2), kM);  // R2 Mo 2
  Schule().ElementLoeschen(r1);
  EXPECT_EQ(f->UeberGrid->ColCount(), 4);
  EXPECT_EQ(f->Element(1), r2);
  EXPECT_EQ(f->ZellKurs(1, 2), kM);
  f->grab();
  EXPECT_EQ(f->InhaltAlsText(), UebersichtAlsText(UebersichtFuellen(rau), true, false));
}

TEST_F(UebersichtFormTest, SetzwerkzeugRechtsMarkiertDieSpalte) {
  TUebersichtForm* f = Oeffne("Lehrerübersicht", &TSchule::fLehrUebForm);
  ASSERT_NE(f, nullptr);
  Werkzeug(TToolArt::SetzTool);
  QTest::mouseClick(Flaeche(f), Qt::RightButton, Qt::NoModifier, f->ZellPunkt(2, 5));
  ASSERT_TRUE(f->UeberPopupMenu);
  // Der Eintrag von M (SCH, 1 offene Stunde), im Untermenü "ohne Raum".
  kM->RechtsUebWahl(nullptr, f);
  int markiert = 0;
  for (int c = 1; c < f->UeberGrid->ColCount(); ++c)
    for (int z = 1; z < f->UeberGrid->RowCount(); ++z)
      if (f->Marke(c, z) == TPlnForm::MarkeRechts) {
        EXPECT_EQ(c, 2);
        ++markiert;
      }
  EXPECT_GT(markiert, 0);
  EXPECT_NE(f->Marke(2, 1), TPlnForm::MarkeRechts);  // 5a hat Mo 1 D
}

}  // namespace
