#include "settings/StundenZeitUnit.h"

#include <vector>

#include "settings/StandardUnit.h"

namespace {
bool Ziffer(char c) {
  return c >= '0' && c <= '9';
}

// Die Uhrzeiten einer Bezeichnung: je eine oder zwei Ziffern, ":" oder ".", zwei Ziffern, nicht
// Teil einer längeren Ziffernfolge.
std::vector<int> Uhrzeiten(std::string_view t) {
  std::vector<int> zeiten;
  std::size_t i = 0;
  while (i < t.size()) {
    if (!Ziffer(t[i]) || (i > 0 && Ziffer(t[i - 1]))) {
      ++i;
      continue;
    }
    std::size_t j = i;
    while (j < t.size() && Ziffer(t[j])) ++j;
    const std::size_t stellen = j - i;
    if (stellen <= 2 && j + 2 < t.size() && (t[j] == ':' || t[j] == '.') && Ziffer(t[j + 1]) &&
        Ziffer(t[j + 2]) && (j + 3 == t.size() || !Ziffer(t[j + 3]))) {
      if (const auto m = UhrzeitMinuten(t.substr(i, stellen + 3))) zeiten.push_back(*m);
      i = j + 3;
    } else {
      i = j;
    }
  }
  return zeiten;
}
}  // namespace

std::optional<int> UhrzeitMinuten(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  const std::size_t trenner = text.find_first_of(":.");
  if (trenner == std::string_view::npos || trenner < 1 || trenner > 2 || text.size() != trenner + 3)
    return std::nullopt;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (i != trenner && !Ziffer(text[i])) return std::nullopt;
  int stunde = 0;
  for (std::size_t i = 0; i < trenner; ++i) stunde = stunde * 10 + (text[i] - '0');
  const int minute = (text[trenner + 1] - '0') * 10 + (text[trenner + 2] - '0');
  if (stunde > 23 || minute > 59) return std::nullopt;
  return stunde * 60 + minute;
}

std::string UhrzeitText(int minuten) {
  const int h = minuten / 60, m = minuten % 60;
  std::string t = std::to_string(h / 10) + std::to_string(h % 10) + ":";
  return t + std::to_string(m / 10) + std::to_string(m % 10);
}

std::optional<TStundenZeit> ZeitenAusBezeichnung(std::string_view bezeichnung) {
  const std::vector<int> z = Uhrzeiten(bezeichnung);
  if (z.size() != 2 || z[1] <= z[0]) return std::nullopt;
  return TStundenZeit{z[0], z[1]};
}

std::optional<TStundenZeit> StundenZeit(const TStandard& st, int version, int std) {
  if (version < 1 || version > 54 || std < 1 || std > 16) return std::nullopt;
  const auto beginn = UhrzeitMinuten(st.fStdBeginn[version][std].str());
  const auto ende = UhrzeitMinuten(st.fStdEnde[version][std].str());
  if (beginn && ende) {
    if (*ende <= *beginn) return std::nullopt;
    return TStundenZeit{*beginn, *ende};
  }
  return ZeitenAusBezeichnung(st.fStdBez[version][std].str());
}

void StundenZeitenBereinigen(TStandard& st) {
  for (int v = 1; v <= 54; ++v)
    for (int h = 1; h <= 16; ++h)
      for (TStdZeitFeld* feld : {&st.fStdBeginn, &st.fStdEnde}) {
        auto& zeit = (*feld)[v][h];
        const auto m = UhrzeitMinuten(zeit.str());
        zeit = m ? UhrzeitText(*m) : std::string();
      }
}
