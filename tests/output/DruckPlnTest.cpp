// Die Stundenplandrucke an einer kleinen Schule: Layout, Seiten, Überschriften, Zelltexte in
// ihrer Folge, Marken und Farben, mit festen Textmaßen.
#include <gtest/gtest.h>

#include <algorithm>

#include "model/DatumUnit.h"
#include "output/DrBreiteUnit.h"
#include "output/DruckPlnUnit.h"
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

// Die Texte nach dem letzten Zeilenkopf (den Stundenbezeichnungen), also die der Zellen.
std::vector<std::string> ZellTexte(const TSeite& seite, const std::string& letzterKopf) {
  std::vector<std::string> t = Texte(seite);
  auto it = std::find(t.rbegin(), t.rend(), letzterKopf);
  return {it.base(), t.end()};
}

const TZeichenBefehl* TextBei(const TSeite& seite, const std::string& text, int n = 1) {
  for (const TZeichenBefehl& b : seite)
    if (b.Art == TZeichenArt::Text && b.Text == text && --n == 0) return &b;
  return nullptr;
}

class DruckPlnTest : public PlanTest {
 protected:
  DruckPlnTest() {
    st.fMaxTageNeu = 5;
    st.fPlnStd = 6;
    l1->SetInfo("M\xFCller");
    l1->fRaum = r1;
    k5a->fLehrer1 = l1;
    k5a->fRaum = r2;
    kD = Kurs(l1, fD, {k5a}, {r1}, nullptr, 2);
    kM = Kurs(l2, fM, {k5a}, {r2}, g, 1);
    kE = Kurs(l1, fE, {k5a, k5b}, {r1}, g, 1);
    kD->fColor = 0x00FFFF;
    kD->NeueSetzung(1, 1, 1, r1);
    kD->NeueSetzung(1, 2, 2, r1)->fFixiert = true;
    kM->NeueSetzung(1, 1, 1, r2);
    kE->NeueSetzung(1, 3, 3, r1);
    o = LadePlanDruck(TPlanDruckArt::Lehrer, st);
    o.Bem.clear();
    o.Datum = false;
    s.fDateiName = "Test.tmr";
    st.fSchulname = "Schule";
  }

  TSeite Drucke(TPlanDruckArt art, const std::vector<TPlanElement*>& liste, int* plaene = nullptr) {
    TPrevPrinter p(A4Masse(600), u.metrik);
    const int n = DruckePlaene(art, o, liste, p);
    if (plaene) *plaene = n;
    fSeiten = p.PageCount();
    return p.Seite(1);
  }

  TKurs *kD, *kM, *kE;
  TPlanDruckOptionen o;
  int fSeiten = 0;
};
}  // namespace

TEST_F(DruckPlnTest, LehrerplanMitKopfTitelRahmenUndZelltextenInFolge) {
  const TSeite seite = Drucke(TPlanDruckArt::Lehrer, {l1});
  EXPECT_EQ(fSeiten, 1);
  const std::vector<std::string> t = Texte(seite);
  ASSERT_GE(t.size(), 14u);
  EXPECT_EQ(
      (std::vector<std::string>(t.begin(), t.begin() + 14)),
      (std::vector<std::string>{"Seite 1", "Test.tmr   Schule", "MUE   Müller  (R1)  ( 5a )", "Mo",
                                "Di", "Mi", "Do", "Fr", " 1", " 2", " 3", " 4", " 5", " 6"}));
  // Kurse in Kursfolge des Lehrers; "Kopplung statt Klasse" setzt G1 für den gekoppelten Kurs.
  EXPECT_EQ(ZellTexte(seite, " 6"),
            (std::vector<std::string>{"5a", "D", "R1", "5a", "D", "R1", "G1", "E", "R1"}));
  // Fixierte Stunde unterstrichen, die anderen nicht.
  EXPECT_FALSE(TextBei(seite, "D", 1)->Schrift.Unterstrichen);
  EXPECT_TRUE(TextBei(seite, "D", 2)->Schrift.Unterstrichen);

  // Lage: h = 12; Spalten Klasse (auf Kopplungsbreite) 28, Fach 24, Raum 28; Zelle 80 × 32.
  const int rand = 236, h = 12;
  const TZeichenBefehl* mo = TextBei(seite, "Mo");
  EXPECT_EQ(mo->X1, rand + 28 + 10);
  EXPECT_EQ(mo->Y1, rand + 3 * h + h + 10);
  const TZeichenBefehl* d2 = TextBei(seite, "D", 2);  // Di, 2. Stunde
  const int zx = rand + 28 + 80, zy = rand + 3 * h + h + 32 + 32;
  EXPECT_EQ(d2->X1, zx + 10 + 28);
  EXPECT_EQ(d2->Y1, zy + 10);
}

TEST_F(DruckPlnTest, VorgabenDruckenKeineBemerkung) {
  for (TPlanDruckArt art : {TPlanDruckArt::Lehrer, TPlanDruckArt::Klassen, TPlanDruckArt::Raeume,
                            TPlanDruckArt::KoppLehrer, TPlanDruckArt::KoppKlassen}) {
    o = LadePlanDruck(art, st);
    const bool klasse = art == TPlanDruckArt::Klassen || art == TPlanDruckArt::KoppKlassen;
    const TSeite seite = Drucke(art, {klasse ? static_cast<TPlanElement*>(k5a) : l1});
    const std::vector<std::string> t = Texte(seite);
    ASSERT_GE(t.size(), 3u);
    EXPECT_EQ(std::count(t.begin(), t.end(), "Bemerkung"), 0) << static_cast<int>(art);
    // Die dritte Zeile ist gleich der Titel des Plans, keine leere Bemerkung davor.
    EXPECT_EQ(t[2].substr(0, 3), klasse ? "5a " : "MUE") << static_cast<int>(art);
  }
}

TEST_F(DruckPlnTest, LayoutIstReineFunktionUndMindestensEinPlanJeBlatt) {
  TPlanMasse m;
  m.h = 12;
  m.Kuerzel[0] = 8;
  m.Kuerzel[1] = 4;
  m.Kuerzel[2] = 8;
  m.Kuerzel[3] = 8;
  m.Kopplung = 16;
  m.Tag = 8;
  m.Std = 8;
  m.Stern = 4;
  m.BlattBreite = 4960;
  m.BlattHoehe = 7015;
  m.Rand[0] = m.Rand[2] = 236;
  o.BisStd = 6;
  TPlanLayout l = PlanLayoutBerechnen(TPlanDruckArt::Lehrer, o, m);
  EXPECT_EQ(l.Spalte[0], 36);  // Klasse auf die Kopplungsbreite gehoben
  EXPECT_EQ(l.Spalte[3], 0);
  EXPECT_EQ(l.ZellBreite, 36 + 24 + 28);
  EXPECT_EQ(l.ZellHoehe, 32);
  EXPECT_EQ(l.PlanBreite, 5 * 88 + 28 + 50);
  EXPECT_EQ(l.PlanHoehe, 6 * 32 + 48);
  EXPECT_EQ(l.Quer, (4960 - 236) / (5 * 88 + 78));
  EXPECT_EQ(l.Hoch, (7015 - 236 - 36) / 240);

  o.Neben = 1;  // untereinander; Tage links
  o.Links = 1;
  o.Mit[3] = true;
  o.Statt = false;
  l = PlanLayoutBerechnen(TPlanDruckArt::Lehrer, o, m);
  EXPECT_EQ(l.ZellBreite, 28);
  EXPECT_EQ(l.ZellHoehe, 4 * 12 + 20);
  EXPECT_EQ(l.Spalten, 6);  // die Stunden als Spalten
  EXPECT_EQ(l.LinksBreite, 28);
  for (bool& b : o.Mit) b = false;
  EXPECT_EQ(PlanLayoutBerechnen(TPlanDruckArt::Lehrer, o, m).ZellHoehe, 32);

  // Riesige Schrift und Ränder: trotzdem ein Plan je Blatt, keine Division durch null.
  m.h = 5000;
  m.Rand[0] = m.Rand[1] = 3000;
  l = PlanLayoutBerechnen(TPlanDruckArt::Lehrer, o, m);
  EXPECT_EQ(l.Quer, 1);
  EXPECT_EQ(l.Hoch, 1);
}

TEST_F(DruckPlnTest, SeitenZahlPlaetzeUndPlanversionen) {
  o.EineSeite = true;
  int plaene = 0;
  Drucke(TPlanDruckArt::Lehrer, {l1, l2, l3}, &plaene);
  EXPECT_EQ(plaene, 3);
  EXPECT_EQ(fSeiten, 3);  // jeder Plan auf ein eigenes Blatt

  o.EineSeite = false;
  TSeite seite = Drucke(TPlanDruckArt::Lehrer, {l1, l2, l3});
  EXPECT_EQ(fSeiten, 1);
  // Der zweite Plan steht neben dem ersten (Planbreite 478).
  EXPECT_EQ(TextBei(seite, "SCH   ")->X1, 236 + 478);
  EXPECT_EQ(TextBei(seite, "Seite 1")->X1, 236);
  // Ein Lehrer ohne Kurs und Sperrung (KRA, der letzte): leere Zellen, nur umrandet.
  EXPECT_TRUE(ZellTexte(seite, " 6").empty());

  ZweiWochen();
  s.VersionErweitern(3);
  o.Versionen = true;
  seite = Drucke(TPlanDruckArt::Lehrer, {l2});
  const std::vector<std::string> t = Texte(seite);
  EXPECT_EQ(std::count(t.begin(), t.end(), " {1}  SCH   "), 1);
  EXPECT_EQ(std::count(t.begin(), t.end(), " {2}  SCH   "), 1);
  EXPECT_EQ(std::count(t.begin(), t.end(), " {3}  SCH   "), 1);
  EXPECT_LT(TextBei(seite, " {1}  SCH   ")->X1, TextBei(seite, " {2}  SCH   ")->X1);
}

TEST_F(DruckPlnTest, KlassenplanNurErsterKursJeZelleLehrerplanAlle) {
  o = LadePlanDruck(TPlanDruckArt::Klassen, st);
  o.Bem.clear();
  o.Datum = false;
  TSeite seite = Drucke(TPlanDruckArt::Klassen, {k5a});
  EXPECT_EQ(Texte(seite)[2], "5a     (R2)  ( MUE  )");
  const std::vector<std::string> zellen = ZellTexte(seite, " 6");
  // Mo 1: nur der erste Kurs der Klasse; danach Di 2 und Mi 3 (gekoppelt: G1 statt Lehrer).
  const TKurs* erster = nullptr;
  for (TKurs* k : k5a->fKurse)
    if (!erster && (k == kD || k == kM)) erster = k;
  ASSERT_EQ(zellen.size(), 9u);
  const auto anzahl = [&](const char* t) { return std::count(zellen.begin(), zellen.end(), t); };
  EXPECT_EQ(anzahl("M"), erster == kM ? 1 : 0);
  EXPECT_EQ(anzahl("MUE"), erster == kM ? 1 : 2);

  // Lehrerplan: zwei Kurse in einer Zelle stehen übereinander.
  Kurs(l1, fM, {k5b}, {r3}, nullptr, 1)->NeueSetzung(1, 1, 1, r3);
  o = LadePlanDruck(TPlanDruckArt::Lehrer, st);
  o.Bem.clear();
  seite = Drucke(TPlanDruckArt::Lehrer, {l1});
  const TZeichenBefehl* a = TextBei(seite, "R1");
  const TZeichenBefehl* b = TextBei(seite, "R3");
  ASSERT_TRUE(a && b);
  EXPECT_EQ(a->X1, b->X1);
  EXPECT_EQ(a->Y1, b->Y1);

  // Raumplan R1: nur Stunden in diesem Raum, erster Text der Lehrer.
  o = LadePlanDruck(TPlanDruckArt::Raeume, st);
  o.Bem.clear();
  seite = Drucke(TPlanDruckArt::Raeume, {r1});
  EXPECT_EQ(ZellTexte(seite, " 6"),
            (std::vector<std::string>{"MUE", "5a", "D", "MUE", "5a", "D", "MUE", "G1", "E"}));
}

TEST_F(DruckPlnTest, MarkenFarbenSperrungenUndBereich) {
  for (bool& b : o.Mit) b = false;
  o.Farbe = true;
  o.Fett = true;
  l1->fSperrung.SetWocheTagStd(1, 5, 6, true);
  TSeite seite = Drucke(TPlanDruckArt::Lehrer, {l1});
  EXPECT_EQ(ZellTexte(seite, " 6"), (std::vector<std::string>{"+", "+", "o"}));
  EXPECT_TRUE(TextBei(seite, "o")->Schrift.Fett);
  EXPECT_FALSE(TextBei(seite, "+")->Schrift.Fett);
  int gelb = 0, silber = 0;
  for (const TZeichenBefehl& z : seite)
    if (z.Art == TZeichenArt::Fuellen) {
      gelb += z.Pinsel.Farbe == 0x00FFFF;
      silber += z.Pinsel.Farbe == 0xC0C0C0;
    }
  EXPECT_EQ(gelb, 2);    // die zwei Stunden des farbigen Kurses
  EXPECT_EQ(silber, 1);  // die gesperrte Zelle Fr 6

  // Von Dienstag bis Donnerstag: drei Spalten mit kurzen Tagesnamen; Montag fehlt.
  o.VonTag = 2;
  o.BisTag = 4;
  o.BisStd = 99;  // geklemmt auf fPlnStd
  seite = Drucke(TPlanDruckArt::Lehrer, {l1});
  const std::vector<std::string> t = Texte(seite);
  EXPECT_EQ((std::vector<std::string>(t.begin() + 3, t.begin() + 6)),
            (std::vector<std::string>{"Di", "Mi", "Do"}));
  EXPECT_EQ(t[6], " 1");
  EXPECT_EQ(ZellTexte(seite, " 6"), (std::vector<std::string>{"+", "o"}));

  // Von größer als bis: geklemmt, nie leer.
  TPlanDruckOptionen k = o;
  k.VonStd = 8;
  k.BisStd = 3;
  k.BisTag = 9;
  BereichKlemmen(k);
  EXPECT_EQ(std::vector<int>({k.VonTag, k.BisTag, k.VonStd, k.BisStd}),
            std::vector<int>({2, 5, 3, 3}));
}

TEST_F(DruckPlnTest, GeaenderteUndLeerePlaeneBeginnenKeinenAuftrag) {
  int plaene = -1;
  Drucke(TPlanDruckArt::Lehrer, {}, &plaene);
  EXPECT_EQ(plaene, 0);
  EXPECT_EQ(fSeiten, 0);
  o.Alle = false;
  o.Ab = AenderungsZeitpunkt(1, 1, 2039, 0, 0);
  Drucke(TPlanDruckArt::Lehrer, {l1, l2}, &plaene);
  EXPECT_EQ(plaene, 0);
  EXPECT_EQ(fSeiten, 0);  // kein Blatt mit dem Kopf allein
  l2->fLetzteAenderung = AenderungsZeitpunkt(2, 1, 2039, 0, 0);
  const TSeite seite = Drucke(TPlanDruckArt::Lehrer, {l1, l2}, &plaene);
  EXPECT_EQ(plaene, 1);
  EXPECT_EQ(Texte(seite)[2], "SCH   ");

  // 31. Februar wird der 28.; 24 Uhr 59 zählt einfach weiter.
  EXPECT_DOUBLE_EQ(AenderungsZeitpunkt(31, 2, 2025, 24, 59),
                   DatumZuZahl(2025, 2, 28) + 1.0 + 59.0 / 1440);
  EXPECT_DOUBLE_EQ(AenderungsZeitpunkt(31, 4, 2026, 6, 30), DatumZuZahl(2026, 4, 30) + 6.5 / 24);
}

TEST_F(DruckPlnTest, HaekchenSpielenZusammen) {
  o.Statt = true;
  o.Mit[3] = true;
  HaekchenAbgleichen(TPlanDruckArt::Lehrer, o, 3);
  EXPECT_FALSE(o.Statt);
  o.Statt = true;
  o.Mit[0] = false;
  HaekchenAbgleichen(TPlanDruckArt::Lehrer, o, -1);
  EXPECT_TRUE(o.Mit[0]);
  EXPECT_FALSE(o.Mit[3]);
  o.Mit[0] = false;
  HaekchenAbgleichen(TPlanDruckArt::Lehrer, o, 0);
  EXPECT_FALSE(o.Statt);
  // Raumpläne: "Kopplung statt Klasse" ersetzt die zweite Art.
  o.Statt = true;
  HaekchenAbgleichen(TPlanDruckArt::Raeume, o, -1);
  EXPECT_TRUE(o.Mit[1]);
  // Laden und Speichern treffen die Gruppe der Art.
  o.RandLi = 4;
  SpeicherePlanDruck(TPlanDruckArt::Raeume, o, st);
  EXPECT_EQ(st.fRPlnDruckRandLi, 4);
  EXPECT_EQ(st.fLPlnDruckRandLi, 1);
  EXPECT_EQ(LadePlanDruck(TPlanDruckArt::Raeume, st), o);
}

TEST_F(DruckPlnTest, KopplungsplanEinElementJeBlattZeilenWachsenMitInhalt) {
  Kurs(l1, fM, {k5b}, {r3}, nullptr, 1)->NeueSetzung(1, 1, 1, r3);
  o = LadePlanDruck(TPlanDruckArt::KoppLehrer, st);
  o.Bem.clear();
  o.Datum = false;
  int plaene = 0;
  TPrevPrinter p(A4Masse(600), u.metrik);
  plaene = DruckePlaene(TPlanDruckArt::KoppLehrer, o, {l1, l2}, p);
  EXPECT_EQ(plaene, 2);
  ASSERT_EQ(p.PageCount(), 2);
  EXPECT_EQ(Texte(p.Seite(2))[0], "Seite 2");
  const TSeite& seite = p.Seite(1);
  EXPECT_EQ(Texte(seite)[2], "MUE   Müller  (R1)  ( 5a)");
  // Mi 3: Kopplungsname mittig, dann je Klasse eine Zeile.
  EXPECT_EQ(ZellTexte(seite, " 6"),
            (std::vector<std::string>{"5a", "D", "R1", "5b", "M", "R3", "5a", "D", "R1", "G1", "5a",
                                      "E", "R1", "5b", "E", "R1"}));
  const int h = 12, x0 = 236 + 28, oben = 236 + 3 * h + h;
  const TZeichenBefehl* g1 = TextBei(seite, "G1");
  EXPECT_EQ(g1->X1, x0 + 2 * 80 + 10 + (80 - 8 - 20) / 2);
  // Zeilenhöhen: Stunde 1 zwei Zeilen, Stunde 3 drei Zeilen, sonst eine.
  const int z1 = oben + 32, z3 = z1 + 44 + 32;
  EXPECT_EQ(g1->Y1, z3 + 10);
  EXPECT_EQ(TextBei(seite, "5b", 2)->Y1, z3 + 10 + 2 * h);
  EXPECT_EQ(TextBei(seite, " 4")->Y1, z3 + 56 + 10);
}

TEST_F(DruckPlnTest, MesshilfenNachArtUndSchrift) {
  TPrevPrinter p(A4Masse(600), u.metrik);
  p.NewJob();
  p.Font = TSchrift{"Arial", 8};
  EXPECT_EQ(DrKueBreite(0, p), 12);   // "MUE": 3 × 4
  EXPECT_EQ(DrInfoBreite(0, p), 28);  // "Müller": 7 Bytes in UTF-8
  EXPECT_EQ(DrKueBreite(5, p), 0);    // keine UV-Tabelle
  p.Font.Fett = true;
  EXPECT_EQ(DrKueBreite(0, p), 15);
  st.fTagBez[3] = "Mittw";
  EXPECT_EQ(DrTagBreite(p), 25);
  st.fStdBez[1][16] = "16. Std";
  EXPECT_EQ(DrStdBreite(1, p), 35);
}

// Eine fette oder kursive Druckschrift bleibt in jeder Zelle, vor und nach einem Kurs mit
// Kopplung; auch in den Kopplungsplänen.
TEST_F(DruckPlnTest, AuszeichnungDerDruckschriftBleibtInDenZellen) {
  for (TPlanDruckArt art : {TPlanDruckArt::Lehrer, TPlanDruckArt::KoppLehrer}) {
    o = LadePlanDruck(art, st);
    o.Datum = false;
    o.Font.Fett = o.Font.Kursiv = true;
    const TSeite seite = Drucke(art, {l1});
    int texte = 0;
    for (const TZeichenBefehl& b : seite)
      if (b.Art == TZeichenArt::Text) {
        EXPECT_TRUE(b.Schrift.Fett) << b.Text;
        EXPECT_TRUE(b.Schrift.Kursiv) << b.Text;
        ++texte;
      }
    EXPECT_GT(texte, 10);
    // Nach dem Kurs in der Kopplung (E) steht D noch fett.
    const TZeichenBefehl* d = nullptr;
    for (const TZeichenBefehl& b : seite)
      if (b.Art == TZeichenArt::Text && b.Text == "D") d = &b;
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->Schrift.Fett);
  }
}
