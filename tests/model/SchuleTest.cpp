// Die Schule: Suchen oder Anlegen, Planversionen, Fensterliste, Fensterarten, Kalenderwochen,
// Abwesenheiten und die Buchführung der Vertretungen.
#include <gtest/gtest.h>

#include <cmath>

#include "model/DatumUnit.h"
#include "model/FensterArtUnit.h"
#include "model/KursHilfe.h"

namespace {

class SchuleTest : public ::testing::Test {
 protected:
  TTestUmgebung env;
  TSchule& schule = env.schule();
  TStandard& s = env.standard;
};

TEST_F(SchuleTest, NeueSchuleHatIhreAnfangswerte) {
  EXPECT_EQ(schule.fDateiName.str(), "Ohne Titel");
  EXPECT_EQ(schule.fFensterArt, TFensterArt::GFenster);
  EXPECT_EQ(schule.fToolArt, TToolArt::ZeigTool);
  for (auto b : schule.fKalender) ASSERT_EQ(b, 1);
  EXPECT_FALSE(schule.fDirty);
  EXPECT_EQ(schule.fParListe->fZeilen, 1);
  EXPECT_EQ(TSchule::FensterPlaetze().size(), 21u);
}

TEST_F(SchuleTest, HoleLehrerKuerztAufElfZeichenUndFindetWieder) {
  TLehrer* a = schule.HoleLehrer("ABCDEFGHIJKLMNO");
  EXPECT_EQ(a->fKuerzel.str(), "ABCDEFGHIJK");
  EXPECT_EQ(a->fNr, 1u);
  EXPECT_EQ(a->fReihe, 1);
  EXPECT_TRUE(schule.fDirty);
  EXPECT_EQ(schule.HoleLehrer("ABCDEFGHIJKxyz"), a);
  TLehrer* b = schule.HoleLehrer("ABCDEFGHIJ");
  EXPECT_NE(b, a);
  EXPECT_EQ(b->fNr, 2u);
  EXPECT_EQ(schule.fLehrerMenge.ListeZahlElemente(), 2);
  EXPECT_EQ(TSchule::HoleElement(schule.fLehrerMenge, "ABCDEFGHIJK"), a);
  EXPECT_EQ(TSchule::HoleElement(schule.fLehrerMenge, "abcdefghijk"), nullptr);
}

TEST_F(SchuleTest, VersionErweiternFuelltNeueWochen) {
  s.fGrWoElem.SetTagStd(1, 1, true);
  s.fKuWoElem.SetTagStd(2, 2, true);
  TLehrer* l = schule.HoleLehrer("L");
  TRaum* r = schule.HoleRaum("R");
  TKurs* kurs = TKurs::IKurs(l, nullptr, nullptr, nullptr, r, 3);
  schule.SetDirty(false);
  schule.VersionErweitern(3);
  EXPECT_EQ(s.fMaxWocheNeu, 3);
  EXPECT_TRUE(schule.fDirty);
  EXPECT_EQ(schule.fGrWoBereich.WochenZahl(), 3);
  EXPECT_TRUE(schule.fGrWoBereich.GetWocheTagStd(3, 1, 1));
  EXPECT_TRUE(schule.fUEWoBereich.GetWocheTagStd(3, 2, 2));
  EXPECT_EQ(kurs->fStunden.WochenZahl(), 3);
  EXPECT_EQ(kurs->fStunden.GetWochenStunde(1), 3);
  EXPECT_EQ(kurs->fStunden.GetWochenStunde(3), 0);
  EXPECT_EQ(kurs->fSperrung.WochenZahl(), 3);
  EXPECT_EQ(kurs->fBesetzung.WochenZahl(), 3);
  EXPECT_EQ(kurs->fSetzungUnmoeglich.WochenZahl(), 3);
  EXPECT_EQ(l->fSoll.GetWochenStunde(1), s.fLeSoll);
  EXPECT_EQ(l->fSoll.GetWochenStunde(2), 0);
  EXPECT_EQ(l->fBesetzung.WochenZahl(), 3);
  EXPECT_EQ(r->fSperrung.WochenZahl(), 3);
  schule.VersionErweitern(2);  // keine Erweiterung: nichts
  EXPECT_EQ(s.fMaxWocheNeu, 3);
}

class VersionenTest : public SchuleTest {
 protected:
  TLehrer* l = nullptr;
  TKurs* kurs = nullptr;
  void SetUp() override {
    schule.VersionErweitern(3);
    s.fEineWoche = false;
    l = schule.HoleLehrer("L");
    kurs = TKurs::IKurs(l, nullptr, nullptr, nullptr, nullptr, 2);
    kurs->NeueSetzung(1, 1, 1, nullptr);
    kurs->NeueSetzung(3, 2, 2, nullptr);
    for (int k = 1; k <= 888; ++k) schule.SetzeKalender(k, static_cast<std::uint8_t>(k % 3 + 1));
    s.fAktuelleWoche = 3;
    schule.SetDirty(false);
  }
  static constexpr const char* kFrage =
      "In den zu löschenden Planversionen sind Stunden verplant. Trotzdem löschen?";
};

TEST_F(VersionenTest, VerkleinernMitNeinLaesstAllesWieEsWar) {
  env.dialog.Antworte("Nein");
  EXPECT_FALSE(schule.VersionVerkleinern(2));
  ASSERT_EQ(env.dialog.fProtokoll.size(), 1u);
  EXPECT_EQ(env.dialog.fProtokoll[0].Zeilen, std::vector<std::string>{kFrage});
  EXPECT_EQ(env.dialog.fProtokoll[0].Art, TMeldungsArt::Warnung);
  EXPECT_EQ(env.dialog.fProtokoll[0].Knoepfe, (std::vector<std::string>{"Ja", "Nein"}));
  EXPECT_EQ(s.fMaxWocheNeu, 3);
  EXPECT_EQ(s.fAktuelleWoche, 3);
  EXPECT_EQ(kurs->fSetzungen.ListeZahlElemente(), 2);
  EXPECT_EQ(schule.fKalender[2], 3);
  EXPECT_EQ(kurs->fStunden.WochenZahl(), 3);
  EXPECT_FALSE(schule.fDirty);
}

TEST_F(VersionenTest, VerkleinernMitJaLoeschtSetzungenUndRichtetKalenderUndWocheEin) {
  env.dialog.Antworte("Ja");
  EXPECT_TRUE(schule.VersionVerkleinern(2));
  EXPECT_EQ(s.fMaxWocheNeu, 2);
  ASSERT_EQ(kurs->fSetzungen.ListeZahlElemente(), 1);
  EXPECT_EQ(kurs->fSetzungen[0]->fWoche, 1);
  EXPECT_EQ(kurs->fStunden.WochenZahl(), 2);
  EXPECT_EQ(kurs->fStunden.GetWochenStunde(0), 4);
  EXPECT_EQ(kurs->fBesetzung.WochenZahl(), 2);
  EXPECT_EQ(l->fBesetzung.WochenZahl(), 2);
  EXPECT_EQ(l->fSoll.WochenZahl(), 2);
  EXPECT_EQ(schule.fGrWoBereich.WochenZahl(), 2);
  EXPECT_EQ(schule.fUEWoBereich.WochenZahl(), 2);
  // Bytes 3 werden 1, Bytes 1 und 2 bleiben.
  EXPECT_EQ(schule.fKalender[1], 2);
  EXPECT_EQ(schule.fKalender[2], 1);
  EXPECT_EQ(schule.fKalender[3], 1);
  EXPECT_EQ(schule.fKalender[4], 2);
  EXPECT_EQ(s.fAktuelleWoche, 1);
  EXPECT_TRUE(schule.fDirty);
  EXPECT_EQ(env.dialog.fBeschaeftigt, 0);  // Sanduhr wieder aus
}

TEST_F(VersionenTest, OhneSetzungenInDenWegfallendenWochenKeineFrage) {
  kurs->SetzungEntfernen(kurs->SetzungFinden(3, 2, 2));
  s.fAktuelleWoche = 2;
  EXPECT_TRUE(schule.VersionVerkleinern(2));
  EXPECT_TRUE(env.dialog.fProtokoll.empty());
  EXPECT_EQ(s.fMaxWocheNeu, 2);
  EXPECT_EQ(s.fAktuelleWoche, 2);
  EXPECT_TRUE(schule.VersionVerkleinern(2));
  EXPECT_EQ(s.fMaxWocheNeu, 2);
}

TEST_F(SchuleTest, KalenderwochenZaehlenAbDem27Dezember1993) {
  EXPECT_EQ(KalenderWoche(DatumZuZahl(1993, 12, 27)), 1);
  EXPECT_EQ(KalenderWoche(DatumZuZahl(1994, 1, 2) + 0.5), 1);
  EXPECT_EQ(KalenderWoche(DatumZuZahl(1994, 1, 3)), 2);
  EXPECT_EQ(KalenderWoche(DatumZuZahl(2011, 1, 3)), 1);  // nach 888 Wochen wieder vorn
  EXPECT_EQ(KalenderWoche(DatumZuZahl(2010, 12, 27)), 888);
}

TEST_F(SchuleTest, KalenderwochenVorDemAnfangBleibenImKalender) {
  EXPECT_EQ(KalenderWoche(DatumZuZahl(1993, 12, 26)), 888);
  EXPECT_EQ(KalenderWoche(DatumZuZahl(1993, 12, 20)), 888);
  EXPECT_EQ(KalenderWoche(DatumZuZahl(1993, 12, 19)), 887);
  for (TDateTime d = 0; d < KalenderAnfang; d += 97) {
    const int k = KalenderWoche(d);
    ASSERT_GE(k, 1);
    ASSERT_LE(k, 888);
    ASSERT_GE(schule.WocheVonDatum(d), 1);  // kein Zugriff außerhalb des Kalenders
  }
}

TEST_F(SchuleTest, SetzeKalenderUebergehtWochenUndPlanversionenAusserhalb) {
  schule.VersionErweitern(4);
  schule.SetzeKalender(0, 2);
  schule.SetzeKalender(889, 2);
  schule.SetzeKalender(888, 2);
  EXPECT_EQ(schule.fKalender[888], 2);
  EXPECT_EQ(schule.WocheVonDatum(DatumZuZahl(2010, 12, 28)), 2);
  // Planversion 0 ("alle") und eine über der Zahl der Planversionen werden nicht gespeichert.
  schule.SetzeKalender(888, 0);
  schule.SetzeKalender(887, 5);
  EXPECT_EQ(schule.fKalender[888], 2);
  EXPECT_EQ(schule.fKalender[887], 1);
  TKalenderBytes k;
  for (auto& b : k) b = 4;
  k[2] = 0;
  k[3] = 5;
  schule.SetKalender(k);
  EXPECT_EQ(schule.fKalender[1], 4);
  EXPECT_EQ(schule.fKalender[2], 1);
  EXPECT_EQ(schule.fKalender[3], 1);
}

TEST_F(SchuleTest, FensterartenAlsDaten) {
  ASSERT_NE(FensterArtEintrag(FensterArt::LehrerUebersicht), nullptr);
  EXPECT_STREQ(FensterArtEintrag(FensterArt::LehrerUebersicht)->Titel, "Übersicht für Lehrer");
  EXPECT_STREQ(FensterArtEintrag(FensterArt::WoAusfall)->Titel, "wöchentlicher Unterrichtsausfall");
  EXPECT_STREQ(FensterArtEintrag(FensterArt::VertrUebKlassen)->Titel,
               "Vertretungsübersicht für Klassen");
  EXPECT_STREQ(FensterArtEintrag(FensterArt::UVStatistik)->Titel, "UV-Statistik");
  EXPECT_EQ(FensterArtEintrag(FensterArt::LehrerPlan)->Titel, nullptr);  // nennt das Element
  EXPECT_EQ(FensterArtEintrag(99), nullptr);
  EXPECT_EQ(FensterArtEintrag(13), nullptr);
  std::vector<int> neu;
  for (const auto& e : FensterArten())
    if (e.AlleUpdate) neu.push_back(e.Art);
  // Die Kennzahlen, wie sie in der Schuldatei stehen.
  const std::vector<int> erwartet = {9,  10, 11, 12, 14, 16, 17, 18, 19, 20, 21, 22,
                                     31, 32, 33, 61, 62, 63, 64, 65, 66, 67, 68, 69,
                                     71, 72, 73, 74, 75, 76, 77, 80, 81, 82};
  EXPECT_EQ(neu, erwartet);
  EXPECT_TRUE(FensterInGruppe(FensterArt::RaumDeputat, TFensterGruppe::Deputat));
  EXPECT_FALSE(FensterInGruppe(FensterArt::AlleKurse, TFensterGruppe::Deputat));
}

TEST_F(SchuleTest, FensterlisteNachIdentitaetNichtNachUeberschrift) {
  // Lehrer und Raum "A1": zwei Planfenster mit derselben Überschrift.
  TTestFenster a(FensterArt::LehrerPlan, "Plan A1"), b(FensterArt::RaumPlan, "Plan A1"),
      c(FensterArt::LehrerStatistik, "Lehrerstatistik");
  schule.FensterAnmelden(&a);
  schule.FensterAnmelden(&b);
  schule.FensterAnmelden(&a);  // zweimal angemeldet: einmal eingetragen
  schule.FensterAnmelden(&c);
  EXPECT_EQ(schule.fFensterListe, (std::vector<TFenster*>{&a, &b, &c}));
  EXPECT_EQ(env.fenster.fMenue, (std::vector<TFenster*>{&a, &b, &c}));
  schule.fLeStatForm = &c;
  schule.SetAktivesFenster(&c);
  EXPECT_TRUE(schule.FensterOffen(&c));
  schule.FensterAbmelden(&c);
  EXPECT_FALSE(schule.FensterOffen(&c));
  EXPECT_EQ(schule.fLeStatForm, nullptr);
  EXPECT_EQ(schule.fAktivesFenster, nullptr);
  // Schließen der Schule erreicht beide gleichnamigen Fenster.
  schule.AlleFensterSchliessen();
  EXPECT_EQ(a.fGeschlossen, 1);
  EXPECT_EQ(b.fGeschlossen, 1);
  EXPECT_TRUE(env.fenster.fMenue.empty());
}

TEST_F(SchuleTest, AlleFensterUpdateBautNachArtNeuUndStapeltInListenfolge) {
  TTestFenster plan(FensterArt::LehrerPlan, "Plan L"), fehler(FensterArt::Fehler, "Fehler"),
      ausfall(FensterArt::WoAusfall, "Ausfall"), dep(FensterArt::AlleKurse, "alle Kurse");
  for (TTestFenster* f : {&plan, &fehler, &ausfall, &dep}) schule.FensterAnmelden(f);
  schule.SetDirty(false);
  schule.AlleFensterUpdate();
  EXPECT_EQ(plan.fUpdates, 1);
  EXPECT_EQ(dep.fUpdates, 1);
  EXPECT_EQ(fehler.fUpdates, 0);
  EXPECT_EQ(ausfall.fUpdates, 0);
  EXPECT_EQ(env.fenster.fStapel, (std::vector<std::string>{"Hintergrund", "Plan L", "Fehler",
                                                           "Ausfall", "alle Kurse", "Palette"}));
  EXPECT_FALSE(schule.fDirty);
}

TEST_F(SchuleTest, AlleFensterUpdateBehaeltDasAenderungskennzeichenUndStelltEsWiederHer) {
  TLehrer* l = schule.HoleLehrer("L");
  TTestFenster daten(FensterArt::LehrerDaten, "Lehrer L");
  l->fGrDatFenster = &daten;
  schule.FensterAnmelden(&daten);
  schule.SetDirty(false);
  l->FensterUpdate();  // das Element markiert die Schule als geändert
  EXPECT_TRUE(schule.fDirty);
  schule.SetDirty(false);
  {
    TDirtyBewahrer bewahrer;
    l->FensterUpdate();
  }
  EXPECT_FALSE(schule.fDirty);
  EXPECT_FALSE(env.fenster.fSichernFrei);
  schule.SetDirty(true);
  {
    TDirtyBewahrer bewahrer;
    schule.SetDirty(false);
  }
  EXPECT_TRUE(schule.fDirty);
  l->fGrDatFenster = nullptr;
}

TEST_F(SchuleTest, AlleFensterSchliessenSchliesstJedesFensterEinmal) {
  TTestFenster stat(FensterArt::LehrerStatistik, "Lehrerstatistik"),
      plan(FensterArt::LehrerPlan, "Plan L");
  schule.fLeStatForm = &stat;
  schule.FensterAnmelden(&stat);
  schule.FensterAnmelden(&plan);
  schule.SetAktivesFenster(&plan);
  schule.AlleFensterSchliessen();
  EXPECT_EQ(stat.fGeschlossen, 1);
  EXPECT_EQ(plan.fGeschlossen, 1);
  EXPECT_TRUE(schule.fFensterListe.empty());
  EXPECT_EQ(schule.fLeStatForm, nullptr);
  EXPECT_EQ(schule.fAktivesFenster, nullptr);
}

TEST_F(SchuleTest, ZerstoerenSchliesstDieFenster) {
  TTestFenster plan(FensterArt::LehrerPlan, "Plan L");
  schule.FensterAnmelden(&plan);
  env.NeueSchule();
  EXPECT_EQ(plan.fGeschlossen, 1);
}

TEST_F(SchuleTest, KursEntfernenLoeschtAusgewaehlteKurseDieGeaendertWerdenDuerfen) {
  TLehrer* l = schule.HoleLehrer("L");
  TKurs* frei = TKurs::IKurs(l, nullptr, nullptr, nullptr, nullptr, 2);
  TKurs* verplant = TKurs::IKurs(l, nullptr, nullptr, nullptr, nullptr, 2);
  verplant->NeueSetzung(1, 1, 1, nullptr);
  TTestFenster dep(FensterArt::LehrerDeputat, "Deputat L");
  dep.fAuswahl = {frei, verplant, frei};
  Aktiviere(schule, dep);
  env.dialog.Antworte("Nein");
  schule.KursEntfernen();
  ASSERT_EQ(schule.fKursMenge.ListeZahlElemente(), 1);
  EXPECT_EQ(schule.fKursMenge[0], verplant);
  EXPECT_EQ(env.dialog.fProtokoll.size(), 1u);  // nur der verplante Kurs fragt
  EXPECT_EQ(dep.fUpdates, 1);

  TTestFenster uv(FensterArt::UVTabelle, "UV T"), plan(FensterArt::LehrerPlan, "Plan L");
  uv.fAuswahl = {verplant};
  plan.fAuswahl = {verplant};
  Aktiviere(schule, plan);
  schule.KursEntfernen();  // im Planfenster nichts
  EXPECT_EQ(schule.fKursMenge.ListeZahlElemente(), 1);
  Aktiviere(schule, uv);
  env.dialog.Antworte("Ja");
  schule.KursEntfernen();
  EXPECT_TRUE(schule.fKursMenge.empty());
  EXPECT_TRUE(l->fKurse.empty());
  EXPECT_EQ(uv.fGeloescht, std::vector<TKurs*>{verplant});
}

TEST_F(SchuleTest, FehlGrundNenntDenGrundDerLetztenAbwesenheit) {
  TLehrer* l = schule.HoleLehrer("L");
  TLehrer* m = schule.HoleLehrer("M");
  const TDateTime tag = DatumZuZahl(2024, 9, 2) + 0.5;
  EXPECT_EQ(schule.FehlGrund(tag, l), "(-)");
  auto neu = [&](TPlanElement* e, TDateTime d, const char* grund) {
    auto f = std::make_unique<TFehl>();
    f->fDatum = d;
    f->fElement = e;
    f->fZeit = FehlBit(1);
    f->fGrund = grund;
    schule.fFehlLehrerMenge.ListeAnhaengen(std::move(f));
  };
  neu(l, tag, "K");
  neu(m, tag, "F");
  neu(l, tag + 1, "X");
  neu(l, tag, "S");
  EXPECT_EQ(schule.FehlGrund(tag, l), "(S)");
  EXPECT_EQ(schule.FehlGrund(tag - 0.5, l), "(S)");  // derselbe Tag
  EXPECT_EQ(schule.FehlGrund(tag, m), "(F)");
  EXPECT_EQ(schule.FehlGrund(tag + 2, l), "(-)");
  TKlasse* k = schule.HoleKlasse("L");  // gleiches Kürzel, andere Art
  EXPECT_EQ(schule.FehlGrund(tag, k), "(-)");
  schule.ElementLoeschen(l);  // seine Abwesenheiten gehen mit
  ASSERT_EQ(schule.fFehlLehrerMenge.ListeZahlElemente(), 1);
  EXPECT_EQ(schule.fFehlLehrerMenge[0]->fElement, m);
}

class VertretungsListeTest : public SchuleTest {
 protected:
  TKurs* kurs = TKurs::IKurs(nullptr, nullptr, nullptr, nullptr, nullptr, 3);
  TSetzung* setzung = nullptr;
  void SetUp() override {
    kurs->NeueSetzung(1, 1, 1, nullptr);
    setzung = kurs->fSetzungen[0];
  }
  TVertretung* Neu(TDateTime datum) {
    auto v = std::make_unique<TVertretung>();
    v->fDatum = datum;
    v->fKurs = kurs;
    v->fSetzung = setzung;
    return schule.VertretungAufnehmen(std::move(v), [](const TVertretung* a, const TVertretung* b) {
      return a->fDatum < b->fDatum ? -1 : (a->fDatum > b->fDatum ? 1 : 0);
    });
  }
};

TEST_F(VertretungsListeTest, NeueVertretungIstHeuteAdHocUndSonstLeer) {
  TVertretung v;
  EXPECT_EQ(v.fAdHoc, std::floor(env.uhr.fJetzt) + 0.5);
  EXPECT_FALSE(v.fGueltig);
  EXPECT_FALSE(v.fAngerechnet);
  EXPECT_EQ(v.fLehrer, nullptr);
  EXPECT_TRUE(v.fStattListe.empty());
  EXPECT_TRUE(v.fLInfo.empty());
}

TEST_F(VertretungsListeTest, AufnehmenSortiertUndHaengtAnDieSetzung) {
  TVertretung* b = Neu(20.5);
  TVertretung* a = Neu(10.5);
  TVertretung* c = Neu(30.5);
  EXPECT_EQ(schule.fVertretungsMenge[0], a);
  EXPECT_EQ(schule.fVertretungsMenge[1], b);
  EXPECT_EQ(schule.fVertretungsMenge[2], c);
  EXPECT_EQ(setzung->fVertretungen.ListeZahlElemente(), 3);
  EXPECT_EQ(setzung->fVertretungen[0], b);  // in der Folge des Anhängens
}

TEST_F(VertretungsListeTest, LoeschenLoestVerweiseUndNimmtDieStattPartnerinMit) {
  TVertretung* gedeckt = Neu(10.5);
  TVertretung* eigene = Neu(11.5);
  TVertretung* dritte = Neu(12.5);
  gedeckt->fZu = eigene;  // gedeckt statt der eigenen Stunde
  eigene->fVon = gedeckt;
  TTestFenster wahl(FensterArt::VertretungsWahl, "Vertretungswahl");
  eigene->fFenster = &wahl;
  eigene->fStattListe.ListeAnhaengen(std::make_unique<TStatt>());
  schule.VertretungLoeschen(eigene);
  EXPECT_EQ(gedeckt->fZu, nullptr);
  EXPECT_EQ(wahl.fGeschlossen, 1);
  ASSERT_EQ(schule.fVertretungsMenge.ListeZahlElemente(), 2);
  EXPECT_EQ(setzung->fVertretungen.ListeElemNr(eigene), 0);

  TVertretung* zweite = Neu(13.5);
  dritte->fZu = zweite;
  zweite->fVon = dritte;
  schule.VertretungLoeschen(dritte);  // nimmt die Partnerin mit
  ASSERT_EQ(schule.fVertretungsMenge.ListeZahlElemente(), 1);
  EXPECT_EQ(schule.fVertretungsMenge[0], gedeckt);
  EXPECT_EQ(setzung->fVertretungen.ListeZahlElemente(), 1);
}

TEST_F(VertretungsListeTest, EineSetzungNimmtIhreVertretungenMit) {
  Neu(10.5);
  Neu(11.5);
  kurs->SetzungEntfernen(setzung);
  EXPECT_TRUE(schule.fVertretungsMenge.empty());
}

TEST_F(VertretungsListeTest, VerkleinernLoeschtDieVertretungenWegfallenderSetzungen) {
  schule.VersionErweitern(2);
  s.fEineWoche = false;
  kurs->fStunden.SetWochenStunde(0, 3);
  kurs->NeueSetzung(2, 1, 1, nullptr);
  setzung = kurs->SetzungFinden(2, 1, 1);
  Neu(10.5);
  env.dialog.Antworte("Ja");
  schule.VersionVerkleinern(1);
  EXPECT_TRUE(schule.fVertretungsMenge.empty());
}

}  // namespace
