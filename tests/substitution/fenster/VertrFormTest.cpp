// Der Tagesplan "Vertretungen" als Fenster: der Morgen von der Abwesenheit bis zur
// Monatsübersicht, Löschen mit dem Löschwerkzeug, "Ad hoc", inaktive Vertretungen, Blättern,
// die Abwesenheitsknöpfe mit Strg, "Vertretung unnötig" und "Vertretene Stunden".
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "model/DatumUnit.h"
#include "persistence/WriteUnit.h"
#include "substitution/FehlUnit.h"
#include "substitution/FehlzeitUnit.h"
#include "substitution/fenster/VStatFormUnit.h"
#include "substitution/fenster/VStdFormUnit.h"
#include "substitution/fenster/VertrFormUnit.h"
#include "substitution/VertrUnit.h"
#include "ui/fenster/QtTextUnit.h"
#include "ui/fenster/VWahlFormUnit.h"
#include "ui/fenster/PlanFensterHilfe.h"

namespace {

// Vertretungen und Konten als Text: was nach Sichern und Lesen gleich sein muss.
std::string Stand() {
  std::string s;
  for (const TVertretung* v : Schule().fVertretungsMenge)
    s += std::to_string(v->fDatum) + " " + v->KursZeile(false) + " " +
         (v->fLehrer ? v->fLehrer->fKuerzel.str() : "-") + " " + std::to_string(v->fGueltig) +
         std::to_string(v->fAngerechnet) + "\n";
  for (const TLehrer* l : Schule().fLehrerMenge)
    s += l->fKuerzel.str() + " " + std::to_string(l->fVStunden1) + " " +
         std::to_string(l->fVStunden2) + " " +
         std::to_string(const_cast<TLehrer*>(l)->MonatsStunden(2026, 12)) + "\n";
  return s;
}

class VertrFormTest : public PlanFensterTest {
 protected:
  VertrFormTest() {
    // Mittwoch (heute nach der Testuhr): MUE gibt D in 5a in der 1. und D in 5b in der 2.
    kD->NeueSetzung(1, 3, 1, r1);
    kD5b->NeueSetzung(1, 3, 2, r1);
    kD->fFaktor = 2;
    Schule().SetDirty(false);
  }
  ~VertrFormTest() override {
    VWahlZeigenHaken() = nullptr;
    VStatZeitWahl() = nullptr;
    VertrDatumWahl() = nullptr;
  }
  TVertrForm* Heute() {
    palette.Befehl(T("Daten/Vertretung/Heute"))->trigger();
    auto* f = dynamic_cast<TVertrForm*>(Schule().fVertrForm);
    if (f) Schule().FensterAktivieren(f);
    return f;
  }
  void Doppelt(TVertrForm* f, int row) {
    const QPoint p = f->VertrGrid->CellRect(2, row).center();
    QWidget* w = f->VertrGrid->viewport();
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, p);
    QTest::mouseDClick(w, Qt::LeftButton, Qt::NoModifier, p);
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, p);
  }
  // Der Abwesenheitsdialog trägt MUE für den ganzen Tag ein.
  void MueFehlt(TVertrForm* f) {
    f->fFehlDialog = [f, this](TKuerzelArt art, TFehl*) {
      ASSERT_EQ(art, leh);
      FehlzeitEintragen(mue, f->fDatum, StundenMaske(1, 6), "K");
    };
    QTest::mouseClick(f->LehrerKnopf, Qt::LeftButton);
  }
};

// Ohne Haken: der Doppelklick öffnet die echte "Vertretungswahl"; die Liste zeigt nur, wer da und
// frei ist, und der gewählte Vertreter steht danach im Tagesplan und auf seinem Konto.
TEST_F(VertrFormTest, DoppelklickOeffnetDieVertretungswahl) {
  TVertrForm* f = Heute();
  ASSERT_NE(f, nullptr);
  MueFehlt(f);
  FehlzeitEintragen(sch, f->fDatum, StundenMaske(1, 1), "K");  // SCH fehlt in der 1. Stunde
  ASSERT_EQ(f->fAnzahl, 2);
  TVertretung* erste = f->Vertretung(1);
  ASSERT_NE(erste, nullptr);
  // Die Liste: alle Lehrer, nicht nur die der Klasse, auch ohne Randstunde.
  Standard().fVertrLeAuswahl = 2;
  Standard().fVertrRandCheck = false;
  Standard().fVertrFreiCheck = true;
  Doppelt(f, 1);
  auto* wahl = dynamic_cast<TVWahlForm*>(Schule().fVWahlForm);
  ASSERT_NE(wahl, nullptr);
  EXPECT_EQ(erste->fFenster, wahl);
  std::vector<std::string> kandidaten;
  for (const TVWahlZeile& z : wahl->LehrerZeilen()) kandidaten.push_back(z.Kuerzel);
  // MUE und SCH fehlen; KRA und WEB sind in der 1. Stunde frei, in der Folge der Lehrerliste.
  EXPECT_EQ(kandidaten, (std::vector<std::string>{"KRA", "WEB"}));
  wahl->LehrerGridDoppel(0);
  EXPECT_EQ(erste->fLehrer, kra);
  EXPECT_EQ(kra->fVStunden1, 2);  // der Faktor des Kurses
  EXPECT_EQ(f->VertrGrid->Cells(8, 1), T("KRA"));
  // Die Pfeiltaste der Wahl geht zur nächsten gültigen Vertretung des Tages und markiert ihre
  // Zeile im Tagesplan.
  wahl->Blaettern(1, 0);
  EXPECT_EQ(f->Vertretung(2)->fFenster, wahl);
  wahl->Schliessen();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(Schule().fVWahlForm, nullptr);
}

TEST_F(VertrFormTest, DerMorgenVonDerAbwesenheitBisZurMonatsuebersicht) {
  EXPECT_EQ(palette.Befehl(T("Daten/Vertretung/Heute"))->shortcut(),
            QKeySequence(static_cast<int>(Qt::CTRL) | Qt::Key_H));
  TVertrForm* f = Heute();
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->windowTitle(), T("Vertretungen"));
  EXPECT_EQ(f->fDatum, ::Heute() + 0.5);
  EXPECT_EQ(f->DatumFeld->text(), T("Mi, 9. Dez 2026"));
  EXPECT_EQ(f->ZeilenZahl(), 2);  // Kopf und eine leere Zeile
  EXPECT_EQ(f->fAnzahl, 0);
  EXPECT_FALSE(Schule().fDirty);  // Öffnen ändert nichts
  MueFehlt(f);
  // Jede betroffene Stunde steht im Tagesplan.
  ASSERT_EQ(f->fAnzahl, 2);
  EXPECT_EQ(f->VertrGrid->Cells(2, 1), T("MUE"));
  EXPECT_EQ(f->VertrGrid->Cells(3, 1), T("5a"));
  EXPECT_EQ(f->VertrGrid->Cells(3, 2), T("5b"));
  EXPECT_EQ(f->VertrGrid->Cells(8, 1), T("?????"));
  EXPECT_EQ(f->VertrGrid->Cells(0, 0), T("T"));
  EXPECT_EQ(f->VertrGrid->Cells(10, 0), T("VRaum"));
  // Doppelklick: das Auswahlfenster bekommt die Vertretung der Zeile; dort wird KRA gewählt.
  TVertretung* gezeigt = nullptr;
  VWahlZeigenHaken() = [&gezeigt](TVertretung& v) {
    gezeigt = &v;
    v.TrageLehrerEin(Schule().HoleLehrer("KRA"), nullptr);
  };
  TVertretung* erste = f->Vertretung(1);
  ASSERT_NE(erste, nullptr);
  EXPECT_EQ(erste->fKurs, kD);
  Doppelt(f, 1);
  EXPECT_EQ(gezeigt, erste);
  EXPECT_EQ(f->VertrGrid->Cells(8, 1), T("KRA"));
  EXPECT_EQ(kra->fVStunden1, 2);  // der Faktor des Kurses
  EXPECT_EQ(kra->MonatsStunden(2026, 12), 2);
  EXPECT_TRUE(Schule().fDirty);
  // Sichern und wieder lesen: dieselben Vertretungen und Konten.
  const std::string vorher = Stand();
  const std::string pfad =
      (std::filesystem::temp_directory_path() / ("vertrag_" + std::to_string(::getpid()) + ".tmr"))
          .string();
  std::string fehler;
  ASSERT_TRUE(WriteSchule(pfad, Schule(), fehler)) << fehler;
  Schule().SetDirty(false);
  ASSERT_TRUE(palette.DateiOeffnen(pfad));
  std::filesystem::remove(pfad);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  // Der mitgesicherte Tagesplan kommt für heute wieder, mit denselben Zeilen.
  auto* wieder = dynamic_cast<TVertrForm*>(Schule().fVertrForm);
  ASSERT_NE(wieder, nullptr);
  EXPECT_EQ(wieder->fDatum, ::Heute() + 0.5);
  EXPECT_EQ(wieder->fAnzahl, 2);
  EXPECT_EQ(Stand(), vorher);
  EXPECT_NE(vorher.find("KRA 2 2 2"), std::string::npos);
  // Die Lehrerübersicht des Monats zählt die Vertretung.
  VStatZeitWahl() = [] {
    return std::optional<TVertrZeitraum>(
        VertrZeitraum(DatumZuZahl(2026, 12, 1), DatumZuZahl(2026, 12, 31)));
  };
  palette.Befehl(T("Daten/Vertretung/Vertretungsübersicht für Lehrer"))->trigger();
  auto* ueb = dynamic_cast<TVStatForm*>(Schule().fVLeStatForm);
  ASSERT_NE(ueb, nullptr);
  EXPECT_EQ(ueb->FensterArt(), FensterArt::VertrUebLehrer);
  EXPECT_EQ(ueb->StatGrid->Cells(8, 0), T("Bemerkung"));
  int zeile = 0;
  for (int r = 1; r < ueb->StatGrid->RowCount(); ++r)
    if (ueb->StatGrid->Cells(0, r) == T("KRA")) zeile = r;
  ASSERT_GT(zeile, 0);
  EXPECT_EQ(ueb->StatGrid->Cells(3, zeile), T("vertritt"));
  EXPECT_EQ(ueb->StatGrid->Cells(4, zeile).toStdString(), StundenText(2));
  // Kopieren über die Palette: die gewählte Zeile mit Tabulatoren.
  Schule().FensterAktivieren(ueb);
  ueb->StatGrid->SetSelectRow(zeile, true);
  palette.KopierenItemClick(false);
  EXPECT_EQ(u.ablage.fText.substr(0, 15), "KRA\t09.12.2026\t");
  EXPECT_EQ(std::count(u.ablage.fText.begin(), u.ablage.fText.end(), '\n'), 1);
}

TEST_F(VertrFormTest, LoeschwerkzeugAdHocUndInaktive) {
  TVertrForm* f = Heute();
  ASSERT_NE(f, nullptr);
  MueFehlt(f);
  ASSERT_EQ(f->fAnzahl, 2);
  TVertretung* v = f->Vertretung(1);
  ASSERT_TRUE(v->TrageLehrerEin(kra, nullptr));
  ASSERT_EQ(kra->fVStunden1, 2);
  // "Ad hoc löschen" für die gewählte Zeile: geändert, Auswahl leer.
  Schule().SetDirty(false);
  f->MarkiereZeile(1);
  QTest::mouseClick(f->AdHocLoeschKnopf, Qt::LeftButton);
  EXPECT_FALSE(VertrAdHoc(*v));
  EXPECT_TRUE(Schule().fDirty);
  EXPECT_EQ(f->VertrGrid->GetSelectRowCount(), 0);
  f->MarkiereZeile(1);
  QTest::mouseClick(f->AdHocSetzKnopf, Qt::LeftButton);
  EXPECT_TRUE(VertrAdHoc(*v));
  // Löschwerkzeug: Frage, "Ja" löscht und bucht zurück.
  Werkzeug(TToolArt::LoeschTool);
  u.dialog.Antworte("Ja");
  Doppelt(f, 1);
  EXPECT_EQ(Titel(), (std::vector<std::string>{"Vertretung löschen"}));
  EXPECT_EQ(f->fAnzahl, 1);
  EXPECT_EQ(kra->fVStunden1, 0);
  EXPECT_EQ(kra->fVStunden3, 0);
  // Fehlt 5b in der 2., ist die übrige Vertretung inaktiv: erst mit dem Kästchen sichtbar.
  Werkzeug(TToolArt::ZeigTool);
  st.fVertrInaktivCheck = false;
  FehlzeitEintragen(k5b, f->fDatum, StundenMaske(2, 2), "-");
  f->IVertrForm(f->fDatum);
  EXPECT_FALSE(f->InaktivCheck->isChecked());
  EXPECT_EQ(f->fAnzahl, 0);
  QTest::mouseClick(f->InaktivCheck, Qt::LeftButton);
  EXPECT_TRUE(st.fVertrInaktivCheck);
  ASSERT_EQ(f->fAnzahl, 1);
  bool gezeigt = false;
  VWahlZeigenHaken() = [&gezeigt](TVertretung&) { gezeigt = true; };
  Doppelt(f, 1);
  EXPECT_FALSE(gezeigt);
  EXPECT_EQ(u.dialog.fProtokoll.back().Titel, "Vertretung unnötig");
  EXPECT_EQ(u.dialog.fProtokoll.back().Zeilen,
            (std::vector<std::string>{"Vertretung nicht nötig, da die ",
                                      "beteiligten Klassen abwesend sind."}));
  f->grab();
}

TEST_F(VertrFormTest, SortierungBlaetternUndStrgKnopf) {
  TVertrForm* f = Heute();
  ASSERT_NE(f, nullptr);
  MueFehlt(f);
  f->SortGroup->button(3)->click();
  EXPECT_EQ(st.fVertrSortArt, 3);
  // Mit Strg zeigt der Knopf die Abwesenheiten des Tages; die Wahl öffnet den Dialog mit ihr.
  std::vector<std::pair<TKuerzelArt, TFehl*>> geoeffnet;
  f->fFehlDialog = [&geoeffnet](TKuerzelArt art, TFehl* fehl) {
    geoeffnet.emplace_back(art, fehl);
  };
  QTest::mouseClick(f->LehrerKnopf, Qt::LeftButton, Qt::ControlModifier);
  ASSERT_NE(f->OffenesMenue(), nullptr);
  ASSERT_EQ(f->OffenesMenue()->Menue().size(), 1u);
  EXPECT_EQ(f->OffenesMenue()->Menue()[0].Text, "MUE");
  ASSERT_TRUE(f->OffenesMenue()->Waehle(0));
  ASSERT_EQ(geoeffnet.size(), 1u);
  EXPECT_EQ(geoeffnet[0].first, leh);
  ASSERT_NE(geoeffnet[0].second, nullptr);
  EXPECT_EQ(geoeffnet[0].second->fElement, mue);
  // Ohne Strg: der Dialog ohne Vorwahl.
  QTest::mouseClick(f->RaumKnopf, Qt::LeftButton);
  ASSERT_EQ(geoeffnet.size(), 2u);
  EXPECT_EQ(geoeffnet[1], std::make_pair(rau, static_cast<TFehl*>(nullptr)));
  // Pfeil rechts: Donnerstag; "Voriger" der Palette: wieder Mittwoch.
  const TDateTime mittwoch = f->fDatum;
  QTest::keyClick(f->VertrGrid, Qt::Key_Right);
  EXPECT_EQ(f->fDatum, mittwoch + 1);
  EXPECT_EQ(f->fAnzahl, 0);
  Schule().FensterAktivieren(f);
  palette.VorigerKnopfClick();
  EXPECT_EQ(f->fDatum, mittwoch);
  EXPECT_EQ(f->fAnzahl, 2);
}

TEST_F(VertrFormTest, GeloeschteVertretungenErfahrenTagesplanUndUebersicht) {
  TVertrForm* f = Heute();
  ASSERT_NE(f, nullptr);
  MueFehlt(f);
  ASSERT_EQ(f->fAnzahl, 2);
  // Die Pfeile der Palette sind für den Tagesplan wählbar.
  palette.AktualisierePalette();
  EXPECT_TRUE(palette.Knopf(T("PfeilLinksKnopf"))->isEnabled());
  // Rechts auf "Bem" zeigt die Bemerkungen der Vertretung.
  TVertretung* v = f->Vertretung(1);
  v->fLInfo = "statt Mo 1";
  QTest::mouseClick(f->VertrGrid->viewport(), Qt::RightButton, Qt::NoModifier,
                    f->VertrGrid->CellRect(7, 1).center());
  ASSERT_NE(f->OffenesMenue(), nullptr);
  ASSERT_EQ(f->OffenesMenue()->Menue().size(), 1u);
  EXPECT_EQ(f->OffenesMenue()->Menue()[0].Text, "statt Mo 1");
  f->OffenesMenue()->Schliessen();
  VStatZeitWahl() = [this] {
    return std::optional<TVertrZeitraum>(VertrZeitraum(::Heute(), ::Heute()));
  };
  palette.Befehl(T("Daten/Vertretung/Vertretungsübersicht für Klassen"))->trigger();
  auto* ueb = dynamic_cast<TVStatForm*>(Schule().fVKlStatForm);
  ASSERT_NE(ueb, nullptr);
  EXPECT_EQ(ueb->FensterArt(), FensterArt::VertrUebKlassen);
  EXPECT_EQ(ueb->StatGrid->Cells(4, 0), T("Lehrer"));
  ASSERT_EQ(ueb->fZeilen.size(), 2u);
  EXPECT_EQ(ueb->fZeilen[0].Vertretung, v);
  // MUE ist wieder da: die Vertretungen verschwinden; beide Fenster vergessen sie.
  FehlzeitEintragen(mue, f->fDatum, 0, "-");
  EXPECT_EQ(f->fAnzahl, 0);
  EXPECT_EQ(f->Vertretung(1), nullptr);
  for (const TVStatZeile& z : ueb->fZeilen) EXPECT_EQ(z.Vertretung, nullptr);
  QCoreApplication::processEvents();
  EXPECT_TRUE(ueb->fZeilen.empty());
  EXPECT_EQ(ueb->StatGrid->RowCount(), 2);
}

TEST_F(VertrFormTest, SamstagIstVertretungUnnoetig) {
  u.uhr.fJetzt = DatumZuZahl(2026, 12, 12) + 0.3;
  u.dialog.Antworte("Anderer Tag");
  VertrDatumWahl() = [] { return std::optional<TDateTime>(DatumZuZahl(2026, 12, 14) + 0.7); };
  palette.Befehl(T("Daten/Vertretung/Heute"))->trigger();
  ASSERT_EQ(Titel(), (std::vector<std::string>{"Vertretung unnötig"}));
  EXPECT_EQ(u.dialog.fProtokoll[0].Zeilen[1], "Samstag, 12. Dezember 2026");
  auto* f = dynamic_cast<TVertrForm*>(Schule().fVertrForm);
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->fDatum, DatumZuZahl(2026, 12, 14) + 0.5);  // der Montag, mittags
}

TEST_F(VertrFormTest, DatumsdialogBerichtigtUndZeigtDenWochentag) {
  TVertrDatForm d;
  EXPECT_EQ(d.windowTitle(), T("Datum für den Vertretungsplan"));
  d.JahrFeld->setValue(2027);
  d.MonatFeld->setValue(2);
  d.TagFeld->setValue(31);
  EXPECT_EQ(d.TagFeld->value(), 28);
  EXPECT_EQ(d.WoTagFeld->text().toStdString(), U8(st.fTagName[7].str()));  // Sonntag
  EXPECT_EQ(d.HolDatum(), DatumZuZahl(2027, 2, 28) + 0.5);
}

TEST_F(VertrFormTest, VertreteneStundenAufAbUndRuecksetzen) {
  mue->fVStunden1 = 4;
  sch->fVStunden1 = 3;
  TVStdForm f;
  EXPECT_EQ(f.windowTitle(), T("Vertretene Stunden"));
  ASSERT_EQ(f.Tabelle1->RowCount(), 4);
  EXPECT_EQ(f.UpDown1->value(), 4);  // die erste Zeile
  f.Tabelle1->SetRow(1);
  EXPECT_EQ(f.UpDown1->value(), 3);
  Schule().SetDirty(false);
  f.UpDown1->stepUp();
  EXPECT_EQ(sch->fVStunden1, 4);
  EXPECT_EQ(sch->fVStunden2, 0);
  EXPECT_EQ(f.Tabelle1->Cells(1, 1).toStdString(), StundenText(4));
  EXPECT_TRUE(Schule().fDirty);
  u.dialog.Antworte("Abbrechen");
  QTest::mouseClick(f.Ruecksetzen1Knopf, Qt::LeftButton);
  EXPECT_EQ(sch->fVStunden1, 4);
  u.dialog.Antworte("SCH");
  QTest::mouseClick(f.Ruecksetzen1Knopf, Qt::LeftButton);
  EXPECT_EQ(sch->fVStunden1, 0);
  EXPECT_EQ(mue->fVStunden1, 4);
  EXPECT_EQ(f.UpDown1->value(), 0);
  EXPECT_EQ(f.Tabelle1->Cells(1, 1).toStdString(), StundenText(0));
}

}  // namespace

TEST_F(VertrFormTest, SchliessenMerktDieLageSchliesstDasMenueUndMitAltAlleFenster) {
  QPointer<TVertrForm> f = Heute();
  ASSERT_NE(f, nullptr);
  MueFehlt(f);
  f->move(137, 91);
  const QPoint lage = f->pos();
  ASSERT_NE(st.fVertrLeft, lage.x());
  // Bei offenem Menü (hier dem eigenen) schließt es sich nicht von Hand.
  QTest::mouseClick(f->LehrerKnopf, Qt::LeftButton, Qt::ControlModifier);
  QPointer<TPopupMenue> menue = f->OffenesMenue();
  ASSERT_NE(menue, nullptr);
  f->close();
  ASSERT_NE(f, nullptr);
  EXPECT_TRUE(f->isVisible());
  // Von außen geschlossen: das Menü geht mit, die Lage steht in den Einstellungen.
  f->Schliessen();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(f, nullptr);
  EXPECT_EQ(menue, nullptr);
  EXPECT_EQ(Schule().fVertrForm, nullptr);
  EXPECT_EQ(st.fVertrLeft, lage.x());
  EXPECT_EQ(st.fVertrTop, lage.y());
  // Von Hand mit Alt: alle Fenster schließen, der Tagesplan meldet sich ab.
  f = Heute();
  ASSERT_NE(f, nullptr);
  TFakeFenster anderes(FensterArt::LehrerPlan, "Plan MUE");
  Schule().FensterAnmelden(&anderes);
  QTest::keyPress(&palette, Qt::Key_Alt, Qt::AltModifier);
  f->close();
  QTest::keyRelease(&palette, Qt::Key_Alt, Qt::NoModifier);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(f, nullptr);
  EXPECT_EQ(anderes.fGeschlossen, 1);
  EXPECT_EQ(Schule().fVertrForm, nullptr);
  Schule().FensterAbmelden(&anderes);
}
