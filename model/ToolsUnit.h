// Gemeinsame Routinen: Texte fester Länge, Zeichensatz Windows-1252 <-> UTF-8, Stundentext.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Text in Windows-1252 mit fester Höchstlänge; eine längere Zuweisung wird abgeschnitten.
template <std::size_t N>
class TFestText {
 public:
  static constexpr std::size_t Kapazitaet = N;

  TFestText() = default;
  TFestText(std::string_view s) { Setze(s); }  // NOLINT: bewusst implizit
  TFestText(const char* s) { Setze(s ? std::string_view(s) : std::string_view()); }
  TFestText(const std::string& s) { Setze(s); }

  TFestText& operator=(std::string_view s) {
    Setze(s);
    return *this;
  }
  TFestText& operator=(const char* s) {
    Setze(s ? std::string_view(s) : std::string_view());
    return *this;
  }
  TFestText& operator=(const std::string& s) {
    Setze(s);
    return *this;
  }

  const std::string& str() const { return fText; }
  operator const std::string&() const { return fText; }  // NOLINT
  std::size_t size() const { return fText.size(); }
  bool empty() const { return fText.empty(); }
  const char* c_str() const { return fText.c_str(); }
  char operator[](std::size_t i) const { return fText[i]; }

  friend bool operator==(const TFestText& a, const TFestText& b) { return a.fText == b.fText; }
  friend bool operator==(const TFestText& a, std::string_view b) { return a.fText == b; }
  friend std::string operator+(const std::string& a, const TFestText& b) { return a + b.fText; }
  friend std::string operator+(const TFestText& a, const std::string& b) { return a.fText + b; }
  friend std::string operator+(const char* a, const TFestText& b) { return a + b.fText; }
  friend std::string operator+(const TFestText& a, const char* b) { return a.fText + b; }

 private:
  void Setze(std::string_view s) { fText.assign(s.substr(0, std::min(s.size(), N))); }
  std::string fText;
};

// Feld mit festen Grenzen Von..Bis (wie in den Datenbeschreibungen: meist ab 1).
template <class T, int Von, int Bis>
struct TFeld {
  static_assert(Bis >= Von);
  std::array<T, Bis - Von + 1> fWerte{};
  T& operator[](int i) { return fWerte.at(static_cast<std::size_t>(i - Von)); }
  const T& operator[](int i) const { return fWerte.at(static_cast<std::size_t>(i - Von)); }
  static constexpr int von() { return Von; }
  static constexpr int bis() { return Bis; }
  auto begin() { return fWerte.begin(); }
  auto end() { return fWerte.end(); }
  auto begin() const { return fWerte.begin(); }
  auto end() const { return fWerte.end(); }
  friend bool operator==(const TFeld&, const TFeld&) = default;
};

using TKuerzelString = TFestText<11>;
// Ein Kürzel so, wie die Schuldatei es zurückgibt: führende Leerzeichen werden zu ¥ (165). Jedes
// Kürzel, das in die Schule kommt oder dort gesucht wird, geht hier durch, damit die Schule im
// Speicher dieselbe ist wie nach Sichern und Öffnen.
std::string KuerzelOhneFuehrendeBlanks(std::string text);
using TInfoString = TFestText<31>;
using TBemString = TFestText<81>;
using TGrundString = TFestText<1>;
using str255 = TFestText<255>;

// Zeichensatz. Das Modell hält Texte in Windows-1252; an den Rändern (Fenster, Zwischenablage,
// Einstellungsspeicher, UTF-8-Exporte) wird über eine Tabelle mit 256 Einträgen umgewandelt.
char32_t Win1252ZuUnicode(unsigned char c);
// Das Byte in Windows-1252 für einen Unicode-Punkt, oder nichts, wenn 1252 ihn nicht kennt.
std::optional<unsigned char> UnicodeZuWin1252(char32_t u);
std::string Win1252ZuUtf8(std::string_view ansi);
// Zeichen, die Windows-1252 nicht fassen kann, werden zu "?"; ungültiges UTF-8 ebenso.
std::string Utf8ZuWin1252(std::string_view utf8);
// Wahr, wenn jedes Zeichen des UTF-8-Textes in Windows-1252 darstellbar ist.
bool Utf8InWin1252Darstellbar(std::string_view utf8);
// Kurzform für Meldungen: Modelltext (1252) als UTF-8.
inline std::string U8(std::string_view ansi) {
  return Win1252ZuUtf8(ansi);
}

// Stundentext: Wert/Divisor als Festkommazahl mit Punkt und nachKomma Nachkommastellen,
// rechtsbündig auf vorKomma + nachKomma + 1 Zeichen (längere Zahlen werden nicht gekürzt).
// Gerundet wird halb von null weg, in ganzen Zahlen.
std::string StundenText(std::int64_t wert, int divisor, int vorKomma, int nachKomma);
// Dasselbe mit dem Zahlenformat der Einstellungen.
std::string StundenText(std::int64_t wert);

// Text einer Rasterzelle: "{" Woche "} " Tagesbezeichnung " " Stundenbezeichnung.
std::string ZellenText(int woche, int tag, int std);

// Ganze Zahl als Text (ohne Tausenderzeichen).
std::string ZahlText(std::int64_t wert);
// Liest eine ganze Zahl; nichts bei leerem oder ungültigem Text oder Überlauf.
std::optional<std::int64_t> TextZuZahl(std::string_view text);
