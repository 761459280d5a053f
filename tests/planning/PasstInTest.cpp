#include "PlanHilfe.h"

namespace {
using Zeilen = std::vector<std::string>;
const Zeilen kKoppelKnoepfe = {"Dieser Kurs", "Kopplung", "Abbrechen"};
}  // namespace

class PasstInTest : public PlanTest {};

TEST_F(PasstInTest, OhneKonfliktKeineFrage) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 2);
  a->NeueSetzung(1, 1, 1, r1);
  TKonfliktListe liste;
  EXPECT_TRUE(a->PasstIn(2, 2, 1, 1, liste, true));
  EXPECT_TRUE(u.dialog.fProtokoll.empty());
}

TEST_F(PasstInTest, EinGesperrterRaumZeigtSetzungsverbotUndAendertNichts) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 2);
  TKurs* x = Kurs(l2, fM, {k5b}, {r1}, nullptr, 2);
  a->NeueSetzung(1, 1, 1, r1);
  x->NeueSetzung(1, 2, 2, nullptr);
  r1->fSperrung.SetWocheTagStd(1, 2, 2, true);
  TKonfliktListe liste;
  EXPECT_FALSE(a->PasstIn(2, 2, 1, 1, liste, false));
  ASSERT_EQ(u.dialog.fProtokoll.size(), 1u);
  const auto& m = u.dialog.fProtokoll[0];
  EXPECT_FALSE(m.IstFrage);  // eine Meldung mit "Ok"
  EXPECT_EQ(m.Titel, "Setzungsverbot");
  EXPECT_EQ(m.Zeilen, (Zeilen{"Konflikt", "Di  2", "{1} Raum R1 gesperrt. ",
                              "Sperrungen und Fixierungen können", "nicht verdrängt werden."}));
  EXPECT_NE(a->SetzungFinden(1, 1, 1), nullptr);
  EXPECT_EQ(liste.ListeZahlElemente(), 1);
  // Fixiert (Schwere 3) ebenso, auch neben Verdrängbarem.
  r1->fSperrung.SetWocheTagStd(1, 2, 2, false);
  TKurs* y = Kurs(l3, fE, {k5a}, {}, nullptr, 2);
  y->NeueSetzung(1, 2, 2, nullptr)->fFixiert = true;
  x->AendereRaumInSetzung(x->SetzungFinden(1, 2, 2), r1);
  TKonfliktListe zwei;
  EXPECT_FALSE(a->PasstInMitRaum(2, 2, 1, 1, zwei, false, r1));
  EXPECT_EQ(u.dialog.fProtokoll.back().Titel, "Setzungsverbot");
  EXPECT_EQ(u.dialog.fProtokoll.back().Zeilen,
            (Zeilen{"Konflikt", "Di  2", "{1} Klasse 5a fixiert durch KRA E 5a.",
                    "{1} Raum R1 besetzt durch SCH M 5b.", "Sperrungen und Fixierungen können",
                    "nicht verdrängt werden."}));
  EXPECT_NE(x->SetzungFinden(1, 2, 2), nullptr);
  EXPECT_NE(y->SetzungFinden(1, 2, 2), nullptr);
}

TEST_F(PasstInTest, VerdraengenAbbrechenLaesstAllesSoWieEsWar) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 2);
  TKurs* x = Kurs(l2, fM, {k5b}, {r1}, nullptr, 2);
  a->NeueSetzung(1, 1, 1, r1);
  x->NeueSetzung(1, 3, 4, r1);
  u.dialog.Antworte("Abbrechen");
  TKonfliktListe liste;
  EXPECT_FALSE(a->PasstIn(3, 4, 1, 1, liste, false));
  const auto& f = u.dialog.fProtokoll.at(0);
  EXPECT_TRUE(f.IstFrage);
  EXPECT_EQ(f.Titel, "Verdrängen");
  EXPECT_EQ(f.Zeilen, (Zeilen{"Konflikt mit", "Mi  4", "{1} Raum R1 besetzt durch SCH M 5b."}));
  EXPECT_EQ(f.Knoepfe, (Zeilen{"Abbrechen", "Trotzdem setzen"}));
  EXPECT_NE(x->SetzungFinden(1, 3, 4), nullptr);
}

TEST_F(PasstInTest, TrotzdemSetzenVerdraengtUngekoppelteStunden) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 2);
  TKurs* x = Kurs(l2, fM, {k5b}, {r1}, nullptr, 2);
  TKurs* y = Kurs(l1, fE, {}, {}, nullptr, 2);
  a->NeueSetzung(1, 1, 1, r1);
  x->NeueSetzung(1, 3, 4, r1);
  y->NeueSetzung(1, 3, 4, nullptr);
  u.dialog.Antworte("Trotzdem setzen");
  TKonfliktListe liste;
  ASSERT_TRUE(a->PasstIn(3, 4, 1, 1, liste, false));
  EXPECT_EQ(u.dialog.fProtokoll.at(0).Zeilen,
            (Zeilen{"Konflikt mit", "Mi  4", "{1} Lehrer MUE besetzt durch MUE E.",
                    "{1} Raum R1 besetzt durch SCH M 5b."}));
  EXPECT_TRUE(x->fSetzungen.empty());
  EXPECT_TRUE(y->fSetzungen.empty());
  a->Schiebe(3, 4, 1, 1, false);
  EXPECT_EQ(a->SetzungFinden(1, 3, 4)->fRaum, r1);
  EXPECT_TRUE(BelegungenStimmen(s));
}

TEST_F(PasstInTest, GekoppelterKursFragtUndJedeAntwortWirkt) {
  TKopplung* g2 = s.HoleKopplung("G2");
  TKurs* a = Kurs(l1, fD, {k5a}, {}, nullptr, 4);
  TKurs* x1 = Kurs(l2, fM, {k5a}, {r1}, g2, 4);
  TKurs* x2 = Kurs(l3, fE, {k5b}, {r2}, g2, 4);
  a->NeueSetzung(1, 1, 1, nullptr);
  for (int h : {2, 3, 4}) {
    x1->NeueSetzung(1, 5, h, r1);
    x2->NeueSetzung(1, 5, h, r2);
  }
  // "Dieser Kurs": nur x1 verliert seine Stunde.
  u.dialog.Antworte("Trotzdem setzen");
  u.dialog.Antworte("Dieser Kurs");
  TKonfliktListe liste;
  EXPECT_TRUE(a->PasstIn(5, 2, 1, 1, liste, false));
  const auto& frage = u.dialog.fProtokoll.at(1);
  EXPECT_EQ(frage.Titel, "gekoppelten Kurs löschen");
  EXPECT_EQ(frage.Zeilen, (Zeilen{"{1} Fr  2 SCH M 5a G2 R1", "{1} Fr  2 KRA E 5b G2 R2"}));
  EXPECT_EQ(frage.Knoepfe, kKoppelKnoepfe);
  EXPECT_EQ(x1->SetzungFinden(1, 5, 2), nullptr);
  EXPECT_NE(x2->SetzungFinden(1, 5, 2), nullptr);
  // "Kopplung": beide.
  u.dialog.Antworte("Trotzdem setzen");
  u.dialog.Antworte("Kopplung");
  TKonfliktListe zwei;
  EXPECT_TRUE(a->PasstIn(5, 3, 1, 1, zwei, false));
  EXPECT_EQ(x1->SetzungFinden(1, 5, 3), nullptr);
  EXPECT_EQ(x2->SetzungFinden(1, 5, 3), nullptr);
  // "Abbrechen": nichts verdrängt, der Test scheitert.
  u.dialog.Antworte("Trotzdem setzen");
  u.dialog.Antworte("Abbrechen");
  TKonfliktListe drei;
  EXPECT_FALSE(a->PasstIn(5, 4, 1, 1, drei, false));
  EXPECT_NE(x1->SetzungFinden(1, 5, 4), nullptr);
  EXPECT_TRUE(BelegungenStimmen(s));
}

TEST_F(PasstInTest, AbbrechenInDerKoppelfrageBehaeltDasSchonVerdraengte) {
  TKopplung* g2 = s.HoleKopplung("G2");
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 2);
  TKurs* y = Kurs(l2, fM, {k5a}, {}, nullptr, 2);  // Klasse, ungekoppelt
  TKurs* z = Kurs(l3, fE, {}, {r1}, g2, 2);        // Raum, gekoppelt
  a->NeueSetzung(1, 1, 1, r1);
  y->NeueSetzung(1, 2, 1, nullptr);
  z->NeueSetzung(1, 2, 1, r1);
  u.dialog.Antworte("Trotzdem setzen");
  u.dialog.Antworte("Abbrechen");
  TKonfliktListe liste;
  EXPECT_FALSE(a->PasstIn(2, 1, 1, 1, liste, false));
  EXPECT_TRUE(y->fSetzungen.empty());  // klBe kam zuerst und ist verdrängt
  EXPECT_NE(z->SetzungFinden(1, 2, 1), nullptr);
  EXPECT_TRUE(BelegungenStimmen(s));
}

TEST_F(PasstInTest, NachKopplungEntfaelltDerZweiteEintragDerselbenKopplungOhneFrage) {
  TKopplung* g2 = s.HoleKopplung("G2");
  TKurs* a = Kurs(l1, fD, {k5a}, {}, nullptr, 2);
  TKurs* x1 = Kurs(l1, fM, {}, {}, g2, 2);     // Lehrer besetzt
  TKurs* x2 = Kurs(l2, fE, {k5a}, {}, g2, 2);  // Klasse besetzt
  a->NeueSetzung(1, 1, 1, nullptr);
  x1->NeueSetzung(1, 4, 1, nullptr);
  x2->NeueSetzung(1, 4, 1, nullptr);
  u.dialog.Antworte("Trotzdem setzen");
  u.dialog.Antworte("Kopplung");
  TKonfliktListe liste;
  EXPECT_TRUE(a->PasstIn(4, 1, 1, 1, liste, false));
  EXPECT_EQ(Titel(), (Zeilen{"Verdrängen", "gekoppelten Kurs löschen"}));
  EXPECT_TRUE(x1->fSetzungen.empty());
  EXPECT_TRUE(x2->fSetzungen.empty());
}

TEST_F(PasstInTest, MehrwoechigVerdraengtDieKopplungInDerWocheDesKonflikts) {
  ZweiWochen();
  TKopplung* g2 = s.HoleKopplung("G2");
  TKurs* a = Kurs(l1, fD, {k5a}, {}, nullptr, 1);
  TKurs* x = Kurs(l2, fM, {k5a}, {}, g2, 1);
  a->NeueSetzung(1, 1, 1, nullptr);
  a->NeueSetzung(2, 1, 1, nullptr);
  x->NeueSetzung(2, 3, 3, nullptr);  // nur in Woche 2 im Ziel
  u.dialog.Antworte("Trotzdem setzen");
  u.dialog.Antworte("Dieser Kurs");
  TKonfliktListe liste;
  ASSERT_TRUE(a->PasstIn(3, 3, 1, 1, liste, false));
  EXPECT_EQ(u.dialog.fProtokoll.at(1).Zeilen, (Zeilen{"{2} Mi  3 SCH M 5a G2"}));
  EXPECT_TRUE(x->fSetzungen.empty());
  a->Schiebe(3, 3, 1, 1, false);
  EXPECT_NE(a->SetzungFinden(2, 3, 3), nullptr);
  EXPECT_TRUE(BelegungenStimmen(s));
}

TEST_F(PasstInTest, MitKopplungPruefenAlleKurseDerAltenZelle) {
  TKopplung* g2 = s.HoleKopplung("G2");
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, g, 2);
  TKurs* b = Kurs(l2, fE, {k5b}, {r2}, g, 2);
  TKurs* x = Kurs(l2, fM, {}, {}, g2, 2);  // b's Lehrer ist im Ziel fixiert
  a->NeueSetzung(1, 1, 1, r1);
  b->NeueSetzung(1, 1, 1, r2);
  x->NeueSetzung(1, 2, 2, nullptr)->fFixiert = true;
  TKonfliktListe ohne;
  EXPECT_TRUE(a->PasstIn(2, 2, 1, 1, ohne, false));  // a allein: frei
  TKonfliktListe mit;
  EXPECT_FALSE(a->PasstIn(2, 2, 1, 1, mit, true));
  EXPECT_EQ(u.dialog.fProtokoll.back().Zeilen.at(2), "{1} Lehrer SCH fixiert durch SCH M G2.");
  // Mit neuem Raum: dieser Kurs testet R3, der gekoppelte seinen alten Raum R2.
  x->SetzungFinden(1, 2, 2)->fFixiert = false;
  x->LoescheSetzung(1, 2, 2, false);
  r3->fSperrung.SetWocheTagStd(1, 2, 2, true);
  TKonfliktListe raum;
  EXPECT_FALSE(a->PasstInMitRaum(2, 2, 1, 1, raum, true, r3));
  EXPECT_EQ(u.dialog.fProtokoll.back().Zeilen.at(2), "{1} Raum R3 gesperrt. ");
  r3->fSperrung.SetWocheTagStd(1, 2, 2, false);
  r2->fSperrung.SetWocheTagStd(1, 2, 2, true);
  TKonfliktListe raum2;
  EXPECT_FALSE(a->PasstInMitRaum(2, 2, 1, 1, raum2, true, r3));
  EXPECT_EQ(u.dialog.fProtokoll.back().Zeilen.at(2), "{1} Raum R2 gesperrt. ");
}

// Mit Kopplung behalten die mitgenommenen Kurse ihre Räume: der neue Raum dieses Kurses darf
// nicht der sein, den einer von ihnen mitnimmt (in der Zielzelle ist er noch frei).
TEST_F(PasstInTest, MitRaumLehntDenRaumEinesMitgenommenenKursesAb) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1, r2}, g, 2);
  TKurs* b = Kurs(l2, fE, {k5b}, {r2}, g, 2);
  a->NeueSetzung(1, 1, 1, r1);
  b->NeueSetzung(1, 1, 1, r2);
  TKonfliktListe liste;
  EXPECT_FALSE(a->PasstInMitRaum(2, 2, 1, 1, liste, true, r2));
  EXPECT_EQ(u.dialog.fPiepser, 1);
  EXPECT_TRUE(u.dialog.fProtokoll.empty());
  // Ohne Kopplung bleibt b, wo es ist; ein anderer Raum geht mit Kopplung.
  TKonfliktListe allein, anderer;
  EXPECT_TRUE(a->PasstInMitRaum(2, 2, 1, 1, allein, false, r2));
  EXPECT_TRUE(a->PasstInMitRaum(2, 2, 1, 1, anderer, true, r1));
  a->SchiebeMitRaum(2, 2, 1, 1, true, r1);
  EXPECT_EQ(a->RaumFinden(1, 2, 2), r1);
  EXPECT_EQ(b->RaumFinden(1, 2, 2), r2);
}

TEST_F(PasstInTest, ManOhneKonflPasstInTestetMitKopplungJedenKursDerKopplung) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, g, 2);
  Kurs(l2, fE, {k5b}, {r2, r3}, g, 2);
  TKurs* y = Kurs(l2, fM, {}, {}, nullptr, 2);
  y->NeueSetzung(1, 1, 1, nullptr);  // der Lehrer des gekoppelten Kurses ist dort besetzt
  r2->fSperrung.SetWocheTagStd(1, 1, 1, true);  // er bekäme R3: kein Raumkonflikt
  u.dialog.Antworte("Abbrechen");
  TKonfliktListe liste;
  EXPECT_FALSE(a->ManOhneKonflPasstIn(1, 1, liste, true, r1));
  EXPECT_EQ(u.dialog.fProtokoll.back().Zeilen,
            (Zeilen{"Konflikt mit", "Mo  1", "{1} Lehrer SCH besetzt durch SCH M."}));
  TKonfliktListe allein;
  EXPECT_TRUE(a->ManOhneKonflPasstIn(1, 1, allein, false, r1));
  EXPECT_EQ(u.dialog.fProtokoll.size(), 1u);
}

namespace {
// Ein Manuellfenster, dessen Neuzeichnen seine Konfliktlisten neu baut (hier: leert).
class TManuellFenster : public TFakeFenster, public TManuellProtokoll {
 public:
  explicit TManuellFenster(TKonfliktListe& liste)
      : TFakeFenster(FensterArt::Manuell, "Manuell"), fListe(liste) {}
  void FensterRefresh() override {
    TFakeFenster::FensterRefresh();
    fListe.ListeLeeren();
  }
  TKonfliktListe& fListe;
};
}  // namespace

TEST_F(PasstInTest, ManPasstInArbeitetAufEigenenKopien) {
  TKopplung* g2 = s.HoleKopplung("G2");
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 2);
  TKurs* x = Kurs(l2, fM, {k5a}, {}, nullptr, 2);
  TKurs* y = Kurs(l3, fE, {}, {r1}, g2, 2);
  x->NeueSetzung(1, 2, 2, nullptr);
  y->NeueSetzung(1, 2, 2, r1);
  TKonfliktListe zelle;
  a->ManKonfliktListe(2, 2, zelle, r1);
  ASSERT_EQ(zelle.ListeZahlElemente(), 2);
  TManuellFenster manuell(zelle);
  s.fManuellForm = &manuell;
  u.dialog.Antworte("Trotzdem setzen");
  u.dialog.Antworte("Dieser Kurs");
  EXPECT_TRUE(a->ManPasstIn(2, 2, zelle));
  EXPECT_GT(manuell.fRefreshs, 0);
  EXPECT_TRUE(x->fSetzungen.empty());
  EXPECT_TRUE(y->fSetzungen.empty());
  EXPECT_GT(manuell.fKurse.ListeElemNr(y), 0);  // der verdrängte gekoppelte Kurs
  EXPECT_EQ(u.dialog.fProtokoll.at(0).Zeilen,
            (Zeilen{"Konflikt mit", "Di  2", "{1} Klasse 5a besetzt durch SCH M 5a.",
                    "{1} Raum R1 besetzt durch KRA E G2."}));
  s.fManuellForm = nullptr;
}

TEST_F(PasstInTest, ManPasstInMitKeinRaumFreiWarntNurUndSetzt) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, g, 2);
  r1->fSperrung.SetWocheTagStd(1, 1, 1, true);
  TKonfliktListe zelle;
  a->ManKoRaumKonflikt(1, 1, zelle);
  u.dialog.Antworte("Trotzdem setzen");
  EXPECT_TRUE(a->ManPasstIn(1, 1, zelle));
  EXPECT_EQ(u.dialog.fProtokoll.at(0).Zeilen, (Zeilen{"Konflikt mit", "Mo  1", ""}));
  EXPECT_EQ(zelle.ListeZahlElemente(), 1);  // die gegebene Liste bleibt
}
