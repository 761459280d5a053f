// Der Import einer Kursliste im Aufbau des Kursexports in die Schule im Speicher: erst wird das
// Format Feld für Feld geprüft, dann nach unbekannten Kürzeln gesucht (mit Rückfrage), erst dann
// wird die Schule verändert. Name und Datei der Schule bleiben, wie sie sind: "Sichern" schreibt
// nie über die Textdatei.
//
// Die Datei: CR beendet eine Zeile (auch das Dateiende beendet die letzte), Tabulator ein Feld,
// Byte 29 trennt die Werte der Felder 13 bis 17; LF wird überall übergangen. Die Zeichen stehen
// im 8-Bit-Zeichensatz der Textexporte; eine Datei in UTF-8 wird mit einem Hinweis abgelehnt.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Die Anzeige des Fortschritts (das Fenster "Importieren"); ohne Anzeige läuft alles still.
class TImportAnzeige {
 public:
  virtual ~TImportAnzeige() = default;
  // Dateiname ohne Ordner (UTF-8) und Größe in Bytes.
  virtual void Beginn(const std::string& dateiName, std::size_t groesse) = 0;
  // Der Abschnitt, der gerade läuft (UTF-8).
  virtual void Phase(const std::string& info) = 0;
  // Die Leseposition in Bytes.
  virtual void Position(std::size_t bytes) = 0;
};

// Was bei unbekannten Kürzeln geschieht: fragen ("Nein" ist die Vorgabe) oder ohne Frage anlegen.
enum class TUnbekannte { Fragen, Anlegen };

struct TImportErgebnis {
  bool Importiert = false;  // die Importphase ist gelaufen
  int Kurse = 0;            // angelegte Kurse
  int Stunden = 0;          // angelegte Setzungen
};

// Eine Zeile der Datei, in Felder und Werte zerlegt (Zeichen schon in Windows-1252).
struct TImportZeile {
  int Nr = 0;                                    // Zeilennummer ab 1
  std::vector<std::vector<std::string>> Felder;  // je Feld seine Werte (mindestens einer)
  std::size_t Ende = 0;                          // Byte hinter der Zeile
};

// Zerlegt die Bytes in Zeilen (Fortschritt alle 100 Zeichen).
std::vector<TImportZeile> ImportZeilen(const std::vector<std::uint8_t>& daten,
                                       TImportAnzeige* anzeige = nullptr);
// Die Formatprüfung: leer, wenn alles stimmt, sonst der erste Fehler als
// "Zeile 3, Feld 14: …" (UTF-8).
std::string ImportFormatFehler(const std::vector<TImportZeile>& zeilen);
// Wahr für Bytes in UTF-8 (mit Byte-Order-Mark oder mit gültigen Mehrbytezeichen).
bool IstUtf8Text(const std::vector<std::uint8_t>& daten);

class TImport {
 public:
  explicit TImport(TImportAnzeige* anzeige = nullptr, TUnbekannte unbekannte = TUnbekannte::Fragen)
      : fAnzeige(anzeige), fUnbekannte(unbekannte) {}

  // Liest die Datei (UTF-8-Pfad) und importiert sie; jeder Fehler wird über den Dialogdienst
  // gemeldet, am Ende steht dort, wie viele Kurse und Stunden angelegt wurden.
  TImportErgebnis ImportFromFile(const std::string& pfad);
  // Dasselbe für Bytes, die schon gelesen sind.
  TImportErgebnis ImportAusBytes(const std::vector<std::uint8_t>& daten,
                                 const std::string& dateiName);

 private:
  TImportAnzeige* fAnzeige;
  TUnbekannte fUnbekannte;
};
