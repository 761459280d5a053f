// Die Textzeilen eines Kurses, mit ihren genauen Leerzeichen.
#include <gtest/gtest.h>

#include "model/KursHilfe.h"

namespace {

class KursZeilenTest : public ::testing::Test {
 protected:
  TTestUmgebung env;
  TSchule& schule = env.schule();
  TLehrer* l = schule.HoleLehrer("M\xFC");  // Mü in Windows-1252
  TFach* f = schule.HoleFach("D");
  TKlasse* k1 = schule.HoleKlasse("5a");
  TKlasse* k2 = schule.HoleKlasse("5b");
  TKopplung* ko = schule.HoleKopplung("K1");
  TRaum* r1 = schule.HoleRaum("R1");
  TRaum* r2 = schule.HoleRaum("R2");

  TKurs* Leer() { return TKurs::IKurs(nullptr, nullptr, nullptr, nullptr, nullptr, 3); }
  TKurs* Voll() {
    TKurs* k = TKurs::IKurs(l, k1, ko, f, r1, 3);
    k->KlasseErgaenzen(k2);
    k->RaumErgaenzen(r2, false);
    k->fInfo = "Info";
    return k;
  }
};

TEST_F(KursZeilenTest, OhneRaumZeile) {
  TKurs* voll = Voll();
  EXPECT_EQ(voll->OhneRaumZeile(), "M\xFC D 5a K1");
  EXPECT_EQ(voll->OhneRaumZeile(k2), "M\xFC D 5b K1");
  EXPECT_EQ(Leer()->OhneRaumZeile(), "");
  TKurs* ohneLehrer = TKurs::IKurs(nullptr, k1, nullptr, f, nullptr, 2);
  EXPECT_EQ(ohneLehrer->OhneRaumZeile(), "D 5a");
  TKurs* nurLehrer = TKurs::IKurs(l, nullptr, nullptr, nullptr, r1, 2);
  EXPECT_EQ(nurLehrer->OhneRaumZeile(), "M\xFC");
}

TEST_F(KursZeilenTest, OhneRaumKlKoZeileNenntKopplungStattKlasse) {
  EXPECT_EQ(Voll()->OhneRaumKlKoZeile(), "M\xFC D K1");
  EXPECT_EQ(TKurs::IKurs(l, k1, nullptr, f, nullptr, 2)->OhneRaumKlKoZeile(), "M\xFC D 5a");
  EXPECT_EQ(TKurs::IKurs(nullptr, k1, nullptr, f, nullptr, 2)->OhneRaumKlKoZeile(), " D 5a");
  EXPECT_EQ(TKurs::IKurs(nullptr, k1, nullptr, nullptr, nullptr, 2)->OhneRaumKlKoZeile(), " 5a");
  EXPECT_EQ(Leer()->OhneRaumKlKoZeile(), "");
}

TEST_F(KursZeilenTest, MitRaumZeileNimmtDenMeistVerplantenRaum) {
  TKurs* voll = Voll();
  EXPECT_EQ(voll->MitRaumZeile(), "M\xFC D 5a K1 R1");
  voll->NeueSetzung(1, 1, 1, r2);
  EXPECT_EQ(voll->MitRaumZeile(), "M\xFC D 5a K1 R2");
  TKurs* ohneRaum = TKurs::IKurs(l, nullptr, nullptr, f, nullptr, 2);
  EXPECT_EQ(ohneRaum->MitRaumZeile(), "M\xFC D");
}

TEST_F(KursZeilenTest, KurzZeileMitRaumDerSetzung) {
  TKurs* voll = Voll();
  EXPECT_EQ(voll->KurzZeile(0, 0, 0), "M\xFC D 5a K1 R1");
  EXPECT_EQ(voll->KurzZeile(1, 1, 1), "M\xFC D 5a K1 R1");  // ohne Setzungen: erster Raum
  voll->NeueSetzung(1, 1, 1, r2);
  voll->NeueSetzung(1, 1, 2, nullptr);
  EXPECT_EQ(voll->KurzZeile(1, 1, 1), "M\xFC D 5a K1 R2");
  EXPECT_EQ(voll->KurzZeile(1, 1, 2), "M\xFC D 5a K1 ");  // Setzung ohne Raum: endet mit Blank
  EXPECT_EQ(voll->KurzZeile(1, 1, 3), "M\xFC D 5a K1 ");  // keine Setzung dort
  EXPECT_EQ(voll->KurzZeile(1, 1, 1, k2), "M\xFC D 5b K1 R2");
  EXPECT_EQ(voll->KurzZeile(0, 1, 1), "M\xFC D 5a K1 R1");  // alle Wochen: erster Raum
  TKurs* nurRaum = TKurs::IKurs(nullptr, nullptr, nullptr, nullptr, r1, 2);
  EXPECT_EQ(nurRaum->KurzZeile(0, 0, 0), "R1");
  EXPECT_EQ(TKurs::IKurs(l, nullptr, nullptr, nullptr, nullptr, 2)->KurzZeile(1, 1, 1), "M\xFC");
}

TEST_F(KursZeilenTest, ZeileMitWertStundenUndInfo) {
  TKurs* voll = Voll();
  EXPECT_EQ(voll->Zeile(1, 0, 0, false, leh), " 3.0 (3) M\xFC D 5a K1 R1");
  EXPECT_EQ(voll->Zeile(1, 0, 0, true, leh), " 3.0 (3) M\xFC D 5a K1 R1 [Info]");
  voll->fFaktor = 2;
  env.standard.fDivisor = 4;
  EXPECT_EQ(voll->Zeile(1, 0, 0, false, kla), " 1.5 (3) M\xFC D 5a K1 R1");
  voll->fNichtZaehlenLe = true;
  EXPECT_EQ(voll->Zeile(1, 0, 0, false, leh), " 0.0 (3) M\xFC D 5a K1 R1");
  EXPECT_EQ(voll->Zeile(1, 0, 0, false, kla), " 1.5 (3) M\xFC D 5a K1 R1");
  EXPECT_EQ(voll->Zeile(1, 0, 0, false, fac), " 1.5 (3) M\xFC D 5a K1 R1");
  voll->fNichtZaehlenKl = true;
  EXPECT_EQ(voll->Zeile(1, 0, 0, false, kla), " 0.0 (3) M\xFC D 5a K1 R1");
  EXPECT_EQ(Leer()->Zeile(1, 0, 0, false, leh), " 0.8 (3) ");  // 3/4 gerundet
}

TEST_F(KursZeilenTest, WertTextRundetHalbVonNullWegUndSummiertWocheNull) {
  env.schule().VersionErweitern(2);
  env.standard.fEineWoche = false;
  TKurs* kurs = Leer();
  EXPECT_EQ(kurs->WertText(0), " 6.0");
  env.standard.fDivisor = 4;
  env.standard.fNachKomma = 1;
  kurs->fStunden.SetWochenStunde(0, 1);  // 0,25 je Woche
  EXPECT_EQ(kurs->WertText(1), " 0.3");
  kurs->fStunden.SetWochenStunde(0, -1);
  EXPECT_EQ(kurs->WertText(1), "-0.3");
}

TEST_F(KursZeilenTest, WochenZeile) {
  TKurs* voll = Voll();
  EXPECT_EQ(voll->WochenZeile(2, 0, 0, false), "{2} M\xFC D 5a K1 R1");
  EXPECT_EQ(voll->WochenZeile(1, 0, 0, true, k2), "{1} M\xFC D 5b K1 R1 [Info]");
  EXPECT_EQ(Leer()->WochenZeile(1, 1, 1, false), "{1} ");
}

TEST_F(KursZeilenTest, WahlZeileInDerGewaehltenFolge) {
  TKurs* voll = Voll();
  EXPECT_EQ(voll->WahlZeile(0, 0, 0, leh, rau, kla), "M\xFC R1 5a");
  EXPECT_EQ(voll->WahlZeile(0, 0, 0, kop, fac, uvt), "K1 D");
  voll->NeueSetzung(1, 1, 1, nullptr);
  EXPECT_EQ(voll->WahlZeile(1, 1, 1, rau, leh, kla), "M\xFC 5a");  // Setzung ohne Raum
  TKurs* leer = Leer();
  EXPECT_EQ(leer->WahlZeile(0, 0, 0, leh, kla, rau), "");
  TKurs* nurLehrer = TKurs::IKurs(l, nullptr, nullptr, nullptr, nullptr, 2);
  EXPECT_EQ(nurLehrer->WahlZeile(0, 0, 0, kla, leh, rau), "M\xFC");
}

TEST_F(KursZeilenTest, SVZeile) {
  TKurs* kurs = TKurs::IKurs(l, k1, nullptr, f, nullptr, 4);
  EXPECT_EQ(kurs->SVZeile(1), "FFFFFFFFFFFFFFFF");
  kurs->NeueSetzung(1, 1, 2, nullptr);
  kurs->NeueSetzung(1, 1, 5, nullptr);
  kurs->SetzungFinden(1, 1, 5)->fFixiert = true;
  kurs->NeueSetzung(1, 2, 1, nullptr);
  EXPECT_EQ(kurs->SVZeile(1), "FEFFGFFFFFFFFFFF");
  EXPECT_EQ(kurs->SVZeile(2), "EFFFFFFFFFFFFFFF");
  kurs->KopplungErgaenzen(ko);
  EXPECT_EQ(kurs->SVZeile(1), "FKFFLFFFFFFFFFFF");
}

TEST_F(KursZeilenTest, SVZeileZeigtNurDieAktuelleWoche) {
  env.schule().VersionErweitern(2);
  env.standard.fEineWoche = false;
  TKurs* kurs = Leer();
  kurs->NeueSetzung(2, 3, 16, nullptr);
  env.standard.fAktuelleWoche = 1;
  EXPECT_EQ(kurs->SVZeile(3), "FFFFFFFFFFFFFFFF");
  env.standard.fAktuelleWoche = 2;
  EXPECT_EQ(kurs->SVZeile(3), "FFFFFFFFFFFFFFFE");
}

}  // namespace
