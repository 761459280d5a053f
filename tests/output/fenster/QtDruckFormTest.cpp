// Mit Qt: PDF-Dateien über eine temporäre Datei, die Voransicht und der Druckdialog der Pläne.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>
#include <cmath>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "TestUmgebung.h"
#include "VorschauPlattform.h"
#include "model/SchulUnit.h"
#include "output/fenster/DruckPlnFormUnit.h"
#include "output/fenster/PrevFormUnit.h"
#include "output/VorschauUnit.h"
#include "output/QtSeitenBildUnit.h"
#include "persistence/SchulDateiHilfe.h"
#include "settings/StandardUnit.h"

namespace {
std::string Inhalt(const std::string& pfad) {
  std::ifstream f(pfad, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

class QtDruckFormTest : public ::testing::Test {
 protected:
  TTestUmgebung u;
  TTestOrdner ordner;
};
}  // namespace

TEST_F(QtDruckFormTest, PdfUeberTemporaereDateiUndFehlerAufDeutsch) {
  TQtPdfDienst pdf;
  TPrevPrinter p(pdf.PdfMasse(), pdf.PdfMetrik());
  p.NewJob();
  p.Font.Fett = true;
  EXPECT_GT(p.TextWidth("Klassenplan"), p.TextWidth("Klasse"));
  EXPECT_GT(p.TextHeight(), 60);  // 10 Punkt bei 600 Punkten je Zoll: gut 83 Punkte Zeilenhöhe
  p.TextOut(300, 300, "Klassenplan 5a – Müller");
  p.Brush = TPinsel{0x00FFFF, false};
  p.Rectangle({300, 400, 900, 600});
  p.NewPage();
  p.Line({300, 300}, {900, 900});
  p.DonePrinting();

  const std::string ziel = ordner / "plaene.pdf";
  {
    std::ofstream alt(ziel);
    alt << "alt";
  }
  std::string fehler;
  ASSERT_TRUE(pdf.PdfSchreiben(p, ziel, fehler)) << fehler;
  const std::string bytes = Inhalt(ziel);
  EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
  EXPECT_NE(bytes.find("/Count 2"), std::string::npos);
  // Keine Reste der temporären Datei im Ordner.
  EXPECT_EQ(ordner.Namen(), std::vector<std::string>{"plaene.pdf"});

  const std::string fehlt = (ordner.Pfad() / "gibt-es-nicht" / "x.pdf").string();
  EXPECT_FALSE(pdf.PdfSchreiben(p, fehlt, fehler));
  EXPECT_EQ(fehler.rfind("Die PDF-Datei \u201E" + fehlt +
                             "\u201C kann nicht geschrieben werden: "
                             "Den Ordner \u201E",
                         0),
            0u)
      << fehler;
  EXPECT_FALSE(std::filesystem::exists(fehlt));
  TPrevPrinter leer(pdf.PdfMasse(), pdf.PdfMetrik());
  EXPECT_FALSE(pdf.PdfSchreiben(leer, ziel, fehler));
  EXPECT_EQ(Inhalt(ziel), bytes);  // die vorhandene Datei bleibt
}

TEST_F(QtDruckFormTest, VoransichtBlaettertZoomtUndSchliesstAufDerLetztenSeite) {
  TPrevPrinter p(A4Masse(600), u.metrik);
  p.NewJob();
  p.NewPage();
  p.DonePrinting();
  TPreviewForm form;
  form.IPreviewForm(p);
  EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Voransicht"));
  EXPECT_EQ(form.NrFeld->text(), QStringLiteral("1"));
  form.resize(900, 700);
  form.show();
  QApplication::processEvents();
  // Ganze Seite: das Blatt füllt die Höhe des sichtbaren Bereichs bis auf 5 Punkte Rand.
  QWidget* knoepfe = form.NextKnopf->parentWidget();
  const int knopfBreite = knoepfe->width();
  auto sicht = [&] { return form.Tafel()->viewport()->size(); };
  EXPECT_EQ(form.Stufe(), StufeGanzeSeite);
  EXPECT_EQ(form.Flaeche()->height(), sicht().height() - 10);
  EXPECT_GT(form.Flaeche()->height(), 500);
  // Ein größeres Fenster gibt der Seite den Platz; die Knöpfe bleiben so breit.
  form.resize(1500, 1000);
  QApplication::processEvents();
  EXPECT_EQ(form.Flaeche()->height(), sicht().height() - 10);
  EXPECT_GT(form.Flaeche()->height(), 800);
  EXPECT_EQ(knoepfe->width(), knopfBreite);
  const QRect fit = form.Flaeche()->geometry();

  // Seitenbreite: so breit wie der Bereich (neben der Bildlaufleiste), zu rollen.
  form.ZoomFeld->setCurrentIndex(1);
  emit form.ZoomFeld->activated(1);
  QApplication::processEvents();
  EXPECT_EQ(form.Stufe(), StufeSeitenbreite);
  EXPECT_LE(form.Flaeche()->width(), sicht().width() - 10);
  EXPECT_GT(form.Flaeche()->width(), sicht().width() - 40);
  EXPECT_GT(form.Tafel()->verticalScrollBar()->maximum(), 0);
  // 100 %: das Blatt so groß wie auf Papier; Strg+Mausrad eine Stufe weiter.
  form.ZoomFeld->setCurrentIndex(2);
  emit form.ZoomFeld->activated(2);
  const int a4 = static_cast<int>(std::lround(210 / 25.4 * form.logicalDpiX()));
  EXPECT_NEAR(form.Flaeche()->width(), a4, 1);
  QWheelEvent rad(QPointF(20, 20), form.Flaeche()->mapToGlobal(QPointF(20, 20)), QPoint(),
                  QPoint(0, 120), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(form.Flaeche(), &rad);
  EXPECT_EQ(form.Stufe(), 150);
  EXPECT_EQ(form.ZoomFeld->currentText(), QStringLiteral("150 %"));
  EXPECT_NEAR(form.Flaeche()->width(), a4 * 3 / 2, 2);

  // Der Klick auf die ganze Seite zoomt 2,5fach mit Bildlaufleisten; der zweite passt wieder ein.
  form.StufeSetzen(StufeGanzeSeite);
  EXPECT_EQ(form.Flaeche()->geometry(), fit);
  QTest::mouseClick(form.Flaeche(), Qt::LeftButton, {}, QPoint(13, 9));
  EXPECT_TRUE(form.Gezoomt());
  EXPECT_NEAR(form.Flaeche()->width(), fit.width() * 5 / 2, 3);
  EXPECT_GT(form.Tafel()->horizontalScrollBar()->maximum(), 0);
  QTest::mouseClick(form.Flaeche(), Qt::LeftButton, {}, QPoint(50, 50));
  EXPECT_FALSE(form.Gezoomt());
  EXPECT_EQ(form.Flaeche()->geometry(), fit);

  form.show();
  form.NextKnopf->click();
  EXPECT_EQ(form.NrFeld->text(), QStringLiteral("2"));
  EXPECT_TRUE(form.isVisible());
  form.NextKnopf->click();  // letzte Seite: schließt, ohne zu drucken
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(form.Ergebnis(), TVorschauErgebnis::Abbrechen);
  EXPECT_EQ(form.result(), QDialog::Rejected);
  form.show();
  form.DruckKnopf->click();
  EXPECT_EQ(form.Ergebnis(), TVorschauErgebnis::Drucken);
}

TEST_F(QtDruckFormTest, PlanDruckDialogLaedtSpeichertUndVerknuepftHaekchen) {
  TSchule& s = u.schule();
  TLehrer* mue = s.HoleLehrer("MUE");
  s.HoleLehrer("SCH");
  u.standard.fMaxTageNeu = 5;
  u.standard.fPlnStd = 8;
  u.standard.fLPlnDruckBisStd = 12;  // mehr, als der Plan hat: geklemmt
  TVorschauPlattform plattform;
  std::vector<QString> titel;
  TDruckPlnForm form(
      TPlanDruckArt::Lehrer, plattform,
      [&](const std::vector<TElement*>& menge, const QString& t) {
        titel.push_back(t);
        return std::vector<TElement*>{menge[1]};
      },
      mue);
  EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Lehrerpläne drucken"));
  EXPECT_EQ(form.bisStdUpDown->value(), 8);
  EXPECT_EQ(form.KuerzelGrid->count(), 1);
  form.AuswahlKnopf->click();
  EXPECT_EQ(titel, std::vector<QString>{QStringLiteral("Lehrer")});
  ASSERT_EQ(form.Elemente().size(), 2u);
  EXPECT_EQ(form.Elemente()[1]->fKuerzel.str(), "SCH");

  // "mit Kopplung" nimmt "Kopplung statt Klasse" weg; "statt" setzt "mit Klasse".
  EXPECT_TRUE(form.stattCheck->isChecked());
  form.MitCheck[3]->click();
  EXPECT_FALSE(form.stattCheck->isChecked());
  form.MitCheck[0]->click();
  form.stattCheck->click();
  EXPECT_TRUE(form.MitCheck[0]->isChecked());
  EXPECT_FALSE(form.MitCheck[3]->isChecked());

  // "alle Lehrerpläne" abwählen fragt nach dem Zeitpunkt.
  form.fZeitWahl = [](TDateTime) { return std::optional<TDateTime>(50000.25); };
  form.alleCheck->click();
  EXPECT_EQ(form.Optionen().Ab, 50000.25);

  // "Ansehen" speichert die Optionen und zeichnet; ohne gedruckten Plan keine Voransicht.
  form.LinksSpin->setValue(3);
  form.AnsehenKnopf->click();
  EXPECT_EQ(u.standard.fLPlnDruckRandLi, 3);
  EXPECT_FALSE(u.standard.fLPlnDruckAlle);
  EXPECT_EQ(u.standard.fLPlnDruckAb, 50000.25);
  EXPECT_TRUE(plattform.fSeiten.empty());
  ASSERT_FALSE(u.dialog.fProtokoll.empty());
  EXPECT_EQ(u.dialog.fProtokoll.back().Text(), "Keine Pläne zu drucken.");
  form.alleCheck->click();
  form.AnsehenKnopf->click();
  EXPECT_EQ(plattform.fSeiten, std::vector<int>{1});

  // Doppelklick nimmt die Zeile heraus.
  QListWidgetItem* erste = form.KuerzelGrid->item(0);
  emit form.KuerzelGrid->itemDoubleClicked(erste);
  ASSERT_EQ(form.Elemente().size(), 1u);
  EXPECT_EQ(form.Elemente()[0]->fKuerzel.str(), "SCH");
}

// Aus dem Menü (ohne Planfenster) beginnt die Liste mit allen Klassen, danach mit der zuletzt
// gedruckten Auswahl; ein gelöschtes Element kommt nicht zurück, ohne Gemerktes wieder alle.
TEST_F(QtDruckFormTest, ElementlisteBeginntMitLetzterAuswahlSonstMitAllen) {
  TSchule& s = u.schule();
  for (const char* k : {"5a", "5b", "6a"}) s.HoleKlasse(k);
  s.HoleLehrer("MUE");
  u.standard.fMaxTageNeu = 5;
  TVorschauPlattform plattform;
  auto kuerzel = [](const TBereichsDruckDialog& f) {
    std::vector<std::string> k;
    for (TPlanElement* e : f.Elemente()) k.push_back(e->fKuerzel.str());
    return k;
  };
  {
    TDruckPlnForm form(TPlanDruckArt::Klassen, plattform, nullptr, nullptr);
    EXPECT_EQ(kuerzel(form), (std::vector<std::string>{"5a", "5b", "6a"}));
    form.AnsehenKnopf->click();
    EXPECT_EQ(plattform.fSeiten, std::vector<int>{1});  // gedruckt, nicht "Keine Pläne …"
    emit form.KuerzelGrid->itemDoubleClicked(form.KuerzelGrid->item(0));
    form.AnsehenKnopf->click();  // gemerkt: 5b, 6a
  }
  {
    TDruckPlnForm form(TPlanDruckArt::Klassen, plattform, nullptr, nullptr);
    EXPECT_EQ(kuerzel(form), (std::vector<std::string>{"5b", "6a"}));
    // Andere Drucke merken sich ihre eigene Liste.
    TDruckPlnForm lehrer(TPlanDruckArt::Lehrer, plattform, nullptr, nullptr);
    EXPECT_EQ(kuerzel(lehrer), std::vector<std::string>{"MUE"});
  }
  s.ElementLoeschen(s.HoleKlasse("5b"));
  {
    TDruckPlnForm form(TPlanDruckArt::Klassen, plattform, nullptr, nullptr);
    EXPECT_EQ(kuerzel(form), std::vector<std::string>{"6a"});
    emit form.KuerzelGrid->itemDoubleClicked(form.KuerzelGrid->item(0));
    form.AnsehenKnopf->click();  // leer gedruckt: nichts gemerkt
  }
  TDruckPlnForm form(TPlanDruckArt::Klassen, plattform, nullptr, nullptr);
  EXPECT_EQ(kuerzel(form), (std::vector<std::string>{"5a", "6a"}));
}
