#include <gtest/gtest.h>

#include "model/ListUnit.h"

namespace {
struct TZahl {
  int Schluessel;
  int Id;
};
int NachSchluessel(const TZahl* a, const TZahl* b) {
  return a->Schluessel - b->Schluessel;
}

std::vector<int> Ids(const TListe<TZahl>& l) {
  std::vector<int> v;
  for (const TZahl* z : l) v.push_back(z->Id);
  return v;
}
}  // namespace

TEST(Liste, EinfuegenHinterGleichenUndZeigerAufNeuem) {
  TZahl a{1, 1}, b{3, 2}, c{3, 3}, neu{3, 4}, vorn{0, 5};
  TListe<TZahl> l;
  l.ListeAnhaengen(&a);
  l.ListeAnhaengen(&b);
  l.ListeAnhaengen(&c);
  l.ListeEinfuegen(&neu, NachSchluessel);
  EXPECT_EQ(l.ListeElemNr(&neu), 4);
  EXPECT_EQ(l.fAktuell, 3);
  l.ListeEinfuegen(&vorn, NachSchluessel);
  EXPECT_EQ(l.ListeElemNr(&vorn), 1);
  EXPECT_EQ(l.ListeInhalt(), &vorn);
  l.ListeEinfuegen(nullptr, NachSchluessel);
  EXPECT_EQ(l.ListeZahlElemente(), 5);

  TListe<TZahl> leer;
  leer.ListeEinfuegen(&a, NachSchluessel);
  EXPECT_EQ(leer.ListeElemNr(&a), 1);
}

TEST(Liste, PositionenAusserhalbLiefernNichts) {
  TZahl a{1, 1};
  TListe<TZahl> l;
  EXPECT_EQ(l.ListeInhalt(), nullptr);
  l.ListeAnhaengen(&a);
  EXPECT_EQ(l.ListeNrInhalt(0), nullptr);
  EXPECT_EQ(l.ListeNrInhalt(2), nullptr);
  EXPECT_EQ(l.ListeNrInhalt(1), &a);
  TZahl fremd{2, 2};
  EXPECT_EQ(l.ListeElemNr(&fremd), 0);
}

TEST(Liste, LoeschenAmEndeSetztZeigerAufNull) {
  TZahl a{1, 1}, b{2, 2}, c{3, 3};
  TListe<TZahl> l;
  l.ListeAnhaengen(&a);
  l.ListeAnhaengen(&b);
  l.ListeAnhaengen(&c);
  l.ListeEnde();
  l.ListeLoeschen();
  EXPECT_EQ(l.fAktuell, 0);
  EXPECT_EQ(Ids(l), (std::vector<int>{1, 2}));
  l.fAktuell = 0;
  l.ListeLoeschen();
  EXPECT_EQ(l.fAktuell, 0);
  EXPECT_EQ(l.ListeInhalt(), &b);
}

TEST(Liste, EnthaltenSuchtAbZeigerMitUmlauf) {
  TZahl a{5, 1}, b{7, 2}, c{5, 3};
  TListe<TZahl> l;
  l.ListeAnhaengen(&a);
  l.ListeAnhaengen(&b);
  l.ListeAnhaengen(&c);
  auto gleich = [](const TZahl* x, const TZahl* y) { return x->Schluessel == y->Schluessel; };
  TZahl such{5, 0};
  l.fAktuell = 1;
  ASSERT_TRUE(l.ListeEnthalten(&such, gleich));
  EXPECT_EQ(l.ListeInhalt(), &c);  // ab Zeiger: erst b, dann c
  l.ListeNext();                   // Umlauf auf a
  ASSERT_TRUE(l.ListeEnthalten(&such, gleich));
  EXPECT_EQ(l.ListeInhalt(), &a);
  TZahl fehlt{9, 0};
  EXPECT_FALSE(l.ListeEnthalten(&fehlt, gleich));
  EXPECT_EQ(l.ListeInhalt(), &a);
  TListe<TZahl> leer;
  EXPECT_FALSE(leer.ListeEnthalten(&such, gleich));
  int gefragteWoche = 0;
  EXPECT_TRUE(l.ListeWocheEnthalten(3, &such, [&](int w, const TZahl* x, const TZahl* y) {
    gefragteWoche = w;
    return x->Schluessel == y->Schluessel;
  }));
  EXPECT_EQ(gefragteWoche, 3);
}

TEST(Liste, UmlaufUndRaender) {
  TZahl a{1, 1}, b{2, 2};
  TListe<TZahl> l;
  EXPECT_TRUE(l.ListeAmAnfang());
  EXPECT_TRUE(l.ListeAmEnde());
  l.ListeNext();
  EXPECT_EQ(l.fAktuell, 0);
  l.ListeAnhaengen(&a);
  l.ListeAnhaengen(&b);
  l.ListeAnfang();
  EXPECT_TRUE(l.ListeAmAnfang());
  l.ListePrev();
  EXPECT_EQ(l.ListeInhalt(), &b);
  EXPECT_TRUE(l.ListeAmEnde());
  l.ListeNext();
  EXPECT_EQ(l.ListeInhalt(), &a);
}

TEST(Liste, SortierenIstStabilUndMachtBeiOrdnungEinenDurchgang) {
  TZahl a{1, 1}, b{2, 2}, c{2, 3}, d{3, 4};
  TListe<TZahl> l;
  for (TZahl* z : {&a, &b, &c, &d}) l.ListeAnhaengen(z);
  EXPECT_EQ(l.ListeSort(NachSchluessel), 1);
  EXPECT_EQ(Ids(l), (std::vector<int>{1, 2, 3, 4}));

  TListe<TZahl> m;
  for (TZahl* z : {&d, &c, &a, &b}) m.ListeAnhaengen(z);
  m.ListeSort(NachSchluessel);
  EXPECT_EQ(Ids(m), (std::vector<int>{1, 3, 2, 4}));  // gleiche Schlüssel behalten ihre Folge

  TListe<TZahl> eins;
  eins.ListeAnhaengen(&a);
  EXPECT_EQ(eins.ListeSort(NachSchluessel), 0);
}

TEST(Liste, DurchlaufNimmtDieAnzahlVorher) {
  TZahl a{1, 1}, b{2, 2}, c{3, 3};
  TListe<TZahl> l;
  l.ListeAnhaengen(&a);
  l.ListeAnhaengen(&b);
  int aufrufe = 0;
  l.ListeDurchlauf([&](TZahl*) {
    ++aufrufe;
    if (l.ListeZahlElemente() < 4) l.ListeAnhaengen(&c);
  });
  EXPECT_EQ(aufrufe, 2);
}

TEST(Liste, BesitzendeListeZerstoertBeimLoeschen) {
  struct TZaehler {
    explicit TZaehler(int& z) : fZaehler(z) {}
    ~TZaehler() { ++fZaehler; }
    int& fZaehler;
  };
  int zerstoert = 0;
  {
    TEigenListe<TZaehler> l;
    l.ListeAnhaengen(std::make_unique<TZaehler>(zerstoert));
    l.ListeAnhaengen(std::make_unique<TZaehler>(zerstoert));
    l.ListeAnhaengen(std::make_unique<TZaehler>(zerstoert));
    l.ListeAnfang();
    l.ListeLoeschen();
    EXPECT_EQ(zerstoert, 1);
    auto heraus = l.ListeHerausnehmen();
    EXPECT_EQ(zerstoert, 1);
    EXPECT_EQ(l.ListeZahlElemente(), 1);
  }
  EXPECT_EQ(zerstoert, 3);
}
