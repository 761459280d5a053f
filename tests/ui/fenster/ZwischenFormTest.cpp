// Mit Qt: das Fenster "Zwischenablage".
#include <QPlainTextEdit>

#include "PlanFensterHilfe.h"
#include "ui/fenster/ZwischenFormUnit.h"

using ZwischenFormTest = PlanFensterTest;

TEST_F(ZwischenFormTest, ZeigtDenTextEinmalUndBehaeltIhnOhneText) {
  u.ablage.fText = "MUE\tD\r\n";
  QAction* befehl = palette.Befehl(QString::fromUtf8("Fenster/Zwischenablage"));
  ASSERT_TRUE(befehl->isEnabled());
  befehl->trigger();
  auto* f = dynamic_cast<TZwischenForm*>(Schule().fZwischenForm);
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->FensterArt(), FensterArt::Zwischenablage);
  EXPECT_TRUE(Schule().FensterAngemeldet(f));
  EXPECT_EQ(f->Inhalt->toPlainText(), QString::fromUtf8("MUE\tD\n"));
  // Ein zweiter Aufruf holt dasselbe Fenster nach vorn.
  befehl->trigger();
  EXPECT_EQ(Schule().fZwischenForm, f);
  EXPECT_EQ(std::count(Schule().fFensterListe.begin(), Schule().fFensterListe.end(), f), 1);
  // Ohne Text (etwa nur ein Bild) bleibt der Inhalt.
  u.ablage.fText.clear();
  f->FensterUpdate();
  EXPECT_EQ(f->Inhalt->toPlainText(), QString::fromUtf8("MUE\tD\n"));
  u.ablage.fText = "neu";
  f->FensterUpdate();
  EXPECT_EQ(f->Inhalt->toPlainText(), QString::fromUtf8("neu"));
  f->Schliessen();
  QApplication::processEvents();
  EXPECT_EQ(Schule().fZwischenForm, nullptr);
  EXPECT_TRUE(Schule().fFensterListe.empty());
}
