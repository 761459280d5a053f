// Die Regeln der Vertretungswahl: Kandidaten in Listenfolge nach den Ausschlussregeln, ihre
// Spalten und Marken, der Tagesplan, die Statt-Suchen, die Bemerkungsknöpfe, die Knöpfe mit den
// Konten und das Blättern durch die Vertretungen des Tages.
#include "VertretungHilfe.h"
#include "substitution/VWahlUnit.h"

namespace {

class VWahlTest : public VertretungsTest {
 protected:
  VWahlTest() {
    st.fVertrLeAuswahl = 2;
    st.fVertrFreiCheck = true;
    st.fVertrRandCheck = false;
    st.fVertrVStdAuswahl = 0;
    st.fVertrPlnAuswahl = 0;
  }
  // Die Kürzel der Lehrer- bzw. Raumliste, mit Komma verbunden.
  static std::string Kuerzel(const std::vector<TVWahlZeile>& liste) {
    std::string s;
    for (const TVWahlZeile& z : liste) s += (s.empty() ? "" : ",") + z.Kuerzel;
    return s;
  }
  const TVWahlZeile* Zeile(const std::vector<TVWahlZeile>& liste, const std::string& k) {
    for (const TVWahlZeile& z : liste)
      if (z.Kuerzel == k) return &z;
    return nullptr;
  }
  // Ein Fenster, das sich wie das echte beim Schließen von seiner Vertretung löst.
  struct TWahlFenster : TFakeFenster {
    using TFakeFenster::TFakeFenster;
    void Schliessen() override {
      ++fGeschlossen;
      if (fWahl) fWahl->Loesen();
    }
    TVWahl* fWahl = nullptr;
  };
  TWahlFenster fenster{FensterArt::VertretungsWahl, "Vertretungswahl"};
  TVWahl wahl{&fenster};
  void SetUp() override { fenster.fWahl = &wahl; }
};

TEST_F(VWahlTest, ListeInLehrerfolgeOhneAbwesendeBesetzteUndSchonVertretende) {
  TLehrer* l4 = s.HoleLehrer("ALT");
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 4);
  TKurs* b = Kurs(l2, fM, {k5b}, {r2}, nullptr, 4);
  TKurs* c = Kurs(l3, fE, {k5b}, {r3}, nullptr, 4);
  TSetzung* pa = a->NeueSetzung(1, 1, 3, r1);
  b->NeueSetzung(1, 1, 3, r2);
  TSetzung* pc = c->NeueSetzung(1, 1, 4, r3);
  c->NeueSetzung(1, 1, 2, r3);
  Abwesend(l1, Tag(0), 1, 16);
  std::vector<std::string> folge;
  for (TLehrer* l : s.fLehrerMenge) folge.push_back(l->fKuerzel.str());
  ASSERT_EQ(folge, (std::vector<std::string>{"MUE", "SCH", "KRA", "ALT"}));
  wahl.IVWahlForm(Von(pa, Tag(0)));
  EXPECT_EQ(Von(pa, Tag(0))->fFenster, &fenster);
  EXPECT_TRUE(wahl.fLehrerModus);
  EXPECT_EQ(wahl.fStd, 3);
  // MUE fehlt, SCH unterrichtet in der Stunde.
  EXPECT_EQ(Kuerzel(wahl.LehrerListe()), "KRA,ALT");
  st.fVertrFreiCheck = false;
  EXPECT_EQ(Kuerzel(wahl.LehrerListe()), "SCH,KRA,ALT");
  // Wer in der Stunde schon vertritt, ist nicht frei; ohne "freie Lehrer" steht er grün da.
  st.fVertrFreiCheck = true;
  Abwesend(l3, Tag(0), 4, 4);
  u.dialog.Antworte("Ja");  // ALT hat an dem Tag frei
  ASSERT_TRUE(Von(pc, Tag(0))->TrageLehrerEin(l4, nullptr));
  TSetzung* pa2 = a->NeueSetzung(1, 1, 4, r1);
  wahl.IVWahlForm(Von(pa2, Tag(0)));
  EXPECT_EQ(Kuerzel(wahl.LehrerListe()), "SCH");
  st.fVertrFreiCheck = false;
  const auto liste = wahl.LehrerListe();
  EXPECT_EQ(Kuerzel(liste), "SCH,ALT");
  ASSERT_NE(Zeile(liste, "ALT"), nullptr);
  EXPECT_TRUE(Zeile(liste, "ALT")->Streifen[3].Gruen);
  EXPECT_FALSE(Zeile(liste, "ALT")->Streifen[2].Gruen);
  // Gesperrt schließt immer aus.
  l2->fSperrung.SetWocheTagStd(1, 1, 4, true);
  EXPECT_EQ(Kuerzel(wahl.LehrerListe()), "ALT");
}

TEST_F(VWahlTest, BesetzterLehrerIstFreiWennSeineKlassenFehlen) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 4);
  TKurs* b = Kurs(l2, fM, {k5b}, {r2}, nullptr, 4);
  TSetzung* pa = a->NeueSetzung(1, 1, 3, r1);
  b->NeueSetzung(1, 1, 3, r2);
  b->NeueSetzung(1, 1, 4, r2);
  Abwesend(l1, Tag(0), 3, 3);
  wahl.IVWahlForm(Von(pa, Tag(0)));
  EXPECT_EQ(Zeile(wahl.LehrerListe(), "SCH"), nullptr);
  Abwesend(k5b, Tag(0), 3, 3);
  const auto liste = wahl.LehrerListe();
  const TVWahlZeile* z = Zeile(liste, "SCH");
  ASSERT_NE(z, nullptr);
  EXPECT_TRUE(z->Frei);
  EXPECT_TRUE(z->Streifen[2].Rot);   // seine ausfallende Stunde
  EXPECT_FALSE(z->Streifen[3].Rot);  // Stunde 4 findet statt
  EXPECT_EQ(z->Streifen[3].Zeichen, 'E');
  EXPECT_FALSE(Zeile(liste, "KRA")->Frei);
}

TEST_F(VWahlTest, RandstundenNurNebenOderInnerhalbDesUnterrichtstags) {
  st.fVertrRandCheck = true;
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 8);
  TKurs* b = Kurs(l2, fM, {k5b}, {r2}, nullptr, 2);
  b->NeueSetzung(1, 1, 2, r2);
  b->NeueSetzung(1, 1, 5, r2);
  for (int h : {1, 3, 4, 6, 7}) a->NeueSetzung(1, 1, h, r1);
  Abwesend(l1, Tag(0), 1, 16);
  std::string gelistet;
  for (int h : {1, 3, 4, 6, 7}) {
    wahl.IVWahlForm(Von(a->SetzungFinden(1, 1, h), Tag(0)));
    const auto liste = wahl.LehrerListe();
    EXPECT_EQ(Zeile(liste, "KRA"), nullptr) << h;  // ohne Unterricht an dem Tag nie
    if (Zeile(liste, "SCH")) gelistet += std::to_string(h);
  }
  EXPECT_EQ(gelistet, "1346");
  st.fVertrRandCheck = false;
  EXPECT_NE(Zeile(wahl.LehrerListe(), "KRA"), nullptr);
}

TEST_F(VWahlTest, GleicheKlasseVergleichtDieErsteKlasseUndGleichesFachDasFachDesKurses) {
  TKurs* a = Kurs(l1, fD, {k5a, k5b}, {r1}, nullptr, 4);
  Kurs(l2, fM, {k5a}, {r2}, nullptr, 2);       // 5a allein
  Kurs(l3, fD, {k5b, k5a}, {r3}, nullptr, 2);  // 5a nur mit 5b
  l3->NeuesFach(fD);
  TSetzung* pa = a->NeueSetzung(1, 1, 3, r1);
  Abwesend(l1, Tag(0), 3, 3);
  wahl.IVWahlForm(Von(pa, Tag(0)));
  st.fVertrLeAuswahl = 0;
  EXPECT_EQ(Kuerzel(wahl.LehrerListe()), "SCH");
  st.fVertrLeAuswahl = 1;
  EXPECT_EQ(Kuerzel(wahl.LehrerListe()), "KRA");
  // Ein Kurs ohne Fach schließt bei "gleiches Fach" alle aus.
  a->fFach = nullptr;
  EXPECT_EQ(Kuerzel(wahl.LehrerListe()), "");
  EXPECT_EQ(TVWahl::AuswahlText(0), "gleiche Klasse");
  EXPECT_EQ(TVWahl::VStdText(1), "V-Std 2");
}

TEST_F(VWahlTest, KontoSpalteUndUnterstrichenerStattKandidat) {
  st.fDivisor = 2;
  st.fNachKomma = 1;
  st.fVorKomma = 2;
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 4);
  TKurs* b = Kurs(l2, fM, {k5a}, {r2}, nullptr, 4);
  TSetzung* pa = a->NeueSetzung(1, 1, 3, r1);
  a->NeueSetzung(1, 1, 4, r1);
  b->NeueSetzung(1, 1, 1, r2);  // am Rand des Tages der 5a
  l2->fVStunden1 = 3;
  l2->fVStunden2 = -5;
  Abwesend(l1, Tag(0), 3, 3);
  wahl.IVWahlForm(Von(pa, Tag(0)));
  const TVWahlZeile* z = nullptr;
  auto liste = wahl.LehrerListe();
  ASSERT_NE(z = Zeile(liste, "SCH"), nullptr);
  EXPECT_EQ(z->Konto, " 1.5");
  EXPECT_TRUE(z->Unterstrichen);
  EXPECT_FALSE(Zeile(liste, "KRA")->Unterstrichen);
  st.fVertrVStdAuswahl = 1;
  liste = wahl.LehrerListe();
  EXPECT_EQ(Zeile(liste, "SCH")->Konto, "-2.5");
}

TEST_F(VWahlTest, FelderUndModus) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1, r2}, nullptr, 4);
  TSetzung* pa = a->NeueSetzung(1, 1, 3, r1);
  Abwesend(r1, Tag(0), 3, 3);
  TVertretung* v = Von(pa, Tag(0));
  ASSERT_NE(v, nullptr);
  v->fLehrer = l1;  // reiner Raumwechsel
  wahl.IVWahlForm(v);
  EXPECT_FALSE(wahl.fLehrerModus);
  EXPECT_EQ(wahl.FreieText(), "freie Räume");
  EXPECT_EQ(wahl.LehrerText(), "MUE");
  EXPECT_EQ(wahl.RaumText(), "ohne");
  EXPECT_EQ(wahl.StdText(), "Mo, 7. Dez   3  " + U8(v->KursZeile(false)));
  EXPECT_EQ(Kuerzel(wahl.RaumListe()), "R2,R3");
  EXPECT_TRUE(wahl.StattMenuSichtbar());
  v->Frei();
  EXPECT_EQ(wahl.FachText(), "-----");
  EXPECT_FALSE(wahl.StattMenuSichtbar());
}

TEST_F(VWahlTest, RaumlisteOhneBesetzteGesperrteUndFehlendeRaeume) {
  TRaum* r4 = s.HoleRaum("R4");
  TKurs* a = Kurs(l1, fD, {k5a}, {r1, r2}, nullptr, 4);
  TKurs* b = Kurs(l2, fM, {k5b}, {r2}, nullptr, 4);
  TSetzung* pa = a->NeueSetzung(1, 1, 3, r1);
  b->NeueSetzung(1, 1, 3, r2);
  r3->fSperrung.SetWocheTagStd(1, 1, 3, true);
  Abwesend(r4, Tag(0), 3, 3);
  Abwesend(r1, Tag(0), 3, 3);
  TVertretung* v = Von(pa, Tag(0));
  v->fLehrer = l1;
  wahl.IVWahlForm(v);
  ASSERT_FALSE(wahl.fLehrerModus);
  EXPECT_EQ(Kuerzel(wahl.RaumListe()), "");  // R1 und R4 fehlen, R2 besetzt, R3 gesperrt
  // Fehlen die Klassen der Stunde in R2, ist der Raum frei und rot.
  Abwesend(k5b, Tag(0), 3, 3);
  auto liste = wahl.RaumListe();
  ASSERT_EQ(Kuerzel(liste), "R2");
  EXPECT_TRUE(liste[0].Frei);
  EXPECT_TRUE(liste[0].Streifen[2].Rot);
  // Schon von einer Vertretung genutzt: ohne "freie Räume" grün, mit ihnen nicht angeboten.
  wahl.RaumEintragen(r2);
  ASSERT_EQ(v->fRaum, r2);
  TKurs* c = Kurs(l3, fE, {k5a}, {r3}, nullptr, 4);
  TSetzung* pc = c->NeueSetzung(1, 1, 3, r3);
  Abwesend(l3, Tag(0), 3, 3);
  wahl.IVWahlForm(Von(pc, Tag(0)));
  Von(pc, Tag(0))->fLehrer = l3;
  Von(pc, Tag(0))->fRaum = nullptr;
  wahl.IVWahlForm(Von(pc, Tag(0)));
  EXPECT_EQ(Zeile(wahl.RaumListe(), "R2"), nullptr);
  st.fVertrFreiCheck = false;
  liste = wahl.RaumListe();
  ASSERT_NE(Zeile(liste, "R2"), nullptr);
  EXPECT_TRUE(Zeile(liste, "R2")->Streifen[2].Gruen);
  EXPECT_EQ(Kuerzel(liste), "R2");  // gesperrt und fehlend bleiben draußen
}

TEST_F(VWahlTest, TagesplanVonLehrerUndKlasseUndOhneElement) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 4);
  TKurs* b = Kurs(l2, fM, {k5a}, {r2}, nullptr, 4);
  TSetzung* pa = a->NeueSetzung(1, 1, 3, r1);
  TSetzung* pb = b->NeueSetzung(1, 1, 4, r2);
  l1->fSperrung.SetWocheTagStd(1, 1, 6, true);
  Abwesend(l1, Tag(0), 3, 3);
  Abwesend(l2, Tag(0), 4, 4);
  u.dialog.Antworte("Ja");
  ASSERT_TRUE(Von(pb, Tag(0))->TrageLehrerEin(l3, nullptr));
  wahl.IVWahlForm(Von(pa, Tag(0)));
  EXPECT_EQ(wahl.PlanElement(), l1);
  auto plan = wahl.TagesPlan();
  ASSERT_EQ(plan.size(), 16u);
  EXPECT_EQ(plan[2].Marke, '+');
  EXPECT_EQ(plan[2].Kurs, a);
  EXPECT_TRUE(plan[2].Rot);
  EXPECT_EQ(plan[2].Texte, (std::array<std::string, 3>{"5a", "D", "R1"}));
  EXPECT_EQ(plan[5].Marke, '*');
  EXPECT_EQ(plan[3].Marke, '-');
  EXPECT_EQ(plan[0].Stunde, st.fStdBez[1][1].str());
  // Im Klassenplan zeigt eine Stunde mit Vertretung deren Lehrer, Fach und Raum.
  st.fVertrPlnAuswahl = 1;
  plan = wahl.TagesPlan();
  EXPECT_EQ(wahl.PlanElement(), k5a);
  EXPECT_EQ(plan[3].Texte, (std::array<std::string, 3>{"KRA", "M", "R2"}));
  EXPECT_EQ(plan[2].Texte[0], "");  // noch ohne Vertreter
  // Ein Kurs ohne Klassen hat keinen Klassenplan: jede Stunde "-".
  TKurs* ohne = Kurs(l2, fE, {}, {r3}, nullptr, 2);
  TSetzung* po = ohne->NeueSetzung(1, 1, 5, r3);
  Abwesend(l2, Tag(0), 4, 5);
  wahl.IVWahlForm(Von(po, Tag(0)));
  plan = wahl.TagesPlan();
  EXPECT_EQ(wahl.PlanElement(), nullptr);
  for (const auto& z : plan) EXPECT_EQ(z.Marke, '-');
  EXPECT_EQ(TVWahl::PlanStunde(0), 0);
  EXPECT_EQ(TVWahl::PlanStunde(17), 0);
  EXPECT_EQ(TVWahl::StreifenStunde(1), 1);
  EXPECT_EQ(TVWahl::StreifenStunde(112), 16);
  EXPECT_EQ(TVWahl::StreifenStunde(113), 0);
}

TEST_F(VWahlTest, BemerkungAnhaengenKuerztDenTextUndSchleiftNie) {
  const std::string b78(78, 'x');
  EXPECT_EQ(TVWahl::BemerkungMitText(b78, "0123456789", false), b78 + " 01");
  EXPECT_EQ(TVWahl::BemerkungMitText(std::string(80, 'x'), "abc", false), std::string(80, 'x'));
  EXPECT_EQ(TVWahl::BemerkungMitText(std::string(81, 'x'), "abc", false), std::string(81, 'x'));
  EXPECT_EQ(TVWahl::BemerkungMitText(std::string(90, 'x'), "abc", false), std::string(81, 'x'));
  EXPECT_EQ(TVWahl::BemerkungMitText("krank", "", false), "krank");
  EXPECT_EQ(TVWahl::BemerkungMitText("", "Aufgaben", false), "Aufgaben");
  EXPECT_EQ(TVWahl::BemerkungMitText("krank", "Aufgaben", false), "krank Aufgaben");
  EXPECT_EQ(TVWahl::BemerkungMitText("krank", "Aufgaben", true), "Aufgaben");
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 4);
  TSetzung* pa = a->NeueSetzung(1, 1, 3, r1);
  Abwesend(l1, Tag(0), 3, 3);
  wahl.IVWahlForm(Von(pa, Tag(0)));
  st.fBemBez[2] = "Buch S. 12";
  s.SetDirty(false);
  wahl.Bemerkung(true, 2, false);
  EXPECT_EQ(Von(pa, Tag(0))->fSInfo.str(), "Buch S. 12");
  EXPECT_TRUE(s.fDirty);
  EXPECT_EQ(TVWahl::BemMenu().size(), 20u);
  EXPECT_EQ(TVWahl::BemMenu()[1].Text, "Buch S. 12");
}

TEST_F(VWahlTest, KnoepfeBuchenDieKontenUndAbbrechenLaesstAllesStehen) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1, r2}, nullptr, 4);
  a->fFaktor = 2;
  TSetzung* pa = a->NeueSetzung(1, 1, 3, r1);
  Abwesend(l1, Tag(0), 3, 3);
  TVertretung* v = Von(pa, Tag(0));
  wahl.IVWahlForm(v);
  u.dialog.Antworte("Ja");  // "Lehrer SCH hat diesen Tag frei."
  wahl.LehrerEintragen(l2);
  EXPECT_EQ(v->fLehrer, l2);
  EXPECT_EQ(l2->fVStunden1, 2);
  EXPECT_TRUE(VertretungenStimmen(s));
  wahl.Anrechnen(false);
  EXPECT_EQ(l2->fVStunden1, 0);
  wahl.Anrechnen(true);
  EXPECT_EQ(l2->fVStunden2, 2);
  EXPECT_TRUE(VertretungenStimmen(s));
  // Die Auswahlliste ohne Wahl geschlossen: nichts ändert sich.
  wahl.LehrerWahl({false, nullptr});
  wahl.RaumWahl({false, nullptr});
  wahl.FachWahl({false, nullptr});
  EXPECT_EQ(v->fLehrer, l2);
  EXPECT_EQ(v->fRaum, r1);
  EXPECT_EQ(v->fFach, fD);
  wahl.RaumWahl({true, r2});
  EXPECT_EQ(v->fRaum, r2);
  EXPECT_EQ(v->fLInfo.str().rfind("in Raum R2", 0), 0u);
  wahl.FachWahl({true, fE});
  EXPECT_EQ(v->fFach, fE);
  // Erst "ohne" trägt aus, mit der Lastschrift.
  wahl.LehrerWahl({true, nullptr});
  EXPECT_EQ(v->fLehrer, nullptr);
  EXPECT_EQ(l2->fVStunden1, 0);
  EXPECT_EQ(v->fRaum, r2);
  wahl.RaumWahl({true, nullptr});
  EXPECT_EQ(v->fRaum, nullptr);
  u.dialog.Antworte("Ja");
  wahl.LehrerWahl({true, l3});
  EXPECT_EQ(l3->fVStunden1, 2);
  wahl.Loeschen();
  EXPECT_EQ(l3->fVStunden1, 0);
  EXPECT_TRUE(VertretungenStimmen(s));
}

TEST_F(VWahlTest, GeloeschteVertretungSchliesstDasFensterUndLoesenVergisstSie) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 4);
  TSetzung* pa = a->NeueSetzung(1, 1, 3, r1);
  TSetzung* pb = a->NeueSetzung(1, 1, 4, r1);
  Abwesend(l1, Tag(0), 3, 4);
  wahl.IVWahlForm(Von(pa, Tag(0)));
  wahl.IVWahlForm(Von(pb, Tag(0)));
  EXPECT_EQ(Von(pa, Tag(0))->fFenster, nullptr);
  EXPECT_EQ(Von(pb, Tag(0))->fFenster, &fenster);
  s.VertretungLoeschen(Von(pb, Tag(0)));
  EXPECT_EQ(fenster.fGeschlossen, 1);
  wahl.Loesen();
  EXPECT_EQ(wahl.fVertretung, nullptr);
}

TEST_F(VWahlTest, PfeiltastenBlaetternDurchDieGueltigenDesTages) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 4);
  TKurs* b = Kurs(l2, fM, {k5b}, {r2}, nullptr, 4);
  TSetzung* p1 = a->NeueSetzung(1, 1, 1, r1);
  TSetzung* p2 = a->NeueSetzung(1, 1, 2, r1);
  TSetzung* p3 = b->NeueSetzung(1, 1, 3, r2);
  Abwesend(l1, Tag(0), 1, 2);
  Abwesend(l2, Tag(0), 3, 3);
  Abwesend(l1, Tag(7), 1, 2);
  Abwesend(k5a, Tag(0), 2, 2);  // die 2. Stunde ist ungültig
  ASSERT_FALSE(Von(p2, Tag(0))->fGueltig);
  st.fVertrSortArt = 3;
  VertretungenSortieren(s);
  wahl.IVWahlForm(Von(p1, Tag(0)));
  EXPECT_EQ(wahl.Nachbar(1), Von(p3, Tag(0)));
  EXPECT_EQ(wahl.Nachbar(-1), Von(p3, Tag(0)));
  wahl.IVWahlForm(Von(p3, Tag(0)));
  EXPECT_EQ(wahl.Nachbar(1), Von(p1, Tag(0)));
  Abwesend(l2, Tag(0), 0, 0);
  wahl.IVWahlForm(Von(p1, Tag(0)));
  EXPECT_EQ(wahl.Nachbar(1), nullptr);
}

TEST_F(VWahlTest, StattNachKlasseSuchtZurueckUndVorUndSperrtBeiBesetztemLehrer) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 4);
  TKurs* b = Kurs(l2, fM, {k5a}, {r2}, nullptr, 4);
  TSetzung* pa = a->NeueSetzung(1, 2, 3, r1);  // Dienstag
  a->NeueSetzung(1, 2, 1, r1);
  b->NeueSetzung(1, 2, 4, r2);  // am Rand: danach hat die 5a frei
  b->NeueSetzung(1, 3, 2, r2);  // Mittwoch, auch am Rand
  Abwesend(l1, Tag(1), 3, 3);
  // Ein Datum mit Uhrzeit gilt als sein Tag, mittags.
  Von(pa, Tag(1))->fDatum = std::floor(Tag(1)) + 0.9;
  wahl.IVWahlForm(Von(pa, Tag(1)));
  EXPECT_EQ(wahl.fDatum, std::floor(Tag(1)) + 0.5);
  TMenue m = wahl.KlassenStattMenu(l2);
  for (const TStatt* c : Von(pa, Tag(1))->fStattListe)
    EXPECT_EQ(c->fDatum - std::floor(c->fDatum), 0.5);
  std::vector<std::string> texte;
  for (const auto& e : m) texte.push_back(e.Text);
  EXPECT_EQ(texte, (std::vector<std::string>{"Di, 8. Dez   4", "Di, 1. Dez   4", "Di, 15. Dez   4",
                                             "Di, 22. Dez   4", "Mi, 2. Dez   2", "Mi, 25. Nov   2",
                                             "Mi, 9. Dez   2", "Mi, 16. Dez   2"}));
  EXPECT_EQ(Von(pa, Tag(1))->fStattListe.ListeZahlElemente(), 8);
  EXPECT_TRUE(m[0].Aktiv);
  m[0].Aktion();
  TVertretung* v = Von(pa, Tag(1));
  EXPECT_EQ(v->fLehrer, l2);
  ASSERT_NE(v->fZu, nullptr);
  EXPECT_EQ(v->fZu->fSetzung, b->SetzungFinden(1, 2, 4));
  EXPECT_TRUE(VertretungenStimmen(s));
  // Ein Lehrer, der in der Stunde selbst unterrichtet, bekommt nur gesperrte Einträge.
  TKurs* c = Kurs(l3, fE, {k5a}, {r3}, nullptr, 4);
  c->NeueSetzung(1, 2, 5, r3);
  TKurs* d = Kurs(l3, fE, {k5b}, {r3}, nullptr, 4);
  d->NeueSetzung(1, 2, 3, r3);
  m = wahl.KlassenStattMenu(l3);
  ASSERT_FALSE(m.empty());
  for (const auto& e : m) EXPECT_FALSE(e.Aktiv);
  // Vor dem 27.12.1993 liegt kein Tag des Kalenders: zurück findet sich nichts. (Die 4. Stunde
  // am Dienstag liegt nun nicht mehr am Rand, weil die 5a in der 5. Unterricht hat.)
  TVertretung* frueh = VertretungEinordnen(NeueVertretung(a, pa, DatumZuZahl(1993, 12, 28)));
  wahl.IVWahlForm(frueh);
  texte.clear();
  for (const auto& e : wahl.KlassenStattMenu(l2)) texte.push_back(e.Text);
  EXPECT_EQ(texte, (std::vector<std::string>{"Mi, 29. Dez   2", "Mi, 5. Jan   2"}));
}

TEST_F(VWahlTest, StattNachZeitVierWochenOhneEigeneStundeUndVorDemKalenderNichts) {
  st.fMaxTageNeu = 5;
  TKurs* a = Kurs(l1, fD, {k5a}, {r1, r2}, nullptr, 4);
  TKurs* b = Kurs(l1, fM, {k5a}, {r2}, nullptr, 4);
  TSetzung* pa = a->NeueSetzung(1, 3, 3, r1);  // Mittwoch
  TSetzung* pb = b->NeueSetzung(1, 1, 2, r2);  // Montag
  Abwesend(r1, Tag(2), 3, 3);
  TVertretung* v = Von(pa, Tag(2));
  v->fLehrer = l1;  // Raumwechsel: der Lehrer des Kurses bleibt
  wahl.IVWahlForm(v);
  TMenue m = wahl.ZeitStattMenu();
  ASSERT_EQ(m.size(), 20u);
  EXPECT_EQ(m[0].Text, "Mo, 30. Nov");
  EXPECT_EQ(m[19].Text, "Fr, 25. Dez");
  EXPECT_TRUE(m[5].NeueSpalte);
  // Mittwoch, der 9.12., bietet die eigene Stunde nicht an; die Mittwoche der anderen Wochen
  // sehr wohl.
  EXPECT_EQ(m[7].Text, "Mi, 9. Dez");
  EXPECT_FALSE(m[7].Aktiv);
  EXPECT_TRUE(m[2].Aktiv);
  ASSERT_EQ(m[2].Untermenue.size(), 1u);
  EXPECT_TRUE(m[2].Untermenue[0].Haken);
  EXPECT_TRUE(m[5].Aktiv);  // Montag, 7.12.
  // Eine Stunde, die an dem Tag schon eine Vertretung hat (Raumwechsel), wird wiederverwendet.
  Abwesend(r2, Tag(0), 2, 2);
  TVertretung* schon = Von(pb, Tag(0));
  ASSERT_NE(schon, nullptr);
  schon->fLehrer = l1;
  m = wahl.ZeitStattMenu();
  ASSERT_EQ(m[5].Untermenue.size(), 1u);
  const int vorher = Anzahl();
  m[5].Untermenue[0].Aktion();
  EXPECT_EQ(Anzahl(), vorher);
  EXPECT_EQ(v->fZu, schon);
  EXPECT_EQ(pb->fVertretungen.ListeZahlElemente(), 1);
  // Vor dem 27.12.1993 gibt es keinen Plan: die erste Woche bietet nichts an.
  auto alt = NeueVertretung(a, pa, DatumZuZahl(1993, 12, 29));
  TVertretung* va = VertretungEinordnen(std::move(alt));
  va->fLehrer = l1;
  wahl.IVWahlForm(va);
  m = wahl.ZeitStattMenu();
  ASSERT_EQ(m.size(), 20u);
  EXPECT_EQ(m[0].Text, "Mo, 20. Dez");
  for (int i = 0; i < 5; ++i) EXPECT_FALSE(m[i].Aktiv) << i;
  EXPECT_TRUE(m[5].Aktiv);  // 27.12.1993
}

TEST_F(VWahlTest, SichtbareZeilenPassenInDenArbeitsbereichAberNieUnter16) {
  EXPECT_EQ(TVWahl::SichtbareZeilen(5, 0, 100, 18, 1000), 16);
  EXPECT_EQ(TVWahl::SichtbareZeilen(30, 0, 100, 18, 1000), 30);
  EXPECT_EQ(TVWahl::SichtbareZeilen(80, 100, 100, 18, 1000), 44);
  EXPECT_EQ(TVWahl::SichtbareZeilen(80, 900, 100, 18, 1000), 16);
}

}  // namespace
