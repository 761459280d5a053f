// Mit Qt: der Menübefehl "HTML-Dateien...", sein Fenster und der Dialog "HTML-Farben".
#include <gtest/gtest.h>

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <filesystem>

#include "TestUmgebung.h"
#include "output/ExportSchuleHilfe.h"
#include "output/fenster/HTMLFormUnit.h"
#include "persistence/SchulDateiHilfe.h"
#include "settings/fenster/StandardFormUnit.h"
#include "settings/StandardUnit.h"

namespace {
namespace fs = std::filesystem;

TEST(HTMLForm, ZeigtOrdnerKuerzelZaehlerUndFortschritt) {
  TTestUmgebung u;
  THTMLForm form;
  EXPECT_EQ(form.windowTitle().toStdString(), "Exportieren in HTML-Dateien");
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(u.dialog.fBeschaeftigt, 0);
  form.Ordner("HTML Ordner");
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(u.dialog.fBeschaeftigt, 1);
  EXPECT_EQ(form.OrdnerFeld->text().toStdString(), "HTML Ordner");
  form.ListeBeginn(12);
  form.Element("M\xC3\x9CL", 5);
  form.Fortschritt(5);
  EXPECT_EQ(form.KuerzelFeld->text().toStdString(), "M\xC3\x9CL");
  EXPECT_EQ(form.ZaehlerFeld->text().toStdString(), "5");
  EXPECT_EQ(form.ProgressBar->maximum(), 12);
  EXPECT_EQ(form.ProgressBar->value(), 5);
  form.ListeBeginn(3);
  EXPECT_EQ(form.ZaehlerFeld->text().toStdString(), "0");
  EXPECT_EQ(form.ProgressBar->value(), 0);
}

TEST(HTMLForm, BefehlMerktDenOrdnerUndSchreibt) {
  TTestUmgebung u;
  BaueExportSchule();
  TTestOrdner ordner;
  Standard().fHTMLPlanPfad = "/anfang";
  std::vector<std::string> anfaenge;
  // Abbrechen schreibt nichts und lässt den Ordner.
  EXPECT_FALSE(HTMLBefehlAusfuehren(nullptr, [&](const std::string& o) {
    anfaenge.push_back(o);
    return std::optional<std::string>();
  }));
  EXPECT_EQ(Standard().fHTMLPlanPfad, "/anfang");
  const std::string ziel = ordner / "HTML Ordner";
  EXPECT_TRUE(HTMLBefehlAusfuehren(nullptr, [&](const std::string& o) {
    anfaenge.push_back(o);
    return std::optional<std::string>(ziel);
  }));
  EXPECT_EQ(anfaenge, (std::vector<std::string>{"/anfang", "/anfang"}));
  EXPECT_EQ(Standard().fHTMLPlanPfad, ordner.Pfad().string());
  EXPECT_TRUE(fs::exists(fs::path(ziel) / "index.html"));
  EXPECT_TRUE(fs::exists(fs::path(ziel) / "lpl2.html"));
  EXPECT_EQ(u.dialog.fBeschaeftigt, 0);
  EXPECT_TRUE(u.dialog.fProtokoll.empty());
  // Derselbe Ordner noch einmal: Rückfrage, "Nein" schreibt nichts.
  u.dialog.Antworte("Nein");
  EXPECT_FALSE(HTMLBefehlAusfuehren(
      nullptr, [&](const std::string&) { return std::optional<std::string>(ziel); }));
  ASSERT_EQ(u.dialog.fProtokoll.size(), 1u);
  EXPECT_TRUE(u.dialog.fProtokoll[0].IstFrage);
}

TEST(HTMLForm, HTMLFarbenVerweistAufDieStilvorlage) {
  TTestUmgebung u;
  std::vector<std::string> texte;
  const auto uebernommen = VoreinstellungZeigen("HTML-Farben", nullptr, [&](QDialog& d) {
    EXPECT_EQ(d.windowTitle().toStdString(), "Voreinstellung für HTML-Farben");
    for (const QLabel* l : d.findChildren<QLabel*>()) texte.push_back(l->text().toStdString());
    for (const QPushButton* k : d.findChildren<QPushButton*>())
      texte.push_back(k->text().toStdString());
    static_cast<TStandardForm&>(d).OkKnopf->click();
  });
  EXPECT_EQ(uebernommen, std::vector<std::string>{"HTML-Farben"});
  for (const char* t : {"obsolet", "Benutzen Sie die beigefügte Datei \"tamrel.css\"", "Ok",
                        "Abbrechen", "Wechseln"})
    EXPECT_NE(std::find(texte.begin(), texte.end(), t), texte.end()) << t;
}

}  // namespace
