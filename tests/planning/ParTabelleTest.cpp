// Die Tabelle der parallelen Kopplungen: Konfliktzahlen, Ablage in der Schuldatei, Gesten,
// freie Zeiten einer Zeile und ihr Setzen, die Suche.
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "PlanHilfe.h"
#include "PlanInvarianten.h"
#include "persistence/ReadUnit.h"
#include "persistence/WriteUnit.h"
#include "planning/ParSucheUnit.h"
#include "planning/ParTabelleUnit.h"

namespace {

class ParTabelleTest : public PlanTest {
 protected:
  TKopplung* Kopplung(const char* kuerzel, TLehrer* l, TFach* f, TKlasse* kl,
                      std::initializer_list<TRaum*> raeume = {}, int stunden = 2) {
    TKopplung* k = s.HoleKopplung(kuerzel);
    Kurs(l, f, {kl}, raeume, k, stunden);
    return k;
  }
  // Die Einträge der Spalten für eine Tabelle aus Zeilen (Zeile für Zeile).
  static void Fuelle(TParTabelle& t, std::initializer_list<std::initializer_list<TKopplung*>> z) {
    int r = 1;
    for (const auto& zeile : z) {
      int c = 1;
      for (TKopplung* k : zeile) t.Setze(r, c++, k);
      ++r;
    }
  }
};

TEST_F(ParTabelleTest, KonfliktzahlZaehltJeLehrerKurseWenigerEins) {
  TKopplung* a = Kopplung("A", l1, fD, k5a);
  TKopplung* b = Kopplung("B", l1, fM, k5b);
  TKopplung* c = Kopplung("C", l2, fE, k5b);
  TParTabelle t(2, 3, false);
  Fuelle(t, {{a, b, c}});
  EXPECT_EQ(t.Schnitt(1), 1);
  // Ein dritter Kurs desselben Lehrers in der Zeile: 2; ein Kurs ohne Lehrer zählt nicht.
  Kurs(l1, fE, {k5a}, {}, c, 1);
  Kurs(nullptr, fE, {k5a}, {}, c, 1);
  EXPECT_EQ(t.BerechneSchnitt(1), 2);
  EXPECT_EQ(t.BerechneSchnitt(2), 0);
  ASSERT_EQ(t.KonfliktMenue(1).size(), 1u);
  EXPECT_EQ(t.KonfliktMenue(1)[0].Text, "MUE [" + t.ZeilenKurse(1)[0]->OhneRaumZeile() + ", " +
                                            t.ZeilenKurse(1)[1]->OhneRaumZeile() + ", " +
                                            t.ZeilenKurse(1)[3]->OhneRaumZeile() + "]");
  ASSERT_EQ(t.FaecherMenue(1).size(), 3u);
  EXPECT_EQ(t.FaecherMenue(1)[2].Text, "E [3]");
  EXPECT_EQ(t.ZellText(1, 3, true), "C [ E E E ]");
  EXPECT_EQ(t.ZellText(1, 3, false), "C");
  EXPECT_TRUE(t.ZelleRot(1, 3));
}

TEST_F(ParTabelleTest, GestenAendernZellenUndListe) {
  TKopplung* a = Kopplung("A", l1, fD, k5a);
  TKopplung* b = Kopplung("B", l2, fM, k5b);
  TParTabelle t(3, 2, false);
  s.SetDirty(false);
  EXPECT_TRUE(t.Setze(1, 1, a));
  EXPECT_TRUE(s.fDirty);
  EXPECT_EQ(s.fParListe->fListe[0], a);
  // Ablegen auf der eigenen Zelle und Ziehen einer leeren Zelle ändern nichts.
  EXPECT_FALSE(t.Ziehe(1, 1, 1, 1, false));
  EXPECT_FALSE(t.Ziehe(2, 2, 1, 2, false));
  EXPECT_FALSE(t.Ziehe(1, 1, 0, 1, false));
  EXPECT_TRUE(t.FixUmschalten(1, 1));
  EXPECT_EQ(t.Marke(1, 1), "F");
  // Mit Umschalt kopiert: die Quelle bleibt (und behält ihre Marke), das Ziel ist "K".
  EXPECT_TRUE(t.Ziehe(1, 1, 2, 2, true));
  EXPECT_EQ(t.Kopplung(1, 1), a);
  EXPECT_EQ(t.Marke(1, 1), "F");
  EXPECT_EQ(t.Kopplung(2, 2), a);
  EXPECT_EQ(t.Marke(2, 2), "K");
  EXPECT_TRUE(t.Ziehe(2, 2, 3, 1, false));
  EXPECT_EQ(t.Kopplung(2, 2), nullptr);
  EXPECT_EQ(s.fParListe->fListe,
            (std::vector<TKopplung*>{a, nullptr, nullptr, nullptr, a, nullptr}));
  EXPECT_TRUE(t.Leere(3, 1));
  EXPECT_EQ(t.Kopplung(3, 1), nullptr);
  // Eine gelöschte Kopplung verschwindet aus der Tabelle, die Zeile hat keinen Konflikt mehr.
  t.Setze(1, 2, b);
  s.ElementLoeschen(a);
  EXPECT_EQ(t.Kopplung(1, 1), nullptr);
  EXPECT_EQ(t.ZeilenKurse(1).size(), 1u);
}

TEST_F(ParTabelleTest, TabelleUeberstehtSichernUndLesen) {
  TKopplung* a = Kopplung("A", l1, fD, k5a);
  TKopplung* b = Kopplung("B", l2, fM, k5b);
  {
    TParTabelle t(3, 4, false);
    t.Setze(2, 3, a);
    t.Setze(3, 4, b);
    t.Setze(1, 2, b);
  }
  const auto pfad = std::filesystem::temp_directory_path() /
                    ("tamrel_par_test_" + std::to_string(::getpid()) + ".tmr");
  std::string fehler;
  ASSERT_TRUE(WriteSchule(pfad.string(), s, fehler)) << fehler;
  u.NeueSchule();
  ASSERT_TRUE(ReadSchule(pfad.string(), u.schule(), fehler)) << fehler;
  std::filesystem::remove(pfad);
  TSchule& neu = u.schule();
  const TParListe& p = *neu.fParListe;
  ASSERT_EQ(p.fZeilen, 3);
  ASSERT_EQ(p.fSpalten, 4);
  TKopplung* a2 = TSchule::HoleElement(neu.fKopplMenge, "A");
  TKopplung* b2 = TSchule::HoleElement(neu.fKopplMenge, "B");
  EXPECT_EQ(p.fListe[4 * (2 - 1) + 3 - 1], a2);
  EXPECT_EQ(p.fListe[4 * (3 - 1) + 4 - 1], b2);
  EXPECT_EQ(p.fListe[4 * (1 - 1) + 2 - 1], b2);
  EXPECT_EQ(std::count(p.fListe.begin(), p.fListe.end(), nullptr), 9);
  // In eine kleinere Tabelle übernommen: was außerhalb liegt, entfällt; alles ist "K".
  TParTabelle klein(2, 3, true);
  EXPECT_EQ(klein.Kopplung(1, 2), b2);
  EXPECT_EQ(klein.Kopplung(2, 3), a2);
  EXPECT_EQ(klein.Marke(2, 3), "K");
  EXPECT_EQ(neu.fParListe->fListe,
            (std::vector<TKopplung*>{nullptr, b2, nullptr, nullptr, nullptr, a2}));
  // Eine größere übernimmt jede Zelle an ihrer Stelle.
  TParTabelle gross(4, 5, true);
  EXPECT_EQ(gross.Kopplung(1, 2), b2);
  EXPECT_EQ(gross.Kopplung(2, 3), a2);
  EXPECT_EQ(gross.Kopplung(4, 5), nullptr);
}

TEST_F(ParTabelleTest, SucheZaehltLoesungenUndBehaeltDieLetzte) {
  TKopplung* a = Kopplung("A", l1, fD, k5a);
  TKopplung* b = Kopplung("B", l2, fM, k5b);
  TKopplung* c = Kopplung("C", l1, fE, k5a);
  TKopplung* d = Kopplung("D", l3, fE, k5b);
  TParTabelle t(2, 2, false);
  Fuelle(t, {{a, c}, {b, d}});
  EXPECT_EQ(t.Schnitt(1), 1);
  TParSuche suche(t);
  EXPECT_TRUE(suche.Suche());
  EXPECT_EQ(suche.Anzahl(), 2);
  EXPECT_EQ(suche.Loesung(), (std::vector<TKopplung*>{b, c, a, d}));

  // Angehalten bei der sechsten Frage: die bis dahin letzte Lösung bleibt, die Tabelle auch.
  TParSuche halt(t);
  int fragen = 0;
  EXPECT_FALSE(halt.Suche([&] { return ++fragen == 6; }, 1));
  EXPECT_EQ(halt.Anzahl(), 1);
  EXPECT_EQ(halt.Loesung(), (std::vector<TKopplung*>{a, d, b, c}));
  EXPECT_EQ(t.Kopplung(1, 1), a);

  t.Uebernimm(suche.Loesung());
  EXPECT_EQ(s.fParListe->fListe, (std::vector<TKopplung*>{b, c, a, d}));
  EXPECT_EQ(t.Schnitt(1) + t.Schnitt(2), 0);
}

TEST_F(ParTabelleTest, SucheAchtetAufFesteZellenRechts) {
  TKopplung* a = Kopplung("A", l1, fD, k5a);
  TKopplung* b = Kopplung("B", l2, fM, k5b);
  TKopplung* c = Kopplung("C", l1, fE, k5a);
  TKopplung* d = Kopplung("D", l3, fE, k5b);
  TParTabelle t(2, 2, false);
  Fuelle(t, {{a, c}, {b, d}});
  t.FixUmschalten(1, 2);
  t.FixUmschalten(2, 2);
  TParSuche suche(t);
  suche.Suche();
  EXPECT_EQ(suche.Anzahl(), 1);
  EXPECT_EQ(suche.Loesung(), (std::vector<TKopplung*>{b, c, a, d}));
}

TEST_F(ParTabelleTest, SucheVersuchtGleicheEintraegeEinmal) {
  TKopplung* a = Kopplung("A", l1, fD, k5a);
  TKopplung* b = Kopplung("B", l2, fM, k5b);
  TParTabelle t(3, 2, false);
  Fuelle(t, {{nullptr, b}, {a, nullptr}, {nullptr, nullptr}});
  TParSuche suche(t);
  suche.Suche();
  // A an drei Stellen mal B an drei Stellen, jede Anordnung einmal.
  EXPECT_EQ(suche.Anzahl(), 9);

  // Eine Tabelle von 40 Zeilen und 10 Spalten mit einer Kopplung je Spalte.
  TParTabelle gross(40, 10, false);
  for (int c = 1; c <= 10; ++c)
    gross.Setze(c, c,
                Kopplung(("P" + std::to_string(c)).c_str(), s.HoleLehrer("L" + std::to_string(c)),
                         fD, k5a));
  TParSuche groesser(gross);
  EXPECT_FALSE(groesser.Suche([&] { return groesser.Anzahl() >= 5000; }, 100));
  EXPECT_GE(groesser.Anzahl(), 5000);
}

TEST_F(ParTabelleTest, ZeileSetzenNurInFreienWochenOhneDoppelbelegung) {
  ZweiWochen();
  TKopplung* g1 = s.HoleKopplung("G1");
  TKurs* k1 = Kurs(l1, fD, {k5a}, {r1}, g1, 2);
  TKurs* k2 = Kurs(l2, fM, {k5a}, {r1, r2}, g1, 2);
  TKopplung* g2 = Kopplung("G2", l3, fE, k5b);  // ohne Räume
  TKlasse* k6 = s.HoleKlasse("6a");
  // Lehrer SCH ist in Woche 2 Montag 1. Stunde besetzt; Raum R2 in beiden Wochen Montag 2.
  Kurs(l2, fE, {k6}, {}, nullptr, 1)->NeueSetzung(2, 1, 1, nullptr);
  TKurs* raum = Kurs(s.HoleLehrer("X"), fE, {k6}, {r2}, nullptr, 2);
  raum->NeueSetzung(1, 1, 2, r2);
  raum->NeueSetzung(2, 1, 2, r2);
  TParTabelle t(2, 2, false);
  Fuelle(t, {{g1, g2}});
  ASSERT_EQ(t.Schnitt(1), 0);
  const TMenue menue = t.ZeitMenue(1);
  ASSERT_EQ(menue.size(), 7u);
  EXPECT_EQ(menue[0].Text, U8(st.fTagBez[1].str()));
  std::vector<int> montag;
  for (const auto& e : menue[0].Untermenue) montag.push_back(e.Wert);
  // Stunde 1 ist nur in Woche 1 frei, Stunde 2 hat für G1 keinen freien Raum mehr.
  EXPECT_EQ(montag, (std::vector<int>{3, 4, 5, 6}));
  EXPECT_EQ(menue[1].Untermenue.size(), 6u);

  EXPECT_EQ(t.SetzeZeile(1, 1, 3), 6);
  EXPECT_EQ(k1->RaumFinden(2, 1, 3), r1);
  EXPECT_EQ(k2->RaumFinden(2, 1, 3), r2);
  // Die Zeit, die nur in Woche 1 frei ist, kommt nie in Woche 2.
  EXPECT_EQ(t.SetzeZeile(1, 1, 1), 3);
  EXPECT_EQ(k1->SetzungFinden(2, 1, 1), nullptr);
  EXPECT_TRUE(PlanVerstoesse(s).empty());
  EXPECT_TRUE(BelegungenStimmen(s));

  // Im Ein-Wochen-Modus nur die aktuelle Woche; danach hat niemand mehr Stunden offen.
  st.fEineWoche = true;
  st.fAktuelleWoche = 2;
  ASSERT_FALSE(t.ZeitMenue(1).empty());
  EXPECT_EQ(t.SetzeZeile(1, 3, 1), 3);
  EXPECT_EQ(k1->SetzungFinden(1, 3, 1), nullptr);
  EXPECT_TRUE(t.ZeitMenue(1).empty());
  EXPECT_EQ(t.SetzeZeile(1, 4, 1), 0);
  EXPECT_TRUE(PlanVerstoesse(s).empty());
  EXPECT_TRUE(BelegungenStimmen(s));
}

TEST_F(ParTabelleTest, ZweiKopplungenMitGemeinsamerKlasseHabenKeineGemeinsameZeit) {
  // Zwei Kopplungen der Zeile mit der Klasse 5a (verschiedene Lehrer): kein Lehrerkonflikt,
  // aber die Klasse säße zweimal in derselben Stunde.
  TKopplung* g1 = Kopplung("G1", l1, fD, k5a);
  TKopplung* g2 = Kopplung("G2", l2, fM, k5a);
  TParTabelle t(1, 2, false);
  Fuelle(t, {{g1, g2}});
  ASSERT_EQ(t.Schnitt(1), 0);
  EXPECT_TRUE(t.KlasseDoppelt(1));
  EXPECT_TRUE(t.ZeitMenue(1).empty());
  EXPECT_FALSE(t.ZeitFrei(1, 1, 1));
  EXPECT_EQ(t.SetzeZeile(1, 1, 1), 0);
  EXPECT_TRUE(PlanVerstoesse(s).empty());
  // Mit einer anderen Klasse in G2 geht es.
  TKopplung* g3 = Kopplung("G3", l2, fM, k5b);
  t.Setze(1, 2, g3);
  EXPECT_FALSE(t.KlasseDoppelt(1));
  EXPECT_EQ(t.SetzeZeile(1, 1, 1), 2);
  EXPECT_TRUE(PlanVerstoesse(s).empty());
  EXPECT_TRUE(BelegungenStimmen(s));
}

}  // namespace

// Eine neue Tabelle ohne "letzte Tabelle übernehmen" ersetzt die gespeicherte erst mit ihrer
// ersten Änderung: Öffnen und Schließen ohne Änderung lässt sie, wie sie war, und ungeändert.
TEST_F(ParTabelleTest, NeueLeereTabelleLoeschtDieGespeicherteErstBeiDerErstenAenderung) {
  TKopplung* a = Kopplung("A", l1, fD, k5a);
  TKopplung* b = Kopplung("B", l2, fM, k5b);
  {
    TParTabelle t(2, 2, false);
    t.Setze(1, 1, a);
    t.Setze(2, 2, b);
  }
  const std::vector<TKopplung*> gespeichert = s.fParListe->fListe;
  ASSERT_EQ(gespeichert, (std::vector<TKopplung*>{a, nullptr, nullptr, b}));
  s.SetDirty(false);
  {
    TParTabelle leer(3, 2, false);
    EXPECT_EQ(leer.Kopplung(1, 1), nullptr);
    EXPECT_TRUE(leer.ZeilenKurse(2).empty());
    EXPECT_FALSE(leer.Ziehe(1, 1, 2, 1, false));  // nichts zu ziehen, nichts geändert
    EXPECT_FALSE(leer.Setze(0, 1, a));
  }
  EXPECT_FALSE(s.fDirty);
  EXPECT_EQ(s.fParListe->fZeilen, 2);
  EXPECT_EQ(s.fParListe->fListe, gespeichert);
  // Dieselbe Größe: ebenso.
  { TParTabelle leer(2, 2, false); }
  EXPECT_EQ(s.fParListe->fListe, gespeichert);
  EXPECT_FALSE(s.fDirty);
  // Die erste Änderung schreibt die neue Tabelle, leer bis auf diese Zelle.
  TParTabelle neu(3, 2, false);
  EXPECT_TRUE(neu.Setze(3, 2, a));
  EXPECT_TRUE(s.fDirty);
  EXPECT_EQ(s.fParListe->fZeilen, 3);
  EXPECT_EQ(s.fParListe->fListe,
            (std::vector<TKopplung*>{nullptr, nullptr, nullptr, nullptr, nullptr, a}));
  EXPECT_EQ(neu.Kopplung(3, 2), a);
}
