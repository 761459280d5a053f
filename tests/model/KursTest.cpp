// Kurse: Anlegen, Reihenfolge, Stunden, Räume, Statistik, Fragen vor dem Ändern, Löschen.
#include <gtest/gtest.h>

#include <deque>

#include "model/KursHilfe.h"
#include "model/DatumUnit.h"

namespace {

class KursTest : public ::testing::Test {
 protected:
  TTestUmgebung env;
  TSchule& schule = env.schule();
  TStandard& s = env.standard;

  // Zwei Wochen im Zyklus, alle Wochen gleichzeitig.
  void ZweiWochen() {
    schule.VersionErweitern(2);
    s.fEineWoche = false;
  }
};

TEST_F(KursTest, IKursFuelltAusVorgabenUndVerknuepftBeideSeiten) {
  s.fStdProTag = 2;
  s.fEinzelStd = 1;
  s.fTabellenNr = 3;
  s.fFaktor = 4;
  s.fNichtZaehlenKl = true;
  s.fKursFarbe = 0x00FF00;
  TLehrer* l = schule.HoleLehrer("M\xFC");
  TKlasse* k = schule.HoleKlasse("5a");
  TKopplung* ko = schule.HoleKopplung("K1");
  TFach* f = schule.HoleFach("D");
  TRaum* r = schule.HoleRaum("R1");
  schule.SetDirty(false);

  TKurs* kurs = TKurs::IKurs(l, k, ko, f, r, 3);

  EXPECT_EQ(kurs->fLehrer, l);
  EXPECT_EQ(kurs->fKopplung, ko);
  EXPECT_EQ(kurs->fFach, f);
  ASSERT_EQ(kurs->fKlassen.ListeZahlElemente(), 1);
  EXPECT_EQ(kurs->fKlassen[0], k);
  ASSERT_EQ(kurs->fRaeume.ListeZahlElemente(), 1);
  EXPECT_EQ(kurs->fRaeume[0], r);
  EXPECT_TRUE(kurs->fRaumErgaenzt.empty());
  EXPECT_EQ(kurs->fStunden.GetWochenStunde(0), 3);
  EXPECT_EQ(kurs->fStdProTag, 2);
  EXPECT_EQ(kurs->fEinzelStd, 1);
  EXPECT_EQ(kurs->fTabellenNr, 3);
  EXPECT_EQ(kurs->fFaktor, 4);
  EXPECT_FALSE(kurs->fNichtZaehlenLe);
  EXPECT_TRUE(kurs->fNichtZaehlenKl);
  EXPECT_EQ(kurs->fColor, 0x00FF00u);
  for (TElement* e : std::vector<TElement*>{l, k, ko, f, r})
    EXPECT_EQ(e->fKurse.ListeElemNr(kurs), 1) << e->fKuerzel.str();
  EXPECT_EQ(schule.fKursMenge.ListeElemNr(kurs), 1);
  EXPECT_EQ(f->fKlassen.ListeElemNr(k), 1);  // das Fach kennt nun die Klasse
  EXPECT_TRUE(schule.fDirty);
  EXPECT_TRUE(env.dialog.fProtokoll.empty());  // kein Doppel-Lehrer-Test beim Anlegen
}

// Lehrer und Fach eines Kurses kennen einander (fFaecher, fLehrer), wie nach dem Öffnen der
// gesicherten Schule: beim neuen Kurs und wenn ein Kurs Lehrer oder Fach bekommt.
TEST_F(KursTest, KursVerbindetSeinenLehrerUndSeinFach) {
  TLehrer* l = schule.HoleLehrer("MUE");
  TLehrer* l2 = schule.HoleLehrer("SCH");
  TFach* d = schule.HoleFach("D");
  TFach* m = schule.HoleFach("M");
  TKurs* kurs = TKurs::IKurs(l, nullptr, nullptr, d, nullptr, 2);
  EXPECT_EQ(l->fFaecher.ListeElemNr(d), 1);
  EXPECT_EQ(d->fLehrer.ListeElemNr(l), 1);
  kurs->FachErgaenzen(m);
  EXPECT_EQ(l->fFaecher.ListeElemNr(m), 2);  // nach fReihe hinter D
  EXPECT_EQ(m->fLehrer.ListeElemNr(l), 1);
  kurs->LehrerErgaenzen(l2);
  EXPECT_EQ(l2->fFaecher.ListeElemNr(m), 1);
  EXPECT_EQ(m->fLehrer.ListeElemNr(l2), 2);
  // Ohne Fach oder ohne Lehrer entsteht keine Verbindung.
  TLehrer* l3 = schule.HoleLehrer("KRA");
  TKurs::IKurs(l3, nullptr, nullptr, nullptr, nullptr, 1);
  TKurs* ohneLehrer = TKurs::IKurs(nullptr, nullptr, nullptr, schule.HoleFach("E"), nullptr, 1);
  EXPECT_TRUE(l3->fFaecher.empty());
  EXPECT_TRUE(ohneLehrer->fFach->fLehrer.empty());
}

TEST_F(KursTest, IKursSetztImEinWochenModusNurDieAktuelleWoche) {
  schule.VersionErweitern(2);
  s.fEineWoche = true;
  s.fAktuelleWoche = 2;
  TKurs* kurs = TKurs::IKurs(nullptr, nullptr, nullptr, nullptr, nullptr, 4);
  EXPECT_EQ(kurs->fStunden.GetWochenStunde(1), 0);
  EXPECT_EQ(kurs->fStunden.GetWochenStunde(2), 4);
  s.fEineWoche = false;
  TKurs* alle = TKurs::IKurs(nullptr, nullptr, nullptr, nullptr, nullptr, 4);
  EXPECT_EQ(alle->fStunden.GetWochenStunde(1), 4);
  EXPECT_EQ(alle->fStunden.GetWochenStunde(2), 4);
}

TEST_F(KursTest, VierStundenKursVorZweiStundenKursDerselbenKlasseUndDesselbenFachs) {
  TKlasse* k = schule.HoleKlasse("5a");
  TFach* f = schule.HoleFach("M");
  TLehrer* l = schule.HoleLehrer("A");
  TKurs* zwei = TKurs::IKurs(l, k, nullptr, f, nullptr, 2);
  TKurs* vier = TKurs::IKurs(l, k, nullptr, f, nullptr, 4);
  EXPECT_LT(KursVergleich(vier, zwei), 0);
  EXPECT_EQ(schule.fKursMenge[0], vier);
  EXPECT_EQ(schule.fKursMenge[1], zwei);
  EXPECT_EQ(k->fKurse[0], vier);
  EXPECT_EQ(l->fKurse[0], vier);
  EXPECT_EQ(f->fKurse[0], vier);
}

TEST_F(KursTest, GleicheSchluesselBleibenInDerFolgeDesAnlegens) {
  TKlasse* k = schule.HoleKlasse("5a");
  TKurs* erster = TKurs::IKurs(nullptr, k, nullptr, nullptr, nullptr, 3);
  TKurs* zweiter = TKurs::IKurs(nullptr, k, nullptr, nullptr, nullptr, 3);
  EXPECT_LT(KursVergleich(erster, zweiter), 0);
  EXPECT_GT(KursVergleich(zweiter, erster), 0);
  EXPECT_EQ(KursVergleich(erster, erster), 0);
  EXPECT_EQ(schule.fKursMenge[0], erster);
}

TEST_F(KursTest, KursOhneKlasseSortiertVorKlassenkursen) {
  TKlasse* k = schule.HoleKlasse("5a");
  TKurs* mit = TKurs::IKurs(nullptr, k, nullptr, nullptr, nullptr, 1);
  TKurs* ohne = TKurs::IKurs(nullptr, nullptr, nullptr, nullptr, nullptr, 1);
  EXPECT_EQ(mit->fReihe1, 1000 - 1);
  EXPECT_EQ(ohne->fReihe1, -1000 - 1);
  EXPECT_EQ(schule.fKursMenge[0], ohne);
}

TEST_F(KursTest, ErgaenzenHaeltDieSchuleUndJedesElementInKursfolge) {
  TLehrer* a = schule.HoleLehrer("A");
  TLehrer* b = schule.HoleLehrer("B");
  TKlasse* k5 = schule.HoleKlasse("5a");
  TKopplung* ko = schule.HoleKopplung("K");
  TRaum* r = schule.HoleRaum("R");
  TKurs* x = TKurs::IKurs(a, k5, ko, nullptr, r, 2);
  TKurs* y = TKurs::IKurs(a, k5, ko, nullptr, r, 2);
  auto inFolge = [](const auto& liste) {
    for (std::size_t i = 1; i < liste.size(); ++i)
      if (KursVergleich(liste[i - 1], liste[i]) > 0) return false;
    return true;
  };
  auto alleInFolge = [&] {
    return inFolge(schule.fKursMenge) && inFolge(a->fKurse) && inFolge(b->fKurse) &&
           inFolge(ko->fKurse) && inFolge(r->fKurse);
  };
  x->FachErgaenzen(schule.HoleFach("M"));  // x hat nun ein Fach: hinter y
  EXPECT_TRUE(alleInFolge());
  EXPECT_EQ(schule.fKursMenge[0], y);
  y->LehrerErgaenzen(b);
  y->FachErgaenzen(schule.HoleFach("D"));
  EXPECT_TRUE(alleInFolge());
  x->KlasseErgaenzen(schule.HoleKlasse("5b"));
  y->KopplungErgaenzen(ko);
  EXPECT_TRUE(alleInFolge());
}

TEST_F(KursTest, ElementeEintragenOrdnetStillInJedeListeEin) {
  TLehrer* a = schule.HoleLehrer("A");
  TKlasse* k5 = schule.HoleKlasse("5a");
  TKlasse* k6 = schule.HoleKlasse("6a");
  TKopplung* ko = schule.HoleKopplung("K");
  TFach* m = schule.HoleFach("M");
  TRaum* r = schule.HoleRaum("R");
  TKurs* y = TKurs::IKurs(a, k6, ko, m, r, 2);
  TKurs* z = TKurs::IKurs(a, k5, ko, m, r, 2);
  TKurs* x = TKurs::IKurs(nullptr, nullptr, nullptr, nullptr, nullptr, 2);
  ASSERT_EQ(schule.fKursMenge[0], x);  // ohne Elemente vorn
  // Die Verknüpfungen des Kurses gesetzt, wie sie beim Lesen entstehen: die Elemente kennen ihn
  // noch nicht.
  x->fLehrer = a;
  x->fKopplung = ko;
  x->fFach = m;
  x->fKlassen.ListeAnhaengen(k5);
  x->fKlassen.ListeAnhaengen(k6);
  x->fRaeume.ListeAnhaengen(r);
  std::deque<TFakeFenster> fenster;
  const std::vector<TElement*> elemente{a, k5, k6, ko, m, r};
  for (TElement* e : elemente) e->fDepFenster = &fenster.emplace_back(0);
  schule.SetDirty(false);
  const int sichernAufrufe = env.fenster.fSichernAufrufe;

  x->ElementeEintragen();
  x->ElementeEintragen();  // ein zweites Mal: nichts doppelt

  // 5a vor 6a, bei gleichen Schlüsseln die Folge des Anlegens.
  const std::vector<TKurs*> zxy{z, x, y};
  EXPECT_EQ(schule.fKursMenge.Kopie(), zxy);
  for (TElement* e : std::vector<TElement*>{a, ko, m, r})
    EXPECT_EQ(e->fKurse.Kopie(), zxy) << e->fKuerzel.str();
  EXPECT_EQ(k5->fKurse.Kopie(), (std::vector<TKurs*>{z, x}));
  EXPECT_EQ(k6->fKurse.Kopie(), (std::vector<TKurs*>{x, y}));
  EXPECT_FALSE(schule.fDirty);
  EXPECT_EQ(env.fenster.fSichernAufrufe, sichernAufrufe);
  for (const TFakeFenster& f : fenster) EXPECT_EQ(f.fUpdates + f.fRefreshs, 0);
  EXPECT_TRUE(env.dialog.fProtokoll.empty());

  // Dagegen meldet das Ergänzen: Fenster und Änderungsmarke.
  x->FachErgaenzen(m);
  EXPECT_GT(fenster[4].fUpdates + fenster[4].fRefreshs, 0);
  EXPECT_TRUE(schule.fDirty);
  for (TElement* e : elemente) e->fDepFenster = nullptr;
}

TEST_F(KursTest, WocheNullSummiertUndVerplanteStundenZaehlenJeWoche) {
  ZweiWochen();
  TKurs* kurs = TKurs::IKurs(nullptr, nullptr, nullptr, nullptr, nullptr, 3);
  EXPECT_EQ(kurs->fStunden.GetWochenStunde(0), 6);
  kurs->NeueSetzung(1, 1, 1, nullptr);
  EXPECT_EQ(kurs->VerplanteStunden(1), 1);
  EXPECT_EQ(kurs->VerplanteStunden(2), 0);
  EXPECT_EQ(kurs->VerplanteStunden(0), 1);
  EXPECT_EQ(kurs->VerplanteStunden(-1), 1);  // Arbeitswoche = alle Wochen
  EXPECT_EQ(kurs->RestStunden(0), 5);
  EXPECT_EQ(kurs->RestStunden(2), 3);
  s.fEineWoche = true;
  s.fAktuelleWoche = 2;
  EXPECT_EQ(kurs->VerplanteStunden(-1), 0);
}

TEST_F(KursTest, VerplanteStundenZaehlenNurDiePlantage) {
  TKurs* kurs = TKurs::IKurs(nullptr, nullptr, nullptr, nullptr, nullptr, 3);
  kurs->NeueSetzung(1, 6, 1, nullptr);
  kurs->NeueSetzung(1, 2, 1, nullptr);
  s.fMaxTageNeu = 5;
  EXPECT_EQ(kurs->VerplanteStunden(1), 1);
  s.fMaxTageNeu = 6;
  EXPECT_EQ(kurs->VerplanteStunden(1), 2);
}

TEST_F(KursTest, NegativeStundenWerdenErkanntUndAufNullGesetzt) {
  ZweiWochen();
  TKurs* kurs = TKurs::IKurs(nullptr, nullptr, nullptr, nullptr, nullptr, 2);
  EXPECT_FALSE(kurs->HatNegativeStunden());
  kurs->fStunden.SetWochenStunde(2, -3);
  EXPECT_TRUE(kurs->HatNegativeStunden());
  schule.SetDirty(false);
  kurs->EntferneNegativeStunden();
  EXPECT_FALSE(kurs->HatNegativeStunden());
  EXPECT_EQ(kurs->fStunden.GetWochenStunde(1), 2);
  EXPECT_EQ(kurs->fStunden.GetWochenStunde(2), 0);
  EXPECT_TRUE(schule.fDirty);
}

TEST_F(KursTest, VerplanterRaumZaehltUndEntscheidetGleichstandNachVorliebe) {
  TRaum* r1 = schule.HoleRaum("R1");
  TRaum* r2 = schule.HoleRaum("R2");
  TRaum* fremd = schule.HoleRaum("R3");
  TKurs* kurs = TKurs::IKurs(nullptr, nullptr, nullptr, nullptr, r1, 6);
  kurs->RaumErgaenzen(r2, false);
  EXPECT_EQ(kurs->VerplanterRaum(), nullptr);
  kurs->NeueSetzung(1, 1, 1, nullptr);
  EXPECT_EQ(kurs->VerplanterRaum(), nullptr);  // keine Setzung mit Raum
  kurs->NeueSetzung(1, 1, 2, r2);
  EXPECT_EQ(kurs->VerplanterRaum(), r2);
  kurs->NeueSetzung(1, 1, 3, r1);
  EXPECT_EQ(kurs->VerplanterRaum(), r1);  // 1:1, R1 steht in fRaeume vorn
  kurs->NeueSetzung(1, 1, 4, r2);
  EXPECT_EQ(kurs->VerplanterRaum(), r2);  // 2:1
  kurs->NeueSetzung(1, 1, 5, fremd);
  kurs->NeueSetzung(1, 1, 6, fremd);
  EXPECT_EQ(kurs->VerplanterRaum(), fremd);  // 2:2, ein Raum außerhalb fRaeume zuerst
}

class StatistikTest : public KursTest {
 protected:
  void SetUp() override {
    s.fDepVon = DatumZuZahl(2024, 9, 2);   // Montag
    s.fDepBis = DatumZuZahl(2024, 9, 30);  // Montag
  }
  void Feiertag(TDateTime d) {
    s.fFerien[KalenderWoche(d) - 1] |= static_cast<std::uint8_t>(1u << (WochenTag(d) - 1));
  }
};

TEST_F(StatistikTest, NieGesetzterKursZaehltDieStundenJederWoche) {
  TKurs* kurs = TKurs::IKurs(nullptr, nullptr, nullptr, nullptr, nullptr, 3);
  EXPECT_EQ(kurs->StatistikSumme(), 15);  // 2., 9., 16., 23., 30.9.
}

TEST_F(StatistikTest, NieGesetzterKursFolgtDerPlanversionDesKalenders) {
  ZweiWochen();
  TKurs* kurs = TKurs::IKurs(nullptr, nullptr, nullptr, nullptr, nullptr, 0);
  kurs->fStunden.SetWochenStunde(1, 2);
  kurs->fStunden.SetWochenStunde(2, 5);
  schule.SetzeKalender(KalenderWoche(DatumZuZahl(2024, 9, 9)), 2);
  schule.SetzeKalender(KalenderWoche(DatumZuZahl(2024, 9, 23)), 2);
  EXPECT_EQ(kurs->StatistikSumme(), 2 + 5 + 2 + 5 + 2);
  // "Nie gesetzt" heißt: ohne Setzungen. Das Kennzeichen "nicht verplanen" ändert nichts daran;
  // ein gesetzter Kurs zählt seine Setzungen, auch wenn es gesetzt ist.
  kurs->fNichtVerplanen = true;
  EXPECT_EQ(kurs->StatistikSumme(), 2 + 5 + 2 + 5 + 2);
  kurs->fNichtVerplanen = false;
  kurs->NeueSetzung(1, 2, 1, nullptr);  // dienstags in Woche 1: 3. und 17.9.
  kurs->fNichtVerplanen = true;
  EXPECT_EQ(kurs->StatistikSumme(), 2);
}

TEST_F(StatistikTest, GesetzterKursZaehltSeineTageOhneFeiertage) {
  ZweiWochen();
  TKurs* kurs = TKurs::IKurs(nullptr, nullptr, nullptr, nullptr, nullptr, 3);
  kurs->NeueSetzung(1, 2, 1, nullptr);   // dienstags in Woche 1
  EXPECT_EQ(kurs->StatistikSumme(), 4);  // 3., 10., 17., 24.9.
  Feiertag(DatumZuZahl(2024, 9, 10));
  EXPECT_EQ(kurs->StatistikSumme(), 3);
  schule.SetzeKalender(KalenderWoche(DatumZuZahl(2024, 9, 17)), 2);
  EXPECT_EQ(kurs->StatistikSumme(), 2);
}

TEST_F(StatistikTest, NullOhneZeitraumOderWennNichtFuerDenLehrerGezaehlt) {
  TKurs* kurs = TKurs::IKurs(nullptr, nullptr, nullptr, nullptr, nullptr, 3);
  s.fDepBis = s.fDepVon;
  EXPECT_EQ(kurs->StatistikSumme(), 0);
  s.fDepBis = DatumZuZahl(2024, 9, 30);
  kurs->fNichtZaehlenLe = true;
  EXPECT_EQ(kurs->StatistikSumme(), 0);
}

TEST_F(StatistikTest, ZeitraumVorDemKalenderBeginntAm27Dezember1993) {
  s.fDepVon = DatumZuZahl(1990, 1, 1);
  s.fDepBis = DatumZuZahl(1994, 1, 3);
  TKurs* nie = TKurs::IKurs(nullptr, nullptr, nullptr, nullptr, nullptr, 3);
  EXPECT_EQ(nie->StatistikSumme(), 6);  // nur 27.12.1993 und 3.1.1994
  TKurs* gesetzt = TKurs::IKurs(nullptr, nullptr, nullptr, nullptr, nullptr, 3);
  gesetzt->NeueSetzung(1, 1, 1, nullptr);
  EXPECT_EQ(gesetzt->StatistikSumme(), 2);
  s.fDepBis = DatumZuZahl(1993, 12, 20);  // ganz vor dem Kalender
  EXPECT_EQ(nie->StatistikSumme(), 0);
  EXPECT_EQ(gesetzt->StatistikSumme(), 0);
}

class FrageTest : public KursTest {
 protected:
  TLehrer* l = schule.HoleLehrer("M\xFC");
  TKlasse* k = schule.HoleKlasse("5a");
  TFach* f = schule.HoleFach("D");
  TRaum* r = schule.HoleRaum("R1");
  TKurs* kurs = TKurs::IKurs(l, k, nullptr, f, r, 3);
};

TEST_F(FrageTest, NichtVerplantFragtNurBeiSetzungen) {
  EXPECT_TRUE(kurs->NichtVerplant());
  EXPECT_TRUE(env.dialog.fProtokoll.empty());
}

TEST_F(FrageTest, NichtVerplantMitNeinBehaeltDieSetzungen) {
  kurs->NeueSetzung(1, 1, 1, r);
  env.dialog.Antworte("Nein");
  EXPECT_FALSE(kurs->NichtVerplant());
  ASSERT_EQ(env.dialog.fProtokoll.size(), 1u);
  const auto& e = env.dialog.fProtokoll[0];
  EXPECT_EQ(e.Titel, "Kurs ist verplant");
  EXPECT_EQ(e.Zeilen, (std::vector<std::string>{
                          "Der Kurs", "Mü D 5a", "ist schon verplant und kann",
                          "deshalb nicht verändert werden.", "Sollen die verplanten Stunden",
                          "in den Plänen gelöscht werden?"}));
  EXPECT_EQ(e.Knoepfe, (std::vector<std::string>{"Ja", "Nein"}));
  EXPECT_EQ(kurs->fSetzungen.ListeZahlElemente(), 1);
}

TEST_F(FrageTest, NichtVerplantMitJaEntferntAlleSetzungen) {
  kurs->NeueSetzung(1, 1, 1, r);
  kurs->NeueSetzung(1, 2, 1, r);
  env.dialog.Antworte("Ja");
  EXPECT_TRUE(kurs->NichtVerplant());
  EXPECT_TRUE(kurs->fSetzungen.empty());
  EXPECT_FALSE(l->fBesetzung.GetWocheTagStd(1, 1, 1));
  EXPECT_FALSE(r->fBesetzung.GetWocheTagStd(1, 2, 1));
}

TEST_F(FrageTest, KlasseLoeschenAusDemMenueEinesVerplantenKursesFragtUndNeinLaesstSie) {
  kurs->NeueSetzung(1, 1, 1, r);
  schule.fToolArt = TToolArt::LoeschTool;
  TMenue menue;
  kurs->ErzeugeKlassenMenu(menue, false);
  ASSERT_EQ(menue.size(), 1u);
  ASSERT_TRUE(menue[0].Aktion);
  env.dialog.Antworte("Nein");
  menue[0].Aktion();
  EXPECT_EQ(env.dialog.fProtokoll.back().Titel, "Kurs ist verplant");
  EXPECT_EQ(kurs->fKlassen.ListeElemNr(k), 1);
  env.dialog.Antworte("Ja");
  menue[0].Aktion();
  EXPECT_TRUE(kurs->fKlassen.empty());
  EXPECT_EQ(k->fKurse.ListeElemNr(kurs), 0);
}

TEST_F(FrageTest, KursNichtImRaumFragtMitRaumkuerzel) {
  TRaum* r2 = schule.HoleRaum("R2");
  kurs->RaumErgaenzen(r2, false);
  kurs->NeueSetzung(1, 1, 1, r);
  EXPECT_TRUE(kurs->KursNichtImRaum(r2));  // dort liegt nichts: keine Frage
  EXPECT_TRUE(env.dialog.fProtokoll.empty());
  env.dialog.Antworte("Nein");
  EXPECT_FALSE(kurs->KursNichtImRaum(r));
  const auto& e = env.dialog.fProtokoll.back();
  EXPECT_EQ(e.Titel, "Kurs im Raumplan");
  EXPECT_EQ(e.Zeilen,
            (std::vector<std::string>{"Der Kurs", "Mü D 5a", "ist schon im Plan", "von Raum", "R1",
                                      "Soll der Raum trotzdem aus", "dem Kurs entfernt werden?"}));
  EXPECT_EQ(e.Knoepfe, (std::vector<std::string>{"Ja", "Nein"}));
  env.dialog.Antworte("Ja");
  EXPECT_TRUE(kurs->KursNichtImRaum(r));
  ASSERT_EQ(kurs->fSetzungen.ListeZahlElemente(), 1);  // die Stunde bleibt, ohne Raum
  EXPECT_EQ(kurs->fSetzungen[0]->fRaum, nullptr);
  EXPECT_FALSE(r->fBesetzung.GetWocheTagStd(1, 1, 1));
}

TEST_F(FrageTest, RaumLoeschenAusDemMenue) {
  kurs->NeueSetzung(1, 1, 1, r);
  schule.fToolArt = TToolArt::LoeschTool;
  TMenue menue;
  kurs->ErzeugeRaumMenu(menue, false);
  ASSERT_EQ(menue.size(), 1u);
  EXPECT_TRUE(menue[0].Haken);  // der Raum ist verplant
  env.dialog.Antworte("Nein");
  menue[0].Aktion();
  EXPECT_EQ(kurs->fRaeume.ListeElemNr(r), 1);
  env.dialog.Antworte("Ja");
  menue[0].Aktion();
  EXPECT_TRUE(kurs->fRaeume.empty());
  EXPECT_EQ(r->fKurse.ListeElemNr(kurs), 0);
}

TEST_F(FrageTest, KursLoeschenLoestAlleVerbindungenUndBenachrichtigtDieFenster) {
  TKopplung* ko = schule.HoleKopplung("K1");
  TRaum* r2 = schule.HoleRaum("R2");
  TKlasse* k2 = schule.HoleKlasse("5b");
  kurs->KopplungErgaenzen(ko);
  kurs->RaumErgaenzen(r2, true);
  kurs->KlasseErgaenzen(k2);
  kurs->NeueSetzung(1, 1, 1, r);
  TSetzung* setzung = kurs->fSetzungen[0];
  auto v = std::make_unique<TVertretung>();
  v->fKurs = kurs;
  v->fSetzung = setzung;
  schule.VertretungAufnehmen(std::move(v));
  TTestFenster alleKurse(FensterArt::AlleKurse, "alle Kurse"),
      kursFenster(FensterArt::Kurs, "Kurs"), uv(FensterArt::UVTabelle, "UV Tab"),
      manuell(FensterArt::Manuell, "Manuell"), plan(FensterArt::LehrerPlan, "Plan Mü");
  schule.fKursDepForm = &alleKurse;
  schule.fKursForm = &kursFenster;
  schule.fManuellForm = &manuell;
  schule.FensterAnmelden(&uv);
  schule.FensterAnmelden(&plan);
  schule.SetDirty(false);

  schule.KursLoeschen(kurs);

  EXPECT_TRUE(schule.fKursMenge.empty());
  for (TElement* e : std::vector<TElement*>{l, k, k2, f, r, r2, ko})
    EXPECT_TRUE(e->fKurse.empty()) << e->fKuerzel.str();
  EXPECT_FALSE(l->fBesetzung.GetWocheTagStd(1, 1, 1));
  EXPECT_FALSE(k->fBesetzung.GetWocheTagStd(1, 1, 1));
  EXPECT_FALSE(r->fBesetzung.GetWocheTagStd(1, 1, 1));
  EXPECT_TRUE(f->fKlassen.empty());
  EXPECT_TRUE(schule.fVertretungsMenge.empty());
  EXPECT_EQ(alleKurse.fUpdates, 1);
  EXPECT_EQ(kursFenster.fGeloescht, std::vector<TKurs*>{kurs});
  EXPECT_EQ(uv.fGeloescht, std::vector<TKurs*>{kurs});
  EXPECT_EQ(manuell.fGeloescht, std::vector<TKurs*>{kurs});
  // Jedes offene Fenster erfährt es, jedes genau einmal.
  EXPECT_EQ(plan.fGeloescht, std::vector<TKurs*>{kurs});
  EXPECT_TRUE(schule.fDirty);
  schule.KursLoeschen(kurs);  // schon gelöscht: nichts
}

class NeuerKursTest : public KursTest {
 protected:
  TTestFenster fenster{FensterArt::LehrerPlan, "Plan L"};
};

TEST_F(NeuerKursTest, AusDemPlanfensterEinesLehrersMitSeinemStammraum) {
  TLehrer* l = schule.HoleLehrer("L");
  TRaum* r = schule.HoleRaum("R");
  l->fRaum = r;
  l->fPlnFenster = &fenster;
  Aktiviere(schule, fenster);
  s.fKursStd = 5;
  schule.SetDirty(false);
  schule.NeuerKurs();
  ASSERT_EQ(schule.fKursMenge.ListeZahlElemente(), 1);
  TKurs* kurs = schule.fKursMenge[0];
  EXPECT_EQ(kurs->fLehrer, l);
  EXPECT_EQ(kurs->fRaeume.ListeNrInhalt(1), r);
  EXPECT_EQ(kurs->fStunden.GetWochenStunde(1), 5);
  ASSERT_EQ(env.fenster.fKursFenster.size(), 1u);
  EXPECT_EQ(env.fenster.fKursFenster[0].first, kurs);
  EXPECT_EQ(env.fenster.fKursFenster[0].second, nullptr);
  EXPECT_TRUE(schule.fDirty);
}

TEST_F(NeuerKursTest, NachFensterart) {
  TKlasse* k = schule.HoleKlasse("5a");
  TFach* f = schule.HoleFach("D");
  TKopplung* ko = schule.HoleKopplung("K");
  TRaum* r = schule.HoleRaum("R");
  TTestFenster kDep(FensterArt::KlassenDeputat, "Deputat 5a");
  TTestFenster fDaten(FensterArt::FachDaten, "Fach D");
  TTestFenster koDep(FensterArt::KopplungsDeputat, "Deputat K");
  TTestFenster rPlan(FensterArt::RaumPlan, "Plan R");
  k->fDepFenster = &kDep;
  f->fGrDatFenster = &fDaten;
  ko->fDepFenster = &koDep;
  r->fPlnFenster = &rPlan;
  for (TTestFenster* w : {&kDep, &fDaten, &koDep, &rPlan}) {
    Aktiviere(schule, *w);
    schule.NeuerKurs();
  }
  ASSERT_EQ(schule.fKursMenge.ListeZahlElemente(), 4);
  EXPECT_EQ(k->fKurse.ListeZahlElemente(), 1);
  EXPECT_EQ(f->fKurse.ListeZahlElemente(), 1);
  EXPECT_EQ(ko->fKurse.ListeZahlElemente(), 1);
  EXPECT_EQ(r->fKurse.ListeZahlElemente(), 1);
  EXPECT_EQ(env.fenster.fKursFenster.size(), 4u);
}

TEST_F(NeuerKursTest, AlleKurseErzeugtLeerenKursAndereFensterNichts) {
  TTestFenster alle(FensterArt::AlleKurse, "alle Kurse");
  TTestFenster fehler(FensterArt::Fehler, "Fehler");
  TTestFenster uebersicht(FensterArt::LehrerUebersicht, "Übersicht für Lehrer");
  schule.NeuerKurs();  // kein aktives Fenster
  Aktiviere(schule, fehler);
  schule.NeuerKurs();
  Aktiviere(schule, uebersicht);
  schule.NeuerKurs();
  EXPECT_TRUE(schule.fKursMenge.empty());
  Aktiviere(schule, alle);
  schule.NeuerKurs();
  ASSERT_EQ(schule.fKursMenge.ListeZahlElemente(), 1);
  TKurs* kurs = schule.fKursMenge[0];
  EXPECT_EQ(kurs->fLehrer, nullptr);
  EXPECT_TRUE(kurs->fKlassen.empty());
  EXPECT_TRUE(kurs->fRaeume.empty());
  EXPECT_EQ(kurs->fStunden.GetWochenStunde(1), s.fKursStd);
  EXPECT_EQ(env.fenster.fKursFenster.size(), 1u);
}

TEST_F(NeuerKursTest, PlanfensterEinesUnbekanntenFenstersErzeugtNichts) {
  Aktiviere(schule, fenster);  // kein Element zeigt dieses Fenster
  schule.NeuerKurs();
  EXPECT_TRUE(schule.fKursMenge.empty());
}

TEST_F(KursTest, ZeigePlanFensterOeffnetRaumKlasseLehrerUndLaesstDirty) {
  TLehrer* l = schule.HoleLehrer("L");
  TKlasse* k1 = schule.HoleKlasse("5a");
  TKlasse* k2 = schule.HoleKlasse("5b");
  TRaum* r = schule.HoleRaum("R");
  TKurs* kurs = TKurs::IKurs(l, k2, nullptr, nullptr, nullptr, 3);
  kurs->KlasseErgaenzen(k1);
  kurs->NeueSetzung(1, 2, 3, r);
  schule.SetDirty(false);
  kurs->ZeigePlanFenster(2, 3);
  EXPECT_EQ(env.fenster.fPlanFenster,
            (std::vector<TPlanElement*>{r, k1, l}));  // erste Klasse nach Reihe: 5a
  EXPECT_FALSE(schule.fDirty);
  env.fenster.fPlanFenster.clear();
  kurs->ZeigePlanFenster(2, 4);  // dort liegt nichts: kein Raum
  EXPECT_EQ(env.fenster.fPlanFenster, (std::vector<TPlanElement*>{k1, l}));
}

}  // namespace

namespace {

TEST_F(KursTest, PlanRefreshZeichnetPlaeneUndUebersichtenOhneAenderung) {
  TLehrer* l = schule.HoleLehrer("L");
  TKlasse* k = schule.HoleKlasse("5a");
  TRaum* r = schule.HoleRaum("R");
  TKurs* kurs = TKurs::IKurs(l, k, nullptr, nullptr, r, 2);
  TTestFenster lPlan(FensterArt::LehrerPlan, "Plan L"), kPlan(FensterArt::KlassenPlan, "Plan 5a"),
      rPlan(FensterArt::RaumPlan, "Plan R"),
      ueb(FensterArt::KlassenUebersicht, "Übersicht für Klassen"),
      manuell(FensterArt::Manuell, "Manuell"), stat(FensterArt::LehrerStatistik, "Lehrerstatistik");
  l->fPlnFenster = &lPlan;
  k->fPlnFenster = &kPlan;
  r->fPlnFenster = &rPlan;
  schule.fKlasUebForm = &ueb;
  schule.fManuellForm = &manuell;
  schule.fLeStatForm = &stat;
  schule.SetDirty(false);
  kurs->PlanRefresh();
  for (TTestFenster* f : {&lPlan, &kPlan, &rPlan, &ueb, &manuell})
    EXPECT_EQ(f->fRefreshs, 1) << f->fTitel;
  EXPECT_EQ(stat.fRefreshs, 0);
  EXPECT_FALSE(schule.fDirty);
  l->fPlnFenster = k->fPlnFenster = r->fPlnFenster = nullptr;
}

TEST_F(KursTest, FensterRefreshErreichtAlleKurseUndDasKursfenster) {
  TKurs* kurs = TKurs::IKurs(nullptr, nullptr, nullptr, nullptr, nullptr, 2);
  TTestFenster alle(FensterArt::AlleKurse, "alle Kurse"), kursFenster(FensterArt::Kurs, "Kurs");
  schule.fKursDepForm = &alle;
  schule.fKursForm = &kursFenster;
  kurs->FensterRefresh();
  EXPECT_EQ(alle.fRefreshs, 1);
  EXPECT_EQ(kursFenster.fRefreshs, 1);
}

}  // namespace
