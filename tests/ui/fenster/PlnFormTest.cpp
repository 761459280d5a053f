// Die Planfenster: Füllen, Gesten aller Werkzeuge auf dem echten Raster, Menüs der Kurse,
// Kopieren als Text, Fensterverwaltung.
#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <sstream>

#include "PlanFensterHilfe.h"
#include "output/PlanZelleUnit.h"
#include "app/CliUnit.h"
#include "model/KopplUnit.h"
#include "persistence/WriteUnit.h"
#include "ui/ElementFensterUnit.h"
#include "ui/fenster/KlPlnFormUnit.h"
#include "ui/fenster/LePlnFormUnit.h"
#include "ui/fenster/QtTextUnit.h"
#include "ui/fenster/RaPlnFormUnit.h"

namespace {

using PlnFormTest = PlanFensterTest;

TEST_F(PlnFormTest, LehrerplanZeigtStundenBeschriftungenUndSperrungen) {
  TPlnForm* f = Oeffne(mue);
  ASSERT_NE(dynamic_cast<TLePlnForm*>(f), nullptr);
  EXPECT_EQ(f->FensterArt(), FensterArt::LehrerPlan);
  EXPECT_EQ(f->windowTitle(), T("Plan MUE"));
  EXPECT_EQ(mue->fPlnFenster, f);
  EXPECT_EQ(f->PlnGrid->ColCount(), 6);
  EXPECT_EQ(f->PlnGrid->RowCount(), 7);
  EXPECT_EQ(f->PlnGrid->Cells(0, 0), T(" "));
  EXPECT_EQ(f->PlnGrid->Cells(1, 0), T("Mo"));
  EXPECT_EQ(f->PlnGrid->Cells(5, 0), T("Fr"));
  EXPECT_EQ(f->PlnGrid->Cells(0, 1), T(" 1"));
  EXPECT_EQ(f->PlnGrid->Cells(0, 6), T(" 6"));
  EXPECT_EQ(f->ZellKurs(1, 1), kD);
  EXPECT_EQ(f->ZellKurs(2, 1), kD);
  EXPECT_EQ(f->ZellKurs(4, 2), kD5b);
  EXPECT_EQ(f->ZellKurs(1, 2), nullptr);
  EXPECT_EQ(f->Marke(1, 1), T("N"));
  EXPECT_EQ(f->Marke(5, 1), T("*sperrung*"));
  EXPECT_EQ(f->PlanWechselKnopf->text(), T("o"));
  EXPECT_EQ(f->PlanWechselKnopf->toolTip(), T("Klasse oder Kopplung anzeigen"));
  // Spalten nebeneinander: Klasse/Kopplung + Fach + Raum, jeder Teil mit 2 Pixeln Innenabstand
  // vor und hinter seinem Kürzel; die Stundenspalte fPlnStdBreite.
  EXPECT_EQ(f->PlnGrid->ColWidths(1),
            st.PlnKlKoBreite() + st.fPlnFaBreite + st.fPlnRaBreite + 3 * 2 * ZellRand);
  EXPECT_EQ(f->PlnGrid->ColWidths(0), st.fPlnStdBreite);
  EXPECT_EQ(f->PlnGrid->RowHeights(1), st.fPlnHoehe);
  // Im Fenstermenü und in der Fensterliste; es ist das aktive Fenster.
  EXPECT_TRUE(Schule().FensterOffen(f));
  ASSERT_NE(palette.Befehl(T("Fenster/Zwischenablage")), nullptr);
  auto* menue = qobject_cast<QMenu*>(palette.Befehl(T("Fenster/Zwischenablage"))->parent());
  ASSERT_NE(menue, nullptr);
  EXPECT_EQ(menue->actions().last()->text(), T("Plan MUE"));
  EXPECT_TRUE(menue->actions().last()->isChecked());
  EXPECT_EQ(Schule().fAktivesFenster, f);
  // Öffnen ändert nichts an der Schule.
  EXPECT_FALSE(Schule().fDirty);
}

TEST_F(PlnFormTest, StundenHinterDerLetztenPlanstundeFehlen) {
  kM->NeueSetzung(1, 2, 7, r2);
  TPlnForm* f = Oeffne(k5a);
  EXPECT_EQ(f->PlnGrid->RowCount(), 7);
  const std::string ohneSieben =
      "\tMo\tDi\tMi\tDo\tFr\r\n"
      " 1\tMUE D R1\tMUE D R1\t---\t---\t---\r\n"
      " 2\tSCH M R2\t---\t---\t---\t---\r\n"
      " 3\t---\t---\tREL KR R4\t---\t---\r\n"
      " 4\t---\t---\t---\t---\t---\r\n"
      " 5\t---\t---\t---\t---\t---\r\n"
      " 6\t---\t---\t---\t---\t---\r\n";
  EXPECT_EQ(f->InhaltAlsText(), ohneSieben);
  // Auch eine neue Stunde in Stunde 7 erreicht das Fenster nicht.
  kM->LoescheSetzung(1, 2, 7, false);
  kM->NeueSetzung(1, 3, 7, r2);
  EXPECT_EQ(f->InhaltAlsText(), ohneSieben);
}

TEST_F(PlnFormTest, RaumplanZeigtNurStundenImRaum) {
  TPlnForm* f = Oeffne(r1);
  ASSERT_NE(dynamic_cast<TRaPlnForm*>(f), nullptr);
  EXPECT_EQ(f->FensterArt(), FensterArt::RaumPlan);
  EXPECT_EQ(f->ZellKurs(1, 1), kD);
  EXPECT_EQ(f->ZellKurs(4, 2), kD5b);
  EXPECT_EQ(f->ZellKurs(1, 2), nullptr);  // SCH M liegt in R2
  EXPECT_EQ(f->PlnGrid->Col(), 1);
  EXPECT_EQ(f->PlnGrid->Row(), 1);
  EXPECT_EQ(f->InhaltAlsText(),
            "\tMo\tDi\tMi\tDo\tFr\r\n"
            " 1\tMUE 5a D\tMUE 5a D\t---\t---\t---\r\n"
            " 2\t---\t---\t---\tMUE 5b D\t---\r\n"
            " 3\t---\t---\t---\t---\t---\r\n"
            " 4\t---\t---\t---\t---\t---\r\n"
            " 5\t---\t---\t---\t---\t---\r\n"
            " 6\t---\t---\t---\t---\t---\r\n");
}

TEST_F(PlnFormTest, KopierenDesKlassenplansMitSchalter) {
  TPlnForm* f = Oeffne(k5a);
  EXPECT_EQ(f->PlanWechselKnopf->toolTip(), T("Lehrer oder Kopplung anzeigen"));
  EXPECT_EQ(f->InhaltAlsText(),
            "\tMo\tDi\tMi\tDo\tFr\r\n"
            " 1\tMUE D R1\tMUE D R1\t---\t---\t---\r\n"
            " 2\tSCH M R2\t---\t---\t---\t---\r\n"
            " 3\t---\t---\tREL KR R4\t---\t---\r\n"
            " 4\t---\t---\t---\t---\t---\r\n"
            " 5\t---\t---\t---\t---\t---\r\n"
            " 6\t---\t---\t---\t---\t---\r\n");
  // "x": statt der Kopplung der Lehrer.
  QTest::mouseClick(f->PlanWechselKnopf, Qt::LeftButton);
  EXPECT_EQ(f->PlanWechselKnopf->text(), T("x"));
  EXPECT_NE(f->InhaltAlsText().find(" 3\t---\t---\tWEB KR R4\t"), std::string::npos);
  // Ohne Raum in den Zellen.
  st.fMitRaum = false;
  EXPECT_NE(f->InhaltAlsText().find(" 1\tMUE D\tMUE D\t---"), std::string::npos);
  // "Kopieren" der Palette legt den Text in die Zwischenablage.
  st.fMitRaum = true;
  palette.KopierenItemClick(false);
  EXPECT_EQ(u.ablage.fText, f->InhaltAlsText());
}

TEST_F(PlnFormTest, KopierenMitShiftNenntDieKurseDerKopplung) {
  TPlnForm* f = Oeffne(k5a);
  palette.Verwaltung().UmschalttastenSetzen(umShift);
  EXPECT_EQ(f->InhaltAlsText(),
            "\tMo\tDi\tMi\tDo\tFr\r\n"
            " 1\tMUE D R1\tMUE D R1\t---\t---\t---\r\n"
            " 2\tSCH M R2\t---\t---\t---\t---\r\n"
            " 3\t---\t---\tREL\t---\t---\r\n"
            "\t\t\tKRA ER R3\t\t\r\n"
            "\t\t\tWEB KR R4\t\t\r\n"
            " 4\t---\t---\t---\t---\t---\r\n"
            " 5\t---\t---\t---\t---\t---\r\n"
            " 6\t---\t---\t---\t---\t---\r\n");
  f->PlanWechselKnopfClick();
  EXPECT_EQ(f->InhaltAlsText(),
            "\tMo\tDi\tMi\tDo\tFr\r\n"
            " 1\tMUE D R1\tMUE D R1\t---\t---\t---\r\n"
            " 2\tSCH M R2\t---\t---\t---\t---\r\n"
            " 3\t---\t---\tREL ER R3\t---\t---\r\n"
            "\t\t\tREL KR R4\t\t\r\n"
            " 4\t---\t---\t---\t---\t---\r\n"
            " 5\t---\t---\t---\t---\t---\r\n"
            " 6\t---\t---\t---\t---\t---\r\n");
  palette.Verwaltung().UmschalttastenSetzen(0);
}

TEST_F(PlnFormTest, KopieGleichDerAusgabeVonTamrelCli) {
  QTemporaryDir dir;
  const std::string pfad = dir.filePath(T("schule.tmr")).toStdString();
  std::string meldung;
  ASSERT_TRUE(WriteSchule(pfad, Schule(), meldung)) << meldung;
  struct TFall {
    TPlanElement* element;
    const char* art;
    const char* kuerzel;
  };
  for (const TFall& fall : {TFall{mue, "lehrer", "MUE"}, TFall{k5a, "klasse", "5a"},
                            TFall{r3, "raum", "R3"}, TFall{k5b, "klasse", "5b"}}) {
    TPlnForm* f = Oeffne(fall.element);
    for (bool o : {true, false}) {
      if (f->SchalterO() != o) f->PlanWechselKnopfClick();
      std::ostringstream aus, fehler;
      const int rc = CliAusfuehren({"plan", pfad, fall.art, fall.kuerzel, "--woche", "1", "--tage",
                                    "5", "--stunden", "6", "--schalter", o ? "o" : "x"},
                                   aus, fehler);
      EXPECT_EQ(rc, 0) << fehler.str();
      EXPECT_EQ(aus.str(), f->InhaltAlsText()) << fall.kuerzel;
    }
    f->Schliessen();
  }
}

// ---- Setzen ----

TEST_F(PlnFormTest, SetzenMitDemSetzwerkzeugUndRaumwahl) {
  TPlnForm* f = Oeffne(mue);
  Werkzeug(TToolArt::SetzTool);
  ASSERT_EQ(Schule().fToolArt, TToolArt::SetzTool);
  Klick(f, 3, 1);
  ASSERT_NE(f->PlnPopupMenu, nullptr);
  const TMenue& menue = f->PlnPopupMenu->Menue();
  // Nur kD hat Stunden offen (3 − 2); kD5b hat noch eine.
  ASSERT_EQ(menue.size(), 2u);
  EXPECT_EQ(menue[0].Text, "[1] MUE D 5a");
  EXPECT_EQ(menue[0].Wert, 301);
  EXPECT_TRUE(menue[0].Aktiv);
  ASSERT_EQ(menue[0].Untermenue.size(), 2u);
  EXPECT_EQ(menue[0].Untermenue[0].Text, "ohne Raum");
  EXPECT_EQ(menue[0].Untermenue[1].Text, "R1");
  EXPECT_EQ(menue[1].Text, "[1] MUE D 5b");
  EXPECT_TRUE(f->PlnPopupMenu->WaehlePfad({0, 1}));
  const TSetzung* s = kD->SetzungFinden(1, 3, 1);
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(s->fRaum, r1);
  EXPECT_EQ(f->ZellKurs(3, 1), kD);
  EXPECT_TRUE(Schule().fDirty);
  EXPECT_TRUE(BelegungenStimmen(Schule()));
  // Ein zweites Planfenster folgt sofort.
  TPlnForm* raum = Oeffne(r1);
  EXPECT_EQ(raum->ZellKurs(3, 1), kD);
}

TEST_F(PlnFormTest, SetzmenueGesperrteZelleUndBelegteRaeume) {
  TPlnForm* f = Oeffne(mue);
  Werkzeug(TToolArt::SetzTool);
  // MUE ist am Freitag in der 1. Stunde gesperrt: kein Menü.
  Klick(f, 5, 1);
  EXPECT_EQ(f->PlnPopupMenu, nullptr);
  // R1 ist Mo 2 frei, aber in Do 1 durch einen anderen Kurs belegt.
  Kurs(sch, Schule().HoleFach("M"), {k5b}, {r1}, nullptr, 1, clWhite)->NeueSetzung(1, 4, 1, r1);
  Klick(f, 4, 1);
  ASSERT_NE(f->PlnPopupMenu, nullptr);
  EXPECT_FALSE(f->PlnPopupMenu->Menue()[0].Untermenue[1].Aktiv);
  // In der Zelle hat 5b schon SCH M: für kD5b gesperrt, für kD nicht.
  EXPECT_TRUE(f->PlnPopupMenu->Menue()[0].Aktiv);
  EXPECT_FALSE(f->PlnPopupMenu->Menue()[1].Aktiv);
  EXPECT_FALSE(f->PlnPopupMenu->WaehlePfad({1}));
}

TEST_F(PlnFormTest, SetzenImRaumplanNimmtDessenRaum) {
  TPlnForm* f = Oeffne(r2);
  Werkzeug(TToolArt::SetzTool);
  Klick(f, 2, 2);
  ASSERT_NE(f->PlnPopupMenu, nullptr);
  // Im Raumplan ohne Raumwahl: der Eintrag setzt gleich.
  const TMenue& menue = f->PlnPopupMenu->Menue();
  ASSERT_EQ(menue.size(), 1u);
  EXPECT_EQ(menue[0].Text, "[1] SCH M 5a");
  EXPECT_TRUE(menue[0].Untermenue.empty());
  EXPECT_TRUE(f->PlnPopupMenu->Waehle(0));
  ASSERT_NE(kM->SetzungFinden(1, 2, 2), nullptr);
  EXPECT_EQ(kM->SetzungFinden(1, 2, 2)->fRaum, r2);
  EXPECT_EQ(f->ZellKurs(2, 2), kM);
  EXPECT_TRUE(BelegungenStimmen(Schule()));
}

TEST_F(PlnFormTest, GekoppeltSetzenWarntWennKeinRaumFrei) {
  kER->fStunden.SetWochenStunde(0, 3);
  kKR->fStunden.SetWochenStunde(0, 3);
  // R4, der Raum von KR, ist Di 4 durch einen Kurs ohne Klasse belegt.
  TKurs* sport = Kurs(sch, Schule().HoleFach("Sp"), {}, {r4}, nullptr, 1, clWhite);
  ASSERT_NE(sport->NeueSetzung(1, 2, 4, r4), nullptr);
  TPlnForm* f = Oeffne(kra);
  Werkzeug(TToolArt::SetzTool);
  Klick(f, 2, 4);
  ASSERT_NE(f->PlnPopupMenu, nullptr);
  ASSERT_EQ(f->PlnPopupMenu->Menue().size(), 1u);
  EXPECT_EQ(f->PlnPopupMenu->Menue()[0].Text, "[2] KRA ER 5a REL");
  ASSERT_TRUE(f->PlnPopupMenu->Menue()[0].Aktiv);
  EXPECT_TRUE(f->PlnPopupMenu->WaehlePfad({0, 1}));
  ASSERT_NE(kER->SetzungFinden(1, 2, 4), nullptr);
  EXPECT_EQ(kER->SetzungFinden(1, 2, 4)->fRaum, r3);
  ASSERT_NE(kKR->SetzungFinden(1, 2, 4), nullptr);
  EXPECT_EQ(kKR->SetzungFinden(1, 2, 4)->fRaum, nullptr);
  ASSERT_EQ(Titel(), std::vector<std::string>{"Warnung"});
  EXPECT_EQ(u.dialog.fProtokoll[0].Zeilen,
            std::vector<std::string>{"Ein gekoppelter Kurs konnte nur ohne Raum gesetzt werden."});
  EXPECT_EQ(f->ZellKurs(2, 4), kER);
  EXPECT_TRUE(BelegungenStimmen(Schule()));
  // Ist WEB dort belegt, ist der Eintrag gesperrt.
  TKurs* webFremd = Kurs(web, Schule().HoleFach("M"), {}, {}, nullptr, 1, clWhite);
  ASSERT_NE(webFremd->NeueSetzung(1, 4, 5, nullptr), nullptr);
  Klick(f, 4, 5);
  ASSERT_NE(f->PlnPopupMenu, nullptr);
  EXPECT_FALSE(f->PlnPopupMenu->Menue()[0].Aktiv);
}

TEST_F(PlnFormTest, RechtsklickMarkiertDieMoeglichenZellen) {
  TPlnForm* f = Oeffne(k5a);
  Werkzeug(TToolArt::SetzTool);
  Klick(f, 0, 0, Qt::RightButton);  // auch über den Kopfzellen
  ASSERT_NE(f->PlnPopupMenu, nullptr);
  const TMenue& menue = f->PlnPopupMenu->Menue();
  ASSERT_EQ(menue.size(), 4u);
  EXPECT_EQ(menue[0].Text, "[1] MUE D 5a");
  EXPECT_EQ(menue[1].Text, "[1] SCH M 5a");
  EXPECT_EQ(menue[2].Text, "[1] KRA ER 5a REL");
  EXPECT_EQ(menue[3].Text, "[1] WEB KR 5a REL");
  // MUE D ohne Raum: frei, wo 5a und MUE frei und nicht gesperrt sind.
  EXPECT_TRUE(f->PlnPopupMenu->WaehlePfad({0, 0}));
  const auto markiert = Markiert(f);
  EXPECT_EQ(std::count(markiert.begin(), markiert.end(), std::pair{1, 1}), 0);
  EXPECT_EQ(std::count(markiert.begin(), markiert.end(), std::pair{4, 2}), 0);  // MUE in 5b
  EXPECT_EQ(std::count(markiert.begin(), markiert.end(), std::pair{5, 1}), 0);  // MUE gesperrt
  EXPECT_EQ(std::count(markiert.begin(), markiert.end(), std::pair{5, 6}), 0);  // 5a gesperrt
  EXPECT_EQ(std::count(markiert.begin(), markiert.end(), std::pair{3, 3}), 0);  // Kopplung
  EXPECT_EQ(std::count(markiert.begin(), markiert.end(), std::pair{2, 2}), 1);
  EXPECT_EQ(markiert.size(), 30u - 7u);
  // Ein neuer Klick hebt die Marken auf; die gesperrte Zelle bleibt gesperrt.
  Werkzeug(TToolArt::ZeigTool);
  Klick(f, 2, 2);
  EXPECT_TRUE(Markiert(f).empty());
  EXPECT_EQ(f->Marke(5, 6), TPlnForm::MarkeSperrung);
}

TEST_F(PlnFormTest, RaumSetzenFuerDieStundenDesKurses) {
  TPlnForm* f = Oeffne(mue);
  Werkzeug(TToolArt::SetzTool);
  Klick(f, 1, 1);
  ASSERT_NE(f->PlnPopupMenu, nullptr);
  EXPECT_EQ(Markiert(f), (std::vector<std::pair<int, int>>{{1, 1}, {2, 1}}));
  std::vector<std::string> texte;
  for (const TMenueEintrag& e : f->PlnPopupMenu->Menue()) texte.push_back(e.Text);
  // R1 ist der eigene Raum (frei bis auf den Kurs selbst), R2..R4 fremd und frei.
  EXPECT_EQ(texte, (std::vector<std::string>{"R1", "<R2>", "<R3>", "<R4>"}));
  EXPECT_TRUE(f->PlnPopupMenu->Waehle(2));
  EXPECT_EQ(kD->SetzungFinden(1, 1, 1)->fRaum, r3);
  EXPECT_EQ(kD->SetzungFinden(1, 2, 1)->fRaum, r3);
  EXPECT_TRUE(kD->fRaeume.ListeElemEnthalten(r3));
  EXPECT_TRUE(BelegungenStimmen(Schule()));
  // Mit Strg nur die eine Zelle; R3 ist jetzt eigen, R1 frei.
  Klick(f, 2, 1, Qt::LeftButton, Qt::ControlModifier);
  EXPECT_EQ(Markiert(f), (std::vector<std::pair<int, int>>{{2, 1}}));
  ASSERT_NE(f->PlnPopupMenu, nullptr);
  EXPECT_TRUE(f->PlnPopupMenu->Waehle(0));  // R1
  EXPECT_EQ(kD->SetzungFinden(1, 2, 1)->fRaum, r1);
  EXPECT_EQ(kD->SetzungFinden(1, 1, 1)->fRaum, r3);
}

// ---- Schieben ----

TEST_F(PlnFormTest, SchiebenEinerStunde) {
  TPlnForm* f = Oeffne(k5a);
  Werkzeug(TToolArt::SchiebTool);
  Ziehe(f, 2, 2 - 1, 4, 4);
  EXPECT_EQ(kD->SetzungFinden(1, 2, 1), nullptr);
  ASSERT_NE(kD->SetzungFinden(1, 4, 4), nullptr);
  EXPECT_EQ(kD->SetzungFinden(1, 4, 4)->fRaum, r1);
  EXPECT_EQ(f->ZellKurs(4, 4), kD);
  EXPECT_EQ(f->ZellKurs(2, 1), nullptr);
  EXPECT_TRUE(Markiert(f).empty());
  EXPECT_TRUE(u.dialog.fProtokoll.empty());
  EXPECT_TRUE(BelegungenStimmen(Schule()));
  // Auf eine Zelle, in der der Kurs schon liegt: nichts.
  Ziehe(f, 1, 1, 4, 4);
  EXPECT_NE(kD->SetzungFinden(1, 1, 1), nullptr);
}

TEST_F(PlnFormTest, GekoppelteStundeSchiebenMitUndOhneAlt) {
  TPlnForm* f = Oeffne(k5b);
  Werkzeug(TToolArt::SchiebTool);
  // Ohne Alt wandert die ganze Kopplung.
  Ziehe(f, 3, 3, 1, 4);
  EXPECT_NE(kER->SetzungFinden(1, 1, 4), nullptr);
  EXPECT_NE(kKR->SetzungFinden(1, 1, 4), nullptr);
  EXPECT_EQ(kER->SetzungFinden(1, 3, 3), nullptr);
  EXPECT_EQ(kKR->SetzungFinden(1, 3, 3), nullptr);
  EXPECT_EQ(kKR->SetzungFinden(1, 1, 4)->fRaum, r4);
  EXPECT_TRUE(BelegungenStimmen(Schule()));
  // Mit Alt nur der gezogene Kurs (die Zelle zeigt den letzten Kurs der Klasse: KR).
  ASSERT_EQ(f->ZellKurs(1, 4), kKR);
  palette.Verwaltung().UmschalttastenSetzen(umAlt);
  Ziehe(f, 1, 4, 2, 5, Qt::AltModifier);
  EXPECT_NE(kKR->SetzungFinden(1, 2, 5), nullptr);
  EXPECT_EQ(kKR->SetzungFinden(1, 1, 4), nullptr);
  EXPECT_NE(kER->SetzungFinden(1, 1, 4), nullptr);
  EXPECT_EQ(kER->SetzungFinden(1, 2, 5), nullptr);
  EXPECT_EQ(f->ZellKurs(1, 4), kER);
  EXPECT_EQ(f->ZellKurs(2, 5), kKR);
  EXPECT_TRUE(u.dialog.fProtokoll.empty());
  EXPECT_TRUE(BelegungenStimmen(Schule()));
}

TEST_F(PlnFormTest, AblegenAufFixierteStundeIstVerboten) {
  kM->SetzungFinden(1, 1, 2)->fFixiert = true;
  TPlnForm* f = Oeffne(k5a);
  Werkzeug(TToolArt::SchiebTool);
  Ziehe(f, 1, 1, 1, 2);
  ASSERT_EQ(Titel(), std::vector<std::string>{"Setzungsverbot"});
  const auto& zeilen = u.dialog.fProtokoll[0].Zeilen;
  EXPECT_EQ(zeilen.front(), "Konflikt");
  EXPECT_EQ(zeilen[1], "Mo  2");
  EXPECT_EQ(zeilen[2], "{1} Klasse 5a fixiert durch SCH M 5a.");
  EXPECT_EQ(zeilen[zeilen.size() - 2], "Sperrungen und Fixierungen können");
  EXPECT_EQ(zeilen.back(), "nicht verdrängt werden.");
  EXPECT_NE(kD->SetzungFinden(1, 1, 1), nullptr);
  EXPECT_EQ(kD->SetzungFinden(1, 1, 2), nullptr);
  EXPECT_NE(kM->SetzungFinden(1, 1, 2), nullptr);
  EXPECT_TRUE(Markiert(f).empty());
  EXPECT_TRUE(BelegungenStimmen(Schule()));
}

TEST_F(PlnFormTest, VerdraengenEinerStunde) {
  TPlnForm* f = Oeffne(k5a);
  Werkzeug(TToolArt::SchiebTool);
  // Abbrechen: nichts ändert sich.
  u.dialog.Antworte("Abbrechen");
  Ziehe(f, 1, 1, 1, 2);
  EXPECT_NE(kM->SetzungFinden(1, 1, 2), nullptr);
  EXPECT_NE(kD->SetzungFinden(1, 1, 1), nullptr);
  // Trotzdem setzen: SCH M wird verdrängt, MUE D wandert.
  u.dialog.Antworte("Trotzdem setzen");
  Ziehe(f, 1, 1, 1, 2);
  ASSERT_EQ(Titel(), (std::vector<std::string>{"Verdrängen", "Verdrängen"}));
  EXPECT_EQ(
      u.dialog.fProtokoll[1].Zeilen,
      (std::vector<std::string>{"Konflikt mit", "Mo  2", "{1} Klasse 5a besetzt durch SCH M 5a."}));
  EXPECT_EQ(kM->SetzungFinden(1, 1, 2), nullptr);
  EXPECT_NE(kD->SetzungFinden(1, 1, 2), nullptr);
  EXPECT_EQ(f->ZellKurs(1, 2), kD);
  EXPECT_EQ(f->ZellKurs(1, 1), nullptr);
  EXPECT_TRUE(BelegungenStimmen(Schule()));
}

TEST_F(PlnFormTest, VerdraengenEinerGekoppeltenStundeFragtNachDerKopplung) {
  TPlnForm* f = Oeffne(k5a);
  Werkzeug(TToolArt::SchiebTool);
  u.dialog.Antworte("Trotzdem setzen");
  u.dialog.Antworte("Kopplung");
  Ziehe(f, 1, 2, 3, 3);
  EXPECT_EQ(Titel(), (std::vector<std::string>{"Verdrängen", "gekoppelten Kurs löschen"}));
  EXPECT_EQ(kER->SetzungFinden(1, 3, 3), nullptr);
  EXPECT_EQ(kKR->SetzungFinden(1, 3, 3), nullptr);
  EXPECT_NE(kM->SetzungFinden(1, 3, 3), nullptr);
  EXPECT_TRUE(BelegungenStimmen(Schule()));
}

TEST_F(PlnFormTest, ZeitfelderTauschenMitShift) {
  TPlnForm* f = Oeffne(k5a);
  Werkzeug(TToolArt::SchiebTool);
  // Abbrechen im ersten Dialog: nichts.
  u.dialog.Antworte("Abbrechen");
  Ziehe(f, 1, 1, 3, 3, Qt::ShiftModifier);
  EXPECT_NE(kD->SetzungFinden(1, 1, 1), nullptr);
  u.dialog.Antworte("Ok");
  Ziehe(f, 1, 1, 3, 3, Qt::ShiftModifier);
  ASSERT_EQ(Titel(), (std::vector<std::string>{"Stundentausch", "Stundentausch"}));
  EXPECT_EQ(
      u.dialog.fProtokoll[1].Zeilen,
      (std::vector<std::string>{"Tausche", "Mo  1", "mit", "Mi  3", "für die ganze Schule."}));
  EXPECT_EQ(u.dialog.fProtokoll[1].Knoepfe, (std::vector<std::string>{"Ok", "Abbrechen"}));
  // Die ganze Schule: auch MUE (5b) und die Kopplung.
  EXPECT_NE(kD->SetzungFinden(1, 3, 3), nullptr);
  EXPECT_NE(kER->SetzungFinden(1, 1, 1), nullptr);
  EXPECT_NE(kKR->SetzungFinden(1, 1, 1), nullptr);
  EXPECT_EQ(f->ZellKurs(3, 3), kD);
  EXPECT_EQ(f->ZellKurs(1, 1), kKR);
  EXPECT_TRUE(BelegungenStimmen(Schule()));
  // Mit Shift auf dieselbe Zelle: nichts.
  Ziehe(f, 3, 3, 3, 3, Qt::ShiftModifier);
  EXPECT_EQ(u.dialog.fProtokoll.size(), 2u);
}

TEST_F(PlnFormTest, TauschMitFixierterStundeFragtNach) {
  kM->SetzungFinden(1, 1, 2)->fFixiert = true;
  TPlnForm* f = Oeffne(k5a);
  Werkzeug(TToolArt::SchiebTool);
  u.dialog.Antworte("Ok");
  u.dialog.Antworte("Nein");
  Ziehe(f, 1, 2, 2, 2, Qt::ShiftModifier);
  ASSERT_EQ(Titel(), (std::vector<std::string>{"Stundentausch", "Tauschkonflikte"}));
  EXPECT_EQ(
      u.dialog.fProtokoll[1].Zeilen,
      (std::vector<std::string>{"Konflikte durch Sperrungen oder", "Fixierungen. Wollen Sie die",
                                "Stunden trotzdem tauschen?", "fixiert {1} SCH M 5a R2"}));
  EXPECT_NE(kM->SetzungFinden(1, 1, 2), nullptr);
  u.dialog.Antworte("Ok");
  u.dialog.Antworte("Ja");
  Ziehe(f, 1, 2, 2, 2, Qt::ShiftModifier);
  EXPECT_NE(kM->SetzungFinden(1, 2, 2), nullptr);
  EXPECT_TRUE(BelegungenStimmen(Schule()));
}

TEST_F(PlnFormTest, ProbeMitStrgMarkiertWasHinpasst) {
  TPlnForm* f = Oeffne(k5a);
  Werkzeug(TToolArt::SchiebTool);
  // Gedrückt auf die Stunde SCH M (Mo 2): sie wird ausgehoben; welche Stunden passen dorthin?
  QTest::mousePress(Flaeche(f), Qt::LeftButton, Qt::ControlModifier, f->ZellPunkt(1, 2));
  // MUE D (Mo 1, Di 1): MUE und 5a sind Mo 2 frei (SCH ausgehoben), R1 auch → ja.
  // SCH M (Mo 2): selbst → ja. Kopplung (Mi 3): KRA, WEB, 5b frei → ja.
  EXPECT_EQ(Markiert(f), (std::vector<std::pair<int, int>>{{1, 1}, {2, 1}, {1, 2}, {3, 3}}));
  QTest::mouseRelease(Flaeche(f), Qt::LeftButton, Qt::ControlModifier, f->ZellPunkt(1, 2));
  // Die Belegung ist wieder da.
  EXPECT_TRUE(sch->fBesetzung.GetWocheTagStd(1, 1, 2));
  EXPECT_TRUE(k5a->fBesetzung.GetWocheTagStd(1, 1, 2));
  EXPECT_TRUE(r2->fBesetzung.GetWocheTagStd(1, 1, 2));
  EXPECT_TRUE(BelegungenStimmen(Schule()));
  // Am Freitag 1 ist MUE gesperrt, R2 ist Do 2 ... : Probe auf Fr 1 markiert MUE D nicht.
  QTest::mousePress(Flaeche(f), Qt::LeftButton, Qt::ControlModifier, f->ZellPunkt(5, 1));
  EXPECT_EQ(Markiert(f), (std::vector<std::pair<int, int>>{{1, 2}, {3, 3}}));
  QTest::mouseRelease(Flaeche(f), Qt::LeftButton, Qt::ControlModifier, f->ZellPunkt(5, 1));
  // Mit belegtem Raum: R2 ist Di 3 durch einen fremden Kurs belegt; mit Alt zählt der Raum nicht.
  TKurs* fremd = Kurs(web, Schule().HoleFach("M"), {k5b}, {r2}, nullptr, 1, clWhite);
  ASSERT_NE(fremd->NeueSetzung(1, 2, 4, r2), nullptr);
  QTest::mousePress(Flaeche(f), Qt::LeftButton, Qt::ControlModifier, f->ZellPunkt(2, 4));
  const auto ohneAlt = Markiert(f);
  EXPECT_EQ(std::count(ohneAlt.begin(), ohneAlt.end(), std::pair{1, 2}), 0);
  QTest::mouseRelease(Flaeche(f), Qt::LeftButton, Qt::ControlModifier, f->ZellPunkt(2, 4));
  QTest::mousePress(Flaeche(f), Qt::LeftButton, Qt::ControlModifier | Qt::AltModifier,
                    f->ZellPunkt(2, 4));
  const auto mitAlt = Markiert(f);
  EXPECT_EQ(std::count(mitAlt.begin(), mitAlt.end(), std::pair{1, 2}), 1);
  QTest::mouseRelease(Flaeche(f), Qt::LeftButton, Qt::ControlModifier | Qt::AltModifier,
                      f->ZellPunkt(2, 4));
  EXPECT_TRUE(BelegungenStimmen(Schule()));
}

// ---- Löschen und Fixieren ----

TEST_F(PlnFormTest, LoeschenNurDesRaumsMitAlt) {
  TPlnForm* klasse = Oeffne(k5a);
  TPlnForm* raum = NeuesPlanFenster(r1);
  Schule().FensterAktivieren(klasse);
  Werkzeug(TToolArt::LoeschTool);
  DoppelKlick(klasse, 1, 1, Qt::AltModifier);
  ASSERT_NE(kD->SetzungFinden(1, 1, 1), nullptr);
  EXPECT_EQ(kD->SetzungFinden(1, 1, 1)->fRaum, nullptr);
  EXPECT_EQ(klasse->ZellKurs(1, 1), kD);
  EXPECT_EQ(raum->ZellKurs(1, 1), nullptr);
  EXPECT_EQ(raum->ZellKurs(2, 1), kD);
  EXPECT_NE(klasse->InhaltAlsText().find(" 1\tMUE D\tMUE D R1\t---"), std::string::npos);
  // Mit Alt wählt der Klick nichts aus: eine früher gewählte Zelle bleibt unberührt.
  Klick(klasse, 1, 2);
  DoppelKlick(klasse, 2, 1, Qt::AltModifier);
  EXPECT_EQ(kD->SetzungFinden(1, 2, 1)->fRaum, nullptr);
  EXPECT_EQ(kM->SetzungFinden(1, 1, 2)->fRaum, r2);
  EXPECT_TRUE(u.dialog.fProtokoll.empty());
  EXPECT_TRUE(BelegungenStimmen(Schule()));
}

TEST_F(PlnFormTest, LoeschenEinerStundeUndDerKopplung) {
  TPlnForm* f = Oeffne(k5a);
  Werkzeug(TToolArt::LoeschTool);
  DoppelKlick(f, 2, 1);
  EXPECT_EQ(kD->SetzungFinden(1, 2, 1), nullptr);
  EXPECT_EQ(f->ZellKurs(2, 1), nullptr);
  // Gekoppelt: die Frage entscheidet.
  u.dialog.Antworte("Abbrechen");
  DoppelKlick(f, 3, 3);
  EXPECT_NE(kKR->SetzungFinden(1, 3, 3), nullptr);
  u.dialog.Antworte("Dieser Kurs");
  DoppelKlick(f, 3, 3);
  ASSERT_EQ(Titel(),
            (std::vector<std::string>{"gekoppelten Kurs löschen", "gekoppelten Kurs löschen"}));
  EXPECT_EQ(u.dialog.fProtokoll[0].Zeilen,
            (std::vector<std::string>{"{1} Mi  3 KRA ER 5a REL R3", "{1} Mi  3 WEB KR 5a REL R4"}));
  EXPECT_EQ(kKR->SetzungFinden(1, 3, 3), nullptr);
  EXPECT_NE(kER->SetzungFinden(1, 3, 3), nullptr);
  EXPECT_EQ(f->ZellKurs(3, 3), kER);
  u.dialog.Antworte("Kopplung");
  DoppelKlick(f, 3, 3);
  EXPECT_EQ(kER->SetzungFinden(1, 3, 3), nullptr);
  EXPECT_EQ(f->ZellKurs(3, 3), nullptr);
  EXPECT_TRUE(BelegungenStimmen(Schule()));
}

TEST_F(PlnFormTest, FixierenUndWiederLoesen) {
  TPlnForm* f = Oeffne(k5b);
  Werkzeug(TToolArt::FixTool);
  Schule().SetDirty(false);
  DoppelKlick(f, 3, 3);
  EXPECT_TRUE(kER->SetzungFinden(1, 3, 3)->fFixiert);
  EXPECT_TRUE(kKR->SetzungFinden(1, 3, 3)->fFixiert);
  EXPECT_TRUE(Schule().fDirty);
  DoppelKlick(f, 4, 2);
  EXPECT_TRUE(kD5b->SetzungFinden(1, 4, 2)->fFixiert);
  DoppelKlick(f, 3, 3);
  EXPECT_FALSE(kER->SetzungFinden(1, 3, 3)->fFixiert);
  EXPECT_FALSE(kKR->SetzungFinden(1, 3, 3)->fFixiert);
  EXPECT_TRUE(kD5b->SetzungFinden(1, 4, 2)->fFixiert);
  // Leere Zelle: nichts.
  DoppelKlick(f, 1, 1);
  EXPECT_TRUE(BelegungenStimmen(Schule()));
}

TEST_F(PlnFormTest, FixierenImMehrwochenbetriebGiltFuerAlleWochen) {
  Schule().VersionErweitern(2);
  st.fEineWoche = false;
  for (TKurs* k : {kER, kKR}) k->fStunden.SetWochenStunde(2, 2);
  ASSERT_NE(kER->NeueSetzung(2, 3, 3, r3), nullptr);
  ASSERT_NE(kKR->NeueSetzung(2, 3, 3, r4), nullptr);
  kKR->SetzungFinden(2, 3, 3)->fFixiert = true;  // verschieden je Woche
  TPlnForm* f = Oeffne(k5a);
  Werkzeug(TToolArt::FixTool);
  DoppelKlick(f, 3, 3);
  for (TKurs* k : {kER, kKR})
    for (int w : {1, 2}) EXPECT_TRUE(k->SetzungFinden(w, 3, 3)->fFixiert) << w;
}

// ---- Zeigen ----

TEST_F(PlnFormTest, ZeigenRechtsklickMenueWechseltDenKursDerKlassenzelle) {
  TPlnForm* f = Oeffne(k5a);
  ASSERT_EQ(f->ZellKurs(3, 3), kKR);
  Klick(f, 3, 3, Qt::RightButton);
  ASSERT_NE(f->PlnPopupMenu, nullptr);
  const TMenue& menue = f->PlnPopupMenu->Menue();
  ASSERT_EQ(menue.size(), 2u);
  EXPECT_EQ(menue[0].Text, "{1} KRA ER 5a REL R3");
  EXPECT_EQ(menue[1].Text, "{1} WEB KR 5a REL R4");
  EXPECT_TRUE(f->PlnPopupMenu->Waehle(0));
  EXPECT_EQ(f->ZellKurs(3, 3), kER);
  // Im Lehrerplan nennt das Menü je Klasse eine Zeile; mit Shift die Info.
  TPlnForm* l = Oeffne(kra);
  kER->fInfo = "Info";
  Klick(l, 3, 3, Qt::RightButton, Qt::ShiftModifier);
  ASSERT_NE(l->PlnPopupMenu, nullptr);
  ASSERT_EQ(l->PlnPopupMenu->Menue().size(), 2u);
  EXPECT_EQ(l->PlnPopupMenu->Menue()[0].Text, "{1} KRA ER 5a REL R3 [Info]");
  EXPECT_EQ(l->PlnPopupMenu->Menue()[1].Text, "{1} KRA ER 5b REL R3 [Info]");
  EXPECT_TRUE(l->PlnPopupMenu->Waehle(1));  // außerhalb eines Klassenplans: nichts
  EXPECT_EQ(l->ZellKurs(3, 3), kER);
}

TEST_F(PlnFormTest, MenueNurImAktivenFenster) {
  TPlnForm* f = Oeffne(k5a);
  TPlnForm* g = Oeffne(mue);
  ASSERT_EQ(Schule().fAktivesFenster, g);
  Klick(f, 1, 1, Qt::RightButton);
  EXPECT_EQ(f->PlnPopupMenu, nullptr);
}

TEST_F(PlnFormTest, DoppelklickMitStrgOeffnetDiePlaeneDerStunde) {
  TPlnForm* f = Oeffne(k5a);
  DoppelKlick(f, 1, 2, Qt::ControlModifier);
  ASSERT_NE(r2->fPlnFenster, nullptr);
  ASSERT_NE(sch->fPlnFenster, nullptr);
  EXPECT_EQ(k5a->fPlnFenster, f);
  EXPECT_EQ(r2->fPlnFenster->Titel(), "Plan R2");
  EXPECT_FALSE(Schule().fDirty);
}

// ---- Fenster ----

TEST_F(PlnFormTest, NeueWocheFuelltNeuUndBehaeltDenSchalter) {
  Schule().VersionErweitern(2);
  st.fEineWoche = true;
  kD->fStunden.SetWochenStunde(2, 3);
  ASSERT_NE(kD->NeueSetzung(2, 5, 5, r1), nullptr);
  TPlnForm* f = Oeffne(mue);
  Werkzeug(TToolArt::SchiebTool);
  f->PlanWechselKnopfClick();
  palette.VersionWaehlen(2);
  EXPECT_EQ(f->ZellKurs(1, 1), nullptr);
  EXPECT_EQ(f->ZellKurs(5, 5), kD);
  EXPECT_EQ(f->PlanWechselKnopf->text(), T("x"));
  // Das Fenster bleibt aktiv, das Werkzeug bleibt.
  EXPECT_EQ(Schule().fAktivesFenster, f);
  EXPECT_EQ(Schule().fToolArt, TToolArt::SchiebTool);
}

TEST_F(PlnFormTest, ElementwahlErsetztOderOeffntEinZweitesFenster) {
  Schule().fFensterArt = TFensterArt::PFenster;
  TPlnForm* f = Oeffne(mue);
  Werkzeug(TToolArt::FixTool);
  f->PlnGrid->SelectAll();  // die Auswahl gilt MUE
  ASSERT_FALSE(f->AusgewaehlteKurse().empty());
  ElementFensterOeffnen(sch, TFensterArt::PFenster, 0);
  // Das aktive Planfenster zeigt nun SCH.
  EXPECT_EQ(sch->fPlnFenster, f);
  EXPECT_EQ(mue->fPlnFenster, nullptr);
  EXPECT_EQ(f->windowTitle(), T("Plan SCH"));
  EXPECT_EQ(f->ZellKurs(1, 2), kM);
  EXPECT_EQ(f->ZellKurs(1, 1), nullptr);
  EXPECT_EQ(Schule().fAktivesFenster, f);
  EXPECT_EQ(Schule().fToolArt, TToolArt::FixTool);
  EXPECT_TRUE(f->AusgewaehlteKurse().empty());
  ASSERT_EQ(Schule().fFensterListe.size(), 1u);
  EXPECT_EQ(Schule().fFensterListe[0]->Titel(), "Plan SCH");
  // Mit Shift ein zweites Fenster.
  ElementFensterOeffnen(mue, TFensterArt::PFenster, umShift);
  ASSERT_NE(mue->fPlnFenster, nullptr);
  EXPECT_NE(mue->fPlnFenster, f);
  EXPECT_EQ(Schule().fFensterListe.size(), 2u);
  // Schon offen: nach vorn, kein neues.
  ElementFensterOeffnen(mue, TFensterArt::PFenster, umShift);
  EXPECT_EQ(Schule().fFensterListe.size(), 2u);
}

TEST_F(PlnFormTest, PfeiltastenBlaetternZumNaechstenLehrer) {
  TPlnForm* f = Oeffne(mue);
  palette.AktualisierePalette();
  f->PlnGrid->setFocus();
  QTest::keyClick(f->PlnGrid, Qt::Key_Right);
  EXPECT_EQ(sch->fPlnFenster, f);
  QTest::keyClick(f->PlnGrid, Qt::Key_Left);
  QTest::keyClick(f->PlnGrid, Qt::Key_Left);
  EXPECT_EQ(web->fPlnFenster, f);  // im Kreis: vor MUE kommt der letzte Lehrer
  EXPECT_EQ(f->windowTitle(), T("Plan WEB"));
}

TEST_F(PlnFormTest, SchliessenMeldetAbUndAltSchliesstAlle) {
  TPlnForm* a = Oeffne(mue);
  TPlnForm* b = Oeffne(k5a);
  TPlnForm* c = Oeffne(r1);
  EXPECT_EQ(Schule().fFensterListe.size(), 3u);
  EXPECT_TRUE(b->close());
  EXPECT_EQ(k5a->fPlnFenster, nullptr);
  EXPECT_EQ(Schule().fFensterListe.size(), 2u);
  EXPECT_EQ(Schule().fAktivesFenster, c);
  c->Schliessen();
  EXPECT_EQ(Schule().fAktivesFenster, nullptr);
  EXPECT_EQ(r1->fPlnFenster, nullptr);
  // Mit Alt schließt das Schließen eines Fensters alle.
  TPlnForm* d = Oeffne(r2);
  palette.Verwaltung().UmschalttastenSetzen(umAlt);
  EXPECT_TRUE(d->close());
  EXPECT_TRUE(Schule().fFensterListe.empty());
  EXPECT_EQ(mue->fPlnFenster, nullptr);
  EXPECT_EQ(r2->fPlnFenster, nullptr);
  EXPECT_EQ(*palette.Verwaltung().Umschalttasten() & umAlt, 0u);
  (void)a;
}

TEST_F(PlnFormTest, GleichnamigePlaeneSindAngemeldetUndSchliessenMitDerSchule) {
  // Lehrer und Raum "A1": zwei Fenster "Plan A1", beide im Fenstermenü.
  QPointer<TPlnForm> lehrer(Oeffne(Schule().HoleLehrer("A1")));
  QPointer<TPlnForm> raum(Oeffne(Schule().HoleRaum("A1")));
  EXPECT_EQ(Schule().fFensterListe, (std::vector<TFenster*>{lehrer.data(), raum.data()}));
  auto* menue = qobject_cast<QMenu*>(palette.Befehl(T("Fenster/Zwischenablage"))->parent());
  ASSERT_EQ(menue->actions().size(), 6);
  EXPECT_EQ(menue->actions()[5]->text(), T("Plan A1"));
  // Umbenannt: der Eintrag folgt, sobald das Menü aufgeht.
  TRaum* a1 = Schule().HoleRaum("A1");
  a1->fKuerzel = "A2";
  emit menue->aboutToShow();
  EXPECT_EQ(menue->actions()[5]->text(), T("Plan A2"));
  a1->fKuerzel = "A1";
  Schule().SetDirty(false);
  palette.DateiSchliessenItemClick();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(lehrer.isNull());
  EXPECT_TRUE(raum.isNull());
  EXPECT_EQ(menue->actions().size(), 4);
}

TEST_F(PlnFormTest, GeloeschtesElementSchliesstSeinFenster) {
  TPlnForm* f = Oeffne(r4);
  QPointer<TPlnForm> beobachter(f);
  Schule().ElementLoeschen(r4);
  EXPECT_TRUE(Schule().fFensterListe.empty());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(beobachter.isNull());
}

TEST_F(PlnFormTest, KursDerDieKlasseVerlaesstWirdNichtMehrAngefasst) {
  TPlnForm* f = Oeffne(k5a);
  ASSERT_EQ(f->ZellKurs(1, 2), kM);
  kM->KlasseEntfernen(k5a);
  EXPECT_EQ(f->ZellKurs(1, 2), nullptr);
  Schule().KursLoeschen(kM);
  f->PlnGrid->viewport()->repaint();
  EXPECT_NE(f->InhaltAlsText().find(" 2\t---\t---"), std::string::npos);
}

TEST_F(PlnFormTest, NeueFensterKaskadieren) {
  st.fFensterOrd = 1;
  TPlnForm* a = Oeffne(mue);
  TPlnForm* b = Oeffne(sch);
  EXPECT_EQ(b->pos() - a->pos(), QPoint(30, 30));
}

TEST_F(PlnFormTest, ZellenWerdenInKursfarbeGezeichnet) {
  TPlnForm* f = Oeffne(k5a);
  QApplication::processEvents();
  // Das Fenster ist genau so groß wie der Plan: keine Rollbalken.
  EXPECT_EQ(f->PlnGrid->viewport()->size(), f->PlnGrid->GesamtGroesse());
  const QImage bild = f->PlnGrid->viewport()->grab().toImage();
  auto farbe = [&](int t, int h) {
    const QRect r = f->PlnGrid->CellRect(t, h);
    return bild.pixelColor(r.left() + r.width() / 2, r.bottom() - 1);
  };
  EXPECT_EQ(farbe(1, 1), QColor(255, 0, 0));      // MUE D: 0x0000FF ist Rot
  EXPECT_EQ(farbe(1, 2), QColor(0, 255, 0));      // SCH M
  EXPECT_EQ(farbe(3, 3), QColor(255, 0, 255));    // WEB KR
  EXPECT_EQ(farbe(5, 6), QColor(128, 128, 128));  // gesperrt
  EXPECT_EQ(farbe(4, 4), QColor(255, 255, 255));  // frei
}

TEST_F(PlnFormTest, ZuLangeKuerzelLaufenNichtInDenNaechstenTeil) {
  rel->SetKuerzel("RELIGIONSKU");
  TPlnForm* f = Oeffne(k5a);
  QApplication::processEvents();
  const QImage bild = f->PlnGrid->viewport()->grab().toImage();
  const QRect r = f->PlnGrid->CellRect(3, 3);
  // Vor dem Fach (Teil B bei 2 + PlnLeKoBreite + 2 · ZellRand) bleibt ein Streifen in der
  // Kursfarbe frei.
  const int x = r.left() + 2 + st.PlnLeKoBreite() + 2 * ZellRand - 1;
  for (int y = r.top() + 1; y < r.bottom(); ++y)
    EXPECT_EQ(bild.pixelColor(x, y), QColor(255, 0, 255)) << y;
}

}  // namespace
