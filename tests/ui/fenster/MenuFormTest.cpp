// Die Mehrfachwahl als Fenster: Raster, Ziehen eines Rechtecks, Ok und Abbrechen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include "TestUmgebung.h"
#include "model/SchulUnit.h"
#include "ui/fenster/MenuFormUnit.h"

namespace {
class MenuFormTest : public ::testing::Test {
 protected:
  MenuFormTest() {
    for (int i = 1; i <= 40; ++i) menge.push_back(s.HoleKlasse("K" + std::to_string(i)));
  }
  void Maus(TMenuForm& form, QEvent::Type typ, int spalte, int zeile, Qt::MouseButtons knoepfe,
            Qt::KeyboardModifiers tasten = {}) {
    TMenuFeld* feld = form.Feld();
    const QPoint pos = feld->ZellRechteck(spalte, zeile).center();
    QMouseEvent e(typ, QPointF(pos), QPointF(feld->mapToGlobal(pos)), Qt::LeftButton, knoepfe,
                  tasten);
    QApplication::sendEvent(feld, &e);
  }
  TTestUmgebung u;
  TSchule& s = u.schule();
  std::vector<TElement*> menge;
};
}  // namespace

TEST_F(MenuFormTest, RasterTitelUndHinweis) {
  TMenuForm form(menge, QStringLiteral("Klassen wählen"));
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Klassen wählen"));
  EXPECT_EQ(form.Wahl().Zeilen(), 16);
  EXPECT_EQ(form.Wahl().Spalten(), 3);
  EXPECT_EQ(form.Feld()->ZelleAn(form.Feld()->ZellRechteck(1, 2).center()), QPoint(1, 2));
  EXPECT_EQ(form.OkKnopf()->text(), QStringLiteral("Ok"));
  EXPECT_EQ(form.AbbrechenKnopf()->text(), QStringLiteral("Abbrechen"));
  bool hinweis = false;
  for (QObject* o : form.children())
    if (auto* w = qobject_cast<QWidget*>(o);
        w && w->property("text").toString() ==
                 QStringLiteral("Strg = Alle Alt = Keins Shift = Rechteck"))
      hinweis = true;
  EXPECT_TRUE(hinweis);
}

TEST_F(MenuFormTest, RechteckZiehenUndOk) {
  TMenuForm form(menge, QStringLiteral("Wahl"));
  form.show();
  Maus(form, QEvent::MouseButtonPress, 0, 14, Qt::LeftButton);
  Maus(form, QEvent::MouseMove, 1, 15, Qt::LeftButton);
  Maus(form, QEvent::MouseButtonRelease, 1, 15, Qt::NoButton);
  Maus(form, QEvent::MouseButtonPress, 0, 0, Qt::LeftButton);
  Maus(form, QEvent::MouseButtonRelease, 0, 0, Qt::NoButton);
  form.OkKnopf()->click();
  EXPECT_EQ(form.result(), QDialog::Accepted);
  const std::vector<TElement*> wahl = form.Ergebnis();
  ASSERT_EQ(wahl.size(), 5u);
  EXPECT_EQ(wahl[0]->fKuerzel.str(), "K15");
  EXPECT_EQ(wahl[1]->fKuerzel.str(), "K16");
  EXPECT_EQ(wahl[2]->fKuerzel.str(), "K31");
  EXPECT_EQ(wahl[3]->fKuerzel.str(), "K32");
  EXPECT_EQ(wahl[4]->fKuerzel.str(), "K1");  // in der Folge der Wahl
}

TEST_F(MenuFormTest, StrgWaehltAlles) {
  TMenuForm form(menge, QStringLiteral("Wahl"));
  form.show();
  Maus(form, QEvent::MouseButtonPress, 2, 3, Qt::LeftButton, Qt::ControlModifier);
  Maus(form, QEvent::MouseButtonRelease, 2, 3, Qt::NoButton, Qt::ControlModifier);
  EXPECT_EQ(form.Ergebnis().size(), 40u);
}
