// Eine ganze Zahl je Woche des Zyklus (Wochenstunden, Sollstunden).
#pragma once

#include <cstdint>
#include <vector>

class TWochenStunden {
 public:
  // Mit fMaxWocheNeu Einträgen 0.
  TWochenStunden();
  explicit TWochenStunden(int wochen);

  // Woche nach dem Wochenargument; 0 setzt jede Woche.
  void SetWochenStunde(int woche, std::int32_t wert);
  // Woche nach dem Wochenargument; 0 liefert die Summe aller Wochen.
  std::int32_t GetWochenStunde(int woche) const;
  void SetWochenZahl(int wochen);
  int WochenZahl() const { return static_cast<int>(fWerte.size()); }
  // Wahr, wenn jede Woche denselben Wert hat wie Woche 1 (auch bei weniger als zwei Wochen).
  bool StundenGleich() const;

  friend bool operator==(const TWochenStunden&, const TWochenStunden&) = default;

 private:
  std::vector<std::int32_t> fWerte;  // Eintrag w-1 ist Woche w
};
