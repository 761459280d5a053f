// Die Regeln des Kursfensters ohne Fenster: Stunden, Faktor, Std/Tag, Schalter, Info,
// Elemente, Löschen, Raumfolge und Blättern.
#include <gtest/gtest.h>

#include "model/KursHilfe.h"
#include "ui/KursFeldUnit.h"

namespace {

class KursFeldTest : public ::testing::Test {
 protected:
  TTestUmgebung env;
  TSchule& schule = env.schule();
  TStandard& s = env.standard;
  TLehrer* mue = schule.HoleLehrer("MUE");
  TLehrer* sch = schule.HoleLehrer("SCH");
  TKlasse* k5a = schule.HoleKlasse("5a");
  TKlasse* k5b = schule.HoleKlasse("5b");
  TFach* ma = schule.HoleFach("M");
  TFach* de = schule.HoleFach("D");
  TKopplung* ko = schule.HoleKopplung("Q1-LK");
  TRaum* r101 = schule.HoleRaum("R101");
  TRaum* r102 = schule.HoleRaum("R102");
  TKurs* kurs = TKurs::IKurs(mue, k5a, nullptr, ma, r101, 3);
  TTestFenster dep{FensterArt::LehrerDeputat, "Deputat MUE"};

  void SetUp() override {
    mue->fDepFenster = &dep;
    schule.SetDirty(false);
  }
  void TearDown() override { mue->fDepFenster = nullptr; }

  // Zwei Planversionen, beide Wochen mit derselben Stundenzahl.
  void ZweiWochen(int jeWoche, bool eineWoche) {
    schule.VersionErweitern(2);
    s.fEineWoche = eineWoche;
    kurs->fStunden.SetWochenStunde(0, jeWoche);
    schule.SetDirty(false);
  }
};

TEST_F(KursFeldTest, StundenfeldImEinwochenmodusZeigtDieAktuelleWoche) {
  schule.VersionErweitern(2);
  s.fEineWoche = true;
  s.fAktuelleWoche = 2;
  kurs->fStunden.SetWochenStunde(1, 4);
  kurs->fStunden.SetWochenStunde(2, 2);
  ASSERT_NE(kurs->NeueSetzung(2, 1, 1, nullptr), nullptr);
  ASSERT_NE(kurs->NeueSetzung(1, 1, 1, nullptr), nullptr);
  ASSERT_NE(kurs->NeueSetzung(1, 1, 2, nullptr), nullptr);
  ASSERT_NE(kurs->NeueSetzung(1, 1, 3, nullptr), nullptr);
  // Wert und Minimum gehören zur Woche 2, nicht zur Summe beider Wochen.
  EXPECT_EQ(KursFeld::StundenBereich(*kurs), (TZahlBereich{1, 112, 1, 2}));
  // Eine Stunde mehr ändert nur die aktuelle Woche.
  EXPECT_TRUE(KursFeld::StundenAendern(*kurs, 3, false));
  EXPECT_EQ(kurs->fStunden.GetWochenStunde(1), 4);
  EXPECT_EQ(kurs->fStunden.GetWochenStunde(2), 3);
  EXPECT_TRUE(schule.fDirty);
  // Unter die gesetzte Stunde der Woche geht es nicht.
  EXPECT_FALSE(KursFeld::StundenAendern(*kurs, 0, false));
  EXPECT_EQ(kurs->fStunden.GetWochenStunde(2), 3);
  // Die andere Woche mit ihren drei Stunden bleibt dabei unberührt.
  s.fAktuelleWoche = 1;
  EXPECT_EQ(KursFeld::StundenBereich(*kurs), (TZahlBereich{3, 112, 1, 4}));
  EXPECT_FALSE(KursFeld::StundenAendern(*kurs, 2, false));
  EXPECT_TRUE(KursFeld::StundenAendern(*kurs, 3, false));
  EXPECT_EQ(kurs->fStunden.GetWochenStunde(1), 3);
}

TEST_F(KursFeldTest, StundenfeldInMehrwochenmodusTeiltDurchDieWochen) {
  ZweiWochen(3, false);
  EXPECT_EQ(KursFeld::StundenBereich(*kurs), (TZahlBereich{0, 224, 2, 6}));
  // 7 bei zwei Wochen: 3 Stunden je Woche.
  EXPECT_TRUE(KursFeld::StundenAendern(*kurs, 7, false));
  EXPECT_EQ(kurs->fStunden.GetWochenStunde(1), 3);
  EXPECT_EQ(kurs->fStunden.GetWochenStunde(2), 3);
  EXPECT_TRUE(KursFeld::StundenAendern(*kurs, 10, false));
  EXPECT_EQ(kurs->fStunden.GetWochenStunde(0), 10);
}

TEST_F(KursFeldTest, MinimumIstDieVollsteWocheMalWochenzahl) {
  ZweiWochen(3, false);
  kurs->NeueSetzung(1, 1, 1, nullptr);
  kurs->NeueSetzung(1, 2, 1, nullptr);
  kurs->NeueSetzung(1, 3, 1, nullptr);
  kurs->NeueSetzung(2, 1, 1, nullptr);
  schule.SetDirty(false);
  // Drei gesetzte Stunden in Woche 1: weniger als 3 je Woche darf es nicht werden, auch wenn
  // zusammen nur 4 Stunden gesetzt sind.
  EXPECT_EQ(KursFeld::StundenBereich(*kurs).Min, 6);
  EXPECT_FALSE(KursFeld::StundenAendern(*kurs, 5, false));
  EXPECT_EQ(kurs->fStunden.GetWochenStunde(1), 3);
  EXPECT_EQ(kurs->fStunden.GetWochenStunde(2), 3);
  EXPECT_FALSE(schule.fDirty);
  EXPECT_TRUE(env.dialog.fProtokoll.empty());  // keine Frage, die Setzungen bleiben
  EXPECT_EQ(kurs->fSetzungen.ListeZahlElemente(), 4);
}

TEST_F(KursFeldTest, AeltereDatenUnterDenSetzungenBleibenSichtbarUndDuerfenSteigen) {
  kurs->NeueSetzung(1, 1, 1, nullptr);
  kurs->NeueSetzung(1, 1, 2, nullptr);
  kurs->NeueSetzung(1, 1, 3, nullptr);
  kurs->fStunden.SetWochenStunde(1, 1);  // so aus einer Datei
  EXPECT_EQ(KursFeld::StundenBereich(*kurs), (TZahlBereich{1, 112, 1, 1}));
  EXPECT_TRUE(KursFeld::StundenAendern(*kurs, 2, false));
  EXPECT_FALSE(KursFeld::StundenAendern(*kurs, 1, false));
  EXPECT_EQ(kurs->fStunden.GetWochenStunde(1), 2);
}

TEST_F(KursFeldTest, NichtVerplanenErlaubtNegativeStundenUndSortiertNeu) {
  TKurs* zweiter = TKurs::IKurs(mue, k5a, nullptr, ma, nullptr, 2);
  ASSERT_EQ(schule.fKursMenge.ListeElemNr(kurs), 1);  // mehr Stunden zuerst
  EXPECT_TRUE(KursFeld::NvpAendern(*kurs, true, false));
  EXPECT_EQ(KursFeld::StundenBereich(*kurs).Min, -112);
  EXPECT_TRUE(KursFeld::StundenAendern(*kurs, -2, false));
  EXPECT_EQ(kurs->fStunden.GetWochenStunde(1), -2);
  EXPECT_TRUE(kurs->HatNegativeStunden());
  // Beim Löschen werden die negativen Stunden 0, und der Kurs steht wieder richtig in der Liste.
  kurs->BerechneReihe();
  EXPECT_TRUE(KursFeld::NvpAendern(*kurs, false, false));
  EXPECT_FALSE(kurs->fNichtVerplanen);
  EXPECT_EQ(kurs->fStunden.GetWochenStunde(1), 0);
  EXPECT_EQ(schule.fKursMenge.ListeElemNr(zweiter), 1);
  EXPECT_EQ(schule.fKursMenge.ListeElemNr(kurs), 2);
  EXPECT_EQ(schule.fKursMenge.ListeZahlElemente(), 2);
  // Ebenso bei Lehrer, Klasse, Fach und Raum, einmal.
  const std::vector<TKurs*> folge{zweiter, kurs};
  EXPECT_EQ(mue->fKurse.Kopie(), folge);
  EXPECT_EQ(k5a->fKurse.Kopie(), folge);
  EXPECT_EQ(ma->fKurse.Kopie(), folge);
  EXPECT_EQ(r101->fKurse.Kopie(), std::vector<TKurs*>{kurs});
  // Ein verplanbarer Kurs bekommt keine negativen Stunden.
  EXPECT_FALSE(KursFeld::StundenAendern(*kurs, -1, false));
  // Mit Setzungen lässt sich der Schalter nicht ändern.
  kurs->fStunden.SetWochenStunde(1, 2);
  kurs->NeueSetzung(1, 1, 1, nullptr);
  EXPECT_FALSE(KursFeld::NvpAenderbar(*kurs));
  EXPECT_FALSE(KursFeld::NvpAendern(*kurs, true, false));
  EXPECT_FALSE(kurs->fNichtVerplanen);
}

TEST_F(KursFeldTest, StdProTagLeitetDieEinzelstundenAb) {
  s.fMaxTageNeu = 5;
  kurs->fStunden.SetWochenStunde(0, 5);
  EXPECT_EQ(KursFeld::SpTAendern(*kurs, 2, false), 1);  // 5 Stunden, 2 je Tag
  EXPECT_EQ(kurs->fStdProTag, 2);
  kurs->fStunden.SetWochenStunde(0, 4);
  EXPECT_EQ(KursFeld::SpTAendern(*kurs, 1, false), 4);
  kurs->fStunden.SetWochenStunde(0, 6);
  EXPECT_EQ(KursFeld::SpTAendern(*kurs, 1, false), 5);  // höchstens ein Tag je Stunde
  EXPECT_EQ(KursFeld::SpTAendern(*kurs, 3, false), 0);
  // Ohne Stunden bleiben die Einzelstunden, wie sie sind.
  kurs->fEinzelStd = 2;
  kurs->fStunden.SetWochenStunde(0, 0);
  EXPECT_EQ(KursFeld::SpTAendern(*kurs, 2, false), 2);
  EXPECT_EQ(kurs->fStdProTag, 2);
  EXPECT_TRUE(schule.fDirty);
}

TEST_F(KursFeldTest, StdProTagRechnetImMehrwochenmodusJeWoche) {
  ZweiWochen(3, false);
  EXPECT_EQ(KursFeld::SpTAendern(*kurs, 2, false), 1);
  EXPECT_EQ(KursFeld::EinzelAusSpT(7, 3, 5), 1);
  EXPECT_EQ(KursFeld::EinzelAusSpT(7, 1, 6), 6);
  EXPECT_EQ(KursFeld::EinzelAusSpT(7, 0, 7), 7);  // ungültig: wie 1
}

TEST_F(KursFeldTest, FaktorEinzelTabelleUndZaehlschalter) {
  s.fNachKomma = 1;
  s.fVorKomma = 2;
  KursFeld::FaktorAendern(*kurs, 2, true);
  EXPECT_EQ(kurs->fFaktor, 2);
  EXPECT_EQ(kurs->WertText(-1), " 6.0");
  EXPECT_TRUE(schule.fDirty);
  EXPECT_GT(dep.fRefreshs, 0);
  const int refreshs = dep.fRefreshs;
  KursFeld::EinzelAendern(*kurs, 2, false);
  KursFeld::TabelleAendern(*kurs, 4, false);
  KursFeld::NzlAendern(*kurs, true, false);
  KursFeld::NzkAendern(*kurs, true, false);
  EXPECT_EQ(dep.fRefreshs, refreshs);  // unsichtbares Fenster: nichts neu zeichnen
  EXPECT_EQ(kurs->fEinzelStd, 2);
  EXPECT_EQ(kurs->fTabellenNr, 4);
  EXPECT_TRUE(kurs->fNichtZaehlenLe);
  EXPECT_TRUE(kurs->fNichtZaehlenKl);
  EXPECT_EQ(KursFeld::FaktorBereich(*kurs), (TZahlBereich{0, 10000, 1, 2}));
  kurs->fFaktor = 12000;  // aus einer Datei
  EXPECT_EQ(KursFeld::FaktorBereich(*kurs), (TZahlBereich{0, 12000, 1, 12000}));
}

TEST_F(KursFeldTest, InfoHoechstens31ZeichenInWindows1252) {
  EXPECT_TRUE(KursFeld::InfoZulaessig(""));
  EXPECT_TRUE(KursFeld::InfoZulaessig("Förderkurs – 5€ Kopiergeld"));
  EXPECT_TRUE(KursFeld::InfoZulaessig(std::string(31, 'x')));
  EXPECT_FALSE(KursFeld::InfoZulaessig(std::string(32, 'x')));
  // 31 Umlaute sind 62 Bytes UTF-8, aber 31 Zeichen.
  std::string umlaute;
  for (int i = 0; i < 31; ++i) umlaute += "ü";
  EXPECT_TRUE(KursFeld::InfoZulaessig(umlaute));
  EXPECT_FALSE(KursFeld::InfoZulaessig(umlaute + "ü"));
  EXPECT_FALSE(KursFeld::InfoZulaessig("Łódź"));  // nicht in Windows-1252
  EXPECT_FALSE(KursFeld::InfoZulaessig("a\tb"));
  EXPECT_FALSE(KursFeld::InfoZulaessig("\xC3"));  // kein gültiges UTF-8

  EXPECT_TRUE(KursFeld::InfoAendern(*kurs, "Übung", false));
  EXPECT_EQ(kurs->fInfo.str(),
            "\xDC"
            "bung");
  EXPECT_TRUE(schule.fDirty);
  schule.SetDirty(false);
  EXPECT_FALSE(KursFeld::InfoAendern(*kurs, "Ďábel", false));
  EXPECT_EQ(kurs->fInfo.str(),
            "\xDC"
            "bung");
  EXPECT_TRUE(KursFeld::InfoAendern(*kurs, "Übung", false));  // gleich: keine Änderung
  EXPECT_FALSE(schule.fDirty);
}

TEST_F(KursFeldTest, ElementeWaehlenOhneDoppelteUndNurUngesetzt) {
  EXPECT_FALSE(KursFeld::KlasseWaehlen(*kurs, k5a));  // schon dabei
  EXPECT_EQ(kurs->fKlassen.ListeZahlElemente(), 1);
  EXPECT_EQ(k5a->fKurse.ListeZahlElemente(), 1);
  EXPECT_TRUE(KursFeld::ElementWaehlen(*kurs, 1, k5b));
  EXPECT_EQ(KursFeld::KlassenZeilen(*kurs), (std::vector<std::string>{"5a", "5b"}));
  EXPECT_FALSE(KursFeld::RaumWaehlen(*kurs, r101));
  EXPECT_TRUE(KursFeld::ElementWaehlen(*kurs, 4, r102));
  EXPECT_EQ(KursFeld::RaumZeilen(*kurs), (std::vector<std::string>{"R101", "R102"}));
  EXPECT_FALSE(KursFeld::LehrerWaehlen(*kurs, mue));
  EXPECT_TRUE(KursFeld::ElementWaehlen(*kurs, 0, sch));
  EXPECT_EQ(kurs->fLehrer, sch);
  EXPECT_FALSE(mue->fKurse.ListeElemEnthalten(kurs));
  EXPECT_TRUE(KursFeld::ElementWaehlen(*kurs, 2, ko));
  EXPECT_EQ(kurs->fKopplung, ko);
  EXPECT_TRUE(schule.fDirty);
  // Die falsche Art wird nicht verwechselt.
  EXPECT_FALSE(KursFeld::ElementWaehlen(*kurs, 0, k5b));
  EXPECT_FALSE(KursFeld::ElementWaehlen(*kurs, 3, nullptr));

  // Gesetzt: Lehrer, Klassen und Kopplung bleiben, Fach und Räume dürfen sich ändern.
  kurs->NeueSetzung(1, 1, 1, r101);
  TKlasse* k5c = schule.HoleKlasse("5c");
  EXPECT_FALSE(KursFeld::LehrerWaehlen(*kurs, mue));
  EXPECT_FALSE(KursFeld::KlasseWaehlen(*kurs, k5c));
  EXPECT_FALSE(KursFeld::KopplungWaehlen(*kurs, schule.HoleKopplung("Q2")));
  EXPECT_EQ(kurs->fLehrer, sch);
  EXPECT_EQ(kurs->fKopplung, ko);
  EXPECT_EQ(kurs->fKlassen.ListeZahlElemente(), 2);
  EXPECT_TRUE(KursFeld::FachWaehlen(*kurs, de));
  EXPECT_EQ(kurs->fFach, de);
  EXPECT_TRUE(de->fKlassen.ListeElemEnthalten(k5b));
  EXPECT_TRUE(KursFeld::RaumWaehlen(*kurs, schule.HoleRaum("Aula")));
  EXPECT_EQ(kurs->fRaeume.ListeZahlElemente(), 3);
  EXPECT_TRUE(env.dialog.fProtokoll.empty());  // nichts wird gefragt
}

TEST_F(KursFeldTest, LoeschenMitDemWerkzeug) {
  kurs->KopplungErgaenzen(ko);
  kurs->RaumErgaenzen(r102, false);
  kurs->NeueSetzung(1, 1, 1, r101);
  EXPECT_FALSE(KursFeld::LehrerLoeschen(*kurs));
  EXPECT_FALSE(KursFeld::KopplungLoeschen(*kurs));
  EXPECT_FALSE(KursFeld::KlasseLoeschen(*kurs, k5a));
  EXPECT_FALSE(KursFeld::RaumLoeschen(*kurs, r101));  // dort liegt eine Stunde
  EXPECT_TRUE(KursFeld::RaumLoeschen(*kurs, r102));
  EXPECT_TRUE(KursFeld::FachLoeschen(*kurs));
  EXPECT_EQ(kurs->fFach, nullptr);
  EXPECT_FALSE(KursFeld::FachLoeschen(*kurs));
  EXPECT_EQ(KursFeld::RaumZeilen(*kurs), std::vector<std::string>{"R101"});
  EXPECT_TRUE(env.dialog.fProtokoll.empty());

  kurs->AlleSetzungenEntfernen();
  EXPECT_TRUE(KursFeld::LehrerLoeschen(*kurs));
  EXPECT_TRUE(KursFeld::KopplungLoeschen(*kurs));
  EXPECT_TRUE(KursFeld::KlasseLoeschen(*kurs, k5a));
  EXPECT_FALSE(KursFeld::KlasseLoeschen(*kurs, k5a));
  EXPECT_EQ(kurs->fLehrer, nullptr);
  EXPECT_EQ(kurs->fKopplung, nullptr);
  EXPECT_FALSE(mue->fKurse.ListeElemEnthalten(kurs));
  EXPECT_FALSE(k5a->fKurse.ListeElemEnthalten(kurs));
  EXPECT_EQ(KursFeld::KlassenZeilen(*kurs), std::vector<std::string>{""});
}

TEST_F(KursFeldTest, RaeumeTauschen) {
  TRaum* aula = schule.HoleRaum("Aula");
  kurs->RaumErgaenzen(r102, false);
  kurs->RaumErgaenzen(aula, false);
  schule.SetDirty(false);
  EXPECT_TRUE(KursFeld::RaeumeTauschen(*kurs, 1, 3));
  EXPECT_EQ(KursFeld::RaumZeilen(*kurs), (std::vector<std::string>{"Aula", "R102", "R101"}));
  EXPECT_TRUE(schule.fDirty);
  EXPECT_FALSE(KursFeld::RaeumeTauschen(*kurs, 0, 1));
  EXPECT_FALSE(KursFeld::RaeumeTauschen(*kurs, 2, 4));
  EXPECT_EQ(kurs->fRaeume.ListeZahlElemente(), 3);
}

TEST_F(KursFeldTest, NachbarKursImKreisUndNachDemVerlassenDerListe) {
  TKurs* a = kurs;
  TKurs* b = TKurs::IKurs(sch, k5a, nullptr, ma, nullptr, 2);
  TKurs* c = TKurs::IKurs(sch, k5b, nullptr, de, nullptr, 2);
  const std::vector<TKurs*> liste{a, b, c};
  EXPECT_EQ(KursFeld::NachbarKurs(liste, a, 1, 1), b);
  EXPECT_EQ(KursFeld::NachbarKurs(liste, c, 1, 3), a);
  EXPECT_EQ(KursFeld::NachbarKurs(liste, a, -1, 1), c);
  // b hat die Liste verlassen, stand an Position 2: nächster ist der Kurs, der nun dort steht.
  const std::vector<TKurs*> ohneB{a, c};
  EXPECT_EQ(KursFeld::NachbarKurs(ohneB, b, 1, 2), c);
  EXPECT_EQ(KursFeld::NachbarKurs(ohneB, b, -1, 2), a);
  EXPECT_EQ(KursFeld::NachbarKurs(ohneB, b, 1, 3), a);
  EXPECT_EQ(KursFeld::NachbarKurs(ohneB, b, -1, 0), c);
  EXPECT_EQ(KursFeld::NachbarKurs({}, a, 1, 1), nullptr);
}

}  // namespace

TEST_F(KursFeldTest, KuerzelKnopfBietetDieListeDesFachsOderDesLehrersSonstDiePalette) {
  auto liste = [this](int art) { return *KursFeld::KuerzelListe(*kurs, art); };
  ma->fLehrer.ListeLeeren();
  ma->fKlassen.ListeLeeren();
  mue->fFaecher.ListeLeeren();
  for (auto [art, kuerzel] : {std::pair{0, leh}, {1, kla}, {2, kop}, {3, fac}, {4, rau}}) {
    EXPECT_FALSE(liste(art).Eigene) << art;
    EXPECT_EQ(liste(art).Art, kuerzel) << art;
  }
  EXPECT_FALSE(KursFeld::KuerzelListe(*kurs, 5).has_value());
  ma->fLehrer.ListeAnhaengen(sch);
  ma->fKlassen.ListeAnhaengen(k5b);
  mue->fFaecher.ListeAnhaengen(de);
  EXPECT_TRUE(liste(0).Eigene);
  EXPECT_EQ(liste(0).Menue.size(), ma->LehrerPopupFuellen().size());
  EXPECT_TRUE(liste(1).Eigene);
  EXPECT_TRUE(liste(3).Eigene);
  EXPECT_FALSE(liste(2).Eigene);
  EXPECT_FALSE(liste(4).Eigene);
  // Ohne Fach oder Lehrer gilt wieder die Palette.
  kurs->FachErgaenzen(nullptr);
  kurs->LehrerErgaenzen(nullptr);
  EXPECT_FALSE(liste(0).Eigene);
  EXPECT_FALSE(liste(3).Eigene);
}
