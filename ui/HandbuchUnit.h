// Das Handbuch (docs/Handbuch.md): welcher Abschnitt zu welchem Fenster gehört, und was der Text
// an Überschriften und Kommandozeilenbefehlen enthält.
#pragma once

#include <string>
#include <vector>

// Die Überschrift des Abschnitts, den F1 im Fenster dieser Art öffnet; leer: der Anfang.
std::string HandbuchAbschnitt(int fensterArt);

// Alle Fensterarten, denen ein Abschnitt zugeordnet ist.
std::vector<int> HandbuchFensterArten();

// Die Überschriften des Handbuchs ("#" bis "######"), ohne die Rauten, in ihrer Folge. Zeilen
// in Codeblöcken zählen nicht.
std::vector<std::string> HandbuchUeberschriften(const std::string& text);

// Die Befehle der Tabelle im Abschnitt "Befehle": die Namen hinter `tamrel-cli ` in der ersten
// Spalte, in ihrer Folge.
std::vector<std::string> HandbuchCliBefehle(const std::string& text);
