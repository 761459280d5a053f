// Das Komprimieren der Klassenpläne: welche Stunden wandern, welche nie, die Folge des Laufs,
// Abbruch, das Zurücknehmen als dieselbe Stunde und der Lauf über die große Beispielschule.
#include "PlanHilfe.h"
#include "PlanInvarianten.h"
#include "app/BeispielSchuleUnit.h"
#include "VertretungsPruefung.h"
#include "planning/KompressUnit.h"
#include "planning/UndoUnit.h"
#include "substitution/FehlzeitUnit.h"

namespace {

class KompressTest : public PlanTest {
 protected:
  KompressTest() { st.fMaxTageNeu = 5; }

  TKurs* Einzel(TLehrer* l, TFach* f, TKlasse* kl, int stunden) {
    return Kurs(l, f, {kl}, {}, nullptr, stunden);
  }
  static bool Liegt(const TKurs* k, int t, int h) { return k->SetzungFinden(1, t, h) != nullptr; }
  // Die Klasse hat nur die Tage bis "bis": die übrigen sind gesperrt (und keine Lücken).
  static void NurTage(TKlasse* kl, int bis) {
    for (int t = bis + 1; t <= 5; ++t) kl->fSperrung.SetWocheTag(1, t, 0xFFFFu);
  }
};

TEST_F(KompressTest, LueckeWirdMitDerLetztenStundeGefuelltFixierteBleibt) {
  TKurs* a = Einzel(l1, fD, k5a, 1);
  TKurs* b = Einzel(l2, fM, k5a, 1);
  TKurs* c = Einzel(l3, fE, k5a, 1);
  NurTage(k5a, 1);
  a->NeueSetzung(1, 1, 1, nullptr);
  b->NeueSetzung(1, 1, 3, nullptr);
  c->NeueSetzung(1, 1, 5, nullptr)->fFixiert = true;
  const TPlanAbzug vorher(s);
  const TKomprimierer k = KomprimiereAlles();
  EXPECT_TRUE(Liegt(a, 1, 1));
  EXPECT_TRUE(Liegt(b, 1, 2));
  EXPECT_TRUE(Liegt(c, 1, 5));
  EXPECT_EQ(k.fVerschoben, 1);
  EXPECT_EQ(k.fHohlVorher, 1);
  EXPECT_EQ(k.fHohlNachher, 0);
  EXPECT_EQ(k.Zusammenfassung(),
            (std::vector<std::string>{"Verschobene Stunden: 1", "Hohlstunden vorher: 1",
                                      "Hohlstunden nachher: 0"}));
  EXPECT_TRUE(PlanUnversehrt(vorher, s));
}

TEST_F(KompressTest, DoppelstundenUndBrueckenNurMitEinstellung) {
  TKurs* a = Einzel(l1, fD, k5a, 1);
  TKurs* b = Einzel(l2, fM, k5a, 2);
  NurTage(k5a, 1);
  a->NeueSetzung(1, 1, 1, nullptr);
  b->NeueSetzung(1, 1, 3, nullptr);
  b->NeueSetzung(1, 1, 4, nullptr);
  KomprimiereAlles();
  EXPECT_TRUE(Liegt(b, 1, 3) && Liegt(b, 1, 4));
  st.fKompMehrfach = true;
  KomprimiereAlles();
  EXPECT_TRUE(Liegt(b, 1, 2) && Liegt(b, 1, 3));

  // Ohne "Brücken erlauben" kommt keine Stunde an einen Tag, an dem ihr Kurs schon eine hat.
  st.fKompMehrfach = false;
  TKurs* x = Einzel(l3, fE, k5b, 2);
  TKurs* y = Einzel(l1, fM, k5b, 1);
  NurTage(k5b, 2);
  x->NeueSetzung(1, 1, 1, nullptr);
  y->NeueSetzung(1, 1, 3, nullptr)->fFixiert = true;
  x->NeueSetzung(1, 2, 5, nullptr);
  KomprimiereAlles();
  ASSERT_EQ(x->fSetzungen.size(), 2u);
  EXPECT_NE(x->fSetzungen[0]->fTag, x->fSetzungen[1]->fTag);
  EXPECT_TRUE(Liegt(y, 1, 3));
  for (TSetzung* z : x->fSetzungen.Kopie()) x->SetzungEntfernen(z);
  x->NeueSetzung(1, 1, 1, nullptr);
  x->NeueSetzung(1, 2, 5, nullptr);
  st.fKompBruecken = true;
  const TPlanAbzug vorher(s);
  KomprimiereAlles();
  EXPECT_TRUE(Liegt(x, 1, 1) && Liegt(x, 1, 2) && Liegt(y, 1, 3));
  EXPECT_FALSE(Liegt(x, 2, 5));
  EXPECT_TRUE(PlanUnversehrt(vorher, s));
}

TEST_F(KompressTest, KursOhneReststundeOderNichtVerplanenWandertNicht) {
  TKurs* a = Einzel(l1, fD, k5a, 1);
  TKurs* b = Einzel(l2, fM, k5a, 1);
  a->NeueSetzung(1, 1, 1, nullptr);
  b->NeueSetzung(1, 1, 3, nullptr);
  b->fStunden.SetWochenStunde(0, 0);  // mehr gesetzt als Stunden: neu setzen ginge nicht
  KomprimiereAlles();
  EXPECT_TRUE(Liegt(b, 1, 3));
  b->fStunden.SetWochenStunde(0, 1);
  b->fNichtVerplanen = true;
  KomprimiereAlles();
  EXPECT_TRUE(Liegt(b, 1, 3));
  EXPECT_EQ(b->fSetzungen.size(), 1u);
}

TEST_F(KompressTest, GescheiterteKetteGibtDieselbeStundeMitVertretungZurueck) {
  TKurs* a = Einzel(l1, fD, k5a, 1);
  TKurs* b = Einzel(l2, fM, k5a, 1);
  TKurs* c = Einzel(l3, fE, k5a, 1);
  NurTage(k5a, 1);
  // Der Lehrer von b fehlt am Montag in der 3. Stunde: die Stunde bekommt ihre Vertretung.
  Fehlt(l2, Tag(0), {3});
  a->NeueSetzung(1, 1, 1, nullptr);
  TSetzung* sb = b->NeueSetzung(1, 1, 3, nullptr);
  c->NeueSetzung(1, 1, 4, nullptr);
  ASSERT_EQ(sb->fVertretungen.size(), 1u);
  TVertretung* v = sb->fVertretungen[0];
  const int konto = l2->fVStunden1;
  // c kann in keine frühere Stunde: jede Kette endet vor dem Ende des Tages und geht zurück,
  // auch in der siebten Tiefe.
  for (int h = 1; h <= 3; ++h) l3->fSperrung.SetWocheTagStd(1, 1, h, true);
  const TPlanAbzug vorher(s);
  const TKomprimierer k = KomprimiereAlles();
  EXPECT_EQ(k.fVerschoben, 0);
  EXPECT_EQ(b->fSetzungen.size(), 1u);
  EXPECT_EQ(b->fSetzungen[0], sb);
  EXPECT_TRUE(Liegt(b, 1, 3) && Liegt(a, 1, 1) && Liegt(c, 1, 4));
  ASSERT_EQ(sb->fVertretungen.size(), 1u);
  EXPECT_EQ(sb->fVertretungen[0], v);
  EXPECT_EQ(s.fVertretungsMenge.size(), 1u);
  EXPECT_EQ(l2->fVStunden1, konto);
  EXPECT_TRUE(PlanUnversehrt(vorher, s));
  EXPECT_EQ(vorher.Bewegt(s), 0);
}

// Eine Stunde, die wandert, bleibt dieselbe Setzung und bucht wie Entfernen und neues Setzen:
// der Ausfall der fehlenden Klasse folgt ihr. "Widerrufen" stellt die Zellen von vorher her.
TEST_F(KompressTest, VersetzteStundeBuchtUmUndWiderrufenStelltHer) {
  TKurs* a = Einzel(l1, fD, k5a, 1);
  TKurs* b = Einzel(l2, fM, k5a, 1);
  NurTage(k5a, 1);
  a->NeueSetzung(1, 1, 1, nullptr);
  TSetzung* sb = b->NeueSetzung(1, 1, 3, nullptr);
  // Die Klasse fehlt am Montag in der 3. Stunde: b fällt aus und wird l2 abgebucht.
  FehlzeitEintragen(k5a, Tag(0), StundenMaske(3, 3), "-");
  ASSERT_EQ(l2->fVStunden1, -1);
  const TPlanAbzug vorher(s);
  TManuellProtokoll protokoll;
  ASSERT_EQ(KomprimiereAlles().fVerschoben, 1);
  ASSERT_TRUE(Liegt(b, 1, 2));
  EXPECT_EQ(b->fSetzungen[0], sb);
  EXPECT_EQ(l2->fVStunden1, 0);  // in der 2. Stunde ist die Klasse da
  EXPECT_TRUE(VertretungenStimmen(s));
  protokoll.Widerrufen();
  EXPECT_TRUE(Liegt(b, 1, 3));
  EXPECT_FALSE(Liegt(b, 1, 2));
  EXPECT_TRUE(Liegt(a, 1, 1));
  EXPECT_EQ(l2->fVStunden1, -1);
  EXPECT_TRUE(VertretungenStimmen(s));
  EXPECT_TRUE(PlanUnversehrt(vorher, s));
  EXPECT_EQ(vorher.Bewegt(s), 0);
}

TEST_F(KompressTest, LaufFolgeUeberKlassenUndWochenUndAbbruch) {
  ZweiWochen();
  s.HoleKlasse("5c");
  std::vector<std::pair<std::string, int>> folge;
  TKomprimierer k;
  k.Anzeige = [&] { folge.emplace_back(k.fKlasse->fKuerzel.str(), k.fVersion); };
  k.Start();
  EXPECT_EQ(folge, (std::vector<std::pair<std::string, int>>{
                       {"5a", 2}, {"5b", 1}, {"5b", 2}, {"5c", 1}, {"5c", 2}, {"5a", 1}}));
  EXPECT_EQ(k.Fortschritt(), "Klasse 1 von 3");

  // Zwei Lücken in 5a am Montag; nach der ersten gefüllten bricht der Benutzer ab.
  NurTage(k5a, 1);
  Einzel(l1, fD, k5a, 1)->NeueSetzung(1, 1, 1, nullptr);
  Einzel(l2, fM, k5a, 1)->NeueSetzung(1, 1, 3, nullptr);
  Einzel(l3, fE, k5a, 1)->NeueSetzung(1, 1, 5, nullptr);
  const TPlanAbzug vorher(s);
  TKomprimierer abbruch;
  abbruch.Anzeige = [&] {
    if (abbruch.fVerschoben > 0) abbruch.Abbrechen();
  };
  abbruch.Start();
  EXPECT_EQ(abbruch.fVerschoben, 1);
  EXPECT_EQ(vorher.Bewegt(s), 1);
  EXPECT_TRUE(PlanUnversehrt(vorher, s));
  // Die zweite Lücke war noch zu füllen.
  EXPECT_GE(KomprimiereAlles().fVerschoben, 1);
}

TEST(KompressBeispielTest, GrosseBeispielschuleBleibtUnversehrt) {
  TTestUmgebung u;
  TSchule& s = u.schule();
  ErzeugeBeispielSchule(s, true);
  u.standard.fEineWoche = false;
  const TPlanAbzug vorher(s);
  const TKomprimierer k = KomprimiereAlles();
  EXPECT_TRUE(PlanUnversehrt(vorher, s));
  EXPECT_GT(k.fVerschoben, 0);
  EXPECT_LE(k.fHohlNachher, k.fHohlVorher);
  EXPECT_EQ(k.fHohlNachher, TKomprimierer::HohlSumme());
}

}  // namespace

// Mit offenem Manuellfenster: "Widerrufen" stellt die Zellen vor dem Komprimieren her, Stunde für
// Stunde an ihrem alten Platz, und bucht keine Klasse doppelt.
TEST_F(KompressTest, WiderrufenStelltDieZellenVorDemKomprimierenHer) {
  TManuellProtokoll protokoll;
  TKurs* a = Einzel(l1, fD, k5a, 1);
  TKurs* b = Einzel(l2, fM, k5a, 1);
  TKurs* c = Einzel(l3, fE, k5a, 1);
  NurTage(k5a, 1);
  a->NeueSetzung(1, 1, 1, nullptr);
  b->NeueSetzung(1, 1, 3, nullptr);
  c->NeueSetzung(1, 1, 6, nullptr);
  protokoll.Loeschen();
  int maxim = 0;
  TTagFeld maximum{};
  ASSERT_EQ(k5a->HohlStunden(1, maxim, maximum), 3);
  const TPlanAbzug vorher(s);
  const TKomprimierer k = KomprimiereAlles();
  ASSERT_GE(k.fVerschoben, 2);
  ASSERT_FALSE(Liegt(c, 1, 6));
  ASSERT_EQ(k5a->HohlStunden(1, maxim, maximum), 0);
  EXPECT_TRUE(PlanUnversehrt(vorher, s));
  protokoll.Widerrufen();
  EXPECT_TRUE(Liegt(a, 1, 1));
  EXPECT_TRUE(Liegt(b, 1, 3));
  EXPECT_TRUE(Liegt(c, 1, 6));
  EXPECT_EQ(b->fSetzungen.size(), 1u);
  EXPECT_EQ(c->fSetzungen.size(), 1u);
  EXPECT_TRUE(PlanUnversehrt(vorher, s));
  EXPECT_EQ(TPlanAbzug(s).fStunden, vorher.fStunden);
}
