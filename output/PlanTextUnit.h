// Ein Plan als Text mit Tabulatoren, wie "Kopieren" im Planfenster ihn in die Zwischenablage
// legt und "tamrel-cli plan" ihn ausgibt.
#pragma once

#include <string>
#include <vector>

#include "planning/PlanInhaltUnit.h"

// Der Plan als Text (UTF-8, jede Zeile mit CR LF):
//  - die erste Zeile: je Tag ein Tabulator und die Tagesbezeichnung;
//  - je Stunde die Stundenbezeichnung der Woche, dann je Tag ein Tabulator und "---" (keine
//    Stunde) oder die Kürzel der Stunde, durch Leerzeichen getrennt: Lehrer: Kopplung (mit
//    schalterO, wenn gekoppelt) oder erste Klasse, Fach, Raum (mit fMitRaum); Klasse: Kopplung
//    oder Lehrer, Fach, Raum (mit fMitRaum); Raum: Lehrer, Kopplung oder erste Klasse, Fach.
// kopplungsZeilen (Klassenpläne, "Kopieren" mit Shift) nennt dazu die Kurse der Kopplungen in
// Folgezeilen.
std::string PlanAlsText(const TPlanInhalt& plan, bool schalterO, bool kopplungsZeilen);

// Eine Zelle einer Textzeile: der Kurs (oder nichts) und Tag und Stunde seiner Stunde.
struct TTextZelle {
  const TKurs* Kurs = nullptr;
  int Tag = 0;
  int Std = 0;
};
// Der Rest einer Zeile nach ihrer Bezeichnung (Windows-1252): je Zelle ein Tabulator und ihr Text
// wie oben, dann CR LF; mit kopplungsZeilen (nur Klassen) die Folgezeilen der Kopplungen. Die
// Übersichten schreiben so eine Zeile je Tag und Stunde über alle Elemente.
std::string PlanZeilenText(TKuerzelArt art, int woche, const std::vector<TTextZelle>& zellen,
                           bool schalterO, bool kopplungsZeilen);
