#include "PlanHilfe.h"

namespace {
// Das Manuellfenster, wie die Logik es sieht: es merkt sich, welcher Kurs aktuell wurde.
class TManuell : public TManuellProtokoll {
 public:
  void SetzeAktuellenKurs(TKurs* k) override {
    TManuellProtokoll::SetzeAktuellenKurs(k);
    fGewechselt.push_back(k);
  }
  std::vector<TKurs*> fGewechselt;
};
}  // namespace

class UndoTest : public PlanTest {};

TEST_F(UndoTest, OhneManuellfensterWirdNichtAufgezeichnetUndWiderrufenMeldetSich) {
  EXPECT_EQ(ManuellProtokoll(), nullptr);
  EXPECT_FALSE(Merken());
  Widerrufen();
  ASSERT_EQ(u.dialog.fProtokoll.size(), 1u);
  EXPECT_EQ(u.dialog.fProtokoll[0].Zeilen, std::vector<std::string>{"Noch nicht implementiert!"});
  EXPECT_EQ(u.dialog.fProtokoll[0].Art, TMeldungsArt::Information);
  EXPECT_FALSE(u.dialog.fProtokoll[0].IstFrage);
  {
    TManuell m;
    EXPECT_EQ(ManuellProtokoll(), &m);
    EXPECT_TRUE(Merken());
  }
  EXPECT_EQ(ManuellProtokoll(), nullptr);
}

TEST_F(UndoTest, DreiSchritteWerdenInUmgekehrterFolgeZurueckgenommen) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 2);
  TKurs* b = Kurs(l2, fM, {k5b}, {r2}, nullptr, 2);
  TKurs* c = Kurs(l3, fE, {k5a}, {r3}, nullptr, 2);
  TSetzung* bAlt = b->NeueSetzung(1, 2, 2, r2);
  bAlt->fFixiert = true;
  TManuell m;
  m.KursAufnehmen(a);
  a->NeueSetzung(1, 1, 1, r1);                     // hin A
  b->SetzungEntfernen(b->SetzungFinden(1, 2, 2));  // weg B
  c->NeueSetzung(1, 1, 2, r3);                     // hin C
  ASSERT_EQ(m.fUndoListe.ListeZahlElemente(), 3);
  const TUndoElement* weg = m.fUndoListe[1];
  EXPECT_EQ(weg->fArt, TUndoArt::weg);
  EXPECT_EQ(weg->fKurs, b);
  EXPECT_EQ(weg->fRaum, r2);
  EXPECT_TRUE(weg->fFix);
  EXPECT_EQ(m.fKurse.Kopie(), (std::vector<TKurs*>{a, b}));
  EXPECT_EQ(u.fenster.fUndoBefehle, (std::vector<bool>{true, true, true}));

  // Die Reihenfolge zeigt sich in den Planfenstern: erst C weg, dann B zurück, dann A weg.
  TZellenFenster plan5a(FensterArt::KlassenPlan), plan5b(FensterArt::KlassenPlan);
  k5a->fPlnFenster = &plan5a;
  k5b->fPlnFenster = &plan5b;
  Widerrufen();
  using Z = TZellenFenster::Zelle;
  EXPECT_EQ(plan5a.fZellen,
            (std::vector<Z>{{1, 2, nullptr, 0, nullptr, ""}, {1, 1, nullptr, 0, nullptr, ""}}));
  EXPECT_EQ(plan5b.fZellen, (std::vector<Z>{{2, 2, nullptr, 0, b, "N"}}));
  EXPECT_TRUE(a->fSetzungen.empty());
  EXPECT_TRUE(c->fSetzungen.empty());
  TSetzung* bNeu = b->SetzungFinden(1, 2, 2);
  ASSERT_NE(bNeu, nullptr);
  EXPECT_EQ(bNeu->fRaum, r2);
  EXPECT_TRUE(bNeu->fFixiert);
  EXPECT_TRUE(m.fUndoListe.empty());  // das Zurücknehmen zeichnet nichts auf
  EXPECT_TRUE(m.fMerken);
  EXPECT_EQ(u.fenster.fUndoBefehle.back(), false);
  EXPECT_EQ(m.fGewechselt, std::vector<TKurs*>{a});
  EXPECT_EQ(u.dialog.fBeschaeftigt, 0);  // Sanduhr an und wieder aus
  EXPECT_TRUE(BelegungenStimmen(s));
  k5a->fPlnFenster = k5b->fPlnFenster = nullptr;
}

TEST_F(UndoTest, DieFixierungKommtNurZurueckWennDieStundeWirklichEntsteht) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 1);
  TManuell m;
  TSetzung* z = a->NeueSetzung(1, 1, 1, r1);
  z->fFixiert = true;
  a->SetzungEntfernen(z);                            // weg, fixiert
  a->NeueSetzung(1, 3, 3, r1);                       // die einzige Stunde liegt jetzt anderswo
  m.fUndoListe.ListeElemEntfernen(m.fUndoListe[2]);  // dieser Schritt wird nicht zurückgenommen
  m.fUndoListe.ListeElemEntfernen(m.fUndoListe[0]);
  m.fUndoListe[0]->UndoIt();  // keine Reststunde: keine neue Stunde
  EXPECT_EQ(a->fSetzungen.ListeZahlElemente(), 1);
  EXPECT_FALSE(a->SetzungFinden(1, 3, 3)->fFixiert);
  EXPECT_EQ(a->SetzungFinden(1, 1, 1), nullptr);
  EXPECT_TRUE(BelegungenStimmen(s));
}

TEST_F(UndoTest, GeloeschteKurseUndRaeumeBleibenNichtImProtokoll) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 2);
  TKurs* b = Kurs(l2, fM, {k5b}, {r2}, nullptr, 2);
  TKurs* c = Kurs(l3, fE, {k5b}, {r3}, nullptr, 2);
  TManuell m;
  m.KursAufnehmen(a);
  m.KursAufnehmen(b);
  m.KursAufnehmen(c);
  m.SetzeAktuellenKurs(b);
  a->NeueSetzung(1, 1, 1, r1);
  b->NeueSetzung(1, 1, 2, r2);
  TSetzung* cz = c->NeueSetzung(1, 1, 3, r3);
  c->SetzungEntfernen(cz);  // weg mit Raum R3
  s.KursLoeschen(b);
  for (const TUndoElement* e : m.fUndoListe) EXPECT_NE(e->fKurs, b);
  EXPECT_EQ(m.fUndoListe.ListeZahlElemente(), 3);
  EXPECT_EQ(m.fKurse.ListeElemNr(b), 0);
  EXPECT_EQ(m.fKurs, c);  // der nächste der Liste
  s.ElementLoeschen(r3);
  for (const TUndoElement* e : m.fUndoListe) EXPECT_EQ(e->fRaum == nullptr, e->fKurs == c);
  // Der letzte Schritt setzt c ohne den gelöschten Raum zurück.
  m.fUndoListe[2]->UndoIt();
  ASSERT_NE(c->SetzungFinden(1, 1, 3), nullptr);
  EXPECT_EQ(c->SetzungFinden(1, 1, 3)->fRaum, nullptr);
  EXPECT_EQ(m.fUndoListe.ListeZahlElemente(), 3);
  EXPECT_TRUE(BelegungenStimmen(s));
  m.Widerrufen();
  EXPECT_TRUE(a->fSetzungen.empty());
  EXPECT_TRUE(c->fSetzungen.empty());
  EXPECT_EQ(m.fKurs, a);
  EXPECT_TRUE(BelegungenStimmen(s));
}

TEST_F(UndoTest, EinRaumDenDerKursNichtMehrHatWirdNichtZurueckgesetzt) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1, r2}, nullptr, 2);
  TSetzung* z = a->NeueSetzung(1, 1, 1, r2);
  TManuell m;
  a->SetzungEntfernen(z);
  a->RaumEntfernen(r2);
  m.Widerrufen();
  ASSERT_NE(a->SetzungFinden(1, 1, 1), nullptr);
  EXPECT_EQ(a->SetzungFinden(1, 1, 1)->fRaum, nullptr);
  EXPECT_TRUE(BelegungenStimmen(s));
}

TEST_F(UndoTest, LoeschenLeertDasProtokollUndWegNimmtDenKursAuf) {
  TKurs* a = Kurs(l1, fD, {k5a}, {}, nullptr, 2);
  TSetzung* z = a->NeueSetzung(1, 1, 1, nullptr);
  TManuell m;
  a->SetzungEntfernen(z);
  EXPECT_EQ(m.fKurse.ListeElemNr(a), 1);
  ProtokollLoeschen();
  EXPECT_TRUE(m.fUndoListe.empty());
  EXPECT_EQ(u.fenster.fUndoBefehle, (std::vector<bool>{true, false}));
  // Der Schalter aus: nichts wird aufgezeichnet.
  m.fMerken = false;
  a->NeueSetzung(1, 1, 1, nullptr);
  EXPECT_TRUE(m.fUndoListe.empty());
}

TEST_F(UndoTest, EineZurueckgenommeneStundeNimmtKeinenRaumDerInzwischenBelegtIst) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 2);
  TKurs* b = Kurs(l2, fM, {k5b}, {r1, r2}, nullptr, 2);
  a->NeueSetzung(1, 1, 1, r1);
  TSetzung* sb = b->NeueSetzung(1, 1, 1, r2);
  TManuell m;
  a->LoescheSetzung(1, 1, 1, false);
  b->AendereRaumInSetzung(sb, r1);  // nicht aufgezeichnet
  m.Widerrufen();
  ASSERT_NE(a->SetzungFinden(1, 1, 1), nullptr);
  EXPECT_EQ(a->SetzungFinden(1, 1, 1)->fRaum, nullptr);
  EXPECT_EQ(b->SetzungFinden(1, 1, 1)->fRaum, r1);
  EXPECT_TRUE(BelegungenStimmen(s));
}

// Widerrufen stellt den Stand vor den Schritten her, auch mit einer Doppelbelegung, die es dort
// gab (Import, "Trotzdem"): beide Stunden des Lehrers kommen in ihre Zelle zurück.
TEST_F(UndoTest, EineDoppelbelegungVonVorherKommtZurueck) {
  TKurs* a = Kurs(l1, fD, {k5a}, {}, nullptr, 1);
  TKurs* b = Kurs(l1, fM, {k5b}, {}, nullptr, 1);
  a->NeueSetzung(1, 1, 1, nullptr);
  b->NeueSetzung(1, 1, 1, nullptr);
  TManuell m;
  a->LoescheSetzung(1, 1, 1, false);
  b->LoescheSetzung(1, 1, 1, false);
  EXPECT_FALSE(l1->fBesetzung.GetWocheTagStd(1, 1, 1));
  m.Widerrufen();
  EXPECT_NE(a->SetzungFinden(1, 1, 1), nullptr);
  EXPECT_NE(b->SetzungFinden(1, 1, 1), nullptr);
  EXPECT_TRUE(l1->fBesetzung.GetWocheTagStd(1, 1, 1));
  EXPECT_TRUE(BelegungenStimmen(s));
}

// Hat inzwischen ein Schritt, den das Protokoll nicht kennt (die automatische Planung, Einsetzen,
// Import), eine andere Stunde des Lehrers in die Zelle gelegt, bleibt die zurückgenommene Stunde
// offen: zurückgelegt wäre der Lehrer dort doppelt belegt, was er vorher nie war.
TEST_F(UndoTest, EineStundeKommtNichtInEineZelleDieInzwischenDerLehrerHat) {
  TKurs* a = Kurs(l1, fD, {k5a}, {}, nullptr, 1);
  TKurs* b = Kurs(l1, fM, {k5b}, {}, nullptr, 1);
  a->NeueSetzung(1, 1, 1, nullptr);
  TManuell m;
  a->LoescheSetzung(1, 1, 1, false);
  {
    TOhneMerken ohne;
    b->NeueSetzung(1, 1, 1, nullptr);
  }
  m.Widerrufen();
  EXPECT_EQ(a->SetzungFinden(1, 1, 1), nullptr);
  EXPECT_NE(b->SetzungFinden(1, 1, 1), nullptr);
  EXPECT_EQ(a->RestStunden(1), 1);
  EXPECT_TRUE(m.fUndoListe.empty());
  EXPECT_TRUE(BelegungenStimmen(s));
}

// Eine gelöschte Kopplung nimmt ihre Kurse aus den Plänen; "Widerrufen" setzt sie nicht ohne
// Kopplung in ihre alte Zelle zurück (die gemeinsame Klasse wäre dort doppelt belegt). Die Kurse
// bleiben in der Kursliste des Fensters.
TEST_F(UndoTest, KurseEinerGeloeschtenKopplungKommenNichtZurueck) {
  TKurs* a = Kurs(l1, fD, {k5a}, {}, g, 1);
  TKurs* b = Kurs(l2, fD, {k5a}, {}, g, 1);
  a->NeueSetzung(1, 1, 1, nullptr);
  b->NeueSetzung(1, 1, 1, nullptr);
  TManuell m;
  m.KursAufnehmen(a);
  a->NeueSetzung(1, 1, 2, nullptr);
  b->NeueSetzung(1, 1, 2, nullptr);
  s.ElementLoeschen(g);
  EXPECT_TRUE(m.fUndoListe.empty());
  EXPECT_EQ(m.fKurse.Kopie(), (std::vector<TKurs*>{a, b}));
  m.Widerrufen();
  EXPECT_TRUE(a->fSetzungen.empty());
  EXPECT_TRUE(b->fSetzungen.empty());
  EXPECT_FALSE(k5a->fBesetzung.GetWocheTagStd(1, 1, 1));
  EXPECT_TRUE(BelegungenStimmen(s));
}
