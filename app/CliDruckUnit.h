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

// Die Argumente der Druckbefehle: DATEI ART --pdf AUSGABE.pdf [--woche N] [--tage N]
// [--auswahl KÜRZEL…], mit listen auch [--art WAS] [--von DATUM] [--bis DATUM] (die Daten
// geprüft und als Text behalten).
struct TDruckAufruf {
  std::string Datei, Art, Pdf, Was, Von, Bis;
  int Woche = 1, Tage = 5;
  bool MitAuswahl = false;
  std::vector<std::string> Auswahl;
};
// Falsch mit einer deutschen Meldung.
bool DruckAufrufLesen(const std::vector<std::string>& args, bool listen, TDruckAufruf& a,
                      std::string& fehler);

// Der PDF-Dienst, den der Befehl nutzt (tamrel-cli setzt den mit Qt Gui ein). Nicht besessen.
void CliPdfDienstSetzen(TPdfDienst* dienst);
// Der eingesetzte PDF-Dienst oder nichts.
TPdfDienst* CliPdfDienst();
// Der ganze Befehl (args ohne "drucken"); liefert den Rückgabewert des Prozesses.
int CliDrucken(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler);
