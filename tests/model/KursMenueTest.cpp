// Die Eigenschaftsmenüs eines Kurses und ihre Handler.
#include <gtest/gtest.h>

#include "model/KursHilfe.h"

namespace {

std::vector<std::string> Texte(const TMenue& m) {
  std::vector<std::string> v;
  for (const auto& e : m) v.push_back(e.Text);
  return v;
}

std::vector<int> Haken(const TMenue& m) {
  std::vector<int> v;
  for (const auto& e : m)
    if (e.Haken) v.push_back(e.Wert);
  return v;
}

class KursMenueTest : public ::testing::Test {
 protected:
  TTestUmgebung env;
  TSchule& schule = env.schule();
  TStandard& s = env.standard;
  TLehrer* l = schule.HoleLehrer("L");
  TKurs* kurs = TKurs::IKurs(l, nullptr, nullptr, nullptr, nullptr, 3);
  TTestFenster dep{FensterArt::LehrerDeputat, "Deputat L"};

  void SetUp() override {
    l->fDepFenster = &dep;
    schule.SetDirty(false);
  }
  void TearDown() override { l->fDepFenster = nullptr; }

  void Waehle(TMenue& m, int wert) {
    for (auto& e : m)
      if (e.Wert == wert) {
        ASSERT_TRUE(e.Aktion);
        e.Aktion();
        return;
      }
    FAIL() << "kein Eintrag mit Wert " << wert;
  }
};

TEST_F(KursMenueTest, FaktorMenueBeschriftetMitGewichtetemWert) {
  TMenue m;
  kurs->ErzeugeFaktorMenu(m);
  ASSERT_EQ(m.size(), 11u);
  EXPECT_EQ(m[0].Text, " 0.0");
  EXPECT_EQ(m[2].Text, " 6.0");
  EXPECT_EQ(m[10].Text, "30.0");
  EXPECT_EQ(Haken(m), std::vector<int>{1});
  Waehle(m, 3);
  EXPECT_EQ(kurs->fFaktor, 3);
  EXPECT_TRUE(schule.fDirty);
  EXPECT_GT(dep.fRefreshs, 0);
}

TEST_F(KursMenueTest, GleicherWertAendertNichts) {
  TMenue m;
  kurs->ErzeugeFktMenu(m);
  EXPECT_EQ(Texte(m)[7], "7");
  Waehle(m, 1);
  EXPECT_FALSE(schule.fDirty);
  EXPECT_EQ(dep.fRefreshs, 0);
  Waehle(m, 0);
  EXPECT_EQ(kurs->fFaktor, 0);
  EXPECT_TRUE(schule.fDirty);
}

TEST_F(KursMenueTest, StundenMenueInMehrwochenmodus) {
  schule.VersionErweitern(2);
  s.fEineWoche = false;
  kurs->fStunden.SetWochenStunde(0, 3);
  TMenue m;
  kurs->ErzeugeStundenMenu(m);
  ASSERT_EQ(m.size(), 21u);
  EXPECT_EQ(m[1].Text, "2");
  EXPECT_EQ(m[20].Text, "40");
  EXPECT_EQ(Haken(m), std::vector<int>{3});
  Waehle(m, 2);
  EXPECT_EQ(kurs->fStunden.GetWochenStunde(1), 2);
  EXPECT_EQ(kurs->fStunden.GetWochenStunde(2), 2);
}

TEST_F(KursMenueTest, StundenUnterDieVerplantenFragtErst) {
  kurs->NeueSetzung(1, 1, 1, nullptr);
  kurs->NeueSetzung(1, 1, 2, nullptr);
  TMenue m;
  kurs->ErzeugeStundenMenu(m);
  Waehle(m, 2);  // nicht weniger als verplant: ohne Frage
  EXPECT_EQ(kurs->fStunden.GetWochenStunde(1), 2);
  EXPECT_TRUE(env.dialog.fProtokoll.empty());
  env.dialog.Antworte("Nein");
  Waehle(m, 1);
  EXPECT_EQ(env.dialog.fProtokoll.back().Titel, "Kurs ist verplant");
  EXPECT_EQ(kurs->fStunden.GetWochenStunde(1), 2);
  EXPECT_EQ(kurs->fSetzungen.ListeZahlElemente(), 2);
  env.dialog.Antworte("Ja");
  Waehle(m, 1);
  EXPECT_EQ(kurs->fStunden.GetWochenStunde(1), 1);
  EXPECT_TRUE(kurs->fSetzungen.empty());
}

TEST_F(KursMenueTest, StundenImMehrwochenmodusPruefenJedeWoche) {
  schule.VersionErweitern(2);
  s.fEineWoche = false;
  kurs->fStunden.SetWochenStunde(0, 3);
  kurs->NeueSetzung(2, 1, 1, nullptr);
  kurs->NeueSetzung(2, 1, 2, nullptr);
  TMenue m;
  kurs->ErzeugeStundenMenu(m);
  env.dialog.Antworte("Nein");
  Waehle(m, 1);  // Woche 2 hat 2 verplante Stunden
  EXPECT_EQ(kurs->fStunden.GetWochenStunde(0), 6);
}

TEST_F(KursMenueTest, StdProTagMenueUndEinzelstunden) {
  s.fMaxTageNeu = 5;
  TMenue leer;
  kurs->fStunden.SetWochenStunde(0, 0);
  kurs->ErzeugeSpTMenu(leer);
  EXPECT_TRUE(leer.empty());

  kurs->fStunden.SetWochenStunde(0, 4);
  kurs->fStdProTag = 2;
  TMenue m;
  kurs->ErzeugeSpTMenu(m);
  EXPECT_EQ(Texte(m), (std::vector<std::string>{"1", "2", "3", "4"}));
  EXPECT_EQ(Haken(m), std::vector<int>{2});
  kurs->PopSpT(1);
  EXPECT_EQ(kurs->fEinzelStd, 4);
  kurs->fStunden.SetWochenStunde(0, 6);
  kurs->PopSpT(2);
  kurs->PopSpT(1);
  EXPECT_EQ(kurs->fEinzelStd, 5);  // auf die Zahl der Tage begrenzt
  kurs->fStunden.SetWochenStunde(0, 5);
  kurs->PopSpT(2);
  EXPECT_EQ(kurs->fEinzelStd, 1);
  kurs->PopSpT(3);
  EXPECT_EQ(kurs->fEinzelStd, 2);
}

TEST_F(KursMenueTest, StdProTagTeiltImMehrwochenmodusDurchDieWochen) {
  schule.VersionErweitern(2);
  s.fEineWoche = false;
  kurs->fStunden.SetWochenStunde(0, 5);  // Summe 10
  kurs->PopSpT(2);
  EXPECT_EQ(kurs->fStdProTag, 2);
  EXPECT_EQ(kurs->fEinzelStd, 1);
}

TEST_F(KursMenueTest, EinzelMenueBisZurTagesZahlUndHoechstensDieStunden) {
  s.fMaxTageNeu = 5;
  TMenue m;
  kurs->ErzeugeEinzelMenu(m);  // 3 Stunden
  EXPECT_EQ(Texte(m), (std::vector<std::string>{"0", "1", "2", "3"}));
  EXPECT_EQ(Haken(m), std::vector<int>{3});
  kurs->fStunden.SetWochenStunde(0, 8);
  TMenue m2;
  kurs->ErzeugeEinzelMenu(m2);
  EXPECT_EQ(m2.size(), 6u);
  Waehle(m2, 5);
  EXPECT_EQ(kurs->fEinzelStd, 5);
}

TEST_F(KursMenueTest, TabellenMenue) {
  TMenue m;
  kurs->ErzeugeTabMenu(m);
  EXPECT_EQ(Texte(m), (std::vector<std::string>{"1", "2", "3", "4"}));
  EXPECT_EQ(Haken(m), std::vector<int>{1});
  Waehle(m, 4);
  EXPECT_EQ(kurs->fTabellenNr, 4);
}

TEST_F(KursMenueTest, KlassenMenueMitInfoNurOhneWerkzeug) {
  TKlasse* k = schule.HoleKlasse("5a");
  k->SetInfo("Gr\xFCn");  // Grün
  kurs->KlasseErgaenzen(k);
  TMenue m;
  kurs->ErzeugeKlassenMenu(m, true);
  ASSERT_EQ(m.size(), 1u);
  EXPECT_EQ(m[0].Text, "5a [Grün]");
  EXPECT_EQ(m[0].Objekt, k);
  EXPECT_FALSE(m[0].Aktion);
  schule.fToolArt = TToolArt::SetzTool;
  TMenue m2;
  kurs->ErzeugeKlassenMenu(m2, true);
  EXPECT_EQ(m2[0].Text, "5a");
  EXPECT_FALSE(m2[0].Aktion);
}

TEST_F(KursMenueTest, KopplungsMenueUndKursMenue) {
  TKopplung* ko = schule.HoleKopplung("K");
  TKurs* zweiter = TKurs::IKurs(nullptr, nullptr, nullptr, nullptr, nullptr, 2);
  TMenue allein;
  kurs->ErzeugeKopplungsMenu(allein, false, 1, 1, 1);
  ASSERT_EQ(allein.size(), 1u);
  EXPECT_EQ(allein[0].Text, " 3.0 (3) L");
  EXPECT_EQ(allein[0].Objekt, kurs);
  kurs->KopplungErgaenzen(ko);
  zweiter->KopplungErgaenzen(ko);
  zweiter->fInfo = "x";
  TMenue m;
  kurs->ErzeugeKopplungsMenu(m, true, 1, 1, 1);
  ASSERT_EQ(m.size(), 2u);
  EXPECT_EQ(m[0].Objekt, ko->fKurse[0]);
  EXPECT_EQ(m[1].Objekt, ko->fKurse[1]);
  EXPECT_EQ(zweiter->Zeile(1, 1, 1, true, leh), " 2.0 (2) K [x]");

  schule.VersionErweitern(2);
  s.fEineWoche = false;
  kurs->fStunden.SetWochenStunde(0, 3);
  TMenue km;
  kurs->ErzeugeKursMenu(km, false);  // ganzer Zyklus
  ASSERT_EQ(km.size(), 2u);
  EXPECT_EQ(km[0].Text, U8(static_cast<TKurs*>(km[0].Objekt)->Zeile(0, 0, 0, false, leh)));
  EXPECT_EQ(kurs->Zeile(0, 0, 0, false, leh), " 6.0 (6) L K");
}

TEST_F(KursMenueTest, KopplMenueDerKopplung) {
  TKopplung* ko = schule.HoleKopplung("K");
  kurs->KopplungErgaenzen(ko);
  kurs->fNichtZaehlenLe = true;  // zählt für die Kopplung trotzdem
  TMenue m;
  ko->ErzeugeKopplMenu(m, false);
  ASSERT_EQ(m.size(), 1u);
  EXPECT_EQ(m[0].Text, " 3.0 (3) L K");
  EXPECT_EQ(m[0].Objekt, kurs);
}

}  // namespace
