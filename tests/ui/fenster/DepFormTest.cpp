// Die Deputatsfenster mit der Palette: Öffnen über die Fensterart, Gesten der Werkzeuge nach
// Spalten, Sortieren, Ziehen, Doppelklick, Filter, Kopieren und Einsetzen, Automatik.
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>

#include "PlanFensterHilfe.h"
#include "model/AblageUnit.h"
#include "ui/fenster/AutomatFormUnit.h"
#include "ui/fenster/DepFormUnit.h"
#include "ui/ElementFensterUnit.h"

using Deputat::TSpalte;

namespace {

class DepFormTest : public PlanFensterTest {
 protected:
  TDepForm* Oeffne(TElement* e) {
    ElementFensterOeffnen(e, TFensterArt::DFenster, 0);
    auto* f = dynamic_cast<TDepForm*>(e->fDepFenster);
    if (f) Schule().FensterAktivieren(f);
    return f;
  }
  int Zeile(TDepForm* f, TKurs* k) {
    for (int r = 1; r <= f->ZeilenZahl(); ++r)
      if (f->ZeilenKurs(r) == k) return r;
    return -1;
  }
  void Klick(TDepForm* f, TSpalte s, int row, Qt::MouseButton knopf = Qt::LeftButton,
             Qt::KeyboardModifiers tasten = Qt::NoModifier) {
    QTest::mouseClick(f->DepGrid->viewport(), knopf, tasten, f->ZellPunkt(f->SpalteVon(s), row));
  }
  void Ziehe(TDepForm* f, TSpalte s, int von, int nach) {
    QWidget* v = f->DepGrid->viewport();
    const int c = f->SpalteVon(s);
    QTest::mousePress(v, Qt::LeftButton, Qt::NoModifier, f->ZellPunkt(c, von));
    QTest::mouseMove(v, f->ZellPunkt(c, nach));
    QTest::mouseRelease(v, Qt::LeftButton, Qt::NoModifier, f->ZellPunkt(c, nach));
  }
};

TEST_F(DepFormTest, DeputateOeffnetDasFensterDesLehrers) {
  TDepForm* f = Oeffne(mue);
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->FensterArt(), FensterArt::LehrerDeputat);
  EXPECT_EQ(f->Titel(),
            "Deputat MUE [" + StundenText(5) + "/" + StundenText(mue->GetSoll(0)) + "]");
  EXPECT_EQ(f->ZeilenZahl(), 2);
  EXPECT_EQ(f->DepGrid->Cells(f->SpalteVon(TSpalte::Fach), 1), "D");
  EXPECT_TRUE(Schule().FensterOffen(f));
  // Die Palette: "Automatik" ist im Deputatsfenster wählbar.
  EXPECT_TRUE(palette.Freigabe().Automatik);
  // Ein Fach und ein Raum gleichen Kürzels: zwei Fenster mit eigener Überschrift.
  TDepForm* fd = Oeffne(Schule().HoleFach("D"));
  ASSERT_NE(fd, nullptr);
  EXPECT_EQ(fd->FensterArt(), FensterArt::FachDeputat);
  EXPECT_EQ(fd->ZeilenZahl(), 2);
}

TEST_F(DepFormTest, SetzenUndLoeschenNachSpalte) {
  TKurs* frei = Kurs(web, nullptr, {k5b}, {r2}, rel, 2, 0xFFFFFF);
  TDepForm* f = Oeffne(k5b);
  Werkzeug(TToolArt::SetzTool);
  const int r = Zeile(f, frei);
  ASSERT_GT(r, 0);
  // Spalte "Lehrer": ohne Fach nennt das Menü alle Lehrer.
  Klick(f, TSpalte::Lehrer, r);
  ASSERT_TRUE(f->DepPopupMenu);
  const TMenue& m = f->DepPopupMenu->Menue();
  int sch_ = -1;
  for (std::size_t i = 0; i < m.size(); ++i)
    if (m[i].Objekt == sch) sch_ = static_cast<int>(i);
  ASSERT_EQ(m.size(), 4u);
  ASSERT_TRUE(f->DepPopupMenu->Waehle(sch_));
  EXPECT_EQ(frei->fLehrer, sch);
  // Löschwerkzeug: Kopplung weg, ohne Frage (nicht verplant).
  Werkzeug(TToolArt::LoeschTool);
  Klick(f, TSpalte::Kopplung, Zeile(f, frei));
  EXPECT_EQ(frei->fKopplung, nullptr);
  // Ein verplanter Kurs fragt; "Nein" lässt ihn.
  u.dialog.Antworte("Nein");
  Klick(f, TSpalte::Lehrer, Zeile(f, kD5b));
  EXPECT_EQ(kD5b->fLehrer, mue);
  EXPECT_EQ(Titel().back(), "Kurs ist verplant");
  EXPECT_TRUE(BelegungenStimmen(Schule()));
}

TEST_F(DepFormTest, SortierenUndZiehenDerKlassen) {
  TKurs* a = Kurs(web, Schule().HoleFach("M"), {k5a}, {r2}, nullptr, 10, 0xFFFFFF);
  TDepForm* f = Oeffne(web);
  // Titelzeile "Std": "10" vor "2".
  Klick(f, TSpalte::Std, 0);
  EXPECT_EQ(f->ZeilenKurs(1), a);
  EXPECT_EQ(f->ZeilenKurs(2), kKR);
  // Die Klassen von kKR (5a, 5b) auf a (5a): nur 5b kommt dazu.
  Werkzeug(TToolArt::SchiebTool);
  Ziehe(f, TSpalte::Klasse, 2, 1);
  ASSERT_EQ(a->fKlassen.ListeZahlElemente(), 2);
  EXPECT_TRUE(a->fKlassen.ListeElemEnthalten(k5b));
  // Auf die Titelzeile und auf sich selbst: nichts.
  Ziehe(f, TSpalte::Raum, Zeile(f, a), 0);
  Ziehe(f, TSpalte::Raum, Zeile(f, a), Zeile(f, a));
  EXPECT_EQ(a->fRaeume.ListeZahlElemente(), 1);
  EXPECT_EQ(kKR->fKlassen.ListeZahlElemente(), 2);
}

TEST_F(DepFormTest, FilterBleibenBeimNeuaufbau) {
  palette.Verwaltung().UmschalttastenSetzen(umAlt);
  TDepForm* f = Oeffne(mue);
  palette.Verwaltung().UmschalttastenSetzen(0);
  EXPECT_TRUE(f->Filter().NurGekoppelt);
  EXPECT_EQ(f->ZeilenZahl(), 0);
  f->FensterUpdate();
  EXPECT_EQ(f->ZeilenZahl(), 0);
}

TEST_F(DepFormTest, DoppelklickOeffnetDasKursfensterUndLoeschenSchliesst) {
  TDepForm* f = Oeffne(k5a);
  const int r = Zeile(f, kM);
  QWidget* v = f->DepGrid->viewport();
  const QPoint p = f->ZellPunkt(0, r);
  QTest::mouseClick(v, Qt::LeftButton, Qt::NoModifier, p);
  QTest::mouseDClick(v, Qt::LeftButton, Qt::NoModifier, p);
  QTest::mouseRelease(v, Qt::LeftButton, Qt::NoModifier, p);
  EXPECT_NE(Schule().fKursForm, nullptr);
  // Das Element wird gelöscht: sein Fenster schließt sofort.
  QPointer<TDepForm> zeiger(f);
  Schule().ElementLoeschen(k5a);
  EXPECT_FALSE(Schule().FensterOffen(f));
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(zeiger.isNull());
}

TEST_F(DepFormTest, KopierenUndEinsetzenInAlleKurse) {
  TDepForm* f = Oeffne(mue);
  f->DepGrid->SetSelectRow(1, true);
  Schule().FensterAktivieren(f);
  palette.KopierenItemClick(false);
  const std::string text = u.ablage.fText;
  EXPECT_EQ(text, Win1252ZuUtf8(KurseAlsText({f->ZeilenKurs(1)}, false)));
  TDepForm* alle = AlleKurseFenster();
  Schule().FensterAktivieren(alle);
  const int vorher = Schule().fKursMenge.ListeZahlElemente();
  palette.EinsetzenItemClick();
  EXPECT_EQ(Schule().fKursMenge.ListeZahlElemente(), vorher + 1);
  EXPECT_EQ(alle->ZeilenZahl(), vorher + 1);
  // Unbekannte Kürzel: "Nein" setzt nichts ein.
  u.ablage.fText = "1\t2\tNEU\tD\t5a\t\t\t\t1\t0\t1\tFALSE\tFALSE\tFALSE\t0\r\n";
  u.dialog.Antworte("Nein");
  palette.EinsetzenItemClick();
  EXPECT_EQ(Titel().back(), "Unbekannte Kürzel");
  EXPECT_EQ(Schule().fKursMenge.ListeZahlElemente(), vorher + 1);
}

// Wartet (bis 30 s, auch auf einer ausgelasteten Maschine) auf den modalen Dialog T, ruft vorher
// einmal auf und klickt den Knopf, sobald er wählbar ist: ein Klick auf einen noch gesperrten
// Knopf (etwa "Ok", während die Rechnung läuft) ginge verloren und der Dialog bliebe offen.
template <class T>
void ImModalen(const char* knopf, std::function<void(T*)> vorher = {}, int versuche = 1500) {
  QTimer::singleShot(20, [knopf, vorher, versuche] {
    auto* w = dynamic_cast<T*>(QApplication::activeModalWidget());
    auto* k = w && w->isVisible() ? w->template findChild<QPushButton*>(QString::fromLatin1(knopf))
                                  : nullptr;
    if (!w || !w->isVisible() || (k && !k->isEnabled())) {
      if (versuche > 0) ImModalen<T>(knopf, w && w->isVisible() ? nullptr : vorher, versuche - 1);
      if (w && w->isVisible() && vorher) vorher(w);
      return;
    }
    if (vorher) vorher(w);
    if (k) k->click();
  });
}

TEST_F(DepFormTest, AutomatikAusDemDeputatsfensterUeberDiePalette) {
  TKurs* offen = Kurs(web, Schule().HoleFach("M"), {k5b}, {r2}, nullptr, 3, 0xFFFFFF);
  TDepForm* f = Oeffne(k5b);
  f->DepGrid->SetSelectRow(Zeile(f, offen), true);
  Schule().FensterAktivieren(f);
  // Startdialog: Prozent auf 100, "Ok"; dann im Planungsfenster "Start" und "Ok".
  ImModalen<TAutoStartForm>("OkKnopf", [](TAutoStartForm* d) {
    d->ProzentSpin->setValue(100);
    ImModalen<TAutomatForm>("StartKnopf", [](TAutomatForm* a) {
      EXPECT_EQ(a->RestFeld->text(), "3");
      EXPECT_EQ(a->nvpFeld->text(), "0");
      ImModalen<TAutomatForm>("OkKnopf");
    });
  });
  palette.Knopf("AutomatKnopf")->click();
  EXPECT_EQ(offen->VerplanteStunden(1), 3);
  EXPECT_TRUE(BelegungenStimmen(Schule()));
  EXPECT_EQ(Standard().fAuProzent, 100);
}

TEST_F(DepFormTest, AbbrechenHaeltZwischenZweiKursen) {
  std::vector<TKurs*> kurse;
  for (const char* fach : {"Bio", "Ch", "Ph"})
    kurse.push_back(Kurs(web, Schule().HoleFach(fach), {k5b}, {}, nullptr, 2, 0xFFFFFF));
  TAutomatForm form;
  form.IAutomatForm(kurse);
  // "Abbrechen" wartet in der Ereignisschlange, bis die Rechnung nach dem ersten Kurs Eingaben
  // laufen lässt.
  QTimer::singleShot(0, [&form] { form.CancelKnopf->click(); });
  form.StartKnopfClick();
  int gerechnet = 0;
  for (TKurs* k : kurse) gerechnet += k->VerplanteStunden(1) > 0 ? 1 : 0;
  EXPECT_EQ(gerechnet, 1);
  EXPECT_TRUE(form.Automat().Abbruch());
  EXPECT_FALSE(form.isVisible());
  EXPECT_TRUE(BelegungenStimmen(Schule()));
}

}  // namespace

namespace {

// Ein Kurs, der anderswo gelöscht wird (Kursfenster, Kürzel löschen), verschwindet sofort aus den
// Zeilen jedes Deputatsfensters; keine Zeile zeigt auf den zerstörten Kurs.
TEST_F(DepFormTest, AnderswoGeloeschterKursVerlaesstDieZeilen) {
  TKurs* weg = Kurs(web, Schule().HoleFach("M"), {k5b}, {r2}, nullptr, 2, 0xFFFFFF);
  Kurs(web, Schule().HoleFach("Bio"), {k5b}, {}, nullptr, 1, 0xFFFFFF);
  TDepForm* f = Oeffne(web);
  ASSERT_NE(f, nullptr);
  const int vorher = f->ZeilenZahl();
  ASSERT_GE(Zeile(f, weg), 1);
  Schule().KursLoeschen(weg);
  EXPECT_EQ(f->ZeilenZahl(), vorher - 1);
  for (int r = 1; r <= f->ZeilenZahl(); ++r) EXPECT_NE(f->ZeilenKurs(r), nullptr);
}

TEST_F(DepFormTest, KursLoeschenUndAusschneidenImDeputatsfenster) {
  TKurs* frei = Kurs(web, Schule().HoleFach("M"), {k5b}, {r2}, nullptr, 2, 0xFFFFFF);
  TKurs* frei2 = Kurs(web, Schule().HoleFach("Bio"), {k5b}, {}, nullptr, 1, 0xFFFFFF);
  TDepForm* f = Oeffne(web);
  f->DepGrid->SetSelectRow(Zeile(f, frei), true);
  Schule().FensterAktivieren(f);
  palette.Knopf("UELoeschKnopf")->click();
  EXPECT_EQ(web->fKurse.ListeZahlElemente(), 2);
  EXPECT_EQ(f->ZeilenZahl(), 2);
  // Die Überschrift änderte sich mit dem Deputat; das Fenster bleibt aktiv.
  EXPECT_EQ(Schule().fAktivesFenster, f);
  // Ausschneiden fragt "Kures löschen?"; "Ja" löscht.
  f->DepGrid->SetSelectRow(Zeile(f, frei2), true);
  u.dialog.Antworte("Ja");
  palette.KopierenItemClick(true);
  ASSERT_FALSE(Titel().empty());
  EXPECT_EQ(Titel().back(), "Kures löschen?");
  EXPECT_EQ(web->fKurse.ListeZahlElemente(), 1);
  EXPECT_NE(u.ablage.fText.find("Bio"), std::string::npos);
  // "Daten" › "Kurse": das eine Fenster "alle Kurse".
  palette.Befehl("Daten/Kurse")->trigger();
  auto* alle = dynamic_cast<TDepForm*>(Schule().fKursDepForm);
  ASSERT_NE(alle, nullptr);
  EXPECT_EQ(alle->Titel(), "alle Kurse");
  EXPECT_EQ(alle->ZeilenZahl(), Schule().fKursMenge.ListeZahlElemente());
  palette.Befehl("Daten/Kurse")->trigger();
  EXPECT_EQ(Schule().fKursDepForm, alle);
}

TEST_F(DepFormTest, NichtVerplanbareStundenInAlleKurse) {
  // Der Lehrer ist überall gesperrt: der Kurs behält seine Stunden.
  for (int t = 1; t <= 7; ++t)
    for (int h = 1; h <= 16; ++h) web->fSperrung.SetWocheTagStd(1, t, h, true);
  TKurs* gesperrt = Kurs(web, Schule().HoleFach("M"), {k5b}, {}, nullptr, 2, 0xFFFFFF);
  TAutomatForm form;
  form.IAutomatForm({gesperrt});
  form.StartKnopfClick();
  EXPECT_EQ(form.nvpFeld->text(), "2");
  EXPECT_EQ(form.RestFeld->text(), "0");
  ASSERT_TRUE(form.NVPZeigKnopf->isEnabled());
  form.NVPZeigKnopf->click();
  auto* alle = dynamic_cast<TDepForm*>(Schule().fKursDepForm);
  ASSERT_NE(alle, nullptr);
  ASSERT_EQ(alle->ZeilenZahl(), 1);
  EXPECT_EQ(alle->ZeilenKurs(1), gesperrt);
  EXPECT_EQ(gesperrt->VerplanteStunden(0), 0);
}

}  // namespace

namespace {

TEST_F(DepFormTest, GleicheUeberschriftSchliesstMitDerSchule) {
  // Fach und Raum "Ph": zwei Fenster "Deputat Ph" und zwei "Grunddaten Ph".
  TFach* fach = Schule().HoleFach("Ph");
  TRaum* raum = Schule().HoleRaum("Ph");
  QPointer<TDepForm> a(Oeffne(fach));
  QPointer<TDepForm> b(Oeffne(raum));
  ASSERT_TRUE(a && b);
  EXPECT_EQ(a->Titel(), b->Titel());
  ElementFensterOeffnen(fach, TFensterArt::GFenster, 0);
  ElementFensterOeffnen(raum, TFensterArt::GFenster, umShift);
  QPointer<QWidget> c(dynamic_cast<QWidget*>(fach->fGrDatFenster));
  QPointer<QWidget> d(dynamic_cast<QWidget*>(raum->fGrDatFenster));
  ASSERT_TRUE(c && d);
  Schule().AlleFensterSchliessen();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(a.isNull());
  EXPECT_TRUE(b.isNull());
  EXPECT_TRUE(c.isNull());
  EXPECT_TRUE(d.isNull());
}

}  // namespace

namespace {

TEST_F(DepFormTest, ZeigMenueUndPfeiltasten) {
  TDepForm* f = Oeffne(k5a);
  // Zeigewerkzeug, rechts auf die Klasse eines Kurses mit zwei Klassen: sein Klassenmenü.
  Klick(f, TSpalte::Klasse, Zeile(f, kER), Qt::RightButton);
  ASSERT_TRUE(f->DepPopupMenu);
  EXPECT_EQ(f->DepPopupMenu->Menue().size(), 2u);
  f->DepPopupMenu->Schliessen();
  // Rechts auf die Klasse eines Kurses mit einer Klasse: nichts.
  Klick(f, TSpalte::Klasse, Zeile(f, kD), Qt::RightButton);
  EXPECT_FALSE(f->DepPopupMenu);
  // Pfeil rechts: "Nächster" zeigt die nächste Klasse im selben Fenster.
  QTest::keyClick(f->DepGrid, Qt::Key_Right);
  EXPECT_EQ(f->Element(), k5b);
  EXPECT_EQ(k5b->fDepFenster, f);
  EXPECT_EQ(k5a->fDepFenster, nullptr);
}

}  // namespace

namespace {

TEST_F(DepFormTest, AuffrischenEinmalNachDerFolgeMitAuswahl) {
  TDepForm* f = Oeffne(mue);
  const int r = Zeile(f, kD5b);
  f->DepGrid->SetSelectRow(r, true);
  // Zwei Änderungen in Folge: der Text folgt, sobald die Ereignisse laufen.
  kD5b->PopFaktor(3);
  kD5b->PopFaktor(4);
  const int wert = f->SpalteVon(TSpalte::Wert);
  EXPECT_EQ(f->DepGrid->Cells(wert, r).toStdString(), StundenText(2));
  QCoreApplication::processEvents();
  EXPECT_EQ(f->DepGrid->Cells(wert, Zeile(f, kD5b)).toStdString(), StundenText(8));
  EXPECT_EQ(f->AusgewaehlteKurse(), std::vector<TKurs*>{kD5b});
}

TEST_F(DepFormTest, StartdialogMitNachbessernRechnetDanachWeiter) {
  TKurs* offen = Kurs(web, Schule().HoleFach("M"), {k5b}, {r2}, nullptr, 3, 0xFFFFFF);
  TDepForm* f = Oeffne(k5b);
  f->DepGrid->SetSelectRow(Zeile(f, offen), true);
  Schule().FensterAktivieren(f);
  QString zeit;
  ImModalen<TAutoStartForm>("OkKnopf", [](TAutoStartForm* d) {
    EXPECT_FALSE(d->NachbessernCheck->isChecked());
    EXPECT_FALSE(d->NachbessernSpin->isEnabled());
    d->NachbessernCheck->setChecked(true);
    EXPECT_TRUE(d->NachbessernSpin->isEnabled());
    d->NachbessernSpin->setValue(3);
  });
  ImModalen<TAutomatForm>("StartKnopf", [&zeit](TAutomatForm* a) {
    ImModalen<TAutomatForm>("OkKnopf", [&zeit](TAutomatForm* b) { zeit = b->ZeitFeld->text(); });
    (void)a;
  });
  palette.Knopf("AutomatKnopf")->click();
  EXPECT_TRUE(Standard().fAuNachbessern);
  EXPECT_EQ(Standard().fAuNachbessernSek, 3);
  // Das Nachbessern lief und zeigte seine Zeit.
  EXPECT_TRUE(zeit.endsWith(" s")) << zeit.toStdString();
  EXPECT_EQ(offen->VerplanteStunden(1), 3);
  EXPECT_TRUE(BelegungenStimmen(Schule()));
}

}  // namespace

namespace {
// Ein Deputatsfenster mit den Spaltenbreiten der Vorgabe (40 Pixel) und nach "Zeiten" (gemessen):
// kein Spaltentitel und kein Kürzel ist abgeschnitten, auch fett nicht; ein wiederhergestelltes
// Fenster wird nie schmaler als seine Spalten.
TEST_F(DepFormTest, SpaltentitelUndKuerzelPassenUndDasFensterBleibtBreitGenug) {
  Schule().HoleKopplung("Religion-7");
  auto pruefe = [&](TDepForm* f) {
    QFont fett = f->DepGrid->font();
    fett.setBold(true);
    const QFontMetrics masse(fett);
    for (int c = 0; c < f->DepGrid->ColCount(); ++c)
      for (int r = 0; r < f->DepGrid->RowCount(); ++r)
        EXPECT_LE(1 + masse.horizontalAdvance(f->DepGrid->Cells(c, r)), f->DepGrid->ColWidths(c))
            << f->DepGrid->Cells(c, r).toStdString();
    int spalten = 0;
    for (int c = 0; c < f->DepGrid->ColCount(); ++c) spalten += f->DepGrid->ColWidths(c);
    EXPECT_GE(f->minimumWidth(), spalten);
  };
  TDepForm* f = Oeffne(mue);
  ASSERT_NE(f, nullptr);
  ASSERT_EQ(st.fDepKoBreite, 40);
  pruefe(f);
  st.BerechneDepBreite(u.metrik);  // gemessen: genau die Textbreiten
  f->FensterUpdate();
  pruefe(f);
  f->resize(100, f->height());
  EXPECT_GE(f->width(), f->minimumWidth());
}
}  // namespace
