#include "model/WoElemUnit.h"

#include "settings/StandardUnit.h"

namespace {
int HexWert(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}
}  // namespace

std::string WoElemZuText(const TWoElem& elem) {
  static constexpr char kZiffern[] = "0123456789ABCDEF";
  std::string text;
  text.reserve(28);
  for (int tag = 1; tag <= 7; ++tag) {
    const std::uint32_t w = elem.GetTag(tag) & 0xFFFFu;
    for (int s = 12; s >= 0; s -= 4) text.push_back(kZiffern[(w >> s) & 0xF]);
  }
  return text;
}

std::optional<TWoElem> TextZuWoElem(std::string_view text) {
  if (text.size() != 28) return std::nullopt;
  TWoElem elem;
  for (int tag = 1; tag <= 7; ++tag) {
    std::uint32_t w = 0;
    for (int i = 0; i < 4; ++i) {
      const int h = HexWert(text[(tag - 1) * 4 + i]);
      if (h < 0) return std::nullopt;
      w = (w << 4) | static_cast<std::uint32_t>(h);
    }
    elem.SetTag(tag, w);
  }
  return elem;
}

int ArbeitsWoche(int woche) {
  if (woche != -1) return woche;
  const TStandard& s = Standard();
  return s.fEineWoche ? s.fAktuelleWoche : 0;
}

TWochenSpanne WochenArgument(int woche) {
  const int maxWoche = Standard().fMaxWocheNeu;
  woche = ArbeitsWoche(woche);
  if (woche == 0) return {1, maxWoche};
  if (woche >= 1 && woche <= maxWoche) return {woche, woche};
  return {1, 0};
}
