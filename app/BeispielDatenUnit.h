// Die festen Daten der Beispielschule (UTF-8): Fächer mit ihren üblichen Zweitfächern, Namen,
// die Stundentafel der Klassen 5 bis 10 und die Kursschienen der Oberstufe.
#pragma once

#include <array>
#include <utility>
#include <vector>

namespace BeispielDaten {

enum EFach { D, E, M, F, L, Bio, Ch, Ph, Ek, Ge, Pk, SW, Pa, Ku, Mu, Sp, ER, KR, PPh, Inf };
inline constexpr int kFachZahl = 20;

struct TFachDaten {
  const char* Kuerzel;
  const char* Name;
  std::vector<int> Partner;  // übliche Zweitfächer, nach Vorliebe
};
const std::array<TFachDaten, kFachZahl>& Faecher();

const std::vector<const char*>& Nachnamen();
const std::vector<const char*>& Vornamen();

// Stundentafel eines Jahrgangs 5 bis 10 ohne Sport, Religion und zweite Fremdsprache:
// Fach, Stunden der A- und der B-Woche.
struct TTafel {
  int Fach;
  int A;
  int B;
};
const std::vector<TTafel>& Stundentafel(int jahrgang);

// Eine Schiene der Oberstufe: Kopplung mit je Fach einigen Kursen.
struct TSchiene {
  const char* Name;  // hinter "EF-", "Q1-", "Q2-"
  const char* Info;
  int Stunden;
  bool Leistungskurs;
  std::vector<std::pair<int, int>> Kurse;  // Fach, Zahl der Kurse (klein)
};
const std::vector<TSchiene>& Schienen(bool einfuehrung);
// Weitere Schienen der knappen Variante (Vertiefungs- und Projektkurse).
const std::vector<TSchiene>& Zusatzschienen(bool einfuehrung);

}  // namespace BeispielDaten
