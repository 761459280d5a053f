#include <gtest/gtest.h>

#include <cmath>

#include "TestUmgebung.h"
#include "model/DatumUnit.h"
#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"

// Abfragen der Elemente über Abwesenheiten und Vertretungen, und das Monatskonto.
class VertretungsAbfragen : public ::testing::Test {
 protected:
  VertretungsAbfragen() {
    l = s.HoleLehrer("L");
    m = s.HoleLehrer("M");
    k = s.HoleKlasse("5a");
    r = s.HoleRaum("R1");
    kurs = TKurs::IKurs(l, k, nullptr, nullptr, r, 3);
    kurs->fFaktor = 2;
    setzung = kurs->NeueSetzung(1, 1, 2, r);  // jeder Montag, 2. Stunde
  }

  void KlasseFehlt(TPlanElement* e, TDateTime datum, int std) {
    auto f = std::make_unique<TFehl>();
    f->fElement = e;
    f->fDatum = datum;
    f->fZeit = FehlBit(std);
    s.FehlMenge(e->Art())->ListeAnhaengen(std::move(f));
  }

  TVertretung* Vertretung(TLehrer* vertreter, bool angerechnet) {
    auto v = std::make_unique<TVertretung>();
    v->fDatum = montag;
    v->fKurs = kurs;
    v->fSetzung = setzung;
    v->fLehrer = vertreter;
    v->fRaum = r;
    v->fGueltig = true;
    v->fAngerechnet = angerechnet;
    return s.VertretungAufnehmen(std::move(v));
  }

  TTestUmgebung u;
  TSchule& s = u.schule();
  TLehrer* l;
  TLehrer* m;
  TKlasse* k;
  TRaum* r;
  TKurs* kurs;
  TSetzung* setzung;
  const TDateTime montag = DatumZuZahl(2026, 12, 7) + 0.5;
};

TEST_F(VertretungsAbfragen, AbwesendNurAmTagUndInDerStunde) {
  ASSERT_NE(setzung, nullptr);
  KlasseFehlt(k, montag, 2);
  EXPECT_TRUE(k->Abwesend(montag, 2));
  EXPECT_TRUE(k->Abwesend(std::floor(montag), 2));  // die Uhrzeit zählt nicht
  EXPECT_FALSE(k->Abwesend(montag, 3));
  EXPECT_FALSE(k->Abwesend(montag + 7, 2));
  EXPECT_FALSE(l->Abwesend(montag, 2));  // andere Liste
}

TEST_F(VertretungsAbfragen, WurdeFreiUndRaumBesetzt) {
  EXPECT_FALSE(l->WurdeFrei(montag, 2));
  EXPECT_TRUE(r->Besetzt(montag, 2));
  KlasseFehlt(k, montag, 2);
  EXPECT_TRUE(l->WurdeFrei(montag, 2));
  EXPECT_FALSE(r->Besetzt(montag, 2));
  EXPECT_FALSE(l->WurdeFrei(montag + 7, 2));  // eine Woche später fehlt niemand
  // Eine zweite, anwesende Klasse hält den Raum besetzt und den Lehrer im Unterricht.
  kurs->KlasseErgaenzen(s.HoleKlasse("5b"));
  EXPECT_FALSE(l->WurdeFrei(montag, 2));
  EXPECT_TRUE(r->Besetzt(montag, 2));
}

TEST_F(VertretungsAbfragen, VertrittSchon) {
  EXPECT_FALSE(m->VertrittSchon(montag, 2));
  TVertretung* v = Vertretung(m, true);
  EXPECT_TRUE(m->VertrittSchon(montag, 2));
  EXPECT_FALSE(m->VertrittSchon(montag, 3));
  EXPECT_FALSE(l->VertrittSchon(montag, 2));
  EXPECT_TRUE(r->VertrittSchon(montag, 2));
  v->fGueltig = false;
  EXPECT_FALSE(m->VertrittSchon(montag, 2));
  EXPECT_FALSE(r->VertrittSchon(montag, 2));
  // Der eigene Lehrer des Kurses "vertritt" nicht.
  v->fGueltig = true;
  v->fLehrer = l;
  EXPECT_FALSE(l->VertrittSchon(montag, 2));
}

TEST_F(VertretungsAbfragen, MonatskontoZaehltGutschriftenUndAusfaelle) {
  KlasseFehlt(k, montag, 2);
  Vertretung(m, true);
  const TDateTime erster = DatumZuZahl(2026, 12, 1), letzter = DatumZuZahl(2026, 12, 31);
  // M vertritt angerechnet: + Faktor. L fällt aus, weil die Klasse fehlt: - Faktor.
  EXPECT_EQ(m->erzeugeMonatsStunden(erster, letzter), 2);
  EXPECT_EQ(l->erzeugeMonatsStunden(erster, letzter), -2);
  EXPECT_EQ(l->fDict.at("202612"), "-2");
  EXPECT_EQ(m->MonatsStunden(2026, 12), 2);
  // Fehlt auch der Lehrer, wird ihm der Ausfall nicht abgezogen.
  KlasseFehlt(l, montag, 2);
  EXPECT_EQ(l->erzeugeMonatsStunden(erster, letzter), 0);
  // Ohne gespeicherten Wert rechnet MonatsStunden den ganzen Monat.
  EXPECT_EQ(m->MonatsStunden(2026, 11), 0);
  EXPECT_EQ(m->fDict.at("202611"), "0");
}

TEST_F(VertretungsAbfragen, NichtAngerechneteVertretungZaehltNicht) {
  Vertretung(m, false);
  EXPECT_EQ(m->erzeugeMonatsStunden(DatumZuZahl(2026, 12, 1), DatumZuZahl(2026, 12, 31)), 0);
}

// Eine Buchung landet im Monat ihres Datums; "Monatsstd." ändert sich nur, wenn es der gezeigte
// Monat ist.
TEST_F(VertretungsAbfragen, AendereVStunden3BuchtInDenMonatDesDatums) {
  m->fDict["202612"] = "4";
  m->fDict["202701"] = "1";
  m->VStunden3Waehlen(2026, 12);
  m->aendereVStunden3(montag, 3);
  EXPECT_EQ(m->fVStunden3, 7);
  EXPECT_EQ(m->fDict.at("202612"), "7");
  EXPECT_EQ(m->MonatsStunden(2026, 12), 7);
  m->aendereVStunden3(DatumZuZahl(2027, 1, 4), -2);
  EXPECT_EQ(m->fDict.at("202701"), "-1");
  EXPECT_EQ(m->fDict.at("202612"), "7");
  EXPECT_EQ(m->fVStunden3, 7);
}
