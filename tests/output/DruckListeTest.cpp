// Die Listendrucke an einer kleinen Schule mit festen Textmaßen: Texte in ihrer Folge,
// Seitenumbrüche, Spalten und Kacheln und die Randfälle geklemmter Optionen.
#include <gtest/gtest.h>

#include <algorithm>

#include "model/UVTabelleUnit.h"
#include "output/DruckListeUnit.h"
#include "output/PrevPrinterUnit.h"
#include "planning/ParTabelleUnit.h"
#include "planning/PlanHilfe.h"
#include "planning/SetzungUnit.h"

namespace {
std::vector<std::string> Texte(const TSeite& seite) {
  std::vector<std::string> t;
  for (const TZeichenBefehl& b : seite)
    if (b.Art == TZeichenArt::Text) t.push_back(b.Text);
  return t;
}

std::vector<std::string> AlleTexte(const TPrevPrinter& p) {
  std::vector<std::string> t;
  for (int n = 1; n <= p.PageCount(); ++n)
    for (const std::string& s : Texte(p.Seite(n))) t.push_back(s);
  return t;
}

const TZeichenBefehl* TextBei(const TSeite& seite, const std::string& text) {
  for (const TZeichenBefehl& b : seite)
    if (b.Art == TZeichenArt::Text && b.Text == text) return &b;
  return nullptr;
}

// Ein kleines Blatt: so kommen Umbrüche schon bei wenigen Zeilen.
TDruckerMasse Blatt(int hoehe) {
  TDruckerMasse m = A4Masse(600);
  m.Hoehe = m.BlattHoehe = hoehe;
  return m;
}

class DruckListeTest : public PlanTest {
 protected:
  DruckListeTest() {
    st.fMaxTageNeu = 5;
    st.fMitNullStd = true;
    l1->SetInfo("M\xFCller");
    l1->SetSoll(0, 5);
    k5a->fLehrer1 = l1;
    kD = Kurs(l1, fD, {k5a}, {r1}, nullptr, 4);
    kE = Kurs(l1, fE, {k5a, k5b}, {r1}, g, 2);
    s.fDateiName = "Test.tmr";
    st.fSchulname = "Schule";
  }
  TKurs *kD, *kE;
};
}  // namespace

TEST_F(DruckListeTest, LehrerdeputatTexteInFolge) {
  TDepDruckOptionen o = LadeDepDruck(st);
  TPrevPrinter p(A4Masse(600), u.metrik);
  ASSERT_EQ(DruckeDeputate(o, {l1}, p), 1);
  const std::vector<std::string> t = Texte(p.Seite(1));
  EXPECT_EQ(t, (std::vector<std::string>{KopfDatumText(Jetzt()) + "Seite 1",
                                         "Test.tmr   Schule",
                                         "Lehrerdeputat MUE  Müller ( 5a )",
                                         "Soll:  5.0  Ist:  6.0  Rest: -1.0",
                                         "Wert",
                                         "Std",
                                         "Le",
                                         "Fa",
                                         "Kl",
                                         "Ko",
                                         "Ra",
                                         " 4.0",
                                         "4",
                                         "MUE",
                                         "D",
                                         "5a",
                                         "R1",
                                         " 2.0",
                                         "2",
                                         "MUE",
                                         "E",
                                         "5a",
                                         "G1",
                                         "R1"}));
  // Zahlen enden an der rechten Kante ihrer Spalte: "Std" und "4" rechtsbündig gleich.
  const TZeichenBefehl* kopf = TextBei(p.Seite(1), "Std");
  const TZeichenBefehl* wert = TextBei(p.Seite(1), "4");
  ASSERT_TRUE(kopf && wert);
  EXPECT_EQ(kopf->X1 + 3 * 4, wert->X1 + 4);
}

TEST_F(DruckListeTest, KlassenlisteZeilenUndNullStundenkurse) {
  TDepDruckOptionen o = LadeDepDruck(st);
  TKurs* drei = Kurs(l2, fM, {k5a, k5b, s.HoleKlasse("5c")}, {r2}, nullptr, 1);
  EXPECT_EQ(DepKursZeilen(o, *drei), 1);
  o.KlListe = true;
  EXPECT_EQ(DepKursZeilen(o, *drei), 3);
  // Ein Kurs ohne Klassen und Räume mit beiden Listen: eine Zeile, kein Text außerhalb.
  o.RaListe = true;
  TKurs* ohne = Kurs(l2, fM, {}, {}, nullptr, 1);
  EXPECT_EQ(DepKursZeilen(o, *ohne), 1);
  TPrevPrinter p(A4Masse(600), u.metrik);
  ASSERT_EQ(DruckeDeputate(o, {l2}, p), 1);
  const std::vector<std::string> t = Texte(p.Seite(1));
  EXPECT_EQ(std::count(t.begin(), t.end(), "5c"), 1);
  // Ein Kurs ohne Stunden: ohne "Kurse mit 0 Stunden" nur Kopf und Spaltenzeile.
  TKurs* null = Kurs(l3, fM, {k5a}, {r2}, nullptr, 0);
  st.fMitNullStd = false;
  EXPECT_EQ(DepKursZeilen(o, *null), 0);
  TPrevPrinter q(A4Masse(600), u.metrik);
  DruckeDeputate(o, {l3}, q);
  const std::vector<std::string> tq = Texte(q.Seite(1));
  EXPECT_EQ(tq.back(), "Ra");
}

TEST_F(DruckListeTest, EineSeiteProDeputatUndUeberlangeBloeckeBrechenEinmalUm) {
  TDepDruckOptionen o = LadeDepDruck(st);
  o.EineSeite = true;
  TPrevPrinter p(A4Masse(600), u.metrik);
  ASSERT_EQ(DruckeDeputate(o, {l1, l2, l3}, p), 3);
  ASSERT_EQ(p.PageCount(), 3);
  EXPECT_EQ(Texte(p.Seite(1))[2], "Lehrerdeputat MUE  Müller ( 5a )");
  EXPECT_EQ(Texte(p.Seite(2))[2], "Lehrerdeputat SCH   ( )");
  // Ein Block, der höher ist als ein Blatt: er läuft über mehrere Seiten, jede Kurszeile
  // genau einmal, und der Druck endet.
  for (int i = 0; i < 30; ++i) Kurs(l2, fM, {k5a}, {r2}, nullptr, 1);
  o.EineSeite = false;
  TPrevPrinter q(Blatt(600), u.metrik);
  ASSERT_EQ(DruckeDeputate(o, {l1, l2}, q), 2);
  EXPECT_GT(q.PageCount(), 2);
  EXPECT_LT(q.PageCount(), 20);
  const std::vector<std::string> t = AlleTexte(q);
  EXPECT_EQ(std::count(t.begin(), t.end(), "SCH"), 30);
  // Keine Seite trägt nur den Kopf.
  for (int n = 1; n <= q.PageCount(); ++n) EXPECT_GT(Texte(q.Seite(n)).size(), 2u) << n;
  // Ein Block, höher als das Blatt, oben auf einer frischen Seite: kein weiterer Umbruch.
  TPrevPrinter leer(Blatt(600), u.metrik);
  TListRahmen rahmen(leer, o.Font, 1, false);
  rahmen.Beginnen();
  rahmen.Brauche(100 * rahmen.h);
  EXPECT_EQ(leer.PageCount(), 1);
  rahmen.Zeile();
  rahmen.Brauche(100 * rahmen.h);
  EXPECT_EQ(leer.PageCount(), 2);
}

TEST_F(DruckListeTest, GespeicherteWahlenWerdenGeklemmtBevorSieEtwasWaehlen) {
  st.fDepDruckArt = 9;
  st.fRestDruckArt = -2;
  st.fSVDruckArt = 7;
  st.fDepDruckRand = 12;
  EXPECT_EQ(LadeDepDruck(st).Art, 5);
  EXPECT_EQ(LadeDepDruck(st).Rand, 6);
  EXPECT_EQ(LadeRestDruck(st).Art, 0);
  EXPECT_EQ(LadeSVDruck(st).Art, 4);
  // Auch unmittelbar übergebene Werte außerhalb zeigen auf keine fremde Liste.
  TRestDruckOptionen r;
  r.Art = 9;
  TPrevPrinter p(A4Masse(600), u.metrik);
  EXPECT_EQ(DruckeReststunden(r, {fD, fE}, p), 2);
  EXPECT_EQ(Texte(p.Seite(1))[2], "Fächer");
}

TEST_F(DruckListeTest, SiebenKuerzelInDreiSpaltenLaufenAbwaerts) {
  const TKueRaster g = KueRasterBerechnen(7, 1000, 100, 300);
  EXPECT_EQ(g.Spalten, 3);
  EXPECT_EQ(g.Zeilen, 3);
  EXPECT_EQ(KueRasterBerechnen(7, 100, 100, 300).Spalten, 1);
  EXPECT_EQ(KueRasterBerechnen(0, 1000, 100, 300).Zeilen, 0);
  // Sieben Räume R1..R7 im Druck: Spalte 1 R1 R2 R3, Spalte 2 R4 R5 R6, Spalte 3 R7.
  for (int i = 4; i <= 7; ++i) s.HoleRaum("R" + std::to_string(i));
  TKueDruckOptionen o = LadeKueDruck(st);
  for (bool& a : o.Art) a = false;
  o.Art[4] = true;
  o.Rand = 0;
  TPrevPrinter mess(A4Masse(600), u.metrik);
  mess.NewJob();
  mess.Font = o.Font;
  const int abstand = mess.TextWidth("R1") + mess.TextWidth("A") + mess.TextWidth("AA");
  TDruckerMasse m = A4Masse(600);
  m.Breite = m.BlattBreite = 3 * abstand + 1;
  TPrevPrinter p(m, u.metrik);
  ASSERT_EQ(DruckeKuerzel(o, p), 1);
  const TSeite& seite = p.Seite(1);
  EXPECT_EQ(TextBei(seite, "Raumkürzel")->Y1 + 12, TextBei(seite, "R1")->Y1);
  std::vector<std::vector<std::string>> spalten(3);
  for (const TZeichenBefehl& b : seite)
    if (b.Art == TZeichenArt::Text && b.Text.size() == 2 && b.Text[0] == 'R')
      spalten[static_cast<std::size_t>(b.X1 / abstand)].push_back(b.Text);
  for (auto& sp : spalten) std::sort(sp.begin(), sp.end());
  EXPECT_EQ(spalten, (std::vector<std::vector<std::string>>{
                         {"R1", "R2", "R3"}, {"R4", "R5", "R6"}, {"R7"}}));
  EXPECT_EQ(TextBei(seite, "R7")->Y1, TextBei(seite, "R1")->Y1);
}

TEST_F(DruckListeTest, KachelnGenauZweiBreitSindZweiGruppen) {
  const TKacheln k = KachelnBerechnen(10, 3, 5, 4);
  EXPECT_EQ(k.Spaltengruppen, 2);
  EXPECT_EQ(k.Zeilengruppen, 1);
  EXPECT_EQ(KachelnBerechnen(11, 9, 5, 4).Spaltengruppen, 3);
  EXPECT_EQ(KachelnBerechnen(11, 9, 5, 4).Zeilengruppen, 3);
  const TKacheln eng = KachelnBerechnen(4, 4, -3, 0);
  EXPECT_EQ(eng.N, 1);
  EXPECT_EQ(eng.M, 1);
  EXPECT_EQ(eng.Spaltengruppen, 4);
  // Die UV-Tabelle Lehrer/Klassen: Titel, Kopfzeile, Restsoll und Zellen; MUE hat in 5a zwei
  // Kurse, der Block der 5a ist zwei Spalten breit.
  TUVTab* tab = s.HoleUVTab("UV1");
  tab->NeuerLehrer(l1);
  tab->NeueKlasse(k5a);
  tab->NeueKlasse(k5b);
  TPrevPrinter p(A4Masse(600), u.metrik);
  TUVRaster raster;
  raster.Aufbauen(*tab);
  ASSERT_EQ(DruckeUVTabelle(LadeUVDruck(st), tab, raster, false, p), 1);
  const std::vector<std::string> t = Texte(p.Seite(1));
  EXPECT_EQ((std::vector<std::string>(t.begin() + 2, t.end())),
            (std::vector<std::string>{"UV-Tabelle UV1", "5a", "5a", "5b", "MUE", "-1.0", " 4.0",
                                      "D", " 2.0", "E", " 2.0", "E"}));
  // E ist in 5b nicht die erste Klasse: kursiv.
  int kursiv = 0;
  for (const TZeichenBefehl& b : p.Seite(1))
    if (b.Art == TZeichenArt::Text && b.Schrift.Kursiv) ++kursiv;
  EXPECT_EQ(kursiv, 2);
}

// Der UV-Druck zeigt das Raster des Fensters: ein Klassenblock aus zwei Zeilen für die zwei
// Sportkurse der 5a, beide Fächer eines Lehrers in derselben Klasse, und die leere Zeile, die
// der Benutzer im Fenster eingefügt hat. Jede Zelle des Rasters steht in ihrem Kasten.
TEST_F(DruckListeTest, UVTabelleDrucktDasRasterDesFensters) {
  TFach* sp = s.HoleFach("Sp");
  TKurs* sp1 = Kurs(l2, sp, {k5a}, {}, nullptr, 2);
  TKurs* sp2 = Kurs(l3, sp, {k5a}, {}, nullptr, 2);
  TUVTab* tab = s.HoleUVTab("UV2");
  tab->fIstFach = true;
  for (TFach* f : {fD, fE, sp}) tab->NeuesFach(f);
  tab->NeueKlasse(k5a);
  tab->NeueKlasse(k5b);
  TUVRaster raster;
  raster.Aufbauen(*tab);
  ASSERT_TRUE(raster.ZeileEinfuegen(3, k5a));  // wie Strg+Doppelklick im Fenster
  ASSERT_EQ(raster.Zeilen(), 4);               // 5a, 5a, 5a (leer), 5b
  ASSERT_EQ(raster.Spalten(), 3);
  ASSERT_EQ(raster.Kurs(3, 1), sp1);
  ASSERT_EQ(raster.Kurs(3, 2), sp2);

  st.fUVDruckFont.Groesse = 10;
  TPrevPrinter p(A4Masse(600), u.metrik);
  ASSERT_EQ(DruckeUVTabelle(LadeUVDruck(st), tab, raster, false, p), 1);
  const TSeite& seite = p.Seite(1);
  // Die Kästen der Zeilenköpfe: vier Zeilen, drei davon 5a.
  std::vector<const TZeichenBefehl*> koepfe;
  for (const TZeichenBefehl& b : seite)
    if (b.Art == TZeichenArt::Text && (b.Text == "5a" || b.Text == "5b")) koepfe.push_back(&b);
  ASSERT_EQ(koepfe.size(), 4u);
  EXPECT_EQ(koepfe[0]->Text, "5a");
  EXPECT_EQ(koepfe[2]->Text, "5a");
  EXPECT_EQ(koepfe[3]->Text, "5b");
  const int x0 = koepfe[0]->X1, zeile = koepfe[1]->Y1 - koepfe[0]->Y1;
  const TZeichenBefehl* dKopf = TextBei(seite, "D");
  const TZeichenBefehl* spKopf = TextBei(seite, "Sp");
  ASSERT_NE(dKopf, nullptr);
  ASSERT_NE(spKopf, nullptr);
  const int spalte = TextBei(seite, "E")->X1 - dKopf->X1;
  // Zelle (Spalte, Zeile) des Rasters: der Lehrer des Kurses steht dort.
  auto lehrerIn = [&](int c, int r) -> std::string {
    for (const TZeichenBefehl& b : seite)
      if (b.Art == TZeichenArt::Text && b.X1 > x0 + c * spalte && b.X1 < x0 + (c + 1) * spalte &&
          b.Y1 == koepfe[0]->Y1 + (r - 1) * zeile &&
          (b.Text == "MUE" || b.Text == "SCH" || b.Text == "KRA"))
        return b.Text;
    return {};
  };
  for (int r = 1; r <= raster.Zeilen(); ++r)
    for (int c = 1; c <= raster.Spalten(); ++c) {
      const TKurs* k = raster.Kurs(c, r);
      EXPECT_EQ(lehrerIn(c, r), k ? k->fLehrer->fKuerzel.str() : std::string()) << c << ',' << r;
    }
  EXPECT_EQ(lehrerIn(3, 1), "SCH");
  EXPECT_EQ(lehrerIn(3, 2), "KRA");  // die zweite Sportgruppe
  EXPECT_EQ(lehrerIn(1, 1), "MUE");  // MUE in 5a mit Deutsch …
  EXPECT_EQ(lehrerIn(2, 1), "MUE");  // … und Englisch
  EXPECT_EQ(lehrerIn(2, 4), "MUE");  // Englisch auch in 5b (nicht erste Klasse: kursiv)
}

TEST_F(DruckListeTest, LeereListenDruckenKeineSeite) {
  TPrevPrinter p(A4Masse(600), u.metrik);
  EXPECT_EQ(DruckeDeputate(LadeDepDruck(st), {}, p), 0);
  EXPECT_EQ(DruckeKonferenzen(true, LadeFaKonfDruck(st), {}, p), 0);
  EXPECT_EQ(DruckeReststunden(LadeRestDruck(st), {}, p), 0);
  EXPECT_EQ(DruckeStundenverteilung(LadeSVDruck(st), {nullptr}, p), 0);
  EXPECT_EQ(DruckeFehlerliste(LadeFehlDruck(st), {}, p), 0);
  EXPECT_EQ(DruckeUVTabellen(LadeUVDruck(st), {}, false, p), 0);
  TKueDruckOptionen k = LadeKueDruck(st);
  for (bool& a : k.Art) a = false;
  EXPECT_EQ(DruckeKuerzel(k, p), 0);
  EXPECT_EQ(p.PageCount(), 0);
  EXPECT_TRUE(ElementBereich(leh, l3, l1).empty() || ElementBereich(leh, l1, l3).empty());
}

TEST_F(DruckListeTest, KonferenzEintraegeUndUmbruchBleibenAufDemBlatt) {
  fD->NeuerLehrer(l1);
  fD->NeuerLehrer(l2);
  TKonfDruckOptionen o = LadeFaKonfDruck(st);
  {
    TPrevPrinter p(A4Masse(600), u.metrik);
    ASSERT_EQ(DruckeKonferenzen(true, o, {fD}, p), 1);
    const std::vector<std::string> t = Texte(p.Seite(1));
    EXPECT_EQ(
        (std::vector<std::string>(t.begin() + 2, t.end())),
        (std::vector<std::string>{"Fachkonferenz D", "MUE", "Müller", "[ 4.0 (4) D 5a] ", "SCH"}));
    o.Einsatz = true;  // SCH unterrichtet kein D
    TPrevPrinter q(A4Masse(600), u.metrik);
    DruckeKonferenzen(true, o, {fD}, q);
    EXPECT_EQ(Texte(q.Seite(1)).back(), "[ 4.0 (4) D 5a] ");
    // Eine gemeinsame Konferenz nennt jedes Fach mit einem Leerzeichen dahinter.
    o.Einzeln = false;
    TPrevPrinter g(A4Masse(600), u.metrik);
    DruckeKonferenzen(true, o, {fD, fE}, g);
    EXPECT_EQ(Texte(g.Seite(1))[2], "Fachkonferenz D E ");
  }
  // Viele Kurse: die Einträge brechen um; jede umbrochene Zeile prüft den Platz.
  for (int i = 0; i < 60; ++i) Kurs(l1, fD, {k5b}, {r1}, nullptr, 1);
  const int hoehe = 420, breite = 800;
  TDruckerMasse schmal = Blatt(hoehe);
  schmal.Breite = schmal.BlattBreite = breite;
  TPrevPrinter p(schmal, u.metrik);
  ASSERT_EQ(DruckeKonferenzen(false, LadeKlKonfDruck(st), {k5b}, p), 1);
  EXPECT_GT(p.PageCount(), 1);
  int eintraege = 0;
  for (int n = 1; n <= p.PageCount(); ++n)
    for (const TZeichenBefehl& b : p.Seite(n)) {
      if (b.Art != TZeichenArt::Text) continue;
      EXPECT_LE(b.Y1 + 12, hoehe) << "Seite " << n << ": " << b.Text;
      EXPECT_LE(b.X1 + 4 * static_cast<int>(b.Text.size()), breite - 50 + 4);
      if (b.Text.rfind("[", 0) == 0) ++eintraege;
    }
  EXPECT_EQ(eintraege, 61);  // E und die 60 neuen Kurse
}

TEST_F(DruckListeTest, ReststundenFaecherZeigenIhreNichtGezaehltenStunden) {
  kD->fNichtZaehlenLe = true;
  TRestDruckOptionen o = LadeRestDruck(st);
  o.Art = 2;
  TPrevPrinter p(A4Masse(600), u.metrik);
  ASSERT_EQ(DruckeReststunden(o, ElementBereich(fac, fD, fD), p), 1);
  const std::vector<std::string> t = Texte(p.Seite(1));
  // Kopf, dann D: Lehrerzahl (MUE), Soll, Ist, Rest, n.z.Le., n.z.Kl., n.verpl.; dann die Summe.
  EXPECT_EQ((std::vector<std::string>(t.begin() + 2, t.end())),
            (std::vector<std::string>{"Fächer",  "Lehrer",   "Soll", "Ist",   "Rest",  "n.z.Le.",
                                      "n.z.Kl.", "n.verpl.", "D",    "1",     " 4.0",  " 4.0",
                                      " 0.0",    " 4.0",     " 0.0", " 0.0",  "Summe", "1",
                                      "  4.0",   "  4.0",    " 0.0", "  4.0", " 0.0",  " 0.0"}));
}

TEST_F(DruckListeTest, VertretungskontenMitSumme) {
  l1->fVStunden1 = 3;
  l2->fVStunden2 = -2;
  TPrevPrinter p(A4Masse(600), u.metrik);
  ASSERT_EQ(DruckeVertretungsstunden(LadeVStdDruck(st), p), 3);
  const std::vector<std::string> t = Texte(p.Seite(1));
  EXPECT_EQ((std::vector<std::string>(t.end() - 3, t.end())),
            (std::vector<std::string>{"Summe", " 3.0", "-2.0"}));
}

TEST_F(DruckListeTest, StundenverteilungZaehltEineFesteGekoppelteStundeEinmal) {
  kE->NeueSetzung(1, 1, 1, r1)->fFixiert = true;
  TSVDruckOptionen o = LadeSVDruck(st);
  o.Art = 1;
  TPrevPrinter p(A4Masse(600), u.metrik);
  ASSERT_EQ(DruckeStundenverteilung(o, ElementBereich(kla, k5a, k5a), p), 1);
  const std::vector<std::string> t = Texte(p.Seite(1));
  // Nach der Zeile der Klasse: je Tag und Stunde eine Ziffer; Mo 1 zählt 1.
  const auto it = std::find(t.begin(), t.end(), "5a");
  ASSERT_NE(it, t.end());
  EXPECT_EQ(*(it + 1), "1");
  EXPECT_EQ(std::count(it + 1, t.end(), "1"), 1);
  EXPECT_EQ(std::count(it + 1, t.end(), "0"), 5 * 16 - 1);
}

TEST_F(DruckListeTest, ParalleleKopplungenMitLehrernUndKonflikten) {
  TKopplung* g2 = s.HoleKopplung("G2");
  Kurs(l1, fM, {k5b}, {r2}, g2, 1);
  TParTabelle t(2, 2, false);
  t.Setze(1, 1, g);
  t.Setze(1, 2, g2);
  t.AlleSchnitte();
  TListDruckOptionen o = LadeParDruck(st);
  o.MitLe = o.MitFa = o.MitKonfl = true;
  TPrevPrinter p(A4Masse(600), u.metrik);
  ASSERT_EQ(DruckeParallelKopplungen(o, t, p), 2);
  const std::vector<std::string> texte = Texte(p.Seite(1));
  EXPECT_EQ((std::vector<std::string>(texte.begin() + 2, texte.end())),
            (std::vector<std::string>{
                "Parallele Kopplungen", "1:", "1", "G1", "MUE", "E", "G2", "MUE", "M", "2:", "0",
                "Konflikte bei der Kopplungsparallelisierung", "Zeile 1:", "MUE", "[G1, G2]"}));
}

TEST_F(DruckListeTest, KlassendeputatUndAlleKurseOhneKopf) {
  k5a->fRaum = r2;
  k5a->fLehrer2 = l2;
  TDepDruckOptionen o = LadeDepDruck(st);
  TPrevPrinter p(A4Masse(600), u.metrik);
  ASSERT_EQ(DruckeDeputate(o, {k5a, fD}, p), 2);
  const std::vector<std::string> t = Texte(p.Seite(1));
  EXPECT_EQ(t[2], "Klassendeputat 5a   ( R2 MUE SCH )");
  EXPECT_EQ(t[4], "Wert");
  EXPECT_NE(std::find(t.begin(), t.end(), "Fachdeputat D  "), t.end());
  EXPECT_NE(std::find(t.begin(), t.end(), "Lehrer: 1  Klassen: 1"), t.end());
  o.Art = 5;
  TPrevPrinter q(A4Masse(600), u.metrik);
  ASSERT_EQ(DruckeDeputate(o, {}, q), 1);
  const std::vector<std::string> tq = Texte(q.Seite(1));
  EXPECT_EQ((std::vector<std::string>(tq.begin() + 2, tq.begin() + 4)),
            (std::vector<std::string>{" 4.0", "4"}));
  EXPECT_EQ(std::find(tq.begin(), tq.end(), "Wert"), tq.end());
}

TEST_F(DruckListeTest, StundenverteilungZeichenSperrungOhneHaekchenFlach) {
  k5a->fSperrung.SetWocheTagStd(1, 2, 1, true);
  kD->NeueSetzung(1, 1, 1, r1);
  TSVDruckOptionen o = LadeSVDruck(st);
  o.Art = 1;
  auto zeichne = [&](bool sperr, bool farbe) {
    o.Sperr = sperr;
    o.Farbe = farbe;
    TPrevPrinter p(A4Masse(600), u.metrik);
    DruckeStundenverteilung(o, {k5a}, p);
    return p.Seite(1);
  };
  auto gefuellt = [](const TSeite& seite, TColor farbe) {
    int n = 0;
    for (const TZeichenBefehl& b : seite)
      if (b.Art == TZeichenArt::Rechteck && !b.Pinsel.Leer && b.Pinsel.Farbe == farbe) ++n;
    return n;
  };
  EXPECT_EQ(gefuellt(zeichne(true, false), 0xC0C0C0), 1);  // Di 1 gesperrt: silbern
  EXPECT_EQ(gefuellt(zeichne(true, true), 0x008080), 1);   // mit Farbe oliv
  EXPECT_EQ(gefuellt(zeichne(false, true), 0x008080), 0);  // ohne Sperrungen flach
  // Mo 1 (Unterricht) ist eine Ellipse oder ein Rechteck in voller Höhe, nie flach.
  int ellipsen = 0;
  for (const TZeichenBefehl& b : zeichne(false, false))
    if (b.Art == TZeichenArt::Ellipse) ++ellipsen;
  EXPECT_GE(ellipsen, 1);
}
