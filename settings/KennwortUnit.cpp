#include "settings/KennwortUnit.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "settings/StandardUnit.h"

namespace {
std::uint32_t Rotiere(std::uint32_t x, int n) {
  return (x << n) | (x >> (32 - n));
}

void Block(std::array<std::uint32_t, 5>& h, const unsigned char* block) {
  std::array<std::uint32_t, 80> w{};
  for (int i = 0; i < 16; ++i)
    w[i] = (std::uint32_t{block[4 * i]} << 24) | (std::uint32_t{block[4 * i + 1]} << 16) |
           (std::uint32_t{block[4 * i + 2]} << 8) | std::uint32_t{block[4 * i + 3]};
  for (int i = 16; i < 80; ++i) w[i] = Rotiere(w[i - 3] ^ w[i - 8] ^ w[i - 14] ^ w[i - 16], 1);
  std::uint32_t a = h[0], b = h[1], c = h[2], d = h[3], e = h[4];
  for (int i = 0; i < 80; ++i) {
    std::uint32_t f, k;
    if (i < 20) {
      f = (b & c) | (~b & d);
      k = 0x5A827999u;
    } else if (i < 40) {
      f = b ^ c ^ d;
      k = 0x6ED9EBA1u;
    } else if (i < 60) {
      f = (b & c) | (b & d) | (c & d);
      k = 0x8F1BBCDCu;
    } else {
      f = b ^ c ^ d;
      k = 0xCA62C1D6u;
    }
    const std::uint32_t t = Rotiere(a, 5) + f + e + k + w[i];
    e = d;
    d = c;
    c = Rotiere(b, 30);
    b = a;
    a = t;
  }
  h[0] += a;
  h[1] += b;
  h[2] += c;
  h[3] += d;
  h[4] += e;
}
}  // namespace

std::string Sha1(std::string_view daten) {
  std::array<std::uint32_t, 5> h{0x67452301u, 0xEFCDAB89u, 0x98BADCFEu, 0x10325476u, 0xC3D2E1F0u};
  const auto* bytes = reinterpret_cast<const unsigned char*>(daten.data());
  const std::size_t n = daten.size();
  std::size_t pos = 0;
  for (; pos + 64 <= n; pos += 64) Block(h, bytes + pos);
  // Rest, 0x80, Nullen und die Länge in Bit (64 Bit, big-endian).
  std::array<unsigned char, 128> rest{};
  const std::size_t r = n - pos;
  for (std::size_t i = 0; i < r; ++i) rest[i] = bytes[pos + i];
  rest[r] = 0x80;
  const std::size_t laenge = r + 1 + 8 <= 64 ? 64 : 128;
  const std::uint64_t bits = static_cast<std::uint64_t>(n) * 8;
  for (int i = 0; i < 8; ++i) rest[laenge - 1 - i] = static_cast<unsigned char>(bits >> (8 * i));
  Block(h, rest.data());
  if (laenge == 128) Block(h, rest.data() + 64);
  std::string ergebnis(20, '\0');
  for (int i = 0; i < 5; ++i)
    for (int j = 0; j < 4; ++j) ergebnis[4 * i + j] = static_cast<char>(h[i] >> (24 - 8 * j));
  return ergebnis;
}

std::string KennwortVerschluesseln(std::string_view kennwort) {
  std::string text(kennwort.substr(0, std::min(kennwort.size(), kKennwortLaenge)));
  text.resize(kKennwortLaenge, ' ');
  return Sha1(text);
}

const std::string& LeeresKennwort() {
  static const std::string leer = KennwortVerschluesseln("");
  return leer;
}

bool KennwortGesetzt() {
  return Standard().fKennwort != LeeresKennwort();
}

bool KennwortPruefen(std::string_view eingabe) {
  return KennwortVerschluesseln(eingabe) == Standard().fKennwort;
}

void KennwortSetzen(std::string_view eingabe) {
  Standard().fKennwort = KennwortVerschluesseln(eingabe);
}
