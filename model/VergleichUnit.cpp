#include "model/VergleichUnit.h"

#include <array>
#include <string>
#include <vector>

namespace {

// Gewichte eines Zeichens auf den drei Stufen. Ein Zeichen kann für zwei Grundzeichen stehen
// (ß = ss, Æ = AE, Œ = OE).
struct TGewicht {
  unsigned char Grund[2] = {0, 0};  // Grundzeichen (Großbuchstabe, Ziffer oder Zeichen selbst)
  unsigned char Akzent = 0;         // 0 = ohne Akzent
  unsigned char Gross = 0;          // 0 = klein (oder kein Buchstabe), 1 = groß
};

// Primäre Reihenfolge: Steuerzeichen, Leer-, Satz- und Sonderzeichen (nach Code), Ziffern,
// Buchstaben A..Z. Andere Zeichen als Buchstaben und Ziffern behalten ihre Code-Folge.
int PrimaerRang(unsigned char grund) {
  if (grund >= 'A' && grund <= 'Z') return 0x200 + grund;
  if (grund >= '0' && grund <= '9') return 0x100 + grund;
  return grund;
}

constexpr TGewicht Buchstabe(char basis, unsigned char akzent, bool gross) {
  TGewicht g;
  g.Grund[0] = static_cast<unsigned char>(basis);
  g.Akzent = akzent;
  g.Gross = gross ? 1 : 0;
  return g;
}

constexpr TGewicht Doppel(char a, char b, bool gross) {
  TGewicht g;
  g.Grund[0] = static_cast<unsigned char>(a);
  g.Grund[1] = static_cast<unsigned char>(b);
  g.Akzent = 1;
  g.Gross = gross ? 1 : 0;
  return g;
}

std::array<TGewicht, 256> Tabelle() {
  std::array<TGewicht, 256> t{};
  for (int c = 0; c < 256; ++c)
    t[static_cast<std::size_t>(c)].Grund[0] = static_cast<unsigned char>(c);
  for (int c = 'A'; c <= 'Z'; ++c)
    t[static_cast<std::size_t>(c)] = Buchstabe(static_cast<char>(c), 0, true);
  for (int c = 'a'; c <= 'z'; ++c)
    t[static_cast<std::size_t>(c)] = Buchstabe(static_cast<char>(c - 'a' + 'A'), 0, false);
  // Akzentbuchstaben von Windows-1252: Code, Grundbuchstabe, Akzentnummer, groß.
  struct TAkzent {
    unsigned char Code;
    char Basis;
    unsigned char Akzent;
    bool Gross;
  };
  constexpr TAkzent kAkzente[] = {
      {0x8A, 'S', 5, true},  {0x9A, 'S', 5, false}, {0x8E, 'Z', 5, true},   {0x9E, 'Z', 5, false},
      {0x9F, 'Y', 4, true},  {0xC0, 'A', 2, true},  {0xC1, 'A', 1, true},   {0xC2, 'A', 3, true},
      {0xC3, 'A', 6, true},  {0xC4, 'A', 4, true},  {0xC5, 'A', 7, true},   {0xC7, 'C', 8, true},
      {0xC8, 'E', 2, true},  {0xC9, 'E', 1, true},  {0xCA, 'E', 3, true},   {0xCB, 'E', 4, true},
      {0xCC, 'I', 2, true},  {0xCD, 'I', 1, true},  {0xCE, 'I', 3, true},   {0xCF, 'I', 4, true},
      {0xD0, 'D', 9, true},  {0xD1, 'N', 6, true},  {0xD2, 'O', 2, true},   {0xD3, 'O', 1, true},
      {0xD4, 'O', 3, true},  {0xD5, 'O', 6, true},  {0xD6, 'O', 4, true},   {0xD8, 'O', 9, true},
      {0xD9, 'U', 2, true},  {0xDA, 'U', 1, true},  {0xDB, 'U', 3, true},   {0xDC, 'U', 4, true},
      {0xDD, 'Y', 1, true},  {0xDE, 'T', 10, true}, {0xE0, 'A', 2, false},  {0xE1, 'A', 1, false},
      {0xE2, 'A', 3, false}, {0xE3, 'A', 6, false}, {0xE4, 'A', 4, false},  {0xE5, 'A', 7, false},
      {0xE7, 'C', 8, false}, {0xE8, 'E', 2, false}, {0xE9, 'E', 1, false},  {0xEA, 'E', 3, false},
      {0xEB, 'E', 4, false}, {0xEC, 'I', 2, false}, {0xED, 'I', 1, false},  {0xEE, 'I', 3, false},
      {0xEF, 'I', 4, false}, {0xF0, 'D', 9, false}, {0xF1, 'N', 6, false},  {0xF2, 'O', 2, false},
      {0xF3, 'O', 1, false}, {0xF4, 'O', 3, false}, {0xF5, 'O', 6, false},  {0xF6, 'O', 4, false},
      {0xF8, 'O', 9, false}, {0xF9, 'U', 2, false}, {0xFA, 'U', 1, false},  {0xFB, 'U', 3, false},
      {0xFC, 'U', 4, false}, {0xFD, 'Y', 1, false}, {0xFE, 'T', 10, false}, {0xFF, 'Y', 4, false},
  };
  for (const TAkzent& a : kAkzente) t[a.Code] = Buchstabe(a.Basis, a.Akzent, a.Gross);
  t[0xDF] = Doppel('S', 'S', false);  // ß
  t[0xC6] = Doppel('A', 'E', true);   // Æ
  t[0xE6] = Doppel('A', 'E', false);  // æ
  t[0x8C] = Doppel('O', 'E', true);   // Œ
  t[0x9C] = Doppel('O', 'E', false);  // œ
  return t;
}

const std::array<TGewicht, 256>& Gewichte() {
  static const std::array<TGewicht, 256> t = Tabelle();
  return t;
}

struct TSchluessel {
  std::vector<int> Primaer;
  std::vector<int> Akzent;
  std::vector<int> Gross;
};

TSchluessel Schluessel(std::string_view s) {
  TSchluessel k;
  for (char ch : s) {
    const TGewicht& g = Gewichte()[static_cast<unsigned char>(ch)];
    k.Primaer.push_back(PrimaerRang(g.Grund[0]));
    if (g.Grund[1]) k.Primaer.push_back(PrimaerRang(g.Grund[1]));
    k.Akzent.push_back(g.Akzent);
    k.Gross.push_back(g.Gross);
  }
  return k;
}

int Vergleiche(const std::vector<int>& a, const std::vector<int>& b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i)
    if (a[i] != b[i]) return a[i] < b[i] ? -1 : 1;
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

}  // namespace

int LocaleVergleich(std::string_view a, std::string_view b) {
  const TSchluessel ka = Schluessel(a);
  const TSchluessel kb = Schluessel(b);
  if (int v = Vergleiche(ka.Primaer, kb.Primaer)) return v;
  if (int v = Vergleiche(ka.Akzent, kb.Akzent)) return v;
  if (int v = Vergleiche(ka.Gross, kb.Gross)) return v;
  const int roh = a.compare(b);
  return roh < 0 ? -1 : (roh > 0 ? 1 : 0);
}
