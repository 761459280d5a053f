// Vertretungen aus Abwesenheiten: die Haken von Lehrern, Klassen und Räumen, das Eintragen von
// Vertretern und Räumen mit ihren Fragen, "Frei", "Löschen", "Anrechnen", die Statt-Stunden und
// die Konten.
#include "VertretungHilfe.h"

namespace {

// Ein Raum, der die Meldungen des Änderungsprotokolls aufzeichnet.
class TProtokollRaum : public TRaum {
 public:
  void FehltNeuIn(TDateTime, int std) override { fLog.push_back("neu " + std::to_string(std)); }
  void FehltNichtMehrIn(TDateTime, int std) override {
    fLog.push_back("weg " + std::to_string(std));
  }
  std::vector<std::string> fLog;
};

TEST_F(VertretungsTest, DasAenderungsprotokollMeldetNurGeaenderteStundenInFolge) {
  TProtokollRaum raum;
  TFehl f;
  f.fElement = &raum;
  f.fDatum = Tag(0);
  f.fHilfe = StundenMaske(3, 4);
  f.AendereVertretung();
  EXPECT_EQ(f.fZeit, StundenMaske(3, 4));
  EXPECT_EQ(f.fHilfe, 0);
  f.fHilfe = StundenMaske(4, 5);
  f.AendereVertretung();
  EXPECT_EQ(raum.fLog, (std::vector<std::string>{"neu 3", "neu 4", "weg 3", "neu 5"}));
  EXPECT_EQ(f.fHilfe, StundenMaske(3, 4));
}

TEST_F(VertretungsTest, LehrerFehltUndKommtWieder) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 4);
  TSetzung* p = a->NeueSetzung(1, 1, 3, r1);
  a->NeueSetzung(1, 1, 4, r1);
  Abwesend(l1, Tag(0), 3, 3);
  ASSERT_EQ(Anzahl(), 1);
  const TVertretung* v = Von(p, Tag(0));
  ASSERT_NE(v, nullptr);
  EXPECT_EQ(v->fLehrer, nullptr);
  EXPECT_TRUE(v->fGueltig);
  EXPECT_TRUE(v->fAngerechnet);
  EXPECT_EQ(v->fRaum, r1);
  EXPECT_EQ(v->fFach, fD);
  EXPECT_TRUE(VertretungenStimmen(s));
  Abwesend(l1, Tag(0), 0, 0);
  EXPECT_EQ(Anzahl(), 0);
  EXPECT_TRUE(s.fFehlLehrerMenge.empty());
  // An einem Ferientag und vor dem Kalender findet keine Stunde statt.
  FerienAm(Tag(7));
  Abwesend(l1, Tag(7), 1, 16);
  Abwesend(l1, DatumZuZahl(1993, 12, 20) + 0.5, 1, 16);
  EXPECT_EQ(Anzahl(), 0);
}

// Fehlt der Lehrer in einer Stunde, deren Raum schon fehlte, verliert ihre Vertretung den Lehrer
// und rückt zu den Lehrervertretungen (vor die der späteren Stunde).
TEST_F(VertretungsTest, RaumvertretungRuecktOhneLehrerAnIhrenPlatz) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 4);
  TSetzung* p1 = a->NeueSetzung(1, 1, 1, r1);
  TSetzung* p2 = a->NeueSetzung(1, 1, 2, r1);
  Abwesend(r1, Tag(0), 1, 1);
  Abwesend(l1, Tag(0), 2, 2);
  ASSERT_EQ(Anzahl(), 2);
  EXPECT_EQ(s.fVertretungsMenge[0], Von(p2, Tag(0)));
  Abwesend(l1, Tag(0), 1, 2);
  ASSERT_EQ(Anzahl(), 2);
  EXPECT_EQ(Von(p1, Tag(0))->fLehrer, nullptr);
  EXPECT_EQ(s.fVertretungsMenge[0], Von(p1, Tag(0)));
  EXPECT_TRUE(VertretungenStimmen(s));
}

TEST_F(VertretungsTest, AlleKlassenFehlenDannFehltDerLehrerAuch) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 4);
  a->fFaktor = 2;
  TSetzung* p = a->NeueSetzung(1, 1, 3, r1);
  Abwesend(k5a, Tag(0), 3, 3);
  EXPECT_EQ(l1->fVStunden1, -2);  // der Lehrer verliert die Stunde
  EXPECT_TRUE(VertretungenStimmen(s));
  Abwesend(l1, Tag(0), 1, 6);
  ASSERT_NE(Von(p, Tag(0)), nullptr);
  EXPECT_FALSE(Von(p, Tag(0))->fGueltig);
  EXPECT_EQ(l1->fVStunden1, 0);  // wer fehlt, verliert nichts
  EXPECT_TRUE(VertretungenStimmen(s));
  Abwesend(l1, Tag(0), 0, 0);
  EXPECT_EQ(Anzahl(), 0);
  EXPECT_EQ(l1->fVStunden1, -2);
  EXPECT_TRUE(VertretungenStimmen(s));
  Abwesend(k5a, Tag(0), 0, 0);
  EXPECT_EQ(l1->fVStunden1, 0);
  EXPECT_EQ(l1->MonatsStunden(2026, 12), 0);
  EXPECT_TRUE(VertretungenStimmen(s));
}

TEST_F(VertretungsTest, VertreterDerSelbstFehltUndStattStunden) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 4);
  TKurs* b = Kurs(l2, fM, {k5b}, {r2}, nullptr, 4);
  TSetzung* pa = a->NeueSetzung(1, 1, 3, r1);
  TSetzung* pb = b->NeueSetzung(1, 1, 3, r2);
  Abwesend(l1, Tag(0), 3, 3);
  TVertretung* va = Von(pa, Tag(0));
  ASSERT_TRUE(va->TrageLehrerEin(l2, nullptr));
  // l2 gibt A statt seiner eigenen Stunde B: B bekommt eine Vertretung, A zählt nicht.
  TVertretung* vb = Von(pb, Tag(0));
  ASSERT_NE(vb, nullptr);
  EXPECT_EQ(va->fZu, vb);
  EXPECT_EQ(vb->fVon, va);
  EXPECT_EQ(vb->fLehrer, nullptr);
  EXPECT_FALSE(va->fAngerechnet);
  EXPECT_EQ(l2->fVStunden1, 0);
  EXPECT_TRUE(VertretungenStimmen(s));
  // Bemerkungen: gleiche Stunde am gleichen Tag, also ohne Datum und Stunde.
  va->FuelleBemerkung();
  EXPECT_EQ(va->fLInfo.str(), "statt  " + b->OhneRaumKlKoZeile() + " R2");
  EXPECT_EQ(vb->fSInfo.str(), "verlegt auf  " + a->OhneRaumKlKoZeile() + " R1");
  // Derselbe Vertreter noch einmal: nichts geschieht, nichts wird gefragt.
  EXPECT_FALSE(va->TrageLehrerEin(l2, nullptr));
  EXPECT_EQ(Anzahl(), 2);
  // Nun fehlt l2 selbst: er wird aus A ausgetragen, B bekommt eine eigene Vertretung.
  Abwesend(l2, Tag(0), 3, 3);
  EXPECT_EQ(Anzahl(), 2);
  EXPECT_EQ(va->fLehrer, nullptr);
  EXPECT_EQ(va->fZu, nullptr);
  ASSERT_NE(Von(pb, Tag(0)), nullptr);
  EXPECT_EQ(Von(pb, Tag(0))->fVon, nullptr);
  EXPECT_TRUE(Von(pb, Tag(0))->fAngerechnet);
  EXPECT_TRUE(VertretungenStimmen(s));
}

TEST_F(VertretungsTest, LoeschenDerVertretungNimmtDieStattPartnerinMit) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 4);
  TKurs* b = Kurs(l2, fM, {k5b}, {r2}, nullptr, 4);
  TSetzung* pa = a->NeueSetzung(1, 1, 3, r1);
  TSetzung* pb = b->NeueSetzung(1, 1, 3, r2);
  Abwesend(l1, Tag(0), 3, 3);
  Von(pa, Tag(0))->TrageLehrerEin(l2, nullptr);
  s.VertretungLoeschen(Von(pb, Tag(0)));  // die Partnerin: A verliert nur den Verweis
  ASSERT_EQ(Anzahl(), 1);
  EXPECT_EQ(Von(pa, Tag(0))->fZu, nullptr);
  EXPECT_EQ(Von(pa, Tag(0))->fLehrer, l2);
  Von(pa, Tag(0))->Loeschen(true);
  Von(pa, Tag(0))->TrageLehrerEin(l2, nullptr);
  ASSERT_EQ(Anzahl(), 2);
  s.VertretungLoeschen(Von(pa, Tag(0)));
  EXPECT_EQ(Anzahl(), 0);
  EXPECT_TRUE(VertretungenStimmen(s));
}

TEST_F(VertretungsTest, LehrerEintragenFragtBeiJederBehinderung) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 4);
  TKurs* c = Kurs(l2, fM, {k5b}, {r2}, nullptr, 4);
  TSetzung* pa = a->NeueSetzung(1, 1, 3, r1);
  TSetzung* pc = c->NeueSetzung(1, 1, 3, r2);
  Abwesend(l1, Tag(0), 3, 3);
  Abwesend(l2, Tag(0), 3, 3);
  TVertretung* va = Von(pa, Tag(0));
  TVertretung* vc = Von(pc, Tag(0));
  auto frage = [&](TLehrer* l, const std::string& text) {
    u.dialog.fProtokoll.clear();
    u.dialog.Antworte("Nein");
    EXPECT_FALSE(va->TrageLehrerEin(l, nullptr));
    ASSERT_EQ(u.dialog.fProtokoll.size(), 1u);
    EXPECT_EQ(u.dialog.fProtokoll[0].Titel, "Lehrer fehlt");
    EXPECT_EQ(u.dialog.fProtokoll[0].Zeilen,
              (std::vector<std::string>{text, "Trotzdem einsetzen?"}));
    EXPECT_EQ(u.dialog.fProtokoll[0].Knoepfe, (std::vector<std::string>{"Ja", "Nein"}));
    EXPECT_EQ(va->fLehrer, nullptr);
  };
  frage(l3, "Lehrer KRA hat diesen Tag frei.");
  l3->fSperrung.SetWocheTagStd(1, 1, 3, true);
  frage(l3, "Lehrer KRA ist gesperrt.");
  frage(l2, "Lehrer SCH fehlt.");
  u.dialog.Antworte("Ja");
  ASSERT_TRUE(vc->TrageLehrerEin(l3, nullptr));  // gesperrt, trotzdem
  frage(l3, "Lehrer KRA vertritt schon.");
  EXPECT_EQ(l3->fVStunden1, 1);
  EXPECT_TRUE(VertretungenStimmen(s));
}

TEST_F(VertretungsTest, FreiLoeschenAnrechnenUndWieAm) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 4);
  TKurs* b = Kurs(l2, fM, {k5b}, {r2}, nullptr, 4);
  TSetzung* pa = a->NeueSetzung(1, 1, 3, r1);
  b->NeueSetzung(1, 1, 1, r2);
  a->fFaktor = 3;
  Abwesend(l1, Tag(0), 3, 3);
  Abwesend(l1, Tag(7), 3, 3);
  TVertretung* v = Von(pa, Tag(0));
  ASSERT_TRUE(v->TrageLehrerEin(l2, nullptr));
  EXPECT_EQ(l2->fVStunden1, 3);
  v->Anrechnen(false);
  EXPECT_EQ(l2->fVStunden1, 0);
  v->Anrechnen(true);
  EXPECT_EQ(l2->fVStunden1, 3);
  EXPECT_TRUE(VertretungenStimmen(s));
  // "Wie am": die andere Woche übernimmt Lehrer und Fach.
  TVertretung* w = Von(pa, Tag(7));
  w->SetzeFach(fE);
  TMenue menue;
  v->ErzeugeWieMenu(menue);
  EXPECT_TRUE(menue.empty());  // die andere Woche hat noch keinen Vertreter
  w->ErzeugeWieMenu(menue);
  ASSERT_EQ(menue.size(), 1u);
  EXPECT_EQ(menue[0].Text, "Mo, 7. Dez   3 SCH");
  v->fFach = fM;
  menue[0].Aktion();
  EXPECT_EQ(w->fLehrer, l2);
  EXPECT_EQ(w->fFach, fM);
  EXPECT_EQ(l2->fVStunden1, 6);
  EXPECT_EQ(l2->MonatsStunden(2026, 12), 6);
  ASSERT_TRUE(v->Frei());
  EXPECT_FALSE(v->Frei());
  EXPECT_EQ(l2->fVStunden1, 3);
  EXPECT_EQ(v->fLInfo.str(), "frei");
  EXPECT_EQ(v->fRaum, nullptr);
  v->Loeschen(false);
  EXPECT_FALSE(v->fFrei);
  EXPECT_TRUE(VertretungenStimmen(s));
}

TEST_F(VertretungsTest, RaumEintragenFragtUndEinRaumwechselKannWegfallen) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 4);
  TKurs* c = Kurs(l2, fM, {k5b}, {r2}, nullptr, 4);
  TSetzung* pa = a->NeueSetzung(1, 1, 3, r1);
  c->NeueSetzung(1, 1, 3, r2);
  Abwesend(r1, Tag(0), 3, 3);
  ASSERT_EQ(Anzahl(), 1);
  TVertretung* v = Von(pa, Tag(0));
  EXPECT_EQ(v->fLehrer, l1);  // nur ein Raumwechsel
  EXPECT_EQ(v->fRaum, nullptr);
  EXPECT_FALSE(v->fAngerechnet);
  u.dialog.Antworte("Nein");
  EXPECT_FALSE(v->TrageRaumEin(r2));
  ASSERT_EQ(u.dialog.fProtokoll.size(), 1u);
  EXPECT_EQ(u.dialog.fProtokoll[0].Titel, "Raum ist besetzt");
  EXPECT_EQ(u.dialog.fProtokoll[0].Zeilen,
            (std::vector<std::string>{"In Raum R2 ist Unterricht.", "Trotzdem einsetzen?"}));
  r3->fSperrung.SetWocheTagStd(1, 1, 3, true);
  u.dialog.Antworte("Ja");
  ASSERT_TRUE(v->TrageRaumEin(r3));
  EXPECT_EQ(u.dialog.fProtokoll.back().Zeilen[0], "Raum R3 ist gesperrt.");
  v->FuelleBemerkung();
  EXPECT_EQ(v->fLInfo.str(), "in Raum R3 ");
  // Der eigene, fehlende Raum zurück: die Abwesenheit trifft die Stunde nicht mehr, der
  // Raumwechsel entfällt, und in die gelöschte Vertretung wird nichts geschrieben.
  u.dialog.Antworte("Ja");
  EXPECT_FALSE(v->TrageRaumEin(r1));
  EXPECT_EQ(u.dialog.fProtokoll.back().Zeilen[0], "Raum R1 ist nicht verfügbar.");
  EXPECT_EQ(Anzahl(), 0);
  EXPECT_EQ(s.fFehlRaumMenge.ListeZahlElemente(), 1);  // die Abwesenheit bleibt
}

TEST_F(VertretungsTest, LehrerUndRaumFehlenInDerselbenStunde) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 4);
  TSetzung* p = a->NeueSetzung(1, 1, 3, r1);
  Abwesend(r1, Tag(0), 3, 3);
  Abwesend(l1, Tag(0), 3, 3);
  ASSERT_EQ(Anzahl(), 1);
  EXPECT_EQ(Von(p, Tag(0))->fLehrer, nullptr);
  EXPECT_EQ(Von(p, Tag(0))->fRaum, nullptr);
  // Der Lehrer kommt wieder, der Raum fehlt noch: es bleibt ein Raumwechsel.
  Abwesend(l1, Tag(0), 0, 0);
  ASSERT_EQ(Anzahl(), 1);
  EXPECT_EQ(Von(p, Tag(0))->fLehrer, l1);
  EXPECT_TRUE(VertretungenStimmen(s));
  Abwesend(r1, Tag(0), 0, 0);
  EXPECT_EQ(Anzahl(), 0);
  // Umgekehrt: der Raum kommt zuerst wieder und steht der Lehrervertretung wieder zur Verfügung.
  Abwesend(l1, Tag(0), 3, 3);
  Abwesend(r1, Tag(0), 3, 3);
  ASSERT_EQ(Anzahl(), 1);
  EXPECT_EQ(Von(p, Tag(0))->fRaum, nullptr);
  Abwesend(r1, Tag(0), 0, 0);
  ASSERT_EQ(Anzahl(), 1);
  EXPECT_EQ(Von(p, Tag(0))->fRaum, r1);
  EXPECT_EQ(Von(p, Tag(0))->fLehrer, nullptr);
  EXPECT_TRUE(VertretungenStimmen(s));
}

TEST_F(VertretungsTest, EineZurueckkehrendeKlasseNimmtNurDenGeliehenenRaum) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 4);
  TKurs* c = Kurs(l2, fM, {k5b}, {r2}, nullptr, 4);
  TSetzung* pa = a->NeueSetzung(1, 1, 3, r1);
  TSetzung* pc = c->NeueSetzung(1, 1, 3, r2);
  Abwesend(k5a, Tag(0), 3, 3);
  Abwesend(l1, Tag(0), 3, 3);
  Abwesend(r2, Tag(0), 3, 3);
  TVertretung* vc = Von(pc, Tag(0));
  ASSERT_TRUE(vc->TrageRaumEin(r1));  // 5a fehlt: R1 ist frei
  EXPECT_TRUE(u.dialog.fProtokoll.empty());
  Abwesend(k5a, Tag(0), 0, 0);
  EXPECT_EQ(vc->fRaum, nullptr);
  EXPECT_EQ(Von(pa, Tag(0))->fRaum, r1);
  EXPECT_TRUE(Von(pa, Tag(0))->fGueltig);
  EXPECT_TRUE(VertretungenStimmen(s));
}

TEST_F(VertretungsTest, StattEinerAnderenStundeNimmtDieVorhandeneVertretung) {
  ZweiWochen();
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 4);
  TKurs* b = Kurs(l2, fM, {k5b}, {r2}, nullptr, 4);
  TSetzung* pa = a->NeueSetzung(1, 1, 3, r1);
  TSetzung* pb = b->NeueSetzung(1, 2, 5, r2);  // Dienstag, 5. Stunde
  Abwesend(l1, Tag(-7), 3, 3);                 // Montag, 30. November
  Abwesend(r2, Tag(-6), 5, 5);  // Dienstag, 1. Dezember: B hat schon einen Raumwechsel
  ASSERT_EQ(Anzahl(), 2);
  TVertretung* va = Von(pa, Tag(-7));
  u.dialog.Antworte("Ja");  // l3 hat diesen Tag frei
  va->TrageLehrerEin(l3, nullptr);
  EXPECT_EQ(l3->fVStunden1, 1);
  TStatt statt;
  statt.fLehrer = l2;
  statt.fKurs = b;
  statt.fSetzung = pb;
  statt.fDatum = Tag(-6);
  ASSERT_TRUE(va->TrageLehrerEin(l2, &statt));
  EXPECT_EQ(Anzahl(), 2);  // keine zweite Vertretung für B
  TVertretung* vb = Von(pb, Tag(-6));
  EXPECT_EQ(va->fZu, vb);
  EXPECT_EQ(vb->fVon, va);
  EXPECT_EQ(vb->fLehrer, nullptr);
  EXPECT_EQ(va->fLehrer, l2);
  EXPECT_EQ(va->fFach, fM);
  EXPECT_EQ(l3->fVStunden1, 0);
  // Die Lastschrift gilt dem Tag der Gutschrift (November), nicht dem der verlegten Stunde.
  EXPECT_EQ(l3->MonatsStunden(2026, 11), 0);
  EXPECT_EQ(l3->fDict.count("202612"), 0u);
  va->FuelleBemerkung();
  // R2 war frei und ist nun der Raum von A.
  EXPECT_EQ(va->fRaum, r2);
  std::string erwartet = "in Raum R2 | statt Di, 1. Dez   5 " + b->OhneRaumKlKoZeile() + " R2 ";
  if (erwartet.size() > 81) erwartet.resize(81);
  EXPECT_EQ(va->fLInfo.str(), erwartet);
  EXPECT_TRUE(VertretungenStimmen(s));
}

TEST_F(VertretungsTest, KalenderWechselLoeschtUndTraegtNeuEin) {
  ZweiWochen();
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 4);
  TKurs* b = Kurs(l2, fM, {k5b}, {r2}, nullptr, 4);
  TSetzung* p1 = a->NeueSetzung(1, 1, 3, r1);
  TSetzung* p2 = a->NeueSetzung(2, 1, 4, r1);
  b->NeueSetzung(1, 1, 3, r2);
  Abwesend(l1, Tag(0), 1, 6);
  Von(p1, Tag(0))->TrageLehrerEin(l2, nullptr);  // mit Statt-Partnerin
  ASSERT_EQ(Anzahl(), 2);
  TKalenderBytes kalender = s.fKalender;
  kalender[KalenderWoche(Tag(0))] = 2;
  EXPECT_EQ(UngueltigeVertretungen(kalender, st.fFerien), 2);
  KalenderSetzen(kalender, st.fFerien);
  ASSERT_EQ(Anzahl(), 1);
  EXPECT_NE(Von(p2, Tag(0)), nullptr);  // die Stunde der Woche 2 ist nun betroffen
  EXPECT_TRUE(VertretungenStimmen(s));
  TKalender ferien = st.fFerien;
  ferien[KalenderIndex(Tag(0))] |= 1;
  KalenderSetzen(s.fKalender, ferien);
  EXPECT_EQ(Anzahl(), 0);
  ferien[KalenderIndex(Tag(0))] = 0;
  KalenderSetzen(s.fKalender, ferien);
  EXPECT_EQ(Anzahl(), 1);
  // Weniger Planversionen: die Woche gilt wieder als Version 1.
  u.dialog.Antworte("Ja");
  ASSERT_TRUE(s.VersionVerkleinern(1));
  ASSERT_EQ(Anzahl(), 1);
  EXPECT_EQ(Von(p1, Tag(0))->fLehrer, nullptr);
  EXPECT_TRUE(VertretungenStimmen(s));
}

TEST_F(VertretungsTest, GeloeschteElementeVerschwindenAusDenVertretungen) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 4);
  TSetzung* p = a->NeueSetzung(1, 1, 3, r1);
  Abwesend(l1, Tag(0), 3, 3);
  u.dialog.Antworte("Ja");
  Von(p, Tag(0))->TrageLehrerEin(l3, nullptr);
  Von(p, Tag(0))->fRaum = r3;
  Von(p, Tag(0))->fFach = fE;
  s.ElementLoeschen(l3);
  s.ElementLoeschen(r3);
  s.ElementLoeschen(fE);
  ASSERT_EQ(Anzahl(), 1);
  EXPECT_EQ(Von(p, Tag(0))->fLehrer, nullptr);
  EXPECT_EQ(Von(p, Tag(0))->fRaum, nullptr);
  EXPECT_EQ(Von(p, Tag(0))->fFach, nullptr);
}

// Kommt der Lehrer wieder, während sein Raum noch fehlt, bleibt die Vertretung als Raumwechsel mit
// ihm als Lehrer: sie ist keine Lehrervertretung mehr und rückt hinter die übrigen.
TEST_F(VertretungsTest, RaumwechselRuecktNachDerRueckkehrDesLehrersAnSeinenPlatz) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 4);
  TKurs* c = Kurs(l2, fM, {k5b}, {r2}, nullptr, 4);
  TSetzung* pa = a->NeueSetzung(1, 1, 1, r1);
  TSetzung* pc = c->NeueSetzung(1, 1, 2, r2);
  Abwesend(r1, Tag(0), 1, 1);
  Abwesend(l1, Tag(0), 1, 1);
  Abwesend(l2, Tag(0), 2, 2);
  ASSERT_EQ(Anzahl(), 2);
  EXPECT_EQ(s.fVertretungsMenge[0], Von(pa, Tag(0)));
  Abwesend(l1, Tag(0), 0, 0);
  ASSERT_EQ(Anzahl(), 2);
  EXPECT_EQ(Von(pa, Tag(0))->fLehrer, l1);
  EXPECT_EQ(s.fVertretungsMenge[0], Von(pc, Tag(0)));
  EXPECT_TRUE(VertretungenStimmen(s));
}

// Nach den vertretenden Lehrern geordnet: fehlt ein Vertreter, verliert seine Vertretung ihn und
// rückt zu denen ohne Vertreter nach vorn.
TEST_F(VertretungsTest, VertretungOhneIhrenFehlendenVertreterRuecktAnIhrenPlatz) {
  st.fVertrSortArt = 2;
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 4);
  TKurs* c = Kurs(l2, fM, {k5b}, {r2}, nullptr, 4);
  TSetzung* pa = a->NeueSetzung(1, 1, 1, r1);
  TSetzung* pc = c->NeueSetzung(1, 1, 2, r2);
  Abwesend(l1, Tag(0), 1, 1);
  Abwesend(l2, Tag(0), 2, 2);
  u.dialog.Antworte("Ja");
  u.dialog.Antworte("Ja");
  ASSERT_TRUE(Von(pa, Tag(0))->TrageLehrerEin(l3, nullptr));
  ASSERT_TRUE(Von(pc, Tag(0))->TrageLehrerEin(l3, nullptr));
  ASSERT_TRUE(VertretungenStimmen(s));
  // Die Vertretung der 2. Stunde hängt an ihrem Vertreter hinter der der 1.
  EXPECT_EQ(s.fVertretungsMenge[1], Von(pc, Tag(0)));
  Abwesend(l3, Tag(0), 2, 2);
  EXPECT_EQ(Von(pc, Tag(0))->fLehrer, nullptr);
  EXPECT_EQ(s.fVertretungsMenge[0], Von(pc, Tag(0)));
  EXPECT_TRUE(VertretungenStimmen(s));
}

// Ein Vertreter, der in eine inaktive Vertretung eingetragen ist (ihre Klassen fehlen), bekommt die
// Stunde gutgeschrieben, sobald sie wieder gebraucht wird: sonst nähme ihm das spätere Austragen
// eine Stunde, die er nie bekommen hat.
TEST_F(VertretungsTest, WiederAktiveVertretungSchreibtDemVertreterGut) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 4);
  a->fFaktor = 2;
  TSetzung* p = a->NeueSetzung(1, 1, 3, r1);
  Abwesend(l1, Tag(0), 3, 3);
  Abwesend(k5a, Tag(0), 3, 3);
  TVertretung* v = Von(p, Tag(0));
  ASSERT_FALSE(v->fGueltig);
  u.dialog.Antworte("Ja");
  ASSERT_TRUE(v->TrageLehrerEin(l3, nullptr));
  EXPECT_TRUE(v->fAngerechnet);
  EXPECT_EQ(l3->fVStunden1, 0);
  EXPECT_TRUE(VertretungenStimmen(s));
  Abwesend(k5a, Tag(0), 0, 0);
  EXPECT_TRUE(v->fGueltig);
  EXPECT_EQ(l3->fVStunden1, 2);
  EXPECT_EQ(l3->fVStunden2, 2);
  EXPECT_TRUE(VertretungenStimmen(s));
  v->Loeschen(true);
  EXPECT_EQ(l3->fVStunden1, 0);
  EXPECT_TRUE(VertretungenStimmen(s));
}

// Das Fach des Kurses gehört zur Ordnung der Vertretungsliste: bekommt ein Kurs mit Vertretungen
// ein anderes Fach, rücken sie an ihren Platz.
TEST_F(VertretungsTest, AnderesFachOrdnetDieVertretungenNeu) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 4);
  TKurs* b = Kurs(l1, fM, {k5a}, {r2}, nullptr, 4);
  TSetzung* pa = a->NeueSetzung(1, 1, 3, r1);
  TSetzung* pb = b->NeueSetzung(1, 1, 3, r2);
  Abwesend(l1, Tag(0), 3, 3);
  ASSERT_EQ(Anzahl(), 2);
  ASSERT_LT(fD->fReihe, fM->fReihe);
  ASSERT_LT(fM->fReihe, fE->fReihe);
  EXPECT_EQ(s.fVertretungsMenge[0], Von(pa, Tag(0)));
  a->FachErgaenzen(fE);
  EXPECT_EQ(s.fVertretungsMenge[0], Von(pb, Tag(0)));
  EXPECT_TRUE(VertretungenStimmen(s));
  a->FachEntfernen();  // ohne Fach vor allen
  EXPECT_EQ(s.fVertretungsMenge[0], Von(pa, Tag(0)));
  EXPECT_TRUE(VertretungenStimmen(s));
}

}  // namespace
