// Das Fenster "Parallele Kopplungen" mit Startdialog und Suche: Gesten der Werkzeuge auf dem
// echten Raster, Menüs, Setzen einer Zeile, Palette.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

#include "PlanFensterHilfe.h"
#include "ui/fenster/ParFormUnit.h"
#include "ui/fenster/ParStartFormUnit.h"
#include "ui/fenster/ParSuchFormUnit.h"

namespace {

class ParFormTest : public PlanFensterTest {
 protected:
  ParFormTest() {
    TSchule& s = Schule();
    ka = s.HoleKopplung("KA");
    kb = s.HoleKopplung("KB");
    kAD = Kurs(mue, s.HoleFach("D"), {s.HoleKlasse("Q1")}, {}, ka, 2, 0xFFFFFF);
    kBM = Kurs(sch, s.HoleFach("M"), {s.HoleKlasse("Q2")}, {}, kb, 2, 0xFFFFFF);
    st.fParZeilen = 3;
    st.fParSpalten = 2;
    st.fParUeber = false;
    st.fParMitFach = true;
    Schule().SetDirty(false);
  }

  TParForm* Oeffne() {
    TParForm* f = TParForm::ZeigeParForm();
    Schule().FensterAktivieren(f);
    return f;
  }
  QWidget* Flaeche(TParForm* f) { return f->ParGrid->viewport(); }
  void Klick(TParForm* f, int r, int c, Qt::MouseButton knopf = Qt::LeftButton) {
    QTest::mouseClick(Flaeche(f), knopf, Qt::NoModifier, f->ZellPunkt(r, c));
  }
  void DoppelKlick(TParForm* f, int r, int c) {
    const QPoint p = f->ZellPunkt(r, c);
    QTest::mouseClick(Flaeche(f), Qt::LeftButton, Qt::NoModifier, p);
    QTest::mouseDClick(Flaeche(f), Qt::LeftButton, Qt::NoModifier, p);
    QTest::mouseRelease(Flaeche(f), Qt::LeftButton, Qt::NoModifier, p);
  }
  void Ziehe(TParForm* f, int r1, int c1, int r2, int c2,
             Qt::KeyboardModifiers tasten = Qt::NoModifier) {
    QTest::mousePress(Flaeche(f), Qt::LeftButton, tasten, f->ZellPunkt(r1, c1));
    QTest::mouseMove(Flaeche(f), f->ZellPunkt(r1, c1) + QPoint(8, 8));
    QTest::mouseMove(Flaeche(f), f->ZellPunkt(r2, c2));
    QTest::mouseRelease(Flaeche(f), Qt::LeftButton, tasten, f->ZellPunkt(r2, c2));
  }
  // Setzt mit dem Setzwerkzeug die Kopplung in die Zelle (über das Kopplungsmenü).
  void Setze(TParForm* f, int r, int c, TKopplung* k) {
    Werkzeug(TToolArt::SetzTool);
    Klick(f, r, c);
    ASSERT_NE(f->ParPopupMenu, nullptr);
    const TMenue& m = f->ParPopupMenu->Menue();
    for (std::size_t i = 0; i < m.size(); ++i)
      if (m[i].Objekt == k) {
        EXPECT_TRUE(f->ParPopupMenu->Waehle(static_cast<int>(i)));
        return;
      }
    ADD_FAILURE() << "Kopplung fehlt im Menü";
  }

  TKopplung *ka, *kb;
  TKurs *kAD, *kBM;
};

TEST_F(ParFormTest, StartdialogZeigtGroesseUndSpeichertWerte) {
  Schule().fParListe->fZeilen = 4;
  Schule().fParListe->fSpalten = 5;
  Schule().fParListe->fListe.assign(20, nullptr);
  // Der Menübefehl ist mit einer offenen Schule wählbar.
  palette.AktualisierePalette();
  EXPECT_TRUE(palette.Befehl(QStringLiteral("Daten/Parallele Kopplungen"))->isEnabled());
  TParStartForm start;
  EXPECT_EQ(start.windowTitle(), QStringLiteral("Parallele Kopplungen"));
  EXPECT_EQ(start.ZeilenFeld->value(), 3);
  start.UeberCheck->click();
  EXPECT_EQ(start.ZeilenFeld->value(), 4);
  EXPECT_EQ(start.SpaltenFeld->value(), 5);
  start.FachCheck->setChecked(false);
  start.OkKnopf->click();
  EXPECT_EQ(start.result(), QDialog::Accepted);
  EXPECT_TRUE(st.fParUeber);
  EXPECT_FALSE(st.fParMitFach);
  EXPECT_EQ(st.fParZeilen, 4);
  EXPECT_EQ(st.fParSpalten, 5);
}

TEST_F(ParFormTest, WerkzeugeSetzenSchiebenLoeschenFixieren) {
  TParForm* f = Oeffne();
  EXPECT_EQ(Schule().fParForm, f);
  EXPECT_EQ(f->ParGrid->Cells(0, 0), QStringLiteral("Konfl."));
  EXPECT_EQ(f->ParGrid->Cells(2, 0), QStringLiteral("Spalte 2"));
  EXPECT_EQ(f->ParGrid->ColWidths(1), 120);
  // Die Palette schaltet "Automatik" für dieses Fenster frei.
  EXPECT_TRUE(palette.Knopf(QStringLiteral("AutomatKnopf"))->isEnabled());

  Setze(f, 1, 1, ka);
  EXPECT_EQ(f->Tabelle().Kopplung(1, 1), ka);
  EXPECT_EQ(Schule().fParListe->fListe[0], ka);
  EXPECT_TRUE(Schule().fDirty);
  EXPECT_EQ(f->InhaltAlsText(),
            "Konfl.\tSpalte 1\tSpalte 2\r\n0\tKA [ D ]\t\r\n0\t\t\r\n0\t\t\r\n");

  Werkzeug(TToolArt::SchiebTool);
  Ziehe(f, 1, 1, 2, 2, Qt::ShiftModifier);
  EXPECT_EQ(f->Tabelle().Kopplung(1, 1), ka);
  EXPECT_EQ(f->Tabelle().Kopplung(2, 2), ka);
  Ziehe(f, 2, 2, 3, 1);
  EXPECT_EQ(f->Tabelle().Kopplung(2, 2), nullptr);
  EXPECT_EQ(f->Tabelle().Kopplung(3, 1), ka);
  // Auf eine Kopfzelle abgelegt: nichts.
  Ziehe(f, 3, 1, 0, 1);
  EXPECT_EQ(f->Tabelle().Kopplung(3, 1), ka);

  Werkzeug(TToolArt::FixTool);
  DoppelKlick(f, 1, 1);
  EXPECT_EQ(f->Tabelle().Marke(1, 1), "F");
  Werkzeug(TToolArt::LoeschTool);
  DoppelKlick(f, 3, 1);
  EXPECT_EQ(f->Tabelle().Kopplung(3, 1), nullptr);
  EXPECT_EQ(Schule().fParListe->fListe,
            (std::vector<TKopplung*>{ka, nullptr, nullptr, nullptr, nullptr, nullptr}));

  // Eine gelöschte Kopplung verschwindet aus dem Fenster.
  Schule().ElementLoeschen(ka);
  EXPECT_EQ(f->Tabelle().Kopplung(1, 1), nullptr);
  EXPECT_EQ(f->InhaltAlsText(), "Konfl.\tSpalte 1\tSpalte 2\r\n0\t\t\r\n0\t\t\r\n0\t\t\r\n");
}

TEST_F(ParFormTest, KopfzelleZeigtKonflikteOderSetztDieZeile) {
  TParForm* f = Oeffne();
  Setze(f, 1, 1, ka);
  Setze(f, 1, 2, kb);
  // Ohne Werkzeug, rechte Taste auf der Kopfzelle: die Fächer der Zeile.
  Werkzeug(TToolArt::ZeigTool);
  Klick(f, 1, 0, Qt::RightButton);
  ASSERT_NE(f->ParPopupMenu, nullptr);
  ASSERT_EQ(f->ParPopupMenu->Menue().size(), 2u);
  EXPECT_EQ(f->ParPopupMenu->Menue()[1].Text, "M [1]");
  f->ParPopupMenu->Schliessen();

  // Setzen auf der Kopfzelle einer Zeile ohne Konflikt: die freien Zeiten; MUE ist Montag in
  // der 1. Stunde besetzt.
  Werkzeug(TToolArt::SetzTool);
  Klick(f, 1, 0);
  ASSERT_NE(f->ParPopupMenu, nullptr);
  const TMenue& zeiten = f->ParPopupMenu->Menue();
  ASSERT_EQ(zeiten.size(), 5u);
  EXPECT_EQ(zeiten[0].Untermenue.front().Wert, 3);  // SCH hat Montag die 2. Stunde
  // Dienstag hat MUE die 1. Stunde: frei sind 2 bis 6.
  ASSERT_EQ(zeiten[1].Untermenue.size(), 5u);
  EXPECT_EQ(zeiten[1].Untermenue[1].Wert, 3);
  EXPECT_TRUE(f->ParPopupMenu->WaehlePfad({1, 1}));
  ASSERT_NE(kAD->SetzungFinden(1, 2, 3), nullptr);
  ASSERT_NE(kBM->SetzungFinden(1, 2, 3), nullptr);
  EXPECT_TRUE(BelegungenStimmen(Schule()));

  // Mit Konflikt: die Lehrer mit ihren Kursen.
  Kurs(mue, Schule().HoleFach("M"), {Schule().HoleKlasse("Q2")}, {}, kb, 1, 0xFFFFFF);
  f->FensterUpdate();
  Klick(f, 1, 0);
  ASSERT_NE(f->ParPopupMenu, nullptr);
  ASSERT_EQ(f->ParPopupMenu->Menue().size(), 1u);
  EXPECT_EQ(f->ParPopupMenu->Menue()[0].Text.rfind("MUE [", 0), 0u);
  EXPECT_EQ(f->InhaltAlsText().substr(26, 2), "1\t");
}

TEST_F(ParFormTest, SucheZaehltUndUebernimmtDieLoesung) {
  TParForm* f = Oeffne();
  TKopplung* kc = Schule().HoleKopplung("KC");
  Kurs(mue, Schule().HoleFach("E"), {Schule().HoleKlasse("Q3")}, {}, kc, 1, 0xFFFFFF);
  Setze(f, 1, 1, ka);
  Setze(f, 2, 1, kb);
  Setze(f, 1, 2, kc);
  EXPECT_EQ(f->Tabelle().Schnitt(1), 1);
  {
    TParSuchForm suche(f->Tabelle(), f);
    EXPECT_EQ(suche.windowTitle(), QStringLiteral("Suche Lösung"));
    suche.Starte();
    EXPECT_FALSE(suche.Laeuft());
    // Sechs Folgen der ersten Spalte, je zwei Zeilen für KC ohne KA.
    EXPECT_EQ(suche.KombinationFeld->text(), QStringLiteral("12"));
    EXPECT_EQ(f->Tabelle().Schnitt(1) + f->Tabelle().Schnitt(2) + f->Tabelle().Schnitt(3), 0);
    suche.AnhaltenKnopf->click();
    EXPECT_EQ(suche.result(), QDialog::Accepted);
  }
  // Zwei feste Zellen desselben Lehrers in einer Zeile: keine Lösung, die Tabelle bleibt.
  f->Tabelle().Leere(1, 1);
  f->Tabelle().Leere(2, 1);
  f->Tabelle().Leere(3, 1);
  f->Tabelle().Leere(1, 2);
  f->Tabelle().Leere(2, 2);
  f->Tabelle().Leere(3, 2);
  f->Tabelle().Setze(1, 1, ka);
  f->Tabelle().Setze(1, 2, kc);
  f->Tabelle().FixUmschalten(1, 1);
  f->Tabelle().FixUmschalten(1, 2);
  const auto vorher = Schule().fParListe->fListe;
  TParSuchForm suche(f->Tabelle(), f);
  suche.Starte();
  EXPECT_EQ(suche.ErgebnisFeld->text(), QStringLiteral("Keine Lösung gefunden."));
  EXPECT_EQ(Titel(), (std::vector<std::string>{"Suche Lösung"}));
  EXPECT_EQ(Schule().fParListe->fListe, vorher);
}

}  // namespace
