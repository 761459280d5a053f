// Pflege der fertigen Pläne im Ganzen: Stunden ausgewählter Kurse in markierten Zellen löschen
// ("Pläne löschen") und die Raumlisten der Kurse aufräumen ("nicht belegte Räume", "später
// eingetragene Räume").
#pragma once

#include <vector>

#include "model/GlobalUnit.h"
#include "model/WoBereichsUnit.h"

class TElement;
class TKurs;

// Die Elementart der Auswahl von "Pläne löschen" (1 Lehrer … 5 Räume); 0 ("in allenPlänen")
// hat keine.
TKuerzelArt PlLoeschArt(int radio);
// Die Kurse in der Folge, in der das Löschen sie besucht: bei 0 jeder Kurs der Schule, sonst je
// Element von "von" bis "bis" (Listenfolge) seine Kurse. Ein Kurs mehrerer Elemente kommt je
// Element einmal. Fehlt ein Ende des Bereichs, ist die Folge leer.
std::vector<TKurs*> PlLoeschKurse(int radio, const TElement* von, const TElement* bis);
// "Ok" von "Pläne löschen": entfernt die Stunden der besuchten Kurse in den markierten Zellen
// (aktuelle Woche von zellen), außer sie bleiben nach fEineWoche, fPlLoeFixNicht und
// fPlLoeMitKopp. Mit Sanduhr und Meldungsfenster "Die Pläne werden gelöscht.".
void PlaeneLoeschen(const TWochBereich& zellen, int radio, const TElement* von,
                    const TElement* bis);
// Die Wahl in "von": das Element, außer es liegt in der Liste hinter "bis" (dann "bis"); "bis"
// ebenso mit einem Element vor "von".
TElement* VonWahl(int radio, TElement* gewaehlt, TElement* bis);
TElement* BisWahl(int radio, TElement* gewaehlt, TElement* von);
// Erstes und letztes Element der Liste zur Auswahl (nichts bei 0 oder leerer Liste).
TElement* ErstesElement(int radio);
TElement* LetztesElement(int radio);

// "nicht belegte Räume" und "später eingetragene Räume": Warnung mit "Ok" und "Abbrechen", dann
// die Arbeit. Falsch, wenn der Benutzer abbrach.
bool UnbelegteRaeumeLoeschen();
bool ErgaenzteRaeumeLoeschen();
// Die Arbeit allein.
void UnbelegteRaeumeEntfernen();
void ErgaenzteRaeumeEntfernen();
