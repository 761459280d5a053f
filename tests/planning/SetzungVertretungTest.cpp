#include "PlanHilfe.h"

class SetzungVertretungTest : public PlanTest {};

TEST_F(SetzungVertretungTest, EineStundeInDerAbwesenheitDesLehrersBekommtIhreVertretung) {
  TKurs* kurs = Kurs(l1, fD, {k5a}, {r1}, nullptr, 4);
  Fehlt(l1, Tag(0), {2, 3});       // Montag, Woche 1
  kurs->NeueSetzung(1, 1, 4, r1);  // nicht betroffen
  kurs->NeueSetzung(1, 2, 2, r1);  // Dienstag: nicht betroffen
  EXPECT_TRUE(s.fVertretungsMenge.empty());
  TSetzung* z = kurs->NeueSetzung(1, 1, 2, r1);
  ASSERT_EQ(s.fVertretungsMenge.ListeZahlElemente(), 1);
  TVertretung* v = s.fVertretungsMenge[0];
  EXPECT_EQ(z->fVertretungen.ListeZahlElemente(), 1);
  EXPECT_EQ(z->VertretungFinden(Tag(0)), v);
  EXPECT_EQ(v->fDatum, Tag(0));
  EXPECT_EQ(v->fKurs, kurs);
  EXPECT_EQ(v->fSetzung, z);
  EXPECT_EQ(v->fFach, fD);
  EXPECT_EQ(v->fRaum, r1);
  EXPECT_EQ(v->fLehrer, nullptr);
  EXPECT_TRUE(v->fGueltig);
  EXPECT_FALSE(v->fAngerechnet);
  EXPECT_EQ(v->fAdHoc, Heute() + 0.5);
  EXPECT_EQ(l1->fVStunden1, 0);
  // Die Stunde geht, ihre Vertretung mit ihr.
  kurs->SetzungEntfernen(z);
  EXPECT_TRUE(s.fVertretungsMenge.empty());
}

TEST_F(SetzungVertretungTest, FehlenAlleKlassenIstSieUngueltigOhneGutschrift) {
  TKurs* kurs = Kurs(l1, fD, {k5a, k5b}, {}, nullptr, 4);
  kurs->fFaktor = 3;
  Fehlt(l1, Tag(0), {1, 2});
  Fehlt(k5a, Tag(0), {1, 2});
  Fehlt(k5b, Tag(0), {2});
  kurs->NeueSetzung(1, 1, 1, nullptr);  // 5b ist in Stunde 1 da
  ASSERT_EQ(s.fVertretungsMenge.ListeZahlElemente(), 1);
  EXPECT_TRUE(s.fVertretungsMenge[0]->fGueltig);
  kurs->NeueSetzung(1, 1, 2, nullptr);
  ASSERT_EQ(s.fVertretungsMenge.ListeZahlElemente(), 2);
  EXPECT_FALSE(s.fVertretungsMenge[1]->fGueltig);
  // Die neue Stunde wurde dem abwesenden Lehrer nie abgebucht: keine Gutschrift.
  EXPECT_EQ(l1->fVStunden1, 0);
  EXPECT_EQ(l1->fVStunden2, 0);
  EXPECT_EQ(l1->fVStunden3, 0);
  EXPECT_EQ(l1->fDict.count("202612"), 0u);
}

TEST_F(SetzungVertretungTest, RaumFehltUndBeidesAmSelbenTag) {
  TKurs* kurs = Kurs(l1, fD, {k5a}, {r1}, nullptr, 4);
  Fehlt(r1, Tag(0), {1, 2});
  kurs->NeueSetzung(1, 1, 1, nullptr);  // ohne Raum: der fehlende Raum trifft sie nicht
  EXPECT_TRUE(s.fVertretungsMenge.empty());
  kurs->NeueSetzung(1, 1, 2, r1);
  ASSERT_EQ(s.fVertretungsMenge.ListeZahlElemente(), 1);
  const TVertretung* v = s.fVertretungsMenge[0];
  EXPECT_EQ(v->fLehrer, l1);  // nur ein Raumwechsel
  EXPECT_EQ(v->fRaum, nullptr);
  EXPECT_TRUE(v->fGueltig);
  // Fehlen Lehrer und Raum, bleibt es eine Vertretung je Stunde und Tag.
  Fehlt(l1, Tag(0), {3});
  Fehlt(r1, Tag(0), {3});
  TSetzung* z = kurs->NeueSetzung(1, 1, 3, r1);
  ASSERT_EQ(z->fVertretungen.ListeZahlElemente(), 1);
  EXPECT_EQ(z->fVertretungen[0]->fLehrer, nullptr);
  EXPECT_EQ(z->fVertretungen[0]->fRaum, nullptr);
  EXPECT_EQ(s.fVertretungsMenge.ListeZahlElemente(), 2);
}

// Der Lehrer gehört zur Ordnung der Vertretungsliste (Vertretungen mit anderem Lehrer als dem des
// Kurses zuerst): fehlt nur der Raum, wird die neue Vertretung mit dem Lehrer des Kurses
// eingeordnet, nicht erst ohne ihn.
TEST_F(SetzungVertretungTest, RaumvertretungStehtHinterDenLehrervertretungen) {
  TKurs* kurs = Kurs(l1, fD, {k5a}, {r1}, nullptr, 4);
  Fehlt(l1, Tag(0), {2});
  Fehlt(r1, Tag(0), {1});
  TSetzung* p2 = kurs->NeueSetzung(1, 1, 2, r1);
  TSetzung* p1 = kurs->NeueSetzung(1, 1, 1, r1);
  ASSERT_EQ(s.fVertretungsMenge.ListeZahlElemente(), 2);
  EXPECT_EQ(s.fVertretungsMenge[0]->fSetzung, p2);
  EXPECT_EQ(s.fVertretungsMenge[0]->fLehrer, nullptr);
  EXPECT_EQ(s.fVertretungsMenge[1]->fSetzung, p1);
  EXPECT_EQ(s.fVertretungsMenge[1]->fLehrer, l1);
}

// Fehlt später auch der Lehrer, verliert die vorhandene Raumvertretung ihren Lehrer und rückt zu
// den Lehrervertretungen, vor die der späteren Stunde.
TEST_F(SetzungVertretungTest, VorhandeneVertretungRuecktOhneLehrerAnIhrenPlatz) {
  TKurs* kurs = Kurs(l1, fD, {k5a}, {r1}, nullptr, 4);
  Fehlt(l1, Tag(0), {2});
  Fehlt(r1, Tag(0), {1});
  TSetzung* p1 = kurs->NeueSetzung(1, 1, 1, r1);
  TSetzung* p2 = kurs->NeueSetzung(1, 1, 2, r1);
  ASSERT_EQ(s.fVertretungsMenge.ListeZahlElemente(), 2);
  EXPECT_EQ(s.fVertretungsMenge[0]->fSetzung, p2);
  Fehlt(l1, Tag(0), {1});  // ohne Änderungsprotokoll
  VertretungenAnlegen(kurs, p1);
  ASSERT_EQ(s.fVertretungsMenge.ListeZahlElemente(), 2);
  EXPECT_EQ(s.fVertretungsMenge[0]->fSetzung, p1);
  EXPECT_EQ(s.fVertretungsMenge[0]->fLehrer, nullptr);
  EXPECT_EQ(s.fVertretungsMenge[0]->fRaum, nullptr);
  EXPECT_EQ(s.fVertretungsMenge[1]->fSetzung, p2);
}

TEST_F(SetzungVertretungTest, NurDieWocheDesKalendersZaehlt) {
  ZweiWochen();
  s.SetzeKalender(KalenderWoche(Tag(7)), 2);
  TKurs* kurs = Kurs(l1, fD, {k5a}, {}, nullptr, 4);
  Fehlt(l1, Tag(7), {1});  // ein Montag in Woche 2
  kurs->NeueSetzung(1, 1, 1, nullptr);
  EXPECT_TRUE(s.fVertretungsMenge.empty());
  kurs->NeueSetzung(2, 1, 1, nullptr);
  ASSERT_EQ(s.fVertretungsMenge.ListeZahlElemente(), 1);
  EXPECT_EQ(s.fVertretungsMenge[0]->fDatum, Tag(7));
}

// Ein angemeldetes Fenster, das die Meldungen der Schule aufzeichnet.
class TMeldungsFenster : public TFakeFenster {
 public:
  TMeldungsFenster() : TFakeFenster(69, "Vertretungen") { Schule().FensterAnmelden(this); }
  ~TMeldungsFenster() override {
    if (SchuleVorhanden()) Schule().FensterAbmelden(this);
  }
  void Geaendert(const TModellAenderung& a) override {
    if (a.Art == TModellAenderung::TArt::Tag) fTage.push_back(a.Datum);
  }
  std::vector<TDateTime> fTage;
};

TEST_F(SetzungVertretungTest, JederTagMitNeuerVertretungWirdDenFensternGemeldet) {
  TMeldungsFenster fenster;
  TKurs* kurs = Kurs(l1, fD, {k5a}, {}, nullptr, 4);
  Fehlt(l1, Tag(0), {1});
  Fehlt(l1, Tag(7), {1});
  kurs->NeueSetzung(1, 2, 1, nullptr);  // dienstags: kein Tag betroffen
  EXPECT_TRUE(fenster.fTage.empty());
  kurs->NeueSetzung(1, 1, 1, nullptr);
  EXPECT_EQ(fenster.fTage, (std::vector<TDateTime>{Tag(0), Tag(7)}));
}

TEST_F(SetzungVertretungTest, OrdnungUndFehlendeKlassenNachDenUebergebenenRegeln) {
  TKurs* kurs = Kurs(l1, fD, {k5a}, {}, nullptr, 4);
  TSetzung* p1 = kurs->NeueSetzung(1, 1, 1, nullptr);
  TSetzung* p2 = kurs->NeueSetzung(1, 1, 2, nullptr);
  Fehlt(l1, Tag(0), {1, 2});  // ohne Änderungsprotokoll: noch keine Vertretung
  ASSERT_TRUE(s.fVertretungsMenge.empty());
  TVertretungsRegeln regeln;
  regeln.Vergleich = [](const TVertretung* x, const TVertretung* y) {
    return x->fSetzung->fStunde > y->fSetzung->fStunde ? -1 : 1;  // späte Stunde zuerst
  };
  regeln.AlleKlassenAbwesend = [](const TKurs*, TDateTime, int std) { return std == 2; };
  VertretungenAnlegen(kurs, p1, regeln);
  VertretungenAnlegen(kurs, p2, regeln);
  ASSERT_EQ(s.fVertretungsMenge.ListeZahlElemente(), 2);
  EXPECT_EQ(s.fVertretungsMenge[0]->fSetzung, p2);
  EXPECT_FALSE(s.fVertretungsMenge[0]->fGueltig);
  EXPECT_TRUE(s.fVertretungsMenge[1]->fGueltig);
  EXPECT_EQ(l1->fVStunden1, 0);
  // Ein zweites Mal: die vorhandenen Vertretungen bleiben die einzigen.
  VertretungenAnlegen(kurs, p1);
  EXPECT_EQ(s.fVertretungsMenge.ListeZahlElemente(), 2);
}

TEST_F(SetzungVertretungTest, AnFerientagenEntstehtKeineVertretung) {
  TKurs* kurs = Kurs(l1, fD, {k5a}, {r1}, nullptr, 4);
  Fehlt(l1, Tag(0), {1});
  Fehlt(r1, Tag(0), {1});
  FerienAm(Tag(0));
  kurs->NeueSetzung(1, 1, 1, r1);
  EXPECT_TRUE(s.fVertretungsMenge.empty());
}
