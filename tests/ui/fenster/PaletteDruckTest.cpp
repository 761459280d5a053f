// Die Druckbefehle der Palette: "Fenster drucken..." und "Drucken › Pläne" öffnen den Plandruck,
// vorbelegt mit dem Element des aktiven Planfensters.
#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QTimer>

#include "PlanFensterHilfe.h"
#include "model/DatumUnit.h"
#include "output/fenster/DruckListeFormUnit.h"
#include "output/fenster/DruckPlnFormUnit.h"
#include "output/fenster/DruckVertrFormUnit.h"
#include "substitution/fenster/VStatFormUnit.h"
#include "substitution/fenster/VertrFormUnit.h"
#include "ui/ElementFensterUnit.h"
#include "ui/fenster/UVFormUnit.h"

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

// Schließt den nächsten modalen Dialog der Klasse D, nachdem pruefe ihn angesehen hat.
template <class D, class F>
void WennModal(bool& gesehen, F pruefe) {
  QTimer::singleShot(0, [&gesehen, pruefe] {
    auto* d = dynamic_cast<D*>(QApplication::activeModalWidget());
    ASSERT_NE(d, nullptr);
    gesehen = true;
    pruefe(*d);
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

  // Kopplungspläne für Klassen aus dem Klassenplan: vorbelegt; für Lehrer: alle Lehrer.
  TGesehen koKl, koLe;
  WennPlandruck(koKl);
  palette.Befehl(QString::fromUtf8("Datei/Drucken/Pläne/Kopplungspläne für Klassen..."))->trigger();
  EXPECT_EQ(koKl.Titel, QString::fromUtf8("Drucke Kopplungspläne für Klassen"));
  EXPECT_EQ(koKl.Liste, std::vector<std::string>{"5a"});
  WennPlandruck(koLe);
  palette.Befehl(QString::fromUtf8("Datei/Drucken/Pläne/Kopplungspläne für Lehrer..."))->trigger();
  EXPECT_EQ(koLe.Titel, QString::fromUtf8("Drucke Kopplungspläne für Lehrer"));
  EXPECT_EQ(koLe.Liste, (std::vector<std::string>{"MUE", "SCH", "KRA", "WEB"}));

  Oeffne(mue);
  TGesehen lehrer;
  WennPlandruck(lehrer);
  fensterDrucken->trigger();
  EXPECT_EQ(lehrer.Titel, QString::fromUtf8("Lehrerpläne drucken"));
  EXPECT_EQ(lehrer.Liste, std::vector<std::string>{"MUE"});
}

// UV-Tabelle, Vertretungsübersichten und Vertretungen drucken, was ihr Fenster zeigt.
TEST_F(PaletteDruckTest, FensterDruckenDerTabelleDerUebersichtenUndDerVertretungen) {
  QAction* fensterDrucken = palette.Befehl(QStringLiteral("Datei/Fenster drucken..."));
  TUVTab* tab = Schule().HoleUVTab("UV1");
  tab->fIstFach = true;
  tab->NeuesFach(Schule().HoleFach("D"));
  tab->NeueKlasse(k5a);
  ElementFensterOeffnen(tab, TFensterArt::DFenster, 0);
  auto* uv = dynamic_cast<TUVForm*>(tab->fDepFenster);
  ASSERT_NE(uv, nullptr);
  Schule().FensterAktivieren(uv);
  ASSERT_TRUE(fensterDrucken->isEnabled());
  bool gesehen = false;
  WennModal<TDruckListeForm>(gesehen, [tab, uv](TDruckListeForm& d) {
    EXPECT_EQ(d.Art(), TListenDruck::UV);
    EXPECT_EQ(d.windowTitle(), QString::fromUtf8("Drucke UV-Tabelle"));
    EXPECT_EQ(d.fUVTab, tab);
    EXPECT_EQ(d.fUVKopplung, uv->SchalterO());
  });
  fensterDrucken->trigger();
  EXPECT_TRUE(gesehen);

  const TDateTime von = DatumZuZahl(2026, 12, 7) + 0.5, bis = DatumZuZahl(2026, 12, 18) + 0.5;
  for (TKuerzelArt art : {leh, kla}) {
    TVStatForm* stat = VStatOeffnen(art, von, bis);
    ASSERT_NE(stat, nullptr);
    Schule().FensterAktivieren(stat);
    ASSERT_TRUE(fensterDrucken->isEnabled());
    gesehen = false;
    WennModal<TDruckVUebForm>(gesehen, [art, von, bis](TDruckVUebForm& d) {
      EXPECT_EQ(d.windowTitle(),
                QString::fromUtf8(art == leh ? "Drucke Vertretungsübersicht für Lehrer"
                                             : "Drucke Vertretungsübersicht für Klassen"));
      EXPECT_EQ(d.Von(), von);
      EXPECT_EQ(d.Bis(), bis);
    });
    fensterDrucken->trigger();
    EXPECT_TRUE(gesehen) << art;
    stat->Schliessen();
  }

  // Der Tagesplan von heute (Mittwoch, 9.12.2026), einen Tag weitergeblättert.
  palette.Befehl(QString::fromUtf8("Daten/Vertretung/Heute"))->trigger();
  auto* vertr = dynamic_cast<TVertrForm*>(Schule().fVertrForm);
  ASSERT_NE(vertr, nullptr);
  const TDateTime freitag = DatumZuZahl(2026, 12, 11) + 0.5;
  vertr->IVertrForm(freitag);
  Schule().FensterAktivieren(vertr);
  ASSERT_TRUE(fensterDrucken->isEnabled());
  gesehen = false;
  WennModal<TDruckVertrForm>(
      gesehen, [freitag](TDruckVertrForm& d) { EXPECT_EQ(d.Zustand().Datum(), freitag); });
  fensterDrucken->trigger();
  EXPECT_TRUE(gesehen);
  vertr->Schliessen();
  uv->Schliessen();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
