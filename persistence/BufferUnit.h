// TBuffer: der typisierte Datenstrom der Schuldatei und der Textexporte.
//
// Alle Zahlen stehen big-endian in der Datei, Datumswerte als Sekunden seit dem 1.1.1904, Farben
// als drei 16-Bit-Wörter. Jeder gespeicherte Text läuft durch eine feste Zeichentabelle zwischen
// Windows-1252 (Modell) und dem alten Zeichensatz der Datei (Umlaute, ß, § und ¥).
//
// Der Puffer hält die ganzen Daten im Speicher: Eine Datei wird mit AusDatei() vollständig
// gelesen, ein geschriebener Puffer mit InDateiSchreiben() über eine Zwischendatei und
// Umbenennen abgelegt, so dass die alte Datei bis zuletzt unversehrt bleibt.
//
// Fehler: Jede Störung wird als EDateiFehler geworfen, mit einem deutschen Text (UTF-8), der dem
// Benutzer so gezeigt werden kann und die Datei nennt, sobald ihr Name bekannt ist:
//  - Lesen hinter dem Ende (Art ZuKurz). Der Puffer liest nie außerhalb seiner Daten und lässt
//    bei einem misslungenen Lesen die Position unverändert.
//  - Geprüftes Schreiben eines Wertes, der nicht in sein Feld passt (Art WertZuGross). Es wird
//    dann nichts geschrieben.
//  - Öffnen, Lesen oder Schreiben der Datei misslingt (Art Zugriff).
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/GlobalUnit.h"
#include "model/ToolsUnit.h"

enum class TDateiFehlerArt { ZuKurz, WertZuGross, Zugriff };

class EDateiFehler : public std::runtime_error {
 public:
  EDateiFehler(TDateiFehlerArt art, const std::string& text)
      : std::runtime_error(text), fArt(art) {}
  TDateiFehlerArt Art() const { return fArt; }

 private:
  TDateiFehlerArt fArt;
};

// Zeichentabelle: Byte der Datei -> Byte des Programms (Windows-1252) und zurück. Alle Bytes
// außerhalb der Tabelle bleiben, wie sie sind.
unsigned char DateiZeichenZuAnsi(unsigned char c);
unsigned char AnsiZeichenZuDatei(unsigned char c);
// Falsch für die acht Programmbytes (€ … † Š š Ÿ ¤ ´), die unverändert geschrieben werden und
// beim Lesen als Buchstabe der Tabelle zurückkommen.
bool AnsiZeichenSpeicherbar(unsigned char c);

class TBuffer {
 public:
  // Größen der Textfelder in der Datei (Längenbyte + Zeichen).
  static constexpr std::size_t KueFeld = 12;
  static constexpr std::size_t AltKueFeld = 8;
  static constexpr std::size_t InfoFeld = 32;
  static constexpr std::size_t AltInfoFeld = 22;
  static constexpr std::size_t BemFeld = 82;
  static constexpr std::size_t AltBemFeld = 62;
  static constexpr std::size_t GrundFeld = 2;
  static constexpr std::size_t Str255Feld = 256;
  // Höchste Anzahl einer gezählten Liste (als Int gespeichert).
  static constexpr std::size_t MaxAnzahl = 32767;

  // Leerer Puffer zum Schreiben.
  TBuffer() = default;
  // Puffer zum Lesen der gegebenen Bytes.
  explicit TBuffer(std::vector<std::uint8_t> daten) : fDaten(std::move(daten)) {}
  TBuffer(const std::uint8_t* daten, std::size_t groesse) : fDaten(daten, daten + groesse) {}

  // Liest die ganze Datei; der Dateiname erscheint danach in jeder Fehlermeldung.
  static TBuffer AusDatei(const std::filesystem::path& pfad);
  // Schreibt alle Bytes in eine Zwischendatei im selben Ordner und ersetzt erst dann die Datei.
  // Misslingt das, bleibt die bisherige Datei unverändert.
  void InDateiSchreiben(const std::filesystem::path& pfad) const;

  // Name der Datei für Meldungen (UTF-8, ohne Ordner); leer für Daten ohne Datei.
  const std::string& DateiName() const { return fDateiName; }
  void SetzeDateiName(std::string utf8Name) { fDateiName = std::move(utf8Name); }

  std::size_t Position() const { return fPos; }
  std::size_t Groesse() const { return fDaten.size(); }
  std::size_t Rest() const { return fDaten.size() - fPos; }
  bool AmEnde() const { return fPos >= fDaten.size(); }
  const std::vector<std::uint8_t>& Daten() const { return fDaten; }
  // Gibt die Bytes ab; der Puffer ist danach leer.
  std::vector<std::uint8_t> DatenAbgeben() {
    fPos = 0;
    return std::move(fDaten);
  }
  // Hält Platz für so viele Bytes bereit (etwa die Größe der zuletzt gelesenen Datei).
  void Reservieren(std::size_t bytes) { fDaten.reserve(bytes); }

  // Lesen. Jede Operation wirft EDateiFehler (ZuKurz), wenn weniger Bytes übrig sind, als sie
  // braucht, und liest dann nichts.
  std::uint8_t ReadByte();
  bool ReadBool();
  std::int32_t ReadInt();    // vorzeichenbehaftet 16 Bit
  std::uint16_t ReadWord();  // ohne Vorzeichen 16 Bit: Tagwörter und Stundenmasken
  std::int32_t ReadLong();
  TDateTime ReadDatum();  // ohne Vorzeichen, auf Hundertstel Tage gerundet
  TColor ReadColor();
  char ReadZeichen();
  TKuerzelString ReadKue();  // führende Leerzeichen werden zu ¥
  TKuerzelString ReadAltKue();
  TInfoString ReadInfo();
  TInfoString ReadAltInfo();
  TBemString ReadBem();
  TBemString ReadAltBem();
  TGrundString ReadGrund();
  str255 ReadStr255();
  // Art der alten Ablage: 2 -> leh, 6 -> rau, alles andere unverändert (auch Werte außerhalb
  // der Aufzählung; der Aufrufer prüft den Bereich).
  TKuerzelArt ReadArt();

  // Schreiben. WriteInt und WriteWord schreiben die unteren 16 Bit, WriteLong die unteren 32.
  void WriteByte(std::uint8_t b);
  void WriteBool(bool b);
  void WriteInt(std::int32_t i);
  void WriteWord(std::uint32_t i);
  void WriteLong(std::int32_t l);
  // Gespeichert werden Sekunden seit dem 1.1.1904 als 32 Bit ohne Vorzeichen. Vor 1904 (etwa ein
  // nie gesetztes Datum) wird der 1.1.1904 geschrieben, nach dem 6.2.2040 06:28:15 dieser letzte
  // darstellbare Zeitpunkt; nie ein umgebrochener Wert.
  void WriteDatum(TDateTime d);
  void WriteColor(TColor c);
  // Texte werden auf die Kapazität des Feldes gekürzt, abgebildet und mit Nullbytes aufgefüllt.
  void WriteKue(std::string_view k);
  void WriteInfo(std::string_view k);
  void WriteBem(std::string_view k);
  void WriteGrund(std::string_view k);
  void WriteStr255(std::string_view k);
  template <std::size_t N>
  void WriteKue(const TFestText<N>& k) {
    WriteKue(std::string_view(k.str()));
  }
  template <std::size_t N>
  void WriteInfo(const TFestText<N>& k) {
    WriteInfo(std::string_view(k.str()));
  }
  template <std::size_t N>
  void WriteBem(const TFestText<N>& k) {
    WriteBem(std::string_view(k.str()));
  }
  template <std::size_t N>
  void WriteGrund(const TFestText<N>& k) {
    WriteGrund(std::string_view(k.str()));
  }
  template <std::size_t N>
  void WriteStr255(const TFestText<N>& k) {
    WriteStr255(std::string_view(k.str()));
  }
  void WriteArt(TKuerzelArt a);
  // Die Zeichen eines Modelltextes, abgebildet; ohne Länge und Abschluss.
  void WriteStr(std::string_view k);
  // Ein Modelltext (Windows-1252) als UTF-8; ohne Länge, Abschluss und Byte-Order-Mark.
  void WriteStrUTF8(std::string_view k);

  // Geprüftes Schreiben: Passt der Wert nicht, wird nichts geschrieben und EDateiFehler
  // (WertZuGross) geworfen. "was" benennt den Wert für die Meldung (UTF-8), z. B.
  // "Sollstunden von MÜL".
  void WriteIntGeprueft(std::int64_t i, std::string_view was);   // -32768..32767
  void WriteWordGeprueft(std::int64_t i, std::string_view was);  // 0..65535 (Bitmuster)
  void WriteLongGeprueft(std::int64_t l, std::string_view was);  // 32 Bit mit Vorzeichen
  void WriteAnzahl(std::size_t n, std::string_view was);         // 0..32767, als Int

 private:
  // Wirft, wenn weniger als n Bytes übrig sind.
  void Brauche(std::size_t n) const;
  [[noreturn]] void ZuKurz(std::size_t n) const;
  [[noreturn]] void WertFehler(std::int64_t wert, std::int64_t von, std::int64_t bis,
                               std::string_view was) const;
  std::uint16_t Lies16();
  std::string LiesFeld(std::size_t feld);
  template <class T>
  T LiesText(std::size_t feld) {
    return T(LiesFeld(feld));
  }
  void Schreibe16(std::uint32_t w);
  void SchreibeFeld(std::string_view text, std::size_t feld);
  void Anhaengen(const std::uint8_t* p, std::size_t n) {
    if (fPos != fDaten.size()) return Ueberschreiben(p, n);
    // Am Ende (beim Sichern immer): nur anhängen, Byte für Byte (meist zwei), ohne Aufruf.
    for (std::size_t i = 0; i < n; ++i) fDaten.push_back(p[i]);
    fPos += n;
  }
  void Ueberschreiben(const std::uint8_t* p, std::size_t n);

  std::vector<std::uint8_t> fDaten;
  std::size_t fPos = 0;
  std::string fDateiName;
};
