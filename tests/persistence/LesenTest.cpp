// Der Leser der Schuldatei: alle Felder, Versionen, alter Aufbau, Schritte nach dem Laden,
// Ausbessern und Ablehnen.
#include <gtest/gtest.h>

#include <functional>

#include "SchulDateiHilfe.h"
#include "persistence/LadeSchritteUnit.h"
#include "persistence/ReadUnit.h"
#include "persistence/WriteUnit.h"
#include "substitution/FehlUnit.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// Liest Bytes in eine frische Schule der Testumgebung.
bool Lies(TTestUmgebung& u, const Bytes& bytes, std::string& fehler,
          const std::string& name = "klein.tmr") {
  u.NeueSchule();
  return ReadSchuleAusBytes(bytes, name, u.schule(), fehler);
}

TSchule& GeleseneKleineSchule(TTestUmgebung& u, const TRohDatei& roh) {
  std::string fehler;
  EXPECT_TRUE(Lies(u, roh.Bytes(), fehler)) << fehler;
  return u.schule();
}

void Setze16(Bytes& b, std::size_t pos, std::uint16_t wert) {
  b[pos] = static_cast<std::uint8_t>(wert >> 8);
  b[pos + 1] = static_cast<std::uint8_t>(wert);
}

template <class T, bool B>
std::vector<std::string> Kuerzel(const TListe<T, B>& liste) {
  std::vector<std::string> v;
  for (const T* e : liste) v.push_back(e->fKuerzel.str());
  return v;
}

TEST(SchulDateiLesen, KleineSchuleMitAllenFeldern) {
  TTestUmgebung u;
  {
    TKleineSchule k;
    BaueKleineSchule(u.schule(), k);
    const Bytes bytes = SchuleAlsBytes(u.schule());
    u.standard.fMaxWocheNeu = 1;
    u.standard.fAktuelleWoche = 1;
    std::string fehler;
    ASSERT_TRUE(Lies(u, bytes, fehler)) << fehler;
    EXPECT_TRUE(fehler.empty());
  }
  TSchule& s = u.schule();
  EXPECT_FALSE(s.fDirty);
  EXPECT_EQ(s.fDateiName.str(), "klein.tmr");
  ASSERT_FALSE(u.fenster.fTitel.empty());
  EXPECT_EQ(u.fenster.fTitel.back(), "WinTamrel 3.9.16 [klein.tmr]");
  EXPECT_TRUE(u.dialog.fProtokoll.empty());
  // 3085 Bytes, aufgerundet auf ganze KiloBytes.
  EXPECT_EQ(KleineSchuleRoh().Bytes().size(), 3085u);
  EXPECT_EQ(u.dialog.fMeldungsFenster.back(), "Einlesen: klein.tmr, 4 KiloBytes");
  EXPECT_EQ(u.dialog.fBeschaeftigt, 0);

  // Kalender und Planversionen; heute liegt in Kalenderwoche 832, die Planversion 2 hat.
  EXPECT_EQ(u.standard.fMaxWocheNeu, 2);
  EXPECT_EQ(u.standard.fAktuelleWoche, 2);
  EXPECT_EQ(s.fKalender[1], 2);
  EXPECT_EQ(s.fKalender[2], 1);
  EXPECT_EQ(s.fKalender[888], 2);
  EXPECT_EQ(s.fGrWoBereich.GetWocheTag(1, 1), 0x0003u);
  EXPECT_EQ(s.fUEWoBereich.GetWocheTag(2, 7), 0x8000u);

  // Stammdaten.
  ASSERT_EQ(Kuerzel(s.fLehrerMenge), (std::vector<std::string>{"M\xDCL", "SCH"}));
  ASSERT_EQ(Kuerzel(s.fKlassenMenge), (std::vector<std::string>{"5a", "Q1"}));
  ASSERT_EQ(Kuerzel(s.fFachMenge), (std::vector<std::string>{"D", "E"}));
  ASSERT_EQ(Kuerzel(s.fRaumMenge), (std::vector<std::string>{"R101", "Ph1"}));
  ASSERT_EQ(Kuerzel(s.fUVTabMenge), (std::vector<std::string>{"UV1", "UV2"}));
  TLehrer* mue = s.fLehrerMenge[0];
  TLehrer* sch = s.fLehrerMenge[1];
  TKlasse* k5a = s.fKlassenMenge[0];
  TKlasse* q1 = s.fKlassenMenge[1];
  TKopplung* rel5 = s.fKopplMenge[0];
  TFach* d = s.fFachMenge[0];
  TFach* e = s.fFachMenge[1];
  TRaum* r101 = s.fRaumMenge[0];
  TRaum* ph1 = s.fRaumMenge[1];
  EXPECT_EQ(sch->fNr, 2u);
  EXPECT_EQ(sch->fReihe, 2);
  EXPECT_EQ(mue->fInfo.str(), "M\xFCller, Anna");
  EXPECT_EQ(mue->GetSoll(1), 25);
  EXPECT_EQ(mue->GetSoll(2), 24);
  EXPECT_EQ(mue->fRaum, r101);
  EXPECT_EQ(Kuerzel(mue->fFaecher), (std::vector<std::string>{"D", "E"}));
  EXPECT_EQ(Kuerzel(d->fLehrer), std::vector<std::string>{"M\xDCL"});
  EXPECT_TRUE(mue->fSperrung.GetWocheTagStd(1, 1, 1));
  EXPECT_EQ(mue->fBesetzung.GetWocheTag(1, 1), 0x0010u);
  EXPECT_EQ(mue->fBesetzung.GetWocheTag(2, 1), 0x0001u);
  EXPECT_EQ(mue->fVStunden1, 3);
  EXPECT_EQ(mue->fVStunden2, -2);
  EXPECT_DOUBLE_EQ(mue->fLetzteAenderung, 46000.5);
  EXPECT_TRUE(mue->fFreierTag);
  EXPECT_EQ(sch->fRaum, nullptr);
  EXPECT_TRUE(sch->fFaecher.empty());
  EXPECT_DOUBLE_EQ(sch->fLetzteAenderung, 1462);  // 1.1.1904
  EXPECT_FALSE(sch->fFreierTag);
  EXPECT_EQ(k5a->fInfo.str(), "Klasse 5a");
  EXPECT_EQ(k5a->GetSoll(2), 31);
  EXPECT_EQ(k5a->fRaum, r101);
  EXPECT_EQ(k5a->fLehrer1, mue);
  EXPECT_EQ(k5a->fLehrer2, nullptr);
  EXPECT_TRUE(k5a->fKopDop);
  EXPECT_EQ(k5a->fSperrung.GetWocheTag(2, 5), 0x00C0u);
  EXPECT_DOUBLE_EQ(k5a->fLetzteAenderung, 46001.25);
  EXPECT_EQ(q1->fLehrer1, sch);
  EXPECT_EQ(rel5->fInfo.str(), "Religion 5");
  EXPECT_EQ(e->fInfo.str(), "Englisch");
  EXPECT_TRUE(r101->fSperrung.GetWocheTagStd(1, 3, 16));
  EXPECT_EQ(ph1->fBesetzung.GetWocheTag(1, 1), 0x0010u);
  EXPECT_DOUBLE_EQ(ph1->fLetzteAenderung, 46004.5);
  TUVTab* uv1 = s.fUVTabMenge[0];
  TUVTab* uv2 = s.fUVTabMenge[1];
  EXPECT_TRUE(uv1->fIstFach);
  EXPECT_EQ(Kuerzel(uv1->fFaecher), (std::vector<std::string>{"D", "E"}));
  EXPECT_EQ(Kuerzel(uv1->fKlassen), std::vector<std::string>{"5a"});
  EXPECT_FALSE(uv2->fIstFach);
  EXPECT_EQ(Kuerzel(uv2->fLehrer), (std::vector<std::string>{"M\xDCL", "SCH"}));
  EXPECT_EQ(Kuerzel(uv2->fKlassen), std::vector<std::string>{"Q1"});

  // Kurse in der Folge der Datei, mit beiden Seiten jeder Verknüpfung.
  ASSERT_EQ(s.fKursMenge.size(), 2u);
  TKurs* k2 = s.fKursMenge[0];
  TKurs* k1 = s.fKursMenge[1];
  EXPECT_EQ(k2->fLehrer, nullptr);
  EXPECT_TRUE(k2->fNichtVerplanen);
  EXPECT_EQ(k2->fEinzelStd, 3);
  EXPECT_EQ(k2->fStunden.GetWochenStunde(1), 1);
  EXPECT_EQ(k1->fLehrer, mue);
  EXPECT_EQ(k1->fKopplung, rel5);
  EXPECT_EQ(k1->fFach, d);
  EXPECT_EQ(Kuerzel(k1->fKlassen), (std::vector<std::string>{"5a", "Q1"}));
  EXPECT_EQ(Kuerzel(k1->fRaeume), (std::vector<std::string>{"R101", "Ph1"}));
  EXPECT_EQ(Kuerzel(k1->fRaumErgaenzt), std::vector<std::string>{"Ph1"});
  EXPECT_EQ(k1->fStunden.GetWochenStunde(1), 3);
  EXPECT_EQ(k1->fStunden.GetWochenStunde(2), 2);
  EXPECT_EQ(k1->fInfo.str(), "GK 1");
  EXPECT_EQ(k1->fFaktor, 2);
  EXPECT_EQ(k1->fEinzelStd, 1);
  EXPECT_FALSE(k1->fNichtVerplanen);
  EXPECT_TRUE(k1->fNichtZaehlenKl);
  EXPECT_FALSE(k1->fNichtZaehlenLe);
  EXPECT_TRUE(k1->fSperrung.GetWocheTagStd(1, 4, 2));
  EXPECT_EQ(k1->fStdProTag, 2);
  EXPECT_EQ(k1->fTabellenNr, 3);
  EXPECT_EQ(k1->fColor, 0x102030u);
  for (const TElement* el :
       std::initializer_list<const TElement*>{mue, k5a, q1, rel5, d, r101, ph1})
    EXPECT_GT(el->fKurse.ListeElemNr(k1), 0) << el->fKuerzel.str();
  EXPECT_EQ(Kuerzel(d->fKlassen), (std::vector<std::string>{"5a", "Q1"}));
  ASSERT_EQ(k1->fSetzungen.size(), 3u);
  const TSetzung* p1 = k1->fSetzungen[0];
  const TSetzung* p2 = k1->fSetzungen[1];
  const TSetzung* p3 = k1->fSetzungen[2];
  EXPECT_TRUE(p1->Liegt(2, 1, 1) && !p1->fRaum && !p1->fFixiert);
  EXPECT_TRUE(p2->Liegt(1, 1, 5) && p2->fRaum == ph1 && !p2->fFixiert);
  EXPECT_TRUE(p3->Liegt(1, 2, 3) && p3->fRaum == r101 && p3->fFixiert);
  EXPECT_EQ(k1->fBesetzung.GetWocheTag(1, 1), 0x0010u);
  EXPECT_EQ(k1->fBesetzung.GetWocheTag(1, 2), 0x0004u);
  EXPECT_EQ(k1->fBesetzung.GetWocheTag(2, 1), 0x0001u);

  // Vertretungen in der Folge der Datei, gegenseitig verknüpft.
  ASSERT_EQ(s.fVertretungsMenge.size(), 2u);
  TVertretung* v2 = s.fVertretungsMenge[0];
  TVertretung* v1 = s.fVertretungsMenge[1];
  EXPECT_EQ(v1->fZu, v2);
  EXPECT_EQ(v2->fVon, v1);
  EXPECT_EQ(v1->fVon, nullptr);
  EXPECT_EQ(v2->fZu, nullptr);
  EXPECT_DOUBLE_EQ(v1->fDatum, kHeute + 2.5);
  EXPECT_DOUBLE_EQ(v1->fAdHoc, kHeute + 0.5);
  EXPECT_EQ(v1->fKurs, k1);
  EXPECT_EQ(v1->fSetzung, p3);
  EXPECT_EQ(p3->fVertretungen.ListeElemNr(v1), 1);
  EXPECT_EQ(v1->fLehrer, sch);
  EXPECT_EQ(v1->fRaum, ph1);
  EXPECT_EQ(v1->fFach, e);
  EXPECT_EQ(v1->fLInfo.str(), "statt Mathe");
  EXPECT_EQ(v1->fSInfo.str(), "Raum Ph1");
  EXPECT_TRUE(!v1->fFrei && v1->fGueltig && v1->fAngerechnet);
  EXPECT_EQ(v2->fSetzung, p1);
  EXPECT_TRUE(v2->fFrei && !v2->fGueltig && !v2->fAngerechnet);
  EXPECT_EQ(v2->fFach, d);

  // Fehlzeiten, Raster, Fenster.
  ASSERT_EQ(s.fFehlLehrerMenge.size(), 1u);
  ASSERT_EQ(s.fFehlKlassenMenge.size(), 1u);
  ASSERT_EQ(s.fFehlRaumMenge.size(), 1u);
  const TFehl* fl = s.fFehlLehrerMenge[0];
  EXPECT_EQ(fl->fElement, mue);
  EXPECT_EQ(fl->fZeit, 0xA000);
  EXPECT_EQ(fl->fHilfe, 0xA000);
  EXPECT_EQ(fl->fGrund.str(), "K");
  EXPECT_TRUE(fl->FehltIn(1) && fl->FehltIn(3) && !fl->FehltIn(2));
  EXPECT_EQ(s.fFehlKlassenMenge[0]->fElement, k5a);
  EXPECT_EQ(s.fFehlRaumMenge[0]->fZeit, 0xFFFF);
  EXPECT_EQ(s.fFehlRaumMenge[0]->fGrund.str(), "W");
  EXPECT_EQ(s.fParListe->fZeilen, 1);
  EXPECT_EQ(s.fParListe->fSpalten, 2);
  EXPECT_EQ(s.fParListe->fListe, (std::vector<TKopplung*>{rel5, nullptr}));
  EXPECT_EQ(s.fGespeicherteFenster,
            (std::vector<TFensterSatz>{{FensterArt::LehrerPlan, "M\xDCL", {10, 20, 300, 200}},
                                       {FensterArt::AlleKurse, "alle Kurse", {-5, 0, 640, 480}}}));

  // Wieder geschrieben: dieselben Bytes.
  EXPECT_EQ(SchuleAlsBytes(s), KleineSchuleRoh().Bytes());
}

// --- Versionen -----------------------------------------------------------------------------

TEST(SchulDateiLesen, JedesFensterStehtNachVielemSichernEinmalInDerDatei) {
  TTestUmgebung u;
  Bytes bytes;
  {
    TKleineSchule k;  // offen: Plan "MÜL"; gelesen: "alle Kurse"
    BaueKleineSchule(u.schule(), k);
    bytes = SchuleAlsBytes(u.schule());
  }
  // Öffnen, dasselbe Fenster wieder öffnen, sichern: dreimal.
  for (int runde = 0; runde < 3; ++runde) {
    std::string fehler;
    ASSERT_TRUE(Lies(u, bytes, fehler)) << fehler;
    TFakeFenster plan(FensterArt::LehrerPlan, "MÜL");
    u.schule().FensterAnmelden(&plan);
    bytes = SchuleAlsBytes(u.schule());
    u.schule().FensterAbmelden(&plan);
  }
  std::string fehler;
  ASSERT_TRUE(Lies(u, bytes, fehler)) << fehler;
  EXPECT_EQ(u.schule().fGespeicherteFenster,
            (std::vector<TFensterSatz>{{FensterArt::LehrerPlan, "M\xDCL", {0, 0, 0, 0}},
                                       {FensterArt::AlleKurse, "alle Kurse", {-5, 0, 640, 480}}}));
  // Zwei offene Fenster mit einer Überschrift kommen beide in die Datei, das zuletzt angemeldete
  // zuerst (es liegt oben).
  TFakeFenster links(FensterArt::LehrerPlan, "MÜL"), rechts(FensterArt::LehrerPlan, "MÜL");
  links.fLage = {1, 2, 3, 4};
  rechts.fLage = {5, 6, 7, 8};
  u.schule().FensterAnmelden(&links);
  u.schule().FensterAnmelden(&rechts);
  bytes = SchuleAlsBytes(u.schule());
  u.schule().FensterAbmelden(&links);
  u.schule().FensterAbmelden(&rechts);
  ASSERT_TRUE(Lies(u, bytes, fehler)) << fehler;
  EXPECT_EQ(u.schule().fGespeicherteFenster,
            (std::vector<TFensterSatz>{{FensterArt::LehrerPlan, "M\xDCL", {5, 6, 7, 8}},
                                       {FensterArt::LehrerPlan, "M\xDCL", {1, 2, 3, 4}},
                                       {FensterArt::AlleKurse, "alle Kurse", {-5, 0, 640, 480}}}));
  // Zwei Sätze mit einer Überschrift bleiben beide (zwei Lehrer können ein Kürzel teilen); welcher
  // welches Fenster öffnet, entscheidet das Wiederöffnen.
  TRohDatei roh = KleineSchuleRoh();
  roh.Fenster.push_back({FensterArt::LehrerPlan, "M\xDCL"});
  TSchule& s = GeleseneKleineSchule(u, roh);
  ASSERT_EQ(s.fGespeicherteFenster.size(), 3u);
  EXPECT_EQ(s.fGespeicherteFenster[0].Lage, (TFensterLage{10, 20, 300, 200}));
  EXPECT_EQ(s.fGespeicherteFenster[2].Titel, s.fGespeicherteFenster[0].Titel);
}

TEST(SchulDateiLesen, Versionen) {
  TTestUmgebung u;
  TRohDatei roh = KleineSchuleRoh();
  std::string fehler;
  roh.Version = -212;
  EXPECT_TRUE(Lies(u, roh.Bytes(), fehler)) << fehler;
  EXPECT_EQ(u.schule().fLehrerMenge.size(), 2u);
  const std::pair<int, const char*> falsch[] = {
      {-210, "Die Datei „klein.tmr“ kann nicht gelesen werden.\nDie Version der Daten ist zu alt!"},
      {-1, "Die Datei „klein.tmr“ kann nicht gelesen werden.\nDie Version der Daten ist zu alt!"},
      {-301, "Die Datei „klein.tmr“ kann nicht gelesen werden.\nDie Version der Daten ist zu neu!"},
      {-32768,
       "Die Datei „klein.tmr“ kann nicht gelesen werden.\nDie Version der Daten ist zu neu!"},
      {0x504B, "Die Datei „klein.tmr“ ist keine Schuldatei von WinTamrel."},
      {0, "Die Datei „klein.tmr“ ist keine Schuldatei von WinTamrel."}};
  for (const auto& [version, meldung] : falsch) {
    roh.Version = version;
    EXPECT_FALSE(Lies(u, roh.Bytes(), fehler)) << version;
    EXPECT_EQ(fehler, meldung);
    EXPECT_TRUE(u.schule().fLehrerMenge.empty());
    EXPECT_EQ(u.schule().fDateiName.str(), "Ohne Titel");
  }
  EXPECT_FALSE(Lies(u, {}, fehler));
  EXPECT_EQ(fehler, "Die Datei „klein.tmr“ ist leer.");
  EXPECT_FALSE(Lies(u, {0xFE}, fehler));
  EXPECT_EQ(fehler,
            "Die Datei „klein.tmr“ ist unvollständig oder beschädigt: Sie endet nach 1 Bytes, an "
            "Stelle 0 werden aber noch 2 Bytes gebraucht.");
  EXPECT_TRUE(u.fenster.fTitel.empty() || u.fenster.fTitel.size() == 1);  // nur das -212
  EXPECT_TRUE(u.dialog.fProtokoll.empty());
}

// --- Alter Aufbau --------------------------------------------------------------------------

TEST(SchulDateiLesen, AlterAufbauWirdUmgewandelt) {
  TTestUmgebung u;
  TRohDatei roh = KleineSchuleRoh();
  roh.Version = -211;
  roh.LehrerK[1] = "SCHMIDTXYZ";  // das alte Kürzelfeld fasst 7 Zeichen
  TSchule& s = GeleseneKleineSchule(u, roh);

  ASSERT_EQ(u.dialog.fProtokoll.size(), 1u);
  const auto& m = u.dialog.fProtokoll[0];
  EXPECT_FALSE(m.IstFrage);
  EXPECT_EQ(m.Titel, "Neues Datenformat");
  EXPECT_EQ(m.Zeilen, (std::vector<std::string>{
                          "Ihre Datei stammt von einer", "älteren Programmversion. Ihre",
                          "Daten werden in das neue", "Dateiformat umgewandelt. Sie",
                          "können die geänderten Daten mit", "einem neuen Namen speichern."}));
  EXPECT_TRUE(s.fDirty);
  EXPECT_TRUE(u.fenster.fSichernFrei);
  EXPECT_EQ(s.fDateiName.str(), "Ohne Titel");
  EXPECT_EQ(u.fenster.fTitel.back(), "WinTamrel 3.9.16 [Ohne Titel]");

  EXPECT_EQ(s.fLehrerMenge[1]->fKuerzel.str(), "SCHMIDT");
  EXPECT_EQ(s.fLehrerMenge[0]->fInfo.str(), "M\xFCller, Anna");
  EXPECT_FALSE(s.fLehrerMenge[0]->fFreierTag);  // fehlt im alten Aufbau
  ASSERT_EQ(s.fVertretungsMenge.size(), 2u);
  TVertretung* v1 = s.fVertretungsMenge[1];
  EXPECT_EQ(v1->fFach, s.fFachMenge[0]);  // das Fach des Kurses, nicht E
  EXPECT_DOUBLE_EQ(v1->fAdHoc, kHeute - 1000 + 0.5);
  EXPECT_EQ(v1->fLInfo.str(), "statt Mathe");
  EXPECT_EQ(v1->fZu, s.fVertretungsMenge[0]);
  EXPECT_EQ(s.fFehlLehrerMenge[0]->fGrund.str(), "-");
  EXPECT_EQ(s.fFehlRaumMenge[0]->fGrund.str(), "-");
  EXPECT_EQ(s.fKursMenge[1]->fInfo.str(), "GK 1");

  // Gesichert wird im aktuellen Aufbau, und der liest sich ohne Meldung.
  const Bytes neu = SchuleAlsBytes(s);
  EXPECT_EQ(neu[0], 0xFE);
  EXPECT_EQ(neu[1], 0xD4);
  std::string fehler;
  ASSERT_TRUE(Lies(u, neu, fehler)) << fehler;
  EXPECT_FALSE(u.schule().fDirty);
  EXPECT_EQ(u.dialog.fProtokoll.size(), 1u);
  EXPECT_EQ(SchuleAlsBytes(u.schule()), neu);
}

// --- Schritte nach dem Laden -------------------------------------------------------------

TRohVertretung& V1(TRohDatei& r) {
  return r.Kurse[1].Setzungen[2].Vertretungen[0];
}
TRohVertretung& V2(TRohDatei& r) {
  return r.Kurse[1].Setzungen[0].Vertretungen[0];
}

TEST(SchulDateiLesen, AlteVertretungenGehenMitIhrerPartnerin) {
  TTestUmgebung u;
  TRohDatei roh = KleineSchuleRoh();
  V1(roh).Datum = kHeute - 38.5;  // 31.10., vor dem vorigen Monat (heute: 9.12.)
  TSchule& s = GeleseneKleineSchule(u, roh);
  EXPECT_TRUE(s.fVertretungsMenge.empty());  // V2 war "verlegt auf" von V1 und geht mit
  for (const TSetzung* p : s.fKursMenge[1]->fSetzungen) EXPECT_TRUE(p->fVertretungen.empty());
  EXPECT_FALSE(s.fDirty);
}

TEST(SchulDateiLesen, AlteVertretungOhneFolgen) {
  TTestUmgebung u;
  TRohDatei roh = KleineSchuleRoh();
  V2(roh).Datum = kHeute - 38.5;  // 31.10.: verfallen
  V1(roh).Datum = kHeute - 37.5;  // 1.11.: weit hinter der Frist, aber im vorigen Monat
  TSchule& s = GeleseneKleineSchule(u, roh);
  ASSERT_EQ(s.fVertretungsMenge.size(), 1u);
  EXPECT_DOUBLE_EQ(s.fVertretungsMenge[0]->fDatum, kHeute - 37.5);
  EXPECT_EQ(s.fVertretungsMenge[0]->fZu, nullptr);
}

// Ein Monat verfällt nur ganz: er liegt vor dem vorigen Monat und endet vor der Frist.
TEST(SchulDateiLesen, NurGanzeMonateVerfallen) {
  TTestUmgebung u;  // heute: 9.12.2026
  u.standard.fVertrMerke = 60;
  EXPECT_TRUE(Verfallen(kHeute - 69.5));   // 30.9.: der September endete vor 70 Tagen
  EXPECT_FALSE(Verfallen(kHeute - 68.5));  // 1.10.: der Oktober endete vor 39 Tagen
  u.standard.fVertrMerke = 10;
  EXPECT_TRUE(Verfallen(kHeute - 38.5));   // 31.10.
  EXPECT_FALSE(Verfallen(kHeute - 37.5));  // 1.11.: der vorige Monat bleibt ganz
  EXPECT_FALSE(Verfallen(kHeute + 100));
}

TEST(SchulDateiLesen, FehlzeitenWerdenBereinigt) {
  TTestUmgebung u;
  TRohDatei roh = KleineSchuleRoh();
  roh.FehlLehrer = {{kHeute - 38.5, 1, 0x8000, "A"},  // zu alt: 31.10.
                    {kHeute - 37.5, 1, 0x8000, "B"},  // bleibt: 1.11., voriger Monat
                    {kHeute + 0.5, -1, 0x8000, "C"},  // ohne Element
                    {kHeute + 0.5, 3, 0x8000, "D"},   // Element außerhalb der Liste
                    {kHeute + 0.5, 2, 0x0000, "E"},   // ohne Stunde
                    {kHeute + 0.5, 2, 0x0100, ""}};   // ohne Grund: "-"
  TSchule& s = GeleseneKleineSchule(u, roh);
  ASSERT_EQ(s.fFehlLehrerMenge.size(), 2u);
  EXPECT_EQ(s.fFehlLehrerMenge[0]->fGrund.str(), "B");
  EXPECT_EQ(s.fFehlLehrerMenge[1]->fElement, s.fLehrerMenge[1]);
  EXPECT_EQ(s.fFehlLehrerMenge[1]->fGrund.str(), "-");
  EXPECT_TRUE(s.fFehlLehrerMenge[1]->FehltIn(8));
}

TEST(SchulDateiLesen, PlanaenderungInDerZukunftWirdZurueckgelegt) {
  TTestUmgebung u;
  TRohDatei roh = KleineSchuleRoh();
  roh.Lehrer[0].Aenderung = kHeute + 1.5;  // morgen
  roh.Lehrer[1].Aenderung = kHeute + 0.5;  // jetzt: bleibt
  roh.Klassen[0].Aenderung = kHeute + 4000.5;
  roh.Raeume[1].Aenderung = kHeute + 0.75;
  TSchule& s = GeleseneKleineSchule(u, roh);
  EXPECT_DOUBLE_EQ(s.fLehrerMenge[0]->fLetzteAenderung, kHeute + 1.5 - 1000);
  EXPECT_DOUBLE_EQ(s.fLehrerMenge[1]->fLetzteAenderung, kHeute + 0.5);
  EXPECT_DOUBLE_EQ(s.fKlassenMenge[0]->fLetzteAenderung, kHeute + 3000.5);
  EXPECT_DOUBLE_EQ(s.fRaumMenge[1]->fLetzteAenderung, kHeute + 0.75 - 1000);
}

TEST(SchulDateiLesen, NurGegenseitigeVerknuepfungenBleiben) {
  TTestUmgebung u;
  std::string fehler;
  {
    TRohDatei roh = KleineSchuleRoh();
    V2(roh).VonNr = 0;  // V1 zeigt auf V2, aber nicht zurück
    TSchule& s = GeleseneKleineSchule(u, roh);
    EXPECT_EQ(s.fVertretungsMenge[1]->fZu, nullptr);
    EXPECT_EQ(s.fVertretungsMenge[0]->fVon, nullptr);
  }
  {
    TRohDatei roh = KleineSchuleRoh();
    V1(roh).ZuNr = 0;  // V2 zeigt zurück, V1 aber nicht hin
    TSchule& s = GeleseneKleineSchule(u, roh);
    EXPECT_EQ(s.fVertretungsMenge[0]->fVon, nullptr);
  }
  {
    TRohDatei roh = KleineSchuleRoh();
    V1(roh).ZuNr = 2;  // auf sich selbst
    V1(roh).VonNr = 2;
    V2(roh).VonNr = 0;
    TSchule& s = GeleseneKleineSchule(u, roh);
    EXPECT_EQ(s.fVertretungsMenge[1]->fZu, nullptr);
    EXPECT_EQ(s.fVertretungsMenge[1]->fVon, nullptr);
  }
  {
    TRohDatei roh = KleineSchuleRoh();
    V1(roh).ZuNr = 7;  // keine Vertretung hat diese Nummer
    TSchule& s = GeleseneKleineSchule(u, roh);
    EXPECT_EQ(s.fVertretungsMenge[1]->fZu, nullptr);
    EXPECT_EQ(s.fVertretungsMenge[0]->fVon, nullptr);
    // Ohne Verknüpfungen nimmt das Entfernen der einen die andere nicht mit.
    s.VertretungLoeschen(s.fVertretungsMenge[1]);
    EXPECT_EQ(s.fVertretungsMenge.size(), 1u);
  }
}

// --- Ausbessern ----------------------------------------------------------------------------

TEST(SchulDateiLesen, VerweiseAusserhalbIhrerListeGeltenAlsKeine) {
  TTestUmgebung u;
  TRohDatei roh = KleineSchuleRoh();
  roh.Lehrer[0].Raum = 3;
  roh.Lehrer[0].Faecher = {32767, 1, 99, 1, 0, -1};
  roh.Klassen[0].Lehrer1 = 0;
  roh.Klassen[0].Lehrer2 = 3;
  roh.Klassen[1].Raum = -1;
  roh.UVs[0].Eintraege = {2, 7, 32767, 2};
  roh.UVs[1].Klassen = {0, 3};
  TRohKurs& k2 = roh.Kurse[0];
  k2.Lehrer = 5;
  k2.Kopplung = 2;
  k2.Fach = 32767;
  k2.Klassen = {-1, 1, 1, 9, 2};
  k2.Raeume = {2, 0, 2};
  k2.Ergaenzt = {3};
  V1(roh).Lehrer = 9;
  V1(roh).Raum = 0;
  V1(roh).Fach = 3;
  roh.Kurse[1].Setzungen[1].Raum = 3;
  roh.ParZeilen = 2;
  roh.ParSpalten = 2;
  roh.Par = {1, 2, -1, 32767};
  TSchule& s = GeleseneKleineSchule(u, roh);
  TLehrer* mue = s.fLehrerMenge[0];
  EXPECT_EQ(mue->fRaum, nullptr);
  EXPECT_EQ(Kuerzel(mue->fFaecher), std::vector<std::string>{"D"});
  EXPECT_EQ(s.fKlassenMenge[0]->fLehrer1, nullptr);
  EXPECT_EQ(s.fKlassenMenge[0]->fLehrer2, nullptr);
  EXPECT_EQ(s.fKlassenMenge[1]->fRaum, nullptr);
  EXPECT_EQ(Kuerzel(s.fUVTabMenge[0]->fFaecher), std::vector<std::string>{"E"});
  EXPECT_TRUE(s.fUVTabMenge[1]->fKlassen.empty());
  TKurs* kurs = s.fKursMenge[0];
  EXPECT_EQ(kurs->fLehrer, nullptr);
  EXPECT_EQ(kurs->fKopplung, nullptr);
  EXPECT_EQ(kurs->fFach, nullptr);
  EXPECT_EQ(Kuerzel(kurs->fKlassen), (std::vector<std::string>{"5a", "Q1"}));
  EXPECT_EQ(Kuerzel(kurs->fRaeume), std::vector<std::string>{"Ph1"});
  EXPECT_TRUE(kurs->fRaumErgaenzt.empty());
  EXPECT_GT(s.fKlassenMenge[1]->fKurse.ListeElemNr(kurs), 0);
  const TVertretung* v1 = s.fVertretungsMenge[1];
  EXPECT_TRUE(!v1->fLehrer && !v1->fRaum && !v1->fFach);
  EXPECT_EQ(s.fKursMenge[1]->fSetzungen[1]->fRaum, nullptr);
  EXPECT_EQ(s.fParListe->fListe,
            (std::vector<TKopplung*>{s.fKopplMenge[0], nullptr, nullptr, nullptr}));
}

TEST(SchulDateiLesen, SetzungenAusserhalbDesRastersOderDoppeltFallenWeg) {
  TTestUmgebung u;
  TRohDatei roh = KleineSchuleRoh();
  TRohVertretung v;
  v.Datum = kHeute + 3.5;
  auto& setzungen = roh.Kurse[1].Setzungen;
  setzungen.push_back({1, 3, 2, 1, false, {v}});  // dieselbe Zelle wie die dritte
  setzungen.push_back({1, 1, 1, 3, false, {v}});  // Woche 3 bei zwei Planversionen
  setzungen.push_back({1, 17, 1, 1, false, {}});
  setzungen.push_back({1, 0, 1, 1, false, {}});
  setzungen.push_back({1, 1, 0, 1, false, {}});
  setzungen.push_back({1, 1, 8, 1, false, {v, v}});
  setzungen.push_back({1, 1, 7, 1, true, {}});  // Sonntag, 1. Stunde: gilt
  TSchule& s = GeleseneKleineSchule(u, roh);
  const TKurs* k1 = s.fKursMenge[1];
  ASSERT_EQ(k1->fSetzungen.size(), 4u);
  EXPECT_TRUE(k1->fSetzungen[2]->Liegt(1, 2, 3));
  EXPECT_TRUE(k1->fSetzungen[2]->fFixiert);  // die erste in der Zelle bleibt
  EXPECT_TRUE(k1->fSetzungen[3]->Liegt(1, 7, 1));
  EXPECT_EQ(s.fVertretungsMenge.size(), 2u);
  EXPECT_EQ(k1->fBesetzung.GetWocheTag(1, 1), 0x0010u);
  EXPECT_EQ(k1->fBesetzung.GetWocheTag(1, 7), 0x0001u);
  EXPECT_EQ(k1->fBesetzung.GetWocheTag(2, 1), 0x0001u);
}

TEST(SchulDateiLesen, WerteAusserhalbIhresBereichsWerdenAusgebessert) {
  TTestUmgebung u;
  TRohDatei roh = KleineSchuleRoh();
  roh.Kalender[4] = 0;
  roh.Kalender[5] = 3;
  roh.Kalender[6] = 2;
  roh.Kalender[7] = 255;
  roh.Kurse[0].Tabelle = 0;
  roh.Kurse[1].Tabelle = 5;
  roh.Fenster.push_back({2, "gibt es nicht"});
  roh.Fenster.push_back({FensterArt::Vertretungen, "Vertretungen"});
  roh.Fenster.push_back({-1, "auch nicht"});
  roh.ParZeilen = 0;
  roh.ParSpalten = 5;
  roh.Par = {};
  TSchule& s = GeleseneKleineSchule(u, roh);
  EXPECT_EQ(s.fKalender[5], 1);
  EXPECT_EQ(s.fKalender[6], 1);
  EXPECT_EQ(s.fKalender[7], 2);
  EXPECT_EQ(s.fKalender[8], 1);
  EXPECT_EQ(s.fKursMenge[0]->fTabellenNr, 1);
  EXPECT_EQ(s.fKursMenge[1]->fTabellenNr, 1);
  ASSERT_EQ(s.fGespeicherteFenster.size(), 3u);
  EXPECT_EQ(s.fGespeicherteFenster[2].Art, FensterArt::Vertretungen);
  EXPECT_EQ(s.fParListe->fZeilen, 1);
  EXPECT_EQ(s.fParListe->fSpalten, 1);
  EXPECT_EQ(s.fParListe->fListe, std::vector<TKopplung*>{nullptr});
}

// --- Ablehnen ------------------------------------------------------------------------------

struct TKaputt {
  const char* Name;
  std::function<Bytes()> Datei;
  const char* Meldung;  // Teil der Meldung nach „Die Datei „kaputt.tmr“ “
};

Bytes MitRoh(const std::function<void(TRohDatei&)>& aendern) {
  TRohDatei roh = KleineSchuleRoh();
  aendern(roh);
  return roh.Bytes();
}

Bytes Gepatcht(std::size_t abschnitt, std::size_t versatz, std::uint16_t wert) {
  TRohDatei roh = KleineSchuleRoh();
  Bytes b = roh.Bytes();
  Setze16(b, roh.Abschnitte[abschnitt] + versatz, wert);
  return b;
}

class SchulDateiKaputt : public ::testing::TestWithParam<TKaputt> {};

TEST_P(SchulDateiKaputt, WirdAbgelehntUndNichtsBleibtZurueck) {
  TTestUmgebung u;
  u.standard.fMaxWocheNeu = 3;
  u.standard.fAktuelleWoche = 2;
  u.NeueSchule();
  std::string fehler;
  EXPECT_FALSE(ReadSchuleAusBytes(GetParam().Datei(), "kaputt.tmr", u.schule(), fehler));
  EXPECT_EQ(fehler, std::string("Die Datei „kaputt.tmr“ ") + GetParam().Meldung);
  EXPECT_EQ(u.standard.fMaxWocheNeu, 3);
  EXPECT_EQ(u.standard.fAktuelleWoche, 2);
  EXPECT_EQ(u.schule().fDateiName.str(), "Ohne Titel");
  EXPECT_TRUE(u.fenster.fTitel.empty());
  EXPECT_FALSE(u.fenster.fSichernFrei);  // "Sichern" bleibt gesperrt
  EXPECT_FALSE(u.schule().fDirty);
  EXPECT_TRUE(u.dialog.fProtokoll.empty());
  EXPECT_EQ(u.dialog.fBeschaeftigt, 0);
  EXPECT_EQ(u.dialog.fMeldungsFensterZu, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Dateien, SchulDateiKaputt,
    ::testing::Values(
        TKaputt{"KeinePlanversion", [] { return MitRoh([](TRohDatei& r) { r.W = 0; }); },
                "ist beschädigt: Die Zahl der Planversionen ist 0, möglich sind 1 bis 54."},
        TKaputt{"55Planversionen", [] { return MitRoh([](TRohDatei& r) { r.W = 55; }); },
                "ist beschädigt: Die Zahl der Planversionen ist 55, möglich sind 1 bis 54."},
        TKaputt{"NegativeKuerzelzahl", [] { return Gepatcht(4, 0, 0xFFFF); },
                "ist beschädigt: Die Zahl der Lehrerkürzel ist negativ (-1)."},
        TKaputt{"LehrerSaetze", [] { return MitRoh([](TRohDatei& r) { r.SatzZahl[5] = 1; }); },
                "ist beschädigt: Es gibt 2 Lehrerkürzel, aber 1 Lehrersätze."},
        TKaputt{"KlassenSaetze", [] { return MitRoh([](TRohDatei& r) { r.SatzZahl[6] = 3; }); },
                "ist beschädigt: Es gibt 2 Klassenkürzel, aber 3 Klassensätze."},
        TKaputt{"KopplungsSaetze", [] { return MitRoh([](TRohDatei& r) { r.SatzZahl[7] = 0; }); },
                "ist beschädigt: Es gibt 1 Kopplungskürzel, aber 0 Kopplungssätze."},
        TKaputt{"FachSaetze", [] { return MitRoh([](TRohDatei& r) { r.SatzZahl[8] = -2; }); },
                "ist beschädigt: Es gibt 2 Fachkürzel, aber -2 Fachsätze."},
        TKaputt{"RaumSaetze", [] { return MitRoh([](TRohDatei& r) { r.SatzZahl[9] = 1; }); },
                "ist beschädigt: Es gibt 2 Raumkürzel, aber 1 Raumsätze."},
        TKaputt{"UVSaetze", [] { return MitRoh([](TRohDatei& r) { r.SatzZahl[10] = 7; }); },
                "ist beschädigt: Es gibt 2 UV-Kürzel, aber 7 UV-Sätze."},
        TKaputt{"ZuVieleKurse", [] { return MitRoh([](TRohDatei& r) { r.SatzZahl[11] = 5000; }); },
                "ist beschädigt: Die Zahl der Kurse (5000) ist größer, als der Rest der Datei "
                "(1185 Bytes) fassen kann."},
        TKaputt{"NegativeSetzungszahl",
                // Der erste Kurs: Zahl 2, Stunden 2, Verweise 6, drei leere Listen 6, Woche 2: 2.
                [] { return Gepatcht(11, 18, 0xFFFE); },
                "ist beschädigt: Die Zahl der Setzungen eines Kurses ist negativ (-2)."},
        TKaputt{"NegativeFehlzeitenzahl", [] { return Gepatcht(13, 0, 0x8000); },
                "ist beschädigt: Die Zahl der Fehlzeiten der Klassen ist negativ (-32768)."},
        TKaputt{"RasterNegativ",
                [] {
                  return MitRoh([](TRohDatei& r) {
                    r.ParZeilen = -1;
                    r.Par = {};
                  });
                },
                "ist beschädigt: Das Raster der parallelen Kopplungen hat eine negative Größe (-1 "
                "× 2)."},
        TKaputt{"RasterZuGross",
                [] {
                  return MitRoh([](TRohDatei& r) {
                    r.ParZeilen = 200;
                    r.ParSpalten = 200;
                  });
                },
                "ist beschädigt: Das Raster der parallelen Kopplungen (200 × 200) ist größer, als "
                "der Rest der Datei fassen kann."},
        TKaputt{"Abgeschnitten",
                [] {
                  Bytes b = KleineSchuleRoh().Bytes();
                  b.resize(100);  // mitten im Kalender
                  return b;
                },
                "ist unvollständig oder beschädigt: Sie endet nach 100 Bytes, an Stelle 100 "
                "werden aber noch 1 Bytes gebraucht."},
        TKaputt{"FensterFehlen",
                [] {
                  Bytes b = KleineSchuleRoh().Bytes();
                  b.resize(b.size() - 1);
                  return b;
                },
                "ist beschädigt: Die Zahl der Fenster (2) ist größer, als der Rest der Datei (531 "
                "Bytes) fassen kann."},
        // Nach dem Entfernen alter Vertretungen (das die Schule als geändert markiert).
        TKaputt{"NachDemAufraeumen",
                [] {
                  TRohDatei roh = KleineSchuleRoh();
                  roh.Kurse[1].Setzungen[2].Vertretungen[0].Datum = kHeute - 20.5;
                  Bytes b = roh.Bytes();
                  b.resize(b.size() - 1);
                  return b;
                },
                "ist beschädigt: Die Zahl der Fenster (2) ist größer, als der Rest der Datei (531 "
                "Bytes) fassen kann."}),
    [](const ::testing::TestParamInfo<TKaputt>& i) { return std::string(i.param.Name); });

// --- Von der Platte ------------------------------------------------------------------------

TEST(SchulDateiLesen, AusDateiMitNamen) {
  TTestUmgebung u;
  TTestOrdner ordner;
  const Bytes bytes = KleineSchuleRoh().Bytes();
  DateiSchreiben(ordner / "Schüler.tmr", bytes);
  std::string fehler;
  u.NeueSchule();
  ASSERT_TRUE(ReadSchule(ordner / "Schüler.tmr", u.schule(), fehler)) << fehler;
  EXPECT_EQ(u.schule().fDateiName.str(), "Sch\xFCler.tmr");
  EXPECT_EQ(u.fenster.fTitel.back(), "WinTamrel 3.9.16 [Schüler.tmr]");

  // Ein Name, den die Schule nicht halten kann: "Ohne Titel", damit "Sichern" nachfragt.
  DateiSchreiben(ordner / "Plan✓.tmr", bytes);
  u.NeueSchule();
  ASSERT_TRUE(ReadSchule(ordner / "Plan✓.tmr", u.schule(), fehler)) << fehler;
  EXPECT_EQ(u.schule().fDateiName.str(), "Ohne Titel");
  EXPECT_EQ(u.fenster.fTitel.back(), "WinTamrel 3.9.16 [Ohne Titel]");

  u.NeueSchule();
  EXPECT_FALSE(ReadSchule(ordner / "fehlt.tmr", u.schule(), fehler));
  EXPECT_EQ(fehler, "Die Datei „fehlt.tmr“ kann nicht geöffnet werden.");
  EXPECT_FALSE(ReadSchule(ordner.Pfad().string(), u.schule(), fehler));
  EXPECT_NE(fehler.find("kann nicht geöffnet werden."), std::string::npos);
  EXPECT_EQ(u.schule().fDateiName.str(), "Ohne Titel");
}

}  // namespace
