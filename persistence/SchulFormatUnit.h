// Gemeinsames des Lesers und des Schreibers der Schuldatei (*.tmr): Versionen, die Werte für
// "kein Element", Titelzeile und Dateinamen.
#pragma once

#include <filesystem>
#include <string>

#include "model/GlobalUnit.h"

// Die Version im Kopf der Datei. Geschrieben wird -300; gelesen werden -211 (alter Aufbau mit
// kürzeren Textfeldern) und -212 bis -300 (aktueller Aufbau).
inline constexpr int kVersionAktuell = -300;
inline constexpr int kVersionAlt = -211;

// Zahl der Kalenderwochen im Kalender der Schule.
inline constexpr int kKalenderWochen = 888;

// "Kein Element" in den Sätzen der Lehrer, Klassen und UV-Tabellen ...
inline constexpr int kKeinStammElement = 32767;
// ... und in allen späteren Sätzen (Kurse, Setzungen, Vertretungen, Fehlzeiten, Kopplungsraster).
inline constexpr int kKeinElement = -1;

// Die Titelzeile des Hauptfensters mit einer Schule: "WinTamrel 3.9.16 [" Name "]" (UTF-8).
inline std::string TitelMitSchule(const std::string& nameUtf8) {
  return std::string(ProgrammTitel) + " [" + nameUtf8 + "]";
}

// Pfade kommen als UTF-8 an und gehen so an das Dateisystem.
inline std::filesystem::path PfadAusUtf8(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

// Der Dateiname ohne Ordner, UTF-8.
inline std::string DateiNameUtf8(const std::filesystem::path& pfad) {
  const std::u8string u8 = pfad.filename().u8string();
  return std::string(u8.begin(), u8.end());
}

// "Die Datei „Name“" für den Anfang einer Meldung.
inline std::string DieDatei(const std::string& nameUtf8) {
  return "Die Datei „" + nameUtf8 + "“";
}
