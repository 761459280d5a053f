// Der Zufall des Dauerlaufs: splitmix64, auf jeder Maschine dieselbe Folge.
#pragma once

#include <cstdint>
#include <vector>

class TZufall {
 public:
  explicit TZufall(std::uint64_t saat) : fZustand(saat) {}
  std::uint64_t Naechste() {
    std::uint64_t z = (fZustand += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // 0 .. n-1 (0 bei n <= 0).
  int Bis(int n) { return n <= 0 ? 0 : static_cast<int>(Naechste() % static_cast<unsigned>(n)); }
  // von .. bis einschließlich.
  int Zwischen(int von, int bis) { return bis < von ? von : von + Bis(bis - von + 1); }
  bool Ja(int prozent = 50) { return Bis(100) < prozent; }
  template <class T>
  T* Wahl(const std::vector<T*>& v) {
    return v.empty() ? nullptr : v[static_cast<std::size_t>(Bis(static_cast<int>(v.size())))];
  }

 private:
  std::uint64_t fZustand;
};
