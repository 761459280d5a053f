// Die manuelle Planung ohne Fenster: Kursliste, Tafeln, Konflikte der Zellen, die Gesten der
// Werkzeuge, die Menüs, das Blättern und das Protokoll mit "Widerrufen".
#include <algorithm>
#include <tuple>

#include "PlanHilfe.h"
#include "PlanInvarianten.h"
#include "model/KopplUnit.h"
#include "planning/ManuellUnit.h"

namespace {
// Alle Setzungen der Schule, sortiert: Kurs, Woche, Tag, Stunde, Raum, fixiert.
using TStundenBild = std::vector<std::tuple<const TKurs*, int, int, int, const TRaum*, bool>>;
TStundenBild Bild(const TSchule& s) {
  TStundenBild b;
  for (const TKurs* k : s.fKursMenge)
    for (const TSetzung* z : k->fSetzungen)
      b.emplace_back(k, z->fWoche, z->fTag, z->fStunde, z->fRaum, z->fFixiert);
  std::sort(b.begin(), b.end());
  return b;
}

std::vector<std::string> Texte(const TMenue& m) {
  std::vector<std::string> t;
  for (const TMenueEintrag& e : m) t.push_back(e.Text);
  return t;
}
}  // namespace

class ManuellTest : public PlanTest {
 protected:
  ManuellTest() {
    st.fManArt = 3;  // drei Tafeln nebeneinander
    st.fMaxTageNeu = 5;
    st.fPlnStd = 6;
  }
};

TEST_F(ManuellTest, KurslisteTafelnUndRaumDesAktuellenKurses) {
  TKurs* a = Kurs(l1, fD, {k5a, k5b}, {r1, r2}, nullptr, 3);
  TKurs* b = Kurs(l2, fM, {k5b}, {r2}, nullptr, 1);
  a->NeueSetzung(1, 1, 1, r2);  // der meistgenutzte Raum ist R2, nicht der erste
  TManuellPlanung p({a, b, a}, false);
  EXPECT_EQ(p.fKurse.Kopie(), (std::vector<TKurs*>{a, b}));
  EXPECT_EQ(p.fKurs, a);
  EXPECT_EQ(p.fKlasse, k5a);
  EXPECT_EQ(p.fKopplung, nullptr);
  EXPECT_EQ(p.fRaum, r2);
  EXPECT_EQ(p.fTafeln[0], k5a);
  EXPECT_EQ(p.fTafeln[1], l1);
  EXPECT_EQ(p.fTafeln[2], r2);
  EXPECT_EQ(p.fAktiv, 1);
  EXPECT_EQ(p.Stunden(), 3);
  EXPECT_EQ(p.Rest(), 2);
  EXPECT_EQ(ManuellProtokoll(), &p);
  EXPECT_TRUE(Merken());

  // Ohne Raum: "ohne"; eine Tafel in der Anordnung 0 bekommt nur die Klasse.
  st.fManArt = 0;
  TKurs* c = Kurs(l3, fE, {k5a}, {}, nullptr, 1);
  p.Zeigen(c);
  EXPECT_EQ(p.fKurse.Kopie(), (std::vector<TKurs*>{a, b, c}));
  EXPECT_EQ(p.fRaum, nullptr);
  EXPECT_EQ(p.fTafeln[0], k5a);
  EXPECT_EQ(ManTafelZahl(0), 1);
  EXPECT_EQ(ManTafelZahl(5), 4);
  EXPECT_EQ(ManTafelZahl(99), 1);
}

// Ein gelöschter Lehrer verschwindet von seiner Tafel, ohne dass das zerstörte Element befragt
// wird; Klasse und Raum bleiben.
TEST_F(ManuellTest, GeloeschtesElementVerlaesstDieTafel) {
  TKurs* a = Kurs(l2, fD, {k5a}, {r1}, nullptr, 1);
  TManuellPlanung p({a}, false);
  ASSERT_EQ(p.fTafeln[1], l2);
  s.ElementLoeschen(l2);
  p.VerweisePruefen();
  EXPECT_EQ(p.fTafeln[0], k5a);
  EXPECT_EQ(p.fTafeln[1], nullptr);
  EXPECT_EQ(p.fTafeln[2], r1);
}

TEST_F(ManuellTest, SetzenMitUndOhneKopplung) {
  TKurs* c1 = Kurs(l1, fE, {k5a}, {r1}, g, 2);
  TKurs* c2 = Kurs(l2, fE, {k5b}, {r1, r2}, g, 2);
  TManuellPlanung p({c1}, false);
  EXPECT_EQ(p.fKopplung, g);
  ASSERT_TRUE(p.Setzen(1, 1));
  // Der aktuelle Kurs in R1, der andere im ersten freien eigenen Raum.
  ASSERT_NE(c1->SetzungFinden(1, 1, 1), nullptr);
  EXPECT_EQ(c1->SetzungFinden(1, 1, 1)->fRaum, r1);
  ASSERT_NE(c2->SetzungFinden(1, 1, 1), nullptr);
  EXPECT_EQ(c2->SetzungFinden(1, 1, 1)->fRaum, r2);
  // Noch einmal in dieselbe Zelle: nichts.
  EXPECT_FALSE(p.Setzen(1, 1));
  // "ohne": die Kopplung wird nicht mitgeplant.
  p.KopplungWaehlen(false);
  ASSERT_TRUE(p.Setzen(2, 1));
  EXPECT_NE(c1->SetzungFinden(1, 2, 1), nullptr);
  EXPECT_EQ(c2->SetzungFinden(1, 2, 1), nullptr);
  EXPECT_EQ(p.Rest(), 0);
  // Raum "ohne": ohne Raum gesetzt; ein fremder Raum wird nicht Raum des Fensters.
  p.RaumWaehlen(r3);
  EXPECT_EQ(p.fRaum, r1);
  p.RaumWaehlen(nullptr);
  EXPECT_EQ(p.fRaum, nullptr);
  EXPECT_TRUE(BelegungenStimmen(s));
}

// Hat ein Lehrer zwei Kurse der Kopplung, setzt die Kopplung nur einen von ihnen in die Zelle:
// der Lehrer bleibt einfach belegt, der andere Kurs offen.
TEST_F(ManuellTest, SetzenMitKopplungBelegtKeinenLehrerDoppelt) {
  TKurs* c1 = Kurs(l1, fE, {k5a}, {r1}, g, 2);
  TKurs* c2 = Kurs(l2, fE, {k5b}, {r2}, g, 2);
  TKurs* c3 = Kurs(l1, fM, {k5b}, {r3}, g, 2);
  TManuellPlanung p({c1}, false);
  ASSERT_EQ(p.fKopplung, g);
  ASSERT_TRUE(p.Setzen(1, 1));
  EXPECT_NE(c1->SetzungFinden(1, 1, 1), nullptr);
  EXPECT_NE(c2->SetzungFinden(1, 1, 1), nullptr);
  EXPECT_EQ(c3->SetzungFinden(1, 1, 1), nullptr);
  EXPECT_TRUE(BelegungenStimmen(s));
}

TEST_F(ManuellTest, GekoppeltImEinwochenbetriebNurInDerAktuellenWoche) {
  ZweiWochen();
  st.fEineWoche = true;
  st.fAktuelleWoche = 2;
  TKurs* c1 = Kurs(l1, fE, {k5a}, {r1}, g, 2);
  TKurs* c2 = Kurs(l2, fE, {k5b}, {r1}, g, 2);
  TManuellPlanung p({c1}, false);
  ASSERT_TRUE(p.Setzen(3, 2));
  EXPECT_EQ(c1->fSetzungen.ListeZahlElemente(), 1);
  ASSERT_NE(c1->SetzungFinden(2, 3, 2), nullptr);
  EXPECT_EQ(c1->SetzungFinden(2, 3, 2)->fRaum, r1);
  // R1 ist belegt: der andere Kurs der Kopplung ohne Raum.
  ASSERT_NE(c2->SetzungFinden(2, 3, 2), nullptr);
  EXPECT_EQ(c2->SetzungFinden(2, 3, 2)->fRaum, nullptr);
  EXPECT_EQ(c2->SetzungFinden(1, 3, 2), nullptr);
  EXPECT_TRUE(BelegungenStimmen(s));
}

TEST_F(ManuellTest, SchiebSetzenUndAblegenWechselnZumNaechstenOffenenKurs) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 1);
  TKurs* voll = Kurs(l2, fM, {k5b}, {r2}, nullptr, 1);
  TKurs* b = Kurs(l3, fE, {k5b}, {r3}, nullptr, 2);
  voll->NeueSetzung(1, 5, 5, r2);
  TManuellPlanung p({a, voll, b}, false);
  ASSERT_TRUE(p.SchiebSetzen(1, 1));
  EXPECT_EQ(p.fKurs, b);  // "voll" wird übersprungen
  ASSERT_TRUE(p.Setzen(1, 2));
  // Ziehen der Stunde von Mo 2 nach Di 3.
  EXPECT_FALSE(p.Ablegen(1, 2, 1, 2));  // dieselbe Zelle
  ASSERT_TRUE(p.Ablegen(2, 3, 1, 2));
  EXPECT_EQ(b->SetzungFinden(1, 1, 2), nullptr);
  ASSERT_NE(b->SetzungFinden(1, 2, 3), nullptr);
  EXPECT_EQ(b->SetzungFinden(1, 2, 3)->fRaum, r3);
  // Kein anderer Kurs ist offen, b selbst noch: er bleibt aktuell.
  EXPECT_EQ(p.fKurs, b);
  ASSERT_TRUE(p.Setzen(4, 4));
  // Auf eine Zelle, in der der Kurs schon liegt, ändert Ablegen nichts.
  EXPECT_FALSE(p.Ablegen(4, 4, 2, 3));
  EXPECT_NE(b->SetzungFinden(1, 2, 3), nullptr);
  EXPECT_TRUE(BelegungenStimmen(s));
}

TEST_F(ManuellTest, LoeschenFragtBeiKopplungUndNimmtDenKursAuf) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 1);
  TKurs* c1 = Kurs(l2, fE, {k5a}, {r2}, g, 1);
  TKurs* c2 = Kurs(l3, fE, {k5b}, {r3}, g, 1);
  a->NeueSetzung(1, 1, 1, r1);
  c1->NeueSetzung(1, 2, 2, r2);
  c2->NeueSetzung(1, 2, 2, r3);
  TManuellPlanung p({a}, false);
  // Nur den Raum nehmen (Strg).
  p.Loeschen(a, 1, 1, true);
  ASSERT_NE(a->SetzungFinden(1, 1, 1), nullptr);
  EXPECT_EQ(a->SetzungFinden(1, 1, 1)->fRaum, nullptr);
  p.Loeschen(a, 1, 1, false);
  EXPECT_EQ(a->SetzungFinden(1, 1, 1), nullptr);
  EXPECT_TRUE(u.dialog.fProtokoll.empty());
  // Gekoppelt: die Frage; "Abbrechen" lässt alles, "Kopplung" nimmt beide.
  u.dialog.Antworte("Abbrechen");
  p.Loeschen(c1, 2, 2, false);
  EXPECT_NE(c1->SetzungFinden(1, 2, 2), nullptr);
  EXPECT_EQ(Titel(), std::vector<std::string>{"gekoppelten Kurs löschen"});
  EXPECT_EQ(p.fKurse.Kopie(), (std::vector<TKurs*>{a, c1}));
  u.dialog.Antworte("Kopplung");
  p.Loeschen(c1, 2, 2, false);
  EXPECT_EQ(c1->SetzungFinden(1, 2, 2), nullptr);
  EXPECT_EQ(c2->SetzungFinden(1, 2, 2), nullptr);
  // c2 verlor eine Stunde: auch er steht nun in der Liste.
  EXPECT_EQ(p.fKurse.Kopie(), (std::vector<TKurs*>{a, c1, c2}));
  EXPECT_TRUE(BelegungenStimmen(s));
}

TEST_F(ManuellTest, FixierenKehrtUmMitDerGeplantenKopplung) {
  TKurs* c1 = Kurs(l2, fE, {k5a}, {r2}, g, 1);
  TKurs* c2 = Kurs(l3, fE, {k5b}, {r3}, g, 1);
  c1->NeueSetzung(1, 3, 3, r2);
  c2->NeueSetzung(1, 3, 3, r3);
  TManuellPlanung p({c1}, false);
  s.SetDirty(false);
  p.Fixieren(c1, 3, 3);
  EXPECT_TRUE(c1->SetzungFinden(1, 3, 3)->fFixiert);
  EXPECT_TRUE(c2->SetzungFinden(1, 3, 3)->fFixiert);
  EXPECT_TRUE(s.fDirty);
  // Ohne Kopplung geplant: nur der geklickte Kurs.
  p.KopplungWaehlen(false);
  p.Fixieren(c2, 3, 3);
  EXPECT_TRUE(c1->SetzungFinden(1, 3, 3)->fFixiert);
  EXPECT_FALSE(c2->SetzungFinden(1, 3, 3)->fFixiert);
  // Eine leere Zelle ändert nichts.
  s.SetDirty(false);
  p.Fixieren(c1, 1, 1);
  EXPECT_FALSE(s.fDirty);
}

TEST_F(ManuellTest, BlaetternMitUndOhneUeberspringen) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 1);
  TKurs* b = Kurs(l2, fM, {k5b}, {r2}, nullptr, 1);
  TKurs* c = Kurs(l3, fE, {k5b}, {r3}, nullptr, 1);
  b->NeueSetzung(1, 1, 1, r2);
  TManuellPlanung p({a, b, c}, false);
  p.Blaettern(1, false);
  EXPECT_EQ(p.fKurs, b);
  p.Blaettern(1, false);
  EXPECT_EQ(p.fKurs, c);
  p.Blaettern(1, false);
  EXPECT_EQ(p.fKurs, a);  // im Kreis
  p.Blaettern(1, true);
  EXPECT_EQ(p.fKurs, c);  // b ist ganz gesetzt
  p.Blaettern(-1, true);
  EXPECT_EQ(p.fKurs, a);
  p.Blaettern(-1, false);
  EXPECT_EQ(p.fKurs, c);
  // Ist kein Kurs offen, bleibt der aktuelle.
  a->NeueSetzung(1, 2, 1, r1);
  c->NeueSetzung(1, 3, 1, r3);
  p.Blaettern(1, true);
  EXPECT_EQ(p.fKurs, c);
}

TEST_F(ManuellTest, KonflikteUndZeichenDerZellen) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 2);
  TKurs* andererLe = Kurs(l1, fM, {k5b}, {r2}, nullptr, 1);  // derselbe Lehrer
  TKurs* andereKl = Kurs(l2, fM, {k5a}, {r2}, nullptr, 1);
  andererLe->NeueSetzung(1, 2, 3, r2);
  andereKl->NeueSetzung(1, 4, 1, r2);
  andereKl->SetzungFinden(1, 4, 1)->fFixiert = true;
  k5a->fSperrung.SetWocheTagStd(1, 5, 6, true);
  k5a->fSperrung.SetWocheTagStd(1, 4, 1, true);  // gesperrt, aber mit Stunde
  TManuellPlanung p({a}, false);
  // Mi 3: der Lehrer ist anderswo besetzt; der Klassenplan zeigt dort nichts, aber die Marke.
  ASSERT_TRUE(p.HatKonflikte(2, 3));
  TManZeichen z = p.Zeichen(k5a, nullptr, false, 2, 3);
  EXPECT_EQ(z.Streifen, TManStreifen::Keiner);
  EXPECT_FALSE(z.Schraffur);
  EXPECT_EQ(z.Marken, (std::vector<TManMarke>{{TManMarkenArt::Besetzt, false}}));
  EXPECT_EQ(Texte(p.KonfliktMenue(2, 3)),
            std::vector<std::string>{"{1} besetzt [" + andererLe->KurzZeile(1, 2, 3) + "]"});
  // Die Wahl im Konfliktmenü macht den Kurs aktuell.
  TMenue menue = p.KonfliktMenue(2, 3);
  menue[0].Aktion();
  EXPECT_EQ(p.fKurs, andererLe);
  p.Zeigen(a);
  // Gesperrt ohne Stunde: schraffiert; das Menü nennt die Klasse.
  z = p.Zeichen(k5a, nullptr, true, 5, 6);
  EXPECT_TRUE(z.Schraffur);
  EXPECT_EQ(Texte(p.KonfliktMenue(5, 6)), std::vector<std::string>{"{1} 5a gesperrt"});
  // Gesperrt mit der Stunde eines anderen Kurses: seine Farbe und eine Marke (fixiert).
  z = p.Zeichen(k5a, andereKl, true, 4, 1);
  EXPECT_FALSE(z.Schraffur);
  ASSERT_FALSE(z.Marken.empty());
  EXPECT_EQ(z.Marken[0].Art, TManMarkenArt::Fixiert);
  // Eine Stunde des aktuellen Kurses: der grüne Balken.
  a->NeueSetzung(1, 1, 1, r1);
  p.PlanRefresh();
  EXPECT_EQ(p.Zeichen(k5a, a, false, 1, 1).Streifen, TManStreifen::Eigener);
  EXPECT_TRUE(p.EigeneStunde(l1, 1, 1));
  EXPECT_TRUE(p.EigeneStunde(r1, 1, 1));
  EXPECT_FALSE(p.EigeneStunde(r2, 1, 1));
}

TEST_F(ManuellTest, OhneKonflikteWerdenKeineGezeigtAberBeimSetzenGeprueft) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 2);
  k5a->fSperrung.SetWocheTagStd(1, 5, 6, true);
  TManuellPlanung p({a}, true);
  EXPECT_FALSE(p.HatKonflikte(5, 6));
  EXPECT_FALSE(p.Zeichen(k5a, nullptr, true, 5, 6).Schraffur);
  // Der Passtest meldet die Sperrung und setzt nicht.
  EXPECT_FALSE(p.Setzen(5, 6));
  EXPECT_EQ(a->SetzungFinden(1, 5, 6), nullptr);
  EXPECT_EQ(Titel(), std::vector<std::string>{"Setzungsverbot"});
}

TEST_F(ManuellTest, GekoppelteKonflikteNachWerkzeug) {
  TKurs* c1 = Kurs(l1, fE, {k5a}, {r1}, g, 1);
  TKurs* c2 = Kurs(l2, fE, {k5b}, {r2}, g, 1);
  TKurs* andere = Kurs(l2, fM, {k5b}, {r3}, nullptr, 1);  // Lehrer von c2
  andere->NeueSetzung(1, 2, 2, r3);
  c2->NeueSetzung(1, 5, 5, r2);  // c2 hat keine offenen Stunden mehr
  TManuellPlanung p({c1}, false);
  p.KonflUpdate(TToolArt::SetzTool);
  EXPECT_FALSE(p.fAlleKonflikte);
  EXPECT_FALSE(p.HatKonflikte(2, 2));  // nur gekoppelte Kurse mit offenen Stunden
  p.KonflUpdate(TToolArt::SchiebTool);
  EXPECT_TRUE(p.fAlleKonflikte);
  ASSERT_TRUE(p.HatKonflikte(2, 2));
  EXPECT_EQ(p.Zeichen(k5a, nullptr, false, 2, 2).Marken,
            (std::vector<TManMarke>{{TManMarkenArt::Besetzt, false}}));
  // Eine Stunde eines anderen Kurses der geplanten Kopplung: silberner Balken.
  EXPECT_EQ(p.Zeichen(k5b, c2, false, 5, 5).Streifen, TManStreifen::Gekoppelt);
}

TEST_F(ManuellTest, MenueTexteHakenUndSpalten) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1, r2}, g, 2);
  TKurs* b = Kurs(l2, fM, {k5b}, {r3}, g, 1);
  b->NeueSetzung(1, 1, 1, r3);
  TManuellPlanung p({a, b}, false);
  TMenue kurse = p.KursMenue();
  ASSERT_EQ(kurse.size(), 2u);
  EXPECT_EQ(kurse[0].Text, U8(a->WertText(-1)) + " (2) " + U8(a->MitRaumZeile()));
  EXPECT_TRUE(kurse[0].Haken);
  EXPECT_EQ(kurse[1].Text, "<" + U8(b->WertText(-1)) + " (1) " + U8(b->MitRaumZeile()) + ">");
  EXPECT_FALSE(kurse[1].Haken);
  kurse[1].Aktion();
  EXPECT_EQ(p.fKurs, b);
  p.Zeigen(a);

  EXPECT_EQ(Texte(p.LehrerMenue()), (std::vector<std::string>{"MUE", "SCH"}));
  EXPECT_TRUE(p.LehrerMenue()[0].Haken);
  EXPECT_EQ(Texte(p.KlassenMenue()), (std::vector<std::string>{"5a", "5b"}));
  EXPECT_EQ(Texte(p.FachMenue()), (std::vector<std::string>{"D", "M"}));
  EXPECT_EQ(Texte(p.RaumMenue()), (std::vector<std::string>{"ohne", "R1", "R2", "R3"}));
  TMenue raeume = p.RaumMenue();
  EXPECT_TRUE(raeume[1].Haken);
  EXPECT_TRUE(raeume[2].Haken);
  EXPECT_FALSE(raeume[3].Haken);
  // Ein Raum des Kurses wird der Raum des Fensters und in der aktiven Tafel gezeigt.
  p.TafelAktivieren(2);
  raeume[2].Aktion();
  EXPECT_EQ(p.fRaum, r2);
  EXPECT_EQ(p.fTafeln[1], r2);
  // Ein Raum eines anderen Kurses der Kopplung wird nur gezeigt.
  raeume[3].Aktion();
  EXPECT_EQ(p.fRaum, r2);
  EXPECT_EQ(p.fTafeln[1], r3);
  raeume[0].Aktion();
  EXPECT_EQ(p.fRaum, nullptr);

  TMenue kopplung = p.KopplungsMenue();
  EXPECT_EQ(Texte(kopplung),
            (std::vector<std::string>{"ohne", "G1", U8(a->MitRaumZeile()), U8(b->MitRaumZeile())}));
  EXPECT_TRUE(kopplung[2].Haken);
  kopplung[0].Aktion();
  EXPECT_EQ(p.fKopplung, nullptr);
  kopplung[1].Aktion();
  EXPECT_EQ(p.fKopplung, g);

  // Ein langes Menü: 60 Einträge in Spalten zu 16.
  std::vector<TKurs*> viele;
  for (int i = 0; i < 60; ++i) viele.push_back(Kurs(l3, fE, {k5a}, {}, nullptr, 1));
  for (TKurs* k : viele) p.KursAufnehmen(k);
  TMenue lang = p.KursMenue();
  ASSERT_EQ(lang.size(), 62u);
  for (std::size_t i = 0; i < lang.size(); ++i)
    EXPECT_EQ(lang[i].NeueSpalte, i > 0 && i % 16 == 0) << i;
}

TEST_F(ManuellTest, SchliessenFragtBeiOffenenStunden) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 1);
  TManuellPlanung p({a}, false);
  u.dialog.Antworte("Nein");
  EXPECT_FALSE(p.SchliessenErlaubt());
  ASSERT_EQ(u.dialog.fProtokoll.size(), 1u);
  const auto& frage = u.dialog.fProtokoll[0];
  EXPECT_EQ(frage.Titel, "Manuellfenster schließen");
  EXPECT_EQ(frage.Zeilen,
            (std::vector<std::string>{"Es sind noch Kurse vorhanden, bei denen",
                                      "nicht alle Stunden verplant sind.",
                                      "Soll das Manuellfenster trotzdem geschlossen werden?"}));
  EXPECT_EQ(frage.Knoepfe, (std::vector<std::string>{"Ja", "Nein"}));
  u.dialog.Antworte("Ja");
  EXPECT_TRUE(p.SchliessenErlaubt());
  a->NeueSetzung(1, 1, 1, r1);
  EXPECT_TRUE(p.SchliessenErlaubt());  // ohne Frage
  EXPECT_EQ(u.dialog.fProtokoll.size(), 2u);
}

TEST_F(ManuellTest, WiderrufenStelltDenPlanGenauWiederHer) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1, r2}, nullptr, 3);
  TKurs* b = Kurs(l2, fM, {k5b}, {r2}, nullptr, 2);
  TKurs* c1 = Kurs(l3, fE, {k5a}, {r3}, g, 2);
  TKurs* c2 = Kurs(l2, fE, {k5b}, {r2, r3}, g, 2);
  a->NeueSetzung(1, 1, 1, r1);
  TSetzung* fix = b->NeueSetzung(1, 2, 2, r2);
  fix->fFixiert = true;
  c1->NeueSetzung(1, 3, 3, r3);
  c2->NeueSetzung(1, 3, 3, r2);
  const TStundenBild vorher = Bild(s);

  TManuellPlanung p({a, c1}, false);
  ASSERT_TRUE(p.Setzen(1, 2));         // hin a
  ASSERT_TRUE(p.Ablegen(4, 4, 1, 1));  // a wandert: weg + hin
  p.Loeschen(b, 2, 2, false);          // weg b (fixiert)
  p.Zeigen(c1);
  ASSERT_TRUE(p.Setzen(5, 1));  // hin c1 und c2
  u.dialog.Antworte("Kopplung");
  p.Loeschen(c1, 3, 3, false);  // weg c1 und c2
  p.Loeschen(a, 4, 4, true);    // nur der Raum (kein eigener Schritt)
  ASSERT_NE(Bild(s), vorher);
  EXPECT_EQ(p.fUndoListe.ListeZahlElemente(), 8);
  EXPECT_EQ(p.fKurse.Kopie(), (std::vector<TKurs*>{a, c1, b, c2}));

  Widerrufen();
  EXPECT_EQ(Bild(s), vorher);
  EXPECT_TRUE(p.fUndoListe.empty());
  EXPECT_EQ(p.fKurs, a);  // der erste Kurs der Liste
  EXPECT_TRUE(Merken());
  EXPECT_EQ(u.fenster.fUndoBefehle.back(), false);
  EXPECT_TRUE(BelegungenStimmen(s));
}

TEST_F(ManuellTest, LoeschenLeertDasProtokoll) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 2);
  TManuellPlanung p({a}, false);
  ASSERT_TRUE(p.Setzen(1, 1));
  ASSERT_EQ(p.fUndoListe.ListeZahlElemente(), 1);
  EXPECT_EQ(u.fenster.fUndoBefehle.back(), true);
  ProtokollLoeschen();
  EXPECT_TRUE(p.fUndoListe.empty());
  EXPECT_EQ(u.fenster.fUndoBefehle.back(), false);
  // Danach nimmt "Widerrufen" nichts mehr zurück.
  Widerrufen();
  EXPECT_NE(a->SetzungFinden(1, 1, 1), nullptr);
}

TEST_F(ManuellTest, ProbeZeigtWohinStundenWandernKoennten) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 2);
  TKurs* b = Kurs(l2, fM, {k5a}, {r2}, nullptr, 2);
  TKurs* c = Kurs(l3, fE, {k5a}, {r3}, nullptr, 2);
  a->NeueSetzung(1, 1, 1, r1);
  b->NeueSetzung(1, 1, 2, r2);
  c->NeueSetzung(1, 1, 3, r3);
  l3->fSperrung.SetWocheTagStd(1, 1, 1, true);  // KRA kann nicht nach Mo 1
  TManuellPlanung p({a}, false);
  auto zell = [&](int t, int h) -> TKurs* {
    for (TKurs* k : {a, b, c})
      if (k->SetzungFinden(1, t, h)) return k;
    return nullptr;
  };
  const auto zellen = p.Probe(zell, 5, 6, 1, 1, false);
  EXPECT_EQ(zellen, (std::vector<std::pair<int, int>>{{1, 1}, {1, 2}}));
  // Danach liegt a wieder in Mo 1.
  EXPECT_TRUE(a->fBesetzung.GetWocheTagStd(1, 1, 1));
  EXPECT_TRUE(k5a->fBesetzung.GetWocheTagStd(1, 1, 1));
  EXPECT_TRUE(BelegungenStimmen(s));
}

TEST_F(ManuellTest, GeloeschterKursVerlaesstListeUndProtokoll) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 2);
  TKurs* b = Kurs(l2, fM, {k5b}, {r2}, nullptr, 2);
  TManuellPlanung p({a, b}, false);
  ASSERT_TRUE(p.Setzen(1, 1));
  s.KursLoeschen(a);
  EXPECT_EQ(p.fKurse.Kopie(), std::vector<TKurs*>{b});
  EXPECT_EQ(p.fKurs, b);
  EXPECT_TRUE(p.fUndoListe.empty());
  EXPECT_EQ(p.fTafeln[0], k5b);
}

// Die Konflikte der Zellen gelten für den Stand, in dem sie berechnet wurden. Wird danach eine
// Stunde des anderen Kurses der Kopplung gelöscht, ist er wieder offen und wird mitgesetzt: auch
// seine Sperrungen zählen dann, statt ihn in eine gesperrte Zelle seiner Klasse zu setzen.
TEST_F(ManuellTest, SetzenPrueftAuchEinenErstJetztOffenenKursDerKopplung) {
  TKurs* c1 = Kurs(l1, fE, {k5a}, {}, g, 1);
  TKurs* c2 = Kurs(l2, fE, {k5b}, {}, g, 1);
  k5b->fSperrung.SetWocheTagStd(1, 1, 1, true);
  c2->NeueSetzung(1, 2, 2, nullptr);
  TManuellPlanung p({c1}, false);
  ASSERT_EQ(p.fKopplung, g);
  EXPECT_TRUE(p.Konflikte(1, 1).empty());  // c2 ist nicht offen: seine Sperrung zählt nicht
  u.dialog.Antworte("Dieser Kurs");
  p.Loeschen(c2, 2, 2, false);
  ASSERT_EQ(c2->RestStunden(1), 1);
  EXPECT_FALSE(p.Setzen(1, 1));
  EXPECT_EQ(c1->SetzungFinden(1, 1, 1), nullptr);
  EXPECT_EQ(c2->SetzungFinden(1, 1, 1), nullptr);
  EXPECT_EQ(p.Konflikte(1, 1).size(), 1u);
  EXPECT_TRUE(PlanVerstoesse(s).empty());
  EXPECT_TRUE(BelegungenStimmen(s));
}

// Zwei Planversionen: der andere Kurs der Kopplung ist in Woche 1 überplant und in Woche 2 offen,
// über alle Wochen also nicht. Setzen setzt ihn in Woche 2 mit: seine Sperrung dort zählt.
TEST_F(ManuellTest, SetzenPrueftDenKursDerKopplungDerNurInEinerWocheOffenIst) {
  ZweiWochen();
  TKurs* c1 = Kurs(l1, fE, {k5a}, {}, g, 1);
  TKurs* c2 = Kurs(l2, fE, {k5b}, {}, g, 1);
  c2->NeueSetzung(1, 2, 2, nullptr);
  c2->fStunden.SetWochenStunde(1, 0);
  ASSERT_EQ(c2->RestStunden(-1), 0);
  ASSERT_EQ(c2->RestStunden(2), 1);
  k5b->fSperrung.SetWocheTagStd(2, 1, 1, true);
  TManuellPlanung p({c1}, false);
  ASSERT_EQ(p.fKopplung, g);
  EXPECT_FALSE(p.Setzen(1, 1));
  EXPECT_EQ(c2->SetzungFinden(2, 1, 1), nullptr);
  EXPECT_EQ(c1->SetzungFinden(1, 1, 1), nullptr);
  EXPECT_TRUE(BelegungenStimmen(s));
}
