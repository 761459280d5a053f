// Die Belegungen des Plans sind abgeleitete Daten: nach jeder Operation muss jede Belegung genau
// die Vereinigung der Setzungen sein.
#pragma once

#include <gtest/gtest.h>

class TSchule;

// Prüft für jeden Kurs, Lehrer, jede Klasse und jeden Raum der Schule: fBesetzung ist genau die
// Menge der Zellen, in denen eine Setzung eines Kurses liegt (beim Raum: eine Setzung in diesem
// Raum); ein Kurs hat je Zelle höchstens eine Setzung; jede Setzung steht in der Kursliste ihrer
// Elemente. Meldet die erste Abweichung mit Kürzel, Woche, Tag und Stunde.
::testing::AssertionResult BelegungenStimmen(const TSchule& schule);
