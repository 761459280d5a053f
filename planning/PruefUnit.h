// Die Prüfungen der Daten und des Plans ("Daten" › "Prüfen"). Jede Prüfung läuft über die ganze
// Schule, gibt je Befund eine Zeile (Windows-1252) aus und liefert die erreichte Stufe. Die
// Konsistenzprüfung bessert dabei aus, was sich aus den Setzungen ableiten lässt.
#pragma once

#include <functional>
#include <string>
#include <vector>

class TSchule;
class TPlanElement;

enum class TFehlerArt { kein = 0, klein = 1, gross = 2 };

// Die sieben Prüfungen in der Folge des Menüs.
enum class TPruefArt { Konsistenz, Bruecken, FehlRaum, FehlStunden, Versionen, Kopplungen, Einzel };

// Nimmt eine Zeile des Fensters "Fehler" entgegen (Windows-1252).
using TFehlerAusgabe = std::function<void(const std::string&)>;

TFehlerArt KonsistenzTest(TSchule& schule, const TFehlerAusgabe& neuerFehler);
TFehlerArt BrueckenTest(const TSchule& schule, const TFehlerAusgabe& neuerFehler);
TFehlerArt FehlRaumTest(const TSchule& schule, const TFehlerAusgabe& neuerFehler);
TFehlerArt FehlStundenTest(const TSchule& schule, const TFehlerAusgabe& neuerFehler);
TFehlerArt VersionsPruefung(const TSchule& schule, const TFehlerAusgabe& neuerFehler);
TFehlerArt KopplPruefung(const TSchule& schule, const TFehlerAusgabe& neuerFehler);
TFehlerArt EinzelPruefung(const TSchule& schule, const TFehlerAusgabe& neuerFehler);

// Eine Prüfung wie der Menübefehl: Sanduhr und Meldungsfenster "Die Daten werden geprüft."
// während der Arbeit; liefert die Stufe (ohne das Prüfergebnis zu zeigen).
TFehlerArt Pruefe(TPruefArt art, TSchule& schule, const TFehlerAusgabe& neuerFehler);
// Die Zeilen des Fensters "Prüfergebnis" (UTF-8).
std::vector<std::string> PruefErgebnisZeilen(TFehlerArt art);
// Zeigt "Prüfergebnis" über den Dialogdienst.
void PruefErgebnisZeigen(TFehlerArt art);
// "keine Fehler", "kleinere Fehler" oder "größere Fehler" (UTF-8).
std::string PruefStufenText(TFehlerArt art);

// Das Element eines Befunds (Doppelklick im Fenster "Fehler"): der Lehrer, die Klasse oder der
// Raum, den die Zeile (Windows-1252) nennt; bei einer Kurszeile die erste Klasse des Kurses,
// sonst sein Lehrer, sonst sein erster Raum; nichts, wenn die Zeile keines nennt.
TPlanElement* FehlerElement(const TSchule& schule, const std::string& zeile);
