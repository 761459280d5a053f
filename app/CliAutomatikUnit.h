// tamrel-cli automatik: die automatische Planung einer Schuldatei ohne Fenster.
//
//   tamrel-cli automatik DATEI [--ausgabe DATEI] [--prozent N] [--tage N] [--kurse KÜRZEL…]
//                              [--nachbessern [SEKUNDEN]]
//
// Plant alle zu verplanenden Kurse (mit --kurse nur die der Lehrer und Klassen mit diesen
// Kürzeln) in allen Planversionen, bessert mit --nachbessern danach höchstens SEKUNDEN lang
// (Vorgabe 10) nach und gibt aus:
//   gesetzt: N
//   nachgebessert: N          (nur mit --nachbessern: davon beim Nachbessern gesetzt)
//   nicht verplanbar: N
//   offen: N KURSZEILE        (je Kurs, der offene Stunden behielt)
// Mit --ausgabe wird das Ergebnis in diese Datei geschrieben; sonst bleibt alles ungeschrieben.
// Die Einstellungen der Automatik sind die Vorgaben; die Zahl der Tage pro Woche steht nicht in
// der Schuldatei und ist 5, wenn --tage sie nicht nennt.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

class TSchule;
class TKurs;

struct TAutomatikAufruf {
  std::string datei;
  std::string ausgabe;               // leer: nichts schreiben
  int prozent = 0;                   // 0: wie eingestellt
  int tage = 0;                      // 0: wie eingestellt
  std::vector<std::string> kuerzel;  // UTF-8; leer: alle Kurse
  bool nachbessern = false;
  int sekunden = 10;  // Zeitgrenze des Nachbesserns
};

// Liest die Argumente nach dem Befehl. Falsch mit einer deutschen Meldung in fehler.
bool AutomatikAufrufLesen(const std::vector<std::string>& args, TAutomatikAufruf& aufruf,
                          std::string& fehler);
// Die Kurse, die zu planen sind: ohne Kürzel alle zu verplanenden; sonst die der Lehrer und
// Klassen mit diesen Kürzeln, in Kursreihenfolge. Falsch mit Meldung bei einem unbekannten Kürzel.
bool AutomatikKurse(const TSchule& schule, const std::vector<std::string>& kuerzel,
                    std::vector<TKurs*>& kurse, std::string& fehler);
// Plant die Kurse in der eingesetzten Schule, bessert mit nachbessernSekunden > 0 so lange
// nach und gibt das Ergebnis aus.
void AutomatikPlanen(const std::vector<TKurs*>& kurse, std::ostream& aus,
                     int nachbessernSekunden = 0);

// Der ganze Befehl (args ohne "automatik"); liefert den Rückgabewert des Prozesses.
int CliAutomatik(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler);
