// Abwesenheiten eintragen: suchen, geordnet anlegen, eine neue Maske mit dem Änderungsprotokoll
// setzen, und die längere Fehlzeit über die folgenden Schultage.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/GlobalUnit.h"

class TFehl;
class TPlanElement;

// Die Abwesenheit des Elements am Tag in der Liste seiner Art, oder nichts.
TFehl* FehlFinden(const TPlanElement* element, TDateTime datum);
// Eine neue Abwesenheit (Maske 0, Grund "-") in der Liste der Art: geordnet nach Datum und
// fReihe des Elements (vor die Einträge, die sie nicht übertrifft), oder angehängt.
TFehl* FehlAnlegen(TPlanElement* element, TDateTime datum, bool geordnet);
// Setzt die Maske über das Änderungsprotokoll; eine leere Maske löscht die Abwesenheit.
// Liefert die Abwesenheit, oder nichts, wenn sie gelöscht ist.
TFehl* FehlMaskeSetzen(TFehl* fehl, std::int32_t maske);
// Trägt eine Abwesenheit für den Tag ein (vorhandene weiterverwendet, sonst geordnet angelegt),
// mit Grund (leer: "-") und Maske; liefert sie, oder nichts bei leerer Maske.
TFehl* FehlzeitEintragen(TPlanElement* element, TDateTime datum, std::int32_t maske,
                         std::string_view grund);
// Längere Fehlzeit: jeder Schultag nach von bis einschließlich bis bekommt die Maske (ein
// vorhandener Eintrag behält seinen Grund, ein neuer bekommt grund und wird angehängt). Zeigt das
// Meldungsfenster mit Fortschritt; liefert die Zahl der eingetragenen Schultage.
int LaengereFehlzeit(TPlanElement* element, TDateTime von, TDateTime bis, std::int32_t maske,
                     std::string_view grund);

// Maske der Stunden von..bis (1..16).
std::int32_t StundenMaske(int von, int bis);
// Die Maske als 16 Zeichen "+" (fehlt) und "-", Stunde 1 zuerst, und zurück.
std::string MaskenText(std::int32_t maske);
std::int32_t MaskeAusText(std::string_view text);
// Der Grund als gespeichertes Zeichen: ein leerer Grund wird "-".
std::string GrundZeichen(std::string_view grund);
