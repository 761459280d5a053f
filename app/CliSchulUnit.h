// Was die Befehle von tamrel-cli teilen: ganze Zahlen in Grenzen lesen, die Schuldatei öffnen und
// Planversion, Tage und Stunden der Kommandozeile über die Einstellungen legen.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

class TKonsolenUmgebung;
class TSchule;

// Der ganze Text eine Zahl von..bis: wert wird sie; sonst falsch und wert bleibt.
bool CliZahl(const std::string& text, int von, int bis, int& wert);
// Die Druckeinstellung der Vertretungspläne: genau eine Ziffer 1 bis 4.
bool CliVorgabeLesen(const std::string& text, int& vorgabe);
// Öffnet die Schuldatei in der Umgebung; misslingt es, steht die Meldung auf fehler.
bool CliSchuleOeffnen(TKonsolenUmgebung& umgebung, const std::string& datei, std::ostream& fehler);
// Was die Kommandozeile nennt, gilt statt der Einstellungen: die Planversion (0: wie im Programm
// nach dem Öffnen, die Version des heutigen Tages), die Tage je Woche und die Stunden je Tag
// (0: wie eingestellt). Hat die offene Schule die Planversion nicht, steht das auf fehler
// (falsch).
bool CliPlanwocheEinstellen(int woche, int tage, int stunden, std::ostream& fehler);

// Die Optionen --woche, --tage und --stunden eines Befehls (0: wie eingestellt).
struct TCliRaster {
  int Woche = 0, Tage = 0, Stunden = 0;
};
// Ist args[i] eine dieser Optionen, liest sie ihren Wert (i rückt vor) und liefert wahr; ein
// fehlender oder ungültiger Wert steht dann in fehler. Sonst falsch, fehler bleibt leer.
bool CliRasterOption(const std::vector<std::string>& args, std::size_t& i, TCliRaster& raster,
                     std::string& fehler);
inline bool CliRasterEinstellen(const TCliRaster& r, std::ostream& fehler) {
  return CliPlanwocheEinstellen(r.Woche, r.Tage, r.Stunden, fehler);
}
