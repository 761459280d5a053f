// Härtere Beispielschulen für Tests und Messungen der automatischen Planung, ohne gesetzte Stunden.
//
// Gymnasium: Tage mit 12 Stunden, die Klassen 5a–9e und eine Oberstufe (EF, Q1, Q2) aus je 80
// Schülergruppen (240 Klassen), die in jeder Schiene ihres Jahrgangs (Kopplung aus 8 Kursen) in
// genau einem Kurs sitzen; Projekt- und AG-Schienen nur in ihrem Zeitfenster am Nachmittag,
// Sport in drei Hallen, Fachräume (drei je Fach, zwei für Informatik; ihre Kurse brauchen
// höchstens 85 % der Zellen); Lehrkräfte in Teilzeit mit gesperrtem Tag, andere mit gesperrten
// Randstunden; die Lehrkräfte sind zu gut 90 % ausgelastet.
// Grundschule: Tage mit 6 Stunden, die Klassen 1a–4d; viele Stunden mit zwei Lehrkräften (eine
// Förderstunde in derselben Kopplung wie Deutsch oder Mathematik), Religion ev./kath. für zwei
// Klassen zugleich, zwei Turnhallen, Teilzeit mit gesperrtem Tag.
//
// Das Ergebnis hängt von nichts ab als der Wahl der Schule (eigener Zufall mit fester Saat, keine
// Uhr). Gesetzt werden in den eingesetzten Einstellungen eine Planversion, 5 Tage, fPlnStd (12
// bzw. 6) und fDivisor = 1; die Schule ist danach geändert.
#pragma once

class TSchule;

void ErzeugeGymnasium(TSchule& schule);
void ErzeugeGrundschule(TSchule& schule);
