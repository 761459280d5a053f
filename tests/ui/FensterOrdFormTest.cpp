// Mit Qt: der Dialog "Fensteranordnung" und das Umordnen der Planfenster.
#include <QGuiApplication>
#include <QScreen>
#include <QToolButton>

#include "PlanFensterHilfe.h"
#include "ui/FensterOrdFormUnit.h"
#include "settings/StandardFormUnit.h"
#include "ui/FensterPlatzUnit.h"

using FensterOrdTest = PlanFensterTest;

TEST_F(FensterOrdTest, NeuerModusOrdnetAlleFensterUmDerselbeNicht) {
  TPlnForm* a = Oeffne(mue);
  TPlnForm* b = Oeffne(sch);
  TPlnForm* c = Oeffne(k5a);
  {
    TFensterOrdForm f;
    EXPECT_TRUE(f.SpeedButton[0]->isChecked());
    EXPECT_EQ(f.windowTitle(), QString::fromUtf8("Fensteranordnung"));
  }
  int gezeigt = 0;
  palette.fDialogLauf = [&](QDialog& d) {
    auto& f = dynamic_cast<TFensterOrdForm&>(d);
    ++gezeigt;
    f.SpeedButton[gezeigt == 1 ? 0 : 3]->click();  // erst derselbe Modus, dann 4
    f.OkKnopfClick();
  };
  a->move(700, 500);
  palette.Befehl(QString::fromUtf8("Fenster/Anordnung..."))->trigger();
  EXPECT_EQ(st.fFensterOrd, 1);
  EXPECT_EQ(a->pos(), QPoint(700, 500));  // unverändert: nichts umgeordnet

  palette.Befehl(QString::fromUtf8("Fenster/Anordnung..."))->trigger();
  EXPECT_EQ(st.fFensterOrd, 4);
  const QRect r = QGuiApplication::primaryScreen()->availableGeometry();
  const QRect p = palette.frameGeometry();
  const TRechteck arbeit{r.left(), r.top(), r.width(), r.height()};
  const TRechteck pal{p.left(), p.top(), p.width(), p.height()};
  int i = 1;
  for (TPlnForm* f : {a, b, c}) {
    const auto soll = FensterPlatz(i++, 4, arbeit, pal, st.fPaletteSchalter);
    ASSERT_TRUE(soll);
    EXPECT_EQ(f->pos(), QPoint(soll->X, soll->Y));
  }
  // Modus 4: das erste Fenster rechts oben, das zweite links unten.
  EXPECT_GT(a->x(), b->x());
  EXPECT_LT(a->y(), b->y());
}

TEST_F(FensterOrdTest, EckdatenOrdnenMitHintergrundAlleFensterUm) {
  TPlnForm* a = Oeffne(mue);
  palette.fDialogLauf = [](QDialog& d) { dynamic_cast<TStandardForm&>(d).OkKnopfClick(); };
  st.fHintergrundAn = false;
  a->move(700, 500);
  palette.Befehl(QString::fromUtf8("Bearbeiten/Voreinstellungen/Eckdaten"))->trigger();
  EXPECT_EQ(a->pos(), QPoint(700, 500));
  st.fHintergrundAn = true;
  palette.Befehl(QString::fromUtf8("Bearbeiten/Voreinstellungen/Eckdaten"))->trigger();
  EXPECT_NE(a->pos(), QPoint(700, 500));
}
