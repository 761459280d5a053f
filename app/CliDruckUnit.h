// tamrel-cli drucken: die Stundenplandrucke als PDF-Datei, ohne Bildschirm, mit den Vorgaben
// der Druckoptionen, durch dieselbe Zeichenroutine und dasselbe PDF-Schreiben wie "Als PDF
// speichern…" im Programm.
//
//   tamrel-cli drucken DATEI lehrerplaene|klassenplaene|raumplaene|kopplungsplaene-lehrer|
//                      kopplungsplaene-klassen --pdf AUSGABE.pdf [--woche N] [--tage N]
//                      [--auswahl KÜRZEL…]
//
// Ohne --auswahl alle Elemente der Art. --woche: die Planversion (Vorgabe 1); --tage: Tage je
// Woche (5 bis 7, Vorgabe 5). Ausgabe: "Seiten: N" und "Pläne: N".
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

class TPdfDienst;

// Der PDF-Dienst, den der Befehl nutzt (tamrel-cli setzt den mit Qt Gui ein). Nicht besessen.
void CliPdfDienstSetzen(TPdfDienst* dienst);
TPdfDienst* CliPdfDienst();
// Der ganze Befehl (args ohne "drucken"); liefert den Rückgabewert des Prozesses.
int CliDrucken(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler);
