// Der Start des Programms ohne Fenster: das Startkennwort.
#pragma once

#include <functional>
#include <optional>
#include <string>

// Das Startkennwort: ist eines gesetzt, fragt abfrage danach (UTF-8; nichts bei "Abbrechen").
// Wahr, wenn das Programm weiterlaufen darf: kein Kennwort gesetzt oder die Eingabe stimmt.
bool StartKennwortPruefen(const std::function<std::optional<std::string>()>& abfrage);
