// Der Textvergleich "nach Landessprache" für Texte in Windows-1252: Buchstaben ohne Rücksicht
// auf Akzente und Groß-/Kleinschreibung zuerst (Umlaute stehen bei ihren Grundbuchstaben,
// ß wie "ss"), dann die Akzente (ohne vor mit), dann die Schreibweise (klein vor groß).
// Satz- und Sonderzeichen stehen vor den Ziffern, Ziffern vor den Buchstaben.
#pragma once

#include <string_view>

// < 0, 0 oder > 0. Gleich (0) sind nur byteweise gleiche Texte.
int LocaleVergleich(std::string_view a, std::string_view b);
