// Der Import einer Kursliste: Rundreise mit dem Kursexport, die Formatprüfung mit Zeile und Feld,
// unbekannte Kürzel, die Grenzen der Werte und das Zeilenende.
#include <gtest/gtest.h>

#include <algorithm>

#include "BelegungsPruefung.h"
#include "SchulPruefung.h"
#include "TestUmgebung.h"
#include "VertretungsPruefung.h"
#include "model/DatumUnit.h"
#include "model/FachUnit.h"
#include "model/KlassenUnit.h"
#include "output/ExportSchuleHilfe.h"
#include "output/ExportUnit.h"
#include "persistence/ImportUnit.h"
#include "substitution/FehlzeitUnit.h"

namespace {

std::vector<std::uint8_t> B(const std::string& s) {
  return {s.begin(), s.end()};
}

// Eine Zeile mit 23 Feldern; "|" steht für Byte 29. Felder: Nr, Faktor, Stunden, Info, Lehrer,
// Fach, Klasse, Kopplung, Wochen, Tage, Stunden, Räume, Stunden/Tag, Einzel, Tabelle, Schalter.
std::string Zeile(const std::string& nr, const std::string& lehrer, const std::string& klasse,
                  const std::string& wochen = "", const std::string& tage = "",
                  const std::string& stunden = "", const std::string& raeume = "",
                  const std::string& rest = "1\t3\t1\t0\t0\t0") {
  std::string z = nr + "\t1\t2\tInfo\t" + lehrer + "\t\tD\t\t" + klasse + "\t\t\t\t" + wochen +
                  "\t" + tage + "\t" + stunden + "\t" + raeume + "\t" +
                  std::string(std::count(raeume.begin(), raeume.end(), '|'), '|') + "\t" + rest +
                  "\r";
  std::replace(z.begin(), z.end(), '|', '\x1d');
  return z;
}

class ImportTest : public ::testing::Test {
 protected:
  TImportErgebnis Import(const std::string& text, TUnbekannte u = TUnbekannte::Anlegen) {
    TImport import(nullptr, u);
    return import.ImportAusBytes(B(text), "kurse.txt");
  }
  const TFakeDialog::Eintrag& Letzte() { return u.dialog.fProtokoll.back(); }
  TTestUmgebung u;
};

std::string KursListe() {
  TExport ex;
  ex.KursExport();
  const auto& d = ex.Puffer().Daten();
  return std::string(d.begin(), d.end());
}

// Die Zeilen einer Kursliste ohne ihre Kursnummer, sortiert.
std::vector<std::string> OhneNummern(const std::string& liste) {
  std::vector<std::string> zeilen;
  std::size_t a = 0;
  for (std::size_t p; (p = liste.find('\r', a)) != std::string::npos; a = p + 1)
    zeilen.push_back(liste.substr(liste.find('\t', a), p - liste.find('\t', a)));
  std::sort(zeilen.begin(), zeilen.end());
  return zeilen;
}

TEST_F(ImportTest, KurslisteKommtInEineLeereSchuleZurueck) {
  BaueExportSchule();
  const std::string liste = KursListe();
  u.NeueSchule();
  Standard().fMaxTageNeu = 5;
  Standard().fStdBez[1][2] = "1/2";
  u.dialog.Antworte("Ja");  // in der leeren Schule ist jedes Kürzel unbekannt
  const TImportErgebnis e2 = Import(liste, TUnbekannte::Fragen);
  ASSERT_TRUE(e2.Importiert);
  EXPECT_EQ(e2.Kurse, 4);
  EXPECT_EQ(e2.Stunden, 5);
  EXPECT_EQ(u.dialog.fProtokoll[0].Titel, "Unbekannte Kürzel");
  EXPECT_EQ(Letzte().Zeilen, std::vector<std::string>{"Angelegt: 4 Kurse mit 5 Stunden."});
  // Dieselben Kurse, Räume und Setzungen: der Export der importierten Schule hat dieselben
  // Zeilen (die Kursnummern folgen der Kursreihenfolge der neuen Schule).
  EXPECT_EQ(OhneNummern(KursListe()), OhneNummern(liste));
  const TSchule& s = Schule();
  EXPECT_EQ(s.fRaumMenge.size(), 2u);
  EXPECT_EQ(TSchule::HoleElement(s.fLehrerMenge, "M\xDCL")->fInfo.str(),
            "M\xFC"
            "ller");
  const TKurs* deutsch = TSchule::HoleElement(s.fFachMenge, "D")->fKurse.ListeNrInhalt(1);
  ASSERT_EQ(deutsch->fRaeume.size(), 1u);
  EXPECT_EQ(deutsch->fRaeume.ListeNrInhalt(1)->fKuerzel.str(), "R1");
  EXPECT_EQ(deutsch->fKlassen.size(), 2u);
  EXPECT_TRUE(BelegungenStimmen(s));
  EXPECT_TRUE(s.fDirty);
  EXPECT_EQ(s.fDateiName.str(), "Ohne Titel");
}

// Die Schule kennt alle Kürzel, auch mit Leerzeichen drumherum: keine Frage.
TEST_F(ImportTest, KuerzelWerdenInBeidenPhasenGleichGetrimmt) {
  BaueExportSchule();
  const std::size_t kurse = Schule().fKursMenge.size();
  const TImportErgebnis e =
      Import(Zeile("1", " M\xDCL ", "5a ", "1", "2", "2", " R1"), TUnbekannte::Fragen);
  ASSERT_TRUE(e.Importiert);
  EXPECT_EQ(u.dialog.fProtokoll.size(), 1u);  // nur die Schlussmeldung
  EXPECT_EQ(Schule().fKursMenge.size(), kurse + 1);
  EXPECT_EQ(Schule().fLehrerMenge.size(), 2u);
  EXPECT_EQ(Schule().fRaumMenge.size(), 2u);
}

TEST_F(ImportTest, UnbekannteKuerzelMitNeinLassenDieSchuleUnveraendert) {
  BaueExportSchule();
  Schule().fDirty = false;
  u.dialog.Antworte("Nein");
  const TImportErgebnis e = Import(Zeile("1", "NEU", "5a"), TUnbekannte::Fragen);
  EXPECT_FALSE(e.Importiert);
  const auto& frage = Letzte();
  EXPECT_TRUE(frage.IstFrage);
  EXPECT_EQ(frage.Titel, "Unbekannte Kürzel");
  EXPECT_EQ(frage.Zeilen[0], "Die Importdatei enthält unbekannte Kürzel.");
  EXPECT_EQ(frage.Zeilen[1], "Wollen sie trotzdem importieren?");
  EXPECT_EQ(frage.Zeilen[2], "Zuerst: Lehrer „NEU“ in Zeile 1.");
  EXPECT_EQ(frage.Knoepfe, (std::vector<std::string>{"Nein", "Ja"}));
  EXPECT_EQ(Schule().fLehrerMenge.size(), 2u);
  EXPECT_EQ(Schule().fKursMenge.size(), 4u);
  EXPECT_FALSE(Schule().fDirty);
}

TEST_F(ImportTest, FalschesFormatNenntZeileUndFeld) {
  struct TFall {
    std::string Text, Stelle;
  };
  const std::string gut = Zeile("1", "A", "");
  const std::string ohneLetztes = gut.substr(0, gut.rfind('\t')) + "\r";
  const std::string mitMehr = gut.substr(0, gut.size() - 1) + "\t0\r";
  const std::vector<TFall> faelle = {
      {gut + ohneLetztes, "Zeile 2, Feld 22: Die Zeile hat 22 statt 23 Felder."},
      {mitMehr, "Zeile 1, Feld 23: Die Zeile hat 24 statt 23 Felder."},
      {Zeile("1", "A", "", "1|1", "1", "1|2"), "Zeile 1, Feld 14: Das Feld hat 1 statt 2 Werte."},
      {Zeile("1", "A", "", "1", "x", "1"),
       "Zeile 1, Feld 14: Ein Tag muss genau eine Ziffer sein."},
      {Zeile("1", "A", "", "", "", "", "", "1\t-\t1\t0\t0\t0"),
       "Zeile 1, Feld 19: Die Einzelstunden müssen eine Zahl mit höchstens 2 Ziffern sein."},
      {Zeile("1", "A", "", "", "", "", "", "1\t3\t1\t0\t0\t2"),
       "Zeile 1, Feld 23: Ein Schalter muss 0 oder 1 sein."},
      {Zeile("1", "ABCDEFGHIJKL", ""), "Zeile 1, Feld 5: Ein Kürzel hat höchstens 11 Zeichen."},
      {"\r", "Zeile 1, Feld 1: Die Kursnummer muss aus 1 bis 5 Ziffern bestehen."},
  };
  for (const TFall& f : faelle) {
    SCOPED_TRACE(f.Stelle);
    u.dialog.fProtokoll.clear();
    EXPECT_FALSE(Import(f.Text).Importiert);
    ASSERT_EQ(u.dialog.fProtokoll.size(), 1u);
    EXPECT_EQ(Letzte().Titel, "Falsches Format");
    EXPECT_EQ(Letzte().Zeilen,
              (std::vector<std::string>{"Der Inhalt der Importdatei hat nicht",
                                        "das geeignete Format für Kurse.", f.Stelle}));
  }
  EXPECT_TRUE(Schule().fKursMenge.empty());
  EXPECT_TRUE(Schule().fLehrerMenge.empty());
}

// Negative und über die Wochen summierte Stunden, wie der Export sie schreibt.
TEST_F(ImportTest, StundenFeldMitMinusUndVierZiffern) {
  ASSERT_TRUE(Import(Zeile("1", "A", "").replace(4, 1, "-3")).Importiert);
  EXPECT_EQ(Schule().fKursMenge.ListeNrInhalt(1)->fStunden.GetWochenStunde(1), -3);
  Schule().VersionErweitern(20);
  Standard().fEineWoche = false;
  ASSERT_TRUE(Import(Zeile("2", "B", "").replace(4, 1, "1000")).Importiert);
  ASSERT_EQ(Standard().fMaxWocheNeu, 20);
  const TKurs* k = TSchule::HoleElement(Schule().fLehrerMenge, "B")->fKurse.ListeNrInhalt(1);
  EXPECT_EQ(k->fStunden.GetWochenStunde(7), 50);
}

TEST_F(ImportTest, GrenzenDerWerte) {
  Schule().VersionErweitern(2);
  Standard().fEineWoche = false;
  Standard().fMaxTageNeu = 5;
  // Stunden 7 bei zwei Wochen: 3 je Woche; Faktor 0 -> 1; Tabelle 9 -> 4; 20 Stunden/Tag -> 16;
  // Woche 9 -> 2; Tag 6 schaltet auf sechs Tage; Stunde 40 -> 16.
  std::string z = Zeile("1", "A", "5a", "9", "6", "40", "", "20\t7\t9\t1\t0\t1");
  z.replace(2, 3, "0\t7");
  ASSERT_TRUE(Import(z).Importiert);
  const TKurs* k = Schule().fKursMenge.ListeNrInhalt(1);
  EXPECT_EQ(k->fStunden.GetWochenStunde(1), 3);
  EXPECT_EQ(k->fStunden.GetWochenStunde(2), 3);
  EXPECT_EQ(k->fFaktor, 1);
  EXPECT_EQ(k->fTabellenNr, 4);
  EXPECT_EQ(k->fStdProTag, 16);
  EXPECT_EQ(Standard().fMaxTageNeu, 6);
  EXPECT_EQ(k->fEinzelStd, 6);
  EXPECT_TRUE(k->fNichtVerplanen);
  EXPECT_TRUE(k->fNichtZaehlenKl);
  ASSERT_EQ(k->fSetzungen.size(), 1u);
  const TSetzung* s = k->fSetzungen.ListeNrInhalt(1);
  EXPECT_EQ((std::vector<int>{s->fWoche, s->fTag, s->fStunde}), (std::vector<int>{2, 6, 16}));
  EXPECT_TRUE(BelegungenStimmen(Schule()));
}

TEST_F(ImportTest, FolgezeilenZweiteSetzungInDerZelleUndDateiende) {
  // Zwei Zeilen mit Nummer 12: ein Kurs mit 5a und 5b; die 13 beginnt einen neuen Kurs; CR LF
  // wird wie CR gelesen; die letzte Zeile endet ohne CR und bekommt doch ihre Werte.
  std::string text = Zeile("12", "A", "5a", "1|1", "1|1", "2|2", "R1|R2") + "\n" +
                     Zeile("12", "A", "5b", "1|1", "1|1", "2|2", "R1|R2") + "\n" +
                     Zeile("13", "B", "5b", "1", "3", "4", "", "2\t1\t2\t0\t1\t0");
  text.pop_back();
  const TImportErgebnis e = Import(text);
  ASSERT_TRUE(e.Importiert) << Letzte().Text();
  EXPECT_EQ(e.Kurse, 2);
  EXPECT_EQ(e.Stunden, 2);
  const TSchule& s = Schule();
  const TKurs* k12 = s.fKursMenge.ListeNrInhalt(1);
  const TKurs* k13 = s.fKursMenge.ListeNrInhalt(2);
  ASSERT_EQ(k12->fKlassen.size(), 2u);
  EXPECT_EQ(k12->fKlassen.ListeNrInhalt(2)->fKuerzel.str(), "5b");
  ASSERT_EQ(k12->fSetzungen.size(), 1u);  // die zweite in derselben Zelle fällt weg
  EXPECT_EQ(k12->fSetzungen.ListeNrInhalt(1)->fRaum->fKuerzel.str(), "R1");
  EXPECT_EQ(k13->fStdProTag, 2);
  EXPECT_EQ(k13->fTabellenNr, 2);
  EXPECT_TRUE(k13->fNichtZaehlenLe);
  EXPECT_TRUE(k13->fBesetzung.GetWocheTagStd(1, 3, 4));
  EXPECT_TRUE(BelegungenStimmen(s));
}

TEST_F(ImportTest, ErsteKlasseAusFolgezeileOrdnetDenKursEin) {
  // Kurs 1 beginnt ohne Klasse und bekommt 5a erst aus seiner Folgezeile: danach steht er hinter
  // dem klassenlosen Kurs 2, in der Kursliste der Schule wie bei Lehrer und Fach.
  const std::string text = Zeile("1", "A", "") + Zeile("1", "A", "5a") + Zeile("2", "B", "");
  ASSERT_TRUE(Import(text).Importiert) << Letzte().Text();
  const TSchule& s = Schule();
  ASSERT_EQ(s.fKursMenge.size(), 2u);
  const TKurs* eins = s.fKursMenge[1];
  ASSERT_EQ(eins->OhneRaumZeile(), "A D 5a");
  EXPECT_EQ(s.fKursMenge[0]->OhneRaumZeile(), "B D");
  EXPECT_EQ(eins->fReihe1, eins->fKlassen[0]->fReihe * 1000 + eins->fFach->fReihe);
  EXPECT_EQ(eins->fFach->fKurse.Kopie(), s.fKursMenge.Kopie());
  EXPECT_EQ(eins->fKlassen[0]->fKurse.ListeElemNr(eins), 1);
}

TEST_F(ImportTest, FolgezeileOrdnetIhreKlasseNachDerReiheEin) {
  // Kurs 3 nennt 5b vor 5a (eine Datei von Hand, oder Zeilen in anderer Folge eingesetzt): er
  // führt seine Klassen doch in ihrer Reihe, wie jeder andere Kurs.
  const std::string text =
      Zeile("1", "A", "5a") + Zeile("2", "A", "5b") + Zeile("3", "B", "5b") + Zeile("3", "B", "5a");
  ASSERT_TRUE(Import(text).Importiert) << Letzte().Text();
  const TKurs* drei = Schule().HoleLehrer("B")->fKurse.ListeNrInhalt(1);
  ASSERT_EQ(drei->fKlassen.size(), 2u);
  EXPECT_EQ(drei->fKlassen[0]->fKuerzel.str(), "5a");
  EXPECT_TRUE(SchuleStimmt(Schule()));
}

TEST_F(ImportTest, LeereDateiUndUtf8) {
  const TImportErgebnis leer = Import("");
  EXPECT_TRUE(leer.Importiert);
  EXPECT_EQ(Letzte().Zeilen, std::vector<std::string>{"Angelegt: 0 Kurse mit 0 Stunden."});
  EXPECT_EQ(Schule().fDateiName.str(), "Ohne Titel");

  EXPECT_FALSE(Import(Zeile("1", "M\xC3\x9CL", "")).Importiert);
  EXPECT_EQ(Letzte().Titel, "Falsches Format");
  EXPECT_EQ(Letzte().Zeilen[0],
            "Die Importdatei ist in UTF-8 gespeichert: ihre Umlaute würden zu je zwei Zeichen.");
  EXPECT_TRUE(Schule().fLehrerMenge.empty());
  // Dieselbe Zeile im Zeichensatz der Datei: MÜL.
  ASSERT_TRUE(Import(Zeile("1", "M\x86L", "")).Importiert);
  EXPECT_EQ(Schule().fLehrerMenge.ListeNrInhalt(1)->fKuerzel.str(), "M\xDCL");
  EXPECT_TRUE(
      IstUtf8Text(B("\xEF\xBB\xBF"
                    "1")));
  EXPECT_FALSE(IstUtf8Text(B("abc")));
}

// Eine importierte Stunde, deren Klassen an einem Tag alle fehlen, wird dem Lehrer einmal mit dem
// Faktor des Kurses aus der Datei abgebucht (nicht zusätzlich der Unterschied zum Faktor 1).
TEST_F(ImportTest, AusfallendeStundeWirdMitDemFaktorDerDateiAbgebucht) {
  TSchule& s = Schule();
  TLehrer* a = s.HoleLehrer("A");
  TKlasse* k = s.HoleKlasse("5a");
  FehlzeitEintragen(k, DatumZuZahl(2026, 12, 7) + 0.5, FehlBit(2), "-");  // Montag, 2. Stunde
  std::string z = Zeile("1", "A", "5a", "1", "1", "2");
  z.replace(z.find('\t'), 3, "\t3\t");  // Faktor 3
  ASSERT_TRUE(Import(z).Importiert);
  ASSERT_EQ(s.fKursMenge.ListeZahlElemente(), 1);
  EXPECT_EQ(s.fKursMenge[0]->fFaktor, 3);
  EXPECT_EQ(a->fVStunden1, -3);
  EXPECT_EQ(a->fVStunden2, -3);
  EXPECT_TRUE(VertretungenStimmen(s));
}

}  // namespace
