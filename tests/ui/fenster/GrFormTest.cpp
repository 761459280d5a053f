// Die Datenfenster mit der Palette: "Grunddaten" als Fensterart öffnet sie, Soll, Kurstafel,
// Übernehmen über den Dialog, Schließen beim Löschen des Elements.
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>

#include "PlanFensterHilfe.h"
#include "app/BeispielSchuleUnit.h"
#include "model/AblageUnit.h"
#include "ui/ElementFensterUnit.h"
#include "ui/fenster/GrFormUnit.h"
#include "ui/fenster/KursFormUnit.h"
#include "ui/fenster/SperrQuonGridUnit.h"

namespace {

class GrFormTest : public PlanFensterTest {
 protected:
  TGrForm* Oeffne(TElement* e) {
    ElementFensterOeffnen(e, TFensterArt::GFenster, 0);
    auto* f = dynamic_cast<TGrForm*>(e->fGrDatFenster);
    if (f) Schule().FensterAktivieren(f);
    return f;
  }
};

TEST_F(GrFormTest, GrunddatenIstDieStartartUndOeffnetDasDatenfenster) {
  EXPECT_EQ(Schule().fFensterArt, TFensterArt::GFenster);
  TGrForm* f = Oeffne(k5a);
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->FensterArt(), FensterArt::KlassenDaten);
  EXPECT_EQ(f->Titel(), "Grunddaten 5a");
  ASSERT_NE(f->KursListe, nullptr);
  EXPECT_EQ(f->KursListe->count(), 4);
  // Soll um eine Einheit hinauf.
  const int soll = k5a->GetSoll(1);
  f->SollKnopfClick(1);
  EXPECT_EQ(k5a->GetSoll(1), soll + 1);
  EXPECT_EQ(f->SollFeld->text().toStdString(), StundenText(soll + 1));
  // Ein Lehrerfenster hat Fächer und "freier Tag", ein Raumfenster nur Sperrung und Info.
  TGrForm* l = Oeffne(mue);
  ASSERT_NE(l, nullptr);
  EXPECT_NE(l->FachListe, nullptr);
  EXPECT_NE(l->FreierTagCheck, nullptr);
  TGrForm* r = Oeffne(r1);
  ASSERT_NE(r, nullptr);
  EXPECT_NE(r->SperrFeld, nullptr);
  EXPECT_EQ(r->SollFeld, nullptr);
}

TEST_F(GrFormTest, StundenAbHaeltBeiDenGesetztenStunden) {
  TGrForm* f = Oeffne(k5a);
  for (int i = 1; i <= k5a->fKurse.ListeZahlElemente(); ++i)
    if (k5a->fKurse.ListeNrInhalt(i) == kM) f->KursListe->setCurrentRow(i - 1);
  // kM: 2 Stunden, eine gesetzt.
  f->StdKnopfClick(-1);
  EXPECT_EQ(kM->fStunden.GetWochenStunde(1), 1);
  f->StdKnopfClick(-1);
  EXPECT_EQ(kM->fStunden.GetWochenStunde(1), 1);
  EXPECT_GE(u.dialog.fPiepser, 1);
}

TEST_F(GrFormTest, UebernehmenUeberDenDialog) {
  TKlasse* k6 = Schule().HoleKlasse("6a");
  TGrForm* f = Oeffne(k6);
  ASSERT_NE(f, nullptr);
  QTimer::singleShot(0, [this] {
    auto* d = dynamic_cast<TUebernehmenForm*>(QApplication::activeModalWidget());
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->Quelle(), Schule().HoleKlasse("6a"));
    d->SetzeQuelle(k5a);
    d->ErgaenzenRadio->setChecked(true);
    d->OkKnopf->click();
  });
  f->UebernehmenKnopfClick();
  // kD und kM als eigene Kurse, die Kopplung REL bekommt 6a.
  EXPECT_EQ(k6->fKurse.ListeZahlElemente(), 4);
  EXPECT_TRUE(kER->fKlassen.ListeElemEnthalten(k6));
  EXPECT_EQ(f->KursListe->count(), 4);
  // Die Quelle selbst ändert nichts; verplante Kurse halten an mit "Stop".
  TGrForm* g = Oeffne(k5a);
  g->UebernehmenKnopfClick();
  EXPECT_EQ(u.dialog.fProtokoll.back().Titel, "Stop");
}

TEST_F(GrFormTest, RechtsAufBesetzterSperrzelleZeigtDasPlanmenue) {
  TGrForm* f = Oeffne(k5a);
  ASSERT_NE(f->SperrFeld, nullptr);
  TSperrGrid* g = f->SperrFeld->SperrGrid;
  // Dienstag 2 ist frei: kein Menü; Montag 1 trägt kD.
  QTest::mousePress(g->viewport(), Qt::RightButton, Qt::NoModifier, g->ZellRechteck(2, 2).center());
  QTest::mouseRelease(g->viewport(), Qt::RightButton, Qt::NoModifier,
                      g->ZellRechteck(2, 2).center());
  EXPECT_FALSE(f->fPlanMenue);
  QTest::mousePress(g->viewport(), Qt::RightButton, Qt::NoModifier, g->ZellRechteck(1, 1).center());
  ASSERT_TRUE(f->fPlanMenue);
  bool kDda = false;
  for (const TMenueEintrag& e : f->fPlanMenue->Menue()) kDda = kDda || e.Objekt == kD;
  EXPECT_TRUE(kDda);
  f->fPlanMenue->Schliessen();
  // Die Sperrung ist unverändert.
  EXPECT_FALSE(k5a->fSperrung.GetWocheTagStd(1, 1, 1));
}

TEST_F(GrFormTest, LoeschenDesElementsSchliesstSofort) {
  TGrForm* f = Oeffne(r4);
  QPointer<TGrForm> zeiger(f);
  Schule().ElementLoeschen(r4);
  EXPECT_FALSE(Schule().FensterOffen(f));
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(zeiger.isNull());
}

}  // namespace

namespace {

// Die erste Zeile des Kurstextes ohne Lehrer und erste Klasse.
std::string OhneLehrerUndKlasse(TKurs* k) {
  const std::string t = KurseAlsText({k}, false);
  std::vector<std::string> felder(1);
  for (char c : t.substr(0, t.find('\r'))) {
    if (c == '\t')
      felder.emplace_back();
    else
      felder.back() += c;
  }
  felder[2].clear();
  felder[4].clear();
  std::string z;
  for (const std::string& f : felder) z += f + "|";
  return z;
}

// "Übernehmen" im Datenfenster einer neuen Klasse der Beispielschule, Quelle 7a: die Kurse danach
// gleichen den ungekoppelten Kursen von 7a im Kurstext (ohne Lehrer, mit der eigenen Klasse).
TEST(GrFormBeispiel, UebernehmenVon7a) {
  TTestUmgebung u;
  TTamrelPalette palette;
  ErzeugeBeispielSchule(Schule(), false);
  palette.MenuAnlage();
  TKlasse* k7a = TSchule::HoleElement(Schule().fKlassenMenge, "7a");
  ASSERT_NE(k7a, nullptr);
  TKlasse* neu = Schule().HoleKlasse("7z");
  ElementFensterOeffnen(neu, TFensterArt::GFenster, 0);
  auto* f = dynamic_cast<TGrForm*>(neu->fGrDatFenster);
  ASSERT_NE(f, nullptr);
  std::vector<std::string> erwartet;
  for (TKurs* k : k7a->fKurse)
    if (!k->fKopplung) erwartet.push_back(OhneLehrerUndKlasse(k));
  QTimer::singleShot(0, [k7a] {
    auto* d = dynamic_cast<TUebernehmenForm*>(QApplication::activeModalWidget());
    ASSERT_NE(d, nullptr);
    d->SetzeQuelle(k7a);
    d->OkKnopf->click();
  });
  f->UebernehmenKnopfClick();
  std::vector<std::string> ist;
  for (TKurs* k : neu->fKurse) {
    ist.push_back(OhneLehrerUndKlasse(k));
    EXPECT_EQ(k->fKlassen.ListeNrInhalt(1), neu);
  }
  std::sort(erwartet.begin(), erwartet.end());
  std::sort(ist.begin(), ist.end());
  EXPECT_EQ(ist, erwartet);
  EXPECT_EQ(f->KursListe->count(), static_cast<int>(erwartet.size()));
  Schule().AlleFensterSchliessen();
}

}  // namespace

namespace {
// Die rechte Maustaste auf Zeile (ab 0) der Liste, wie das System sie als Kontextmenü schickt.
void Rechtsklick(QListWidget* liste, int zeile) {
  const QPoint pos = liste->visualItemRect(liste->item(zeile)).center();
  QContextMenuEvent ereignis(QContextMenuEvent::Mouse, pos, liste->viewport()->mapToGlobal(pos));
  QApplication::sendEvent(liste->viewport(), &ereignis);
}

std::vector<TKurs*> Kurse(const TPopupMenue* menue) {
  std::vector<TKurs*> k;
  for (const TMenueEintrag& e : menue->Menue()) k.push_back(static_cast<TKurs*>(e.Objekt));
  return k;
}
}  // namespace

TEST_F(GrFormTest, RechtsInDerFaecherlisteZeigtDieKurseDesFachs) {
  mue->NeuesFach(kD->fFach);
  Werkzeug(TToolArt::ZeigTool);
  TGrForm* f = Oeffne(mue);
  ASSERT_NE(f, nullptr);
  f->show();
  ASSERT_GE(f->FachListe->count(), 1);
  ASSERT_EQ(mue->fFaecher.ListeNrInhalt(1), kD->fFach);
  Rechtsklick(f->FachListe, 0);
  ASSERT_NE(f->fPlanMenue, nullptr);
  EXPECT_EQ(Kurse(f->fPlanMenue), (std::vector<TKurs*>{kD, kD5b}));
  // Die Wahl öffnet das Kursfenster des Kurses.
  ASSERT_TRUE(f->fPlanMenue->Waehle(1));
  auto* kurs = dynamic_cast<TKursForm*>(Schule().fKursForm);
  ASSERT_NE(kurs, nullptr);
  EXPECT_EQ(kurs->fKurs, kD5b);
  // Mit einem Werkzeug: kein Menü (das gewählte ist fort, sobald es sich gelöscht hat).
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ASSERT_EQ(f->fPlanMenue, nullptr);
  Werkzeug(TToolArt::LoeschTool);
  Rechtsklick(f->FachListe, 0);
  EXPECT_EQ(f->fPlanMenue, nullptr);
}

TEST_F(GrFormTest, RechtsInDenListenDesFachsZeigtDieKurseDesElements) {
  kD->fFach->NeuerLehrer(mue);
  kD->fFach->NeueKlasse(k5a);
  kD->fFach->NeueKlasse(k5b);
  Werkzeug(TToolArt::ZeigTool);
  TGrForm* f = Oeffne(kD->fFach);
  ASSERT_NE(f, nullptr);
  f->show();
  ASSERT_EQ(f->LehrerListe->count(), 1);  // MUE
  Rechtsklick(f->LehrerListe, 0);
  ASSERT_NE(f->fPlanMenue, nullptr);
  EXPECT_EQ(Kurse(f->fPlanMenue), (std::vector<TKurs*>{kD, kD5b}));
  f->fPlanMenue->Schliessen();
  ASSERT_EQ(f->KlassenListe->count(), 2);  // 5a, 5b
  Rechtsklick(f->KlassenListe, 1);
  ASSERT_NE(f->fPlanMenue, nullptr);
  EXPECT_EQ(Kurse(f->fPlanMenue), (std::vector<TKurs*>{kD5b}));
  f->fPlanMenue->Schliessen();
}
