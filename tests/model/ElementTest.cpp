#include <gtest/gtest.h>

#include "TestUmgebung.h"
#include "model/MenueUnit.h"
#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"

namespace {
// Legt einen Kurs mit den gegebenen Elementen an (ohne Fenster, ohne Fragen).
TKurs* Kurs(TSchule& s, TLehrer* l, TKlasse* k, TFach* f, TKopplung* g, int stunden,
            int faktor = 1) {
  auto neu = std::make_unique<TKurs>();
  TKurs* kurs = neu.get();
  s.fKursMenge.ListeAnhaengen(std::move(neu));
  kurs->fStunden.SetWochenStunde(0, stunden);
  kurs->fFaktor = faktor;
  if (l) kurs->LehrerErgaenzen(l);
  if (k) kurs->KlasseErgaenzen(k);
  if (f) kurs->FachErgaenzen(f);
  if (g) kurs->KopplungErgaenzen(g);
  return kurs;
}
}  // namespace

class Elemente : public ::testing::Test {
 protected:
  TTestUmgebung u;
  TSchule& s = u.schule();
};

TEST_F(Elemente, KuerzelSucheIstExakt) {
  TLehrer* mue = s.HoleLehrer("M\xFC");
  EXPECT_EQ(s.HoleElement(s.fLehrerMenge, "M\xDC"), nullptr);
  EXPECT_EQ(s.HoleElement(s.fLehrerMenge, "M\xFC "), nullptr);
  EXPECT_EQ(s.HoleElement(s.fLehrerMenge, "M\xFC"), mue);
  EXPECT_EQ(s.HoleLehrer("M\xFC"), mue);
  EXPECT_EQ(s.fLehrerMenge.ListeZahlElemente(), 1);
}

TEST_F(Elemente, HolenSchneidetAufElfZeichenUndNummeriert) {
  TKlasse* a = s.HoleKlasse("ABCDEFGHIJKL");
  EXPECT_EQ(a->fKuerzel.str(), "ABCDEFGHIJK");
  EXPECT_EQ(s.HoleKlasse("ABCDEFGHIJKxyz"), a);
  TKlasse* b = s.HoleKlasse("5b");
  EXPECT_EQ(b->fNr, 2u);
  EXPECT_EQ(b->fReihe, 2);
  EXPECT_TRUE(s.fDirty);
  EXPECT_TRUE(u.fenster.fSichernFrei);
}

TEST_F(Elemente, NeueElementeMitVorgaben) {
  u.standard.fLeSoll = 25;
  u.standard.fKlSoll = 31;
  u.standard.fGrWoElem.SetTagStd(5, 6, true);
  TLehrer* l = s.HoleLehrer("L");
  TKlasse* k = s.HoleKlasse("K");
  TRaum* r = s.HoleRaum("R");
  EXPECT_EQ(l->GetSoll(1), 25);
  EXPECT_EQ(k->GetSoll(1), 31);
  EXPECT_TRUE(r->fSperrung.GetWocheTagStd(1, 5, 6));
  EXPECT_TRUE(l->fSperrung.GetWocheTagStd(1, 5, 6));
  EXPECT_FALSE(r->fBesetzung.GetWocheTagStd(1, 5, 6));
}

TEST_F(Elemente, KopplungZaehltEinmalMitDemGroesstenKurs) {
  TLehrer* l = s.HoleLehrer("L");
  TKopplung* g = s.HoleKopplung("Q1");
  Kurs(s, l, nullptr, nullptr, g, 3);
  Kurs(s, l, nullptr, nullptr, g, 2);
  EXPECT_EQ(l->StundenSumme(0, false, leh), 3);
  EXPECT_EQ(l->StundenSumme(0, true, leh), 5);
  EXPECT_EQ(g->GroessterKopplungsKurs(0, false)->fStunden.GetWochenStunde(0), 3);
}

TEST_F(Elemente, FaktorSummeGewichtetMitDemErstenKurs) {
  TKlasse* k = s.HoleKlasse("Q1");
  TKopplung* g = s.HoleKopplung("LK");
  // Der erste Kurs (mehr Stunden, Faktor 1) trifft die Kopplung; gezählt werden die Stunden
  // des größten nach Stunden·Faktor, gewichtet mit dem Faktor des ersten.
  TKurs* b = Kurs(s, nullptr, k, nullptr, g, 4, 3);
  TKurs* a = Kurs(s, nullptr, k, nullptr, g, 5, 1);
  ASSERT_EQ(k->fKurse[0], a);  // mehr Stunden zuerst
  (void)b;
  EXPECT_EQ(k->FaktorSumme(0, false, kla), 1 * 4);
  EXPECT_EQ(k->StundenSumme(0, false, kla), 5);
  EXPECT_EQ(k->FaktorSumme(0, true, kla), 5 + 12);
}

TEST_F(Elemente, SeitenUndZaehlfilter) {
  TLehrer* l = s.HoleLehrer("L");
  TKlasse* k = s.HoleKlasse("K");
  TKurs* a = Kurs(s, l, k, nullptr, nullptr, 4);
  TKurs* b = Kurs(s, l, k, nullptr, nullptr, 2);
  b->fNichtZaehlenLe = true;
  TKurs* c = Kurs(s, nullptr, k, nullptr, nullptr, 1);
  c->fNichtVerplanen = true;
  (void)a;
  EXPECT_EQ(l->StundenSumme(0, false, leh), 4);
  EXPECT_EQ(k->StundenSumme(0, false, kla), 7);
  EXPECT_EQ(k->StundenSumme(0, false, fac), 7);  // b zählt für die Klassen noch
  EXPECT_EQ(k->StundenSumme(0, false, kop), 0);  // jede andere Art zählt nichts
  EXPECT_EQ(l->nzSumme(0, leh), 2);
  EXPECT_EQ(k->nzSumme(0, kla), 0);
  EXPECT_EQ(k->nvpSumme(0), 1);
  EXPECT_EQ(k->IstSumme(0), 6);
  EXPECT_TRUE(l->HatKursNichtAngerechnet());
}

TEST_F(Elemente, WochenSummenUndArbeitswoche) {
  u.standard.fMaxWocheNeu = 2;
  u.NeueSchule();
  TSchule& t = u.schule();
  TLehrer* l = t.HoleLehrer("L");
  TKurs* a = Kurs(t, l, nullptr, nullptr, nullptr, 0);
  a->fStunden.SetWochenStunde(1, 3);
  a->fStunden.SetWochenStunde(2, 1);
  EXPECT_EQ(l->StundenSumme(0, false, leh), 4);
  EXPECT_EQ(l->StundenSumme(2, false, leh), 1);
  u.standard.fEineWoche = true;
  u.standard.fAktuelleWoche = 1;
  EXPECT_EQ(l->StundenSumme(-1, false, leh), 3);
  u.standard.fEineWoche = false;
  EXPECT_EQ(l->StundenSumme(-1, false, leh), 4);
}

TEST_F(Elemente, SollWirdBegrenzt) {
  u.standard.fDivisor = 4;
  TLehrer* l = s.HoleLehrer("L");
  l->SetSoll(0, 250 * 4);
  EXPECT_EQ(l->GetSoll(1), 200 * 4);
  l->SetSoll(0, -3);
  EXPECT_EQ(l->GetSoll(1), 0);
  l->SetSoll(1, 7);
  EXPECT_EQ(l->GetSoll(1), 7);
}

TEST_F(Elemente, AendereSollBeziehtSichAufDieAktuelleWoche) {
  u.standard.fMaxWocheNeu = 2;
  u.NeueSchule();
  TKlasse* k = u.schule().HoleKlasse("5a");
  k->SetSoll(1, 30);
  k->SetSoll(2, 20);
  u.standard.fEineWoche = false;
  u.standard.fAktuelleWoche = 2;
  TFakeFenster daten(FensterArt::KlassenDaten);
  k->fGrDatFenster = &daten;
  k->AendereSoll(1);
  EXPECT_EQ(k->GetSoll(1), 21);
  EXPECT_EQ(k->GetSoll(2), 21);
  EXPECT_GE(daten.fRefreshs, 1);
  k->fGrDatFenster = nullptr;
}

TEST_F(Elemente, SVZeileMitLueckenUndSperrung) {
  u.standard.fPlnStd = 6;
  TKlasse* k = s.HoleKlasse("5a");
  TKurs* a = Kurs(s, nullptr, k, nullptr, nullptr, 5);
  EXPECT_EQ(k->SVZeile(1, 1), "FFFFFFFFFFFFFFFF");
  a->NeueSetzung(1, 1, 2, nullptr);
  a->NeueSetzung(1, 1, 5, nullptr);
  EXPECT_EQ(k->SVZeile(1, 1), "FEUUEFFFFFFFFFFF");
  k->fSperrung.SetWocheTagStd(1, 1, 3, true);
  EXPECT_EQ(k->SVZeile(1, 1), "FESUEFFFFFFFFFFF");
  // Fixiert und gekoppelt
  a->SetzungFinden(1, 1, 2)->fFixiert = true;
  a->KopplungErgaenzen(s.HoleKopplung("G"));
  EXPECT_EQ(k->SVZeile(1, 1), "FLSUKFFFFFFFFFFF");
  // Eine Stunde jenseits von fPlnStd schließt keine Lücke.
  TKurs* b = Kurs(s, nullptr, k, nullptr, nullptr, 2);
  b->NeueSetzung(1, 2, 2, nullptr);
  b->NeueSetzung(1, 2, 9, nullptr);
  EXPECT_EQ(k->SVZeile(1, 2), "FEFFFFFFEFFFFFFF");
}

TEST_F(Elemente, SpringStundenUndHohlstunden) {
  u.standard.fPlnStd = 8;
  u.standard.fMaxTageNeu = 5;
  TLehrer* l = s.HoleLehrer("L");
  TKlasse* k = s.HoleKlasse("5a");
  TKurs* a = Kurs(s, l, k, nullptr, nullptr, 6);
  a->NeueSetzung(1, 1, 1, nullptr);
  a->NeueSetzung(1, 1, 4, nullptr);
  a->NeueSetzung(1, 2, 3, nullptr);
  a->NeueSetzung(1, 3, 6, nullptr);
  l->fSperrung.SetWocheTagStd(1, 1, 2, true);
  EXPECT_EQ(l->SpringStd(), 1);  // Montag: Stunde 3 frei, Stunde 2 gesperrt
  a->SetzungFinden(1, 3, 6)->fFixiert = true;
  int maxim = -1;
  TTagFeld maximum{};
  // Montag 2,3 offen (Sperrung nur beim Lehrer), Dienstag 1,2; Mittwoch zählt nicht: fixiert.
  EXPECT_EQ(k->HohlStunden(1, maxim, maximum), 4);
  EXPECT_EQ(maxim, 4);
  EXPECT_EQ(maximum[0], 4);
  EXPECT_EQ(maximum[1], 3);
  EXPECT_EQ(maximum[2], 0);
}

TEST_F(Elemente, FindeKursImRaumNurInDiesemRaum) {
  TRaum* r1 = s.HoleRaum("R1");
  TRaum* r2 = s.HoleRaum("R2");
  TKlasse* k = s.HoleKlasse("5a");
  TKurs* a = Kurs(s, nullptr, k, nullptr, nullptr, 2);
  a->RaumErgaenzen(r1, false);
  a->RaumErgaenzen(r2, false);
  a->NeueSetzung(1, 1, 1, r2);
  EXPECT_EQ(r1->FindeKurs(1, 1, 1), nullptr);
  EXPECT_EQ(r2->FindeKurs(1, 1, 1), a);
  EXPECT_EQ(k->FindeKurs(1, 1, 1), a);
  auto inR2 = k->KurseFinden(1, 1, 1, r2);
  EXPECT_EQ(inR2.ListeZahlElemente(), 1);
  EXPECT_EQ(k->KurseFinden(1, 1, 1, r1).ListeZahlElemente(), 0);
  EXPECT_EQ(k->KurseFinden(1, 1, 2, nullptr).ListeZahlElemente(), 0);
  EXPECT_TRUE(k->IstVerplant());
  EXPECT_FALSE(k->RaumFehltImPlan());
  a->NeueSetzung(1, 2, 1, nullptr);
  EXPECT_TRUE(k->RaumFehltImPlan());
}

TEST_F(Elemente, KopiereSperrungLaesstBesetzteZellenFrei) {
  TLehrer* l = s.HoleLehrer("L");
  TKurs* a = Kurs(s, l, nullptr, nullptr, nullptr, 1);
  a->NeueSetzung(1, 1, 1, nullptr);
  TWochBereich vorlage;
  vorlage.SetWocheTagStd(1, 1, 0, true);
  l->KopiereSperrung(vorlage);
  EXPECT_FALSE(l->fSperrung.GetWocheTagStd(1, 1, 1));
  EXPECT_TRUE(l->fSperrung.GetWocheTagStd(1, 1, 2));
}

TEST_F(Elemente, FaecherDesLehrersSpiegelnSich) {
  TLehrer* l = s.HoleLehrer("L");
  TFach* d = s.HoleFach("D");
  TFach* e = s.HoleFach("E");
  l->NeuesFach(e);
  l->NeuesFach(d);
  l->NeuesFach(d);
  ASSERT_EQ(l->fFaecher.ListeZahlElemente(), 2);
  EXPECT_EQ(l->fFaecher[0], d);  // nach fReihe
  EXPECT_EQ(d->fLehrer.ListeElemNr(l), 1);
  Kurs(s, l, nullptr, d, nullptr, 3);
  EXPECT_FALSE(l->FachEntfernen(d));
  ASSERT_EQ(u.dialog.fProtokoll.size(), 1u);
  EXPECT_EQ(u.dialog.fProtokoll[0].Text(), "Erst müssen die zugehörigen Kurse gelöscht werden!");
  EXPECT_EQ(u.dialog.fProtokoll[0].Art, TMeldungsArt::Fehler);
  EXPECT_EQ(l->fFaecher.ListeZahlElemente(), 2);
  EXPECT_TRUE(u.standard.fEineWoche);  // wiederhergestellt
  EXPECT_TRUE(l->FachEntfernen(e));
  EXPECT_EQ(e->fLehrer.ListeZahlElemente(), 0);
  EXPECT_EQ(l->fFaecher.ListeZahlElemente(), 1);
}

TEST_F(Elemente, KursPopZeilen) {
  TKlasse* k = s.HoleKlasse("5a");
  k->SetSoll(0, 25);  // 24.5 bei Divisor 2 -> hier Divisor 1
  TFach* d = s.HoleFach("D");
  TFach* m = s.HoleFach("M");
  Kurs(s, nullptr, k, d, nullptr, 4);
  Kurs(s, nullptr, k, m, nullptr, 20);
  EXPECT_EQ(k->KursPopZeile(d, kla), "[ 4.0 ]-[20.0 ]-[ 1.0 ]  5a");
  u.standard.fDivisor = 2;
  k->SetSoll(0, 49);
  s.fKursMenge[0]->fStunden.SetWochenStunde(0, 8);
  s.fKursMenge[1]->fStunden.SetWochenStunde(0, 40);
  EXPECT_EQ(k->KursPopZeile(d, kla), "[ 4.0 ]-[20.0 ]-[ 0.5 ]  5a");

  TLehrer* l = s.HoleLehrer("L");
  l->SetSoll(0, 48);
  Kurs(s, l, nullptr, d, nullptr, 6);
  EXPECT_EQ(d->KursPopZeile(l, 10), "[ 3.0 ]-[16.0 ]-[ 5.0 ]  D");
}

TEST_F(Elemente, AuswahllistenBrechenInSpaltenUm) {
  EXPECT_EQ(PopupSpaltenLaenge(0), 16);
  EXPECT_EQ(PopupSpaltenLaenge(36), 16);   // sqrt(36/7)*7 = 15.87.. -> 16
  EXPECT_EQ(PopupSpaltenLaenge(63), 21);   // sqrt(9)*7 = 21
  EXPECT_EQ(PopupSpaltenLaenge(100), 26);  // 26.45 -> 26
  TFach* d = s.HoleFach("D");
  for (int i = 0; i < 40; ++i) {
    TKlasse* k = s.HoleKlasse("K" + std::to_string(i));
    d->NeueKlasse(k);
  }
  TMenue menue = d->KlassenPopupFuellen();
  ASSERT_EQ(menue.size(), 40u);
  const int k = PopupSpaltenLaenge(40);
  for (int i = 0; i < 40; ++i) EXPECT_EQ(menue[i].NeueSpalte, i > 0 && i % k == 0) << i;
  menue[5].Aktion();
  EXPECT_EQ(d->fPopKlasse, s.fKlassenMenge[5]);
}
