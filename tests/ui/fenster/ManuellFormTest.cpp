// Das Manuellfenster: Öffnen aus einer Auswahl, die Tafeln, Setzen, Schieben, Löschen und
// Fixieren mit der Maus, Blättern, Konfliktmarken, Widerrufen und Löschen des Protokolls,
// Schließen.
#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>
#include <tuple>

#include "PlanFensterHilfe.h"
#include "app/BeispielSchuleUnit.h"
#include "model/KlassenUnit.h"
#include "planning/UndoUnit.h"
#include "ui/fenster/ManuellFormUnit.h"
#include "ui/fenster/QtTextUnit.h"

namespace {

using TStundenBild = std::vector<std::tuple<const TKurs*, int, int, int, const TRaum*, bool>>;
TStundenBild Bild(const TSchule& s) {
  TStundenBild b;
  for (const TKurs* k : s.fKursMenge)
    for (const TSetzung* z : k->fSetzungen)
      b.emplace_back(k, z->fWoche, z->fTag, z->fStunde, z->fRaum, z->fFixiert);
  std::sort(b.begin(), b.end());
  return b;
}

class ManuellFormTest : public PlanFensterTest {
 protected:
  ManuellFormTest() { st.fManArt = 3; }

  TManuellForm* Offen() const { return dynamic_cast<TManuellForm*>(Schule().fManuellForm); }

  // Öffnet das Fenster mit den Kursen, groß genug, dass jede Zelle sichtbar ist.
  TManuellForm* Manuell(const std::vector<TKurs*>& kurse, bool ohneKonflikte = false) {
    TManuellForm* f = TManuellForm::IManuellForm(kurse, ohneKonflikte);
    if (f) Gross(f);
    return f;
  }

  static void Gross(TManuellForm* f) {
    f->resize(2400, 1400);
    QApplication::processEvents();
  }

  QWidget* Flaeche(TManuellForm* f, int nr) { return f->TafelGrid(nr)->viewport(); }

  void DoppelKlick(TManuellForm* f, int nr, int tag, int std,
                   Qt::KeyboardModifiers tasten = Qt::NoModifier) {
    const QPoint p = f->ZellPunkt(nr, tag, std);
    QTest::mouseClick(Flaeche(f, nr), Qt::LeftButton, tasten, p);
    QTest::mouseDClick(Flaeche(f, nr), Qt::LeftButton, tasten, p);
    QTest::mouseRelease(Flaeche(f, nr), Qt::LeftButton, tasten, p);
  }

  void Ziehe(TManuellForm* f, int nr, int vonTag, int vonStd, int nachTag, int nachStd,
             Qt::KeyboardModifiers tasten = Qt::NoModifier) {
    QTest::mousePress(Flaeche(f, nr), Qt::LeftButton, tasten, f->ZellPunkt(nr, vonTag, vonStd));
    QTest::mouseMove(Flaeche(f, nr), f->ZellPunkt(nr, nachTag, nachStd));
    QTest::mouseRelease(Flaeche(f, nr), Qt::LeftButton, tasten, f->ZellPunkt(nr, nachTag, nachStd));
  }

  bool An(const char* pfad) const { return palette.Befehl(T(pfad))->isEnabled(); }
  QString Text(const char* pfad) const { return palette.Befehl(T(pfad))->text(); }

  std::vector<QString> FensterMenue() const {
    auto* menue = qobject_cast<QMenu*>(palette.Befehl(T("Fenster/Zwischenablage"))->parent());
    std::vector<QString> t;
    for (QAction* a : menue->actions()) t.push_back(a->text());
    return t;
  }
};

TEST_F(ManuellFormTest, OeffnenAusDerAuswahlImKlassenplan) {
  TPlnForm* plan = Oeffne(k5a);
  // Mo 1 und Di 1 (beide MUE D), Mo 2 (SCH M) und eine leere Zelle.
  plan->PlnGrid->SetSelectCell(1, 1, true);
  plan->PlnGrid->SetSelectCell(2, 1, true);
  plan->PlnGrid->SetSelectCell(1, 2, true);
  plan->PlnGrid->SetSelectCell(4, 4, true);
  QToolButton* knopf = palette.Knopf(T("ManuellKnopf"));
  ASSERT_TRUE(knopf->isEnabled());
  knopf->click();
  TManuellForm* f = Offen();
  ASSERT_NE(f, nullptr);
  Gross(f);
  TManuellPlanung* p = f->Planung();
  EXPECT_EQ(p->fKurse.Kopie(), (std::vector<TKurs*>{kD, kM}));
  EXPECT_EQ(p->fKurs, kD);
  EXPECT_EQ(f->windowTitle(), T("Manuell"));
  EXPECT_EQ(f->FensterArt(), FensterArt::Manuell);
  EXPECT_EQ(Schule().fAktivesFenster, f);
  EXPECT_EQ(Schule().fToolArt, TToolArt::SchiebTool);
  EXPECT_TRUE(Merken());
  EXPECT_FALSE(Schule().fDirty);
  // Die Befehle gelten dem Protokoll und sind noch gesperrt.
  EXPECT_EQ(Text("Bearbeiten/Widerrufen"), T("Widerrufen Protokoll"));
  EXPECT_EQ(Text("Bearbeiten/Löschen"), T("Löschen Protokoll"));
  EXPECT_FALSE(An("Bearbeiten/Widerrufen"));
  EXPECT_FALSE(An("Bearbeiten/Löschen"));
  EXPECT_EQ(FensterMenue().back(), T("Manuell"));
  // Die Tafeln: Klasse, Lehrer, Raum des Kurses; die erste ist aktiv.
  EXPECT_EQ(f->TafelZahl(), 3);
  EXPECT_EQ(f->TafelElement(1), k5a);
  EXPECT_EQ(f->TafelElement(2), mue);
  EXPECT_EQ(f->TafelElement(3), r1);
  EXPECT_EQ(f->TafelGrid(1)->Cells(0, 0), T("K"));
  EXPECT_EQ(f->TafelGrid(2)->Cells(0, 0), T("L"));
  EXPECT_EQ(f->TafelGrid(3)->Cells(0, 0), T("A"));
  EXPECT_EQ(f->TafelGrid(1)->Cells(1, 0), T("Mo"));
  EXPECT_EQ(f->TafelGrid(1)->Cells(0, 1), T(" 1"));
  EXPECT_EQ(f->TafelUeberschrift(1)->text(), T("Klasse 5a"));
  EXPECT_EQ(f->TafelRahmen(1)->frameShadow(), QFrame::Raised);
  EXPECT_EQ(f->TafelRahmen(2)->frameShadow(), QFrame::Sunken);
  // Der Lehrerplan zeigt MUE auch in 5b; der Raumplan nur Stunden in R1; "*sperrung*" von MUE.
  EXPECT_EQ(f->ZellKurs(2, 4, 2), kD5b);
  EXPECT_EQ(f->ZellKurs(1, 4, 2), nullptr);
  EXPECT_EQ(f->ZellKurs(3, 1, 2), nullptr);
  EXPECT_EQ(f->TafelGrid(2)->Cells(5, 1), T("*sperrung*"));
  EXPECT_EQ(f->TafelGrid(2)->Cells(1, 1), T("N"));
  // Die linke Spalte.
  EXPECT_EQ(f->StundenFeld->text(), T("3"));
  EXPECT_EQ(f->RestFeld->text(), T("1"));
  EXPECT_EQ(f->LehrerFeld->text(), T("MUE"));
  EXPECT_EQ(f->FachFeld->text(), T("D"));
  EXPECT_EQ(f->KlasseFeld->text(), T("5a"));
  EXPECT_EQ(f->KopplungFeld->text(), T("ohne"));
  EXPECT_EQ(f->RaumFeld->text(), T("R1"));
  EXPECT_FALSE(f->KopplungKnopf->isEnabled());
  EXPECT_EQ(f->ZeigeKnopf->text(), T("Kopplung"));
  // Ein zweites "Manuell" holt das Fenster nur nach vorn.
  Schule().FensterAktivieren(plan);
  plan->PlnGrid->DeSelectAll();
  plan->PlnGrid->SetSelectCell(3, 3, true);
  palette.Knopf(T("ManuellKnopf"))->click();
  EXPECT_EQ(Offen(), f);
  EXPECT_EQ(p->fKurse.Kopie(), (std::vector<TKurs*>{kD, kM}));
}

TEST_F(ManuellFormTest, OhneGesetztenKursGeschiehtNichts) {
  TPlnForm* plan = Oeffne(k5a);
  plan->PlnGrid->SetSelectCell(4, 4, true);
  kD->fNichtVerplanen = true;
  plan->PlnGrid->SetSelectCell(1, 1, true);
  palette.Knopf(T("ManuellKnopf"))->click();
  EXPECT_EQ(Offen(), nullptr);
  EXPECT_EQ(ManuellProtokoll(), nullptr);
}

TEST_F(ManuellFormTest, SetzenSchiebenLoeschenFixierenMitDerMaus) {
  TManuellForm* f = Manuell({kD, kM});
  ASSERT_NE(f, nullptr);
  // Setzen: Doppelklick auf Mi 1 im Klassenplan.
  Werkzeug(TToolArt::SetzTool);
  DoppelKlick(f, 1, 3, 1);
  ASSERT_NE(kD->SetzungFinden(1, 3, 1), nullptr);
  EXPECT_EQ(kD->SetzungFinden(1, 3, 1)->fRaum, r1);
  EXPECT_EQ(f->ZellKurs(1, 3, 1), kD);
  EXPECT_EQ(f->ZellKurs(3, 3, 1), kD);  // auch im Raumplan R1
  EXPECT_EQ(f->RestFeld->text(), T("0"));
  EXPECT_EQ(f->Zeichen(1, 3, 1).Streifen, TManStreifen::Eigener);
  EXPECT_TRUE(An("Bearbeiten/Widerrufen"));
  EXPECT_TRUE(An("Bearbeiten/Löschen"));
  EXPECT_EQ(Text("Bearbeiten/Widerrufen"), T("Widerrufen Protokoll"));
  EXPECT_TRUE(u.dialog.fProtokoll.empty());

  // Schieben: Mo 1 nach Do 4 ziehen; dabei ist jede Zelle des Kurses markiert.
  Werkzeug(TToolArt::SchiebTool);
  QTest::mousePress(Flaeche(f, 1), Qt::LeftButton, Qt::NoModifier, f->ZellPunkt(1, 1, 1));
  EXPECT_EQ(f->MarkierteZellen(), (std::vector<std::pair<int, int>>{{1, 1}, {2, 1}, {3, 1}}));
  QTest::mouseMove(Flaeche(f, 1), f->ZellPunkt(1, 4, 4));
  QTest::mouseRelease(Flaeche(f, 1), Qt::LeftButton, Qt::NoModifier, f->ZellPunkt(1, 4, 4));
  EXPECT_EQ(kD->SetzungFinden(1, 1, 1), nullptr);
  ASSERT_NE(kD->SetzungFinden(1, 4, 4), nullptr);
  EXPECT_EQ(kD->SetzungFinden(1, 4, 4)->fRaum, r1);
  EXPECT_TRUE(f->MarkierteZellen().empty());
  // Nach dem Ablegen: der nächste Kurs mit offenen Stunden.
  EXPECT_EQ(f->Planung()->fKurs, kM);
  EXPECT_EQ(f->TafelElement(2), sch);
  // Schieben auf eine Zelle, in der der Kurs schon liegt: nichts.
  kM->NeueSetzung(1, 2, 2, r2);
  Ziehe(f, 1, 1, 2, 2, 2);
  EXPECT_NE(kM->SetzungFinden(1, 1, 2), nullptr);
  EXPECT_NE(kM->SetzungFinden(1, 2, 2), nullptr);

  // Fixieren: Doppelklick auf Mo 2.
  Werkzeug(TToolArt::FixTool);
  DoppelKlick(f, 1, 1, 2);
  EXPECT_TRUE(kM->SetzungFinden(1, 1, 2)->fFixiert);
  DoppelKlick(f, 1, 1, 2);
  EXPECT_FALSE(kM->SetzungFinden(1, 1, 2)->fFixiert);

  // Löschen: Doppelklick auf Di 1 (kD) nimmt die Stunde; kD kommt (schon da) in die Liste.
  Werkzeug(TToolArt::LoeschTool);
  DoppelKlick(f, 1, 2, 1);
  EXPECT_EQ(kD->SetzungFinden(1, 2, 1), nullptr);
  EXPECT_EQ(f->ZellKurs(1, 2, 1), nullptr);
  // Mit Strg nur den Raum.
  DoppelKlick(f, 1, 4, 4, Qt::ControlModifier);
  ASSERT_NE(kD->SetzungFinden(1, 4, 4), nullptr);
  EXPECT_EQ(kD->SetzungFinden(1, 4, 4)->fRaum, nullptr);
  // Eine gekoppelte Stunde: die Frage; "Dieser Kurs" nimmt nur sie.
  u.dialog.Antworte("Dieser Kurs");
  DoppelKlick(f, 1, 3, 3);
  EXPECT_EQ(Titel(), std::vector<std::string>{"gekoppelten Kurs löschen"});
  EXPECT_TRUE(kER->SetzungFinden(1, 3, 3) == nullptr || kKR->SetzungFinden(1, 3, 3) == nullptr);
  EXPECT_EQ(f->Planung()->fKurse.ListeZahlElemente(), 3);
  EXPECT_TRUE(BelegungenStimmen(Schule()));
}

TEST_F(ManuellFormTest, KonfliktmarkenUndKonfliktmenue) {
  TManuellForm* f = Manuell({kD});
  ASSERT_NE(f, nullptr);
  // Do 2: MUE unterrichtet dort 5b. Im Klassenplan 5a ist die Zelle leer, trägt aber die Marke.
  EXPECT_EQ(f->ZellKurs(1, 4, 2), nullptr);
  EXPECT_EQ(f->Zeichen(1, 4, 2).Marken, (std::vector<TManMarke>{{TManMarkenArt::Besetzt, false}}));
  // Fr 6: 5a ist gesperrt: schraffiert. Fr 1: MUE gesperrt, auch im Klassenplan schraffiert.
  EXPECT_TRUE(f->Zeichen(1, 5, 6).Schraffur);
  EXPECT_TRUE(f->Zeichen(1, 5, 1).Schraffur);
  EXPECT_FALSE(f->Zeichen(1, 4, 4).Schraffur);
  EXPECT_TRUE(f->Zeichen(1, 4, 4).Marken.empty());
  // Mo 2 hält SCH M: die Farbe des Kurses und ein Kreis (verdrängbar).
  EXPECT_EQ(f->ZellKurs(1, 1, 2), kM);
  EXPECT_EQ(f->Zeichen(1, 1, 2).Marken.size(), 1u);

  // Ein Klick mit "Setzen" auf eine Zelle mit Konflikten öffnet (nach der Doppelklickzeit) das
  // Konfliktmenü; die Wahl macht den Kurs aktuell.
  Werkzeug(TToolArt::SetzTool);
  QTest::mouseClick(Flaeche(f, 1), Qt::LeftButton, Qt::NoModifier, f->ZellPunkt(1, 4, 2));
  EXPECT_EQ(f->ManPopupMenu, nullptr);
  f->WartendesMenueZeigen();
  ASSERT_NE(f->ManPopupMenu, nullptr);
  const TMenue& menue = f->ManPopupMenu->Menue();
  ASSERT_EQ(menue.size(), 1u);
  EXPECT_EQ(menue[0].Text, "{1} besetzt [" + U8(kD5b->KurzZeile(1, 4, 2)) + "]");
  f->ManPopupMenu->Waehle(0);
  EXPECT_EQ(f->Planung()->fKurs, kD5b);
  EXPECT_EQ(f->Planung()->fKurse.Kopie(), (std::vector<TKurs*>{kD, kD5b}));

  // Ein Doppelklick statt dessen zeigt kein Menü, sondern setzt (mit der Frage "Verdrängen").
  f->Planung()->Zeigen(kD);
  u.dialog.Antworte("Abbrechen");
  DoppelKlick(f, 1, 4, 2);
  f->WartendesMenueZeigen();
  EXPECT_EQ(f->ManPopupMenu, nullptr);
  EXPECT_EQ(Titel().back(), "Verdrängen");
  EXPECT_EQ(kD->SetzungFinden(1, 4, 2), nullptr);

  // Rechtsklick mit "Zeigen" auf eine Stunde: die Stunden der Zelle; die Wahl wird aktuell.
  Werkzeug(TToolArt::ZeigTool);
  QTest::mouseClick(Flaeche(f, 1), Qt::RightButton, Qt::NoModifier, f->ZellPunkt(1, 1, 2));
  ASSERT_NE(f->ManPopupMenu, nullptr);
  ASSERT_EQ(f->ManPopupMenu->Menue().size(), 1u);
  f->ManPopupMenu->Waehle(0);
  EXPECT_EQ(f->Planung()->fKurs, kM);
}

TEST_F(ManuellFormTest, BlaetternMitUndOhneShift) {
  kM->fStunden.SetWochenStunde(0, 1);  // ganz gesetzt
  TManuellForm* f = Manuell({kD, kM, kD5b});
  ASSERT_NE(f, nullptr);
  QToolButton* rechts = palette.Knopf(T("PfeilRechtsKnopf"));
  QToolButton* links = palette.Knopf(T("PfeilLinksKnopf"));
  ASSERT_TRUE(rechts->isEnabled());
  rechts->click();
  EXPECT_EQ(f->Planung()->fKurs, kM);
  EXPECT_EQ(f->LehrerFeld->text(), T("SCH"));
  rechts->click();
  EXPECT_EQ(f->Planung()->fKurs, kD5b);
  EXPECT_EQ(f->TafelElement(1), k5b);
  palette.Verwaltung().UmschalttastenSetzen(umShift);
  rechts->click();
  EXPECT_EQ(f->Planung()->fKurs, kD);
  rechts->click();
  EXPECT_EQ(f->Planung()->fKurs, kD5b);  // kM übersprungen
  links->click();
  EXPECT_EQ(f->Planung()->fKurs, kD);
  palette.Verwaltung().UmschalttastenSetzen(0);
  links->click();
  EXPECT_EQ(f->Planung()->fKurs, kD5b);
  links->click();
  EXPECT_EQ(f->Planung()->fKurs, kM);
  EXPECT_FALSE(Schule().fDirty);
}

TEST_F(ManuellFormTest, WiderrufenNimmtAlleSchritteZurueck) {
  const TStundenBild vorher = Bild(Schule());
  TManuellForm* f = Manuell({kD, kM});
  ASSERT_NE(f, nullptr);
  Werkzeug(TToolArt::SetzTool);
  DoppelKlick(f, 1, 3, 1);  // kD Mi 1
  Werkzeug(TToolArt::SchiebTool);
  Ziehe(f, 1, 1, 1, 5, 2);  // kD Mo 1 -> Fr 2; danach ist kM aktuell
  DoppelKlick(f, 1, 4, 5);  // kM Do 5
  Werkzeug(TToolArt::LoeschTool);
  DoppelKlick(f, 1, 1, 2);  // kM Mo 2 weg
  u.dialog.Antworte("Kopplung");
  DoppelKlick(f, 1, 3, 3);  // REL Mi 3 weg
  ASSERT_NE(Bild(Schule()), vorher);
  ASSERT_TRUE(An("Bearbeiten/Widerrufen"));
  palette.Befehl(T("Bearbeiten/Widerrufen"))->trigger();
  EXPECT_EQ(Bild(Schule()), vorher);
  EXPECT_TRUE(f->Planung()->fUndoListe.empty());
  EXPECT_FALSE(An("Bearbeiten/Widerrufen"));
  EXPECT_FALSE(An("Bearbeiten/Löschen"));
  EXPECT_EQ(f->Planung()->fKurs, kD);  // der erste der Liste
  EXPECT_EQ(f->ZellKurs(1, 1, 1), kD);
  EXPECT_EQ(f->ZellKurs(1, 5, 2), nullptr);
  EXPECT_TRUE(BelegungenStimmen(Schule()));
}

TEST_F(ManuellFormTest, LoeschenLeertDasProtokoll) {
  TManuellForm* f = Manuell({kD});
  ASSERT_NE(f, nullptr);
  Werkzeug(TToolArt::SetzTool);
  DoppelKlick(f, 1, 3, 1);
  ASSERT_EQ(f->Planung()->fUndoListe.ListeZahlElemente(), 1);
  ASSERT_TRUE(An("Bearbeiten/Löschen"));
  palette.Befehl(T("Bearbeiten/Löschen"))->trigger();
  EXPECT_TRUE(f->Planung()->fUndoListe.empty());
  EXPECT_FALSE(An("Bearbeiten/Widerrufen"));
  EXPECT_FALSE(An("Bearbeiten/Löschen"));
  EXPECT_NE(kD->SetzungFinden(1, 3, 1), nullptr);
}

TEST_F(ManuellFormTest, SchliessenFragtUndBeendetDieAufzeichnung) {
  TManuellForm* f = Manuell({kD});
  ASSERT_NE(f, nullptr);
  QPointer<TManuellForm> zeiger(f);
  u.dialog.Antworte("Nein");
  f->close();
  EXPECT_EQ(Titel(), std::vector<std::string>{"Manuellfenster schließen"});
  EXPECT_EQ(Offen(), f);
  EXPECT_TRUE(Merken());
  u.dialog.Antworte("Ja");
  f->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(zeiger.isNull());
  EXPECT_EQ(Schule().fManuellForm, nullptr);
  EXPECT_FALSE(Merken());
  EXPECT_EQ(ManuellProtokoll(), nullptr);
  EXPECT_EQ(Text("Bearbeiten/Widerrufen"), T("Widerrufen"));
  EXPECT_EQ(Text("Bearbeiten/Löschen"), T("Löschen"));
  EXPECT_TRUE(An("Bearbeiten/Widerrufen"));
  EXPECT_FALSE(An("Bearbeiten/Löschen"));
  const std::vector<QString> menue = FensterMenue();
  EXPECT_EQ(std::count(menue.begin(), menue.end(), T("Manuell")), 0);
  EXPECT_EQ(Schule().fAktivesFenster, nullptr);
  // Setzen zeichnet nun nichts mehr auf.
  kD->NeueSetzung(1, 3, 1, r1);
  EXPECT_FALSE(An("Bearbeiten/Löschen"));
}

TEST_F(ManuellFormTest, GeloeschterKursVerlaesstDieListeLeereListeSchliesst) {
  TManuellForm* f = Manuell({kM, kD5b});
  ASSERT_NE(f, nullptr);
  Schule().KursLoeschen(kM);
  EXPECT_EQ(f->Planung()->fKurse.Kopie(), std::vector<TKurs*>{kD5b});
  EXPECT_EQ(f->Planung()->fKurs, kD5b);
  EXPECT_EQ(f->LehrerFeld->text(), T("MUE"));
  Schule().KursLoeschen(kD5b);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(Schule().fManuellForm, nullptr);
  EXPECT_EQ(ManuellProtokoll(), nullptr);
  EXPECT_TRUE(u.dialog.fProtokoll.empty());  // ohne Rückfrage
}

TEST_F(ManuellFormTest, KnoepfeDerLinkenSpalte) {
  TManuellForm* f = Manuell({kER});
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->KopplungFeld->text(), T("REL"));
  ASSERT_TRUE(f->KopplungKnopf->isEnabled());
  // Schieben zeigt die Konflikte aller gekoppelten Kurse: das Kürzel rot.
  EXPECT_TRUE(f->KopplungFeld->styleSheet().contains(T("red")));
  Werkzeug(TToolArt::SetzTool);
  EXPECT_FALSE(f->KopplungFeld->styleSheet().contains(T("red")));
  // Kopplung: "ohne", das Kürzel, die Kurse.
  QTest::mouseClick(f->KopplungKnopf, Qt::LeftButton);
  ASSERT_NE(f->ManPopupMenu, nullptr);
  ASSERT_EQ(f->ManPopupMenu->Menue().size(), 4u);
  EXPECT_EQ(f->ManPopupMenu->Menue()[0].Text, "ohne");
  EXPECT_EQ(f->ManPopupMenu->Menue()[1].Text, "REL");
  f->ManPopupMenu->Waehle(0);
  EXPECT_EQ(f->KopplungFeld->text(), T("ohne"));
  // Lehrer: die Lehrer der Kopplung; die Wahl kommt in die aktive Tafel.
  f->Planung()->TafelAktivieren(3);
  QTest::mouseClick(f->LehrerKnopf, Qt::LeftButton);
  ASSERT_NE(f->ManPopupMenu, nullptr);
  ASSERT_EQ(f->ManPopupMenu->Menue().size(), 2u);
  EXPECT_EQ(f->ManPopupMenu->Menue()[1].Text, "WEB");
  f->ManPopupMenu->Waehle(1);
  EXPECT_EQ(f->TafelElement(3), web);
  EXPECT_EQ(f->TafelUeberschrift(3)->text(), T("Lehrer WEB"));
  EXPECT_EQ(f->TafelRahmen(3)->frameShadow(), QFrame::Raised);
  // Zeige: wechselt die Ansicht und die Einstellung.
  QTest::mouseClick(f->ZeigeKnopf, Qt::LeftButton);
  EXPECT_EQ(f->ZeigeKnopf->text(), T("Le/Kl"));
  EXPECT_FALSE(st.fManZeigKopp);
  QTest::mouseClick(f->ZeigeKnopf, Qt::LeftButton);
  EXPECT_EQ(f->ZeigeKnopf->text(), T("Kopplung"));
  // Kurs: die Liste des Fensters.
  QTest::mouseClick(f->KursKnopf, Qt::LeftButton);
  ASSERT_NE(f->ManPopupMenu, nullptr);
  ASSERT_EQ(f->ManPopupMenu->Menue().size(), 1u);
  EXPECT_TRUE(f->ManPopupMenu->Menue()[0].Haken);
  f->ManPopupMenu->Schliessen();
  // Ein Klick in eine Tafel macht sie aktiv.
  QTest::mouseClick(Flaeche(f, 2), Qt::LeftButton, Qt::NoModifier, f->ZellPunkt(2, 4, 4));
  EXPECT_EQ(f->Planung()->fAktiv, 2);
  EXPECT_EQ(f->TafelRahmen(2)->frameShadow(), QFrame::Raised);
  EXPECT_EQ(f->TafelRahmen(3)->frameShadow(), QFrame::Sunken);
  // Die Auswahl einer Tafel gilt in allen.
  EXPECT_TRUE(f->TafelGrid(2)->GetSelectCell(4, 4));
  EXPECT_TRUE(f->TafelGrid(1)->GetSelectCell(4, 4));
  EXPECT_TRUE(f->TafelGrid(3)->GetSelectCell(4, 4));
  EXPECT_FALSE(f->TafelGrid(1)->GetSelectCell(2, 5));
}

TEST_F(ManuellFormTest, SchiebenMitAltTauschtZeitfelder) {
  TManuellForm* f = Manuell({kD});
  ASSERT_NE(f, nullptr);
  palette.Verwaltung().UmschalttastenSetzen(umAlt);
  u.dialog.Antworte("Ok");
  Ziehe(f, 1, 1, 1, 4, 4, Qt::AltModifier);
  EXPECT_EQ(Titel(), std::vector<std::string>{"Stundentausch"});
  EXPECT_EQ(kD->SetzungFinden(1, 1, 1), nullptr);
  EXPECT_NE(kD->SetzungFinden(1, 4, 4), nullptr);
  palette.Verwaltung().UmschalttastenSetzen(0);
}

TEST_F(ManuellFormTest, StrgSchiebenMarkiertMoeglicheStunden) {
  TManuellForm* f = Manuell({kD});
  ASSERT_NE(f, nullptr);
  // Mo 1 (kD) ausheben: kM (Mo 2) könnte hinein; REL (Mi 3) auch.
  QTest::mousePress(Flaeche(f, 1), Qt::LeftButton, Qt::ControlModifier, f->ZellPunkt(1, 1, 1));
  const auto markiert = f->MarkierteZellen();
  EXPECT_NE(std::find(markiert.begin(), markiert.end(), std::make_pair(1, 2)), markiert.end());
  EXPECT_NE(std::find(markiert.begin(), markiert.end(), std::make_pair(3, 3)), markiert.end());
  QTest::mouseRelease(Flaeche(f, 1), Qt::LeftButton, Qt::ControlModifier, f->ZellPunkt(1, 1, 1));
  EXPECT_TRUE(kD->fBesetzung.GetWocheTagStd(1, 1, 1));
  EXPECT_TRUE(BelegungenStimmen(Schule()));
}

// Das Manuellfenster mit Kursen einer Klasse der Beispielschule: drei Tafeln, Konfliktmarken,
// gesperrte Zellen. Mit TAMREL_MANUELLBILD=Datei.png wird das Bild gespeichert.
TEST(ManuellFormBild, KurseDerBeispielschule) {
  TTestUmgebung u;
  TTamrelPalette palette;
  ErzeugeBeispielSchule(Schule(), false);
  palette.MenuAnlage();
  Standard().fManArt = 3;
  TKlasse* klasse = Schule().HoleKlasse("7a");
  std::vector<TKurs*> kurse;
  for (TKurs* k : klasse->fKurse)
    if (!k->fSetzungen.empty() && k->fLehrer && k->fRaeume.ListeZahlElemente() > 0 &&
        kurse.size() < 6)
      kurse.push_back(k);
  ASSERT_GE(kurse.size(), 2u);
  // Der erste Kurs verliert eine Stunde: er hat wieder offene Stunden.
  const TSetzung* erste = kurse[0]->fSetzungen[1];
  kurse[0]->LoescheSetzung(-1, erste->fTag, erste->fStunde, false);
  Schule().fToolArt = TToolArt::SchiebTool;
  TManuellForm* f = TManuellForm::IManuellForm(kurse, false);
  ASSERT_NE(f, nullptr);
  f->resize(1580, 900);
  f->move(10, 40);
  QApplication::processEvents();
  EXPECT_EQ(f->TafelElement(1), klasse);
  EXPECT_EQ(f->TafelElement(2), kurse[0]->fLehrer);
  EXPECT_EQ(f->TafelGrid(1)->ColCount(), 6);
  EXPECT_EQ(f->TafelGrid(1)->RowCount(), 11);
  int marken = 0, eigene = 0;
  for (int t = 1; t <= 5; ++t)
    for (int h = 1; h <= 10; ++h) {
      const TManZeichen z = f->Zeichen(1, t, h);
      marken += static_cast<int>(z.Marken.size()) + (z.Schraffur ? 1 : 0);
      eigene += z.Streifen == TManStreifen::Eigener ? 1 : 0;
    }
  EXPECT_GT(marken, 0);
  EXPECT_EQ(eigene, kurse[0]->VerplanteStunden(1));
  const QPixmap bild = f->grab();
  EXPECT_FALSE(bild.isNull());
  if (const QByteArray pfad = qgetenv("TAMREL_MANUELLBILD"); !pfad.isEmpty()) {
    EXPECT_TRUE(bild.save(QString::fromLocal8Bit(pfad)));
  }
  f->Schliessen();
  Schule().SetDirty(false);
}

}  // namespace
