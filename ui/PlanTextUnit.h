// Ein Plan als Text mit Tabulatoren, wie "Kopieren" im Planfenster ihn in die Zwischenablage
// legt und "tamrel-cli plan" ihn ausgibt.
#pragma once

#include <string>

#include "ui/PlanInhaltUnit.h"

// Der Plan als Text (UTF-8, jede Zeile mit CR LF):
//  - die erste Zeile: je Tag ein Tabulator und die Tagesbezeichnung;
//  - je Stunde die Stundenbezeichnung der Woche, dann je Tag ein Tabulator und "---" (keine
//    Stunde) oder die Kürzel der Stunde, durch Leerzeichen getrennt: Lehrer: Kopplung (mit
//    schalterO, wenn gekoppelt) oder erste Klasse, Fach, Raum (mit fMitRaum); Klasse: Kopplung
//    oder Lehrer, Fach, Raum (mit fMitRaum); Raum: Lehrer, Kopplung oder erste Klasse, Fach.
// kopplungsZeilen (Klassenpläne, "Kopieren" mit Shift) nennt dazu die Kurse der Kopplungen in
// Folgezeilen.
std::string PlanAlsText(const TPlanInhalt& plan, bool schalterO, bool kopplungsZeilen);
