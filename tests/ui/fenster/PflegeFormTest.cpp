// Die Fenster der Prüfungen und der Planpflege: "Fehler" mit "Prüfergebnis", "Stundenverteilung",
// "Pläne löschen" und "Komprimieren", aus den Menüs der Palette.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBlock>
#include <QTextDocument>

#include "PlanFensterHilfe.h"
#include "PlanInvarianten.h"
#include "model/KlassenUnit.h"
#include "ui/fenster/FehlerFormUnit.h"
#include "ui/fenster/KompFormUnit.h"
#include "ui/fenster/PlLoeschFormUnit.h"
#include "ui/fenster/QtTextUnit.h"
#include "ui/fenster/QuonGridUnit.h"
#include "ui/fenster/SVFormUnit.h"
#include "ui/fenster/SperrQuonGridUnit.h"

namespace {

class PflegeFormTest : public PlanFensterTest {
 protected:
  void Menue(const char* pfad) {
    QAction* a = palette.Befehl(T(pfad));
    ASSERT_TRUE(a);
    ASSERT_TRUE(a->isEnabled()) << pfad;
    a->trigger();
    QApplication::processEvents();
  }
  TFehlerForm* Fehler() const { return dynamic_cast<TFehlerForm*>(Schule().fFehlerForm); }
  TSVForm* SV() const { return dynamic_cast<TSVForm*>(Schule().fSVForm); }
  std::vector<std::string> Letzte() const { return u.dialog.fProtokoll.back().Zeilen; }
};

TEST_F(PflegeFormTest, FehlerSammeltZeilenBisZumSchliessen) {
  kD->NeueSetzung(1, 1, 3, r1);  // Montag 1 und 3: eine Brücke
  Schule().SetDirty(false);
  EXPECT_FALSE(palette.Befehl(T("Daten/Prüfen/Versionsunterschiede"))->isEnabled());
  Menue("Daten/Prüfen/Brücken");
  TFehlerForm* f = Fehler();
  ASSERT_TRUE(f);
  EXPECT_EQ(f->FensterArt(), FensterArt::Fehler);
  EXPECT_EQ(f->windowTitle(), T("Fehler"));
  EXPECT_TRUE(Schule().FensterOffen(f));
  EXPECT_EQ(f->Inhalt->toPlainText(), T("Der Kurs MUE D 5a hat {1} Mo eine Brücke."));
  EXPECT_EQ(u.dialog.fProtokoll.back().Titel, "Prüfergebnis");
  EXPECT_EQ(Letzte(), (std::vector<std::string>{"Beim Prüfen der Daten wurden",
                                                "kleinere Fehler gefunden."}));
  EXPECT_EQ(u.dialog.fMeldungsFenster.back(), "Die Daten werden geprüft.");

  Menue("Daten/Prüfen/fehlende Stunden");
  EXPECT_EQ(Fehler(), f);
  ASSERT_EQ(f->Zeilen().size(), 5u);
  EXPECT_NE(std::find(f->Zeilen().begin(), f->Zeilen().end(),
                      "Im Kurs {1} SCH M 5a sind 1 Stunden noch nicht gesetzt."),
            f->Zeilen().end());
  EXPECT_EQ(f->InhaltAlsText().rfind("Der Kurs MUE D 5a hat {1} Mo eine Brücke.\r\nIm Kurs ", 0),
            0u);
  EXPECT_FALSE(Schule().fDirty);
  // "Kopieren" bei aktivem Fenster "Fehler": alle Zeilen, mit einer Auswahl nur diese.
  palette.Verwaltung().FensterAktiviert(f);
  Menue("Bearbeiten/Kopieren");
  EXPECT_EQ(u.ablage.fText, f->InhaltAlsText());
  EXPECT_EQ(std::count(u.ablage.fText.begin(), u.ablage.fText.end(), '\n'), 5);
  QTextCursor c(f->Inhalt->document()->firstBlock());
  c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
  f->Inhalt->setTextCursor(c);
  Menue("Bearbeiten/Kopieren");
  EXPECT_EQ(u.ablage.fText, "Der Kurs MUE D 5a hat {1} Mo eine Brücke.");
  f->Inhalt->setTextCursor(QTextCursor(f->Inhalt->document()));

  // Doppelklick auf eine Zeile: der Plan ihres Elements (die erste Klasse des Kurses).
  f->resize(600, 400);
  QApplication::processEvents();
  QWidget* flaeche = f->Inhalt->viewport();
  QTest::mouseDClick(flaeche, Qt::LeftButton, {}, QPoint(20, flaeche->height() - 5));
  EXPECT_FALSE(k5a->fPlnFenster);  // unter der letzten Zeile
  QTextCursor erste(f->Inhalt->document()->firstBlock());
  QTest::mouseDClick(flaeche, Qt::LeftButton, {}, f->Inhalt->cursorRect(erste).center());
  EXPECT_TRUE(k5a->fPlnFenster);
  f->ZeileDoppelKlick(99);

  // Eine Prüfung ohne Befund zeigt das Ergebnis und lässt das Fenster, wie es ist.
  Menue("Daten/Prüfen/gekoppelte Kurse");
  EXPECT_EQ(Letzte()[1], "keine Fehler gefunden.");
  EXPECT_EQ(f->Zeilen().size(), 5u);

  f->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(Schule().fFehlerForm, nullptr);
  Menue("Daten/Prüfen/Brücken");
  ASSERT_TRUE(Fehler());
  EXPECT_EQ(Fehler()->Zeilen().size(), 1u);
}

TEST_F(PflegeFormTest, KonsistenzMitAusbesserungMachtSichernWaehlbar) {
  kM->fStunden.SetWochenStunde(0, 0);  // weniger Stunden als Setzungen
  Schule().SetDirty(false);
  Menue("Daten/Prüfen/Konsistenz");
  EXPECT_EQ(kM->fStunden.GetWochenStunde(1), 1);
  EXPECT_TRUE(Schule().fDirty);
  EXPECT_TRUE(palette.Befehl(T("Datei/Sichern"))->isEnabled());
  EXPECT_EQ(Letzte()[1], "kleinere Fehler gefunden.");
  EXPECT_EQ(Fehler(), nullptr);  // Ausbesserungen schreiben keine Zeilen
  EXPECT_GE(u.dialog.fPiepser, 1);
  EXPECT_TRUE(BelegungenStimmen(Schule()));
}

TEST_F(PflegeFormTest, StundenverteilungFolgtDemPlan) {
  Menue("Daten/Pläne/Stundenverteilung");
  TSVForm* f = SV();
  ASSERT_TRUE(f);
  EXPECT_EQ(f->FensterArt(), FensterArt::Stundenverteilung);
  EXPECT_EQ(f->windowTitle(), T("Stundenverteilung"));
  EXPECT_EQ(f->SVGrid->RowCount(), 5);
  EXPECT_EQ(f->SVGrid->Cells(0, 0), T("Kürzel"));
  EXPECT_EQ(f->SVGrid->Cells(1, 0), T("Mo"));
  EXPECT_EQ(f->SVGrid->Cells(6, 0), T("Sprstd."));
  EXPECT_EQ(f->SVGrid->Cells(0, 2), T("SCH"));
  EXPECT_EQ(f->Zeilen()[1].Tage[0], "FEFFFF");
  // Eine neue Stunde: das Fenster folgt.
  kM->NeueSetzung(1, 1, 5, r2);
  QApplication::processEvents();
  EXPECT_EQ(f->Zeilen()[1].Tage[0], "FEUUEF");
  EXPECT_EQ(f->SVGrid->Cells(6, 2), T("2"));
  // Klassen; Doppelklick auf den Kopf öffnet nichts, auf eine Zeile den Plan.
  f->KlRadio->click();
  EXPECT_EQ(f->SVGrid->RowCount(), 3);
  EXPECT_EQ(f->SVGrid->Cells(0, 1), T("5a"));
  f->ZeileDoppelKlick(0);
  f->ZeileDoppelKlick(3);
  EXPECT_FALSE(k5a->fPlnFenster);
  f->ZeileDoppelKlick(2);
  EXPECT_TRUE(k5b->fPlnFenster);
  // Der Menübefehl holt das offene Fenster nach vorn.
  Menue("Daten/Pläne/Stundenverteilung");
  EXPECT_EQ(SV(), f);
  f->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(Schule().fSVForm, nullptr);
}

TEST_F(PflegeFormTest, PlaeneLoeschenMitBereichUndZellen) {
  st.fPlLoeRadio = 0;
  TPlLoeschForm form(&palette);
  EXPECT_TRUE(form.alleRadio->isChecked());
  EXPECT_FALSE(form.vonKnopf->isEnabled());
  form.LeRadio->click();
  EXPECT_EQ(st.fPlLoeRadio, 1);
  EXPECT_EQ(form.vonFeld->text(), T("MUE"));
  EXPECT_EQ(form.bisFeld->text(), T("WEB"));
  std::vector<TElement*> wahl = {kra, sch};
  form.SetzeElementWahl([&wahl](TKuerzelArt art, QPushButton*) -> TElement* {
    EXPECT_EQ(art, leh);
    TElement* e = wahl.front();
    wahl.erase(wahl.begin());
    return e;
  });
  form.vonKnopf->click();
  EXPECT_EQ(form.vonFeld->text(), T("KRA"));
  form.bisKnopf->click();  // SCH liegt vor "von": "bis" wird KRA
  EXPECT_EQ(form.bisFeld->text(), T("KRA"));
  form.FixNichtCheck->setChecked(false);
  EXPECT_FALSE(st.fPlLoeFixNicht);
  // Alle Zellen sind markiert; ein Zug über Mittwoch 3 bis 4 nimmt sie heraus.
  TSperrGrid* grid = form.Sperrung->SperrGrid;
  form.show();
  QApplication::processEvents();
  QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, grid->ZellRechteck(3, 3).center());
  QTest::mouseMove(grid->viewport(), grid->ZellRechteck(3, 4).center());
  QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, grid->ZellRechteck(3, 4).center());
  EXPECT_FALSE(form.fSperrung.GetWocheTagStd(1, 3, 3));
  EXPECT_TRUE(form.fSperrung.GetWocheTagStd(1, 3, 2));
  form.OkKnopfClick();
  EXPECT_EQ(kER->fSetzungen.size(), 1u);  // nicht markiert
  // Ein neuer Dialog: alle Zellen, der Bereich wieder vom ersten bis zum letzten Lehrer.
  TPlLoeschForm zweite(&palette);
  EXPECT_TRUE(zweite.LeRadio->isChecked());
  zweite.OkKnopfClick();
  EXPECT_TRUE(kER->fSetzungen.empty() && kKR->fSetzungen.empty() && kD->fSetzungen.empty());
  EXPECT_TRUE(BelegungenStimmen(Schule()));
}

TEST_F(PflegeFormTest, KomprimierenMitWarnungFensterUndZusammenfassung) {
  u.dialog.Antworte("Nein");
  EXPECT_FALSE(KomprimierenBefehl(&palette));
  ASSERT_EQ(u.dialog.fProtokoll.size(), 1u);
  EXPECT_EQ(u.dialog.fProtokoll[0].Titel, "Komprimieren");
  EXPECT_EQ(
      u.dialog.fProtokoll[0].Zeilen,
      (std::vector<std::string>{"Beim Komprimieren werden", "Stunden in den Plänen verschoben.",
                                "Soll trotzdem komprimiert werden?"}));
  EXPECT_EQ(u.dialog.fProtokoll[0].Knoepfe, (std::vector<std::string>{"Ja", "Nein"}));

  // Abbrechen vor dem Start schließt ohne eine Änderung.
  const TPlanAbzug vorher(Schule());
  {
    TKompForm form(&palette);
    EXPECT_EQ(form.KlassenFeld->text(), T("5a"));
    EXPECT_EQ(form.Versionsfeld->text(), T("1"));
    EXPECT_EQ(form.FortschrittFeld->text(), T("Klasse 1 von 2"));
    form.Button2->click();
    EXPECT_EQ(vorher.Bewegt(Schule()), 0);
    EXPECT_EQ(u.dialog.fProtokoll.size(), 1u);
  }
  // Ein Lauf über alle Klassen endet mit der Zusammenfassung.
  kM->LoescheSetzung(1, 1, 2, false);
  kM->NeueSetzung(1, 1, 4, r2);  // Montag 1 und 4: zwei Lücken in 5a
  const TPlanAbzug davor(Schule());
  TKompForm form(&palette);
  EXPECT_EQ(form.HohlFeld->text(), T("4"));  // Montag 2 und 3, Mittwoch 1 und 2
  form.BrueckenBox->setChecked(true);
  EXPECT_TRUE(st.fKompBruecken);
  form.StartKnopf->click();
  EXPECT_FALSE(form.StartKnopf->isEnabled());
  EXPECT_EQ(u.dialog.fProtokoll.back().Titel, "Komprimieren");
  EXPECT_EQ(Letzte().size(), 3u);
  EXPECT_EQ(Letzte()[2],
            "Hohlstunden nachher: " + std::to_string(form.Komprimierer().fHohlNachher));
  EXPECT_LT(form.Komprimierer().fHohlNachher, form.Komprimierer().fHohlVorher);
  EXPECT_GT(davor.Bewegt(Schule()), 0);
  EXPECT_TRUE(PlanUnversehrt(davor, Schule()));
}

}  // namespace
