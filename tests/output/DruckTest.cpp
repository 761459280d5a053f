// Der Seitenrekorder, der Ablauf der Druckaufträge und die Voransicht, geprüft an den
// aufgezeichneten Seiten mit festen Textmaßen.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestUmgebung.h"
#include "model/DatumUnit.h"
#include "model/SchulUnit.h"
#include "output/DruckAuftragUnit.h"
#include "output/PrevPrinterUnit.h"
#include "output/VorschauUnit.h"
#include "settings/StandardUnit.h"

namespace {
std::vector<std::string> Texte(const TSeite& seite) {
  std::vector<std::string> t;
  for (const TZeichenBefehl& b : seite)
    if (b.Art == TZeichenArt::Text) t.push_back(b.Text);
  return t;
}

// Ein Drucker, der die empfangenen Seiten sammelt und auf Wunsch bei einer Seite scheitert.
class TFakeDrucker : public TSeitenDrucker {
 public:
  bool Beginnen(const std::string&, std::string&) override {
    ++fBegonnen;
    return true;
  }
  bool NeueSeite(std::string&) override { return true; }
  bool Seite(const TSeite& seite, const TDruckerMasse&, std::string& fehler) override {
    if (static_cast<int>(fSeiten.size()) + 1 == fScheitertBei) {
      fehler = "Der Drucker \u201ELaser\u201C meldet einen Fehler.";
      return false;
    }
    fSeiten.push_back(seite);
    return true;
  }
  bool Beenden(std::string&) override {
    ++fBeendet;
    return true;
  }
  void Abbrechen() override { ++fAbgebrochen; }
  std::vector<TSeite> fSeiten;
  int fScheitertBei = 0, fBegonnen = 0, fBeendet = 0, fAbgebrochen = 0;
};

class TFakePlattform : public TDruckPlattform {
 public:
  explicit TFakePlattform(TTextMetrik& metrik) : fMetrik(metrik) {}
  TDruckerMasse PdfMasse() override { return A4Masse(300); }
  TTextMetrik& PdfMetrik() override { return fMetrik; }
  bool PdfSchreiben(const TPrevPrinter& seiten, const std::string& pfad,
                    std::string& fehler) override {
    fPdfPfad = pfad;
    fPdfSeiten = seiten.PageCount();
    fPdfMasse = seiten.Masse();
    if (fPdfFehler.empty()) return true;
    fehler = fPdfFehler;
    return false;
  }
  TDruckerMasse DruckerMasse() override { return fMasse; }
  TTextMetrik& DruckerMetrik() override { return fMetrik; }
  bool DruckDialog() override {
    ++fDruckDialoge;
    return fDialogJa;
  }
  TSeitenDrucker& Drucker() override { return fDrucker; }
  std::optional<std::string> PdfDateiWaehlen(const std::string& ordner,
                                             const std::string& vorschlag) override {
    fOrdner.push_back(ordner);
    fVorschlag = vorschlag;
    return fPdfWahl;
  }
  TVorschauErgebnis Voransicht(TPrevPrinter& seiten) override {
    fVorschauSeiten = seiten.PageCount();
    return fVorschau;
  }
  TTextMetrik& fMetrik;
  TDruckerMasse fMasse = A4Masse(600);
  TFakeDrucker fDrucker;
  bool fDialogJa = true;
  int fDruckDialoge = 0, fVorschauSeiten = -1, fPdfSeiten = -1;
  TVorschauErgebnis fVorschau = TVorschauErgebnis::Drucken;
  std::optional<std::string> fPdfWahl = std::string("/tmp/plaene/Pläne.pdf");
  std::vector<std::string> fOrdner;
  std::string fVorschlag, fPdfPfad, fPdfFehler;
  TDruckerMasse fPdfMasse;
};

class DruckTest : public ::testing::Test {
 protected:
  TTestUmgebung u;
};
}  // namespace

TEST_F(DruckTest, RekorderRechnetRaenderUndZeichnetNurWaehrendDerAufzeichnung) {
  TDruckerMasse m = A4Masse(600);
  m.XOff = 50;
  m.YOff = 70;
  TPrevPrinter p(m, u.metrik);
  EXPECT_EQ(p.RandPunkte(3), 708);  // trunc(600 · 3 / 2,54)
  EXPECT_EQ(p.XInch(1.0 / 3), 200);
  // Vor NewJob: nichts wird aufgezeichnet, Messen liefert -1.
  p.TextOut(10, 10, "weg");
  EXPECT_EQ(p.TextWidth("abc"), -1);
  EXPECT_EQ(p.TextHeight(), -1);
  EXPECT_EQ(p.PageCount(), 0);

  p.NewJob();
  EXPECT_EQ(p.CurrentPage(), 1);
  EXPECT_EQ(p.Font, (TSchrift{"Arial", 10}));
  EXPECT_EQ(p.TextWidth("abc"), 15);  // feste Maße: 5 je Zeichen bei 10 Punkt
  EXPECT_EQ(p.TextHeight(), 14);
  p.Font.Fett = true;
  p.Brush = TPinsel{0x0000FF, false};
  p.TextOut(100, 200, "Mo");
  p.FillRect({100, 200, 150, 260});
  p.MoveTo(60, 80);
  p.LineTo(160, 80);
  EXPECT_EQ(p.Penpos(), (TPunkt{160, 80}));
  p.NewPage();
  EXPECT_EQ(p.Font, (TSchrift{"Arial", 10}));  // jede Seite beginnt neu
  EXPECT_TRUE(p.Brush.Leer);
  p.DonePrinting();
  p.NewPage();
  p.TextOut(1, 1, "danach");
  EXPECT_EQ(p.PageCount(), 2);
  EXPECT_EQ(p.TextWidth("x"), -1);

  const TSeite& s1 = p.Seite(1);
  ASSERT_EQ(s1.size(), 3u);
  // Aufgezeichnet in Seitenkoordinaten: der Druckversatz ist abgezogen.
  EXPECT_EQ(s1[0].X1, 50);
  EXPECT_EQ(s1[0].Y1, 130);
  EXPECT_TRUE(s1[0].Schrift.Fett);
  EXPECT_EQ(s1[1].Art, TZeichenArt::Fuellen);
  EXPECT_EQ(s1[1].Pinsel.Farbe, 0x0000FFu);
  EXPECT_EQ((TRechteck{s1[2].X1, s1[2].Y1, s1[2].X2, s1[2].Y2}), (TRechteck{10, 10, 110, 10}));
  EXPECT_TRUE(p.Seite(2).empty());
  p.SetCurrentPage(5);
  EXPECT_EQ(p.CurrentPage(), 2);
  EXPECT_EQ(u.dialog.fMeldungsFenster,
            (std::vector<std::string>{"Seite 0 wird aufgezeichnet.", "Seite 1 wird aufgezeichnet.",
                                      "Seite 2 wird aufgezeichnet."}));
}

TEST_F(DruckTest, SeitenkopfMitUndOhneDatum) {
  u.schule().fDateiName = "/home/plan/Gymnasium 2026.tmr";
  u.standard.fSchulname =
      "Gymnasium am S\xFC"
      "dpark";
  u.uhr.fJetzt = 46365.0 + 8.0 / 24 + 5.0 / 1440;  // 9.12.2026, 8:05
  TPrevPrinter p(A4Masse(600), u.metrik);
  p.NewJob();
  EXPECT_EQ(p.SeitenKopf(100, 200, false), 14);
  p.NewPage();
  p.SeitenKopf(100, 200, true, "{2}  ");
  p.DonePrinting();
  EXPECT_EQ(Texte(p.Seite(1)),
            (std::vector<std::string>{"Seite 1", "Gymnasium 2026.tmr   Gymnasium am Südpark"}));
  EXPECT_EQ(p.Seite(1)[1].Y1, 214);
  EXPECT_EQ(Texte(p.Seite(2)),
            (std::vector<std::string>{"Mi, 9. Dez 2026     8:05 Uhr      Seite 2",
                                      "{2}  Gymnasium 2026.tmr   Gymnasium am Südpark"}));
  EXPECT_EQ(KopfDatumText(DatumZuZahl(2027, 3, 1) + 23.0 / 24 + 59.0 / 1440),
            "Mo, 1. Mrz 2027     23:59 Uhr      ");
}

TEST_F(DruckTest, DruckenSpieltDieAufgezeichnetenSeitenAbUndBrichtBeiFehlernAb) {
  TPrevPrinter p(A4Masse(600), u.metrik);
  p.NewJob();
  p.TextOut(0, 0, "eins");
  p.NewPage();
  p.TextOut(0, 0, "zwei");
  TFakeDrucker d;
  std::string fehler;
  EXPECT_TRUE(p.PrintIt(d, fehler));  // beendet die Aufzeichnung selbst
  EXPECT_TRUE(p.Fertig());
  ASSERT_EQ(d.fSeiten.size(), 2u);
  EXPECT_EQ(Texte(d.fSeiten[1]), (std::vector<std::string>{"zwei"}));
  EXPECT_EQ(d.fBeendet, 1);
  // Ein zweites Mal: dieselben Bilder, ohne neu zu zeichnen.
  TFakeDrucker einzeln;
  EXPECT_TRUE(p.PrintPage(einzeln, 2, fehler));
  ASSERT_EQ(einzeln.fSeiten.size(), 1u);
  EXPECT_EQ(Texte(einzeln.fSeiten[0]), (std::vector<std::string>{"zwei"}));

  TFakeDrucker kaputt;
  kaputt.fScheitertBei = 2;
  EXPECT_FALSE(p.PrintIt(kaputt, fehler));
  EXPECT_EQ(kaputt.fAbgebrochen, 1);
  EXPECT_EQ(kaputt.fBeendet, 0);
  EXPECT_EQ(fehler, "Der Drucker \u201ELaser\u201C meldet einen Fehler.");

  TPrevPrinter leer(A4Masse(600), u.metrik);
  TFakeDrucker nie;
  EXPECT_TRUE(leer.PrintIt(nie, fehler));
  EXPECT_EQ(nie.fBegonnen, 0);
}

TEST_F(DruckTest, AnsehenDrucktDieGezeigteSeiteOhneNeuZuZeichnen) {
  TFakePlattform pl(u.metrik);
  int gezeichnet = 0;
  TDruckAuftrag a;
  a.LeerText = "Keine Pläne zu drucken.";
  a.PdfName = "Klassenpläne.pdf";
  a.Zeichnen = [&](TPrevPrinter& p) {
    ++gezeichnet;
    p.NewJob();
    p.TextOut(10, 10, "Plan");
    p.DonePrinting();
    return 1;
  };
  DruckAnsehen(pl, a);
  EXPECT_EQ(gezeichnet, 1);
  EXPECT_EQ(pl.fVorschauSeiten, 1);
  ASSERT_EQ(pl.fDrucker.fSeiten.size(), 1u);
  EXPECT_EQ(Texte(pl.fDrucker.fSeiten[0]), (std::vector<std::string>{"Plan"}));

  // Aus der Voransicht als PDF: dieselben Seiten mit den Druckermaßen, der Ordner wird gemerkt.
  pl.fVorschau = TVorschauErgebnis::Pdf;
  DruckAnsehen(pl, a);
  EXPECT_EQ(gezeichnet, 2);
  EXPECT_EQ(pl.fPdfSeiten, 1);
  EXPECT_EQ(pl.fPdfMasse, A4Masse(600));
  EXPECT_EQ(pl.fVorschlag, "Klassenpläne.pdf");
  EXPECT_EQ(PdfOrdner(), "/tmp/plaene");

  // "Als PDF speichern…" zeichnet mit den PDF-Maßen; ein Schreibfehler wird gemeldet.
  pl.fPdfFehler =
      "Die PDF-Datei \u201E/tmp/plaene/Pläne.pdf\u201C konnte nicht geschrieben werden.";
  EXPECT_FALSE(DruckAlsPdf(pl, a));
  EXPECT_EQ(pl.fPdfMasse, A4Masse(300));
  EXPECT_EQ(pl.fOrdner.back(), "/tmp/plaene");
  ASSERT_EQ(u.dialog.fProtokoll.size(), 1u);
  EXPECT_EQ(u.dialog.fProtokoll[0].Titel, "Als PDF speichern");
  EXPECT_EQ(u.dialog.fProtokoll[0].Art, TMeldungsArt::Fehler);
  EXPECT_EQ(u.dialog.fProtokoll[0].Text(), pl.fPdfFehler);

  // Druckfehler: gemeldet, das Dokument abgebrochen.
  pl.fVorschau = TVorschauErgebnis::Drucken;
  pl.fDrucker.fScheitertBei = static_cast<int>(pl.fDrucker.fSeiten.size()) + 1;
  DruckAnsehen(pl, a);
  EXPECT_EQ(pl.fDrucker.fAbgebrochen, 1);
  EXPECT_EQ(u.dialog.fProtokoll.back().Titel, "Drucken");
  EXPECT_EQ(u.dialog.fProtokoll.back().Text(),
            "Der Drucker \u201ELaser\u201C meldet einen Fehler.");
}

TEST_F(DruckTest, OhneInhaltKeinAuftragUndKeinDruckdialog) {
  TFakePlattform pl(u.metrik);
  TDruckAuftrag a;
  a.LeerText = "Keine Pläne zu drucken.";
  a.Zeichnen = [](TPrevPrinter&) { return 0; };
  EXPECT_FALSE(DruckOk(pl, a));
  EXPECT_EQ(pl.fDruckDialoge, 0);
  EXPECT_EQ(pl.fDrucker.fBegonnen, 0);
  ASSERT_EQ(u.dialog.fProtokoll.size(), 1u);
  EXPECT_EQ(u.dialog.fProtokoll[0].Text(), "Keine Pläne zu drucken.");
  DruckAnsehen(pl, a);
  EXPECT_EQ(pl.fVorschauSeiten, -1);  // keine Voransicht
  EXPECT_EQ(u.dialog.fProtokoll.size(), 2u);

  // Mit Inhalt: Druckdialog; nach einem Druckerwechsel im Dialog wird neu aufgezeichnet.
  int gezeichnet = 0;
  a.Zeichnen = [&](TPrevPrinter& p) {
    ++gezeichnet;
    p.NewJob();
    p.TextOut(0, 0, std::to_string(p.Masse().pXppi));
    return 1;
  };
  pl.fDialogJa = false;
  EXPECT_FALSE(DruckOk(pl, a));
  EXPECT_TRUE(pl.fDrucker.fSeiten.empty());
  pl.fDialogJa = true;
  EXPECT_TRUE(DruckOk(pl, a));
  EXPECT_EQ(gezeichnet, 2);
  struct TWechsel : TFakePlattform {
    using TFakePlattform::TFakePlattform;
    bool DruckDialog() override {
      fMasse = A4Masse(300);
      return true;
    }
  } wechsel(u.metrik);
  EXPECT_TRUE(DruckOk(wechsel, a));
  ASSERT_EQ(wechsel.fDrucker.fSeiten.size(), 1u);
  EXPECT_EQ(Texte(wechsel.fDrucker.fSeiten[0]), (std::vector<std::string>{"300"}));
}

TEST_F(DruckTest, AbbrechenDerAufzeichnungVerwirftAlleSeiten) {
  struct TAnzeige : TDruckFortschritt {
    void Zeigen(const std::string& t) override { fTexte.push_back(t); }
    bool Abgebrochen() override { return fTexte.size() >= 3; }
    void Schliessen() override { ++fZu; }
    std::vector<std::string> fTexte;
    int fZu = 0;
  } anzeige;
  TPrevPrinter p(A4Masse(600), u.metrik);
  p.SetzeFortschritt(&anzeige);
  p.NewJob();
  int seiten = 1;
  while (!p.Abgebrochen() && seiten < 10) {
    p.NewPage();
    ++seiten;
  }
  p.DonePrinting();
  EXPECT_EQ(seiten, 2);
  EXPECT_EQ(p.PageCount(), 0);
  EXPECT_EQ(anzeige.fZu, 1);
  EXPECT_EQ(anzeige.fTexte.back(), "Seite 2 wird aufgezeichnet.");
}

TEST_F(DruckTest, VoransichtPasstEinZoomtUndSchliesstAufDerLetztenSeite) {
  // A4 hochkant in die Tafel 484 × 395: die Höhe bestimmt.
  const TVorschauLage fit = VorschauEinpassen({4960, 7015}, 484, 395);
  EXPECT_EQ(fit, (TVorschauLage{(484 - 4960 * 385 / 7015) / 2, 5, 4960 * 385 / 7015, 385}));
  // Quer: die Breite bestimmt.
  const TVorschauLage quer = VorschauEinpassen({7015, 4960}, 484, 395);
  EXPECT_EQ(quer, (TVorschauLage{5, (395 - 4960 * 474 / 7015) / 2, 474, 4960 * 474 / 7015}));
  // Zoom 2,5fach, halbe Punkte zur geraden Zahl: (10 - 13) · 2,5 = -7,5 → -8.
  EXPECT_EQ(VorschauZoom(fit, 13, 9), (TVorschauLage{-8, 2, 680, 962}));
  TDruckerMasse m = A4Masse(600);
  m.XOff = 100;
  m.Breite = 4760;
  EXPECT_EQ(VorschauSeite(m, 2480), (TRechteck{50, 0, 50 + 2380, 3507}));

  // Die Stufen in einer Tafel von 1000 × 800 bei 96 Punkten je Zoll: ganze Seite wie eingepasst,
  // Seitenbreite mit 5 Punkten Rand, 100 % so groß wie das Blatt (A4: 794 × 1122), mittig, solange
  // es schmaler ist.
  const TDruckerMasse a4 = A4Masse(600);
  EXPECT_EQ(VorschauGroesse(a4, StufeGanzeSeite, 1000, 800, 96),
            VorschauEinpassen({a4.BlattBreite, a4.BlattHoehe}, 1000, 800));
  EXPECT_EQ(VorschauGroesse(a4, StufeSeitenbreite, 1000, 800, 96),
            (TVorschauLage{5, 5, 990, a4.BlattHoehe * 990 / a4.BlattBreite}));
  EXPECT_EQ(VorschauGroesse(a4, 100, 1000, 800, 96), (TVorschauLage{103, 5, 794, 1122}));
  EXPECT_EQ(VorschauGroesse(a4, 200, 1000, 800, 96), (TVorschauLage{5, 5, 1587, 2245}));
  EXPECT_EQ(VorschauProzent(a4, {0, 0, 1587, 2245}, 96), 200);
  EXPECT_EQ(VorschauStufeWeiter(100, true), 150);
  EXPECT_EQ(VorschauStufeWeiter(237, true), 300);
  EXPECT_EQ(VorschauStufeWeiter(400, true), 400);  // größte Stufe bleibt
  EXPECT_EQ(VorschauStufeWeiter(237, false), 200);

  TVorschau v(2);
  EXPECT_TRUE(v.Naechste());
  EXPECT_EQ(v.Seite(), 2);
  EXPECT_FALSE(v.Naechste());  // letzte Seite: schließen, nicht drucken
  v.SetzeSeite(7);
  EXPECT_EQ(v.Seite(), 2);
  TVorschau eine(1);
  EXPECT_FALSE(eine.Naechste());
}

// Das gemerkte Papierformat: Vorgabe A4 hochkant wie bisher, A3 quer mit vertauschten Seiten,
// unbrauchbare Werte ergeben wieder A4.
TEST_F(DruckTest, GemerktesPapierUndSeineMasse) {
  EXPECT_EQ(GemerktesPapier(), TPapier{});
  EXPECT_EQ(PapierMasse(GemerktesPapier()), A4Masse(600));
  PapierMerken(TPapier{2970, 4200, true});
  EXPECT_EQ(u.speicher.fWerte.at({"Software\\WTamrel3\\Druck", "PapierQuer"}), "1");
  const TPapier a3 = GemerktesPapier();
  EXPECT_EQ(a3, (TPapier{2970, 4200, true}));
  const TDruckerMasse m = PapierMasse(a3, 600);
  EXPECT_EQ(m.BlattBreite, 9921);  // 420 mm bei 600 Punkten je Zoll, abgeschnitten
  EXPECT_EQ(m.BlattHoehe, 7015);   // 297 mm
  EXPECT_EQ(m.Breite, m.BlattBreite);
  EXPECT_EQ(m.Hoehe, m.BlattHoehe);
  EXPECT_EQ(PapierMasse(TPapier{2100, 2970, true}), A4Masse(600, true));
  u.speicher.fWerte[{"Software\\WTamrel3\\Druck", "PapierBreite"}] = "breit";
  EXPECT_EQ(GemerktesPapier(), (TPapier{2100, 2970, true}));
  u.speicher.fWerte[{"Software\\WTamrel3\\Druck", "PapierBreite"}] = "-5";
  EXPECT_EQ(GemerktesPapier().Breite, 2100);
}
