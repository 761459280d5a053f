// Mit Qt: der Dialog "Fensteranordnung" und das Umordnen der Planfenster.
#include <QGuiApplication>
#include <QScreen>
#include <QToolButton>

#include "PlanFensterHilfe.h"
#include "ui/fenster/FensterOrdFormUnit.h"
#include <QTemporaryDir>

#include "persistence/WriteUnit.h"
#include "settings/fenster/StandardFormUnit.h"
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

TEST_F(FensterOrdTest, GespeichertePlanfensterKommenBeimOeffnenWiederUndBleibenGleich) {
  QTemporaryDir ordner;
  const std::string pfad = ordner.filePath(QStringLiteral("s.tmr")).toStdString();
  TPlnForm* a = Oeffne(mue);
  Oeffne(k5a);
  a->setGeometry(300, 200, a->width() - 40, a->height());
  std::string fehler;
  ASSERT_TRUE(WriteSchule(pfad, Schule(), fehler)) << fehler;
  const auto titel = [] {
    std::vector<std::string> t;
    for (const TFenster* f : Schule().fFensterListe) t.push_back(f->Titel());
    std::sort(t.begin(), t.end());
    return t;
  };
  const std::vector<std::string> vorher = titel();
  ASSERT_EQ(vorher, (std::vector<std::string>{"Plan 5a", "Plan MUE"}));
  ASSERT_TRUE(palette.DateiOeffnen(pfad));
  EXPECT_EQ(titel(), vorher);
  EXPECT_TRUE(Schule().fGespeicherteFenster.empty());  // verbraucht
  auto* wieder = dynamic_cast<QWidget*>(Schule().HoleLehrer("MUE")->fPlnFenster);
  ASSERT_NE(wieder, nullptr);
  EXPECT_EQ(wieder->geometry().topLeft(), QPoint(300, 200));
  // Sichern und nochmals öffnen: dieselben Fenster, keines doppelt.
  ASSERT_TRUE(WriteSchule(pfad, Schule(), fehler)) << fehler;
  ASSERT_TRUE(palette.DateiOeffnen(pfad));
  EXPECT_EQ(titel(), vorher);
}
