// Messhilfen der Druckroutinen: die breitesten Kürzel, Infotexte, Tagesnamen und
// Stundenbezeichnungen in der aktuellen Schrift des Rekorders (der Aufrufer wählt Schrift und
// Fettdruck vorher).
#pragma once

class TPrevPrinter;

// Art: 0 Lehrer, 1 Klassen, 2 Kopplungen, 3 Fächer, 4 Räume, 5 UV-Tabellen; 0 bei leerer Liste.
int DrKueBreite(int art, const TPrevPrinter& drucker);
int DrInfoBreite(int art, const TPrevPrinter& drucker);
// Der breiteste der sieben kurzen Tagesnamen (fTagBez).
int DrTagBreite(const TPrevPrinter& drucker);
// Die breiteste der 16 Stundenbezeichnungen der Planversion.
int DrStdBreite(int woche, const TPrevPrinter& drucker);
