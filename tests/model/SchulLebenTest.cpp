// Sichern, die Frage "Daten sichern?" beim Schließen und die Erinnerung ans Sichern.
#include <gtest/gtest.h>

#include "model/KursHilfe.h"
#include "model/SchulLebenUnit.h"

namespace {

// Zeichnet auf, was gesichert werden sollte; Erfolg nach Vorgabe.
class TTestSpeicherung : public TSchulSpeicherung {
 public:
  bool Schreiben(const str255& dateiName) override {
    fProtokoll.push_back("Schreiben " + dateiName.str());
    if (fGelingt && SchuleVorhanden()) Schule().SetDirty(false);
    return fGelingt;
  }
  bool SichernUnter() override {
    fProtokoll.push_back("Sichern unter");
    if (fGelingt && SchuleVorhanden()) Schule().SetDirty(false);
    return fGelingt;
  }
  std::vector<std::string> fProtokoll;
  bool fGelingt = true;
};

class SchulLebenTest : public ::testing::Test {
 protected:
  TTestUmgebung env;
  TSchule& schule = env.schule();
  TTestSpeicherung speicherung;

  void Geaendert() { schule.HoleLehrer("L"); }
  void PruefeFrage(const TFakeDialog::Eintrag& e) {
    EXPECT_EQ(e.Titel, "Daten sichern?");
    EXPECT_EQ(e.Zeilen, std::vector<std::string>{"Sollen Ihre Daten gesichert werden?"});
    EXPECT_EQ(e.Knoepfe, (std::vector<std::string>{"Ja", "Mit einem anderem Namen", "Nein"}));
  }
};

TEST_F(SchulLebenTest, OhneTitelInBeidenSchreibweisen) {
  EXPECT_TRUE(IstOhneTitel("ohne Titel"));
  EXPECT_TRUE(IstOhneTitel("Ohne Titel"));
  EXPECT_FALSE(IstOhneTitel("OHNE TITEL"));
  EXPECT_FALSE(IstOhneTitel("ohne Titel.tmr"));
}

TEST_F(SchulLebenTest, SichernOhneTitelFragtNachDemNamen) {
  EXPECT_TRUE(SchuleSichern(schule, speicherung));  // "Ohne Titel" nach dem Anlegen
  schule.fDateiName = "ohne Titel";                 // nach "Neu"
  EXPECT_TRUE(SchuleSichern(schule, speicherung));
  schule.fDateiName = "Gymnasium.tmr";
  EXPECT_TRUE(SchuleSichern(schule, speicherung));
  EXPECT_EQ(speicherung.fProtokoll, (std::vector<std::string>{"Sichern unter", "Sichern unter",
                                                              "Schreiben Gymnasium.tmr"}));
}

TEST_F(SchulLebenTest, UnveraendertFragtNicht) {
  EXPECT_TRUE(DatenSichernFragen(schule, speicherung, false));
  EXPECT_TRUE(env.dialog.fProtokoll.empty());
  EXPECT_TRUE(speicherung.fProtokoll.empty());
}

TEST_F(SchulLebenTest, JaSichertUnterDemBisherigenNamen) {
  schule.fDateiName = "a.tmr";
  Geaendert();
  env.dialog.Antworte("Ja");
  EXPECT_TRUE(DatenSichernFragen(schule, speicherung, false));
  ASSERT_EQ(env.dialog.fProtokoll.size(), 1u);
  PruefeFrage(env.dialog.fProtokoll[0]);
  EXPECT_EQ(speicherung.fProtokoll, std::vector<std::string>{"Schreiben a.tmr"});
  EXPECT_FALSE(schule.fDirty);
}

TEST_F(SchulLebenTest, MitAnderemNamenSichertUnter) {
  schule.fDateiName = "a.tmr";
  Geaendert();
  env.dialog.Antworte("Mit einem anderem Namen");
  EXPECT_TRUE(DatenSichernFragen(schule, speicherung, false));
  EXPECT_EQ(speicherung.fProtokoll, std::vector<std::string>{"Sichern unter"});
}

TEST_F(SchulLebenTest, NeinVerwirftNurAufAusdruecklichenWunsch) {
  Geaendert();
  env.dialog.Antworte("Nein");
  EXPECT_TRUE(DatenSichernFragen(schule, speicherung, false));
  EXPECT_TRUE(schule.fDirty);  // nur die Frage geschlossen
  env.dialog.Antworte("Nein");
  EXPECT_TRUE(DatenSichernFragen(schule, speicherung, true));
  EXPECT_FALSE(schule.fDirty);
  EXPECT_TRUE(speicherung.fProtokoll.empty());
}

TEST_F(SchulLebenTest, AbgebrochenesSichernVerhindertDasSchliessen) {
  Geaendert();
  TTestFenster plan(FensterArt::LehrerPlan, "Plan L");
  schule.FensterAnmelden(&plan);
  speicherung.fGelingt = false;
  env.dialog.Antworte("Ja");
  EXPECT_FALSE(SchuleSchliessen(schule, speicherung, true));
  EXPECT_EQ(plan.fGeschlossen, 0);
  EXPECT_TRUE(schule.fDirty);
  env.dialog.Antworte("Mit einem anderem Namen");
  EXPECT_FALSE(SchuleSchliessen(schule, speicherung, true));
  EXPECT_EQ(plan.fGeschlossen, 0);
  env.dialog.Antworte("Nein");
  EXPECT_TRUE(SchuleSchliessen(schule, speicherung, true));
  EXPECT_EQ(plan.fGeschlossen, 1);
  EXPECT_TRUE(schule.fFensterListe.empty());
}

TEST_F(SchulLebenTest, GelungenesSichernSchliesst) {
  Geaendert();
  schule.fDateiName = "b.tmr";
  env.dialog.Antworte("Ja");
  EXPECT_TRUE(SchuleSchliessen(schule, speicherung, false));
  EXPECT_EQ(speicherung.fProtokoll, std::vector<std::string>{"Schreiben b.tmr"});
}

class ErinnerungTest : public SchulLebenTest {
 protected:
  TSpeicherErinnerung erinnerung;
  static constexpr double kMinute = 1.0 / (24 * 60);
  void SetUp() override {
    env.standard.fSpeicherZeit = 10;
    env.standard.fSaveZeit = env.uhr.fJetzt;
  }
};

TEST_F(ErinnerungTest, AusgeschaltetOderZuFruehGeschiehtNichts) {
  Geaendert();
  env.uhr.fJetzt += 9 * kMinute;
  erinnerung.Leerlauf(schule, speicherung);
  EXPECT_TRUE(env.dialog.fProtokoll.empty());
  env.standard.fSpeicherZeit = 0;
  env.uhr.fJetzt += 60 * kMinute;
  erinnerung.Leerlauf(schule, speicherung);
  EXPECT_TRUE(env.dialog.fProtokoll.empty());
}

TEST_F(ErinnerungTest, NachDerZeitFragtSieUndNeinSchliesstNurDieFrage) {
  Geaendert();
  env.uhr.fJetzt += 11 * kMinute;
  env.dialog.Antworte("Nein");
  erinnerung.Leerlauf(schule, speicherung);
  ASSERT_EQ(env.dialog.fProtokoll.size(), 1u);
  PruefeFrage(env.dialog.fProtokoll[0]);
  EXPECT_TRUE(schule.fDirty);
  EXPECT_EQ(env.standard.fSaveZeit, env.uhr.fJetzt);
  EXPECT_FALSE(erinnerung.Zeigt());
  erinnerung.Leerlauf(schule, speicherung);  // die Zeit läuft neu
  EXPECT_EQ(env.dialog.fProtokoll.size(), 1u);
}

TEST_F(ErinnerungTest, UnveraenderteSchuleSetztNurDieZeitZurueck) {
  env.uhr.fJetzt += 11 * kMinute;
  erinnerung.Leerlauf(schule, speicherung);
  EXPECT_TRUE(env.dialog.fProtokoll.empty());
  EXPECT_EQ(env.standard.fSaveZeit, env.uhr.fJetzt);
}

TEST_F(ErinnerungTest, JaSichert) {
  Geaendert();
  schule.fDateiName = "c.tmr";
  env.uhr.fJetzt += 11 * kMinute;
  env.dialog.Antworte("Ja");
  erinnerung.Leerlauf(schule, speicherung);
  EXPECT_EQ(speicherung.fProtokoll, std::vector<std::string>{"Schreiben c.tmr"});
  EXPECT_FALSE(schule.fDirty);
}

// Während die Frage steht, läuft der Leerlauf weiter; die Erinnerung fragt kein zweites Mal.
class TVerschachtelt : public TSchulSpeicherung {
 public:
  TVerschachtelt(TSpeicherErinnerung& e, TTestUmgebung& env) : fE(e), fEnv(env) {}
  bool Schreiben(const str255&) override {
    fZeigte = fE.Zeigt();
    fEnv.uhr.fJetzt += 1.0;
    fE.Leerlauf(fEnv.schule(), *this);
    return true;
  }
  bool SichernUnter() override { return Schreiben("x"); }
  TSpeicherErinnerung& fE;
  TTestUmgebung& fEnv;
  bool fZeigte = false;
};

TEST_F(ErinnerungTest, KeineZweiteFrageWaehrendDieErsteSteht) {
  Geaendert();
  schule.fDateiName = "d.tmr";
  TVerschachtelt verschachtelt(erinnerung, env);
  env.uhr.fJetzt += 11 * kMinute;
  env.dialog.Antworte("Ja");
  erinnerung.Leerlauf(schule, verschachtelt);
  EXPECT_TRUE(verschachtelt.fZeigte);
  EXPECT_EQ(env.dialog.fProtokoll.size(), 1u);
}

}  // namespace
