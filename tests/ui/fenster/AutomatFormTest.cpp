// Das Fenster "Automatisches Rechnen": Escape und Schließen während der Rechnung halten sie erst
// an; das Fenster bleibt bis dahin offen.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "PlanFensterHilfe.h"
#include "model/ToolsUnit.h"
#include "planning/OffenGrundUnit.h"
#include "ui/fenster/AutomatFormUnit.h"
#include "ui/fenster/DepFormUnit.h"

namespace {

class AutomatFormTest : public PlanFensterTest {};

TEST_F(AutomatFormTest, EscapeUndSchliessenHaltenDieRechnungErstAn) {
  std::vector<TKurs*> kurse;
  for (const char* fach : {"Bio", "Ch", "Ph"})
    kurse.push_back(Kurs(web, Schule().HoleFach(fach), {k5b}, {}, nullptr, 2, 0xFFFFFF));
  TAutomatForm form;
  form.IAutomatForm(kurse);
  form.show();
  bool nachEscape = false, nachSchliessen = false;
  // Escape und Schließen warten in der Ereignisschlange, bis die Rechnung nach dem ersten Kurs
  // Eingaben laufen lässt.
  QTimer::singleShot(0, [&] {
    QTest::keyClick(&form, Qt::Key_Escape);
    nachEscape = form.isVisible();
    form.close();
    nachSchliessen = form.isVisible();
  });
  form.StartKnopfClick();
  EXPECT_TRUE(nachEscape);
  EXPECT_TRUE(nachSchliessen);
  int gerechnet = 0;
  for (TKurs* k : kurse) gerechnet += k->VerplanteStunden(1) > 0 ? 1 : 0;
  EXPECT_EQ(gerechnet, 1);
  EXPECT_TRUE(form.Automat().Abbruch());
  EXPECT_FALSE(form.isVisible());
  EXPECT_TRUE(BelegungenStimmen(Schule()));
}

// Nach der Rechnung nennt das Fenster je Kurs, der offen blieb, die Gründe wie die
// Kommandozeile.
TEST_F(AutomatFormTest, ZeigtJeOffenemKursDieGruende) {
  for (int t = 1; t <= 7; ++t)
    for (int h = 1; h <= 16; ++h) web->fSperrung.SetWocheTagStd(1, t, h, true);
  TKurs* gesperrt = Kurs(web, Schule().HoleFach("M"), {k5b}, {}, nullptr, 2, 0xFFFFFF);
  TAutomatForm form;
  form.IAutomatForm({gesperrt});
  EXPECT_EQ(form.GruendeListe->count(), 0);
  form.StartKnopfClick();
  ASSERT_EQ(form.GruendeListe->count(), 1);
  const QString zeile = form.GruendeListe->item(0)->text();
  EXPECT_TRUE(zeile.startsWith(
      QString::fromStdString(Win1252ZuUtf8(gesperrt->OhneRaumZeile()) + ": Lehrer belegt ")))
      << zeile.toStdString();
  const TOffenGruende g = OffenGruende(*gesperrt, false);
  EXPECT_EQ(g.gesperrt, g.zellen);
  EXPECT_GT(g.zellen, 0);
  EXPECT_TRUE(zeile.endsWith(QString::fromStdString(OffenGruendeText(g))));
}

// "nicht verplanbare Stunden zeigen" öffnet "alle Kurse" mit den offenen Kursen; das Fenster nennt
// unter den Zeilen je offenem Kurs dieselben Gründe wie die Kommandozeile. Ist der Kurs später
// gesetzt, verschwindet seine Zeile dort.
TEST_F(AutomatFormTest, NichtVerplanbareStundenZeigenNenntDieGruende) {
  for (int t = 1; t <= 7; ++t)
    for (int h = 1; h <= 16; ++h) web->fSperrung.SetWocheTagStd(1, t, h, true);
  TKurs* gesperrt = Kurs(web, Schule().HoleFach("M"), {k5b}, {}, nullptr, 2, 0xFFFFFF);
  TKurs* frei = Kurs(mue, Schule().HoleFach("D"), {k5b}, {}, nullptr, 1, 0xFFFFFF);
  TAutomatForm form;
  form.IAutomatForm({gesperrt, frei});
  form.StartKnopfClick();
  ASSERT_EQ(form.Automat().Rest(), (std::vector<TKurs*>{gesperrt}));
  form.NVPZeigKnopf->click();
  auto* alle = dynamic_cast<TDepForm*>(Schule().fKursDepForm);
  ASSERT_NE(alle, nullptr);
  ASSERT_EQ(alle->ZeilenZahl(), 1);
  EXPECT_TRUE(alle->GruendeListe->isVisibleTo(alle));
  ASSERT_EQ(alle->GruendeListe->count(), 1);
  const std::string erwartet = Win1252ZuUtf8(gesperrt->OhneRaumZeile()) + ": " +
                               OffenGruendeText(OffenGruende(*gesperrt, false));
  EXPECT_EQ(alle->GruendeListe->item(0)->text().toStdString(), erwartet);
  // Gesetzt (an der Sperrung vorbei): keine offene Stunde mehr, keine Gründe.
  web->fSperrung.SetWocheTagStd(1, 1, 1, false);
  ASSERT_TRUE(gesperrt->NeueSetzung(1, 1, 1, nullptr));
  ASSERT_TRUE(gesperrt->NeueSetzung(1, 1, 2, nullptr));
  alle->FensterUpdate();
  EXPECT_EQ(alle->GruendeListe->count(), 0);
  EXPECT_FALSE(alle->GruendeListe->isVisibleTo(alle));
  // "alle Kurse" ohne eigene Liste zeigt keine Gründe.
  TDepForm* ganz = AlleKurseFenster();
  EXPECT_EQ(ganz, alle);
  EXPECT_EQ(ganz->GruendeListe->count(), 0);
}

}  // namespace

namespace {
// Mit "anschließend nachbessern" gibt erst das Ende des Nachbesserns "Ok" frei: ein Klick auf
// "Ok" zwischen den beiden Rechnungen ginge sonst verloren, und das Fenster bliebe offen.
TEST_F(AutomatFormTest, OkErstNachDemNachbessern) {
  st.fAuNachbessern = true;
  st.fAuNachbessernSek = 1;
  TKurs* offen = Kurs(web, Schule().HoleFach("M"), {k5b}, {}, nullptr, 2, 0xFFFFFF);
  TAutomatForm form;
  form.IAutomatForm({offen});
  form.show();
  // Bei jeder Gelegenheit, Eingaben zu bearbeiten, solange gerechnet wird: ist "Ok" frei?
  int gelegenheiten = 0, okFrei = 0;
  QTimer blick;
  blick.setInterval(0);
  QObject::connect(&blick, &QTimer::timeout, [&] {
    ++gelegenheiten;
    okFrei += form.OkKnopf->isEnabled() ? 1 : 0;
  });
  blick.start();
  form.StartKnopfClick();
  blick.stop();
  EXPECT_GT(gelegenheiten, 0);
  EXPECT_EQ(okFrei, 0);
  EXPECT_TRUE(form.OkKnopf->isEnabled());
  EXPECT_TRUE(form.ZeitFeld->text().endsWith(QStringLiteral(" s")));
}
}  // namespace
