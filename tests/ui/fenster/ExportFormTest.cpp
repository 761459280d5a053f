// Die Fortschrittsfenster "Exportieren" und "Importieren": feste Texte, Anzeige und Balken.
#include <gtest/gtest.h>

#include <QLabel>
#include <QProgressBar>

#include "TestUmgebung.h"
#include "ui/fenster/ExportFormUnit.h"
#include "ui/fenster/ImportFormUnit.h"

namespace {

std::vector<std::string> Texte(const QWidget& w) {
  std::vector<std::string> t;
  for (const QLabel* l : w.findChildren<QLabel*>()) t.push_back(l->text().toStdString());
  return t;
}

TEST(ExportForm, ZeigtDateiZeilenUndFortschritt) {
  TTestUmgebung u;
  TExportForm f;
  EXPECT_EQ(f.windowTitle().toStdString(), "Exportieren");
  f.Beginn("Stunden.csv", 12);
  EXPECT_EQ(Texte(f),
            (std::vector<std::string>{"Exportieren der Datei", "Stunden.csv", "0", "Kurse", "12"}));
  EXPECT_EQ(f.ProgressBar->maximum(), 12);
  f.Fortschritt(10);
  EXPECT_EQ(f.ProgressBar->value(), 10);
}

TEST(ImportForm, ZeigtKilobytesPhaseUndBalken) {
  TTestUmgebung u;
  TImportForm f;
  EXPECT_EQ(f.windowTitle().toStdString(), "Importieren");
  f.Beginn("kurse.txt", 5000);
  f.Phase("Die Daten werden importiert.");
  EXPECT_EQ(Texte(f),
            (std::vector<std::string>{"Importien der Datei", "kurse.txt",
                                      "Die Daten werden importiert.", "0", "KiloBytes", "4"}));
  EXPECT_EQ(f.ProgressBar->maximum(), 4);
  f.Position(3000);
  EXPECT_EQ(f.ProgressBar->value(), 2);
  f.Position(999999);
  EXPECT_EQ(f.ProgressBar->value(), 4);
}

}  // namespace
