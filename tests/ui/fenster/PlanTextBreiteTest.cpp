// Die Planfenster und Übersichten der Beispielschule mit der Vorgabeschrift und den Textmaßen des
// Bildschirms: kein Kürzel einer Stundenzelle wird gekürzt, weder mit den gespeicherten Breiten
// noch nach "Zeiten" (das die Breiten neu misst), mit beiden Stellungen des Wechselknopfs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QPushButton>
#include <string>
#include <vector>

#include "TestUmgebung.h"
#include "app/BeispielSchuleUnit.h"
#include "app/fenster/QtDiensteUnit.h"
#include "model/KlassenUnit.h"
#include "model/LehrerUnit.h"
#include "model/RaumUnit.h"
#include "model/SchulUnit.h"
#include "output/UebersichtUnit.h"
#include "settings/StandardUnit.h"
#include "settings/VoreinstellungUnit.h"
#include "ui/fenster/PaletteUnit.h"
#include "ui/fenster/PlnFormUnit.h"
#include "ui/fenster/QtPlanZelleUnit.h"
#include "ui/fenster/QtTextUnit.h"
#include "ui/fenster/UebersichtFormUnit.h"

namespace {

class PlanTextBreiteTest : public ::testing::Test {
 protected:
  PlanTextBreiteTest() {
    // Wie ./run.sh die Beispielschule zeigt: fünf Tage, zehn Stunden.
    u.standard.fMaxTageNeu = 5;
    u.standard.fPlnStd = 10;
    TDienste d = EingesetzteDienste();
    d.Metrik = &fBildschirm;
    fAlt = DiensteEinsetzen(d);
    ErzeugeBeispielSchule(Schule(), false);
    palette.MenuAnlage();
  }
  ~PlanTextBreiteTest() override { DiensteEinsetzen(fAlt); }

  // Jedes gekürzte Kürzel der Stundenzellen als "Fenster Tag/Zeile Spalte: Text".
  static void Pruefe(const QString& fenster, const TQuonGrid& raster, TKuerzelArt art, int col,
                     int row, int tag, int std, TKurs* kurs, std::vector<std::string>& gekuerzt) {
    if (!kurs) return;
    for (bool kopplung : {true, false}) {
      const TPlanZelle z =
          PlanZelleBauen(art, kurs, Standard().fAktuelleWoche, tag, std, kopplung, false, false);
      const QFont schrift = ZellSchrift(raster.font(), z);
      for (std::size_t i = 0; i < z.Texte.size(); ++i) {
        if (z.Texte[i].empty()) continue;
        const QString gezeigt = ZellTeilText(z, i, raster.ColWidths(col), schrift);
        if (gezeigt != QString::fromStdString(z.Texte[i]))
          gekuerzt.push_back(fenster.toStdString() + " " + std::to_string(col) + "/" +
                             std::to_string(row) + ": " + z.Texte[i] + " -> " +
                             gezeigt.toStdString());
      }
    }
    // Die Zelle ist hoch genug für ihre Zeilen.
    const int zeilen = Standard().fNebenEinander ? 1 : (Standard().fMitRaum ? 3 : 2);
    if (raster.RowHeights(row) < zeilen * QFontMetrics(raster.font()).height())
      gekuerzt.push_back(fenster.toStdString() + " Zeile " + std::to_string(row) + " zu niedrig");
  }

  // Öffnet nacheinander das Planfenster jedes Lehrers, jeder Klasse, jedes Raums und die drei
  // Übersichten und sammelt, was gekürzt erscheint.
  std::vector<std::string> Gekuerzt() {
    std::vector<std::string> gekuerzt;
    TSchule& s = Schule();
    for (TKuerzelArt art : {leh, kla, rau})
      for (TElement* e : s.Elemente(art)) {
        auto* element = dynamic_cast<TPlanElement*>(e);
        TPlnForm* f = NeuesPlanFenster(element);
        EXPECT_NE(f, nullptr);
        if (!f) continue;
        for (int t = 1; t < f->PlnGrid->ColCount(); ++t)
          for (int h = 1; h < f->PlnGrid->RowCount(); ++h)
            Pruefe(f->windowTitle(), *f->PlnGrid, art, t, h, t, h, f->ZellKurs(t, h), gekuerzt);
        f->Schliessen();
      }
    struct Ueb {
      const char* Eintrag;
      TFenster* TSchule::*Platz;
      TKuerzelArt Art;
    };
    for (const Ueb& ueb : {Ueb{"Lehrerübersicht", &TSchule::fLehrUebForm, leh},
                           Ueb{"Klassenübersicht", &TSchule::fKlasUebForm, kla},
                           Ueb{"Raumübersicht", &TSchule::fRaumUebForm, rau}}) {
      palette.Befehl(T("Daten/Übersichten/") + T(ueb.Eintrag))->trigger();
      auto* f = dynamic_cast<TUebersichtForm*>(s.*ueb.Platz);
      EXPECT_NE(f, nullptr);
      if (!f) continue;
      const QFontMetrics masse(f->UeberGrid->font());
      for (int c = 1; c < f->UeberGrid->ColCount(); ++c) {
        // Die Kopfzelle: Kürzel, Reststunden und Springstunden passen hinein.
        const TUebKopf kopf = UebKopfBauen(*f->Element(c));
        const int kopfBreite = 1 + masse.horizontalAdvance(QString::fromStdString(kopf.Abstand)) +
                               masse.horizontalAdvance(QString::fromStdString(kopf.Spring));
        if (kopfBreite > f->UeberGrid->ColWidths(c))
          gekuerzt.push_back(std::string(ueb.Eintrag) + " Kopf " + kopf.Abstand + kopf.Spring);
        for (int z = 1; z < f->UeberGrid->RowCount(); ++z) {
          const auto [t, h] = UebTagStd(z, Standard().fPlnStd);
          Pruefe(f->windowTitle(), *f->UeberGrid, ueb.Art, c, z, t, h, f->ZellKurs(c, z), gekuerzt);
        }
      }
      f->Schliessen();
    }
    return gekuerzt;
  }

  TTestUmgebung u;
  TQtTextMetrik fBildschirm;
  TDienste fAlt;
  TTamrelPalette palette;
};

TEST_F(PlanTextBreiteTest, KeinKuerzelGekuerztVorUndNachZeiten) {
  // Die Vorgabeschrift, die gespeicherten Breiten der Vorgabe.
  ASSERT_EQ(Standard().fPlnFont, (TSchrift{"Arial", 8}));
  std::vector<std::string> gekuerzt = Gekuerzt();
  EXPECT_TRUE(gekuerzt.empty()) << gekuerzt.size() << " gekürzt, zuerst " << gekuerzt.front();

  // "Zeiten" mit "Ok": die Breiten werden nach der Schrift des Bildschirms neu gemessen.
  TZeitBearbeitung zeiten;
  zeiten.Uebernehmen();
  EXPECT_LT(Standard().fPlnFaBreite, 40);  // wirklich gemessen, nicht die Vorgabe
  gekuerzt = Gekuerzt();
  EXPECT_TRUE(gekuerzt.empty()) << gekuerzt.size() << " gekürzt, zuerst " << gekuerzt.front();

  // Untereinander ebenso.
  Standard().fNebenEinander = false;
  gekuerzt = Gekuerzt();
  EXPECT_TRUE(gekuerzt.empty()) << gekuerzt.size() << " gekürzt, zuerst " << gekuerzt.front();
}

}  // namespace
