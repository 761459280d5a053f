#include "model/ToolsUnit.h"

#include <array>
#include <charconv>

#include "settings/StandardUnit.h"

namespace {
// Windows-1252: 0x80..0x9F weichen von ISO-8859-1 ab; nicht belegte Stellen (81, 8D, 8F, 90, 9D)
// behalten ihren Steuerzeichen-Codepunkt, wie es auch das System macht.
constexpr std::array<char32_t, 32> kBereich80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr std::array<char32_t, 256> BaueTabelle() {
  std::array<char32_t, 256> t{};
  for (int i = 0; i < 256; ++i) t[i] = static_cast<char32_t>(i);
  for (int i = 0; i < 32; ++i) t[0x80 + i] = kBereich80[i];
  return t;
}
constexpr std::array<char32_t, 256> kTabelle = BaueTabelle();

void Utf8Anhaengen(std::string& ziel, char32_t u) {
  if (u < 0x80) {
    ziel.push_back(static_cast<char>(u));
  } else if (u < 0x800) {
    ziel.push_back(static_cast<char>(0xC0 | (u >> 6)));
    ziel.push_back(static_cast<char>(0x80 | (u & 0x3F)));
  } else if (u < 0x10000) {
    ziel.push_back(static_cast<char>(0xE0 | (u >> 12)));
    ziel.push_back(static_cast<char>(0x80 | ((u >> 6) & 0x3F)));
    ziel.push_back(static_cast<char>(0x80 | (u & 0x3F)));
  } else {
    ziel.push_back(static_cast<char>(0xF0 | (u >> 18)));
    ziel.push_back(static_cast<char>(0x80 | ((u >> 12) & 0x3F)));
    ziel.push_back(static_cast<char>(0x80 | ((u >> 6) & 0x3F)));
    ziel.push_back(static_cast<char>(0x80 | (u & 0x3F)));
  }
}

// Liest ein UTF-8-Zeichen ab pos; liefert U+FFFD bei ungültiger Folge und geht ein Byte weiter.
char32_t Utf8Lesen(std::string_view s, std::size_t& pos) {
  const auto b0 = static_cast<unsigned char>(s[pos]);
  if (b0 < 0x80) {
    ++pos;
    return b0;
  }
  int laenge = 0;
  char32_t u = 0;
  if ((b0 & 0xE0) == 0xC0) {
    laenge = 2;
    u = b0 & 0x1F;
  } else if ((b0 & 0xF0) == 0xE0) {
    laenge = 3;
    u = b0 & 0x0F;
  } else if ((b0 & 0xF8) == 0xF0) {
    laenge = 4;
    u = b0 & 0x07;
  } else {
    ++pos;
    return 0xFFFD;
  }
  if (pos + laenge > s.size()) {
    ++pos;
    return 0xFFFD;
  }
  for (int i = 1; i < laenge; ++i) {
    const auto b = static_cast<unsigned char>(s[pos + i]);
    if ((b & 0xC0) != 0x80) {
      ++pos;
      return 0xFFFD;
    }
    u = (u << 6) | (b & 0x3F);
  }
  static constexpr char32_t kMinimum[5] = {0, 0, 0x80, 0x800, 0x10000};
  if (u < kMinimum[laenge] || u > 0x10FFFF || (u >= 0xD800 && u <= 0xDFFF)) {
    ++pos;
    return 0xFFFD;
  }
  pos += laenge;
  return u;
}
}  // namespace

char32_t Win1252ZuUnicode(unsigned char c) {
  return kTabelle[c];
}

std::optional<unsigned char> UnicodeZuWin1252(char32_t u) {
  if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<unsigned char>(u);
  for (int i = 0; i < 32; ++i)
    if (kBereich80[i] == u) return static_cast<unsigned char>(0x80 + i);
  return std::nullopt;
}

std::string Win1252ZuUtf8(std::string_view ansi) {
  std::string ergebnis;
  ergebnis.reserve(ansi.size() + ansi.size() / 4);
  for (char c : ansi) Utf8Anhaengen(ergebnis, kTabelle[static_cast<unsigned char>(c)]);
  return ergebnis;
}

std::string Utf8ZuWin1252(std::string_view utf8) {
  std::string ergebnis;
  ergebnis.reserve(utf8.size());
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const char32_t u = Utf8Lesen(utf8, pos);
    const auto b = UnicodeZuWin1252(u);
    ergebnis.push_back(b ? static_cast<char>(*b) : '?');
  }
  return ergebnis;
}

std::string KuerzelOhneFuehrendeBlanks(std::string text) {
  for (char& c : text) {
    if (c != ' ') break;
    c = static_cast<char>(165);
  }
  return text;
}

bool Utf8InWin1252Darstellbar(std::string_view utf8) {
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    if (!UnicodeZuWin1252(Utf8Lesen(utf8, pos))) return false;
  }
  return true;
}

std::string StundenText(std::int64_t wert, int divisor, int vorKomma, int nachKomma) {
  if (divisor < 1) divisor = 1;
  if (nachKomma < 0) nachKomma = 0;
  std::int64_t skala = 1;
  for (int i = 0; i < nachKomma; ++i) skala *= 10;
  const bool negativ = wert < 0;
  const std::uint64_t betrag = negativ ? 0 - static_cast<std::uint64_t>(wert) : wert;
  // halb von null weg: (2·|w|·skala + d) div (2·d)
  const std::uint64_t d = static_cast<std::uint64_t>(divisor);
  const std::uint64_t gerundet = (2 * betrag * static_cast<std::uint64_t>(skala) + d) / (2 * d);
  const std::uint64_t ganz = gerundet / skala;
  const std::uint64_t rest = gerundet % skala;
  std::string text = (negativ && gerundet != 0) ? "-" : "";
  text += std::to_string(ganz);
  if (nachKomma > 0) {
    std::string nach = std::to_string(rest);
    text += '.';
    text += std::string(nachKomma - nach.size(), '0') + nach;
  }
  const std::size_t breite = static_cast<std::size_t>(std::max(0, vorKomma + nachKomma + 1));
  if (text.size() < breite) text.insert(0, breite - text.size(), ' ');
  return text;
}

std::string StundenText(std::int64_t wert) {
  const TStandard& s = Standard();
  return StundenText(wert, s.fDivisor, s.fVorKomma, s.fNachKomma);
}

std::string ZellenText(int woche, int tag, int std) {
  const TStandard& s = Standard();
  std::string text = "{" + std::to_string(woche) + "} ";
  if (tag >= 1 && tag <= 7) text += s.fTagBez[tag].str();
  text += ' ';
  if (woche >= 1 && woche <= 54 && std >= 1 && std <= 16) text += s.fStdBez[woche][std].str();
  return text;
}

std::string ZahlText(std::int64_t wert) {
  return std::to_string(wert);
}

std::optional<std::int64_t> TextZuZahl(std::string_view text) {
  if (text.empty()) return std::nullopt;
  std::int64_t wert = 0;
  const char* anfang = text.data();
  if (*anfang == '+') ++anfang;
  const auto [ende, fehler] = std::from_chars(anfang, text.data() + text.size(), wert);
  if (fehler != std::errc() || ende != text.data() + text.size()) return std::nullopt;
  return wert;
}
