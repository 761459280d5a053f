#include "persistence/StandardSpeicherUnit.h"

#include <gtest/gtest.h>

#include <set>

#include "common/TestUmgebung.h"
#include "model/DatumUnit.h"
#include "settings/KennwortUnit.h"
#include "settings/StandardUnit.h"
#include "settings/StundenZeitUnit.h"

namespace {
std::string Q(int n) {
  return StandardSchluessel(n);
}

const TSchrift kSchrift{"Times New Roman", 12};

std::string& W(TFakeSpeicher& sp, int n, const std::string& name) {
  return sp.fWerte[std::make_pair(Q(n), name)];
}

// Setzt jedes gespeicherte Feld auf einen gültigen Wert, der von seiner Vorgabe abweicht.
#define PLANDRUCK(K)                                               \
  s.f##K##DruckFont = kSchrift;                                    \
  s.f##K##DruckVonTag = 2;                                         \
  s.f##K##DruckVonStd = 3;                                         \
  s.f##K##DruckBisTag = 7;                                         \
  s.f##K##DruckBisStd = 16;                                        \
  s.f##K##DruckLinks = 1;                                          \
  s.f##K##DruckBem = "Plan " #K                                    \
                     " \xFC"                                       \
                     "ber alles";                                  \
  s.f##K##DruckSperr = false;                                      \
  s.f##K##DruckFix = false;                                        \
  s.f##K##DruckFett = true;                                        \
  s.f##K##DruckAlle = false;                                       \
  s.f##K##DruckDatum = false;                                      \
  s.f##K##DruckRandLi = 6;                                         \
  s.f##K##DruckRandRe = 5;                                         \
  s.f##K##DruckRandOb = 4;                                         \
  s.f##K##DruckRandUn = 3;                                         \
  s.f##K##DruckAb = DatumZuZahl(2026, 3, 4) + ZeitZuZahl(5, 6, 7); \
  s.f##K##DruckFarbe = true;                                       \
  s.f##K##DruckVersionen = true;

#define UEBDRUCK(K)             \
  s.f##K##DruckFont = kSchrift; \
  s.f##K##DruckVonTag = 3;      \
  s.f##K##DruckVonStd = 2;      \
  s.f##K##DruckBisTag = 6;      \
  s.f##K##DruckBisStd = 12;     \
  s.f##K##DruckBem =            \
      "\xDC"                    \
      "bersicht " #K;           \
  s.f##K##DruckSperr = false;   \
  s.f##K##DruckFix = false;     \
  s.f##K##DruckFett = true;     \
  s.f##K##DruckRandLi = 0;      \
  s.f##K##DruckRandRe = 2;      \
  s.f##K##DruckRandOb = 3;      \
  s.f##K##DruckRandUn = 6;      \
  s.f##K##DruckFarbe = true;    \
  s.f##K##DruckUnter = true;

void Verstellen(TStandard& s) {
  s.fEineWoche = false;
  s.fPaletteLinks = -120;
  s.fPaletteTop = 77;
  s.fPaletteSchalter = 6;
  s.fFensterOrd = 3;
  for (int v = 1; v <= 54; ++v)
    for (int h = 1; h <= 16; ++h)
      s.fStdBez[v][h] = "V" + std::to_string(v) + "/" + std::to_string(h) + " 7.55";
  for (int v = 1; v <= 54; ++v)
    for (int h = 1; h <= 16; ++h) {
      s.fStdBeginn[v][h] = UhrzeitText(7 * 60 + v + h);
      s.fStdEnde[v][h] = UhrzeitText(8 * 60 + v + h);
    }
  for (int t = 1; t <= 7; ++t) {
    s.fTagBez[t] = "T" + std::to_string(t) + "\xE4";
    s.fTagName[t] = "Wochentag " + std::to_string(t) + " \xFC\xDF";
  }
  s.fKennwort = KennwortVerschluesseln("geheim");
  for (int i = 0; i < 16; ++i)
    s.fCustomFarbe[i] = "0A0B" + std::string(1, "0123456789ABCDEF"[i]) + "C";
  s.fOpenPfad = "/home/lehrer/Stundenpläne";
  s.fImportPfad = "C:\\Import";
  s.fVertrExportPfad = "/tmp/vertretung";
  s.fHTMLPlanPfad = "/srv/www/plan";
  s.fHTMLVertPfad = "/srv/www/vertretung 日本";

  s.fDivisor = 4;
  s.fVorKomma = 3;
  s.fNachKomma = 2;
  s.fMaxWocheNeu = 54;
  s.fMaxTageNeu = 5;
  s.fVertrMerke = 800;
  s.fSpeicherZeit = 15;
  s.fHintergrundFarbe = 0x123456;
  s.fHintergrundAn = false;
  s.fFensterWieder = false;

  s.fPlnStd = 16;
  s.fNebenEinander = false;
  s.fMitRaum = false;
  s.fPlnKoppFett = false;
  s.fPlnFont = TSchrift{"Liberation Sans", 11};
  s.fPlnHoehe = 21;
  s.fPlnLeBreite = 13;
  s.fPlnKlBreite = 69;
  s.fPlnKoBreite = 41;
  s.fPlnFaBreite = 42;
  s.fPlnRaBreite = 43;
  s.fPlnTagBreite = 44;
  s.fPlnStdBreite = 45;
  s.fPlnWertBreite = 46;
  s.fManArt = 5;
  s.fManZeigKopp = false;

  s.fDepFont = TSchrift{"DejaVu Sans", 12};
  s.fDepHoehe = 22;
  s.fDepLeBreite = 51;
  s.fDepKlBreite = 52;
  s.fDepKoBreite = 53;
  s.fDepFaBreite = 54;
  s.fDepRaBreite = 55;
  s.fDepWertBreite = 56;
  s.fDepStdBreite = 57;
  s.fMitNullStd = false;
  s.fMitKursInfo = true;
  s.fMitZusatzInfo = true;
  s.fMitStatistik = true;
  s.fDepVon = DatumZuZahl(2025, 8, 2);
  s.fDepBis = DatumZuZahl(2026, 7, 31);

  s.fGrWoElem.SetTagStd(1, 1, true);
  s.fGrWoElem.SetTagStd(7, 16, true);
  s.fLeSoll = 800;  // 200 · fDivisor
  s.fKlSoll = 120;
  s.fWoAusfallKW = 53;
  s.fWoAusfallJahr = 2100;

  s.fKuWoElem.SetTag(3, 0xBEEF);
  s.fKursStd = 112;
  s.fStdProTag = 2;
  s.fEinzelStd = 0;
  s.fTabellenNr = 4;
  s.fFaktor = 10000;
  s.fNichtVerplanen = true;
  s.fNichtZaehlenLe = true;
  s.fNichtZaehlenKl = true;
  s.fKursFarbe = 0x00FF00;
  s.fNachKlSortiert = false;

  s.fPlLoeRadio = 5;
  s.fPlLoeMitKopp = false;
  s.fPlLoeFixNicht = false;

  // Jede Zelle mit umgekehrtem Vorzeichen: weiter jede Ordnungszahl genau einmal.
  for (int t = 1; t <= 4; ++t)
    for (int h = 1; h <= 16; ++h)
      for (int d = 1; d <= 7; ++d) s.fAuTab[t][h][d] = -s.fAuTab[t][h][d];
  s.fAuStd = 10;
  s.fAuProzent = 5;
  s.fAuRaumUnwichtig = false;
  s.fAuEinzelUnwichtig = false;
  s.fAuFreiUnwichtig = false;
  s.fAuNachbessern = true;
  s.fAuNachbessernSek = 3600;

  s.fParZeilen = 40;
  s.fParSpalten = 10;
  s.fParUeber = true;
  s.fParMitFach = true;

  s.fKueDruckFont = kSchrift;
  s.fKueDruckLe = s.fKueDruckKl = s.fKueDruckKo = s.fKueDruckFa = s.fKueDruckRa = s.fKueDruckUV =
      false;
  s.fKueDruckRand = 6;

  s.fSchulKennung = "3f2a9c.gymnasium-sued";
  s.fSchulname.clear();
  for (int i = 0; i < 80; ++i)
    s.fSchulname.push_back(i % 9 == 4 ? '\xF6' : static_cast<char>('A' + i % 26));
  for (int w = 0; w <= 887; ++w) s.fFerien[w] = static_cast<std::uint8_t>(w % 127 + 1);

  s.fVersKuerzel = 0;
  s.fVersAuchPlan = false;

  s.fDepDruckFont = kSchrift;
  s.fDepDruckArt = 2;
  s.fDepDruckKlListe = s.fDepDruckRaListe = s.fDepDruck1Seite = s.fDepDruckZusatz =
      s.fDepDruckInfo = true;
  s.fDepDruckRand = 0;
  s.fDepDruckFarbe = true;

  PLANDRUCK(LPln)
  s.fLPlnDruckNeben = 1;
  s.fLPlnDruckKl = s.fLPlnDruckFa = s.fLPlnDruckRa = false;
  s.fLPlnDruckKo = true;
  s.fLPlnDruckStatt = false;
  s.fLPlnDruck1Seite = true;
  PLANDRUCK(KPln)
  s.fKPlnDruckNeben = 1;
  s.fKPlnDruckLe = s.fKPlnDruckFa = s.fKPlnDruckRa = false;
  s.fKPlnDruckKo = true;
  s.fKPlnDruckStatt = false;
  s.fKPlnDruck1Seite = true;
  PLANDRUCK(RPln)
  s.fRPlnDruckNeben = 1;
  s.fRPlnDruckKl = s.fRPlnDruckFa = s.fRPlnDruckLe = false;
  s.fRPlnDruckKo = true;
  s.fRPlnDruckStatt = false;
  s.fRPlnDruck1Seite = true;
  PLANDRUCK(KoKlPln)
  s.fKoKlPlnDruckMitKoBez = false;
  PLANDRUCK(KoLePln)
  s.fKoLePlnDruckMitKoBez = false;
  s.fKoLePlnDruckBisStd = 15;  // unabhängig von Quon16

  UEBDRUCK(LUeb)
  s.fLUebDruckKl = s.fLUebDruckFa = s.fLUebDruckRa = false;
  s.fLUebDruckKo = true;
  s.fLUebDruckStatt = false;
  UEBDRUCK(KUeb)
  s.fKUebDruckLe = s.fKUebDruckFa = s.fKUebDruckRa = false;
  s.fKUebDruckKo = true;
  s.fKUebDruckStatt = false;
  UEBDRUCK(RUeb)
  s.fRUebDruckKl = s.fRUebDruckFa = s.fRUebDruckLe = false;
  s.fRUebDruckKo = true;
  s.fRUebDruckStatt = false;
  UEBDRUCK(KoUeb)
  s.fKoUebDruckDatum = false;

  s.fFaKonfDruckFont = kSchrift;
  s.fFaKonfDruckEinzeln = false;
  s.fFaKonfDruckEinsatz = true;
  s.fFaKonfDruckRand = 0;
  s.fKlKonfDruckFont = kSchrift;
  s.fKlKonfDruckEinzeln = false;
  s.fKlKonfDruckRand = 2;
  s.fRestDruckFont = kSchrift;
  s.fRestDruckArt = 3;
  s.fRestDruckRand = 4;
  s.fSVDruckFont = kSchrift;
  s.fSVDruckArt = 1;
  s.fSVDruckSperr = s.fSVDruckSpring = s.fSVDruckFarbe = true;
  s.fSVDruckRand = 5;
  s.fUVDruckFont = kSchrift;
  s.fUVDruckFett = true;
  s.fUVDruckRand = 2;
  s.fUVDruckFarbe = true;
  s.fFehlDruckFont = kSchrift;
  s.fFehlDruckRand = 3;
  s.fParDruckFont = kSchrift;
  s.fParDruckMitLe = s.fParDruckMitFa = s.fParDruckMitKonfl = true;
  s.fParDruckRand = 0;

  s.fVertrSortArt = 3;
  s.fVertrLeAuswahl = 0;
  s.fVertrLeLeft = 11;
  s.fVertrLeTop = 51;
  s.fVertrRaLeft = 12;
  s.fVertrRaTop = 52;
  s.fVertrLeft = -101;
  s.fVertrTop = 53;
  s.fVertrVStdAuswahl = 2;
  s.fVertrPlnAuswahl = 1;
  s.fVertrFreiCheck = s.fVertrRandCheck = s.fVertrInaktivCheck = false;
  s.fVertrDruckFont = kSchrift;
  s.fVertrDruckRand = 2;
  for (int i = 1; i <= 10; ++i)
    for (int k = 0; k < i; ++k)
      s.fVMemo[i].push_back("Text " + std::to_string(i) + " Zeile \xE4" + std::to_string(k));
  for (int p = 1; p <= 4; ++p) {
    s.fVertrCheck[p] = false;
    VDEintrag& e = s.fVDEinstellung[p];
    e.DruckVP = e.DruckEP = e.mitKop = e.mitDatum = e.mitAllgBem = e.mitFeLe = e.mitFeKl =
        e.mitFeRa = e.mitFehlGrund = e.mitAdHoc = e.mitFarbe = e.mitLeLinks = e.mitLeRechts =
            e.mitKlLinks = e.mitKlRechts = e.mitFaLinks = e.mitFaRechts = e.mitRaLinks =
                e.mitRaRechts = false;
    e.nurAdHoc = e.mitKW = e.folgeTag = true;
    e.VPSortArt = 3;
    e.EPSortArt = 2;
    e.HTMLPfad = "C:\\vp" + std::to_string(p) + ".html";
    e.LehrerBez = 1;
    e.BemArt = 1;
    e.BemPos = p;
  }
  s.fVStdDruckFont = kSchrift;
  s.fVStdDruckRand = 3;
  s.fVertrHTMLGemeinsam = s.fVertrHTMLScrollen = s.fVertrHTMLMitTagesordner =
      s.fVertrHTMLNurVertreteneStd = true;
  s.fVertrHTMLMitZurueck = false;
  s.fVertrHTMLSize = -2;
  s.fVertrScrollSekunden = 60000;
  s.fVertrScrollPixel = 500;
  s.fVertrLaden = 120;
  s.fVertrLeerzeilen = 20;
  s.fVertrCSS = "sch\xF6n.css";
  s.fVExpVon = DatumZuZahl(2025, 9, 2);
  s.fVExpBis = DatumZuZahl(2026, 2, 28);

  s.fFUebDruckFont = kSchrift;
  s.fFUebDruckBem =
      "F\xE4"
      "cher";
  s.fFUebDruckKue = s.fFUebDruckName = s.fFUebDruckKl = s.fFUebDruckRa = false;
  s.fFUebDruckKo = true;
  s.fFUebDruckStatt = s.fFUebDruckdate = false;
  s.fFUebDruckRand = 4;
  s.fVUebDruckFont = kSchrift;
  s.fVUebDruckRand = 2;

  for (int n = 1; n <= 20; ++n) {
    s.fBemBez[n] = "Hinweis " + std::to_string(n);
    s.fGrund[n] = std::string(1, static_cast<char>('A' + n - 1));
  }
  s.fVBemAuto = false;
  s.fVFrei = false;

  s.fKompMehrfach = true;
  s.fKompBruecken = true;
}

// Ein Speicher, der das Sichern verweigert.
class TKaputterSpeicher : public TFakeSpeicher {
 public:
  bool Sichern() override { return false; }
};
}  // namespace

TEST(StandardSpeicher, OhneWerteGeltenDieVorgaben) {
  TTestUmgebung u;
  TStandard s;
  Verstellen(s);
  s.fAuTab = TAutoTabelle{};
  TFakeSpeicher leer;
  LoadStandard(s, leer);
  EXPECT_TRUE(s == TStandard());
  EXPECT_EQ(s.fAuTab, TStandard::StandardTabellen());
  EXPECT_FALSE(KennwortGesetzt());
  EXPECT_TRUE(leer.fWerte.empty());  // Lesen schreibt nichts
}

TEST(StandardSpeicher, JederWertUeberlebtSchreibenUndLesen) {
  TTestUmgebung u;
  TStandard a;
  Verstellen(a);
  TFakeSpeicher vorgaben;
  ASSERT_TRUE(SaveStandard(TStandard(), vorgaben));
  TFakeSpeicher speicher;
  ASSERT_TRUE(SaveStandard(a, speicher));
  EXPECT_EQ(speicher.fGesichert, 1);

  // Verstellen ändert jeden Wert, den die Vorgaben schreiben.
  for (const auto& [schluessel, wert] : vorgaben.fWerte) {
    const auto it = speicher.fWerte.find(schluessel);
    ASSERT_NE(it, speicher.fWerte.end()) << schluessel.first << " " << schluessel.second;
    EXPECT_NE(it->second, wert) << schluessel.first << " " << schluessel.second;
  }

  TStandard b;
  LoadStandard(b, speicher);
  EXPECT_TRUE(a == b);
  TFakeSpeicher nochmal;
  SaveStandard(b, nochmal);
  EXPECT_EQ(nochmal.fWerte, speicher.fWerte);
}

TEST(StandardSpeicher, SchluesselUndTexteDerVorgaben) {
  TTestUmgebung u;
  TFakeSpeicher sp;
  SaveStandard(TStandard(), sp);
  auto wert = [&](int n, const std::string& name) {
    const auto w = sp.Lesen(Q(n), name);
    EXPECT_TRUE(w.has_value()) << n << " " << name;
    return w.value_or("<fehlt>");
  };
  std::set<std::string> schluessel;
  for (const auto& [k, w] : sp.fWerte) schluessel.insert(k.first);
  std::set<std::string> erwartet;
  for (int n = 0; n <= 35; ++n)
    if (n != 34) erwartet.insert("Software\\WTamrel3\\Quon" + std::to_string(n));
  EXPECT_EQ(schluessel, erwartet);

  EXPECT_EQ(wert(0, "eaw"), "1");
  EXPECT_EQ(wert(0, "sp1"), "$ 1$ 2$ 3$ 4$ 5$ 6$ 7$ 8$ 9$10$11$12$13$14$15$16$");
  EXPECT_EQ(wert(0, "sp54"), "$ 1$ 2$ 3$ 4$ 5$ 6$ 7$ 8$ 9$10$11$12$13$14$15$16$");
  EXPECT_EQ(wert(0, "spg"), "$Mo$Di$Mi$Do$Fr$Sa$So$");
  EXPECT_EQ(wert(0, "spn"), "$Montag$Dienstag$Mittwoch$Donnerstag$Freitag$Samstag$Sonntag$");
  EXPECT_EQ(wert(0, "wks"), "7F70A3507E2BC0B3652E93C5FF6A893FEB1E6152");
  EXPECT_EQ(wert(0, "cfa"), std::string(96, 'F'));
  EXPECT_EQ(wert(0, "opf"), "");
  EXPECT_EQ(wert(1, "efa"), "16777215");
  EXPECT_EQ(wert(2, "pfn"), "Arial");
  EXPECT_EQ(wert(2, "pfs"), "8");
  EXPECT_EQ(wert(3, "dv1"), "1994");
  EXPECT_EQ(wert(3, "dv2"), "1");
  EXPECT_EQ(wert(3, "db3"), "1");
  EXPECT_EQ(wert(4, "gds"), std::string(28, '0'));
  EXPECT_EQ(wert(5, "kus"), std::string(28, '0'));
  EXPECT_EQ(wert(7, "T101"), "-7$-4$-1$-10$-13$-16$-37$");
  EXPECT_EQ(wert(7, "T203"), "-3$-9$-15$-21$-27$-33$-39$");
  EXPECT_EQ(wert(7, "T416"), "106$107$108$109$110$111$112$");
  EXPECT_EQ(wert(10, "K112"), "2020202020202020");
  EXPECT_EQ(wert(10, "K121"), "2020202020202020");
  EXPECT_EQ(wert(10, "F1"), "0000000000000000");
  EXPECT_EQ(wert(10, "F111"), "0000000000000000");
  EXPECT_EQ(wert(13, "lbm"), "");
  EXPECT_EQ(wert(13, "d1s"), "0");
  EXPECT_EQ(wert(13, "lrl"), "1");
  EXPECT_EQ(wert(13, "lrr"), "0");
  const char* ab[6] = {"1994", "1", "1", "0", "0", "0"};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(wert(35, "oa" + std::to_string(i + 1)), ab[i]);
  EXPECT_EQ(wert(35, "omk"), "1");
  EXPECT_EQ(wert(16, "omk"), "1");
  EXPECT_EQ(wert(20, "ouda"), "1");
  EXPECT_EQ(wert(28, "vla"), "2");
  EXPECT_EQ(wert(29, "vla"), "32");
  EXPECT_EQ(wert(29, "vmc"), "0");
  EXPECT_EQ(wert(29, "vml"), "0");
  EXPECT_EQ(wert(29, "vcs"), "tamrel.css");
  EXPECT_EQ(wert(29, "vv1"), "2014");
  EXPECT_EQ(wert(29, "vb2"), "3");
  EXPECT_EQ(wert(29, "vna4"), "0");
  EXPECT_EQ(wert(29, "pfa4"), "");
  EXPECT_EQ(wert(32, "bem20"), "Bemerkung20");
  EXPECT_EQ(wert(32, "grd1"), "-");
  EXPECT_EQ(wert(33, "kmpb"), "0");
  // Kein Wert von Druckoptionen, die die Gruppe nicht hat.
  EXPECT_FALSE(sp.Lesen(Q(16), "one").has_value());
  EXPECT_FALSE(sp.Lesen(Q(16), "d1s").has_value());
  EXPECT_FALSE(sp.Lesen(Q(13), "omk").has_value());
  EXPECT_FALSE(sp.Lesen(Q(17), "luda").has_value());
}

TEST(StandardSpeicher, SonderformenBeimSchreiben) {
  TTestUmgebung u;
  TStandard s;
  s.fSchulname = "Gymnasium";
  s.fFerien[8] = 0x1F;
  s.fFerien[15] = 0xA0;
  s.fGrWoElem.SetTagStd(1, 1, true);
  s.fGrWoElem.SetTagStd(7, 16, true);
  s.fKennwort = KennwortVerschluesseln("geheim");
  s.fTagBez[1] = "M$o";  // "$" kann die Liste nicht fassen
  s.fTagName[2] = "Di\xE4nstag";
  s.fVMemo[2] = {"erste", "", "dritte"};
  s.fLPlnDruckAb = DatumZuZahl(2025, 12, 31) + ZeitZuZahl(23, 59, 59) + 0.9 / 86400;
  TFakeSpeicher sp;
  SaveStandard(s, sp);
  EXPECT_EQ(W(sp, 10, "K112"), "47796D6E61736975");  // "Gymnasiu"
  EXPECT_EQ(W(sp, 10, "K113"), "6D20202020202020");  // "m" + Leerzeichen
  EXPECT_EQ(W(sp, 10, "F2"), "1F000000000000A0");
  EXPECT_EQ(W(sp, 4, "gds"), "0001" + std::string(20, '0') + "8000");
  EXPECT_EQ(W(sp, 0, "wks"), "A5AEF991FCB1F9AF9B98BC9F59C0C80963E76AAC");
  EXPECT_EQ(W(sp, 0, "spg"), "$Mo$Di$Mi$Do$Fr$Sa$So$");
  EXPECT_EQ(W(sp, 0, "spn"),
            "$Montag$Di\xC3\xA4nstag$Mittwoch$Donnerstag$Freitag$Samstag$Sonntag$");
  EXPECT_EQ(W(sp, 29, "vmd"), "3");
  EXPECT_EQ(W(sp, 29, "M100"), "erste");
  EXPECT_EQ(W(sp, 29, "M101"), "");
  EXPECT_EQ(W(sp, 29, "M102"), "dritte");
  // Zeitpunkte auf die Sekunde, ohne Millisekunden und ohne Übertrag.
  const char* ab[6] = {"2025", "12", "31", "23", "59", "59"};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(W(sp, 13, "la" + std::to_string(i + 1)), ab[i]);

  TStandard b;
  LoadStandard(b, sp);
  EXPECT_EQ(b.fSchulname, "Gymnasium");
  EXPECT_EQ(b.fTagBez[1].str(), "Mo");
  EXPECT_EQ(b.fTagName[2].str(), "Di\xE4nstag");
  // Leere Zeilen werden geschrieben, aber nicht wieder gelesen.
  EXPECT_EQ(b.fVMemo[2], (std::vector<std::string>{"erste", "dritte"}));
  EXPECT_EQ(b.fLPlnDruckAb, DatumZuZahl(2025, 12, 31) + ZeitZuZahl(23, 59, 59));
  EXPECT_TRUE(b.fGrWoElem.GetTagStd(7, 16));
}

TEST(StandardSpeicher, FreieTexteHoechstensHundertZeilen) {
  TTestUmgebung u;
  TStandard s;
  for (int k = 0; k < 150; ++k) s.fVMemo[1].push_back("Zeile " + std::to_string(k));
  s.fVMemo[2] = {"zwei a", "zwei b"};
  TFakeSpeicher sp;
  SaveStandard(s, sp);
  EXPECT_EQ(W(sp, 29, "vmc"), "100");
  EXPECT_FALSE(sp.Lesen(Q(29), "M150").has_value());
  TStandard b;
  LoadStandard(b, sp);
  ASSERT_EQ(b.fVMemo[1].size(), 100u);
  EXPECT_EQ(b.fVMemo[1].back(), "Zeile 99");
  EXPECT_EQ(b.fVMemo[2], s.fVMemo[2]);
}

TEST(StandardSpeicher, UngueltigeWerteGebenFeldweiseDieVorgabe) {
  TTestUmgebung u;
  TFakeSpeicher sp;
  auto setze = [&](int n, const std::string& name, const std::string& wert) {
    sp.fWerte[{Q(n), name}] = wert;
  };
  setze(0, "eaw", "ja");       // nicht "1": falsch
  setze(0, "pas", "7");        // 0..6
  setze(0, "pal", "-300");     // gültig
  setze(0, "sp3", "$a$b$c$");  // zu wenige Bezeichnungen
  setze(0, "sp4", "$1$2$3$4$5$6$7$8$9$10$11$12$13$14$15$1234567890123456789$zu viel$");
  setze(0, "spg", "Mo$Di$Mi$Do$Fr$Sa$So$");  // ohne führendes "$"
  setze(0, "wks", "7F70A3507E2BC0B3652E93C5FF6A893FEB1E615Z");
  setze(0, "cfa", std::string(95, 'A'));
  setze(1, "dvs", "0");
  setze(1, "vkm", "2");
  setze(1, "mwn", "55");
  setze(1, "mtn", "4");
  setze(1, "spz", " 5");
  setze(1, "efa", "16777216");
  setze(1, "vtm", "99999999999");
  setze(2, "pst", "abc");
  setze(2, "pfn", "");
  setze(2, "pfs", "0");
  setze(2, "plb", "0");
  setze(2, "pkb", "69");
  setze(3, "dfs", "-14");  // Betrag
  setze(3, "dv1", "2025");
  setze(3, "dv2", "2");
  setze(3, "dv3", "29");  // kein Schaltjahr
  setze(3, "db1", "2024");
  setze(3, "db2", "2");
  setze(3, "db3", "29");
  setze(4, "gds", std::string(27, '0'));
  setze(4, "les", "201");  // fDivisor ist 1
  setze(4, "kls", "200");
  setze(5, "kus", "000G" + std::string(24, '0'));
  setze(5, "kst", "113");
  setze(7, "apr", "4");
  setze(7, "ans", "0");  // 1..3600 Sekunden
  setze(10, "K112", "47796D6E61736975");
  setze(10, "K113", "6D2020202020202");   // 15 Ziffern: acht Leerzeichen
  setze(10, "K114", "456E646520202020");  // "Ende"
  setze(10, "F1", "00000000000000XY");
  setze(10, "F2", "0100000000000000");
  setze(13, "la4", "24");
  setze(14, "ka1", "2020");
  setze(14, "ka5", "30");
  setze(14, "kvt", "8");
  setze(14, "krl", "7");
  setze(29, "vmc", "101");
  setze(29, "M0", "weg");
  setze(29, "vmd", "-1");
  setze(29, "vme", "1");
  setze(29, "M200", "bleibt");
  setze(29, "vsi", "-3");
  setze(29, "vvs1", "4");
  setze(29, "vlb1", "-5");  // ohne Bereich
  LoadStandard(u.standard, sp);
  const TStandard v;
  const TStandard& s = u.standard;

  EXPECT_FALSE(s.fEineWoche);
  EXPECT_EQ(s.fPaletteSchalter, 0);
  EXPECT_EQ(s.fPaletteLinks, -300);
  EXPECT_EQ(s.fStdBez[3], v.fStdBez[3]);
  EXPECT_EQ(s.fStdBez[4][10].str(), "10");
  EXPECT_EQ(s.fStdBez[4][16].str(), "123456789012345");  // auf 15 Zeichen gekürzt
  EXPECT_EQ(s.fTagBez, v.fTagBez);
  EXPECT_EQ(s.fKennwort, LeeresKennwort());
  EXPECT_EQ(s.fCustomFarbe, v.fCustomFarbe);
  EXPECT_EQ(s.fDivisor, 1);
  EXPECT_EQ(s.fVorKomma, 2);
  EXPECT_EQ(s.fMaxWocheNeu, 1);
  EXPECT_EQ(s.fMaxTageNeu, 7);
  EXPECT_EQ(s.fSpeicherZeit, 0);
  EXPECT_EQ(s.fHintergrundFarbe, clWhite);
  EXPECT_EQ(s.fVertrMerke, 10);
  EXPECT_EQ(s.fPlnStd, 6);
  EXPECT_EQ(s.fPlnFont, (TSchrift{"Arial", 8}));
  EXPECT_EQ(s.fPlnHoehe, 18);
  EXPECT_EQ(s.fPlnLeBreite, 40);
  EXPECT_EQ(s.fPlnKlBreite, 69);
  EXPECT_EQ(s.fDepFont.Groesse, 14);
  EXPECT_EQ(s.fDepHoehe, 24);
  EXPECT_EQ(s.fDepVon, DatumZuZahl(1994, 1, 1));
  EXPECT_EQ(s.fDepBis, DatumZuZahl(2024, 2, 29));
  EXPECT_TRUE(s.fGrWoElem.Leer());
  EXPECT_EQ(s.fLeSoll, 24);
  EXPECT_EQ(s.fKlSoll, 200);
  EXPECT_TRUE(s.fKuWoElem.Leer());
  EXPECT_EQ(s.fKursStd, 3);
  EXPECT_EQ(s.fAuProzent, 100);
  EXPECT_EQ(s.fAuNachbessernSek, 10);
  EXPECT_EQ(s.fSchulname, std::string("Gymnasiu") + std::string(8, ' ') + "Ende");
  EXPECT_EQ(s.fFerien[0], 0);
  EXPECT_EQ(s.fFerien[8], 1);
  EXPECT_EQ(s.fLPlnDruckAb, DatumZuZahl(1994, 1, 1));
  // Einzelne Teile eines Zeitpunkts fehlen: die übrigen Teile bleiben die der Vorgabe.
  EXPECT_EQ(s.fKPlnDruckAb, DatumZuZahl(2020, 1, 1) + ZeitZuZahl(0, 30, 0));
  EXPECT_EQ(s.fKPlnDruckVonTag, 1);
  EXPECT_EQ(s.fKPlnDruckRandLi, 1);
  EXPECT_TRUE(s.fVMemo[1].empty());
  EXPECT_TRUE(s.fVMemo[2].empty());
  EXPECT_EQ(s.fVMemo[3], std::vector<std::string>{"bleibt"});
  EXPECT_EQ(s.fVertrHTMLSize, 0);
  EXPECT_EQ(s.fVDEinstellung[1].VPSortArt, 0);
  EXPECT_EQ(s.fVDEinstellung[1].LehrerBez, -5);
}

TEST(StandardSpeicher, SollstundenNachDemGelesenenDivisor) {
  TTestUmgebung u;
  TFakeSpeicher sp;
  W(sp, 1, "dvs") = "4";
  W(sp, 4, "les") = "800";
  W(sp, 4, "kls") = "801";
  LoadStandard(u.standard, sp);
  EXPECT_EQ(u.standard.fLeSoll, 800);
  EXPECT_EQ(u.standard.fKlSoll, 30);
}

TEST(StandardSpeicher, PlanungstabellenPruefen) {
  TTestUmgebung u;
  TStandard quelle;
  std::swap(quelle.fAuTab[2][1][1], quelle.fAuTab[2][16][7]);
  TFakeSpeicher sp;
  SaveStandard(quelle, sp);

  // Gültig: bleibt.
  TStandard a;
  LoadStandard(a, sp);
  EXPECT_EQ(a.fAuTab, quelle.fAuTab);

  // Eine Null in Tabelle 4: alle vier Tabellen kehren zurück.
  W(sp, 7, "T405") = "29$30$31$0$33$34$35$";
  TStandard b;
  LoadStandard(b, sp);
  EXPECT_EQ(b.fAuTab, TStandard::StandardTabellen());

  // Eine Ordnungszahl doppelt.
  SaveStandard(quelle, sp);
  W(sp, 7, "T101") = "-7$-4$-1$-10$-13$-16$-42$";
  TStandard c;
  LoadStandard(c, sp);
  EXPECT_EQ(c.fAuTab, TStandard::StandardTabellen());

  // Eine unlesbare Zeile zählt als Nullen.
  SaveStandard(quelle, sp);
  W(sp, 7, "T310") = "64$65$66$67$68$69$70";
  TStandard d;
  LoadStandard(d, sp);
  EXPECT_EQ(d.fAuTab, TStandard::StandardTabellen());
}

TEST(StandardSpeicher, KennwortUeberlebtDenNeustart) {
  TTestUmgebung u;
  KennwortSetzen("Vertretung");
  ASSERT_TRUE(u.standard.SaveStandard());  // über den eingesetzten Speicher
  EXPECT_EQ(u.speicher.fGesichert, 1);
  TStandard neu;
  LoadStandard(neu, u.speicher);
  StandardEinsetzen(&neu);
  EXPECT_TRUE(KennwortGesetzt());
  EXPECT_TRUE(KennwortPruefen("Vertretung"));
  EXPECT_FALSE(KennwortPruefen("vertretung"));
  StandardEinsetzen(&u.standard);
}

TEST(StandardSpeicher, SchulnameWirdAufAchtzigZeichenGekuerzt) {
  TTestUmgebung u;
  TStandard s;
  s.fSchulname = std::string(79, 'x') + "YZ";
  TFakeSpeicher sp;
  SaveStandard(s, sp);
  EXPECT_EQ(W(sp, 10, "K121"), "7878787878787859");
  LoadStandard(s, sp);
  EXPECT_EQ(s.fSchulname, std::string(79, 'x') + "Y");
}

TEST(StandardSpeicher, FehlgeschlagenesSichernWirdGemeldet) {
  TTestUmgebung u;
  TKaputterSpeicher sp;
  EXPECT_FALSE(SaveStandard(u.standard, sp));
  EXPECT_FALSE(sp.fWerte.empty());
}

TEST(StandardSpeicher, ZeitenDerStundenNurAlsUhrzeit) {
  TTestUmgebung u;
  TFakeSpeicher sp;
  W(sp, 0, "sb2") = "$7:50$8.40$25:00$x$$ 9:30$$$$$$$$$$$$";
  W(sp, 0, "se2") = "$8:35$$$$$$$$$$$$$$$";  // nur 15 Einträge: die Vorgabe
  TStandard s;
  LoadStandard(s, sp);
  EXPECT_EQ(s.fStdBeginn[2][1].str(), "07:50");
  EXPECT_EQ(s.fStdBeginn[2][2].str(), "08:40");
  EXPECT_EQ(s.fStdBeginn[2][3].str(), "");  // keine Uhrzeit
  EXPECT_EQ(s.fStdBeginn[2][4].str(), "");
  EXPECT_EQ(s.fStdBeginn[2][6].str(), "09:30");
  EXPECT_EQ(s.fStdEnde[2][1].str(), "");
  TFakeSpeicher neu;
  SaveStandard(TStandard(), neu);
  EXPECT_EQ(W(neu, 0, "sb1"), "$$$$$$$$$$$$$$$$$");
  EXPECT_EQ(W(neu, 10, "skn"), "");
}
