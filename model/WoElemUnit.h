// Eine Woche des Rasters: je Tag ein 32-Bit-Wort, Stunde h ist Bit h-1.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class TWoElem {
 public:
  std::array<std::uint32_t, 7> fTage{};

  void SetTag(int tag, std::uint32_t wert) {
    if (tag >= 1 && tag <= 7) fTage[tag - 1] = wert;
  }
  std::uint32_t GetTag(int tag) const { return (tag >= 1 && tag <= 7) ? fTage[tag - 1] : 0; }
  void SetTagStd(int tag, int std, bool wert) {
    if (tag < 1 || tag > 7 || std < 1 || std > 16) return;
    const std::uint32_t bit = 1u << (std - 1);
    if (wert)
      fTage[tag - 1] |= bit;
    else
      fTage[tag - 1] &= ~bit;
  }
  bool GetTagStd(int tag, int std) const {
    if (tag < 1 || tag > 7 || std < 1 || std > 16) return false;
    return (fTage[tag - 1] >> (std - 1)) & 1u;
  }
  bool Leer() const {
    for (auto w : fTage)
      if (w) return false;
    return true;
  }
  friend bool operator==(const TWoElem&, const TWoElem&) = default;
};

// Textform einer Woche: je Tag 1..7 die unteren 16 Bit als vier Hex-Ziffern (28 Zeichen).
std::string WoElemZuText(const TWoElem& elem);
// Liest die Textform; ein kürzerer, längerer oder nicht hexadezimaler Text gilt als fehlend.
std::optional<TWoElem> TextZuWoElem(std::string_view text);

// Das Wochenargument: 1..fMaxWocheNeu ist diese Woche, 0 alle Wochen, -1 die Arbeitswoche
// (im Ein-Wochen-Modus die aktuelle Woche, sonst alle).
struct TWochenSpanne {
  int von = 1;
  int bis = 0;  // leer, wenn bis < von
  bool Einzeln() const { return von == bis; }
};
// Löst ein Wochenargument auf (nach den Einstellungen). Eine Woche außerhalb des Bereichs
// ergibt eine leere Spanne.
TWochenSpanne WochenArgument(int woche);
// Löst -1 auf: die aktuelle Woche im Ein-Wochen-Modus, sonst 0.
int ArbeitsWoche(int woche);
