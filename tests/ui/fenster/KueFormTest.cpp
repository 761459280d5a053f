// Der Kürzeleditor unter echten Tasten- und Mausereignissen (ohne Bildschirm).
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "TestUmgebung.h"
#include "model/SchulUnit.h"
#include "ui/fenster/KueFormUnit.h"

namespace {

std::vector<std::string> Kuerzel(const std::vector<TElement*>& liste) {
  std::vector<std::string> v;
  for (TElement* e : liste) v.push_back(e->fKuerzel.str());
  return v;
}

// Führt f aus, sobald ein modales Fenster der Klasse D offen ist.
template <class D>
void WennModal(std::function<void(D*)> f) {
  QTimer::singleShot(0, [f] {
    auto* d = qobject_cast<D*>(QApplication::activeModalWidget());
    ASSERT_NE(d, nullptr);
    f(d);
  });
}

class KueFormTest : public ::testing::Test {
 protected:
  KueFormTest() {
    form.show();
    form.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
  }
  void Tippe(const QString& text) {
    form.KueFeld->clear();
    QTest::keyClicks(form.KueFeld, text);
  }
  std::vector<std::string> Zeilen() const { return Kuerzel(form.ZeilenElemente()); }
  void Maus(QEvent::Type typ, int zeile, Qt::MouseButtons knoepfe, int dy = 0) {
    QWidget* v = form.KueGrid->viewport();
    const QPoint pos = form.KueGrid->CellRect(0, zeile).center() + QPoint(0, dy);
    QMouseEvent e(typ, QPointF(pos), QPointF(v->mapToGlobal(pos)), Qt::LeftButton, knoepfe,
                  Qt::NoModifier);
    QApplication::sendEvent(v, &e);
  }

  TTestUmgebung u;
  TSchule& s = u.schule();
  TKueForm form;
};

}  // namespace

TEST_F(KueFormTest, BeginntMitLehrernUndDemFeld) {
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Kürzel"));
  EXPECT_TRUE(form.LeRadio->isChecked());
  EXPECT_EQ(form.Art(), 0);
  EXPECT_FALSE(form.NeuKnopf->isEnabled());
  EXPECT_FALSE(form.AendernKnopf->isEnabled());
  EXPECT_FALSE(form.LoeschKnopf->isEnabled());
  EXPECT_EQ(form.focusWidget(), form.KueFeld);
  // Eine leere Liste zeigt eine leere Zeile.
  EXPECT_EQ(form.KueGrid->RowCount(), 1);
  EXPECT_TRUE(form.ZeilenElemente().empty());
  for (auto [r, t] : {std::pair{form.KlRadio, "Klassen"},
                      {form.KoRadio, "Kopplungen"},
                      {form.FaRadio, "Fächer"},
                      {form.RaRadio, "Räume"},
                      {form.UVRadio, "UVTabellen"}})
    EXPECT_EQ(r->text(), QString::fromUtf8(t));
}

TEST_F(KueFormTest, TippenUndEingabetasteLegtAn) {
  Tippe(QStringLiteral("MUE"));
  EXPECT_TRUE(form.NeuKnopf->isEnabled());
  QTest::keyClick(form.KueFeld, Qt::Key_Return);
  ASSERT_EQ(s.fLehrerMenge.size(), 1u);
  EXPECT_EQ(Zeilen(), std::vector<std::string>{"MUE"});
  EXPECT_EQ(form.KueGrid->RowCount(), 1);  // die leere Zeile wurde genutzt
  EXPECT_TRUE(form.KueFeld->text().isEmpty());
  EXPECT_TRUE(form.isVisible());  // Enter mit "Neues" schließt nicht
  // Anders geschrieben ist ein anderes Kürzel.
  Tippe(QStringLiteral("Mue"));
  EXPECT_TRUE(form.NeuKnopf->isEnabled());
  form.NeuKnopf->click();
  EXPECT_EQ(Zeilen(), (std::vector<std::string>{"MUE", "Mue"}));
  // Ein vorhandenes Kürzel wählt seine Zeile.
  Tippe(QStringLiteral("MUE"));
  EXPECT_FALSE(form.NeuKnopf->isEnabled());
  EXPECT_TRUE(form.AendernKnopf->isEnabled());
  EXPECT_TRUE(form.LoeschKnopf->isEnabled());
  EXPECT_EQ(form.Element(), s.fLehrerMenge[0]);
  EXPECT_TRUE(form.KueGrid->GetSelectRow(0));
  EXPECT_FALSE(form.KueGrid->GetSelectRow(1));
  // Ohne "Neues" schließt die Eingabetaste den Editor.
  QTest::keyClick(form.KueFeld, Qt::Key_Return);
  EXPECT_FALSE(form.isVisible());
}

TEST_F(KueFormTest, VierzehnZeichenWerdenElfUndKeinDoppel) {
  form.KlRadio->click();
  Tippe(QStringLiteral("Jahrgang11abc"));
  form.OkKnopf->click();
  ASSERT_EQ(s.fKlassenMenge.size(), 1u);
  EXPECT_EQ(s.fKlassenMenge[0]->fKuerzel.str(), "Jahrgang11a");
  // Gleiche erste 11 Zeichen: das ist das vorhandene Kürzel.
  Tippe(QStringLiteral("Jahrgang11axyz"));
  EXPECT_FALSE(form.NeuKnopf->isEnabled());
  EXPECT_EQ(form.Element(), s.fKlassenMenge[0]);
}

TEST_F(KueFormTest, ZeichenAusserhalbVonWindows1252WerdenAbgewiesen) {
  // Tastendrücke mit beliebigem Text (QTest kennt nur ASCII-Tasten): ü geht, ł nicht.
  for (QChar c : QStringLiteral("M\u00fcller\u0142")) {
    QKeyEvent e(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(form.KueFeld, &e);
  }
  EXPECT_EQ(form.KueFeld->text(), QStringLiteral("M\u00fcller"));
  form.NeuKnopf->click();
  ASSERT_EQ(s.fLehrerMenge.size(), 1u);
  EXPECT_EQ(s.fLehrerMenge[0]->fKuerzel.str(), "M\xFCller");
}

TEST_F(KueFormTest, UmbenennenWeistDoppelteAb) {
  form.RaRadio->click();
  for (const char* k : {"R101", "R102"}) {
    Tippe(QString::fromUtf8(k));
    form.NeuKnopf->click();
  }
  Tippe(QStringLiteral("R102"));
  bool offenNachDoppel = false;
  WennModal<TKueAendForm>([&](TKueAendForm* d) {
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Kürzel ändern"));
    EXPECT_EQ(d->KueFeld->text(), QStringLiteral("R102"));
    d->KueFeld->clear();
    EXPECT_FALSE(d->OkKnopf->isEnabled());  // leer geht nicht
    d->KueFeld->setText(QStringLiteral("R101"));
    d->OkKnopf->click();
    offenNachDoppel = d->isVisible();
    d->KueFeld->setText(QStringLiteral("R103"));
    d->OkKnopf->click();
  });
  form.AendernKnopf->click();
  EXPECT_TRUE(offenNachDoppel);
  ASSERT_EQ(u.dialog.fProtokoll.size(), 1u);
  EXPECT_EQ(u.dialog.fProtokoll[0].Titel, "Stop");
  EXPECT_EQ(u.dialog.fProtokoll[0].Zeilen[1], "R101");
  EXPECT_EQ(Zeilen(), (std::vector<std::string>{"R101", "R103"}));
  EXPECT_EQ(form.KueFeld->text(), QStringLiteral("R103"));
}

TEST_F(KueFormTest, DoppelklickAendertAbbrechenLaesstAlles) {
  form.FaRadio->click();
  Tippe(QStringLiteral("D"));
  form.NeuKnopf->click();
  s.SetDirty(false);
  WennModal<TKueAendForm>([](TKueAendForm* d) {
    d->KueFeld->setText(QStringLiteral("De"));
    d->AbbrechenKnopf->click();
  });
  Maus(QEvent::MouseButtonPress, 0, Qt::LeftButton);
  Maus(QEvent::MouseButtonRelease, 0, Qt::NoButton);
  Maus(QEvent::MouseButtonDblClick, 0, Qt::LeftButton);
  Maus(QEvent::MouseButtonRelease, 0, Qt::NoButton);
  EXPECT_EQ(s.fFachMenge[0]->fKuerzel.str(), "D");
  EXPECT_FALSE(s.fDirty);
}

TEST_F(KueFormTest, LoeschenFragtNurBeiKursen) {
  TLehrer* l = s.HoleLehrer("ABC");
  s.HoleLehrer("XYZ");
  TKurs::IKurs(l, s.HoleKlasse("5a"), nullptr, nullptr, nullptr, 2);
  form.KlRadio->click();
  form.LeRadio->click();  // neu füllen
  ASSERT_EQ(Zeilen(), (std::vector<std::string>{"ABC", "XYZ"}));
  Tippe(QStringLiteral("XYZ"));
  form.LoeschKnopf->click();
  EXPECT_TRUE(u.dialog.fProtokoll.empty());
  EXPECT_EQ(Zeilen(), std::vector<std::string>{"ABC"});
  EXPECT_TRUE(form.KueFeld->text().isEmpty());
  Tippe(QStringLiteral("ABC"));
  u.dialog.Antworte("Nein");
  form.LoeschKnopf->click();
  EXPECT_EQ(Zeilen(), std::vector<std::string>{"ABC"});
  Tippe(QStringLiteral("ABC"));
  u.dialog.Antworte("Ja");
  form.LoeschKnopf->click();
  EXPECT_TRUE(Zeilen().empty());
  // Der Kurs bleibt, ohne Lehrer.
  ASSERT_EQ(s.fKursMenge.size(), 1u);
  EXPECT_EQ(s.fKursMenge[0]->fLehrer, nullptr);
  ASSERT_EQ(u.dialog.fProtokoll.size(), 2u);
  EXPECT_EQ(u.dialog.fProtokoll[1].Titel, "Kürzel löschen");
}

TEST_F(KueFormTest, SortierenZeigtMeldungUndMarkiertGeaendert) {
  form.KoRadio->click();
  Tippe(QStringLiteral("Z"));
  form.NeuKnopf->click();
  s.SetDirty(false);
  form.SortKnopf->click();  // ein Element: nichts, keine Meldung
  EXPECT_TRUE(u.dialog.fMeldungsFenster.empty());
  EXPECT_FALSE(s.fDirty);
  for (const char* k : {"B",
                        "\xC3\x84"
                        "A",
                        "A"}) {
    Tippe(QString::fromUtf8(k));
    form.NeuKnopf->click();
  }
  s.SetDirty(false);
  form.SortKnopf->click();
  EXPECT_EQ(u.dialog.fMeldungsFenster, std::vector<std::string>{"Die Kürzel werden sortiert."});
  EXPECT_EQ(u.dialog.fMeldungsFensterZu, 1);
  EXPECT_EQ(Zeilen(), (std::vector<std::string>{"A",
                                                "\xC4"
                                                "A",
                                                "B", "Z"}));
  EXPECT_EQ(Kuerzel(s.Elemente(kop)), Zeilen());
  EXPECT_TRUE(s.fDirty);
}

TEST_F(KueFormTest, ZeileVonFuenfNachZweiZiehen) {
  form.RaRadio->click();
  for (const char* k : {"A", "B", "C", "D", "E", "F"}) {
    Tippe(QString::fromUtf8(k));
    form.NeuKnopf->click();
  }
  s.SetDirty(false);
  Maus(QEvent::MouseButtonPress, 4, Qt::LeftButton);
  Maus(QEvent::MouseMove, 4, Qt::LeftButton, -8);
  Maus(QEvent::MouseMove, 1, Qt::LeftButton);
  ASSERT_TRUE(form.KueGrid->Dragging());
  Maus(QEvent::MouseButtonRelease, 1, Qt::NoButton);
  EXPECT_EQ(Zeilen(), (std::vector<std::string>{"A", "E", "B", "C", "D", "F"}));
  EXPECT_EQ(Kuerzel(s.Elemente(rau)), Zeilen());
  EXPECT_TRUE(s.fDirty);
  EXPECT_EQ(form.KueFeld->text(), QStringLiteral("E"));
  EXPECT_TRUE(form.KueGrid->GetSelectRow(1));
  // Ein Klick ohne Ziehen wählt nur die Zeile.
  s.SetDirty(false);
  Maus(QEvent::MouseButtonPress, 3, Qt::LeftButton);
  Maus(QEvent::MouseButtonRelease, 3, Qt::NoButton);
  EXPECT_FALSE(s.fDirty);
  EXPECT_EQ(form.KueFeld->text(), QStringLiteral("C"));
  EXPECT_EQ(form.Element(), s.fRaumMenge[3]);
  EXPECT_TRUE(form.AendernKnopf->isEnabled());
}

TEST_F(KueFormTest, EscapeWirktWieOk) {
  // Mit neuem Kürzel legt Escape es an wie "Ok" (und Eingabe); ohne schließt es das Fenster.
  Tippe(QStringLiteral("NEU"));
  QTest::keyClick(form.KueFeld, Qt::Key_Escape);
  EXPECT_EQ(Zeilen(), std::vector<std::string>{"NEU"});
  EXPECT_TRUE(form.isVisible());
  form.KueFeld->clear();
  QTest::keyClick(form.KueFeld, Qt::Key_Escape);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(form.result(), QDialog::Accepted);
}
