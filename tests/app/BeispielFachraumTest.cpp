// Die Beispielschulen sind lösbar, was ihre Räume angeht: die Stunden der Kurse, die nur in
// bestimmte Räume dürfen, passen in die freien Zellen dieser Räume.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "TestUmgebung.h"
#include "app/BeispielSchuleUnit.h"
#include "app/BeispielSchwerUnit.h"
#include "model/KursUnit.h"
#include "model/RaumUnit.h"
#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"

namespace {

struct TRaumGruppe {
  std::string raeume;  // die Kürzel, mit Leerzeichen
  int woche = 0;
  int bedarf = 0;  // Stunden der Kurse, deren Räume alle in der Gruppe liegen
  int zellen = 0;  // nicht gesperrte Zellen des Rasters in den Räumen der Gruppe
};

std::set<const TRaum*> Raeume(const TKurs* k) {
  std::set<const TRaum*> r;
  for (const TRaum* raum : k->fRaeume)
    if (raum) r.insert(raum);
  return r;
}

// Je Woche und je Raumliste eines Kurses: Bedarf aller Kurse, die nur Räume dieser Liste haben,
// und die freien Zellen dieser Räume. Jede Stunde eines Kurses mit Räumen braucht einen eigenen
// Raum aus seiner Liste; mehr Bedarf als Zellen lässt sich also nie ganz setzen.
std::vector<TRaumGruppe> RaumGruppen(const TSchule& s) {
  const TStandard& st = Standard();
  std::vector<TRaumGruppe> ergebnis;
  std::set<std::set<const TRaum*>> listen;
  for (const TKurs* k : s.fKursMenge)
    if (!k->fNichtVerplanen && !Raeume(k).empty()) listen.insert(Raeume(k));
  for (int w = 1; w <= st.fMaxWocheNeu; ++w)
    for (const std::set<const TRaum*>& liste : listen) {
      TRaumGruppe g;
      g.woche = w;
      std::set<std::string> namen;
      for (const TRaum* r : liste) {
        namen.insert(U8(r->fKuerzel.str()));
        for (int t = 1; t <= st.fMaxTageNeu; ++t)
          for (int h = 1; h <= st.fPlnStd; ++h)
            if (!r->fSperrung.GetWocheTagStd(w, t, h)) ++g.zellen;
      }
      for (const std::string& n : namen) g.raeume += (g.raeume.empty() ? "" : " ") + n;
      for (const TKurs* k : s.fKursMenge) {
        if (k->fNichtVerplanen) continue;
        const std::set<const TRaum*> eigene = Raeume(k);
        if (!eigene.empty() &&
            std::includes(liste.begin(), liste.end(), eigene.begin(), eigene.end()))
          g.bedarf += k->fStunden.GetWochenStunde(w);
      }
      ergebnis.push_back(g);
    }
  return ergebnis;
}

// Prüft jede Raumgruppe der Schule: Bedarf höchstens Zellen × anteil / 100.
void RaeumeReichen(const std::function<void(TSchule&)>& erzeuge, const char* schule,
                   int anteil = 100) {
  TTestUmgebung u;
  erzeuge(u.schule());
  const std::vector<TRaumGruppe> gruppen = RaumGruppen(u.schule());
  EXPECT_FALSE(gruppen.empty()) << schule;
  for (const TRaumGruppe& g : gruppen)
    EXPECT_LE(g.bedarf * 100, g.zellen * anteil)
        << schule << ", Woche " << g.woche << ", Räume " << g.raeume << ": " << g.bedarf
        << " Stunden in " << g.zellen << " Zellen";
}

}  // namespace

TEST(BeispielFachraum, JedeRaumgruppeHatGenugZellen) {
  RaeumeReichen([](TSchule& s) { ErzeugeBeispielSchule(s, false); }, "klein");
  RaeumeReichen([](TSchule& s) { ErzeugeBeispielSchule(s, true); }, "groß");
  RaeumeReichen([](TSchule& s) { ErzeugeBeispielSchule(s, true, true); }, "knapp");
  RaeumeReichen(ErzeugeGymnasium, "Gymnasium");
  RaeumeReichen(ErzeugeGrundschule, "Grundschule");
}

// Die beiden härteren Schulen lassen Reserve in den Fachräumen und Hallen: die Planung soll an
// Lehrkräften, Klassen und Schienen scheitern können, nicht an der Zahl der Räume.
TEST(BeispielFachraum, HaertereSchulenLassenReserve) {
  RaeumeReichen(ErzeugeGymnasium, "Gymnasium", 85);
  RaeumeReichen(ErzeugeGrundschule, "Grundschule", 85);
}

// Die Prüfung selbst: zwei Kurse, die nur in einen Raum dürfen, mit mehr Stunden als Zellen.
TEST(BeispielFachraum, ZuVieleStundenFuerEinenRaumFallenAuf) {
  TTestUmgebung u;
  TSchule& s = u.schule();
  u.standard.fMaxTageNeu = 5;
  u.standard.fPlnStd = 6;
  TRaum* mu = s.HoleRaum("Mu");
  TRaum* r = s.HoleRaum("R1");
  TKurs* a = TKurs::IKurs(s.HoleLehrer("A"), s.HoleKlasse("1a"), nullptr, s.HoleFach("Mu"), mu, 16);
  TKurs* b = TKurs::IKurs(s.HoleLehrer("B"), s.HoleKlasse("1b"), nullptr, s.HoleFach("Mu"), mu, 14);
  a->fStunden.SetWochenStunde(0, 16);
  b->fStunden.SetWochenStunde(0, 14);
  std::vector<TRaumGruppe> g = RaumGruppen(s);
  ASSERT_EQ(g.size(), 1u);
  EXPECT_EQ(g[0].raeume, "Mu");
  EXPECT_EQ(g[0].bedarf, 30);
  EXPECT_EQ(g[0].zellen, 30);
  // Eine gesperrte Zelle des Raums fehlt; ein Kurs, der auch in R1 darf, zählt nicht zu Mu.
  mu->fSperrung.SetWocheTagStd(0, 5, 6, true);
  b->RaumErgaenzen(r, false);
  g = RaumGruppen(s);
  ASSERT_EQ(g.size(), 2u);
  for (const TRaumGruppe& x : g)
    if (x.raeume == "Mu") {
      EXPECT_EQ(x.bedarf, 16);
      EXPECT_EQ(x.zellen, 29);
    } else {
      EXPECT_EQ(x.raeume, "Mu R1");
      EXPECT_EQ(x.bedarf, 30);
      EXPECT_EQ(x.zellen, 59);
    }
  // Nicht zu verplanende Kurse brauchen keinen Raum.
  b->fNichtVerplanen = true;
  a->fStunden.SetWochenStunde(0, 30);
  g = RaumGruppen(s);
  ASSERT_EQ(g.size(), 1u);
  EXPECT_EQ(g[0].bedarf, 30);
  EXPECT_GT(g[0].bedarf, g[0].zellen);
}
