// tamrel-cli drucken: die Stundenplandrucke als PDF-Datei, ohne Bildschirm, mit den Vorgaben
// der Druckoptionen, durch dieselbe Zeichenroutine und dasselbe PDF-Schreiben wie "Als PDF
// speichern…" im Programm.
//
//   tamrel-cli drucken DATEI lehrerplaene|klassenplaene|raumplaene|kopplungsplaene-lehrer|
//                      kopplungsplaene-klassen --pdf AUSGABE.pdf [--woche N] [--tage N]
//                      [--auswahl KÜRZEL…]
//
// Ohne --auswahl alle Elemente der Art. --woche, --tage, --stunden: Planversion, Tage je Woche und
// Stunden je Tag statt der Einstellungen. Die Druckoptionen und das Papierformat sind die des
// Programms. Ausgabe: "Seiten: N" und "Pläne: N".
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

class TPdfDienst;
struct TDruckerMasse;

// Die Argumente der Druckbefehle: DATEI ART --pdf AUSGABE.pdf [--woche N] [--tage N]
// [--stunden N] [--auswahl KÜRZEL…], mit listen auch [--art WAS] [--von DATUM] [--bis DATUM]
// (die Daten geprüft und als Text behalten) und [--schalter o|x].
struct TDruckAufruf {
  std::string Datei, Art, Pdf, Was, Von, Bis;
  int Woche = 0, Tage = 0, Stunden = 0;  // 0: wie eingestellt
  bool MitAuswahl = false;
  bool SchalterO = true;  // uvtabellen: der Umschalter der UV-Fenster
  std::vector<std::string> Auswahl;
};
// Falsch mit einer deutschen Meldung.
bool DruckAufrufLesen(const std::vector<std::string>& args, bool listen, TDruckAufruf& a,
                      std::string& fehler);

// Der PDF-Dienst, den der Befehl nutzt (tamrel-cli setzt den mit Qt Gui ein). Nicht besessen.
void CliPdfDienstSetzen(TPdfDienst* dienst);
// Der eingesetzte PDF-Dienst oder nichts.
TPdfDienst* CliPdfDienst();
// Die Maße der PDF-Blätter: das Papierformat, das das Programm gemerkt hat (Vorgabe A4 hochkant),
// in der Auflösung des PDF-Dienstes. Braucht die eingesetzten Einstellungen.
TDruckerMasse CliPdfMasse();
// Der ganze Befehl (args ohne "drucken"); liefert den Rückgabewert des Prozesses.
int CliDrucken(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler);
