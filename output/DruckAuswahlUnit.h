// Die Elementliste der Plan- und Übersichtsdrucke beginnt mit der zuletzt gedruckten Auswahl,
// oder mit allen Elementen der Art, wenn es keine gibt. Gemerkt wird nach Art und Kürzel, so dass
// gelöschte Elemente nie zurückkommen; umbenannte fallen aus der Auswahl.
#pragma once

#include <string>
#include <vector>

class TPlanElement;

// Die Auswahl, mit der der Druck (ein fester Name je Dialog) beginnt: die gemerkten Elemente,
// soweit es sie in der offenen Schule noch gibt, sonst alle.
std::vector<TPlanElement*> DruckAuswahlVorgabe(const std::string& druck,
                                               const std::vector<TPlanElement*>& alle);
// Merkt die Liste eines Drucks (bei "Ok", "Ansehen" und "Als PDF speichern…").
void DruckAuswahlMerken(const std::string& druck, const std::vector<TPlanElement*>& liste);
