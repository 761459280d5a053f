// tamrel-cli uebersicht: die Übersicht aller Lehrer, Klassen oder Räume als Text, Byte für Byte so,
// wie "Kopieren" im Übersichtsfenster sie in die Zwischenablage legt (Tabulatoren, CR LF).
//
//   tamrel-cli uebersicht DATEI lehrer|klassen|raeume [--woche N] [--tage N] [--stunden N]
//
// Tage und Stunden wie eingestellt, --woche, --tage, --stunden legen sich darüber. Gekoppelte
// Stunden nennen ihre Kopplung (Knopf "o").
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// Der ganze Befehl (args ohne "uebersicht"); liefert den Rückgabewert des Prozesses.
int CliUebersicht(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler);
