// Schulwechsel mit offenen Fenstern: ein Fenster jeder Art ist offen, dann "Datei schließen",
// "Neu" oder "Öffnen..."; danach ist kein Fenster mehr angemeldet oder sichtbar, die
// verzögerten Löschungen laufen, und in der nächsten Schule geht die Arbeit mit allen
// Fensterarten weiter. Im Prüferbau (TAMREL_PRUEFER_FENSTER) fällt dabei jeder Zugriff auf ein
// gelöschtes Fenster, Element oder einen Kurs auf.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include "PlanFensterHilfe.h"
#include "SchulPruefung.h"
#include "model/DatumUnit.h"
#include "substitution/FehlzeitUnit.h"
#include "substitution/VertretungUnit.h"
#include "substitution/fenster/VStatFormUnit.h"
#include "substitution/fenster/WoAusfallFormUnit.h"
#include "ui/ElementFensterUnit.h"
#include "ui/fenster/KueFormUnit.h"
#include "ui/fenster/ParFormUnit.h"
#include "ui/fenster/VWahlFormUnit.h"

namespace {

QString T(const char* s) {
  return QString::fromUtf8(s);
}

class SchulwechselTest : public PlanFensterTest {
 protected:
  SchulwechselTest() {
    palette.SetzeSichernDialog([this](const std::string&, const std::string&) {
      return std::optional<std::string>(Datei());
    });
    palette.SetzeOeffnenDialog(
        [this](const std::string&) { return std::optional<std::string>(Datei()); });
    // Nach "Neu" die Voreinstellungen ohne Änderung schließen.
    palette.fDialogLauf = [](QDialog& d) { d.reject(); };
    palette.show();
    // Die kleine Schule liegt auch als Datei bereit (für "Öffnen...").
    palette.SichernUnterItemClick();
    EXPECT_TRUE(QFile::exists(QString::fromStdString(Datei())));
  }
  ~SchulwechselTest() override {
    Schule().SetDirty(false);
    palette.hide();
  }

  std::string Datei() const { return dir.filePath(T("Klein.tmr")).toStdString(); }

  // Sichtbare Fenster außer der Palette.
  int SichtbareFenster() const {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w != &palette && w->isVisible()) ++n;
    return n;
  }

  // Öffnet ein Fenster jeder Art in der offenen Schule (MUE, 5a, R1, D werden, wo sie fehlen,
  // angelegt) und setzt eine vertretene Stunde; gibt die Zahl der angemeldeten Fenster zurück.
  size_t JedeFensterart() {
    TSchule& s = Schule();
    TLehrer* l = s.HoleLehrer("MUE");
    TKlasse* k = s.HoleKlasse("5a");
    TRaum* r = s.HoleRaum("R1");
    TFach* f = s.HoleFach("D");
    TKopplung* ko = s.HoleKopplung("REL");
    TKurs* kurs = nullptr;
    for (TKurs* x : s.fKursMenge)
      if (x->fLehrer == l) kurs = x;
    if (!kurs) kurs = Kurs(l, f, {k}, {r}, nullptr, 3, 0x0000FF);
    if (kurs->fSetzungen.empty()) kurs->NeueSetzung(1, 1, 1, r);

    for (TPlanElement* e : std::initializer_list<TPlanElement*>{l, k, r}) NeuesPlanFenster(e);
    for (TElement* e : std::initializer_list<TElement*>{l, k, f, r, ko})
      ElementFensterOeffnen(e, TFensterArt::DFenster, 0);  // Deputate
    ElementFensterOeffnen(k, TFensterArt::GFenster, 0);    // Grunddaten
    TUVTab* tab = s.HoleUVTab("UV1");
    tab->fIstFach = true;
    tab->NeuesFach(f);
    tab->NeueKlasse(k);
    ElementFensterOeffnen(tab, TFensterArt::DFenster, 0);  // UV-Tabelle
    ElementFensterOeffnen(tab, TFensterArt::GFenster, 0);  // ihre Daten
    palette.NeuesKursFenster(kurs, l);
    palette.Verwaltung().ManuellFensterOeffnen({kurs}, false);
    for (const char* pfad :
         {"Daten/Kurse", "Daten/Übersichten/Lehrerübersicht", "Daten/Übersichten/Klassenübersicht",
          "Daten/Übersichten/Raumübersicht", "Daten/UV-Statistik/Lehrer",
          "Daten/UV-Statistik/Klassen", "Daten/UV-Statistik/Fächer", "Daten/UV-Statistik/Räume",
          "Daten/Pläne/Stundenverteilung", "Daten/Prüfen/Brücken", "Fenster/Zwischenablage",
          "Daten/Vertretung/Heute"}) {
      QAction* a = palette.Befehl(T(pfad));
      EXPECT_NE(a, nullptr) << pfad;
      if (a) a->trigger();
    }
    TParForm::ZeigeParForm();
    WoAusfallZeigen();
    const TDateTime montag = DatumZuZahl(2026, 12, 14) + 0.5;
    VStatOeffnen(leh, montag - 7, montag + 7);
    FehlzeitEintragen(l, montag, StundenMaske(1, 16), "K");
    TVertretung* v = nullptr;
    for (TVertretung* x : s.fVertretungsMenge)
      if (GleicherTag(x->fDatum, montag)) v = x;
    EXPECT_NE(v, nullptr);
    if (v) TVWahlForm::Holen()->IVWahlForm(v);
    QCoreApplication::processEvents();
    return palette.Verwaltung().Fenster().size();
  }

  // Nach dem Wechsel: nichts angemeldet, nach den verzögerten Löschungen nichts sichtbar.
  void AllesZu() {
    EXPECT_TRUE(palette.Verwaltung().Fenster().empty());
    EXPECT_EQ(palette.Verwaltung().AktivesFenster(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    EXPECT_EQ(SichtbareFenster(), 0);
  }

  // In der nächsten Schule: wieder jede Fensterart, Stunden setzen, versetzen, löschen.
  void WeiterArbeiten() {
    EXPECT_GE(JedeFensterart(), 25u);
    TKurs* kurs = Schule().fKursMenge[0];
    kurs->NeueSetzung(1, 2, 2, nullptr);
    Schule().KursLoeschen(kurs);  // die offenen Fenster erfahren es
    QCoreApplication::processEvents();
    EXPECT_TRUE(SchuleStimmt(Schule()));
    Schule().AlleFensterSchliessen();
    AllesZu();
  }

  QTemporaryDir dir;
};

}  // namespace

// "Datei schließen" ohne Sichern, dann "Neu" mit dem Kürzeleditor.
TEST_F(SchulwechselTest, DateiSchliessenUndNeu) {
  ASSERT_GE(JedeFensterart(), 25u);
  EXPECT_GE(SichtbareFenster(), 25);
  ASSERT_TRUE(Schule().fDirty);
  u.dialog.Antworte("Nein");
  palette.Befehl(T("Datei/Datei schließen"))->trigger();
  ASSERT_FALSE(palette.Halter().Offen());
  AllesZu();
  bool editor = false;
  QTimer::singleShot(0, [&editor] {
    auto* kue = qobject_cast<TKueForm*>(QApplication::activeModalWidget());
    ASSERT_NE(kue, nullptr);
    editor = true;
    kue->LeRadio->click();
    kue->KueFeld->setText(T("NEU"));
    kue->NeuKnopf->click();
    kue->OkKnopf->click();
  });
  palette.Befehl(T("Datei/Neu"))->trigger();
  ASSERT_TRUE(editor);
  ASSERT_TRUE(palette.Halter().Offen());
  ASSERT_EQ(Schule().fLehrerMenge.size(), 1u);
  EXPECT_EQ(Schule().fLehrerMenge[0]->fKuerzel.str(), "NEU");
  WeiterArbeiten();
}

// Eine andere Datei öffnen, während die Schule mit allen Fenstern offen ist (Start mit einer
// Datei, Doppelklick auf eine Datei bei laufendem Programm): die offene wird erst geschlossen.
TEST_F(SchulwechselTest, AndereDateiOeffnen) {
  ASSERT_GE(JedeFensterart(), 25u);
  u.dialog.Antworte("Nein");
  ASSERT_TRUE(palette.DateiOeffnen(Datei()));
  ASSERT_TRUE(palette.Halter().Offen());
  EXPECT_EQ(Schule().fKursMenge.size(), 5u);  // die gesicherte kleine Schule
  AllesZu();
  WeiterArbeiten();
}
