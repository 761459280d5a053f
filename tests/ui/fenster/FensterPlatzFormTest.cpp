// Wo Fenster und Dialoge erscheinen: unter der Palette, Dialoge über dem Fenster, das sie
// öffnete; gespeicherte Lagen relativ zum Arbeitsbereich; das Kursfenster in der Anordnung.
#include <QDialog>
#include <QMenu>
#include <memory>
#include <optional>

#include "PlanFensterHilfe.h"
#include "model/UVUnit.h"
#include "substitution/fenster/VertrFormUnit.h"
#include "ui/FensterPlatzUnit.h"
#include "ui/KuerzelUnit.h"
#include "ui/fenster/GrFormUnit.h"
#include "ui/fenster/KursFormUnit.h"
#include "ui/fenster/QtFensterPlatzUnit.h"
#include "ui/fenster/QtTextUnit.h"
#include "ui/fenster/UVFormUnit.h"
#include "ui/fenster/UVGrFormUnit.h"
#include "ui/fenster/VWahlFormUnit.h"

namespace {

// Ein Arbeitsbereich mit einer Leiste von 40 Punkten oben, solange der Test läuft; die Palette
// liegt oben links darin.
class FensterPlatzFormTest : public PlanFensterTest {
 protected:
  FensterPlatzFormTest() {
    ArbeitsbereichVorgeben(kArbeit);
    palette.move(kArbeit.topLeft());
    palette.show();
  }
  ~FensterPlatzFormTest() override {
    ArbeitsbereichVorgeben(std::nullopt);
    palette.hide();
  }

  // Zeigt den Dialog wie exec, nimmt seine Lage mit Rahmen und schließt ihn.
  static QRect LageBeimZeigen(QDialog& d) {
    d.show();
    QApplication::processEvents();
    const QRect r = d.frameGeometry();
    d.reject();
    return r;
  }

  const QRect kArbeit{0, 40, 1600, 960};
};

}  // namespace

TEST_F(FensterPlatzFormTest, DialogeDerPaletteErscheinenUnterIhr) {
  std::vector<QRect> lagen;
  std::vector<QString> titel;
  palette.fDialogLauf = [&](QDialog& d) {
    titel.push_back(d.windowTitle());
    lagen.push_back(LageBeimZeigen(d));
  };
  palette.AnordnungItemClick();
  palette.VoreinstellungItemClick("Eckdaten");
  palette.VoreinstellungItemClick("Kurse");
  ASSERT_EQ(lagen.size(), 3u);
  const QRect p = palette.frameGeometry();
  for (std::size_t i = 0; i < lagen.size(); ++i) {
    EXPECT_FALSE(lagen[i].intersects(p)) << titel[i].toStdString();
    EXPECT_TRUE(kArbeit.contains(lagen[i])) << titel[i].toStdString();
    EXPECT_GE(lagen[i].top(), p.bottom()) << titel[i].toStdString();
  }
}

TEST_F(FensterPlatzFormTest, DialogEinesFenstersErscheintMittigDarueber) {
  TPlnForm* plan = Oeffne(mue);
  plan->setGeometry(600, 400, 600, 400);
  plan->show();
  QDialog d(plan);
  d.resize(200, 100);
  const QRect r = LageBeimZeigen(d);
  EXPECT_EQ(r.center().x(), plan->frameGeometry().center().x());
  EXPECT_NEAR(r.center().y(), plan->frameGeometry().center().y(), 1);
  // Ein Fenster, das unter der Palette klebt: sein Dialog rückt unter sie.
  plan->setGeometry(0, palette.frameGeometry().bottom() + 1, 300, 100);
  QDialog oben(plan);
  oben.resize(400, 300);
  EXPECT_FALSE(LageBeimZeigen(oben).intersects(palette.frameGeometry()));
}

TEST_F(FensterPlatzFormTest, FensterOhneLageBeginnenUnterDerPalette) {
  auto fenster = std::make_unique<QWidget>();
  fenster->resize(300, 200);
  fenster->show();
  QApplication::processEvents();
  EXPECT_FALSE(fenster->frameGeometry().intersects(palette.frameGeometry()));
  EXPECT_EQ(fenster->frameGeometry().left(), kArbeit.left());
  EXPECT_EQ(fenster->frameGeometry().top(), palette.frameGeometry().bottom() + 1);
  // Was sein Programm selbst gesetzt hat, bleibt.
  auto gesetzt = std::make_unique<QWidget>();
  gesetzt->setGeometry(900, 500, 200, 100);
  gesetzt->show();
  QApplication::processEvents();
  EXPECT_EQ(gesetzt->geometry().topLeft(), QPoint(900, 500));
}

TEST_F(FensterPlatzFormTest, GespeicherteLagenSindRelativZumArbeitsbereich) {
  TUVTab* tab = Schule().HoleUVTab("Sek I");
  std::vector<std::pair<std::string, QWidget*>> fenster = {
      {"UV-Tabelle", NeuesUVFenster(tab)},
      {"UV-Daten", NeuesUVGrFenster(tab)},
      {"Kurs", TKursForm::Oeffnen(kD, nullptr)},
      {"Plan", Oeffne(mue)}};
  auto vertr = std::make_unique<TVertrForm>();
  fenster.push_back({"Vertretungen", vertr.get()});
  for (const auto& [name, w] : fenster) {
    ASSERT_NE(w, nullptr) << name;
    w->setGeometry(120, 300, 500, 400);  // manche Fenster haben eine feste Größe
    const TFensterLage lage = dynamic_cast<TFenster*>(w)->Lage();
    EXPECT_EQ(lage, (TFensterLage{120, 260, w->width(), w->height()})) << name;
  }
}

TEST_F(FensterPlatzFormTest, KursfensterFolgtDerFensteranordnung) {
  st.fFensterOrd = 1;
  Oeffne(mue);  // ein Fenster vorher: das Kursfenster ist das zweite der Kaskade
  const int index = NeuerFormIndex();
  ASSERT_EQ(index, 2);
  const QRect p = palette.frameGeometry();
  const auto platz =
      FensterPlatz(index, 1, {kArbeit.left(), kArbeit.top(), kArbeit.width(), kArbeit.height()},
                   {p.left(), p.top(), p.width(), p.height()}, st.fPaletteSchalter);
  ASSERT_TRUE(platz.has_value());
  TKursForm* kurs = TKursForm::Oeffnen(kD, nullptr);
  ASSERT_NE(kurs, nullptr);
  EXPECT_EQ(kurs->pos(), QPoint(platz->X, platz->Y));
}

TEST_F(FensterPlatzFormTest, DatenfensterFolgtDemNeuenKuerzel) {
  TGrForm* daten = NeuesGrFenster(mue);
  ASSERT_NE(daten, nullptr);
  EXPECT_EQ(daten->windowTitle(), T("Grunddaten MUE"));
  ASSERT_EQ(KuerzelAendern(mue, "MUEL"), TKuerzelAenderung::Geaendert);
  Schule().AlleFensterUpdate();
  palette.AktualisierePalette();
  EXPECT_EQ(daten->windowTitle(), T("Grunddaten MUEL"));
  // Das Fenstermenü liest die Überschrift beim Fenster.
  auto* menue = qobject_cast<QMenu*>(palette.Befehl(T("Fenster/Zwischenablage"))->parent());
  ASSERT_NE(menue, nullptr);
  QStringList eintraege;
  for (QAction* a : menue->actions()) eintraege << a->text();
  EXPECT_TRUE(eintraege.contains(T("Grunddaten MUEL"))) << eintraege.join(", ").toStdString();

  TUVTab* tab = Schule().HoleUVTab("Sek I");
  TUVGrForm* uv = NeuesUVGrFenster(tab);
  ASSERT_EQ(KuerzelAendern(tab, "Sek II"), TKuerzelAenderung::Geaendert);
  Schule().AlleFensterUpdate();
  EXPECT_EQ(uv->windowTitle(), T("Grunddaten Sek II"));
}

TEST_F(FensterPlatzFormTest, VertretungenUndVertretungswahlNichtUnterDerPalette) {
  // Die gespeicherten Plätze ab Werk liegen in der Palette.
  st.fVertrLeft = 100;
  st.fVertrTop = 50;
  st.fVertrLeLeft = 10;
  st.fVertrLeTop = 10;
  auto vertr = std::make_unique<TVertrForm>();
  vertr->show();
  QApplication::processEvents();
  EXPECT_FALSE(vertr->frameGeometry().intersects(palette.frameGeometry()));
  // Waagrecht bleibt der Platz (höchstens um den geschätzten Rahmen versetzt).
  EXPECT_NEAR(vertr->frameGeometry().left(), 100, 5);
  TVWahlForm* wahl = TVWahlForm::Holen();
  ASSERT_NE(wahl, nullptr);
  wahl->show();
  QApplication::processEvents();
  EXPECT_FALSE(wahl->frameGeometry().intersects(palette.frameGeometry()));
  EXPECT_TRUE(kArbeit.contains(wahl->frameGeometry()));
  wahl->Schliessen();
}
