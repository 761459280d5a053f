// Das Zeichnen einer Stundenzelle der Pläne (Planfenster, Manuellfenster). Was in der Zelle
// steht und wo, rechnet ui/PlanZelleUnit (PlanZelleBauen); hier wird nur gemalt.
//
//   TPlanZelle z = PlanZelleBauen(leh, kurs, woche, tag, std, kopplungZeigen, gesperrt, markiert);
//   ZeichnePlanZelle(painter, rechteck, z, PlanSchrift(), grid->palette());
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <cstddef>

#include "model/DienstUnit.h"
#include "output/PlanZelleUnit.h"

class QPainter;
class QPalette;
class QRect;

// Farbe 0x00BBGGRR als QColor.
QColor FarbeVon(TColor farbe);
// Die Schrift der Einstellungen als QFont (Name, Größe in Punkt, fett, kursiv, unterstrichen).
QFont SchriftVon(const TSchrift& schrift);
// Die Schrift der Pläne (fPlnFont).
QFont PlanSchrift();
// Das Grau gesperrter Zellen ohne Stunde (128, 128, 128).
QColor SperrFarbe();

// Die Schrift der Kürzel einer Stundenzelle: fett und unterstrichen nach der Zelle.
QFont ZellSchrift(const QFont& schrift, const TPlanZelle& zelle);
// Der Platz für das Kürzel des Teils i in einer Zelle der Breite zellBreite: bis zum Rand der
// Zelle, nebeneinander bis ZellRand vor dem nächsten Teil.
int ZellTeilPlatz(const TPlanZelle& zelle, std::size_t i, int zellBreite);
// Das Kürzel des Teils i, wie es gezeichnet wird: gekürzt ("…"), wenn es nicht in seinen Platz
// passt; leer ohne Platz.
QString ZellTeilText(const TPlanZelle& zelle, std::size_t i, int zellBreite, const QFont& schrift);

// Zeichnet eine Datenzelle:
//  1. Hintergrund: die Hervorhebungsfarbe der Palette, wenn markiert; sonst die Farbe des Kurses
//     bei einer Stunde; sonst grau bei einer Sperrung, sonst weiß.
//  2. Die Kürzel der Teile A, B, C an ihren Stellen (oben links ausgerichtet) in der Schrift,
//     fett für gekoppelte Kurse (mit fPlnKoppFett) und unterstrichen für fixierte Stunden;
//     schwarz, markiert in der Farbe hervorgehobenen Textes.
void ZeichnePlanZelle(QPainter& painter, const QRect& rect, const TPlanZelle& zelle,
                      const QFont& schrift, const QPalette& farben);
