// Die Palette: Menü und Knöpfe, Freigaben, Elementmenüs, Planversion, Dateibefehle.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <map>

#include "TestUmgebung.h"
#include "model/SchulUnit.h"
#include "persistence/StandardSpeicherUnit.h"
#include "settings/StandardUnit.h"
#include "ui/fenster/KueFormUnit.h"
#include "ui/fenster/PaletteUnit.h"
#include "ui/fenster/PopupMenueUnit.h"
#include "ui/fenster/QtTextUnit.h"
#include "persistence/SchulHalterUnit.h"
#include "ui/fenster/UeberFormUnit.h"

namespace {

// Führt f aus, sobald ein modales Fenster der Klasse D offen ist.
template <class D>
void WennModal(std::function<void(D*)> f) {
  QTimer::singleShot(0, [f] {
    auto* d = qobject_cast<D*>(QApplication::activeModalWidget());
    ASSERT_NE(d, nullptr);
    f(d);
  });
}

// Legt im Kürzeleditor Elemente an: Art (0..5) und Kürzel.
void ImEditor(std::vector<std::pair<int, QString>> elemente) {
  WennModal<TKueForm>([elemente](TKueForm* f) {
    QRadioButton* radios[] = {f->LeRadio, f->KlRadio, f->KoRadio,
                              f->FaRadio, f->RaRadio, f->UVRadio};
    for (const auto& [art, k] : elemente) {
      radios[art]->click();
      f->KueFeld->setText(k);
      f->NeuKnopf->click();
    }
    f->OkKnopf->click();
  });
}

// Ein Fenster des Programms, wie die Palette es sieht.
class TTestFenster : public TFakeFenster {
 public:
  using TFakeFenster::TFakeFenster;
  void Blaettern(int richtung, unsigned umschalt) override {
    fBlaettern.push_back({richtung, umschalt});
  }
  std::vector<std::pair<int, unsigned>> fBlaettern;
};

class PaletteTest : public ::testing::Test {
 protected:
  PaletteTest() {
    palette.SetzeSichernDialog([this](const std::string& vorschlag, const std::string& ordner) {
      fSichernFragen.push_back({vorschlag, ordner});
      return fSichernAntwort;
    });
    palette.SetzeOeffnenDialog([this](const std::string& ordner) {
      fOeffnenFragen.push_back(ordner);
      return fOeffnenAntwort;
    });
    // Die Voreinstellungen nach "Neu" schließen ohne Änderung.
    palette.fDialogLauf = [this](QDialog& d) {
      fVoreinstellungen.push_back(d.windowTitle().toStdString());
      d.reject();
    };
    palette.show();
  }
  ~PaletteTest() override {
    if (palette.isVisible()) {
      Schule().SetDirty(false);
      palette.hide();
    }
  }
  bool An(const char* pfad) const {
    QAction* a = palette.Befehl(T(pfad));
    EXPECT_NE(a, nullptr) << pfad;
    return a && a->isEnabled();
  }
  QMenu* FensterMenue() const {
    return qobject_cast<QMenu*>(palette.Befehl(T("Fenster/Zwischenablage"))->parent());
  }
  bool KnopfAn(const char* name) const { return palette.Knopf(T(name))->isEnabled(); }
  void NeueSchule(std::vector<std::pair<int, QString>> elemente) {
    ImEditor(std::move(elemente));
    palette.Befehl(T("Datei/Neu"))->trigger();
  }
  std::string Pfad(const QString& name) const { return dir.filePath(name).toStdString(); }

  TTestUmgebung u;
  TTestFenster fenster{FensterArt::LehrerPlan, "MUE"};  // lebt länger als die Palette
  TTamrelPalette palette;
  QTemporaryDir dir;
  std::vector<std::pair<std::string, std::string>> fSichernFragen;
  std::optional<std::string> fSichernAntwort;
  std::vector<std::string> fOeffnenFragen;
  std::vector<std::string> fVoreinstellungen;  // Titel der gezeigten Dialoge
  std::optional<std::string> fOeffnenAntwort;
};

}  // namespace

TEST_F(PaletteTest, OhneSchule) {
  EXPECT_EQ(palette.windowTitle(), T("WinTamrel 3.9.16"));
  EXPECT_FALSE(palette.Halter().Offen());
  EXPECT_TRUE(An("Datei/Neu"));
  EXPECT_TRUE(An("Datei/Öffnen..."));
  EXPECT_TRUE(An("Datei/Beenden"));
  for (const char* p :
       {"Datei/Datei schließen", "Datei/Sichern", "Datei/Sichern unter...", "Datei/Export",
        "Datei/Drucken", "Daten/Kürzel...", "Daten/Pläne", "Daten/Übersichten", "Daten/Vertretung",
        "Daten/Prüfen", "Datei/Fenster schließen", "Bearbeiten/Alles auswählen", "Le", "Kl", "Ko",
        "Fa", "Ra", "UV"})
    EXPECT_FALSE(An(p)) << p;
  // "Grunddaten" und "Zeigen" sind gedrückt; ohne aktives Fenster sind die Werkzeuge aus.
  EXPECT_TRUE(palette.Knopf(T("GrDatKnopf"))->isChecked());
  EXPECT_TRUE(palette.Knopf(T("ZeigKnopf"))->isChecked());
  EXPECT_TRUE(KnopfAn("GrDatKnopf"));
  for (const char* k : {"PfeilLinksKnopf", "ZeigKnopf", "SetzKnopf", "NeueUEKnopf", "AutomatKnopf"})
    EXPECT_FALSE(KnopfAn(k)) << k;
}

TEST_F(PaletteTest, BefehleMitTastenkuerzeln) {
  const std::map<QString, QKeySequence> tasten = {
      {T("Datei/Neu"), QKeySequence(T("Ctrl+N"))},
      {T("Datei/Öffnen..."), QKeySequence(T("Ctrl+O"))},
      {T("Datei/Fenster schließen"), QKeySequence(T("Ctrl+W"))},
      {T("Datei/Sichern"), QKeySequence(T("Ctrl+S"))},
      {T("Datei/Fenster drucken..."), QKeySequence(T("Ctrl+P"))},
      {T("Datei/Beenden"), QKeySequence(T("Ctrl+Q"))},
      {T("Bearbeiten/Widerrufen"), QKeySequence(T("Ctrl+Z"))},
      {T("Bearbeiten/Ausschneiden"), QKeySequence(T("Ctrl+X"))},
      {T("Bearbeiten/Kopieren"), QKeySequence(T("Ctrl+C"))},
      {T("Bearbeiten/Einsetzen"), QKeySequence(T("Ctrl+V"))},
      {T("Bearbeiten/Alles auswählen"), QKeySequence(T("Ctrl+A"))},
      {T("Daten/Kürzel..."), QKeySequence(T("Ctrl+K"))},
      {T("Daten/Kurse"), QKeySequence(T("Ctrl+U"))},
      {T("Daten/Vertretung/Heute"), QKeySequence(T("Ctrl+H"))},
  };
  for (const auto& [pfad, taste] : tasten) {
    QAction* a = palette.Befehl(pfad);
    ASSERT_NE(a, nullptr) << pfad.toStdString();
    EXPECT_EQ(a->shortcut(), taste) << pfad.toStdString();
  }
  const char* werkzeuge[] = {"Grunddaten",   "Deputat",  "Plan",    "Neuer Kurs",
                             "Kurs löschen", "Zeigen",   "Setzen",  "Löschen",
                             "Schieben",     "Fixieren", "Manuell", "Automatik"};
  for (int i = 0; i < 12; ++i) {
    QAction* a = palette.Befehl(T("Bearbeiten/Werkzeuge/") + T(werkzeuge[i]));
    ASSERT_NE(a, nullptr) << werkzeuge[i];
    EXPECT_EQ(a->shortcut(), QKeySequence(static_cast<int>(Qt::CTRL) | (Qt::Key_F1 + i)));
  }
  // Jeder Eintrag der Menüs ist da, auch die, deren Fenster es noch nicht gibt.
  for (const char* p : {"Datei/Papierformat...",
                        "Datei/Drucken/Kürzel...",
                        "Datei/Drucken/Deputate...",
                        "Datei/Drucken/Pläne/Kopplungspläne für Klassen...",
                        "Datei/Drucken/Übersichten/Kombination...",
                        "Datei/Drucken/Listen/Klassenkonferenzen...",
                        "Datei/Drucken/Vertretung/Vertretungsübersicht für Lehrer...",
                        "Datei/Import...",
                        "Datei/Export/Kurse...",
                        "Datei/Export/Lanis Stundenplan (csv)",
                        "Datei/Export/Schulmanager (csv)",
                        "Bearbeiten/Löschen",
                        "Bearbeiten/Voreinstellungen/Eckdaten",
                        "Bearbeiten/Voreinstellungen/HTML-Farben",
                        "Daten/Parallele Kopplungen",
                        "Daten/UV-Statistik/UV-Tabellen",
                        "Daten/Pläne/Komprimieren",
                        "Daten/Pläne/später eingetragene Räume",
                        "Daten/Übersichten/Raumübersicht",
                        "Daten/Vertretung/wöchentlicher Unterrichtsausfall (NRW)",
                        "Daten/Prüfen/Einzel-/Mehrfachstunden",
                        "Fenster/Anordnung...",
                        "Fenster/Zwischenablage",
                        "Hilfe/WinTamrel Hilfe",
                        "Hilfe/Tamrel-Handbuch",
                        "Hilfe/Updates",
                        "Hilfe/Über WinTamrel..."})
    EXPECT_NE(palette.Befehl(T(p)), nullptr) << p;
}

TEST_F(PaletteTest, KnoepfeMitHinweisen) {
  const std::pair<const char*, const char*> knoepfe[] = {
      {"PfeilLinksKnopf", "Voriger"},
      {"PfeilRechtsKnopf", "Nächster"},
      {"GrDatKnopf", "Grunddaten"},
      {"DepKnopf", "Deputate"},
      {"PlanKnopf", "Pläne"},
      {"NeueUEKnopf", "Neuen Kurs erzeugen"},
      {"UELoeschKnopf", "Ausgewählte Kurse löschen"},
      {"ZeigKnopf", "Zeigen"},
      {"SetzKnopf", "Setzen"},
      {"LoeschKnopf", "Löschen"},
      {"SchiebKnopf", "Schieben"},
      {"FixKnopf", "Fixieren"},
      {"ManuellKnopf", "Ausgewählte Kurse manuell setzen"},
      {"AutomatKnopf", "Ausgewählte Kurse automatisch setzen"},
      {"VersKnopf", "Planversion (rot = alle Versionen)"}};
  for (const auto& [name, hinweis] : knoepfe) {
    QToolButton* k = palette.Knopf(T(name));
    ASSERT_NE(k, nullptr) << name;
    EXPECT_EQ(k->toolTip(), T(hinweis)) << name;
  }
  // Gruppen wirken wie Radioknöpfe.
  palette.Knopf(T("PlanKnopf"))->click();
  EXPECT_EQ(Schule().fFensterArt, TFensterArt::PFenster);
  EXPECT_FALSE(palette.Knopf(T("GrDatKnopf"))->isChecked());
  EXPECT_TRUE(palette.Befehl(T("Bearbeiten/Werkzeuge/Plan"))->isChecked());
}

TEST_F(PaletteTest, FreigabenNachDemAktivenFenster) {
  Schule().FensterAnmelden(&fenster);
  Schule().FensterAktivieren(&fenster);
  // Planfenster: alles an außer "Kurs löschen" und "Automatik" (die es noch nicht gibt).
  for (const char* k : {"PfeilLinksKnopf", "PfeilRechtsKnopf", "ZeigKnopf", "SetzKnopf",
                        "LoeschKnopf", "SchiebKnopf", "FixKnopf", "NeueUEKnopf", "ManuellKnopf"})
    EXPECT_TRUE(KnopfAn(k)) << k;
  for (const char* k : {"UELoeschKnopf", "AutomatKnopf"}) EXPECT_FALSE(KnopfAn(k)) << k;
  EXPECT_TRUE(palette.Knopf(T("PlanKnopf"))->isChecked());
  EXPECT_TRUE(An("Datei/Fenster schließen"));
  EXPECT_TRUE(An("Datei/Fenster drucken..."));  // Planfenster: der Plandruck
  EXPECT_TRUE(An("Bearbeiten/Alles auswählen"));
  EXPECT_FALSE(An("Bearbeiten/Werkzeuge/Manuell"));  // im Menü nicht aus Planfenstern
  EXPECT_TRUE(An("Bearbeiten/Werkzeuge/Zeigen"));
  // Das Fenster steht im Fenstermenü, mit Häkchen.
  QAction* eintrag = FensterMenue()->actions().last();
  EXPECT_EQ(eintrag->text(), T("MUE"));
  EXPECT_TRUE(eintrag->isChecked());
  // Werkzeug "Fixieren", dann ein Datenfenster: nur Zeigen und Löschen bleiben.
  palette.Knopf(T("FixKnopf"))->click();
  EXPECT_EQ(Schule().fToolArt, TToolArt::FixTool);
  fenster.fArt = FensterArt::LehrerDaten;
  palette.AktualisierePalette();
  EXPECT_EQ(Schule().fToolArt, TToolArt::ZeigTool);
  EXPECT_TRUE(palette.Knopf(T("ZeigKnopf"))->isChecked());
  EXPECT_FALSE(KnopfAn("SetzKnopf"));
  EXPECT_TRUE(KnopfAn("LoeschKnopf"));
  EXPECT_TRUE(palette.Knopf(T("GrDatKnopf"))->isChecked());
  EXPECT_TRUE(An("Datei/Fenster drucken..."));  // Datenfenster: ein Bild des Fensters
  fenster.fArt = FensterArt::Manuell;
  palette.AktualisierePalette();
  EXPECT_FALSE(An("Datei/Fenster drucken..."));  // "Manuell" hat keinen Druck
  fenster.fArt = FensterArt::LehrerDaten;
  palette.AktualisierePalette();
  // Ohne aktives Fenster: alles wieder aus, kein Häkchen.
  Schule().FensterAbmelden(&fenster);
  EXPECT_FALSE(KnopfAn("LoeschKnopf"));
  EXPECT_FALSE(An("Datei/Fenster schließen"));
  EXPECT_EQ(FensterMenue()->actions().size(), 4);
}

TEST_F(PaletteTest, PfeiltastenBlaetternUndUmschalttastenWerdenGemerkt) {
  fenster.fArt = FensterArt::Kurs;  // Kursfenster: blättert selbst
  Schule().FensterAnmelden(&fenster);
  Schule().FensterAktivieren(&fenster);
  QTest::keyClick(&palette, Qt::Key_Right, Qt::ShiftModifier);
  QTest::keyClick(&palette, Qt::Key_Left);
  ASSERT_EQ(fenster.fBlaettern.size(), 2u);
  EXPECT_EQ(fenster.fBlaettern[0], (std::pair<int, unsigned>{1, umShift}));
  EXPECT_EQ(fenster.fBlaettern[1], (std::pair<int, unsigned>{-1, 0u}));
  QKeyEvent druck(QEvent::KeyPress, Qt::Key_B, Qt::ControlModifier | Qt::AltModifier);
  QApplication::sendEvent(&palette, &druck);
  EXPECT_EQ(*palette.Verwaltung().Umschalttasten(), static_cast<TUmschaltMenge>(umCtrl | umAlt));
  QKeyEvent los(QEvent::KeyRelease, Qt::Key_B, Qt::NoModifier);
  QApplication::sendEvent(&palette, &los);
  EXPECT_EQ(*palette.Verwaltung().Umschalttasten(), 0u);
  Schule().FensterAbmelden(&fenster);
}

TEST_F(PaletteTest, VoreinstellungenOeffnenIhreDialoge) {
  palette.Befehl(T("Bearbeiten/Voreinstellungen/Zeiten"))->trigger();
  palette.Befehl(T("Bearbeiten/Voreinstellungen/Vertretung"))->trigger();
  palette.Befehl(T("Bearbeiten/Voreinstellungen/HTML-Farben"))->trigger();
  EXPECT_EQ(fVoreinstellungen, (std::vector<std::string>{"Voreinstellung für Zeiten",
                                                         "Voreinstellung für Vertretungen",
                                                         "Voreinstellung für HTML-Farben"}));
  EXPECT_FALSE(An("Bearbeiten/Voreinstellungen/Planversionen"));  // eine Planversion
}

TEST_F(PaletteTest, NeuMitKuerzeleditorFuelltDieElementmenues) {
  NeueSchule({{0, T("MUE")}, {0, T("ABC")}, {1, T("5a")}, {5, T("Sek I")}});
  EXPECT_TRUE(palette.Halter().Offen());
  EXPECT_EQ(palette.windowTitle(), T("WinTamrel 3.9.16 [ohne Titel]"));
  // Vor dem Kürzeleditor die Voreinstellungen für Eckdaten, Grunddaten und Kurse.
  EXPECT_EQ(fVoreinstellungen, (std::vector<std::string>{"Voreinstellung für Eckdaten",
                                                         "Voreinstellung für Grunddaten",
                                                         "Voreinstellung für Kurse"}));
  ASSERT_EQ(palette.ElementMenueModell(leh).size(), 2u);
  EXPECT_EQ(palette.ElementMenueModell(leh)[0].Text, "MUE");
  EXPECT_EQ(palette.ElementMenueModell(leh)[1].Text, "ABC");
  EXPECT_EQ(palette.ElementMenueModell(uvt)[0].Text, "Sek I");
  EXPECT_TRUE(An("Le"));
  EXPECT_TRUE(An("Kl"));
  EXPECT_FALSE(An("Ko"));
  EXPECT_TRUE(An("UV"));
  EXPECT_FALSE(An("Datei/Neu"));
  EXPECT_FALSE(An("Datei/Öffnen..."));
  EXPECT_TRUE(An("Datei/Datei schließen"));
  EXPECT_TRUE(An("Datei/Sichern"));  // geändert
  EXPECT_TRUE(An("Daten/Kürzel..."));
  EXPECT_TRUE(An("Daten/Kurse"));
  EXPECT_EQ(Schule().fLehrerMenge[1]->fReihe, 2);
  // Das Menü "Kürzel..." zeigt den Editor wieder; danach sind die Menüs neu angelegt.
  ImEditor({{2, T("G1")}});
  palette.Befehl(T("Daten/Kürzel..."))->trigger();
  EXPECT_TRUE(An("Ko"));
  EXPECT_EQ(palette.ElementMenueModell(kop)[0].Text, "G1");
}

TEST_F(PaletteTest, ElementmenueSpaltenFuerVierzigUndDreihundertLehrer) {
  for (int n : {40, 300}) {
    palette.Halter().Verwerfen();
    for (int i = 1; i <= n; ++i) Schule().HoleLehrer("L" + std::to_string(i));
    palette.MenuAnlage();
    palette.ElementMenueZeigen(leh);
    TPopupMenue* menue = palette.OffenesMenue();
    ASSERT_NE(menue, nullptr);
    const int k = n == 40 ? 16 : 30;
    EXPECT_EQ(menue->SpaltenZahl(), (n + k - 1) / k) << n;
    for (int i = 0; i < n; ++i) EXPECT_EQ(menue->SpalteVon(i), i / k) << n << " " << i;
    EXPECT_EQ(TPopupMenue::OffeneMenues(), 1);
    menue->Schliessen();
    EXPECT_EQ(TPopupMenue::OffeneMenues(), 0);
  }
}

TEST_F(PaletteTest, WahlImElementmenueOeffnetNachFensterart) {
  // Ein Planfenster eines anderen Lehrers ist aktiv, die Fensterart "Pläne": die Wahl zeigt den
  // gewählten Lehrer in diesem Fenster.
  struct TPlan : TTestFenster {
    using TTestFenster::TTestFenster;
    void ElementZeigen(TElement* e) override { fGezeigt.push_back(e); }
    std::vector<TElement*> fGezeigt;
  } plan{FensterArt::LehrerPlan, "AB"};
  TLehrer* ab = Schule().HoleLehrer("AB");
  TLehrer* cd = Schule().HoleLehrer("CD");
  Schule().SetDirty(false);
  ab->fPlnFenster = &plan;
  Schule().FensterAnmelden(&plan);
  Schule().FensterAktivieren(&plan);
  palette.MenuAnlage();
  palette.ElementMenueZeigen(leh);
  ASSERT_TRUE(palette.OffenesMenue()->Waehle(1));
  EXPECT_EQ(plan.fGezeigt, std::vector<TElement*>{cd});
  EXPECT_FALSE(Schule().fDirty);
  ab->fPlnFenster = nullptr;
  Schule().FensterAbmelden(&plan);
}

TEST_F(PaletteTest, AuswahllisteMitOhne) {
  TLehrer* ab = Schule().HoleLehrer("AB");
  palette.MenuAnlage();
  QTimer::singleShot(0, [] {
    auto* m = qobject_cast<TPopupMenue*>(QApplication::activePopupWidget());
    ASSERT_NE(m, nullptr);
    ASSERT_EQ(m->Menue().size(), 2u);
    EXPECT_EQ(m->Menue()[0].Text, "ohne");
    m->Waehle(1);
  });
  auto wahl = palette.ElementWaehlen(leh, true, 10, 10);
  ASSERT_TRUE(wahl && wahl->Gewaehlt);
  EXPECT_EQ(wahl->Element, ab);
  QTimer::singleShot(
      0, [] { qobject_cast<TPopupMenue*>(QApplication::activePopupWidget())->Waehle(0); });
  wahl = palette.ElementWaehlen(leh, true, 10, 10);
  ASSERT_TRUE(wahl && wahl->Gewaehlt);
  EXPECT_EQ(wahl->Element, nullptr);
  // Die Mehrfachwahl einer leeren Liste liefert nichts, ohne Fenster.
  EXPECT_TRUE(palette.MultiMenu({}, T("Wahl")).empty());
}

TEST_F(PaletteTest, KnopfDerPlanversion) {
  u.standard.fMaxWocheNeu = 20;
  u.standard.fEineWoche = true;
  palette.AktualisierePalette();
  QToolButton* k = palette.Knopf(T("VersKnopf"));
  EXPECT_EQ(k->text(), T("1"));
  EXPECT_EQ(k->palette().color(QPalette::ButtonText), QColor(Qt::black));
  EXPECT_TRUE(palette.Freigabe().Planversionen);
  // Strg+Klick: Einwochenbetrieb aus, rot, kein Menü.
  QTest::mouseClick(k, Qt::LeftButton, Qt::ControlModifier);
  EXPECT_FALSE(u.standard.fEineWoche);
  EXPECT_EQ(k->palette().color(QPalette::ButtonText), QColor(Qt::red));
  EXPECT_EQ(palette.OffenesMenue(), nullptr);
  QTest::mouseClick(k, Qt::LeftButton, Qt::ControlModifier);
  EXPECT_TRUE(u.standard.fEineWoche);
  // Klick: das Menü der Versionen, Spalten zu 8.
  QTest::mouseClick(k, Qt::LeftButton);
  TPopupMenue* m = palette.OffenesMenue();
  ASSERT_NE(m, nullptr);
  ASSERT_EQ(m->Menue().size(), 20u);
  EXPECT_EQ(m->SpaltenAnfaenge(), (std::vector<int>{0, 8, 16}));
  EXPECT_EQ(m->Menue()[4].Text, "5");
  ASSERT_TRUE(m->Waehle(4));
  EXPECT_EQ(u.standard.fAktuelleWoche, 5);
  EXPECT_EQ(k->text(), T("5"));
}

TEST_F(PaletteTest, AnordnungenDerKnoepfe) {
  auto leiste = [this] {
    QStringList t;
    for (QAction* a : palette.menuBar()->actions()) t << a->text();
    return t;
  };
  const QStringList voll = {T("Datei"), T("Bearbeiten"), T("Daten"), T("Le"),
                            T("Kl"),    T("Ko"),         T("Fa"),    T("Ra"),
                            T("UV"),    T("Fenster"),    T("Hilfe")};
  EXPECT_EQ(leiste(), voll);
  const int breit = palette.width();
  u.standard.fPaletteSchalter = 6;  // "1 X 15 Schalter": Werkzeugfenster mit "Menu"
  palette.AendereForm();
  EXPECT_EQ(leiste(), QStringList{T("Menu")});
  EXPECT_EQ(palette.windowType(), Qt::Tool);
  QStringList unter;
  for (QAction* a : palette.menuBar()->actions()[0]->menu()->actions()) unter << a->text();
  EXPECT_EQ(unter, voll);
  EXPECT_LT(palette.width(), breit);
  EXPECT_GT(palette.height(), 15 * 30);
  u.standard.fPaletteSchalter = 1;  // "8 X 2 Schalter": wieder das ganze Menü
  palette.AendereForm();
  EXPECT_EQ(leiste(), voll);
  EXPECT_EQ(palette.windowType(), Qt::Window);
  EXPECT_TRUE(palette.windowFlags() & Qt::WindowStaysOnTopHint);
  // Die Knöpfe stehen zu acht in zwei Zeilen, ganz sichtbar.
  QApplication::processEvents();
  QToolButton* erster = palette.Knopf(T("PfeilLinksKnopf"));
  QToolButton* neunter = palette.Knopf(T("ZeigKnopf"));
  EXPECT_EQ(neunter->x(), erster->x());
  EXPECT_EQ(neunter->y(), erster->y() + erster->height() + 1);
  const QRect flaeche = palette.centralWidget()->geometry();
  EXPECT_GE(flaeche.height(), 2 * erster->height());
  EXPECT_GE(palette.centralWidget()->y(), palette.menuBar()->geometry().bottom());
}

TEST_F(PaletteTest, WiderrufenOhneManuellesFenster) {
  palette.Befehl(T("Bearbeiten/Widerrufen"))->trigger();
  ASSERT_FALSE(u.dialog.fProtokoll.empty());
  EXPECT_EQ(u.dialog.fProtokoll.back().Zeilen,
            std::vector<std::string>{"Noch nicht implementiert!"});
  EXPECT_EQ(u.dialog.fProtokoll.back().Art, TMeldungsArt::Information);
  // Das Protokoll der manuellen Planung schaltet "Widerrufen" und "Löschen".
  EXPECT_FALSE(An("Bearbeiten/Löschen"));
  palette.UndoBefehleFreigeben(true);
  EXPECT_TRUE(An("Bearbeiten/Widerrufen"));
  EXPECT_TRUE(An("Bearbeiten/Löschen"));
  palette.UndoBefehleFreigeben(false);
  EXPECT_FALSE(An("Bearbeiten/Widerrufen"));
  EXPECT_FALSE(An("Bearbeiten/Löschen"));
}

TEST_F(PaletteTest, DateiSchliessenMitNein) {
  NeueSchule({{0, T("MUE")}});
  ASSERT_TRUE(Schule().fDirty);
  u.dialog.Antworte("Nein");
  palette.Befehl(T("Datei/Datei schließen"))->trigger();
  EXPECT_EQ(u.dialog.fProtokoll.back().Titel, "Daten sichern?");
  EXPECT_EQ(u.dialog.fProtokoll.back().Knoepfe,
            (std::vector<std::string>{"Ja", "Mit einem anderem Namen", "Nein"}));
  EXPECT_FALSE(palette.Halter().Offen());
  EXPECT_TRUE(Schule().fLehrerMenge.empty());
  EXPECT_EQ(palette.windowTitle(), T("WinTamrel 3.9.16"));
  EXPECT_FALSE(An("Le"));
  EXPECT_TRUE(An("Datei/Neu"));
  EXPECT_FALSE(An("Datei/Sichern"));
}

TEST_F(PaletteTest, DateiSchliessenMitAnderemNamenAbgebrochen) {
  NeueSchule({{0, T("MUE")}});
  u.dialog.Antworte("Mit einem anderem Namen");
  palette.Befehl(T("Datei/Datei schließen"))->trigger();
  ASSERT_EQ(fSichernFragen.size(), 1u);
  EXPECT_EQ(fSichernFragen[0].first, "ohne Titel");
  // Abgebrochen: die Schule bleibt offen und geändert.
  EXPECT_TRUE(palette.Halter().Offen());
  EXPECT_TRUE(Schule().fDirty);
  EXPECT_EQ(Schule().fLehrerMenge.size(), 1u);
}

TEST_F(PaletteTest, DateiSchliessenMitJaSichertUnterNeuemNamen) {
  NeueSchule({{0, T("MUE")}});
  fSichernAntwort = Pfad(T("Schule"));  // ohne Endung
  u.dialog.Antworte("Ja");
  palette.Befehl(T("Datei/Datei schließen"))->trigger();
  ASSERT_EQ(fSichernFragen.size(), 1u);
  EXPECT_TRUE(QFile::exists(dir.filePath(T("Schule.tmr"))));
  EXPECT_FALSE(palette.Halter().Offen());
  EXPECT_EQ(u.standard.fOpenPfad, dir.path().toStdString());
}

TEST_F(PaletteTest, SichernUndWiederOeffnen) {
  NeueSchule({{0, T("MUE")}, {0, T("ABC")}, {4, T("R101")}});
  fSichernAntwort = Pfad(T("Rund.TMR"));
  palette.Befehl(T("Datei/Sichern"))->trigger();  // ohne Titel: wie "Sichern unter..."
  ASSERT_EQ(fSichernFragen.size(), 1u);
  EXPECT_EQ(palette.windowTitle(), T("WinTamrel 3.9.16 [Rund.TMR]"));
  EXPECT_FALSE(Schule().fDirty);
  EXPECT_TRUE(An("Datei/Sichern"));  // eine offene Schule auch unverändert
  // Ändern und "Sichern": ohne Dialog unter dem Namen im Ordner.
  Schule().HoleKlasse("5a");
  palette.Befehl(T("Datei/Sichern"))->trigger();
  EXPECT_EQ(fSichernFragen.size(), 1u);
  EXPECT_FALSE(Schule().fDirty);

  palette.Befehl(T("Datei/Datei schließen"))->trigger();
  ASSERT_FALSE(palette.Halter().Offen());
  fOeffnenAntwort = Pfad(T("Rund.TMR"));
  palette.Befehl(T("Datei/Öffnen..."))->trigger();
  ASSERT_EQ(fOeffnenFragen.size(), 1u);
  EXPECT_EQ(fOeffnenFragen[0], dir.path().toStdString());
  ASSERT_TRUE(palette.Halter().Offen());
  EXPECT_EQ(palette.windowTitle(), T("WinTamrel 3.9.16 [Rund.TMR]"));
  ASSERT_EQ(Schule().fLehrerMenge.size(), 2u);
  EXPECT_EQ(Schule().fLehrerMenge[1]->fKuerzel.str(), "ABC");
  EXPECT_EQ(Schule().fKlassenMenge.size(), 1u);
  EXPECT_EQ(palette.ElementMenueModell(rau)[0].Text, "R101");
  EXPECT_FALSE(Schule().fDirty);
  EXPECT_TRUE(An("Datei/Sichern"));  // geöffnet und unverändert: wählbar
}

TEST_F(PaletteTest, UnlesbareDateiLaesstKeineSchuleOffen) {
  QFile f(dir.filePath(T("kaputt.tmr")));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("keine Schule");
  f.close();
  EXPECT_FALSE(palette.DateiOeffnen(Pfad(T("kaputt.tmr"))));
  EXPECT_FALSE(palette.Halter().Offen());
  EXPECT_EQ(palette.windowTitle(), T("WinTamrel 3.9.16"));
  ASSERT_FALSE(u.dialog.fProtokoll.empty());
  EXPECT_EQ(u.dialog.fProtokoll.back().Titel, "Fehler beim Öffnen");
  EXPECT_NE(u.dialog.fProtokoll.back().Text().find("kaputt.tmr"), std::string::npos);
  EXPECT_EQ(u.dialog.fProtokoll.back().Art, TMeldungsArt::Fehler);
  EXPECT_TRUE(An("Datei/Neu"));
  EXPECT_FALSE(An("Datei/Datei schließen"));
}

TEST_F(PaletteTest, ZuNeueDateiNenntDieVersionInEigenerZeile) {
  QFile f(dir.filePath(T("neu.tmr")));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  const char kopf[] = {'\xD3', '\xFE', '\xFF', '\xFF', 0, 0, 0, 0};  // Version -301
  f.write(kopf, sizeof kopf);
  f.close();
  EXPECT_FALSE(palette.DateiOeffnen(Pfad(T("neu.tmr"))));
  ASSERT_FALSE(u.dialog.fProtokoll.empty());
  EXPECT_EQ(u.dialog.fProtokoll.back().Zeilen,
            (std::vector<std::string>{"Die Datei „neu.tmr“ kann nicht gelesen werden.",
                                      "Die Version der Daten ist zu neu!"}));
}

TEST_F(PaletteTest, BeendenSchreibtDieEinstellungen) {
  NeueSchule({{0, T("MUE")}});
  palette.move(140, 90);
  u.dialog.Antworte("Nein");
  EXPECT_TRUE(palette.close());
  EXPECT_FALSE(palette.isVisible());
  const auto wert = u.speicher.Lesen(StandardSchluessel(0), "pal");
  ASSERT_TRUE(wert.has_value());
  EXPECT_EQ(*wert, std::to_string(palette.pos().x()));
  EXPECT_GT(u.speicher.fGesichert, 0);
}

TEST_F(PaletteTest, BeendenAbgebrochenBleibtOffen) {
  NeueSchule({{0, T("MUE")}});
  u.dialog.Antworte("Mit einem anderem Namen");
  EXPECT_FALSE(palette.close());
  EXPECT_TRUE(palette.isVisible());
  EXPECT_TRUE(palette.Halter().Offen());
  EXPECT_FALSE(u.speicher.Lesen(StandardSchluessel(0), "pal").has_value());
}

TEST(UeberForm, ZeigtNameUndRolltMitPause) {
  TUeberForm form("Plan.tmr");
  EXPECT_EQ(form.windowTitle(), T("Über WinTamrel"));
  QStringList texte;
  for (QLabel* l : form.findChildren<QLabel*>()) texte << l->text();
  EXPECT_TRUE(texte.contains(T("WinTamrel 3.9.16")));
  EXPECT_TRUE(texte.contains(T("(Version vom 09.11.2025)")));
  EXPECT_TRUE(texte.contains(T("Plan.tmr")));
  EXPECT_EQ(BeschreibungsZeilen(),
            (QStringList{T("Ein Programm für"), T("Unterrichtsverteilung"), T("für"),
                         T("Stundenplan"), T("und"), T("Vertretungsplan")}));
  TUeberLauf* lauf = form.Lauf();
  for (int i = 0; i < 200; ++i) lauf->Takt();
  EXPECT_EQ(lauf->Verschiebung(), 0);
  lauf->Takt();
  EXPECT_EQ(lauf->Verschiebung(), 1);
  for (int i = 0; i < 798; ++i) lauf->Takt();
  EXPECT_EQ(lauf->Verschiebung(), 799);
  lauf->Takt();
  EXPECT_EQ(lauf->Verschiebung(), 0);
  EXPECT_EQ(lauf->Pause(), 200);
  form.show();
  QTest::mouseClick(form.Bild(), Qt::LeftButton);
  EXPECT_EQ(form.result(), QDialog::Accepted);
  EXPECT_FALSE(form.isVisible());
}

TEST_F(PaletteTest, ErinnerungAnsSichernImLeerlauf) {
  NeueSchule({{0, T("MUE")}});
  u.standard.fSpeicherZeit = 5;
  u.standard.fSaveZeit = u.uhr.fJetzt;
  const std::size_t vorher = u.dialog.fProtokoll.size();
  u.uhr.fJetzt += 4.0 / (24 * 60);
  palette.Leerlauf();
  EXPECT_EQ(u.dialog.fProtokoll.size(), vorher);  // noch nicht fällig
  u.uhr.fJetzt += 2.0 / (24 * 60);
  u.dialog.Antworte("Nein");
  palette.Leerlauf();
  ASSERT_EQ(u.dialog.fProtokoll.size(), vorher + 1);
  EXPECT_EQ(u.dialog.fProtokoll.back().Titel, "Daten sichern?");
  EXPECT_TRUE(Schule().fDirty);  // "Nein" schließt nur die Frage
  EXPECT_EQ(u.standard.fSaveZeit, u.uhr.fJetzt);
  palette.Leerlauf();  // gleich danach nicht noch einmal
  EXPECT_EQ(u.dialog.fProtokoll.size(), vorher + 1);
}

// Jeder Pfad, den die Palette frei- oder abschaltet, ist ein Menüeintrag: ohne Schule, mit
// einer neuen Schule, mit einem aktiven Fenster, im Protokoll und nach dem Schließen.
TEST_F(PaletteTest, FreigabenNennenNurMenuepfadeDieEsGibt) {
  palette.AktualisierePalette();
  NeueSchule({{0, T("MUE")}});
  Schule().FensterAnmelden(&fenster);
  Schule().FensterAktivieren(&fenster);
  palette.Verwaltung().ProtokollBefehle(true);
  palette.Verwaltung().ProtokollBefehle(false);
  palette.Verwaltung().UndoBefehleFreigeben(true);
  Schule().SetDirty(true);
  u.dialog.Antworte("Nein");
  palette.Befehl(T("Datei/Datei schließen"))->trigger();
  EXPECT_EQ(palette.UnbekanntePfade(), std::vector<QString>{});
}

// Die Palette ist nicht der Fensterdienst, sondern hört der Verwaltung zu: die Fensterdateien
// erreichen sie nur über die Verwaltung.
TEST_F(PaletteTest, DieVerwaltungIstDerFensterdienst) {
  EXPECT_EQ(FensterDienst(), &palette.Verwaltung());
  EXPECT_EQ(palette.Verwaltung().Hauptfenster(), &palette);
  NeueSchule({{0, T("MUE")}});
  TTestFenster zweites{FensterArt::LehrerPlan, "MUE"};  // dieselbe Überschrift
  Schule().FensterAnmelden(&fenster);
  Schule().FensterAnmelden(&zweites);
  EXPECT_EQ(palette.Verwaltung().Fenster(), (std::vector<TFenster*>{&fenster, &zweites}));
  int eintraege = 0;
  for (QAction* a : FensterMenue()->actions()) eintraege += a->text() == T("MUE");
  EXPECT_EQ(eintraege, 2);
  Schule().FensterAbmelden(&zweites);
  eintraege = 0;
  for (QAction* a : FensterMenue()->actions()) eintraege += a->text() == T("MUE");
  EXPECT_EQ(eintraege, 1);
  // Die Umschalttasten hält die Verwaltung; die Palette folgt ihr.
  palette.Verwaltung().UmschalttastenSetzen(umCtrl);
  EXPECT_EQ(palette.Umschalt(), static_cast<TUmschaltMenge>(umCtrl));
  palette.Verwaltung().UmschalttastenSetzen(0);
}
