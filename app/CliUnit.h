// Das Kommandozeilenwerkzeug tamrel-cli: dieselbe Logik ohne Fenster.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// Führt einen Aufruf aus (args ohne Programmnamen) und liefert den Rückgabewert des Prozesses.
int CliAusfuehren(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler);

// Die Befehle, die "--hilfe" nennt, in ihrer Folge (ohne "--version" und "--hilfe").
std::vector<std::string> CliBefehle();
