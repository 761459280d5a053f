#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#include "model/DatumUnit.h"
#include "persistence/BufferUnit.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Geschrieben(const std::function<void(TBuffer&)>& schreiben) {
  TBuffer b;
  schreiben(b);
  return b.Daten();
}

Bytes Mit(Bytes anfang, std::size_t gesamt) {
  anfang.resize(gesamt, 0);
  return anfang;
}

std::string S(std::initializer_list<int> bytes) {
  std::string s;
  for (int b : bytes) s.push_back(static_cast<char>(b));
  return s;
}

// ----------------------------------------------------------------------------------------------
// Zahlen

TEST(BufferZahlen, IntWordLongBigEndian) {
  EXPECT_EQ(Geschrieben([](TBuffer& b) { b.WriteInt(-300); }), (Bytes{0xFE, 0xD4}));
  EXPECT_EQ(Geschrieben([](TBuffer& b) { b.WriteInt(32767); }), (Bytes{0x7F, 0xFF}));
  // Von einem 32-Bit-Wert werden nur die unteren 16 Bit geschrieben.
  EXPECT_EQ(Geschrieben([](TBuffer& b) { b.WriteInt(70000); }), (Bytes{0x11, 0x70}));
  EXPECT_EQ(Geschrieben([](TBuffer& b) { b.WriteWord(0xFFFF); }), (Bytes{0xFF, 0xFF}));
  EXPECT_EQ(Geschrieben([](TBuffer& b) { b.WriteLong(1); }), (Bytes{0, 0, 0, 1}));
  EXPECT_EQ(Geschrieben([](TBuffer& b) { b.WriteLong(-2); }), (Bytes{0xFF, 0xFF, 0xFF, 0xFE}));
  EXPECT_EQ(Geschrieben([](TBuffer& b) { b.WriteLong(0x12345678); }),
            (Bytes{0x12, 0x34, 0x56, 0x78}));

  TBuffer b(Bytes{0xFE, 0xD4, 0xFE, 0xD4, 0x80, 0x00, 0x80, 0x00, 0x7F, 0xFF, 0xFF, 0xFF, 0xFF,
                  0xFE, 0x12, 0x34, 0x56, 0x78});
  EXPECT_EQ(b.ReadInt(), -300);
  EXPECT_EQ(b.ReadWord(), 65236);
  EXPECT_EQ(b.ReadInt(), -32768);
  EXPECT_EQ(b.ReadWord(), 32768);  // Bitmuster: kein Vorzeichen
  EXPECT_EQ(b.ReadInt(), 32767);
  EXPECT_EQ(b.ReadLong(), -2);
  EXPECT_EQ(b.ReadLong(), 0x12345678);
  EXPECT_TRUE(b.AmEnde());
}

TEST(BufferZahlen, ByteBoolArt) {
  EXPECT_EQ(Geschrieben([](TBuffer& b) {
              b.WriteByte(0xFF);
              b.WriteBool(true);
              b.WriteBool(false);
              b.WriteArt(uvt);
              b.WriteArt(leh);
            }),
            (Bytes{0xFF, 1, 0, 5, 0}));
  TBuffer b(Bytes{0xFF, 0, 1, 2, 2, 6, 1, 7, 200});
  EXPECT_EQ(b.ReadByte(), 255);
  EXPECT_FALSE(b.ReadBool());
  EXPECT_TRUE(b.ReadBool());
  EXPECT_TRUE(b.ReadBool());  // jedes Byte außer 0
  EXPECT_EQ(b.ReadArt(), leh);
  EXPECT_EQ(b.ReadArt(), rau);
  EXPECT_EQ(b.ReadArt(), kla);
  EXPECT_EQ(b.ReadArt(), 7);
  EXPECT_EQ(b.ReadArt(), 200);  // unbekannte Werte bleiben, der Aufrufer prüft
}

TEST(BufferZahlen, GeprueftesSchreibenLehntAb) {
  TBuffer b;
  b.WriteIntGeprueft(-32768, "x");
  b.WriteIntGeprueft(32767, "x");
  b.WriteWordGeprueft(0, "x");
  b.WriteWordGeprueft(65535, "x");
  b.WriteAnzahl(0, "x");
  b.WriteAnzahl(32767, "x");
  b.WriteLongGeprueft(INT32_MIN, "x");
  EXPECT_EQ(b.Daten(),
            (Bytes{0x80, 0, 0x7F, 0xFF, 0, 0, 0xFF, 0xFF, 0, 0, 0x7F, 0xFF, 0x80, 0, 0, 0}));
  const std::size_t vorher = b.Groesse();

  auto meldung = [&](const std::function<void()>& f) -> std::string {
    try {
      f();
    } catch (const EDateiFehler& e) {
      EXPECT_EQ(e.Art(), TDateiFehlerArt::WertZuGross);
      return e.what();
    }
    ADD_FAILURE() << "keine Ablehnung";
    return "";
  };
  EXPECT_EQ(meldung([&] { b.WriteIntGeprueft(32768, "Sollstunden von MÜL"); }),
            "Der Wert 32768 (Sollstunden von MÜL) lässt sich in der Datei nicht speichern: "
            "erlaubt sind -32768 bis 32767.");
  EXPECT_EQ(meldung([&] { b.WriteIntGeprueft(-32769, ""); }),
            "Der Wert -32769 lässt sich in der Datei nicht speichern: erlaubt sind -32768 bis "
            "32767.");
  EXPECT_EQ(meldung([&] { b.WriteWordGeprueft(65536, "Tag 1"); }),
            "Der Wert 65536 (Tag 1) lässt sich in der Datei nicht speichern: erlaubt sind 0 bis "
            "65535.");
  EXPECT_FALSE(meldung([&] { b.WriteWordGeprueft(-1, "Tag 1"); }).empty());
  EXPECT_FALSE(meldung([&] { b.WriteLongGeprueft(2147483648LL, "Summe"); }).empty());
  EXPECT_EQ(meldung([&] { b.WriteAnzahl(32768, "Kurse"); }),
            "Die Anzahl 32768 (Kurse) ist zu groß für die Datei: höchstens 32767 sind möglich.");
  EXPECT_EQ(b.Groesse(), vorher);  // nichts halb geschrieben
}

// ----------------------------------------------------------------------------------------------
// Zeichentabelle

struct Paar {
  unsigned char datei, ansi;
};
constexpr Paar kTabelle[] = {{128, 196}, {133, 214}, {134, 220}, {138, 228}, {154, 246},
                             {159, 252}, {164, 167}, {167, 223}, {180, 165}};
constexpr unsigned char kNichtBuchstaben[] = {128, 133, 134, 138, 154, 159, 164, 180};

TEST(BufferZeichen, TabelleInBeideRichtungen) {
  for (const Paar& p : kTabelle) {
    SCOPED_TRACE(int(p.ansi));
    EXPECT_EQ(DateiZeichenZuAnsi(p.datei), p.ansi);
    EXPECT_EQ(AnsiZeichenZuDatei(p.ansi), p.datei);
    EXPECT_EQ(Geschrieben([&](TBuffer& b) { b.WriteStr(std::string(1, char(p.ansi))); }),
              (Bytes{p.datei}));
    TBuffer b(Bytes{p.datei});
    EXPECT_EQ(static_cast<unsigned char>(b.ReadZeichen()), p.ansi);
  }
}

TEST(BufferZeichen, NurNeunBuchstabenUeberstehenNichtAlles) {
  for (int c = 0; c < 256; ++c) {
    SCOPED_TRACE(c);
    const auto z = static_cast<unsigned char>(c);
    const bool nichtBuchstabe = std::find(std::begin(kNichtBuchstaben), std::end(kNichtBuchstaben),
                                          z) != std::end(kNichtBuchstaben);
    EXPECT_EQ(AnsiZeichenSpeicherbar(z), !nichtBuchstabe);
    TBuffer w;
    w.WriteStr(std::string(1, char(z)));
    TBuffer r(w.Daten());
    const auto zurueck = static_cast<unsigned char>(r.ReadZeichen());
    if (nichtBuchstabe) {
      // Unverändert geschrieben, als Buchstabe der Tabelle gelesen.
      EXPECT_EQ(w.Daten()[0], z);
      EXPECT_NE(zurueck, z);
      EXPECT_EQ(zurueck, DateiZeichenZuAnsi(z));
    } else {
      EXPECT_EQ(zurueck, z);
    }
  }
  // Alles außerhalb der Tabelle bleibt in beiden Richtungen unverändert.
  for (int c : {0, int('A'), int('z'), int(' '), 0x7F, 0x81, 0xE9, 0xFF}) {
    EXPECT_EQ(DateiZeichenZuAnsi(static_cast<unsigned char>(c)), c);
    EXPECT_EQ(AnsiZeichenZuDatei(static_cast<unsigned char>(c)), c);
  }
}

// ----------------------------------------------------------------------------------------------
// Texte fester Länge

TEST(BufferTexte, FelderExakt) {
  // "Ä1": Länge 2, Ä als 0x80, dann Nullbytes bis 12.
  EXPECT_EQ(Geschrieben([](TBuffer& b) {
              b.WriteKue(S({196, '1'}));
            }),
            Mit({0x02, 0x80, 0x31}, 12));
  EXPECT_EQ(Geschrieben([](TBuffer& b) { b.WriteInfo("Hallo"); }),
            Mit({5, 'H', 'a', 'l', 'l', 'o'}, 32));
  EXPECT_EQ(Geschrieben([](TBuffer& b) { b.WriteBem(""); }), Mit({}, 82));
  EXPECT_EQ(Geschrieben([](TBuffer& b) { b.WriteGrund(S({223})); }), (Bytes{1, 167}));
  EXPECT_EQ(Geschrieben([](TBuffer& b) { b.WriteStr255("a"); }), Mit({1, 'a'}, 256));
  // TFestText-Überladung
  const TKuerzelString k("MÜL");
  EXPECT_EQ(Geschrieben([&](TBuffer& b) { b.WriteKue(k); }).size(), 12u);
}

TEST(BufferTexte, ZuLangeTexteWerdenGekuerzt) {
  const Bytes kue = Geschrieben([](TBuffer& b) { b.WriteKue("ABCDEFGHIJKLMNO"); });
  EXPECT_EQ(kue, (Bytes{11, 'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J', 'K'}));
  EXPECT_EQ(Geschrieben([](TBuffer& b) { b.WriteGrund("xy"); }), (Bytes{1, 'x'}));
  const Bytes lang = Geschrieben([](TBuffer& b) { b.WriteStr255(std::string(300, 'q')); });
  ASSERT_EQ(lang.size(), 256u);
  EXPECT_EQ(lang[0], 255);
  EXPECT_EQ(lang[255], 'q');
  const Bytes bem = Geschrieben([](TBuffer& b) { b.WriteBem(std::string(100, 'r')); });
  ASSERT_EQ(bem.size(), 82u);
  EXPECT_EQ(bem[0], 81);
  const Bytes info = Geschrieben([](TBuffer& b) { b.WriteInfo(std::string(40, 'i')); });
  ASSERT_EQ(info.size(), 32u);
  EXPECT_EQ(info[0], 31);
}

TEST(BufferTexte, LesenBildetAbUndKuerztLaenge) {
  TBuffer b(Mit({4, 0x80, 0x9F, 0xA7, 0xB4}, 32));
  EXPECT_EQ(b.ReadInfo().str(), S({196, 252, 223, 165}));
  EXPECT_EQ(b.Position(), 32u);

  // Längenbyte größer als die Kapazität: auf die Kapazität gekürzt, Rest nicht gelesen.
  Bytes kue = Mit({200}, 12);
  for (int i = 1; i < 12; ++i) kue[i] = static_cast<std::uint8_t>('a' + i);
  TBuffer k(kue);
  EXPECT_EQ(k.ReadKue().str(), "bcdefghijkl");
  TBuffer grund(Bytes{9, '-'});
  EXPECT_EQ(grund.ReadGrund().str(), "-");
  // Unbedeutende Bytes hinter dem Text werden übergangen.
  TBuffer mitMuell(Mit({2, 'o', 'k', 'X', 'Y', 'Z'}, 82));
  EXPECT_EQ(mitMuell.ReadBem().str(), "ok");
  EXPECT_EQ(mitMuell.Position(), 82u);
}

TEST(BufferTexte, AlteFeldgroessen) {
  Bytes daten = Mit({7, 'A', 'B', 'C', 'D', 'E', 'F', 'G'}, 8);  // AltKue
  const Bytes info = Mit({21, 'i'}, 22);
  const Bytes bem = Mit({61, 'b'}, 62);
  daten.insert(daten.end(), info.begin(), info.end());
  daten.insert(daten.end(), bem.begin(), bem.end());
  daten.push_back(9);  // zu langes altes Kürzel: 9 > 7
  for (int i = 0; i < 7; ++i) daten.push_back('k');
  TBuffer b(daten);
  EXPECT_EQ(b.ReadAltKue().str(), "ABCDEFG");
  EXPECT_EQ(b.Position(), 8u);
  const std::string altInfo = b.ReadAltInfo().str();
  EXPECT_EQ(altInfo.size(), 21u);
  EXPECT_EQ(altInfo[0], 'i');
  EXPECT_EQ(b.Position(), 30u);
  EXPECT_EQ(b.ReadAltBem().str().size(), 61u);
  EXPECT_EQ(b.Position(), 92u);
  EXPECT_EQ(b.ReadAltKue().str(), "kkkkkkk");
  EXPECT_TRUE(b.AmEnde());
}

TEST(BufferTexte, KuerzelFuehrendeLeerzeichenWerdenYen) {
  const char yen = static_cast<char>(165);
  TBuffer b(Mit({3, ' ', ' ', 'A'}, 12));
  EXPECT_EQ(b.ReadKue().str(), std::string(2, yen) + "A");

  TBuffer mitte(Mit({4, 'A', ' ', 'B', ' '}, 12));
  EXPECT_EQ(mitte.ReadKue().str(), "A B ");  // nur am Anfang

  TBuffer nurLeer(Mit({3, ' ', ' ', ' '}, 12));
  EXPECT_EQ(nurLeer.ReadKue().str(), std::string(3, yen));

  // Erst abbilden, dann ersetzen: Ä bleibt Ä, das Leerzeichen davor wird ¥.
  TBuffer umlaut(Mit({2, ' ', 0x80}, 12));
  EXPECT_EQ(umlaut.ReadKue().str(), S({165, 196}));

  TBuffer alt(Mit({3, ' ', 'X', ' '}, 8));
  EXPECT_EQ(alt.ReadAltKue().str(), S({165, 'X', ' '}));

  // Andere Texte behalten ihre Leerzeichen.
  TBuffer info(Mit({2, ' ', 'A'}, 32));
  EXPECT_EQ(info.ReadInfo().str(), " A");

  // ¥ übersteht Schreiben und Lesen (als 0xB4 in der Datei).
  const Bytes w = Geschrieben([&](TBuffer& x) { x.WriteKue(std::string(2, yen) + "A"); });
  EXPECT_EQ(w, Mit({3, 0xB4, 0xB4, 'A'}, 12));
}

TEST(BufferTexte, WriteStrOhneLaengeUndUtf8) {
  EXPECT_EQ(Geschrieben([](TBuffer& b) {
              b.WriteStr(S({196, 167, 223, 165, 233, ';'}));
            }),
            (Bytes{0x80, 0xA4, 0xA7, 0xB4, 0xE9, ';'}));
  EXPECT_TRUE(Geschrieben([](TBuffer& b) { b.WriteStr(""); }).empty());
  // Sechs Buchstaben mit einem ü: 7 Bytes, ohne BOM, ohne Abschluss, ohne Abbildung.
  EXPECT_EQ(Geschrieben([](TBuffer& b) {
              b.WriteStrUTF8(S({'M', 252, 'l', 'l', 'e', 'r'}));
            }),
            (Bytes{'M', 0xC3, 0xBC, 'l', 'l', 'e', 'r'}));
  EXPECT_EQ(Geschrieben([](TBuffer& b) {
              b.WriteStrUTF8(S({128, 223}));
            }),
            (Bytes{0xE2, 0x82, 0xAC, 0xC3, 0x9F}));  // € und ß
  EXPECT_TRUE(Geschrieben([](TBuffer& b) { b.WriteStrUTF8(""); }).empty());
}

// ----------------------------------------------------------------------------------------------
// Daten

Bytes DatumBytes(TDateTime d) {
  return Geschrieben([&](TBuffer& b) { b.WriteDatum(d); });
}

TDateTime DatumLesen(Bytes bytes) {
  TBuffer b(std::move(bytes));
  return b.ReadDatum();
}

TEST(BufferDatum, Um1904) {
  EXPECT_EQ(DatumZuZahl(1904, 1, 1), 1462.0);
  EXPECT_EQ(DatumBytes(DatumZuZahl(1904, 1, 1)), (Bytes{0, 0, 0, 0}));
  EXPECT_EQ(DatumBytes(DatumZuZahl(1904, 1, 2)), (Bytes{0x00, 0x01, 0x51, 0x80}));
  EXPECT_EQ(DatumBytes(DatumZuZahl(1904, 1, 1) + 0.5), (Bytes{0x00, 0x00, 0xA8, 0xC0}));
  EXPECT_EQ(DatumLesen({0, 0, 0, 0}), 1462.0);
  EXPECT_EQ(DatumLesen({0x00, 0x01, 0x51, 0x80}), 1463.0);
  // Vor 1904 (nie gesetzt, 0, negativ, ungültig): immer der 1.1.1904, nie umgebrochen.
  for (TDateTime vorher :
       {0.0, -1.5, 1461.99, DatumZuZahl(1900, 1, 1), -1e300,
        std::numeric_limits<double>::quiet_NaN(), -std::numeric_limits<double>::infinity()})
    EXPECT_EQ(DatumBytes(vorher), (Bytes{0, 0, 0, 0})) << vorher;
}

TEST(BufferDatum, HeuteUndUhrzeit) {
  const TDateTime mittag = DatumZuZahl(2025, 11, 9) + 0.5;
  EXPECT_EQ(DatumBytes(mittag), (Bytes{0xE5, 0x36, 0x32, 0xC0}));
  EXPECT_EQ(DatumLesen({0xE5, 0x36, 0x32, 0xC0}), mittag);  // mittags exakt, Vergleich mit ==
  // Letzte Sekunde des Tages trotz Gleitkommafehler.
  EXPECT_EQ(DatumBytes(DatumZuZahl(2025, 11, 9) + ZeitZuZahl(23, 59, 59)),
            (Bytes{0xE5, 0x36, 0xDB, 0x7F}));
  // Beim Lesen auf Hundertstel Tage gerundet: höchstens gut 7 Minuten daneben.
  const TDateTime zeit = DatumZuZahl(2025, 11, 9) + ZeitZuZahl(12, 34, 56);
  const TDateTime zurueck = DatumLesen(DatumBytes(zeit));
  EXPECT_NEAR(zurueck, zeit, 432.0 / 86400.0 + 1e-9);
  EXPECT_DOUBLE_EQ(zurueck, DatumZuZahl(2025, 11, 9) + 0.52);
  EXPECT_EQ(DatumLesen({0, 0, 0x01, 0xAF}), 1462.0);   // 431 s
  EXPECT_EQ(DatumLesen({0, 0, 0x01, 0xB0}), 1462.01);  // 432 s
  // Gelesene Daten schreiben sich wieder gleich.
  const Bytes einmal = DatumBytes(zurueck);
  EXPECT_EQ(DatumBytes(DatumLesen(einmal)), einmal);
}

TEST(BufferDatum, Grenze2Hoch31UndEnde) {
  // Ohne Vorzeichen: 2^31 Sekunden sind der 19.1.1972, kein Datum vor 1904.
  const TDateTime vor = DatumLesen({0x7F, 0xFF, 0xFF, 0xFF});
  const TDateTime ab = DatumLesen({0x80, 0x00, 0x00, 0x00});
  EXPECT_EQ(ZahlZuDatum(vor), (TDatum{1972, 1, 19}));
  EXPECT_EQ(ZahlZuDatum(ab), (TDatum{1972, 1, 19}));
  EXPECT_GE(ab, vor);
  EXPECT_EQ(DatumBytes(DatumZuZahl(1972, 1, 19) + ZeitZuZahl(3, 14, 8)),
            (Bytes{0x80, 0x00, 0x00, 0x00}));
  // Heutige Daten liegen über 2^31.
  EXPECT_GE(DatumBytes(DatumZuZahl(2000, 1, 1))[0], 0x80);
  // Das Ende des Bereichs: 6.2.2040 06:28:15; später wird dort festgehalten.
  EXPECT_EQ(DatumBytes(DatumZuZahl(2040, 2, 6)), (Bytes{0xFF, 0xFF, 0xA5, 0x00}));
  EXPECT_EQ(DatumBytes(DatumZuZahl(2040, 2, 6) + ZeitZuZahl(6, 28, 15)),
            (Bytes{0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(DatumBytes(DatumZuZahl(2040, 2, 6) + ZeitZuZahl(6, 28, 16)),
            (Bytes{0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(DatumBytes(DatumZuZahl(2100, 1, 1)), (Bytes{0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(DatumBytes(std::numeric_limits<double>::infinity()), (Bytes{0, 0, 0, 0}));
  EXPECT_EQ(ZahlZuDatum(DatumLesen({0xFF, 0xFF, 0xFF, 0xFF})), (TDatum{2040, 2, 6}));
}

// ----------------------------------------------------------------------------------------------
// Farben

TEST(BufferFarbe, DreiWoerterMalZweihundertsechsundfuenfzig) {
  EXPECT_EQ(Geschrieben([](TBuffer& b) { b.WriteColor(255); }), (Bytes{0xFF, 0, 0, 0, 0, 0}));
  EXPECT_EQ(Geschrieben([](TBuffer& b) { b.WriteColor(0x123456); }),
            (Bytes{0x56, 0, 0x34, 0, 0x12, 0}));
  // Das oberste Byte der Farbe gehört nicht in die Datei.
  EXPECT_EQ(Geschrieben([](TBuffer& b) { b.WriteColor(0xFF00FF00); }),
            (Bytes{0, 0, 0xFF, 0, 0, 0}));
  TBuffer b(Bytes{0xFF, 0, 0, 0, 0, 0, 0x56, 0xFF, 0x34, 0xFF, 0x12, 0xFF});
  EXPECT_EQ(b.ReadColor(), 255u);
  EXPECT_EQ(b.ReadColor(), 0x123456u);  // untere Bytes der Wörter zählen nicht
}

// ----------------------------------------------------------------------------------------------
// Zu kurze Daten

struct Lesen {
  const char* name;
  std::size_t bytes;
  std::function<void(TBuffer&)> lesen;
};

const std::vector<Lesen>& AlleLesen() {
  static const std::vector<Lesen> alle = {
      {"ReadByte", 1, [](TBuffer& b) { b.ReadByte(); }},
      {"ReadBool", 1, [](TBuffer& b) { b.ReadBool(); }},
      {"ReadInt", 2, [](TBuffer& b) { b.ReadInt(); }},
      {"ReadWord", 2, [](TBuffer& b) { b.ReadWord(); }},
      {"ReadLong", 4, [](TBuffer& b) { b.ReadLong(); }},
      {"ReadDatum", 4, [](TBuffer& b) { b.ReadDatum(); }},
      {"ReadColor", 6, [](TBuffer& b) { b.ReadColor(); }},
      {"ReadZeichen", 1, [](TBuffer& b) { b.ReadZeichen(); }},
      {"ReadKue", 12, [](TBuffer& b) { b.ReadKue(); }},
      {"ReadAltKue", 8, [](TBuffer& b) { b.ReadAltKue(); }},
      {"ReadInfo", 32, [](TBuffer& b) { b.ReadInfo(); }},
      {"ReadAltInfo", 22, [](TBuffer& b) { b.ReadAltInfo(); }},
      {"ReadBem", 82, [](TBuffer& b) { b.ReadBem(); }},
      {"ReadAltBem", 62, [](TBuffer& b) { b.ReadAltBem(); }},
      {"ReadGrund", 2, [](TBuffer& b) { b.ReadGrund(); }},
      {"ReadStr255", 256, [](TBuffer& b) { b.ReadStr255(); }},
      {"ReadArt", 1, [](TBuffer& b) { b.ReadArt(); }},
  };
  return alle;
}

TEST(BufferKurz, JedeLeseoperationPrueftDasEnde) {
  for (const Lesen& l : AlleLesen()) {
    SCOPED_TRACE(l.name);
    // Genau genug: liest alles.
    TBuffer genau(Bytes(l.bytes, 1));
    EXPECT_NO_THROW(l.lesen(genau));
    EXPECT_TRUE(genau.AmEnde());
    // Ein Byte zu wenig, auch hinter bereits gelesenen Daten: Fehler, Position bleibt.
    for (std::size_t vorlauf : {std::size_t{0}, std::size_t{3}}) {
      TBuffer kurz(Bytes(vorlauf + l.bytes - 1, 0xAB));
      for (std::size_t i = 0; i < vorlauf; ++i) kurz.ReadByte();
      try {
        l.lesen(kurz);
        ADD_FAILURE() << "kein Fehler bei zu kurzen Daten";
      } catch (const EDateiFehler& e) {
        EXPECT_EQ(e.Art(), TDateiFehlerArt::ZuKurz);
      }
      EXPECT_EQ(kurz.Position(), vorlauf);
      EXPECT_EQ(kurz.Rest(), l.bytes - 1);
    }
    TBuffer leer;
    EXPECT_THROW(l.lesen(leer), EDateiFehler);
  }
}

TEST(BufferKurz, MeldungNenntDateiUndStelle) {
  TBuffer b(Bytes{1, 2, 3});
  b.ReadByte();
  b.ReadByte();
  try {
    b.ReadInt();
    FAIL();
  } catch (const EDateiFehler& e) {
    EXPECT_STREQ(e.what(),
                 "Die Daten sind unvollständig oder beschädigt: Sie enden nach 3 Bytes, an "
                 "Stelle 2 werden aber noch 2 Bytes gebraucht.");
  }
  b.SetzeDateiName("Schule.tmr");
  try {
    b.ReadStr255();
    FAIL();
  } catch (const EDateiFehler& e) {
    EXPECT_STREQ(e.what(),
                 "Die Datei „Schule.tmr“ ist unvollständig oder beschädigt: Sie endet nach 3 "
                 "Bytes, an Stelle 2 werden aber noch 256 Bytes gebraucht.");
  }
  // Nach dem Fehler bleibt der Puffer benutzbar.
  EXPECT_EQ(b.ReadByte(), 3);
}

// ----------------------------------------------------------------------------------------------
// Ein Datensatz aus allen Grundtypen

TEST(BufferSatz, AllesHinUndZurueck) {
  TBuffer w;
  w.WriteInt(-300);
  w.WriteKue(S({' ', 'M', 220, 'L'}));
  w.WriteInfo(S({'M', 252, 'l', 'l', 'e', 'r', ',', ' ', 'J', 246, 'r', 'g'}));
  w.WriteWord(0x8001);
  w.WriteLong(-123456);
  w.WriteDatum(DatumZuZahl(2026, 3, 1) + 0.5);
  w.WriteBool(true);
  w.WriteColor(0x00C0FFEE);
  w.WriteBem(S({167, '3', ' ', 'a', 'b', 'c'}));
  w.WriteGrund("K");
  w.WriteStr255("Lehrerplan MÜL");
  w.WriteArt(fac);
  EXPECT_EQ(w.Groesse(), 2u + 12 + 32 + 2 + 4 + 4 + 1 + 6 + 82 + 2 + 256 + 1);
  EXPECT_EQ(w.Position(), w.Groesse());

  TBuffer r(w.Daten());
  EXPECT_EQ(r.ReadInt(), -300);
  EXPECT_EQ(r.ReadKue().str(), S({165, 'M', 220, 'L'}));
  EXPECT_EQ(r.ReadInfo().str(), S({'M', 252, 'l', 'l', 'e', 'r', ',', ' ', 'J', 246, 'r', 'g'}));
  EXPECT_EQ(r.ReadWord(), 0x8001);
  EXPECT_EQ(r.ReadLong(), -123456);
  EXPECT_EQ(r.ReadDatum(), DatumZuZahl(2026, 3, 1) + 0.5);
  EXPECT_TRUE(r.ReadBool());
  EXPECT_EQ(r.ReadColor(), 0x00C0FFEEu);
  EXPECT_EQ(r.ReadBem().str(), S({167, '3', ' ', 'a', 'b', 'c'}));
  EXPECT_EQ(r.ReadGrund().str(), "K");
  EXPECT_EQ(r.ReadStr255().str(), "Lehrerplan MÜL");
  EXPECT_EQ(r.ReadArt(), fac);
  EXPECT_TRUE(r.AmEnde());
}

// ----------------------------------------------------------------------------------------------
// Dateien

class BufferDatei : public ::testing::Test {
 protected:
  void SetUp() override {
    fOrdner =
        fs::temp_directory_path() /
        ("tamrel-buffer-" + std::to_string(::getpid()) + "-" +
         std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(fOrdner);
    fs::create_directories(fOrdner);
  }
  void TearDown() override { fs::remove_all(fOrdner); }

  static Bytes Inhalt(const fs::path& p) {
    std::ifstream ein(p, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>());
  }
  std::vector<std::string> Namen() const {
    std::vector<std::string> namen;
    for (const auto& e : fs::directory_iterator(fOrdner))
      namen.push_back(e.path().filename().string());
    std::sort(namen.begin(), namen.end());
    return namen;
  }

  fs::path fOrdner;
};

TEST_F(BufferDatei, SchreibenUndLesen) {
  const fs::path datei = fOrdner / "Schule.tmr";
  TBuffer w;
  w.WriteInt(-300);
  w.WriteKue("ABC");
  w.InDateiSchreiben(datei);
  EXPECT_EQ(Inhalt(datei), w.Daten());
  EXPECT_EQ(Namen(), (std::vector<std::string>{"Schule.tmr"}));  // keine Zwischendatei übrig

  TBuffer r = TBuffer::AusDatei(datei);
  EXPECT_EQ(r.DateiName(), "Schule.tmr");
  EXPECT_EQ(r.Daten(), w.Daten());
  EXPECT_EQ(r.ReadInt(), -300);

  // Überschreiben ersetzt den ganzen Inhalt.
  TBuffer kuerzer;
  kuerzer.WriteByte(7);
  kuerzer.InDateiSchreiben(datei);
  EXPECT_EQ(Inhalt(datei), (Bytes{7}));

  // Leere Datei: lesbar, aber jedes Lesen scheitert mit dem Dateinamen.
  TBuffer().InDateiSchreiben(fOrdner / "leer.tmr");
  TBuffer leer = TBuffer::AusDatei(fOrdner / "leer.tmr");
  EXPECT_EQ(leer.Groesse(), 0u);
  try {
    leer.ReadInt();
    FAIL();
  } catch (const EDateiFehler& e) {
    EXPECT_NE(std::string(e.what()).find("„leer.tmr“"), std::string::npos) << e.what();
  }
}

TEST_F(BufferDatei, FehlerBeimOeffnenUndSchreiben) {
  try {
    TBuffer::AusDatei(fOrdner / "fehlt.tmr");
    FAIL();
  } catch (const EDateiFehler& e) {
    EXPECT_EQ(e.Art(), TDateiFehlerArt::Zugriff);
    EXPECT_STREQ(e.what(), "Die Datei „fehlt.tmr“ kann nicht geöffnet werden.");
  }
  EXPECT_THROW(TBuffer::AusDatei(fOrdner), EDateiFehler);  // ein Ordner

  TBuffer w;
  w.WriteInt(1);
  try {
    w.InDateiSchreiben(fOrdner / "gibtsnicht" / "x.tmr");
    FAIL();
  } catch (const EDateiFehler& e) {
    EXPECT_EQ(e.Art(), TDateiFehlerArt::Zugriff);
    EXPECT_STREQ(e.what(),
                 "Die Datei „x.tmr“ kann nicht geschrieben werden. Die bisherige Datei bleibt "
                 "unverändert.");
  }
  // Ziel ist ein Ordner: Umbenennen misslingt, die Zwischendatei verschwindet wieder.
  fs::create_directory(fOrdner / "ordner.tmr");
  EXPECT_THROW(w.InDateiSchreiben(fOrdner / "ordner.tmr"), EDateiFehler);
  EXPECT_EQ(Namen(), (std::vector<std::string>{"ordner.tmr"}));
}

TEST_F(BufferDatei, VerknuepfungBleibtErhalten) {
  const fs::path ziel = fOrdner / "echt.tmr";
  const fs::path link = fOrdner / "link.tmr";
  TBuffer alt;
  alt.WriteByte(1);
  alt.InDateiSchreiben(ziel);
  fs::create_symlink(ziel, link);
  TBuffer neu;
  neu.WriteByte(2);
  neu.InDateiSchreiben(link);
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(Inhalt(ziel), (Bytes{2}));
}

}  // namespace
