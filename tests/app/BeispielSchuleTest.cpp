// Die Beispielschule: realistisch, ohne Konflikte, gleich bei jedem Lauf, verlustfrei in der Datei.
#include <gtest/gtest.h>

#include <bit>
#include <map>
#include <set>
#include <tuple>

#include "TestUmgebung.h"
#include "app/BeispielSchuleUnit.h"
#include "model/SchulUnit.h"
#include "persistence/ReadUnit.h"
#include "persistence/WriteUnit.h"
#include "settings/StandardUnit.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

template <class T>
std::set<std::string> Kuerzel(const TEigenListe<T>& liste) {
  std::set<std::string> s;
  for (const T* e : liste) s.insert(U8(e->fKuerzel.str()));
  return s;
}

int Setzungen(const TSchule& s) {
  int n = 0;
  for (const TKurs* k : s.fKursMenge) n += static_cast<int>(k->fSetzungen.size());
  return n;
}

// Prüft, dass der Plan keinen Konflikt hat: je Zelle jeder Lehrer und jeder Raum höchstens
// einmal, jede Klasse nur in einem Kurs oder in Kursen einer Kopplung; keine Setzung in einer
// gesperrten Zelle; die Belegungen stimmen genau mit den Setzungen überein.
void OhneKonflikte(const TSchule& s) {
  struct TZelle {
    std::map<const TLehrer*, int> Lehrer;
    std::map<const TRaum*, int> Raeume;
    std::map<const TKlasse*, std::set<const void*>> Klassen;  // Kopplung oder Kurs
  };
  std::map<std::tuple<int, int, int>, TZelle> zellen;
  for (const TKurs* k : s.fKursMenge)
    for (const TSetzung* p : k->fSetzungen) {
      const int w = p->fWoche, t = p->fTag, h = p->fStunde;
      TZelle& z = zellen[{w, t, h}];
      ASSERT_TRUE(k->fLehrer);
      ++z.Lehrer[k->fLehrer];
      ASSERT_TRUE(p->fRaum) << "Setzung ohne Raum";
      ++z.Raeume[p->fRaum];
      const void* gruppe = k->fKopplung ? static_cast<const void*>(k->fKopplung) : k;
      for (const TKlasse* kl : k->fKlassen) z.Klassen[kl].insert(gruppe);
      EXPECT_FALSE(k->fLehrer->fSperrung.GetWocheTagStd(w, t, h)) << U8(k->OhneRaumZeile());
      EXPECT_FALSE(p->fRaum->fSperrung.GetWocheTagStd(w, t, h)) << U8(k->OhneRaumZeile());
      for (const TKlasse* kl : k->fKlassen)
        EXPECT_FALSE(kl->fSperrung.GetWocheTagStd(w, t, h)) << U8(k->OhneRaumZeile());
      EXPECT_TRUE(k->fLehrer->fBesetzung.GetWocheTagStd(w, t, h));
      EXPECT_TRUE(p->fRaum->fBesetzung.GetWocheTagStd(w, t, h));
      EXPECT_GT(k->fRaeume.ListeElemNr(p->fRaum), 0) << "Raum gehört nicht zum Kurs";
      EXPECT_LE(t, 5);
      EXPECT_LE(h, 10);
    }
  std::size_t lehrerZellen = 0, raumZellen = 0;
  for (const auto& [zelle, z] : zellen) {
    for (const auto& [l, n] : z.Lehrer) EXPECT_EQ(n, 1) << U8(l->fKuerzel.str());
    for (const auto& [r, n] : z.Raeume) EXPECT_EQ(n, 1) << U8(r->fKuerzel.str());
    for (const auto& [kl, gruppen] : z.Klassen)
      EXPECT_EQ(gruppen.size(), 1u) << U8(kl->fKuerzel.str());
    lehrerZellen += z.Lehrer.size();
    raumZellen += z.Raeume.size();
  }
  // Keine Belegung ohne Setzung.
  auto belegt = [](const auto& menge) {
    std::size_t n = 0;
    for (const auto* e : menge)
      for (int w = 1; w <= 2; ++w)
        for (int t = 1; t <= 7; ++t)
          n += static_cast<std::size_t>(std::popcount(e->fBesetzung.GetWocheTag(w, t)));
    return n;
  };
  EXPECT_EQ(belegt(s.fLehrerMenge), lehrerZellen);
  EXPECT_EQ(belegt(s.fRaumMenge), raumZellen);
}

TEST(BeispielSchule, KleineSchuleIstRealistisch) {
  TTestUmgebung u;
  ErzeugeBeispielSchule(u.schule(), false);
  const TSchule& s = u.schule();
  EXPECT_EQ(u.standard.fMaxWocheNeu, 2);
  EXPECT_EQ(u.standard.fAktuelleWoche, 1);
  EXPECT_EQ(u.standard.fMaxTageNeu, 5);
  EXPECT_EQ(u.standard.fPlnStd, 10);
  EXPECT_TRUE(s.fDirty);

  EXPECT_EQ(s.fLehrerMenge.size(), 60u);
  std::set<std::string> klassen = {"EF", "Q1", "Q2"};
  for (int j = 5; j <= 10; ++j)
    for (char b : std::string("abcd")) klassen.insert(std::to_string(j) + b);
  EXPECT_EQ(Kuerzel(s.fKlassenMenge), klassen);
  EXPECT_EQ(s.fFachMenge.size(), 20u);
  EXPECT_GE(s.fRaumMenge.size(), 35u);
  EXPECT_LE(s.fRaumMenge.size(), 50u);
  const auto raeume = Kuerzel(s.fRaumMenge);
  for (const char* r : {"Ph1", "Ch1", "Bio1", "Mu1", "Ku1", "Inf1", "TH1", "TH2", "TH3"})
    EXPECT_TRUE(raeume.count(r)) << r;
  EXPECT_EQ(s.fUVTabMenge.size(), 2u);
  EXPECT_GE(s.fKursMenge.size(), 300u);

  // Kürzel der Lehrer eindeutig, Namen als Info.
  EXPECT_EQ(Kuerzel(s.fLehrerMenge).size(), 60u);
  for (const TLehrer* l : s.fLehrerMenge) {
    EXPECT_NE(l->fInfo.str().find(", "), std::string::npos) << U8(l->fInfo.str());
    EXPECT_GE(l->fFaecher.size(), 1u);
    EXPECT_GT(l->GetSoll(1), 0);
  }
  // Kursschienen der Oberstufe als Kopplungen.
  for (const char* name : {"EF-D", "Q1-LK1", "Q2-GW", "Rel5", "FS6", "Sp7a"}) {
    const TKopplung* ko = TSchule::HoleElement(s.fKopplMenge, name);
    ASSERT_TRUE(ko) << name;
    EXPECT_GE(ko->fKurse.size(), 2u) << name;
    std::set<const TLehrer*> lehrer;
    for (const TKurs* k : ko->fKurse) lehrer.insert(k->fLehrer);
    EXPECT_EQ(lehrer.size(), ko->fKurse.size()) << name << ": parallele Kurse brauchen je Lehrer";
  }
  // A- und B-Woche im Kalender, Sollstunden, Sperrungen.
  for (int k = 1; k <= 888; ++k) ASSERT_EQ(s.fKalender[k], (k - 1) % 2 + 1);
  const TKlasse* k5a = TSchule::HoleElement(s.fKlassenMenge, "5a");
  EXPECT_EQ(k5a->GetSoll(1), 28);
  EXPECT_TRUE(k5a->fSperrung.GetWocheTagStd(1, 1, 7));
  EXPECT_NE(k5a->fRaum, nullptr);
  EXPECT_NE(k5a->fLehrer1, nullptr);
  EXPECT_TRUE(TSchule::HoleElement(s.fRaumMenge, "TH3")->fSperrung.GetWocheTagStd(2, 5, 8));
  int freieTage = 0;
  for (const TLehrer* l : s.fLehrerMenge) freieTage += l->fFreierTag;
  EXPECT_GT(freieTage, 0);

  // Ein Teil des Plans ist gesetzt, einige Stunden fest, manches offen.
  int stunden = 0, fixiert = 0, ungesetzt = 0;
  for (const TKurs* k : s.fKursMenge) {
    stunden += k->fStunden.GetWochenStunde(1) + k->fStunden.GetWochenStunde(2);
    for (const TSetzung* p : k->fSetzungen) fixiert += p->fFixiert;
    ungesetzt += k->fSetzungen.empty();
  }
  const double anteil = static_cast<double>(Setzungen(s)) / stunden;
  EXPECT_GT(anteil, 0.6);
  EXPECT_LT(anteil, 0.95);
  EXPECT_GT(fixiert, 0);
  EXPECT_GT(ungesetzt, 30);
  EXPECT_TRUE(TSchule::HoleElement(s.fKopplMenge, "Q2-D")->fKurse[0]->fSetzungen.empty());
  OhneKonflikte(s);
}

TEST(BeispielSchule, GrosseSchuleFuerMessungen) {
  TTestUmgebung u;
  ErzeugeBeispielSchule(u.schule(), true);
  const TSchule& s = u.schule();
  EXPECT_EQ(s.fLehrerMenge.size(), 150u);
  EXPECT_EQ(s.fKlassenMenge.size(), 51u);
  int stunden = 0;
  for (const TKurs* k : s.fKursMenge) stunden += k->fStunden.GetWochenStunde(1);
  EXPECT_GE(stunden, 2000);
  EXPECT_GE(Setzungen(s), 2000);
  OhneKonflikte(s);

  // Die Hallen reichen für den Sport: je Woche nicht mehr Sportstunden als freie Hallenzellen,
  // und keine Sportkopplung braucht mehr Hallen zugleich, als es gibt.
  auto halle = [](const TRaum* r) { return U8(r->fKuerzel.str()).rfind("TH", 0) == 0; };
  std::vector<const TRaum*> hallen;
  for (const TRaum* r : s.fRaumMenge)
    if (halle(r)) hallen.push_back(r);
  auto sport = [&](const TKurs* k) {
    if (k->fRaeume.ListeZahlElemente() == 0) return false;
    for (const TRaum* r : k->fRaeume)
      if (!halle(r)) return false;
    return true;
  };
  for (int w = 1; w <= 2; ++w) {
    int bedarf = 0, frei = 0;
    for (const TKurs* k : s.fKursMenge)
      if (sport(k)) bedarf += k->fStunden.GetWochenStunde(w);
    for (const TRaum* r : hallen)
      for (int t = 1; t <= u.standard.fMaxTageNeu; ++t)
        for (int h = 1; h <= u.standard.fPlnStd; ++h)
          frei += r->fSperrung.GetWocheTagStd(w, t, h) ? 0 : 1;
    EXPECT_LE(bedarf, frei) << "Woche " << w;
  }
  for (const TKopplung* ko : s.fKopplMenge) {
    std::size_t n = 0;
    for (const TKurs* k : ko->fKurse) n += sport(k) ? 1 : 0;
    EXPECT_LE(n, hallen.size()) << U8(ko->fKuerzel.str());
  }
}

TEST(BeispielSchule, KnappeSchuleHatMehrSchienenUndKnappeLehrkraefte) {
  TTestUmgebung gross;
  ErzeugeBeispielSchule(gross.schule(), true);
  TTestUmgebung u;
  ErzeugeBeispielSchule(u.schule(), true, true);
  const TSchule& s = u.schule();
  EXPECT_EQ(s.fKopplMenge.size(), gross.schule().fKopplMenge.size() + 6);
  // Der Unterricht füllt etwa 95 % der Sollstunden (bei der großen etwa 70 %).
  const auto auslastung = [](const TSchule& schule) {
    double unterricht = 0, soll = 0;
    for (const TLehrer* l : schule.fLehrerMenge) {
      soll += l->fSoll.GetWochenStunde(1);
      for (const TKurs* k : l->fKurse)
        unterricht += (k->fStunden.GetWochenStunde(1) + k->fStunden.GetWochenStunde(2)) / 2.0;
    }
    return unterricht / soll;
  };
  EXPECT_LT(s.fLehrerMenge.size(), 150u);
  EXPECT_NEAR(auslastung(s), 0.95, 0.01);
  EXPECT_LT(auslastung(gross.schule()), 0.8);
  OhneKonflikte(s);
}

TEST(BeispielSchule, GleichBeiJedemLaufUndUnabhaengigVonDenEinstellungen) {
  Bytes erst;
  {
    TTestUmgebung u;
    ErzeugeBeispielSchule(u.schule(), false);
    erst = SchuleAlsBytes(u.schule());
  }
  TTestUmgebung u;
  u.standard.fMaxWocheNeu = 5;
  u.standard.fEineWoche = false;
  u.standard.fAktuelleWoche = 4;
  u.uhr.fJetzt = 40000.25;
  u.NeueSchule();
  ErzeugeBeispielSchule(u.schule(), false);
  EXPECT_EQ(SchuleAlsBytes(u.schule()), erst);
  EXPECT_FALSE(u.standard.fEineWoche);  // nur die genannten Einstellungen ändern sich
}

// Schreiben, Lesen und wieder Schreiben ergibt dieselben Bytes.
void HinUndZurueck(bool gross) {
  TTestUmgebung u;
  ErzeugeBeispielSchule(u.schule(), gross);
  const Bytes eins = SchuleAlsBytes(u.schule());
  const int setzungen = Setzungen(u.schule());
  u.NeueSchule();
  std::string fehler;
  ASSERT_TRUE(ReadSchuleAusBytes(eins, "Beispiel.tmr", u.schule(), fehler)) << fehler;
  EXPECT_EQ(Setzungen(u.schule()), setzungen);
  EXPECT_EQ(SchuleAlsBytes(u.schule()), eins);
}

TEST(BeispielSchule, SchreibenLesenSchreibenKlein) {
  HinUndZurueck(false);
}

TEST(BeispielSchule, SchreibenLesenSchreibenGross) {
  HinUndZurueck(true);
}

}  // namespace
