// Die Menüs, die die Kurse für die Planfenster bauen, ihre Handler und der Tausch mit Fragen.
#include "PlanHilfe.h"
#include "model/KopplUnit.h"
#include "planning/TauschFrageUnit.h"

namespace {

// Ein Planfenster eines Elements, wie die echten es sich eintragen.
class TPlanFenster : public TZellenFenster {
 public:
  TPlanFenster(int art, TPlanElement* e) : TZellenFenster(art), fElement(e) {
    e->fPlnFenster = this;
    Schule().FensterAnmelden(this);
  }
  TPlanElement* fElement;
};

class PlanMenueTest : public PlanTest {
 protected:
  std::vector<std::string> Texte(const TMenue& m) const {
    std::vector<std::string> t;
    for (const TMenueEintrag& e : m) t.push_back(e.Text);
    return t;
  }
};

TEST_F(PlanMenueTest, SetzMenueNurMitOffenenStunden) {
  TKurs* k = Kurs(l1, fD, {k5a}, {r1, r2}, nullptr, 2);
  TMenue m;
  k->ErzeugeSetzMenu(m, 2, 3, true);
  ASSERT_EQ(m.size(), 1u);
  EXPECT_EQ(m[0].Text, "[2] MUE D 5a");
  EXPECT_EQ(m[0].Wert, 203);
  EXPECT_EQ(m[0].Objekt, k);
  EXPECT_TRUE(m[0].Aktiv);
  EXPECT_EQ(Texte(m[0].Untermenue), (std::vector<std::string>{"ohne Raum", "R1", "R2"}));
  // Ohne offene Stunden und "nicht verplanen": kein Eintrag.
  k->NeueSetzung(1, 1, 1, r1);
  k->NeueSetzung(1, 1, 2, r1);
  m.clear();
  k->ErzeugeSetzMenu(m, 2, 3, true);
  EXPECT_TRUE(m.empty());
  TKurs* nv = Kurs(l2, fM, {k5a}, {}, nullptr, 2);
  nv->fNichtVerplanen = true;
  nv->ErzeugeSetzMenu(m, 2, 3, true);
  EXPECT_TRUE(m.empty());
}

TEST_F(PlanMenueTest, SetzMenueSperrtWoDerKursNichtHinkann) {
  TKurs* k = Kurs(l1, fD, {k5a}, {r1, r2}, nullptr, 2);
  TKurs* anderer = Kurs(l2, fM, {k5b}, {r1}, nullptr, 2);
  anderer->NeueSetzung(1, 2, 3, r1);
  r2->fSperrung.SetWocheTagStd(1, 2, 3, true);
  TMenue m;
  k->ErzeugeSetzMenu(m, 2, 3, true);
  ASSERT_EQ(m.size(), 1u);
  EXPECT_TRUE(m[0].Aktiv);
  EXPECT_FALSE(m[0].Untermenue[1].Aktiv);  // R1 belegt
  EXPECT_FALSE(m[0].Untermenue[2].Aktiv);  // R2 gesperrt
  // Der Lehrer ist belegt: gesperrt; wählen setzt dann auch nichts.
  Kurs(l1, fE, {k5b}, {}, nullptr, 1)->NeueSetzung(1, 4, 4, nullptr);
  m.clear();
  k->ErzeugeSetzMenu(m, 4, 4, true);
  EXPECT_FALSE(m[0].Aktiv);
}

TEST_F(PlanMenueTest, GekoppeltesSetzmenueFragtJedenKursDerKopplung) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, g, 2);
  TKurs* b = Kurs(l2, fM, {k5b}, {r2}, g, 2);
  Kurs(l2, fE, {}, {}, nullptr, 1)->NeueSetzung(1, 3, 3, nullptr);  // SCH belegt
  TMenue m;
  a->ErzeugeSetzMenu(m, 3, 3, true);
  EXPECT_FALSE(m[0].Aktiv);
  // Liegt der gekoppelte Kurs schon in der Zelle, hindert er nicht.
  b->NeueSetzung(1, 2, 2, r2);
  m.clear();
  a->ErzeugeSetzMenu(m, 2, 2, true);
  EXPECT_TRUE(m[0].Aktiv);
}

TEST_F(PlanMenueTest, SetzMitRaumSetztDieKopplungInIhreRaeume) {
  ZweiWochen();
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, g, 2);
  TKurs* b = Kurs(l2, fM, {k5b}, {r2, r3}, g, 2);
  TKurs* c = Kurs(l3, fE, {k5b}, {}, g, 2);  // ganz ohne Räume: keine Warnung
  r2->fSperrung.SetWocheTagStd(2, 1, 4, true);
  a->SetzMitRaum(1, 4, r1);
  for (int w : {1, 2}) {
    ASSERT_NE(a->SetzungFinden(w, 1, 4), nullptr) << w;
    EXPECT_EQ(a->SetzungFinden(w, 1, 4)->fRaum, r1);
    ASSERT_NE(c->SetzungFinden(w, 1, 4), nullptr) << w;
    EXPECT_EQ(c->SetzungFinden(w, 1, 4)->fRaum, nullptr);
  }
  EXPECT_EQ(b->SetzungFinden(1, 1, 4)->fRaum, r2);
  EXPECT_EQ(b->SetzungFinden(2, 1, 4)->fRaum, r3);  // R2 in Woche 2 gesperrt
  EXPECT_TRUE(u.dialog.fProtokoll.empty());
  EXPECT_TRUE(BelegungenStimmen(s));
  // Findet b in der gezeigten Woche keinen freien Raum, kommt die Warnung.
  r3->fSperrung.SetWocheTagStd(1, 2, 2, true);
  r2->fSperrung.SetWocheTagStd(1, 2, 2, true);
  a->SetzMitRaum(2, 2, nullptr);
  EXPECT_EQ(b->SetzungFinden(1, 2, 2)->fRaum, nullptr);
  EXPECT_EQ(b->SetzungFinden(2, 2, 2)->fRaum, r2);
  ASSERT_EQ(Titel(), std::vector<std::string>{"Warnung"});
  EXPECT_EQ(u.dialog.fProtokoll[0].Zeilen,
            std::vector<std::string>{"Ein gekoppelter Kurs konnte nur ohne Raum gesetzt werden."});
  EXPECT_TRUE(BelegungenStimmen(s));
}

TEST_F(PlanMenueTest, ImAktivenRaumplanOhneRaumwahlUndMitDessenRaum) {
  TKurs* k = Kurs(l1, fD, {k5a}, {r1}, nullptr, 2);
  TPlanFenster raumPlan(FensterArt::RaumPlan, r2);
  s.SetAktivesFenster(&raumPlan);
  Kurs(l2, fM, {k5b}, {r2}, nullptr, 1)->NeueSetzung(1, 1, 1, r2);
  TMenue m;
  k->ErzeugeSetzMenu(m, 1, 1, false);
  ASSERT_EQ(m.size(), 1u);
  EXPECT_TRUE(m[0].Untermenue.empty());
  EXPECT_FALSE(m[0].Aktiv);  // R2 ist dort belegt
  m.clear();
  k->ErzeugeSetzMenu(m, 1, 2, false);
  ASSERT_TRUE(m[0].Aktiv);
  m[0].Aktion();
  ASSERT_NE(k->SetzungFinden(1, 1, 2), nullptr);
  EXPECT_EQ(k->SetzungFinden(1, 1, 2)->fRaum, r2);
  // Aus einem anderen Fenster: ohne Raum.
  TPlanFenster lehrerPlan(FensterArt::LehrerPlan, l1);
  s.SetAktivesFenster(&lehrerPlan);
  k->SetzImRaum(3, 3);
  ASSERT_NE(k->SetzungFinden(1, 3, 3), nullptr);
  EXPECT_EQ(k->SetzungFinden(1, 3, 3)->fRaum, nullptr);
}

TEST_F(PlanMenueTest, RechtsMenueMarkiertImPlanfensterDesElements) {
  TKurs* k = Kurs(l1, fD, {k5a}, {r1}, nullptr, 1);
  TKurs* voll = Kurs(l2, fM, {k5a}, {}, nullptr, 1);
  voll->NeueSetzung(1, 1, 1, nullptr);
  TPlanFenster plan(FensterArt::KlassenPlan, k5a);
  TMenue m;
  k5a->ErzeugeRechtsMenu(m);
  ASSERT_EQ(Texte(m), (std::vector<std::string>{"[1] MUE D 5a", "[0] SCH M 5a"}));
  EXPECT_TRUE(m[0].Aktiv);
  EXPECT_FALSE(m[1].Aktiv);
  EXPECT_EQ(Texte(m[0].Untermenue), (std::vector<std::string>{"ohne Raum", "R1"}));
  r1->fSperrung.SetWocheTagStd(1, 2, 2, true);
  m[0].Untermenue[1].Aktion();
  EXPECT_EQ(plan.fMarkiert, std::vector<TKurs*>{k});
  EXPECT_TRUE(k->fSetzungUnmoeglich.GetWocheTagStd(1, 2, 2));  // R1 gesperrt
  EXPECT_TRUE(k->fSetzungUnmoeglich.GetWocheTagStd(1, 1, 1));  // 5a belegt
  EXPECT_FALSE(k->fSetzungUnmoeglich.GetWocheTagStd(1, 3, 3));
}

TEST_F(PlanMenueTest, RaumSetzMenueNachErstemHindernis) {
  TKurs* k = Kurs(l1, fD, {k5a}, {r1, r2, r3}, nullptr, 2);
  TRaum* r4 = s.HoleRaum("R4");
  TRaum* r5 = s.HoleRaum("R5");
  k->NeueSetzung(1, 1, 1, r1);
  k->NeueSetzung(1, 2, 1, r1);
  TKurs* x = Kurs(l2, fM, {k5b}, {r2, r5}, nullptr, 2);
  x->NeueSetzung(1, 2, 1, r2);                                   // R2 (eigen) belegt
  r3->fSperrung.SetWocheTagStd(1, 1, 1, true);                   // R3 (eigen) zuerst gesperrt ...
  Kurs(l3, fE, {}, {r3}, nullptr, 1)->NeueSetzung(1, 2, 1, r3);  // ... dann belegt
  x->NeueSetzung(1, 1, 1, r5);                                   // R5 (fremd) belegt
  TMenue m;
  k->ErzeugeRaumSetzMenu(m, {{1, 1}, {2, 1}});
  EXPECT_EQ(Texte(m), (std::vector<std::string>{"R1", "[R2]", "<R4>"}));
  for (const TMenueEintrag& e : m) EXPECT_TRUE(e.Aktiv);
  // "[R2]": Tausch mit dem Kurs in R2 nach Rückfrage.
  u.dialog.Antworte("Ok");
  m[1].Aktion();
  EXPECT_EQ(k->SetzungFinden(1, 1, 1)->fRaum, r2);
  EXPECT_EQ(k->SetzungFinden(1, 2, 1)->fRaum, r2);
  EXPECT_EQ(x->SetzungFinden(1, 2, 1)->fRaum, r1);
  EXPECT_EQ(Titel(), std::vector<std::string>{"Raumtausch"});
  // "<R4>": ein fremder Raum wird einer des Kurses.
  m.clear();
  k->ErzeugeRaumSetzMenu(m, {{1, 1}});
  const auto it = std::find_if(m.begin(), m.end(), [](const auto& e) { return e.Text == "<R4>"; });
  ASSERT_NE(it, m.end());
  it->Aktion();
  EXPECT_EQ(k->SetzungFinden(1, 1, 1)->fRaum, r4);
  EXPECT_TRUE(k->fRaeume.ListeElemEnthalten(r4));
  EXPECT_TRUE(BelegungenStimmen(s));
}

TEST_F(PlanMenueTest, PlnMenueJeWocheUndJeKlasse) {
  ZweiWochen();
  TKurs* k = Kurs(l1, fD, {k5a, k5b}, {r1}, nullptr, 2);
  k->NeueSetzung(1, 3, 3, r1);
  k->NeueSetzung(2, 3, 3, r2);
  TMenue m;
  k5a->ErzeugePlnMenu(m, false, 3, 3, nullptr, kla);
  EXPECT_EQ(Texte(m), (std::vector<std::string>{"{1} MUE D 5a R1", "{2} MUE D 5a R2"}));
  EXPECT_EQ(m[0].Wert, 303);
  m.clear();
  l1->ErzeugePlnMenu(m, false, 3, 3, nullptr, leh);
  EXPECT_EQ(Texte(m), (std::vector<std::string>{"{1} MUE D 5a R1", "{1} MUE D 5b R1",
                                                "{2} MUE D 5a R2", "{2} MUE D 5b R2"}));
  // Raumfilter: nur die Stunden in diesem Raum.
  m.clear();
  k->fInfo = "Info";
  r1->ErzeugePlnMenu(m, true, 3, 3, r1, rau);
  EXPECT_EQ(Texte(m),
            (std::vector<std::string>{"{1} MUE D 5a R1 [Info]", "{1} MUE D 5b R1 [Info]"}));
  // Ein-Wochen-Betrieb: nur die gezeigte Woche.
  st.fEineWoche = true;
  st.fAktuelleWoche = 2;
  m.clear();
  k5b->ErzeugePlnMenu(m, false, 3, 3, nullptr, kla);
  EXPECT_EQ(Texte(m), (std::vector<std::string>{"{2} MUE D 5a R2"}));
}

TEST_F(PlanMenueTest, KursImKlassenplanWechseln) {
  TKurs* a = Kurs(l1, fD, {k5a}, {}, nullptr, 1);
  TKurs* b = Kurs(l2, fM, {k5a}, {}, nullptr, 1);
  a->NeueSetzung(1, 2, 2, nullptr);
  b->NeueSetzung(1, 2, 2, nullptr);
  TPlanFenster klasse(FensterArt::KlassenPlan, k5a);
  TPlanFenster lehrer(FensterArt::LehrerPlan, l1);
  TMenue m;
  k5a->ErzeugePlnMenu(m, false, 2, 2, nullptr, kla);
  ASSERT_EQ(m.size(), 2u);
  s.SetAktivesFenster(&lehrer);
  m[0].Aktion();
  EXPECT_TRUE(klasse.fZellen.empty());
  s.SetAktivesFenster(&klasse);
  m[0].Aktion();
  ASSERT_EQ(klasse.fZellen.size(), 1u);
  EXPECT_EQ(klasse.fZellen[0].kurs, a);
  EXPECT_EQ(klasse.fZellen[0].tag, 2);
}

TEST_F(PlanMenueTest, KoppMenueNurImEinWochenBetriebUndJeKopplungEinmal) {
  TKurs* a = Kurs(l1, fD, {k5a}, {}, g, 1);
  TKurs* b = Kurs(l2, fM, {k5a}, {}, g, 1);
  a->NeueSetzung(1, 1, 1, nullptr);
  b->NeueSetzung(1, 1, 1, nullptr);
  TMenue m;
  k5a->ErzeugePlnKoppMenu(m, false, 1, 1);
  EXPECT_EQ(Texte(m), (std::vector<std::string>{"{1} MUE D 5a G1", "{1} SCH M 5a G1"}));
  ZweiWochen();
  m.clear();
  k5a->ErzeugePlnKoppMenu(m, false, 1, 1);
  EXPECT_TRUE(m.empty());
}

TEST_F(PlanMenueTest, StundentauschMitFragen) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 2);
  TKurs* b = Kurs(l2, fM, {k5b}, {r2}, nullptr, 2);
  a->NeueSetzung(1, 1, 1, r1);
  b->NeueSetzung(1, 2, 3, r2);
  EXPECT_FALSE(StundenTauschen(1, 1, 1, 1));
  EXPECT_TRUE(u.dialog.fProtokoll.empty());
  u.dialog.Antworte("Abbrechen");
  EXPECT_FALSE(StundenTauschen(1, 1, 2, 3));
  EXPECT_EQ(
      u.dialog.fProtokoll[0].Zeilen,
      (std::vector<std::string>{"Tausche", "Mo  1", "mit", "Di  3", "für die ganze Schule."}));
  EXPECT_EQ(u.dialog.fProtokoll[0].Knoepfe, (std::vector<std::string>{"Ok", "Abbrechen"}));
  // Eine Sperrung im Ziel: "Tauschkonflikte", "Nein" ist der Standard.
  k5a->fSperrung.SetWocheTagStd(1, 2, 3, true);
  u.dialog.Antworte("Ok");
  u.dialog.Antworte("Nein");
  EXPECT_FALSE(StundenTauschen(1, 1, 2, 3));
  const auto& frage = u.dialog.fProtokoll[2];
  EXPECT_EQ(frage.Titel, "Tauschkonflikte");
  EXPECT_EQ(frage.Zeilen.back(), "gesperrt {1} MUE D 5a R1");
  EXPECT_EQ(frage.Knoepfe, (std::vector<std::string>{"Ja", "Nein"}));
  EXPECT_NE(a->SetzungFinden(1, 1, 1), nullptr);
  u.dialog.Antworte("Ok");
  u.dialog.Antworte("Ja");
  EXPECT_TRUE(StundenTauschen(1, 1, 2, 3));
  EXPECT_NE(a->SetzungFinden(1, 2, 3), nullptr);
  EXPECT_NE(b->SetzungFinden(1, 1, 1), nullptr);
  EXPECT_TRUE(BelegungenStimmen(s));
}

}  // namespace
