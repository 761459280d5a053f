// Die Vertretungen sind abgeleitete Daten der Abwesenheiten und Setzungen; nach jeder Operation
// müssen sie zum Plan, zueinander und zu den Konten der Lehrer passen.
#pragma once

#include <gtest/gtest.h>

class TSchule;

// Prüft: jede Vertretung gehört zu einer Setzung ihres Kurses, deren Planversion und Wochentag
// die ihres Tages sind, und steht in der Liste dieser Setzung; keine Setzung hat zwei
// Vertretungen an einem Tag; fVon und fZu verweisen paarweise aufeinander; die Liste der Schule
// ist geordnet; jedes Konto eines Lehrers (fVStunden1 und fVStunden2, ab 0) ist gleich dem aus
// den Vertretungen und Abwesenheiten neu berechneten. Meldet die erste Abweichung.
::testing::AssertionResult VertretungenStimmen(const TSchule& schule);
