// Die Feldtabellen der Einstellungsdialoge: jedes Feld der Werte kommt aus seinem Feld der
// Einstellungen und geht mit "Ok" dorthin zurück; Grenzen und Schriften wie zuvor.
#include <gtest/gtest.h>

#include "TestUmgebung.h"
#include "model/SchulUnit.h"
#include "settings/FeldTabelleUnit.h"
#include "settings/StandardUnit.h"
#include "settings/VoreinstellungUnit.h"

namespace {

TWoElem Sperre(int tag, std::uint32_t bits) {
  TWoElem e;
  e.SetTag(tag, bits);
  return e;
}

class FeldTabelleTest : public ::testing::Test {
 protected:
  TTestUmgebung u;
  TStandard& s = u.standard;
};

}  // namespace

TEST_F(FeldTabelleTest, EckdatenInBeideRichtungen) {
  TEckWerte w;
  w.Divisor = 2;
  w.VorKomma = 3;
  w.NachKomma = 2;
  w.MaxWoche = 3;
  w.SpeicherZeit = 15;
  w.VertrMerke = 30;
  w.MaxTage = 6;
  w.PaletteSchalter = 4;
  w.HintergrundAn = false;
  w.HintergrundFarbe = 0x00336699;
  w.FensterWieder = false;
  w.Schulname = "Gymnasium am Berg";
  EckdatenUebernehmen(w);
  EXPECT_EQ(s.fDivisor, 2);
  EXPECT_EQ(s.fVorKomma, 3);
  EXPECT_EQ(s.fNachKomma, 2);
  EXPECT_EQ(s.fMaxWocheNeu, 3);  // über VersionErweitern
  EXPECT_EQ(s.fSpeicherZeit, 15);
  EXPECT_EQ(s.fVertrMerke, 30);
  EXPECT_EQ(s.fMaxTageNeu, 6);
  EXPECT_EQ(s.fPaletteSchalter, 4);
  EXPECT_FALSE(s.fHintergrundAn);
  EXPECT_EQ(s.fHintergrundFarbe, 0x00336699);
  EXPECT_FALSE(s.fFensterWieder);
  EXPECT_EQ(s.fSchulname, "Gymnasium am Berg");
  EXPECT_EQ(EckWerteAusStandard(), w);
}

TEST_F(FeldTabelleTest, EckdatenGrenzen) {
  TEckWerte w = EckWerteAusStandard();
  w.MaxTage = 9;
  w.Schulname = std::string(100, 'x');
  EckdatenUebernehmen(w);
  EXPECT_EQ(s.fMaxTageNeu, 7);
  EXPECT_EQ(s.fSchulname, std::string(80, 'x'));
  w.MaxTage = 3;
  EckdatenUebernehmen(w);
  EXPECT_EQ(s.fMaxTageNeu, 5);
}

TEST_F(FeldTabelleTest, GrunddatenInBeideRichtungen) {
  TGrDatWerte w;
  w.LeSoll = 26;
  w.KlSoll = 32;
  w.Sperrung = Sperre(2, 0x5);
  GrunddatenUebernehmen(w);
  EXPECT_EQ(s.fLeSoll, 26);
  EXPECT_EQ(s.fKlSoll, 32);
  EXPECT_EQ(s.fGrWoElem, w.Sperrung);
}

TEST_F(FeldTabelleTest, PlaeneInBeideRichtungen) {
  TPlnWerte w = PlnWerteAusStandard();
  w.NebenEinander = false;
  w.MitRaum = false;
  w.KoppFett = false;
  w.PlnStd = 9;
  w.LeBreite = 51;
  w.KlBreite = 52;
  w.KoBreite = 53;
  w.FaBreite = 54;
  w.RaBreite = 55;
  w.ManArt = 2;
  PlanvorgabenUebernehmen(w);
  EXPECT_FALSE(s.fNebenEinander);
  EXPECT_FALSE(s.fMitRaum);
  EXPECT_FALSE(s.fPlnKoppFett);
  EXPECT_EQ(s.fPlnStd, 9);
  EXPECT_EQ(s.fPlnLeBreite, 51);
  EXPECT_EQ(s.fPlnKlBreite, 52);
  EXPECT_EQ(s.fPlnKoBreite, 53);
  EXPECT_EQ(s.fPlnFaBreite, 54);
  EXPECT_EQ(s.fPlnRaBreite, 55);
  EXPECT_EQ(s.fManArt, 2);
  EXPECT_EQ(PlnWerteAusStandard(), w);
  w.PlnStd = 40;
  PlanvorgabenUebernehmen(w);
  EXPECT_EQ(s.fPlnStd, 16);
}

TEST_F(FeldTabelleTest, NeueSchriftMisstNeuAberDieBreitenDesDialogsGelten) {
  TPlnWerte w = PlnWerteAusStandard();
  w.Font = TSchrift{"Courier", 14, true};
  w.KoppFett = false;
  w.LeBreite = 77;
  const int hoeheVorher = s.fPlnHoehe;
  PlanvorgabenUebernehmen(w);
  EXPECT_EQ(s.fPlnFont, w.Font);
  EXPECT_NE(s.fPlnHoehe, hoeheVorher);  // die abgeleitete Höhe folgt der Schrift
  EXPECT_EQ(s.fPlnLeBreite, 77);        // die Breite aus dem Dialog, nicht die gemessene
  EXPECT_EQ(PlnWerteAusStandard(), w);

  TDepWerte d = DepWerteAusStandard();
  d.Font = TSchrift{"Courier", 12, false};
  d.FaBreite = 66;
  const int depHoeheVorher = s.fDepHoehe;
  DeputatvorgabenUebernehmen(d);
  EXPECT_NE(s.fDepHoehe, depHoeheVorher);
  EXPECT_EQ(s.fDepFaBreite, 66);
  EXPECT_EQ(DepWerteAusStandard(), d);
}

TEST_F(FeldTabelleTest, DeputateInBeideRichtungen) {
  TDepWerte w = DepWerteAusStandard();
  w.LeBreite = 41;
  w.KlBreite = 42;
  w.KoBreite = 43;
  w.FaBreite = 44;
  w.RaBreite = 45;
  w.MitNullStd = false;
  w.MitKursInfo = true;
  w.MitStatistik = true;
  w.MitZusatzInfo = true;
  w.Von = 46000;
  w.Bis = 46100;
  DeputatvorgabenUebernehmen(w);
  EXPECT_EQ(s.fDepLeBreite, 41);
  EXPECT_EQ(s.fDepKlBreite, 42);
  EXPECT_EQ(s.fDepKoBreite, 43);
  EXPECT_EQ(s.fDepFaBreite, 44);
  EXPECT_EQ(s.fDepRaBreite, 45);
  EXPECT_FALSE(s.fMitNullStd);
  EXPECT_TRUE(s.fMitKursInfo);
  EXPECT_TRUE(s.fMitStatistik);
  EXPECT_TRUE(s.fMitZusatzInfo);
  EXPECT_EQ(s.fDepVon, 46000);
  EXPECT_EQ(s.fDepBis, 46100);
  EXPECT_EQ(DepWerteAusStandard(), w);
}

TEST_F(FeldTabelleTest, KurseInBeideRichtungen) {
  TKursWerte w = KursWerteAusStandard();
  w.KursStd = 5;
  w.Faktor = 2;
  w.StdProTag = 2;
  w.EinzelStd = 1;
  w.TabellenNr = 4;
  w.NichtVerplanen = true;
  w.NichtZaehlenKl = true;
  w.NichtZaehlenLe = true;
  w.Farbe = 0x00112233;
  w.Sperrung = Sperre(5, 0x30);
  KursvorgabenUebernehmen(w);
  EXPECT_EQ(s.fKursStd, 5);
  EXPECT_EQ(s.fFaktor, 2);
  EXPECT_EQ(s.fStdProTag, 2);
  EXPECT_EQ(s.fEinzelStd, 1);
  EXPECT_EQ(s.fTabellenNr, 4);
  EXPECT_TRUE(s.fNichtVerplanen);
  EXPECT_TRUE(s.fNichtZaehlenKl);
  EXPECT_TRUE(s.fNichtZaehlenLe);
  EXPECT_EQ(s.fKursFarbe, 0x00112233);
  EXPECT_EQ(s.fKuWoElem, w.Sperrung);
  EXPECT_EQ(KursWerteAusStandard(), w);
  // Die Sortierung wechselt erst nach der Meldung.
  w.NachKlSortiert = !w.NachKlSortiert;
  KursvorgabenUebernehmen(w);
  EXPECT_EQ(s.fNachKlSortiert, w.NachKlSortiert);
  EXPECT_EQ(u.dialog.fMeldungsFenster, std::vector<std::string>{"Die Kurse werden sortiert."});
}

TEST(FeldTabelle, NurLesenSchreibtNicht) {
  struct TW {
    int A = 0;
    int B = 0;
  };
  TStandard s;
  s.fDivisor = 4;
  s.fVorKomma = 5;
  const TFeldTabelle<TW> t = {Feld(&TW::A, &TStandard::fDivisor),
                              NurLesen(&TW::B, &TStandard::fVorKomma)};
  TW w = WerteLesen(t, s);
  EXPECT_EQ(w.A, 4);
  EXPECT_EQ(w.B, 5);
  w.A = 7;
  w.B = 8;
  WerteSchreiben(t, w, s);
  EXPECT_EQ(s.fDivisor, 7);
  EXPECT_EQ(s.fVorKomma, 5);
}
