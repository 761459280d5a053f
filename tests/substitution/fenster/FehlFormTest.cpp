// Der Tagesdialog der Abwesenheiten und "längere Fehlzeit" als Fenster.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "TestUmgebung.h"
#include "model/DatumUnit.h"
#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"
#include "substitution/fenster/FehlFormUnit.h"
#include "substitution/fenster/FehltLangFormUnit.h"
#include "substitution/FehlzeitUnit.h"
#include "ui/fenster/PopupMenueUnit.h"

namespace {

TDateTime Tag(int n) {
  return DatumZuZahl(2026, 12, 7) + n + 0.5;  // Montag
}

class FehlFormTest : public ::testing::Test {
 protected:
  FehlFormTest() {
    l1 = s.HoleLehrer("MUE");
    l2 = s.HoleLehrer("SCH");
    TKurs* k = TKurs::IKurs(l1, s.HoleKlasse("5a"), nullptr, s.HoleFach("D"), s.HoleRaum("R1"), 4);
    k->NeueSetzung(1, 1, 3, s.HoleRaum("R1"));
  }
  QPoint Punkt(TFehlForm& f, int spalte, int zeile, int x = 2) {
    return f.FehlGrid->ZellRechteck(spalte, zeile).topLeft() + QPoint(x, 5);
  }
  TTestUmgebung u;
  TSchule& s = u.schule();
  TLehrer *l1, *l2;
};

TEST_F(FehlFormTest, ElementeStundenGruendeUndOk) {
  u.standard.fGrund[2] = "K";
  TFehlForm f;
  f.fElementWahl = [this](bool mitStrg) {
    return mitStrg ? std::vector<TPlanElement*>{l2} : std::vector<TPlanElement*>{l1, l2};
  };
  f.IFehlForm(Tag(0), leh, nullptr);
  EXPECT_EQ(f.windowTitle(), QStringLiteral("Fehlende Lehrer"));
  EXPECT_EQ(f.ElementKnopf->text(), QStringLiteral("Lehrer"));
  EXPECT_EQ(f.DatumFeld->text(), QStringLiteral("Montag, 7. Dezember, 2026"));
  EXPECT_EQ(f.FehlGrid->toolTip(), QStringLiteral("Strg = Alle Stunden  Shift = Keine Stunde"));
  QStringList gruppen;
  for (QGroupBox* g : f.findChildren<QGroupBox*>()) gruppen << g->title();
  EXPECT_EQ(gruppen, (QStringList{QStringLiteral("von Stunde"), QStringLiteral("bis Stunde")}));
  // "bis Stunde" auf die 3.
  QTest::mouseClick(f.BisKnopf, Qt::LeftButton);
  ASSERT_NE(f.OffenesMenue(), nullptr);
  ASSERT_TRUE(f.OffenesMenue()->Waehle(2));
  EXPECT_EQ(f.BisKnopf->text(), QStringLiteral(" 3"));
  QTest::mouseClick(f.ElementKnopf, Qt::LeftButton);
  ASSERT_EQ(f.fDialog.fZeilen.size(), 2u);
  EXPECT_EQ(f.fDialog.fZeilen[0].Maske, "+++-------------");
  // Noch einmal SCH (mit Strg): "Fehlt schon".
  QTest::mouseClick(f.ElementKnopf, Qt::LeftButton, Qt::ControlModifier);
  ASSERT_EQ(u.dialog.fProtokoll.size(), 1u);
  EXPECT_EQ(u.dialog.fProtokoll[0].Titel, "Fehlt schon");
  // Streifen: Stunde 5 dazu, bei SCH mit Shift keine Stunde.
  QTest::mouseClick(f.FehlGrid, Qt::LeftButton, {}, Punkt(f, 1, 0, 9 * 4 + 3));
  EXPECT_EQ(f.fDialog.fZeilen[0].Maske, "+++-+-----------");
  QTest::mouseClick(f.FehlGrid, Qt::LeftButton, Qt::ShiftModifier, Punkt(f, 1, 1));
  EXPECT_EQ(f.fDialog.fZeilen[1].Maske, "----------------");
  // Grund der ersten Zeile über das Menü der Spalte 0.
  QTest::mouseClick(f.FehlGrid, Qt::LeftButton, {}, Punkt(f, 0, 0));
  ASSERT_NE(f.OffenesMenue(), nullptr);
  EXPECT_EQ(f.OffenesMenue()->Menue().size(), 20u);
  ASSERT_TRUE(f.OffenesMenue()->Waehle(1));
  EXPECT_EQ(f.fDialog.fZeilen[0].Grund, "(K)");
  QTest::mouseClick(f.OkKnopf, Qt::LeftButton);
  EXPECT_EQ(f.result(), QDialog::Accepted);
  ASSERT_EQ(s.fFehlLehrerMenge.size(), 1u);
  EXPECT_EQ(s.fFehlLehrerMenge[0]->fGrund.str(), "K");
  EXPECT_EQ(s.fVertretungsMenge.size(), 1u);  // die 3. Stunde von MUE
}

TEST_F(FehlFormTest, LaengereFehlzeitAusDerKalenderspalte) {
  u.standard.fMaxTageNeu = 5;
  FehlzeitEintragen(l1, Tag(0), StundenMaske(3, 3), "K");
  TFehlForm f;
  TDateTime gefragt = 0;
  f.fBisWahl = [&](TDateTime datum, const TPlanElement* e) -> std::optional<TDateTime> {
    gefragt = datum;
    EXPECT_EQ(e, l1);
    return Tag(7);
  };
  f.IFehlForm(Tag(0), leh, s.fFehlLehrerMenge[0]);
  EXPECT_EQ(f.fDialog.fAuswahl, 0);
  QTest::mouseClick(f.FehlGrid, Qt::LeftButton, {}, Punkt(f, 3, 0));
  EXPECT_EQ(gefragt, Tag(0));
  EXPECT_EQ(s.fFehlLehrerMenge.size(), 6u);  // Di .. Fr und der nächste Montag
  EXPECT_EQ(s.fVertretungsMenge.size(), 2u);
  // "Abbrechen" lässt die längere Fehlzeit stehen.
  QTest::mouseClick(f.AbbrechenKnopf, Qt::LeftButton);
  EXPECT_EQ(s.fFehlLehrerMenge.size(), 6u);
}

TEST_F(FehlFormTest, LaengereFehlzeitBerichtigtDasDatum) {
  TFehltLangForm f;
  f.IFehltLangForm(Tag(0), l1);
  EXPECT_EQ(f.windowTitle(), QStringLiteral("längere Fehlzeit"));
  EXPECT_EQ(f.KuerzelFeld->text(), QStringLiteral("MUE\nfehlt bis"));
  EXPECT_EQ(f.TagSpin->value(), 7);
  EXPECT_EQ(f.JahrSpin->minimum(), 1994);
  EXPECT_EQ(f.JahrSpin->maximum(), 2039);
  f.TagSpin->setValue(31);
  f.MonatSpin->setValue(2);
  f.JahrSpin->setValue(2027);
  QTest::mouseClick(f.OkKnopf, Qt::LeftButton);
  EXPECT_EQ(f.result(), QDialog::Accepted);
  EXPECT_EQ(f.TagSpin->value(), 28);
  EXPECT_EQ(f.fBisDatum, DatumZuZahl(2027, 2, 28) + 0.5);
}

}  // namespace
