// Mit Qt: der Dialog "Drucke Vertretungsplan" und der Dialog einer Druckeinstellung.
#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

#include "TestUmgebung.h"
#include "model/DatumUnit.h"
#include "output/fenster/DruckVEinstFormUnit.h"
#include "output/fenster/DruckVertrFormUnit.h"
#include "settings/StandardUnit.h"

namespace {

class TLeerePlattform : public TDruckPlattform {
 public:
  TDruckerMasse PdfMasse() override { return A4Masse(600); }
  TTextMetrik& PdfMetrik() override { return fMetrik; }
  bool PdfSchreiben(const TPrevPrinter&, const std::string&, std::string&) override { return true; }
  TDruckerMasse DruckerMasse() override { return A4Masse(600); }
  TTextMetrik& DruckerMetrik() override { return fMetrik; }
  bool DruckDialog() override { return false; }
  TSeitenDrucker& Drucker() override { std::abort(); }
  std::optional<std::string> PdfDateiWaehlen(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  TVorschauErgebnis Voransicht(TPrevPrinter& seiten) override {
    fSeiten.push_back(seiten.PageCount());
    return TVorschauErgebnis::Abbrechen;
  }
  TFakeMetrik fMetrik;
  std::vector<int> fSeiten;
};

// Freitag: der Pfeil hoch führt zum Montag und sperrt die Ausgaben bis "Datum ok"; die
// Bemerkungen werden beim Tippen gespeichert; "zur Zwischenablage" legt den Text ab.
TEST(DruckVertrFormTest, DatumBemerkungUndZwischenablage) {
  TTestUmgebung u;
  u.standard.fMaxTageNeu = 5;
  u.standard.fVMemo[2] = {"Zweite"};
  TLeerePlattform plattform;
  TDruckVertrForm form(plattform);
  form.IDruckVertrForm(DatumZuZahl(2026, 12, 11) + 0.5);
  EXPECT_EQ(form.DatumsFeld->text().toStdString(), "Freitag, 11. Dez 2026");
  EXPECT_FALSE(form.ZwischenKnopf->isEnabled());
  EXPECT_TRUE(form.DatumKnopf->isEnabled());
  form.DatumUpDown->stepUp();
  EXPECT_EQ(form.DatumsFeld->text().toStdString(), "Montag, 14. Dez 2026");
  form.DatumKnopf->click();
  EXPECT_TRUE(form.ZwischenKnopf->isEnabled());
  EXPECT_FALSE(form.DatumKnopf->isEnabled());
  form.DatumUpDown->stepDown();
  EXPECT_EQ(form.DatumsFeld->text().toStdString(), "Freitag, 11. Dez 2026");
  EXPECT_FALSE(form.OkKnopf->isEnabled());
  form.DatumKnopf->click();
  form.Memo->setPlainText(QString::fromUtf8("Erste Zeile\nGrüße"));
  EXPECT_EQ(u.standard.fVMemo[1], (std::vector<std::string>{"Erste Zeile",
                                                            "Gr\xFC\xDF"
                                                            "e"}));
  form.BemSpin->setValue(2);
  EXPECT_EQ(form.Memo->toPlainText().toStdString(), "Zweite");
  form.CheckBox[1]->setChecked(false);
  form.CheckBox[2]->setChecked(false);
  form.CheckBox[3]->setChecked(false);
  form.RandSpin->setValue(3);
  form.ZwischenKnopf->click();
  EXPECT_EQ(u.standard.fVertrDruckRand, 3);
  EXPECT_FALSE(u.standard.fVertrCheck[2]);
  EXPECT_EQ(u.ablage.fText,
            "Vertretungsplan f\xC3\xBCr\r\nFreitag, 11. Dez 2026\r\nZweite\r\n"
            "Ersatzraumplan f\xC3\xBCr\r\nFreitag, 11. Dez 2026\r\n");
}

// Die Einstellung: "mit Fehlgrund" nur mit einer Fehlliste, "nur Ad hoc" nur mit "mit Ad hoc"
// (und wird mit ihm abgehakt); "Ok" übernimmt, "Abbrechen" nicht.
TEST(DruckVertrFormTest, EinstellungMitAbhaengigkeiten) {
  TTestUmgebung u;
  u.standard.fVDEinstellung[3].nurAdHoc = true;
  TDruckVEinstForm form;
  form.IDruckVEinstForm(3);
  EXPECT_EQ(form.NrFeld->text().toStdString(), "Einstellung 3");
  EXPECT_TRUE(form.NurAdHocCheck->isChecked());
  form.AdHocCheck->setChecked(false);
  EXPECT_FALSE(form.NurAdHocCheck->isEnabled());
  EXPECT_FALSE(form.NurAdHocCheck->isChecked());
  EXPECT_FALSE(form.Einstellung().nurAdHoc);
  for (QCheckBox* c : {form.FeLeCheck, form.FeKlCheck}) c->setChecked(false);
  EXPECT_TRUE(form.FehlGrundCheck->isEnabled());
  form.FeRaCheck->setChecked(false);
  EXPECT_FALSE(form.FehlGrundCheck->isEnabled());
  form.BemPosGroup->button(1)->setChecked(true);
  form.PfadFeld->setText(QStringLiteral("/gibt/es/nicht/vp.html"));
  form.TestKnopf->click();
  EXPECT_EQ(form.ErgebnisLabel->text().toStdString(),
            "Das Verzeichnis für vp.html existiert nicht.");
  EXPECT_TRUE(u.standard.fVDEinstellung[3].mitAdHoc);
  form.OkKnopf->click();
  const VDEintrag& e = u.standard.fVDEinstellung[3];
  EXPECT_FALSE(e.mitAdHoc);
  EXPECT_FALSE(e.mitFeRa);
  EXPECT_EQ(e.BemPos, 1);
  EXPECT_EQ(e.HTMLPfad, "/gibt/es/nicht/vp.html");
  TDruckVEinstForm zwei;
  zwei.IDruckVEinstForm(3);
  zwei.AdHocCheck->setChecked(true);
  zwei.AbbrechenKnopf->click();
  EXPECT_FALSE(u.standard.fVDEinstellung[3].mitAdHoc);
}

}  // namespace
