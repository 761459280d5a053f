// Die Elementmenüs der Palette ("Le", "Kl", "Ko", "Fa", "Ra", "UV") und ihre Auswahllisten als
// Menümodelle. Reine Logik; die Palette zeigt sie mit TPopupMenue.
#pragma once

#include <string>

#include "model/GlobalUnit.h"
#include "model/MenueUnit.h"

// Die Beschriftung des Hauptmenüs einer Art: "Le", "Kl", "Ko", "Fa", "Ra", "UV".
std::string ElementMenueTitel(TKuerzelArt art);

// Ein Eintrag je Element der Stammliste in Listenfolge (Text: Kürzel in UTF-8, Objekt: das
// Element, Wert: die Position ab 1); eine neue Spalte vor den Einträgen k+1, 2k+1, … mit
// k = ElementSpaltenLaenge(n). mitOhne: vorn der Eintrag "ohne" (Objekt nichts, Wert 0), der in
// n und in den Spaltenpositionen mitzählt.
TMenue ElementMenue(TKuerzelArt art, bool mitOhne = false);

// Setzt fReihe jedes Elements der sechs Stammlisten auf seine Position ab 1. Ändert sich dabei
// eine, ordnet es alles neu, was nach fReihe geordnet ist (Teillisten, Klassen der Kurse,
// Kurslisten, Vertretungsliste), wie beim Öffnen der gesicherten Schule.
void ReihenSetzen();
