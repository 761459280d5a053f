// Die Zeichen des Manuellfensters über einer Stundenzelle: der Streifen am unteren Rand mit den
// Marken der Konflikte, oder die Schraffur einer Zelle, in der eine Sperrung im Weg ist. Was
// gezeichnet wird, rechnet planning/ManuellUnit (TManuellPlanung::Zeichen).
#pragma once

#include "planning/ManuellUnit.h"

class QPainter;
class QRect;

// Höhe des Streifens, Seite einer Marke und Abstand der Marken (Bildpunkte).
inline constexpr int ManStreifenHoehe = 5;
inline constexpr int ManMarkenAbstand = 7;

// Zeichnet über die schon gemalte Zelle:
//  - eigener Kurs: grüner Balken; gekoppelter Kurs: silberner Balken mit grünem Rand;
//  - Schraffur: silberne Diagonalkreuze über die ganze Zelle;
//  - sonst je Marke von links: Quadrat (fixiert; rot, wenn gekoppelt, sonst silbern), Kreis
//    (verdrängbar; schwarz, wenn gekoppelt, sonst silbern), kleines Kreuz (kein Raum frei).
void ZeichneManZeichen(QPainter& painter, const QRect& rect, const TManZeichen& zeichen);
