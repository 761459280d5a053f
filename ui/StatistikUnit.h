// Die Statistikfenster ohne Fenster: Spaltentitel und Zeilen der Lehrer-, Klassen-, Fach-,
// Kopplungs- und Raumstatistik und der Text für "Kopieren".
#pragma once

#include <string>
#include <vector>

#include "model/GlobalUnit.h"

class TElement;

// Die Spaltentitel (UTF-8) der Statistik der Art (leh, kla, fac, kop, rau, uvt).
std::vector<std::string> StatTitel(TKuerzelArt art);
// Die Texte einer Zeile (UTF-8), in der Folge der Titel.
//   Lehrer: Soll, Ist (FaktorSumme, ohneKopp), (Ist) (StundenSumme), Rest, Kürzel, Info;
//   Klassen: dasselbe mit ohneKopp = fKopDop der Klasse;
//   Fächer: [Le], Lehrer, (Le), Klasse, (Kl), Kürzel, Info;
//   Kopplungen: Kurse, Kürzel, Info;  Räume: Kürzel, Info;
//   UV-Tabellen: "F" (Fachtabelle) oder "L" (Lehrertabelle), Kürzel, Info.
std::vector<std::string> StatZeile(const TElement& element);
// Die Elemente der Statistik: die Stammliste der Art in Listenfolge.
std::vector<TElement*> StatElemente(TKuerzelArt art);
// "Kopieren": je ausgewählter Zeile mit Element (Zeile 1 ist das erste) eine Zeile mit allen
// Texten durch Tabulatoren getrennt, CR LF. Die Titelzeile (0) wird nie kopiert.
std::string StatistikAlsText(const std::vector<TElement*>& elemente,
                             const std::vector<int>& zeilen);
