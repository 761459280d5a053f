// Das Kommandozeilenwerkzeug tamrel-cli: dieselbe Logik ohne Fenster.
#pragma once

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

class TEinstellungsSpeicher;

// Führt einen Aufruf aus (args ohne Programmnamen) und liefert den Rückgabewert des Prozesses.
int CliAusfuehren(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler);

// Die Befehle, die "--hilfe" nennt, in ihrer Folge (ohne "--version" und "--hilfe").
std::vector<std::string> CliBefehle();

// Woher tamrel-cli die Einstellungen liest: die Datei aus "--einstellungen DATEI" (UTF-8) oder,
// ohne Datei (leer), die des Benutzers wie das Programm; nichts mit einer deutschen Meldung, wenn
// das nicht geht. Der Speicher wird nur gelesen. tamrel-cli setzt die Quelle mit Qt ein; ohne
// Quelle gelten die Vorgaben wie beim ersten Programmstart.
using TEinstellungsQuelle = std::function<std::unique_ptr<TEinstellungsSpeicher>(
    const std::string& datei, std::string& fehler)>;
void CliEinstellungsQuelleSetzen(TEinstellungsQuelle quelle);
