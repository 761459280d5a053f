// Das Startkennwort. Gespeichert wird nur eine Einwegform: SHA-1 des mit Leerzeichen auf
// 20 Zeichen aufgefüllten Kennworts, 20 Bytes (im Einstellungsspeicher 40 Hex-Ziffern).
// Kennwörter sind Texte in Windows-1252 wie alle Modelltexte.
#pragma once

#include <string>
#include <string_view>

inline constexpr std::size_t kKennwortLaenge = 20;

// SHA-1 (FIPS 180-4) der Daten: 20 Bytes.
std::string Sha1(std::string_view daten);

// Die verschlüsselte Form eines Kennworts: auf 20 Zeichen gekürzt bzw. mit Leerzeichen
// aufgefüllt, dann SHA-1.
std::string KennwortVerschluesseln(std::string_view kennwort);
// Die verschlüsselte Form von 20 Leerzeichen (= kein Kennwort).
const std::string& LeeresKennwort();

// Nach den Einstellungen (Standard().fKennwort):
// Ein Kennwort ist gesetzt, wenn die gespeicherte Form nicht die von 20 Leerzeichen ist.
bool KennwortGesetzt();
// Wahr, wenn die Eingabe das gesetzte Kennwort ist.
bool KennwortPruefen(std::string_view eingabe);
// Setzt das Kennwort; eine leere Eingabe löscht es.
void KennwortSetzen(std::string_view eingabe);
