// Die Farbwahl mit den 16 eigenen Farben der Einstellungen: Umwandlung zwischen den Farben des
// Programms (0x00BBGGRR) und den Einträgen des Farbdialogs "ColorA=BBGGRR" … "ColorP=…".
// Reine Logik; den Dialog zeigt ui/QtFarbDialogUnit.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/GlobalUnit.h"

namespace FarbWahl {

inline constexpr int EigeneFarben = 16;

// Die Farbe als sechs Hex-Ziffern (Großbuchstaben) in der Folge Blau, Grün, Rot.
std::string FarbeZuHex(TColor farbe);
// Liest sechs Hex-Ziffern; nichts bei anderem Text.
std::optional<TColor> HexZuFarbe(const std::string& hex);
// Die 16 Einträge für den Farbdialog: "Color" + Buchstabe A..P + "=" + Farbe. Fehlende oder
// unlesbare Farben der Einstellungen werden weiß ("FFFFFF").
std::vector<std::string> DialogEintraege(const std::vector<std::string>& eigene);
// Liest die Einträge des Dialogs zurück: die letzten sechs Zeichen jedes Eintrags. Ein Eintrag,
// dessen Ende keine Farbe ist, lässt die bisherige Farbe stehen. Die Liste hat danach 16 Farben.
void EintraegeZurueck(const std::vector<std::string>& eintraege, std::vector<std::string>& eigene);
// Die Farbe eines Eintrags (hinter dem "="), oder nichts.
std::optional<TColor> EintragFarbe(const std::string& eintrag);

}  // namespace FarbWahl
