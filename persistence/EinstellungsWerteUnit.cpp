#include "persistence/EinstellungsWerteUnit.h"

namespace EinstellungsWerte {

int HexWert(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::string Hex(std::string_view bytes) {
  static constexpr char kZiffern[] = "0123456789ABCDEF";
  std::string text;
  text.reserve(2 * bytes.size());
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    text.push_back(kZiffern[b >> 4]);
    text.push_back(kZiffern[b & 0xF]);
  }
  return text;
}

std::optional<std::string> HexZuBytes(std::string_view text, std::size_t anzahl) {
  if (text.size() != 2 * anzahl) return std::nullopt;
  std::string bytes(anzahl, '\0');
  for (std::size_t i = 0; i < anzahl; ++i) {
    const int hoch = HexWert(text[2 * i]);
    const int tief = HexWert(text[2 * i + 1]);
    if (hoch < 0 || tief < 0) return std::nullopt;
    bytes[i] = static_cast<char>(hoch * 16 + tief);
  }
  return bytes;
}

bool IstHex(std::string_view text) {
  for (char c : text)
    if (HexWert(c) < 0) return false;
  return true;
}

std::string Gross(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'f') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

TZeitTeile Zerlege(TDateTime zeit) {
  if (!std::isfinite(zeit)) zeit = 0;
  double tag = std::floor(zeit);
  long long ms = std::llround((zeit - tag) * kMsProTag);
  if (ms >= kMsProTag) {
    tag += 1;
    ms -= kMsProTag;
  }
  const TDatum d = ZahlZuDatum(tag);
  const long long sek = ms / 1000;
  return TZeitTeile{d.Jahr,
                    d.Monat,
                    d.Tag,
                    static_cast<int>(sek / 3600),
                    static_cast<int>(sek / 60 % 60),
                    static_cast<int>(sek % 60)};
}

bool DatumGueltig(long long jahr, long long monat, long long tag) {
  return jahr >= kJahrMin && jahr <= kJahrMax && monat >= 1 && monat <= 12 && tag >= 1 &&
         tag <= TageImMonat(static_cast<int>(jahr), static_cast<int>(monat));
}

std::string MemoZaehler(int i) {
  return "vm" + std::string(1, static_cast<char>(98 + i));
}
std::string MemoZeile(int i, int k) {
  return "M" + std::to_string(100 * (i - 1) + k);
}

}  // namespace EinstellungsWerte
