// Die Schule des Programms: einsetzen, "Neu", schließen mit und ohne Sichern, zurückgeben.
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "TestUmgebung.h"
#include "model/SchulLebenUnit.h"
#include "model/SchulUnit.h"
#include "persistence/WriteUnit.h"
#include "persistence/SchulHalterUnit.h"
#include "settings/StandardUnit.h"
#include "settings/VoreinstellungUnit.h"
#include "ui/FreigabeUnit.h"

namespace {
std::vector<std::uint8_t> DateiBytes(const std::string& pfad) {
  std::ifstream ein(pfad, std::ios::binary);
  return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
}

class TSpeicherung : public TSchulSpeicherung {
 public:
  bool Schreiben(const str255& name) override {
    fAufrufe.push_back("Schreiben " + name.str());
    return fGelingt;
  }
  bool SichernUnter() override {
    fAufrufe.push_back("Sichern unter");
    if (fGelingt) Schule().SetDirty(false);
    return fGelingt;
  }
  std::vector<std::string> fAufrufe;
  bool fGelingt = true;
};
}  // namespace

TEST(SchulHalter, SetztEinUndGibtZurueck) {
  TTestUmgebung u;
  TSchule* vorher = &Schule();
  {
    TSchulHalter h;
    EXPECT_EQ(&Schule(), &h.Schule());
    EXPECT_NE(&Schule(), vorher);
    EXPECT_FALSE(h.Offen());
    EXPECT_EQ(h.Titel(), "WinTamrel 3.9.16");
    h.Neu();
    EXPECT_TRUE(h.Offen());
    EXPECT_EQ(h.Schule().fDateiName.str(), "ohne Titel");
    EXPECT_EQ(h.Titel(), "WinTamrel 3.9.16 [ohne Titel]");
  }
  EXPECT_EQ(&Schule(), vorher);
}

TEST(SchulHalter, SchliessenFragtUndErsetztDieSchule) {
  TTestUmgebung u;
  TSchulHalter h;
  TSpeicherung sp;
  h.Neu();
  Schule().HoleLehrer("MUE");
  TSchule* alt = &Schule();
  // "Mit einem anderem Namen", aber der Dialog wird abgebrochen: alles bleibt.
  sp.fGelingt = false;
  u.dialog.Antworte("Mit einem anderem Namen");
  EXPECT_FALSE(h.Schliessen(sp, false));
  EXPECT_TRUE(h.Offen());
  EXPECT_EQ(&Schule(), alt);
  EXPECT_EQ(Schule().fLehrerMenge.size(), 1u);
  // "Ja" bei "ohne Titel": wie "Sichern unter...".
  sp.fGelingt = true;
  u.dialog.Antworte("Ja");
  EXPECT_TRUE(h.Schliessen(sp, false));
  EXPECT_EQ(sp.fAufrufe, (std::vector<std::string>{"Sichern unter", "Sichern unter"}));
  EXPECT_FALSE(h.Offen());
  EXPECT_TRUE(Schule().fLehrerMenge.empty());
  EXPECT_FALSE(Schule().fDirty);
  EXPECT_FALSE(u.fenster.fSichernFrei);
  // Nicht geändert: keine Frage.
  h.Neu();
  EXPECT_TRUE(h.Schliessen(sp, false));
  EXPECT_EQ(u.dialog.fProtokoll.size(), 2u);
}

TEST(SchulHalter, OeffnenBehaeltNurEineGanzGeleseneSchule) {
  TTestUmgebung u;
  const std::string gut =
      ::testing::TempDir() + "halter_gut_" + std::to_string(::getpid()) + ".tmr";
  const std::string kaputt =
      ::testing::TempDir() + "halter_kaputt_" + std::to_string(::getpid()) + ".tmr";
  TSchulHalter h;
  h.Schule().HoleLehrer("MUE");
  std::string fehler;
  ASSERT_TRUE(WriteSchule(gut, h.Schule(), fehler)) << fehler;
  {
    std::vector<std::uint8_t> bytes = DateiBytes(gut);
    bytes.resize(bytes.size() / 2);  // mitten im Kürzelteil abgeschnitten
    std::ofstream aus(kaputt, std::ios::binary);
    aus.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
  }
  h.Verwerfen();
  ASSERT_TRUE(h.Oeffnen(gut, fehler)) << fehler;
  EXPECT_TRUE(h.Offen());
  EXPECT_EQ(&Schule(), &h.Schule());
  EXPECT_EQ(Schule().fLehrerMenge.size(), 1u);
  // Misslingt das Lesen, bleibt weder die alte noch eine halb gelesene Schule, sondern eine leere.
  EXPECT_FALSE(h.Oeffnen(kaputt, fehler));
  EXPECT_NE(fehler.find("halter_kaputt_"), std::string::npos) << fehler;
  EXPECT_FALSE(h.Offen());
  EXPECT_TRUE(Schule().fLehrerMenge.empty());
  EXPECT_FALSE(Schule().fDirty);
  std::remove(gut.c_str());
  std::remove(kaputt.c_str());
}

TEST(SchulHalter, Titelzeile) {
  EXPECT_EQ(ProgrammTitelZeile(false, "Plan.tmr"), "WinTamrel 3.9.16");
  EXPECT_EQ(ProgrammTitelZeile(true, "ohne Titel"), "WinTamrel 3.9.16 [ohne Titel]");
  EXPECT_EQ(ProgrammTitelZeile(true, "Sch\xFCler.tmr"), "WinTamrel 3.9.16 [Schüler.tmr]");
}

// Ohne offene Schule berührt eine neue Versionszahl (Eckdaten) nur die leere Platzhalter-Schule:
// "Sichern" bleibt aus, Schließen und Beenden fragen nicht und schreiben keine leere Schuldatei.
TEST(SchulHalter, OhneOffeneSchuleWirdNieGefragtOderGesichert) {
  TTestUmgebung u;
  TSchulHalter h;
  TSpeicherung sp;
  TEckWerte w = EckWerteAusStandard();
  w.MaxWoche = 2;
  EckdatenUebernehmen(w);
  EXPECT_EQ(Standard().fMaxWocheNeu, 2);
  EXPECT_FALSE(SchulFreigabe(h.Offen()).Sichern);
  EXPECT_TRUE(h.Schliessen(sp, true));
  EXPECT_TRUE(sp.fAufrufe.empty());
  EXPECT_TRUE(u.dialog.fProtokoll.empty());
  // Danach geöffnet und geändert: wie immer gefragt.
  h.Neu();
  w.MaxWoche = 3;
  EckdatenUebernehmen(w);
  EXPECT_TRUE(SchulFreigabe(h.Offen()).Sichern);
  u.dialog.Antworte("Nein");
  EXPECT_TRUE(h.Schliessen(sp, true));
  EXPECT_EQ(u.dialog.fProtokoll.size(), 1u);
}
