#include "ui/FarbWahlUnit.h"

#include <cstddef>

namespace FarbWahl {

namespace {

int HexWert(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

std::string FarbeZuHex(TColor farbe) {
  static const char kZiffern[] = "0123456789ABCDEF";
  std::string text(6, '0');
  for (int i = 5; i >= 0; --i) {
    text[static_cast<std::size_t>(i)] = kZiffern[farbe & 0xFu];
    farbe >>= 4;
  }
  return text;
}

std::optional<TColor> HexZuFarbe(const std::string& hex) {
  if (hex.size() != 6) return std::nullopt;
  TColor farbe = 0;
  for (char c : hex) {
    const int w = HexWert(c);
    if (w < 0) return std::nullopt;
    farbe = (farbe << 4) | static_cast<TColor>(w);
  }
  return farbe;
}

std::vector<std::string> DialogEintraege(const std::vector<std::string>& eigene) {
  std::vector<std::string> eintraege;
  for (int i = 0; i < EigeneFarben; ++i) {
    std::string hex = "FFFFFF";
    if (static_cast<std::size_t>(i) < eigene.size())
      if (const auto f = HexZuFarbe(eigene[static_cast<std::size_t>(i)])) hex = FarbeZuHex(*f);
    eintraege.push_back(std::string("Color") + static_cast<char>('A' + i) + "=" + hex);
  }
  return eintraege;
}

std::optional<TColor> EintragFarbe(const std::string& eintrag) {
  if (eintrag.size() < 6) return std::nullopt;
  return HexZuFarbe(eintrag.substr(eintrag.size() - 6));
}

void EintraegeZurueck(const std::vector<std::string>& eintraege, std::vector<std::string>& eigene) {
  eigene.resize(EigeneFarben, "FFFFFF");
  for (std::size_t i = 0; i < eintraege.size() && i < eigene.size(); ++i)
    if (EintragFarbe(eintraege[i])) eigene[i] = eintraege[i].substr(eintraege[i].size() - 6);
}

}  // namespace FarbWahl
