// Schreiben der Schuldatei im aktuellen Aufbau (Version -300).
//
// Geschrieben wird erst in den Speicher, dann über eine Zwischendatei im selben Ordner, die erst
// nach vollständigem Schreiben die alte Datei ersetzt. Ein Wert, der nicht in sein Feld passt
// (eine Zahl außerhalb von 16 Bit, eine Liste mit mehr als 32767 Einträgen), lässt das Sichern
// mit einer deutschen Meldung scheitern, statt einen umgebrochenen Wert zu schreiben.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TSchule;

// Schreibt die Schule nach pfad (UTF-8). Bei Erfolg wahr und das Änderungskennzeichen gelöscht.
// Bei Misserfolg falsch mit der Meldung (UTF-8, nennt die Datei) in fehler; die bisherige Datei
// ist dann unverändert, ebenso Name, Titel und Änderungskennzeichen der Schule.
bool WriteSchule(const std::string& pfad, TSchule& schule, std::string& fehler);

// Die Bytes der Datei, ohne etwas zu schreiben; die Schule bleibt, wie sie ist. Die Vertretungen
// werden in der Folge der Datei nummeriert (fVon/fZu als Nummern). Wirft EDateiFehler
// (WertZuGross) bei einem Wert, der nicht in die Datei passt.
std::vector<std::uint8_t> SchuleAlsBytes(const TSchule& schule);
