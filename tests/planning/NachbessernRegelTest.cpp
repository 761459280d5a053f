// Das Nachbessern hält die Regeln der Rechnung: keine Kette, die Stunden kostet; Stunden, die in
// ihrer Zelle bleiben, sind unberührt; freie Tage wie die Automatik; keine richtige Woche wird
// falsch; ohne offene Stunden geschieht nichts; das Protokoll des Manuellfensters bekommt den
// Lauf als ein Stück.
#include "AutomatikHilfe.h"
#include "PlanInvarianten.h"
#include "PlanRegelPruefung.h"
#include "PlanungsPruefung.h"
#include "model/KlassenUnit.h"
#include "model/LehrerUnit.h"
#include "planning/UndoUnit.h"
#include "substitution/VertretungUnit.h"

namespace {
using Z = std::vector<std::string>;

// Sperrt den Kurs in Woche 1 überall außer in den Zellen (Tag, Stunde).
void NurZellen(TKurs* k, std::initializer_list<std::pair<int, int>> zellen) {
  for (int t = 1; t <= 7; ++t)
    for (int h = 1; h <= 16; ++h) {
      bool frei = false;
      for (const auto& [ft, fh] : zellen) frei = frei || (ft == t && fh == h);
      k->fSperrung.SetWocheTagStd(1, t, h, !frei);
    }
}
}  // namespace

class NachbessernRegelTest : public AutomatikTest {
 protected:
  TNachbessernErgebnis Nachbessern() {
    TNachbessernGrenze grenze;
    grenze.sekunden = 0;
    return automat.Nachbessern(grenze);
  }
};

// B kann nur Montag 1; dort liegen H (derselbe Lehrer, Raum R2) und die Kopplung {G1, G2} (G1
// in 5a, Raum R1). Die Kopplung kann sonst nur Dienstag 1, wo H mit R1 liegt, den einzigen Raum
// von G1. Die Kette verdrängt H zweimal: beide Stunden von H brauchen eine neue Zelle (Mittwoch
// und Donnerstag 1), sonst hätte H eine Stunde für die von B verloren.
TEST_F(NachbessernRegelTest, EineKetteVerliertKeineStundeAuchWennEineGruppeZweimalWeichen) {
  st.fAuRaumUnwichtig = false;
  TKurs* b = AuKurs(l3, fM, {k5a}, {}, nullptr, 1, 1, 0, 4);
  TKurs* h = AuKurs(l3, fE, {k5b}, {r1, r2}, nullptr, 2, 1, 0, 4);
  TKurs* g1 = AuKurs(l1, fD, {k5a}, {r1}, g, 1, 1, 0, 4);
  TKurs* g2 = AuKurs(l2, fD, {}, {}, g, 1, 1, 0, 4);
  NurZellen(b, {{1, 1}});
  NurZellen(h, {{1, 1}, {2, 1}, {3, 1}, {4, 1}});
  NurZellen(g1, {{1, 1}, {2, 1}});
  NurZellen(g2, {{1, 1}, {2, 1}});
  h->NeueSetzung(1, 1, 1, r2);
  h->NeueSetzung(1, 2, 1, r1);
  g1->NeueSetzung(1, 1, 1, r1);
  g2->NeueSetzung(1, 1, 1, nullptr);
  Rechne({b, h, g1});
  ASSERT_TRUE(b->fSetzungen.empty());
  const TPlanungsAbzug vorher(s, {b, h, g1});
  const TNachbessernErgebnis e = Nachbessern();
  EXPECT_TRUE(PlanungUnversehrt(vorher, s));
  EXPECT_EQ(h->fSetzungen.size(), 2u) << "H verlor eine Stunde";
  EXPECT_EQ(e.nachher - e.vorher, static_cast<int>(b->fSetzungen.size()));
  EXPECT_EQ(Stunden(b), (Z{"1.1"}));
  EXPECT_EQ(Stunden(g1), (Z{"2.1 R1"}));
  EXPECT_EQ(Stunden(h), (Z{"3.1 R1", "4.1 R1"}));
  EXPECT_TRUE(PlanRegelnStimmen(s, {b, h, g1, g2}));
}

// C liegt Montag 1, wo ihr Lehrer fehlt; die Vertretung hat schon einen Vertreter. B kann nur
// dorthin, C nirgends sonst hin: die Kette misslingt. C bleibt dieselbe Stunde mit derselben
// Vertretung, und nichts bekommt eine neue Änderungszeit.
TEST_F(NachbessernRegelTest, VersuchszuegeLassenDieStundeDieBleibtUnberuehrt) {
  for (int t = 1; t <= 7; ++t)
    for (int h = 1; h <= 16; ++h)
      if (!(t == 1 && h == 1)) k5b->fSperrung.SetWocheTagStd(1, t, h, true);
  TKurs* c = AuKurs(l1, fD, {k5b}, {}, nullptr, 1, 1, 0, 4);
  TKurs* b = AuKurs(l2, fM, {k5b}, {}, nullptr, 1, 1, 0, 4);
  Fehlt(l1, Tag(0), {1});
  TSetzung* zc = c->NeueSetzung(1, 1, 1, nullptr);
  ASSERT_EQ(zc->fVertretungen.ListeZahlElemente(), 1);
  zc->fVertretungen[0]->fLehrer = l3;
  Rechne({b, c});
  ASSERT_TRUE(b->fSetzungen.empty());
  const TDateTime zeit = l1->fLetzteAenderung, zeitKlasse = k5b->fLetzteAenderung;
  u.uhr.fJetzt += 1;
  s.SetDirty(false);
  const TPlanungsAbzug vorher(s, {b, c});
  const TNachbessernErgebnis e = Nachbessern();
  EXPECT_EQ(e.nachher, e.vorher);
  EXPECT_GT(e.schritte, 0);
  EXPECT_TRUE(PlanungUnversehrt(vorher, s));
  ASSERT_EQ(s.fVertretungsMenge.ListeZahlElemente(), 1);
  EXPECT_EQ(s.fVertretungsMenge[0]->fLehrer, l3);
  EXPECT_EQ(c->SetzungFinden(1, 1, 1), zc);
  EXPECT_EQ(l1->fLetzteAenderung, zeit);
  EXPECT_EQ(k5b->fLetzteAenderung, zeitKlasse);
  EXPECT_FALSE(s.fDirty);
}

// Müssen freie Tage eingehalten werden, setzt das Nachbessern wie die Automatik keine Stunde an
// einen Tag neben einem Tag des Kurses.
TEST_F(NachbessernRegelTest, FreieTageWieImGreedyDurchlauf) {
  st.fAuFreiUnwichtig = false;
  TKurs* x = AuKurs(l1, fD, {k5a}, {}, nullptr, 2, 1, 0, 4);
  NurZellen(x, {{1, 1}, {2, 1}});
  x->NeueSetzung(1, 1, 1, nullptr);
  Rechne({x});
  ASSERT_EQ(Stunden(x), (Z{"1.1"}));
  Nachbessern();
  EXPECT_EQ(Stunden(x), (Z{"1.1"}));
  // Sind freie Tage unwichtig, darf es Dienstag sein.
  st.fAuFreiUnwichtig = true;
  Rechne({x});
  Nachbessern();
  EXPECT_EQ(Stunden(x), (Z{"1.1", "2.1"}));
}

// Mit den Vorgaben (Einzelstunden unwichtig) trennt die Runde gegen Hohlstunden keine
// Doppelstunde: D liegt Montag 1–2; Dienstag 2 wäre eine Lücke von 5b zu schließen, aber nur mit
// einer Stunde von D.
TEST_F(NachbessernRegelTest, LueckenrundeTrenntKeineDoppelstunde) {
  ASSERT_TRUE(st.fAuEinzelUnwichtig);
  TKurs* d = AuKurs(l1, fD, {k5b}, {}, nullptr, 2, 2, 0, 3);
  TKurs* q = AuKurs(l2, fM, {k5b}, {}, nullptr, 2, 1, 0, 4);
  TKurs* o = AuKurs(l3, fE, {k5a}, {}, nullptr, 1, 1, 0, 4);
  NurZellen(o, {});
  d->NeueSetzung(1, 1, 1, nullptr);
  d->NeueSetzung(1, 1, 2, nullptr);
  q->NeueSetzung(1, 2, 1, nullptr);
  q->NeueSetzung(1, 2, 3, nullptr);
  ASSERT_TRUE(TAutomat::WocheStimmt(*d, 1));
  Rechne({d, o});
  ASSERT_TRUE(o->fSetzungen.empty());
  const TPlanungsAbzug vorher(s, {d, o});
  Nachbessern();
  EXPECT_EQ(Stunden(d), (Z{"1.1", "1.2"}));
  EXPECT_TRUE(PlanungUnversehrt(vorher, s));
}

// Ist nichts offen, bleibt alles, wie es ist, auch eine Hohlstunde.
TEST_F(NachbessernRegelTest, OhneOffeneStundenGeschiehtNichts) {
  TKurs* p = AuKurs(l1, fD, {k5b}, {}, nullptr, 1, 1, 1, 4);
  TKurs* q = AuKurs(l2, fM, {k5b}, {}, nullptr, 1, 1, 1, 4);
  q->NeueSetzung(1, 1, 1, nullptr);
  p->NeueSetzung(1, 1, 3, nullptr);
  Rechne({p, q});
  s.SetDirty(false);
  const TNachbessernErgebnis e = Nachbessern();
  EXPECT_EQ(Stunden(p), (Z{"1.3"}));
  EXPECT_EQ(e.schritte, 0);
  EXPECT_EQ(e.nachher, e.vorher);
  EXPECT_FALSE(s.fDirty);
}

// Mit offenem Manuellfenster: das Protokoll bekommt nur, was der Lauf am Ende änderte (die
// Kopplung zieht um, B kommt dazu), und "Widerrufen" stellt den Stand davor her.
TEST_F(NachbessernRegelTest, DasProtokollBekommtDenLaufAlsEinStueck) {
  TManuellProtokoll protokoll;
  for (int t = 1; t <= 7; ++t)
    for (int h = 1; h <= 16; ++h)
      if (!(h == 1 && t <= 3)) k5a->fSperrung.SetWocheTagStd(1, t, h, true);
  TKurs* a = AuKurs(l1, fD, {k5a}, {}, g, 1, 1, 0, 4);
  TKurs* a2 = AuKurs(l3, fE, {k5b}, {}, g, 1, 1, 0, 4);
  TKurs* b = AuKurs(l2, fM, {k5a}, {}, nullptr, 1, 1, 0, 4);
  TKurs* c = AuKurs(l3, fM, {k5a}, {}, nullptr, 1, 1, 0, 4);
  l2->fSperrung.SetWocheTagStd(1, 2, 1, true);
  l2->fSperrung.SetWocheTagStd(1, 3, 1, true);
  c->NeueSetzung(1, 3, 1, nullptr);
  Rechne({a, b, c});
  ASSERT_EQ(Stunden(a), (Z{"1.1"}));
  ASSERT_TRUE(b->fSetzungen.empty());
  protokoll.Loeschen();
  const TPlanAbzug davor(s);
  const TPlanungsAbzug vorher(s, {a, b, c});
  Nachbessern();
  EXPECT_TRUE(PlanungUnversehrt(vorher, s));
  ASSERT_EQ(Stunden(b), (Z{"1.1"}));
  ASSERT_EQ(Stunden(a), (Z{"2.1"}));
  ASSERT_EQ(Stunden(a2), (Z{"2.1"}));
  // A und A2 je fort und hin, B hin.
  EXPECT_EQ(protokoll.fUndoListe.ListeZahlElemente(), 5);
  protokoll.Widerrufen();
  EXPECT_EQ(TPlanAbzug(s).fStunden, davor.fStunden);
  EXPECT_TRUE(PlanRegelnStimmen(s));
}

// In einer Kopplung liegt der Kurs mit weniger Stunden nur in Zellen des Kurses mit mehr: ist nur
// F offen (D liegt ganz), setzt das Nachbessern F nie allein in eine Zelle ohne D.
TEST_F(NachbessernRegelTest, DerKleinereKursEinerKopplungBleibtInDenZellenDesGroesseren) {
  TKurs* d = AuKurs(l1, fD, {k5a}, {}, g, 2, 1, 2, 4);
  TKurs* f = AuKurs(l2, fM, {k5a}, {}, g, 1, 1, 1, 4);
  d->NeueSetzung(1, 1, 1, nullptr);
  d->NeueSetzung(1, 2, 1, nullptr);
  l2->fSperrung.SetWocheTagStd(1, 1, 1, true);
  l2->fSperrung.SetWocheTagStd(1, 2, 1, true);
  Rechne({d, f});
  ASSERT_TRUE(f->fSetzungen.empty());
  const TPlanungsAbzug vorher(s, {d, f});
  Nachbessern();
  EXPECT_TRUE(PlanungUnversehrt(vorher, s));
  EXPECT_TRUE(PlanRegelnStimmen(s, {d, f}));
  for (const TSetzung* z : f->fSetzungen)
    EXPECT_NE(d->SetzungFinden(1, z->fTag, z->fStunde), nullptr) << z->fTag << "." << z->fStunde;
}
