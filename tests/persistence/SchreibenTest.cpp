// Der Schreiber der Schuldatei: Bytes Abschnitt für Abschnitt, Ablehnen unpassender Werte,
// sicheres Sichern.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <sstream>

#include "SchulDateiHilfe.h"
#include "persistence/BufferUnit.h"
#include "persistence/WriteUnit.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

std::string Hex(const Bytes& b, std::size_t von, std::size_t bis) {
  std::ostringstream s;
  for (std::size_t i = von; i < bis && i < b.size(); ++i) {
    char t[4];
    std::snprintf(t, sizeof t, "%02X ", b[i]);
    s << t;
  }
  return s.str();
}

// Vergleicht Abschnitt für Abschnitt und nennt den ersten, der abweicht.
void VergleicheAbschnitte(const Bytes& ist, const TRohDatei& roh) {
  const Bytes soll = roh.Bytes();
  for (std::size_t i = 0; i + 1 < roh.Abschnitte.size(); ++i) {
    const std::size_t von = roh.Abschnitte[i], bis = roh.Abschnitte[i + 1];
    ASSERT_GE(ist.size(), bis) << "Die Datei endet im Abschnitt " << AbschnittsName(i);
    for (std::size_t p = von; p < bis; ++p)
      ASSERT_EQ(ist[p], soll[p]) << "Abschnitt " << AbschnittsName(i) << ", Byte " << p - von
                                 << "\nist:  " << Hex(ist, p, p + 16)
                                 << "\nsoll: " << Hex(soll, p, p + 16);
  }
  EXPECT_EQ(ist.size(), soll.size());
}

TEST(SchulDateiSchreiben, LeereSchuleMitEinerPlanversion) {
  TTestUmgebung u;
  Bytes soll = {0xFE, 0xD4};
  soll.insert(soll.end(), 888, 0x01);
  soll.insert(soll.end(), {0x00, 0x01});
  soll.insert(soll.end(), 28 + 12 + 12 + 8, 0x00);
  soll.insert(soll.end(), {0x00, 0x01, 0x00, 0x01, 0xFF, 0xFF, 0x00, 0x00});
  const Bytes ist = SchuleAlsBytes(u.schule());
  EXPECT_EQ(ist.size(), 960u);
  EXPECT_EQ(ist, soll);
}

TEST(SchulDateiSchreiben, KleineSchuleAbschnittFuerAbschnitt) {
  TTestUmgebung u;
  TKleineSchule k;
  BaueKleineSchule(u.schule(), k);
  k.v1->fNr = 17;  // alte Nummern zählen nicht und bleiben stehen
  VergleicheAbschnitte(SchuleAlsBytes(u.schule()), KleineSchuleRoh());
  EXPECT_EQ(k.v1->fNr, 17);
  EXPECT_TRUE(u.schule().fDirty);
}

TEST(SchulDateiSchreiben, KeinElementIstBeiStammdaten7FFFSonstFFFF) {
  TTestUmgebung u;
  u.schule().HoleLehrer("OHN");  // ohne Stammraum
  TKurs::IKurs(nullptr, nullptr, nullptr, nullptr, nullptr, 1);
  const Bytes b = SchuleAlsBytes(u.schule());
  // Kopf 2, Kalender 888, W 2, Raster 28, Kürzel 14 + 5·2: der Lehrersatz beginnt bei 944 + 2.
  const std::size_t lehrer = 944 + 2;
  EXPECT_EQ(Hex(b, lehrer + 32 + 2, lehrer + 32 + 4), "7F FF ");
  // Lehrersatz: Info 32, Soll 2, Raum 2, Fächer 2, Tage 2·14, V1 4, V2 4, Datum 4, frei 1 = 79.
  const std::size_t kurse = lehrer + 79 + 5 * 2;
  EXPECT_EQ(Hex(b, kurse, kurse + 2), "00 01 ");
  EXPECT_EQ(Hex(b, kurse + 2 + 2, kurse + 2 + 8), "FF FF FF FF FF FF ");  // Lehrer, Kopplung, Fach
}

TEST(SchulDateiSchreiben, SetzungenNachTagUndStundeUndStabil) {
  TTestUmgebung u;
  TSchule& s = u.schule();
  TKurs* k = TKurs::IKurs(nullptr, nullptr, nullptr, nullptr, nullptr, 4);
  k->NeueSetzung(1, 3, 1, nullptr);
  k->NeueSetzung(1, 1, 6, nullptr);
  k->NeueSetzung(1, 1, 2, nullptr);
  k->NeueSetzung(1, 2, 2, nullptr);
  const Bytes b = SchuleAlsBytes(s);
  // Die Kurszahl steht bei 920 + 12 (sechs leere Kürzellisten) + 12 (Abschnitte 5–10) = 944; dann
  // Stunden, drei Verweise, drei leere Listen, die Setzungszahl; dann je Setzung Raum, Stunde,
  // Tag, Woche, fixiert, Vertretungen.
  std::size_t p = 944 + 2 + 2 + 6 + 6;
  EXPECT_EQ(Hex(b, p, p + 2), "00 04 ");
  p += 2;
  const char* soll[] = {"FF FF 00 02 00 01 00 01 00 00 00 ", "FF FF 00 06 00 01 00 01 00 00 00 ",
                        "FF FF 00 02 00 02 00 01 00 00 00 ", "FF FF 00 01 00 03 00 01 00 00 00 "};
  for (const char* s1 : soll) {
    EXPECT_EQ(Hex(b, p, p + 11), s1);
    p += 11;
  }
}

// --- Werte, die nicht passen -------------------------------------------------------------

struct TZuGross {
  const char* Name;
  std::function<void(TSchule&, TKleineSchule&)> Aendern;
  const char* Teil;  // steht in der Meldung
};

class SchulDateiZuGross : public ::testing::TestWithParam<TZuGross> {};

TEST_P(SchulDateiZuGross, SichernWirdAbgelehntUndNichtsAendertSich) {
  TTestUmgebung u;
  TTestOrdner ordner;
  TKleineSchule k;
  BaueKleineSchule(u.schule(), k);
  const std::string pfad = ordner / "Schule.tmr";
  std::string fehler;
  ASSERT_TRUE(WriteSchule(pfad, u.schule(), fehler)) << fehler;
  const Bytes vorher = DateiInhalt(pfad);
  EXPECT_FALSE(u.schule().fDirty);

  GetParam().Aendern(u.schule(), k);
  u.schule().SetDirty(true);
  u.schule().fDateiName = "Schule.tmr";
  u.fenster.fTitel.clear();
  EXPECT_THROW(SchuleAlsBytes(u.schule()), EDateiFehler);
  EXPECT_FALSE(WriteSchule(pfad, u.schule(), fehler));
  EXPECT_NE(fehler.find("Die Datei „Schule.tmr“ wurde nicht gespeichert."), std::string::npos)
      << fehler;
  EXPECT_NE(fehler.find(GetParam().Teil), std::string::npos) << fehler;
  EXPECT_NE(fehler.find("Die bisherige Datei bleibt unverändert."), std::string::npos) << fehler;
  EXPECT_EQ(DateiInhalt(pfad), vorher);
  EXPECT_EQ(ordner.Namen(), std::vector<std::string>{"Schule.tmr"});
  EXPECT_TRUE(u.schule().fDirty);
  EXPECT_EQ(u.schule().fDateiName.str(), "Schule.tmr");
  EXPECT_TRUE(u.fenster.fTitel.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Werte, SchulDateiZuGross,
    ::testing::Values(
        TZuGross{"Faktor", [](TSchule&, TKleineSchule& k) { k.k1->fFaktor = 40000; },
                 "Der Wert 40000 (Faktor, Kurs MÜL D 5a Rel5)"},
        TZuGross{"NegativeStunden",
                 [](TSchule&, TKleineSchule& k) { k.k1->fStunden.SetWochenStunde(2, -40000); },
                 "Der Wert -40000 (Stunden, Kurs MÜL D 5a Rel5, Planversion 2)"},
        TZuGross{"Soll", [](TSchule&, TKleineSchule& k) { k.sch->fSoll.SetWochenStunde(1, 32768); },
                 "Der Wert 32768 (Sollstunden von SCH, Planversion 1)"},
        TZuGross{"Tagwort",
                 [](TSchule&, TKleineSchule& k) { k.k5a->fSperrung.SetWocheTag(2, 3, 0x10000); },
                 "Der Wert 65536 (Sperrungen von 5a, Planversion 2, Tag 3)"},
        TZuGross{"Fehlstunden",
                 [](TSchule& s, TKleineSchule&) { s.fFehlRaumMenge[0]->fZeit = 0x1FFFF; },
                 "Der Wert 131071 (Stunden, Fehlzeiten der Räume von Ph1)"},
        TZuGross{"Fensterlage", [](TSchule&, TKleineSchule& k) { k.fenster.fLage.Breite = 70000; },
                 "Der Wert 70000 (Lage des Fensters MÜL)"},
        TZuGross{"ListeMitMehrAls32767",
                 [](TSchule&, TKleineSchule& k) {
                   for (int i = 0; i < 32768; ++i) k.sch->fFaecher.ListeAnhaengen(k.d);
                 },
                 "Die Anzahl 32768 (Fächer von SCH) ist zu groß für die Datei"},
        TZuGross{"Planversionen", [](TSchule&, TKleineSchule&) { Standard().fMaxWocheNeu = 55; },
                 "Die Zahl der Planversionen (55) liegt nicht zwischen 1 und 54."}),
    [](const ::testing::TestParamInfo<TZuGross>& i) { return std::string(i.param.Name); });

// --- Sicheres Sichern ----------------------------------------------------------------------

TEST(SchulDateiSichern, ErfolgLoeschtAenderungskennzeichenUndLaesstKeineZwischendatei) {
  TTestUmgebung u;
  TTestOrdner ordner;
  TKleineSchule k;
  BaueKleineSchule(u.schule(), k);
  ASSERT_TRUE(u.schule().fDirty);
  const std::string pfad = ordner / "Schule.tmr";
  DateiSchreiben(pfad, Bytes(5000, 0x42));  // eine längere alte Datei wird ganz ersetzt
  std::string fehler;
  ASSERT_TRUE(WriteSchule(pfad, u.schule(), fehler)) << fehler;
  EXPECT_TRUE(fehler.empty());
  EXPECT_FALSE(u.schule().fDirty);
  EXPECT_FALSE(u.fenster.fSichernFrei);
  EXPECT_EQ(DateiInhalt(pfad), KleineSchuleRoh().Bytes());
  EXPECT_EQ(ordner.Namen(), std::vector<std::string>{"Schule.tmr"});
  // Die Sanduhr ist wieder aus, das Meldungsfenster wieder zu.
  EXPECT_EQ(u.dialog.fBeschaeftigt, 0);
  ASSERT_FALSE(u.dialog.fMeldungsFenster.empty());
  EXPECT_EQ(u.dialog.fMeldungsFenster.back(), "Speichern: Schule.tmr");
  EXPECT_EQ(u.dialog.fMeldungsFensterZu, 1);
}

TEST(SchulDateiSichern, DieZwischendateiTrifftKeineDateiDesBenutzers) {
  TTestUmgebung u;
  TTestOrdner ordner;
  TKleineSchule k;
  BaueKleineSchule(u.schule(), k);
  const std::string pfad = ordner / "Schule.tmr";
  DateiSchreiben(pfad + ".~tmp", {9, 9});  // gehört dem Benutzer
  DateiSchreiben(pfad, {1});
  fs::permissions(pfad, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  std::string fehler;
  ASSERT_TRUE(WriteSchule(pfad, u.schule(), fehler)) << fehler;
  EXPECT_EQ(DateiInhalt(pfad), KleineSchuleRoh().Bytes());
  EXPECT_EQ(DateiInhalt(pfad + ".~tmp"), (Bytes{9, 9}));
  EXPECT_EQ(ordner.Namen(), (std::vector<std::string>{"Schule.tmr", "Schule.tmr.~tmp"}));
  EXPECT_EQ(fs::status(pfad).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(SchulDateiSichern, NichtSchreibbarLaesstAlteDateiUnberuehrt) {
  TTestUmgebung u;
  TTestOrdner ordner;
  TKleineSchule k;
  BaueKleineSchule(u.schule(), k);
  const std::string pfad = ordner / "Schule.tmr";
  const Bytes alt = {1, 2, 3, 4};
  // Die neue Datei kann die alte nicht ersetzen (auch nicht als Verwalter): an ihrer Stelle steht
  // ein Ordner mit einer Datei.
  fs::create_directory(pfad);
  DateiSchreiben(pfad + "/alt", alt);
  u.schule().fDateiName = "Schule.tmr";
  std::string fehler;
  EXPECT_FALSE(WriteSchule(pfad, u.schule(), fehler));
  EXPECT_EQ(fehler,
            "Die Datei „Schule.tmr“ kann nicht geschrieben werden. Die bisherige Datei bleibt "
            "unverändert.");
  EXPECT_EQ(DateiInhalt(pfad + "/alt"), alt);
  EXPECT_EQ(ordner.Namen(), std::vector<std::string>{"Schule.tmr"});  // keine Zwischendatei
  EXPECT_TRUE(u.schule().fDirty);
  EXPECT_EQ(u.schule().fDateiName.str(), "Schule.tmr");
  EXPECT_EQ(u.dialog.fBeschaeftigt, 0);

  // Ein Ordner, den es nicht gibt.
  EXPECT_FALSE(WriteSchule(ordner / "fehlt/Neu.tmr", u.schule(), fehler));
  EXPECT_NE(fehler.find("„Neu.tmr“ kann nicht geschrieben werden"), std::string::npos) << fehler;
  EXPECT_TRUE(u.schule().fDirty);
}

}  // namespace
