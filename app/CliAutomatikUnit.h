// tamrel-cli automatik: die automatische Planung einer Schuldatei ohne Fenster.
//
//   tamrel-cli automatik DATEI [--ausgabe DATEI] [--prozent N] [--tage N] [--stunden N]
//                              [--kurse KÜRZEL…] [--nachbessern [SEKUNDEN]] [--schritte N]
//                              [--saat N]
//
// Plant alle zu verplanenden Kurse (mit --kurse nur die der Lehrer und Klassen mit diesen
// Kürzeln) in allen Planversionen im Raster der Einstellungen (--tage, --stunden legen Werte
// darüber), bessert mit --nachbessern danach nach und gibt aus:
//   Raster: T Tage, S Stunden
//   gesetzt: N
//   nachgebessert: N          (nur mit --nachbessern: davon beim Nachbessern gesetzt)
//   Schritte: N               (nur mit --nachbessern)
//   Zeitgrenze: erreicht|nicht erreicht   (nur mit --nachbessern)
//   nicht verplanbar: N
//   offen: N KURSZEILE        (je Kurs, der offene Stunden behielt)
//     Gründe: …               (warum, OffenGruendeText)
// Das Nachbessern arbeitet höchstens --schritte Schritte (ein Arbeitsbudget, auf jeder Maschine
// dasselbe) und höchstens SEKUNDEN (Vorgabe 10) lang; die Zeit ist nur eine Kappung. Sein Zufall
// kommt allein aus --saat (Vorgabe 1): gleiche Datei, Saat und Schritte, gleiches Ergebnis.
// Mit --ausgabe wird das Ergebnis in diese Datei geschrieben; sonst bleibt alles ungeschrieben.
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
  int stunden = 0;                   // 0: wie eingestellt
  std::vector<std::string> kuerzel;  // UTF-8; leer: alle Kurse
  bool nachbessern = false;
  int sekunden = 10;   // Zeitgrenze des Nachbesserns
  long schritte = -1;  // Arbeitsbudget des Nachbesserns; negativ: ohne
  unsigned saat = 1;   // Saat des Zufalls beim Nachbessern
};

// Was das Nachbessern darf (ohne nachbessern: keine Sekunde, also nicht).
struct TAutomatikLauf {
  int sekunden = 0;
  long schritte = -1;
  unsigned saat = 1;
};

// Liest die Argumente nach dem Befehl. Falsch mit einer deutschen Meldung in fehler.
bool AutomatikAufrufLesen(const std::vector<std::string>& args, TAutomatikAufruf& aufruf,
                          std::string& fehler);
// Die Kurse, die zu planen sind: ohne Kürzel alle zu verplanenden; sonst die der Lehrer und
// Klassen mit diesen Kürzeln, in Kursreihenfolge. Falsch mit Meldung bei einem unbekannten Kürzel.
bool AutomatikKurse(const TSchule& schule, const std::vector<std::string>& kuerzel,
                    std::vector<TKurs*>& kurse, std::string& fehler);
// Plant die Kurse in der eingesetzten Schule, bessert mit lauf.sekunden > 0 nach und gibt das
// Ergebnis aus.
void AutomatikPlanen(const std::vector<TKurs*>& kurse, std::ostream& aus,
                     const TAutomatikLauf& lauf = {});

// Der ganze Befehl (args ohne "automatik"); liefert den Rückgabewert des Prozesses.
int CliAutomatik(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler);
