// Menümodelle: die Logik baut Menüs als Listen von Einträgen, die Fenster zeichnen sie nur.
#pragma once

#include <functional>
#include <string>
#include <vector>

struct TMenueEintrag {
  std::string Text;         // Beschriftung (UTF-8)
  int Wert = 0;             // Zahlenwert des Eintrags
  void* Objekt = nullptr;   // Element oder Kurs des Eintrags
  bool Haken = false;       // mit Häkchen
  bool Aktiv = true;        // wählbar
  bool NeueSpalte = false;  // beginnt eine neue Spalte
  bool Trennlinie = false;  // nur eine Trennlinie
  std::vector<TMenueEintrag> Untermenue;
  std::function<void()> Aktion;  // beim Wählen; leer: nichts
};

using TMenue = std::vector<TMenueEintrag>;

// Spaltenlänge der Auswahllisten von Elementen: max(16, Rundung(Wurzel(n/7)·7)),
// n = Zahl der Klassen der Schule.
int PopupSpaltenLaenge(int klassenZahl);
// Setzt NeueSpalte bei jedem k-ten Eintrag (k >= 1), vom ersten Eintrag der Liste an gezählt.
void SpaltenUmbrechen(TMenue& menue, int k);
// Spaltenlänge der Elementmenüs "Le", "Kl", "Ko", "Fa", "Ra", "UV" und der Liste der
// Mehrfachwahl: max(16, Rundung(Wurzel(n/3)·3)), n = Zahl der Einträge.
int ElementSpaltenLaenge(int n);
// Spaltenlänge des Menüs der Planversionen: max(8, Rundung(Wurzel(w/3)·3)), w = Versionszahl.
int VersionsSpaltenLaenge(int w);
