// Die Vertretungen sind abgeleitete Daten der Abwesenheiten und Setzungen; nach jeder Operation
// müssen sie zum Plan, zueinander und zu den Konten der Lehrer passen.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>

#include "model/GlobalUnit.h"

class TSchule;
class TLehrer;

// Was die Vertretungen und Abwesenheiten der Tage von..bis (ganze Tage, einschließlich) dem
// Lehrer bringen: jede gültige, angerechnete Vertretung, die er für den Kurs eines anderen gibt,
// zählt den Faktor des Kurses; jede eigene Stunde an einem Schultag, deren Klassen alle fehlen,
// während er da ist, zieht ihn ab.
std::int64_t KontoNeu(const TSchule& schule, const TLehrer& lehrer, TDateTime von, TDateTime bis);
// Dasselbe für alle Lehrer auf einmal, je Lehrer und Tag (ganze Tageszahl): KontoImZeitraum
// summiert die Tage von..bis.
using TKontenNeu = std::map<const TLehrer*, std::map<long long, std::int64_t>>;
TKontenNeu KontenNeu(const TSchule& schule);
std::int64_t KontoImZeitraum(const TKontenNeu& konten, const TLehrer& lehrer, TDateTime von,
                             TDateTime bis);

// Prüft: jede Vertretung gehört zu einer Setzung ihres Kurses, deren Planversion und Wochentag
// die ihres Tages sind, und steht in der Liste dieser Setzung; keine Setzung hat zwei
// Vertretungen an einem Tag; fVon und fZu verweisen paarweise aufeinander; eine Vertretung ist
// genau dann gültig, wenn nicht alle Klassen ihres Kurses fehlen; die Liste der Schule ist
// geordnet; fVStunden1 und fVStunden2 jedes Lehrers sind gleich dem aus allen Vertretungen und
// Abwesenheiten neu berechneten Konto (ab 0); jedes Monatskonto in fDict und fVStunden3 (für
// seinen Monat) ist gleich dem neu berechneten Konto des Monats. Meldet die erste Abweichung.
::testing::AssertionResult VertretungenStimmen(const TSchule& schule);
// Dasselbe, wenn die Konten fVStunden1 und fVStunden2 nicht bei 0 anfingen: basis nennt je
// Lehrerkürzel, was vor den vorhandenen Vertretungen gebucht war (etwa von Vertretungen, die beim
// Öffnen der Datei verfallen sind).
::testing::AssertionResult VertretungenStimmen(const TSchule& schule,
                                               const std::map<std::string, std::int64_t>& basis);
