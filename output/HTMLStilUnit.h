// Die mitgelieferte Stilvorlage "tamrel.css" der HTML-Seiten. Sie kennt die Klassen der Seiten:
// "Plan" (Zellen der Pläne und Kurstabellen), "Titel" (Kopfzellen), "Eins" bis "Fuenf" (die fünf
// Spalten einer Vertretungszeile), "Null" (Zellen außerhalb davon) und "Adhoc" (in der Zelle
// einer Ad-hoc-Vertretung).
#pragma once

#include <string>

inline constexpr const char* kHTMLStilName = "tamrel.css";

// Der Inhalt der Datei (ASCII, Zeilenende LF).
const std::string& HTMLStilvorlage();
