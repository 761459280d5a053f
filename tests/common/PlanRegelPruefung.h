// Die Regeln eines gültigen Stundenplans, über die ganze Schule geprüft: was die automatische
// Planung und das Nachbessern nie verletzen dürfen.
#pragma once

#include <gtest/gtest.h>

#include <vector>

class TSchule;
class TKurs;

// Prüft:
//  - die Belegungen sind genau die Setzungen (BelegungenStimmen);
//  - jede Setzung liegt im Raster (Woche 1..fMaxWocheNeu, Tag 1..fMaxTageNeu, Stunde 1..fPlnStd);
//  - kein Kurs hat mehr Stunden gesetzt, als er in der Woche hat;
//  - keine Setzung in einer gesperrten Zelle des Kurses, des Lehrers oder einer Klasse, keine in
//    einem dort gesperrten Raum;
//  - je Zelle höchstens eine Stunde je Lehrer und je Raum; die Kurse einer Klasse in einer Zelle
//    gehören alle zu einer Kopplung (oder es ist nur einer);
//  - in einer Kopplung liegt ein Kurs mit mindestens so vielen Stunden in der Woche in jeder
//    Zelle eines Kurses mit weniger (gleich viele Stunden: dieselben Zellen).
// Für die Kurse in gerechnet zusätzlich die Tage: höchstens fStdProTag Stunden (gekoppelt: das
// größte der Kopplung), lückenlos, mehrere Stunden nur über verbundene Zellen der Tabelle des
// Kurses (gekoppelt: der Tabelle eines Kurses der Kopplung) und nie bis in die Stunde 16; ist
// fAuEinzelUnwichtig aus, erfüllt jede Woche mit Stunden die Einzelstundenbedingung
// (TAutomat::WocheStimmt), wie nach einer Rechnung von einem Plan ohne diese Stunden.
// Meldet die erste Verletzung mit Kürzel, Woche, Tag und Stunde.
::testing::AssertionResult PlanRegelnStimmen(const TSchule& schule,
                                             const std::vector<TKurs*>& gerechnet = {});
