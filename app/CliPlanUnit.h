// tamrel-cli plan: der Plan eines Lehrers, einer Klasse oder eines Raums als Text, Byte für Byte
// so, wie "Kopieren" im Planfenster ihn in die Zwischenablage legt (Tabulatoren, CR LF).
//
//   tamrel-cli plan DATEI lehrer|klasse|raum KÜRZEL [--woche N] [--tage N] [--stunden N]
//                       [--schalter o|x] [--kopplungen]
//
// --woche, --tage (5 bis 7), --stunden (1 bis 16): Planversion, Tage je Woche und Stunden je Tag
// statt der Einstellungen; --schalter: "o" nennt gekoppelte Stunden mit ihrer
// Kopplung (wie der Knopf des Planfensters beim Öffnen), "x" mit Klasse bzw. Lehrer;
// --kopplungen: im Klassenplan die Kurse der Kopplungen in Folgezeilen (wie Kopieren mit Shift).
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

class TSchule;

struct TPlanAufruf {
  std::string datei;
  std::string art;      // "lehrer", "klasse" oder "raum"
  std::string kuerzel;  // UTF-8
  int woche = 0;        // 0: wie eingestellt
  int tage = 0;         // 0: wie eingestellt
  int stunden = 0;      // 0: wie eingestellt
  bool schalterO = true;
  bool kopplungen = false;
};

// Liest die Argumente nach dem Befehl; falsch mit einer deutschen Meldung.
bool PlanAufrufLesen(const std::vector<std::string>& args, TPlanAufruf& aufruf,
                     std::string& fehler);
// Der ganze Befehl (args ohne "plan"); liefert den Rückgabewert des Prozesses.
int CliPlan(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler);
