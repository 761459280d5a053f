#include "settings/VoreinstellungUnit.h"

#include "planning/PlanHilfe.h"
#include "planning/PlanInhaltUnit.h"
#include "settings/VersKopieUnit.h"

class VoreinstellungTest : public PlanTest {
 protected:
  int Setzungen() const {
    int n = 0;
    for (const TKurs* k : s.fKursMenge) n += k->fSetzungen.ListeZahlElemente();
    return n;
  }
};

TEST_F(VoreinstellungTest, WenigerTageEntferntDieSamstagsstundenErstNachDerFrageVollstaendig) {
  TKurs* kurs = Kurs(l1, fD, {k5a, k5b}, {r1}, nullptr, 3);
  kurs->NeueSetzung(1, 1, 1, r1);
  Fehlt(l1, Tag(5), {2});  // Samstag, 12.12.2026
  TSetzung* samstag = kurs->NeueSetzung(1, 6, 2, r1);
  ASSERT_NE(samstag, nullptr);
  ASSERT_EQ(s.fVertretungsMenge.ListeZahlElemente(), 1);
  TFakeFenster plan(FensterArt::LehrerPlan, "Plan");
  s.FensterAnmelden(&plan);

  TEckWerte w = EckWerteAusStandard();
  w.MaxTage = 5;
  w.Divisor = 4;
  w.SpeicherZeit = 15;
  u.uhr.fJetzt += 0.25;
  u.dialog.Antworte("Nein");
  EckdatenUebernehmen(w);
  ASSERT_EQ(u.dialog.fProtokoll.size(), 1u);
  EXPECT_EQ(u.dialog.fProtokoll[0].Titel, "Stunden löschen");
  EXPECT_EQ(u.dialog.fProtokoll[0].Text(),
            "Es sind für Samstag oder Sonntag Stunden in den Plänen  eingetragen.\n"
            "Sollen diese Stunden gelöscht werden?");
  // "Nein": der höchste verplante Tag bleibt, nicht die gewählte Zahl.
  EXPECT_EQ(st.fMaxTageNeu, 6);
  EXPECT_EQ(Setzungen(), 2);
  EXPECT_EQ(st.fDivisor, 4);
  EXPECT_EQ(st.fSpeicherZeit, 15);
  EXPECT_EQ(st.fSaveZeit, u.uhr.fJetzt);
  EXPECT_GE(plan.fUpdates, 1);

  // Von 7 auf 6 nennt die Frage nur den Sonntag; ohne Sonntagsstunden wird nicht gefragt.
  st.fMaxTageNeu = 7;
  w.MaxTage = 6;
  EckdatenUebernehmen(w);
  EXPECT_EQ(u.dialog.fProtokoll.size(), 1u);
  EXPECT_EQ(st.fMaxTageNeu, 6);

  u.dialog.Antworte("Ja");
  w.MaxTage = 5;
  EckdatenUebernehmen(w);
  EXPECT_EQ(st.fMaxTageNeu, 5);
  EXPECT_EQ(Setzungen(), 1);
  EXPECT_EQ(kurs->SetzungFinden(1, 6, 2), nullptr);
  EXPECT_TRUE(s.fVertretungsMenge.empty());
  for (const TPlanElement* e : std::vector<const TPlanElement*>{l1, k5a, k5b, r1})
    EXPECT_FALSE(e->fBesetzung.GetWocheTagStd(1, 6, 2)) << e->fKuerzel.str();
  EXPECT_TRUE(BelegungenStimmen(s));
  s.FensterAbmelden(&plan);
}

TEST_F(VoreinstellungTest, SonntagsstundenNennenBeiSechsTagenNurDenSonntag) {
  Kurs(l1, fD, {k5a}, {}, nullptr, 1)->NeueSetzung(1, 7, 1, nullptr);
  TEckWerte w = EckWerteAusStandard();
  w.MaxTage = 6;
  u.dialog.Antworte("Ja");
  EckdatenUebernehmen(w);
  EXPECT_EQ(u.dialog.fProtokoll.at(0).Zeilen.at(0),
            "Es sind für Sonntag Stunden in den Plänen  eingetragen.");
  EXPECT_EQ(Setzungen(), 0);
  EXPECT_TRUE(BelegungenStimmen(s));
}

// "Std/Tag" begrenzt nur, was Pläne zeigen: gesenkt fragt es nicht, lehnt nichts ab und löscht
// keine Stunde (auch keine Vertretung); gehoben zeigt der Plan die späten Stunden wieder.
TEST_F(VoreinstellungTest, WenigerStundenProTagBehaeltDieSpaetenStunden) {
  TKurs* kurs = Kurs(l1, fD, {k5a}, {r1}, nullptr, 3);
  kurs->NeueSetzung(1, 1, 1, r1);
  kurs->NeueSetzung(1, 2, 8, r1);
  TPlnWerte w = PlnWerteAusStandard();
  st.fPlnStd = 9;
  w.PlnStd = 6;
  PlanvorgabenUebernehmen(w);
  EXPECT_TRUE(u.dialog.fProtokoll.empty());
  EXPECT_EQ(st.fPlnStd, 6);
  EXPECT_EQ(Setzungen(), 2);
  EXPECT_TRUE(BelegungenStimmen(s));
  EXPECT_EQ(PlanFuellen(*l1).Enthaelt(2, 8), false);  // nicht gezeigt
  w.PlnStd = 9;
  PlanvorgabenUebernehmen(w);
  EXPECT_EQ(PlanFuellen(*l1).Kurs(2, 8), kurs);
}

TEST_F(VoreinstellungTest, GeaenderteSortierungSortiertAlleKurslistenUnterDerMeldung) {
  TKurs* a = Kurs(l2, fD, {k5a}, {r1}, nullptr, 2);  // SCH in 5a
  TKurs* b = Kurs(l1, fD, {k5b}, {r1}, nullptr, 2);  // MUE in 5b
  ASSERT_EQ(s.fKursMenge[0], a);
  ASSERT_EQ(r1->fKurse[0], a);
  TKursWerte w = KursWerteAusStandard();
  w.KursStd = 5;
  KursvorgabenUebernehmen(w);  // gleiche Sortierung: keine Meldung
  EXPECT_TRUE(u.dialog.fMeldungsFenster.empty());
  EXPECT_EQ(st.fKursStd, 5);
  w.NachKlSortiert = false;
  KursvorgabenUebernehmen(w);
  EXPECT_EQ(u.dialog.fMeldungsFenster, std::vector<std::string>{"Die Kurse werden sortiert."});
  EXPECT_EQ(u.dialog.fMeldungsFensterZu, 1);
  EXPECT_FALSE(st.fNachKlSortiert);
  EXPECT_EQ(s.fKursMenge[0], b);
  EXPECT_EQ(r1->fKurse[0], b);
  EXPECT_EQ(fD->fKurse[0], b);
}

TEST_F(VoreinstellungTest, EinzelstundenVorschlagUndKopierwerkzeugDerKurse) {
  EXPECT_EQ(EinzelStdVorschlag(5, 2), 1);
  EXPECT_EQ(EinzelStdVorschlag(4, 1), 4);
  EXPECT_EQ(EinzelStdVorschlag(0, 2), std::nullopt);

  TKurs* voll = Kurs(l1, fD, {k5a}, {}, nullptr, 4);
  voll->NeueSetzung(1, 1, 1, nullptr);
  voll->NeueSetzung(1, 1, 2, nullptr);
  voll->NeueSetzung(1, 1, 3, nullptr);
  TKurs* leer = Kurs(l2, fM, {k5b}, {}, nullptr, 4);
  TKursWerte w = KursWerteAusStandard();
  w.KursStd = 1;
  w.Faktor = 7;
  w.NichtVerplanen = true;
  w.Sperrung.SetTagStd(2, 5, true);
  TKursKopieWahl wahl(kKursKopien, false);
  wahl[static_cast<int>(TKursKopie::Stunden)] = true;
  wahl[static_cast<int>(TKursKopie::Verplanen)] = true;
  wahl[static_cast<int>(TKursKopie::Sperrung)] = true;
  KursEinstellungKopieren({voll, leer}, w, wahl);
  // Nie unter die verplanten Stunden; "nicht verplanen" nur ohne Setzungen; Faktor nicht gewählt.
  EXPECT_EQ(voll->fStunden.GetWochenStunde(1), 3);
  EXPECT_EQ(leer->fStunden.GetWochenStunde(1), 1);
  EXPECT_FALSE(voll->fNichtVerplanen);
  EXPECT_TRUE(leer->fNichtVerplanen);
  EXPECT_EQ(voll->fFaktor, 1);
  EXPECT_TRUE(leer->fSperrung.GetWocheTagStd(1, 2, 5));
}

TEST_F(VoreinstellungTest, ZeitenWerdenBereinigtUndErstMitOkUebernommen) {
  TZeitBearbeitung z;
  z.Setze(1, 1, "8:00 - 8:45     xyz");
  z.Setze(1, 2, "   ");
  z.Setze(1, 3, "9:40   ");
  EXPECT_EQ(z.Bezeichnung(1, 1), "8:00 - 8:45");
  EXPECT_EQ(z.Bezeichnung(1, 2), " ");  // mindestens ein Zeichen
  EXPECT_EQ(z.Bezeichnung(1, 3), "9:40");
  EXPECT_EQ(st.fStdBez[1][1].str(), " 1");  // noch nicht übernommen
  const int breite = st.fPlnStdBreite;
  z.Uebernehmen();
  EXPECT_EQ(st.fStdBez[1][1].str(), "8:00 - 8:45");
  EXPECT_EQ(st.fStdBez[2][1].str(), " 1");
  EXPECT_NE(st.fPlnStdBreite, breite);  // neu gemessen
}

TEST_F(VoreinstellungTest, StatistikzeitraumUndVertretungstexte) {
  EXPECT_EQ(StatistikDatum(31, 4, 2026), DatumZuZahl(2026, 4, 30));
  EXPECT_EQ(StatistikDatum(31, 2, 2024), DatumZuZahl(2024, 2, 29));
  EXPECT_EQ(StatistikDatum(31, 2, 2023), DatumZuZahl(2023, 2, 28));
  EXPECT_EQ(StatistikDatum(15, 3, 2026), DatumZuZahl(2026, 3, 15));

  VertretungsvorgabenUebernehmen({"Raumtausch   ", "  "}, {"K", " "}, false, false);
  EXPECT_EQ(st.fBemBez[1].str(), "Raumtausch");
  EXPECT_EQ(st.fBemBez[2].str(), " ");
  EXPECT_EQ(st.fBemBez[3].str(), "Bemerkung3");
  EXPECT_EQ(st.fGrund[1].str(), "K");
  EXPECT_FALSE(st.fVFrei || st.fVBemAuto);
  // "Planversionen": ein offenes Deputat zählt danach die Stunden aller Versionen (Woche -1).
  TFakeFenster deputat(FensterArt::LehrerDeputat, "Deputat");
  s.FensterAnmelden(&deputat);
  EXPECT_TRUE(VersionsvorgabenUebernehmen(false, 2, false));
  const int vorher = deputat.fUpdates;
  EXPECT_FALSE(VersionsvorgabenUebernehmen(true, 2, false));
  EXPECT_FALSE(st.fEineWoche);
  EXPECT_EQ(st.fVersKuerzel, 2);
  EXPECT_GT(deputat.fUpdates, vorher);
  s.FensterAbmelden(&deputat);
}

TEST_F(VoreinstellungTest, GrunddatenUndIhrKopierwerkzeug) {
  TGrDatWerte w{20, 28, {}};
  w.Sperrung.SetTagStd(1, 1, true);
  GrunddatenUebernehmen(w);
  EXPECT_EQ(st.fLeSoll, 20);
  EXPECT_TRUE(st.fGrWoElem.GetTag(1) & 1u);
  GrunddatenKopieren({l1, k5a, r1}, w, true, true);
  EXPECT_EQ(l1->GetSoll(1), 20);
  EXPECT_EQ(k5a->GetSoll(1), 28);
  EXPECT_TRUE(r1->fSperrung.GetWocheTagStd(1, 1, 1));
  EXPECT_FALSE(GrDatKopierenWaehlbar(false, false, true));  // Räume: kein Soll
  EXPECT_TRUE(GrDatKopierenWaehlbar(false, true, true));
}

class VersKopieTest : public VoreinstellungTest {
 protected:
  VersKopieTest() { ZweiWochen(); }
  TVersKopieAuftrag Auftrag(std::vector<TElement*> e) {
    TVersKopieAuftrag a;
    a.Von = 1;
    a.Zu = 2;
    a.Elemente = std::move(e);
    return a;
  }
};

TEST_F(VersKopieTest, KopiertSollStundenSetzungenUndSperrung) {
  TKurs* kurs = Kurs(l1, fD, {k5a}, {r1}, nullptr, 3);
  kurs->fStunden.SetWochenStunde(2, 0);
  l1->SetSoll(1, 25);
  l1->fSperrung.SetWocheTagStd(1, 4, 4, true);
  kurs->NeueSetzung(1, 1, 1, r1);
  kurs->NeueSetzung(1, 2, 3, r1);
  EXPECT_FALSE(VersKopierenWaehlbar(2, 2));
  EXPECT_TRUE(VersionKopieren(Auftrag({l1})));
  EXPECT_EQ(u.dialog.fMeldungsFenster, std::vector<std::string>{"Die Planversion wird kopiert."});
  EXPECT_EQ(l1->GetSoll(2), 25);
  EXPECT_TRUE(l1->fSperrung.GetWocheTagStd(2, 4, 4));
  EXPECT_EQ(kurs->fStunden.GetWochenStunde(2), 3);
  EXPECT_NE(kurs->SetzungFinden(2, 1, 1), nullptr);
  EXPECT_EQ(kurs->SetzungFinden(2, 2, 3)->fRaum, r1);
  EXPECT_TRUE(u.dialog.fProtokoll.empty());
  EXPECT_TRUE(BelegungenStimmen(s));
}

TEST_F(VersKopieTest, KollisionMitVerplanterStundeFragtEinmal) {
  TKurs* kurs = Kurs(l1, fD, {k5a}, {}, nullptr, 2);
  TKurs* anderer = Kurs(l2, fM, {k5a}, {}, nullptr, 2);
  kurs->NeueSetzung(1, 1, 1, nullptr);
  kurs->NeueSetzung(1, 1, 2, nullptr);
  anderer->NeueSetzung(2, 1, 1, nullptr);  // Klasse 5a in Version 2 belegt
  anderer->NeueSetzung(2, 1, 2, nullptr);

  u.dialog.Antworte("Nein");
  EXPECT_TRUE(VersionKopieren(Auftrag({l1})));
  ASSERT_EQ(u.dialog.fProtokoll.size(), 1u);
  EXPECT_EQ(u.dialog.fProtokoll[0].Titel, "Kollision");
  EXPECT_EQ(u.dialog.fProtokoll[0].Knoepfe, (std::vector<std::string>{"Ja", "Nein", "Abbrechen"}));
  EXPECT_EQ(u.dialog.fProtokoll[0].Zeilen.at(3), "Plänen der neuen Version verdrängt werden?");
  // "Nein": nichts verdrängt, die Stunden bleiben ungesetzt.
  EXPECT_EQ(kurs->SetzungFinden(2, 1, 1), nullptr);
  EXPECT_NE(anderer->SetzungFinden(2, 1, 1), nullptr);

  u.dialog.Antworte("Abbrechen");
  EXPECT_FALSE(VersionKopieren(Auftrag({l1})));
  EXPECT_NE(anderer->SetzungFinden(2, 1, 2), nullptr);

  u.dialog.Antworte("Ja");
  EXPECT_TRUE(VersionKopieren(Auftrag({l1})));
  EXPECT_EQ(u.dialog.fProtokoll.size(), 3u);  // einmal je Kopie gefragt
  EXPECT_NE(kurs->SetzungFinden(2, 1, 1), nullptr);
  EXPECT_NE(kurs->SetzungFinden(2, 1, 2), nullptr);
  EXPECT_TRUE(anderer->fSetzungen.empty());  // beide Stunden verdrängt
  EXPECT_TRUE(BelegungenStimmen(s));
}

TEST_F(VersKopieTest, FixierteStundeOderSperrungVerhindertDieKopie) {
  TKurs* kurs = Kurs(l1, fD, {k5a}, {}, nullptr, 2);
  TKurs* anderer = Kurs(l1, fM, {k5b}, {}, nullptr, 2);
  kurs->NeueSetzung(1, 3, 3, nullptr);
  anderer->NeueSetzung(2, 3, 3, nullptr)->fFixiert = true;  // Lehrer in Version 2 fixiert belegt
  EXPECT_FALSE(VersionKopieren(Auftrag({k5a})));
  ASSERT_EQ(u.dialog.fProtokoll.size(), 1u);
  EXPECT_FALSE(u.dialog.fProtokoll[0].IstFrage);
  EXPECT_EQ(u.dialog.fProtokoll[0].Zeilen.at(2), "fixierten Stunden bzw. Sperrungen.");
  EXPECT_EQ(kurs->SetzungFinden(2, 3, 3), nullptr);
  EXPECT_NE(anderer->SetzungFinden(2, 3, 3), nullptr);
  EXPECT_TRUE(BelegungenStimmen(s));
}

TEST_F(VersKopieTest, FixierteStundeEinerAnderenKopplungWirdNieVerdraengt) {
  TKopplung* g2 = s.HoleKopplung("G2");
  TKurs* kurs = Kurs(l1, fD, {k5a}, {}, nullptr, 2);
  TKurs* gekoppelt = Kurs(l2, fM, {k5a}, {}, g2, 2);
  kurs->NeueSetzung(1, 2, 2, nullptr);
  gekoppelt->NeueSetzung(2, 2, 2, nullptr)->fFixiert = true;
  // Die Prüfung übergeht Kurse anderer Kopplungen in der Klasse; die fixierte Stunde bleibt
  // trotzdem, die kopierte bleibt ungesetzt.
  EXPECT_TRUE(VersionKopieren(Auftrag({l1})));
  EXPECT_NE(gekoppelt->SetzungFinden(2, 2, 2), nullptr);
  EXPECT_EQ(kurs->SetzungFinden(2, 2, 2), nullptr);
  EXPECT_TRUE(BelegungenStimmen(s));
}

TEST(Wechselmenue, FolgeUndWaehlbareDialoge) {
  TTestUmgebung u;
  const std::vector<std::string> folge = {"Eckdaten", "Grunddaten",    "Deputate",   "Pläne",
                                          "Kurse",    "Planversionen", "Kalender",   "Zeiten",
                                          "Kennwort", "Automatik",     "Vertretung", "HTML-Farben"};
  ASSERT_EQ(WechselEintraege(), folge);
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(WechselEintrag(i), folge[static_cast<std::size_t>(i)]);
    EXPECT_EQ(WechselIndex(folge[static_cast<std::size_t>(i)]), i);
  }
  EXPECT_EQ(WechselEintrag(-1), "");
  EXPECT_EQ(WechselEintrag(12), "");
  EXPECT_EQ(WechselIndex("Farben"), -1);
  EXPECT_EQ(WechselDialog("Kalender"), TWechselDialog::Kalender);
  EXPECT_EQ(WechselDialog("Automatik"), TWechselDialog::Automatik);
  EXPECT_EQ(WechselDialog("Vertretung"), TWechselDialog::Standard);
  EXPECT_EQ(WechselDialog("HTML-Farben"), TWechselDialog::Standard);
  EXPECT_EQ(WechselDialog("Farben"), TWechselDialog::Keiner);
  // Wählbar ist, was einen Dialog hat; "Planversionen" erst ab zwei Versionen.
  u.standard.fMaxWocheNeu = 1;
  for (const std::string& e : folge) EXPECT_EQ(WechselWaehlbar(e), e != "Planversionen") << e;
  u.standard.fMaxWocheNeu = 2;
  EXPECT_TRUE(WechselWaehlbar("Planversionen"));
}
