// Die Druckbefehle der Palette: "Fenster drucken..." und "Drucken › Pläne" öffnen den Plandruck,
// vorbelegt mit dem Element des aktiven Planfensters.
#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QTimer>

#include "PlanFensterHilfe.h"
#include "output/DruckPlnFormUnit.h"

namespace {
struct TGesehen {
  QString Titel;
  std::vector<std::string> Liste;
};

// Schließt den nächsten modalen Plandruck und merkt sich Überschrift und Liste.
void WennPlandruck(TGesehen& gesehen) {
  QTimer::singleShot(0, [&gesehen] {
    auto* d = dynamic_cast<TDruckPlnForm*>(QApplication::activeModalWidget());
    ASSERT_NE(d, nullptr);
    gesehen.Titel = d->windowTitle();
    for (TPlanElement* e : d->Elemente()) gesehen.Liste.push_back(e->fKuerzel.str());
    d->reject();
  });
}

using PaletteDruckTest = PlanFensterTest;
}  // namespace

TEST_F(PaletteDruckTest, FensterDruckenUndPlaeneMitDemElementDesPlanfensters) {
  QAction* fensterDrucken = palette.Befehl(QStringLiteral("Datei/Fenster drucken..."));
  Oeffne(k5a);
  ASSERT_TRUE(fensterDrucken->isEnabled());
  TGesehen klasse;
  WennPlandruck(klasse);
  fensterDrucken->trigger();
  EXPECT_EQ(klasse.Titel, QString::fromUtf8("Klassenpläne drucken"));
  EXPECT_EQ(klasse.Liste, std::vector<std::string>{"5a"});

  // Kopplungspläne für Klassen aus dem Klassenplan: vorbelegt; für Lehrer: leer.
  TGesehen koKl, koLe;
  WennPlandruck(koKl);
  palette.Befehl(QString::fromUtf8("Datei/Drucken/Pläne/Kopplungspläne für Klassen..."))->trigger();
  EXPECT_EQ(koKl.Titel, QString::fromUtf8("Drucke Kopplungspläne für Klassen"));
  EXPECT_EQ(koKl.Liste, std::vector<std::string>{"5a"});
  WennPlandruck(koLe);
  palette.Befehl(QString::fromUtf8("Datei/Drucken/Pläne/Kopplungspläne für Lehrer..."))->trigger();
  EXPECT_EQ(koLe.Titel, QString::fromUtf8("Drucke Kopplungspläne für Lehrer"));
  EXPECT_TRUE(koLe.Liste.empty());

  Oeffne(mue);
  TGesehen lehrer;
  WennPlandruck(lehrer);
  fensterDrucken->trigger();
  EXPECT_EQ(lehrer.Titel, QString::fromUtf8("Lehrerpläne drucken"));
  EXPECT_EQ(lehrer.Liste, std::vector<std::string>{"MUE"});
}
