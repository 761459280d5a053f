// Die Konten der Vertreter ("V-Std 1", "V-Std 2", "Monatsstd.") bleiben richtig, was auch mit
// dem Plan, den Vertretungen und der Datei geschieht: nach jedem Schritt stimmen sie mit dem, was
// sich aus den Vertretungen und Abwesenheiten neu berechnen lässt.
#include "VertretungHilfe.h"
#include "persistence/ReadUnit.h"
#include "persistence/WriteUnit.h"

namespace {

class KontenTest : public VertretungsTest {
 protected:
  // Sichert die Schule und öffnet sie wieder als neue Schule (die alten Zeiger gelten nicht mehr).
  TSchule& Wiederoeffnen(TSchule& alt) {
    const std::vector<std::uint8_t> bytes = SchuleAlsBytes(alt);
    u.NeueSchule();
    std::string fehler;
    EXPECT_TRUE(ReadSchuleAusBytes(bytes, "konten.tmr", u.schule(), fehler)) << fehler;
    return u.schule();
  }
  static TLehrer* Lehrer(TSchule& schule, const char* kuerzel) {
    return static_cast<TLehrer*>(schule.HoleElement(schule.fLehrerMenge, kuerzel));
  }
};

TEST_F(KontenTest, DieBuchungGiltDemMonatDesTagesUndNurDessenAnzeige) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 4);
  TKurs* b = Kurs(l2, fM, {k5b}, {r2}, nullptr, 4);
  TSetzung* pa = a->NeueSetzung(1, 1, 3, r1);
  b->NeueSetzung(1, 1, 4, r2);
  // Drei Vertretungen im Dezember: +3.
  for (int woche : {0, 7, 14}) {
    Abwesend(l1, Tag(woche), 3, 3);
    ASSERT_TRUE(Von(pa, Tag(woche))->TrageLehrerEin(l2, nullptr));
  }
  EXPECT_EQ(l2->MonatsStunden(2026, 12), 3);
  // Morgens fehlt eine Klasse von l2: der Dezember verliert eine Stunde, nicht mehr.
  Abwesend(k5b, Tag(21), 4, 4);
  EXPECT_EQ(l2->fDict.at("202612"), "2");
  EXPECT_EQ(l2->fVStunden3, 0);  // das Fenster zeigt keinen Monat
  EXPECT_TRUE(VertretungenStimmen(s));
  // Das Fenster zeigt den Januar; eine längere Abwesenheit reicht hinein.
  l2->VStunden3Waehlen(2027, 1);
  EXPECT_EQ(l2->fVStunden3, 0);
  Abwesend(k5b, Tag(28), 4, 4);  // Montag, 4.1.2027
  EXPECT_EQ(l2->fVStunden3, -1);
  EXPECT_EQ(l2->fDict.at("202701"), "-1");
  Abwesend(k5b, Tag(21), 0, 0);  // zurück im Dezember: nur der Dezember
  EXPECT_EQ(l2->fVStunden3, -1);
  EXPECT_EQ(l2->fDict.at("202612"), "3");
  EXPECT_EQ(l2->fVStunden1, 2);
  EXPECT_TRUE(VertretungenStimmen(s));
}

TEST_F(KontenTest, EineVerschobeneEntfernteOderWiderrufeneStundeNimmtDieGutschriftMit) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 4);
  TKurs* b = Kurs(l2, fM, {k5b}, {r2}, nullptr, 4);
  a->NeueSetzung(1, 1, 3, r1);
  b->NeueSetzung(1, 1, 5, r2);
  Abwesend(l1, Tag(0), 1, 6);
  auto vertreten = [&](int std) {
    TSetzung* p = a->SetzungFinden(1, 1, std);
    ASSERT_NE(p, nullptr);
    ASSERT_NE(Von(p, Tag(0)), nullptr);
    ASSERT_TRUE(Von(p, Tag(0))->TrageLehrerEin(l2, nullptr));
    EXPECT_EQ(l2->fVStunden1, 1);
  };
  vertreten(3);
  a->Schiebe(4, 4, 1, 3, false);  // an einen anderen Tag: keine Vertretung mehr nötig
  EXPECT_EQ(l2->fVStunden1, 0);
  EXPECT_EQ(Anzahl(), 0);
  EXPECT_TRUE(VertretungenStimmen(s));
  a->Schiebe(1, 2, 4, 4, false);
  vertreten(2);
  a->LoescheSetzung(1, 1, 2, false);
  EXPECT_EQ(l2->fVStunden1, 0);
  EXPECT_TRUE(VertretungenStimmen(s));
  // Widerrufen der manuellen Planung: die Stunde geht den Weg zurück.
  {
    TManuellProtokoll protokoll;
    a->NeueSetzung(1, 1, 4, r1);
    vertreten(4);
    protokoll.Widerrufen();
  }
  EXPECT_EQ(a->SetzungFinden(1, 1, 4), nullptr);
  EXPECT_EQ(l2->fVStunden1, 0);
  EXPECT_EQ(l2->MonatsStunden(2026, 12), 0);
  EXPECT_TRUE(VertretungenStimmen(s));
}

// Ein neuer Faktor gilt für alles schon Gebuchte: die Lastschrift der ausfallenden Stunde und die
// Gutschrift des Vertreters werden nachgebucht, und das Lösen bucht genau das zurück.
TEST_F(KontenTest, EinNeuerFaktorBuchtNach) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 4);
  TKurs* b = Kurs(l2, fM, {k5b}, {r2}, nullptr, 4);
  b->NeueSetzung(1, 1, 3, r2);
  Abwesend(k5b, Tag(0), 3, 3);
  EXPECT_EQ(l2->fVStunden1, -1);
  TSetzung* pa = a->NeueSetzung(1, 1, 4, r1);
  Abwesend(l1, Tag(0), 4, 4);
  ASSERT_TRUE(Von(pa, Tag(0))->TrageLehrerEin(l2, nullptr));
  EXPECT_EQ(l2->fVStunden1, 0);
  KursFaktorSetzen(b, 3);  // die ausfallende Stunde: -3 statt -1
  EXPECT_EQ(l2->fVStunden1, -2);
  KursFaktorSetzen(a, 2);  // die Vertretung: +2 statt +1
  EXPECT_EQ(l2->fVStunden1, -1);
  EXPECT_EQ(l2->fVStunden2, -1);
  EXPECT_EQ(l2->MonatsStunden(2026, 12), -1);
  EXPECT_TRUE(VertretungenStimmen(s));
  b->LoescheSetzung(1, 1, 3, false);
  Abwesend(l1, Tag(0), 0, 0);
  EXPECT_EQ(l2->fVStunden1, 0);
  EXPECT_EQ(l2->MonatsStunden(2026, 12), 0);
  EXPECT_TRUE(VertretungenStimmen(s));
}

TEST_F(KontenTest, EineStundeAusDerOderInDieStundeEinerFehlendenKlasse) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 4);
  a->fFaktor = 2;
  a->NeueSetzung(1, 1, 3, r1);
  Abwesend(k5a, Tag(0), 3, 3);
  EXPECT_EQ(l1->fVStunden1, -2);
  a->Schiebe(1, 5, 1, 3, false);  // heraus: der Lehrer gibt sie doch
  EXPECT_EQ(l1->fVStunden1, 0);
  EXPECT_TRUE(VertretungenStimmen(s));
  a->Schiebe(1, 3, 1, 5, false);  // wieder hinein: sie fällt aus
  EXPECT_EQ(l1->fVStunden1, -2);
  EXPECT_TRUE(VertretungenStimmen(s));
  a->LoescheSetzung(1, 1, 3, false);
  EXPECT_EQ(l1->fVStunden1, 0);
  a->NeueSetzung(1, 1, 3, r1);
  Abwesend(k5a, Tag(0), 0, 0);  // die Klasse kommt zurück: nichts bleibt gutgeschrieben
  EXPECT_EQ(l1->fVStunden1, 0);
  EXPECT_EQ(l1->fVStunden2, 0);
  EXPECT_EQ(l1->MonatsStunden(2026, 12), 0);
  EXPECT_TRUE(VertretungenStimmen(s));
}

TEST_F(KontenTest, DasOeffnenKuerztKeinMonatskonto) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 4);
  TKurs* b = Kurs(l2, fM, {k5b}, {r2}, nullptr, 4);
  TSetzung* pa = a->NeueSetzung(1, 1, 3, r1);
  b->NeueSetzung(1, 1, 4, r2);
  // Heute ist der 9.12.: der 2. und 9.11. liegen weit hinter der Aufbewahrungsfrist (10 Tage).
  for (int tag : {-35, -28, 0}) {
    Abwesend(l1, Tag(tag), 3, 3);
    ASSERT_TRUE(Von(pa, Tag(tag))->TrageLehrerEin(l2, nullptr));
  }
  Abwesend(k5b, Tag(-28), 4, 4);
  EXPECT_EQ(l2->fVStunden1, 2);
  EXPECT_TRUE(VertretungenStimmen(s));
  TSchule& t = Wiederoeffnen(s);
  TLehrer* m = Lehrer(t, "SCH");
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(m->fDict.at("202611"), "1");
  EXPECT_EQ(m->fDict.at("202612"), "1");
  EXPECT_EQ(m->fVStunden1, 2);
  EXPECT_EQ(t.fVertretungsMenge.ListeZahlElemente(), 3);
  EXPECT_TRUE(VertretungenStimmen(t));
  // Am 20.1. ist der November verfallen, ganz; der Dezember ist noch der vorige Monat.
  u.uhr.fJetzt = DatumZuZahl(2027, 1, 20) + 0.5;
  TSchule& j = Wiederoeffnen(t);
  m = Lehrer(j, "SCH");
  EXPECT_EQ(j.fVertretungsMenge.ListeZahlElemente(), 1);
  EXPECT_TRUE(j.fFehlKlassenMenge.empty());
  EXPECT_EQ(m->fDict.at("202612"), "1");
  EXPECT_EQ(m->fDict.count("202611"), 0u);
  EXPECT_EQ(m->fVStunden1, 2);  // die laufende Summe behält den November
  EXPECT_TRUE(VertretungenStimmen(j, {{"SCH", 1}}));
}

TEST_F(KontenTest, EineVergebeneStundeWirdNichtStillUmgewidmet) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 4);
  TKurs* b = Kurs(l2, fM, {k5b}, {r2}, nullptr, 4);
  TSetzung* pa3 = a->NeueSetzung(1, 1, 3, r1);
  TSetzung* pa4 = a->NeueSetzung(1, 1, 4, r1);
  TSetzung* pb = b->NeueSetzung(1, 2, 2, r2);  // dienstags 2.
  Abwesend(l1, Tag(0), 3, 4);
  TStatt statt;
  statt.fLehrer = l2;
  statt.fKurs = b;
  statt.fSetzung = pb;
  statt.fDatum = Tag(1);
  TVertretung* v3 = Von(pa3, Tag(0));
  TVertretung* v4 = Von(pa4, Tag(0));
  ASSERT_TRUE(v3->TrageLehrerEin(l2, &statt));
  TVertretung* vb = Von(pb, Tag(1));
  ASSERT_NE(vb, nullptr);
  EXPECT_EQ(vb->fVon, v3);
  // Dasselbe (inzwischen veraltete) Angebot für die nächste Stunde: abgelehnt, mit Meldung.
  EXPECT_FALSE(v4->TrageLehrerEin(l2, &statt));
  EXPECT_EQ(Titel().back(), "Stunde schon vergeben");
  EXPECT_EQ(v3->fZu, vb);
  EXPECT_EQ(vb->fVon, v3);
  EXPECT_EQ(v4->fLehrer, nullptr);
  EXPECT_TRUE(VertretungenStimmen(s));
}

TEST_F(KontenTest, EineVertreteneEigeneStundeWirdNichtZurStattStunde) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 4);
  TKurs* b = Kurs(l2, fM, {k5b}, {r2}, nullptr, 4);
  TSetzung* pa = a->NeueSetzung(1, 1, 3, r1);
  TSetzung* pb = b->NeueSetzung(1, 1, 3, r2);
  Abwesend(l1, Tag(0), 3, 3);
  Abwesend(r2, Tag(0), 3, 3);  // Raumwechsel für l2s Stunde
  u.dialog.Antworte("Ja");     // l3 hat diesen Tag frei
  ASSERT_TRUE(Von(pb, Tag(0))->TrageLehrerEin(l3, nullptr));
  EXPECT_EQ(l3->fVStunden1, 1);
  // l2 vertritt A; seine eigene Stunde gibt schon l3: er ist frei, A zählt.
  ASSERT_TRUE(Von(pa, Tag(0))->TrageLehrerEin(l2, nullptr));
  EXPECT_EQ(Von(pb, Tag(0))->fLehrer, l3);
  EXPECT_EQ(Von(pa, Tag(0))->fZu, nullptr);
  EXPECT_EQ(l3->fVStunden1, 1);
  EXPECT_EQ(l2->fVStunden1, 1);
  EXPECT_TRUE(VertretungenStimmen(s));
}

}  // namespace
