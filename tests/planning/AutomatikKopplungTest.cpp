// Gekoppelte Kurse: gemeinsame unmögliche Zellen, Räume für alle, der rechnende Kurs, Bewertung.
#include "AutomatikHilfe.h"
#include "PlanInvarianten.h"
#include "PlanRegelPruefung.h"
#include "planning/AutomatRaumUnit.h"

namespace {
using Z = std::vector<std::string>;
}  // namespace

class AutomatikKopplungTest : public AutomatikTest {
 protected:
  // Drei Kurse einer Kopplung mit je drei Räumen. Mittwoch 1 (Ordnung 1) sind nur zwei
  // verschiedene Räume frei, Montag 5 (Ordnung 2) drei, aber nur auf eine Weise verteilt.
  void DreiKurseDreiRaeume() {
    r4 = s.HoleRaum("R4");
    r5 = s.HoleRaum("R5");
    a = AuKurs(l1, fD, {k5a}, {r1, r2, r4}, g, 1, 1, 0, 1);
    b = AuKurs(l2, fM, {k5a}, {r1, r4, r5}, g, 1, 1, 0, 1);
    c = AuKurs(l3, fE, {k5a}, {r2, r3, r5}, g, 1, 1, 0, 1);
    for (TRaum* r : {r3, r4, r5}) r->fSperrung.SetWocheTagStd(1, 3, 1, true);
    for (TRaum* r : {r4, r5}) r->fSperrung.SetWocheTagStd(1, 1, 5, true);
  }
  TRaum *r4 = nullptr, *r5 = nullptr;
  TKurs *a = nullptr, *b = nullptr, *c = nullptr;
};

TEST_F(AutomatikKopplungTest, DreiKurseNurWoDreiVerschiedeneRaeumeFreiSind) {
  st.fAuRaumUnwichtig = false;
  DreiKurseDreiRaeume();
  Rechne({a});
  // a hat R1 oder R2, b nur R1, c R2 oder R3: die einzige Verteilung nach Rücksetzen.
  EXPECT_EQ(Stunden(a), (Z{"1.5 R2"}));
  EXPECT_EQ(Stunden(b), (Z{"1.5 R1"}));
  EXPECT_EQ(Stunden(c), (Z{"1.5 R3"}));
  EXPECT_TRUE(automat.Rest().empty());
  EXPECT_EQ(automat.Gesetzt(), 3);
  EXPECT_TRUE(BelegungenStimmen(s));
}

TEST_F(AutomatikKopplungTest, RaumUnwichtigJederKursNimmtSeinenErstenFreienRaum) {
  DreiKurseDreiRaeume();
  ASSERT_EQ(g->fKurse.ListeNrInhalt(1), a);
  ASSERT_EQ(g->fKurse.ListeNrInhalt(2), b);
  Rechne({a});
  // Die Räume zählen bei der Wahl der Zelle nicht: Mittwoch 1.
  EXPECT_EQ(Stunden(a), (Z{"3.1 R1"}));
  EXPECT_EQ(Stunden(b), (Z{"3.1"}));  // R1 hat a, R4 und R5 sind gesperrt
  EXPECT_EQ(Stunden(c), (Z{"3.1 R2"}));
  EXPECT_TRUE(BelegungenStimmen(s));
}

// Hat ein Lehrer zwei Kurse der Kopplung, kann sie nicht in einer Zelle liegen: der erste Kurs
// wird gesetzt, der zweite bleibt offen, statt den Lehrer doppelt zu belegen.
TEST_F(AutomatikKopplungTest, LehrerZweimalInDerKopplungWirdNichtDoppeltBelegt) {
  TKurs* x = AuKurs(l1, fD, {k5a}, {r1}, g, 1, 1, 0, 1);
  TKurs* y = AuKurs(l1, fM, {k5b}, {r2}, g, 1, 1, 0, 1);
  Rechne({x});
  EXPECT_EQ(x->fSetzungen.ListeZahlElemente() + y->fSetzungen.ListeZahlElemente(), 1);
  EXPECT_TRUE(PlanVerstoesse(s).empty());
  EXPECT_TRUE(BelegungenStimmen(s));
}

// Zwei Planversionen: der Partner liegt in der ersten Woche schon ganz, in der zweiten noch
// nicht. In der ersten Woche kann der offene Kurs nur in die Zelle des Partners (der nichts mehr
// offen hat und nicht mitgesetzt wird), sonst läge er dort ohne ihn.
TEST_F(AutomatikKopplungTest, EinInDieserWocheVollerPartnerBestimmtDieZelle) {
  ZweiWochen();
  TKurs* x = AuKurs(l1, fD, {k5a}, {}, g, 1, 1, 0, 1);
  TKurs* y = AuKurs(l2, fM, {k5b}, {}, g, 1, 1, 0, 1);
  y->NeueSetzung(1, 4, 6, nullptr);
  Rechne({x});
  EXPECT_EQ(Stunden(x, 1), (Z{"4.6"}));
  EXPECT_EQ(Stunden(y, 1), (Z{"4.6"}));
  EXPECT_EQ(Stunden(x, 2), Stunden(y, 2));
  EXPECT_EQ(Stunden(x, 2).size(), 1u);
  EXPECT_TRUE(BelegungenStimmen(s));
}

TEST_F(AutomatikKopplungTest, ZweiKurseMitNurEinemRaumFindenKeineZelle) {
  st.fAuRaumUnwichtig = false;
  TKurs* x = AuKurs(l1, fD, {k5a}, {r1}, g, 1, 1, 0, 1);
  TKurs* y = AuKurs(l2, fM, {k5a}, {r1}, g, 1, 1, 0, 1);
  Rechne({x});
  EXPECT_TRUE(x->fSetzungen.empty());
  EXPECT_TRUE(y->fSetzungen.empty());
  EXPECT_EQ(automat.Rest(), (std::vector<TKurs*>{x, y}));
  EXPECT_EQ(automat.NichtVerplanbar(), 2);
  EXPECT_EQ(anzeige.fPiepser, 0);
}

TEST_F(AutomatikKopplungTest, DieKopplungGehtNurWohinAlleOffenenKurseKoennen) {
  TKurs* x = AuKurs(l1, fD, {k5a}, {}, g, 1, 1, 0, 1);
  TKurs* y = AuKurs(l2, fM, {k5b}, {}, g, 1, 1, 0, 1);
  // Der Lehrer von y hat Mittwoch 1 schon.
  AuKurs(l2, fE, {}, {}, nullptr, 1, 1, 0, 1)->NeueSetzung(1, 3, 1, nullptr);
  Rechne({x});
  EXPECT_EQ(Stunden(x), (Z{"1.5"}));
  EXPECT_EQ(Stunden(y), (Z{"1.5"}));
  // Beide wurden gesammelt (y als Partner) und sind fertig.
  EXPECT_TRUE(automat.Kurse().empty());
  EXPECT_TRUE(automat.Rest().empty());
}

TEST_F(AutomatikKopplungTest, KlassenzelleIstNurFuerDieEigeneKopplungFrei) {
  TKopplung* g2 = s.HoleKopplung("G2");
  TKurs* kurs = AuKurs(l1, fD, {k5a}, {}, g, 2, 1, 0, 1);
  TKurs* partner = AuKurs(l2, fM, {k5a}, {}, g, 1, 1, 0, 1);
  TKurs* ohne = AuKurs(l3, fE, {k5a}, {}, nullptr, 1, 1, 0, 1);
  TKurs* fremd = AuKurs(s.HoleLehrer("ABC"), fE, {k5a}, {}, g2, 1, 1, 0, 1);
  partner->NeueSetzung(1, 1, 5, nullptr);
  ohne->NeueSetzung(1, 3, 1, nullptr);
  fremd->NeueSetzung(1, 5, 3, nullptr);
  kurs->fBewertung = 0;
  kurs->BewerteAutomatik(false);
  EXPECT_FALSE(kurs->fSetzungUnmoeglich.GetWocheTagStd(1, 1, 5));  // eigene Kopplung
  EXPECT_TRUE(kurs->fSetzungUnmoeglich.GetWocheTagStd(1, 3, 1));   // ohne Kopplung
  EXPECT_TRUE(kurs->fSetzungUnmoeglich.GetWocheTagStd(1, 5, 3));   // andere Kopplung
  EXPECT_TRUE(kurs->fSetzungUnmoeglich.GetWocheTagStd(1, 6, 1));   // hinter dem Freitag
  EXPECT_FALSE(kurs->fSetzungUnmoeglich.GetWocheTagStd(1, 2, 1));

  // Gerechnet: nie auf die Stunde ohne Kopplung (Ordnung 1), aber zur Stunde des Partners
  // (Ordnung 2); Freitag 3 hat die andere Kopplung, Dienstag ist Nachbar: Donnerstag 5.
  Rechne({kurs});
  EXPECT_EQ(Stunden(kurs), (Z{"1.5", "4.5"}));
  EXPECT_EQ(Stunden(partner), (Z{"1.5"}));
  EXPECT_TRUE(BelegungenStimmen(s));
}

TEST_F(AutomatikKopplungTest, GerechnetWirdDerZuVerplanendeKursMitDenMeistenStunden) {
  // Der Kurs "nicht verplanen" hat mehr Stunden, rechnet aber nicht: sonst bekäme der andere
  // Einzelstunden nach Tabelle 1 statt seiner Doppelstunde nach Tabelle 3.
  TKurs* nie = AuKurs(l1, fD, {k5a}, {}, g, 10, 1, 0, 1);
  nie->fNichtVerplanen = true;
  TKurs* kurs = AuKurs(l2, fM, {k5a}, {}, g, 2, 2, 0, 3);
  Rechne({nie, kurs});
  EXPECT_EQ(Stunden(kurs), (Z{"1.1", "1.2"}));
  EXPECT_TRUE(nie->fSetzungen.empty());
  EXPECT_EQ(automat.Gesetzt(), 2);
}

TEST_F(AutomatikKopplungTest, BeiGleichenStundenRechnetDerErsteDerKopplung) {
  // x (Tabelle 3, Doppelstunde) steht in der Kopplung vor y (Tabelle 4): x gibt den Takt.
  TKurs* x = AuKurs(l1, fD, {k5a}, {}, g, 2, 2, 0, 3);
  TKurs* y = AuKurs(l2, fM, {k5a}, {}, g, 2, 1, 0, 4);
  ASSERT_EQ(g->fKurse.ListeNrInhalt(1), x);
  Rechne({y});
  EXPECT_EQ(Stunden(x), (Z{"1.1", "1.2"}));
  EXPECT_EQ(Stunden(y), (Z{"1.1", "1.2"}));
}

TEST_F(AutomatikKopplungTest, BewertungUndRechenfolge) {
  TKurs* einzeln = AuKurs(l1, fD, {s.HoleKlasse("6a")}, {}, nullptr, 4, 2, 0, 1);
  for (int h = 1; h <= 3; ++h) einzeln->fSperrung.SetWocheTagStd(1, 2, h, true);
  einzeln->NeueSetzung(1, 4, 4, nullptr);
  einzeln->BewerteAutomatik(true);
  einzeln->TrageBewertungEin();
  // 4 Stunden + (32 hinter Freitag + 3 gesperrt + 1 gesetzt) + 3·2 + 1 gesetzt.
  EXPECT_EQ(einzeln->fBewertung, 4 + 36 + 6 + 1);
  einzeln->fSperrung.SetWocheTagStd(1, 2, 4, true);
  einzeln->TrageBewertungEin();  // schon bewertet: bleibt
  EXPECT_EQ(einzeln->fBewertung, 47);

  TKurs* x = AuKurs(l2, fM, {k5a, k5b}, {}, g, 2, 1, 0, 1);
  TKurs* y = AuKurs(l3, fE, {k5a}, {}, g, 1, 1, 0, 1);
  x->BewerteAutomatik(true);
  x->TrageBewertungEin();
  // 100 · (2 + 32 + 3 + 0) + (2 + 1) + (1 + 1).
  EXPECT_EQ(x->fBewertung, 3705);
  EXPECT_EQ(y->fBewertung, 0);

  automat.KurseSammeln({einzeln, y});
  EXPECT_EQ(automat.Kurse(), (std::vector<TKurs*>{x, y, einzeln}));
}

// C (3 Einzelstunden, Tabelle 4) und P liegen gekoppelt Montag 1 und 2. Die Korrektur der
// Einzelstunden nimmt Montag 1 mit der Kopplung heraus und setzt sie an einen leeren Tag.
class AutomatikEinzelKopplungTest : public AutomatikKopplungTest {
 protected:
  AutomatikEinzelKopplungTest() {
    c = AuKurs(l1, fD, {k5a}, {}, g, 3, 1, 3, 4);
    p = AuKurs(l2, fM, {k5b}, {}, g, 2, 1, 0, 1);
    for (int h : {1, 2}) {
      c->NeueSetzung(1, 1, h, nullptr);
      p->NeueSetzung(1, 1, h, nullptr);
    }
  }
  TKurs *c = nullptr, *p = nullptr;
};

TEST_F(AutomatikEinzelKopplungTest, DasZielIstFuerJedenVerschobenenPartnerFrei) {
  // Der Lehrer von P hat Dienstag 1 (Ordnung 2) schon: P darf nicht dorthin mit.
  TKurs* q = AuKurs(l2, fE, {s.HoleKlasse("6a")}, {}, nullptr, 1, 1, 0, 1);
  q->NeueSetzung(1, 2, 1, nullptr);
  Rechne({c});
  EXPECT_EQ(Stunden(c), (Z{"1.2", "3.1", "4.1"}));
  EXPECT_EQ(Stunden(p), (Z{"1.2", "4.1"}));
  EXPECT_EQ(Stunden(q), (Z{"2.1"}));
  EXPECT_TRUE(PlanRegelnStimmen(s));
}

TEST_F(AutomatikEinzelKopplungTest, EineFixierteStundeEinesPartnersBleibt) {
  p->SetzungFinden(1, 1, 1)->fFixiert = true;
  Rechne({c});
  // Montag 1 ist fixiert: genommen wird Montag 2, gesetzt am Dienstag.
  EXPECT_EQ(Stunden(c), (Z{"1.1", "2.1", "3.1"}));
  EXPECT_EQ(Stunden(p), (Z{"1.1", "2.1"}));
  ASSERT_TRUE(p->SetzungFinden(1, 1, 1));
  EXPECT_TRUE(p->SetzungFinden(1, 1, 1)->fFixiert);
  EXPECT_TRUE(PlanRegelnStimmen(s));
}

TEST(AutomatikRaeume, ErsteVerteilungInListenfolgeMitRuecksetzen) {
  TTestUmgebung u;
  TSchule& s = u.schule();
  TRaum* r1 = s.HoleRaum("R1");
  TRaum* r2 = s.HoleRaum("R2");
  TRaum* r3 = s.HoleRaum("R3");
  TKurs* a = TKurs::IKurs(nullptr, nullptr, nullptr, nullptr, r1, 1);
  a->RaumErgaenzen(r2, false);
  a->RaumErgaenzen(r3, false);
  TKurs* b = TKurs::IKurs(nullptr, nullptr, nullptr, nullptr, r1, 1);
  b->RaumErgaenzen(r2, false);
  TKurs* ohne = TKurs::IKurs(nullptr, nullptr, nullptr, nullptr, nullptr, 1);
  const auto alle = [](const TRaum*) { return true; };
  std::vector<TRaum*> wahl;
  ASSERT_TRUE(VerschiedeneRaeume({a, ohne, b}, alle, &wahl));
  EXPECT_EQ(wahl, (std::vector<TRaum*>{r1, nullptr, r2}));
  // R1 nicht brauchbar: b muss R2 haben, a weicht auf R3 aus.
  const auto ohneR1 = [&](const TRaum* r) { return r != r1; };
  ASSERT_TRUE(VerschiedeneRaeume({a, b}, ohneR1, &wahl));
  EXPECT_EQ(wahl, (std::vector<TRaum*>{r3, r2}));
  // Nur R1: zwei Kurse finden keine zwei Räume.
  const auto nurR1 = [&](const TRaum* r) { return r == r1; };
  EXPECT_FALSE(VerschiedeneRaeume({a, b}, nurR1, &wahl));
  EXPECT_TRUE(VerschiedeneRaeume({a, ohne}, nurR1, nullptr));
}

// x (vier Stunden) liegt schon dreimal, y (zwei Stunden) gar nicht: y rechnet. Die erste Stunde
// setzt beide; danach liegt x ganz und wird nicht mehr mitgesetzt. Die zweite Stunde von y darf
// nur noch in eine Zelle, in der x schon liegt, sonst läge y dort ohne x (oder gar nicht).
TEST_F(AutomatikKopplungTest, NachDerErstenStundeVollerPartnerBestimmtDieZweite) {
  TKurs* x = AuKurs(l1, fD, {k5a}, {}, g, 4, 1, 0, 1);
  TKurs* y = AuKurs(l2, fM, {k5b}, {}, g, 2, 1, 0, 1);
  for (int t : {1, 2, 4}) x->NeueSetzung(1, t, 2, nullptr);
  Rechne({y});
  ASSERT_FALSE(Stunden(y).empty());
  for (const TSetzung* z : y->fSetzungen)
    EXPECT_TRUE(x->SetzungFinden(1, z->fTag, z->fStunde)) << z->fTag << "." << z->fStunde;
  EXPECT_EQ(Stunden(x).size(), 4u);
  EXPECT_TRUE(PlanVerstoesse(s).empty());
  EXPECT_TRUE(BelegungenStimmen(s));
}
