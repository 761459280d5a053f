// Die Druckbefehle der Palette: "Fenster drucken..." und "Drucken › Pläne" öffnen den Plandruck,
// vorbelegt mit dem Element des aktiven Planfensters.
#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QPrintDialog>
#include <QRadioButton>
#include <QTimer>

#include "PlanFensterHilfe.h"
#include "model/DatumUnit.h"
#include "output/fenster/DruckAusfallFormUnit.h"
#include "output/fenster/DruckListeFormUnit.h"
#include "output/fenster/DruckPlnFormUnit.h"
#include "output/fenster/DruckVertrFormUnit.h"
#include "substitution/FehlzeitUnit.h"
#include "substitution/VertretungUnit.h"
#include "substitution/fenster/VStatFormUnit.h"
#include "substitution/fenster/VertrFormUnit.h"
#include "substitution/fenster/WoAusfallFormUnit.h"
#include "ui/ElementFensterUnit.h"
#include "ui/fenster/FehlerFormUnit.h"
#include "ui/fenster/ParFormUnit.h"
#include "ui/fenster/SVFormUnit.h"
#include "ui/fenster/UVFormUnit.h"
#include "ui/fenster/VWahlFormUnit.h"

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

// Aktiviert das Fenster, drückt "Fenster drucken..." und prüft den modalen Dialog der Klasse D.
template <class D, class F>
void StrgP(QAction* fensterDrucken, TFenster* f, const char* wie, F pruefe) {
  SCOPED_TRACE(wie);
  ASSERT_NE(f, nullptr);
  Schule().FensterAktivieren(f);
  ASSERT_TRUE(fensterDrucken->isEnabled());
  bool gesehen = false;
  WennModal<D>(gesehen, pruefe);
  fensterDrucken->trigger();
  EXPECT_TRUE(gesehen);
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
  uv->ZeileEinfuegen(2, k5a);
  Schule().FensterAktivieren(uv);
  ASSERT_TRUE(fensterDrucken->isEnabled());
  bool gesehen = false;
  WennModal<TDruckListeForm>(gesehen, [tab, uv](TDruckListeForm& d) {
    EXPECT_EQ(d.Art(), TListenDruck::UV);
    EXPECT_EQ(d.windowTitle(), QString::fromUtf8("Drucke UV-Tabelle"));
    EXPECT_EQ(d.fUVTab, tab);
    EXPECT_EQ(d.fUVKopplung, uv->SchalterO());
    // Das Raster des Fensters, mit der leeren Zeile, die der Benutzer eingefügt hat.
    EXPECT_EQ(d.fUVRaster.Zeilen(), uv->Raster().Zeilen());
    EXPECT_EQ(d.fUVRaster.Zeilen(), 2);
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

// Strg+P in jeder Fensterart, die ihren Druck hat: der Dialog ihres Drucks, vorbelegt aus dem
// Fenster; Daten- und Statistikfenster zeigen den Druckdialog der Plattform für ihr Bild.
TEST_F(PaletteDruckTest, FensterDruckenInJederFensterart) {
  QAction* fensterDrucken = palette.Befehl(QStringLiteral("Datei/Fenster drucken..."));
  ASSERT_EQ(fensterDrucken->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
  // Deputate: "für" nach der Art, das Element in der Liste; "alle Kurse" ohne Liste.
  TElement* elemente[5] = {mue, k5a, rel, Schule().HoleFach("D"), r1};
  for (int art = 0; art < 5; ++art) {
    ElementFensterOeffnen(elemente[art], TFensterArt::DFenster, 0);
    TFenster* dep = elemente[art]->fDepFenster;
    StrgP<TDruckListeForm>(fensterDrucken, dep, "Deputat", [&](TDruckListeForm& d) {
      EXPECT_EQ(d.Art(), TListenDruck::Deputate);
      EXPECT_EQ(d.ArtWahl(), art);
      EXPECT_EQ(d.Gewaehlt(), std::vector<TElement*>{elemente[art]});
    });
    dep->Schliessen();
  }
  palette.Befehl(QStringLiteral("Daten/Kurse"))->trigger();
  StrgP<TDruckListeForm>(fensterDrucken, Schule().fKursDepForm, "alle Kurse",
                         [](TDruckListeForm& d) {
                           EXPECT_EQ(d.ArtWahl(), 5);
                           EXPECT_TRUE(d.Gewaehlt().empty());
                         });
  // Übersichten: der Übersichtsdruck mit den Elementen des Fensters.
  const char* uebersichten[3] = {"Lehrerübersicht", "Klassenübersicht", "Raumübersicht"};
  const char* titel[3] = {"Drucke Lehrerübersichten", "Drucke Klassenübersichten",
                          "Drucke Raumübersichten"};
  const std::vector<TPlanElement*> soll[3] = {{mue, sch, kra, web}, {k5a, k5b}, {r1, r2, r3, r4}};
  TFenster* TSchule::*const platz[3] = {&TSchule::fLehrUebForm, &TSchule::fKlasUebForm,
                                        &TSchule::fRaumUebForm};
  for (int i = 0; i < 3; ++i) {
    palette.Befehl(QString::fromUtf8("Daten/Übersichten/") + QString::fromUtf8(uebersichten[i]))
        ->trigger();
    StrgP<TDruckUebForm>(fensterDrucken, Schule().*platz[i], uebersichten[i],
                         [&](TDruckUebForm& d) {
                           EXPECT_EQ(d.windowTitle(), QString::fromUtf8(titel[i]));
                           EXPECT_EQ(d.Elemente(), soll[i]);
                         });
  }
  // Die Stundenverteilung mit der Art, die das Fenster zeigt.
  palette.Befehl(QStringLiteral("Daten/Pläne/Stundenverteilung"))->trigger();
  auto* sv = dynamic_cast<TSVForm*>(Schule().fSVForm);
  ASSERT_NE(sv, nullptr);
  sv->RaRadio->click();
  StrgP<TDruckListeForm>(fensterDrucken, sv, "Stundenverteilung", [](TDruckListeForm& d) {
    EXPECT_EQ(d.Art(), TListenDruck::SV);
    EXPECT_EQ(d.ArtWahl(), 4);  // "Räume"
  });
  // Lehrer-, Klassen- und Fachstatistik: Reststunden mit ihrer Art.
  const char* statistiken[3] = {"Lehrer", "Klassen", "Fächer"};
  TFenster* TSchule::*const statPlatz[3] = {&TSchule::fLeStatForm, &TSchule::fKlStatForm,
                                            &TSchule::fFaStatForm};
  for (int i = 0; i < 3; ++i) {
    palette.Befehl(QString::fromUtf8("Daten/UV-Statistik/") + QString::fromUtf8(statistiken[i]))
        ->trigger();
    StrgP<TDruckListeForm>(fensterDrucken, Schule().*statPlatz[i], statistiken[i],
                           [i](TDruckListeForm& d) {
                             EXPECT_EQ(d.Art(), TListenDruck::Rest);
                             EXPECT_EQ(d.ArtWahl(), i);
                           });
  }
  // Die Fehlerliste mit den Zeilen ihres Fensters, die parallelen Kopplungen mit ihrer Tabelle,
  // der wöchentliche Unterrichtsausfall mit seinem Druck.
  kD->NeueSetzung(1, 1, 3, r1);  // Montag 1 und 3: eine Brücke
  palette.Befehl(QString::fromUtf8("Daten/Prüfen/Brücken"))->trigger();
  auto* fehler = dynamic_cast<TFehlerForm*>(Schule().fFehlerForm);
  ASSERT_NE(fehler, nullptr);
  StrgP<TDruckListeForm>(fensterDrucken, fehler, "Fehler", [fehler](TDruckListeForm& d) {
    EXPECT_EQ(d.Art(), TListenDruck::Fehler);
    ASSERT_EQ(d.fFehlerZeilen.size(), fehler->Zeilen().size());
    EXPECT_EQ(d.fFehlerZeilen[0], U8(fehler->Zeilen()[0]));
  });
  TParForm* par = TParForm::ZeigeParForm();
  StrgP<TDruckListeForm>(fensterDrucken, par, "parallele Kopplungen", [par](TDruckListeForm& d) {
    EXPECT_EQ(d.Art(), TListenDruck::Par);
    EXPECT_EQ(d.fParTabelle, &par->Tabelle());
  });
  StrgP<TDruckAusfallForm>(fensterDrucken, WoAusfallZeigen(), "Unterrichtsausfall",
                           [](TDruckAusfallForm& d) { EXPECT_TRUE(d.isModal()); });
  // Daten- und übrige Statistikfenster: der Druckdialog der Plattform (abgebrochen).
  ElementFensterOeffnen(k5a, TFensterArt::GFenster, 0);
  StrgP<QPrintDialog>(fensterDrucken, k5a->fGrDatFenster, "Klassendaten", [](QPrintDialog&) {});
  palette.Befehl(QStringLiteral("Daten/UV-Statistik/Räume"))->trigger();
  StrgP<QPrintDialog>(fensterDrucken, Schule().fRaStatForm, "Raumstatistik", [](QPrintDialog&) {});
  palette.NeuesKursFenster(kD, mue);
  StrgP<QPrintDialog>(fensterDrucken, Schule().fKursForm, "Kurs", [](QPrintDialog&) {});
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// "Vertretungswahl" und "Drucken › Vertretung › Vertretungsplan...": das Datum der gezeigten
// Vertretung bzw. des Tagesplans, sonst heute.
TEST_F(PaletteDruckTest, VertretungsplanFuerDasDatumDesFensters) {
  QAction* vertretungsplan =
      palette.Befehl(QString::fromUtf8("Datei/Drucken/Vertretung/Vertretungsplan..."));
  const TDateTime montag = DatumZuZahl(2026, 12, 14) + 0.5;
  FehlzeitEintragen(mue, montag, StundenMaske(1, 16), "K");
  TVertretung* v = nullptr;
  for (TVertretung* x : Schule().fVertretungsMenge)
    if (GleicherTag(x->fDatum, montag)) v = x;
  ASSERT_NE(v, nullptr);
  auto datumVon = [&](QAction* a) {
    TDateTime datum = 0;
    bool gesehen = false;
    WennModal<TDruckVertrForm>(gesehen,
                               [&datum](TDruckVertrForm& d) { datum = d.Zustand().Datum(); });
    a->trigger();
    EXPECT_TRUE(gesehen);
    return datum;
  };
  EXPECT_EQ(datumVon(vertretungsplan), Heute() + 0.5);
  TVWahlForm* wahl = TVWahlForm::Holen();
  wahl->IVWahlForm(v);
  Schule().FensterAktivieren(wahl);
  EXPECT_EQ(datumVon(vertretungsplan), montag);
  EXPECT_EQ(datumVon(palette.Befehl(QStringLiteral("Datei/Fenster drucken..."))), montag);
  wahl->Schliessen();
  palette.Befehl(QString::fromUtf8("Daten/Vertretung/Heute"))->trigger();
  auto* vertr = dynamic_cast<TVertrForm*>(Schule().fVertrForm);
  ASSERT_NE(vertr, nullptr);
  vertr->IVertrForm(montag + 1);
  Schule().FensterAktivieren(vertr);
  EXPECT_EQ(datumVon(vertretungsplan), montag + 1);
  vertr->Schliessen();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
