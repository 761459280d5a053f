// Kalenderdateien (iCalendar, RFC 5545) schreiben und lesen. Die Termine einer Datei sind reine
// Daten; Aufbau, Maskierung der Texte, Falten der Zeilen und die Zeitzone besorgt libical hinter
// dieser Schnittstelle (nur IcalSchreiberUnit.cpp bindet sie ein).
//
// Jeder Termin steht mit TZID=Europe/Berlin; der Kalender bringt seinen VTIMEZONE-Block mit (die
// Sommerzeitregel der EU seit 1996). Texte sind UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/GlobalUnit.h"

// Ein Termin (VEVENT).
struct TIcalTermin {
  std::string Uid;
  TDateTime Datum = 0;  // der Tag, Mitternacht
  int Beginn = 0;       // Minuten seit Mitternacht, Ortszeit Europe/Berlin
  int Ende = 0;
  std::string Zusammenfassung;  // SUMMARY
  std::string Ort;              // LOCATION; leer: keine
  std::string Beschreibung;     // DESCRIPTION; leer: keine
  bool Abgesagt = false;        // STATUS:CANCELLED, sonst CONFIRMED
  bool Frei = false;            // TRANSP:TRANSPARENT, sonst OPAQUE
  int Sequenz = 0;              // SEQUENCE
  TDateTime Geaendert = 0;      // LAST-MODIFIED und DTSTAMP, UTC, auf die Sekunde
  friend bool operator==(const TIcalTermin&, const TIcalTermin&) = default;
};

// Ein Kalender (VCALENDAR) mit seinem Namen (X-WR-CALNAME) und seinen Terminen in Folge.
struct TIcalKalender {
  std::string Name;
  std::vector<TIcalTermin> Termine;
};

// Der Text der Datei: Zeilen mit CR LF, auf 75 Bytes gefaltet.
std::string IcalText(const TIcalKalender& kalender);
// Liest einen Kalender; nichts, wenn der Text keiner ist. Termine ohne UID oder Beginn fehlen.
std::optional<TIcalKalender> IcalLesen(std::string_view text);
// Eine Ortszeit von Europe/Berlin in UTC.
TDateTime IcalOrtszeitZuUtc(TDateTime ortszeit);
