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
