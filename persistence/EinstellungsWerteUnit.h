// Wie die Einstellungen ihre Werte im Einstellungsspeicher ablegen: Wahrheitswerte als "1"/"0",
// Zahlen dezimal, Texte (Modelltexte von Windows-1252 nach UTF-8), Schriften als Name und Größe,
// Daten und Zeitpunkte in Teilen, Wochenraster und Bytes hexadezimal, Bezeichnungslisten mit "$".
// TLeser füllt Felder (fehlend oder ungültig: die Vorgabe), TSchreiber schreibt sie; beide gehen
// dieselbe Liste der Werte durch (persistence/StandardSpeicherUnit.cpp).
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "model/DatumUnit.h"
#include "model/DienstUnit.h"
#include "model/ToolsUnit.h"
#include "model/WoElemUnit.h"
#include "persistence/StandardSpeicherUnit.h"
#include "settings/KennwortUnit.h"
#include "settings/StandardUnit.h"

namespace EinstellungsWerte {
constexpr long long kIntMin = std::numeric_limits<std::int32_t>::min();
constexpr long long kIntMax = std::numeric_limits<std::int32_t>::max();
constexpr long long kFarbeMax = 0xFFFFFF;
constexpr long long kSchriftMax = 200;
constexpr long long kRandMax = 6;
constexpr long long kBreiteMax = 10000;
constexpr int kJahrMin = 1900;
constexpr int kJahrMax = 9999;
constexpr int kMsProTag = 86400000;

int HexWert(char c);
// Bytes als Hex-Ziffern (groß).
std::string Hex(std::string_view bytes);
// Genau 2·anzahl Hex-Ziffern als Bytes; sonst nichts.
std::optional<std::string> HexZuBytes(std::string_view text, std::size_t anzahl);
bool IstHex(std::string_view text);
// Hex-Ziffern a..f groß.
std::string Gross(std::string text);

struct TZeitTeile {
  int Jahr, Monat, Tag, Stunde, Minute, Sekunde;
};
// Zerlegt einen Zeitpunkt; die Millisekunden fallen weg.
TZeitTeile Zerlege(TDateTime zeit);
bool DatumGueltig(long long jahr, long long monat, long long tag);

// Wertnamen der freien Texte: Zeilenzahl "vmc" … "vml", Zeile k von Text i "M" + 100·(i−1) + k.
std::string MemoZaehler(int i);
std::string MemoZeile(int i, int k);

// Liest die Werte in die Einstellungen; jeder fehlende oder ungültige Wert gibt die Vorgabe.
class TLeser {
 public:
  static constexpr bool kLesen = true;

  TLeser(TStandard& ziel, TEinstellungsSpeicher& speicher) : fZiel(ziel), fSpeicher(speicher) {}
  TStandard& Ziel() { return fZiel; }
  void Schluessel(int n) { fSchluessel = StandardSchluessel(n); }

  template <class Z>
  void Bool(const std::string& name, Z z) {
    bool& feld = z(fZiel);
    feld = z(fVorgabe);
    // Wahr genau bei "1"; jeder andere gespeicherte Text ist falsch.
    if (const auto wert = Wert(name)) feld = *wert == "1";
  }

  template <class Z>
  void Zahl(const std::string& name, Z z, long long von = kIntMin, long long bis = kIntMax) {
    auto& feld = z(fZiel);
    feld = z(fVorgabe);
    if (const auto n = GueltigeZahl(name, von, bis))
      feld = static_cast<std::remove_reference_t<decltype(feld)>>(*n);
  }

  // Ein Modelltext (Windows-1252); Felder fester Länge kürzen ihn.
  template <class Z>
  void Text(const std::string& name, Z z) {
    auto& feld = z(fZiel);
    feld = z(fVorgabe);
    if (const auto wert = Wert(name)) feld = Utf8ZuWin1252(*wert);
  }

  // Ein Pfad (UTF-8, unverändert).
  template <class Z>
  void Pfad(const std::string& name, Z z) {
    std::string& feld = z(fZiel);
    feld = z(fVorgabe);
    if (const auto wert = Wert(name)) feld = *wert;
  }

  // Name und Größe; Stil und Farbe werden nicht gespeichert.
  template <class Z>
  void Schrift(const std::string& name, const std::string& groesse, Z z) {
    TSchrift& feld = z(fZiel);
    const TSchrift& vorgabe = z(fVorgabe);
    feld.Name = vorgabe.Name;
    feld.Groesse = vorgabe.Groesse;
    if (const auto wert = Wert(name); wert && !wert->empty()) feld.Name = *wert;
    // Die Größe zählt mit ihrem Betrag (negativ: Zeichenhöhe statt Zellhöhe); 0 gibt die Vorgabe.
    if (const auto n = GueltigeZahl(groesse, -kSchriftMax, kSchriftMax); n && *n != 0)
      feld.Groesse = static_cast<int>(*n < 0 ? -*n : *n);
  }

  template <class Z>
  void Datum(const std::string& jahr, const std::string& monat, const std::string& tag, Z z) {
    TDateTime& feld = z(fZiel);
    const TDatum v = ZahlZuDatum(z(fVorgabe));
    const long long j = GueltigeZahl(jahr).value_or(v.Jahr);
    const long long m = GueltigeZahl(monat).value_or(v.Monat);
    const long long t = GueltigeZahl(tag).value_or(v.Tag);
    feld = DatumGueltig(j, m, t)
               ? DatumZuZahl(static_cast<int>(j), static_cast<int>(m), static_cast<int>(t))
               : z(fVorgabe);
  }

  template <class Z>
  void Zeitpunkt(const std::string& praefix, Z z) {
    TDateTime& feld = z(fZiel);
    const TZeitTeile v = Zerlege(z(fVorgabe));
    const int vorgaben[6] = {v.Jahr, v.Monat, v.Tag, v.Stunde, v.Minute, v.Sekunde};
    long long teil[6];
    for (int i = 0; i < 6; ++i)
      teil[i] = GueltigeZahl(praefix + std::to_string(i + 1)).value_or(vorgaben[i]);
    const bool gueltig = DatumGueltig(teil[0], teil[1], teil[2]) && teil[3] >= 0 && teil[3] <= 23 &&
                         teil[4] >= 0 && teil[4] <= 59 && teil[5] >= 0 && teil[5] <= 59;
    feld = gueltig ? DatumZuZahl(static_cast<int>(teil[0]), static_cast<int>(teil[1]),
                                 static_cast<int>(teil[2])) +
                         ZeitZuZahl(static_cast<int>(teil[3]), static_cast<int>(teil[4]),
                                    static_cast<int>(teil[5]))
                   : z(fVorgabe);
  }

  template <class Z>
  void Raster(const std::string& name, Z z) {
    TWoElem& feld = z(fZiel);
    feld = z(fVorgabe);
    if (const auto wert = Wert(name))
      if (const auto elem = TextZuWoElem(*wert)) feld = *elem;
  }

  // "$" und jede Bezeichnung gefolgt von "$"; zu wenige Bezeichnungen: die Vorgabe.
  template <class Z>
  void Liste(const std::string& name, Z z) {
    auto& feld = z(fZiel);
    feld = z(fVorgabe);
    using TFeldTyp = std::remove_reference_t<decltype(feld)>;
    constexpr std::size_t anzahl = TFeldTyp::bis() - TFeldTyp::von() + 1;
    const auto wert = Wert(name);
    if (!wert || wert->empty() || (*wert)[0] != '$') return;
    const std::string text = Utf8ZuWin1252(*wert);
    std::vector<std::string> teile;
    std::size_t pos = 1;
    while (teile.size() < anzahl) {
      const std::size_t ende = text.find('$', pos);
      if (ende == std::string::npos) return;
      teile.push_back(text.substr(pos, ende - pos));
      pos = ende + 1;
    }
    for (std::size_t i = 0; i < anzahl; ++i) feld[TFeldTyp::von() + static_cast<int>(i)] = teile[i];
  }

  template <class Z>
  void Kennwort(const std::string& name, Z z) {
    std::string& feld = z(fZiel);
    feld = z(fVorgabe);
    if (const auto wert = Wert(name))
      if (const auto bytes = HexZuBytes(*wert, kKennwortLaenge)) feld = *bytes;
  }

  template <class Z>
  void Farben(const std::string& name, Z z) {
    std::vector<std::string>& feld = z(fZiel);
    feld = z(fVorgabe);
    const auto wert = Wert(name);
    if (!wert || wert->size() != 96 || !IstHex(*wert)) return;
    for (int i = 0; i < 16; ++i) feld[i] = Gross(wert->substr(6 * i, 6));
  }

  template <class Z>
  void Schulname(Z z) {
    std::string name;
    for (int n = 112; n <= 121; ++n) {
      const auto wert = Wert("K" + std::to_string(n));
      const auto bytes = wert ? HexZuBytes(*wert, 8) : std::nullopt;
      name += bytes ? *bytes : std::string(8, ' ');
    }
    while (!name.empty() && name.back() == ' ') name.pop_back();
    z(fZiel) = name;
  }

  template <class Z>
  void Kalender(Z z) {
    TKalender& feld = z(fZiel);
    feld = z(fVorgabe);
    for (int i = 1; i <= 111; ++i)
      if (const auto wert = Wert("F" + std::to_string(i)))
        TStandard::SetKalenderZeile(i, *wert, feld);
  }

  // Sieben Zahlen, jede gefolgt von "$"; fehlt die Zeile oder ist sie ungültig, sind es Nullen.
  template <class Z>
  void TabellenZeile(const std::string& name, Z z) {
    auto& zeile = z(fZiel);
    for (int d = 1; d <= 7; ++d) zeile[d] = 0;
    const auto wert = Wert(name);
    if (!wert) return;
    std::int32_t werte[7];
    std::size_t pos = 0;
    for (int d = 0; d < 7; ++d) {
      const std::size_t ende = wert->find('$', pos);
      if (ende == std::string::npos) return;
      const auto n = TextZuZahl(std::string_view(*wert).substr(pos, ende - pos));
      if (!n || *n < kIntMin || *n > kIntMax) return;
      werte[d] = static_cast<std::int32_t>(*n);
      pos = ende + 1;
    }
    if (pos != wert->size()) return;
    for (int d = 1; d <= 7; ++d) zeile[d] = werte[d - 1];
  }

  template <class Z>
  void Memo(int i, Z z) {
    std::vector<std::string>& liste = z(fZiel);
    liste.clear();
    const long long anzahl = GueltigeZahl(MemoZaehler(i), 0, TStandard::kMemoZeilen).value_or(0);
    for (int k = 0; k < anzahl; ++k)
      if (const auto zeile = Wert(MemoZeile(i, k)); zeile && !zeile->empty())
        liste.push_back(Utf8ZuWin1252(*zeile));
  }

 private:
  std::optional<std::string> Wert(const std::string& name) {
    return fSpeicher.Lesen(fSchluessel, name);
  }
  std::optional<long long> GueltigeZahl(const std::string& name, long long von = kIntMin,
                                        long long bis = kIntMax) {
    const auto wert = Wert(name);
    if (!wert) return std::nullopt;
    const auto n = TextZuZahl(*wert);
    if (!n || *n < von || *n > bis) return std::nullopt;
    return *n;
  }

  TStandard& fZiel;
  TEinstellungsSpeicher& fSpeicher;
  const TStandard fVorgabe;
  std::string fSchluessel;
};

// Schreibt die Werte der Einstellungen.
class TSchreiber {
 public:
  static constexpr bool kLesen = false;

  TSchreiber(const TStandard& quelle, TEinstellungsSpeicher& speicher)
      : fQuelle(quelle), fSpeicher(speicher) {}
  const TStandard& Ziel() const { return fQuelle; }
  void Schluessel(int n) { fSchluessel = StandardSchluessel(n); }

  template <class Z>
  void Bool(const std::string& name, Z z) {
    Schreibe(name, z(fQuelle) ? "1" : "0");
  }
  template <class Z>
  void Zahl(const std::string& name, Z z, long long = 0, long long = 0) {
    Schreibe(name, std::to_string(z(fQuelle)));
  }
  template <class Z>
  void Text(const std::string& name, Z z) {
    Schreibe(name, Win1252ZuUtf8(static_cast<const std::string&>(z(fQuelle))));
  }
  template <class Z>
  void Pfad(const std::string& name, Z z) {
    Schreibe(name, z(fQuelle));
  }
  template <class Z>
  void Schrift(const std::string& name, const std::string& groesse, Z z) {
    const TSchrift& s = z(fQuelle);
    Schreibe(name, s.Name);
    Schreibe(groesse, std::to_string(s.Groesse));
  }
  template <class Z>
  void Datum(const std::string& jahr, const std::string& monat, const std::string& tag, Z z) {
    const TZeitTeile t = Zerlege(z(fQuelle));
    Schreibe(jahr, std::to_string(t.Jahr));
    Schreibe(monat, std::to_string(t.Monat));
    Schreibe(tag, std::to_string(t.Tag));
  }
  template <class Z>
  void Zeitpunkt(const std::string& praefix, Z z) {
    const TZeitTeile t = Zerlege(z(fQuelle));
    const int teile[6] = {t.Jahr, t.Monat, t.Tag, t.Stunde, t.Minute, t.Sekunde};
    for (int i = 0; i < 6; ++i) Schreibe(praefix + std::to_string(i + 1), std::to_string(teile[i]));
  }
  template <class Z>
  void Raster(const std::string& name, Z z) {
    Schreibe(name, WoElemZuText(z(fQuelle)));
  }
  // Ein "$" in einer Bezeichnung würde die Liste verschieben; es fällt weg.
  template <class Z>
  void Liste(const std::string& name, Z z) {
    std::string text = "$";
    for (const auto& bezeichnung : z(fQuelle)) {
      for (char c : bezeichnung.str())
        if (c != '$') text.push_back(c);
      text.push_back('$');
    }
    Schreibe(name, Win1252ZuUtf8(text));
  }
  template <class Z>
  void Kennwort(const std::string& name, Z z) {
    const std::string& kennwort = z(fQuelle);
    Schreibe(name, Hex(kennwort.size() == kKennwortLaenge ? kennwort : LeeresKennwort()));
  }
  template <class Z>
  void Farben(const std::string& name, Z z) {
    const std::vector<std::string>& farben = z(fQuelle);
    std::string text;
    for (std::size_t i = 0; i < 16; ++i) {
      const bool gut = i < farben.size() && farben[i].size() == 6 && IstHex(farben[i]);
      text += gut ? Gross(farben[i]) : std::string("FFFFFF");
    }
    Schreibe(name, text);
  }
  template <class Z>
  void Schulname(Z z) {
    std::string name = z(fQuelle);
    name.resize(80, ' ');
    for (int n = 112; n <= 121; ++n)
      Schreibe("K" + std::to_string(n), Hex(std::string_view(name).substr(8 * (n - 112), 8)));
  }
  template <class Z>
  void Kalender(Z z) {
    for (int i = 1; i <= 111; ++i)
      Schreibe("F" + std::to_string(i), TStandard::KalenderZeile(i, z(fQuelle)));
  }
  template <class Z>
  void TabellenZeile(const std::string& name, Z z) {
    std::string text;
    for (int d = 1; d <= 7; ++d) text += std::to_string(z(fQuelle)[d]) + "$";
    Schreibe(name, text);
  }
  template <class Z>
  void Memo(int i, Z z) {
    const std::vector<std::string>& liste = z(fQuelle);
    const int anzahl = static_cast<int>(
        std::min<std::size_t>(liste.size(), static_cast<std::size_t>(TStandard::kMemoZeilen)));
    Schreibe(MemoZaehler(i), std::to_string(anzahl));
    for (int k = 0; k < anzahl; ++k) Schreibe(MemoZeile(i, k), Win1252ZuUtf8(liste[k]));
  }

 private:
  void Schreibe(const std::string& name, const std::string& wert) {
    fSpeicher.Schreiben(fSchluessel, name, wert);
  }

  const TStandard& fQuelle;
  TEinstellungsSpeicher& fSpeicher;
  std::string fSchluessel;
};

}  // namespace EinstellungsWerte
