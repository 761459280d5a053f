// Der Ablauf der automatischen Planung: Sammeln, Prozentschnitt, Rechenfolge, Abbruch, Tabellen,
// Anzeige; an den Beispielschulen: Belegungen, keine Konflikte, gleiche Datei bei gleichen Daten.
#include <map>
#include <tuple>

#include "AutomatikHilfe.h"
#include "app/BeispielSchuleUnit.h"
#include "persistence/WriteUnit.h"

namespace {
using Z = std::vector<std::string>;

// Jede Zelle hat höchstens eine Stunde je Lehrer und Raum; die Kurse einer Klasse in einer
// Zelle gehören alle zu einer Kopplung (oder es ist nur einer).
::testing::AssertionResult OhneKonflikte(const TSchule& s) {
  std::map<std::tuple<const void*, int, int, int>, std::vector<const TKurs*>> zellen;
  for (const TKurs* k : s.fKursMenge)
    for (const TSetzung* z : k->fSetzungen) {
      const auto zelle = [&](const void* e) {
        return std::tuple(e, z->fWoche, z->fTag, z->fStunde);
      };
      if (k->fLehrer) zellen[zelle(k->fLehrer)].push_back(k);
      if (z->fRaum) zellen[zelle(z->fRaum)].push_back(k);
      for (const TKlasse* kl : k->fKlassen) zellen[zelle(kl)].push_back(k);
    }
  for (const auto& [zelle, kurse] : zellen) {
    if (kurse.size() < 2) continue;
    bool gekoppelt = kurse.front()->fKopplung != nullptr;
    for (const TKurs* k : kurse) gekoppelt = gekoppelt && k->fKopplung == kurse.front()->fKopplung;
    const auto* e = static_cast<const TElement*>(std::get<0>(zelle));
    if (!gekoppelt || e->Art() != kla)
      return ::testing::AssertionFailure()
             << e->fKuerzel.str() << " doppelt in Woche " << std::get<1>(zelle) << ", Tag "
             << std::get<2>(zelle) << ", Stunde " << std::get<3>(zelle) << ": "
             << kurse.front()->OhneRaumZeile() << " / " << kurse.back()->OhneRaumZeile();
  }
  return ::testing::AssertionSuccess();
}

std::vector<TKurs*> AlleZuVerplanenden(const TSchule& s) {
  std::vector<TKurs*> kurse;
  for (TKurs* k : s.fKursMenge)
    if (!k->fNichtVerplanen) kurse.push_back(k);
  return kurse;
}
}  // namespace

TEST_F(AutomatikTest, SammelnNimmtJedenKursEinmalMitSeinenPartnern) {
  TKurs* eins = AuKurs(l1, fD, {k5a}, {}, nullptr, 3, 1, 0, 1);
  TKurs* nie = AuKurs(l2, fD, {k5b}, {}, nullptr, 2, 1, 0, 1);
  nie->fNichtVerplanen = true;
  TKurs* x = AuKurs(l2, fM, {k5a}, {}, g, 2, 1, 0, 1);
  TKurs* y = AuKurs(l3, fE, {k5a}, {}, g, 1, 1, 0, 1);
  TKurs* z = AuKurs(l1, fE, {k5b}, {}, g, 4, 1, 0, 1);
  z->fNichtVerplanen = true;
  y->NeueSetzung(1, 2, 2, nullptr);  // y hat nichts mehr offen, kommt aber mit
  automat.KurseSammeln({eins, nie, x, eins});
  // Gekoppelt zuerst; y ist schwerer als x (eine Stunde gesetzt, eine Zelle mehr unmöglich).
  EXPECT_EQ(automat.Kurse(), (std::vector<TKurs*>{y, x, eins}));
  EXPECT_EQ(y->fBewertung, 100 * (1 + 33 + 3 + 1) + 6);
  EXPECT_EQ(x->fBewertung, 100 * (2 + 32 + 3 + 0) + 6);
  EXPECT_EQ(eins->fBewertung, 3 + 33 + 3 + 0);  // die Klasse hat y am Dienstag 2
  EXPECT_EQ(automat.NochZuSetzen(), 5);
  EXPECT_EQ(anzeige.fNoch, std::vector<int>{5});
  EXPECT_EQ(anzeige.fNvp, 0);
  EXPECT_EQ(anzeige.fPosition, 0);
  EXPECT_EQ(anzeige.fMaximum, 5);
  EXPECT_EQ(anzeige.fZustaende, std::vector<TAutomatZustand>{TAutomatZustand::Vorbereitet});
  EXPECT_EQ(u.dialog.fMeldungsFenster,
            std::vector<std::string>{"Die Reihenfolge der Setzungen wird berechnet."});
  EXPECT_EQ(u.dialog.fMeldungsFensterZu, 1);
  EXPECT_EQ(u.dialog.fBeschaeftigt, 0);
  EXPECT_TRUE(u.dialog.fProtokoll.empty());
}

TEST_F(AutomatikTest, FuenfzigProzentVonZehnKursenSindSechs) {
  st.fAuProzent = 50;
  std::vector<TKurs*> kurse;
  for (int i = 0; i < 10; ++i) {
    TKurs* k = AuKurs(nullptr, fD, {}, {}, nullptr, 10, 1, 0, 1);
    // Je mehr gesperrte Zellen, desto schwerer: der zuletzt angelegte Kurs kommt zuerst.
    for (int h = 1; h <= i; ++h) k->fSperrung.SetWocheTagStd(1, 1, h, true);
    kurse.push_back(k);
  }
  automat.KurseSammeln(kurse);
  EXPECT_EQ(automat.Kurse(), (std::vector<TKurs*>(kurse.rbegin(), kurse.rbegin() + 6)));
  EXPECT_EQ(automat.NochZuSetzen(), 60);
  EXPECT_EQ(anzeige.fMaximum, 60);
}

TEST_F(AutomatikTest, NachDemProzentschnittKommenDiePartnerWiederDazu) {
  st.fAuProzent = 50;
  std::vector<TKurs*> x, y;
  for (const char* name : {"G1", "G2", "G3"}) {
    TKopplung* k = s.HoleKopplung(name);
    x.push_back(AuKurs(nullptr, fD, {}, {}, k, 10, 1, 0, 1));
    y.push_back(AuKurs(nullptr, fM, {}, {}, k, 2, 1, 0, 1));
  }
  TKurs* u1 = AuKurs(nullptr, fE, {}, {}, nullptr, 1, 1, 0, 1);
  TKurs* u2 = AuKurs(nullptr, fE, {}, {}, nullptr, 1, 1, 0, 1);
  // Folge x1 x2 x3 y1 y2 y3 u1 u2 (38 Stunden): x1 und x2 erreichen 50 %, x3 kommt dazu, dann
  // deren Partner y1..y3; u1 und u2 fallen weg.
  automat.KurseSammeln({x[0], x[1], x[2], y[0], y[1], y[2], u1, u2});
  EXPECT_EQ(automat.Kurse(), (std::vector<TKurs*>{x[0], x[1], x[2], y[0], y[1], y[2]}));
  EXPECT_EQ(automat.NochZuSetzen(), 36);
}

TEST_F(AutomatikTest, OhneOffeneStundenWirdNichtsGerechnet) {
  st.fAuProzent = 50;
  TKurs* k = AuKurs(l1, fD, {k5a}, {}, nullptr, 2, 1, 2, 1);
  k->NeueSetzung(1, 1, 1, nullptr);
  k->NeueSetzung(1, 1, 2, nullptr);  // zwei Einzelstunden verlangt, eine Doppelstunde gesetzt
  Rechne({k});
  EXPECT_EQ(automat.Kurse(), std::vector<TKurs*>{k});
  EXPECT_EQ(Stunden(k), (Z{"1.1", "1.2"}));
  EXPECT_EQ(anzeige.fKurse, 0);
  EXPECT_EQ(anzeige.fZustaende.back(), TAutomatZustand::Fertig);
}

TEST_F(AutomatikTest, AbbrechenWirktNachDemKursInArbeit) {
  TKurs* drei = AuKurs(l1, fD, {k5a}, {}, nullptr, 3, 1, 0, 1);
  TKurs* zwei = AuKurs(l2, fM, {k5b}, {}, nullptr, 2, 1, 0, 1);
  TKurs* eins = AuKurs(l3, fE, {}, {}, nullptr, 1, 1, 0, 1);
  anzeige.fBeiKurs = [&](int n) {
    if (n == 1) automat.Abbrechen();
  };
  Rechne({eins, zwei, drei});
  EXPECT_EQ(drei->fSetzungen.size(), 3u);
  EXPECT_TRUE(zwei->fSetzungen.empty());
  EXPECT_TRUE(eins->fSetzungen.empty());
  EXPECT_EQ(automat.Kurse(), (std::vector<TKurs*>{zwei, eins}));
  EXPECT_TRUE(automat.Rest().empty());
  EXPECT_EQ(automat.NochZuSetzen(), 3);
  EXPECT_EQ(anzeige.fKurse, 1);
  EXPECT_EQ(anzeige.fZustaende,
            (std::vector<TAutomatZustand>{TAutomatZustand::Vorbereitet, TAutomatZustand::Rechnend,
                                          TAutomatZustand::Fertig}));
  // Eine neue Rechnung beginnt ohne den alten Abbruchwunsch.
  anzeige.fBeiKurs = nullptr;
  automat.Rechne();
  EXPECT_EQ(zwei->fSetzungen.size(), 2u);
  EXPECT_EQ(eins->fSetzungen.size(), 1u);
}

TEST_F(AutomatikTest, EineNullInDenTabellenBringtDieVorgaben) {
  st.fAuTab[3][2][4] = 0;
  TKurs* k = AuKurs(l1, fD, {k5a}, {}, nullptr, 1, 1, 0, 1);
  Rechne({k});
  EXPECT_EQ(st.fAuTab, TStandard::StandardTabellen());
  EXPECT_EQ(Stunden(k), (Z{"3.1"}));
}

TEST_F(AutomatikTest, EineDoppelteOrdnungszahlBringtDieVorgaben) {
  st.fAuTab[4][16][7] = 1;  // 1 gibt es in Tabelle 4 schon, 112 fehlt
  TKurs* k = AuKurs(l1, fD, {k5a}, {}, nullptr, 1, 1, 0, 1);
  Rechne({k});
  EXPECT_EQ(st.fAuTab, TStandard::StandardTabellen());
}

TEST_F(AutomatikTest, DieTabellenDerEinstellungenGelten) {
  // Mittwoch 1 und Freitag 1 tauschen ihre Ordnungszahlen in Tabelle 1.
  std::swap(st.fAuTab[1][1][3], st.fAuTab[1][1][5]);
  TKurs* k = AuKurs(l1, fD, {k5a}, {}, nullptr, 1, 1, 0, 1);
  Rechne({k});
  EXPECT_EQ(Stunden(k), (Z{"5.1"}));
  EXPECT_NE(st.fAuTab, TStandard::StandardTabellen());
}

TEST_F(AutomatikTest, NachFAuStdGesetztenStundenWirdNeuGeordnet) {
  const auto laeufe = [&](int auStd) {
    st.fAuStd = auStd;
    u.dialog.fMeldungsFenster.clear();
    std::vector<TKurs*> kurse;
    for (TLehrer* l : {l1, l2, l3}) kurse.push_back(AuKurs(l, fD, {}, {}, nullptr, 2, 1, 0, 1));
    Rechne(kurse);
    for (TKurs* k : kurse) EXPECT_EQ(k->fSetzungen.size(), 2u);
    return u.dialog.fMeldungsFenster.size();
  };
  // Sammeln ordnet einmal; 1000 Stunden werden nicht erreicht.
  EXPECT_EQ(laeufe(1000), 1u);
  // Nach jeder Stunde: vor dem zweiten und dritten Kurs neu. 0 zählt als 1.
  EXPECT_EQ(laeufe(1), 3u);
  EXPECT_EQ(laeufe(0), 3u);
  EXPECT_EQ(u.dialog.fBeschaeftigt, 0);
}

// Die offenen Stunden aller zu verplanenden Kurse.
int OffeneStunden(const TSchule& s) {
  int n = 0;
  for (const TKurs* k : s.fKursMenge)
    if (!k->fNichtVerplanen) n += std::max(0, k->RestStunden(-1));
  return n;
}

TEST(AutomatikBeispielSchule, DerRestWirdOhneKonfliktGeplantFixiertesBleibt) {
  TTestUmgebung u;
  TSchule& s = u.schule();
  ErzeugeBeispielSchule(s, false);
  u.standard.fEineWoche = false;
  ASSERT_TRUE(OhneKonflikte(s));
  std::vector<std::tuple<const TKurs*, int, int, int, const TRaum*>> fixiert;
  for (const TKurs* k : s.fKursMenge)
    for (const TSetzung* z : k->fSetzungen)
      if (z->fFixiert) fixiert.emplace_back(k, z->fWoche, z->fTag, z->fStunde, z->fRaum);
  ASSERT_FALSE(fixiert.empty());
  const int vorher = OffeneStunden(s);
  TTestAnzeige anzeige;
  TAutomat automat(anzeige);
  automat.KurseSammeln(AlleZuVerplanenden(s));
  EXPECT_EQ(automat.NochZuSetzen(), vorher);
  automat.Rechne();
  EXPECT_TRUE(BelegungenStimmen(s));
  EXPECT_TRUE(OhneKonflikte(s));
  EXPECT_EQ(anzeige.fPiepser, 0);
  EXPECT_EQ(automat.Gesetzt() + OffeneStunden(s), vorher);
  EXPECT_EQ(automat.NichtVerplanbar(), OffeneStunden(s));
  EXPECT_GT(automat.Gesetzt(), vorher * 9 / 10);
  for (const TKurs* k : s.fKursMenge) {
    const bool imRest =
        std::find(automat.Rest().begin(), automat.Rest().end(), k) != automat.Rest().end();
    EXPECT_EQ(imRest, !k->fNichtVerplanen && k->RestStunden(-1) > 0) << k->OhneRaumZeile();
  }
  for (const auto& [k, w, t, h, r] : fixiert) {
    const TSetzung* z = k->SetzungFinden(w, t, h);
    ASSERT_NE(z, nullptr);
    EXPECT_TRUE(z->fFixiert);
    EXPECT_EQ(z->fRaum, r);
  }
}

TEST(AutomatikBeispielSchule, DieLeereGrosseSchuleMitRaeumen) {
  TTestUmgebung u;
  TSchule& s = u.schule();
  ErzeugeBeispielSchule(s, true);
  u.standard.fEineWoche = false;
  u.standard.fAuRaumUnwichtig = false;
  for (TKurs* k : s.fKursMenge) k->AlleSetzungenEntfernen();
  const int vorher = OffeneStunden(s);
  TTestAnzeige anzeige;
  TAutomat automat(anzeige);
  automat.KurseSammeln(AlleZuVerplanenden(s));
  automat.Rechne();
  EXPECT_TRUE(BelegungenStimmen(s));
  EXPECT_TRUE(OhneKonflikte(s));
  EXPECT_EQ(anzeige.fPiepser, 0);
  EXPECT_EQ(automat.Gesetzt() + automat.NichtVerplanbar(), vorher);
  EXPECT_GT(automat.Gesetzt(), vorher * 9 / 10);
  EXPECT_TRUE(automat.Kurse().empty());
}

TEST(AutomatikBeispielSchule, GleicheDatenGebenDieGleicheDatei) {
  const auto plan = [](bool gross) {
    TTestUmgebung u;
    TSchule& s = u.schule();
    ErzeugeBeispielSchule(s, gross);
    u.standard.fEineWoche = false;
    if (gross)
      for (TKurs* k : s.fKursMenge) k->AlleSetzungenEntfernen();
    TTestAnzeige anzeige;
    TAutomat automat(anzeige);
    automat.KurseSammeln(AlleZuVerplanenden(s));
    automat.Rechne();
    return SchuleAlsBytes(s);
  };
  const std::vector<std::uint8_t> klein = plan(false);
  EXPECT_EQ(plan(false), klein);
  const std::vector<std::uint8_t> gross = plan(true);
  EXPECT_EQ(plan(true), gross);
}
