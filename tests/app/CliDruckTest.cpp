// tamrel-cli drucken: Argumente, Fehler, Ausgabe und was an das PDF-Schreiben geht.
#include <gtest/gtest.h>

#include "TestUmgebung.h"
#include "app/CliAufruf.h"
#include "app/CliDruckUnit.h"
#include "model/SchulUnit.h"
#include "output/DruckAuftragUnit.h"
#include "persistence/SchulDateiHilfe.h"
#include "persistence/WriteUnit.h"
#include "planning/SetzungUnit.h"

namespace {
// Merkt sich die Seiten statt eine Datei zu schreiben; scheitert auf Wunsch.
class TFakePdf : public TPdfDienst {
 public:
  TDruckerMasse PdfMasse() override { return A4Masse(600); }
  TTextMetrik& PdfMetrik() override { return fMetrik; }
  bool PdfSchreiben(const TPrevPrinter& seiten, const std::string& pfad,
                    std::string& fehler) override {
    fPfad = pfad;
    fTexte.clear();
    for (int n = 1; n <= seiten.PageCount(); ++n)
      for (const TZeichenBefehl& b : seiten.Seite(n))
        if (b.Art == TZeichenArt::Text) fTexte.push_back(b.Text);
    fSeiten = seiten.PageCount();
    if (fFehler.empty()) return true;
    fehler = fFehler;
    return false;
  }
  TFakeMetrik fMetrik;
  std::string fPfad, fFehler;
  std::vector<std::string> fTexte;
  int fSeiten = 0;
};

class CliDruckTest : public ::testing::Test {
 protected:
  CliDruckTest() {
    TTestUmgebung u;
    TSchule& s = u.schule();
    TRaum* r1 = s.HoleRaum("R1");
    TKurs* d =
        TKurs::IKurs(s.HoleLehrer("KR\xDC"), s.HoleKlasse("5a"), nullptr, s.HoleFach("D"), r1, 2);
    d->fStunden.SetWochenStunde(0, 2);
    d->NeueSetzung(1, 2, 8, r1);
    s.HoleKlasse("5b");
    std::string meldung;
    EXPECT_TRUE(WriteSchule(fDatei, s, meldung)) << meldung;
    CliPdfDienstSetzen(&fPdf);
  }
  ~CliDruckTest() override { CliPdfDienstSetzen(nullptr); }
  TFakePdf fPdf;
  TTestOrdner fOrdner;
  const std::string fDatei = fOrdner / "schule.tmr";
};
}  // namespace

TEST_F(CliDruckTest, SchreibtDieGewaehltenPlaeneUndMeldetSeiten) {
  const std::string pdf = fOrdner / "kl.pdf";
  // Ohne Einstellungen: sechs Stunden am Tag, die Stunde Di 8 fehlt wie im Druck des Programms.
  TAufruf a = Cli({"drucken", fDatei, "klassenplaene", "--pdf", pdf});
  EXPECT_EQ(a.Code, 0) << a.Fehler;
  EXPECT_EQ(a.Aus, "Seiten: 1\nPläne: 2\n");
  EXPECT_EQ(fPdf.fPfad, pdf);
  EXPECT_EQ(std::find(fPdf.fTexte.begin(), fPdf.fTexte.end(), " 8"), fPdf.fTexte.end());
  a = Cli({"drucken", fDatei, "klassenplaene", "--pdf", pdf, "--stunden", "8"});
  EXPECT_EQ(a.Code, 0) << a.Fehler;
  EXPECT_NE(std::find(fPdf.fTexte.begin(), fPdf.fTexte.end(), "KRÜ"), fPdf.fTexte.end());
  EXPECT_NE(std::find(fPdf.fTexte.begin(), fPdf.fTexte.end(), " 8"), fPdf.fTexte.end());

  a = Cli({"drucken", fDatei, "lehrerplaene", "--auswahl", "KRÜ", "--pdf", pdf, "--tage", "6"});
  EXPECT_EQ(a.Code, 0) << a.Fehler;
  EXPECT_EQ(a.Aus, "Seiten: 1\nPläne: 1\n");
  EXPECT_NE(std::find(fPdf.fTexte.begin(), fPdf.fTexte.end(), "KRÜ   "), fPdf.fTexte.end());

  a = Cli({"drucken", fDatei, "kopplungsplaene-klassen", "--pdf", pdf});
  EXPECT_EQ(a.Aus, "Seiten: 2\nPläne: 2\n");  // je Klasse ein Blatt
}

TEST_F(CliDruckTest, FehlerAufDeutschMitRueckgabewert) {
  const std::string pdf = fOrdner / "x.pdf";
  TAufruf a = Cli({"drucken", fDatei, "klassenplaene"});
  EXPECT_EQ(a.Code, 2);
  EXPECT_EQ(a.Fehler.substr(0, a.Fehler.find('\n')), "Es fehlt --pdf AUSGABE.pdf.");
  a = Cli({"drucken", fDatei, "stundenplaene", "--pdf", pdf});
  EXPECT_EQ(a.Code, 2);
  EXPECT_EQ(a.Fehler.substr(0, a.Fehler.find('\n')), "Unbekannte Art des Drucks: stundenplaene");
  a = Cli({"drucken", fDatei, "raumplaene", "--pdf", pdf, "--woche", "2"});
  EXPECT_EQ(a.Code, 1);
  EXPECT_EQ(a.Fehler, "Die Schule hat nur 1 Planversion.\n");
  a = Cli({"drucken", fDatei, "klassenplaene", "--pdf", pdf, "--auswahl", "5a", "9z"});
  EXPECT_EQ(a.Code, 1);
  EXPECT_EQ(a.Fehler, "Diese Kürzel gibt es in der Schule nicht: 9z\n");
  a = Cli({"drucken", fDatei, "klassenplaene", "--pdf", pdf, "--auswahl"});
  EXPECT_EQ(a.Code, 2);

  // Ein Fehler beim Schreiben wird nie als erledigt gemeldet.
  fPdf.fFehler = "Die PDF-Datei \u201Ex.pdf\u201C konnte nicht geschrieben werden.";
  a = Cli({"drucken", fDatei, "klassenplaene", "--pdf", pdf});
  EXPECT_EQ(a.Code, 1);
  EXPECT_TRUE(a.Aus.empty());
  EXPECT_EQ(a.Fehler, fPdf.fFehler + "\n");

  CliPdfDienstSetzen(nullptr);
  a = Cli({"drucken", fDatei, "klassenplaene", "--pdf", pdf});
  EXPECT_EQ(a.Code, 1);
}

TEST_F(CliDruckTest, OhneZuDruckendePlaeneKeineDatei) {
  // Räume ohne Stunden gibt es, aber eine leere Auswahl der Lehrer nicht: KRÜ hat keinen
  // Raumplan; eine Schule ohne Räume hätte nichts zu drucken.
  TTestUmgebung u;
  std::string meldung;
  const std::string leer = fOrdner / "leer.tmr";
  ASSERT_TRUE(WriteSchule(leer, u.schule(), meldung)) << meldung;
  const TAufruf a = Cli({"drucken", leer, "raumplaene", "--pdf", fOrdner / "r.pdf"});
  EXPECT_EQ(a.Code, 1);
  EXPECT_EQ(a.Fehler, "Keine Pläne zu drucken.\n");
  EXPECT_TRUE(fPdf.fPfad.empty());
}

TEST_F(CliDruckTest, UebersichtenUndListenBeimNamen) {
  const std::string pdf = fOrdner / "l.pdf";
  TAufruf a = Cli({"drucken", fDatei, "lehreruebersicht", "--pdf", pdf, "--auswahl", "KRÜ"});
  EXPECT_EQ(a.Code, 0) << a.Fehler;
  EXPECT_EQ(a.Aus, "Seiten: 1\n");
  EXPECT_EQ(fPdf.fPfad, pdf);
  // Der Lehrer über seiner Spalte, dann seine Stunde Di 8 (Klasse, Fach, Raum).
  const auto kopf = std::find(fPdf.fTexte.begin(), fPdf.fTexte.end(), "KRÜ");
  ASSERT_NE(kopf, fPdf.fTexte.end());
  EXPECT_EQ(std::vector<std::string>(kopf + 1, fPdf.fTexte.end()),
            (std::vector<std::string>{"5a", "D", "R1"}));

  a = Cli({"drucken", fDatei, "deputate", "--art", "klassen", "--pdf", pdf});
  EXPECT_EQ(a.Code, 0) << a.Fehler;
  EXPECT_NE(std::find(fPdf.fTexte.begin(), fPdf.fTexte.end(), "Klassendeputat 5b   ( )"),
            fPdf.fTexte.end());
  for (const char* art :
       {"klassenuebersicht", "raumuebersicht", "kombinationsuebersicht", "faecheruebersicht",
        "kuerzel", "konferenz", "reststunden", "stundenverteilung", "vertretungskonten", "pruefung",
        "parallelkopplungen"})
    EXPECT_EQ(Cli({"drucken", fDatei, art, "--pdf", pdf}).Code, 0) << art;

  // Ohne UV-Tabelle nichts zu drucken; falsche Art und unbekannte Kürzel auf Deutsch.
  a = Cli({"drucken", fDatei, "uvtabellen", "--pdf", pdf});
  EXPECT_EQ(a.Code, 1);
  EXPECT_EQ(a.Fehler, "Nichts zu drucken.\n");
  a = Cli({"drucken", fDatei, "deputate", "--art", "schueler", "--pdf", pdf});
  EXPECT_EQ(a.Code, 2);
  EXPECT_EQ(a.Fehler.substr(0, a.Fehler.find('\n')), "Ungültiger Wert für --art: schueler");
  a = Cli({"drucken", fDatei, "reststunden", "--pdf", pdf, "--auswahl", "9z"});
  EXPECT_EQ(a.Code, 1);
  EXPECT_EQ(a.Fehler, "Diese Kürzel gibt es in der Schule nicht: 9z\n");
  a = Cli({"drucken", fDatei, "kuerzel"});
  EXPECT_EQ(a.Code, 2);
  // Vertretungsübersichten: Kopf und Spaltentitel auch ohne Vertretungen im Zeitraum.
  a = Cli({"drucken", fDatei, "vertretungsuebersicht-klassen", "--pdf", pdf, "--von", "07.12.2026",
           "--bis", "11.12.2026"});
  EXPECT_EQ(a.Code, 0) << a.Fehler;
  EXPECT_EQ(fPdf.fTexte.back(), "Bemerkung");
  a = Cli({"drucken", fDatei, "vertretungsuebersicht-lehrer", "--pdf", pdf, "--von", "31.02.2026"});
  EXPECT_EQ(a.Code, 2);
  EXPECT_EQ(a.Fehler.substr(0, a.Fehler.find('\n')), "Ungültiger Wert für --von: 31.02.2026");
}
