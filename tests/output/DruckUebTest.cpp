// Die Übersichtsdrucke an einer kleinen Schule mit festen Textmaßen: Seitenfolge, Layout,
// Zelltexte in ihrer Folge und die Randfälle leerer Kurse und Listen.
#include <gtest/gtest.h>

#include <algorithm>

#include "output/DruckUebUnit.h"
#include "output/PrevPrinterUnit.h"
#include "planning/PlanHilfe.h"
#include "planning/SetzungUnit.h"

namespace {
std::vector<std::string> Texte(const TSeite& seite) {
  std::vector<std::string> t;
  for (const TZeichenBefehl& b : seite)
    if (b.Art == TZeichenArt::Text) t.push_back(b.Text);
  return t;
}

// Die Texte nach dem n-ten Vorkommen von kopf.
std::vector<std::string> TexteNach(const TSeite& seite, const std::string& kopf) {
  std::vector<std::string> t = Texte(seite);
  auto it = std::find(t.begin(), t.end(), kopf);
  return it == t.end() ? std::vector<std::string>{} : std::vector<std::string>(it + 1, t.end());
}

// Die Texte nach dem letzten Vorkommen von kopf.
std::vector<std::string> TexteNachLetztem(const TSeite& seite, const std::string& kopf) {
  std::vector<std::string> t = Texte(seite);
  auto it = std::find(t.rbegin(), t.rend(), kopf);
  return {it.base(), t.end()};
}

bool Enthaelt(const std::vector<std::string>& t, const std::string& s) {
  return std::find(t.begin(), t.end(), s) != t.end();
}

class DruckUebTest : public PlanTest {
 protected:
  DruckUebTest() {
    st.fMaxTageNeu = 5;
    l1->SetInfo("M\xFCller");
    kD = Kurs(l1, fD, {k5a}, {r1}, nullptr, 4);
    kM = Kurs(l2, fM, {k5a}, {r2}, g, 2);
    kE = Kurs(l1, fE, {k5a, k5b}, {r1}, g, 2);
    kD->NeueSetzung(1, 1, 5, r1);
    kD->NeueSetzung(1, 2, 2, r1)->fFixiert = true;
    kD->NeueSetzung(1, 4, 4, r2);  // in einem fremden Raum
    kM->NeueSetzung(1, 1, 5, r2);
    kE->NeueSetzung(1, 3, 3, r1);
    o = LadeUebDruck(TUebDruckArt::Lehrer, st);
    o.Bem.clear();
    o.BisStd = 6;
    s.fDateiName = "Test.tmr";
    st.fSchulname = "Schule";
  }

  TSeite Drucke(TUebDruckArt art, const std::vector<TPlanElement*>& liste,
                const TDruckerMasse& masse = A4Masse(600)) {
    TPrevPrinter p(masse, u.metrik);
    fGedruckt = DruckeUebersicht(art, o, liste, p);
    fSeiten.clear();
    for (int n = 1; n <= p.PageCount(); ++n) fSeiten.push_back(p.Seite(n));
    return p.Seite(1);
  }

  TKurs *kD, *kM, *kE;
  TUebDruckOptionen o;
  int fGedruckt = 0;
  std::vector<TSeite> fSeiten;
};
}  // namespace

TEST_F(DruckUebTest, LehreruebersichtDruecktKopfSpalteUndZelltexteInFolge) {
  const TSeite seite = Drucke(TUebDruckArt::Lehrer, {l1});
  ASSERT_EQ(fSeiten.size(), 1u);
  const std::vector<std::string> t = Texte(seite);
  ASSERT_GE(t.size(), 4u);
  EXPECT_EQ(t[0], KopfDatumText(Jetzt()) + "Seite 1");
  EXPECT_EQ(t[1], "Test.tmr   Schule");
  EXPECT_EQ((std::vector<std::string>(t.begin() + 2, t.begin() + 6)),
            (std::vector<std::string>{"Mo", " 1", "Mo", " 2"}));
  // Kursfolge des Lehrers, darin die Setzungen; "Kopplung statt Klasse" bei E.
  EXPECT_EQ(TexteNach(seite, "MUE"), (std::vector<std::string>{"5a", "D", "R1", "5a", "D", "R1",
                                                               "5a", "D", "R2", "G1", "E", "R1"}));
  EXPECT_EQ(fGedruckt, 1);
}

TEST_F(DruckUebTest, OhneArtPlusUndKringelUndFixiertUnterstrichen) {
  for (bool& m : o.Mit) m = false;
  o.Statt = false;
  const TSeite seite = Drucke(TUebDruckArt::Lehrer, {l1});
  EXPECT_EQ(TexteNach(seite, "MUE"), (std::vector<std::string>{"+", "+", "+", "o"}));
  int unterstrichen = 0;
  for (const TZeichenBefehl& b : seite)
    if (b.Art == TZeichenArt::Text && b.Schrift.Unterstrichen) ++unterstrichen;
  EXPECT_EQ(unterstrichen, 1);  // nur Di 2
}

TEST_F(DruckUebTest, KlassenuebersichtNurDerErsteKursEinerZelleUndKopplungStattLehrer) {
  const TSeite seite = Drucke(TUebDruckArt::Klassen, {k5a});
  // Mo 5 hat D und M: nur der erste Kurs der Klasse wird gedruckt. E (gekoppelt) zeigt mit
  // "Kopplung statt Lehrer" nur "G1".
  EXPECT_EQ(TexteNach(seite, "5a"),
            (std::vector<std::string>{"MUE", "D", "R1", "MUE", "D", "R1", "MUE", "D", "R2", "G1"}));
}

TEST_F(DruckUebTest, RaumuebersichtUebergehtStundenInAnderenRaeumen) {
  const TSeite seite = Drucke(TUebDruckArt::Raeume, {r1});
  const std::vector<std::string> t = TexteNach(seite, "R1");
  // Mo 5, Di 2 (D) und Mi 3 (E, Kopplung statt Klasse); Do 4 liegt in R2.
  EXPECT_EQ(t, (std::vector<std::string>{"MUE", "5a", "D", "MUE", "5a", "D", "MUE", "G1", "E"}));
}

TEST_F(DruckUebTest, KombinationDreiTexteJeArt) {
  o = LadeUebDruck(TUebDruckArt::Kombination, st);
  o.Bem.clear();
  o.Datum = false;
  o.BisStd = 6;
  const TSeite seite = Drucke(TUebDruckArt::Kombination, {l1, k5b, r1});
  const std::vector<std::string> t = Texte(seite);
  EXPECT_EQ(t[0], "Seite 1");  // ohne "mit Datum"
  const std::vector<std::string> nachR1 = TexteNachLetztem(seite, "R1");
  // Lehrerspalte: Kopplung oder erste Klasse, Fach, Raum; Klasse 5b: nur E (gekoppelt) -> G1;
  // Raum: Lehrer, Kopplung oder Klasse, Fach.
  const std::vector<std::string> nachMue = TexteNach(seite, "MUE");
  ASSERT_GE(nachMue.size(), 6u);
  EXPECT_EQ((std::vector<std::string>(nachMue.begin(), nachMue.begin() + 3)),
            (std::vector<std::string>{"5a", "D", "R1"}));
  EXPECT_TRUE(Enthaelt(TexteNach(seite, "5b"), "G1"));
  EXPECT_EQ((std::vector<std::string>(nachR1.begin(), nachR1.begin() + 3)),
            (std::vector<std::string>{"MUE", "5a", "D"}));
}

TEST_F(DruckUebTest, ZwoelfLehrerVierSpaltenZweiTagesbereicheSechsSeiten) {
  std::vector<TPlanElement*> liste;
  for (int i = 1; i <= 12; ++i)
    liste.push_back(s.HoleLehrer(std::string("L") + (i < 10 ? "0" : "") + std::to_string(i)));
  // Das Blatt so groß, dass genau vier Spalten und drei Tage passen.
  TPrevPrinter mess(A4Masse(600), u.metrik);
  mess.NewJob();
  TUebMasse m = UebMessen(TUebDruckArt::Lehrer, o, mess);
  TUebLayout l = UebLayoutBerechnen(TUebDruckArt::Lehrer, o, m);
  TDruckerMasse masse = A4Masse(600);
  masse.Breite = masse.BlattBreite = m.Rand[0] + m.Rand[1] + l.LabelBreite + 4 * l.Abstand + 5;
  masse.Hoehe = masse.BlattHoehe = m.Rand[2] + m.Rand[3] + 5 * m.h + 3 * l.BlockHoehe + 5;
  m.BlattBreite = masse.Breite;
  m.BlattHoehe = masse.Hoehe;
  l = UebLayoutBerechnen(TUebDruckArt::Lehrer, o, m);
  ASSERT_EQ(l.Spalten, 4);
  ASSERT_EQ(l.Tage, 3);
  Drucke(TUebDruckArt::Lehrer, liste, masse);
  ASSERT_EQ(fSeiten.size(), 6u);
  for (int p = 0; p < 6; ++p) {
    const std::vector<std::string> t = Texte(fSeiten[static_cast<std::size_t>(p)]);
    const int gruppe = p % 3;
    for (int i = 1; i <= 12; ++i) {
      const std::string k = std::string("L") + (i < 10 ? "0" : "") + std::to_string(i);
      EXPECT_EQ(Enthaelt(t, k), (i - 1) / 4 == gruppe) << "Seite " << p + 1 << " " << k;
    }
    // Die ersten drei Seiten Mo bis Mi, die letzten drei Do und Fr.
    EXPECT_EQ(Enthaelt(t, "Mo"), p < 3) << p + 1;
    EXPECT_EQ(Enthaelt(t, "Do"), p >= 3) << p + 1;
    EXPECT_EQ(t[0], KopfDatumText(Jetzt()) + "Seite " + std::to_string(p + 1));
  }
}

TEST_F(DruckUebTest, LayoutEineStundeJeTagUndMindestensEineSpalteUndEinTag) {
  TUebMasse m;
  m.h = 12;
  m.Eigen = 12;
  m.Kuerzel[0] = m.Kuerzel[1] = m.Kuerzel[2] = m.Kuerzel[3] = 8;
  m.Kopplung = 16;
  m.Tag = 8;
  m.Std = 8;
  m.Stern = 4;
  m.BlattBreite = 4960;
  m.BlattHoehe = 7016;
  o.VonStd = o.BisStd = 3;
  o.VonTag = 1;
  o.BisTag = 7;
  TUebLayout l = UebLayoutBerechnen(TUebDruckArt::Lehrer, o, m);
  // Klasse (mit Kopplungsbreite), Fach, Raum nebeneinander.
  EXPECT_EQ(l.ZellBreite, 36 + 28 + 28);
  EXPECT_EQ(l.BlockHoehe, 12 + 20 + 10);
  EXPECT_EQ(l.Tage, 7);  // so viele wie der Bereich hat
  o.Unter = true;
  l = UebLayoutBerechnen(TUebDruckArt::Lehrer, o, m);
  EXPECT_EQ(l.ZellBreite, 36);
  EXPECT_EQ(l.ZellHoehe, 3 * 12 + 20);
  // Ränder größer als das Blatt: trotzdem eine Spalte und ein Tag je Seite.
  m.Rand[0] = m.Rand[2] = 9000;
  l = UebLayoutBerechnen(TUebDruckArt::Lehrer, o, m);
  EXPECT_EQ(l.Spalten, 1);
  EXPECT_EQ(l.Tage, 1);
}

TEST_F(DruckUebTest, LeereListeOhneSeiteUndKursOhneKlasseRaumDrucktLeer) {
  Drucke(TUebDruckArt::Lehrer, {});
  EXPECT_EQ(fGedruckt, 0);
  EXPECT_TRUE(fSeiten.empty());
  Drucke(TUebDruckArt::Lehrer, {nullptr});
  EXPECT_TRUE(fSeiten.empty());
  // Ein Kurs ohne Klasse und eine Stunde ohne Raum: nur das Fach steht in der Zelle.
  TKurs* leer = Kurs(l3, fE, {}, {}, nullptr, 1);
  leer->NeueSetzung(1, 5, 1, nullptr);
  const TSeite seite = Drucke(TUebDruckArt::Lehrer, {l3});
  EXPECT_EQ(TexteNach(seite, "KRA"), (std::vector<std::string>{"E"}));
  o = LadeUebDruck(TUebDruckArt::Kombination, st);
  o.BisStd = 6;
  EXPECT_EQ(TexteNach(Drucke(TUebDruckArt::Kombination, {l3}), "KRA"),
            (std::vector<std::string>{"E"}));
}

TEST_F(DruckUebTest, GespeicherterBereichWirdBeimLadenGeklemmtUndHaekchenSpielenZusammen) {
  st.fLUebDruckVonTag = 4;
  st.fLUebDruckBisTag = 2;
  st.fLUebDruckVonStd = 20;
  st.fLUebDruckBisStd = 3;
  st.fLUebDruckRandLi = 40;
  TUebDruckOptionen g = LadeUebDruck(TUebDruckArt::Lehrer, st);
  EXPECT_EQ(g.VonTag, 4);
  EXPECT_EQ(g.BisTag, 4);
  EXPECT_EQ(g.VonStd, 16);
  EXPECT_EQ(g.BisStd, 16);
  EXPECT_EQ(g.RandLi, 6);
  g.Mit[3] = true;
  UebHaekchenAbgleichen(TUebDruckArt::Raeume, g, 3);
  EXPECT_FALSE(g.Statt);
  g.Statt = true;
  UebHaekchenAbgleichen(TUebDruckArt::Raeume, g, -1);
  EXPECT_FALSE(g.Mit[3]);
  EXPECT_TRUE(g.Mit[1]);  // Räume: "mit Klasse" steht an zweiter Stelle
  g.Mit[1] = false;
  UebHaekchenAbgleichen(TUebDruckArt::Raeume, g, 1);
  EXPECT_FALSE(g.Statt);
  g.RandLi = 3;
  SpeichereUebDruck(TUebDruckArt::Lehrer, g, st);
  EXPECT_EQ(LadeUebDruck(TUebDruckArt::Lehrer, st), g);
}

TEST_F(DruckUebTest, FaecheruebersichtKursfolgeVorStundeTitelOhneStundenUndOhneFaecher) {
  TKurs* kD2 = Kurs(l2, fD, {k5b}, {r3}, nullptr, 1);
  kD2->NeueSetzung(1, 1, 2, r3);
  TFUebDruckOptionen f = LadeFUebDruck(st);
  f.Datum = false;
  f.Bem.clear();
  TPrevPrinter p(A4Masse(600), u.metrik);
  // Von D bis E in der Fachliste.
  TFach* von = fD;
  TFach* bis = fE;
  FUebBereichAbgleichen(von, bis, true);
  ASSERT_GT(DruckeFaecherUebersicht(f, von, bis, p), 0);
  const std::vector<std::string> t = Texte(p.Seite(1));
  ASSERT_GE(t.size(), 9u);
  EXPECT_EQ(t[2], "D ");
  // Montag: erst D in 5a (Stunde 5), dann D in 5b (Stunde 2): Kursfolge, nicht Stunde.
  EXPECT_EQ((std::vector<std::string>(t.begin() + 3, t.begin() + 9)),
            (std::vector<std::string>{"Mo", " 5", "5a", "R1", "MUE", "Müller"}));
  EXPECT_EQ((std::vector<std::string>(t.begin() + 9, t.begin() + 12)),
            (std::vector<std::string>{"Mo", " 2", "5b"}));
  // Jedes Fach von D bis E hat seinen Titel, auch eines ohne Stunden.
  TFach* leer = s.HoleFach("Z");
  EXPECT_GT(DruckeFaecherUebersicht(f, fD, leer, p), 0);
  EXPECT_TRUE(Enthaelt(Texte(p.Seite(p.PageCount())), "Z "));
  // "bis" vor "von": das andere folgt der letzten Wahl.
  von = leer;
  bis = fD;
  FUebBereichAbgleichen(von, bis, false);
  EXPECT_EQ(von, fD);
  TPrevPrinter q(A4Masse(600), u.metrik);
  EXPECT_EQ(DruckeFaecherUebersicht(f, nullptr, nullptr, q), 0);
  EXPECT_EQ(q.PageCount(), 0);
}

// Eine fette, kursive oder unterstrichene Druckschrift bleibt in jeder Zelle so, auch mit und
// nach Kopplungen fett und Fixierungen; nur die Auszeichnungen kommen hinzu.
TEST_F(DruckUebTest, AuszeichnungDerDruckschriftBleibtInDenZellen) {
  o.Font.Fett = o.Font.Kursiv = true;
  o.Fett = true;
  Drucke(TUebDruckArt::Lehrer, {l1, l2});
  int zellen = 0;
  for (const TZeichenBefehl& b : fSeiten[0])
    if (b.Art == TZeichenArt::Text) {
      EXPECT_TRUE(b.Schrift.Fett) << b.Text;
      EXPECT_TRUE(b.Schrift.Kursiv) << b.Text;
      zellen += b.Text == "5a";
    }
  EXPECT_EQ(zellen, 3);  // die drei Deutschstunden; gekoppelt steht G1 da
  o.Font.Fett = false;
  o.Font.Unterstrichen = true;
  Drucke(TUebDruckArt::Klassen, {k5a});
  for (const TZeichenBefehl& b : fSeiten[0]) {
    if (b.Art == TZeichenArt::Text) {
      EXPECT_TRUE(b.Schrift.Unterstrichen) << b.Text;
    }
  }
}

// Eine lange Folge von Fächern ohne Stunden: jeder Titel steht auf dem Blatt, die Titel gehen auf
// der nächsten Seite weiter.
TEST_F(DruckUebTest, FaecheruebersichtTitelOhneStundenBleibenAufDemBlatt) {
  for (int i = 0; i < 40; ++i) s.HoleFach("Z" + std::to_string(10 + i));
  TFUebDruckOptionen f = LadeFUebDruck(st);
  f.Bem.clear();
  TDruckerMasse klein = A4Masse(600);
  klein.Hoehe = klein.BlattHoehe = 900;
  TPrevPrinter p(klein, u.metrik);
  const auto& faecher = s.fFachMenge;
  ASSERT_GT(DruckeFaecherUebersicht(f, faecher[0], faecher[faecher.size() - 1], p), 0);
  ASSERT_GT(p.PageCount(), 2);
  int titel = 0;
  for (int n = 1; n <= p.PageCount(); ++n)
    for (const TZeichenBefehl& b : p.Seite(n))
      if (b.Art == TZeichenArt::Text) {
        EXPECT_LE(b.Y1 + 12, klein.Hoehe) << b.Text << " auf Seite " << n;
        titel += b.Text.rfind("Z", 0) == 0;
      }
  EXPECT_EQ(titel, 40);
}
