// Die härteren Beispielschulen: was sie versprechen (Raster, Schülergruppen in Schienen,
// Zeitfenster, gesperrte Tage, zwei Lehrkräfte), immer dieselbe Datei, und die automatische
// Planung mit Nachbessern hält an ihnen alle Regeln.
#include <gtest/gtest.h>

#include <bit>
#include <map>
#include <set>

#include "PlanRegelPruefung.h"
#include "PlanungsPruefung.h"
#include "TestUmgebung.h"
#include "ZuWenigFachraeume.h"
#include "app/BeispielSchwerUnit.h"
#include "app/CliAufruf.h"
#include "model/KlassenUnit.h"
#include "model/KopplUnit.h"
#include "model/KursUnit.h"
#include "model/LehrerUnit.h"
#include "model/SchulUnit.h"
#include "persistence/SchulDateiHilfe.h"
#include "planning/AutomatUnit.h"
#include "settings/StandardUnit.h"

namespace {
class TStill : public TAutomatAnzeige {
 public:
  void Zaehler(int, int) override {}
  void Fortschritt(int, int) override {}
  void Zustand(TAutomatZustand) override {}
  void NachKurs() override {}
  void Piep() override {}
};

// Ein ganzer Tag gesperrt (Stunden 1..fPlnStd).
bool TagGesperrt(const TLehrer* l, int t) {
  for (int h = 1; h <= Standard().fPlnStd; ++h)
    if (!l->fSperrung.GetWocheTagStd(1, t, h)) return false;
  return true;
}
}  // namespace

TEST(BeispielSchwer, GymnasiumHatWasEsVerspricht) {
  TTestUmgebung u;
  TSchule& s = u.schule();
  ErzeugeGymnasium(s);
  EXPECT_EQ(u.standard.fPlnStd, 12);
  EXPECT_EQ(u.standard.fMaxTageNeu, 5);
  EXPECT_EQ(u.standard.fMaxWocheNeu, 1);
  int gruppen = 0, gesperrteTage = 0, fenster = 0, stunden = 0, soll = 0;
  for (const TKlasse* k : s.fKlassenMenge) gruppen += k->fKuerzel.str().size() == 4 ? 1 : 0;
  EXPECT_EQ(gruppen, 240);
  for (const TLehrer* l : s.fLehrerMenge) {
    soll += l->GetSoll(1);
    for (int t = 1; t <= 5; ++t) gesperrteTage += TagGesperrt(l, t) ? 1 : 0;
  }
  for (const TKurs* k : s.fKursMenge) {
    EXPECT_TRUE(k->fSetzungen.empty());
    stunden += k->fStunden.GetWochenStunde(1);
    fenster += k->fSperrung.GetWocheTagStd(1, 1, 1) ? 1 : 0;
  }
  EXPECT_GT(gesperrteTage, 5);
  EXPECT_GT(fenster, 20);  // Projektkurse und AGs nur in ihrem Zeitfenster
  EXPECT_GT(stunden, 1500);
  EXPECT_GE(stunden * 100, soll * 85);  // gut ausgelastet
  // In einer Schiene sitzt jede Schülergruppe in genau einem Kurs; keine Lehrkraft doppelt.
  for (const TKopplung* g : s.fKopplMenge) {
    std::map<const TKlasse*, int> zahl;
    std::set<const TLehrer*> lehrer;
    for (const TKurs* k : g->fKurse) {
      for (const TKlasse* kl : k->fKlassen) ++zahl[kl];
      EXPECT_TRUE(lehrer.insert(k->fLehrer).second) << g->fKuerzel.str();
    }
    for (const auto& [kl, n] : zahl) EXPECT_EQ(n, 1) << g->fKuerzel.str();
  }
}

TEST(BeispielSchwer, GrundschuleHatZweiLehrkraefteInVielenStunden) {
  TTestUmgebung u;
  TSchule& s = u.schule();
  ErzeugeGrundschule(s);
  EXPECT_EQ(u.standard.fPlnStd, 6);
  int doppelt = 0;
  for (const TKopplung* g : s.fKopplMenge) {
    std::set<const TKlasse*> klassen;
    int kurse = 0, weniger = 100;
    for (const TKurs* k : g->fKurse) {
      ++kurse;
      weniger = std::min(weniger, static_cast<int>(k->fStunden.GetWochenStunde(1)));
      for (const TKlasse* kl : k->fKlassen) klassen.insert(kl);
    }
    if (kurse == 2 && klassen.size() == 1) doppelt += weniger;
  }
  EXPECT_EQ(doppelt, 16 * 5);  // je Klasse 3 Stunden Deutsch und 2 Mathematik mit zwei Lehrkräften
}

TEST(BeispielSchwer, ImmerDieselbeDatei) {
  TTestOrdner ordner;
  for (const char* art : {"--gymnasium", "--grundschule"}) {
    ASSERT_EQ(Cli({"beispiel", ordner / "a.tmr", art}).Code, 0);
    ASSERT_EQ(Cli({"beispiel", ordner / "b.tmr", art}).Code, 0);
    EXPECT_EQ(DateiInhalt(ordner / "a.tmr"), DateiInhalt(ordner / "b.tmr")) << art;
  }
  EXPECT_EQ(Cli({"beispiel", ordner / "c.tmr", "--gymnasium", "--knapp"}).Code, 2);
}

// Das Raster steht nicht in der Datei: "beispiel" nennt es bei den beiden härteren Schulen, und
// "automatik" mit diesen Optionen rechnet in genau diesem Raster.
TEST(BeispielSchwer, BeispielNenntDasRasterFuerDieAutomatik) {
  TTestOrdner ordner;
  const TAufruf gym = Cli({"beispiel", ordner / "g.tmr", "--gymnasium"});
  ASSERT_EQ(gym.Code, 0) << gym.Fehler;
  EXPECT_EQ(gym.Aus, "Raster: 5 Tage, 12 Stunden (automatik mit --tage 5 --stunden 12)\n");
  const TAufruf gs = Cli({"beispiel", ordner / "s.tmr", "--grundschule"});
  ASSERT_EQ(gs.Code, 0) << gs.Fehler;
  EXPECT_EQ(gs.Aus, "Raster: 5 Tage, 6 Stunden (automatik mit --tage 5 --stunden 6)\n");
  // Die Beispielschule läuft im Raster der Einstellungen: keine Zeile.
  const TAufruf klein = Cli({"beispiel", ordner / "k.tmr"});
  ASSERT_EQ(klein.Code, 0);
  EXPECT_EQ(klein.Aus, "");
  // Erst schreiben, dann im genannten Raster planen.
  const TAufruf automatik = Cli({"automatik", ordner / "s.tmr", "--tage", "5", "--stunden", "6"});
  ASSERT_EQ(automatik.Code, 0) << automatik.Fehler;
  EXPECT_EQ(automatik.Aus.rfind("Raster: 5 Tage, 6 Stunden\n", 0), 0u) << automatik.Aus;
}

// Automatik und Nachbessern (mit Räumen und Einzelstunden, ein festes Arbeitsbudget) an beiden
// Schulen: alle Regeln und Invarianten halten. Das Gymnasium mit zu wenig Räumen für Kunst und
// Musik, damit die Ketten viel verschieben.
TEST(BeispielSchwer, PlanungHaeltAlleRegeln) {
  for (const bool gymnasium : {false, true}) {
    TTestUmgebung u;
    TSchule& s = u.schule();
    if (gymnasium)
      ASSERT_TRUE(ErzeugeGymnasiumMitZuWenigFachraeumen(s));
    else
      ErzeugeGrundschule(s);
    u.standard.fEineWoche = false;
    u.standard.fAuRaumUnwichtig = false;
    u.standard.fAuEinzelUnwichtig = gymnasium;
    std::vector<TKurs*> kurse;
    for (TKurs* k : s.fKursMenge) kurse.push_back(k);
    TStill still;
    TAutomat automat(still);
    automat.KurseSammeln(kurse);
    automat.Rechne();
    EXPECT_TRUE(PlanRegelnStimmen(s, kurse));
    int n = 0;
    for (TKurs* k : s.fKursMenge)
      for (TSetzung* z : k->fSetzungen)
        if (++n % 11 == 0) z->fFixiert = true;
    const TPlanungsAbzug vorher(s, kurse);
    TNachbessernGrenze grenze;
    grenze.sekunden = 0;
    grenze.schritte = 400;
    const TNachbessernErgebnis e = automat.Nachbessern(grenze);
    EXPECT_GE(e.nachher, e.vorher);
    EXPECT_TRUE(PlanRegelnStimmen(s, kurse)) << gymnasium;
    EXPECT_TRUE(PlanungUnversehrt(vorher, s)) << gymnasium;
  }
}
