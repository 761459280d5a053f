// Die Logik des Kürzeleditors: Elemente einer Art anlegen, umbenennen, löschen und ordnen.
// Kürzel sind Texte in Windows-1252; ein neues oder geändertes Kürzel wird vor jedem Vergleich
// auf 11 Zeichen gekürzt, so dass keine doppelten Kürzel entstehen können.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class TElement;

// Die Arten des Editors: 0 Lehrer, 1 Klassen, 2 Kopplungen, 3 Fächer, 4 Räume, 5 UV-Tabellen.
inline constexpr int KuerzelArten = 6;

// Die Stammliste der Art in ihrer Folge.
std::vector<TElement*> KuerzelListe(int art);
// Die ersten 11 Zeichen.
std::string KuerzelSchnitt(std::string_view text);
// Die letzte Zeile der Liste, deren Kürzel genau dem gekürzten Text gleicht, oder -1.
int KuerzelSuchen(const std::vector<TElement*>& liste, std::string_view text);

// "Neues": legt ein Element der Art mit seinen Vorgaben am Ende der Stammliste an (die Schule
// ist danach geändert). Nichts bei leerem Text oder einem Kürzel, das es schon gibt.
TElement* KuerzelNeu(int art, std::string_view text);

enum class TKuerzelAenderung { Unveraendert, Doppelt, Geaendert };
// "Ändern": gleicht der gekürzte Text dem bisherigen Kürzel, bleibt alles; hat ein anderes
// Element der Art dieses Kürzel, meldet "Stop" das und nichts ändert sich; sonst bekommt das
// Element das Kürzel (die Schule ist danach geändert). Ein leerer Text ändert nichts.
TKuerzelAenderung KuerzelAendern(TElement* element, std::string_view text);

// "Löschen": hat das Element noch Kurse, fragt "Kürzel löschen" nach; nur "Ja" löscht. Wahr,
// wenn das Element gelöscht ist (mit ihm seine Kurse, deren Stunden aus den Plänen fallen).
bool KuerzelLoeschen(TElement* element);

// "Sortieren": ordnet die Stammliste aufsteigend nach dem Kürzel (LocaleVergleich, stabil).
// Wahr, wenn sich die Folge geändert hat; dann ist die Schule geändert.
bool KuerzelSortieren(int art);
// Stellt die Stammliste in die Folge (dieselben Elemente wie bisher) und markiert die Schule
// als geändert. Falsch, wenn die Folge nicht genau die Elemente der Liste enthält.
bool KuerzelUmordnen(int art, const std::vector<TElement*>& folge);
// Verschiebt das Element von Zeile von (ab 0) nach Zeile nach, wie beim Ziehen einer Zeile.
bool KuerzelVerschieben(int art, int von, int nach);
