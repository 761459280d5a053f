// Die Fenster der UV-Tabellen mit der Palette: Öffnen über die Fensterart, Kopieren, Doppelklick,
// Zeile einfügen, Artwechsel im Datenfenster, Löschen von Kursen, Elementen und der Tabelle bei
// offenem Fenster, "UV-Statistik".
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "PlanFensterHilfe.h"
#include "ui/ElementFensterUnit.h"
#include "ui/fenster/UVFormUnit.h"
#include "ui/fenster/UVGrFormUnit.h"
#include "ui/fenster/UVStatFormUnit.h"

namespace {

class UVFormTest : public PlanFensterTest {
 protected:
  UVFormTest() {
    TSchule& s = Schule();
    tab = s.HoleUVTab("UV1");
    tab->fIstFach = true;
    tab->NeuesFach(s.HoleFach("D"));
    tab->NeuesFach(s.HoleFach("M"));
    tab->NeueKlasse(k5a);
    tab->NeueKlasse(k5b);
    s.SetDirty(false);
  }
  TUVForm* OeffneUV() {
    ElementFensterOeffnen(tab, TFensterArt::DFenster, 0);
    auto* f = dynamic_cast<TUVForm*>(tab->fDepFenster);
    if (f) Schule().FensterAktivieren(f);
    return f;
  }
  void DoppelKlickUV(TUVForm* f, int col, int row, Qt::KeyboardModifiers tasten = Qt::NoModifier) {
    QWidget* v = f->UVGrid->viewport();
    const QPoint p = f->ZellPunkt(col, row);
    QTest::mouseClick(v, Qt::LeftButton, tasten, p);
    QTest::mouseDClick(v, Qt::LeftButton, tasten, p);
    QTest::mouseRelease(v, Qt::LeftButton, tasten, p);
  }
  TUVTab* tab = nullptr;
};

TEST_F(UVFormTest, DeputateOeffnetDieTabelleUndKopiertSie) {
  TUVForm* f = OeffneUV();
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->FensterArt(), FensterArt::UVTabelle);
  EXPECT_EQ(f->Titel(), "UV-Tabelle UV1");
  EXPECT_TRUE(Schule().FensterOffen(f));
  EXPECT_FALSE(Schule().fDirty);
  EXPECT_EQ(f->UVWechselKnopf->text(), "o");
  EXPECT_EQ(f->UVWechselKnopf->toolTip(), "Kopplung oder Lehrer/Fach anzeigen");
  // Zeilen 5a, 5b; Spalten D, M.
  ASSERT_EQ(f->UVGrid->RowCount(), 3);
  ASSERT_EQ(f->UVGrid->ColCount(), 3);
  EXPECT_EQ(f->UVGrid->Objects(1, 1), kD);
  EXPECT_EQ(f->UVGrid->Objects(1, 2), kD5b);
  EXPECT_EQ(f->UVGrid->Objects(0, 2), k5b);
  const std::string text =
      "\t\tD\t\tM\r\n"
      "5a\t 3.0\tMUE\t 2.0\tSCH\r\n"
      "5b\t 2.0\tMUE\t0\t\r\n";
  EXPECT_EQ(f->InhaltAlsText(), text);
  Schule().DoCopy(false, false);
  EXPECT_EQ(u.ablage.fText, text);
  // Der Knopf schaltet zwischen "o" und "x".
  f->UVWechselKnopf->click();
  EXPECT_EQ(f->UVWechselKnopf->text(), "x");
}

TEST_F(UVFormTest, DoppelklickAufLeereZelleEinKursStrgDoppelklickNeueZeile) {
  TUVForm* f = OeffneUV();
  ASSERT_NE(f, nullptr);
  Werkzeug(TToolArt::ZeigTool);
  const int kurse = Schule().fKursMenge.ListeZahlElemente();
  DoppelKlickUV(f, 2, 2);  // M in 5b: leer
  EXPECT_EQ(Schule().fKursMenge.ListeZahlElemente(), kurse + 1);
  auto* neu = static_cast<TKurs*>(f->UVGrid->Objects(2, 2));
  ASSERT_NE(neu, nullptr);
  EXPECT_EQ(neu->fKlassen.ListeNrInhalt(1), k5b);
  EXPECT_EQ(neu->fFach, Schule().HoleFach("M"));
  EXPECT_EQ(neu->fLehrer, nullptr);
  EXPECT_TRUE(Schule().fDirty);
  DoppelKlickUV(f, 2, 2);
  EXPECT_EQ(Schule().fKursMenge.ListeZahlElemente(), kurse + 1);
  // Strg-Doppelklick auf den Zeilenkopf: eine leere Zeile der 5a darunter.
  DoppelKlickUV(f, 0, 1, Qt::ControlModifier);
  ASSERT_EQ(f->UVGrid->RowCount(), 4);
  EXPECT_EQ(f->UVGrid->Objects(0, 2), k5a);
  EXPECT_EQ(f->UVGrid->Objects(1, 2), nullptr);
  EXPECT_EQ(f->UVGrid->Objects(2, 3), neu);
  // Ein neues Fach der Tabelle kommt als Spalte dazu; die eingefügte Zeile bleibt.
  tab->NeuesFach(Schule().HoleFach("ER"));
  ASSERT_EQ(f->UVGrid->ColCount(), 4);
  EXPECT_EQ(f->UVGrid->RowCount(), 4);
  EXPECT_EQ(f->UVGrid->Objects(3, 1), kER);
  EXPECT_EQ(f->UVGrid->Objects(3, 3), kER);
}

TEST_F(UVFormTest, ZeigenWaehltAlleZellenDesKursesKursLoeschenEntferntAuswahl) {
  tab->NeuesFach(Schule().HoleFach("ER"));
  TUVForm* f = OeffneUV();
  ASSERT_NE(f, nullptr);
  ASSERT_EQ(f->UVGrid->Objects(3, 1), kER);
  ASSERT_EQ(f->UVGrid->Objects(3, 2), kER);
  Werkzeug(TToolArt::ZeigTool);
  QTest::mouseClick(f->UVGrid->viewport(), Qt::LeftButton, Qt::NoModifier, f->ZellPunkt(3, 1));
  ASSERT_TRUE(f->UVPopupMenu);
  EXPECT_FALSE(f->UVPopupMenu->Menue().empty());
  EXPECT_TRUE(f->UVGrid->GetSelectCell(3, 1));
  EXPECT_TRUE(f->UVGrid->GetSelectCell(3, 2));
  EXPECT_EQ(f->AusgewaehlteKurse(), std::vector<TKurs*>{kER});
  f->UVPopupMenu->Schliessen();
  // "Kurs löschen": der verplante Kurs bleibt, wenn der Benutzer ablehnt; sonst ist er fort.
  u.dialog.Antworte("Nein");
  Schule().KursEntfernen();
  EXPECT_TRUE(Schule().fKursMenge.ListeElemEnthalten(kER));
  f->UVGrid->SetSelectCell(3, 1, true);
  u.dialog.Antworte("Ja");
  Schule().KursEntfernen();
  EXPECT_FALSE(Schule().fKursMenge.ListeElemEnthalten(kER));
  EXPECT_EQ(f->UVGrid->Objects(3, 1), nullptr);
  EXPECT_EQ(f->UVGrid->Objects(3, 2), nullptr);
  // Pläne für eine UV-Tabelle und eine Kopplung: ihr UV- bzw. Deputatsfenster.
  f->Schliessen();
  ElementFensterOeffnen(tab, TFensterArt::PFenster, 0);
  EXPECT_NE(dynamic_cast<TUVForm*>(tab->fDepFenster), nullptr);
  ElementFensterOeffnen(rel, TFensterArt::PFenster, umShift);
  ASSERT_NE(rel->fDepFenster, nullptr);
  EXPECT_EQ(rel->fDepFenster->FensterArt(), FensterArt::KopplungsDeputat);
}

TEST_F(UVFormTest, KursaenderungAnderswoGleichtDasFensterAb) {
  TUVForm* f = OeffneUV();
  ASSERT_NE(f, nullptr);
  kD->FachErgaenzen(Schule().HoleFach("M"));
  kD->FensterUpdate();
  QCoreApplication::processEvents();
  // D ist in 5a leer; M hat dort schon SCH: eine zweite Zeile der 5a.
  ASSERT_EQ(f->UVGrid->RowCount(), 4);
  EXPECT_EQ(f->UVGrid->Objects(1, 1), nullptr);
  EXPECT_EQ(f->UVGrid->Objects(2, 2), kD);
  EXPECT_EQ(f->UVGrid->Objects(0, 2), k5a);
}

TEST_F(UVFormTest, LoeschenBeiOffenemFensterLaesstKeinenVerweisZurueck) {
  TUVForm* f = OeffneUV();
  ASSERT_NE(f, nullptr);
  Schule().KursLoeschen(kD5b);
  EXPECT_EQ(f->UVGrid->Objects(1, 2), nullptr);
  EXPECT_FALSE(f->Raster().Zeigt(kD5b));
  f->UVGrid->repaint();
  // Die Klasse fällt aus der Tabelle und dem offenen Fenster.
  Schule().ElementLoeschen(k5b);
  EXPECT_EQ(f->UVGrid->RowCount(), 2);
  f->UVGrid->repaint();
  // Die Tabelle selbst: das Fenster schließt sich.
  Schule().ElementLoeschen(tab);
  EXPECT_FALSE(Schule().FensterOffen(f));
  EXPECT_EQ(f->UVTab(), nullptr);
}

TEST_F(UVFormTest, ArtwechselImDatenfensterBautDasUVFensterSofortUm) {
  TUVForm* f = OeffneUV();
  ASSERT_NE(f, nullptr);
  tab->NeuerLehrer(mue);
  tab->SetInfo("Sek I");
  ElementFensterOeffnen(tab, TFensterArt::GFenster, umShift);
  auto* g = dynamic_cast<TUVGrForm*>(tab->fGrDatFenster);
  ASSERT_NE(g, nullptr);
  EXPECT_EQ(g->InfoFeld->text(), "Sek I");
  EXPECT_EQ(g->InfoFeld->selectedText(), "Sek I");
  EXPECT_EQ(g->Titel(), "Grunddaten UV1");
  EXPECT_TRUE(g->FachRadio->isChecked());
  EXPECT_EQ(g->LinksListe->count(), 2);
  g->LehrerRadio->click();
  EXPECT_FALSE(tab->fIstFach);
  EXPECT_EQ(g->LinksTitel->text(), "UV-Lehrer");
  EXPECT_EQ(g->RechtsKnopf->text(), "Neue Klasse");
  EXPECT_EQ(g->LinksListe->count(), 1);
  // Das offene UV-Fenster zeigt sofort die Lehrertabelle: Zeile MUE, Spalten 5a, 5b.
  EXPECT_FALSE(f->Raster().IstFach());
  EXPECT_EQ(f->UVGrid->Cells(0, 0), "LK");
  EXPECT_EQ(f->UVGrid->Objects(0, 1), mue);
  EXPECT_EQ(f->UVGrid->Objects(1, 0), k5a);
  EXPECT_EQ(f->UVGrid->Objects(1, 1), kD);
  EXPECT_EQ(f->UVGrid->Objects(2, 1), kD5b);
  // Mit "Löschen" nimmt ein Doppelklick das Element aus der Tabelle.
  Werkzeug(TToolArt::LoeschTool);
  g->ListeDoppelKlick(true, 1);
  EXPECT_TRUE(tab->fLehrer.empty());
  EXPECT_EQ(f->UVGrid->RowCount(), 1);
  f->UVGrid->repaint();
}

TEST_F(UVFormTest, UVStatistikAusDerPalette) {
  Schule().HoleUVTab("UV2");
  palette.Befehl(QStringLiteral("Daten/UV-Statistik/UV-Tabellen"))->trigger();
  auto* st = dynamic_cast<TUVStatForm*>(Schule().fUVStatForm);
  ASSERT_NE(st, nullptr);
  EXPECT_EQ(st->Titel(), "UV-Statistik");
  ASSERT_EQ(st->StatGrid->RowCount(), 3);
  EXPECT_EQ(st->StatGrid->Cells(0, 1), "F");
  EXPECT_EQ(st->StatGrid->Cells(1, 1), "UV1");
  EXPECT_EQ(st->StatGrid->Cells(0, 2), "L");
  EXPECT_EQ(st->StatGrid->ColWidths(0), 38);
  EXPECT_EQ(st->StatGrid->ColWidths(2), 87);
  // Doppelklick auf die Zeile: das Fenster der Tabelle in der gewählten Fensterart.
  Schule().fFensterArt = TFensterArt::DFenster;
  const QPoint p = st->StatGrid->CellRect(1, 1).center();
  QTest::mouseClick(st->StatGrid->viewport(), Qt::LeftButton, Qt::NoModifier, p);
  QTest::mouseDClick(st->StatGrid->viewport(), Qt::LeftButton, Qt::NoModifier, p);
  EXPECT_NE(dynamic_cast<TUVForm*>(tab->fDepFenster), nullptr);
  // Ein gelöschtes Element verschwindet aus der Statistik.
  Schule().ElementLoeschen(tab);
  EXPECT_EQ(st->StatGrid->RowCount(), 2);
}

}  // namespace
