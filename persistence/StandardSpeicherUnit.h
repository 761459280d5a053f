// Die Einstellungen im Einstellungsspeicher: 35 Schlüssel "Software\WTamrel3\Quon0" …
// "Quon33" und "Quon35", je mit kurz benannten Textwerten. Ein fehlender oder ungültiger Wert
// (außerhalb seines Bereichs, keine Zahl, falsche Hex-Ziffern, zu wenige Bezeichnungen) ergibt
// die Vorgabe des Feldes.
#pragma once

#include <string>

class TStandard;
class TEinstellungsSpeicher;

// Der Schlüssel mit der Nummer n.
std::string StandardSchluessel(int n);

// Füllt jedes gespeicherte Feld; danach laufen TesteTabelle und die Zeilenhöhen nach den
// Schriften. fAktuelleWoche, fStartZeit und fSaveZeit bleiben unberührt.
void LoadStandard(TStandard& standard, TEinstellungsSpeicher& speicher);
// Schreibt jedes gespeicherte Feld und sichert den Speicher; falsch, wenn das misslang.
bool SaveStandard(const TStandard& standard, TEinstellungsSpeicher& speicher);
