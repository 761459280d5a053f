// Kopieren und Einsetzen über die Zwischenablage: das Textformat der Kurse und seine Prüfung.
#include <gtest/gtest.h>

#include "model/AblageUnit.h"
#include "model/KursHilfe.h"
#include "persistence/ReadUnit.h"
#include "persistence/WriteUnit.h"

namespace {

const std::vector<std::string> kPasteFehler = {
    "Der Inhalt der Zwischenablage", "hat nicht das geeignete Format.",
    "Kurse können nur im Fenster", "\"alle Kurse\" eingesetzt werden!"};

std::string Zeile(std::initializer_list<const char*> felder) {
  std::string z;
  bool erstes = true;
  for (const char* f : felder) {
    if (!erstes) z += '\t';
    z += f;
    erstes = false;
  }
  return z;
}

// Eine gültige erste Zeile und eine gültige Folgezeile.
const std::string kErste = Zeile({"2", "3", "L", "D", "5a", "K", "R1", "Info", "1", "3", "2",
                                  "FALSE", "true", "FALSE", "16777215"});
const std::string kFolge = Zeile({"", "", "", "", "5b", "", "R2", "", "", "", "", "", "", "", ""});

TEST(AblageZeilen, TrenntCrLfLfUndCr) {
  EXPECT_EQ(AblageZeilen("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(AblageZeilen("a\r\n"), std::vector<std::string>{"a"});
  EXPECT_EQ(AblageZeilen("a\r\n\r\nb"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_TRUE(AblageZeilen("").empty());
  EXPECT_EQ(TabFelder("a\t\tb"), (std::vector<std::string>{"a", "", "b"}));
}

TEST(KursFormOk, NimmtGueltigeTexteAn) {
  EXPECT_TRUE(KursFormOk({}));
  EXPECT_TRUE(KursFormOk({kErste, kFolge}));
  EXPECT_TRUE(KursFormOk({kFolge}));  // Folgezeile zuerst: das Format stimmt, sie wird übergangen
  EXPECT_TRUE(
      KursFormOk({Zeile({"-1", "-12", "ABCDEFGHIJK", "", "", "", "",
                         "1234567890123456789012345678901", "1", "0", "4", "x", "", "", "0"})}));
}

TEST(KursFormOk, WeistFalscheTexteAb) {
  auto ersetzt = [](int feld, const std::string& wert) {
    std::vector<std::string> f = TabFelder(kErste);
    f[feld] = wert;
    std::string z;
    for (std::size_t i = 0; i < f.size(); ++i) z += (i ? "\t" : "") + f[i];
    return z;
  };
  EXPECT_FALSE(KursFormOk({kErste + "\t"}));                         // 15 Tabulatoren
  EXPECT_FALSE(KursFormOk({kErste.substr(0, kErste.rfind('\t'))}));  // 13 Tabulatoren
  EXPECT_FALSE(KursFormOk({kErste, ""}));                            // leere Zeile
  EXPECT_FALSE(KursFormOk({ersetzt(2, "ABCDEFGHIJKL")}));            // Kürzel mit 12 Zeichen
  EXPECT_FALSE(KursFormOk({ersetzt(6, "ABCDEFGHIJKL")}));
  EXPECT_FALSE(KursFormOk({ersetzt(7, std::string(32, 'i'))}));  // Info mit 32 Zeichen
  EXPECT_FALSE(KursFormOk({ersetzt(0, "123456789")}));           // Faktor mit 9 Zeichen
  EXPECT_FALSE(KursFormOk({ersetzt(14, "123456789")}));          // letztes Feld
  EXPECT_FALSE(KursFormOk({ersetzt(1, "drei")}));                // keine Zahl
  EXPECT_FALSE(KursFormOk({ersetzt(1, "")}));
  EXPECT_FALSE(KursFormOk({ersetzt(8, "1,5")}));
  EXPECT_FALSE(KursFormOk({ersetzt(14, "wei\xDF")}));
  EXPECT_FALSE(KursFormOk({ersetzt(10, "5")}));  // Tabelle außerhalb 1..4
  EXPECT_FALSE(KursFormOk({ersetzt(10, "0")}));
  EXPECT_FALSE(KursFormOk({kErste, Zeile({"", "3", "", "", "5b", "", "", "", "", "", "", "", "", "",
                                          ""})}));  // Folgezeile mit Stunden
  EXPECT_FALSE(KursFormOk({kErste, Zeile({"", "", "", "", "", "", "", "x", "", "", "", "", "", "",
                                          ""})}));  // Folgezeile mit Info
}

// Was die Schuldatei nicht fassen kann, wird nicht eingesetzt: sonst scheitert danach jedes
// Sichern.
TEST(KursFormOk, NurWerteDieDieSchuldateiFasst) {
  auto mit = [](int feld, const std::string& wert) {
    std::vector<std::string> f = TabFelder(kErste);
    f[feld] = wert;
    std::string z;
    for (std::size_t i = 0; i < f.size(); ++i) z += (i ? "\t" : "") + f[i];
    return std::vector<std::string>{z};
  };
  for (int feld : {0, 8, 9}) {
    SCOPED_TRACE(feld);
    EXPECT_TRUE(KursFormOk(mit(feld, "32767")));
    EXPECT_TRUE(KursFormOk(mit(feld, "-32768")));
    EXPECT_FALSE(KursFormOk(mit(feld, "32768")));
    EXPECT_FALSE(KursFormOk(mit(feld, "-32769")));
  }
  EXPECT_FALSE(KursFormOk(mit(8, "1202611")));
  // Die Stunden stehen als Summe aller Planversionen im Feld.
  EXPECT_FALSE(KursFormOk(mit(1, "32768")));
  EXPECT_TRUE(KursFormOk(mit(1, "65535"), 2));
  EXPECT_FALSE(KursFormOk(mit(1, "65536"), 2));
  EXPECT_TRUE(KursFormOk(mit(14, "16777215")));
  EXPECT_TRUE(KursFormOk(mit(14, "0")));
  EXPECT_FALSE(KursFormOk(mit(14, "16777216")));
  EXPECT_FALSE(KursFormOk(mit(14, "-1")));
}

TEST(InfoFormOk, EineZeileMitHoechstens31Oder81Zeichen) {
  EXPECT_TRUE(InfoFormOk({std::string(31, 'a')}));
  EXPECT_FALSE(InfoFormOk({std::string(32, 'a')}));
  EXPECT_FALSE(InfoFormOk({"a", "b"}));
  EXPECT_FALSE(InfoFormOk({}));
  EXPECT_TRUE(BemFormOk({std::string(81, 'a')}));
  EXPECT_FALSE(BemFormOk({std::string(82, 'a')}));
}

class AblageTest : public ::testing::Test {
 protected:
  TTestUmgebung env;
  TSchule& schule() { return env.schule(); }
  TTestFenster alleKurse{FensterArt::AlleKurse, "alle Kurse"};

  // Ein Kurs mit zwei Klassen und drei Räumen.
  TKurs* Beispiel() {
    TSchule& s = schule();
    TKurs* k = TKurs::IKurs(s.HoleLehrer("M\xFC"), s.HoleKlasse("5a"), s.HoleKopplung("K1"),
                            s.HoleFach("D"), s.HoleRaum("R1"), 4);
    k->KlasseErgaenzen(s.HoleKlasse("5b"));
    k->RaumErgaenzen(s.HoleRaum("R2"), false);
    k->RaumErgaenzen(s.HoleRaum("R3"), false);
    k->fFaktor = 2;
    k->fInfo = "Gr\xFCn\tx";
    k->fStdProTag = 2;
    k->fEinzelStd = 0;
    k->fTabellenNr = 3;
    k->fNichtZaehlenLe = true;
    k->fColor = 0x123456;
    return k;
  }

  void Einsetzen(const std::string& utf8) {
    env.ablage.fText = utf8;
    Aktiviere(schule(), alleKurse);
    schule().DoPaste();
  }
};

TEST_F(AblageTest, KursTextMitFolgezeilenBestehtDiePruefung) {
  TKurs* k = Beispiel();
  const std::string text = KurseAlsText({k}, false);
  EXPECT_EQ(text,
            "2\t4\tM\xFC\tD\t5a\tK1\tR1\tGr\xFCn x\t2\t0\t3\tFALSE\tTRUE\tFALSE\t1193046\r\n"
            "\t\t\t\t5b\t\tR2\t\t\t\t\t\t\t\t\r\n"
            "\t\t\t\t\t\tR3\t\t\t\t\t\t\t\t\r\n");
  EXPECT_TRUE(KursFormOk(AblageZeilen(text)));
  EXPECT_EQ(KurseAlsText({k}, true),
            "2\t4\tM\xFC\tD\t5a\tK1\tR1\tGr\xFCn x\t2\t0\t3\tFALSE\tTRUE\tFALSE\t1193046\r\n");
  EXPECT_EQ(KurseAlsText({TKurs::IKurs(nullptr, nullptr, nullptr, nullptr, nullptr, 0)}, false),
            "1\t0\t\t\t\t\t\t\t1\t3\t1\tFALSE\tFALSE\tFALSE\t16777215\r\n");
}

TEST_F(AblageTest, KopierenUndEinsetzenStelltDieKurseWiederHer) {
  TKurs* k = Beispiel();
  TKurs* zweiter = TKurs::IKurs(nullptr, schule().HoleKlasse("6c"), nullptr, nullptr, nullptr, 1);
  TTestFenster dep{FensterArt::AlleKurse, "alle Kurse"};
  dep.fAuswahl = {k, zweiter};
  Aktiviere(schule(), dep);
  schule().DoCopy(false, false);
  const std::string kopie = env.ablage.fText;
  EXPECT_NE(kopie.find("Grün x"), std::string::npos);  // UTF-8 in der Zwischenablage

  env.NeueSchule();
  env.dialog.Antworte("Ja");  // die neue Schule kennt die Kürzel nicht
  Einsetzen(kopie);
  ASSERT_EQ(env.dialog.fProtokoll.size(), 1u);
  EXPECT_EQ(env.dialog.fProtokoll[0].Titel, "Unbekannte Kürzel");
  TSchule& s = schule();
  ASSERT_EQ(s.fKursMenge.ListeZahlElemente(), 2);
  TKurs* neu = s.fLehrerMenge[0]->fKurse[0];
  EXPECT_EQ(neu->fLehrer->fKuerzel.str(), "M\xFC");
  EXPECT_EQ(neu->fFach->fKuerzel.str(), "D");
  EXPECT_EQ(neu->fKopplung->fKuerzel.str(), "K1");
  ASSERT_EQ(neu->fKlassen.ListeZahlElemente(), 2);
  EXPECT_EQ(neu->fKlassen[0]->fKuerzel.str(), "5a");
  EXPECT_EQ(neu->fKlassen[1]->fKuerzel.str(), "5b");
  ASSERT_EQ(neu->fRaeume.ListeZahlElemente(), 3);
  EXPECT_EQ(neu->fRaeume[0]->fKuerzel.str(), "R1");
  EXPECT_EQ(neu->fRaeume[2]->fKuerzel.str(), "R3");
  EXPECT_EQ(neu->fStunden.GetWochenStunde(1), 4);
  EXPECT_EQ(neu->fFaktor, 2);
  EXPECT_EQ(neu->fInfo.str(), "Gr\xFCn x");
  EXPECT_EQ(neu->fStdProTag, 2);
  EXPECT_EQ(neu->fEinzelStd, 0);
  EXPECT_EQ(neu->fTabellenNr, 3);
  EXPECT_FALSE(neu->fNichtVerplanen);
  EXPECT_TRUE(neu->fNichtZaehlenLe);
  EXPECT_FALSE(neu->fNichtZaehlenKl);
  EXPECT_EQ(neu->fColor, 0x123456u);
  EXPECT_EQ(neu->fFach->fKlassen.ListeZahlElemente(), 2);
  EXPECT_EQ(alleKurse.fUpdates, 1);  // einmal am Ende
  EXPECT_FALSE(s.fKurseEinsetzen);
  EXPECT_TRUE(s.fDirty);
  // Derselbe Text ein zweites Mal: jetzt sind alle Kürzel bekannt, keine Frage.
  schule().DoPaste();
  EXPECT_EQ(s.fKursMenge.ListeZahlElemente(), 4);
  EXPECT_EQ(s.fLehrerMenge.ListeZahlElemente(), 1);
}

// Die Schuldatei gibt führende Leerzeichen eines Kürzels als ¥ zurück. Eingesetzte Kürzel folgen
// derselben Regel, sonst wären die Kurse nach Sichern und Öffnen andere als vorher.
TEST_F(AblageTest, FuehrendeLeerzeichenImKuerzelUeberstehenSichernUndOeffnen) {
  const std::string zeile = Zeile({"1", "2", " M", "D", "  5a", " ?", "R 1", "", "1", "3", "1",
                                   "FALSE", "FALSE", "FALSE", "0"});
  env.dialog.Antworte("Ja");
  Einsetzen(zeile + "\r" + zeile + "\r\n");
  TSchule& s = schule();
  ASSERT_EQ(s.fKursMenge.ListeZahlElemente(), 2);
  // Beide Zeilen treffen dieselben Elemente.
  EXPECT_EQ(s.fLehrerMenge.ListeZahlElemente(), 1);
  EXPECT_EQ(s.fKopplMenge.ListeZahlElemente(), 1);
  EXPECT_EQ(s.fLehrerMenge[0]->fKuerzel.str(), "\xA5M");
  EXPECT_EQ(s.fKlassenMenge[0]->fKuerzel.str(),
            "\xA5\xA5"
            "5a");
  EXPECT_EQ(s.fKopplMenge[0]->fKuerzel.str(), "\xA5?");
  EXPECT_EQ(s.fRaumMenge[0]->fKuerzel.str(), "R 1");  // nur führende Leerzeichen
  EXPECT_EQ(TSchule::HoleElement(s.fKopplMenge, " ?"), s.fKopplMenge[0]);

  const std::string vorher = KurseAlsText(s.fKursMenge.Kopie(), false);
  const std::vector<std::uint8_t> bytes = SchuleAlsBytes(s);
  env.NeueSchule();
  std::string fehler;
  ASSERT_TRUE(ReadSchuleAusBytes(bytes, "kuerzel.tmr", schule(), fehler)) << fehler;
  EXPECT_EQ(KurseAlsText(schule().fKursMenge.Kopie(), false), vorher);
}

TEST_F(AblageTest, StundenImMehrwochenmodusGehenAlsSummeHinUndZurueck) {
  schule().VersionErweitern(2);
  env.standard.fEineWoche = false;
  TKurs* k = TKurs::IKurs(schule().HoleLehrer("L"), nullptr, nullptr, nullptr, nullptr, 3);
  const std::string text = KurseAlsText({k}, false);
  EXPECT_EQ(TabFelder(AblageZeilen(text)[0])[1], "6");
  Einsetzen(Win1252ZuUtf8(text));
  ASSERT_EQ(schule().fKursMenge.ListeZahlElemente(), 2);
  for (TKurs* kurs : schule().fKursMenge) {
    EXPECT_EQ(kurs->fStunden.GetWochenStunde(1), 3);
    EXPECT_EQ(kurs->fStunden.GetWochenStunde(2), 3);
  }
  // Eine ungerade Summe: der Rest geht an die erste Woche, nicht verloren.
  k->fStunden.SetWochenStunde(2, 2);
  Einsetzen(Win1252ZuUtf8(KurseAlsText({k}, false)));
  ASSERT_EQ(schule().fKursMenge.ListeZahlElemente(), 3);
  int fuenf = 0;
  for (TKurs* kurs : schule().fKursMenge)
    if (kurs != k && kurs->fStunden.GetWochenStunde(0) == 5) {
      ++fuenf;
      EXPECT_EQ(kurs->fStunden.GetWochenStunde(1), 3);
      EXPECT_EQ(kurs->fStunden.GetWochenStunde(2), 2);
    }
  EXPECT_EQ(fuenf, 1);
  for (std::size_t i = 1; i < schule().fKursMenge.size(); ++i)
    EXPECT_LT(KursVergleich(schule().fKursMenge[i - 1], schule().fKursMenge[i]), 0);
}

TEST_F(AblageTest, UnbekannterLehrerMitNeinAendertNichts) {
  schule().HoleKlasse("5a");
  schule().SetDirty(false);
  env.dialog.Antworte("Nein");
  Einsetzen(
      Zeile({"1", "3", "XY", "", "5a", "", "", "", "1", "3", "1", "FALSE", "FALSE", "FALSE", "0"}));
  const auto& frage = env.dialog.fProtokoll.at(0);
  EXPECT_EQ(frage.Titel, "Unbekannte Kürzel");
  EXPECT_EQ(frage.Zeilen, (std::vector<std::string>{"Die Zwischenablage enthält unbekannte",
                                                    "Kürzel. Soll trotzdem eingesetzt werden?"}));
  EXPECT_EQ(frage.Knoepfe, (std::vector<std::string>{"Ja", "Nein"}));
  EXPECT_TRUE(schule().fKursMenge.empty());
  EXPECT_TRUE(schule().fLehrerMenge.empty());
  EXPECT_FALSE(schule().fDirty);
  EXPECT_EQ(alleKurse.fUpdates, 0);
}

TEST_F(AblageTest, UnbekannterLehrerMitJaWirdAmEndeAngelegt) {
  schule().HoleLehrer("A");
  schule().HoleLehrer("B");
  env.dialog.Antworte("Ja");
  Einsetzen(
      Zeile({"1", "3", "XY", "", "", "", "", "", "1", "3", "1", "FALSE", "FALSE", "FALSE", "0"}) +
      "\n");
  ASSERT_EQ(schule().fLehrerMenge.ListeZahlElemente(), 3);
  TLehrer* xy = schule().fLehrerMenge[2];
  EXPECT_EQ(xy->fKuerzel.str(), "XY");
  EXPECT_EQ(xy->fNr, 3u);
  EXPECT_EQ(xy->fKurse.ListeZahlElemente(), 1);
}

TEST_F(AblageTest, UnbekanntesKuerzelInEinerFolgezeileFragtAuch) {
  schule().HoleKlasse("5a");
  env.dialog.Antworte("Nein");
  Einsetzen(
      Zeile({"1", "3", "", "", "5a", "", "", "", "1", "3", "1", "FALSE", "FALSE", "FALSE", "0"}) +
      "\r\n" + Zeile({"", "", "", "", "", "", "R9", "", "", "", "", "", "", "", ""}));
  EXPECT_EQ(env.dialog.fProtokoll.at(0).Titel, "Unbekannte Kürzel");
  EXPECT_TRUE(schule().fKursMenge.empty());
}

TEST_F(AblageTest, FolgezeileOhneKursWirdUebergangenUndDoppelteKlassenNicht) {
  TSchule& s = schule();
  s.HoleKlasse("5a");
  s.HoleKlasse("5b");
  s.HoleRaum("R1");
  const std::string folge5b = Zeile({"", "", "", "", "5b", "", "", "", "", "", "", "", "", "", ""});
  const std::string folge5a =
      Zeile({"", "", "", "", "5a", "", "R1", "", "", "", "", "", "", "", ""});
  Einsetzen(
      folge5b + "\r\n" +
      Zeile({"1", "3", "", "", "5a", "", "R1", "", "1", "3", "1", "FALSE", "FALSE", "FALSE", "0"}) +
      "\r\n" + folge5a + "\r\n" + folge5b + "\r\n");
  ASSERT_EQ(s.fKursMenge.ListeZahlElemente(), 1);
  TKurs* k = s.fKursMenge[0];
  ASSERT_EQ(k->fKlassen.ListeZahlElemente(), 2);  // 5a nicht doppelt, 5b aus der Folgezeile
  EXPECT_EQ(k->fKlassen[1]->fKuerzel.str(), "5b");
  EXPECT_EQ(k->fRaeume.ListeZahlElemente(), 1);  // R1 nicht doppelt
  EXPECT_EQ(s.fKlassenMenge[0]->fKurse.ListeZahlElemente(), 1);
  EXPECT_TRUE(env.dialog.fProtokoll.empty());
}

TEST_F(AblageTest, FalschesFormatMeldetUndAendertNichts) {
  schule().SetDirty(false);
  Einsetzen("keine Kurse");
  ASSERT_EQ(env.dialog.fProtokoll.size(), 1u);
  EXPECT_EQ(env.dialog.fProtokoll[0].Titel, "Fehler beim Einsetzen");
  EXPECT_EQ(env.dialog.fProtokoll[0].Zeilen, kPasteFehler);
  EXPECT_FALSE(env.dialog.fProtokoll[0].IstFrage);
  EXPECT_TRUE(schule().fKursMenge.empty());
  EXPECT_FALSE(schule().fDirty);
}

TEST_F(AblageTest, EinsetzenAusserhalbVonAlleKurseMeldet) {
  env.ablage.fText = Win1252ZuUtf8(kErste);
  schule().DoPaste();  // kein aktives Fenster
  TTestFenster plan(FensterArt::LehrerPlan, "Plan L");
  Aktiviere(schule(), plan);
  schule().DoPaste();
  TTestFenster dep(FensterArt::LehrerDeputat, "Deputat L");
  Aktiviere(schule(), dep);
  schule().DoPaste();
  ASSERT_EQ(env.dialog.fProtokoll.size(), 3u);
  for (const auto& e : env.dialog.fProtokoll) EXPECT_EQ(e.Zeilen, kPasteFehler);
  EXPECT_TRUE(schule().fKursMenge.empty());
}

TEST_F(AblageTest, InfoFeldNimmtEineZeileVonHoechstens31Zeichen) {
  TTestFenster daten(FensterArt::LehrerDaten, "Lehrer L");
  Aktiviere(schule(), daten);
  env.ablage.fText = "Grüße";
  schule().DoPaste();  // ohne Fokus: nichts
  EXPECT_TRUE(daten.fEingesetzt.empty());
  EXPECT_TRUE(env.dialog.fProtokoll.empty());
  daten.fFokus = true;
  env.ablage.fText = std::string("Ä") + std::string(30, 'x') + "\r\n";  // 31 Zeichen, 32 Bytes
  schule().DoPaste();
  ASSERT_EQ(daten.fEingesetzt.size(), 1u);
  EXPECT_EQ(daten.fEingesetzt[0], std::string("Ä") + std::string(30, 'x'));
  env.ablage.fText = std::string(32, 'x');
  schule().DoPaste();
  env.ablage.fText = "a\nb";
  schule().DoPaste();
  EXPECT_EQ(daten.fEingesetzt.size(), 1u);
  ASSERT_EQ(env.dialog.fProtokoll.size(), 2u);
  EXPECT_EQ(env.dialog.fProtokoll[1].Titel, "Fehler beim Einsetzen");
}

TEST_F(AblageTest, BemerkungsFeldDerVertretungswahlNimmt81Zeichen) {
  TTestFenster wahl(FensterArt::VertretungsWahl, "Vertretungswahl");
  wahl.fFokus = true;
  Aktiviere(schule(), wahl);
  env.ablage.fText = std::string(81, 'b');
  schule().DoPaste();
  EXPECT_EQ(wahl.fEingesetzt.size(), 1u);
  env.ablage.fText = std::string(82, 'b');
  schule().DoPaste();
  EXPECT_EQ(wahl.fEingesetzt.size(), 1u);
  EXPECT_EQ(env.dialog.fProtokoll.size(), 1u);
}

TEST_F(AblageTest, KopierenOhneFensterPiepstUndAusschneidenImPlanAuch) {
  schule().DoCopy(false, false);
  EXPECT_EQ(env.dialog.fPiepser, 1);
  TTestFenster plan(FensterArt::KlassenPlan, "Plan 5a");
  plan.fInhalt = "\tMo\r\n 1\tD";
  Aktiviere(schule(), plan);
  TTestFenster viewer(FensterArt::Zwischenablage, "Zwischenablage");
  schule().fZwischenForm = &viewer;
  schule().DoCopy(true, false);
  EXPECT_EQ(env.dialog.fPiepser, 2);
  EXPECT_EQ(env.ablage.fText, "");
  EXPECT_EQ(viewer.fUpdates, 0);
  schule().DoCopy(false, false);
  EXPECT_EQ(env.ablage.fText, "\tMo\r\n 1\tD");
  EXPECT_EQ(viewer.fUpdates, 1);
}

TEST_F(AblageTest, DerWochenberichtWirdAlsTextKopiert) {
  TTestFenster bericht(FensterArt::WoAusfall, "wöchentlicher Unterrichtsausfall");
  bericht.fInhalt = "Ermittlung des wöchentlichen Unterrichtsausfalls\r\n";
  Aktiviere(schule(), bericht);
  schule().DoCopy(false, false);
  EXPECT_EQ(env.ablage.fText, "Ermittlung des wöchentlichen Unterrichtsausfalls\r\n");
}

TEST_F(AblageTest, AusschneidenImDeputatsfensterFragtUndLoescht) {
  TKurs* k = Beispiel();
  TTestFenster dep(FensterArt::LehrerDeputat, "Deputat L");
  dep.fAuswahl = {k};
  Aktiviere(schule(), dep);
  env.dialog.Antworte("Nein");
  schule().DoCopy(true, true);
  const auto& frage = env.dialog.fProtokoll.at(0);
  EXPECT_EQ(frage.Titel, "Kures löschen?");
  EXPECT_EQ(frage.Zeilen,
            (std::vector<std::string>{"Wollen Sie die ausgewählten Kurse", "wirklich löschen?"}));
  EXPECT_EQ(frage.Knoepfe, (std::vector<std::string>{"Ja", "Nein"}));
  EXPECT_EQ(AblageZeilen(env.ablage.fText).size(), 1u);  // mit Umschalttaste ohne Folgezeilen
  EXPECT_EQ(schule().fKursMenge.ListeZahlElemente(), 1);
  env.dialog.Antworte("Ja");
  schule().DoCopy(true, false);
  EXPECT_EQ(AblageZeilen(env.ablage.fText).size(), 3u);
  EXPECT_TRUE(schule().fKursMenge.empty());
}

TEST_F(AblageTest, InfoFeldKopierenUndAusschneiden) {
  TTestFenster kursFenster(FensterArt::Kurs, "Kurs");
  kursFenster.fMarkiert = "Grün";
  Aktiviere(schule(), kursFenster);
  schule().DoCopy(false, false);  // ohne Fokus: nichts
  EXPECT_EQ(env.ablage.fText, "");
  kursFenster.fFokus = true;
  schule().DoCopy(false, false);
  EXPECT_EQ(env.ablage.fText, "Grün");
  EXPECT_EQ(kursFenster.fAusgeschnitten, 0);
  schule().DoCopy(true, false);
  EXPECT_EQ(kursFenster.fAusgeschnitten, 1);
  EXPECT_EQ(env.dialog.fPiepser, 0);
}

}  // namespace
