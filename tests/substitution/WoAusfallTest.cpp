// Der wöchentliche Unterrichtsausfall: die Wahl der Woche und der Bericht als genaue Zeilen.
#include "substitution/VertretungHilfe.h"
#include "substitution/WoAusfallUnit.h"

namespace {

class WoAusfallTest : public VertretungsTest {
 protected:
  WoAusfallTest() {
    st.fMaxTageNeu = 5;
    // KRA hat montags eine Stunde ohne Klasse und kann deshalb vertreten.
    Kurs(l3, fE, {}, {r3}, nullptr, 1)->NeueSetzung(1, 1, 8, r3);
  }
  // Die sieben Zahlenzeilen des Blocks (ab der Zeile nach Überschrift und Leerzeile).
  std::vector<std::string> Block(bool oben) {
    TWoAusfall w;
    EXPECT_TRUE(w.WocheWaehlen(50, 2026));
    const auto& z = w.Zeilen();
    const std::size_t ab = oben ? 19 : 8;
    if (z.size() < ab + 7) return {};
    return std::vector<std::string>(z.begin() + ab, z.begin() + ab + 7);
  }
  static std::vector<std::string> Erwartet(const char* plan, const char* laut, const char* bes,
                                           const char* gleich, const char* veraendert,
                                           const char* eva, const char* entfallen) {
    return {std::string(plan) + " Stunden planmäßiger Unterricht",
            std::string(laut) + " Stunden erteilter Unterricht laut Plan",
            std::string(bes) + " Stunden erteilter Unterricht in besonderer Form",
            std::string(gleich) + " Vertretungsunterrichtstunden mit gleicher Lerngruppe",
            std::string(veraendert) + " Vertretungsunterrichtstunden mit veränderter Lerngruppe",
            eva ? std::string(eva) + " EVA-Stunden" : "0  EVA-Stunden nur in SEK II",
            std::string(entfallen) + " entfallene Stunden"};
  }
};

TEST_F(WoAusfallTest, FeiertagGemeinsamerKursUndGanzerText) {
  FerienAm(Tag(2));  // Mittwoch
  TKurs* d = Kurs(l1, fD, {k5a, k5b}, {r1}, nullptr, 3);
  d->NeueSetzung(1, 1, 1, r1);
  d->NeueSetzung(1, 3, 1, r1);  // am Feiertag: nicht geplant
  TKurs* m = Kurs(l2, fM, {k5b}, {r2}, nullptr, 1);
  m->fFaktor = 2;
  m->NeueSetzung(1, 2, 2, r2);
  TWoAusfall w;
  ASSERT_TRUE(w.WocheWaehlen(50, 2026));
  EXPECT_EQ(w.Zeilen(), (std::vector<std::string>{
                            "Ermittlung des wöchentlichen Unterrichtsausfalls",
                            "KW: 50   Jahr: 2026   Unterrichtstage: 4",
                            "",
                            "07.12.2026 - 13.12.2026",
                            "",
                            "",
                            "Primarstufe und Sekundarstufe I   (Klassenbezeichnung beginnt mit "
                            "Ziffer)",
                            "",
                            "3.0 Stunden planmäßiger Unterricht",
                            "3.0 Stunden erteilter Unterricht laut Plan",
                            "0.0 Stunden erteilter Unterricht in besonderer Form",
                            "0.0 Vertretungsunterrichtstunden mit gleicher Lerngruppe",
                            "0.0 Vertretungsunterrichtstunden mit veränderter Lerngruppe",
                            "0  EVA-Stunden nur in SEK II",
                            "0.0 entfallene Stunden",
                            "",
                            "",
                            "Sekundarstufe II   (Klassenbezeichnung EF, Q1, Q2)",
                            "",
                            "0.0 Stunden planmäßiger Unterricht",
                            "0.0 Stunden erteilter Unterricht laut Plan",
                            "0.0 Stunden erteilter Unterricht in besonderer Form",
                            "0.0 Vertretungsunterrichtstunden mit gleicher Lerngruppe",
                            "0.0 Vertretungsunterrichtstunden mit veränderter Lerngruppe",
                            "0.0 EVA-Stunden",
                            "0.0 entfallene Stunden"}));
  EXPECT_EQ(w.Text().substr(0, 51), "Ermittlung des wöchentlichen Unterrichtsausfalls\r\n");
  EXPECT_EQ(w.KW(), 50);
  EXPECT_FALSE(w.gueltig[3]);
}

TEST_F(WoAusfallTest, VertretungenNachSchuelerbemerkung) {
  TKlasse* k7a = s.HoleKlasse("7a");
  TKlasse* q1 = s.HoleKlasse("Q1");
  TKurs* a = Kurs(l1, fD, {k7a}, {r1}, nullptr, 3);
  TSetzung* p1 = a->NeueSetzung(1, 1, 1, r1);
  TSetzung* p2 = a->NeueSetzung(1, 1, 2, r1);
  TSetzung* p3 = a->NeueSetzung(1, 1, 3, r1);
  TKurs* q = Kurs(l2, fE, {q1}, {r2}, nullptr, 2);
  TSetzung* q1p = q->NeueSetzung(1, 1, 4, r2);
  TSetzung* q2p = q->NeueSetzung(1, 1, 5, r2);
  Abwesend(l1, Tag(0), 1, 16);
  Abwesend(l2, Tag(0), 1, 16);
  ASSERT_EQ(Anzahl(), 5);
  // p1 bleibt unbesetzt: entfällt. p2 mit "Teilnahme": veränderte Lerngruppe. p3 vertreten.
  Von(p2, Tag(0))->fSInfo = "Teilnahme an 7b";
  ASSERT_TRUE(Von(p3, Tag(0))->TrageLehrerEin(l3, nullptr));
  Von(p3, Tag(0))->fSInfo = "Aufgaben";
  // Q1: "eva" zählt ohne Rücksicht auf die Schreibweise als EVA; q2p vertreten.
  Von(q1p, Tag(0))->fSInfo = "eva im Raum";
  ASSERT_TRUE(Von(q2p, Tag(0))->TrageLehrerEin(l3, nullptr));
  (void)p1;
  EXPECT_EQ(Block(false), Erwartet("3.0", "0.0", "0.0", "1.0", "1.0", nullptr, "1.0"));
  EXPECT_EQ(Block(true), Erwartet("2.0", "0.0", "0.0", "1.0", "0.0", "1.0", "0.0"));
  // Ein reiner Raumwechsel (der eigene Lehrer) zählt nicht.
  Abwesend(l2, Tag(0), 0, 0);
  Abwesend(r2, Tag(0), 4, 4);
  ASSERT_NE(Von(q1p, Tag(0)), nullptr);
  EXPECT_EQ(Block(true), Erwartet("2.0", "2.0", "0.0", "0.0", "0.0", "0.0", "0.0"));
}

TEST_F(WoAusfallTest, FehlendeKlasseZaehltInBesondererFormUndHoechstensEinmal) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 2);
  a->NeueSetzung(1, 2, 1, r1);
  a->NeueSetzung(1, 2, 2, r1);
  TKurs* b = Kurs(l2, fM, {k5a, k5b}, {r2}, nullptr, 1);
  b->NeueSetzung(1, 2, 3, r2);
  // Der Lehrer fehlt, 5a fehlt in ihren beiden Stunden: die ungültigen Vertretungen zählen nicht.
  Abwesend(l1, Tag(1), 1, 16);
  Abwesend(k5a, Tag(1), 1, 2);
  // b: der Lehrer fehlt (gültige Vertretung, 5b ist da) und 5a fehlt in Stunde 3 auch; die
  // Stunde zählt nur als betroffen, "laut Plan" wird nicht negativ.
  Abwesend(l2, Tag(1), 3, 3);
  TFehl* f = Fehlt(k5a, Tag(1), {3});
  (void)f;
  EXPECT_EQ(Block(false), Erwartet("3.0", "0.0", "2.0", "0.0", "0.0", nullptr, "1.0"));
}

TEST_F(WoAusfallTest, GruppenNachKuerzelUndWerte) {
  EXPECT_EQ(AusfallGruppe(s.HoleKlasse("EF")), TAusfallGruppe::SekII);
  EXPECT_EQ(AusfallGruppe(s.HoleKlasse("EFa")), TAusfallGruppe::Keine);
  EXPECT_EQ(AusfallGruppe(s.HoleKlasse("q1")), TAusfallGruppe::Keine);
  EXPECT_EQ(AusfallGruppe(k5a), TAusfallGruppe::SekI);
  TKurs* ef = Kurs(l1, fD, {s.HoleKlasse("EF"), s.HoleKlasse("EFa")}, {r1}, nullptr, 1);
  ef->NeueSetzung(1, 1, 1, r1);
  EXPECT_EQ(Block(true)[0], "1.0 Stunden planmäßiger Unterricht");
  st.fDivisor = 3;
  st.fNachKomma = 2;
  EXPECT_EQ(AusfallWert(2), "0.67");
  EXPECT_EQ(AusfallWert(3), "1.00");
  st.fNachKomma = 0;
  EXPECT_EQ(AusfallWert(0), "0");
  st.fDivisor = 2;
  EXPECT_EQ(AusfallWert(1), "1");  // ein halber: von der Null weg
  EXPECT_EQ(AusfallWert(25), "13");
}

TEST_F(WoAusfallTest, EineWocheDieEsNichtGibtAendertNichts) {
  TWoAusfall w;
  ASSERT_TRUE(w.WocheWaehlen(1, 2026));
  EXPECT_EQ(w.VonBisText(), "29.12.2025 - 04.01.2026");
  EXPECT_EQ(w.Zeilen()[1], "KW: 1   Jahr: 2026   Unterrichtstage: 5");
  const auto alt = w.Zeilen();
  EXPECT_FALSE(w.WocheWaehlen(53, 2025));  // 2025 hat 52 Wochen
  EXPECT_FALSE(w.WocheDa());
  EXPECT_EQ(w.Zeilen(), alt);
  EXPECT_EQ(w.KW(), 1);
  EXPECT_EQ(st.fWoAusfallKW, 53);  // die Wahl ist gemerkt
  EXPECT_EQ(st.fWoAusfallJahr, 2025);
  EXPECT_TRUE(w.WocheWaehlen(53, 2026));
  EXPECT_EQ(w.VonBisText(), "28.12.2026 - 03.01.2027");
  int kw = 0, jahr = 0;
  IsoWocheUndJahr(DatumZuZahl(2027, 1, 2), kw, jahr);
  EXPECT_EQ(kw, 53);
  EXPECT_EQ(jahr, 2026);
}

}  // namespace
