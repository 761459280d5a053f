// Was die Befehle von tamrel-cli teilen: ganze Zahlen in Grenzen lesen, die Schuldatei öffnen und
// Planversion, Tage und Stunden für die Ausgabe einstellen.
#pragma once

#include <iosfwd>
#include <string>

class TKonsolenUmgebung;
class TSchule;

// Der ganze Text eine Zahl von..bis: wert wird sie; sonst falsch und wert bleibt.
bool CliZahl(const std::string& text, int von, int bis, int& wert);
// Die Druckeinstellung der Vertretungspläne: genau eine Ziffer 1 bis 4.
bool CliVorgabeLesen(const std::string& text, int& vorgabe);
// Die letzte Stunde, in der die Schule eine Stunde gesetzt hat (0 ohne Setzungen).
int LetzteGesetzteStunde(const TSchule& schule);
// Öffnet die Schuldatei in der Umgebung; misslingt es, steht die Meldung auf fehler.
bool CliSchuleOeffnen(TKonsolenUmgebung& umgebung, const std::string& datei, std::ostream& fehler);
// Hat die offene Schule die Planversion woche nicht, steht das auf fehler (falsch); sonst werden
// Planversion, Tage je Woche und Stunden je Tag eingestellt (stunden 0: bis zur letzten gesetzten
// Stunde, mindestens 6).
bool CliPlanwocheEinstellen(int woche, int tage, int stunden, std::ostream& fehler);
