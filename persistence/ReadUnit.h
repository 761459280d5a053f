// Lesen der Schuldatei: aktueller Aufbau (Versionen -212 bis -300) und alter Aufbau (-211).
//
// Der Leser traut der Datei nicht: Jede Anzahl und jeder Verweis wird geprüft. Eine kurze,
// beschädigte oder fremde Datei ergibt eine deutsche Meldung, die die Datei nennt. Was sich
// sicher ausbessern lässt, wird ausgebessert:
//  - Verweise außerhalb ihrer Liste gelten als "kein Element"; in Verweislisten (Fächer eines
//    Lehrers, Klassen und Räume eines Kurses, Einträge einer UV-Tabelle) fallen sie weg, ebenso
//    doppelte Einträge;
//  - Setzungen außerhalb des Rasters oder ein zweites Mal in derselben Zelle eines Kurses
//    fallen mit ihren Vertretungen weg;
//  - Verknüpfungen von Vertretungen, die nicht gegenseitig sind, fallen weg;
//  - Kalenderbytes außerhalb 1..Planversionen werden 1; Fehlzeiten ohne Element oder ohne
//    Stunde fallen weg; Fensterarten, die es nicht gibt, fallen weg.
// Nicht ausbessern lässt sich eine Zahl der Planversionen außerhalb 1..54, eine negative oder
// unmögliche Anzahl und eine Zahl von Lehrer-, Klassen-, Kopplungs-, Fach-, Raum- oder
// UV-Sätzen, die nicht zur Zahl ihrer Kürzel passt: Dann wird das Lesen abgebrochen.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TSchule;

// Liest die Datei pfad (UTF-8) in die übergebene leere Schule, die als Schule() eingesetzt ist.
// Gelesen wird der Kalender mit der Planversion für heute (fAktuelleWoche) und die Zahl der
// Planversionen (fMaxWocheNeu der Einstellungen). Danach werden Vertretungen und Fehlzeiten,
// die älter sind als fVertrMerke Tage, entfernt.
//
// Wahr bei Erfolg: Name der Schule ist der Dateiname (alter Aufbau: "Ohne Titel", damit
// "Sichern" nach einem neuen Namen fragt), die Titelzeile ist gesetzt; das Änderungskennzeichen
// ist beim aktuellen Aufbau gelöscht, beim alten gesetzt, und beim alten Aufbau wurde die
// Meldung "Neues Datenformat" gezeigt.
//
// Falsch mit der Meldung (UTF-8, nennt die Datei) in fehler: Die Einstellungen sind wieder wie
// vorher; die halb gelesene Schule muss der Aufrufer verwerfen. Name und Titel sind unberührt.
// Die Meldung zeigt der Aufrufer.
bool ReadSchule(const std::string& pfad, TSchule& schule, std::string& fehler);

// Dasselbe aus Bytes im Speicher; dateiName (UTF-8, ohne Ordner) nennt die Daten in Meldungen
// und wird bei Erfolg der Name der Schule.
bool ReadSchuleAusBytes(std::vector<std::uint8_t> daten, const std::string& dateiName,
                        TSchule& schule, std::string& fehler);
