#include "settings/KennwortUnit.h"

#include <gtest/gtest.h>

#include "common/TestUmgebung.h"
#include "settings/StandardUnit.h"

namespace {
std::string HexVon(const std::string& bytes) {
  static constexpr char kZiffern[] = "0123456789ABCDEF";
  std::string text;
  for (unsigned char b : bytes) {
    text.push_back(kZiffern[b >> 4]);
    text.push_back(kZiffern[b & 0xF]);
  }
  return text;
}
}  // namespace

TEST(Sha1, VeroeffentlichteTestwerte) {
  EXPECT_EQ(HexVon(Sha1("")), "DA39A3EE5E6B4B0D3255BFEF95601890AFD80709");
  EXPECT_EQ(HexVon(Sha1("abc")), "A9993E364706816ABA3E25717850C26C9CD0D89D");
  EXPECT_EQ(HexVon(Sha1("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq")),
            "84983E441C3BD26EBAAE4AA1F95129E5E54670F1");
  EXPECT_EQ(HexVon(Sha1("The quick brown fox jumps over the lazy dog")),
            "2FD4E1C67A2D28FCED849EE1BB76E7391B93EB12");
  EXPECT_EQ(HexVon(Sha1(std::string(1000000, 'a'))), "34AA973CD4C4DAA4F61EEB2BDBAD27316534016F");
}

TEST(Sha1, BlockgrenzenDerAuffuellung) {
  // 55 Bytes passen mit Länge in einen Block, 56 nicht; 64 und 120 ebenso über die Grenze.
  EXPECT_EQ(HexVon(Sha1(std::string(55, 'a'))), "C1C8BBDC22796E28C0E15163D20899B65621D65A");
  EXPECT_EQ(HexVon(Sha1(std::string(56, 'a'))), "C2DB330F6083854C99D4B5BFB6E8F29F201BE699");
  EXPECT_EQ(HexVon(Sha1(std::string(63, 'a'))), "03F09F5B158A7A8CDAD920BDDC29B81C18A551F5");
  EXPECT_EQ(HexVon(Sha1(std::string(64, 'a'))), "0098BA824B5C16427BD7A1122A5A442A25EC644D");
  EXPECT_EQ(HexVon(Sha1(std::string(119, 'a'))), "EE971065AAA017E0632A8CA6C77BB3BF8B1DFC56");
  EXPECT_EQ(HexVon(Sha1(std::string(120, 'a'))), "F34C1488385346A55709BA056DDD08280DD4C6D6");
  // Bytes über 127 zählen ohne Vorzeichen.
  EXPECT_EQ(HexVon(Sha1("\xFF")), "85E53271E14006F0265921D02D4D736CDC580B0B");
}

TEST(Kennwort, VerschluesselungFuelltAufZwanzigZeichen) {
  EXPECT_EQ(HexVon(LeeresKennwort()), "7F70A3507E2BC0B3652E93C5FF6A893FEB1E6152");
  EXPECT_EQ(KennwortVerschluesseln(""), Sha1(std::string(20, ' ')));
  EXPECT_EQ(HexVon(KennwortVerschluesseln("geheim")), "A5AEF991FCB1F9AF9B98BC9F59C0C80963E76AAC");
  EXPECT_EQ(KennwortVerschluesseln("geheim"), KennwortVerschluesseln("geheim      "));
  // Mehr als 20 Zeichen fasst das Feld nicht.
  EXPECT_EQ(KennwortVerschluesseln("12345678901234567890abc"),
            KennwortVerschluesseln("12345678901234567890"));
  EXPECT_NE(KennwortVerschluesseln("1234567890123456789"),
            KennwortVerschluesseln("12345678901234567890"));
  EXPECT_EQ(KennwortVerschluesseln("x").size(), 20u);
}

TEST(Kennwort, SetzenPruefenLoeschen) {
  TTestUmgebung u;
  EXPECT_FALSE(KennwortGesetzt());
  EXPECT_TRUE(KennwortPruefen(""));

  KennwortSetzen("Stundenplan\xE4");  // mit "ä" in Windows-1252
  EXPECT_TRUE(KennwortGesetzt());
  EXPECT_EQ(u.standard.fKennwort, KennwortVerschluesseln("Stundenplan\xE4"));
  EXPECT_TRUE(KennwortPruefen("Stundenplan\xE4"));
  EXPECT_FALSE(KennwortPruefen("stundenplan\xE4"));
  EXPECT_FALSE(KennwortPruefen("Stundenplan"));
  EXPECT_FALSE(KennwortPruefen(""));

  KennwortSetzen("");
  EXPECT_FALSE(KennwortGesetzt());
  EXPECT_TRUE(KennwortPruefen(""));
  EXPECT_TRUE(KennwortPruefen("   "));
}
